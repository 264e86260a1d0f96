// The "Node/Element Labeling Attributes" dialog (form "EntityLblDialog"):
// the node and element label filters and colours, each change going
// through entlbl_attr_updt (render/entlbl.h).  Built on first use from the
// scene quick-edit icon and the View menu, kept for the run.
#pragma once

#include <X11/Intrinsic.h>

#include "ui/menus.h"

extern Widget Entity_label_dialog;       // the form dialog, null until first opened
extern Widget Entlbl_nodethresh_optmen;  // "Thresholds" option menus
extern Widget Entlbl_elemthresh_optmen;
extern Widget Entlbl_nodelowfilt_text;   // Low and High fields of the two sections
extern Widget Entlbl_nodehighfilt_text;
extern Widget Entlbl_elemlowfilt_text;
extern Widget Entlbl_elemhighfilt_text;
extern Widget Entlbl_coltext[6];         // node Red, Green, Blue, element Red, Green, Blue

// Rows "None" 0, "Low" 1, "Band" 2, "High" 3, "Low/High" 4 (threshold code
// as client data).
extern Menu_item_rec Entlbl_nodethresh_menu[5];
extern Menu_item_rec Entlbl_elemthresh_menu[5];

// Builds the dialog near the pointer (not shown).
void entlbl_gen_dialog();
// Builds the dialog when needed, shows it and fills it.
void entlbl_manageCB(Widget w, XtPointer client, XtPointer call);
// Fills the shown dialog from the values in force (Entlbl_dialog_windep).
void entlbl_dialog_windep();

void entlbl_textattr_chngCB(Widget w, XtPointer client, XtPointer call);
void entlbl_nodefilter_chngCB(Widget w, XtPointer client, XtPointer call);
void entlbl_elemfilter_chngCB(Widget w, XtPointer client, XtPointer call);
void entlbl_colorrgb_selectCB(Widget w, XtPointer client, XtPointer call);
void entlbl_nodergbselect_apply();
void entlbl_elemrgbselect_apply();
void entlbl_dialog_closeCB(Widget w, XtPointer client, XtPointer call);
