// View menu and the hidden-line overlay prompt (see view_menu.h).  Owns
// View_menu and the prompt's widgets; the callbacks call the toggles of
// view_toggles.h and refresh the panels that show the same switches.
#include "render/ui/view_menu.h"

#include <Xm/Form.h>
#include <Xm/LabelG.h>
#include <Xm/PushB.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>

#include <cstdlib>

#include "client/cases.h"
#include "client/interf_settings.h"
#include "client/screen.h"
#include "data/data_dlog.h"
#include "interact/support.h"
#include "palette/annotate.h"
#include "palette/function.h"
#include "parts/ui/part_show.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/ui/entlbl_dialog.h"
#include "render/view_toggles.h"
#include "ui/color_chooser.h"
#include "ui/dialog_frame.h"
#include "ui/general_windep.h"
#include "ui/interf_init.h"
#include "ui/main_toggles.h"
#include "ui/main_window.h"
#include "ui/message_window.h"
#include "ui/qedit_icons.h"
#include "ui/textc_windep.h"
#include "ui/widget_helpers.h"
#include "view/frame_logic.h"
#include "view/frames.h"
#include "view/viewports.h"

#define TOGGLE(label, mn, cb, data, level) \
  {label, mn, cb, reinterpret_cast<XtPointer>(data), XtarvTOGGLEBUTTON, level, nullptr}
Menu_item_rec View_menu[VIEW_MENU_ROWS] = {
    TOGGLE("Fast Display", 'D', view_fastdisplay_chngCB, 0L, 0),
    TOGGLE("Shaded", 'S', view_hsurf_chngCB, 0L, 0),
    TOGGLE("Hidden Line", 'L', view_hline_chngCB, 0L, 0),
    TOGGLE("Perspective", 'P', view_persp_chngCB, 0L, 0),
    TOGGLE("Auxiliary Clipping", 'u', view_auxclip_chngCB, 0L, 0),
    TOGGLE("Show Selected Part(s)...", 'h', part_show_selectedCB, 1L, 0),
    {"Axis Triad Visibility", 'A', nullptr, nullptr, XtarvCASCADE, 0, nullptr},
    TOGGLE("Frame", 'F', view_axis_chngCB, 1L, 1),
    TOGGLE("Global", 'G', view_axis_chngCB, 0L, 1),
    {"Label Visibility", 'b', nullptr, nullptr, XtarvCASCADE, 0, nullptr},
    TOGGLE("Element Labeling", 'E', view_elmlbl_chngCB, 0L, 1),
    TOGGLE("Node Labeling", 'N', view_nodlbl_chngCB, 0L, 1),
    {"Labeling Attributes...", 'L', entlbl_manageCB, nullptr, XtarvPUSHBUTTON, 1, nullptr},
    TOGGLE("Legend", 'e', view_legend_chngCB, 0L, 0),
    TOGGLE("Text/Line/Logo", 'T', view_text_chngCB, 0L, 0),
    TOGGLE("Static Lighting", 'i', view_light_chngCB, 0L, 0),
};
#undef TOGGLE

enum {
  ROW_FAST = 0, ROW_SHADED, ROW_HLINE, ROW_PERSP, ROW_AUXCLIP, ROW_SHOWSEL, ROW_AXIS,
  ROW_FRAME, ROW_GLOBAL, ROW_LABELS, ROW_ELEM, ROW_NODE, ROW_LBLATTR, ROW_LEGEND, ROW_TEXT,
  ROW_LIGHT
};

Widget View_hlineover_dialog = nullptr;
Widget View_hlinespecover_tggl = nullptr;
Widget View_hlinespecover_form = nullptr;
Widget View_hlineored_text = nullptr;
Widget View_hlineogrn_text = nullptr;
Widget View_hlineoblu_text = nullptr;
Widget View_hlineomix_button = nullptr;

Widget create_view_interf(Widget menubar) {
  Widget menu = XtarvCreatePulldownMenu(menubar, "View", 'V', nullptr, 0, View_menu,
                                        VIEW_MENU_ROWS, 0);
  XtManageChild(menu);
  return menu;
}

static void set_toggle(int row, int on) {
  if (View_menu[row].widget) XmToggleButtonSetState(View_menu[row].widget, on ? True : False, False);
}

