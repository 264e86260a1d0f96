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

static unsigned short Case_viewport_mask[MAX_CASES] = EVERY_CASE(0xffff);

// No part is loaded, so storing the mask has nothing further to apply.
void parts_visible_by_case(int case_index, unsigned short *mask, int mode) {
  if (case_index < 0 || case_index >= MAX_CASES || !mask) return;
  if (mode == 0) {
    *mask = Case_viewport_mask[case_index];
    return;
  }
  unsigned short old = Case_viewport_mask[case_index], next = 0;
  for (int v = 0; v < MAX_VIEWPORTS; v++) {
    unsigned short bit = (unsigned short)(1u << v);
    next |= (Viewports[v].in_use ? *mask : old) & bit;
  }
  Case_viewport_mask[case_index] = next;
}

void clear_initial_screen() {}
