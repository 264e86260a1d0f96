// Variables sections (see variables_dlog.h).
#include "variables/variables_dlog.h"


int Main_var_liststype[VAR_PANEL_LISTS] = {};

void var_transphasesect_init(int, int) {}


void var_dialog_init() {}
void var_dialog_varlistinit() {}
void var_immedmode_change() {}
void var_avail_select(int) {}

int var_index_from_list(int, int, int, int *index, int **list, int *count) {
  if (index) *index = -1;
  if (list) *list = nullptr;
  if (count) *count = 0;
  return 0;
}

int var_select_in_list(int, int, int, int, int) { return 0; }
void var_getfile_saveselconstants() {}
void var_getfile_saveallconstants() {}
