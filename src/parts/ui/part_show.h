// The "Selected Part(s) Window" of the parts subsystem: its close callback.
#pragma once

#include <X11/Intrinsic.h>

// Window-manager close of the "Selected Part(s) Window": hides it.
void part_showsel_closeCB(Widget w, XtPointer client, XtPointer call);

// Redraws the Selected Part(s) window, when it is shown, with the selected parts.
void part_show();

// "Show Selected Part(s)..." toggle: opens (set) or closes the Selected
// Part(s) window and redraws its parts.
void part_show_selectedCB(Widget w, XtPointer client, XtPointer call);
