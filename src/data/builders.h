// What the part builders share: the open build period, its close, the part
// lists refreshed after a creation and the texts of the creation errors.
#pragma once

// Starts a build period unless one is open (flag 1, from "begin", always starts).
void data_build_mark_start(int flag, void (*start)());
// Closes the open build through its stop marker when the case has geometry.
void data_build_close(void (*stop)());
// The main part list and the detail editor's part list after a creation.
void data_build_refresh_lists();
// The message of a part creation status 1..5, null for others.
const char *data_build_error_text(int code);
// 1 when the current case's format is a user-defined reader (11..30).
int data_build_userd_format();
