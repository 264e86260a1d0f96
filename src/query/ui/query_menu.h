// The Query menu of the main menu bar; its entries arrive with queries.
#pragma once

#include <X11/Intrinsic.h>

void create_query_interf(Widget menubar);
// Sets the sensitivity of the Show Information entries for the current case
// (no entries yet: nothing).
void query_showinfo_init();
