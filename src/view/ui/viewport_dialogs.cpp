// The four viewport attribute dialogs and the notice that a change went to
// the defaults, their callbacks and fillers, and the panel's callbacks.
// Owns the dialogs' widget holders and menu rows; every value shown is read
// from the first edited viewport (or the defaults) and every change goes to
// viewp_attr_updt and the panel logic (viewp_cmdproc.h, viewp_panel.h).
#include <Xm/ArrowBG.h>
#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/LabelG.h>
#include <Xm/Protocols.h>
#include <Xm/RowColumn.h>
#include <Xm/TextF.h>
#include <Xm/ToggleBG.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "interact/movmnt.h"
#include "parts/read.h"
#include "ui/color_chooser.h"
#include "ui/dialog_frame.h"
#include "ui/general_windep.h"
#include "ui/help_menu.h"
#include "ui/interf_init.h"
#include "ui/menus.h"
#include "ui/qedit_icons.h"
#include "ui/textc_windep.h"
#include "ui/widgen.h"
#include "ui/widget_helpers.h"
#include "ui/window_codes.h"
#include "view/background_editor.h"
#include "view/ui/viewport_dialogs.h"
#include "view/ui/viewport_panel.h"
#include "view/viewp_cmdproc.h"
#include "view/viewp_panel.h"
#include "view/viewport_background.h"
#include "view/viewports.h"

Widget Viewp_bgtype_optmen, Viewp_bgcolorsect_form, Viewp_bgconst_form, Viewp_bgblend_form;
Widget Viewp_bgcred_text, Viewp_bgcgrn_text, Viewp_bgcblu_text;
Widget Viewp_bgnumlevels_text, Viewp_bgedlevel_text, Viewp_bgypos_text;
Widget Viewp_bgbred_text, Viewp_bgbgrn_text, Viewp_bgbblu_text;
Widget Viewp_bgup_arrow, Viewp_bgdown_arrow, Viewp_bgposup_arrow, Viewp_bgposdn_arrow;
Widget Viewp_locaattr_dialog, Viewp_originx_text, Viewp_originy_text, Viewp_width_text,
    Viewp_height_text;
Widget Viewp_borderattr_dialog, Viewp_bordervis_tggl, Viewp_borderred_text, Viewp_bordergrn_text,
    Viewp_borderblu_text;
Widget Viewp_specialattr_dialog, Viewp_specialdimens_optmen, Viewp_specialpersp_tggl,
    Viewp_specialhsrf_tggl, Viewp_specialhlin_tggl;
Widget Viewp_defeditnotify_dialog;

Menu_item_rec Viewp_bgtype_menu[3] = {
    {"Blended", 'B', viewp_bgcolortype_chngCB, (XtPointer)3, XtarvPUSHBUTTON, 0, nullptr},
    {"Constant", 'C', viewp_bgcolortype_chngCB, (XtPointer)2, XtarvPUSHBUTTON, 0, nullptr},
    {"Inherit", 'I', viewp_bgcolortype_chngCB, (XtPointer)1, XtarvPUSHBUTTON, 0, nullptr},
};
Menu_item_rec Viewp_specialdimens_menu[2] = {
    {"3D", '3', viewp_specialdimens_chngCB, (XtPointer)1, XtarvPUSHBUTTON, 0, nullptr},
    {"2D", '2', viewp_specialdimens_chngCB, (XtPointer)0, XtarvPUSHBUTTON, 0, nullptr},
};

static const char Help_topic[] = "HT-View-Viewports";

// ---- building helpers ------------------------------------------------------------------

// An input row "%sLabelG" / "%sTextF"; Enter calls cb with client.
static Widget input(Widget parent, const char *name, const char *label, int columns, int maxlen,
                    XtCallbackProc cb, long client) {
  Widget field = nullptr;
  XtarvCreateInputForm(parent, name, label, columns, maxlen, 0, 5, nullptr, &field, 1, 0, nullptr,
                       0);
  return text_on_enter(field, cb, client);
}


