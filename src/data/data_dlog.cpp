// Reader set-up per case (see data_dlog.h). No reader is available yet: a
// read fails as it does without a case server.
#include "data/data_dlog.h"

#include <cstdio>

#include "client/command_dlog.h"
#include "client/defaults.h"

int Data_format[MAX_CASES] = EVERY_CASE(DATA_FORMAT_CASEFILE);
char Data_geom_file[MAX_CASES][255];
int Data_meshtype[MAX_CASES];
int Swap_server_bytes[MAX_CASES];
int Gexist[MAX_CASES];
int Rexist[MAX_CASES];
int Mexist[MAX_CASES];
int Geom_change[MAX_CASES];
int Mgeom_change[MAX_CASES];
int Node_labels[MAX_CASES];
int Element_labels[MAX_CASES];
static const Global_defaults Defaults(DEFAULTS_AT_START, Data_format, Data_meshtype,
                                      Swap_server_bytes, Gexist, Rexist, Mexist, Geom_change,
                                      Mgeom_change, Node_labels, Element_labels);
int Cmd_data_startstep = -1;
int Extend_plot3d_function_list = 0;

static int Pending_change[3];          // geometry, result, measured file changed

int data_setup_apply(int) {
  fprintf(stderr, "E> Data loading is not available in this build.\n");
  Command_proc_err = 1;
  return -1;
}

void data_pbuild_manageinit(int) {
  fprintf(stderr, "E> The part loader is not available in this build.\n");
}

void datachange_flags(int *geom, int *result, int *measured, int mode) {
  int *flags[3] = {geom, result, measured};
  for (int i = 0; i < 3; i++) {
    if (!flags[i]) continue;
    if (mode == 0)
      *flags[i] = Pending_change[i];
    else if (mode == 1)
      Pending_change[i] = *flags[i];
  }
}
