// Frame attribute dialogs (see frame_dialogs.h).
#include "view/ui/frame_dialogs.h"

#include <Xm/Form.h>
#include <Xm/LabelG.h>
#include <Xm/Protocols.h>
#include <Xm/RowColumn.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>
#include <Xm/ToggleBG.h>

#include <cstdio>
#include <string>

#include "ui/color_chooser.h"
#include "ui/dialog_frame.h"
#include "ui/file_select.h"
#include "ui/general_windep.h"
#include "ui/help_menu.h"
#include "ui/interf_init.h"
#include "ui/menus.h"
#include "ui/textc_windep.h"
#include "ui/widget_helpers.h"
#include "view/frame_logic.h"
#include "view/transf_editor.h"
#include "view/ui/frame_panel.h"
#include "view/ui/transf_dialog.h"

Widget Frame_feedback_form, Frame_origin_holdform, Frame_origin_form;
Widget Frame_originxyz_text[3];
Widget Frame_orient_holdform, Frame_orient_form;
Widget Frame_orientxyz_text[9];
Widget Frame_axisattr_dialog, Frame_axislen_form;
Widget Frame_axislenxyz_text[3], Frame_axislblxyz_tggl[3], Frame_axislnumxyz_text[3];
Widget Frame_csymattr_dialog, Frame_csymtype_optmen, Frame_csymmir_form, Frame_csymrot_form,
    Frame_csymangle_text, Frame_csyminst_text, Frame_csymtrn_form;
Widget Frame_csymtrnxyz_text[3];
Widget Frame_csymtinst_text, Frame_csymper_form, Frame_csympfile_tggl, Frame_csympfile_text,
    Frame_csympfilesel_but;

int Frame_orient_priority_shown = 0;

#define TYPE(label, mnemonic, value) \
  {label, mnemonic, frame_compsymtype_chngCB, (XtPointer)(value), XtarvPUSHBUTTON, 0, nullptr}
Menu_item_rec Frame_csymtype_menu[4] = {
    TYPE("Mirror", 'M', 0), TYPE("Rotational", 'R', 1), TYPE("Translational", 'T', 2),
    TYPE("None", 'N', 3)};
#undef TYPE
#define MIRROR(label, slot) \
  {label, ' ', frame_csymmirtoggle_chngCB, (XtPointer)(slot), XtarvTOGGLEBUTTON, 0, nullptr}
Menu_item_rec Frame_csymmirror_menu[7] = {
    MIRROR("( 1,  1, -1)", 30), MIRROR("( 1, -1,  1)", 31), MIRROR("(-1,  1,  1)", 32),
    MIRROR("(-1, -1,  1)", 33), MIRROR("( 1, -1, -1)", 34), MIRROR("(-1,  1, -1)", 35),
    MIRROR("(-1, -1, -1)", 36)};
#undef MIRROR

static char Help_topic[] = "HT-View-Frames";

static const char Orient_priority_text[] =
    "*****Orientation Vector Definition Priority*****   \n"
    "   Z will be defined as specified                  \n"
    "   X will be used to define X-Z plane and compute Y\n"
    "   Y will always be computed from X                \n"
    "     and Z using the right-hand rule.              \n"
    "\n"
    "   Thus, Z must be defined correctly, X needs to be in the correct\n"
    "   plane but will be adjusted to be orthogonal to the Y-Z plane, Y\n"
    "   input is not needed because it is dependent upon X and Z.       ";

// Kinds of XtarvIndicateChange.
enum { CHANGED_TEXT = 1, CHANGED_TOGGLE = 3 };

// ---- building helpers ------------------------------------------------------------------






// An input "%sLabelG" / "%sTextF" in a form of its own; Enter: frame_textattr_chngCB.
static Widget input(Widget parent, const char *name, const char *label, int columns, int maxlen,
                    long slot, XtCallbackProc cb = frame_textattr_chngCB) {
  Widget field = nullptr;
  XtarvCreateInputForm(parent, name, label, columns, maxlen, 0, 5, nullptr, &field, 1, 0, nullptr,
                       0);
  return text_on_enter(field, cb, slot);
}