static Widget plain_field(Widget parent, const char *name, long client) {
  Widget_args a;
  a.set(XmNcolumns, 11).set(XmNmaxLength, 11);
  Widget w = XtCreateManagedWidget(name, xmTextFieldWidgetClass, parent, a.list(), a.count());
  return text_on_enter(w, viewp_textattr_chngCB, client);
}


static Widget arrow(Widget parent, const char *name, unsigned char direction, const char *callback,
                    XtCallbackProc cb, long client) {
  Widget_args a;
  a.set(XmNarrowDirection, direction).set(XmNwidth, 15).set(XmNheight, 15);
  Widget w = XtCreateManagedWidget(name, xmArrowButtonGadgetClass, parent, a.list(), a.count());
  XtAddCallback(w, callback, cb, (XtPointer)client);
  return w;
}

static Widget button(Widget parent, const char *base, const char *label, XtCallbackProc cb,
                     XtPointer client) {
  return XtarvCreateButton(parent, base, label, XtarvPUSHBUTTON, ' ', cb, client, nullptr, 0);
}

// The "Close" and "Help..." buttons "<base>ClosePushBG" and
// "<base>HelpPushBG" in a row of their own; Close unmanages *dialog.
static void close_help_row(Widget col, const char *base, Widget *dialog) {
  Widget buttons = dialog_row(col, (std::string(base) + "Buttons").c_str());
  Widget close = button(buttons, (std::string(base) + "Close").c_str(), "Close", unmanage_rout, dialog);
  button(buttons, (std::string(base) + "Help").c_str(), "Help...", info_manCB,
         const_cast<char *>(Help_topic));
  dialog_keys(*dialog, nullptr, close);
}

// ---- the five dialogs ----------------------------------------------------------------------

