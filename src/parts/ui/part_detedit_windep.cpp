// Part detailed editor widgets (see part_detedit_windep.h).  The controls
// are built from the tables below, one row per control with its widget
// name, label and attribute slot; every callback reads its control and
// hands slot and value to the logic (part_genattr_apply and friends).  The
// section initialisers fill the controls from an attribute array without
// running their callbacks.
#include "parts/ui/part_detedit_windep.h"

#include <Xm/ArrowB.h>
#include <Xm/CascadeB.h>
#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/Label.h>
#include <Xm/List.h>
#include <Xm/PanedW.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/ScrolledW.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "client/screen.h"
#include "parts/attribute.h"
#include "parts/model_rout.h"
#include "parts/part_apply.h"
#include "parts/part_deteditor.h"
#include "parts/part_list_ops.h"
#include "parts/read.h"
#include "parts/ui/part_show.h"
#include "ui/color_chooser.h"
#include "ui/detail_editor.h"
#include "ui/general_windep.h"
#include "ui/window_codes.h"
#include "ui/interf_init.h"
#include "ui/textc_windep.h"
#include "ui/menus.h"
#include "ui/part_list.h"
#include "ui/widget_helpers.h"
#include "variables/variables.h"

Widget Parts_detedit_topwidget = nullptr;
Widget Parts_listw = nullptr;
Widget Parts_create_button = nullptr;
Widget Parts_apply_button = nullptr;
Widget Parts_updtparent_button = nullptr;
Widget Pattr_desc_text = nullptr;
Widget Parts_create_form = nullptr, Parts_gen_form = nullptr, Parts_ndelmlin_form = nullptr,
       Parts_disp_form = nullptr;
Widget Parts_create_arobut = nullptr;
Widget Parts_general_arobut = nullptr;
Widget Parts_ndelmlin_arobut = nullptr;
Widget Parts_disp_arobut = nullptr;
Widget Pattr_create_mainwidget = nullptr;
Widget Pattr_create_mainrowcol = nullptr;
Widget Pattr_creatvar_form = nullptr;
Widget Pattr_createvector_form = nullptr;
Widget Pattr_create_mainform = nullptr;
Widget Pattr_createstftstep_text[3][3] = {};
Widget Pattr_createstminmax_text[3][2] = {};

static Widget Pattr_creatxyz_text[3] = {};  // "X", "Y", "Z" of the creation variable
static Widget Pattr_symm_frame = nullptr;  // frame of the "Symmetry" menu bar
static Widget Feature_sect[13] = {};        // creation section of each feature row (2..12)

// ---- control tables -----------------------------------------------------------------

namespace {
struct Text_row {
  const char *name, *label;
  int columns, maxlen, slot;
  const char *format;  // how the initialiser shows the slot; "%d" an integer
};
struct Toggle_row {
  const char *name, *label;
  int slot;
};
struct Choice_row {
  const char *name, *frame, *label;
  int slot;
  Menu_item_rec *rows;
  int nrows;
};
}  // namespace

#define CHOICE(label, slot, value) \
  {label, ' ', part_optmenu_chngCB, (XtPointer)(long)((slot) << 8 | (value)), XtarvPUSHBUTTON, 0, nullptr}
static Menu_item_rec Bndbox_rows[] = {CHOICE("Off", 38, 0), CHOICE("Box", 38, 1), CHOICE("Points", 38, 2)};
static Menu_item_rec Shading_rows[] = {CHOICE("Flat", 28, 0), CHOICE("Gouraud", 28, 1),
                                       CHOICE("Smooth", 28, 2)};
static Menu_item_rec Fill_rows[] = {CHOICE("Fill 0", 29, 0), CHOICE("Fill 1", 29, 1),
                                    CHOICE("Fill 2", 29, 2), CHOICE("Fill 3", 29, 3)};
static Menu_item_rec Nodetype_rows[] = {CHOICE("Dot", 10, 0), CHOICE("Cross", 10, 1),
                                        CHOICE("Sphere", 10, 2)};
static Menu_item_rec Sizeby_rows[] = {CHOICE("Constant", 13, 0),      CHOICE("Scalar", 13, 1),
                                      CHOICE("Vector Mag", 13, 2),    CHOICE("Vector X-Comp", 13, 3),
                                      CHOICE("Vector Y-Comp", 13, 4), CHOICE("Vector Z-Comp", 13, 5)};
static Menu_item_rec Linestyle_rows[] = {CHOICE("Solid", 25, 0), CHOICE("Dotted", 25, 1),
                                         CHOICE("Dot-dash", 25, 2)};
static Menu_item_rec Eltrep_rows[] = {CHOICE("3D border, 2D full", 33, 0), CHOICE("Border", 33, 1),
                                      CHOICE("Feature Angle", 33, 2), CHOICE("Bounding Box", 33, 5),
                                      CHOICE("Full", 33, 3),          CHOICE("NonVisual", 33, 4)};
#undef CHOICE

#define NROWS(a) (int)(sizeof a / sizeof a[0])
static const Choice_row Choices[] = {
    {"PartAttrBndBoxRep", "PartAttrBndBoxTypFrame", "Fast\nDisplay Rep.", 38, Bndbox_rows, NROWS(Bndbox_rows)},
    {"PartAttrSrfShade", "PartAttrSrfShadeFrame", "Shading", 28, Shading_rows, NROWS(Shading_rows)},
    {"PartAttrSrfFill", "PartAttrSrfShadeFrame", "Fill\nPattern", 29, Fill_rows, NROWS(Fill_rows)},
    {"PartAttrNodeRepTyp", "PartAttrNodeRepTypFrame", "Type", 10, Nodetype_rows, NROWS(Nodetype_rows)},
    {"PartAttrNodeRepSizBy", "PartAttrNodeRepSizeByFrame", "Size By", 13, Sizeby_rows, NROWS(Sizeby_rows)},
    {"PartAttrLineStyle", "PartAttrLineStyleFrame", "Style", 25, Linestyle_rows, NROWS(Linestyle_rows)},
    {"PartAttrElemRepType", "PartAttrElemRepFrame", "Visual Rep.", 33, Eltrep_rows, NROWS(Eltrep_rows)},
};

