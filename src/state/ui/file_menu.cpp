// File menu (see file_menu.h).
#include "state/ui/file_menu.h"

#include "state/backup.h"
#include "ui/command_dialog.h"
#include "ui/menus.h"
#include "ui/widget_helpers.h"

// The entries built so far: the Command dialog.
static Menu_item_rec File_menu[] = {
    {"Command...", 'm', cmd_play_initCB, nullptr, XtarvPUSHBUTTON, 0, nullptr},
};

void create_file_interf(Widget menubar) {
  XtManageChild(XtarvCreatePulldownMenu(menubar, "File", 'F', nullptr, 0, File_menu,
                                        (int)(sizeof File_menu / sizeof File_menu[0]), 0));
}

void quit_manageCB(Widget, XtPointer, XtPointer) { quit_rout(); }
