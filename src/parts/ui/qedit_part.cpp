// Part panel of the quick-edit column (see qedit_part.h).  The icons and
// menus hand one attribute change at a time to qeditgenpart_attr_apply; the
// popups (per-viewport visibility, transparency, node representation) and
// the two notes are built on first use and then only managed.
#include "parts/ui/qedit_part.h"

#include <Xm/AtomMgr.h>
#include <Xm/DialogS.h>
#include <Xm/Protocols.h>
#include <Xm/Form.h>
#include <Xm/LabelG.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/Scale.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "client/cases.h"
#include "data/data_dlog.h"
#include "interact/movmnt.h"
#include "parts/attribute.h"
#include "parts/part_apply.h"
#include "parts/qedit_part.h"
#include "parts/read.h"
#include "render/disobj.h"
#include "render/view_toggles.h"
#include "ui/dialog_frame.h"
#include "ui/general_windep.h"
#include "ui/interf_init.h"
#include "ui/menus.h"
#include "ui/part_list.h"
#include "ui/qedit_icons.h"
#include "ui/textc_windep.h"
#include "ui/widgen.h"
#include "ui/widget_helpers.h"
#include "ui/window_codes.h"
#include "variables/variables.h"
#include "view/viewport_part_vis.h"
#include "view/viewports.h"

#define ONE(label, value, cb) {label, ' ', cb, (XtPointer)(long)(value), XtarvONEOFMANY, 0, nullptr}
#define TGL(label, value, cb) {label, ' ', cb, (XtPointer)(long)(value), XtarvTOGGLEBUTTON, 0, nullptr}
#define ITEM(label, value, cb) {label, ' ', cb, (XtPointer)(long)(value), XtarvPUSHBUTTON, 0, nullptr}
Menu_item_rec Qedit_picktype_menu[6] = {
    ONE("Pick Part", 0, qedit_partpick_chngCB),
    ONE("Pick Plane(3 Pts.) Tool Location", 1, qedit_partpick_chngCB),
    ONE("Pick Plane(2 Pts.) Tool Location", 5, qedit_partpick_chngCB),
    ONE("Pick Line Tool Location", 2, qedit_partpick_chngCB),
    ONE("Pick Cursor Tool Location", 3, qedit_partpick_chngCB),
    ONE("Pick Look/At Point", 4, qedit_partpick_chngCB)};
Menu_item_rec Qedit_partlinew_menu[4] = {
    ONE("1 Pixel ", 1, qedit_partlinew_chngCB), ONE("2 Pixels", 2, qedit_partlinew_chngCB),
    ONE("3 Pixels", 3, qedit_partlinew_chngCB), ONE("4 Pixels", 4, qedit_partlinew_chngCB)};
Menu_item_rec Qedit_partrep_menu[6] = {
    ONE("3D border, 2D full", 0, qedit_partrep_chngCB), ONE("Border", 1, qedit_partrep_chngCB),
    ONE("Feature Angle", 2, qedit_partrep_chngCB), ONE("Bounding Box", 5, qedit_partrep_chngCB),
    ONE("Full", 3, qedit_partrep_chngCB), ONE("NonVisual", 4, qedit_partrep_chngCB)};
Menu_item_rec Qedit_partsymm_menu[8] = {
    TGL("Mirror X", 17, qedit_partsymm_chngCB),   TGL("Mirror Y", 16, qedit_partsymm_chngCB),
    TGL("Mirror Z", 15, qedit_partsymm_chngCB),   TGL("Mirror XY", 18, qedit_partsymm_chngCB),
    TGL("Mirror XZ", 20, qedit_partsymm_chngCB),  TGL("Mirror YZ", 19, qedit_partsymm_chngCB),
    TGL("Mirror XYZ", 21, qedit_partsymm_chngCB), TGL("Original", 3, qedit_partsymm_chngCB)};
Menu_item_rec Qedit_partshadtyp_menu[3] = {ONE("Flat", 0, qedit_partshadet_chngCB),
                                           ONE("Gouraud", 1, qedit_partshadet_chngCB),
                                           ONE("Smooth", 2, qedit_partshadet_chngCB)};
Menu_item_rec Qedit_partboundrep_menu[3] = {ONE("Off", 0, qedit_partboundrep_chngCB),
                                            ONE("Box", 1, qedit_partboundrep_chngCB),
                                            ONE("Points", 2, qedit_partboundrep_chngCB)};
Menu_item_rec Qedit_partfillp_menu[4] = {
    ITEM("Fill 0 ", 0, qedit_partfillp_chngCB), ITEM("Fill 1 ", 1, qedit_partfillp_chngCB),
    ITEM("Fill 2 ", 2, qedit_partfillp_chngCB), ITEM("Fill 3 ", 3, qedit_partfillp_chngCB)};
