// Part table counters and the per-case data directories (see read.h).
#include "parts/read.h"

#include <cstdio>

int Num_p_loaded = 0;
int Num_p_partlist = 0;
int Num_parts_cases[16];

static char Data_path[16][PATH_TEXT];  // data directory per case slot, empty = none

void which_path(int case_index, char *path, int mode) {
  if (case_index < 0 || case_index >= 16 || !path) return;
  if (mode == 1)
    snprintf(Data_path[case_index], PATH_TEXT, "%s", path);
  else if (mode == 0)
    snprintf(path, PATH_TEXT, "%s", Data_path[case_index]);
}
