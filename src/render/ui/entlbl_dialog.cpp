// Labeling attributes dialog (see entlbl_dialog.h).  Owns the dialog's
// widget holders and option-menu rows; every value shown is read from, and
// every change handed to, render/entlbl.h.
#include "render/ui/entlbl_dialog.h"

#include <Xm/Form.h>
#include <Xm/Protocols.h>
#include <Xm/TextF.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "client/interf_settings.h"
#include "render/entlbl.h"
#include "render/labels.h"
#include "ui/color_chooser.h"
#include "ui/dialog_frame.h"
#include "ui/general_windep.h"
#include "ui/help_menu.h"
#include "ui/interf_init.h"
#include "ui/widget_helpers.h"

Widget Entity_label_dialog = nullptr;
Widget Entlbl_nodethresh_optmen = nullptr;
Widget Entlbl_elemthresh_optmen = nullptr;
Widget Entlbl_nodelowfilt_text = nullptr;
Widget Entlbl_nodehighfilt_text = nullptr;
Widget Entlbl_elemlowfilt_text = nullptr;
Widget Entlbl_elemhighfilt_text = nullptr;
Widget Entlbl_coltext[6] = {};

#define THRESH_ROWS(cb)                                                       \
  {{"None", ' ', cb, (XtPointer)LABEL_THRESHOLD_NONE, XtarvPUSHBUTTON, 0, nullptr}, \
   {"Low", ' ', cb, (XtPointer)LABEL_THRESHOLD_LOW, XtarvPUSHBUTTON, 0, nullptr},   \
   {"Band", ' ', cb, (XtPointer)LABEL_THRESHOLD_BAND, XtarvPUSHBUTTON, 0, nullptr}, \
   {"High", ' ', cb, (XtPointer)LABEL_THRESHOLD_HIGH, XtarvPUSHBUTTON, 0, nullptr}, \
   {"Low/High", ' ', cb, (XtPointer)LABEL_THRESHOLD_LOW_HIGH, XtarvPUSHBUTTON, 0, nullptr}}
Menu_item_rec Entlbl_nodethresh_menu[5] = THRESH_ROWS(entlbl_nodefilter_chngCB);
Menu_item_rec Entlbl_elemthresh_menu[5] = THRESH_ROWS(entlbl_elemfilter_chngCB);
#undef THRESH_ROWS

// The widgets of one section, node (0) or element (1).
struct Section_widgets {
  const char *holder, *title;   // section name and title
  const char *thresh, *low, *high, *red, *green, *blue, *mix;  // row names
  Menu_item_rec *menu;
  Widget *optmenu, *low_text, *high_text;
};
static const Section_widgets Sections[2] = {
    {"EntityLblNode", "Node Labeling Filter And Color", "EntityLblNodeThresh",
     "EntityLblNodeLow", "EntityLblNodeHigh", "EntityLblNodeRed", "EntityLblNodeGrn",
     "EntityLblNodeBlu", "EntityLblNodeMix", Entlbl_nodethresh_menu, &Entlbl_nodethresh_optmen,
     &Entlbl_nodelowfilt_text, &Entlbl_nodehighfilt_text},
    {"EntityLblElement", "Element Labeling Filter And Color", "EntityLblElemThresh",
     "EntityLblElemLow", "EntityLblElemHigh", "EntityLblElemRed", "EntityLblElemGrn",
     "EntityLblElemBlu", "EntityLblElemMix", Entlbl_elemthresh_menu, &Entlbl_elemthresh_optmen,
     &Entlbl_elemlowfilt_text, &Entlbl_elemhighfilt_text},
};

// One input row (label and field in a form of its own) at the given place
// of the section's inner form; Return in it updates the kind.
static Widget input_row(Widget inner, const char *name, const char *label, int columns,
                        int maxlen, Widget above, Widget left, long kind, Widget *field) {
  Widget_args a;
  if (above)
    a.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, above, XmNtopOffset, 4);
  else
    a.attach(XmNtopAttachment, XmATTACH_FORM, nullptr, nullptr, XmNtopOffset, 4);
  if (left)
    a.attach(XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, left, XmNleftOffset, 8);
  else
    a.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 5);
  Widget form = XtarvCreateInputForm(inner, name, label, columns, maxlen, 0, 5, nullptr, field,
                                     1, 0, a.list(), a.count());
  XtAddCallback(*field, XmNactivateCallback, entlbl_textattr_chngCB, (XtPointer)kind);
  return form;
}