Menu_item_rec Qedit_partnodereptype_menu[3] = {ITEM("Dot", 0, qedit_partnodereptype_chngCB),
                                               ITEM("Cross", 1, qedit_partnodereptype_chngCB),
                                               ITEM("Sphere", 2, qedit_partnodereptype_chngCB)};
Menu_item_rec Qedit_partnoderep_sizeby_menu[6] = {
    ITEM("Constant", 0, qedit_partnoderepsizeby_chngCB),
    ITEM("Scalar", 1, qedit_partnoderepsizeby_chngCB),
    ITEM("Vector Mag", 2, qedit_partnoderepsizeby_chngCB),
    ITEM("Vector X-Comp", 3, qedit_partnoderepsizeby_chngCB),
    ITEM("Vector Y-Comp", 4, qedit_partnoderepsizeby_chngCB),
    ITEM("Vector Z-Comp", 5, qedit_partnoderepsizeby_chngCB)};
#undef ONE
#undef TGL
#undef ITEM

Dyn_option_menu_rec Qedit_partnoderep_var_dynoption = {};
Widget Qedit_parttransp_dialog = nullptr;
Widget Qedit_partnoderep_dialog = nullptr;
Widget Qedit_partgvsp_dialog = nullptr;
Widget Qedit_partdefnote_dialog = nullptr;

static Widget Transp_scale = nullptr, Transp_text = nullptr, Transp_fill = nullptr;
static Widget Node_vis = nullptr, Node_type = nullptr, Node_scale = nullptr,
              Node_detail = nullptr, Node_sizeby = nullptr;
static int Node_var_kind = -1;  // PVAR_* the Variable menu lists now

// Rows of Qedit_part_tbl.
enum {
  ROW_PICK = 0, ROW_VISIBLE = 1, ROW_LINEW = 3, ROW_ELTREP = 5, ROW_SYMM = 6, ROW_HSURF = 7,
  ROW_HLINE = 8, ROW_SHADING = 9, ROW_ELMLBL = 10, ROW_NODLBL = 11, ROW_AUXCLIP = 12,
  ROW_FASTREP = 14
};

// ---- choice menus --------------------------------------------------------------------

// Sets exactly the row whose value is value (none when no row has it).
static void show_choice(Menu_item_rec *rows, int n, long value) {
  for (int i = 0; i < n; i++)
    if (rows[i].widget)
      XmToggleButtonSetState(rows[i].widget, (long)rows[i].client_data == value, False);
}

// A choice row was pressed: 1 when it is a new choice, 0 when the chosen
// entry was pressed again (it stays set).
static int new_choice(Widget w, XtPointer value, Menu_item_rec *rows, int n) {
  return Xtarv_menuoneofmany_change(w, value, rows, 0, n - 1) == 1;
}

void qedit_partpick_chngCB(Widget w, XtPointer value, XtPointer) {
  new_choice(w, value, Qedit_picktype_menu, 6);
  view_partpick_chng((int)(long)value, 0);
  Qedit_part_tbl[ROW_PICK].state = (int)(long)value;
}

// A choice menu whose entry value is the new value of slot.
static void choose_slot(Widget w, XtPointer value, Menu_item_rec *rows, int n, int row,
                        int slot) {
  if (!new_choice(w, value, rows, n)) return;
  if (qeditgenpart_attr_apply(slot, (float)(long)value, 0.0f, 0) < 0) {
    show_choice(rows, n, Qedit_part_tbl[row].state);
    return;
  }
  Qedit_part_tbl[row].state = (int)(long)value;
}

void qedit_partlinew_chngCB(Widget w, XtPointer value, XtPointer) {
  choose_slot(w, value, Qedit_partlinew_menu, 4, ROW_LINEW, SLOT_LINE_WIDTH);
}

void qedit_partshadet_chngCB(Widget w, XtPointer value, XtPointer) {
  choose_slot(w, value, Qedit_partshadtyp_menu, 3, ROW_SHADING, SLOT_SHADING);
}

void qedit_partboundrep_chngCB(Widget w, XtPointer value, XtPointer) {
  choose_slot(w, value, Qedit_partboundrep_menu, 3, ROW_FASTREP, SLOT_BOUNDING_REP);
}

