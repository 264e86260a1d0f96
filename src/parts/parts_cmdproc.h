// Command language entry points of Parts: the "part:" processor, the
// special recorder, the refresh functions and the keyword table that
// Cmds_cat names; the "model:" processor and table come from model_rout.h.
#pragma once

#include "client/cmd_tables.h"
#include "parts/model_rout.h"

extern const Cmd_keyword_rec Cmds_part[];

extern int Cmd_select_allmatchingparts;  // 1 = a name selects every part with that name (start)
extern int Cmd_partname_mode;            // 1 between select_partname_begin and _end
// The palette of the variable named name (> 0), or -1; null while there
// are no palettes.
extern int (*part_palette_by_name)(const char *name);
// Selects every row of the main part list as a user selection would; null
// without a main window.
extern void (*part_select_mainlist_all_windep)();

int part_cmdproc(CMD_PROC_PARAMS);
// Records the per-viewport visibility lines of slot 2; other slots nothing. 0.
int part_cmdrec(CMD_REC_PARAMS);
void part_ref(int cat_index);
// Brings the part interface up to date after commands (main-list selection,
// Selected Part(s) window, parts section).
void part_refresh();
