// The viewer section of the Transformation Editor (see viewer_section.h).
// Widgets only: the callbacks read fields and call the viewer logic, the
// refresher shows the viewer; the drag loop polls the pointer and hands
// each position to the logic.
#include "view/ui/viewer_section.h"

#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/Label.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "interact/tools.h"
#include "ui/graphics_windows.h"
#include "ui/menus.h"
#include "ui/screen_query.h"
#include "ui/textc_windep.h"
#include "ui/widget_helpers.h"
#include "ui/window_codes.h"
#include "view/observer.h"
#include "view/transf_editor.h"
#include "view/ui/transf_dialog.h"
#include "view/viewer_state.h"

Widget Viewer_main_form = nullptr;
Widget Viewer_at_xtext = nullptr, Viewer_at_ytext = nullptr, Viewer_at_ztext = nullptr;
Widget Viewer_fm_xtext = nullptr, Viewer_fm_ytext = nullptr, Viewer_fm_ztext = nullptr;
Widget Viewer_xyaxis_tggl = nullptr, Viewer_yzaxis_tggl = nullptr, Viewer_xzaxis_tggl = nullptr;
Widget Viewer_dist_text = nullptr;
Widget Viewer_cntrl_optmen = nullptr;

Menu_item_rec Viewer_cntrl_menu[3] = {
    {"None", 'N', viewer_viewlock_chngCB, (XtPointer)0, XtarvPUSHBUTTON, 0, nullptr},
    {"Distance", 'D', viewer_viewlock_chngCB, (XtPointer)1, XtarvPUSHBUTTON, 0, nullptr},
    {"Together", 'T', viewer_viewlock_chngCB, (XtPointer)2, XtarvPUSHBUTTON, 0, nullptr},
};

// ---- building -------------------------------------------------------------------------

static Widget label(Widget parent, const char *name, const char *text) {
  return XtarvCreateLabel(parent, name, text);
}

static Widget text_field(Widget parent, const char *name, long client) {
  Widget w = XtVaCreateManagedWidget(name, xmTextFieldWidgetClass, parent, XmNcolumns, 11,
                                     nullptr);
  XtAddCallback(w, XmNactivateCallback, viewer_textattr_chngCB, (XtPointer)client);
  XtAddCallback(w, XmNfocusCallback, XtarvTextFocus, nullptr);
  XtAddCallback(w, XmNlosingFocusCallback, XtarvTextUnfocus, nullptr);
  return w;
}

static Widget toggle(Widget parent, const char *name, const char *text, long plane) {
  XmString s = XmStringCreateLocalized(const_cast<char *>(text));
  Widget w = XtVaCreateManagedWidget(name, xmToggleButtonWidgetClass, parent, XmNlabelString, s,
                                     nullptr);
  XmStringFree(s);
  XtAddCallback(w, XmNvalueChangedCallback, viewer_viewplane_chngCB, (XtPointer)plane);
  return w;
}

// Attaches w below top (the form's top when null), at the left edge.
static void below(Widget w, Widget top) {
  XtVaSetValues(w, XmNtopAttachment, top ? XmATTACH_WIDGET : XmATTACH_FORM, XmNtopWidget, top,
                XmNtopOffset, 4, XmNleftAttachment, XmATTACH_FORM, XmNleftOffset, 4, nullptr);
}

static Widget row_column(Widget parent, const char *name) {
  return XtVaCreateManagedWidget(name, xmRowColumnWidgetClass, parent, XmNorientation,
                                 XmHORIZONTAL, nullptr);
}

// A point's label "<name>Label" below top, then its frame "<name>Frame" with a
// row-column "<name>RowColumn" of the fields "<name>XText" .. "<name>ZText"
// (client data what); returns the frame.
static Widget point_group(Widget form, Widget top, const char *name, const char *text, long what,
                          Widget &x, Widget &y, Widget &z) {
  const std::string n = name;
  Widget lbl = label(form, (n + "Label").c_str(), text);
  below(lbl, top);
  Widget frame =
      XtVaCreateManagedWidget((n + "Frame").c_str(), xmFrameWidgetClass, form, nullptr);
  below(frame, lbl);
  Widget rc = row_column(frame, (n + "RowColumn").c_str());
  x = text_field(rc, (n + "XText").c_str(), what);
  y = text_field(rc, (n + "YText").c_str(), what);
  z = text_field(rc, (n + "ZText").c_str(), what);
  return frame;
}

