// The command language: recording and playback state shared with the rest
// of the client. The tables and the line processor follow.
#pragma once

extern int Command_proc_err;     // 1 when a command of the current group failed
extern int Recrdr;               // 1 = command recording on
extern int Recrdr_backup;        // 1 = session record file on
extern int Recrdr_user;          // 1 = a user record file is open
extern int Play_file_no_update;  // 1 = redraws deferred while command files play
extern const char *On;           // "ON"  (words used by the recorders)
extern const char *Off;          // "OFF"
extern const char *Stars;        // "***"

// Plays a command file; toggle 0 from the command line or dialog, 1 for a
// context restore. 1 when the file played, -1 when it could not.
int cmdplay(const char *file, int toggle);