void view_menu_init_windep() {
  int fast = 0;
  box_toggle(&fast, 0);
  const int rows[] = {ROW_SHADED, ROW_HLINE, ROW_PERSP, ROW_LIGHT, ROW_AUXCLIP, ROW_FAST,
                      ROW_FRAME,  ROW_GLOBAL, ROW_ELEM, ROW_NODE, ROW_LEGEND, ROW_TEXT};
  const int values[] = {Solidt, Hlinet, Person, Software_light, Plane_clipp_toggle, fast,
                        Axiso1, Axiso2, Labele, Labnod, Legenf, Txttog};
  for (size_t k = 0; k < sizeof rows / sizeof rows[0]; k++) set_toggle(rows[k], values[k]);
  if (View_menu[ROW_ELEM].widget)
    XtSetSensitive(View_menu[ROW_ELEM].widget, Element_labels[Case_num] ? True : False);
  if (View_menu[ROW_NODE].widget)
    XtSetSensitive(View_menu[ROW_NODE].widget, Node_labels[Case_num] ? True : False);
}

// ---- row callbacks -------------------------------------------------------------

// The quick-edit scene panel and the main window's view toggles.
static void scene_refresh() {
  qedit_scene_refresh();
  main_viewtggls_init();
}

void view_fastdisplay_chngCB(Widget w, XtPointer, XtPointer) {
  view_mod_fastdisplay(XmToggleButtonGetState(w) ? 1 : 0);
  scene_refresh();
}

void view_hsurf_chngCB(Widget, XtPointer, XtPointer) {
  tggl_hsrf();
  scene_refresh();
}

void view_hline_chngCB(Widget, XtPointer, XtPointer) {
  tggl_hlin();
  scene_refresh();
  view_menu_init();
}

void view_persp_chngCB(Widget, XtPointer, XtPointer) {
  tggl_persp();
  qedit_scene_refresh();
}

void view_auxclip_chngCB(Widget, XtPointer, XtPointer) {
  tggl_auxclip();
  qedit_scene_refresh();
}

void view_axis_chngCB(Widget, XtPointer which, XtPointer) {
  int frame = static_cast<int>(reinterpret_cast<long>(which));
  tggl_axis(frame);
  if (frame == 1)
    frame_genericattr_init();
  else
    qedit_scene_refresh();
}

void view_elmlbl_chngCB(Widget, XtPointer, XtPointer) {
  tggl_elmlbl();
  qedit_scene_refresh();
}

void view_nodlbl_chngCB(Widget, XtPointer, XtPointer) {
  tggl_nodlbl();
  qedit_scene_refresh();
}

void view_legend_chngCB(Widget, XtPointer, XtPointer) { tggl_lgnd2(); }
void view_text_chngCB(Widget, XtPointer, XtPointer) { tggl_text(); }
void view_light_chngCB(Widget, XtPointer, XtPointer) { tggl_light(); }

// ---- the overlay prompt -----------------------------------------------------------

// A field's text as a float; empty text reads as 0.
static float field_value(Widget field) {
  char *text = XmTextFieldGetString(field);
  float v = text ? (float)atof(text) : 0.0f;
  XtFree(text);
  return v;
}

static Widget make_child(WidgetClass cls, Widget parent, const char *name, Widget_args &a) {
  return XtCreateManagedWidget(name, cls, parent, a.list(), a.count());
}

static Widget make_labelled(WidgetClass cls, Widget parent, const char *name, const char *text,
                            Widget_args &a) {
  XmString s = qvn_xmstring(text);
  a.set(XmNlabelString, s).font();
  Widget w = make_child(cls, parent, name, a);
  XmStringFree(s);
  return w;
}