void viewp_genbgcolor_dialog() {
  if (Viewp_bgcolorattr_dialog) return;
  Viewp_bgcolorattr_dialog = near_pointer_form_dialog("ViewpBgClrDialog", "Viewport Background Color Attributes",
                                         50, 15, viewp_colorattr_closeCB, nullptr);
  Widget col = dialog_column(Viewp_bgcolorattr_dialog, "ViewpBgClrRowCol");
  Viewp_bgtype_optmen =
      XtarvCreateOptionMenu(col, "ViewpBgClrBType", "Type", nullptr, 0, Viewp_bgtype_menu, 3, 0);
  Widget frame = XtCreateManagedWidget("ViewpBgClrSectFrame", xmFrameWidgetClass, col, nullptr, 0);
  Viewp_bgcolorsect_form = XtCreateManagedWidget("ViewpBgClrSectForm", xmFormWidgetClass, frame,
                                                 nullptr, 0);
  Widget sect = dialog_column(Viewp_bgcolorsect_form, "ViewpBgClrSectRowCol");
  dialog_label_gadget(sect, "ViewpBgClrLabel", "Viewport Color");
  Widget_args ga;
  ga.set(XmNwidth, 18 * (Menu_font_width > 0 ? Menu_font_width : 8));
  ga.set(XmNheight, 8 * (Menu_font_size > 0 ? Menu_font_size : 13));
  Backgrviewcolorwidget = gwin_viewpcolor_create(sect, ga.list(), ga.count());
  button(sect, "ViewpBgClrMix", "Mix Color...", viewp_bgcolorrgb_selectCB, nullptr);

  Widget inner = nullptr;
  Viewp_bgconst_form = gen_holdform(sect, "ViewpBgClrConstInfo", "Constant", 10, &inner, nullptr, 0);
  Widget crow = dialog_row(inner, "ViewpBgClrConstRow");
  Viewp_bgcred_text = input(crow, "ViewpBgClrConstRed", "R", 4, 10, viewp_textattr_chngCB, 9);
  Viewp_bgcgrn_text = input(crow, "ViewpBgClrConstGrn", "G", 4, 10, viewp_textattr_chngCB, 10);
  Viewp_bgcblu_text = input(crow, "ViewpBgClrConstBlu", "B", 4, 10, viewp_textattr_chngCB, 11);

  Viewp_bgblend_form = gen_holdform(sect, "ViewpBgClrBlendInfo", "Blended", 10, &inner, nullptr, 0);
  Widget bcol = dialog_column(inner, "ViewpBgClrBlendRowCol");
  Widget lrow = dialog_row(bcol, "ViewpBgClrBlendLevRow");
  Viewp_bgnumlevels_text =
      input(lrow, "ViewpBgClrBlendNumLev", "# of Levels", 3, 3, viewp_textattr_chngCB, 8);
  Viewp_bgup_arrow = arrow(lrow, "ViewpBgClrBlendUpArrow", XmARROW_UP, XmNactivateCallback,
                           viewp_bgcoloredlevaro_chngCB, 0);
  Viewp_bgdown_arrow = arrow(lrow, "ViewpBgClrBlendDnArrow", XmARROW_DOWN, XmNactivateCallback,
                             viewp_bgcoloredlevaro_chngCB, 1);
  Viewp_bgedlevel_text =
      input(lrow, "ViewpBgClrBlendEdLev", "Edit Level", 2, 3, viewp_bgcolorblevel_chngCB, 0);
  Widget brow = dialog_row(bcol, "ViewpBgClrBlendRgbRow");
  Viewp_bgbred_text = input(brow, "ViewpBgClrBlendRed", "R", 4, 10, viewp_textattr_chngCB, 12);
  Viewp_bgbgrn_text = input(brow, "ViewpBgClrBlendGrn", "G", 4, 10, viewp_textattr_chngCB, 13);
  Viewp_bgbblu_text = input(brow, "ViewpBgClrBlendBlu", "B", 4, 10, viewp_textattr_chngCB, 14);
  Widget prow = dialog_row(bcol, "ViewpBgClrBlendPosRow");
  Viewp_bgposup_arrow = arrow(prow, "ViewpBgClrBlendPosUpArrow", XmARROW_UP, XmNarmCallback,
                              viewp_bgcolorposaro_chngCB, 0);
  Viewp_bgposdn_arrow = arrow(prow, "ViewpBgClrBlendPosDnArrow", XmARROW_DOWN, XmNarmCallback,
                              viewp_bgcolorposaro_chngCB, 1);
  Viewp_bgypos_text =
      input(prow, "ViewpBgClrBlendPos", "Position", 5, 10, viewp_bgcolorpos_chngCB, 27);

  Widget buttons = dialog_row(col, "ViewpBgClrButtons");
  Widget close = add_button(buttons, "Close", viewp_colorattr_closeCB, nullptr, nullptr, 0);
  add_button(buttons, "Refresh Viewport", viewp_refreshCB, nullptr, nullptr, 0);
  add_button(buttons, "Help", info_manCB, const_cast<char *>(Help_topic), nullptr, 0);
  dialog_keys(Viewp_bgcolorattr_dialog, nullptr, close);
}

void viewp_genlocation_dialog() {
  if (Viewp_locaattr_dialog) return;
  Viewp_locaattr_dialog = near_pointer_form_dialog("ViewpLocaDialog", "Viewport Location Attributes", 50, 5,
                                      unmanage_rout, &Viewp_locaattr_dialog);
  Widget col = dialog_column(Viewp_locaattr_dialog, "ViewpLocaRowCol");
  dialog_label_gadget(col, "ViewpLocaDirLabel", "Values are given as a fraction(0.0-1.0) of X and Y.");
  Widget r1 = dialog_row(col, "ViewpLocaOrigRow");
  dialog_label_gadget(r1, "ViewpOrigXLabel", "Origin X");
  Viewp_originx_text = plain_field(r1, "ViewpOrigXText", VP_ORIGIN_X);
  dialog_label_gadget(r1, "ViewpOrigYLabel", "Y");
  Viewp_originy_text = plain_field(r1, "ViewpOrigYText", VP_ORIGIN_Y);
  Widget r2 = dialog_row(col, "ViewpLocaSizeRow");
  dialog_label_gadget(r2, "ViewpWidthLabel", "Width");
  Viewp_width_text = plain_field(r2, "ViewpWidthText", VP_WIDTH);
  dialog_label_gadget(r2, "ViewpHeightLabel", "Height");
  Viewp_height_text = plain_field(r2, "ViewpHeightText", VP_HEIGHT);
  close_help_row(col, "ViewpHeiWid", &Viewp_locaattr_dialog);
}

