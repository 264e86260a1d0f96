// "Help" pulldown (see help_menu.h).
#include "ui/help_menu.h"

#include "ui/menus.h"

void create_help_interf(Widget menubar) {
  XtManageChild(XtarvCreatePulldownMenu(menubar, "Help", 'H', nullptr, 0, nullptr, 0, 0));
}
