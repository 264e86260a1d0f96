// General and icon-bar preferences and the Prefs menu.  The preference
// files and the menu's entries arrive with state saving; until then no
// preference file is read and the menu has no entries.
#pragma once

#include <X11/Intrinsic.h>

void iconpanel_get_general_prefs();
void iconpanel_get_startup_prefs();
void create_prefs_interf(Widget menubar);
// "Tool Tips" toggles: flips Balloon_help and shows it on the toggle.
void pref_balloonhelp_chngCB(Widget w, XtPointer client, XtPointer call);
