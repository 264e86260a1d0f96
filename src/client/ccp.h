// Channels and wire primitives. Only the calls that the start-up code needs
// are declared so far; the channel table and the typed primitives follow.
#pragma once

// Sends a string (int length, then the bytes) on a channel; 0 or -1.
int ccsstr(int ch, const char *text, int length);
// Closes a channel; 0.
int ccend(int ch);
// Writes the framed request word "Exit" on a channel using only write(2),
// so that a signal handler may call it; 0 or -1.
int ccp_send_exit_sigsafe(int ch);
