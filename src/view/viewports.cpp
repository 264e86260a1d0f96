// Viewports (see viewports.h).
#include "view/viewports.h"

#include <cstdio>

#include "client/defaults.h"

Viewport_rec Viewports[MAX_VIEWPORTS];
float baccol[3];
int Person = 1;
int Floating_z_planes = 1;
static const Global_defaults Defaults(DEFAULTS_AT_RESET, baccol, Person, Floating_z_planes);

void global_init_viewports() {
  for (int v = 0; v < MAX_VIEWPORTS; v++) {
    Viewport_rec &vp = Viewports[v];
    vp.in_use = v == 0;
    snprintf(vp.name, sizeof vp.name, "%s", v == 0 ? "Main Viewport" : "");
    vp.xmin = 0.0f;
    vp.xmax = 1.0f;
    vp.ymin = 0.0f;
    vp.ymax = 1.0f;
  }
}

// ---- graphics-window side --------------------------------------------------
#include "client/interf_settings.h"
#include "client/screen.h"
#include "render/display.h"

int Stencil_current_viewport = -1;

void viewport_all_resize() {}

void fix_up_viewport(int, int) {}

void viewports_display_all() {
  int code = 0, dpy = 0;
  gwin_gl_curwin(&code, 0, &dpy);
  for (int d = 0; d < Dpy_cnt; d++) {
    int zero = 0, dd = d;
    gwin_gl_curwin(&zero, 1, &dd);
    clear_current_window();
  }
  gwin_gl_curwin(&code, 1, &dpy);
}

void copy_to_backbuffer() {}
void viewport_move_manage(int) {}
void draw_part_viewport_vis_gl(int) {}
void manage_part_viewport_vis_gl(int) {}
void draw_selected_viewport_chooser_gl(int) {}
void draw_background_editor() {}
void set_current_background_color(float, float, float) {}
void viewp_bgcolortext_chng(float, float, float) {}
void draw_zclipp_area_gl() {}
void draw_atfrom_gl() {}

// Only viewport 0 exists and viewport outlines arrive with the viewport
// subsystem: the mode's screen is the ordinary one.
void display_viewport_mode() { viewports_display_all(); }

void viewp_icons_refresh() {}