// XtarvCreateInputField "%s%sLabel" / "%s%sTextF" below topw.
static Widget input_field(Widget form, const char *name, const char *label, int columns,
                          int maxlen, Widget topw, Widget leftw, long slot, XtCallbackProc cb) {
  Widget f = XtarvCreateInputField(form, "Frame", name, label, columns, maxlen, topw, 5, leftw, 10,
                                   0, 5, 0, 0);
  return text_on_enter(f, cb, slot);
}


static Widget button(Widget parent, const char *name, const char *label, XtCallbackProc cb,
                     XtPointer client) {
  return XtarvCreateButton(parent, name, label, XtarvPUSHBUTTON, ' ', cb, client, nullptr, 0);
}

// Attaches w below above inside a form (at the top when above is null).
static void below(Widget w, Widget above) {
  if (above)
    XtVaSetValues(w, XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, above, XmNtopOffset, 4,
                  nullptr);
  else
    XtVaSetValues(w, XmNtopAttachment, XmATTACH_FORM, XmNtopOffset, 4, nullptr);
  XtVaSetValues(w, XmNleftAttachment, XmATTACH_FORM, XmNleftOffset, 4, nullptr);
}

static const char *const Xyz[3] = {"X", "Y", "Z"};

// Three inputs base + "X", "Y", "Z" in one row, slots slot, slot+1, slot+2
// (or all slot when same).
static void xyz_row(Widget parent, const char *rowname, const char *base, Widget *fields,
                    long slot, bool same) {
  Widget r = dialog_row(parent, rowname);
  for (int k = 0; k < 3; k++)
    fields[k] = input(r, (std::string(base) + Xyz[k]).c_str(), Xyz[k], 11, 11, same ? slot : slot + k);
}

// ---- the location section --------------------------------------------------------------

void frame_genlocattr_sect(Widget parent) {
  if (Frame_feedback_form) return;
  Frame_feedback_form = XtCreateWidget("FrameLocFdbkForm", xmFormWidgetClass, parent, nullptr, 0);
  Frame_origin_holdform =
      gen_holdform(Frame_feedback_form, "FrameLocOrigin", "Origin", 10, &Frame_origin_form, nullptr, 0);
  below(Frame_origin_holdform, nullptr);
  Widget orow = dialog_row(Frame_origin_form, "FrameLocOriginRow");
  XtVaSetValues(orow, XmNtopAttachment, XmATTACH_FORM, XmNtopOffset, 8, nullptr);
  for (int k = 0; k < 3; k++)
    Frame_originxyz_text[k] = input(orow, (std::string("FrameLocOrig") + Xyz[k]).c_str(), Xyz[k],
                                    11, 11, FRAME_ORIGIN);

  Frame_orient_holdform = gen_holdform(Frame_feedback_form, "FrameLocOrient", "Orientation Vectors",
                                       10, &Frame_orient_form, nullptr, 0);
  below(Frame_orient_holdform, Frame_origin_holdform);
  Widget_args ca;
  ca.set(XmNorientation, XmVERTICAL).set(XmNtopAttachment, XmATTACH_FORM).set(XmNtopOffset, 8);
  ca.set(XmNleftAttachment, XmATTACH_FORM).set(XmNspacing, 14);
  Widget labels = XtCreateManagedWidget("FrameLocOrientLabels", xmRowColumnWidgetClass,
                                        Frame_orient_form, ca.list(), ca.count());
  for (int k = 0; k < 3; k++)
    dialog_label_gadget(labels, (std::string("FrameLocOrient") + Xyz[k] + "LabelG").c_str(), Xyz[k]);
  Widget_args ra;
  ra.set(XmNorientation, XmHORIZONTAL).set(XmNpacking, XmPACK_COLUMN).set(XmNnumColumns, 3);
  ra.set(XmNtopAttachment, XmATTACH_FORM).set(XmNtopOffset, 8);
  ra.set(XmNleftAttachment, XmATTACH_WIDGET).set(XmNleftWidget, labels);
  Widget grid = XtCreateManagedWidget("FrameLocOrientRowColumn", xmRowColumnWidgetClass,
                                      Frame_orient_form, ra.list(), ra.count());
  for (int k = 0; k < 9; k++) {
    Widget_args fa;
    fa.set(XmNcolumns, 11).set(XmNmaxLength, 11);
    Frame_orientxyz_text[k] = text_on_enter(
        XtCreateManagedWidget("FrameOrientxxTextF", xmTextFieldWidgetClass, grid, fa.list(), fa.count()),
        frame_textattr_chngCB, FRAME_ORIENT);
  }
  frame_locattr_init();
}

