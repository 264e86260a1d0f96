// Variable counts and the server connection map (see variables.h).
#include "variables/variables.h"

#include "client/defaults.h"

float Undefined = 0.0f;
int Var_avail_cnt = 0;
int Var_caseavail_cnt[MAX_CASES];
int Var_avail_scl = 0;
int Var_avail_vct = 0;
int Var_avail_scl_complex = 0;
int Var_avail_vct_complex = 0;
int Var_avail_tensor = 0;
int Var_avail_time = 0;
int Var_avail_coord = 0;
int Var_array_size = 10;
int Var_array_step_size = 10;
int Element_variables_exist = 0;
int Number_CaseMap_connections = 0;
static const Global_defaults Start_values(DEFAULTS_AT_START, Undefined, Var_avail_cnt,
                                          Var_caseavail_cnt, Var_avail_scl, Var_avail_vct,
                                          Var_avail_scl_complex, Var_avail_vct_complex,
                                          Var_avail_tensor, Var_avail_time, Var_avail_coord);
static const Global_defaults Reset_values(DEFAULTS_AT_RESET, Var_array_size, Var_array_step_size,
                                          Element_variables_exist, Number_CaseMap_connections);
int Var_listbycase = 0;

static int Case_connection_map[MAX_CASES][MAX_CASES];  // server i's connection to server j; -1 none

int initialize_connection_map() {
  for (auto &row : Case_connection_map)
    for (int &link : row) link = -1;
  return 1;
}

void var_menuinfo_init() {}

// ---- the variable table ----------------------------------------------------------
#include <cstring>

Variable_rec *Variables = nullptr;

static bool on_case(const Variable_rec &v, int case_index) {
  if (case_index < 0) return true;
  return case_index < MAX_CASES && v.server_id[case_index] != -1;
}

int how_many_avail_variables(int case_index) {
  int n = 0;
  for (int i = 0; Variables && i < Var_avail_cnt; i++)
    if (on_case(Variables[i], case_index)) n++;
  return n;
}

int varindx_by_namecase(const char *name, int case_index) {
  if (!name) return -1;
  for (int i = 0; Variables && i < Var_avail_cnt; i++)
    if (on_case(Variables[i], case_index) && strcmp(Variables[i].name, name) == 0) return i;
  return -1;
}

void var_mainlist_updt() {}
void var_dialog_refresh() {}
void var_reset_interface() {}
void var_map_resetall() {}

// ---- what the part subsystem reads --------------------------------------------------
#include <cstdio>

float Current_time = 0.0f;

int variable_id_to_list(int id) {
  for (int i = 0; Variables && i < Var_avail_cnt; i++)
    if (Variables[i].id == id) return i;
  printf("could not find variable id in variable_id_to_list...\n");
  return -1;
}

int variable_exists(int type, int id) {
  for (int i = 0; Variables && i < Var_avail_cnt; i++)
    if (Variables[i].type == type && Variables[i].id == id) return 1;
  return 0;
}

// ---- time steps and results after a read ------------------------------------------
#include <cstdlib>
#include <cstring>
#include <vector>

#include "anim/timeset.h"
#include "render/start_screen.h"

static std::vector<float> Delivered_steps;  // (step, time) pairs for get_time_steps
static int Delivered_given = 0;             // 1 once time_steps_deliver was called
static int Delivered_result = 0;            // what get_time_steps returns

void time_steps_deliver(const float (*steps)[2], int n, int result) {
  Delivered_steps.assign(steps ? &steps[0][0] : nullptr, steps ? &steps[0][0] + 2 * n : nullptr);
  Delivered_given = 1;
  Delivered_result = result;
}

int get_time_steps(int) {
  if (!Delivered_given) return 0;
  if (Delivered_result < 0) return -1;
  free(Time_steps);
  Time_steps = nullptr;
  Time_tot_steps = 0;
  int n = (int)Delivered_steps.size() / 2;
  if (n > 0) {
    Time_steps = static_cast<float(*)[2]>(malloc(sizeof(float[2]) * (size_t)n));
    if (!Time_steps) return -1;
    memcpy(Time_steps, Delivered_steps.data(), sizeof(float[2]) * (size_t)n);
    Time_tot_steps = n;
  }
  return Delivered_result;
}

int set_active_time(float time) {
  Current_time = time;
  return 0;
}

int adjust_timestep(float *time) {
  if (Time_tot_steps < 1 || !Time_steps) return -1;
  int last = Time_tot_steps - 1;
  if (*time <= Time_steps[0][1]) {
    *time = Time_steps[0][1];
    return 0;
  }
  if (*time >= Time_steps[last][1]) {
    *time = Time_steps[last][1];
    return last;
  }
  for (int i = 0; i < last; i++) {
    float lo = Time_steps[i][1], hi = Time_steps[i + 1][1];
    if (*time < lo || *time > hi) continue;
    float tol = 0.001f * (hi - lo);
    if (*time - lo <= tol) {
      *time = lo;
      return i;
    }
    if (hi - *time <= tol) {
      *time = hi;
      return i + 1;
    }
    return -1;
  }
  return -1;
}

int change_timesteps(float time, int) { return set_active_time(time); }

int active_variables_update_case() { return 0; }

void mod_var_info() {}

// The table starts with the Coordinates and Time pseudo-variables; no
// server variable follows until the variables subsystem reads them.
int get_the_results() { return create_coord_and_time_palette() == -1 ? -1 : 0; }

static int P3d_ref_ids[5] = {-1, -1, -1, -1, -1};  // density, energy, third, momentum, velocity
static float P3d_ref_consts[6] = {0, 0, 0, 0, 0, 0};  // Mach number, then five more constants
static int P3d_extended_on = 0;

void plot3d_extended_variables(int *density, int *energy, int *third, int *momentum, int *velocity,
                               float *mach, float *c1, float *c2, float *c3, float *c4, float *c5,
                               int mode) {
  int *ids[5] = {density, energy, third, momentum, velocity};
  float *consts[6] = {mach, c1, c2, c3, c4, c5};
  for (int k = 0; k < 5; k++) {
    if (!ids[k]) continue;
    if (mode == 0) *ids[k] = P3d_ref_ids[k];
    else P3d_ref_ids[k] = *ids[k];
  }
  for (int k = 0; k < 6; k++) {
    if (!consts[k]) continue;
    if (mode == 0) *consts[k] = P3d_ref_consts[k];
    else P3d_ref_consts[k] = *consts[k];
  }
}

void extended_plot3d_functions_state(int *on, int mode) {
  if (!on) return;
  if (mode == 0)
    *on = P3d_extended_on;
  else
    P3d_extended_on = *on;
}

int varindx_by_name(const char *name) { return varindx_by_namecase(name, -1); }
int variable_order(int id) {
  for (int i = 0; Variables && i < Var_avail_cnt; i++)
    if (Variables[i].id == id) return Variables[i].order;
  return 4;
}

void get_results(int) {}
void reload_active_variables() {}
