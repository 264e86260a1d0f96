// The "data_partbuild:" category: the pending values of each part builder,
// their accessors, the category's processor and refresh, and the command
// halves of the builders (begin, create, end) that act with those values.
#pragma once

#define PBLD_DESC_LEN 50  // description bytes, NUL included

// Command ids of Cmds_partbuild, named once here; the table uses them.
enum Partbuild_cmd_id {
  PBLD_TARVLOAD = 0,
  PBLD_N3SALL_ELEMENTS = 1,
  PBLD_N3SCOLOR_NUMBER = 2,
  PBLD_N3SBOUNDARY = 3,
  PBLD_N3SCONDITION = 4,
  PBLD_N3SCODE = 5,
  PBLD_ESTETDOMAIN = 6,
  PBLD_ESTETNODERANGE_I = 7,
  PBLD_ESTETNODERANGE_J = 8,
  PBLD_ESTETNODERANGE_K = 9,
  PBLD_ESTETSTEP = 10,
  PBLD_ESTETVECTORDESC = 11,
  PBLD_ESTETVECTOR_X = 12,
  PBLD_ESTETVECTOR_Y = 13,
  PBLD_ESTETVECTOR_Z = 14,
  PBLD_ESTETBUILDVECTOR = 15,
  PBLD_DESCRIPTION = 16,
  PBLD_CREATE = 17,
  PBLD_BEGIN = 18,
  PBLD_END = 19,
  PBLD_PLOT3DNODERANGE_I = 20,
  PBLD_PLOT3DNODERANGE_J = 21,
  PBLD_PLOT3DNODERANGE_K = 22,
  PBLD_PLOT3DSTEP = 23,
  PBLD_PLOT3DDOMAIN = 24,
  PBLD_PLOT3DSELECT_ZONE_BEGIN = 25,
  PBLD_PLOT3DSELECT_ZONE_END = 26,
  PBLD_NODERANGE_I = 27,
  PBLD_NODERANGE_J = 28,
  PBLD_NODERANGE_K = 29,
  PBLD_NODESTEP = 30,
  PBLD_DATA_TYPE = 31,
  PBLD_DOMAIN = 32,
  PBLD_SELECT_BEGIN = 33,
  PBLD_SELECT_END = 34,
  PBLD_SELECT_ALL = 35,
  PBLD_IBLANK_TYPE = 36,
  PBLD_CREATE_IBLANK = 37,
};

void tarv_partbld_vals(int *load, int mode);
void generic_partbld_vals(int *ignored, int *data_type, int *nsel, int **sel, char *desc,
                          int ijk[9], int *domain, int mode);
void n3s_partbld_vals(int *selector, int *ncodes, int **codes, char *desc, int mode);
void estet_partbld_vals(int ijk[9], int *domain, char *desc, int *nsel, int **sel, int mode);
void plot3d_partbld_vals(int ijk[9], int *domain, char *desc, int *nsel, int **sel, int mode);
// Empties all five pending records (a test starts from scratch).
void partbld_vals_reset();

// Refreshes the builder of the current case's format (refresh mode).
void data_partbld_refresh();
// After a data change: the View menu and the Query "Show Information" entries.
void data_refresh_dependencies();
// Set by the Motif layer: the Query "Show Information" sensitivity.
extern void (*Data_showinfo_hook)();

// Command halves of the builders; flag 1 = run by a command.
void data_genericpartc_init(int flag);
void data_generic_creatpart(int load_all, int flag);
void data_generic_creatiblankpart(int flag);
void data_generic_dismiss(int flag);
void data_plot3dpartc_init(int flag);
void data_plot3d_creatpart(int flag);
void data_plot3d_creatiblankpart(int flag);
void data_plot3d_dismiss(int flag);
void data_n3spartc_init(int flag);
void data_n3s_creatpart(int flag);
void data_n3s_dismiss(int flag);
void data_estetpartc_init(int flag);
void data_estet_creatpart(int flag);
void data_estet_creatiblankpart(int flag);
void data_estet_dismiss(int flag);

// Set by the Motif layer: refreshes the main part list after a creation.
extern void (*Data_partlist_hook)();
