// Full backup archives and the end of a session.
#pragma once

extern char Bkup_autorestore_name[257];  // archive information file restored at start (-ar)

// Mode 3 with flag 1 restores the full backup archive named in
// Bkup_autorestore_name; 1, or -1 with an error box and Command_proc_err = 1.
int bkup_saverestore_doit(int mode, int flag);
// Resets every archive section to its defaults.
void file_backup_reinitializeall();
// Stops the server of a case that is online: "Exit" on its channel, the
// channel closed, the case offline, the child of an automatic start waited
// for. Nothing for an offline case. 0.
int quit_server(int case_index);
// Ends the run: "Exit" to every connected server, the command-driver links
// closed, the session record flushed, key repeat restored, exit status 0.
int quit_rout();
