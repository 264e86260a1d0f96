// The viewer section of the Transformation Editor: the viewer window with
// its two markers, the look-at, look-from and distance fields, the plane
// toggles and the lock option menu.
#pragma once

#include <X11/Intrinsic.h>

struct Menu_item_rec;

extern Widget Viewer_main_form;  // "TransfViewerForm", null until built
extern Widget Viewer_at_xtext, Viewer_at_ytext, Viewer_at_ztext;
extern Widget Viewer_fm_xtext, Viewer_fm_ytext, Viewer_fm_ztext;
extern Widget Viewer_xyaxis_tggl, Viewer_yzaxis_tggl, Viewer_xzaxis_tggl;
extern Widget Viewer_dist_text;
extern Widget Viewer_cntrl_optmen;
extern Menu_item_rec Viewer_cntrl_menu[3];  // "None", "Distance", "Together"

// Builds the section into parent; returns its form.
Widget transf_gen_viewer_sect(Widget parent);
// Points the viewer logic's window hooks at this section.
void viewer_windep_install();

void viewer_textattr_chngCB(Widget w, XtPointer client, XtPointer call);
void viewer_viewplane_chngCB(Widget w, XtPointer client, XtPointer call);
void viewer_viewlock_chngCB(Widget w, XtPointer client, XtPointer call);
void viewer_gwin_redrawCB(Widget w, XtPointer client, XtPointer call);
// Input routine of the viewer window: drags the look-from or look-at marker.
void manage_viewer_gl(Widget w, XtPointer client, XtPointer call);
// The drag's pointer read: 1 while the first button (or a middle or right
// button acting as it) is down, with the pointer in window pixels from the
// lower-left corner.  The drag polls it until the button is let go.
extern int (*Viewer_drag_pointer)(int *x, int *y);
