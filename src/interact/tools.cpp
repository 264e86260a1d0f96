// Tools menu and revolution-tool area (see tools.h).
#include "interact/tools.h"

#include "ui/menus.h"

int Middle_Mouse_Setting = 1;
int Right_Mouse_Setting = 4;

void create_tools_interf(Widget menubar) {
  XtManageChild(XtarvCreatePulldownMenu(menubar, "Tools", 'T', nullptr, 0, nullptr, 0, 0));
}

void tools_menu_init() {}
void draw_revtool_area_gl() {}
void manage_revtool_gl(Widget, XtPointer, XtPointer) {}
