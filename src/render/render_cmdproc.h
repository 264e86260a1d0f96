// Command language entry points of Rendering: the processors, special
// recorders, refresh functions and keyword tables that Cmds_cat names.
// "annot_entlbl:" is in entlbl.cpp.  Until "view:" is built its processor
// refuses every keyword with the category's " - Bad parameter" message, and
// its keyword table is empty, so every keyword is unknown.
#pragma once

#include "client/cmd_tables.h"

extern const Cmd_keyword_rec Cmds_view[];
extern const Cmd_keyword_rec Cmds_entlbl[];

int view_cmdproc(CMD_PROC_PARAMS);
int entlbl_cmdproc(CMD_PROC_PARAMS);
void view_ref(int cat_index);
void entlbl_ref(int cat_index);