void viewp_genborder_dialog() {
  if (Viewp_borderattr_dialog) return;
  Viewp_borderattr_dialog = near_pointer_form_dialog("ViewpBordDialog", "Viewport Border Attributes", 45, 2,
                                        unmanage_rout, &Viewp_borderattr_dialog);
  Widget col = dialog_column(Viewp_borderattr_dialog, "ViewpBordRowCol");
  Viewp_bordervis_tggl =
      dialog_toggle(col, "ViewpBordVisToggle", "Visible", viewp_bordertoggle_chngCB, VP_BORDER_VISIBLE);
  Widget rgb = dialog_row(col, "ViewpBordClrRow");
  Viewp_borderred_text = input(rgb, "ViewpBordClrRed", "R", 4, 10, viewp_textattr_chngCB, 3);
  Viewp_bordergrn_text = input(rgb, "ViewpBordClrGrn", "G", 4, 10, viewp_textattr_chngCB, 4);
  Viewp_borderblu_text = input(rgb, "ViewpBordClrBlu", "B", 4, 10, viewp_textattr_chngCB, 5);
  button(col, "ViewpBordMix", "Mix...", viewp_borderrgb_selectCB, nullptr);
  close_help_row(col, "ViewpBord", &Viewp_borderattr_dialog);
}

void viewp_genspecial_dialog() {
  if (Viewp_specialattr_dialog) return;
  Viewp_specialattr_dialog = near_pointer_form_dialog("ViewpSpecDialog", "Viewport Special Attributes", 30, 2,
                                         unmanage_rout, &Viewp_specialattr_dialog);
  XtVaSetValues(Viewp_specialattr_dialog, XmNwidth,
                25 * (Menu_font_width > 0 ? Menu_font_width : 8), nullptr);
  Widget col = dialog_column(Viewp_specialattr_dialog, "ViewpSpecRowCol");
  Viewp_specialdimens_optmen = XtarvCreateOptionMenu(col, "ViewpDimension", "View Dimension",
                                                     nullptr, 0, Viewp_specialdimens_menu, 2, 0);
  Viewp_specialpersp_tggl = dialog_toggle(col, "ViewpSpecPerspToggle", "Perspective",
                                   viewp_specialtoggle_chngCB, VP_PERSPECTIVE);
  Viewp_specialhsrf_tggl =
      dialog_toggle(col, "ViewpSpecHSrfToggle", "Shaded", viewp_specialtoggle_chngCB, VP_HIDDEN_SURFACE);
  Viewp_specialhlin_tggl = dialog_toggle(col, "ViewpSpecHLinToggle", "Hidden Line",
                                  viewp_specialtoggle_chngCB, VP_HIDDEN_LINE);
  close_help_row(col, "ViewpSpec", &Viewp_specialattr_dialog);
}

static const char Notice_text[] =
    "****  You have just edited a viewport default attribute. ****\n"
    "If you change an attribute with no viewports selected you are    \n"
    "changing the default for viewports.  This allows you to change   \n"
    "an attribute that every new viewport will use from this point on.\n"
    "For example, if you want all new viewports to have a background  \n"
    "color of blue then change the background constant color to blue  \n"
    "with no viewports selected.";

void viewp_gendefeditnotify_dialog() {
  if (Viewp_defeditnotify_dialog) return;
  Viewp_defeditnotify_dialog =
      near_pointer_form_dialog("ViewpDefEdNotifyDialog", "Information - Editing Viewport Defaults", 40, 4,
                  viewp_defedit_mesgokCB, nullptr, true);
  Widget col = dialog_column(Viewp_defeditnotify_dialog, "ViewpDefEdNotifyRowCol");
  dialog_label_gadget(col, "ViewpDefEdNotifyLabelG", Notice_text);
  Widget buttons = dialog_row(col, "ViewpDefEdNotifyButtons");
  Widget okay =
      button(buttons, "ViewpDefEdNotifyOkay", "Okay", viewp_defedit_mesgokCB, (XtPointer)0);
  button(buttons, "ViewpDefEdNotifyOkayAnd", "Okay and Do Not Notify Again.",
         viewp_defedit_mesgokCB, (XtPointer)1);
  dialog_keys(Viewp_defeditnotify_dialog, okay, okay);
}