static const Text_row Texts[] = {
    {"PartAttrRefFrmText", "Ref. \nFrame", 3, 3, 0, "%d"},
    {"PartAttrClrByRed", "R", 4, 10, 41, "%4.2f"},
    {"PartAttrClrByGrn", "G", 4, 10, 42, "%4.2f"},
    {"PartAttrClrByBlu", "B", 4, 10, 43, "%4.2f"},
    {"PartAttrSrfTransp", "Opaqueness", 4, 10, 44, "%4.2f"},
    {"PartAttrSrfLightDiff", "Diff", 4, 10, 30, "%4.2f"},
    {"PartAttrSrfLightShine", "Shin", 5, 10, 31, "%5.2f"},
    {"PartAttrSrfLightHiInten", "H Int", 4, 10, 32, "%4.2f"},
    {"PartAttrNodeRepScaleText", "Scale", 10, 11, 11, "%.4e"},
    {"PartAttrNodeRepDetLvlLabel", "Detail", 3, 10, 12, "%d"},
    {"PartAttrLineWidthText", "Width", 3, 2, 24, "%d"},
    {"PartAttrElemShrink", "Shrink Factor", 4, 10, 35, "%4.2f"},
    {"PartAttrElemFeatAngle", "Angle", 5, 5, 34, "%5.1f"},
    {"PartAttrDispFactorText", "Factor", 10, 10, 23, "%.4e"},
};

static const Toggle_row Toggles[] = {
    {"PartAttrVis", "Visible", 1},          {"PartAttrClip", "Aux. Clip", 5},
    {"PartAttrActv", "Active", 6},          {"PartAttrSrfHid", "Shaded", 27},
    {"PartAttrSrfHidLin", "Hidden Line", 26}, {"PartAttrNELNodeVis", "Node", 7},
    {"PartAttrNELLineVis", "Line", 8},      {"PartAttrNELElemVis", "Element", 9},
    {"PartAttrNELNodeLabel", "Node", 36},   {"PartAttrNELElemLabel", "Element", 37},
};

static const Toggle_row Symmetry[] = {
    {"Mirror X", "Mirror X", 17},   {"Mirror Y", "Mirror Y", 16},   {"Mirror Z", "Mirror Z", 15},
    {"Mirror XY", "Mirror XY", 18}, {"Mirror XZ", "Mirror XZ", 20}, {"Mirror YZ", "Mirror YZ", 19},
    {"Mirror XYZ", "Mirror XYZ", 21}, {"Original", "Original", 3},
};

static std::map<int, Widget> Control;     // slot -> text field, toggle or option menu
static std::map<int, Widget> Mark_widget; // slot -> widget that carries the change mark
static std::map<int, Widget> Label_of;    // slot -> label of a text field
static Widget Symm_toggle[PART_ATTR_SLOTS] = {};

// ---- variable option menus ------------------------------------------------------------

namespace {
struct Var_menu {
  Var_menu(const char *n, const char *l) : name(n), label(l) {}
  const char *name, *label;
  Widget menu = nullptr, pane = nullptr, frame = nullptr;
  int kind = -1;                 // PVAR_* the entries list
  std::vector<Widget> entries;   // variable entries in list order, then "None"
};
}  // namespace
static Var_menu Var_menus[4] = {{"PartCreateVar", "Variable"},
                                {"PartAttrClrByDyn", "Color By"},
                                {"PartAttrNodeRepVar", "Variable"},
                                {"PartAttrDispVar", "Displace By"}};

static Widget make_var_menu(Widget parent, int m, const char *frame_name) {
  Var_menu &v = Var_menus[m];
  v.frame = XtVaCreateManagedWidget(frame_name, xmFrameWidgetClass, parent, XmNshadowThickness, 0, nullptr);
  v.pane = XmCreatePulldownMenu(v.frame, const_cast<char *>((std::string(v.name) + "Pane").c_str()), nullptr, 0);
  XmString s = XmStringCreateLocalized(const_cast<char *>(v.label));
  Arg a[2];
  XtSetArg(a[0], XmNlabelString, s);
  XtSetArg(a[1], XmNsubMenuId, v.pane);
  v.menu = XmCreateOptionMenu(v.frame, const_cast<char *>(v.name), a, 2);
  XmStringFree(s);
  Widget none = XtVaCreateManagedWidget("None", xmPushButtonWidgetClass, v.pane, XmNuserData,
                                        (XtPointer)1003L, nullptr);
  XtAddCallback(none, XmNactivateCallback, part_varmenu_chngCB, (XtPointer)(long)(m << 16 | 1003));
  v.entries.push_back(none);
  XtManageChild(v.menu);
  return v.frame;
}

// Rebuilds a menu's entries from the variables of kind when asked or when
// the kind changed, then shows the entry of variable row (or "None").
static void var_menu_refresh(int m, int kind, int shown_row) {
  Var_menu &v = Var_menus[m];
  if (!v.menu) return;
  std::vector<int> rows = part_var_rows(kind);
  if (part_var_menu_rebuild(m) || kind != v.kind || v.entries.size() != rows.size() + 1) {
    for (Widget w : v.entries) XtDestroyWidget(w);
    v.entries.clear();
    for (size_t k = 0; k <= rows.size(); k++) {
      bool none = k == rows.size();
      const char *label = none ? "None" : Variables[rows[k]].name;
      long value = none ? 1003 : (long)k;
      Widget e = XtVaCreateManagedWidget(label, xmPushButtonWidgetClass, v.pane, nullptr);
      XtAddCallback(e, XmNactivateCallback, part_varmenu_chngCB, (XtPointer)(m << 16 | value));
      v.entries.push_back(e);
    }
    v.kind = kind;
  }
  Widget shown = v.entries.back();
  for (size_t k = 0; k < rows.size(); k++)
    if (rows[k] == shown_row) shown = v.entries[k];
  XtVaSetValues(v.menu, XmNmenuHistory, shown, nullptr);
}

static int var_row_by_id(int id, int type) {
  for (int r = 0; Variables && r < Var_avail_cnt; r++)
    if (Variables[r].id == id && Variables[r].active && (type < 0 || Variables[r].type == type))
      return r;
  return -1;
}

static int var_row_by_palette(int palette) {
  for (int r = 0; palette > 0 && Variables && r < Var_avail_cnt; r++)
    if (Variables[r].palette == palette && Variables[r].active) return r;
  return -1;
}

