// The Transformation Editor's windows (see transf_dialog.h).  Owns their
// widgets and menu tables; the logic of view/transf_editor.h decides what
// they show and reaches them only through Transf_editor_windep.  Callbacks
// read a control's value and call one logic function.
#include "view/ui/transf_dialog.h"

#include <Xm/ArrowB.h>
#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/Label.h>
#include <Xm/List.h>
#include <Xm/Protocols.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/Scale.h>
#include <Xm/ScrolledW.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>

#include <cstdio>
#include <string>
#include <vector>

#include "client/interf_settings.h"
#include "interact/tool_feedback.h"
#include "ui/dialog_frame.h"
#include "ui/file_select.h"
#include "ui/general_windep.h"
#include "ui/help_menu.h"
#include "ui/interf_init.h"
#include "ui/menus.h"
#include "ui/qedit_icons.h"
#include "ui/textc_windep.h"
#include "ui/transf_buttons.h"
#include "ui/widgen.h"
#include "ui/widget_helpers.h"
#include "ui/window_codes.h"
#include "view/frames.h"
#include "view/observer.h"
#include "view/transf_editor.h"
#include "view/transf_feedback.h"
#include "view/ui/frame_panel.h"
#include "view/ui/transf_feedback_windep.h"
#include "view/ui/transf_tool_sections.h"
#include "view/ui/viewer_section.h"
#include "view/ui/viewport_panel.h"
#include "view/ui/zclip_section.h"
#include "view/zclip.h"

Widget Transformation_dialog = nullptr;
Widget Transf_main_form = nullptr;
Widget Transf_curmode_lbl = nullptr;
Widget Transf_minus_aro = nullptr, Transf_scale = nullptr, Transf_plus_aro = nullptr;
Widget Transf_whichvp_lbl = nullptr;
Widget Transf_linktransf_tggl = nullptr;
Widget Transf_whichframe_lbl = nullptr;
Widget Transf_scaleincr_lbl = nullptr, Transf_scaleincr_text = nullptr;
Widget Transf_scalelimit_lbl = nullptr, Transf_scalelimit_text = nullptr;
Widget Transf_axis_optmen = nullptr;
Widget Transf_scroll_win = nullptr;
Widget Transf_redobyglobal_tggl = nullptr, Transf_redobycurviewp_tggl = nullptr;

#define TRANSF_ROW 1  // the editor's row of Widgen_tbl

#define M(label, mn, cb, data, kind, level) \
  { label, mn, cb, (XtPointer)(long)(data), kind, level, nullptr }
Menu_item_rec Transf_file_menu[2] = {
    M("Save View...", 'S', transf_saverestore_viewCB, 1, XtarvPUSHBUTTON, 0),
    M("Restore View...", 'R', transf_saverestore_viewCB, 0, XtarvPUSHBUTTON, 0),
};
Menu_item_rec Transf_mode_menu[17] = {
    M("Global Transform", 'G', transf_tggl_modesCB, 0, XtarvTOGGLEBUTTON, 0),
    M("Frame", 'F', nullptr, 0, XtarvCASCADE, 0),
    M("Transform", 'T', transf_tggl_modesCB, 1, XtarvTOGGLEBUTTON, 1),
    M("Definition", 'D', transf_tggl_modesCB, 10, XtarvTOGGLEBUTTON, 1),
    M("Tools", 'T', nullptr, 0, XtarvCASCADE, 0),
    M("Cursor", 'C', transf_tggl_modesCB, 2, XtarvTOGGLEBUTTON, 1),
    M("Line", 'L', transf_tggl_modesCB, 3, XtarvTOGGLEBUTTON, 1),
    M("Plane", 'P', transf_tggl_modesCB, 4, XtarvTOGGLEBUTTON, 1),
    M("", ' ', nullptr, 0, XtarvSEPARATOR, 1),
    M("Cylinder", 'y', transf_tggl_modesCB, 6, XtarvTOGGLEBUTTON, 1),
    M("Sphere", 'S', transf_tggl_modesCB, 7, XtarvTOGGLEBUTTON, 1),
    M("Cone", 'n', transf_tggl_modesCB, 8, XtarvTOGGLEBUTTON, 1),
    M("Revolution", 'R', transf_tggl_modesCB, 9, XtarvTOGGLEBUTTON, 1),
    M("Z-Clip", 'Z', transf_tggl_modesCB, 1000, XtarvTOGGLEBUTTON, 0),
    M("Look At/Look From", 'L', transf_tggl_modesCB, 2000, XtarvTOGGLEBUTTON, 0),
    M("Copy Transformation State", 'C', transf_copy_stateCB, 0, XtarvPUSHBUTTON, 0),
    M("Paste Transformation State", 'P', transf_paste_stateCB, 0, XtarvPUSHBUTTON, 0),
};
Menu_item_rec Transf_help_menu[1] = {
    M("Help", 'H', transf_infomanCB, 0, XtarvPUSHBUTTON, 0),
};
Menu_item_rec Transf_axis_menu[4] = {
    M("X", 'X', transf_axis_chngCB, 0, XtarvPUSHBUTTON, 0),
    M("Y", 'Y', transf_axis_chngCB, 1, XtarvPUSHBUTTON, 0),
    M("Z", 'Z', transf_axis_chngCB, 2, XtarvPUSHBUTTON, 0),
    M("All", 'A', transf_axis_chngCB, 3, XtarvPUSHBUTTON, 0),
};
#undef M

