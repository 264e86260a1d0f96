// Viewport panel logic (see viewp_panel.h).  Holds no state: the values
// live in the viewport records, the defaults and the working list.
#include "view/viewp_panel.h"

#include "client/screen.h"
#include "parts/read.h"
#include "view/viewp_cmdproc.h"
#include "view/viewport_background.h"
#include "view/viewports.h"

static int edit_level() {
  int level = 1;
  background_level(&level, 0);
  return level;
}

void viewp_refresh_all() {
  if (Viewp_windep.refresh_all) Viewp_windep.refresh_all();
}

void viewp_bgcolortext_set(float r, float g, float b) {
  if (Viewp_windep.color_fields) Viewp_windep.color_fields(return_current_background_type() == 2, r, g, b);
}

void viewp_bgpositiontext_set(float position) {
  if (Viewp_windep.position_field) Viewp_windep.position_field(position);
}

void viewp_bgcolortext_chng(float r, float g, float b) {
  const float rgb[3] = {r, g, b};
  const int slot = return_current_background_type() == 2 ? VP_CONSTANT_RGB : VP_BLEND_RGB;
  viewp_attr_updt(edit_level(), slot, rgb, 0);
}

void viewp_bgpositiontext_chng(float position) {
  viewp_attr_updt(edit_level(), VP_BLEND_POSITION, &position, 0);
}

void viewp_bgcolorpos_chng(float p, int) {
  const int L = edit_level();
  if (L == 1) {
    disperr("Can't change position of edit level 1 or the max level.");
    return;
  }
  for (int i = 0; i < Viewp_wrking_viewpcnt; i++) {
    const float *a = Viewports[Viewp_wrking_viewpids[i]].attributes;
    const int n = (int)a[VP_BLEND_LEVELS];
    const float *pos = &a[VP_BLEND_POSITION - 1];  // pos[k]: level k, 1-based
    if (L == n) {
      disperr("Can't change the position of the top level.");
      return;
    }
    if (L >= 2 && p < pos[L - 1]) {
      disperr("Position must be >= than position of level below.");
      return;
    }
    if (L < n && p > pos[L + 1]) {
      disperr("Position must be <= than position of level above.");
      return;
    }
  }
  viewp_attr_updt(L, VP_BLEND_POSITION, &p, 0);
}

void viewp_bgcoloredlevaro_chng(int shown_level, int down) {
  viewp_bgcolorblevel_chng(down ? shown_level - 1 : shown_level + 1, 1, 0);
}

void viewp_bgcolorposaro_chng(float shown_position, int down) {
  float p = (float)((double)shown_position + (down ? -0.05 : 0.05));
  if (p > 1.0f) p = 1.0f;
  if (p < 0.0f) p = 0.0f;
  viewp_bgcolorpos_chng(p, 0);
}

int viewp_vis_chng(int state) {
  const float now = state == 0 ? 1.0f : 0.0f;
  viewp_attr_updt(edit_level(), VP_VISIBLE, &now, 4);
  return (int)now;
}
