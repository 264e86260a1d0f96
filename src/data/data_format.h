// Reader formats: the code of each case's format, the rows of the format
// menu in their order, the mesh type chosen with the format, the PLOT3D read
// settings per case, and data_setup_format, which works out how the File
// Selection data section looks for a format and hands that to the Motif
// layer through Data_setup_format_windep.
#pragma once

#include "client/cases.h"

#define DATA_FORMAT_ROWS 31     // rows of the format menu
#define DATA_USERDEF_FIRST 11   // format code of user-defined reader 0
#define DATA_USERDEF_LAST 30    // format code of user-defined reader 19
#define DATA_USERDEF_MAX 20     // user-defined readers a case can offer
#define DATA_GEOM_LABEL_PAD 19  // width the padded geometry-button labels are filled to

struct Data_format_row_rec {
  const char *label;  // menu label
  int code;           // Data_format_code
};
// The format menu's rows in order: "Case", "Quivane 5", ..., "USER-DEFINED20".
extern const Data_format_row_rec Data_format_rows[DATA_FORMAT_ROWS];

// How the data section looks for one format.
struct Data_format_setup_rec {
  const char *description;  // format description label; rows separated by '\n'
  char geom_label[32];      // geometry button label, padded where the format asks
  int result_on;            // 1 = result field and button sensitive
  int meas_on;              // 1 = measured field and button sensitive
  int meshtype;             // 1 structured, 0 otherwise
};

struct Plot3d_read_settings_rec {
  int iblanked;   // 0 no, 1 the grid carries iblank values
  int multizone;  // 0 single zone, 1 several zones
  int read_as;    // 0 ASCII, 1 C binary, 2 Fortran binary
  int dimension;  // 0 1D, 1 2D, 2 3D
};

extern int Data_plot3d_rflags[MAX_CASES][4];  // per case: iblanked, multi-zone, read-as, dimension

// Fills *out for a format code of the current case; -1 for a code outside 0..30.
int data_format_setup(int code, Data_format_setup_rec *out);
// Sets the current case's Data_meshtype for the format and has the Motif
// layer show the setup; codes above 30 change nothing. The second argument
// is ignored.
void data_setup_format(int code, int unused);
// Set by the Motif layer: applies a setup to the File Selection data section.
extern void (*Data_setup_format_windep)(const Data_format_setup_rec *setup);

// Every case's PLOT3D read settings become {0, 0, 1, 2}.
void data_plot3d_read_init();
