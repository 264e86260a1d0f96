// The bottom row of the main window: the drag-action buttons ("Rot", "Trn",
// "Zom", "ZBn", "Scl") and the "Reset...", "Transf. Edit..." and "Z-Clip..."
// buttons.  The current drag action (Vewglb, held by the view subsystem) is
// shown by a green frame drawn into its button's picture, or by green text
// for a button without picture; the rubber-band zoom button is never framed
// ("Zom" stands for it).  Every press goes to transf_action_reset_chng.
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
// Moves the frame to the button of action (rubber band shown on "Zom";
// 5, 6, 7 move nothing) and carries the action out, recording it when
// record is 1.  1, or -1 for an unknown action.
int qedit_switch_action_windep(int action, Widget button, int record);
// Redraws every frame from Vewglb and re-applies that action unrecorded;
// called after "view_transf:" commands and archive restores.  1, or 0 when
// Vewglb has no button (nothing framed, nothing applied).
int qedit_transformbutrefresh_windep();
// Row of the button that shows a Vewglb value (0 "Rot", 1 "Trn", 2 "Scl",
// 4 and 5 "Zom"); -1 for a value without one.
int transf_framed_row(int vewglb);
// The picture of an icon row (0..4), 0 when it shows text.
Pixmap transf_button_pixmap(int row);