void qedit_partrep_chngCB(Widget w, XtPointer value, XtPointer) {
  const int rep = (int)(long)value;
  // Pressing the chosen entry again asks the angle again for "Feature Angle".
  if (!new_choice(w, value, Qedit_partrep_menu, 6) && rep != ELT_REP_FEATURE_ANGLE) return;
  float angle = 0.0f;
  if (rep == ELT_REP_FEATURE_ANGLE) {
    angle = part_featureangle_prompt();
    if (angle < 0.0f) {
      show_choice(Qedit_partrep_menu, 6, Qedit_part_tbl[ROW_ELTREP].state);
      return;
    }
  }
  if (qeditgenpart_attr_apply(SLOT_ELT_REP, (float)rep, angle, 0) < 0) {
    show_choice(Qedit_partrep_menu, 6, Qedit_part_tbl[ROW_ELTREP].state);
    return;
  }
  Qedit_part_tbl[ROW_ELTREP].state = rep;
}

void qedit_partsymm_chngCB(Widget w, XtPointer value, XtPointer) {
  const int on = XmToggleButtonGetState(w) ? 1 : 0;
  if (qeditgenpart_attr_apply((int)(long)value, (float)on, 0.0f, 0) < 0)
    XmToggleButtonSetState(w, on ? False : True, False);
  else
    Qedit_part_tbl[ROW_SYMM].state = on;
}

// ---- two-state icons -------------------------------------------------------------------

// Switches row's icon: slot takes the new state; framed icons show it with
// their frame.  global: the scene's own setting (-1 none).
static void flip_icon(int row, int slot, int global, bool framed) {
  Qedit_icon_rec &r = Qedit_part_tbl[row];
  const int state = r.state ? 0 : 1;
  if (qedit_part_flip(slot, state, global) < 0) return;
  if (framed)
    qedit_flip_specialtgglCB(r.button, (XtPointer)(long)state, nullptr);
  else
    qedit_flip_tgglCB(r.button, (XtPointer)(long)state, nullptr);
  r.state = state;
}

void qedit_partvis_chngCB(Widget, XtPointer, XtPointer) {
  flip_icon(ROW_VISIBLE, SLOT_VISIBLE, -1, false);
}
void qedit_parthsurf_chngCB(Widget, XtPointer, XtPointer) {
  flip_icon(ROW_HSURF, SLOT_HIDDEN_SURFACE, Solidt, true);
}
void qedit_parthline_chngCB(Widget, XtPointer, XtPointer) {
  flip_icon(ROW_HLINE, SLOT_HIDDEN_LINE, Hlinet, true);
}
void qedit_partelemlbl_chngCB(Widget, XtPointer, XtPointer) {
  if (Case_num < 0 || Case_num >= MAX_CASES || !Element_labels[Case_num]) {
    disperr("Element labels not available for parts in this case.");
    return;
  }
  flip_icon(ROW_ELMLBL, SLOT_LABEL_ELT, Labele, true);
}
void qedit_partnodelbl_chngCB(Widget, XtPointer, XtPointer) {
  if (Case_num < 0 || Case_num >= MAX_CASES || !Node_labels[Case_num]) {
    disperr("Node labels not available for parts in this case.");
    return;
  }
  flip_icon(ROW_NODLBL, SLOT_LABEL_NODE, Labnod, true);
}
void qedit_partauxclip_chngCB(Widget, XtPointer, XtPointer) {
  flip_icon(ROW_AUXCLIP, SLOT_CLIP, -1, true);
}

// ---- popups -----------------------------------------------------------------------------

static void hideCB(Widget, XtPointer dialog, XtPointer) {
  Widget d = *static_cast<Widget *>(dialog);
  if (d && XtIsManaged(d)) XtUnmanageChild(d);
}

// A form dialog at the pointer, closed (unmanaged) by the window manager's
// close as by its own Close button.
static Widget popup(const char *name, const char *title, Widget *keep) {
  Position x = 0, y = 0;
  place_near_pointer(Main_win[0], 1, 0, 0, PLACE_CLAMP, PLACE_CLAMP, &x, &y);
  XmString t = qvn_xmstring(title);
  Arg a[7];
  Cardinal n = 0;
  XtSetArg(a[n], XmNdialogTitle, t); n++;
  XtSetArg(a[n], XmNx, x); n++;
  XtSetArg(a[n], XmNy, y); n++;
  XtSetArg(a[n], XmNdefaultPosition, False); n++;
  XtSetArg(a[n], XmNautoUnmanage, False); n++;
  XtSetArg(a[n], XmNdeleteResponse, XmDO_NOTHING); n++;
  *keep = XmCreateFormDialog(Main_win[0], const_cast<char *>(name), a, n);
  XmStringFree(t);
  Atom wm_delete = XmInternAtom(XtDisplay(Main_win[0]), const_cast<char *>("WM_DELETE_WINDOW"), False);
  XmAddWMProtocolCallback(XtParent(*keep), wm_delete, hideCB, keep);
  return *keep;
}

