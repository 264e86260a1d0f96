// Main window layout.  Owns the widget globals of main_window.h; they are
// written once, here, in the order of construction that the other pieces of
// the window rely on (each attaches to widgets built before it).  What each
// piece does belongs to its own module: feature_icons, qedit_icons,
// transf_buttons, main_toggles, message_window, balloon_help and the menu
// builders of their subsystems.
#include "ui/main_window.h"

#include <Xm/ArrowB.h>
#include <Xm/DrawingA.h>
#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/Label.h>
#include <Xm/List.h>
#include <Xm/RowColumn.h>
#include <Xm/ScrolledW.h>
#include <Xm/ScrollBar.h>
#include <Xm/ToggleB.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "client/file_select_comm.h"
#include "client/startup.h"
#include "interact/tools.h"
#include "interact/ui/tools_menu.h"
#include "query/ui/query_menu.h"
#include "render/display.h"
#include "render/ui/view_menu.h"
#include "state/ui/file_menu.h"
#include "state/ui/iconpanel.h"
#include "ui/balloon_help.h"
#include "ui/case_menu.h"
#include "ui/edit_menu.h"
#include "ui/feature_icons.h"
#include "ui/general_windep.h"
#include "ui/graphics_windows.h"
#include "ui/help_menu.h"
#include "ui/interf_init.h"
#include "ui/main_toggles.h"
#include "ui/message_window.h"
#include "ui/qedit_icons.h"
#include "ui/textc_windep.h"
#include "ui/transf_buttons.h"
#include "ui/widget_helpers.h"

Widget Main_control_form = nullptr;
Widget Main_menubar = nullptr;
Widget Main_status = nullptr;
Widget Main_featureicon_scrollwin = nullptr;
Widget Main_featureicon_rowcol = nullptr;
Widget Main_featscroll_up = nullptr;
Widget Main_featscroll_down = nullptr;
Widget Main_part_list = nullptr;
Widget Main_partindic_list = nullptr;
Widget Main_part_vertscrollbar = nullptr;
Widget Main_interact_win = nullptr;
Widget Main_interact_rowcol = nullptr;
Widget Main_hsurf_tggl = nullptr;
Widget Main_hline_tggl = nullptr;
Widget Main_cursor_tggl = nullptr;
Widget Main_line_tggl = nullptr;
Widget Main_plane_tggl = nullptr;
Widget Main_axis_tggl = nullptr;
Widget Main_fastdisplay_tggl = nullptr;
Widget Main_info_button = nullptr;
Pixel Main_originfo_pixel = 0;
Widget Main_showlegend_but = nullptr;
Widget Main_viewpos_buttons[MAIN_VIEWPOS_BUTTONS] = {};
Widget Main_tooltips_tggl = nullptr;

const int Feature_icon_height = 31;
const int Feature_icon_width = 44;
const float Feature_icon_createheightfrac = 1.55f;
const float Feature_icon_scrollheightfrac = 1.4f;
const int Mode_icon_width = 50;

#define ICON_CLOSENESS 35000

int read_icon_picture(Widget w, const char *file, Pixmap *pixmap) {
  *pixmap = 0;
  Display *dpy = XtDisplay(w);
  char path[HOME_DIR_TEXT + 64];
  snprintf(path, sizeof path, "%s/icons/%s", Quivane_home_directory, file);
  XpmAttributes attr;
  attr.valuemask = XpmCloseness;
  attr.closeness = ICON_CLOSENESS;
  Pixmap mask = 0;
  Window root = RootWindowOfScreen(XtScreen(w));
  if (XpmReadFileToPixmap(dpy, root, path, pixmap, &mask, &attr) != XpmSuccess) {
    *pixmap = 0;
    return -1;
  }
  if (mask) XFreePixmap(dpy, mask);
  return 1;
}

void main_status_exposeCB(Widget, XtPointer, XtPointer) {
  if (!Main_status || !XtIsRealized(Main_status)) return;
  if (!Main_statusGC && Menufontstruct) {
    XGCValues v;
    v.font = Menufontstruct->fid;
    Main_statusGC = XCreateGC(XtDisplay(Main_status), XtWindow(Main_status), GCFont, &v);
  }
  unset_working_cursor();
}

