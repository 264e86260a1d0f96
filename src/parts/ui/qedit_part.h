// The part panel of the quick-edit column: its icon callbacks, its choice
// tables and its refresh from the selected parts.  The part attributes the
// icons show and change arrive with the part subsystem; until then the
// icons change nothing and the refresh has no attribute to show.
#pragma once

#include <X11/Intrinsic.h>

struct Menu_item_rec;
extern Menu_item_rec Qedit_picktype_menu[6];    // "Pick Part" .. "Pick Look/At Point"
extern Menu_item_rec Qedit_partlinew_menu[4];   // "1 Pixel " .. "4 Pixels"
extern Menu_item_rec Qedit_partrep_menu[6];     // "3D border, 2D full" .. "NonVisual"
extern Menu_item_rec Qedit_partsymm_menu[8];    // "Mirror X" .. "Original"
extern Menu_item_rec Qedit_partshadtyp_menu[3]; // "Flat", "Gouraud", "Smooth"
extern Menu_item_rec Qedit_partboundrep_menu[3];// "Off", "Box", "Points"

// The part icons follow the selected parts of the main list (the defaults
// when none is selected).  "Error allocating part list memory." when the
// default lists cannot be made.
void qedit_part_refresh();
// The part icons follow the first given part (internal list holds 1 +
// internal numbers, or -1 for the defaults).
void qedit_part_refresh_given_parts(int count, const int *internal, const int *numbers);

void qedit_partvis_chngCB(Widget w, XtPointer client, XtPointer call);
void qedit_partviewpvis_manageCB(Widget w, XtPointer client, XtPointer call);
void qedit_parttransp_manageCB(Widget w, XtPointer client, XtPointer call);
void qedit_parthsurf_chngCB(Widget w, XtPointer client, XtPointer call);
void qedit_parthline_chngCB(Widget w, XtPointer client, XtPointer call);
void qedit_partelemlbl_chngCB(Widget w, XtPointer client, XtPointer call);
void qedit_partnodelbl_chngCB(Widget w, XtPointer client, XtPointer call);
void qedit_partauxclip_chngCB(Widget w, XtPointer client, XtPointer call);
void qedit_partnoderep_manageCB(Widget w, XtPointer client, XtPointer call);
void qedit_partchoiceCB(Widget w, XtPointer client, XtPointer call);
