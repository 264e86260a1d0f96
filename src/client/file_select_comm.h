// File checks made before a file is read or written.
#pragma once

// Mode 0: the file is to be read; any other mode: to be written. 1 when the
// file may be used, 0 when not. Report flag 1 shows the messages.
int chkfil(const char *path, int *mode, int *report);
