// Command language entry points of Image, movie, print and geometry output: the processors, special
// recorders, refresh functions and keyword tables that Cmds_cat names.
// Until this subsystem is built its processors refuse every keyword
// with the category's " - Bad parameter" message, and its keyword tables
// are empty, so every keyword is unknown.
#pragma once

#include "client/cmd_tables.h"

extern const Cmd_keyword_rec Cmds_savegeom[];

int savegeom_cmdproc(CMD_PROC_PARAMS);
void savegeom_ref(int cat_index);
