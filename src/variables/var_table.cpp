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