// The icon directory must hold "color.xpm"; without it the program ends.
static void check_icon_directory() {
  std::string path = std::string(Quivane_home_directory) + "/icons/color.xpm";
  int mode = 0, report = 0;
  if (chkfil(path.c_str(), &mode, &report) == 1) return;
  fprintf(stderr, "*************************************************\n");
  fprintf(stderr, "* Error - Could not find icons to initialize    *\n");
  fprintf(stderr, "*         interface.  Please make sure you have *\n");
  fprintf(stderr, "*         set the QUIVANE7_HOME environment     *\n");
  fprintf(stderr, "*         variable.                             *\n");
  fprintf(stderr, "*************************************************\n");
  exit(-1);
}

static Widget status_area(Widget form, int w, int s) {
  Widget_args fa;
  fa.attach(XmNtopAttachment, XmATTACH_FORM).attach(XmNrightAttachment, XmATTACH_FORM);
  fa.set(XmNborderWidth, 2);
  Widget frame = XmCreateFrame(form, const_cast<char *>("mainFrame"), fa.list(), fa.count());
  Widget_args da;
  da.set(XmNwidth, 45 * w + 90).set(XmNheight, s + 6);
  Main_status = XmCreateDrawingArea(frame, const_cast<char *>("mainStatDrawingArea"), da.list(),
                                    da.count());
  XtAddCallback(Main_status, XmNexposeCallback, main_status_exposeCB, nullptr);
  XtManageChild(Main_status);
  XtManageChild(frame);
  return frame;
}

static void feature_strip(Widget form, int w, int s) {
  for (int down = 0; down < 2; down++) {
    Widget_args a;
    a.set(XmNarrowDirection, down ? XmARROW_DOWN : XmARROW_UP);
    if (down)
      a.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, Main_featscroll_up);
    else
      a.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, Main_menubar);
    a.attach(XmNrightAttachment, XmATTACH_FORM, nullptr, nullptr, XmNrightOffset, 2);
    a.set(XmNheight, 2 * s).set(XmNwidth, 3 * w);
    Widget b = XmCreateArrowButton(
        form, const_cast<char *>(down ? "mainfeatScrollDnButton" : "mainfeatScrollUpButton"),
        a.list(), a.count());
    XtAddCallback(b, XmNactivateCallback, main_featurescroll_chngCB, (XtPointer)(long)down);
    (down ? Main_featscroll_down : Main_featscroll_up) = b;
  }

  Widget_args fa;
  fa.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, Main_menubar, XmNtopOffset, 2);
  fa.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 2);
  fa.attach(XmNrightAttachment, XmATTACH_FORM, nullptr, nullptr, XmNrightOffset, 4 * w);
  fa.set(XmNheight, (int)(Feature_icon_height * Feature_icon_createheightfrac));
  fa.set(XmNresizeHeight, False);
  Widget featform = XmCreateForm(form, const_cast<char *>("mainfeatForm"), fa.list(), fa.count());

  Widget_args sa;
  sa.attach(XmNtopAttachment, XmATTACH_FORM).attach(XmNbottomAttachment, XmATTACH_FORM);
  sa.attach(XmNleftAttachment, XmATTACH_FORM).attach(XmNrightAttachment, XmATTACH_FORM);
  sa.set(XmNscrollingPolicy, XmAUTOMATIC).set(XmNscrollBarDisplayPolicy, XmSTATIC);
  Main_featureicon_scrollwin = XmCreateScrolledWindow(
      featform, const_cast<char *>("mainfeatScrollWin"), sa.list(), sa.count());
  Widget vbar = nullptr, hbar = nullptr;
  XtVaGetValues(Main_featureicon_scrollwin, XmNverticalScrollBar, &vbar, XmNhorizontalScrollBar,
                &hbar, nullptr);
  if (vbar) {
    XtUnmanageChild(vbar);
    XtVaSetValues(vbar, XmNsliderSize, 30, nullptr);
  }
  if (hbar) XtUnmanageChild(hbar);
  feature_strip_scrollbars(vbar, hbar);

  Widget_args ra;
  ra.set(XmNorientation, XmHORIZONTAL).set(XmNpacking, XmPACK_TIGHT);
  ra.set(XmNmarginWidth, 0).set(XmNmarginHeight, 0).set(XmNwidth, 860).set(XmNresizeWidth, False);
  Main_featureicon_rowcol = XmCreateRowColumn(
      Main_featureicon_scrollwin, const_cast<char *>("mainfeatRowColumn"), ra.list(), ra.count());
  XtManageChild(Main_featureicon_rowcol);
  XtVaSetValues(Main_featureicon_scrollwin, XmNworkWindow, Main_featureicon_rowcol, nullptr);
  XtManageChild(Main_featureicon_scrollwin);
  XtManageChild(featform);
}

