// Preferences (see iconpanel.h).
#include "state/iconpanel.h"

#include "ui/main_intf.h"
#include "ui/main_toggles.h"
#include "ui/menus.h"

void iconpanel_get_general_prefs() {}

void iconpanel_get_startup_prefs() {}

void create_prefs_interf(Widget menubar) {
  XtManageChild(XtarvCreatePulldownMenu(menubar, "Prefs", 'P', nullptr, 0, nullptr, 0, 0));
}

void pref_balloonhelp_chngCB(Widget, XtPointer, XtPointer) {
  Balloon_help = !Balloon_help;
  main_tooltiptggl_init();
}