// ---- building the editor ------------------------------------------------------------------

static int font_w() { return Menu_font_width > 0 ? Menu_font_width : 8; }
static int font_h() { return Menu_font_size > 0 ? Menu_font_size : 13; }

// A form child's top below top (the form's top when null) and its left at
// left (the form's left edge when null), with offsets.
static Widget_args placed(Widget top, int top_offset, Widget left = nullptr, int left_offset = 4) {
  Widget_args a;
  if (top)
    a.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, top, XmNtopOffset, top_offset);
  else
    a.attach(XmNtopAttachment, XmATTACH_FORM, nullptr, nullptr, XmNtopOffset, top_offset);
  if (left)
    a.attach(XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, left, XmNleftOffset, left_offset);
  else
    a.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, left_offset);
  return a;
}

static Widget arrow(Widget form, const char *name, unsigned char direction, long step,
                    Widget_args a) {
  a.set(XmNarrowDirection, direction).set(XmNwidth, 20).set(XmNheight, 20);
  Widget w = XtCreateManagedWidget(name, xmArrowButtonWidgetClass, form, a.list(), a.count());
  XtAddCallback(w, XmNactivateCallback, transf_incvalue_chngCB, (XtPointer)step);
  return w;
}

static Widget toggle(Widget parent, const char *name, const char *text, XtCallbackProc cb,
                     XtPointer client, Widget_args a = {}) {
  XmString s = qvn_xmstring(text);
  a.set(XmNlabelString, s).font();
  Widget w = XtCreateManagedWidget(name, xmToggleButtonWidgetClass, parent, a.list(), a.count());
  XmStringFree(s);
  XtAddCallback(w, XmNvalueChangedCallback, cb, client);
  return w;
}

static Widget push(Widget parent, const char *name, const char *text, XtCallbackProc cb,
                   XtPointer client, Widget_args a = {}) {
  XmString s = qvn_xmstring(text);
  a.set(XmNlabelString, s).font();
  Widget w = add_button(parent, name, cb, client, a.list(), a.count());
  XmStringFree(s);
  return w;
}

// The window manager's close of a dialog runs cb with client.
static void close_by_window_manager(Widget dialog, XtCallbackProc cb, XtPointer client) {
  Atom wm_delete = XmInternAtom(XtDisplay(dialog), const_cast<char *>("WM_DELETE_WINDOW"), False);
  XmAddWMProtocolCallback(XtParent(dialog), wm_delete, cb, client);
}

