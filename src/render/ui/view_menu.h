// The View menu of the main menu bar and the labeling-attributes dialog.
// Their entries arrive with rendering; until then the menu has no entries
// and the dialog is not built.
#pragma once

#include <X11/Intrinsic.h>

// Builds the "View" pulldown of the main menu bar.
void create_view_interf(Widget menubar);
// Opens the labeling-attributes dialog (not built yet: nothing to open).
void entlbl_manageCB(Widget w, XtPointer client, XtPointer call);
