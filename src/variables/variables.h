// Counts of the variable table by kind and case, value-array sizing and the
// table of server-to-server connections. The variable table itself arrives
// with the variables subsystem; until then no variable exists.
#pragma once

extern float Undefined;                 // servers' value for undefined results; 0.0 until sent
extern int Var_avail_cnt;               // rows of the variable table
extern int Var_caseavail_cnt[16];       // variables per case slot
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

// Clears the 16 x 16 table of server-to-server connections to -1; 1.
int initialize_connection_map();

// Sets the variable menus from the variable table (none yet).
void var_menuinfo_init();