// One titled section below above (null: the dialog's top).
static Widget build_section(int s, Widget above) {
  const Section_widgets &sw = Sections[s];
  Widget_args ha;
  if (above)
    ha.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, above, XmNtopOffset, 5);
  else
    ha.attach(XmNtopAttachment, XmATTACH_FORM, nullptr, nullptr, XmNtopOffset, 5);
  ha.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 5);
  ha.attach(XmNrightAttachment, XmATTACH_FORM, nullptr, nullptr, XmNrightOffset, 5);
  Widget inner = nullptr;
  Widget holder = gen_holdform(Entity_label_dialog, sw.holder, sw.title, 10, &inner, ha.list(),
                               ha.count());

  Widget_args oa;
  oa.attach(XmNtopAttachment, XmATTACH_FORM, nullptr, nullptr, XmNtopOffset, 12);
  oa.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 5);
  *sw.optmenu = XtarvCreateOptionMenu(inner, std::string(sw.thresh).append("Menu").c_str(),
                                      "Thresholds", oa.list(), oa.count(), sw.menu, 5, 0);

  const long bounds = s == 0 ? ENTLBL_NODE_BOUNDS : ENTLBL_ELEM_BOUNDS;
  const long colour = s == 0 ? ENTLBL_NODE_RGB : ENTLBL_ELEM_RGB;
  Widget low = input_row(inner, sw.low, "Low", 11, 11, *sw.optmenu, nullptr, bounds, sw.low_text);
  input_row(inner, sw.high, "High", 11, 11, *sw.optmenu, low, bounds, sw.high_text);
  Widget *rgb = &Entlbl_coltext[3 * s];
  Widget red = input_row(inner, sw.red, "Red", 4, 10, low, nullptr, colour, &rgb[0]);
  Widget green = input_row(inner, sw.green, "Green", 4, 10, low, red, colour, &rgb[1]);
  Widget blue = input_row(inner, sw.blue, "Blue", 4, 10, low, green, colour, &rgb[2]);

  Widget_args ma;
  ma.attach(XmNtopAttachment, XmATTACH_OPPOSITE_WIDGET, XmNtopWidget, blue, XmNtopOffset, 0);
  ma.attach(XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, blue, XmNleftOffset, 10);
  ma.attach(XmNrightAttachment, XmATTACH_FORM, nullptr, nullptr, XmNrightOffset, 5);
  ma.attach(XmNbottomAttachment, XmATTACH_FORM, nullptr, nullptr, XmNbottomOffset, 5);
  XtarvCreateButton(inner, sw.mix, "Mix...", XtarvPUSHBUTTON, ' ', entlbl_colorrgb_selectCB,
                    (XtPointer)(long)s, ma.list(), ma.count());
  return holder;
}

void entlbl_gen_dialog() {
  if (Entity_label_dialog) return;
  // Near the pointer: its screen position plus the main window's place,
  // moved left by 35 and up by 8 times the menu font size.
  Position x, y;
  place_near_pointer(Main_win[0], 1, 35 * Menu_font_size, 8 * Menu_font_size, PLACE_CLAMP,
                     PLACE_CLAMP, &x, &y);
  XmString title = qvn_xmstring("Node/Element Labeling Attributes");
  Widget_args da;
  da.set(XmNdialogTitle, title).set(XmNx, x).set(XmNy, y);
  da.set(XmNdefaultPosition, False).set(XmNautoUnmanage, False);
  da.set(XmNdeleteResponse, XmDO_NOTHING);
  Entity_label_dialog = XmCreateFormDialog(Main_win[0], const_cast<char *>("EntityLblDialog"),
                                           da.list(), da.count());
  XmStringFree(title);
  Widget shell = XtParent(Entity_label_dialog);
  Atom del = XmInternAtom(XtDisplay(shell), const_cast<char *>("WM_DELETE_WINDOW"), False);
  XmAddWMProtocolCallback(shell, del, entlbl_dialog_closeCB, nullptr);

  Widget node = build_section(0, nullptr);
  Widget element = build_section(1, node);

  // "Close" at the bottom left, "Help" at the bottom right.
  Widget_args ba;
  ba.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, element, XmNtopOffset, 10);
  ba.attach(XmNbottomAttachment, XmATTACH_FORM, nullptr, nullptr, XmNbottomOffset, 5);
  Widget_args close_a = ba, help_a = ba;
  close_a.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 5);
  help_a.attach(XmNrightAttachment, XmATTACH_FORM, nullptr, nullptr, XmNrightOffset, 5);
  Widget close = XtarvCreateButton(Entity_label_dialog, "EntityLblClose", "Close",
                                   XtarvPUSHBUTTON, ' ', entlbl_dialog_closeCB, nullptr,
                                   close_a.list(), close_a.count());
  XtarvCreateButton(Entity_label_dialog, "EntityLblHelp", "Help", XtarvPUSHBUTTON, ' ',
                    info_manCB, const_cast<char *>("UM-TOC"), help_a.list(), help_a.count());
  dialog_keys(Entity_label_dialog, nullptr, close);
  keep_on_screen(Entity_label_dialog);
}