// ---- fillers ----------------------------------------------------------------------------

// The source of the shown values: the first edited viewport, or the defaults.
static void source(float a[VIEWPORT_ATTRS]) {
  viewport_attributes(Viewp_wrking_viewpcnt > 0 ? Viewp_wrking_viewpids[0] : -1, a, nullptr, 0, 0);
}

static int edit_level() {
  int L = 1;
  background_level(&L, 0);
  return L;
}

static void show(Widget field, const char *fmt, double value) {
  if (!field) return;
  char text[40];
  snprintf(text, sizeof text, fmt, value);
  XmTextFieldSetString(field, text);
}

static void show_int(Widget field, int value) {
  if (!field) return;
  char text[16];
  snprintf(text, sizeof text, "%2d", value);
  XmTextFieldSetString(field, text);
}

static bool managed(Widget d) { return d && XtIsManaged(d); }

static Widget vis_icon() {
  for (Qedit_icon_rec &r : Qedit_viewport_tbl)
    if (std::string(r.tag) == "VPRT_VISIB") return r.button;
  return nullptr;
}

static Qedit_icon_rec *vis_row() {
  for (Qedit_icon_rec &r : Qedit_viewport_tbl)
    if (std::string(r.tag) == "VPRT_VISIB") return &r;
  return nullptr;
}

void viewp_genericattr_init() {
  if (Current_mode != 5) return;
  float a[VIEWPORT_ATTRS];
  source(a);
  Qedit_icon_rec *r = vis_row();
  if (!r) return;
  r->state = (int)a[VP_VISIBLE];
  if (r->button) qedit_flip_tgglCB(r->button, (XtPointer)(long)r->state, nullptr);
}

void viewp_bgtype_sens(int type) {
  if (!Viewp_bgcolorsect_form) return;
  if (type == 0 || type == 1) {
    XtSetSensitive(Viewp_bgcolorsect_form, False);
  } else if (type == 2 || type == 3) {
    XtSetSensitive(Viewp_bgcolorsect_form, True);
    XtSetSensitive(Viewp_bgblend_form, type == 3);
    XtSetSensitive(Viewp_bgconst_form, type == 2);
  }
}

void viewp_constcolor_init(float a[VIEWPORT_ATTRS]) {
  if (!managed(Viewp_bgcolorattr_dialog)) return;
  show(Viewp_bgcred_text, "%.2f", a[VP_CONSTANT_RGB]);
  show(Viewp_bgcgrn_text, "%.2f", a[VP_CONSTANT_RGB + 1]);
  show(Viewp_bgcblu_text, "%.2f", a[VP_CONSTANT_RGB + 2]);
}

void viewp_blendcolor_init(float a[VIEWPORT_ATTRS]) {
  if (!managed(Viewp_bgcolorattr_dialog)) return;
  const int L = edit_level();
  show_int(Viewp_bgedlevel_text, L);
  const int s = VP_BLEND_RGB + 3 * (L - 1);
  if (s < VP_BLEND_RGB || s + 2 >= VP_BLEND_POSITION) return;
  show(Viewp_bgbred_text, "%.2f", a[s]);
  show(Viewp_bgbgrn_text, "%.2f", a[s + 1]);
  show(Viewp_bgbblu_text, "%.2f", a[s + 2]);
}

void viewp_blendposition_init(float a[VIEWPORT_ATTRS]) {
  if (!managed(Viewp_bgcolorattr_dialog)) return;
  const int L = edit_level();
  if (L >= 1 && L <= 5) show(Viewp_bgypos_text, "%.2f", a[VP_BLEND_POSITION - 1 + L]);
}

void viewp_bgcolorattr_init() {
  if (!Viewp_bgcolorattr_dialog) return;
  float a[VIEWPORT_ATTRS];
  source(a);
  const int type = (int)a[VP_BACKGROUND_TYPE];
  // A transparent background has no row: the menu keeps what it showed.
  if (type >= 1 && type <= 3)
    XtarvOptionMenuSetByValue(Viewp_bgtype_optmen, Viewp_bgtype_menu, (XtPointer)(long)type, 0);
  viewp_bgtype_sens(type);
  viewp_constcolor_init(a);
  viewp_blendcolor_init(a);
  show_int(Viewp_bgnumlevels_text, (int)a[VP_BLEND_LEVELS]);
  viewp_blendposition_init(a);
}

