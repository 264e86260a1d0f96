// Periodic symmetry instances: placeholders (see periodic.h).
#include "parts/periodic.h"

#include "parts/read.h"

int part_frame_periodic_check(int) { return -1; }

void do_periodicity(int, int, const int *) {}

int Shared_border_removal = 1;

int check_current_number_instances_for_part(int n, int *count, int *list) {
  *count = 0;
  if (!part_by_number(n)) return -1;
  list[(*count)++] = n;
  for (int i = 0; i < Num_p_loaded; i++) {
    const Part_rec *p = parts[i];
    if (p && p->type == PART_MODEL && !p->group && p->children_count == 1 && p->children &&
        p->children[0] == n)
      list[(*count)++] = p->number;
  }
  return 1;
}
