// The tool-position area's widgets (see transf_feedback_windep.h): the
// feedback logic reads and fills them through its hooks.
#include "view/ui/transf_feedback_windep.h"

#include <Xm/Label.h>
#include <Xm/List.h>
#include <Xm/ScrollBar.h>
#include <Xm/TextF.h>

#include <cstdio>

#include "view/transf_feedback.h"
#include "view/ui/transf_dialog.h"

Widget Feedback_label = nullptr;
Widget Feedback_cur_lbl[3], Feedback_cur_text[3];
Widget Feedback_lin_lbl[3], Feedback_lin_text[6], Feedback_linlength_text = nullptr;
Widget Feedback_pln_lbl[3], Feedback_pln_text[9], Feedback_plneq_text[4];
Widget Feedback_cylcon_origtxtf[3], Feedback_cylcon_axisvtxtf[3];
Widget Feedback_cylcon_radangtxtf = nullptr, Feedback_cylcon_radanglbl = nullptr;
Widget Feedback_revsect_info = nullptr;
Widget Feedback_rev_origtxtf[3], Feedback_rev_axisvtxtf[3];
Widget Feedback_rev_distlist = nullptr, Feedback_rev_radlist = nullptr;
Widget Feedback_rev_listscrlbar = nullptr;
Widget Feedback_rev_disttxtf = nullptr, Feedback_rev_radtxtf = nullptr;

