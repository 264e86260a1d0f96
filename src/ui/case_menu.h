// Case menu: the "Case" pulldown of the main menu bar with one radio item
// per case in use (item p shows the case at position p, the p-th slot in
// use in slot order), and the viewport-visibility dialog holder. The other
// entries of the menu arrive with their module.
#pragma once

#include <X11/Intrinsic.h>

#include "ui/menus.h"

#define CASE_MENU_RADIO0 0   // row of Case_menu holding radio item 1
#define CASE_MENU_ROWS 16    // rows of Case_menu

extern Menu_item_rec Case_menu[CASE_MENU_ROWS];  // radio items "Case 1".."Case 16", client data 1..16
extern Widget Case_viewpvis_dialog;               // holds GL window code 14, null until built

// Builds the "Case" pulldown: radio items 2..16 unmanaged, item 1 on.
void create_case_interf(Widget menubar);
// A radio item changed: set on, the case at its position becomes current
// (recorded, refreshed); the user cannot switch an item off.
void case_selectCB(Widget w, XtPointer client, XtPointer call);
// Sets radio item position on and the others off; only the item set on
// may notify its callback (when notify is 1 and it was off).
void case_select_pos(int position, int notify);
// Position of the first radio item that is on, or -1.
int case_which_selected();
// Labels one managed radio item per case in use, in slot order; the rest
// are unmanaged. The on/off states are left as they are.
void caselist_updt();
// Number of radio items managed (0 before the menu exists).
int case_menu_shown_count();
// Redraws the viewport picker for case slot when its dialog is shown.
void case_viewpvis_init(int slot);
