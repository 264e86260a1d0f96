// General and icon-bar preferences and the Prefs menu.  The items of the
// seven icon bars (the feature strip and the six quick-edit panels: menu id,
// button name, visibility, order) are shown in the icon-bar preferences
// dialog as one text line each and applied back from edited text here.
// Reading and writing the preference files and the menu's entries arrive
// with state saving; until then no preference file is read or written.
#pragma once

#include <X11/Intrinsic.h>

#include <string>

#define ICONPANEL_BARS 7  // 0 feature strip, 1 view, 2 part, 3 annot, 4 plot, 5 viewport, 6 frame

// Writes stand in for the preference files until state saving arrives:
// they count what was asked for.
extern int Iconpanel_generalpref_saves;  // general preference writes asked for, >= 0
extern int Iconpanel_saved_bar;          // bar of the last icon-bar write asked for, -1 none

void iconpanel_get_general_prefs();
void iconpanel_get_startup_prefs();
struct Menu_item_rec;
#define PREFS_MENU_ROWS 2
// The Prefs pulldown's rows whose dialogs exist so far: the "General User
// Interface" cascade with "Data Reader Formats..." under it.
extern Menu_item_rec Prefs_menu[PREFS_MENU_ROWS];
void create_prefs_interf(Widget menubar);
// "Tool Tips" toggles: flips Balloon_help, hides a shown balloon, shows the
// setting on the toggle and saves the general preferences.
void pref_balloonhelp_chngCB(Widget w, XtPointer client, XtPointer call);

// Writes the per-user general preferences file.
void iconpanel_save_generalpref();
// Writes the per-user icon-bar preference files of a bar.
void iconpanel_save_preferences(int bar);

// The items of a bar (0..6) as text, one line per item in the columns Menu
// ID, Button Name (a line break written "\n"), Visible, Order and
// Description, fields apart by at least two blanks, in the bar's order.
// "" for another bar.
std::string iconpanel_bar_text(int bar);
// Applies edited text to a bar: each non-blank line names an item by its
// menu id and sets its button name, visibility and order (the description
// is not kept).  Nothing changes when a line cannot be applied (error box,
// -1).  An order that is not 1..n once each is reported ("Error in order of
// panel items. Resetting order.") and the bar keeps its previous order.
// The bar's buttons follow.  1, or -1.
int iconpanel_apply_text(int bar, const char *text);

// The icon-bar preferences dialog's text: fill it with the bar chosen in
// its option menu, or with a given bar; apply it to a bar (1, or -1).
void iconpanel_init_dialog();
void iconpanel_which_chng(int bar);
int iconpanel_updt_pref(int bar);
