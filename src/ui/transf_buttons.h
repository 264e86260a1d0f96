// The bottom row of the main window: the drag-action buttons ("Rot", "Trn",
// "Zom", "ZBn", "Scl") and the "Reset...", "Transf. Edit..." and "Z-Clip..."
// buttons.  Built here with their pictures and the frame of the current
// action; choosing an action arrives with the transformation-button module
// proper (the callback changes nothing yet).
#pragma once

#include <X11/Intrinsic.h>

struct Transf_button_rec {
  char tag[12];       // preference key such as "TRAN_ROTA"
  char label[28];     // button text
  Widget button;      // null until built
  int action;         // action code passed to the callback
  char icon_file[28]; // XPM picture, "" for text buttons
};

#define TRANSF_BUTTON_ROWS 8
extern Transf_button_rec Qedit_transfbut_tbl[TRANSF_BUTTON_ROWS];
extern Widget Qedit_transficon_rowcol;  // "qedittranficonRowCol", the icon buttons
extern Widget Main_transfbut_form;      // "qediticonDialog", the text buttons

// Builds the row on Main_control_form right of the quick-edit column.
void gen_transf_butsection();
// Activate callback of all eight buttons; client data is the action code.
void qedit_switch_actionCB(Widget w, XtPointer action, XtPointer call);
