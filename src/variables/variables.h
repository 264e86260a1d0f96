// Counts of the variable table by kind and case, value-array sizing and the
// table of server-to-server connections. The variable table itself arrives
// with the variables subsystem; until then no variable exists.
#pragma once

#include "client/cases.h"

extern float Undefined;                 // servers' value for undefined results; 0.0 until sent
extern int Var_avail_cnt;               // rows of the variable table
extern int Var_caseavail_cnt[MAX_CASES]; // variables per case slot
extern int Var_avail_scl;               // scalar variables
extern int Var_avail_vct;               // vector variables
extern int Var_avail_scl_complex;       // complex scalar variables
extern int Var_avail_vct_complex;       // complex vector variables
extern int Var_avail_tensor;            // tensor variables
extern int Var_avail_time;              // time variables
extern int Var_avail_coord;             // coordinate variables
extern int Var_array_size;              // capacity of the per-variable arrays of a part (10)
extern int Var_array_step_size;         // growth step of those arrays (10)
extern int Element_variables_exist;     // 1 = an element-based variable exists
extern int Number_CaseMap_connections;  // recorded server-to-server connections
extern int Var_listbycase;              // 1 = variable lists show only the current case's variables

// Clears the 16 x 16 table of server-to-server connections to -1; 1.
int initialize_connection_map();

// Sets the variable menus from the variable table (none yet).
void var_menuinfo_init();

// ---- the variable table ----------------------------------------------------------
// One row per variable of every case. The table arrives with the variables
// subsystem; until then Variables is null (or whatever a test points it at)
// and Var_avail_cnt 0.
#define VAR_NAME_LEN 80
struct Variable_rec {
  char name[VAR_NAME_LEN];  // variable name
  int type;                 // 0 scalar, 1 vector, 2 coordinates, 3 time, 4 tensor, 5/6 complex, -1 constant
  int id;                   // variable id
  int server_id[MAX_CASES];  // id on each case's server, -1 = not on that case
  int unique_id;            // unique id across cases
  int active;               // 1 = activated on the servers
  int palette;              // palette id, -1 = none
  int element_based;        // 1 = element-based
  int context_listed;       // 1 = admitted to the context mapping list
  int legend_list;          // 1 = listed by the legend visibility dialog
  int order;                // order flag from the server: 1 values per element, 4 not yet reported
};
extern Variable_rec *Variables;  // Var_avail_cnt rows, null when none

// Number of variables (coordinates and time included) on a case (-1 all).
int how_many_avail_variables(int case_index);
// Table index of the variable named name that exists on the case (-1 any), or -1.
int varindx_by_namecase(const char *name, int case_index);
// Refreshes the main variable list and the variables dialogs (nothing until they exist).
void var_mainlist_updt();
void var_dialog_refresh();
// Deselects and refreshes every variable list (nothing until they exist).
void var_reset_interface();
// Rebuilds the position-to-variable maps of the variable option menus
// (nothing until they exist).
void var_map_resetall();

// ---- what the part subsystem reads of the variables ------------------------------
extern float Current_time;  // the current solution time; 0 until time steps exist
// Row of variable id in Variables; prints "could not find variable id in
// variable_id_to_list...\n" and gives -1 when no row has it.
int variable_id_to_list(int id);
// 1 when a variable of this type and id exists, else 0.
int variable_exists(int type, int id);

// ---- time steps and results after a read ---------------------------------------
// Until the variables subsystem is built nothing is asked of the servers.
// get_time_steps (mode 0 at a geometry read, 1 after results) rebuilds the
// overall time line: it delivers the line handed to time_steps_deliver, if
// any, and returns that call's result (0 without one).
int get_time_steps(int mode);
// Hands get_time_steps a time line of n (step, time) entries to deliver
// from its next call on, and the result it returns (-1 a failed fetch).
void time_steps_deliver(const float (*steps)[2], int n, int result);
// Makes time current on the client: Current_time only; 0.
int set_active_time(float time);
// Clamps *time to the first and last time of the overall time line and
// snaps it onto a step within 0.001 of a step interval; that step's number,
// or -1 when the time lies between two steps (or there is no time line).
int adjust_timestep(float *time);
// Makes time current on every server (mode 1 forces it): Current_time only; 0.
int change_timesteps(float time, int mode);
// Loads the active variables on every case server lacking them: none yet; 0.
int active_variables_update_case();
// Refreshes the variable lists after a read: nothing to refresh yet.
void mod_var_info();
// Rebuilds the variable table from the servers: no variable exists yet; 0.
int get_the_results();
// Mode 0 reads, mode 1 sets the reference variables (ids, -1 unset) and the
// free-stream Mach number of the PLOT3D derived functions; the other
// constants are kept alongside. Ids start unset.
void plot3d_extended_variables(int *density, int *energy, int *third, int *momentum, int *velocity,
                               float *mach, float *c1, float *c2, float *c3, float *c4, float *c5,
                               int mode);
// Mode 0 reads, mode 1 sets whether the extended PLOT3D functions are on.
void extended_plot3d_functions_state(int *on, int mode);
// Table index of the variable named name on any case, or -1.
int varindx_by_name(const char *name);
// The order flag of variable id: 4 (not reported) when no row has it.
int variable_order(int id);

// ---- values into parts -------------------------------------------------------------
// "load results" for part number n: the values of every active variable.
// No variable is active until the variables subsystem is built: nothing.
void get_results(int n);
// Reloads every active variable from the servers into all parts: nothing yet.
void reload_active_variables();
