// Main window toggles, view buttons and part-list windows (see
// main_toggles.h).  Owns the large part list's widgets and the saved main
// window pair; the toggles themselves are built by the main window.
#include "ui/dialog_frame.h"
#include "ui/main_toggles.h"

#include <Xm/Form.h>
#include <Xm/Label.h>
#include <Xm/List.h>
#include <Xm/ScrollBar.h>
#include <Xm/ToggleB.h>

#include "interact/support.h"
#include "interact/tools.h"
#include "interact/ui/tools_menu.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/ui/view_menu.h"
#include "render/view_toggles.h"
#include "ui/detail_editor.h"
#include "ui/feature_icons.h"
#include "ui/general_windep.h"
#include "ui/interf_init.h"
#include "ui/main_intf.h"
#include "ui/main_window.h"
#include "ui/message_window.h"
#include "ui/part_list.h"
#include "ui/qedit_icons.h"
#include "ui/textc_windep.h"
#include "ui/widgen.h"
#include "variables/var_table.h"
#include "view/frames.h"
#include "view/ui/frame_panel.h"
#include "view/transf_editor.h"
#include "view/ui/transf_dialog.h"

Widget Main_small_partlist = nullptr;
Widget Main_small_partindiclist = nullptr;
Widget Main_small_partvertscrollbar = nullptr;
Widget Main_large_partlist_dialog = nullptr;
Widget Main_large_partlist = nullptr;
Widget Main_large_partindiclist = nullptr;
Widget Main_large_partvertscrollbar = nullptr;

#define LARGE_PARTLIST_ROW 15        // Widgen_tbl row of "Main Parts List"
static Widget Large_list_prefs_tggl;  // the Prefs toggle that opened the large list, null = none

// ---- toggles and view buttons ----------------------------------------------------

void main_hsurf_chngCB(Widget, XtPointer, XtPointer) {
  tggl_hsrf();
  qedit_scene_refresh();
  view_menu_init();
}

void main_hline_chngCB(Widget, XtPointer, XtPointer) {
  tggl_hlin();
  qedit_scene_refresh();
  view_menu_init();
}

void main_cursor_chngCB(Widget, XtPointer, XtPointer) {
  tggl_curs();
  tools_menu_init();
}

void main_line_chngCB(Widget, XtPointer, XtPointer) {
  tggl_line();
  tools_menu_init();
}

void main_plane_chngCB(Widget, XtPointer, XtPointer) {
  tggl_plane();
  tools_menu_init();
}

void main_axis_chngCB(Widget, XtPointer, XtPointer) { tggl_axis(2); }

void main_fastdisplay_chngCB(Widget w, XtPointer, XtPointer) {
  view_mod_fastdisplay(XmToggleButtonGetState(w) ? 1 : 0);
  view_menu_init();
}

void main_viewpointCB(Widget, XtPointer code, XtPointer) {
  switch_views_process_command(0, static_cast<int>(reinterpret_cast<long>(code)), 1, 0);
}

static void set_toggle(Widget w, int on) {
  if (w) XmToggleButtonSetState(w, on ? True : False, False);
}

int main_viewtggls_init() {
  if (!Main_hsurf_tggl) return 0;
  int fast = 0;
  box_toggle(&fast, 0);
  set_toggle(Main_hsurf_tggl, Solidt);
  set_toggle(Main_hline_tggl, Hlinet);
  set_toggle(Main_axis_tggl, Axiso3);
  set_toggle(Main_fastdisplay_tggl, fast);
  return 1;
}

int main_tooltggls_init() {
  if (!Main_cursor_tggl) return 0;
  set_toggle(Main_cursor_tggl, Curson);
  set_toggle(Main_line_tggl, Lineon);
  set_toggle(Main_plane_tggl, Planon);
  return 1;
}

int main_tooltiptggl_init() {
  if (!Main_tooltips_tggl) return 0;
  set_toggle(Main_tooltips_tggl, Balloon_help);
  return 1;
}

void main_axistggls_init() {}

// ---- part lists ----------------------------------------------------------------------

// While the large window's list is in use it keeps its size while a
// selection is processed.
static void large_dialog_resizable(int on) {
  if (!Main_large_partlist_dialog || Main_part_list != Main_large_partlist) return;
  XtVaSetValues(XtParent(Main_large_partlist_dialog), XmNallowShellResize, on ? True : False,
                nullptr);
  XtVaSetValues(Main_large_partlist_dialog, XmNnoResize, on ? False : True, XmNresizePolicy,
                on ? XmRESIZE_ANY : XmRESIZE_NONE, nullptr);
}