// The slider row under the mode label: "-", the left arrow, the slider,
// the right arrow and "+".  Returns the slider.
static Widget slider_row(Widget form, Widget top) {
  Widget minus = transf_label(form, "TransfMinLabel", "-", placed(top, 8));
  Transf_minus_aro = arrow(form, "TransfMinArrow", XmARROW_LEFT, -1, placed(top, 8, minus, 2));
  Widget_args sa = placed(top, 0, Transf_minus_aro, 2);
  sa.set(XmNorientation, XmHORIZONTAL).set(XmNscaleWidth, 41 * font_w()).set(XmNscaleHeight, 20);
  sa.set(XmNminimum, -90).set(XmNmaximum, 90).set(XmNdecimalPoints, 0).set(XmNvalue, 0);
  sa.set(XmNshowValue, True).set(XmNprocessingDirection, XmMAX_ON_RIGHT).font();
  Transf_scale = XtCreateManagedWidget("TransfScale", xmScaleWidgetClass, form, sa.list(), sa.count());
  XtAddCallback(Transf_scale, XmNdragCallback, transf_slider_movmntCB, nullptr);
  XtAddCallback(Transf_scale, XmNvalueChangedCallback, transf_slider_chngCB, nullptr);
  Transf_plus_aro = arrow(form, "TransfPlusArrow", XmARROW_RIGHT, 1, placed(top, 8, Transf_scale, 2));
  transf_label(form, "TransfPlusLabel", "+", placed(top, 8, Transf_plus_aro, 2));
  return Transf_scale;
}

// The viewport group (label, chooser, link toggle) and the frame group
// (label, list) in the same place under the slider; the mode shows one.
// Returns the wider of the two, for what goes right of them.
static Widget target_groups(Widget form, Widget top) {
  Transf_whichvp_lbl = transf_label(form, "TransfViewpLabel", "Which Viewport(s)", placed(top, 6));
  Widget_args ca = placed(Transf_whichvp_lbl, 2);
  ca.set(XmNwidth, 13 * font_w()).set(XmNheight, 7 * font_h());
  gwin_transfviewpsel_create(form, ca.list(), ca.count());
  Widget below_chooser = Transf_whichvp_widget ? Transf_whichvp_widget : Transf_whichvp_lbl;
  Transf_linktransf_tggl = toggle(form, "TransfLinkTransfToggle", "Link Interactive\nTransforms",
                                  transf_link_viewportsCB, nullptr, placed(below_chooser, 2));

  Transf_whichframe_lbl = transf_label(form, "TransfViewpLabel", "Which Frame", placed(top, 6));
  Widget_args la = placed(Transf_whichframe_lbl, 2);
  la.set(XmNwidth, 16 * font_w()).set(XmNvisibleItemCount, 4);
  la.set(XmNselectionPolicy, XmEXTENDED_SELECT).set(XmNscrollBarDisplayPolicy, XmSTATIC).font();
  Transf_whichframe_list =
      XmCreateScrolledList(form, const_cast<char *>("mainshowList"), la.list(), la.count());
  XtAddCallback(Transf_whichframe_list, XmNextendedSelectionCallback, transf_framelist_selectCB,
                nullptr);
  XtManageChild(Transf_whichframe_list);
  return XtParent(Transf_whichframe_list);
}

// "Scale Settings": the increment and limit fields, then the axis menu,
// right of the target groups.
static void scale_settings(Widget form, Widget top, int left_offset) {
  Widget title = transf_label(form, "TransfScaleLabel", "Scale Settings", placed(top, 6, nullptr, left_offset));
  Widget_args fr = placed(title, 2, nullptr, left_offset);
  Widget frame =
      XtCreateManagedWidget("TransfScaleFrame", xmFrameWidgetClass, form, fr.list(), fr.count());
  Widget inner = XtCreateManagedWidget("TransfScaleFrame", xmFormWidgetClass, frame, nullptr, 0);
  Transf_scaleincr_lbl = transf_label(inner, "TransfScaleIncrLabel", "Increment", placed(nullptr, 8));
  Transf_scaleincr_text = transf_text_field(inner, "TransfScaleIncrText", 8, transf_incvalue_chngCB,
                                            (XtPointer)0, placed(nullptr, 2, Transf_scaleincr_lbl));
  Transf_scalelimit_lbl =
      transf_label(inner, "TransfScaleLimLabel", "Limit", placed(Transf_scaleincr_text, 8));
  Widget_args fa = placed(Transf_scaleincr_text, 2, nullptr, 0);
  fa.attach(XmNleftAttachment, XmATTACH_OPPOSITE_WIDGET, XmNleftWidget, Transf_scaleincr_text);
  Transf_scalelimit_text =
      transf_text_field(inner, "TransfScaleLimText", 8, transf_limvalue_chngCB, nullptr, fa);
  Widget_args oa = placed(frame, 4, nullptr, left_offset);
  Transf_axis_optmen = XtarvCreateOptionMenu(form, "TransfScaleAxis", "Axis", oa.list(), oa.count(),
                                             Transf_axis_menu, 4, 0);
  XtManageChild(Transf_axis_optmen);
}

