// Removing a case from the client (see delete_case_client.h).  It works
// on the part table, the variable table and the per-case file tables; the
// case's server is not told anything.
#include "parts/delete_case_client.h"

#include <cstdlib>

#include "client/cases.h"
#include "data/data_dlog.h"
#include "data/data_read.h"
#include "data/pbuild.h"
#include "parts/attribute.h"
#include "parts/part_delete.h"
#include "parts/read.h"
#include "render/active.h"
#include "render/redraw.h"
#include "variables/variables.h"
#include "view/viewports.h"

static void remove_case_parts(int c) {
  for (bool found = true; found;) {
    found = false;
    for (int k = 0; k < Num_p_loaded; k++) {
      if (!parts[k] || parts[k]->case_index != c) continue;
      deaobj(parts[k]->number);
      delete_part_stuff(k);
      found = true;
      break;
    }
  }
}

static void free_entry(float **table, int v) {
  if (!table) return;
  free(table[v]);
  table[v] = nullptr;
}

// Frees the values of variable id v (of the given type) in part p, which
// is not a copy.  A complex variable's real and imaginary arrays share one
// capacity, so both go together.
static void free_variable_values(Part_rec *p, int type, int v) {
  if (type == 4) {
    free(p->tensors);
    p->tensors = nullptr;
    p->cap20 = 0;
    return;
  }
  if (v < 0 || v >= Var_array_size) return;
  if (type == 0 || type == 5) {
    free_entry(p->scalars, v);
    if (type == 5) free_entry(p->scalars_imag, v);
    if (p->scalar_caps) p->scalar_caps[v] = 0;
  } else if (type == 1 || type == 6) {
    if (p->vectors) {
      free(p->vectors[v]);
      p->vectors[v] = nullptr;
    }
    if (type == 6 && p->vectors_imag) {
      free(p->vectors_imag[v]);
      p->vectors_imag[v] = nullptr;
    }
    if (p->vector_caps) p->vector_caps[v] = 0;
  } else {
    return;
  }
  if (p->var_defined) p->var_defined[v] = 1;
  if (p->var_undefined) p->var_undefined[v] = 0;
}

static bool only_on_removed_case(const Variable_rec &row) {
  for (int c = 0; c < MAX_CASES; c++)
    if (row.server_id[c] != -1) return false;
  return true;
}

static void drop_case_variables(int c) {
  if (!Variables) return;
  for (int r = 0; r < Var_avail_cnt; r++) {
    Variable_rec &row = Variables[r];
    bool had = row.server_id[c] != -1;
    row.server_id[c] = -1;
    if (!had || !only_on_removed_case(row)) continue;
    for (int k = 0; k < Num_p_loaded; k++)
      if (parts[k] && !parts[k]->copy_of) free_variable_values(parts[k], row.type, row.id);
    check_working_variable();
    row.active = 0;
  }
}

int delete_case_client(int case_index) {
  if (case_index < 0 || case_index >= MAX_CASES || !Case_info[case_index].active) return -1;
  const int c = case_index;
  remove_case_parts(c);
  drop_case_variables(c);
  Case_info[c].active = 0;
  get_time_steps(0);
  Case_info[c].name[0] = '\0';
  Case_cnt--;
  Num_parts_cases[c] = 0;
  Data_geom_file[c][0] = Data_result_file[c][0] = Data_meas_file[c][0] = '\0';
  char empty[PATH_TEXT] = "";
  which_path(c, empty, 1);
  Gexist[c] = Rexist[c] = Mexist[c] = 0;
  pbuild_release(c);
  data_read_release(c);
  Num_unstruct[c] = Num_struct[c] = Tot_num_quivane_parts[c] = 0;
  if (Num_active_viewports == 1)
    display_all();
  else
    viewports_display_all();
  return 1;
}
