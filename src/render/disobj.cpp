// Display settings (see disobj.h).
#include "render/disobj.h"

#include "client/defaults.h"

int Initial_screen = 0;
int Gwmain = 0;
int Dont_use_start_screen = 0;
int Plane_clipp_avail = 0;
int Solidt = 0;
int Hlinet = 0;
int Labnod = 1;
int Labele = 1;
int Labprt = 1;
int Doubuf = 0;
int Resort_transparent = 1;
int Box_mode = 0;
int Box_mode_always = 0;
int Box_mode_always_toggle = 0;
int Box_mode_toggle = 0;
int Software_light = 0;
int Plane_clipp_toggle = 0;
int Plane2_clipp_toggle = 0;
static const Global_defaults Start_values(DEFAULTS_AT_START, Initial_screen, Gwmain,
                                          Dont_use_start_screen, Plane_clipp_avail);
static const Global_defaults Reset_values(DEFAULTS_AT_RESET, Solidt, Hlinet, Labnod, Labele,
                                          Labprt, Doubuf, Resort_transparent, Box_mode,
                                          Box_mode_always, Box_mode_always_toggle,
                                          Box_mode_toggle, Software_light, Plane_clipp_toggle,
                                          Plane2_clipp_toggle);
int How_many_pipes = 1;
int Wireframe_lines = 1;
int Use_stencil_buffer = 1;
int Quivane_display_list = 0;

// ---- part visibility per viewport, by case -----------------------------------
#include "client/cases.h"
#include "view/viewports.h"

#include "parts/attribute.h"
#include "parts/read.h"

int Case_viewport_visibility[MAX_CASES];
int Case_viewport_visibility_set = 0;

void parts_visible_by_case(int case_index, int *mask, int mode) {
  if (case_index < 0 || case_index >= MAX_CASES || !mask || (mode != 0 && mode != 1)) return;
  if (!Case_viewport_visibility_set) {
    for (int &m : Case_viewport_visibility) m = 0xffff;
    Case_viewport_visibility_set = 1;
  }
  if (mode == 0) {
    *mask = Case_viewport_visibility[case_index];
    return;
  }
  int old = Case_viewport_visibility[case_index], next = 0;
  for (int v = 0; v < 16; v++) {
    int bit = 1 << v;
    bool in_use = v < MAX_VIEWPORTS && Viewports[v].in_use;
    next |= (in_use ? *mask : old) & bit;
  }
  Case_viewport_visibility[case_index] = next;
  // The parts of the case carry the mask in their viewport attribute.
  bool changed = false;
  for (int i = 0; i < Num_p_loaded && parts[i]; i++) {
    if (parts[i]->case_index != case_index || !parts[i]->attributes) continue;
    parts[i]->attributes[SLOT_VIEWPORT_VIS] = (float)next;
    changed = true;
  }
  if (changed) viewports_display_all();
}

void clear_initial_screen() {}
