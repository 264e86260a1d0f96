// Command language entry points of Animation and time: the processors, special
// recorders, refresh functions and keyword tables that Cmds_cat names.
// Until this subsystem is built its processors refuse every keyword
// with the category's " - Bad parameter" message, and its keyword tables
// are empty, so every keyword is unknown.
#pragma once

#include "client/cmd_tables.h"

extern const Cmd_keyword_rec Cmds_flip[];
extern const Cmd_keyword_rec Cmds_keyf[];
extern const Cmd_keyword_rec Cmds_screen[];
extern const Cmd_keyword_rec Cmds_record[];
extern const Cmd_keyword_rec Cmds_soltime[];

int intrflipb_cmdproc(CMD_PROC_PARAMS);
int keyf_cmdproc(CMD_PROC_PARAMS);
int keyfvwin_cmdproc(CMD_PROC_PARAMS);
int keyfrec_cmdproc(CMD_PROC_PARAMS);
int soltime_cmdproc(CMD_PROC_PARAMS);
void intrflipb_ref(int cat_index);
void keyf_ref(int cat_index);
void keyfvwin_ref(int cat_index);
void keyfrec_ref(int cat_index);
void soltime_ref(int cat_index);
