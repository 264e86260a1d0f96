// Command language entry points of Vector arrows, tensors and particle traces: the processors, special
// recorders, refresh functions and keyword tables that Cmds_cat names.
// Until this subsystem is built its processors refuse every keyword
// with the category's " - Bad parameter" message, and its keyword tables
// are empty, so every keyword is unknown.
#pragma once

#include "client/cmd_tables.h"

extern const Cmd_keyword_rec Cmds_ptrace[];
extern const Cmd_keyword_rec Cmds_vctarrow[];
extern const Cmd_keyword_rec Cmds_atrace[];
extern const Cmd_keyword_rec Cmds_tensor[];
extern const Cmd_keyword_rec Cmds_ptrace_emitter[];

int trace_cmdproc(CMD_PROC_PARAMS);
int vctarrow_cmdproc(CMD_PROC_PARAMS);
int traceanim_cmdproc(CMD_PROC_PARAMS);
int tensor_cmdproc(CMD_PROC_PARAMS);
int trace_cmdrec(CMD_REC_PARAMS);
int traceanim_cmdrec(CMD_REC_PARAMS);
void traceanim_ref(int cat_index);