namespace {

// The widget of a field, null when it does not exist.
Widget field_widget(int field, int index) {
  auto pick = [index](Widget *array, int n) { return index >= 0 && index < n ? array[index] : nullptr; };
  switch (field) {
    case FDBK_LABEL: return Feedback_label;
    case FDBK_CUR_LBL: return pick(Feedback_cur_lbl, 3);
    case FDBK_CUR_TEXT: return pick(Feedback_cur_text, 3);
    case FDBK_LIN_LBL: return pick(Feedback_lin_lbl, 3);
    case FDBK_LIN_TEXT: return pick(Feedback_lin_text, 6);
    case FDBK_LINLENGTH_TEXT: return Feedback_linlength_text;
    case FDBK_PLN_LBL: return pick(Feedback_pln_lbl, 3);
    case FDBK_PLN_TEXT: return pick(Feedback_pln_text, 9);
    case FDBK_PLNEQ_TEXT: return pick(Feedback_plneq_text, 4);
    case FDBK_CYLCON_ORIG: return pick(Feedback_cylcon_origtxtf, 3);
    case FDBK_CYLCON_AXIS: return pick(Feedback_cylcon_axisvtxtf, 3);
    case FDBK_CYLCON_RADANG: return Feedback_cylcon_radangtxtf;
    case FDBK_CYLCON_RADANGLBL: return Feedback_cylcon_radanglbl;
    case FDBK_REV_ORIG: return pick(Feedback_rev_origtxtf, 3);
    case FDBK_REV_AXIS: return pick(Feedback_rev_axisvtxtf, 3);
    case FDBK_REV_DIST: return Feedback_rev_disttxtf;
    case FDBK_REV_RAD: return Feedback_rev_radtxtf;
    default: return nullptr;
  }
}

int shown() { return Transformation_dialog && XtIsManaged(Transformation_dialog) ? 1 : 0; }

int get(int field, int index, char *buf, int size) {
  Widget w = field_widget(field, index);
  if (!w || !XmIsTextField(w)) return 0;
  char *text = XmTextFieldGetString(w);
  snprintf(buf, size, "%s", text ? text : "");
  XtFree(text);
  return 1;
}

void set(int field, int index, const char *text) {
  Widget w = field_widget(field, index);
  if (!w) return;
  if (XmIsTextField(w)) {
    XmTextFieldSetString(w, const_cast<char *>(text));
  } else {
    XmString s = XmStringCreateLtoR(const_cast<char *>(text), XmFONTLIST_DEFAULT_TAG);
    XtVaSetValues(w, XmNlabelString, s, nullptr);
    XmStringFree(s);
  }
}

int rev_shown() { return Feedback_revsect_info && XtIsManaged(Feedback_revsect_info) ? 1 : 0; }

bool lists() { return Feedback_rev_distlist && Feedback_rev_radlist; }

void add_items(Widget list, int n, const char *const *texts) {
  for (int k = 0; k < n; k++) {
    XmString s = XmStringCreateLocalized(const_cast<char *>(texts[k]));
    XmListAddItemUnselected(list, s, 0);
    XmStringFree(s);
  }
}

void rev_fill(int n, const char *const *distances, const char *const *radii) {
  if (!lists()) return;
  XmListDeleteAllItems(Feedback_rev_distlist);
  XmListDeleteAllItems(Feedback_rev_radlist);
  add_items(Feedback_rev_distlist, n, distances);
  add_items(Feedback_rev_radlist, n, radii);
}

void rev_scrollbar(int *minimum, int *maximum, int *slider, int *value, int mode) {
  if (!Feedback_rev_listscrlbar) return;
  if (mode == 0) {
    XtVaGetValues(Feedback_rev_listscrlbar, XmNminimum, minimum, XmNmaximum, maximum,
                  XmNsliderSize, slider, XmNvalue, value, nullptr);
    return;
  }
  // The scroll bar needs a range wider than its slider.
  const int top = *maximum > *minimum + *slider - 1 ? *maximum : *minimum + *slider;
  int v = *value < *minimum ? *minimum : *value;
  if (v > top - *slider) v = top - *slider;
  XtVaSetValues(Feedback_rev_listscrlbar, XmNminimum, *minimum, XmNmaximum, top, XmNsliderSize,
                *slider, XmNvalue, v, nullptr);
}

void rev_select(int position, int notify) {
  if (!lists()) return;
  XmListDeselectAllItems(Feedback_rev_radlist);
  XmListSelectPos(Feedback_rev_radlist, position, False);
  XmListDeselectAllItems(Feedback_rev_distlist);
  XmListSelectPos(Feedback_rev_distlist, position, notify ? True : False);
}

void rev_select_one(int position, int distance_list) {
  Widget list = distance_list ? Feedback_rev_distlist : Feedback_rev_radlist;
  if (!list) return;
  XmListDeselectAllItems(list);
  XmListSelectPos(list, position, False);
}

void rev_top(int position) {
  if (!lists()) return;
  XmListSetPos(Feedback_rev_distlist, position);
  XmListSetPos(Feedback_rev_radlist, position);
}

void rev_replace(int position, const char *distance, const char *radius) {
  if (!lists()) return;
  XmString d = XmStringCreateLocalized(const_cast<char *>(distance));
  XmString r = XmStringCreateLocalized(const_cast<char *>(radius));
  XmListReplaceItemsPos(Feedback_rev_distlist, &d, 1, position);
  XmListReplaceItemsPos(Feedback_rev_radlist, &r, 1, position);
  XmStringFree(d);
  XmStringFree(r);
}

}  // namespace

void transf_feedback_windep_install() {
  Transf_feedback_windep.shown = shown;
  Transf_feedback_windep.get = get;
  Transf_feedback_windep.set = set;
  Transf_feedback_windep.rev_shown = rev_shown;
  Transf_feedback_windep.rev_fill = rev_fill;
  Transf_feedback_windep.rev_scrollbar = rev_scrollbar;
  Transf_feedback_windep.rev_select = rev_select;
  Transf_feedback_windep.rev_select_one = rev_select_one;
  Transf_feedback_windep.rev_top = rev_top;
  Transf_feedback_windep.rev_replace = rev_replace;
}

void transf_feedback_updtCB(Widget, XtPointer, XtPointer) { transf_feedback_updt(); }
void transf_feedbacklinelength_updtCB(Widget, XtPointer, XtPointer) {
  transf_feedbacklinelength_updt();
}
void quad_revoraddist_chngCB(Widget, XtPointer, XtPointer) { quad_revoraddist_chng(); }
void quad_revo_deleteselpointCB(Widget, XtPointer, XtPointer) { quad_revo_deleteselpoint(); }

void quad_revoselect_itemCB(Widget, XtPointer client, XtPointer call) {
  auto *cbs = static_cast<XmListCallbackStruct *>(call);
  if (cbs) quad_revoselect_item(cbs->item_position, (int)(long)client);
}
