// The Tools menu and the revolution tool's feedback area.  The tools arrive
// with the interaction subsystem; until then the menu has no entries.
#pragma once

#include <X11/Intrinsic.h>

void create_tools_interf(Widget menubar);
void tools_menu_init();
void draw_revtool_area_gl();
void manage_revtool_gl(Widget w, XtPointer client, XtPointer call);