static void part_lists(Widget form, int w) {
  Widget_args la;
  la.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, Main_featureicon_scrollwin,
            XmNtopOffset, 1);
  la.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 3 * w + 2);
  la.set(XmNforeground, Section_color.pixel).font();
  XmString text = qvn_xmstring("Select Part(s) To Operate On");
  la.set(XmNlabelString, (XtArgVal)text);
  Widget label = XmCreateLabel(form, const_cast<char *>("mainpartLbl"), la.list(), la.count());
  XmStringFree(text);
  XtManageChild(label);

  Widget_args ia;
  ia.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, label);
  ia.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 2);
  ia.attach(XmNrightAttachment, XmATTACH_WIDGET, XmNrightWidget, label);
  ia.set(XmNselectionPolicy, XmEXTENDED_SELECT).set(XmNvisibleItemCount, 8);
  ia.set(XmNlistSizePolicy, XmCONSTANT).font();
  Main_partindic_list =
      XmCreateList(form, const_cast<char *>("mainpartindicList"), ia.list(), ia.count());
  XtManageChild(Main_partindic_list);

  Widget_args pa;
  pa.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, label);
  pa.attach(XmNleftAttachment, XmATTACH_OPPOSITE_WIDGET, XmNleftWidget, label);
  pa.set(XmNwidth, 30 * w).set(XmNselectionPolicy, XmEXTENDED_SELECT);
  pa.set(XmNvisibleItemCount, 8).set(XmNlistSizePolicy, XmCONSTANT);
  pa.set(XmNscrollBarDisplayPolicy, XmSTATIC).font();
  Main_part_list =
      XmCreateScrolledList(form, const_cast<char *>("mainpartList"), pa.list(), pa.count());
  XtAddCallback(Main_part_list, XmNdefaultActionCallback, main_partlist_selectdblCB, nullptr);
  XtAddCallback(Main_part_list, XmNextendedSelectionCallback, main_partlist_selectCB, nullptr);
  XtVaGetValues(XtParent(Main_part_list), XmNverticalScrollBar, &Main_part_vertscrollbar, nullptr);
  if (Main_part_vertscrollbar) {
    XtAddCallback(Main_part_vertscrollbar, XmNdragCallback, main_partlist_sbarmovedCB, nullptr);
    static const struct {
      const char *reason;
      long code;
    } steps[] = {{XmNdecrementCallback, 0},
                 {XmNincrementCallback, 1},
                 {XmNpageDecrementCallback, 100},
                 {XmNpageIncrementCallback, 101}};
    for (const auto &s : steps)
      XtAddCallback(Main_part_vertscrollbar, s.reason, main_partlist_sbarstepCB,
                    (XtPointer)s.code);
  }
  XtManageChild(Main_part_list);
}

// One toggle of the toggle row, placed beside prev (top aligned with top_w).
static Widget toggle(Widget form, const char *name, const char *label, XtCallbackProc cb,
                     Widget top_w, Widget prev, int left_offset, long balloon) {
  Widget_args a;
  if (prev) {
    a.attach(XmNtopAttachment, XmATTACH_OPPOSITE_WIDGET, XmNtopWidget, top_w);
    a.attach(XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, prev, XmNleftOffset, left_offset);
  } else {
    a.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, top_w);
    a.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, left_offset);
  }
  a.set(XmNindicatorType, XmN_OF_MANY).set(XmNmarginWidth, 0).set(XmNmarginHeight, 0).font();
  XmString s = qvn_xmstring(label);
  a.set(XmNlabelString, (XtArgVal)s);
  Widget t = XmCreateToggleButton(form, const_cast<char *>(name), a.list(), a.count());
  XmStringFree(s);
  XtAddCallback(t, XmNvalueChangedCallback, cb, nullptr);
  add_balloon_handlers(t, balloon);
  XtManageChild(t);
  return t;
}