// The main controls: mode label, slider row, the viewport or frame group,
// the scale settings and the axis menu.
static void main_controls(Widget column) {
  const int W = font_w();
  Widget_args fa;
  fa.set(XmNwidth, 34 * W + 88);
  Transf_main_form = XtCreateManagedWidget("TransfMainCntrlForm", xmFormWidgetClass, column,
                                           fa.list(), fa.count());
  Widget_args la = placed(nullptr, 2);
  la.attach(XmNrightAttachment, XmATTACH_FORM);
  la.set(XmNalignment, XmALIGNMENT_BEGINNING);
  if (Section_color.pixel) la.set(XmNforeground, Section_color.pixel);
  Transf_curmode_lbl = transf_label(Transf_main_form, "TransfCurModeLabel",
                                    "Current Transformation Mode: XXXXXXXXXXXXXXXX", la);
  Widget slider = slider_row(Transf_main_form, Transf_curmode_lbl);
  target_groups(Transf_main_form, slider);
  scale_settings(Transf_main_form, slider, 17 * W + 12);
}

// The editor's lower area: the "Coords" heading and every section, each
// left for the mode switch to show.
static void sections(Widget column) {
  Feedback_label = transf_label(column, "TransfFdbkLabel", "Coords");
  transf_gen_zclip_sect(column);
  transf_gen_viewer_sect(column);
  transf_gen_cursorloc_sect(column);
  transf_gen_lineloc_sect(column);
  transf_gen_planeloc_sect(column);
  transf_gen_quadricloc_sect(column);
  frame_genlocattr_sect(column);
}

void transf_gen_dialog() {
  if (Transformation_dialog || !Main_win[0]) return;
  Arg a[12];
  XmString title = nullptr;
  Cardinal n = widgen_apply_args(TRANSF_ROW, a, 0, &title);
  const Widgen_rec &row = Widgen_tbl[TRANSF_ROW];
  if (row.width == -1 && row.height != -1) {
    XtSetArg(a[n], XmNheight, row.height); n++;
  }
  XtSetArg(a[n], XmNautoUnmanage, False); n++;
  XtSetArg(a[n], XmNdeleteResponse, XmDO_NOTHING); n++;
  Widget dialog = XmCreateFormDialog(Main_win[0], const_cast<char *>("TransfDialog"), a, n);
  XmStringFree(title);
  close_by_window_manager(dialog, unmanage_rout, &Transformation_dialog);

  Widget_args ba;
  ba.attach(XmNtopAttachment, XmATTACH_FORM).attach(XmNleftAttachment, XmATTACH_FORM);
  ba.attach(XmNrightAttachment, XmATTACH_FORM);
  Widget bar = XmCreateMenuBar(dialog, const_cast<char *>("TransfDialog"), ba.list(), ba.count());
  XtarvCreatePulldownMenu(bar, "File", 'F', nullptr, 0, Transf_file_menu, 2, 0);
  XtarvCreatePulldownMenu(bar, "Editor Function", 'E', nullptr, 0, Transf_mode_menu, 17, 0);
  Widget help = XtarvCreatePulldownMenu(bar, "Help", 'H', nullptr, 0, Transf_help_menu, 1, 0);
  XtVaSetValues(bar, XmNmenuHelpWidget, help, nullptr);
  XtManageChild(bar);

  Widget_args ca;
  ca.attach(XmNbottomAttachment, XmATTACH_FORM, nullptr, nullptr, XmNbottomOffset, 4);
  ca.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 4);
  Widget close = push(dialog, "TransfClose", "Close", unmanage_rout, &Transformation_dialog, ca);

  const int W = font_w(), H = font_h();
  Widget_args sa;
  sa.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, bar);
  sa.attach(XmNbottomAttachment, XmATTACH_WIDGET, XmNbottomWidget, close, XmNbottomOffset, 4);
  sa.attach(XmNleftAttachment, XmATTACH_FORM).attach(XmNrightAttachment, XmATTACH_FORM);
  sa.set(XmNwidth, 37 * W + 94).set(XmNheight, 16 * H).set(XmNscrollingPolicy, XmAUTOMATIC);
  Transf_scroll_win = XtCreateManagedWidget("TransfScrollWin", xmScrolledWindowWidgetClass, dialog,
                                            sa.list(), sa.count());
  Widget column = XtVaCreateManagedWidget("TransfRowCol", xmRowColumnWidgetClass, Transf_scroll_win,
                                          XmNorientation, XmVERTICAL, nullptr);
  main_controls(column);
  sections(column);
  keep_on_screen(dialog);
  // Set last: the builder is done only once every section stands.
  Transformation_dialog = dialog;
}

