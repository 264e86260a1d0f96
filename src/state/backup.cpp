// Full backup archives and the end of a session. An archive needs the
// servers of its cases; none can be connected yet, so every backup fails
// as it does without a server. The quit confirmation dialog does not exist
// yet, so quitting always ends the run and keeps the session record.
#include "state/backup.h"

#include <cstdio>
#include <cstdlib>

#include "client/cases.h"
#include "client/ccp.h"
#include "client/command_dlog.h"
#include "client/conect.h"
#include "client/extdriver.h"
#include "data/data_bkup.h"
#include "state/bkup_section.h"
#include "client/screen.h"
#include "render/active.h"
// reader state section
#include "parts/read_bkup.h"
// viewports, frames and view transforms sections
#include "view/view_bkup.h"
// viewer editor section
#include "view/observer.h"

char Bkup_autorestore_name[257];

int bkup_saverestore_doit(int, int) {
  disperr("Must be connected to the server to do backups.");
  Command_proc_err = 1;
  return -1;
}

// The archive sections that exist so far.
void file_backup_reinitializeall() {
  command_bkup(nullptr, BKUP_RESET);
  connect_bkup(nullptr, BKUP_RESET);
  disobj_bkup(nullptr, BKUP_RESET);
  data_interf_bkup(nullptr, BKUP_RESET);
  // reader state section
  read_bkup(nullptr, BKUP_RESET);
  // viewports, frames and view transforms sections
  frames_bkup(nullptr, BKUP_RESET);
  transforms_bkup(nullptr, BKUP_RESET);
  viewports_bkup(nullptr, BKUP_RESET);
  // viewer editor section
  observer_bkup(nullptr, BKUP_RESET);
}

int quit_server(int case_index) {
  if (case_index < 0 || case_index >= MAX_CASES || Online[case_index + 1] != 1) return 0;
  return connect_stop_server(case_index, 1);
}

// Driving another client: it is told the drive ends. Driven: the link is
// dropped without an answer.
static void close_driver_links() {
  if (Cmd_drive_extapp == 1) {
    connect_disconnect_fromclient(Cmd_driver_sock);
    return;
  }
  if (Cmd_driver_inputid) screen_unwatch(Cmd_driver_inputid);
  Cmd_driver_inputid = 0;
  if (Cmd_driver_sock != CMD_DRIVER_NO_LINK) ccend(Cmd_driver_sock);
  Cmd_driver_sock = CMD_DRIVER_NO_LINK;
}

int quit_rout() {
  for (int c = 0; c < MAX_CASES; c++) quit_server(c);
  close_driver_links();
  if (Cmd_backupfile) fflush(Cmd_backupfile);
  set_keyboard_repeat(1);
  exit(0);
}
