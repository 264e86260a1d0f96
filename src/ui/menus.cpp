// Menu makers.  Owns the two nesting counters (pulldown/option and popup),
// whose value while a maker runs is the level of the rows the menu being
// built takes as its own, and Optmenu_def_none.  Static tables receive their
// buttons here; dynamic descriptors own their rows and labels.
#include "ui/menus.h"

#include <Xm/PushB.h>
#include <Xm/RowColumn.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ui/general_windep.h"
#include "ui/textc_windep.h"
#include "ui/widget_helpers.h"

Menu_item_rec Optmenu_def_none[1] = {{"None", 'N', okcallback, nullptr, XtarvPUSHBUTTON, 0, nullptr}};

static int Pulldown_level = -1;  // level of the pulldown or option menu being built, -1 = none
static int Popup_level = -1;     // level of the popup menu being built, -1 = none

static void push_font(std::vector<Arg> &a, const char *resource) {
  if (Fixedfont && Menufont) a.push_back(Arg{const_cast<char *>(resource), (XtArgVal)Menufont});
}

static void bad_kind(const char *what, const char *name, const char *label, const char *fix) {
  fprintf(stderr, "%s", what);
  fprintf(stderr, "XtarvCreateMenu()\n");
  fprintf(stderr, "\t%s - %s\n", name, label);
  fprintf(stderr, "Defaulted to ");
  fprintf(stderr, "%s", fix);
}

Widget XtarvCreateMenu(Widget parent, const char *name, Menu_item_rec *rows, int nrows,
                       int level, int, int tearoff) {
  std::vector<Arg> pa;
  if (tearoff == 1) pa.push_back(Arg{const_cast<char *>(XmNtearOffModel), XmTEAR_OFF_ENABLED});
  push_font(pa, XmNbuttonFontList);
  push_font(pa, XmNlabelFontList);
  std::string pane_name = std::string(name) + "Pulldown";
  Widget pane = XmCreatePulldownMenu(parent, const_cast<char *>(pane_name.c_str()), pa.data(),
                                     static_cast<Cardinal>(pa.size()));
  int i = 0;
  while (i < nrows) {
    Menu_item_rec &r = rows[i];
    std::string entry = std::string(name) + std::to_string(i);
    if (i + 1 < nrows && rows[i + 1].level == level + 1) {
      int end = i + 1;
      while (end < nrows && rows[end].level > level) end++;
      if (r.kind != XtarvCASCADE)
        bad_kind("Bad button type for submenu - ", name, r.label, "XtarvCASCADE\n");
      std::vector<Arg> ca;
      push_font(ca, XmNfontList);
      r.widget = XtarvCreatePulldownMenu(pane, r.label, r.mnemonic, ca.data(),
                                         static_cast<Cardinal>(ca.size()), rows + i + 1,
                                         end - i - 1, 0);
      i = end;
      continue;
    }
    switch (r.kind) {
      case XtarvPUSHBUTTON:
      case XtarvPUSHBUTTONG:
      case XtarvTOGGLEBUTTON:
      case XtarvCASCADE:
      case XtarvONEOFMANY:
      case XtarvTOGGLEBUTTONW:
        r.widget = XtarvCreateButton(pane, entry.c_str(), r.label, r.kind, r.mnemonic, r.callback,
                                     r.client_data, nullptr, 0);
        i++;
        break;
      case XtarvSEPARATOR:
        r.widget = XtarvCreateSeparatorGadget(pane, entry.c_str(), nullptr, 0, r.callback,
                                              r.client_data);
        i++;
        break;
      default:
        bad_kind("Bad button type - ", name, r.label, "XtarvPUSHBUTTON\n");
        r.kind = XtarvPUSHBUTTON;  // built again as a push button on the next pass
        break;
    }
  }
  return pane;
}

// Pane and cascade of a pulldown or popup menu whose rows are at *counter + 1.
static Widget counted_menu(int *counter, Widget parent, const char *label, char mnemonic,
                           ArgList args, Cardinal nargs, Menu_item_rec *rows, int nrows,
                           int tearoff) {
  (*counter)++;
  char *lc = lower_case(label);
  std::string menu_name = std::string(lc ? lc : label) + "Menu";
  Widget pane = XtarvCreateMenu(parent, menu_name.c_str(), rows, nrows, *counter, 0, tearoff);
  std::vector<Arg> a(args, args + nargs);
  a.push_back(Arg{const_cast<char *>(XmNsubMenuId), (XtArgVal)pane});
  Widget cascade = XtarvCreateButton(parent, (menu_name + "Menu").c_str(), label, XtarvCASCADE,
                                     mnemonic, nullptr, nullptr, a.data(),
                                     static_cast<Cardinal>(a.size()));
  (*counter)--;
  free(lc);
  return cascade;
}

