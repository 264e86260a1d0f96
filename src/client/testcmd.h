// Developer settings shared with the "test:" interpreter.
#pragma once

#define RSH_TEXT 80  // capacity of the remote shell path, NUL included

extern int Demo_mode;  // 1 = demonstration playback (-demo)

// Mode 1 copies text into the remote shell path (shorter than RSH_TEXT);
// mode 0 copies the path into text (capacity RSH_TEXT). Returns text, or null
// for any other mode.
char *change_rsh(char *text, int mode);
