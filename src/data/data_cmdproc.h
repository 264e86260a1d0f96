// Command language entry points of Data loading: the processors, special
// recorders, refresh functions and keyword tables that Cmds_cat names.
// "data:" is not built yet: its processor refuses every keyword with the
// category's " - Bad parameter" message. "data_partbuild:" is in partbuild.cpp.
#pragma once

#include "client/cases.h"
#include "client/cmd_tables.h"
#include "data/readcmds.h"

extern const Cmd_keyword_rec Cmds_data[];
extern const Cmd_keyword_rec Cmds_partbuild[];

int data_cmdproc(CMD_PROC_PARAMS);
int databld_cmdproc(CMD_PROC_PARAMS);
void dpbld_ref(int cat_index);
