// Case menu (see case_menu.h). Owns Case_menu; its radio items' widgets are
// stored in the rows when the menu is built and follow the case table
// through caselist_updt and case_select_pos.
#include "ui/case_menu.h"

#include <Xm/ArrowB.h>
#include <Xm/AtomMgr.h>
#include <Xm/Form.h>
#include <Xm/LabelG.h>
#include <Xm/Protocols.h>
#include <Xm/ToggleB.h>
#include <Xm/ToggleBG.h>

#include "client/cases.h"
#include "data/data_dlog.h"
#include "data/ui/data_windep.h"
#include "parts/part_deteditor.h"
#include "parts/ui/part_detedit_windep.h"
#include "render/disobj.h"
#include "ui/dialog_frame.h"
#include "ui/file_select.h"
#include "ui/general_windep.h"
#include "ui/interf_init.h"
#include "ui/main_window.h"
#include "ui/part_list.h"
#include "ui/textc_windep.h"
#include "ui/widgen.h"
#include "ui/widget_helpers.h"
#include "ui/window_codes.h"
#include "variables/variables.h"
#include "view/viewports.h"
#include "view/ui/viewport_panel.h"

#define RADIO(n) {"Case " #n, 'x', case_selectCB, (XtPointer)n, XtarvONEOFMANY, 0, nullptr}
Menu_item_rec Case_menu[CASE_MENU_ROWS] = {
    {"Add, Replace, Delete...", 'A', case_intf_manageCB, (XtPointer)0, XtarvPUSHBUTTON, 0, nullptr},
    {"Viewport Visibility...", 'V', case_viewpvis_manageCB, (XtPointer)0, XtarvPUSHBUTTON, 0,
     nullptr},
    {"Restrict List Info. Per Case", 'R', case_listdisplay_chngCB, (XtPointer)0,
     XtarvTOGGLEBUTTON, 0, nullptr},
    {"Separator", 'S', okcallback, (XtPointer)0, XtarvSEPARATOR, 0, nullptr},
    RADIO(1),  RADIO(2),  RADIO(3),  RADIO(4),  RADIO(5),  RADIO(6),  RADIO(7),  RADIO(8),
    RADIO(9),  RADIO(10), RADIO(11), RADIO(12), RADIO(13), RADIO(14), RADIO(15), RADIO(16),
};
#undef RADIO

Widget Case_viewpvis_dialog = nullptr;
Widget Case_viewpvis_lbl = nullptr;

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

// ---- entries of the menu ------------------------------------------------------------------

void case_intf_manageCB(Widget, XtPointer, XtPointer) {
  data_select_fileCB(nullptr, nullptr, nullptr);
  if (!Fileselect_case_arobut) return;
  XtVaSetValues(Fileselect_case_arobut, XmNarrowDirection, XmARROW_DOWN, nullptr);
  fsel_caseexpand_routCB(Fileselect_case_arobut, (XtPointer)1, nullptr);
}

void case_addCB(Widget, XtPointer from_command, XtPointer) { case_add((int)(long)from_command); }
void case_replaceCB(Widget, XtPointer from_command, XtPointer) {
  case_replace((int)(long)from_command);
}
void case_deleteCB(Widget, XtPointer from_command, XtPointer) {
  case_delete((int)(long)from_command);
}

void case_listdisplay_chngCB(Widget w, XtPointer, XtPointer) {
  int s = XmToggleButtonGetState(w) ? 1 : 0;
  Var_listbycase = s;
  Prtfrm_listbytype = Part_listbytype = s ? 1 : 0;
  var_mainlist_updt();
  var_dialog_refresh();
  mainprt_list_refresh();
  part_list_refresh();
}

// ---- viewport-visibility dialog -------------------------------------------------------------

void case_viewpvis_closeCB(Widget, XtPointer, XtPointer) {
  if (Case_viewpvis_dialog) XtUnmanageChild(Case_viewpvis_dialog);
}

void case_viewpvis_manageCB(Widget, XtPointer, XtPointer) {
  if (!Case_viewpvis_dialog) case_genviewpvis_dialog();
  if (!Case_viewpvis_dialog) return;
  XtManageChild(Case_viewpvis_dialog);
  case_viewpvis_init(Case_num);
}

