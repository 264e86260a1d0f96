// The Transformation Editor's tool-location sections (see
// transf_tool_sections.h).  Widgets only: their Enter callbacks hand the
// typed values to the tool-position logic (transf_feedback_windep.h).
#include "view/ui/transf_tool_sections.h"

#include <Xm/Form.h>
#include <Xm/Label.h>
#include <Xm/RowColumn.h>
#include <Xm/TextF.h>

#include <string>

#include "client/interf_settings.h"
#include "interact/ui/quad_sections.h"
#include "ui/general_windep.h"
#include "ui/widget_helpers.h"
#include "view/ui/transf_feedback_windep.h"

Widget Feedback_cursor_form = nullptr;
Widget Feedback_line_form = nullptr;
Widget Feedback_plane_form = nullptr;
Widget Feedback_quadric_form = nullptr;
Widget Feedback_cylsect_info = nullptr, Feedback_consect_info = nullptr,
       Feedback_sphsect_info = nullptr;

#define FIELD_COLUMNS 11  // width and most characters of every field

Widget transf_label(Widget parent, const char *name, const char *text, Widget_args a) {
  XmString s = qvn_xmstring(text);
  a.set(XmNlabelString, s).font();
  Widget w = XtCreateManagedWidget(name, xmLabelWidgetClass, parent, a.list(), a.count());
  XmStringFree(s);
  return w;
}

Widget transf_text_field(Widget parent, const char *name, int columns, XtCallbackProc cb,
                         XtPointer client, Widget_args a) {
  a.set(XmNcolumns, columns).set(XmNmaxLength, FIELD_COLUMNS).font();
  a.set(XmNcursorPositionVisible, False);
  Widget w = XtCreateManagedWidget(name, xmTextFieldWidgetClass, parent, a.list(), a.count());
  XtAddCallback(w, XmNactivateCallback, cb, client);
  XtAddCallback(w, XmNfocusCallback, XtarvTextFocus, nullptr);
  XtAddCallback(w, XmNlosingFocusCallback, XtarvTextUnfocus, nullptr);
  return w;
}

static Widget label(Widget parent, const char *name, const char *text, Widget_args a = {}) {
  return transf_label(parent, name, text, a);
}

// A field of the sections: Enter runs cb; grid fields are as high as the
// menu font plus 16 pixels, the others keep the toolkit's height.
static Widget field(Widget parent, const char *name, XtCallbackProc cb, bool grid,
                    Widget_args a = {}) {
  if (grid) a.set(XmNheight, Menu_font_size + 16);
  return transf_text_field(parent, name, FIELD_COLUMNS, cb, nullptr, a);
}

// A section's outer form, left unmanaged for the mode switch.
static Widget outer_form(Widget parent, const char *name) {
  return XtCreateWidget(name, xmFormWidgetClass, parent, nullptr, 0);
}

// A row-column packed in columns: rows of entries laid out left to right.
static Widget grid(Widget parent, const char *name, int rows, Widget_args a = {}) {
  a.set(XmNorientation, XmHORIZONTAL).set(XmNpacking, XmPACK_COLUMN).set(XmNnumColumns, rows);
  a.set(XmNmarginWidth, 0).set(XmNmarginHeight, 0).set(XmNspacing, 0);
  return XtCreateManagedWidget(name, xmRowColumnWidgetClass, parent, a.list(), a.count());
}

// The row labels left of a grid ("1", "2", ... under a blank head) and the
// grid itself to their right: three "XX" column labels, then the fields of
// the points, with Enter applying the group.
static Widget point_grid(Widget form, const char *prefix, const char *const *rows, int nrows,
                         Widget *column_labels, Widget *fields) {
  const std::string p = prefix;
  Widget_args la;
  la.attach(XmNtopAttachment, XmATTACH_FORM).attach(XmNleftAttachment, XmATTACH_FORM);
  la.set(XmNorientation, XmVERTICAL).set(XmNpacking, XmPACK_COLUMN);
  la.set(XmNmarginWidth, 0).set(XmNmarginHeight, 0).set(XmNspacing, 0);
  Widget names = XtCreateManagedWidget((p + "LblRowCol").c_str(), xmRowColumnWidgetClass, form,
                                       la.list(), la.count());
  for (int r = 0; r < nrows; r++) label(names, (p + "Label").c_str(), rows[r]);

  Widget_args ga;
  ga.attach(XmNtopAttachment, XmATTACH_FORM);
  ga.attach(XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, names);
  Widget g = grid(form, (p + "RowCol").c_str(), nrows, ga);
  for (int c = 0; c < 3; c++) column_labels[c] = label(g, (p + "Label").c_str(), "XX");
  for (int k = 0; k < 3 * (nrows - 1); k++)
    fields[k] = field(g, (p + "Text").c_str(), transf_feedback_updtCB, true);
  return g;
}