// ---- the reset dialog ---------------------------------------------------------------------

// A titled box below top (the form's top when null), stretched across.
static Widget titled_box(Widget form, Widget top, const char *name, const char *title,
                         Widget *inner) {
  Widget_args a = placed(top, 4);
  a.attach(XmNrightAttachment, XmATTACH_FORM, nullptr, nullptr, XmNrightOffset, 4);
  return gen_holdform(form, name, title, 6, inner, a.list(), a.count());
}

static Widget button_row(Widget parent, const char *name, Widget_args a = {}) {
  a.set(XmNorientation, XmHORIZONTAL);
  return XtCreateManagedWidget(name, xmRowColumnWidgetClass, parent, a.list(), a.count());
}

void transf_genredowhichviewp_dialog() {
  if (Transf_redowhichviewp_dialog || !Main_win[0]) return;
  Position x = 0, y = 0;
  place_near_pointer(Main_win[0], 1, 80 * font_w(), 2 * font_h(), PLACE_CLAMP, PLACE_CLAMP, &x, &y);
  XmString title = qvn_xmstring("Reset Tools and Viewport(s)");
  Widget_args da;
  da.set(XmNx, x).set(XmNy, y).set(XmNdefaultPosition, False).set(XmNdialogTitle, title);
  da.set(XmNautoUnmanage, False).set(XmNdeleteResponse, XmDO_NOTHING);
  Widget dialog =
      XmCreateFormDialog(Main_win[0], const_cast<char *>("TransfRedoWhichDialog"), da.list(), da.count());
  XmStringFree(title);
  close_by_window_manager(dialog, transf_redo_closeCB, nullptr);

  Widget inner = nullptr;
  Widget which = titled_box(dialog, nullptr, "TransfRedoWhich", "Which Viewport(s)", &inner);
  Widget_args ga = placed(nullptr, 10);
  ga.set(XmNwidth, 125).set(XmNheight, 110);
  gwin_transfwhichviewp_create(inner, ga.list(), ga.count());

  Widget tools = titled_box(dialog, which, "TransfRedoTools", "Reset Tool(s)", &inner);
  Transf_redobyglobal_tggl = toggle(inner, "TransfRedoGlobalToggle", "By Global\nXYZ Space",
                                    transf_resettool_constraintCB, (XtPointer)0, placed(nullptr, 10));
  Transf_redobycurviewp_tggl =
      toggle(inner, "TransfRedoCurViewToggle", "By Selected\nViewport",
             transf_resettool_constraintCB, (XtPointer)1, placed(nullptr, 10, Transf_redobyglobal_tggl));
  Widget tool_row = button_row(inner, "TransfRedoWhichToolRowColumn", placed(Transf_redobyglobal_tggl, 4));
  static const char *const tool_buttons[4][2] = {{"TransfRedoCursorButton", "Reset Cursor"},
                                                 {"TransfRedoLineButton", "Reset Line"},
                                                 {"TransfRedoPlaneButton", "Reset Plane"},
                                                 {"TransfRedoQuadricButton", "Reset Quadric"}};
  for (int k = 0; k < 4; k++)
    push(tool_row, tool_buttons[k][0], tool_buttons[k][1], transf_resettool_rottrnsclCB,
         (XtPointer)(long)(k + 2));

  Widget viewports = titled_box(dialog, tools, "TransfRedoViewp", "Reset Viewport(s)", &inner);
  Widget vp_row = button_row(inner, "TransfRedoWhichViewpRowColumn", placed(nullptr, 10));
  push(vp_row, "TransfRedoWhichResetByButton", "Reset By Selected\nTransform Only",
       transf_reset_byCB, nullptr);
  push(vp_row, "TransfRedoWhichResetRTZButton", "Reset Rotate/\nTranslate/Scale",
       transf_reset_rottrnsclCB, nullptr);
  push(vp_row, "TransfRedoWhichReinitButton", "Reinitialize", transf_reinitializeCB, nullptr);

  Widget_args ra = placed(viewports, 6);
  ra.attach(XmNbottomAttachment, XmATTACH_FORM, nullptr, nullptr, XmNbottomOffset, 4);
  Widget bottom = button_row(dialog, "TransfRedoButtons", ra);
  push(bottom, "TransfRedoClose", "Close", transf_redo_closeCB, nullptr);
  push(bottom, "TransfRedoHelp", "Help", info_manCB, const_cast<char *>("HT-View-Reset"));
  keep_on_screen(dialog);
  Transf_redowhichviewp_dialog = dialog;
}