Widget part_detedit_varmenu(int menu) { return menu >= 0 && menu < 4 ? Var_menus[menu].menu : nullptr; }

// ---- small helpers -----------------------------------------------------------------------

static Widget label(Widget parent, const char *name, const char *text) {
  XmString s = XmStringCreateLtoR(const_cast<char *>(text), const_cast<char *>(XmFONTLIST_DEFAULT_TAG));
  Widget w = XtVaCreateManagedWidget(name, xmLabelWidgetClass, parent, XmNlabelString, s, nullptr);
  XmStringFree(s);
  return w;
}

static Widget row(Widget parent, const char *name, bool horizontal = true) {
  return XtVaCreateManagedWidget(name, xmRowColumnWidgetClass, parent, XmNorientation,
                                 horizontal ? XmHORIZONTAL : XmVERTICAL, nullptr);
}

// A titled group: a frame whose title is the group's label, holding a column.
static Widget group(Widget parent, const char *name, const char *title) {
  Widget frame = XtVaCreateManagedWidget(name, xmFrameWidgetClass, parent, nullptr);
  XmString s = XmStringCreateLocalized(const_cast<char *>(title));
  XtVaCreateManagedWidget("title", xmLabelWidgetClass, frame, XmNchildType, XmFRAME_TITLE_CHILD,
                          XmNlabelString, s, nullptr);
  XmStringFree(s);
  return row(frame, "column", false);
}

static Widget text_field(Widget parent, const char *name, int columns, int maxlen,
                         XtCallbackProc cb, long client) {
  Widget t = XtVaCreateManagedWidget(name, xmTextFieldWidgetClass, parent, XmNcolumns, columns,
                                     XmNmaxLength, maxlen, XmNcursorPositionVisible, False, nullptr);
  XtAddCallback(t, XmNfocusCallback, XtarvTextFocus, nullptr);
  XtAddCallback(t, XmNlosingFocusCallback, XtarvTextUnfocus, nullptr);
  if (cb) XtAddCallback(t, XmNactivateCallback, cb, (XtPointer)client);
  return t;
}

static const Text_row *text_row(int slot) {
  for (const Text_row &t : Texts)
    if (t.slot == slot) return &t;
  return nullptr;
}

static void add_text(Widget parent, int slot) {
  const Text_row *t = text_row(slot);
  Widget r = row(parent, "row");
  Label_of[slot] = label(r, (std::string(t->name) + "Label").c_str(), t->label);
  bool rgb = slot >= SLOT_RGB_R && slot <= SLOT_RGB_B;
  Widget w = text_field(r, t->name, t->columns, t->maxlen, rgb ? part_rgbtext_chngCB : part_text_chngCB, slot);
  Control[slot] = Mark_widget[slot] = w;
}

static void add_toggle(Widget parent, int slot) {
  for (const Toggle_row &t : Toggles)
    if (t.slot == slot) {
      XmString s = XmStringCreateLocalized(const_cast<char *>(t.label));
      Widget w = XtVaCreateManagedWidget(t.name, xmToggleButtonWidgetClass, parent, XmNlabelString, s, nullptr);
      XmStringFree(s);
      XtAddCallback(w, XmNvalueChangedCallback, part_tggl_chngCB, (XtPointer)(long)slot);
      Control[slot] = Mark_widget[slot] = w;
    }
}

static void add_choice(Widget parent, int slot) {
  for (const Choice_row &c : Choices)
    if (c.slot == slot) {
      Widget frame = XtVaCreateManagedWidget(c.frame, xmFrameWidgetClass, parent, XmNshadowThickness, 0, nullptr);
      Control[slot] = XtarvCreateOptionMenu(frame, c.name, c.label, nullptr, 0, c.rows, c.nrows, 0);
      Mark_widget[slot] = frame;
    }
}

Widget part_detedit_control(int slot) {
  auto it = Control.find(slot);
  return it == Control.end() ? nullptr : it->second;
}

Menu_item_rec *part_detedit_menu_rows(int slot, int *count) {
  for (const Choice_row &c : Choices)
    if (c.slot == slot) {
      if (count) *count = c.nrows;
      return c.rows;
    }
  return nullptr;
}

Widget part_detedit_symmetry_toggle(int slot) {
  return slot >= 0 && slot < PART_ATTR_SLOTS ? Symm_toggle[slot] : nullptr;
}

static void sens(Widget w, bool on) {
  if (w) XtSetSensitive(w, on ? True : False);
}

static void mark(Widget w) {
  if (w && !Detedit_immed_mode) XtarvIndicateChange(w, 1, 1);
}

static float text_value(Widget w) {
  char *s = XmTextFieldGetString(w);
  float v = (float)atof(s ? s : "");
  XtFree(s);
  return v;
}

static void set_text(Widget w, const char *format, float value) {
  if (!w) return;
  char buf[64];
  if (strcmp(format, "%d") == 0 || strcmp(format, "%8d") == 0)
    snprintf(buf, sizeof buf, format, (int)value);
  else
    snprintf(buf, sizeof buf, format, value);
  XmTextFieldSetString(w, buf);
}

static void set_toggle(int slot, float value) {
  Widget w = part_detedit_control(slot);
  if (w) XmToggleButtonSetState(w, value != 0.0f, False);
}

static void set_choice(int slot, float value) {
  int n = 0;
  Menu_item_rec *rows = part_detedit_menu_rows(slot, &n);
  Widget om = part_detedit_control(slot);
  for (int k = 0; rows && om && k < n; k++)
    if (((long)rows[k].client_data & 0xff) == our_rint(value))
      XtVaSetValues(om, XmNmenuHistory, rows[k].widget, nullptr);
}

// ---- section initialisers ----------------------------------------------------------------

static void fill_texts(const float *a, std::initializer_list<int> slots) {
  for (int s : slots) set_text(part_detedit_control(s), text_row(s)->format, a[s]);
}

static void part_symmattr_menu_init(const float *a) {
  for (const Toggle_row &t : Symmetry)
    if (Symm_toggle[t.slot]) XmToggleButtonSetState(Symm_toggle[t.slot], a[t.slot] != 0.0f, False);
}

static void part_genattr_sect_init(const float *a) {
  fill_texts(a, {0});
  for (int s : {1, 5, 6, 27, 26}) set_toggle(s, a[s]);
  float mask = a[SLOT_VIEWPORT_VIS];
  part_viewport_mask(&mask, 1);
  part_symmattr_menu_init(a);
  set_choice(38, a[38]);
}