void main_partlist_selectCB(Widget, XtPointer, XtPointer) {
  large_dialog_resizable(0);
  mainprt_list_select(1);
  large_dialog_resizable(1);
}

void main_partlist_selectdblCB(Widget, XtPointer, XtPointer) { main_partlist_manageinteract(); }

void main_partlist_sbarmovedCB(Widget, XtPointer, XtPointer call) {
  auto *cbs = static_cast<XmScrollBarCallbackStruct *>(call);
  if (Main_partindic_list && cbs) XmListSetPos(Main_partindic_list, cbs->value + 1);
}

void main_partlist_sbarstepCB(Widget w, XtPointer client, XtPointer call) {
  main_partlist_sbarmovedCB(w, client, call);
}

void main_varlist_selectdblCB(Widget, XtPointer, XtPointer) { detedit_manage(0, -1); }

void main_varlist_selectCB(Widget, XtPointer, XtPointer) { var_rec_selvarnames(0, nullptr, -1); }

// ---- the large "Main Parts List" window ----------------------------------------

static void add_font(Arg *a, Cardinal &n) {
  if (Fixedfont && Menufont) {
    XtSetArg(a[n], XmNfontList, Menufont); n++;
  }
}

// A list of the large window between the label and "Close", with the
// side attachments in a[0..n) (room for 8 more): extended selection,
// constant size, managed.
static Widget large_list(Widget (*create)(Widget, String, ArgList, Cardinal), const char *name,
                         Widget label, Widget close, Arg *a, Cardinal n) {
  XtSetArg(a[n], XmNtopAttachment, XmATTACH_WIDGET); n++;
  XtSetArg(a[n], XmNtopWidget, label); n++;
  XtSetArg(a[n], XmNbottomAttachment, XmATTACH_WIDGET); n++;
  XtSetArg(a[n], XmNbottomWidget, close); n++;
  XtSetArg(a[n], XmNbottomOffset, 5); n++;
  XtSetArg(a[n], XmNselectionPolicy, XmEXTENDED_SELECT); n++;
  XtSetArg(a[n], XmNlistSizePolicy, XmCONSTANT); n++;
  add_font(a, n);
  Widget list = create(Main_large_partlist_dialog, const_cast<char *>(name), a, n);
  XtManageChild(list);
  return list;
}

