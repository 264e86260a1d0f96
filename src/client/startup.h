// Start-up of the client: installation and per-user directories, the
// start-up tasks deferred to the first expose of the main graphics window,
// and the fatal-signal handler.
#pragma once

#define HOME_DIR_TEXT 255
#define PLAYFILE_TEXT 255

extern char Quivane_home_directory[HOME_DIR_TEXT];  // installation directory; empty when unusable
extern char User_home_directory[HOME_DIR_TEXT];     // the user's home directory; empty when unknown
extern const char *Quivane_resource_directory;      // per-user directory under home: ".quivane7"
extern int Connect_server;                          // 1 = connect to a server at the first expose
extern int Restore_archiveauto;                     // 1 = restore Bkup_autorestore_name at the first expose
extern int Cmd_line_filespecified;                  // 1 = load the -case file at the first expose
extern int Cmd_line_play;                           // 1 = play Cmd_line_playfile at the first expose
extern char Cmd_line_playfile[PLAYFILE_TEXT];       // command file of -p

// Sets Quivane_home_directory from the value of QUIVANE7_HOME (null when
// unset) and reports the value on standard error.
void main_set_installation_directory(const char *value);
// Finds the user's home directory and creates the per-user directory with its
// "macros" subdirectory when it is missing.
void main_make_resource_directory();
// Reads the connection defaults; without a defaults file slots 0 and 1 get
// the default server executable and no working directory.
void main_set_connection_defaults();
// Runs the start-up tasks of the command line once, at the first expose of
// display 0's main graphics window.
void main_execute_commandlinetasks();
// Every global default for a fresh run (globals_init in full mode).
int general_globals_init();
// Installs sig_exit for the fatal signals; a broken pipe is ignored, so a
// write on a dead channel fails with EPIPE instead of ending the session.
void setup_signal_processing();
// Fatal-signal handler: tells every connected server to exit and ends the
// client with status 1. Async-signal-safe.
void sig_exit(int signo);
