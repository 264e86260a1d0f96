// The Tools menu and the revolution tool's feedback area.  The tools arrive
// with the interaction subsystem; until then the menu has no entries.
#pragma once

#include <X11/Intrinsic.h>

extern int Middle_Mouse_Setting;  // middle button's role: 0 rotate, 1 translate, 4 zoom, 10 action, 11 pick, 12 none
extern int Right_Mouse_Setting;   // right button's role, same codes

void create_tools_interf(Widget menubar);
void tools_menu_init();
void draw_revtool_area_gl();
void manage_revtool_gl(Widget w, XtPointer client, XtPointer call);
