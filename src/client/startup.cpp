// Start-up of the client (see startup.h). It owns the start-up flags that the
// option parser sets and the first-expose tasks consume (each task clears its
// own flag), and the two directories every path to installed or per-user
// files is built from.
#include "client/startup.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstring>

#include "client/cases.h"
#include "client/ccp.h"
#include "client/command_dlog.h"
#include "client/conect.h"
#include "client/extdriver.h"
#include "client/file_select_comm.h"
#include "client/globals.h"
#include "client/textutil.h"
#include "data/data_dlog.h"
#include "state/backup.h"
#include "client/screen.h"
#include "client/defaults.h"

char Quivane_home_directory[HOME_DIR_TEXT];
char User_home_directory[HOME_DIR_TEXT];
const char *Quivane_resource_directory = ".quivane7";
int Connect_server = 0;
int Restore_archiveauto = 0;
static const Global_defaults Defaults(DEFAULTS_AT_START, Connect_server, Restore_archiveauto);
int Cmd_line_filespecified = 0;
int Cmd_line_play = 0;
char Cmd_line_playfile[PLAYFILE_TEXT];

static const char Default_home_directory[] = "/usr/local/bin/quivane70";
static const char Default_server_exec[] = "quivane7.server";

void main_set_installation_directory(const char *value) {
  if (!value || isblank((unsigned char)value[0])) {
    fprintf(stderr, "getenv(QUIVANE7_HOME) returned NULL\r\n");
    snprintf(Quivane_home_directory, sizeof Quivane_home_directory, "%s", Default_home_directory);
    return;
  }
  int nchars = (int)strlen(value);
  int capacity = 254;  // at most 253 characters
  if (expfnam(value, &nchars, Quivane_home_directory, &capacity) < 0)
    Quivane_home_directory[0] = '\0';
  fprintf(stderr, "getenv(QUIVANE7_HOME) returned [%s]\r\n", value);
}

void main_make_resource_directory() {
  int nchars = 1;
  int capacity = 240;  // at most 239 characters
  if (expfnam("~", &nchars, User_home_directory, &capacity) < 0) User_home_directory[0] = '\0';
  if (User_home_directory[0] == '\0') return;

  char path[HOME_DIR_TEXT + 16];
  snprintf(path, sizeof path, "%s/%s", User_home_directory, Quivane_resource_directory);
  struct stat st;
  if (stat(path, &st) == 0 || mkdir(path, 0750) != 0) return;
  fprintf(stderr, "**NOTE** '%s' directory not found in user\n", Quivane_resource_directory);
  fprintf(stderr, "home directory.  Created it.  This directory will\n");
  fprintf(stderr, "contain Quivane environment and resource files.\n");
  char macros[sizeof path + 8];
  snprintf(macros, sizeof macros, "%s/macros", path);
  (void)mkdir(macros, 0750);
}

void main_set_connection_defaults() {
  if (connect_get_default() == 1) return;
  for (int slot = 0; slot <= 1; slot++) {
    snprintf(Con_exec[slot], CON_TEXT, "%s", Default_server_exec);
    Con_work[slot][0] = '\0';
  }
}

// Automatic connection of case 0's server (-c, -cm), unless an archive is to
// be restored, which brings its own connections.
static void connect_at_start() {
  if (Connect_server != 1 || Restore_archiveauto != 0) return;
  Connect_server = 0;
  if (Online[1] == 1) return;
  if (connect_slot(1) != 1) {
    Cmd_line_play = 0;
    return;
  }
  connect_copy_slot(0, 1);
  Connected_server_once = 1;
}

static void restore_archive_at_start() {
  if (Restore_archiveauto != 1) return;
  Restore_archiveauto = 0;
  Command_proc_err = 0;
  bkup_saverestore_doit(3, 1);
  if (Command_proc_err == 1) Cmd_line_play = 0;
}

static void load_case_at_start() {
  if (Cmd_line_filespecified != 1) return;
  Cmd_line_filespecified = 0;
  Command_proc_err = 0;
  data_setup_apply(1);
  if (Command_proc_err == 1)
    Cmd_line_play = 0;
  else if (Cmd_line_play == 0)
    data_pbuild_manageinit(Data_format[Case_num]);
  int geom = 0, result = 0, measured = 0;
  datachange_flags(&geom, &result, &measured, 1);
}

static void play_file_at_start() {
  if (Cmd_line_play != 1) return;
  Cmd_line_play = 0;
  int mode = 0, report = 1;
  if (chkfil(Cmd_line_playfile, &mode, &report) != 1) return;
  set_working_cursor("*Working...*");
  cmdplay(Cmd_line_playfile, 0);
  cmdplay_toggle_windep(0, 1);
  unset_working_cursor();
}

static void serve_driver_at_start() {
  if (!Cmd_external_driver) return;
  if (connect_to_extcmddriver() == 1) {
    connect_loopgetmesgfrom_extsrc();
    return;
  }
  fprintf(stderr, "Could not start the external driver's connection. Exiting...\n");
  quit_rout();
}

void main_execute_commandlinetasks() {
  connect_at_start();
  restore_archive_at_start();
  load_case_at_start();
  play_file_at_start();
  serve_driver_at_start();
}

int general_globals_init() { return globals_init(1); }

// The fatal signals, in the order their handlers are installed.
static const int Fatal_signals[] = {
    SIGBUS, SIGSEGV, SIGFPE, SIGINT, SIGQUIT, SIGILL, SIGTRAP, SIGABRT,
#ifdef SIGEMT
    SIGEMT,
#endif
    SIGSYS};

void setup_signal_processing() {
  struct sigaction act;
  memset(&act, 0, sizeof act);
  act.sa_handler = sig_exit;
  sigemptyset(&act.sa_mask);
  for (int signo : Fatal_signals) sigaddset(&act.sa_mask, signo);
  // A second fault inside the handler takes the default action.
  act.sa_flags = SA_RESETHAND;
  for (int signo : Fatal_signals) sigaction(signo, &act, nullptr);

  struct sigaction ignore;
  memset(&ignore, 0, sizeof ignore);
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  sigaction(SIGPIPE, &ignore, nullptr);
}

static void write_all(const char *text) {
  size_t left = strlen(text);
  while (left > 0) {
    ssize_t n = write(STDERR_FILENO, text, left);
    if (n <= 0) return;
    text += n;
    left -= (size_t)n;
  }
}

// Only write(2), the channel's signal-safe send and _exit(2) run here: the
// handler may interrupt stdio, the allocator or a channel exchange. Key
// auto-repeat is left alone: switching it is an X call, and it has no effect
// in this system anyway.
void sig_exit(int signo) {
  char number[16];
  int pos = (int)sizeof number - 1;
  number[pos] = '\0';
  unsigned value = signo < 0 ? 0u - (unsigned)signo : (unsigned)signo;
  do {
    number[--pos] = (char)('0' + value % 10);
    value /= 10;
  } while (value && pos > 1);
  if (signo < 0) number[--pos] = '-';

  write_all("*****************************************************************\n");
  write_all("***Exiting because signal ");
  write_all(number + pos);
  write_all(" was received.                    ***\n");
  write_all("***Please make sure the server is not still running.  If it   ***\n");
  write_all("***is, then you should enter the command 'kill -9 <pid>'.     ***\n");
  write_all("*****************************************************************\n");
  for (int i = 0; i < MAX_CASES; i++)
    if (Online[i + 1] == 1) ccp_send_exit_sigsafe(Isockt[i]);
  _exit(1);
}
