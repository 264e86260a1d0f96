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
#include "ui/widget_helpers.h"
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
  switch_views_process_command(0, static_cast<int>(reinterpret_cast<long>(code)), 1);
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

static int Large_list_holds = 0;       // changes of the rows or selection in progress
static bool Large_list_fixed = false;  // the outermost hold fixed the large window's size

static void large_dialog_resizable(int on) {
  XtVaSetValues(XtParent(Main_large_partlist_dialog), XmNallowShellResize, on ? True : False,
                nullptr);
  XtVaSetValues(Main_large_partlist_dialog, XmNnoResize, on ? False : True, XmNresizePolicy,
                on ? XmRESIZE_ANY : XmRESIZE_NONE, nullptr);
}

void main_largelist_hold(int hold) {
  if (hold) {
    if (Large_list_holds++ == 0 && Main_large_partlist_dialog &&
        Main_part_list == Main_large_partlist) {
      large_dialog_resizable(0);
      Large_list_fixed = true;
    }
  } else if (Large_list_holds > 0 && --Large_list_holds == 0 && Large_list_fixed) {
    Large_list_fixed = false;
    if (Main_large_partlist_dialog) large_dialog_resizable(1);
  }
}

void main_partlist_selectCB(Widget, XtPointer, XtPointer) {
  main_largelist_hold(1);
  mainprt_list_select(1);
  main_largelist_hold(0);
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

// A list of the large window between the label and "Close", with the
// side attachments in a: extended selection, constant size, managed.
static Widget large_list(Widget (*create)(Widget, String, ArgList, Cardinal), const char *name,
                         Widget label, Widget close, Widget_args a) {
  a.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, label);
  a.attach(XmNbottomAttachment, XmATTACH_WIDGET, XmNbottomWidget, close, XmNbottomOffset, 5);
  a.set(XmNselectionPolicy, XmEXTENDED_SELECT).set(XmNlistSizePolicy, XmCONSTANT).font();
  Widget list = create(Main_large_partlist_dialog, const_cast<char *>(name), a.list(), a.count());
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

  Widget_args ca;
  ca.attach(XmNbottomAttachment, XmATTACH_FORM, nullptr, nullptr, XmNbottomOffset, 5);
  ca.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 5);
  Widget close = add_button(Main_large_partlist_dialog, "mainlargepartClose",
                            main_partlargelist_closeCB, nullptr, ca.list(), ca.count());
  dialog_keys(Main_large_partlist_dialog, nullptr, close);
  keep_on_screen(Main_large_partlist_dialog);

  XmString text = qvn_xmstring("Select Part(s) To Operate On");
  Widget_args la;
  la.set(XmNlabelString, text);
  la.attach(XmNtopAttachment, XmATTACH_FORM, nullptr, nullptr, XmNtopOffset, 1);
  la.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset,
            3 * Menu_font_width + 2);
  la.set(XmNforeground, Section_color.pixel).font();
  Widget label = XmCreateLabel(Main_large_partlist_dialog, const_cast<char *>("mainlargepartLbl"),
                               la.list(), la.count());
  XmStringFree(text);
  XtManageChild(label);

  Widget_args ia;
  ia.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 2);
  ia.attach(XmNrightAttachment, XmATTACH_OPPOSITE_WIDGET, XmNrightWidget, label);
  Main_large_partindiclist = large_list(XmCreateList, "mainlargepartindicList", label, close, ia);

  Widget_args pa;
  pa.attach(XmNleftAttachment, XmATTACH_OPPOSITE_WIDGET, XmNleftWidget, label);
  pa.attach(XmNrightAttachment, XmATTACH_FORM, nullptr, nullptr, XmNrightOffset, 5);
  Main_large_partlist = large_list(XmCreateScrolledList, "mainlargepartList", label, close, pa);
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
