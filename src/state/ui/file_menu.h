// The File menu of the main menu bar and the quit confirmation.  The menu's
// entries and the confirmation dialog arrive with state saving; until then
// the menu has no entries and a close request ends the run as quit_rout does
// before its dialog exists.
#pragma once

#include <X11/Intrinsic.h>

void create_file_interf(Widget menubar);
// Opens the quit confirmation (window manager close of every main shell).
void quit_manageCB(Widget w, XtPointer client, XtPointer call);