// Attaches w below above (the form's top when null), left on the form.
static void below(Widget w, Widget above) {
  XtVaSetValues(w, XmNtopAttachment, above ? XmATTACH_WIDGET : XmATTACH_FORM, XmNtopWidget, above,
                XmNtopOffset, 5, XmNleftAttachment, XmATTACH_FORM, XmNleftOffset, 5,
                XmNrightAttachment, XmATTACH_FORM, XmNrightOffset, 5, nullptr);
}

static Widget label(Widget parent, const char *name, const char *text) {
  XmString s = qvn_xmstring(text);
  Widget w = XtVaCreateManagedWidget(name, xmLabelGadgetClass, parent, XmNlabelString, s, nullptr);
  XmStringFree(s);
  return w;
}

static void set_label(Widget w, const char *text) {
  XmString s = qvn_xmstring(text);
  XtVaSetValues(w, XmNlabelString, s, nullptr);
  XmStringFree(s);
}

static Widget text_field(Widget parent, const char *name, XtCallbackProc cb, XtPointer client) {
  Widget w = XtVaCreateManagedWidget(name, xmTextFieldWidgetClass, parent, XmNcolumns, 10, nullptr);
  XtAddCallback(w, XmNactivateCallback, cb, client);
  return w;
}

// A labelled text field: a row with the label and the field.
static Widget labelled_field(Widget parent, const char *name, const char *text, XtCallbackProc cb,
                             XtPointer client, Widget *field) {
  Widget row = XtVaCreateManagedWidget(name, xmRowColumnWidgetClass, parent, XmNorientation,
                                       XmHORIZONTAL, nullptr);
  label(row, "Label", text);
  *field = text_field(row, name, cb, client);
  return row;
}

static Widget close_button(Widget dialog, Widget above, Widget *keep) {
  Arg a[8];
  Cardinal n = 0;
  XtSetArg(a[n], XmNtopAttachment, XmATTACH_WIDGET); n++;
  XtSetArg(a[n], XmNtopWidget, above); n++;
  XtSetArg(a[n], XmNtopOffset, 10); n++;
  XtSetArg(a[n], XmNleftAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNleftOffset, 10); n++;
  XtSetArg(a[n], XmNbottomAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNbottomOffset, 5); n++;
  Widget close = add_button(dialog, "Close", hideCB, keep, a, n);
  dialog_keys(dialog, close, close);
  keep_on_screen(dialog);
  return close;
}

static bool up(Widget dialog) { return dialog && XtIsManaged(dialog); }

// The part a popup shows: the given one, or the first selected (-1 none).
static int popup_part(int part, int given) {
  if (given) return part;
  std::vector<int> list;
  return qedit_selection_or_all_defaults(&list) == 1 ? list[0] : -1;
}

// Attributes of a part number, the model defaults for -1 and -2.  1 or -1.
static int part_attrs(int part, float *a) {
  return part_attributes(part < 0 ? -1 : part, 0, a, nullptr, nullptr, nullptr, 0);
}

static void set_field(Widget w, const char *format, double value) {
  char buf[32];
  snprintf(buf, sizeof buf, format, value);
  XmTextFieldSetString(w, buf);
}

// Shows the option menu entry whose value is value; none when no row has it.
static void show_option(Widget optmenu, Menu_item_rec *rows, int n, long value) {
  for (int i = 0; i < n; i++)
    if ((long)rows[i].client_data == value && rows[i].widget)
      XtVaSetValues(optmenu, XmNmenuHistory, rows[i].widget, nullptr);
}

// per-viewport visibility

void qedit_partviewpvis_init(int part, int given) {
  if (!up(Qedit_partviewpvis_dialog)) return;
  float a[PART_ATTR_SLOTS];
  if (part_attrs(popup_part(part, given), a) < 0) return;
  int mask = our_rint(a[SLOT_VIEWPORT_VIS]);
  wrking_part_vewport_vis_atribt(&mask, 1);
  draw_part_viewport_vis_gl(10);
}

