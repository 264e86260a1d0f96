// Viewports (see viewports.h).
#include "view/viewports.h"

#include <cstdio>

Viewport_rec Viewports[MAX_VIEWPORTS];
float baccol[3];
int Person = 1;
int Floating_z_planes = 1;

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
#include "render/display.h"
#include "ui/interf_init.h"
#include "ui/window_codes.h"

int Stencil_current_viewport = -1;
Widget Viewp_bgcolorattr_dialog = nullptr;
Widget Transf_redowhichviewp_dialog = nullptr;

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
void manage_selected_viewport_chooser_gl(int, XtPointer, XtPointer) {}
void draw_background_editor() {}
void manage_background_editor(Widget, XtPointer, XtPointer) {}
void set_current_background_color(float, float, float) {}
void viewp_bgcolortext_chng(float, float, float) {}
void draw_zclipp_area_gl() {}
void manage_zclip_gl(Widget, XtPointer, XtPointer) {}
void draw_atfrom_gl() {}
void manage_viewer_gl(Widget, XtPointer, XtPointer) {}

// ---- viewport panel ----------------------------------------------------------
#include "ui/menus.h"
#include "ui/qedit_icons.h"

Menu_item_rec Viewp_layout_menu[6] = {
    {"1 Full", ' ', viewp_layoutCB, (XtPointer)0, 1, 0, nullptr},
    {"2 Vertical", ' ', viewp_layoutCB, (XtPointer)1, 1, 0, nullptr},
    {"2 Horizontal", ' ', viewp_layoutCB, (XtPointer)2, 1, 0, nullptr},
    {"4 Equal", ' ', viewp_layoutCB, (XtPointer)3, 1, 0, nullptr},
    {"4 With 3 Equal Vertical", ' ', viewp_layoutCB, (XtPointer)4, 1, 0, nullptr},
    {"4 With 3 Equal Horizontal", ' ', viewp_layoutCB, (XtPointer)5, 1, 0, nullptr},
};

// Only viewport 0 exists and viewport outlines arrive with the viewport
// subsystem: the mode's screen is the ordinary one.
void display_viewport_mode() { viewports_display_all(); }

void viewp_icons_refresh() {}

QEDIT_UNBUILT_CB(viewp_layoutCB)
QEDIT_UNBUILT_CB(viewp_newCB)
QEDIT_UNBUILT_CB(viewp_vis_chngCB)
QEDIT_UNBUILT_CB(viewp_pushpopCB)
QEDIT_UNBUILT_CB(viewp_colorattr_manageCB)
QEDIT_UNBUILT_CB(viewp_borderattr_manageCB)
QEDIT_UNBUILT_CB(viewp_locaattr_manageCB)
QEDIT_UNBUILT_CB(viewp_specialattr_manageCB)
QEDIT_UNBUILT_CB(viewp_selectallCB)
QEDIT_UNBUILT_CB(viewp_deleteCB)
