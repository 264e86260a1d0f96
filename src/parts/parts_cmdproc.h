// Command language entry points of Parts: the processors, special
// recorders, refresh functions and keyword tables that Cmds_cat names.
// Until this subsystem is built its processors refuse every keyword
// with the category's " - Bad parameter" message, and its keyword tables
// are empty, so every keyword is unknown.
#pragma once

#include "client/cmd_tables.h"

extern const Cmd_keyword_rec Cmds_part[];
extern const Cmd_keyword_rec Cmds_model[];

int part_cmdproc(CMD_PROC_PARAMS);
int model_cmdproc(CMD_PROC_PARAMS);
int part_cmdrec(CMD_REC_PARAMS);
void part_ref(int cat_index);
// Brings the part interface up to date after commands (main-list selection,
// Selected Part(s) window, parts section); nothing is loaded yet: nothing.
void part_refresh();
