// Command language entry points of Queries and plots: the processors, special
// recorders, refresh functions and keyword tables that Cmds_cat names.
// Until this subsystem is built its processors refuse every keyword
// with the category's " - Bad parameter" message, and its keyword tables
// are empty, so every keyword is unknown.
#pragma once

#include "client/cmd_tables.h"

extern const Cmd_keyword_rec Cmds_qryev[];
extern const Cmd_keyword_rec Cmds_qryplt[];
extern const Cmd_keyword_rec Cmds_qryinfo[];
extern const Cmd_keyword_rec Cmds_qrycrv[];
extern const Cmd_keyword_rec Cmds_queryint[];

int intrquery_cmdproc(CMD_PROC_PARAMS);
int plot_cmdproc(CMD_PROC_PARAMS);
int query_info_cmdproc(CMD_PROC_PARAMS);
int plotcrv_cmdproc(CMD_PROC_PARAMS);
int intrprobeq_cmdproc(CMD_PROC_PARAMS);
int intrquery_cmdrec(CMD_REC_PARAMS);
void intrquery_ref(int cat_index);
void plot_ref(int cat_index);
void query_info_ref(int cat_index);
void plotcrv_ref(int cat_index);
void intrprobeq_ref(int cat_index);
