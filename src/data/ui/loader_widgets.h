// Widget pieces the part loaders' dialogs share: labelled rows, buttons,
// text fields with the program's focus callbacks, scrolled lists, and the
// reading and setting of option menus and lists by value.
#pragma once

#include <X11/Intrinsic.h>
#include <Xm/Xm.h>

#include <string>
#include <vector>

#include "data/generic_loader.h"
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

// ---- the "Iblanked Part Creation" section ------------------------------------
// The widget names of one dialog's section and its lists' kinds.
struct Loader_iblank_names {
  const char *rowcol;        // the section's row-column
  const char *head;          // row of the arrow and its label
  const char *arrow;         // arrow button opening and closing the info form
  const char *label;         // "Iblanked Part Creation"
  const char *info_form;     // what the arrow shows
  const char *parent_label, *parent_list;
  const char *values_label, *values_list;
  const char *desc_label, *desc_text;
  const char *create;        // "Create And Load Iblanked Unstructured Part"
  unsigned char parent_policy, values_policy;  // selection policies of the lists
  int rows;                  // visible rows of both lists
};
// The section's widgets as built.
struct Loader_iblank_widgets {
  Widget rowcol, arrow, info_form, parent_list, values_list, desc_text;
};
// Builds the section under parent: the arrow, pointing down when row
// sect_row of Sectinfo_tbl is open, calls expand with client data 0; the
// info form is left unmanaged for the builder's first expand call; the
// create button calls create.
void loader_iblank_section(Widget parent, const Loader_iblank_names &names, int sect_row,
                           XtCallbackProc expand, XtCallbackProc create, Loader_iblank_widgets *out);

// A loader's form dialog placed from row of Widgen_tbl, titled title (none:
// the row's), whose window manager's close runs close_cb; it stays up until
// hidden.
Widget loader_form_dialog(int row, const char *name, const char *title, XtCallbackProc close_cb);

// ---- the "Using Node Ranges:" grid -------------------------------------------
struct Loader_range_names {
  const char *label;       // "Using Node Ranges:"
  const char *grid, *head, *col_label;
  const char *row, *row_label;
  const char *from_to_step, *min_max;  // names of the editable and read-only fields
};
// Builds the grid under parent: a head of "From", "To", "Step", "Min" and
// "Max" and rows I, J and K of three fields (ftstp, row by row) and two
// read-only ones (minmax); returns the grid.
Widget loader_range_grid(Widget parent, const Loader_range_names &names, Widget ftstp[9], Widget minmax[6]);

// The widgets of a loader dialog numbered as the generic loader's fields,
// from which loader_dialog_hooks makes the dialog's hook record. Every
// member is the address of the dialog's own global, read at each call.
struct Loader_dialog_widgets {
  Widget *dialog;
  Widget *fangle, *st_desc, *iblank_desc;
  Widget *ranges;  // nine: I From, To, Step, J ..., K ...
  Widget *minmax;  // six: I Min, Max, J ..., K ...
  Widget *lists[3];  // indexed by the GEN_LIST_ codes; null where the dialog has none
  Widget *elemrep_optmen;
  Menu_item_rec *elemrep_menu;  // six rows
  Widget *domain_optmen;
  Menu_item_rec *domain_menu;  // three rows
  void (*fangle_sens)(int rep);
};

// The text field of a generic loader field, or null.
Widget *loader_field_widget(const Loader_dialog_widgets &d, int f);

// The hooks every loader dialog shares, over the widgets of D.
template <const Loader_dialog_widgets &D>
struct Loader_dialog_hooks {
  static int shown() { return *D.dialog && XtIsManaged(*D.dialog) ? 1 : 0; }
  static void selected(int which, std::vector<int> *out) {
    out->clear();
    if (which >= 0 && which < 3 && D.lists[which]) loader_selected(*D.lists[which], out);
  }
  static void set_elemrep(int rep) {
    int row = loader_row_of(D.elemrep_menu, 6, rep);
    if (row >= 0) XtarvOptionMenuSetState(*D.elemrep_optmen, D.elemrep_menu, row, 1);
    D.fangle_sens(rep);
  }
  static int elemrep() { return loader_shown_value(*D.elemrep_optmen, D.elemrep_menu, 0); }
  static void get_text(int f, std::string *out) {
    Widget *w = loader_field_widget(D, f);
    *out = w ? loader_get_text(*w) : std::string();
  }
  static void set_text(int f, const char *t) {
    if (Widget *w = loader_field_widget(D, f)) loader_put_text(*w, t);
  }
  static int domain() { return loader_shown_value(*D.domain_optmen, D.domain_menu, 1); }
  static void domain_rows(int inside, int outside, int shown) {
    loader_domain_rows(*D.domain_optmen, D.domain_menu, inside, outside, shown);
  }
  static void hide() {
    if (*D.dialog) XtUnmanageChild(*D.dialog);
  }
  // A hook record holding these hooks and nothing else.
  static Generic_loader_windep_rec record() {
    Generic_loader_windep_rec w{};
    w.shown = shown;
    w.selected = selected;
    w.set_elemrep = set_elemrep;
    w.elemrep = elemrep;
    w.get_text = get_text;
    w.set_text = set_text;
    w.domain = domain;
    w.domain_rows = domain_rows;
    w.hide = hide;
    return w;
  }
};
