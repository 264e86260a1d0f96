// The "ZUB Information" dialog: where the documentation lives, how news and
// support reach the user, and where to ask for missing functions.  Labels
// and a Close button only; built once on first use, then shown again.
#pragma once

#include <X11/Intrinsic.h>

extern Widget Cominfo_dialog;  // form dialog "ComInfoDialog", null until first use

// Help menu callback: builds the dialog on first use and shows it.
void cominfo_dialog_manageinitCB(Widget w, XtPointer client, XtPointer call);
void cominfo_gen_dialog();
// The "Close" button at the bottom left of a static information dialog,
// offset pixels below above; the dialog unmanages itself when it is pressed.
Widget info_dialog_close_button(Widget dialog, Widget above, int offset);