void transf_gen_cursorloc_sect(Widget parent) {
  Feedback_cursor_form = outer_form(parent, "TransfFdbkCursorForm");
  Widget_args a;
  a.attach(XmNtopAttachment, XmATTACH_FORM).attach(XmNleftAttachment, XmATTACH_FORM);
  Widget g = grid(Feedback_cursor_form, "TransfFdbkCursorRowCol", 2, a);
  for (Widget &w : Feedback_cur_lbl) w = label(g, "TransfFdbkCursLabel", "XX");
  for (Widget &w : Feedback_cur_text) w = field(g, "TransfFdbkCursText", transf_feedback_updtCB, true);
}

void transf_gen_lineloc_sect(Widget parent) {
  Feedback_line_form = outer_form(parent, "TransfFdbkLineForm");
  static const char *const rows[] = {" ", "1", "2"};
  Widget g = point_grid(Feedback_line_form, "TransfFdbkLine", rows, 3, Feedback_lin_lbl,
                        Feedback_lin_text);
  Widget_args la;
  la.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, g, XmNtopOffset, 6);
  la.attach(XmNleftAttachment, XmATTACH_FORM);
  Widget length = label(Feedback_line_form, "TransfFdbkLineLengthLabel", "Length", la);
  Widget_args fa;
  fa.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, g, XmNtopOffset, 2);
  fa.attach(XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, length, XmNleftOffset, 4);
  Feedback_linlength_text = field(Feedback_line_form, "TransfFdbkLineLengthText",
                                  transf_feedbacklinelength_updtCB, false, fa);
}

void transf_gen_planeloc_sect(Widget parent) {
  Widget form = Feedback_plane_form = outer_form(parent, "TransfFdbkPlaneForm");
  static const char *const rows[] = {" ", "1", "2", "3"};
  Widget g = point_grid(form, "TransfFdbkPlane", rows, 4, Feedback_pln_lbl, Feedback_pln_text);

  // The equation A X + B Y + C Z = D under the points.
  Widget_args ea;
  ea.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, g, XmNtopOffset, 6);
  ea.attach(XmNleftAttachment, XmATTACH_FORM);
  Widget words = label(form, "TransfFdbkPlaneEqText",
                       "      X          +           Y         +           Z", ea);
  Widget_args ra;
  ra.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, words);
  ra.attach(XmNleftAttachment, XmATTACH_FORM);
  Widget eq = grid(form, "TransfFdbkPlaneEqRowCol", 1, ra);
  for (int k = 0; k < 3; k++)
    Feedback_plneq_text[k] = field(eq, "TransfFdbkPlaneEqText", transf_feedback_updtCB, false);
  Widget_args da;
  da.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, eq);
  da.attach(XmNrightAttachment, XmATTACH_OPPOSITE_WIDGET, XmNrightWidget, eq);
  Feedback_plneq_text[3] = field(form, "TransfFdbkPlaneEqText", transf_feedback_updtCB, false, da);
  Widget_args qa;
  qa.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, eq, XmNtopOffset, 6);
  qa.attach(XmNrightAttachment, XmATTACH_WIDGET, XmNrightWidget, Feedback_plneq_text[3],
            XmNrightOffset, 4);
  label(form, "TransfFdbkPlaneEq=Label", "=", qa);
}

Widget transf_gen_quadricloc_sect(Widget parent) {
  Feedback_quadric_form = outer_form(parent, "TransfFdbkQuadricForm");
  Widget_args a;
  a.attach(XmNtopAttachment, XmATTACH_FORM).attach(XmNleftAttachment, XmATTACH_FORM);
  a.set(XmNorientation, XmVERTICAL).set(XmNnumColumns, 1);
  a.set(XmNmarginWidth, 0).set(XmNmarginHeight, 0).set(XmNspacing, 0);
  Widget rc = XtCreateManagedWidget("TransfFdbkQuadricRowCol", xmRowColumnWidgetClass,
                                    Feedback_quadric_form, a.list(), a.count());
  Feedback_cylsect_info = Feedback_consect_info = Feedback_sphsect_info =
      quad_gen_cylconsph_sect(rc, 1);
  Feedback_revsect_info = quad_gen_fdbk_revo_sect(rc);
  return Feedback_revsect_info;
}
