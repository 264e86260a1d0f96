// Widget pieces the part loaders' dialogs share: labelled rows, buttons,
// text fields with the program's focus callbacks, scrolled lists, and the
// reading and setting of option menus and lists by value.
#pragma once

#include <X11/Intrinsic.h>
#include <Xm/Xm.h>

#include <string>
#include <vector>

#include "ui/menus.h"

Widget loader_rowcol(Widget parent, const char *name, bool horizontal);
Widget loader_label(Widget parent, const char *name, const char *text);
Widget loader_button(Widget parent, const char *name, const char *text, XtCallbackProc cb,
                     XtPointer client);
// A text field of columns (0: its default) holding at most maxlen characters.
Widget loader_text(Widget parent, const char *name, int columns, int maxlen, bool editable = true);
Widget loader_list(Widget parent, const char *name, unsigned char policy, int rows);
// The row of rows whose client data is value, or -1.
int loader_row_of(Menu_item_rec *rows, int nrows, int value);
// The client data of the menu's shown row, fallback when none.
int loader_shown_value(Widget optmen, Menu_item_rec *rows, int fallback);
// The "Domain" menu's Inside and Outside rows made sensitive or not, and
// the row of value shown (no callback).
void loader_domain_rows(Widget optmen, Menu_item_rec *rows, int inside, int outside, int shown);
// Replaces a list's items (none selected).
void loader_set_list(Widget w, const std::vector<std::string> &items);
// The selected positions of a list (1-based, ascending).
void loader_selected(Widget w, std::vector<int> *out);
// A text field's text, and a new one.
std::string loader_get_text(Widget w);
void loader_put_text(Widget w, const char *text);
// The six "Element Visual Rep." rows, each calling cb with its value.
#define LOADER_ELEMREP_ROW(label, value, cb) \
  { label, ' ', cb, (XtPointer)(value), XtarvPUSHBUTTON, 0, nullptr }