// ---- the axis dialog -------------------------------------------------------------------

void frame_genaxisattr_dialog() {
  if (Frame_axisattr_dialog) return;
  Frame_axisattr_dialog = near_pointer_form_dialog("FrameAxisDialog", "Frame Axis Attributes", 60, 8,
                                            frame_axisattr_closeCB, nullptr, false);
  Widget col = dialog_column(Frame_axisattr_dialog, "FrameAxisRowCol");
  Widget inner = nullptr;
  gen_holdform(col, "FrameAxisLen", "Length", 10, &inner, nullptr, 0);
  Frame_axislen_form = inner;
  Widget lrow = dialog_row(inner, "FrameAxisLenRow");
  XtVaSetValues(lrow, XmNtopAttachment, XmATTACH_FORM, XmNtopOffset, 8, nullptr);
  for (int k = 0; k < 3; k++)
    Frame_axislenxyz_text[k] = input(lrow, (std::string("FrameAxisLen") + Xyz[k]).c_str(), Xyz[k],
                                     11, 11, FRAME_LEN_X + k);
  for (int k = 0; k < 3; k++) {
    Widget r = dialog_row(col, (std::string("FrameAxisLbl") + Xyz[k] + "Row").c_str());
    Frame_axislblxyz_tggl[k] = dialog_toggle(r, "FrameAxisLblXVisToggle",
                                      (std::string(Xyz[k]) + " Labels").c_str(),
                                      frame_axislblvistoggle_chngCB, FRAME_TICKS_X + k);
    Frame_axislnumxyz_text[k] = input(r, (std::string("FrameAxisNumLbl") + Xyz[k]).c_str(), "# of",
                                      4, 11, FRAME_LABELS_X + k);
  }
  Widget buttons = dialog_row(col, "FrameAxisButtons");
  Widget close = button(buttons, "FrameAxisClose", "Close", frame_axisattr_closeCB, nullptr);
  button(buttons, "FrameAxisHelp", "Help", info_manCB, Help_topic);
  dialog_keys(Frame_axisattr_dialog, nullptr, close);
}

// ---- the symmetry dialog ---------------------------------------------------------------