Widget XtarvCreatePulldownMenu(Widget parent, const char *label, char mnemonic, ArgList args,
                               Cardinal nargs, Menu_item_rec *rows, int nrows, int tearoff) {
  return counted_menu(&Pulldown_level, parent, label, mnemonic, args, nargs, rows, nrows, tearoff);
}

Widget XtarvCreatePopupMenu(Widget parent, const char *label, ArgList args, Cardinal nargs,
                            Menu_item_rec *rows, int nrows) {
  char mnemonic = label && label[0] ? label[0] : ' ';
  return counted_menu(&Popup_level, parent, label, mnemonic, args, nargs, rows, nrows, 0);
}

Widget XtarvCreateOptionMenu(Widget parent, const char *name, const char *label, ArgList args,
                             Cardinal nargs, Menu_item_rec *rows, int nrows, int tearoff) {
  Pulldown_level++;
  std::string oname = std::string(name) + "OptionMenu";
  Widget pane = XtarvCreateMenu(parent, oname.c_str(), rows, nrows, Pulldown_level, 0, tearoff);
  XmString s = qvn_xmstring(label);
  std::vector<Arg> a(args, args + nargs);
  auto add = [&a](const char *n, XtArgVal v) { a.push_back(Arg{const_cast<char *>(n), v}); };
  add(XmNlabelString, (XtArgVal)s);
  add(XmNmarginHeight, 0);
  add(XmNmarginWidth, 0);
  add(XmNmarginTop, 0);
  add(XmNmarginBottom, 0);
  add(XmNmarginLeft, 0);
  add(XmNmarginRight, 15);
  add(XmNhighlightThickness, 1);
  add(XmNsubMenuId, (XtArgVal)pane);
  Widget om = XmCreateOptionMenu(parent, const_cast<char *>(oname.c_str()), a.data(),
                                 static_cast<Cardinal>(a.size()));
  XmStringFree(s);
  XtManageChild(om);
  if (nrows > 0 && rows[0].widget) XtVaSetValues(om, XmNmenuHistory, rows[0].widget, nullptr);

  std::vector<Arg> ba = {{const_cast<char *>(XmNmarginHeight), 0},
                         {const_cast<char *>(XmNmarginWidth), 0},
                         {const_cast<char *>(XmNmarginTop), 0},
                         {const_cast<char *>(XmNmarginBottom), 0},
                         {const_cast<char *>(XmNmarginLeft), 0},
                         {const_cast<char *>(XmNmarginRight), 15},
                         {const_cast<char *>(XmNhighlightThickness), 1}};
  push_font(ba, XmNfontList);
  XtSetValues(XmOptionButtonGadget(om), ba.data(), static_cast<Cardinal>(ba.size()));
  std::vector<Arg> la = {{const_cast<char *>(XmNmarginHeight), 0},
                         {const_cast<char *>(XmNmarginWidth), 0},
                         {const_cast<char *>(XmNmarginTop), 0},
                         {const_cast<char *>(XmNmarginBottom), 0},
                         {const_cast<char *>(XmNmarginLeft), 0},
                         {const_cast<char *>(XmNmarginRight), 0}};
  push_font(la, XmNfontList);
  XtSetValues(XmOptionLabelGadget(om), la.data(), static_cast<Cardinal>(la.size()));
  Pulldown_level--;
  return om;
}

void XtarvOptionMenuSetState(Widget optmenu, Menu_item_rec *rows, int row, int notify) {
  Widget b = rows[row].widget;
  XtVaSetValues(optmenu, XmNmenuHistory, b, nullptr);
  if (notify) XtCallCallbacks(b, XmNactivateCallback, rows[row].client_data);
}

void XtarvOptionMenuSetByValue(Widget optmenu, Menu_item_rec *rows, XtPointer value,
                               int notify) {
  int i = 0;
  while (rows[i].client_data != value) i++;
  XtarvOptionMenuSetState(optmenu, rows, i, notify);
}

static Widget shown_entry(Widget optmenu) {
  Widget hist = nullptr;
  XtVaGetValues(optmenu, XmNmenuHistory, &hist, nullptr);
  return hist;
}

int XtarvOptionMenuGetState(Widget optmenu, Menu_item_rec *rows, int row) {
  if (!rows) return 1;
  return shown_entry(optmenu) == rows[row].widget ? 1 : 0;
}

int XtarvOptionMenuCurrentState(Widget optmenu, Menu_item_rec *rows) {
  Widget hist = shown_entry(optmenu);
  if (!hist) return -1;
  int i = 0;
  while (rows[i].widget != hist) i++;
  return i;
}

void XtarvOptionMenuSetSensitive(Widget optmenu, int sensitive) {
  XtSetSensitive(XmOptionButtonGadget(optmenu), sensitive ? True : False);
  XtSetSensitive(XmOptionLabelGadget(optmenu), sensitive ? True : False);
}

// ---- dynamic option menus ------------------------------------------------------

