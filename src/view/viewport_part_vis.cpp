// Per-viewport part visibility (see viewport_part_vis.h).
#include "view/viewport_part_vis.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include <GL/gl.h>

#include "client/cases.h"
#include "client/interf_settings.h"
#include "interact/stereo.h"
#include "palette/annotate.h"
#include "parts/attribute.h"
#include "parts/part_deteditor.h"
#include "parts/qedit_part.h"
#include "parts/read.h"
#include "render/disobj.h"
#include "view/planar.h"
#include "view/view_cmdproc.h"
#include "view/viewport_gl2d.h"
#include "view/viewport_select.h"
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

// The label of a single ijk or xyz clip shown alone in viewport v: a text
// at the viewport's lower left whose dynamic code shows the clip's I, J or
// K index or its X, Y or Z value.  No label while no text slot is free.
void label_clip(const Part_rec *p, int v) {
  if (!p || !p->attributes || p->type != PART_CLIP) return;
  const int tool = our_rint(p->attributes[SLOT_CLIP_TOOL]);
  const int axis = our_rint(p->attributes[SLOT_CLIP_MESH_PLANE]);
  if ((tool != CLIP_TOOL_IJK && tool != CLIP_TOOL_XYZ) || axis < 0 || axis > 2) return;
  static const char *const ijk[3] = {"I = <\\pval \"%d\" ", "J = <\\pval \"%d\" ",
                                     "K = <\\pval \"%d\" "};
  static const char *const xyz[3] = {"X = <\\pval \"%.2f\" ", "Y = <\\pval \"%.2f\" ",
                                     "Z = <\\pval \"%.2f\" "};
  char text[TEXT_LINE_LEN];
  snprintf(text, sizeof text, "%s%d\\>", (tool == CLIP_TOOL_IJK ? ijk : xyz)[axis], p->number);
  float saved[TEXT_ATTRS], a[TEXT_ATTRS];
  get_onetext_attributes(-1, saved, nullptr);
  memcpy(a, saved, sizeof a);
  a[TEXT_LOCATION_X] = a[TEXT_LOCATION_Y] = 0.01f;
  a[TEXT_ROTATIONAL_ANGLE] = 0.0f;
  a[TEXT_SIZE] = 20.0f;
  a[TEXT_JUSTIFICATION] = 0.0f;
  a[TEXT_RELATIVE_VIEWPORT] = (float)v;
  set_onetext_attributes(-1, a, nullptr);
  make_new_text_annotation(text);
  set_onetext_attributes(-1, saved, nullptr);
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
  if (n == 1) label_clip(part_by_number(keep[0]), v);
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

// ---- the pickers (window codes 4, 10 and 14) ------------------------------------------------

static bool picker_code(int code) { return code == 4 || code == 10 || code == 14; }

// The mask a picker shows: the working mask, or the current case's mask.
static int picker_mask(int code) {
  int mask = Working_mask;
  if (code == 14) parts_visible_by_case(Case_num, &mask, 0);
  return mask;
}

void draw_part_viewport_vis_gl(int code) {
  if (!picker_code(code)) return;
  const int mask = picker_mask(code);
  auto outline = [mask](int v, int x0, int y0, int x1, int y1) {
    if (mask & (1 << v))
      glColor3f(0, 1, 0);
    else
      glColor3f(1, 0, 0);
    gl2d_outline(x0, y0, x1, y1);
  };
  draw_viewport_miniature_gl(code, Stereo_mode && !Stereo_in_window ? 16 : 0, outline);
}

void manage_part_viewport_vis_gl(int code) {
  if (!picker_code(code) || !Viewport_chooser_windep.pointer) return;
  float fx, fy;
  int control = 0;
  if (!Viewport_chooser_windep.pointer(code, &fx, &fy, &control)) return;
  const int v = viewport_topmost_visible_at(fx, fy);
  if (v >= 0) {
    const int bit = 1 << v;
    if (code == 14) {
      int mask = picker_mask(code) ^ bit;
      parts_visible_by_case(Case_num, &mask, 1);
      case_viewportvis_chng();
    } else {
      Working_mask ^= bit;
      int changed = 0;
      viewport_vis_part_changed_pattern(&changed, 0);
      changed |= bit;
      viewport_vis_part_changed_pattern(&changed, 1);
      // The part dialog and the quick-edit panel apply the working mask to
      // the selected parts the same way.
      float m = (float)Working_mask;
      part_viewport_mask(&m, 1);
      // quick-edit part panel: its picker (code 10) applies as the panel does
      if (code == 10)
        qedit_partviewportvis_chng();
      else
        part_viewportvis_chng();
      Stencil_current_viewport = -1;
    }
  }
  if (Viewport_chooser_windep.wait_release) Viewport_chooser_windep.wait_release();
}
