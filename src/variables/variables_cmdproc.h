// Command language entry points of Variables and calculator: the processors, special
// recorders, refresh functions and keyword tables that Cmds_cat names.
// Until this subsystem is built its processors refuse every keyword
// with the category's " - Bad parameter" message, and its keyword tables
// are empty, so every keyword is unknown.
#pragma once

#include "client/cmd_tables.h"

extern const Cmd_keyword_rec Cmds_vars[];
extern const Cmd_keyword_rec Cmds_cfdvars[];

// The name under which a part attribute holding a variable id is recorded:
// the variable's own name when it is active (matched through its unique id).
// 1 with the name copied (at most size-1 characters), -1 when no variable
// matches; no variable is loaded yet.
int var_recname_from_id(int var_id, char *name, int size);

int var_cmdproc(CMD_PROC_PARAMS);
int varcfd_cmdproc(CMD_PROC_PARAMS);
void var_ref(int cat_index);
void varcfd_ref(int cat_index);
