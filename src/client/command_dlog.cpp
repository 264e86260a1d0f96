// Command language state. This module owns the recording flags, the record
// and context file handles and the "command:" settings; the line processor,
// recorder, refresh, playback and archive section live in the cmd_*.cpp
// files of the same module.
#include "client/command_dlog.h"

#include <cstdio>

#include "client/defaults.h"

int Command_proc_err = 0;
int Recrdr = 1;
int Recrdr_backup = 1;
int Recrdr_user = 0;
const char *On = "ON";
const char *Off = "OFF";
const char *Stars = "***";
// An archive reset switches recording and the session record back on.
static const Global_defaults Defaults(DEFAULTS_AT_RESET, Recrdr, Recrdr_backup, Recrdr_user, On,
                                      Off, Stars);

FILE *Cmd_backupfile = nullptr;
char *Cmd_backupfilename = nullptr;
FILE *Cmd_recfile = nullptr;
char Cmd_recordfilename[255] = "";
FILE *Context_file = nullptr;
int Context_restore = 0;
int Cmd_record_parts_by_number = 1;
int Check_context_state = 0;
char Cmd_macropath[255] = "";

// ---- the dialogs' entries ---------------------------------------------------------

Cmd_windep_hooks Cmd_windep = {};

int cmdrec_windep(const char *line) {
  return Cmd_windep.record ? Cmd_windep.record(line) : cmd_record_to_file(line);
}

int cmdinterf_set_fields_windep(const Cmd_interf_fields *fields) {
  return Cmd_windep.set_fields ? Cmd_windep.set_fields(fields) : 0;
}

void cmdrec_toggle_windep(int on, int notify) {
  if (Cmd_windep.record_toggle) Cmd_windep.record_toggle(on, notify);
}

void cmdplay_toggle_windep(int on, int notify) {
  if (Cmd_windep.play_toggle) Cmd_windep.play_toggle(on, notify);
}

void cmdplay_showfile_windep(const char *name) {
  if (Cmd_windep.play_showfile) Cmd_windep.play_showfile(name);
}

void cmdplay_buttons_windep(int paused) {
  if (Cmd_windep.play_buttons) Cmd_windep.play_buttons(paused);
}

void cmd_mapdialog_open_windep() {
  if (Cmd_windep.map_open) Cmd_windep.map_open();
}

void cmd_mapdialog_fill_windep(const std::string &label, const std::vector<std::string> &list1,
                               const std::vector<std::string> &list2) {
  if (Cmd_windep.map_fill) Cmd_windep.map_fill(label, list1, list2);
}

bool cmd_maplist_selected_windep(int which, std::vector<int> *positions) {
  positions->clear();
  return Cmd_windep.map_selected ? Cmd_windep.map_selected(which, positions) : false;
}
