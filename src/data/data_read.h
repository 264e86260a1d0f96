// The exchanges with which a case's server reads the case's files: geometry
// (read_geometry), results (read_result) and measured data (read_measure),
// and send_part_numbers. They work on the current case (Case_num) and its
// channel, and store what the server reports about the case in the per-case
// tables below, which the part builders and dialogs read later.
#pragma once

#include "client/cases.h"

#define DATA_NAME_LEN 255   // file-name buffers, NUL included
#define N3S_VARNAMES 20     // N3S variable names per case
#define N3S_VARNAME_LEN 21  // 20 bytes and the NUL

struct Plot3d_read_settings_rec;

extern char Data_meas_file[MAX_CASES][DATA_NAME_LEN];  // measured file named by the case file
extern int Kperio[MAX_CASES];            // periodicity: 0 none, 1 translational, 2 rotational
extern float Pasper[3][MAX_CASES];       // translation x, y, z; rotational: degrees in row 0
extern int Plot3d_max_zones[MAX_CASES];  // zones of each case's PLOT3D grid
extern int *Plot3d_max_x[MAX_CASES];     // per case, zone n at n - 1: maximum I
extern int *Plot3d_max_y[MAX_CASES];     // maximum J
extern int *Plot3d_max_z[MAX_CASES];     // maximum K
extern int *Plot3d_d_flag[MAX_CASES];    // iblank option per zone (as Pbuild_rec's)
extern int Max_x_node[MAX_CASES], Max_y_node[MAX_CASES], Max_z_node[MAX_CASES];  // ESTET maximum node indices
extern int Bc_flag[MAX_CASES];           // ESTET boundary-condition flag
extern int Struct_max_i[MAX_CASES], Struct_max_j[MAX_CASES], Struct_max_k[MAX_CASES];  // structured dimensions
extern int N3snumcol[MAX_CASES];         // N3S element colour count
extern int *N3scolors[MAX_CASES];        // the colour numbers
extern int N3snumbound[MAX_CASES];       // N3S boundary conditions
extern int *N3sboundcon[MAX_CASES];      // their numbers
extern int *N3snumbccodes[MAX_CASES];    // codes per boundary condition
extern int **N3sbccodes[MAX_CASES];      // per boundary condition a row of codes (largest count long)
extern char N3svarname[MAX_CASES][N3S_VARNAMES][N3S_VARNAME_LEN];

// Reads the current case's geometry in format (see the exchange in
// data_read.cpp). geometry holds DATA_NAME_LEN bytes; for the Case format it
// returns the geometry file the case file names. *gstatus is 1 while the
// read counts as done, 0 when it failed. The server's final result code
// (0 success), -1, or 2 when "read geom" cannot be sent.
int read_geometry(int format, char *geometry, const char *second, int *gstatus,
                  const Plot3d_read_settings_rec *settings, int start_step);
// "use part numbers" and Part_cross when the current case is active.
void send_part_numbers();
// "read result": 1 (and *rstatus 1), the server's -1 or -10, or -1 when the
// time steps or variables cannot be fetched.
int read_result(const char *result, int *rstatus, int measured_follows);
// "read meas" and "build measured part": 0 (and *mstatus 1), the server's
// non-zero status, or 5 when the time steps or variables cannot be fetched.
int read_measure(const char *measured, int *mstatus, int *new_part);
// Frees case c's PLOT3D zone arrays and N3S tables.
void data_read_release(int c);
