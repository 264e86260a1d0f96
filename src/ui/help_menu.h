// Help menu, help viewer and version dialog.  The menu's entries arrive with their module; until then the
// menu bar carries the "Help" pulldown without entries.
#pragma once

#include <X11/Intrinsic.h>

// Builds the "Help" pulldown of the main menu bar.
void create_help_interf(Widget menubar);
