// Part selection recording (see part_record.h).
#include "parts/part_record.h"

#include "client/command_dlog.h"

static int Last_origin = -1;  // origin of the selection recorded last, -1 none

void part_rec_selparts(int cat_index, int count, const int *numbers, int origin) {
  if (origin == -1 || origin != Last_origin) {
    if (origin != -1) cmd_rec_selbynum(cat_index, count, numbers);
    Last_origin = origin;
  }
}
