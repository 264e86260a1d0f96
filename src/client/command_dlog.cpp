// Command recording and playback state. Playback itself is not available
// yet: cmdplay refuses every file.
#include "client/command_dlog.h"

#include <cstdio>

int Command_proc_err = 0;
int Recrdr = 1;
int Recrdr_backup = 1;
int Recrdr_user = 0;
int Play_file_no_update = 0;
const char *On = "ON";
const char *Off = "OFF";
const char *Stars = "***";

int cmdplay(const char *file, int) {
  fprintf(stderr, "E> Command file playback is not available: %s\n", file ? file : "");
  return -1;
}