// ---- what the logic shows -------------------------------------------------------------------

static int editor_built() { return Transformation_dialog ? 1 : 0; }
static int editor_shown() { return Transformation_dialog && XtIsManaged(Transformation_dialog); }
static void editor_manage() { manage_rout(nullptr, &Transformation_dialog, nullptr); }

static void show(Widget w, bool on) {
  if (!w) return;
  if (on)
    XtManageChild(w);
  else
    XtUnmanageChild(w);
}

static bool hidden(Widget w) { return w && !XtIsManaged(w); }

// The areas of an editor mode, its title, and its tool location form.
static void mode_areas(int mode, const char *title) {
  // The quadric sub-section: one section serves the cylinder, sphere and
  // cone, the other the surface of revolution.
  if (mode >= 6 && mode <= 9) {
    show(Feedback_cylsect_info, mode != 9);
    show(Feedback_revsect_info, mode == 9);
    if (mode == 9) revtool_manage_init();
  }
  const bool zclip = mode == 1000, look = mode == 2000;
  if (zclip && hidden(Zclip_main_form)) {
    XtManageChild(Zclip_main_form);
    zclint();
  }
  if (look && hidden(Viewer_main_form)) {
    XtManageChild(Viewer_main_form);
    obsint();
  }
  show(Zclip_main_form, zclip);
  show(Viewer_main_form, look);
  show(Transf_main_form, !zclip && !look);
  if (!zclip && !look) {
    const bool viewports = mode == 0;
    show(Transf_whichvp_lbl, viewports);
    show(Transf_whichvp_widget, viewports);
    show(Transf_linktransf_tggl, viewports);
    show(Transf_whichframe_lbl, !viewports);
    if (Transf_whichframe_list) show(XtParent(Transf_whichframe_list), !viewports);
  }
  show(Feedback_label, !(mode == 0 || mode == 1 || mode == 10 || zclip || look));
  if (title) {
    XmString s = qvn_xmstring(title);
    XtVaSetValues(Transformation_dialog, XmNdialogTitle, s, nullptr);
    XmStringFree(s);
  }
  show(Feedback_cursor_form, mode == 2);
  show(Feedback_line_form, mode == 3);
  show(Feedback_plane_form, mode == 4);
  show(Feedback_quadric_form, mode >= 5 && mode <= 9);
  show(Frame_feedback_form, mode == 10);
}

static void set_toggles(int mode) {
  for (Menu_item_rec &r : Transf_mode_menu)
    if (r.kind == XtarvTOGGLEBUTTON && r.widget)
      XmToggleButtonSetState(r.widget, (long)r.client_data == mode ? True : False, False);
}

static void icons(const int sensitive[5], int reset_sensitive) {
  for (int r = 0; r < 5; r++)
    if (Qedit_transfbut_tbl[r].button) XtSetSensitive(Qedit_transfbut_tbl[r].button, sensitive[r]);
  for (const Transf_button_rec &r : Qedit_transfbut_tbl)
    if (r.action == 6 && r.button) XtSetSensitive(r.button, reset_sensitive);
}

static void activate_icon(int item) {
  qedit_switch_action_windep(item, Qedit_transfbut_tbl[item].button, 1);
}