Widget transf_gen_viewer_sect(Widget parent) {
  Widget form = XtVaCreateManagedWidget("TransfViewerForm", xmFormWidgetClass, parent, nullptr);
  Viewer_main_form = form;

  Widget frame = XtVaCreateManagedWidget("ViewerGwinFrame", xmFrameWidgetClass, form, nullptr);
  below(frame, nullptr);
  const int font = Menufontstruct ? Menufontstruct->ascent + Menufontstruct->descent : 13;
  Arg args[2];
  XtSetArg(args[0], XmNwidth, 8 * font);
  XtSetArg(args[1], XmNheight, 7 * font);
  gwin_viewer_create(frame, args, 2);

  Widget at_frame = point_group(form, frame, "ViewerLookAt", "Look At", 1, Viewer_at_xtext,
                                Viewer_at_ytext, Viewer_at_ztext);

  Widget xyz = row_column(form, "ViewerLabelRowColumn");
  below(xyz, at_frame);
  label(xyz, "ViewerXLabel", "X");
  label(xyz, "ViewerYLabel", "Y");
  label(xyz, "ViewerZLabel", "Z");

  Widget fm_frame = point_group(form, xyz, "ViewerLookFrom", "Look From", 0, Viewer_fm_xtext,
                                Viewer_fm_ytext, Viewer_fm_ztext);

  Widget planes = row_column(form, "ViewerPlaneRowColumn");
  below(planes, fm_frame);
  Viewer_xyaxis_tggl = toggle(planes, "ViewerXYAxisToggle", "X-Y Plane", 1);
  Viewer_yzaxis_tggl = toggle(planes, "ViewerYZAxisToggle", "Y-Z Plane", 2);
  Viewer_xzaxis_tggl = toggle(planes, "ViewerXZAxisToggle", "X-Z Plane", 0);

  Widget dist_lbl = label(form, "ViewerDistLabel", "Distance       ");
  below(dist_lbl, planes);
  Viewer_dist_text = text_field(form, "ViewerDistText", 3);
  XtVaSetValues(Viewer_dist_text, XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, planes,
                XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, dist_lbl, nullptr);

  Viewer_cntrl_optmen = XtarvCreateOptionMenu(form, "ViewerCntrl", "Viewer Area \nControl Lock",
                                              nullptr, 0, Viewer_cntrl_menu, 3, 0);
  below(Viewer_cntrl_optmen, Viewer_dist_text);
  XtManageChild(Viewer_cntrl_optmen);

  XmString s = XmStringCreateLocalized(const_cast<char *>("Redraw Viewer Area Above"));
  Widget redraw = XtVaCreateManagedWidget("ViewerRedraw", xmPushButtonWidgetClass, form,
                                          XmNlabelString, s, nullptr);
  XmStringFree(s);
  below(redraw, Viewer_cntrl_optmen);
  XtAddCallback(redraw, XmNactivateCallback, viewer_gwin_redrawCB, nullptr);
  return form;
}

// ---- refreshers -----------------------------------------------------------------------

static void show_value(Widget field, float value) {
  if (!field) return;
  char text[32];
  snprintf(text, sizeof text, "%.4e", (double)value);
  XmTextFieldSetString(field, text);
}

// The seven fields from the current viewport's viewer, while the editor is shown.
static void refresh_lookatdist() {
  if (!Transformation_dialog || !XtIsManaged(Transformation_dialog)) return;
  // The frame display first, its selection kept.
  transf_frame_refresh();
  float at[3], from[3], view[16], distance = 0.0f;
  view_param(at, from, view, &distance, 0);
  Widget at_fields[3] = {Viewer_at_xtext, Viewer_at_ytext, Viewer_at_ztext};
  Widget fm_fields[3] = {Viewer_fm_xtext, Viewer_fm_ytext, Viewer_fm_ztext};
  for (int i = 0; i < 3; i++) {
    show_value(at_fields[i], at[i]);
    show_value(fm_fields[i], from[i]);
  }
  show_value(Viewer_dist_text, distance);
}