void viewp_locaattr_init() {
  if (!Viewp_locaattr_dialog) return;
  float a[VIEWPORT_ATTRS];
  source(a);
  show(Viewp_originx_text, "%.3f", a[VP_ORIGIN_X]);
  show(Viewp_originy_text, "%.3f", a[VP_ORIGIN_Y]);
  show(Viewp_width_text, "%.3f", a[VP_WIDTH]);
  show(Viewp_height_text, "%.3f", a[VP_HEIGHT]);
}

void viewp_borderattr_init() {
  if (!Viewp_borderattr_dialog) return;
  float a[VIEWPORT_ATTRS];
  source(a);
  XmToggleButtonGadgetSetState(Viewp_bordervis_tggl, (int)a[VP_BORDER_VISIBLE] ? True : False, False);
  show(Viewp_borderred_text, "%.2f", a[VP_BORDER_RGB]);
  show(Viewp_bordergrn_text, "%.2f", a[VP_BORDER_RGB + 1]);
  show(Viewp_borderblu_text, "%.2f", a[VP_BORDER_RGB + 2]);
}

void viewp_specialattr_init() {
  if (!Viewp_specialattr_dialog) return;
  float a[VIEWPORT_ATTRS];
  source(a);
  XmToggleButtonGadgetSetState(Viewp_specialpersp_tggl, (int)a[VP_PERSPECTIVE] ? True : False, False);
  XmToggleButtonGadgetSetState(Viewp_specialhsrf_tggl, (int)a[VP_HIDDEN_SURFACE] ? True : False,
                               False);
  XmToggleButtonGadgetSetState(Viewp_specialhlin_tggl, (int)a[VP_HIDDEN_LINE] ? True : False, False);
  XtarvOptionMenuSetByValue(Viewp_specialdimens_optmen, Viewp_specialdimens_menu,
                            (XtPointer)(long)(int)a[VP_VIEW_DIMENSION], 0);
}

static void refresh_all_dialogs() {
  viewp_genericattr_init();
  viewp_bgcolorattr_init();
  viewp_locaattr_init();
  viewp_borderattr_init();
  viewp_specialattr_init();
}

// Refresh codes of viewp_attr_updt: 0 background, 1 location, 2 border,
// 3 special, 4 the visibility icon.
static void refresh_dialog(int code) {
  switch (code) {
    case 0: viewp_bgcolorattr_init(); break;
    case 1: viewp_locaattr_init(); break;
    case 2: viewp_borderattr_init(); break;
    case 3: viewp_specialattr_init(); break;
    default: viewp_genericattr_init(); break;
  }
}

static void show_defaults_notice() {
  viewp_gendefeditnotify_dialog();
  XtManageChild(Viewp_defeditnotify_dialog);
}

static void show_edit_level(int level) { show_int(Viewp_bgedlevel_text, level); }

static void show_color(int constant, float r, float g, float b) {
  if (!Viewp_bgcolorattr_dialog) return;
  Widget *f = constant ? &Viewp_bgcred_text : &Viewp_bgbred_text;
  Widget fields[3] = {f[0], constant ? Viewp_bgcgrn_text : Viewp_bgbgrn_text,
                      constant ? Viewp_bgcblu_text : Viewp_bgbblu_text};
  const float rgb[3] = {r, g, b};
  for (int k = 0; k < 3; k++) show(fields[k], "%.2f", rgb[k]);
}

static void show_position(float p) { show(Viewp_bgypos_text, "%.2f", p); }

void viewp_dialogs_install() {
  Viewp_windep.refresh_all = refresh_all_dialogs;
  Viewp_windep.refresh = refresh_dialog;
  Viewp_windep.defaults_notice = show_defaults_notice;
  Viewp_windep.edit_level_field = show_edit_level;
  Viewp_windep.color_fields = show_color;
  Viewp_windep.position_field = show_position;
}

