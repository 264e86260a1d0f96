// Command language entry points of Saving and restoring state: the processors, special
// recorders, refresh functions and keyword tables that Cmds_cat names.
// Until this subsystem is built its processors refuse every keyword
// with the category's " - Bad parameter" message, and its keyword tables
// are empty, so every keyword is unknown.
#pragma once

#include "client/cmd_tables.h"

extern const Cmd_keyword_rec Cmds_file[];
extern const Cmd_keyword_rec Cmds_prefs[];

int file_cmdproc(CMD_PROC_PARAMS);
int prefs_cmdproc(CMD_PROC_PARAMS);
void file_ref(int cat_index);
void prefs_ref(int cat_index);
