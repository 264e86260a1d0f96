// The View menu of the main menu bar.  Its entries arrive with rendering;
// until then the menu has no entries.
#pragma once

#include <X11/Intrinsic.h>

// Builds the "View" pulldown of the main menu bar.
void create_view_interf(Widget menubar);