// ---- callbacks ----------------------------------------------------------------------------

static void open_dialog(void (*build)(), Widget *dialog, void (*fill)()) {
  build();
  XtManageChild(*dialog);
  fill();
}

void viewp_colorattr_manageCB(Widget, XtPointer, XtPointer) {
  open_dialog(viewp_genbgcolor_dialog, &Viewp_bgcolorattr_dialog, viewp_bgcolorattr_init);
  draw_background_editor();
}
void viewp_locaattr_manageCB(Widget, XtPointer, XtPointer) {
  open_dialog(viewp_genlocation_dialog, &Viewp_locaattr_dialog, viewp_locaattr_init);
}
void viewp_borderattr_manageCB(Widget, XtPointer, XtPointer) {
  open_dialog(viewp_genborder_dialog, &Viewp_borderattr_dialog, viewp_borderattr_init);
}
void viewp_specialattr_manageCB(Widget, XtPointer, XtPointer) {
  open_dialog(viewp_genspecial_dialog, &Viewp_specialattr_dialog, viewp_specialattr_init);
}

void viewp_colorattr_closeCB(Widget, XtPointer, XtPointer) {
  if (Viewp_bgcolorattr_dialog) XtUnmanageChild(Viewp_bgcolorattr_dialog);
}

void viewp_refreshCB(Widget, XtPointer, XtPointer) { viewports_display_all(); }

void viewp_bgcolortype_chngCB(Widget, XtPointer client, XtPointer) {
  const float type = (float)(long)client;
  viewp_attr_updt(edit_level(), VP_BACKGROUND_TYPE, &type, 0);
}

static float field_value(Widget field) {
  char *text = XmTextFieldGetString(field);
  float v = (float)atof(text ? text : "");
  XtFree(text);
  return v;
}

void viewp_textattr_chngCB(Widget w, XtPointer client, XtPointer) {
  const long slot = (long)client;
  float v[3] = {};
  int passed = (int)slot, refresh = 0;
  auto read3 = [&v](Widget a, Widget b, Widget c) {
    v[0] = field_value(a), v[1] = field_value(b), v[2] = field_value(c);
  };
  if (slot >= 3 && slot <= 5) {
    read3(Viewp_borderred_text, Viewp_bordergrn_text, Viewp_borderblu_text);
    passed = VP_BORDER_RGB, refresh = 2;
  } else if (slot >= 9 && slot <= 11) {
    read3(Viewp_bgcred_text, Viewp_bgcgrn_text, Viewp_bgcblu_text);
    passed = VP_CONSTANT_RGB;
  } else if (slot >= 12 && slot <= 14) {
    read3(Viewp_bgbred_text, Viewp_bgbgrn_text, Viewp_bgbblu_text);
    passed = VP_BLEND_RGB;
  } else if (slot >= VP_ORIGIN_X && slot <= VP_HEIGHT) {
    refresh = 1;
    const bool origin = slot <= VP_ORIGIN_Y;
    if (Viewp_wrking_viewpcnt < 2) {
      v[0] = field_value(origin ? Viewp_originx_text : Viewp_width_text);
      v[1] = field_value(origin ? Viewp_originy_text : Viewp_height_text);
      passed = origin ? VP_ORIGIN_X : VP_WIDTH;
    } else {
      v[0] = field_value(w);
    }
  } else {
    v[0] = field_value(w);
  }
  viewp_attr_updt(edit_level(), passed, v, refresh);
}

void viewp_bgcoloredlevaro_chngCB(Widget, XtPointer client, XtPointer) {
  viewp_bgcoloredlevaro_chng((int)field_value(Viewp_bgedlevel_text), (int)(long)client);
}

void viewp_bgcolorposaro_chngCB(Widget, XtPointer client, XtPointer) {
  viewp_bgcolorposaro_chng(field_value(Viewp_bgypos_text), (int)(long)client);
}

void viewp_bgcolorblevel_chngCB(Widget, XtPointer, XtPointer) {
  viewp_bgcolorblevel_chng((int)field_value(Viewp_bgedlevel_text), 0, 0);
}