void qedit_partviewpvis_manageCB(Widget, XtPointer, XtPointer) {
  if (!Qedit_partviewpvis_dialog && Main_win[0]) {
    Widget d = popup("PartQeditViewpVisDialog", "Part Visible In Which Viewport?",
                     &Qedit_partviewpvis_dialog);
    Widget l = label(d, "PartQeditViewpVisLabel", "Visible In Viewport(s)");
    below(l, nullptr);
    Arg a[6];
    Cardinal n = 0;
    XtSetArg(a[n], XmNtopAttachment, XmATTACH_WIDGET); n++;
    XtSetArg(a[n], XmNtopWidget, l); n++;
    XtSetArg(a[n], XmNleftAttachment, XmATTACH_FORM); n++;
    XtSetArg(a[n], XmNleftOffset, 10); n++;
    XtSetArg(a[n], XmNwidth, 125); n++;
    XtSetArg(a[n], XmNheight, 110); n++;
    Widget area = gwin_qedpartviewpvis_create(d, a, n);
    close_button(d, area ? area : l, &Qedit_partviewpvis_dialog);
  }
  if (!Qedit_partviewpvis_dialog) return;
  XtManageChild(Qedit_partviewpvis_dialog);
  qedit_partviewpvis_init(-1, 0);
}

// transparency

void qedit_parttransp_init(int part, int given) {
  if (!up(Qedit_parttransp_dialog)) return;
  float a[PART_ATTR_SLOTS];
  if (part_attrs(popup_part(part, given), a) < 0) return;
  set_field(Transp_text, "%4.2f", a[SLOT_OPAQUENESS]);
  XmScaleSetValue(Transp_scale, (int)(a[SLOT_OPAQUENESS] * 100.0f + 0.5f));
  show_option(Transp_fill, Qedit_partfillp_menu, 4, our_rint(a[SLOT_FILL_PATTERN]));
}

static void transp_textCB(Widget w, XtPointer, XtPointer) {
  char *text = XmTextFieldGetString(w);
  qedit_parttransp_text_apply(text);
  XtFree(text);
}

static void transp_dragCB(Widget, XtPointer, XtPointer call) {
  const int value = static_cast<XmScaleCallbackStruct *>(call)->value;
  if (qedit_parttranspslider_movmnt(value) > 0) set_field(Transp_text, "%4.2f", value / 100.0);
}

static void transp_releaseCB(Widget, XtPointer, XtPointer call) {
  const int value = static_cast<XmScaleCallbackStruct *>(call)->value;
  if (Qeditpartintr_part_cnt > 0) set_field(Transp_text, "%4.2f", value / 100.0);
  char *text = XmTextFieldGetString(Transp_text);
  qedit_parttranspslider_release(text);
  XtFree(text);
}

void qedit_partfillp_chngCB(Widget, XtPointer value, XtPointer) {
  qeditgenpart_attr_apply(SLOT_FILL_PATTERN, (float)(long)value, 0.0f, 0);
}

void qedit_parttransp_manageCB(Widget, XtPointer, XtPointer) {
  if (!Qedit_parttransp_dialog && Main_win[0]) {
    Widget d = popup("PartQeditTranspDialog", "Part Transparency Modification",
                     &Qedit_parttransp_dialog);
    Widget ends = XtVaCreateManagedWidget("PartQeditTranspEnds", xmFormWidgetClass, d, nullptr);
    below(ends, nullptr);
    Widget left = label(ends, "PartQeditTranspLeft", "Transparent");
    Widget right = label(ends, "PartQeditTranspRight", "Opaque");
    XtVaSetValues(left, XmNleftAttachment, XmATTACH_FORM, nullptr);
    XtVaSetValues(right, XmNrightAttachment, XmATTACH_FORM, nullptr);
    Transp_scale = XtVaCreateManagedWidget(
        "PartQeditTranspScale", xmScaleWidgetClass, d, XmNorientation, XmHORIZONTAL, XmNminimum, 0,
        XmNmaximum, 100, XmNshowValue, False, nullptr);
    below(Transp_scale, ends);
    XtAddCallback(Transp_scale, XmNdragCallback, transp_dragCB, nullptr);
    XtAddCallback(Transp_scale, XmNvalueChangedCallback, transp_releaseCB, nullptr);
    Transp_text = text_field(d, "PartQeditTranspText", transp_textCB, nullptr);
    below(Transp_text, Transp_scale);
    Widget o = label(d, "PartQeditTranspOr", "------ OR ------");
    below(o, Transp_text);
    Transp_fill = XtarvCreateOptionMenu(d, "PartQeditFill", "Fill Pattern", nullptr, 0,
                                        Qedit_partfillp_menu, 4, 0);
    below(Transp_fill, o);
    XtManageChild(Transp_fill);
    close_button(d, Transp_fill, &Qedit_parttransp_dialog);
  }
  if (!Qedit_parttransp_dialog) return;
  XtManageChild(Qedit_parttransp_dialog);
  qedit_parttransp_init(-1, 0);
}

// node representation