void frame_gencsymattr_dialog() {
  if (Frame_csymattr_dialog) return;
  Frame_csymattr_dialog =
      near_pointer_form_dialog("FrameCSymDialog", "Frame Computational Symmetry Attributes", 60, 8,
                        frame_csymattr_closeCB, nullptr, false);
  Widget col = dialog_column(Frame_csymattr_dialog, "FrameCSymRowCol");
  Frame_csymtype_optmen =
      XtarvCreateOptionMenu(col, "FrameCSymType", "Type", nullptr, 0, Frame_csymtype_menu, 4, 0);
  Widget_args va;
  va.set(XmNorientation, XmVERTICAL);
  Widget forms =
      XtCreateManagedWidget("FrameCsymRowColumn", xmRowColumnWidgetClass, col, va.list(), va.count());

  Frame_csymmir_form = XtCreateWidget("FrameCsymMirForm", xmFormWidgetClass, forms, nullptr, 0);
  Widget bar = XmCreateMenuBar(Frame_csymmir_form, const_cast<char *>("FrameCSymMenuB"), nullptr, 0);
  XtManageChild(XtarvCreatePulldownMenu(bar, "Mirror In", 'M', nullptr, 0, Frame_csymmirror_menu, 7, 0));
  XtManageChild(bar);

  Frame_csymrot_form = XtCreateWidget("FrameCSymRotForm", xmFormWidgetClass, forms, nullptr, 0);
  Frame_csymangle_text = input_field(Frame_csymrot_form, "CSymAngle", "Angle", 11, 11, nullptr,
                                     nullptr, FRAME_SYM_ANGLE, frame_textattr_chngCB);
  Frame_csyminst_text = input_field(Frame_csymrot_form, "CSymInstance", "Instances", 5, 11, nullptr,
                                    Frame_csymangle_text, FRAME_SYM_RINST, frame_textattr_chngCB);

  Frame_csymtrn_form = XtCreateWidget("FrameCSymTranForm", xmFormWidgetClass, forms, nullptr, 0);
  Widget trow = dialog_row(Frame_csymtrn_form, "FrameCsymTranRow");
  XtVaSetValues(trow, XmNtopAttachment, XmATTACH_FORM, XmNleftAttachment, XmATTACH_FORM, nullptr);
  xyz_row(trow, "FrameCsymTranXyz", "FrameCsymTran", Frame_csymtrnxyz_text, FRAME_SYM_DELTA, false);
  Frame_csymtinst_text = input_field(Frame_csymtrn_form, "CsymInst", "Instances", 5, 11, trow,
                                     nullptr, FRAME_SYM_TINST, frame_textattr_chngCB);

  Frame_csymper_form = XtCreateWidget("FrameCsymPeriodicForm", xmFormWidgetClass, forms, nullptr, 0);
  Frame_csympfile_tggl = dialog_toggle(Frame_csymper_form, "FrameCsymPerToggle", "Use Periodic File",
                                frame_csymperiodtoggle_chngCB, FRAME_SYM_USE_FILE);
  below(Frame_csympfile_tggl, nullptr);
  Frame_csympfile_text = input_field(Frame_csymper_form, "CSympFile", "File Name", 20, 254,
                                     Frame_csympfile_tggl, nullptr, FRAME_SYM_FILE,
                                     frame_csymperiodfile_chngCB);
  Frame_csympfilesel_but = button(Frame_csymper_form, "FrameCsymPerFileSel", "Select File...",
                                  frame_csymperiod_fileselCB, nullptr);
  below(Frame_csympfilesel_but, Frame_csympfile_text);

  Widget buttons = dialog_row(col, "FrameCSymButtons");
  Widget close = button(buttons, "FrameCSymClose", "Close", frame_csymattr_closeCB, nullptr);
  button(buttons, "FrameCSymHelp", "Help", info_manCB, Help_topic);
  button(buttons, "FrameCSymUpdate", "Update", frame_csymattr_updtCB, nullptr);
  dialog_keys(Frame_csymattr_dialog, nullptr, close);
}

// ---- fillers (Frame_windep) ------------------------------------------------------------

static void set_text(Widget w, const char *text) {
  if (w) XmTextFieldSetString(w, const_cast<char *>(text));
}

static void set_toggle(Widget w, int on) {
  if (w) XmToggleButtonSetState(w, on ? True : False, False);
}

static void show_form(Widget w, bool shown) {
  if (!w) return;
  if (shown && !XtIsManaged(w)) XtManageChild(w);
  if (!shown && XtIsManaged(w)) XtUnmanageChild(w);
}

static void fill_axis(const Frame_axis_fields *f) {
  if (!Frame_axisattr_dialog) return;
  for (int k = 0; k < 3; k++) {
    set_text(Frame_axislenxyz_text[k], f->length[k]);
    set_toggle(Frame_axislblxyz_tggl[k], f->ticks[k]);
    set_text(Frame_axislnumxyz_text[k], f->labels[k]);
  }
}

static void fill_location(const Frame_location_fields *f) {
  if (!Frame_feedback_form) return;
  for (int k = 0; k < 3; k++) set_text(Frame_originxyz_text[k], f->origin[k]);
  for (int k = 0; k < 9; k++) set_text(Frame_orientxyz_text[k], f->orient[k]);
}

static void values_sensitive(int on) {
  Widget fields[5] = {Frame_csymangle_text, Frame_csymtrnxyz_text[0], Frame_csymtrnxyz_text[1],
                      Frame_csymtrnxyz_text[2], nullptr};
  for (Widget w : fields)
    if (w) XtSetSensitive(w, on ? True : False);
}

