// Command language entry points of Palettes, legends and annotation: the processors, special
// recorders, refresh functions and keyword tables that Cmds_cat names.
// Until this subsystem is built its processors refuse every keyword
// with the category's " - Bad parameter" message, and its keyword tables
// are empty, so every keyword is unknown.
#pragma once

#include "client/cmd_tables.h"

extern const Cmd_keyword_rec Cmds_text[];
extern const Cmd_keyword_rec Cmds_line[];
extern const Cmd_keyword_rec Cmds_legend[];
extern const Cmd_keyword_rec Cmds_logo[];
extern const Cmd_keyword_rec Cmds_func[];
extern const Cmd_keyword_rec Cmds_anno[];
extern const Cmd_keyword_rec Cmds_format[];
// Command ids of the "format:" rows (shared with "shell:"): both rows carry 0.
enum Format_cmd_id { FORMAT_REPLACE = 0, FORMAT_TYPE = 0 };
extern const Cmd_keyword_rec Cmds_baccol[];

// Names the variable of a palette (key = the attribute value) and component
// into name, which is left unchanged when there is none; its type into *type.
// No palette exists yet: name unchanged, type -1, result -1.
int getpaltype(int palette_key, int component, char *name, int *type);

int annot_text_cmdproc(CMD_PROC_PARAMS);
int annot_line_cmdproc(CMD_PROC_PARAMS);
int annot_lgnd_cmdproc(CMD_PROC_PARAMS);
int annot_logo_cmdproc(CMD_PROC_PARAMS);
int annot_cmdproc(CMD_PROC_PARAMS);
int fncedt_cmdproc(CMD_PROC_PARAMS);
int format_cmdproc(CMD_PROC_PARAMS);
void annot_text_ref(int cat_index);
void annot_line_ref(int cat_index);
void annot_lgnd_ref(int cat_index);
void annot_logo_ref(int cat_index);
void annot_ref(int cat_index);
void fncedt_ref(int cat_index);
void format_ref(int cat_index);