// Rebuilds the Variable menu's entries for a variable kind when it changed
// or was marked for rebuilding, then sets its sensitivity.
static void node_var_menu(int kind, int sensitive) {
  Dyn_option_menu_rec &m = Qedit_partnoderep_var_dynoption;
  if (!m.optmenu) return;
  std::vector<int> rows = part_var_rows(kind);
  if (kind != Node_var_kind || part_var_menu_rebuild(2) || m.rebuild) {
    std::vector<const char *> labels;
    for (int r : rows) labels.push_back(Variables[r].name);
    labels.push_back("None");
    XtarvModDynOptionMenu(&m, labels.data(), (int)labels.size(), 1, 0, nullptr);
    Node_var_kind = kind;
    m.rebuild = 0;
  }
  XtarvOptionMenuSetSensitive(m.optmenu, sensitive);
}

static void nodevar_menu_hook(int which, int kind, int sensitive) {
  if (which == 0) node_var_menu(kind, sensitive);
}

// The entry of variable id among the Variable menu's rows (None when absent).
static void show_node_variable(int id) {
  Dyn_option_menu_rec &m = Qedit_partnoderep_var_dynoption;
  std::vector<int> rows = part_var_rows(Node_var_kind);
  size_t shown = rows.size();  // "None"
  for (size_t k = 0; k < rows.size(); k++)
    if (Variables[rows[k]].id == id) shown = k;
  if (shown < (size_t)m.count && m.rows[shown].widget)
    XtVaSetValues(m.optmenu, XmNmenuHistory, m.rows[shown].widget, nullptr);
}

void qedit_partnoderep_init(int part, int given) {
  if (!up(Qedit_partnoderep_dialog)) return;
  float a[PART_ATTR_SLOTS];
  if (part_attrs(popup_part(part, given), a) < 0) return;
  const int type = our_rint(a[SLOT_NODE_TYPE]);
  show_option(Node_type, Qedit_partnodereptype_menu, 3, type);
  // Scale and detail size crosses and spheres; a dot has neither.
  XtSetSensitive(Node_scale, type != 0);
  XtSetSensitive(Node_detail, type == 2);
  set_field(Node_scale, "%.4e", a[SLOT_NODE_SCALE]);
  set_field(Node_detail, "%.0f", (double)our_rint(a[SLOT_NODE_DETAIL]));
  const int size_by = our_rint(a[SLOT_NODE_SIZE_BY]);
  show_option(Node_sizeby, Qedit_partnoderep_sizeby_menu, 6, size_by);
  part_nodesizeby_dependency(size_by, 0);
  if (size_by >= 1 && size_by <= 5) show_node_variable(our_rint(a[SLOT_NODE_VARIABLE]));
  XmToggleButtonSetState(Node_vis, a[SLOT_VIS_NODE] != 0.0f, False);
}

static void node_fieldCB(Widget w, XtPointer slot, XtPointer) {
  char *text = XmTextFieldGetString(w);
  qeditgenpart_attr_apply((int)(long)slot, (float)atof(text), 0.0f, 0);
  XtFree(text);
}

static void node_visCB(Widget w, XtPointer, XtPointer) {
  qeditgenpart_attr_apply(SLOT_VIS_NODE, XmToggleButtonGetState(w) ? 1.0f : 0.0f, 0.0f, 0);
}

void qedit_partnodereptype_chngCB(Widget, XtPointer value, XtPointer) {
  qeditgenpart_attr_apply(SLOT_NODE_TYPE, (float)(long)value, 0.0f, 0);
}

void qedit_partnoderepsizeby_chngCB(Widget, XtPointer value, XtPointer) {
  qeditgenpart_attr_apply(SLOT_NODE_SIZE_BY, (float)(long)value, 0.0f, 0);
}

void qedit_partnoderepvar_chngCB(Widget w, XtPointer, XtPointer) {
  const Dyn_option_menu_rec &m = Qedit_partnoderep_var_dynoption;
  const int listed = (int)part_var_rows(Node_var_kind).size();
  for (int k = 0; k < m.count && k <= listed; k++)
    if (m.rows[k].widget == w) {
      qeditgenpart_attr_apply(SLOT_NODE_VARIABLE, k == listed ? 1003.0f : (float)(k + 1), 0.0f, 0);
      return;
    }
}