static void refresh_whichplane(int plane) {
  const Widget toggles[3] = {Viewer_xzaxis_tggl, Viewer_xyaxis_tggl, Viewer_yzaxis_tggl};
  for (int p = 0; p < 3; p++)
    if (toggles[p]) XmToggleButtonSetState(toggles[p], p == plane ? True : False, False);
}

static void dialog_init() {
  if (!Viewer_main_form || !XtIsManaged(Viewer_main_form)) return;
  refresh_lookatdist();
  refresh_whichplane(Viewer_window.plane);
  if (Viewer_cntrl_optmen && Viewer_window.lock >= 0 && Viewer_window.lock <= 2)
    XtarvOptionMenuSetState(Viewer_cntrl_optmen, Viewer_cntrl_menu, Viewer_window.lock, 0);
}

static int area(int *w, int *h) {
  if (!Viewer_view_widget || !Viewer_view_win) return 0;
  return get_win_size(Viewer_view_win, w, h, 0) == 1 ? 1 : 0;
}

// The pointer over display 0's graphics area.
static int pointer(int *x, int *y) {
  if (!Gwxmain[0]) return 0;
  int b1 = 0, b2 = 0, b3 = 0;
  return get_mouse_info(Gwxmain[0], &b1, &b2, &b3, x, y, 0) == 1 ? 1 : 0;
}

void viewer_windep_install() {
  viewer_dialog_init_windep = dialog_init;
  viewer_area_windep = area;
  viewer_pointer_windep = pointer;
}

// ---- callbacks ------------------------------------------------------------------------

static float field_value(Widget w) { return XtarvTextFieldFloat(w); }

void viewer_textattr_chngCB(Widget, XtPointer client, XtPointer) {
  const int what = (int)(long)client;
  float values[3] = {0, 0, 0};
  if (what == 1) {
    values[0] = field_value(Viewer_at_xtext);
    values[1] = field_value(Viewer_at_ytext);
    values[2] = field_value(Viewer_at_ztext);
  } else if (what == 0) {
    values[0] = field_value(Viewer_fm_xtext);
    values[1] = field_value(Viewer_fm_ytext);
    values[2] = field_value(Viewer_fm_ztext);
  } else {
    values[0] = field_value(Viewer_dist_text);
  }
  viewer_attr_updt(what, values, 0);
}

void viewer_viewplane_chngCB(Widget, XtPointer client, XtPointer) {
  viewer_viewplane_chng((int)(long)client);
}

void viewer_viewlock_chngCB(Widget, XtPointer client, XtPointer) {
  int lock = (int)(long)client;
  viewer_which_lock(&lock, 1);
}

void viewer_gwin_redrawCB(Widget, XtPointer, XtPointer) { viewer_gwin_redraw(); }

// ---- the window's mouse -------------------------------------------------------------

// Whether the (counted) first button is down, and the pointer in the window.
static int first_button_down(int *x, int *y) {
  int b1 = 0, b2 = 0, b3 = 0;
  get_mouse_info(Viewer_view_win, &b1, &b2, &b3, x, y, 0);
  return b1 || (b2 && Middle_Mouse_Setting == 10) || (b3 && Right_Mouse_Setting == 10);
}
int (*Viewer_drag_pointer)(int *x, int *y) = first_button_down;

static bool first_button(int *x, int *y) { return Viewer_drag_pointer(x, y) != 0; }

void manage_viewer_gl(Widget, XtPointer, XtPointer) {
  int w = 0, h = 0, x = 0, y = 0;
  if (!area(&w, &h)) return;
  if (!first_button(&x, &y)) return;
  Viewer_drag drag = viewer_drag_begin(x, y);
  int last_x = x, last_y = y;
  while (first_button(&x, &y)) {
    if (x != last_x || y != last_y) {
      viewer_drag_move(&drag, x, y, w, h);
      last_x = x;
      last_y = y;
    }
    usleep(10000);
  }
  viewer_drag_end(&drag);
}
