// Widget pieces of the part loaders' dialogs (see loader_widgets.h).
#include "data/ui/loader_widgets.h"

#include <Xm/Label.h>
#include <Xm/List.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/TextF.h>

#include <algorithm>

#include "ui/general_windep.h"
#include "ui/widget_helpers.h"

Widget loader_rowcol(Widget parent, const char *name, bool horizontal) {
  Widget_args a;
  a.set(XmNorientation, horizontal ? XmHORIZONTAL : XmVERTICAL);
  return XtCreateManagedWidget(name, xmRowColumnWidgetClass, parent, a.list(), a.count());
}

Widget loader_label(Widget parent, const char *name, const char *text) {
  XmString s = qvn_xmstring(text);
  Widget_args a;
  a.set(XmNlabelString, s).font();
  Widget w = XtCreateManagedWidget(name, xmLabelWidgetClass, parent, a.list(), a.count());
  XmStringFree(s);
  return w;
}

Widget loader_button(Widget parent, const char *name, const char *text, XtCallbackProc cb,
                     XtPointer client) {
  XmString s = qvn_xmstring(text);
  Widget_args a;
  a.set(XmNlabelString, s).font();
  Widget w = XtCreateManagedWidget(name, xmPushButtonWidgetClass, parent, a.list(), a.count());
  XmStringFree(s);
  if (cb) XtAddCallback(w, XmNactivateCallback, cb, client);
  return w;
}

Widget loader_text(Widget parent, const char *name, int columns, int maxlen, bool editable) {
  Widget_args a;
  a.set(XmNmaxLength, maxlen).set(XmNeditable, editable ? True : False).font();
  if (columns > 0) a.set(XmNcolumns, columns);
  Widget w = XtCreateManagedWidget(name, xmTextFieldWidgetClass, parent, a.list(), a.count());
  XtAddCallback(w, XmNfocusCallback, XtarvTextFocus, nullptr);
  XtAddCallback(w, XmNlosingFocusCallback, XtarvTextUnfocus, nullptr);
  return w;
}

Widget loader_list(Widget parent, const char *name, unsigned char policy, int rows) {
  Widget_args a;
  a.set(XmNselectionPolicy, policy).set(XmNvisibleItemCount, rows).font();
  Widget w = XmCreateScrolledList(parent, const_cast<char *>(name), a.list(), a.count());
  XtManageChild(w);
  return w;
}

int loader_row_of(Menu_item_rec *rows, int nrows, int value) {
  for (int i = 0; i < nrows; i++)
    if ((int)(long)rows[i].client_data == value) return i;
  return -1;
}

int loader_shown_value(Widget optmen, Menu_item_rec *rows, int fallback) {
  int row = XtarvOptionMenuCurrentState(optmen, rows);
  return row >= 0 ? (int)(long)rows[row].client_data : fallback;
}

void loader_set_list(Widget w, const std::vector<std::string> &items) {
  XmListDeleteAllItems(w);
  for (const std::string &s : items) {
    XmString x = qvn_xmstring(s.c_str());
    XmListAddItemUnselected(w, x, 0);
    XmStringFree(x);
  }
}

void loader_selected(Widget w, std::vector<int> *out) {
  out->clear();
  if (!w) return;
  int *pos = nullptr, n = 0;
  if (XmListGetSelectedPos(w, &pos, &n)) {
    out->assign(pos, pos + n);
    XtFree((char *)pos);
  }
  std::sort(out->begin(), out->end());
}

std::string loader_get_text(Widget w) {
  std::string out;
  if (!w) return out;
  char *t = XmTextFieldGetString(w);
  if (t) out = t;
  XtFree(t);
  return out;
}

void loader_put_text(Widget w, const char *text) {
  if (w) XmTextFieldSetString(w, const_cast<char *>(text));
}

void loader_domain_rows(Widget optmen, Menu_item_rec *rows, int inside, int outside, int shown) {
  XtSetSensitive(rows[0].widget, inside ? True : False);
  XtSetSensitive(rows[1].widget, outside ? True : False);
  int row = loader_row_of(rows, 3, shown);
  if (row >= 0) XtarvOptionMenuSetState(optmen, rows, row, 0);
}
