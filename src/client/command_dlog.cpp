// Command language state. This module owns the recording flags, the record
// and context file handles and the "command:" settings; the line processor,
// recorder, refresh, playback and archive section live in the cmd_*.cpp
// files of the same module.
#include "client/command_dlog.h"

#include <cstdio>

int Command_proc_err = 0;
int Recrdr = 1;
int Recrdr_backup = 1;
int Recrdr_user = 0;
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
int Check_context_state = 0;
char Cmd_macropath[255] = "";
