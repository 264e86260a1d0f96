// "Edit" pulldown (see edit_menu.h).
#include "ui/edit_menu.h"

#include "ui/menus.h"

void create_edit_interf(Widget menubar) {
  XtManageChild(XtarvCreatePulldownMenu(menubar, "Edit", 'E', nullptr, 0, nullptr, 0, 0));
}
