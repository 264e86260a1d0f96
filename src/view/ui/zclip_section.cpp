// The z-clip section of the Transformation Editor (see zclip_section.h).
// Widgets only: the callbacks read a field and call the z-clip logic, the
// refreshers show its state; the drag loop polls the pointer and hands the
// arithmetic to the logic.
#include "view/ui/zclip_section.h"

#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/Label.h>
#include <Xm/PushB.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "interact/tools.h"
#include "ui/screen_query.h"
#include "ui/textc_windep.h"
#include "ui/widget_helpers.h"
#include "ui/window_codes.h"
#include "view/viewer_state.h"
#include "view/viewports.h"
#include "view/zclip.h"

Widget Zclip_main_form = nullptr;
Widget Zclip_float_tggl = nullptr;
Widget Zclip_min_lbl = nullptr, Zclip_min_text = nullptr;
Widget Zclip_viewfront_lbl = nullptr, Zclip_viewback_lbl = nullptr;
Widget Zclip_front_lbl = nullptr, Zclip_front_text = nullptr;
Widget Zclip_back_lbl = nullptr, Zclip_back_text = nullptr;

// ---- building -------------------------------------------------------------------------

static Widget label(Widget parent, const char *name, const char *text) {
  return XtarvCreateLabel(parent, name, text);
}

static Widget text_field(Widget parent, const char *name, XtCallbackProc cb, XtPointer client) {
  Widget w = XtVaCreateManagedWidget(name, xmTextFieldWidgetClass, parent, XmNcolumns, 12,
                                     nullptr);
  XtAddCallback(w, XmNactivateCallback, cb, client);
  XtAddCallback(w, XmNfocusCallback, XtarvTextFocus, nullptr);
  XtAddCallback(w, XmNlosingFocusCallback, XtarvTextUnfocus, nullptr);
  return w;
}

// Attaches w below top (the form's top when null) and to the left edge, or
// to the right of left when given.
static void place(Widget w, Widget top, Widget left, int right_edge = 0) {
  XtVaSetValues(w, XmNtopAttachment, top ? XmATTACH_WIDGET : XmATTACH_FORM, XmNtopWidget, top,
                XmNtopOffset, 4, nullptr);
  if (right_edge)
    XtVaSetValues(w, XmNrightAttachment, XmATTACH_FORM, XmNrightOffset, 4, nullptr);
  else if (left)
    XtVaSetValues(w, XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, left, XmNleftOffset, 6,
                  nullptr);
  else
    XtVaSetValues(w, XmNleftAttachment, XmATTACH_FORM, XmNleftOffset, 4, nullptr);
}

Widget transf_gen_zclip_sect(Widget parent) {
  Widget form = XtVaCreateManagedWidget("TransfZclipForm", xmFormWidgetClass, parent, nullptr);
  Zclip_main_form = form;

  XmString s = XmStringCreateLocalized(const_cast<char *>("Float Z-Clip Planes With Transform."));
  Zclip_float_tggl = XtVaCreateManagedWidget("ZclipFloatToggle", xmToggleButtonWidgetClass, form,
                                             XmNlabelString, s, nullptr);
  XmStringFree(s);
  place(Zclip_float_tggl, nullptr, nullptr);
  XtAddCallback(Zclip_float_tggl, XmNvalueChangedCallback, zclip_tgglattr_chngCB, (XtPointer)2);

  Zclip_min_lbl = label(form, "ZclipMinLabel", "Minimum Z Value");
  place(Zclip_min_lbl, Zclip_float_tggl, nullptr);
  Zclip_min_text = text_field(form, "TransfZclipFrontText", zclip_mintextattr_chngCB, nullptr);
  place(Zclip_min_text, Zclip_float_tggl, Zclip_min_lbl);

  Zclip_viewfront_lbl = label(form, "ZclipFrntLabel", "Front");
  place(Zclip_viewfront_lbl, Zclip_min_text, nullptr);
  Zclip_viewback_lbl = label(form, "ZclipBackLabel", "Back");
  place(Zclip_viewback_lbl, Zclip_min_text, nullptr, 1);

  Widget frame = XtVaCreateManagedWidget("ZclipGwinFrame", xmFrameWidgetClass, form, nullptr);
  place(frame, Zclip_viewfront_lbl, nullptr);
  int font_w = Menu_font_width > 0 ? Menu_font_width : 8;
  int font_h = Menufontstruct ? Menufontstruct->ascent + Menufontstruct->descent : 13;
  Arg args[2];
  XtSetArg(args[0], XmNwidth, 44 * font_w);
  XtSetArg(args[1], XmNheight, 3 * font_h);
  gwin_zclip_create(frame, args, 2);

  Widget dist_lbl = label(form, "TransfZclipDistLabel", "Plane Distance");
  place(dist_lbl, frame, nullptr);
  Widget dist_frame =
      XtVaCreateManagedWidget("TransfZclipDistFrame", xmFrameWidgetClass, form, nullptr);
  place(dist_frame, dist_lbl, nullptr);
  Widget dist = XtVaCreateManagedWidget("TransfZclipDistForm", xmFormWidgetClass, dist_frame,
                                        nullptr);
  Zclip_front_lbl = label(dist, "TransfZclipFrontLabel", "Front");
  place(Zclip_front_lbl, nullptr, nullptr);
  Zclip_front_text = text_field(dist, "TransfZclipFrontText", zclip_textattr_chngCB, (XtPointer)0);
  place(Zclip_front_text, nullptr, Zclip_front_lbl);
  Zclip_back_lbl = label(dist, "TransfZclipBackLabel", "Back");
  place(Zclip_back_lbl, nullptr, Zclip_front_text);
  Zclip_back_text = text_field(dist, "TransfZclipBackText", zclip_textattr_chngCB, (XtPointer)1);
  place(Zclip_back_text, nullptr, Zclip_back_lbl);

  s = XmStringCreateLocalized(const_cast<char *>("Redraw Z-Clip Area Above"));
  Widget redraw = XtVaCreateManagedWidget("ZclipRedrawButton", xmPushButtonWidgetClass, form,
                                          XmNlabelString, s, nullptr);
  XmStringFree(s);
  place(redraw, dist_frame, nullptr);
  XtAddCallback(redraw, XmNactivateCallback, zclip_gwin_redrawCB, nullptr);
  return form;
}

