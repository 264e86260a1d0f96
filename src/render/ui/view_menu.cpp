// View menu (see view_menu.h).
#include "render/ui/view_menu.h"

#include "ui/menus.h"

void create_view_interf(Widget menubar) {
  XtManageChild(XtarvCreatePulldownMenu(menubar, "View", 'V', nullptr, 0, nullptr, 0, 0));
}
