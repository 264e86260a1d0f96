// Command language entry points of Data loading: the processors, special
// recorders, refresh functions and keyword tables that Cmds_cat names.
// Until this subsystem is built its processors refuse every keyword
// with the category's " - Bad parameter" message, and its keyword tables
// are empty, so every keyword is unknown.
#pragma once

#include "client/cases.h"
#include "client/cmd_tables.h"

extern const Cmd_keyword_rec Cmds_data[];
extern const Cmd_keyword_rec Cmds_partbuild[];
extern char *Data_readcmds[MAX_CASES];  // per case slot: data commands that built the case, null = none

int data_cmdproc(CMD_PROC_PARAMS);
int databld_cmdproc(CMD_PROC_PARAMS);
void dpbld_ref(int cat_index);
