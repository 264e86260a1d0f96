// Query menu (see query_menu.h).
#include "query/ui/query_menu.h"

#include "ui/menus.h"

void create_query_interf(Widget menubar) {
  XtManageChild(XtarvCreatePulldownMenu(menubar, "Query", 'Q', nullptr, 0, nullptr, 0, 0));
}

void query_showinfo_init() {}
