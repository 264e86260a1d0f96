// Transformation Editor entries that the quick-edit column uses.  The editor
// itself arrives with the view subsystem.
#pragma once

// Records What_trans-style mode as "view_transf: function <mode word>".
// 1, or -1 for a code without a word.
int transf_record_whattrans(int mode);
// Refreshes the Transformation Editor from the current state (not built: nothing).
void transf_dialog_init();

#include <X11/Intrinsic.h>
// "Transformation Editor..." of the Edit menu: shows the editor (built on
// first use through the dialog registry) and refreshes it.
void transf_dialog_manageinitCB(Widget w, XtPointer client, XtPointer call);
