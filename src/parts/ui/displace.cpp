// Displace panel (see displace.h).
#include "parts/ui/displace.h"

#include <Xm/Form.h>
#include <Xm/LabelG.h>
#include <Xm/List.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/TextF.h>

#include <cstdio>
#include <cstdlib>

#include "parts/attribute.h"
#include "parts/qedit_part.h"
#include "parts/read.h"
#include "ui/feature_icons.h"
#include "ui/general_windep.h"
#include "ui/help_menu.h"
#include "ui/main_toggles.h"
#include "ui/menus.h"
#include "ui/textc_windep.h"
#include "variables/ui/variables_windep.h"
#include "variables/var_table.h"

#define DISPLACE_FEATURE 11  // row of Feature_tbl and of the panels' variable lists
#define DISPLACE_LIST_KIND 2 // the list shows every variable

Menu_item_rec Featintr_dispby_menu[2] = {
    {"Variable", 'V', intrdisplace_by_chngCB, (XtPointer)1L, 1, 0, nullptr},
    {"None", 'N', intrdisplace_by_chngCB, (XtPointer)0L, 1, 0, nullptr}};
Widget Featintr_dispby_optmen = nullptr;
Widget Featintr_dispfactor_text = nullptr;
Widget Featintr_dispvar_list = nullptr;
static Widget Disp_form = nullptr;

// Attaches w below above (the form's top when null).
static void below(Widget w, Widget above) {
  XtVaSetValues(w, XmNtopAttachment, above ? XmATTACH_WIDGET : XmATTACH_FORM, XmNtopWidget, above,
                XmNtopOffset, 5, XmNleftAttachment, XmATTACH_FORM, XmNleftOffset, 5, nullptr);
}

static Widget button(Widget parent, const char *name, const char *text, XtCallbackProc cb,
                     XtPointer client) {
  XmString s = qvn_xmstring(text);
  Widget b = XtVaCreateManagedWidget(name, xmPushButtonWidgetClass, parent, XmNlabelString, s,
                                     nullptr);
  XmStringFree(s);
  XtAddCallback(b, XmNactivateCallback, cb, client);
  return b;
}

static void gen_sect(Widget parent) {
  Disp_form = XmCreateForm(parent, const_cast<char *>("PartIntrDispForm"), nullptr, 0);
  Featintr_dispby_optmen = XtarvCreateOptionMenu(Disp_form, "PartIntrDisp", "Displace By", nullptr,
                                                 0, Featintr_dispby_menu, 2, 0);
  below(Featintr_dispby_optmen, nullptr);
  XtManageChild(Featintr_dispby_optmen);

  Arg a[4];
  Cardinal n = 0;
  const int width = 23 * (Menu_font_width > 0 ? Menu_font_width : 8);
  XtSetArg(a[n], XmNwidth, width); n++;
  XtSetArg(a[n], XmNvisibleItemCount, 6); n++;
  XtSetArg(a[n], XmNselectionPolicy, XmSINGLE_SELECT); n++;
  XtSetArg(a[n], XmNlistSizePolicy, XmCONSTANT); n++;
  Featintr_dispvar_list =
      XmCreateScrolledList(Disp_form, const_cast<char *>("PartIntrDispVarList"), a, n);
  XtAddCallback(Featintr_dispvar_list, XmNsingleSelectionCallback, main_varlist_selectCB, nullptr);
  XtAddCallback(Featintr_dispvar_list, XmNdefaultActionCallback, main_varlist_selectdblCB, nullptr);
  below(XtParent(Featintr_dispvar_list), Featintr_dispby_optmen);
  XtManageChild(Featintr_dispvar_list);
  Main_var_lists[DISPLACE_FEATURE] = Featintr_dispvar_list;
  Main_var_liststype[DISPLACE_FEATURE] = DISPLACE_LIST_KIND;

  Widget row = XtVaCreateManagedWidget("PartIntrDispFactRow", xmRowColumnWidgetClass, Disp_form,
                                       XmNorientation, XmHORIZONTAL, nullptr);
  below(row, XtParent(Featintr_dispvar_list));
  XmString s = qvn_xmstring("Displacement Factor");
  XtVaCreateManagedWidget("PartIntrDispFactLabel", xmLabelGadgetClass, row, XmNlabelString, s,
                          nullptr);
  XmStringFree(s);
  Featintr_dispfactor_text = XtVaCreateManagedWidget("PartIntrDispFact", xmTextFieldWidgetClass,
                                                     row, XmNcolumns, 12, nullptr);
  XtAddCallback(Featintr_dispfactor_text, XmNactivateCallback, intrdisplace_factor_chngCB, nullptr);

  Widget apply = button(Disp_form, "PartIntrDispUpdtButton", "  Apply New Variable  ",
                        intrdisplace_by_chngCB, (XtPointer)1L);
  below(apply, row);
  Widget help = button(Disp_form, "PartIntrUpdtHelpButton", "  Help...  ", info_manCB,
                       (XtPointer) "HT-Viz-Displacement");
  below(help, apply);
  Feature_tbl[DISPLACE_FEATURE].panel = Disp_form;
}

