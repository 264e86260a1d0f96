// The Tools menu of the main menu bar and the revolution tool's drawing
// area.  The tools arrive with the interaction subsystem; until then the
// menu has no entries.
#pragma once

#include <X11/Intrinsic.h>

void create_tools_interf(Widget menubar);
void manage_revtool_gl(Widget w, XtPointer client, XtPointer call);
