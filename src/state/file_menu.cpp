// File menu (see file_menu.h).
#include "state/file_menu.h"

#include "state/backup.h"
#include "ui/menus.h"

void create_file_interf(Widget menubar) {
  XtManageChild(XtarvCreatePulldownMenu(menubar, "File", 'F', nullptr, 0, nullptr, 0, 0));
}

void quit_manageCB(Widget, XtPointer, XtPointer) { quit_rout(); }
