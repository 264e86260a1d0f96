// "Case" pulldown (see case_menu.h).
#include "ui/case_menu.h"

#include "ui/menus.h"

void create_case_interf(Widget menubar) {
  XtManageChild(XtarvCreatePulldownMenu(menubar, "Case", 'C', nullptr, 0, nullptr, 0, 0));
}

Widget Case_viewpvis_dialog = nullptr;
