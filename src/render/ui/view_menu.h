// The "View" pulldown of the main menu bar (toggles of the scene-wide
// display switches) and the "Hidden Line Overlay" prompt that opens when
// hidden line is switched on while shaded display is on.
#pragma once

#include <X11/Intrinsic.h>

#include "ui/menus.h"

#define VIEW_MENU_ROWS 16
// Rows: 0 Fast Display, 1 Shaded, 2 Hidden Line, 3 Perspective, 4 Auxiliary
// Clipping, 5 Show Selected Part(s)..., 6 Axis Triad Visibility (cascade:
// 7 Frame, 8 Global), 9 Label Visibility (cascade: 10 Element Labeling,
// 11 Node Labeling, 12 Labeling Attributes...), 13 Legend,
// 14 Text/Line/Logo, 15 Static Lighting.
extern Menu_item_rec View_menu[VIEW_MENU_ROWS];

// The overlay prompt's widgets, null until first shown.
extern Widget View_hlineover_dialog;
extern Widget View_hlinespecover_tggl;
extern Widget View_hlinespecover_form;
extern Widget View_hlineored_text;
extern Widget View_hlineogrn_text;
extern Widget View_hlineoblu_text;
extern Widget View_hlineomix_button;

// Builds the "View" pulldown of the main menu bar; returns it.
Widget create_view_interf(Widget menubar);
// Sets every toggle of the menu from the switches without running their
// callbacks, and the label toggles' sensitivity from the current case.
void view_menu_init_windep();
// Places near the pointer, builds on first use, and shows the prompt.
void view_genhline_prompt();

void view_fastdisplay_chngCB(Widget w, XtPointer client, XtPointer call);
void view_hsurf_chngCB(Widget w, XtPointer client, XtPointer call);
void view_hline_chngCB(Widget w, XtPointer client, XtPointer call);
void view_persp_chngCB(Widget w, XtPointer client, XtPointer call);
void view_auxclip_chngCB(Widget w, XtPointer client, XtPointer call);
void view_axis_chngCB(Widget w, XtPointer client, XtPointer call);  // client 1 frame, 0 global
void view_elmlbl_chngCB(Widget w, XtPointer client, XtPointer call);
void view_nodlbl_chngCB(Widget w, XtPointer client, XtPointer call);
void view_legend_chngCB(Widget w, XtPointer client, XtPointer call);
void view_text_chngCB(Widget w, XtPointer client, XtPointer call);
void view_light_chngCB(Widget w, XtPointer client, XtPointer call);
void view_hlinespecifyo_modeCB(Widget w, XtPointer client, XtPointer call);
void view_hlinergb_selectCB(Widget w, XtPointer client, XtPointer call);
// Okay, also the window manager's close: a colour within 0..1 switches
// hidden line on; otherwise the error box, and the prompt stays.
void view_hlineover_okayCB(Widget w, XtPointer client, XtPointer call);
void view_hlineover_cancelCB(Widget w, XtPointer client, XtPointer call);