static void fill_csym(const Frame_csym_fields *f) {
  if (!Frame_csymattr_dialog) return;
  XtarvOptionMenuSetState(Frame_csymtype_optmen, Frame_csymtype_menu, f->type, 0);
  show_form(Frame_csymmir_form, f->type == 0);
  show_form(Frame_csymrot_form, f->type == 1);
  show_form(Frame_csymtrn_form, f->type == 2);
  show_form(Frame_csymper_form, f->type == 1 || f->type == 2);
  for (int k = 0; k < 7; k++) set_toggle(Frame_csymmirror_menu[k].widget, f->mirror[k]);
  set_text(Frame_csymangle_text, f->angle);
  set_text(Frame_csyminst_text, f->rinstances);
  for (int k = 0; k < 3; k++) set_text(Frame_csymtrnxyz_text[k], f->delta[k]);
  set_text(Frame_csymtinst_text, f->tinstances);
  set_toggle(Frame_csympfile_tggl, f->use_file);
  set_text(Frame_csympfile_text, f->file);
  values_sensitive(f->values_sensitive);
}

// The symmetry widget of a slot (28..42) and how its change is shown.
static Widget csym_widget(int slot, int *kind) {
  *kind = CHANGED_TEXT;
  if (slot >= FRAME_SYM_MIRROR && slot < FRAME_SYM_MIRROR + 7) {
    *kind = CHANGED_TOGGLE;
    return Frame_csymmirror_menu[slot - FRAME_SYM_MIRROR].widget;
  }
  if (slot >= FRAME_SYM_DELTA && slot < FRAME_SYM_DELTA + 3)
    return Frame_csymtrnxyz_text[slot - FRAME_SYM_DELTA];
  switch (slot) {
    case FRAME_SYM_ANGLE: return Frame_csymangle_text;
    case FRAME_SYM_RINST: return Frame_csyminst_text;
    case FRAME_SYM_TINST: return Frame_csymtinst_text;
    case FRAME_SYM_FILE: return Frame_csympfile_text;
    case FRAME_SYM_USE_FILE: *kind = CHANGED_TOGGLE; return Frame_csympfile_tggl;
    default: return nullptr;
  }
}

static void clear_changes(const int *flags, int all) {
  for (int s = FRAME_SYM_ANGLE; s < FRAME_ALL_SLOTS; s++) {
    int kind = 0;
    Widget w = csym_widget(s, &kind);
    if (w && (all || (flags && flags[s]))) XtarvIndicateChange(w, 0, kind);
  }
}

static void mark_changed(int slot) {
  int kind = 0;
  Widget w = csym_widget(slot, &kind);
  if (w) XtarvIndicateChange(w, 1, kind);
}

static int chooser_color(float *r, float *g, float *b) {
  *r = Colorselect_red_extvalue;
  *g = Colorselect_grn_extvalue;
  *b = Colorselect_blu_extvalue;
  return 1;
}

void frame_dialogs_install() {
  Frame_windep.axis = fill_axis;
  Frame_windep.location = fill_location;
  Frame_windep.csym = fill_csym;
  Frame_windep.csym_clear_changes = clear_changes;
  Frame_windep.csym_values_sensitive = values_sensitive;
  Frame_windep.color_dialog = frame_displaycolor_dialog_windep;
  Frame_windep.chooser_color = chooser_color;
}

// ---- opening and closing ---------------------------------------------------------------

void frame_axisattr_manageCB(Widget, XtPointer, XtPointer) {
  frame_genaxisattr_dialog();
  XtManageChild(Frame_axisattr_dialog);
  frame_axisattr_init();
}

void frame_axisattr_closeCB(Widget, XtPointer, XtPointer) {
  if (Frame_axisattr_dialog) XtUnmanageChild(Frame_axisattr_dialog);
}

void frame_csymattr_manageCB(Widget, XtPointer, XtPointer) {
  frame_gencsymattr_dialog();
  XtManageChild(Frame_csymattr_dialog);
  frame_csymattr_init(0, 0);
}

// Pending symmetry changes are dropped, never applied, and their colours cleared.
void frame_csymattr_closeCB(Widget, XtPointer, XtPointer) {
  frame_csymattr_pending(-1, nullptr, nullptr, 0);
  const int none[FRAME_MOD_SLOTS] = {};
  frame_clearcsym_changeindicators(none, 1);
  if (Frame_csymattr_dialog) XtUnmanageChild(Frame_csymattr_dialog);
}

