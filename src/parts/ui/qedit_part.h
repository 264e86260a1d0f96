// The part panel of the quick-edit column: its icon callbacks, its choice
// tables, its three popups (per-viewport visibility, transparency, node
// representation) and two notes, and its refresh from the selected parts.
// The changes themselves go through parts/qedit_part.h.
#pragma once

#include <X11/Intrinsic.h>

struct Menu_item_rec;
struct Dyn_option_menu_rec;
// Entry values: pick modes, line widths, element representations, mirror
// slots, shading types, fast representations, fill patterns, node types and
// node size-by modes.
extern Menu_item_rec Qedit_picktype_menu[6];
extern Menu_item_rec Qedit_partlinew_menu[4];
extern Menu_item_rec Qedit_partrep_menu[6];
extern Menu_item_rec Qedit_partsymm_menu[8];
extern Menu_item_rec Qedit_partshadtyp_menu[3];
extern Menu_item_rec Qedit_partboundrep_menu[3];
extern Menu_item_rec Qedit_partfillp_menu[4];
extern Menu_item_rec Qedit_partnodereptype_menu[3];
extern Menu_item_rec Qedit_partnoderep_sizeby_menu[6];
extern Dyn_option_menu_rec Qedit_partnoderep_var_dynoption;  // "PartQeditNodeRepVar"
extern Widget Qedit_parttransp_dialog;   // "PartQeditTranspDialog", null until built
extern Widget Qedit_partnoderep_dialog;  // "PartQeditNodeRepDialog", null until built
extern Widget Qedit_partgvsp_dialog;     // "PartQeditGvsPDialog", null until built
extern Widget Qedit_partdefnote_dialog;  // "PartDefEdNotifyDialog", null until built

// The part icons follow the selected parts of the main list (the defaults
// when none is selected).  "Error allocating part list memory." when the
// default lists cannot be made.
void qedit_part_refresh();
// The popups and (in part mode) the icons follow the first given part
// (numbers: part numbers, -1/-2 the defaults).
void qedit_part_refresh_given_parts(int count, const int *internal, const int *numbers);
// Fill a popup when it is up: from part (given 1), else from the first
// selected part or the defaults.
void qedit_parttransp_init(int part, int given);
void qedit_partnoderep_init(int part, int given);
void qedit_partviewpvis_init(int part, int given);
// Sets the logic's hooks to the panel's notes and popups.
void qedit_part_windep_install();

void qedit_partvis_chngCB(Widget w, XtPointer client, XtPointer call);
void qedit_partviewpvis_manageCB(Widget w, XtPointer client, XtPointer call);
void qedit_parttransp_manageCB(Widget w, XtPointer client, XtPointer call);
void qedit_parthsurf_chngCB(Widget w, XtPointer client, XtPointer call);
void qedit_parthline_chngCB(Widget w, XtPointer client, XtPointer call);
void qedit_partelemlbl_chngCB(Widget w, XtPointer client, XtPointer call);
void qedit_partnodelbl_chngCB(Widget w, XtPointer client, XtPointer call);
void qedit_partauxclip_chngCB(Widget w, XtPointer client, XtPointer call);
void qedit_partnoderep_manageCB(Widget w, XtPointer client, XtPointer call);
// Menu entries; client data is the entry's value.
void qedit_partpick_chngCB(Widget w, XtPointer value, XtPointer call);
void qedit_partlinew_chngCB(Widget w, XtPointer value, XtPointer call);
void qedit_partrep_chngCB(Widget w, XtPointer value, XtPointer call);
void qedit_partsymm_chngCB(Widget w, XtPointer value, XtPointer call);
void qedit_partshadet_chngCB(Widget w, XtPointer value, XtPointer call);
void qedit_partboundrep_chngCB(Widget w, XtPointer value, XtPointer call);
void qedit_partfillp_chngCB(Widget w, XtPointer value, XtPointer call);
void qedit_partnodereptype_chngCB(Widget w, XtPointer value, XtPointer call);
void qedit_partnoderepsizeby_chngCB(Widget w, XtPointer value, XtPointer call);
void qedit_partnoderepvar_chngCB(Widget w, XtPointer value, XtPointer call);