static void part_displaceattr_sect_init(const float *a) {
  var_menu_refresh(3, PVAR_VECTORS, var_row_by_id(our_rint(a[22]), 1));
  fill_texts(a, {23});
}

static void part_nodlinelmvisattr_sect_init(const float *a) {
  for (int s : {7, 8, 9, 36, 37}) set_toggle(s, a[s]);
  for (int s : {36, 37}) sens(part_detedit_control(s), Part_dlog_current == PART_MODEL);
}

static void part_noderep_sens(int type) {
  bool dot = type == 0;
  for (int s : {11, 13}) {
    sens(part_detedit_control(s), !dot);
    sens(Label_of[s], !dot);
  }
  sens(Var_menus[2].menu, !dot);
  sens(part_detedit_control(12), type == 2);
  sens(Label_of[12], type == 2);
}

static void part_nodeattr_sect_init(const float *a) {
  set_choice(10, a[10]);
  part_noderep_sens(our_rint(a[10]));
  fill_texts(a, {11, 12});
  set_choice(13, a[13]);
  int mode = our_rint(a[13]);
  int kind = mode >= 2 ? PVAR_VECTORS : PVAR_SCALARS;
  var_menu_refresh(2, kind, mode == 0 ? -1 : var_row_by_id(our_rint(a[14]), mode == 1 ? 0 : 1));
  sens(Var_menus[2].menu, mode >= 1 && mode <= 5 && our_rint(a[10]) != 0);
}

static void part_lineattr_sect_init(const float *a) {
  fill_texts(a, {24});
  set_choice(25, a[25]);
}

static void part_surfaceattr_sect_init(const float *a) {
  set_choice(28, a[28]);
  set_choice(29, a[29]);
  fill_texts(a, {44, 30, 31, 32});
  bool on = Part_dlog_current != PART_CONTOUR && Part_dlog_current != PART_ARROW;
  for (int s : {27, 26, 29, 30, 31, 32}) sens(part_detedit_control(s), on);
}

static void part_elementrep_sens(int rep) {
  sens(part_detedit_control(34), rep == 2);
  sens(Label_of[34], rep == 2);
  int t = Part_dlog_current;
  bool lines = t == PART_CONTOUR || t == PART_TRACE || t == PART_PROFILE || t == PART_ARROW;
  sens(part_detedit_control(35), rep != 4 && !lines);
  sens(Label_of[35], rep != 4 && !lines);
  sens(part_detedit_control(33), !lines);
}

static void part_elementattr_sect_init(const float *a) {
  set_choice(33, a[33]);
  part_elementrep_sens(our_rint(a[33]));
  fill_texts(a, {35, 34});
}

static void part_colorbyattr_sect_init(const float *a) {
  int palette = our_rint(a[SLOT_COLORBY_PALETTE]);
  var_menu_refresh(1, PVAR_COLORBY, palette ? var_row_by_palette(palette) : -1);
  fill_texts(a, {41, 42, 43});
}

static void part_create_var_init(const float *a) {
  int kind = part_createvar_kind(Part_dlog_current);
  var_menu_refresh(0, kind, var_row_by_id(our_rint(a[50]), -1));
  if (!Var_menus[0].entries.empty()) {
    for (Widget e : Var_menus[0].entries) sens(e, true);
    sens(Var_menus[0].entries.back(), false);
  }
  for (int k = 0; k < 3; k++) set_text(Pattr_creatxyz_text[k], "%6.4f", a[47 + k]);
}

static void sections_init(const float *a, const char *desc) {
  if (!Parts_detedit_topwidget) return;
  XmTextFieldSetString(Pattr_desc_text, const_cast<char *>(desc ? desc : ""));
  part_genattr_sect_init(a);
  part_displaceattr_sect_init(a);
  part_nodlinelmvisattr_sect_init(a);
  part_nodeattr_sect_init(a);
  part_lineattr_sect_init(a);
  part_surfaceattr_sect_init(a);
  part_elementattr_sect_init(a);
  part_colorbyattr_sect_init(a);
  part_create_var_init(a);
}

static void model_sect_init(const float *a, int structured) {
  if (!Pattr_create_mainform) return;
  for (int r = 0; r < 3; r++) {
    for (int c = 0; c < 3; c++) {
      Widget w = Pattr_createstftstep_text[r][c];
      if (structured)
        set_text(w, "%8d", a[63 + r * 3 + c]);
      else
        XmTextFieldSetString(w, const_cast<char *>(""));
      sens(w, structured != 0);
    }
    if (structured) {
      set_text(Pattr_createstminmax_text[r][0], "%8d", 1.0f);
      set_text(Pattr_createstminmax_text[r][1], "%8d", a[72 + r]);
    } else {
      for (int c = 0; c < 2; c++) XmTextFieldSetString(Pattr_createstminmax_text[r][c], const_cast<char *>(""));
    }
  }
  XtManageChild(Pattr_create_mainform);
}

// ---- change marks ---------------------------------------------------------------------------

static void clear_marks(const int *flags, int desc_flag) {
  if (!Parts_detedit_topwidget || !flags) return;
  for (auto &m : Mark_widget)
    if (flags[m.first]) XtarvIndicateChange(m.second, 0, 1);
  for (int s : {2, 14, 22, 39, 50})
    if (flags[s]) {
      Widget f = s == 14 ? Var_menus[2].frame : s == 22 ? Var_menus[3].frame
                 : s == 39 ? Var_menus[1].frame : s == 50 ? Var_menus[0].frame : nullptr;
      if (f) XtarvIndicateChange(f, 0, 1);
    }
  for (const Toggle_row &t : Symmetry)
    if (flags[t.slot] && Pattr_symm_frame) XtarvIndicateChange(Pattr_symm_frame, 0, 1);
  if (flags[47])
    for (Widget w : Pattr_creatxyz_text) XtarvIndicateChange(w, 0, 1);
  if (desc_flag && Pattr_desc_text) XtarvIndicateChange(Pattr_desc_text, 0, 1);
}

static void model_clear_marks() {
  if (!Pattr_create_mainform) return;
  for (auto &r : Pattr_createstftstep_text)
    for (Widget w : r) XtarvIndicateChange(w, 0, 1);
}

