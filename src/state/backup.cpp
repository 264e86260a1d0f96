// Full backup archives and the end of a session. An archive needs the
// servers of its cases; none can be connected yet, so every backup fails
// as it does without a server.
#include "state/backup.h"

#include <cstdlib>

#include "client/command_dlog.h"
#include "ui/event_loop.h"
#include "ui/general_windep.h"

char Bkup_autorestore_name[257];

int bkup_saverestore_doit(int, int) {
  disperr("Must be connected to the server to do backups.");
  Command_proc_err = 1;
  return -1;
}

int quit_rout() {
  set_keyboard_repeat(1);
  exit(0);
}
