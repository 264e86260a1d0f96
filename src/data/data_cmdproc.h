// Command language entry points of Data loading: the processors, special
// recorders, refresh functions and keyword tables that Cmds_cat names.
// "data:" is in data_cmdproc.cpp, "data_partbuild:" in partbuild.cpp.
#pragma once

#include "client/cases.h"
#include "client/cmd_tables.h"
#include "data/readcmds.h"

extern const Cmd_keyword_rec Cmds_data[];
extern const Cmd_keyword_rec Cmds_partbuild[];

int data_cmdproc(CMD_PROC_PARAMS);
// The "format" keyword of a built-in format code ("" for none).
const char *data_format_word(int code);
int databld_cmdproc(CMD_PROC_PARAMS);
void dpbld_ref(int cat_index);