// ---- callbacks ---------------------------------------------------------------------------------

void part_text_chngCB(Widget w, XtPointer client, XtPointer) {
  mark(w);
  float v = text_value(w);
  part_genattr_apply((int)(long)client, &v);
}

void part_tggl_chngCB(Widget w, XtPointer client, XtPointer) {
  mark(w);
  float v = XmToggleButtonGetState(w) ? 1.0f : 0.0f;
  part_genattr_apply((int)(long)client, &v);
}

void part_symm_chngCB(Widget w, XtPointer client, XtPointer) {
  mark(Pattr_symm_frame);
  float v = XmToggleButtonGetState(w) ? 1.0f : 0.0f;
  part_genattr_apply((int)(long)client, &v);
}

void part_optmenu_chngCB(Widget, XtPointer client, XtPointer) {
  long c = (long)client;
  int slot = (int)(c >> 8);
  float v = (float)(c & 0xff);
  mark(Mark_widget[slot]);
  part_genattr_apply(slot, &v);
  if (!Detedit_immed_mode && slot == 10) part_noderep_sens((int)v);
  if (!Detedit_immed_mode && slot == 33) part_elementrep_sens((int)v);
}

// The creation "Variable" menu: the variable must suit the editor's type.
static void create_variable(int value) {
  std::vector<int> rows = part_var_rows(part_createvar_kind(Part_dlog_current));
  if (value < 0 || value >= (int)rows.size()) {
    disperr("Error matching variable, call support.");
    return;
  }
  const Variable_rec &v = Variables[rows[(size_t)value]];
  if (v.type == 3) {
    disperr("Time variable can only be used for coloring Particle Traces.");
    return;
  }
  if (Part_dlog_current == PART_TENSOR && v.type != 4) {
    disperr("Tensor glyph parts can only be created by TENSOR variables.");
    return;
  }
  if (Part_dlog_current == PART_CONTOUR && v.element_based) {
    disperr("Contours can not be created from Element Centered variables.");
    return;
  }
  mark(Var_menus[0].frame);
  float values[2] = {(float)v.id, (float)v.type};
  if (Part_rout[Part_dlog_current].apply_attr) Part_rout[Part_dlog_current].apply_attr(50, values);
}

void part_varmenu_chngCB(Widget, XtPointer client, XtPointer) {
  long c = (long)client;
  int m = (int)(c >> 16), value = (int)(c & 0xffff);
  if (m == 0) {
    create_variable(value);
    return;
  }
  if (m == 2 && value == 1003) {
    disperr("Must have a variable selected of the chosen node type.");
    part_detedit_ui_refresh();
    return;
  }
  static const int slot_of[4] = {50, SLOT_COLORBY_PALETTE, SLOT_NODE_VARIABLE, SLOT_DISPLACE_BY};
  mark(Var_menus[m].frame);
  float v = value == 1003 ? 1003.0f : (float)(value + 1);
  part_genattr_apply(slot_of[m], &v);
}

static void rgbtext_apply() {
  float rgb[3];
  for (int k = 0; k < 3; k++) {
    Widget w = part_detedit_control(SLOT_RGB_R + k);
    mark(w);
    rgb[k] = text_value(w);
  }
  part_genattr_apply(SLOT_RGB_R, rgb);
}

void part_rgbtext_chngCB(Widget, XtPointer, XtPointer) { rgbtext_apply(); }

void part_rgb_selectCB(Widget, XtPointer, XtPointer) {
  Widget f[3];
  float v[3];
  for (int k = 0; k < 3; k++) {
    f[k] = part_detedit_control(SLOT_RGB_R + k);
    v[k] = text_value(f[k]);
  }
  gen_colorselect_dialog(Parts_gen_form, f[0], f[1], f[2], "%4.2f", v[0], v[1], v[2], rgbtext_apply, 0, 0);
}

void part_desc_chngCB(Widget w, XtPointer, XtPointer) {
  mark(w);
  char *s = XmTextFieldGetString(w);
  part_desc_chng(s ? s : "");
  XtFree(s);
}

void part_createxyzval_chngCB(Widget, XtPointer, XtPointer) {
  float v[3];
  for (int k = 0; k < 3; k++) {
    mark(Pattr_creatxyz_text[k]);
    v[k] = text_value(Pattr_creatxyz_text[k]);
  }
  if (Part_rout[Part_dlog_current].apply_attr) Part_rout[Part_dlog_current].apply_attr(47, v);
}

void part_structijktext_chngCB(Widget, XtPointer, XtPointer) {
  float v[9];
  for (int r = 0; r < 3; r++)
    for (int c = 0; c < 3; c++) {
      mark(Pattr_createstftstep_text[r][c]);
      v[r * 3 + c] = text_value(Pattr_createstftstep_text[r][c]);
    }
  model_createattr_apply(MODEL_RANGE_FIRST, v);
}

void part_selectCB(Widget, XtPointer, XtPointer) {
  int *rows = nullptr, count = 0;
  if (!XmListGetSelectedPos(Parts_listw, &rows, &count)) count = 0;
  part_detedit_refresh(0, 0, rows, count);
  XtFree(reinterpret_cast<char *>(rows));
}

void part_createCB(Widget, XtPointer, XtPointer) { part_setupcreate_and_doit(); }

void part_updt_parentCB(Widget, XtPointer, XtPointer) {
  int count = 0, *internal = nullptr, *numbers = nullptr;
  int r = selected_parts(PLIST_MAIN, &count, &internal, &numbers);
  free(internal);
  if (r != 1 || count <= 0) {
    disperr("Must have at least one part selected in the main part list to use as the parent.");
  } else if (Part_wrking_cnt != 1 || !Part_wrking_extnumber) {
    disperr("Must have one and only one part selected to change parent.");
  } else {
    int part = Part_wrking_extnumber[0];
    part_updt_parent(part, count, numbers, 0);
    mainprt_show_parentpart_indicator(1, &part);
  }
  free(numbers);
}

static void expandCB(Widget w, XtPointer body, XtPointer) {
  Widget b = (Widget)body;
  XtarvSectExpandRout(w, 1, &b, 0);
}

static int menu_font_height() {
  return Menufontstruct ? Menufontstruct->ascent + Menufontstruct->descent : 12;
}

