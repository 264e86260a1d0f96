// Reader set-up per case: reader format, case file names, what has been read,
// and the pending file-changed flags of the data section. Reading data needs a
// case server; the readers and the part loader arrive with data loading.
#pragma once

#include "client/cases.h"

#define DATA_FORMAT_CASEFILE 10  // reader format code of the case-file reader

extern int Data_format[MAX_CASES];            // reader format code per case slot (10 = case file)
extern char Data_geom_file[MAX_CASES][255];   // geometry (case) file name per case slot
extern int Data_meshtype[MAX_CASES];          // mesh type chosen with the format per case; 0
extern int Swap_server_bytes[MAX_CASES];      // 1 = ask that case's server to swap its data's bytes
extern int Gexist[MAX_CASES];                 // 1 = geometry read for the case
extern int Rexist[MAX_CASES];                 // 1 = results read for the case
extern int Mexist[MAX_CASES];                 // 1 = measured data read for the case
extern int Geom_change[MAX_CASES];            // change mode of the geometry reported by the server
extern int Mgeom_change[MAX_CASES];           // change mode of the measured geometry
extern int Node_labels[MAX_CASES];            // 1 = the case has node ids
extern int Element_labels[MAX_CASES];         // 1 = the case has element ids
extern int Cmd_data_startstep;         // time step to start at after a read; -1 default step
extern int Extend_plot3d_function_list;  // 1 = extended derived-function list (-extcfd)

// Reads the current case's data files as set up; 0 or more, -1 on failure
// (Command_proc_err is then 1).
int data_setup_apply(int mode);
// Opens the part loader of a reader format.
void data_pbuild_manageinit(int format);
// Mode 0 copies the pending geometry/result/measured changed flags into the
// three ints; mode 1 sets the pending flags from them.
void datachange_flags(int *geom, int *result, int *measured, int mode);