// The list's items: the variables at the positions of its kind.
static void fill_list() {
  var_mainlist_updt();
  XmListDeleteAllItems(Featintr_dispvar_list);
  for (int pos = 1;; pos++) {
    int row = var_index_from_pos(pos, DISPLACE_LIST_KIND, Var_listbycase);
    if (row < 0) break;
    XmString s = qvn_xmstring(Variables[row].name);
    XmListAddItemUnselected(Featintr_dispvar_list, s, 0);
    XmStringFree(s);
  }
}

static int row_of_id(int id) {
  for (int r = 0; Variables && r < Var_avail_cnt; r++)
    if (Variables[r].id == id) return r;
  return -1;
}

void intrdisplace_init_sect(int part) {
  if (!Disp_form) return;
  float a[PART_ATTR_SLOTS];
  if (part_attributes(part < 0 ? -1 : part, 0, a, nullptr, nullptr, nullptr, 0) != 1) return;
  fill_list();
  const int id = our_rint(a[SLOT_DISPLACE_BY]);
  if (part != -1 && id != -1) {
    XmListDeselectAllItems(Featintr_dispvar_list);
    int row = row_of_id(id), pos = -1;
    if (row >= 0 && Variables[row].active)
      pos = var_pos_from_uniqid(Variables[row].unique_id, DISPLACE_LIST_KIND, Var_listbycase);
    const int item = pos >= 0 ? pos + 1 : 1;
    XmListSelectPos(Featintr_dispvar_list, item, False);
    XmListSetPos(Featintr_dispvar_list, item);
  }
  XtarvOptionMenuSetState(Featintr_dispby_optmen, Featintr_dispby_menu, id != -1 ? 0 : 1, 0);
  char buf[32];
  snprintf(buf, sizeof buf, "%.4e", a[SLOT_DISPLACE_FACTOR]);
  XmTextFieldSetString(Featintr_dispfactor_text, buf);
}

int intrdisplace_geninit_sect(Widget parent, int count, int *, int *numbers) {
  if (!parent && !Disp_form) return 0;
  if (!Disp_form) gen_sect(parent);
  intrdisplace_init_sect(count > 0 && numbers ? numbers[0] : -1);
  return 1;
}

void intrdisplace_by_chngCB(Widget, XtPointer value, XtPointer) {
  int *positions = nullptr, count = 0, row = -1;
  if (Featintr_dispvar_list &&
      XmListGetSelectedPos(Featintr_dispvar_list, &positions, &count) && count == 1)
    row = var_index_from_pos(positions[0], DISPLACE_LIST_KIND, Var_listbycase);
  XtFree(reinterpret_cast<char *>(positions));
  intrdisplace_by_chng((int)(long)value, count, row);
}

void intrdisplace_factor_chngCB(Widget w, XtPointer, XtPointer) {
  char *text = XmTextFieldGetString(w);
  intrdisplace_factor_chng(text);
  XtFree(text);
}
