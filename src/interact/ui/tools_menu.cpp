// Tools menu (see tools_menu.h).
#include "interact/ui/tools_menu.h"

#include "ui/menus.h"

void create_tools_interf(Widget menubar) {
  XtManageChild(XtarvCreatePulldownMenu(menubar, "Tools", 'T', nullptr, 0, nullptr, 0, 0));
}

void manage_revtool_gl(Widget, XtPointer, XtPointer) {}