// ---- building ------------------------------------------------------------------------------

// A section: frame, form, column; the column's first child holds the arrow
// and the title, the body follows.  The body's initial state follows its
// Sectinfo_tbl row.
static Widget section(Widget parent, const char *name, const char *aro, const char *aro_label,
                      const char *title, int info_row, Widget *arrow, Widget *body_out,
                      const char *body_name) {
  Widget frame = XtVaCreateManagedWidget((std::string(name) + "Frame").c_str(), xmFrameWidgetClass, parent, nullptr);
  Widget form = XtVaCreateManagedWidget((std::string(name) + "Form").c_str(), xmFormWidgetClass, frame, nullptr);
  Widget column = XtVaCreateManagedWidget((std::string(name) + "RowColumn").c_str(), xmRowColumnWidgetClass,
                                          form, XmNorientation, XmVERTICAL, nullptr);
  Widget head = XtVaCreateManagedWidget((std::string(name) + "HeadForm").c_str(), xmFormWidgetClass, column, nullptr);
  int open = info_row >= 0 && info_row < SECTINFO_ROWS ? Sectinfo_tbl[info_row].open : 0;
  *arrow = XtVaCreateManagedWidget(aro, xmArrowButtonWidgetClass, head, XmNarrowDirection,
                                   open ? XmARROW_DOWN : XmARROW_RIGHT, XmNheight,
                                   menu_font_height() + 8,
                                   XmNleftAttachment, XmATTACH_FORM, nullptr);
  Widget t = label(head, aro_label, title);
  XtVaSetValues(t, XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, *arrow, XmNforeground,
                Section_color.pixel, nullptr);
  *body_out = XtVaCreateManagedWidget(body_name, xmFormWidgetClass, column, nullptr);
  Widget inner = row(*body_out, "body", false);
  XtAddCallback(*arrow, XmNactivateCallback, expandCB, (XtPointer)*body_out);
  return inner;
}

static void gen_creatattr_info_sect(Widget body) {
  Pattr_create_mainrowcol = row(body, "PartAllCreateRowColumn", false);
  Pattr_creatvar_form = XtVaCreateManagedWidget("PartCreateVarForm", xmRowColumnWidgetClass,
                                                Pattr_create_mainrowcol, XmNorientation, XmVERTICAL, nullptr);
  make_var_menu(Pattr_creatvar_form, 0, "PartAttrNodeRepVarFrame");
  Pattr_createvector_form = row(Pattr_creatvar_form, "PartCreateVarCompForm");
  static const char *const names[3] = {"PartAttrCreateVarCX", "PartAttrCreateVarCY", "PartAttrCreateVarCZ"};
  static const char *const labels[3] = {"X", "Y", "Z"};
  for (int k = 0; k < 3; k++) {
    label(Pattr_createvector_form, "label", labels[k]);
    Pattr_creatxyz_text[k] = text_field(Pattr_createvector_form, names[k], 6, 10, part_createxyzval_chngCB, 0);
  }
}

static void gen_gnrlattr_info_sect(Widget body) {
  Widget top = row(body, "PartGenAttrTop");
  for (int s : {1, 5, 6}) add_toggle(top, s);
  label(top, "PartAttrInVpLabel", "Visible In\nViewport(s)");
  // The viewport picker: the layout drawn small; a click toggles a viewport.
  Arg vp[2];
  XtSetArg(vp[0], XmNwidth, 125);
  XtSetArg(vp[1], XmNheight, 110);
  gwin_partviewpvis_create(top, vp, 2);
  add_choice(body, 38);
  Pattr_symm_frame = XtVaCreateManagedWidget("PartAttrSymFrame", xmFrameWidgetClass, body, XmNshadowThickness, 0, nullptr);
  Widget bar = XmCreateMenuBar(Pattr_symm_frame, const_cast<char *>("PartAttrSymMenuBar"), nullptr, 0);
  Widget pane = XmCreatePulldownMenu(bar, const_cast<char *>("SymmetryPane"), nullptr, 0);
  XmString s = XmStringCreateLocalized(const_cast<char *>("Symmetry"));
  XtVaCreateManagedWidget("Symmetry", xmCascadeButtonWidgetClass, bar, XmNlabelString, s,
                          XmNsubMenuId, pane, XmNmnemonic, 'S', nullptr);
  XmStringFree(s);
  for (const Toggle_row &t : Symmetry) {
    Widget w = XtVaCreateManagedWidget(t.name, xmToggleButtonWidgetClass, pane, nullptr);
    XtAddCallback(w, XmNvalueChangedCallback, part_symm_chngCB, (XtPointer)(long)t.slot);
    Symm_toggle[t.slot] = w;
  }
  XtManageChild(bar);
  add_text(body, 0);
  make_var_menu(body, 1, "PartAttrClrByFrame");
  Widget rgb = row(body, "PartAttrClrByRGB");
  for (int s : {41, 42, 43}) add_text(rgb, s);
  Widget mix = XtVaCreateManagedWidget("PartAttrClrByMix", xmPushButtonWidgetClass, rgb, nullptr);
  XmString m = XmStringCreateLocalized(const_cast<char *>("Mix..."));
  XtVaSetValues(mix, XmNlabelString, m, nullptr);
  XmStringFree(m);
  XtAddCallback(mix, XmNactivateCallback, part_rgb_selectCB, nullptr);
  Widget srf = group(body, "PartAttrSrf", "Surface");
  for (int s : {27, 26}) add_toggle(srf, s);
  add_text(srf, 44);
  add_choice(srf, 28);
  add_choice(srf, 29);
  Widget light = group(srf, "PartAttrSrfLight", "Lighting");
  for (int s : {30, 31, 32}) add_text(light, s);
}

static void gen_ndelmline_sect(Widget body) {
  Widget vis = group(body, "PartAttrNELVis", "General Visibility");
  for (int s : {7, 8, 9}) add_toggle(vis, s);
  Widget lbl = group(body, "PartAttrNELLabel", "Label Visibility");
  for (int s : {36, 37}) add_toggle(lbl, s);
  Widget node = group(body, "PartAttrNodeRep", "Node Representation");
  add_choice(node, 10);
  add_text(node, 11);
  add_text(node, 12);
  add_choice(node, 13);
  make_var_menu(node, 2, "PartAttrNodeRepVarFrame");
  Widget line = group(body, "PartAttrLineRep", "Line Representation");
  add_text(line, 24);
  add_choice(line, 25);
  Widget elem = group(body, "PartAttrElemRep", "Element Representation");
  add_choice(elem, 33);
  add_text(elem, 35);
  add_text(elem, 34);
}