int XtarvCreateDynMenuInfo(const char *name, const Menu_item_rec *rows, int nrows,
                           Menu_item_rec **dest) {
  Menu_item_rec *copy =
      static_cast<Menu_item_rec *>(calloc(static_cast<size_t>(nrows > 0 ? nrows : 1), sizeof *copy));
  bool ok = copy != nullptr;
  for (int i = 0; ok && i < nrows; i++) {
    copy[i] = rows[i];
    copy[i].label = strdup(rows[i].label ? rows[i].label : "");
    ok = copy[i].label != nullptr;
  }
  if (!ok) {
    if (copy)
      for (int i = 0; i < nrows; i++) free(const_cast<char *>(copy[i].label));
    free(copy);
    char msg[200];
    snprintf(msg, sizeof msg, "Palette menu info [%s] creation failed.", name ? name : "");
    disperr(msg);
    return -1;
  }
  *dest = copy;
  return 1;
}

void dyn_menu_mnemonics(const char *const *labels, int n, char *out) {
  bool taken[26][2] = {};
  for (int i = 0; i < n; i++) {
    const char *l = labels[i] ? labels[i] : "";
    out[i] = l[0];
    for (const char *p = l; *p; p++) {
      unsigned char c = static_cast<unsigned char>(*p);
      int slot = isalpha(c) ? tolower(c) - 'a' : 0;
      int lower = islower(c) ? 1 : 0;
      if (!taken[slot][lower]) {
        taken[slot][lower] = true;
        out[i] = *p;
        break;
      }
    }
  }
}

// Gives the buttons of rows 0..n-1 their labels and the change callback.
static int relabel_items(Dyn_option_menu_rec *menu, const char *const *labels, int n) {
  Menu_item_rec *rows = menu->rows;
  for (int i = 0; i < n; i++) {
    free(const_cast<char *>(rows[i].label));
    rows[i].label = nullptr;
  }
  std::vector<char> mnem(static_cast<size_t>(n) + 1);
  dyn_menu_mnemonics(labels, n, mnem.data());
  for (int i = 0; i < n; i++) {
    char *copy = strdup(labels[i] ? labels[i] : "");
    if (!copy) {
      disperr("Option palette modification failed.");
      return -1;
    }
    Menu_item_rec &r = rows[i];
    r.label = copy;
    r.mnemonic = mnem[static_cast<size_t>(i)];
    r.callback = menu->change_cb;
    r.client_data = (XtPointer)(intptr_t)i;
    r.kind = XtarvPUSHBUTTON;
    r.level = 0;
    XmString s = qvn_xmstring(copy);
    XtVaSetValues(r.widget, XmNlabelString, s, nullptr);
    XmStringFree(s);
    XtRemoveAllCallbacks(r.widget, XmNactivateCallback);
    if (menu->change_cb) XtAddCallback(r.widget, XmNactivateCallback, menu->change_cb, r.client_data);
  }
  return 1;
}

int XtarvModDynOptionMenu(Dyn_option_menu_rec *menu, const char *const *labels, int n,
                          int rebuild, int extra_count, const XtPointer *extra_vals) {
  if (rebuild == 1) {
    XtVaSetValues(menu->optmenu, XmNmenuHistory, menu->rows[0].widget, nullptr);
    Widget pane = XtParent(menu->rows[0].widget);
    int c = menu->count;
    if (n > c) {
      Menu_item_rec *grown = static_cast<Menu_item_rec *>(
          realloc(menu->rows, static_cast<size_t>(n) * sizeof *grown));
      if (!grown) {
        disperr("Option palette modification failed.");
        return -1;
      }
      menu->rows = grown;
      const Menu_item_rec first = grown[0];
      for (int i = c; i < n; i++) {
        Widget b = XtCreateWidget("ButtonDefaultName", xmPushButtonWidgetClass, pane, nullptr, 0);
        if (first.callback) XtAddCallback(b, XmNactivateCallback, first.callback, first.client_data);
        grown[i] = Menu_item_rec{nullptr, first.mnemonic, first.callback, first.client_data,
                                 first.kind, first.level, b};
      }
      menu->count = static_cast<short>(n);
    }
    for (int i = 0; i < n; i++) XtManageChild(menu->rows[i].widget);
    for (int i = n; i < c; i++) XtUnmanageChild(menu->rows[i].widget);
    if (relabel_items(menu, labels, n) < 0) return -1;
  }
  if (extra_count > n) {
    fprintf(stderr, "Invalid extra_vals_cnt in XtarvModDynOptionMenu.\n");
    return 1;
  }
  for (int j = 0; j < extra_count; j++) {
    Menu_item_rec &r = menu->rows[n - extra_count + j];
    r.client_data = extra_vals[j];
    XtRemoveAllCallbacks(r.widget, XmNactivateCallback);
    if (r.callback) XtAddCallback(r.widget, XmNactivateCallback, r.callback, r.client_data);
  }
  return 1;
}
