// Developer settings shared with the "test:" interpreter.
#pragma once

#define RSH_TEXT 80  // capacity of the remote shell path, NUL included

extern int Demo_mode;  // 1 = demonstration playback (-demo)

// Mode 1 copies text into the remote shell path (shorter than RSH_TEXT);
// mode 0 copies the path into text (capacity RSH_TEXT). Returns text, or null
// for any other mode.
char *change_rsh(char *text, int mode);

// The remote shell a server start runs (capacity RSH_TEXT): the path set
// with change_rsh mode 1 (option -rsh); while none was set and the built-in
// default "/usr/bsd/rsh" does not exist, the first "ssh" on PATH.  When
// neither is there, the default path itself (the start then fails and says
// why).  Returns text.
char *remote_shell_in_use(char *text);
// The same choice with the PATH given, for tests; path null = PATH unset.
char *remote_shell_for_path(char *text, const char *path);