void create_largepartslist_dialog() {
  const Widgen_rec &row = Widgen_tbl[LARGE_PARTLIST_ROW];
  Arg a[16];
  Cardinal n = 0;
  XmString title = qvn_xmstring(row.title);
  XtSetArg(a[n], XmNdialogTitle, title); n++;
  if (row.x != -1) {
    XtSetArg(a[n], XmNx, row.x); n++;
    XtSetArg(a[n], XmNy, row.y); n++;
    XtSetArg(a[n], XmNdefaultPosition, False); n++;
  }
  if (row.width != -1) {
    XtSetArg(a[n], XmNwidth, row.width); n++;
    XtSetArg(a[n], XmNheight, row.height); n++;
  }
  XtSetArg(a[n], XmNdeleteResponse, XmDO_NOTHING); n++;
  XtSetArg(a[n], XmNautoUnmanage, False); n++;
  Main_large_partlist_dialog =
      XmCreateFormDialog(Main_win[0], const_cast<char *>("PartsListDialog"), a, n);
  XmStringFree(title);
  add_wm_close_callback(Main_large_partlist_dialog, main_partlargelist_closeCB);

  n = 0;
  XtSetArg(a[n], XmNbottomAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNbottomOffset, 5); n++;
  XtSetArg(a[n], XmNleftAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNleftOffset, 5); n++;
  Widget close = add_button(Main_large_partlist_dialog, "mainlargepartClose",
                            main_partlargelist_closeCB, nullptr, a, n);
  dialog_keys(Main_large_partlist_dialog, nullptr, close);
  keep_on_screen(Main_large_partlist_dialog);

  n = 0;
  XmString text = qvn_xmstring("Select Part(s) To Operate On");
  XtSetArg(a[n], XmNlabelString, text); n++;
  XtSetArg(a[n], XmNtopAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNtopOffset, 1); n++;
  XtSetArg(a[n], XmNleftAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNleftOffset, 3 * Menu_font_width + 2); n++;
  XtSetArg(a[n], XmNforeground, Section_color.pixel); n++;
  add_font(a, n);
  Widget label = XmCreateLabel(Main_large_partlist_dialog, const_cast<char *>("mainlargepartLbl"),
                               a, n);
  XmStringFree(text);
  XtManageChild(label);

  n = 0;
  XtSetArg(a[n], XmNleftAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNleftOffset, 2); n++;
  XtSetArg(a[n], XmNrightAttachment, XmATTACH_OPPOSITE_WIDGET); n++;
  XtSetArg(a[n], XmNrightWidget, label); n++;
  Main_large_partindiclist = large_list(XmCreateList, "mainlargepartindicList", label, close, a, n);

  n = 0;
  XtSetArg(a[n], XmNleftAttachment, XmATTACH_OPPOSITE_WIDGET); n++;
  XtSetArg(a[n], XmNleftWidget, label); n++;
  XtSetArg(a[n], XmNrightAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNrightOffset, 5); n++;
  Main_large_partlist = large_list(XmCreateScrolledList, "mainlargepartList", label, close, a, n);
  XtAddCallback(Main_large_partlist, XmNdefaultActionCallback, main_partlist_selectdblCB, nullptr);
  XtAddCallback(Main_large_partlist, XmNextendedSelectionCallback, main_partlist_selectCB, nullptr);
  XtVaGetValues(XtParent(Main_large_partlist), XmNverticalScrollBar, &Main_large_partvertscrollbar,
                nullptr);
  if (Main_large_partvertscrollbar) {
    XtAddCallback(Main_large_partvertscrollbar, XmNdragCallback, main_partlist_sbarmovedCB, nullptr);
    static const struct {
      const char *reason;
      long client;
    } steps[] = {{XmNdecrementCallback, 0},
                 {XmNincrementCallback, 1},
                 {XmNpageDecrementCallback, 100},
                 {XmNpageIncrementCallback, 101}};
    for (const auto &s : steps)
      XtAddCallback(Main_large_partvertscrollbar, s.reason, main_partlist_sbarstepCB,
                    (XtPointer)s.client);
  }
}

static void main_pair_sensitive(int on) {
  Widget list = Main_small_partlist ? Main_small_partlist : Main_part_list;
  Widget indic = Main_small_partindiclist ? Main_small_partindiclist : Main_partindic_list;
  if (list) XtSetSensitive(list, on ? True : False);
  if (indic) XtSetSensitive(indic, on ? True : False);
}

int main_partlargelist_open() {
  if (!Main_large_partlist_dialog) create_largepartslist_dialog();
  if (!Main_large_partlist_dialog) return -1;
  if (Main_part_list != Main_large_partlist) {
    Main_small_partlist = Main_part_list;
    Main_small_partindiclist = Main_partindic_list;
    Main_small_partvertscrollbar = Main_part_vertscrollbar;
    main_pair_sensitive(0);
    Main_part_list = Main_large_partlist;
    Main_partindic_list = Main_large_partindiclist;
    Main_part_vertscrollbar = Main_large_partvertscrollbar;
  }
  XtManageChild(Main_large_partlist_dialog);
  mainprt_list_refresh();
  return 1;
}

void main_partlargelist_close() {
  if (Large_list_prefs_tggl) XmToggleButtonSetState(Large_list_prefs_tggl, False, False);
  if (Main_large_partlist_dialog) XtUnmanageChild(Main_large_partlist_dialog);
  if (Main_small_partlist && Main_part_list == Main_large_partlist) {
    Main_part_list = Main_small_partlist;
    Main_partindic_list = Main_small_partindiclist;
    Main_part_vertscrollbar = Main_small_partvertscrollbar;
    mainprt_list_refresh();
    main_pair_sensitive(1);
    Main_small_partlist = Main_small_partindiclist = Main_small_partvertscrollbar = nullptr;
  }
}

void main_partlargelist_closeCB(Widget, XtPointer, XtPointer) { main_partlargelist_close(); }

void main_partlargelisttggl_chngCB(Widget w, XtPointer, XtPointer) {
  Large_list_prefs_tggl = w;
  if (XmToggleButtonGetState(w))
    main_partlargelist_open();
  else
    main_partlargelist_close();
}