static void slider(int action, const Transf_slider_scale *scale, const char *mode_label) {
  const bool on = scale != nullptr;
  for (Widget w : {Transf_scale, Transf_minus_aro, Transf_plus_aro, Transf_scaleincr_lbl,
                   Transf_scaleincr_text, Transf_scalelimit_lbl, Transf_scalelimit_text})
    if (w) XtSetSensitive(w, on);
  if (Transf_axis_optmen) XtarvOptionMenuSetSensitive(Transf_axis_optmen, on && action != 4);
  if (!on) return;
  if (Transf_curmode_lbl && mode_label) {
    XmString s = qvn_xmstring(mode_label);
    XtVaSetValues(Transf_curmode_lbl, XmNlabelString, s, nullptr);
    XmStringFree(s);
  }
  const int end = scale->maximum > 0 ? scale->maximum : 1;
  if (Transf_scale)
    XtVaSetValues(Transf_scale, XmNvalue, 0, XmNminimum, -end, XmNmaximum, end, XmNdecimalPoints,
                  scale->decimals, nullptr);
}

static void slider_zero() {
  if (Transf_scale) XmScaleSetValue(Transf_scale, 0);
}

static void fields(float increment, float limit) {
  char text[48];
  snprintf(text, sizeof text, "%f", increment);
  if (Transf_scaleincr_text) XmTextFieldSetString(Transf_scaleincr_text, text);
  snprintf(text, sizeof text, "%f", limit);
  if (Transf_scalelimit_text) XmTextFieldSetString(Transf_scalelimit_text, text);
}

static void axis_show(int item) {
  if (Transf_axis_optmen) XtarvOptionMenuSetState(Transf_axis_optmen, Transf_axis_menu, item, 0);
}

static void link_show(int on) {
  if (Transf_linktransf_tggl) XmToggleButtonSetState(Transf_linktransf_tggl, on ? True : False, False);
}

void transf_frame_refresh_windep() {
  if (!editor_shown() || !Transf_whichframe_list) return;
  XmListDeleteAllItems(Transf_whichframe_list);
  for (int k = 0; k < Num_frames; k++) {
    int number = -1;
    char name[FRAME_NAME_LEN] = "";
    getframe(k, &number, name);
    XmString s = qvn_xmstring(name);
    XmListAddItemUnselected(Transf_whichframe_list, s, 0);
    XmStringFree(s);
  }
}

static void frame_list(int, const char *const *, int nselected, const int *positions) {
  if (!editor_shown() || !Transf_whichframe_list) return;
  transf_frame_refresh_windep();
  XmListDeselectAllItems(Transf_whichframe_list);
  XtarvListSelectMultPos(Transf_whichframe_list, nselected, positions);
}

static void reset_dialog_manage() {
  if (!Transf_redowhichviewp_dialog) transf_genredowhichviewp_dialog();
  if (Transf_redowhichviewp_dialog) XtManageChild(Transf_redowhichviewp_dialog);
}

static void reset_dialog_init(int constraint) {
  if (!Transf_redowhichviewp_dialog || !XtIsManaged(Transf_redowhichviewp_dialog)) return;
  XmToggleButtonSetState(Transf_redobyglobal_tggl, constraint == 0 ? True : False, False);
  XmToggleButtonSetState(Transf_redobycurviewp_tggl, constraint != 0 ? True : False, False);
}

static void help(const char *topic) { info_manCB(nullptr, const_cast<char *>(topic), nullptr); }

void transf_dialog_windep_install() {
  Transf_editor_windep.built = editor_built;
  Transf_editor_windep.shown = editor_shown;
  Transf_editor_windep.manage = editor_manage;
  Transf_editor_windep.mode_areas = mode_areas;
  Transf_editor_windep.set_toggles = set_toggles;
  Transf_editor_windep.icons = icons;
  Transf_editor_windep.activate_icon = activate_icon;
  Transf_editor_windep.slider = slider;
  Transf_editor_windep.slider_zero = slider_zero;
  Transf_editor_windep.fields = fields;
  Transf_editor_windep.axis_show = axis_show;
  Transf_editor_windep.link_show = link_show;
  Transf_editor_windep.frame_list = frame_list;
  Transf_editor_windep.reset_dialog_manage = reset_dialog_manage;
  Transf_editor_windep.reset_dialog_init = reset_dialog_init;
  Transf_editor_windep.qedit_refresh = qedit_panel_refresh_windep;
  Transf_editor_windep.help = help;
}

