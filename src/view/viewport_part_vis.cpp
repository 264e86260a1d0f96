// Per-viewport part visibility (see viewport_part_vis.h).
#include "view/viewport_part_vis.h"

#include <vector>

#include "parts/attribute.h"
#include "parts/read.h"
#include "view/planar.h"
#include "view/view_cmdproc.h"
#include "view/viewports.h"

static int Working_mask = 0xFFFF;  // viewports the part dialog and panel show as on

void wrking_part_vewport_vis_atribt(int *mask, int mode) {
  if (!mask) return;
  if (mode == 0) {
    *mask = Working_mask;
  } else if (mode == 1) {
    Working_mask = *mask;
    int none = 0;
    viewport_vis_part_changed_pattern(&none, 1);
  }
}

namespace {

bool placed(int number, const int *list, int n) {
  for (int k = 0; k < n; k++)
    if (list[k] == number) return true;
  return false;
}

// Clears bit v in every part record but the placed ones, and, with
// defaults set, in the creation defaults of every part type.
void keep_out_of_viewport(int v, const int *keep, int n, bool defaults) {
  const int bit = 1 << v;
  for (int i = 0; i < Num_p_loaded; i++) {
    Part_rec *p = parts[i];
    if (!p || !p->attributes || placed(p->number, keep, n)) continue;
    p->attributes[SLOT_VIEWPORT_VIS] = (float)(our_rint(p->attributes[SLOT_VIEWPORT_VIS]) & ~bit);
  }
  if (!defaults) return;
  float a[PART_ATTR_SLOTS];
  int change[PART_ATTR_SLOTS] = {0};
  part_attributes(-2, 0, a, nullptr, nullptr, nullptr, 0);
  a[SLOT_VIEWPORT_VIS] = (float)(our_rint(a[SLOT_VIEWPORT_VIS]) & ~bit);
  change[SLOT_VIEWPORT_VIS] = 1;
  part_attributes(-2, 0, a, change, nullptr, nullptr, 1);
}

// One new viewport for the parts keep[0..n-1]; part is the one tested for
// planarity when single.  1, or -1 without a free slot.
int one_turn(const int *keep, int n, bool single) {
  int v = -1;
  for (int s = 0; s < MAX_VIEWPORTS && v < 0; s++)
    if (!Viewports[s].in_use) v = s;
  if (v < 0) return -1;
  bool planar = false;
  if (single) {
    const Part_rec *p = part_by_number(keep[0]);
    float e[4];
    planar = p && p->coords && is_part_planar(p->node_count, p->coords, 0, e) == 1;
  }
  keep_out_of_viewport(v, keep, n, true);
  const float dimension = Viewport_defaults[VP_VIEW_DIMENSION];
  if (planar) Viewport_defaults[VP_VIEW_DIMENSION] = 0.0f;
  int made = make_new_viewport();
  Viewport_defaults[VP_VIEW_DIMENSION] = dimension;
  if (made < 0) return -1;
  // The switch to 2-D may have taken in other parts of the same plane; and
  // the defaults only keep a viewport's bit once it is in use.
  keep_out_of_viewport(v, keep, n, true);
  return 1;
}

// numbers with groups replaced by their members and numbers without a
// record dropped.
std::vector<int> expand(const int *numbers, int count) {
  std::vector<int> out;
  for (int k = 0; k < count; k++) {
    const Part_rec *p = part_by_number(numbers[k]);
    if (!p) continue;
    if (!p->group) {
      out.push_back(numbers[k]);
      continue;
    }
    for (int c = 0; c < p->children_count && p->children; c++)
      if (part_by_number(p->children[c])) out.push_back(p->children[c]);
  }
  return out;
}

}  // namespace

int new_part_in_new_viewport(const int *numbers, int count, int one_for_all, int) {
  if (one_for_all) return one_turn(numbers, count, count == 1);
  int result = 1;
  for (int k = 0; k < count; k++)
    if (one_turn(numbers + k, 1, true) < 0) result = -1;
  return result;
}

int from_gui_new_part_in_new_viewport(const int *numbers, int count, int one_for_all) {
  if (one_for_all) {
    std::vector<int> all = expand(numbers, count);
    return all.empty() ? 1 : new_part_in_new_viewport(all.data(), (int)all.size(), 1, 0);
  }
  for (int k = 0; k < count; k++) {
    std::vector<int> own = expand(numbers + k, 1);
    if (new_part_in_new_viewport(own.data(), (int)own.size(), 1, 0) < 0) return -1;
  }
  return 1;
}

int remove_part_from_all_3d_viewports(int number) {
  Part_rec *p = part_by_number(number);
  if (!p || !p->attributes) return 0;
  const int before = our_rint(p->attributes[SLOT_VIEWPORT_VIS]);
  int mask = before;
  for (int v = 0; v < MAX_VIEWPORTS; v++)
    if (Viewports[v].in_use && Viewports[v].attributes[VP_VIEW_DIMENSION] == 1.0f) mask &= ~(1 << v);
  p->attributes[SLOT_VIEWPORT_VIS] = (float)mask;
  return before;
}