static void build_hline_prompt(Position x, Position y) {
  Widget_args d;
  XmString title = qvn_xmstring("Hidden Line Overlay");
  d.set(XmNdialogTitle, title).set(XmNx, x).set(XmNy, y).set(XmNdefaultPosition, False);
  d.set(XmNautoUnmanage, False).set(XmNdeleteResponse, XmDO_NOTHING);
  View_hlineover_dialog = XmCreateFormDialog(Main_win[0], const_cast<char *>("HiddenLineDialog"),
                                             d.list(), d.count());
  XmStringFree(title);
  add_wm_close_callback(View_hlineover_dialog, view_hlineover_okayCB);

  Widget_args n;
  n.attach(XmNtopAttachment, XmATTACH_FORM, nullptr, nullptr, XmNtopOffset, 5);
  n.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 5);
  n.set(XmNalignment, XmALIGNMENT_BEGINNING);
  Widget note = make_labelled(xmLabelGadgetClass, View_hlineover_dialog, "HiddenLineNoteLabel",
                              "***Note: Hidden line can reduce transformation speed.\n"
                              "         Please remember to turn if off when not needed.\n",
                              n);

  Widget_args t;
  t.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, note, XmNtopOffset, 5);
  t.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 5);
  t.set(XmNset, False);
  View_hlinespecover_tggl = make_labelled(xmToggleButtonWidgetClass, View_hlineover_dialog,
                                          "HiddenLineSpecOverToggle",
                                          "Specify Line Overlay Color", t);
  XtAddCallback(View_hlinespecover_tggl, XmNvalueChangedCallback, view_hlinespecifyo_modeCB,
                nullptr);

  Widget_args f;
  f.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, View_hlinespecover_tggl,
           XmNtopOffset, 5);
  f.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 20);
  View_hlinespecover_form = make_child(xmFormWidgetClass, View_hlineover_dialog,
                                       "HiddenLineOverForm", f);
  struct Row { const char *name, *label; Widget *field; };
  const Row rows[3] = {{"HiddenLineOverRed", "R", &View_hlineored_text},
                       {"HiddenLineOverGrn", "G", &View_hlineogrn_text},
                       {"HiddenLineOverBlu", "B", &View_hlineoblu_text}};
  Widget left = nullptr;
  for (const Row &r : rows) {
    Widget_args a;
    a.attach(XmNtopAttachment, XmATTACH_FORM);
    if (left)
      a.attach(XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, left, XmNleftOffset, 5);
    else
      a.attach(XmNleftAttachment, XmATTACH_FORM);
    left = XtarvCreateInputForm(View_hlinespecover_form, r.name, r.label, 5, 10, 0, 2, nullptr,
                                r.field, 1, 0, a.list(), a.count());
  }
  Widget_args m;
  m.attach(XmNtopAttachment, XmATTACH_FORM);
  m.attach(XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, left, XmNleftOffset, 10);
  View_hlineomix_button = make_labelled(xmPushButtonWidgetClass, View_hlinespecover_form,
                                        "HiddenLineOverMixButton", "Mix...", m);
  XtAddCallback(View_hlineomix_button, XmNactivateCallback, view_hlinergb_selectCB, nullptr);

  struct Button { const char *name; XtCallbackProc cb; };
  const Button buttons[2] = {{"Okay", view_hlineover_okayCB}, {"Cancel", view_hlineover_cancelCB}};
  left = nullptr;
  for (const Button &b : buttons) {
    Widget_args a;
    a.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, View_hlinespecover_form,
             XmNtopOffset, 10);
    a.attach(XmNbottomAttachment, XmATTACH_FORM, nullptr, nullptr, XmNbottomOffset, 5);
    if (left)
      a.attach(XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, left, XmNleftOffset, 10);
    else
      a.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 5);
    left = make_labelled(xmPushButtonWidgetClass, View_hlineover_dialog, b.name, b.name, a);
    XtAddCallback(left, XmNactivateCallback, b.cb, nullptr);
  }
}

void view_genhline_prompt() {
  if (!Main_win[0]) return;
  Position x = 0, y = 0;
  place_near_pointer(Main_win[0], 1, 18 * Menu_font_width, 13 * Menu_font_size, PLACE_CLAMP,
                     PLACE_CLAMP, &x, &y);
  if (View_hlineover_dialog)
    XtVaSetValues(View_hlineover_dialog, XmNx, x, XmNy, y, nullptr);
  else
    build_hline_prompt(x, y);
  XtManageChild(View_hlineover_dialog);
}

void view_hlinespecifyo_modeCB(Widget w, XtPointer, XtPointer) {
  XtSetSensitive(View_hlinespecover_form, XmToggleButtonGetState(w));
}

static void no_apply() {}

void view_hlinergb_selectCB(Widget, XtPointer, XtPointer) {
  gen_colorselect_dialog(View_hlineover_dialog, View_hlineored_text, View_hlineogrn_text,
                         View_hlineoblu_text, "%4.2f", field_value(View_hlineored_text),
                         field_value(View_hlineogrn_text), field_value(View_hlineoblu_text),
                         no_apply, 0, 0);
}

void view_hlineover_okayCB(Widget, XtPointer, XtPointer) {
  float r = field_value(View_hlineored_text), g = field_value(View_hlineogrn_text),
        b = field_value(View_hlineoblu_text);
  if (!in_range(r, 0.0f, 1.0f) || !in_range(g, 0.0f, 1.0f) || !in_range(b, 0.0f, 1.0f)) {
    disperr("R,G,B values must be >= 0.0 and <= 1.0");
    return;
  }
  int specify = XmToggleButtonGetState(View_hlinespecover_tggl) ? 1 : 0;
  tggl_hline_doit(1, specify, r, g, b);
  XtUnmanageChild(View_hlineover_dialog);
  scene_refresh();
  view_menu_init();
}

void view_hlineover_cancelCB(Widget, XtPointer, XtPointer) {
  XmToggleButtonSetState(View_hlinespecover_tggl, False, False);
  if (Main_hline_tggl) XmToggleButtonSetState(Main_hline_tggl, False, False);
  view_menu_init();
  XtUnmanageChild(View_hlineover_dialog);
}
