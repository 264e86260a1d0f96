// The variable table (see var_table.h).
#include "variables/var_table.h"

#include <cstdio>
#include <cstring>

#include "client/cases.h"
#include "variables/variables.h"

char Data_variable_name[VAR_NAME_TEXT] = "";

int varinfo(int index, char *name, int *type, int *active, int *palette, int *id, int *f6,
            int *f7, int *legend_list, int *f9) {
  if (index < 0 || index >= Var_avail_cnt || !Variables)
    return -1;
  const Variable_rec &v = Variables[index];
  if (name) snprintf(name, VAR_NAME_TEXT, "%s", v.name);
  if (type) *type = v.type;
  if (active) *active = v.active;
  if (palette) *palette = v.palette;
  if (id) *id = (Case_num >= 0 && Case_num < VAR_CASES) ? v.server_id[Case_num] : -1;
  if (f6) *f6 = 0;
  if (f7) *f7 = 0;
  if (legend_list) *legend_list = v.legend_list;
  if (f9) *f9 = 0;
  return 1;
}

int var_active(int, int) {
  for (int i = 0; Variables && i < Var_avail_cnt; i++)
    if (strcmp(Variables[i].name, Data_variable_name) == 0) {
      Variables[i].active = 1;
      return 1;
    }
  return -1;
}

void var_rec_selvarnames(int, const char *, int) {}


// ---- positions in the filtered variable lists ---------------------------------------

// Whether row r belongs to the list of a kind: 0 active scalars, 1 active
// vectors, 2 every variable (the main window's variable lists); with by_case
// only the variables of the current case.
static bool var_in_kind(int r, int kind, int by_case) {
  const Variable_rec &v = Variables[r];
  if (by_case && Case_num >= 0 && Case_num < VAR_CASES && v.server_id[Case_num] == -1)
    return false;
  switch (kind) {
    case 0: return v.active && v.type == 0;
    case 1: return v.active && v.type == 1;
    case 2: return true;
    default: return false;
  }
}

int var_index_from_pos(int pos, int kind, int by_case) {
  for (int r = 0; Variables && r < Var_avail_cnt; r++)
    if (var_in_kind(r, kind, by_case) && --pos == 0) return r;
  return -1;
}

int var_pos_from_uniqid(int unique_id, int kind, int by_case) {
  int pos = 0;
  for (int r = 0; Variables && r < Var_avail_cnt; r++) {
    if (!var_in_kind(r, kind, by_case)) continue;
    if (Variables[r].unique_id == unique_id) return pos;
    pos++;
  }
  return -1;
}