// ---- refreshers -----------------------------------------------------------------------

static bool section_shown() { return Zclip_main_form && XtIsManaged(Zclip_main_form); }

static void show_value(Widget field, float value) {
  char text[32];
  snprintf(text, sizeof text, "%.4e", (double)value);
  XmTextFieldSetString(field, text);
}

static void planetext_refresh(float front, float back) {
  if (!section_shown()) return;
  show_value(Zclip_front_text, front);
  show_value(Zclip_back_text, back);
}

// With floating on, the minimum applies and the planes are the rule's: the
// plane fields are read-only and the window inactive; off, the reverse.
static void dialog_init() {
  if (!section_shown()) return;
  float front, back;
  zclipp_locat(&front, &back, 0);
  planetext_refresh(front, back);
  XmToggleButtonSetState(Zclip_float_tggl, Floating_z_planes ? True : False, False);
  show_value(Zclip_min_text, Zclip_float_minimum);
  const Boolean on = Floating_z_planes ? True : False, off = on ? False : True;
  XtSetSensitive(Zclip_min_text, on);
  XtSetSensitive(Zclip_min_lbl, on);
  XmTextFieldSetEditable(Zclip_front_text, off);
  XmTextFieldSetEditable(Zclip_back_text, off);
  for (Widget w : {Zclip_front_lbl, Zclip_back_lbl, Zclip_viewfront_lbl, Zclip_viewback_lbl,
                   Zclip_view_widget})
    if (w) XtSetSensitive(w, off);
}

static int area_exists() { return Zclip_view_widget && Zclip_view_win ? 1 : 0; }

void zclip_windep_install() {
  zclip_area_windep = area_exists;
  zclip_dialog_init_windep = dialog_init;
  zclip_planetext_refresh_windep = planetext_refresh;
}

// ---- callbacks ------------------------------------------------------------------------

static float field_value(Widget w) { return XtarvTextFieldFloat(w); }

void zclip_textattr_chngCB(Widget w, XtPointer client, XtPointer) {
  float value = field_value(w);
  zclip_attr_updt((int)(long)client, &value, 0);
}

void zclip_mintextattr_chngCB(Widget w, XtPointer, XtPointer) {
  zclip_minattr_updt(field_value(w), 0);
}

void zclip_tgglattr_chngCB(Widget w, XtPointer client, XtPointer) {
  float state = XmToggleButtonGetState(w) ? 1.0f : 0.0f;
  zclip_tgglattr_updt((int)(long)client, &state, 0);
}

void zclip_gwin_redrawCB(Widget, XtPointer, XtPointer) { zclip_gwin_redraw(); }

// ---- the window's mouse -------------------------------------------------------------

// Whether the (counted) first button is down, and the pointer's column.
static bool first_button(int *x, int *y) {
  int b1 = 0, b2 = 0, b3 = 0;
  get_mouse_info(Zclip_view_win, &b1, &b2, &b3, x, y, 0);
  return b1 || (b2 && Middle_Mouse_Setting == 10) || (b3 && Right_Mouse_Setting == 10);
}

// Drags marker mode (1 front, 2 back) while the button is held; records
// the plane's distance when it is let go.
static void drag(int mode, int *x, int w) {
  float front, back, fp, bp, smin, smax;
  int y = 0;
  while (first_button(x, &y)) {
    float t = zclip_drag_position(mode, *x, w);
    float now = mode == 1 ? Zclip_window.front_pos : Zclip_window.back_pos;
    if (t != now) {
      zcladj(mode, t, &front, &back, &fp, &bp, &smin, &smax);
      draw_zclipp_area_gl();
      zclip_planetext_refresh(front, back);
    }
    usleep(10000);
  }
  zclip_record_cmd(mode == 1 ? 1 : 0, mode == 1 ? Zclip_window.front : Zclip_window.back);
}

void manage_zclip_gl(Widget, XtPointer, XtPointer) {
  if (!area_exists()) return;
  int w = 0, h = 0, x = 0, y = 0;
  if (get_win_size(Zclip_view_win, &w, &h, 0) != 1 || w <= 0) return;
  if (!first_button(&x, &y)) return;
  if (zclip_press_marker(1, x, y, w, h)) drag(1, &x, w);
  if (zclip_press_marker(2, x, y, w, h)) drag(2, &x, w);
}
