// Command language state and the playback settings. This module owns the
// recording flags, the record and context file handles and the "command:"
// settings; the line processor, recorder, refresh and archive section live in
// the cmd_*.cpp files of the same module. File playback itself is not
// available yet: cmdplay refuses every file.
#include "client/command_dlog.h"

#include <cstdio>

#include "ui/ui_msg_stubs.h"

int Command_proc_err = 0;
int Recrdr = 1;
int Recrdr_backup = 1;
int Recrdr_user = 0;
int Play_file_no_update = 0;
const char *On = "ON";
const char *Off = "OFF";
const char *Stars = "***";

FILE *Cmd_backupfile = nullptr;
char *Cmd_backupfilename = nullptr;
FILE *Cmd_recfile = nullptr;
char Cmd_recordfilename[255] = "";
FILE *Context_file = nullptr;
int Context_restore = 0;
int Cmd_record_parts_by_number = 1;
int Cmd_play_delay_time = 0;
int Cmd_play_continue_flag = 0;
int Check_context_state = 0;
char Cmd_macropath[255] = "";

int cmdplay(const char *file, int) {
  fprintf(stderr, "E> Command file playback is not available: %s\n", file ? file : "");
  return -1;
}

// Stops continuous playback. A selection block left open by the interrupted
// file would swallow every later line, so it is closed here.
void cmd_playinterrupt() {
  Cmd_play_continue_flag = 0;
  cmd_select_reset();
  if (!Context_restore) cmd_delay_refresh(0, 1);
}

void cmd_play_delay(int seconds, int norecord) {
  Cmd_play_delay_time = seconds;
  if (Recrdr == 1 && !norecord) {
    char line[64];
    snprintf(line, sizeof line, "%s %s %d", "command:", "delay", seconds);
    cmdrec(line);
  }
  cmd_interf_refresh();
}

void cmd_delay_refresh(int on, int norecord) {
  Play_file_no_update = on ? 1 : 0;
  if (Recrdr == 1 && !norecord) {
    char line[64];
    snprintf(line, sizeof line, "%s %s %s", "command:", "delay_refresh", on ? On : Off);
    cmdrec(line);
  }
  cmd_interf_refresh();
}