void viewp_bgcolorpos_chngCB(Widget w, XtPointer, XtPointer) { viewp_bgcolorpos_chng(field_value(w), 0); }

static void apply_constant() { viewp_textattr_chngCB(nullptr, (XtPointer)9, nullptr); }
static void apply_blend() { viewp_textattr_chngCB(nullptr, (XtPointer)12, nullptr); }
static void apply_border() { viewp_textattr_chngCB(nullptr, (XtPointer)3, nullptr); }
void viewp_bgcolorcrgbselect_apply() { apply_constant(); }
void viewp_bgcolorbrgbselect_apply() { apply_blend(); }
void viewp_borderrgbselect_apply() { apply_border(); }

void viewp_bgcolorrgb_selectCB(Widget, XtPointer, XtPointer) {
  const bool constant = XtarvOptionMenuCurrentState(Viewp_bgtype_optmen, Viewp_bgtype_menu) == 2;
  Widget r = constant ? Viewp_bgcred_text : Viewp_bgbred_text;
  Widget g = constant ? Viewp_bgcgrn_text : Viewp_bgbgrn_text;
  Widget b = constant ? Viewp_bgcblu_text : Viewp_bgbblu_text;
  gen_colorselect_dialog(Main_win[0], r, g, b, "%4.2f", field_value(r), field_value(g),
                         field_value(b),
                         constant ? viewp_bgcolorcrgbselect_apply : viewp_bgcolorbrgbselect_apply,
                         2, 2);
  Coming_from_background = 1;
}

void viewp_borderrgb_selectCB(Widget, XtPointer, XtPointer) {
  gen_colorselect_dialog(Main_win[0], Viewp_borderred_text, Viewp_bordergrn_text,
                         Viewp_borderblu_text, "%4.2f", field_value(Viewp_borderred_text),
                         field_value(Viewp_bordergrn_text), field_value(Viewp_borderblu_text),
                         viewp_borderrgbselect_apply, 2, 2);
}

static float toggle_state(Widget w) { return XmToggleButtonGadgetGetState(w) ? 1.0f : 0.0f; }

void viewp_bordertoggle_chngCB(Widget w, XtPointer client, XtPointer) {
  const float on = toggle_state(w);
  viewp_attr_updt(edit_level(), (int)(long)client, &on, 2);
}

void viewp_specialtoggle_chngCB(Widget w, XtPointer client, XtPointer) {
  const float on = toggle_state(w);
  viewp_attr_updt(edit_level(), (int)(long)client, &on, 3);
}

void viewp_specialdimens_chngCB(Widget, XtPointer client, XtPointer) {
  const float d = (float)(long)client;
  viewp_attr_updt(edit_level(), VP_VIEW_DIMENSION, &d, 3);
}

void viewp_defedit_mesgokCB(Widget, XtPointer client, XtPointer) {
  if (client) Default_viewpedit_notify = 0;
  if (Viewp_defeditnotify_dialog) XtUnmanageChild(Viewp_defeditnotify_dialog);
}

// ---- the panel's icons ------------------------------------------------------------------

void viewp_layout_chngCB(Widget, XtPointer layout, XtPointer) { viewp_layout_chng((int)(long)layout, 0); }
void viewp_newCB(Widget, XtPointer, XtPointer) { viewp_new(0); }

void viewp_vis_chngCB(Widget w, XtPointer, XtPointer) {
  Qedit_icon_rec *r = vis_row();
  if (!r) return;
  const int now = viewp_vis_chng(r->state);
  Widget icon = w ? w : vis_icon();
  if (icon) qedit_flip_tgglCB(icon, (XtPointer)(long)now, nullptr);
  r->state = now;
}

void viewp_pushpopCB(Widget w, XtPointer, XtPointer) {
  Widget raise = nullptr;
  for (Qedit_icon_rec &r : Qedit_viewport_tbl)
    if (std::string(r.tag) == "VPRT_RAISE") raise = r.button;
  viewp_pushpop(w && w == raise ? 1 : 0, 0);
}

void viewp_selectallCB(Widget, XtPointer, XtPointer) { viewp_selectall(0); }
void viewp_deleteCB(Widget, XtPointer, XtPointer) { viewp_delete(0); }
