// Full backup archives and the end of a session.
#pragma once

extern char Bkup_autorestore_name[257];  // archive information file restored at start (-ar)

// Mode 3 with flag 1 restores the full backup archive named in
// Bkup_autorestore_name; 1, or -1 with an error box and Command_proc_err = 1.
int bkup_saverestore_doit(int mode, int flag);
// Ends the run: "Exit" to every connected server, key repeat restored, exit 0.
int quit_rout();
