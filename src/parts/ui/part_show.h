// The "Selected Part(s) Window" of the parts subsystem: which list feeds
// it, its two "Show Selected Part(s)..." toggles and its close callback.
#pragma once

#include <X11/Intrinsic.h>

extern int Main_show_selected;        // 1 while the main window's toggle is on
extern int Detailedit_show_selected;  // 1 while the detail editor's toggle is on
extern int Showing_parts;             // 1 once the window has been shown
extern Widget Main_show_selected_toggle;  // the main window's toggle, null without one

// Shows the window (built on first use); hides it.
void part_show_open();
void part_show_close();

// Window-manager close of the "Selected Part(s) Window": hides it.
void part_showsel_closeCB(Widget w, XtPointer client, XtPointer call);

// Redraws the Selected Part(s) window, when it is shown, with the selected parts.
void part_show();

// "Show Selected Part(s)..." toggles (client 1 main window, 0 editor):
// the window is shown while either is on and fed from the editor's list
// while its toggle is on, else from the main list.
void part_show_selectedCB(Widget w, XtPointer client, XtPointer call);