static void gen_displace_sect(Widget body) {
  make_var_menu(body, 3, "PartAttrDispVarOptionFrame");
  add_text(body, 23);
}

static Widget button(Widget parent, const char *name, const char *text, XtCallbackProc cb) {
  XmString s = XmStringCreateLocalized(const_cast<char *>(text));
  Widget b = XtVaCreateManagedWidget(name, xmPushButtonWidgetClass, parent, XmNlabelString, s, nullptr);
  XmStringFree(s);
  if (cb) XtAddCallback(b, XmNactivateCallback, cb, nullptr);
  return b;
}

Widget part_gen_deteditor() {
  if (Parts_detedit_topwidget) return Parts_detedit_topwidget;
  Widget holder = detedit_section_form("partDetEdForm");
  if (!holder) return nullptr;
  Widget paned = XtVaCreateManagedWidget("PartDetEdPanedWin", xmPanedWindowWidgetClass, holder,
                                         XmNtopAttachment, XmATTACH_FORM, XmNbottomAttachment, XmATTACH_FORM,
                                         XmNleftAttachment, XmATTACH_FORM, XmNrightAttachment, XmATTACH_FORM,
                                         nullptr);
  Widget avail = XtVaCreateManagedWidget("PartAvailFrame", xmFrameWidgetClass, paned, nullptr);
  Widget lform = XtVaCreateManagedWidget("PartListForm", xmFormWidgetClass, avail, nullptr);
  Arg a[2];
  XtSetArg(a[0], XmNselectionPolicy, XmEXTENDED_SELECT);
  XtSetArg(a[1], XmNvisibleItemCount, 4);
  Parts_listw = XmCreateScrolledList(lform, const_cast<char *>("PartScrolledList"), a, 2);
  XtVaSetValues(XtParent(Parts_listw), XmNtopAttachment, XmATTACH_FORM, XmNbottomAttachment, XmATTACH_FORM,
                XmNleftAttachment, XmATTACH_FORM, XmNrightAttachment, XmATTACH_FORM, nullptr);
  XtAddCallback(Parts_listw, XmNextendedSelectionCallback, part_selectCB, nullptr);
  XtAddCallback(Parts_listw, XmNdefaultActionCallback, part_selectCB, nullptr);
  XtManageChild(Parts_listw);

  Widget attr = XtVaCreateManagedWidget("PartAttrForm", xmFormWidgetClass, paned, nullptr);
  Widget buttons = XtVaCreateManagedWidget("PartButtons", xmRowColumnWidgetClass, attr, XmNorientation,
                                           XmHORIZONTAL, XmNtopAttachment, XmATTACH_FORM, nullptr);
  button(buttons, "PartClose", "Close", detedit_closeCB);
  Parts_create_button = button(buttons, "PartCreate", "Create", part_createCB);
  Parts_apply_button = button(buttons, "PartsUpdate", "Apply Changes", detedit_apply_changeCB);
  Parts_updtparent_button = button(buttons, "PartsUpdtParent", "Update Parent", part_updt_parentCB);
  Widget scroll = XtVaCreateManagedWidget("PartDetEdAttrScrolledWin", xmScrolledWindowWidgetClass, attr,
                                          XmNscrollingPolicy, XmAUTOMATIC, XmNtopAttachment, XmATTACH_WIDGET,
                                          XmNtopWidget, buttons, XmNbottomAttachment, XmATTACH_FORM,
                                          XmNleftAttachment, XmATTACH_FORM, XmNrightAttachment, XmATTACH_FORM,
                                          XmNheight, 250, nullptr);
  Widget column = row(scroll, "PartDetEdAttrRowColumn", false);
  Widget dform = row(column, "PartCreateDescForm");
  label(dform, "PartAttrDescLabel", "Desc");
  Pattr_desc_text = text_field(dform, "PartAttrDesc", 30, 49, part_desc_chngCB, 0);

  Widget body = nullptr;
  section(column, "PartCreate", "PartCreateAro", "PartCreateAroLabel", "Creation Attributes", 0,
          &Parts_create_arobut, &Parts_create_form, "PartCreateInfoForm");
  Pattr_create_mainwidget = XtParent(XtParent(XtParent(Parts_create_form)));
  gen_creatattr_info_sect(XtNameToWidget(Parts_create_form, "body"));
  body = section(column, "PartGenAttr", "PartGenAttrAro", "PartGenAttrAroLabel", "General Attributes", 2,
                 &Parts_general_arobut, &Parts_gen_form, "PartGenAttrForm");
  gen_gnrlattr_info_sect(body);
  body = section(column, "PartNdElmLin", "PartNdElmLinAro", "PartNdElmLinAroLbl",
                 "Node, Element, and Line Attributes", 3, &Parts_ndelmlin_arobut, &Parts_ndelmlin_form,
                 "PartNodElmLinAttrForm");
  gen_ndelmline_sect(body);
  body = section(column, "PartDisp", "PartDispAro", "PartDispAroLbl", "Displacement Attributes", 4,
                 &Parts_disp_arobut, &Parts_disp_form, "PartAttrDispForm");
  gen_displace_sect(body);
  // Each body follows its arrow, without flipping it.
  Widget arrows[4] = {Parts_create_arobut, Parts_general_arobut, Parts_ndelmlin_arobut, Parts_disp_arobut};
  Widget bodies[4] = {Parts_create_form, Parts_gen_form, Parts_ndelmlin_form, Parts_disp_form};
  for (int k = 0; k < 4; k++) XtarvSectExpandRout(arrows[k], 1, &bodies[k], 1);
  Parts_detedit_topwidget = holder;
  return holder;
}

// ---- the model creation section and the choice of creation section -----------------------------

