// Widgets of the part detailed editor, the part side of the Feature Detail
// Editor: the part list, four buttons, "Desc" and the four expandable
// sections (creation, general, node/element/line, displacement) whose
// controls edit the attribute slots.  Built once on the first choice of a
// part feature; the logic behind them is parts/part_deteditor.h.
#pragma once

#include <X11/Intrinsic.h>

struct Dyn_option_menu_rec;

extern Widget Parts_detedit_topwidget;  // the editor's top widget (paned window); null until built
extern Widget Parts_listw;              // the editor's part list, null until built
extern Widget Parts_create_button;
extern Widget Parts_apply_button;
extern Widget Parts_updtparent_button;
extern Widget Pattr_desc_text;
// Section forms and their arrow buttons ("Creation Attributes", "General
// Attributes", "Node, Element, and Line Attributes", "Displacement Attributes").
extern Widget Parts_create_form, Parts_gen_form, Parts_ndelmlin_form, Parts_disp_form;
extern Widget Parts_create_arobut;
extern Widget Parts_general_arobut;
extern Widget Parts_ndelmlin_arobut;
extern Widget Parts_disp_arobut;
extern Widget Pattr_create_mainwidget;   // frame of the creation section
extern Widget Pattr_create_mainrowcol;   // column of the per-type creation sections
extern Widget Pattr_creatvar_form;       // creation-variable form
extern Widget Pattr_createvector_form;   // its X, Y, Z form
extern Widget Pattr_create_mainform;     // the model creation section "PartDetEdCrForm"
extern Widget Pattr_createstftstep_text[3][3];  // rows I, J, K; columns From, To, Step
extern Widget Pattr_createstminmax_text[3][2];  // rows I, J, K; columns Min, Max

// The editor's controls by attribute slot (text fields, toggles, option
// menus; null where the slot has no control of its own).
Widget part_detedit_control(int slot);
// The option-menu rows of a fixed-list control (slot 10, 13, 25, 28, 29,
// 33, 38), or null; count gets their number.
struct Menu_item_rec;
Menu_item_rec *part_detedit_menu_rows(int slot, int *count);
// The symmetry toggle of a slot (15..21, 3), or null.
Widget part_detedit_symmetry_toggle(int slot);
// Variable option menus: 0 creation variable, 1 colour by, 2 node variable, 3 displace by.
Widget part_detedit_varmenu(int menu);

// Builds the parts section into the detail editor; its top widget (unmanaged).
Widget part_gen_deteditor();
// Sets the hooks of the logic (Part_detedit_windep and the editor entries of Part_apply_windep).
void part_detedit_windep_install();

void part_selectCB(Widget w, XtPointer client, XtPointer call);
void part_createCB(Widget w, XtPointer client, XtPointer call);
void part_updt_parentCB(Widget w, XtPointer client, XtPointer call);
void part_text_chngCB(Widget w, XtPointer client, XtPointer call);
void part_tggl_chngCB(Widget w, XtPointer client, XtPointer call);
void part_symm_chngCB(Widget w, XtPointer client, XtPointer call);
void part_optmenu_chngCB(Widget w, XtPointer client, XtPointer call);
void part_varmenu_chngCB(Widget w, XtPointer client, XtPointer call);
void part_rgbtext_chngCB(Widget w, XtPointer client, XtPointer call);
void part_rgb_selectCB(Widget w, XtPointer client, XtPointer call);
void part_desc_chngCB(Widget w, XtPointer client, XtPointer call);
void part_createxyzval_chngCB(Widget w, XtPointer client, XtPointer call);
void part_structijktext_chngCB(Widget w, XtPointer client, XtPointer call);
