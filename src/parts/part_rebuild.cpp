// Display-object rebuilds of a part (see part_rebuild.h).
#include "parts/part_rebuild.h"

#include "parts/read.h"
#include "render/display_list.h"
#include "render/line.h"
#include "render/solid.h"

// Rebuilds object `kind` (0 line, 1 solid) of part number n; its index,
// or -1 when the part holds no display objects.
static int rebuild(int n, int kind) {
  if (n <= 0 || n >= MAX_PART_NUMBER) return -1;
  int i = Part_cross[n];
  if (i < 0 || i >= Num_p_loaded || !parts[i] || parts[i]->group) return -1;
  display_object_open(i, kind);
  if (kind)
    build_solid(i, 1);
  else
    build_line(i, 1);
  display_object_close(i, kind);
  return i;
}

void make_part_line(int n) { rebuild(n, 0); }

void make_part(int n) {
  make_part_line(n);
  make_part_solid(n);
}

void make_part_solid(int n) {
  int i = rebuild(n, 1);
  if (i < 0) return;
  parts[i]->solid_built = 1;
  if (parts[i]->bbox_list > 0) parts[i]->bbox_list = -parts[i]->bbox_list;
}

// Until the dependency walks are built, a change rebuilds nothing further.
void make_solid_part_if_needed(int) {}
void modify_part(int, int, int) {}
void modify_all_parts(int) {}
void modify_parts_results() {}
void change_response_angle(int, int, float) {}