void frame_csymattr_updtCB(Widget, XtPointer, XtPointer) {
  const float none[1] = {0};
  frame_csymattr_pending(-1, none, nullptr, 2);
}

// ---- value callbacks -------------------------------------------------------------------

static void read_fields(Widget *fields, int n, float *values) {
  for (int k = 0; k < n; k++) values[k] = fields[k] ? XtarvTextFieldFloat(fields[k]) : 0.0f;
}

void frame_textattr_chngCB(Widget w, XtPointer client, XtPointer) {
  const int slot = (int)(long)client;
  float v[9] = {};
  if (slot == FRAME_ORIGIN) {
    read_fields(Frame_originxyz_text, 3, v);
    frame_attr_updt(FRAME_ORIGIN, v, nullptr, nullptr, 1, 0);
  } else if (slot == FRAME_ORIENT) {
    if (!Frame_orient_priority_shown) {
      Frame_orient_priority_shown = 1;
      usermesg(Transformation_dialog, Orient_priority_text, nullptr, 0, 5);
    }
    read_fields(Frame_orientxyz_text, 9, v);
    frame_attr_updt(FRAME_ORIENT, v, nullptr, nullptr, 1, 0);
  } else if (slot >= FRAME_LEN_X && slot < FRAME_LEN_X + 3) {
    read_fields(Frame_axislenxyz_text, 3, v);
    frame_attr_updt(FRAME_LEN_X, v, nullptr, nullptr, 0, 0);
  } else if (slot >= FRAME_LABELS_X && slot < FRAME_LABELS_X + 3) {
    read_fields(Frame_axislnumxyz_text, 3, v);
    frame_attr_updt(FRAME_LABELS_X, v, nullptr, nullptr, 0, 0);
  } else if (slot >= FRAME_SYM_DELTA && slot < FRAME_SYM_DELTA + 3) {
    read_fields(Frame_csymtrnxyz_text, 3, v);
    for (int k = 0; k < 3; k++) mark_changed(FRAME_SYM_DELTA + k);
    frame_csymattr_pending(FRAME_SYM_DELTA, v, nullptr, 1);
  } else {
    read_fields(&w, 1, v);
    mark_changed(slot);
    frame_csymattr_pending(slot, v, nullptr, 1);
  }
}

static float toggle_state(Widget w) { return XmToggleButtonGetState(w) ? 1.0f : 0.0f; }

void frame_axislblvistoggle_chngCB(Widget w, XtPointer slot, XtPointer) {
  const float v = toggle_state(w);
  frame_attr_updt((int)(long)slot, &v, nullptr, nullptr, 0, 0);
}

void frame_compsymtype_chngCB(Widget, XtPointer type, XtPointer) {
  const float v = (float)(long)type;
  frame_csymattr_pending(FRAME_SYM_TYPE, &v, nullptr, 1);
}

void frame_csymmirtoggle_chngCB(Widget w, XtPointer slot, XtPointer) {
  const float v = toggle_state(w);
  XtarvIndicateChange(w, 1, CHANGED_TOGGLE);
  frame_csymattr_pending((int)(long)slot, &v, nullptr, 1);
}

void frame_csymperiodtoggle_chngCB(Widget w, XtPointer, XtPointer) {
  const float v = toggle_state(w);
  XtarvIndicateChange(w, 1, CHANGED_TOGGLE);
  frame_csymattr_pending(FRAME_SYM_USE_FILE, &v, nullptr, 1);
}

void frame_csymperiodfile_chngCB(Widget, XtPointer, XtPointer) {
  const std::string name = fsel_get_text(Frame_csympfile_text);
  XtarvIndicateChange(Frame_csympfile_text, 1, CHANGED_TEXT);
  frame_csymattr_pending(FRAME_SYM_FILE, nullptr, name.c_str(), 1);
}

// The file selection in server-file mode puts the chosen name into the field.
void frame_csymperiod_fileselCB(Widget, XtPointer, XtPointer) {
  if (fsel_select(2, &Frame_csympfile_text, nullptr, nullptr, 0, nullptr, nullptr) == -1)
    fprintf(stderr, "Couldn't set up for chosen file.\n");
}
