// Reader set-up per case (see data_dlog.h). No reader is available yet: a
// read fails as it does without a case server.
#include "data/data_dlog.h"

#include <cstdio>

#include "client/command_dlog.h"

int Data_format[16];
char Data_geom_file[16][255];
int Data_meshtype[16];
int Swap_server_bytes[16];
int Gexist[16];
int Rexist[16];
int Mexist[16];
int Geom_change[16];
int Mgeom_change[16];
int Node_labels[16];
int Element_labels[16];
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
