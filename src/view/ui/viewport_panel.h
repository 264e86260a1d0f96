// The viewport dialogs' drawing-area callbacks and the viewport panel of
// quick-edit viewport mode (its icons' callbacks are in viewport_dialogs.cpp).
#pragma once

#include <X11/Intrinsic.h>

struct Menu_item_rec;

extern Widget Viewp_bgcolorattr_dialog;      // holds GL window code 9, null until built
extern Widget Transf_redowhichviewp_dialog;  // holds GL window code 18, null until built
extern Menu_item_rec Viewp_layout_menu[6];   // "1 Full" .. "4 With 3 Equal Horizontal"

void manage_selected_viewport_chooser_gl(int code, XtPointer client, XtPointer call);
// Sets the viewport logic's window-system hooks (choosers, highlight colour,
// plotter screen).
void viewport_windep_install();
// The hooks of the viewport-editing loop and the background colour editor.
void viewport_move_windep_install();
void manage_background_editor(Widget w, XtPointer client, XtPointer call);

void viewp_layout_chngCB(Widget w, XtPointer layout, XtPointer call);
void viewp_newCB(Widget w, XtPointer client, XtPointer call);
void viewp_vis_chngCB(Widget w, XtPointer client, XtPointer call);
void viewp_pushpopCB(Widget w, XtPointer client, XtPointer call);
void viewp_colorattr_manageCB(Widget w, XtPointer client, XtPointer call);
void viewp_borderattr_manageCB(Widget w, XtPointer client, XtPointer call);
void viewp_locaattr_manageCB(Widget w, XtPointer client, XtPointer call);
void viewp_specialattr_manageCB(Widget w, XtPointer client, XtPointer call);
void viewp_selectallCB(Widget w, XtPointer client, XtPointer call);
void viewp_deleteCB(Widget w, XtPointer client, XtPointer call);
