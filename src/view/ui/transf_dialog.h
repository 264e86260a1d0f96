// The Transformation Editor dialog.  The editor arrives with the view
// subsystem; until then its holder stays null.
#pragma once

#include <X11/Intrinsic.h>

extern Widget Transformation_dialog;  // the Transformation Editor, null until built

// "Transformation Editor..." of the Edit menu: shows the editor (built on
// first use through the dialog registry) and refreshes it.
void transf_dialog_manageinitCB(Widget w, XtPointer client, XtPointer call);
