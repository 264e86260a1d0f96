// File checks made before a file is read or written, the line reader of the
// small configuration files, host names, and the listing of a directory on
// the current case's server (for the File Selection dialog).
#pragma once

#include <cstdio>

#define FSEL_NAME_LEN 255  // bytes of one name slot of a listing, NUL included

// get_aline results besides "characters stored minus one".
#define GET_ALINE_EOF (-1)    // end of file, nothing read
#define GET_ALINE_LONG (-2)   // the line holds more than max characters
#define GET_ALINE_EMPTY (-3)  // an empty line (the buffer holds "")

// Mode 0: the file is to be read; any other mode: to be written. 1 when the
// file may be used, 0 when not. Report flag 1 shows the messages.
int chkfil(const char *path, int *mode, int *report);

// Reads one line (without its newline) into buf, which holds max + 1 bytes.
// The number of characters stored minus one, GET_ALINE_EMPTY for an empty
// line, GET_ALINE_EOF at the end of the file, or GET_ALINE_LONG when max
// characters are stored and the line goes on (buf is then unterminated and
// the rest of the line unread). A carriage return stays in the line.
int get_aline(FILE *fp, int max, char *buf);

// Channel >= 0: asks that channel's peer for its host name (ccrhst), 0 or
// -1. Negative channel: the local host name, 1 (or -1). buf holds size bytes.
int our_gethostname(int ch, char *buf, int size);

// Asks the current case's server for the listing of filter ("dir/pattern";
// "" lists "./*"). On success 1 and: *path (heap, backslashes turned into
// slashes), the directory and file counts and name lists. Each list is one
// heap block of count x FSEL_NAME_LEN bytes addressed by a heap array of
// count pointers (null for a count of 0); the caller frees the path, the
// block (through pointer 0) and the array. -1 on any failure (nothing kept).
int remotefilelist(const char *filter, char **path, int *ndirs, char ***dirs, int *nfiles,
                   char ***files);
// Frees a name list of remotefilelist.
void remotefilelist_free(char **names);
