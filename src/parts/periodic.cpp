// Periodic symmetry instances: placeholders (see periodic.h).
#include "parts/periodic.h"

#include "parts/read.h"

int part_frame_periodic_check(int) { return -1; }

int do_periodicity(int, int, int *) { return 0; }
int check_periodicity(int, const float *) { return 0; }
int check_match_file(const char *, int *mismatch, int *, float *, float *, float *, float *) {
  if (mismatch) *mismatch = 0;
  return 2;
}
int periodic_match_file(int, char *name, int, int mode) {
  if (mode == 0 && name) name[0] = '\0';
  return 1;
}
void periodicity_for_new_part(int) {}
int periodic_instances_available() { return 0; }

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
