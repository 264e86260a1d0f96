// The variable table as the user-interface lists read it: name, type,
// activation, palette and the per-case server ids of every variable.  The
// variable subsystem fills it when cases are loaded; until then it is empty
// (Var_avail_cnt 0) and every lookup fails.
#pragma once

#include "variables/variables.h"

#define VAR_NAME_TEXT VAR_NAME_LEN
#define VAR_CASES MAX_CASES

extern char Data_variable_name[VAR_NAME_TEXT];  // name var_active acts on

// Fills the outs of variable index (any out may be null): name, type, active,
// palette, server id in case Case_num; f6, f7 and f9 are not kept (0); the
// eighth value is the legend-list flag.  1, or -1 for an index outside the
// table.
int varinfo(int index, char *name, int *type, int *active, int *palette, int *id, int *f6,
            int *f7, int *legend_list, int *f9);
// Activates the variable named in Data_variable_name; 1, or -1 when no such
// variable exists.
int var_active(int mode, int record);
// Records the names selected in the variable lists ("variables:" select
// lines); nothing is selectable yet.
void var_rec_selvarnames(int mode, const char *names, int count);


// The row of the variable at position pos (from 1) of a filtered list (kind
// 0 active scalars, 1 active vectors, 2 every variable as the main window's
// variable lists show them; by_case: the current case's only), or -1.
int var_index_from_pos(int pos, int kind, int by_case);
// The position (from 0) of the variable with that unique id in the same
// filtered lists, or -1 when it is not listed.
int var_pos_from_uniqid(int unique_id, int kind, int by_case);
