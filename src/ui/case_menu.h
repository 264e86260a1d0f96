// Case menu and its dialogs.  The menu's entries arrive with their module; until then the
// menu bar carries the "Case" pulldown without entries.
#pragma once

#include <X11/Intrinsic.h>

// Builds the "Case" pulldown of the main menu bar.
void create_case_interf(Widget menubar);

extern Widget Case_viewpvis_dialog;  // holds GL window code 14, null until built