void qedit_partnoderep_manageCB(Widget, XtPointer, XtPointer) {
  if (!Qedit_partnoderep_dialog && Main_win[0]) {
    Widget d = popup("PartQeditNodeRepDialog", "Part Node Representation",
                     &Qedit_partnoderep_dialog);
    XmString s = qvn_xmstring("Node Visibility");
    Node_vis = XtVaCreateManagedWidget("PartQeditNodeVis", xmToggleButtonWidgetClass, d,
                                       XmNlabelString, s, nullptr);
    XmStringFree(s);
    below(Node_vis, nullptr);
    XtAddCallback(Node_vis, XmNvalueChangedCallback, node_visCB, nullptr);
    Node_type = XtarvCreateOptionMenu(d, "PartQeditNodeRepTyp", "Type", nullptr, 0,
                                      Qedit_partnodereptype_menu, 3, 0);
    below(Node_type, Node_vis);
    XtManageChild(Node_type);
    Widget scale = labelled_field(d, "PartQeditNodeRepScaleText", "Scale", node_fieldCB,
                                  (XtPointer)(long)SLOT_NODE_SCALE, &Node_scale);
    below(scale, Node_type);
    Widget detail = labelled_field(d, "PartQeditNodeRepDetLvlLabel", "Detail", node_fieldCB,
                                   (XtPointer)(long)SLOT_NODE_DETAIL, &Node_detail);
    below(detail, scale);
    Node_sizeby = XtarvCreateOptionMenu(d, "PartQeditNodeRepSizBy", "Size By", nullptr, 0,
                                        Qedit_partnoderep_sizeby_menu, 6, 0);
    below(Node_sizeby, detail);
    XtManageChild(Node_sizeby);
    Dyn_option_menu_rec &m = Qedit_partnoderep_var_dynoption;
    if (XtarvCreateDynMenuInfo("PartQeditNodeRepVar", Optmenu_def_none, 1, &m.rows) > 0) {
      m.rows[0].callback = qedit_partnoderepvar_chngCB;
      m.count = 1;
      m.label = "Variable";
      m.change_cb = qedit_partnoderepvar_chngCB;
      m.optmenu = XtarvCreateOptionMenu(d, "PartQeditNodeRepVar", "Variable", nullptr, 0,
                                        m.rows, 1, 0);
      m.rebuild = 1;
      below(m.optmenu, Node_sizeby);
      XtManageChild(m.optmenu);
    }
    close_button(d, m.optmenu ? m.optmenu : Node_sizeby, &Qedit_partnoderep_dialog);
  }
  if (!Qedit_partnoderep_dialog) return;
  XtManageChild(Qedit_partnoderep_dialog);
  qedit_partnoderep_init(-1, 0);
}

// ---- notes ---------------------------------------------------------------------------------

static const char Gvsp_text[] =
    "You have just turned ON a part attribute for which the  \n"
    "corresponding global toggle has been turned off.  If you \n"
    "wish to see the affect of turning this toggle on you will\n"
    "need to go to View mode and turn on that toggle also.    \n"
    "The other toggles that have this Global View vs. Part    \n"
    "setting are; Hidden Line, Auxillary Clipping,            \n"
    "Element Labeling, and Node Labeling.";
static const char Defnote_text[] =
    "****  You have just edited a default part attribute. ****\n"
    "If you change an attribute with no parts selected you are changing   \n"
    "the default for parts.  This allows you to change an attribute that  \n"
    "every new part will use from this point on.  For example, if you want\n"
    "all new parts to have a line width of two then select a line width of\n"
    "two with no parts selected. If you want all new parts to be colored by\n"
    "a variable, then specify color by the variable with no parts selected.";

namespace {
struct Note {
  const char *name, *title, *text, *label, *okay, *okay_and;
  Widget *dialog;
  int *notify;
};
}  // namespace

static Note Notes[2] = {
    {"PartQeditGvsPDialog", "Global View vs. Part Specific Information", Gvsp_text,
     "PartQeditGvsPInfoLabel", "PartQeditGvsPOkay", "PartQeditGvsPOkayAnd",
     &Qedit_partgvsp_dialog, &Qedit_gvsp_notify},
    {"PartDefEdNotifyDialog", "Information - Editing Part Defaults", Defnote_text,
     "PartDefEdNotifyLabelG", "PartDefEdNotifyOkay", "PartDefEdNotifyOkayAnd",
     &Qedit_partdefnote_dialog, &Default_partedit_notify},
};

static void note_okayCB(Widget, XtPointer note, XtPointer) {
  const Note &n = Notes[(long)note >> 1];
  if ((long)note & 1) *n.notify = 0;  // "Okay and Do Not Notify Again."
  hideCB(nullptr, n.dialog, nullptr);
}

