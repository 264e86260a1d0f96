// Pulldown, popup and option menus built from static tables of rows, one row
// per entry, submenus written inline as the rows that follow a cascade row at
// the next level.  Building a menu stores each row's button in the row.
// Option menus whose items change at run time keep their rows on the heap in
// a Dyn_option_menu_rec.
#pragma once

#include <Xm/Xm.h>

struct Menu_item_rec {
  const char *label;        // entry text
  char mnemonic;            // ' ' = none
  XtCallbackProc callback;  // run when chosen (toggles: when changed); null = none
  XtPointer client_data;    // code, value or address of a global passed to the callback
  int kind;                 // button kind: 1, 2, 3, 4, 9, 10 or 12 in menus
  int level;                // nesting level: 0 the menu's own entries, 1 a submenu's, ...
  Widget widget;            // the entry's button; null until the menu is built
};

struct Dyn_option_menu_rec {
  short count;              // item buttons built so far; never shrinks
  short rebuild;            // 1 while the owner must refill the labels (not read here)
  Widget optmenu;           // the option menu widget, null until built
  const char *label;        // label of the option menu
  XtCallbackProc change_cb; // activate callback of every item
  Menu_item_rec *rows;      // heap rows with heap labels, owned here; null until made
};

extern Menu_item_rec Optmenu_def_none[1];  // {"None", 'N', okcallback, 0, 1, 0}

Widget XtarvCreatePulldownMenu(Widget parent, const char *label, char mnemonic, ArgList args,
                               Cardinal nargs, Menu_item_rec *rows, int nrows, int tearoff);
Widget XtarvCreatePopupMenu(Widget parent, const char *label, ArgList args, Cardinal nargs,
                            Menu_item_rec *rows, int nrows);
Widget XtarvCreateMenu(Widget parent, const char *name, Menu_item_rec *rows, int nrows,
                       int level, int unused, int tearoff);
Widget XtarvCreateOptionMenu(Widget parent, const char *name, const char *label, ArgList args,
                             Cardinal nargs, Menu_item_rec *rows, int nrows, int tearoff);
void XtarvOptionMenuSetState(Widget optmenu, Menu_item_rec *rows, int row, int notify);
void XtarvOptionMenuSetByValue(Widget optmenu, Menu_item_rec *rows, XtPointer value,
                               int notify);
int XtarvOptionMenuGetState(Widget optmenu, Menu_item_rec *rows, int row);
int XtarvOptionMenuCurrentState(Widget optmenu, Menu_item_rec *rows);
void XtarvOptionMenuSetSensitive(Widget optmenu, int sensitive);
int XtarvCreateDynMenuInfo(const char *name, const Menu_item_rec *rows, int nrows,
                           Menu_item_rec **dest);
int XtarvModDynOptionMenu(Dyn_option_menu_rec *menu, const char *const *labels, int n,
                          int rebuild, int extra_count, const XtPointer *extra_vals);
// Mnemonics for n item labels, each the first character whose letter and
// case no earlier label took (else the label's first character).
void dyn_menu_mnemonics(const char *const *labels, int n, char *out);