static void toggle_row(Widget form, int w) {
  Widget top = XtParent(Main_part_list);
  Main_hsurf_tggl = toggle(form, "mainhsurfToggle", "Shaded", main_hsurf_chngCB, top, nullptr,
                           15 * w, 508);
  Main_hline_tggl = toggle(form, "mainhlineToggle", "Hidden Line", main_hline_chngCB,
                           Main_hsurf_tggl, Main_hsurf_tggl, 1, 509);
  Main_cursor_tggl = toggle(form, "maincursorToggle", "Cursor", main_cursor_chngCB,
                            Main_hsurf_tggl, Main_hline_tggl, 6 * w, 511);
  Main_line_tggl = toggle(form, "mainlineToggle", "Line", main_line_chngCB, Main_hsurf_tggl,
                          Main_cursor_tggl, 2, 512);
  Main_plane_tggl = toggle(form, "mainplaneToggle", "Plane", main_plane_chngCB, Main_hsurf_tggl,
                           Main_line_tggl, 2, 513);
  Main_axis_tggl = toggle(form, "mainaxisToggle", "Axis", main_axis_chngCB, Main_plane_tggl,
                          Main_plane_tggl, 6 * w, 514);
  Main_fastdisplay_tggl = toggle(form, "mainfastdisplayToggle", "Fast Display",
                                 main_fastdisplay_chngCB, Main_axis_tggl, Main_axis_tggl, 6 * w, 516);
}

static void info_and_legend(Widget form, int w) {
  Widget_args ia;
  ia.attach(XmNbottomAttachment, XmATTACH_OPPOSITE_WIDGET, XmNbottomWidget, Main_plane_tggl);
  ia.attach(XmNrightAttachment, XmATTACH_FORM, nullptr, nullptr, XmNrightOffset, 1);
  Main_info_button = XtarvCreateButton(form, "mainViewXm", " Info... ", XtarvPUSHBUTTON, ' ',
                                       manage_message_dialogCB, nullptr, ia.list(), ia.count());
  XtVaGetValues(Main_info_button, XmNbackground, &Main_originfo_pixel, nullptr);
  add_balloon_handlers(Main_info_button, 510);

  Widget_args la;
  la.attach(XmNtopAttachment, XmATTACH_OPPOSITE_WIDGET, XmNtopWidget, Main_info_button);
  la.attach(XmNrightAttachment, XmATTACH_WIDGET, XmNrightWidget, Main_info_button, XmNrightOffset,
            2 * w);
  Main_showlegend_but = XtarvCreateButton(form, "mainshowlegend", "Legend...", XtarvPUSHBUTTON,
                                          ' ', main_showlegendCB, nullptr, la.list(), la.count());
  add_balloon_handlers(Main_showlegend_but, 515);
}

static void interaction_area(Widget form) {
  Widget_args a;
  a.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, Main_featureicon_scrollwin);
  a.attach(XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, XtParent(Main_part_list),
           XmNleftOffset, 10);
  a.attach(XmNrightAttachment, XmATTACH_FORM, nullptr, nullptr, XmNrightOffset, 2);
  a.attach(XmNbottomAttachment, XmATTACH_WIDGET, XmNbottomWidget, Main_info_button,
           XmNbottomOffset, 1);
  a.set(XmNscrollingPolicy, XmAUTOMATIC).set(XmNvisualPolicy, XmVARIABLE);
  Main_interact_win = XmCreateScrolledWindow(form, const_cast<char *>("maininteractScrollWin"),
                                             a.list(), a.count());
  Widget_args r;
  r.set(XmNorientation, XmVERTICAL).set(XmNpacking, XmPACK_COLUMN).set(XmNnumColumns, 1);
  r.set(XmNmarginWidth, 0).set(XmNmarginHeight, 0);
  Main_interact_rowcol = XmCreateRowColumn(Main_interact_win,
                                           const_cast<char *>("maininteractRowCol"), r.list(),
                                           r.count());
  XtManageChild(Main_interact_rowcol);
  XtVaSetValues(Main_interact_win, XmNworkWindow, Main_interact_rowcol, nullptr);
  XtManageChild(Main_interact_win);
}