void case_genviewpvis_dialog() {
  if (Case_viewpvis_dialog || !Main_win[0]) return;
  // The main window's position plus the pointer's position on the screen.
  Position x = 0, y = 0;
  place_near_pointer(Main_win[0], 1, 10 * Menu_font_size, 2 * Menu_font_size, PLACE_CLAMP,
                     PLACE_CLAMP, &x, &y);
  Arg a[8];
  Cardinal n = 0;
  XmString title = qvn_xmstring("Case Visible In Which Viewport?");
  XtSetArg(a[n], XmNdialogTitle, title); n++;
  XtSetArg(a[n], XmNx, x); n++;
  XtSetArg(a[n], XmNy, y); n++;
  XtSetArg(a[n], XmNdefaultPosition, False); n++;
  XtSetArg(a[n], XmNautoUnmanage, False); n++;
  XtSetArg(a[n], XmNdeleteResponse, XmDO_NOTHING); n++;
  Case_viewpvis_dialog =
      XmCreateFormDialog(Main_win[0], const_cast<char *>("CaseViewpVisDialog"), a, n);
  XmStringFree(title);
  Atom wm_delete =
      XmInternAtom(XtDisplay(Main_win[0]), const_cast<char *>("WM_DELETE_WINDOW"), False);
  XmAddWMProtocolCallback(XtParent(Case_viewpvis_dialog), wm_delete, case_viewpvis_closeCB,
                          nullptr);

  XmString text = qvn_xmstring("Visible In Viewport(s)");
  n = 0;
  XtSetArg(a[n], XmNlabelString, text); n++;
  XtSetArg(a[n], XmNtopAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNtopOffset, 5); n++;
  XtSetArg(a[n], XmNleftAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNleftOffset, 10 * Menu_font_size); n++;
  XtSetArg(a[n], XmNrightAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNrightOffset, 10 * Menu_font_size); n++;
  if (Fixedfont && Menufont) {
    XtSetArg(a[n], XmNfontList, Menufont); n++;
  }
  Case_viewpvis_lbl = XtCreateManagedWidget("CaseViewpVisLabel", xmLabelGadgetClass,
                                            Case_viewpvis_dialog, a, n);
  XmStringFree(text);

  n = 0;
  XtSetArg(a[n], XmNtopAttachment, XmATTACH_WIDGET); n++;
  XtSetArg(a[n], XmNtopWidget, Case_viewpvis_lbl); n++;
  XtSetArg(a[n], XmNleftAttachment, XmATTACH_OPPOSITE_WIDGET); n++;
  XtSetArg(a[n], XmNleftWidget, Case_viewpvis_lbl); n++;
  XtSetArg(a[n], XmNwidth, 125); n++;
  XtSetArg(a[n], XmNheight, 110); n++;
  Widget area = gwin_caseviewpvis_create(Case_viewpvis_dialog, a, n);
  if (area) {
    // The picker of this dialog is handled here in full: press, apply, record.
    XtRemoveAllCallbacks(area, XmNinputCallback);
    XtAddCallback(area, XmNinputCallback, case_viewpvis_inputCB, nullptr);
  }

  n = 0;
  XtSetArg(a[n], XmNtopAttachment, XmATTACH_WIDGET); n++;
  XtSetArg(a[n], XmNtopWidget, area ? area : Case_viewpvis_lbl); n++;
  XtSetArg(a[n], XmNtopOffset, 10); n++;
  XtSetArg(a[n], XmNleftAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNleftOffset, 10); n++;
  XtSetArg(a[n], XmNbottomAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNbottomOffset, 5); n++;
  Widget close = add_button(Case_viewpvis_dialog, "Close", case_viewpvis_closeCB, nullptr, a, n);
  dialog_keys(Case_viewpvis_dialog, close, close);
  keep_on_screen(Case_viewpvis_dialog);
}

int case_viewpvis_pick(int x, int y, int width, int height) {
  if (width <= 0 || height <= 0) return -1;
  float fx = (float)x / (float)width, fy = 1.0f - (float)y / (float)height;
  int hit = -1;
  for (int v = 0; v < MAX_VIEWPORTS; v++) {
    const Viewport_rec &vp = Viewports[v];
    const float *a = vp.attributes;
    float x0 = a[VP_ORIGIN_X], y0 = a[VP_ORIGIN_Y];
    if (vp.in_use && fx >= x0 && fx <= x0 + a[VP_WIDTH] && fy >= y0 && fy <= y0 + a[VP_HEIGHT])
      hit = v;
  }
  return hit;
}

int case_viewpvis_toggle(int v) {
  if (v < 0 || v >= MAX_VIEWPORTS || !Viewports[v].in_use) return -1;
  int mask = 0;
  parts_visible_by_case(Case_num, &mask, 0);
  mask ^= 1 << v;
  parts_visible_by_case(Case_num, &mask, 1);
  viewports_display_all();
  case_viewportvis_chng();
  return 1;
}

void case_viewpvis_inputCB(Widget w, XtPointer, XtPointer call) {
  auto *cb = static_cast<XmAnyCallbackStruct *>(call);
  if (!cb || !cb->event || cb->event->type != ButtonPress) return;
  Dimension width = 0, height = 0;
  XtVaGetValues(w, XmNwidth, &width, XmNheight, &height, nullptr);
  case_viewpvis_toggle(
      case_viewpvis_pick(cb->event->xbutton.x, cb->event->xbutton.y, width, height));
  draw_part_viewport_vis_gl(14);
}