static void show_note(int which) {
  Note &note = Notes[which];
  if (!*note.dialog && Main_win[0]) {
    Widget d = popup(note.name, note.title, note.dialog);
    Widget l = label(d, note.label, note.text);
    below(l, nullptr);
    Arg a[6];
    Cardinal n = 0;
    XtSetArg(a[n], XmNtopAttachment, XmATTACH_WIDGET); n++;
    XtSetArg(a[n], XmNtopWidget, l); n++;
    XtSetArg(a[n], XmNtopOffset, 10); n++;
    XtSetArg(a[n], XmNleftAttachment, XmATTACH_FORM); n++;
    XtSetArg(a[n], XmNleftOffset, 10); n++;
    XtSetArg(a[n], XmNbottomAttachment, XmATTACH_FORM); n++;
    Widget okay = add_button(d, note.okay, note_okayCB, (XtPointer)(long)(which << 1), a, n);
    set_label(okay, "Okay");
    XtVaSetValues(okay, XmNbottomOffset, 5, nullptr);
    XtSetArg(a[3], XmNleftAttachment, XmATTACH_WIDGET);
    XtSetArg(a[4], XmNleftWidget, okay);
    Widget okay_and =
        add_button(d, note.okay_and, note_okayCB, (XtPointer)(long)(which << 1 | 1), a, n);
    set_label(okay_and, "Okay and Do Not Notify Again.");
    XtVaSetValues(okay_and, XmNleftOffset, 10, XmNbottomOffset, 5, nullptr);
    dialog_keys(d, okay, okay);
    keep_on_screen(d);
  }
  if (*note.dialog) XtManageChild(*note.dialog);
}

static void gvsp_note() { show_note(0); }
static void default_note() { show_note(1); }

// ---- refresh ---------------------------------------------------------------------------------

void qedit_part_refresh() {
  int count = 0, *internal = nullptr, *numbers = nullptr;
  if (mainprt_selection_or_defaults(&count, &internal, &numbers) < 0) return;
  qedit_part_refresh_given_parts(count, internal, numbers);
  free(internal);
  free(numbers);
}

// Draws a two-state icon in its state and keeps the state in the row.
static void show_icon(int row, int state, bool framed) {
  Qedit_icon_rec &r = Qedit_part_tbl[row];
  r.state = state;
  if (!r.button) return;
  if (framed)
    qedit_flip_specialtgglCB(r.button, (XtPointer)(long)state, nullptr);
  else
    qedit_flip_tgglCB(r.button, (XtPointer)(long)state, nullptr);
}

void qedit_part_refresh_given_parts(int count, const int *, const int *numbers) {
  if (count <= 0 || !numbers) return;
  const int part = numbers[0];
  qedit_parttransp_init(part, 1);
  qedit_partnoderep_init(part, 1);
  qedit_partviewpvis_init(part, 1);
  if (Current_mode != 1) return;
  float a[PART_ATTR_SLOTS];
  if (part_attrs(part, a) < 0) return;
  // The pick menu's entry values are the pick modes.
  show_choice(Qedit_picktype_menu, 6, What_is_pick_mode);
  Qedit_part_tbl[ROW_PICK].state = What_is_pick_mode;
  show_icon(ROW_VISIBLE, our_rint(a[SLOT_VISIBLE]), false);
  show_icon(ROW_HSURF, our_rint(a[SLOT_HIDDEN_SURFACE]), true);
  show_icon(ROW_HLINE, our_rint(a[SLOT_HIDDEN_LINE]), true);
  show_icon(ROW_ELMLBL, our_rint(a[SLOT_LABEL_ELT]), true);
  show_icon(ROW_NODLBL, our_rint(a[SLOT_LABEL_NODE]), true);
  show_icon(ROW_AUXCLIP, our_rint(a[SLOT_CLIP]), true);
  const struct {
    int row, slot, rows;
    Menu_item_rec *menu;
  } choices[] = {{ROW_ELTREP, SLOT_ELT_REP, 6, Qedit_partrep_menu},
                 {ROW_FASTREP, SLOT_BOUNDING_REP, 3, Qedit_partboundrep_menu},
                 {ROW_LINEW, SLOT_LINE_WIDTH, 4, Qedit_partlinew_menu},
                 {ROW_SHADING, SLOT_SHADING, 3, Qedit_partshadtyp_menu}};
  for (const auto &c : choices) {
    const int value = our_rint(a[c.slot]);
    show_choice(c.menu, c.rows, value);
    Qedit_part_tbl[c.row].state = value;
  }
  for (Menu_item_rec &r : Qedit_partsymm_menu)
    if (r.widget)
      XmToggleButtonSetState(r.widget, a[(long)r.client_data] != 0.0f, False);
}

void qedit_part_windep_install() {
  Qedit_part_windep.default_note = default_note;
  Qedit_part_windep.gvsp_note = gvsp_note;
  Qedit_part_windep.noderep_init = qedit_partnoderep_init;
  Part_apply_windep.nodevar_menu = nodevar_menu_hook;
}
