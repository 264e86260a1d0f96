// Reader set-up per case: reader format, case file names, what has been read,
// the pending state of the "data:" commands, and the read that uses them.
#pragma once

#include "client/cases.h"

#define DATA_FORMAT_CASEFILE 10  // reader format code of the case-file reader

extern int Data_format[MAX_CASES];            // reader format code per case slot (10 = case file)
extern char Data_geom_file[MAX_CASES][255];   // geometry (case) file name per case slot
extern char Data_result_file[MAX_CASES][255]; // result file name per case slot
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

#include "data/data_format.h"
// Reads the current case's data: source 0 the File Selection dialog, any
// other value a command or the start-up case file, whose settings are the
// case's names and the pending "data:" state. 1, or -1 after showing why
// (a failed command read sets Command_proc_err).
int data_setup_apply(int source);
// Mode 0 copies the pending PLOT3D settings of the "data:" commands into
// *rec, any other mode sets them from it. They start all 0.
void data_plot3d_readinfo(Plot3d_read_settings_rec *rec, int mode);
// The current case's native-binary setting (1 native, 0 swapped): mode 0
// reads it into *value, mode 1 stores it and sends "swapbytes" with the
// swap flag to the case's server. 0.
int server_byte_swap_toggle(int *value, int mode);
// Set by the Motif layer: shows the File Selection dialog again after a
// failed read, and rebuilds the main part list after a geometry read.
extern void (*Data_fileselect_show)();
extern void (*Data_partlist_refresh)();

// What the File Selection dialog's data section holds for a dialog read.
struct Data_fileselect_rec {
  int native;                     // native-binary toggle
  int format;                     // format code of the shown format row
  int load;                       // load choice of the single-file formats, 0..3
  Plot3d_read_settings_rec p3d;   // the PLOT3D loader's settings
  char path[255];                 // the texts as typed
  char geom[255];
  char result[255];
  char meas[255];
  int start_on;                   // starting-time-step toggle
  char start_text[32];            // its text
};
enum Data_fileselect_field {
  DATA_FIELD_PATH,
  DATA_FIELD_GEOMETRY,
  DATA_FIELD_RESULT,
  DATA_FIELD_MEASURED,
  DATA_FIELD_START_STEP,
};
// Set by the Motif layer: reads the data section (-1 when the dialog does
// not exist) and sets the text of one of its fields.
extern int (*Data_fileselect_get)(Data_fileselect_rec *out);
extern void (*Data_fileselect_set)(int field, const char *text);
// Opens the part loader of a reader format.
void data_pbuild_manageinit(int format);
// Mode 0 copies the pending geometry/result/measured changed flags into the
// three ints; mode 1 sets the pending flags from them.
void datachange_flags(int *geom, int *result, int *measured, int mode);
