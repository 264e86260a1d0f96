// Widget pieces of the part loaders' dialogs (see loader_widgets.h).
#include "data/ui/loader_widgets.h"

#include <Xm/ArrowB.h>
#include <Xm/AtomMgr.h>
#include <Xm/Form.h>
#include <Xm/Protocols.h>
#include <Xm/Label.h>
#include <Xm/List.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/TextF.h>

#include <algorithm>

#include "data/partbuild.h"
#include "ui/file_select.h"
#include "ui/general_windep.h"
#include "ui/interf_init.h"
#include "ui/widgen.h"
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

std::string loader_get_text(Widget w) { return fsel_get_text(w); }

void loader_put_text(Widget w, const char *text) {
  if (w) XmTextFieldSetString(w, const_cast<char *>(text));
}

void loader_domain_rows(Widget optmen, Menu_item_rec *rows, int inside, int outside, int shown) {
  XtSetSensitive(rows[0].widget, inside ? True : False);
  XtSetSensitive(rows[1].widget, outside ? True : False);
  int row = loader_row_of(rows, 3, shown);
  if (row >= 0) XtarvOptionMenuSetState(optmen, rows, row, 0);
}

void loader_iblank_section(Widget parent, const Loader_iblank_names &n, int sect_row,
                           XtCallbackProc expand, XtCallbackProc create, Loader_iblank_widgets *out) {
  out->rowcol = loader_rowcol(parent, n.rowcol, false);
  Widget head = loader_rowcol(out->rowcol, n.head, true);
  out->arrow = XtVaCreateManagedWidget(n.arrow, xmArrowButtonWidgetClass, head, XmNarrowDirection,
                                       Sectinfo_tbl[sect_row].open ? XmARROW_DOWN : XmARROW_RIGHT,
                                       nullptr);
  XtAddCallback(out->arrow, XmNactivateCallback, expand, (XtPointer)0);
  loader_label(head, n.label, "Iblanked Part Creation");
  out->info_form = XtCreateWidget(n.info_form, xmRowColumnWidgetClass, out->rowcol, nullptr, 0);
  Widget f = out->info_form;
  loader_label(f, n.parent_label, "Structured Part(s) To Be \nParent Of Iblanked Part");
  out->parent_list = loader_list(f, n.parent_list, n.parent_policy, n.rows);
  loader_label(f, n.values_label, "Iblank Values  \nFor Entire Mesh");
  out->values_list = loader_list(f, n.values_list, n.values_policy, n.rows);
  loader_label(f, n.desc_label, "Iblank Part Description");
  out->desc_text = loader_text(f, n.desc_text, 30, PBLD_DESC_LEN - 1);
  loader_button(f, n.create, "Create And Load Iblanked Unstructured Part", create, nullptr);
}

Widget loader_form_dialog(int row, const char *name, const char *title, XtCallbackProc close_cb) {
  Arg a[12];
  XmString wtitle = nullptr;
  Cardinal n = widgen_apply_args(row, a, 0, &wtitle);
  XtSetArg(a[n], XmNautoUnmanage, False); n++;
  XtSetArg(a[n], XmNdeleteResponse, XmDO_NOTHING); n++;
  Widget d = XmCreateFormDialog(Main_win[0], const_cast<char *>(name), a, n);
  XmStringFree(wtitle);
  if (title) {
    XmString t = qvn_xmstring(title);
    XtVaSetValues(d, XmNdialogTitle, t, nullptr);
    XmStringFree(t);
  }
  Atom wm_delete = XmInternAtom(XtDisplay(Main_win[0]), const_cast<char *>("WM_DELETE_WINDOW"), False);
  XmAddWMProtocolCallback(XtParent(d), wm_delete, close_cb, nullptr);
  return d;
}

Widget loader_range_grid(Widget parent, const Loader_range_names &n, Widget ftstp[9], Widget minmax[6]) {
  loader_label(parent, n.label, "Using Node Ranges:");
  Widget grid = loader_rowcol(parent, n.grid, false);
  Widget head = loader_rowcol(grid, n.head, true);
  for (const char *t : {" ", "From", "To", "Step", "Min", "Max"}) loader_label(head, n.col_label, t);
  static const char *const axes[3] = {"I", "J", "K"};
  for (int a = 0; a < 3; a++) {
    Widget row = loader_rowcol(grid, n.row, true);
    loader_label(row, n.row_label, axes[a]);
    for (int k = 0; k < 3; k++) ftstp[a * 3 + k] = loader_text(row, n.from_to_step, 6, 10);
    for (int k = 0; k < 2; k++) minmax[a * 2 + k] = loader_text(row, n.min_max, 6, 10, false);
  }
  return grid;
}

Widget *loader_field_widget(const Loader_dialog_widgets &d, int f) {
  if (f == GEN_FANGLE) return d.fangle;
  if (f == GEN_ST_DESC) return d.st_desc;
  if (f == GEN_IBLANK_DESC) return d.iblank_desc;
  if (f >= GEN_RANGE && f < GEN_RANGE + 9) return &d.ranges[f - GEN_RANGE];
  if (f >= GEN_MINMAX && f < GEN_MINMAX + 6) return &d.minmax[f - GEN_MINMAX];
  return nullptr;
}
