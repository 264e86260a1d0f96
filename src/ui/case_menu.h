// Case menu: the "Case" pulldown of the main menu bar: the File Selection
// dialog with its case section, the viewport-visibility dialog, the
// per-case restriction of the part and variable lists, and one radio item
// per case in use (item p shows the case at position p, the p-th slot in
// use in slot order).
#pragma once

#include <X11/Intrinsic.h>

#include "ui/menus.h"

#define CASE_MENU_RADIO0 4   // row of Case_menu holding radio item 1
#define CASE_MENU_ROWS 20    // rows of Case_menu

// Rows 0..3: "Add, Replace, Delete...", "Viewport Visibility...", "Restrict
// List Info. Per Case", a separator; rows 4..19 the radio items "Case 1" ..
// "Case 16", client data 1..16.
extern Menu_item_rec Case_menu[CASE_MENU_ROWS];
extern Widget Case_viewpvis_dialog;  // holds GL window code 14, null until built
extern Widget Case_viewpvis_lbl;     // its label, null until built

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
// Builds the viewport-visibility dialog at the pointer.
void case_genviewpvis_dialog();
// The picker: the viewport in use (0-based) drawn under pixel x, y of a
// width x height area (y down), the last in table order on top; -1 none.
int case_viewpvis_pick(int x, int y, int width, int height);
// Flips viewport v's bit in the current case's mask, applies it, redraws
// and records the "case: viewports" line. 1, or -1 for a viewport not in use.
int case_viewpvis_toggle(int v);

// Callbacks.
void case_intf_manageCB(Widget w, XtPointer client, XtPointer call);
void case_viewpvis_manageCB(Widget w, XtPointer client, XtPointer call);
void case_viewpvis_closeCB(Widget w, XtPointer client, XtPointer call);
void case_viewpvis_inputCB(Widget w, XtPointer client, XtPointer call);
void case_listdisplay_chngCB(Widget w, XtPointer client, XtPointer call);
void case_addCB(Widget w, XtPointer from_command, XtPointer call);
void case_replaceCB(Widget w, XtPointer from_command, XtPointer call);
void case_deleteCB(Widget w, XtPointer from_command, XtPointer call);