void entlbl_manageCB(Widget, XtPointer, XtPointer) {
  if (!Entity_label_dialog) entlbl_gen_dialog();
  XtManageChild(Entity_label_dialog);
  entlbl_dialog_init();
}

static void set_text(Widget field, const char *fmt, double value) {
  char text[40];
  snprintf(text, sizeof text, fmt, value);
  XmTextFieldSetString(field, text);
}

static void set_int(Widget field, int value) {
  char text[16];
  snprintf(text, sizeof text, "%d", value);
  XmTextFieldSetString(field, text);
}

// A threshold code outside the menu's rows shows as "None" (every id shows).
static void set_threshold(Widget optmenu, Menu_item_rec *rows, int code) {
  if (code < LABEL_THRESHOLD_NONE || code > LABEL_THRESHOLD_LOW_HIGH) code = LABEL_THRESHOLD_NONE;
  XtarvOptionMenuSetByValue(optmenu, rows, (XtPointer)(long)code, 0);
}

void entlbl_dialog_windep() {
  if (!Entity_label_dialog || !XtIsManaged(Entity_label_dialog)) return;
  float rgb[3][3];
  getlabel_color(rgb[0], rgb[1], rgb[2]);
  Label_filter_rec f[2];
  node_label_filters(&f[0].low, &f[0].high, &f[0].type, 0);
  elem_label_filters(&f[1].low, &f[1].high, &f[1].type, 0);
  for (int s = 0; s < 2; s++) {
    set_threshold(*Sections[s].optmenu, Sections[s].menu, f[s].type);
    set_int(*Sections[s].low_text, f[s].low);
    set_int(*Sections[s].high_text, f[s].high);
    for (int i = 0; i < 3; i++) set_text(Entlbl_coltext[3 * s + i], "%4.2f", rgb[s][i]);
  }
}

static float field_value(Widget field) {
  char *text = XmTextFieldGetString(field);
  float v = text ? strtof(text, nullptr) : 0.0f;
  XtFree(text);
  return v;
}

// Reads the fields of an update kind from the dialog and applies them.
static void update_from_fields(long kind) {
  float values[3] = {0, 0, 0};
  switch (kind) {
    case ENTLBL_NODE_BOUNDS:
    case ENTLBL_ELEM_BOUNDS: {
      const Section_widgets &sw = Sections[kind == ENTLBL_NODE_BOUNDS ? 0 : 1];
      values[0] = field_value(*sw.low_text);
      values[1] = field_value(*sw.high_text);
      break;
    }
    case ENTLBL_NODE_RGB:
    case ENTLBL_ELEM_RGB:
      for (int i = 0; i < 3; i++) values[i] = field_value(Entlbl_coltext[3 * kind + i]);
      break;
    default:
      return;
  }
  entlbl_attr_updt((int)kind, values, 0);
}

void entlbl_textattr_chngCB(Widget, XtPointer client, XtPointer) {
  update_from_fields((long)client);
}

void entlbl_nodefilter_chngCB(Widget, XtPointer client, XtPointer) {
  const float code = (float)(long)client;
  entlbl_attr_updt(ENTLBL_NODE_THRESH, &code, 0);
}

void entlbl_elemfilter_chngCB(Widget, XtPointer client, XtPointer) {
  const float code = (float)(long)client;
  entlbl_attr_updt(ENTLBL_ELEM_THRESH, &code, 0);
}

void entlbl_colorrgb_selectCB(Widget, XtPointer client, XtPointer) {
  const int s = (long)client == 1 ? 1 : 0;
  Widget *rgb = &Entlbl_coltext[3 * s];
  gen_colorselect_dialog(Main_win[0], rgb[0], rgb[1], rgb[2], "%4.2f", field_value(rgb[0]),
                         field_value(rgb[1]), field_value(rgb[2]),
                         s == 0 ? entlbl_nodergbselect_apply : entlbl_elemrgbselect_apply, 1, 1);
}

void entlbl_nodergbselect_apply() { update_from_fields(ENTLBL_NODE_RGB); }
void entlbl_elemrgbselect_apply() { update_from_fields(ENTLBL_ELEM_RGB); }

void entlbl_dialog_closeCB(Widget, XtPointer, XtPointer) {
  if (Entity_label_dialog) XtUnmanageChild(Entity_label_dialog);
}
