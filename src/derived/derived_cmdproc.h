// Command language entry points of Clips and derived surfaces: the processors, special
// recorders, refresh functions and keyword tables that Cmds_cat names.
// Until this subsystem is built its processors refuse every keyword
// with the category's " - Bad parameter" message, and its keyword tables
// are empty, so every keyword is unknown.
#pragma once

#include "client/cmd_tables.h"

extern const Cmd_keyword_rec Cmds_clip[];
extern const Cmd_keyword_rec Cmds_contour[];
extern const Cmd_keyword_rec Cmds_isos[];
extern const Cmd_keyword_rec Cmds_profile[];
extern const Cmd_keyword_rec Cmds_elevsrf[];
extern const Cmd_keyword_rec Cmds_devsrf[];
extern const Cmd_keyword_rec Cmds_subset[];
extern const Cmd_keyword_rec Cmds_dpart[];

int clip_cmdproc(CMD_PROC_PARAMS);
int contour_cmdproc(CMD_PROC_PARAMS);
int iso_cmdproc(CMD_PROC_PARAMS);
int profile_cmdproc(CMD_PROC_PARAMS);
int elevsrf_cmdproc(CMD_PROC_PARAMS);
int devsrf_cmdproc(CMD_PROC_PARAMS);
int subset_cmdproc(CMD_PROC_PARAMS);
int clip_cmdrec(CMD_REC_PARAMS);
int subset_cmdrec(CMD_REC_PARAMS);