static void view_buttons(Widget form, int w) {
  static const struct {
    const char *name;
    const char *label;
    long code;
    long balloon;
  } rows[7] = {{"mainViewXm", "+X", 3, 503},       {"mainViewYm", "+Y", 4, 504},
               {"mainViewZm", "+Z", 5, 505},       {"mainViewXp", "-X", 6, 500},
               {"mainViewYp", "-Y", 7, 501},       {"mainViewZp", "-Z", 8, 502},
               {"mainViewPrevious", "Last", 9, 506}};
  for (int i = 0; i < 7; i++) {
    Widget_args a;
    if (i == 0) {
      a.attach(XmNtopAttachment, XmATTACH_OPPOSITE_WIDGET, XmNtopWidget, Main_transfbut_form);
      a.attach(XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, Main_transfbut_form,
               XmNleftOffset, 5 * w);
    } else {
      a.attach(XmNtopAttachment, XmATTACH_OPPOSITE_WIDGET, XmNtopWidget, Main_viewpos_buttons[0]);
      a.attach(XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, Main_viewpos_buttons[i - 1]);
    }
    Main_viewpos_buttons[i] =
        XtarvCreateButton(form, rows[i].name, rows[i].label, XtarvPUSHBUTTON, ' ',
                          main_viewpointCB, (XtPointer)rows[i].code, a.list(), a.count());
    add_balloon_handlers(Main_viewpos_buttons[i], rows[i].balloon);
  }
  Main_tooltips_tggl = toggle(form, "maintooltipToggle", "Tool Tips", pref_balloonhelp_chngCB,
                              Main_viewpos_buttons[0], Main_viewpos_buttons[6], 2 * w, 517);
}

Widget create_mainx_interf(Widget parent) {
  const int w = Menu_font_width > 0 ? Menu_font_width : 8;
  const int s = Menu_font_size;
  Widget form = XmCreateForm(parent, const_cast<char *>("mainForm"), nullptr, 0);
  Widget status_frame = status_area(form, w, s);

  Widget_args ma;
  ma.attach(XmNtopAttachment, XmATTACH_FORM, nullptr, nullptr, XmNtopOffset, 1);
  ma.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 1);
  ma.attach(XmNrightAttachment, XmATTACH_WIDGET, XmNrightWidget, status_frame, XmNrightOffset, 5);
  ma.set(XmNmarginWidth, 0).set(XmNmarginHeight, 0);
  Main_menubar = XmCreateMenuBar(form, const_cast<char *>("mainMenuBar"), ma.list(), ma.count());
  XtManageChild(Main_menubar);
  Main_control_form = form;

  feature_strip(form, w, s);
  check_icon_directory();
  display_main_feature_icons();
  part_lists(form, w);
  toggle_row(form, w);
  info_and_legend(form, w);
  interaction_area(form);

  Widget_args qa;
  qa.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, Main_info_button);
  qa.attach(XmNbottomAttachment, XmATTACH_FORM).attach(XmNleftAttachment, XmATTACH_FORM);
  XtManageChild(gen_qedit_iconsection(form, qa.list(), qa.count()));
  gen_transf_butsection();
  view_buttons(form, w);

  Widget_args ga;
  ga.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, Main_info_button);
  ga.attach(XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, Qedit_iconform);
  ga.attach(XmNrightAttachment, XmATTACH_FORM);
  ga.attach(XmNbottomAttachment, XmATTACH_WIDGET, XmNbottomWidget, Qedit_transficon_rowcol);
  XtManageChild(gen_graphics_win(form, ga.list(), ga.count()));
  create_mainmessage_dialog();

  create_file_interf(Main_menubar);
  create_edit_interf(Main_menubar);
  create_query_interf(Main_menubar);
  create_view_interf(Main_menubar);
  create_tools_interf(Main_menubar);
  create_prefs_interf(Main_menubar);
  create_case_interf(Main_menubar);
  create_help_interf(Main_menubar);

  XtManageChild(form);
  main_viewtggls_init();
  main_tooltggls_init();
  main_tooltiptggl_init();
  return form;
}
