// Case menu (see case_menu.h). Owns Case_menu; its radio items' widgets are
// stored in the rows when the menu is built and follow the case table
// through caselist_updt and case_select_pos.
#include "ui/case_menu.h"

#include <Xm/ToggleB.h>
#include <Xm/ToggleBG.h>

#include "client/cases.h"
#include "ui/general_windep.h"
#include "ui/widget_helpers.h"
#include "view/viewports.h"

#define RADIO(n) {"Case " #n, 'x', case_selectCB, (XtPointer)n, XtarvONEOFMANY, 0, nullptr}
Menu_item_rec Case_menu[CASE_MENU_ROWS] = {
    RADIO(1),  RADIO(2),  RADIO(3),  RADIO(4),  RADIO(5),  RADIO(6),  RADIO(7),  RADIO(8),
    RADIO(9),  RADIO(10), RADIO(11), RADIO(12), RADIO(13), RADIO(14), RADIO(15), RADIO(16),
};
#undef RADIO

Widget Case_viewpvis_dialog = nullptr;

static Widget radio_item(int position) {
  if (position < 1 || position > MAX_CASES) return nullptr;
  return Case_menu[CASE_MENU_RADIO0 + position - 1].widget;
}

void create_case_interf(Widget menubar) {
  XtManageChild(
      XtarvCreatePulldownMenu(menubar, "Case", 'C', nullptr, 0, Case_menu, CASE_MENU_ROWS, 0));
  for (int p = 2; p <= MAX_CASES; p++) XtUnmanageChild(radio_item(p));
  XmToggleButtonSetState(radio_item(1), True, False);
}

void case_selectCB(Widget w, XtPointer client, XtPointer call) {
  auto *cb = static_cast<XmToggleButtonCallbackStruct *>(call);
  int position = (int)(long)client;
  if (cb && cb->set) {
    case_select_pos(position, 0);
    case_select(case_list_to_tblindex(position), 0);
  } else {
    XmToggleButtonSetState(w, True, False);
  }
}

void case_select_pos(int position, int notify) {
  for (int p = 1; p <= MAX_CASES; p++) {
    Widget w = radio_item(p);
    if (w && p != position) XmToggleButtonSetState(w, False, False);
  }
  Widget on = radio_item(position);
  if (on) XmToggleButtonSetState(on, True, notify ? True : False);
}

int case_which_selected() {
  for (int p = 1; p <= MAX_CASES; p++) {
    Widget w = radio_item(p);
    if (w && XmToggleButtonGetState(w)) return p;
  }
  return -1;
}

void caselist_updt() {
  int p = 0;
  for (int s = 0; s < MAX_CASES; s++) {
    if (!Case_info[s].active) continue;
    Widget w = radio_item(++p);
    if (!w) continue;
    Xtarv_switch_label(w, Case_info[s].name, XtarvONEOFMANY);
    XtManageChild(w);
  }
  for (p++; p <= MAX_CASES; p++)
    if (radio_item(p)) XtUnmanageChild(radio_item(p));
}

int case_menu_shown_count() {
  int n = 0;
  for (int p = 1; p <= MAX_CASES; p++)
    if (radio_item(p) && XtIsManaged(radio_item(p))) n++;
  return n;
}

void case_viewpvis_init(int) {
  if (Case_viewpvis_dialog && XtIsManaged(Case_viewpvis_dialog)) draw_part_viewport_vis_gl(14);
}
