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

int variable_order(int id) {
  for (int i = 0; Variables && i < Var_avail_cnt; i++)
    if (Variables[i].id == id) return Variables[i].order;
  return 4;
}
