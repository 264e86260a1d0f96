// Display-object rebuilds of a part (see part_rebuild.h).
#include "parts/part_rebuild.h"

#include "parts/read.h"
#include "render/display_list.h"
#include "render/solid.h"

void make_part_solid(int n) {
  if (n <= 0 || n >= MAX_PART_NUMBER) return;
  int i = Part_cross[n];
  if (i < 0 || i >= Num_p_loaded || !parts[i] || parts[i]->group) return;
  display_object_open(i, 1);
  build_solid(i, 1);
  display_object_close(i, 1);
  parts[i]->solid_built = 1;
  if (parts[i]->bbox_list > 0) parts[i]->bbox_list = -parts[i]->bbox_list;
}