// ---- the saved-view file selection ------------------------------------------------------------

// The name in the file selection's field, "" for none.
static std::string chosen_file() {
  return Fileselect_file_text ? fsel_get_text(Fileselect_file_text) : std::string();
}

void transf_getfile_and_saveview() {
  const std::string name = chosen_file();
  if (!name.empty()) transf_save_view(name.c_str(), 0);
}

void transf_getfile_and_restrview() {
  const std::string name = chosen_file();
  if (!name.empty()) transf_restore_view(name.c_str(), 0);
}

// ---- callbacks ----------------------------------------------------------------------------------

void transf_dialog_manageinitCB(Widget, XtPointer, XtPointer) { transf_dialog_manageinit(); }
void transf_manageinit_bytoolCB(Widget, XtPointer, XtPointer) { transf_manageinit_bytool(); }

void transf_tggl_modesCB(Widget, XtPointer mode, XtPointer) {
  transf_mode_manage_windep((int)(long)mode, 1, 0);
}

void transf_copy_stateCB(Widget, XtPointer, XtPointer) { transf_copy_state(0); }
void transf_paste_stateCB(Widget, XtPointer, XtPointer) { transf_paste_state(0); }

void transf_saverestore_viewCB(Widget, XtPointer save, XtPointer) {
  fsel_select(9, nullptr, nullptr, nullptr, 0,
              save ? transf_getfile_and_saveview : transf_getfile_and_restrview, nullptr);
}

void transf_infomanCB(Widget, XtPointer, XtPointer) { transf_editor_help(); }

void transf_link_viewportsCB(Widget w, XtPointer, XtPointer) {
  transf_link_viewports(XmToggleButtonGetState(w) ? 1 : 0, 0);
}

void transf_axis_chngCB(Widget, XtPointer item, XtPointer) { transf_axis_chng((int)(long)item); }

void transf_incvalue_chngCB(Widget, XtPointer direction, XtPointer) {
  transf_incvalue_chng((int)(long)direction, XtarvTextFieldFloat(Transf_scaleincr_text));
}

void transf_limvalue_chngCB(Widget, XtPointer, XtPointer) {
  transf_limvalue_chng(XtarvTextFieldFloat(Transf_scalelimit_text));
}

void transf_framelist_selectCB(Widget, XtPointer, XtPointer call) {
  auto *cbs = static_cast<XmListCallbackStruct *>(call);
  const int count = cbs && cbs->selected_item_positions ? cbs->selected_item_count : 0;
  transf_framelist_select(count, count ? cbs->selected_item_positions : nullptr);
}

void transf_slider_movmntCB(Widget, XtPointer, XtPointer call) {
  auto *cbs = static_cast<XmScaleCallbackStruct *>(call);
  if (cbs) transf_slider_movmnt(cbs->value);
}

void transf_slider_chngCB(Widget w, XtPointer, XtPointer) {
  transf_slider_chng();
  XmScaleSetValue(w, 0);
}

void transf_reset_byCB(Widget, XtPointer, XtPointer) {
  transf_reset_action(0, 0);
  transf_feedback_refresh();
}

void transf_reset_rottrnsclCB(Widget, XtPointer, XtPointer) {
  transf_reset_action(1, 0);
  transf_feedback_refresh();
}

void transf_resettool_constraintCB(Widget w, XtPointer constraint, XtPointer) {
  if (!XmToggleButtonGetState(w)) {  // the one that is on stays on
    XmToggleButtonSetState(w, True, False);
    return;
  }
  Widget other = constraint ? Transf_redobyglobal_tggl : Transf_redobycurviewp_tggl;
  if (other) XmToggleButtonSetState(other, False, False);
  transf_resettool_constraint((int)(long)constraint, 0);
}

// (the tool reset refreshes the tool location area itself)
void transf_resettool_rottrnsclCB(Widget, XtPointer tool, XtPointer) {
  transf_setmode_resettool((int)(long)tool, 1);
}

void transf_reinitializeCB(Widget, XtPointer, XtPointer) { transf_reinitviewport(0); }

void transf_redo_closeCB(Widget, XtPointer, XtPointer) {
  if (Transf_redowhichviewp_dialog) XtUnmanageChild(Transf_redowhichviewp_dialog);
}