static Widget gen_model_createsect(Widget parent) {
  Widget form = XtVaCreateWidget("PartDetEdCrForm", xmRowColumnWidgetClass, parent, XmNorientation, XmVERTICAL, nullptr);
  label(form, "PartDetEdCrStRangeLabel", "Using Node Ranges:");
  Widget head = row(form, "PartDetEdCrStFromToRowColumn");
  for (const char *h : {"From", "To", "Step", "Min", "Max"}) label(head, h, h);
  Widget grid = row(form, "PartDetEdCrStGrid");
  Widget ijk = row(grid, "PartDetEdCrStIJKRowColumn", false);
  for (const char *h : {"I", "J", "K"}) label(ijk, h, h);
  Widget ranges = XtVaCreateManagedWidget("PartDetEdCrStRanges", xmRowColumnWidgetClass, grid, XmNorientation,
                                          XmVERTICAL, XmNnumColumns, 3, XmNpacking, XmPACK_COLUMN, nullptr);
  for (int c = 0; c < 3; c++)
    for (int r = 0; r < 3; r++) {
      Widget t = text_field(ranges, "PartDetEdCrStFromToText", 6, 10, part_structijktext_chngCB, 0);
      XmTextFieldSetString(t, const_cast<char *>("     1"));
      Pattr_createstftstep_text[r][c] = t;
    }
  Widget minmax = XtVaCreateManagedWidget("PartDetEdCrStIJKMinMaxRowColumn", xmRowColumnWidgetClass, grid,
                                          XmNorientation, XmVERTICAL, XmNnumColumns, 2, XmNpacking,
                                          XmPACK_COLUMN, nullptr);
  for (int c = 0; c < 2; c++)
    for (int r = 0; r < 3; r++) {
      Widget t = text_field(minmax, "PartDetEdCrStIJKMinMaxText", 6, 10, nullptr, 0);
      XtVaSetValues(t, XmNeditable, False, nullptr);
      Pattr_createstminmax_text[r][c] = t;
    }
  return form;
}

void part_manage_create_sect(int feature) {
  static const int type_of[13] = {-1, -1, 0, 2, 5, 6, 1, 8, 9, 15, 7, 10, 16};
  // Variable form: 1 shown, 0 hidden; X, Y, Z form: 1 shown, 0 hidden, -1 unchanged.
  static const int var_form[13] = {0, 0, 0, 1, 1, 1, 0, 1, 1, 0, 1, 0, 1};
  static const int xyz_form[13] = {0, 0, 0, 0, 1, 1, -1, 0, 1, -1, 1, -1, 0};
  if (feature < 2 || feature > 12 || !Parts_detedit_topwidget) return;
  if (var_form[feature])
    XtManageChild(Pattr_creatvar_form);
  else
    XtUnmanageChild(Pattr_creatvar_form);
  if (xyz_form[feature] == 1)
    XtManageChild(Pattr_createvector_form);
  else if (xyz_form[feature] == 0)
    XtUnmanageChild(Pattr_createvector_form);
  if (!Feature_sect[feature]) {
    // The other features' creation sections come with their subsystems;
    // until then an empty form stands in.
    Feature_sect[feature] = feature == 2 ? (Pattr_create_mainform = gen_model_createsect(Pattr_create_mainrowcol))
                                         : XtVaCreateWidget("PartDetEdEmptyCrForm", xmFormWidgetClass,
                                                            Pattr_create_mainrowcol, nullptr);
  }
  XtManageChild(Feature_sect[feature]);
  XtManageChild(Pattr_create_mainwidget);
  Part_dlog_current = type_of[feature];
  for (int f = 2; f <= 12; f++)
    if (f != feature && Feature_sect[f] && XtIsManaged(Feature_sect[f])) XtUnmanageChild(Feature_sect[f]);
}

// ---- hooks ---------------------------------------------------------------------------------------

static int editor_up() {
  return Parts_detedit_topwidget && XtIsManaged(Parts_detedit_topwidget) && Detaileditor_dialog &&
                 XtIsManaged(Detaileditor_dialog)
             ? 1
             : 0;
}

static void list_fill(int n, const char *const *rows) {
  if (!Parts_listw) return;
  XmListDeleteAllItems(Parts_listw);
  for (int k = 0; k < n; k++) {
    XmString s = XmStringCreateLocalized(const_cast<char *>(rows[k]));
    XmListAddItemUnselected(Parts_listw, s, 0);
    XmStringFree(s);
  }
}

static void list_select(int keep, int n, const int *rows) {
  if (!Parts_listw) return;
  if (!keep) XmListDeselectAllItems(Parts_listw);
  if (n > 0) XtarvListSelectMultPos(Parts_listw, n, rows);
}

static void sensitive(int control, int on) {
  Widget w = control == DETED_CREATE        ? Parts_create_button
             : control == DETED_UPDT_PARENT ? Parts_updtparent_button
             : control == DETED_ACTIVE      ? part_detedit_control(SLOT_ACTIVE)
             : control == DETED_CREATE_FORM ? Parts_create_form
             : control == DETED_APPLY       ? Parts_apply_button
                                            : nullptr;
  sens(w, on != 0);
}

static void show_parents(int count, const int *numbers) { mainprt_show_parentpart_indicator(count, numbers); }
static void main_select() { mainprt_list_select(1); }
static int immediate() { return Detedit_immed_mode; }
static void select_last() {
  if (!Parts_listw || Deted_part_mapcnt <= 0) return;
  XmListDeselectAllItems(Parts_listw);
  XmListSelectPos(Parts_listw, Deted_part_mapcnt, True);
}

void part_detedit_windep_install() {
  Part_detedit_windep.up = editor_up;
  Part_detedit_windep.list_fill = list_fill;
  Part_detedit_windep.list_select = list_select;
  Part_detedit_windep.sensitive = sensitive;
  Part_detedit_windep.sections_init = sections_init;
  Part_detedit_windep.model_sect_init = model_sect_init;
  Part_detedit_windep.clear_marks = clear_marks;
  Part_detedit_windep.model_clear_marks = model_clear_marks;
  Part_detedit_windep.show_parents = show_parents;
  Part_detedit_windep.part_show = part_show;
  Part_detedit_windep.main_select = main_select;
  Part_detedit_windep.selection = selected_parts;
  Part_apply_windep.editor_up = editor_up;
  Part_apply_windep.editor_immediate = immediate;
  Part_apply_windep.editor_reinit = part_detedit_reinit;
  Part_apply_windep.editor_refresh = part_detedit_ui_refresh;
  Part_apply_windep.editor_select_last = select_last;
}
