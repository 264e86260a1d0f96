// Periodic symmetry instances: placeholders (see periodic.h).
#include "parts/periodic.h"

int part_frame_periodic_check(int) { return -1; }

void do_periodicity(int, int, const int *) {}
