// Edit menu and Find dialog.  The menu's entries arrive with their module; until then the
// menu bar carries the "Edit" pulldown without entries.
#pragma once

#include <X11/Intrinsic.h>

// Builds the "Edit" pulldown of the main menu bar.
void create_edit_interf(Widget menubar);
