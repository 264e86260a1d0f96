// The Transformation Editor's tool-position area with the stub tools: the
// area's fields are plain text fields made here and put into the Feedback_*
// globals, with a managed form standing for the editor.  Typed values
// applied on Enter, their recorded lines, the plane's tolerance, the
// equation winning over points, the line length and the revolution points.
#include <gtest/gtest.h>

#include <Xm/Form.h>
#include <Xm/Label.h>
#include <Xm/List.h>
#include <Xm/RowColumn.h>
#include <Xm/ScrollBar.h>
#include <Xm/TextF.h>

#include <cmath>
#include <string>

#include "client/command_dlog.h"
#include "interact/support.h"
#include "interact/tool_feedback.h"
#include "interact/tool_records.h"
#include "record_capture.h"
#include "view/observer.h"
#include "view/transf_feedback.h"
#include "view/ui/transf_dialog.h"
#include "view/ui/transf_feedback_windep.h"
#include "xt_shell.h"

namespace {

using qtest::recorded_lines;
using qtest::xt_enter_text;
using qtest::xt_field_text;

Widget Area = nullptr;

// Every line of a label's text, joined.
std::string label_lines(Widget w) {
  XmString s = nullptr;
  XtVaGetValues(w, XmNlabelString, &s, nullptr);
  char *text = s ? (char *)XmStringUnparse(s, nullptr, XmCHARSET_TEXT, XmCHARSET_TEXT, nullptr, 0,
                                           XmOUTPUT_ALL)
                 : nullptr;
  std::string out = text ? text : "";
  XtFree(text);
  XmStringFree(s);
  return out;
}


Widget field(const char *name, XtCallbackProc cb) {
  Widget w = XtVaCreateManagedWidget(name, xmTextFieldWidgetClass, Area, XmNcolumns, 12, nullptr);
  if (cb) XtAddCallback(w, XmNactivateCallback, cb, nullptr);
  return w;
}

Widget label(const char *name) {
  return XtVaCreateManagedWidget(name, xmLabelWidgetClass, Area, nullptr);
}

// The fields of the cursor, line, plane and revolution groups, built once.
void build_area() {
  if (Area) return;
  Area = XtVaCreateManagedWidget("FeedbackStandIn", xmRowColumnWidgetClass,
                                 qtest::xt_shell().form, XmNnumColumns, 8, XmNpacking,
                                 XmPACK_COLUMN, nullptr);
  Feedback_label = label("FeedbackLabel");
  for (int i = 0; i < 3; i++) {
    Feedback_cur_lbl[i] = label("CurLbl");
    Feedback_cur_text[i] = field("CurText", transf_feedback_updtCB);
    Feedback_pln_lbl[i] = label("PlnLbl");
  }
  for (Widget &w : Feedback_lin_text) w = field("LinText", transf_feedback_updtCB);
  Feedback_linlength_text = field("LinLength", transf_feedbacklinelength_updtCB);
  for (Widget &w : Feedback_pln_text) w = field("PlnText", transf_feedback_updtCB);
  for (Widget &w : Feedback_plneq_text) w = field("PlnEq", transf_feedback_updtCB);
  Feedback_revsect_info = XtVaCreateManagedWidget("RevSect", xmFormWidgetClass, Area, nullptr);
  Feedback_rev_distlist = XtVaCreateManagedWidget("RevDist", xmListWidgetClass,
                                                  Feedback_revsect_info, nullptr);
  Feedback_rev_radlist = XtVaCreateManagedWidget("RevRad", xmListWidgetClass,
                                                 Feedback_revsect_info, nullptr);
  XtAddCallback(Feedback_rev_distlist, XmNbrowseSelectionCallback, quad_revoselect_itemCB,
                (XtPointer)1);
  XtAddCallback(Feedback_rev_radlist, XmNbrowseSelectionCallback, quad_revoselect_itemCB,
                (XtPointer)0);
  Feedback_rev_listscrlbar = XtVaCreateManagedWidget("RevScroll", xmScrollBarWidgetClass,
                                                     Feedback_revsect_info, nullptr);
  Feedback_rev_disttxtf = field("RevDistText", quad_revoraddist_chngCB);
  Feedback_rev_radtxtf = field("RevRadText", quad_revoraddist_chngCB);
}

class TransfFeedback : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(qtest::xt_ui_shell());
    build_area();
    Transformation_dialog = Area;  // the editor, managed
    transf_feedback_windep_install();
    Curve_clip_tool = 0;
    float cursor[3] = {0, 0, 0}, a[3] = {0, 0, 0}, b[3] = {1, 0, 0}, length = 1.0f;
    cursor_position(&cursor[0], &cursor[1], &cursor[2], nullptr, &length, 1);
    line_position(a, b, &length, 1);
  }
  void TearDown() override {
    Transformation_dialog = nullptr;
    What_trans = 0;
    Curve_clip_tool = 0;
    qtest::xt_take_error();
  }
};

void set_field(Widget w, const char *text) { XmTextFieldSetString(w, const_cast<char *>(text)); }

TEST_F(TransfFeedback, TypedCursorIsRecordedAndMovesTheCursor) {
  What_trans = 2;
  transf_feedback_init();
  EXPECT_EQ(xt_field_text(Feedback_cur_text[0]), "0.0000e+00");
  EXPECT_EQ(qtest::xt_label_text(Feedback_cur_lbl[1]), "Y");
  // (the two lines come back without their separator)
  EXPECT_EQ(label_lines(Feedback_label),
            "           **** Cartesian Coordinates ****"
            "           **** of Cursor Tool in Frame 0 ****");
  set_field(Feedback_cur_text[0], "1");
  set_field(Feedback_cur_text[1], "2");
  const std::string rec = recorded_lines([] { xt_enter_text(Feedback_cur_text[2], "3"); });
  EXPECT_EQ(rec, "view_transf: cursor 1.000000 2.000000 3.000000\n");
  float x, y, z, size;
  cursor_position(&x, &y, &z, nullptr, &size, 0);
  EXPECT_EQ(x, 1.0f);
  EXPECT_EQ(y, 2.0f);
  EXPECT_EQ(z, 3.0f);
  EXPECT_EQ(xt_field_text(Feedback_cur_text[2]), "3.0000e+00");
}

// The plane through (1e-9, 0, 0), (1, 0, 0), (1, 1, 0), shown in the fields.
void tiny_plane() {
  const float p1[3] = {1e-9f, 0, 0}, p2[3] = {1, 0, 0}, p3[3] = {1, 1, 0};
  setpln(p1, p2, p3);
  What_trans = 4;
  transf_feedback_init();
}

TEST_F(TransfFeedback, PlaneCoordinateNearZeroCountsAsZero) {
  const struct {
    const char *typed, *line;
  } cases[] = {
      {"1e-4", ""},
      {"-1e-4", ""},
      {"2e-4", "view_transf: plane 1 0.000200 0.000000 0.000000\n"},
  };
  for (const auto &c : cases) {
    tiny_plane();
    EXPECT_EQ(xt_field_text(Feedback_pln_text[0]), "1.0000e-09");
    EXPECT_EQ(recorded_lines([&] { xt_enter_text(Feedback_pln_text[0], c.typed); }), c.line)
        << c.typed;
  }
}

TEST_F(TransfFeedback, EquationWinsOverAPointTypedWithIt) {
  tiny_plane();
  EXPECT_EQ(xt_field_text(Feedback_plneq_text[2]), "1.000000");
  set_field(Feedback_pln_text[4], "5");
  const std::string rec = recorded_lines([] { xt_enter_text(Feedback_plneq_text[3], "2"); });
  EXPECT_EQ(rec, "view_transf: plane_equation 0.000000 0.000000 1.000000 2.000000\n");
  float a[3], b[3], c[3], d[3];
  plane_position(a, b, c, d, 0);
  for (const float *p : {a, b, c}) EXPECT_NEAR(p[2], 2.0f, 1e-5f);
  EXPECT_NEAR(b[1], 0.0f, 1e-5f) << "the typed point is not taken";
}

TEST_F(TransfFeedback, LineLengthOfZeroIsRefused) {
  What_trans = 3;
  transf_feedback_init();
  EXPECT_EQ(xt_field_text(Feedback_linlength_text), "1.0000e+00");
  std::string rec = recorded_lines([] { xt_enter_text(Feedback_linlength_text, "0"); });
  EXPECT_EQ(qtest::xt_take_error(), "ERROR: Length must be >= 0.");
  EXPECT_EQ(rec, "");
  float length = 0.0f;
  length_of_line_tool(&length, 0);
  EXPECT_FLOAT_EQ(length, 1.0f);
  rec = recorded_lines([] { xt_enter_text(Feedback_linlength_text, "3"); });
  EXPECT_EQ(rec, "view_transf: line_length 3.000000\n");
  float a[3], b[3];
  line_position(a, b, &length, 0);
  EXPECT_FLOAT_EQ(a[0], -1.0f);  // about the midpoint 0.5
  EXPECT_FLOAT_EQ(b[0], 2.0f);
}

// A three-point revolution tool with distances 0, 1, 2 and radii 1.
void three_point_revolution() {
  float e1[3] = {0, 0, 0}, e2[3] = {0, 0, 2}, ref[3] = {0, 0, 1}, axis[3] = {0, 0, 1};
  float radii[REVTOOL_POINTS] = {1, 1, 1}, distances[REVTOOL_POINTS] = {0, 1, 2};
  int count = 3, none = -1;
  revtool_position(e1, e2, ref, axis, &count, radii, distances, nullptr, 0, 0, 1);
  revtool_selected_point(&none, 1);
  Curve_clip_tool = 4;
  What_trans = 9;
  transf_feedback_init();
}

int selected_point() {
  int s = -2;
  revtool_selected_point(&s, 0);
  return s;
}

TEST_F(TransfFeedback, RevolutionPointsKeepTheirOrder) {
  three_point_revolution();
  // With no point selected the list selects the last one.
  EXPECT_EQ(selected_point(), 2);
  EXPECT_EQ(xt_field_text(Feedback_rev_disttxtf), "2.0000e+00");
  // Equal to the previous point's distance: accepted.
  set_field(Feedback_rev_radtxtf, "0");
  std::string rec = recorded_lines([] { xt_enter_text(Feedback_rev_disttxtf, "1"); });
  EXPECT_EQ(qtest::xt_take_error(), "");
  EXPECT_EQ(rec, "view_transf: revolution_point 3 1.000000 0.000000\n");

  const struct {
    int point;
    const char *distance, *message;
  } refused[] = {
      {2, "0.5", "ERROR: Distance for point must be >= previous point."},
      {0, "1.5", "ERROR: Distance for point must be <= next point."},
      {1, "-1", "ERROR: Distance for point must be >= previous point and <= the next point."},
  };
  for (const auto &c : refused) {
    XmListSelectPos(Feedback_rev_distlist, c.point + 1, True);
    EXPECT_EQ(selected_point(), c.point);
    rec = recorded_lines([&] { xt_enter_text(Feedback_rev_disttxtf, c.distance); });
    EXPECT_EQ(qtest::xt_take_error(), c.message);
    EXPECT_EQ(rec, "");
  }
  float o[3], a[3], v, radii[REVTOOL_POINTS], distances[REVTOOL_POINTS];
  int n = 0;
  getfdbk_curve_tool(0, o, a, &v, radii, distances, &n, 5);
  ASSERT_EQ(n, 3);
  EXPECT_EQ(distances[0], 0.0f);
  EXPECT_EQ(distances[1], 1.0f);
  EXPECT_EQ(distances[2], 1.0f);
}

TEST_F(TransfFeedback, RevolutionChangeWithoutASelectedPointIsIgnored) {
  three_point_revolution();
  int none = -1;
  revtool_selected_point(&none, 1);
  const std::string rec = recorded_lines([] { xt_enter_text(Feedback_rev_disttxtf, "7"); });
  EXPECT_EQ(rec, "");
  EXPECT_EQ(qtest::xt_take_error(), "");
  float o[3], a[3], v, radii[REVTOOL_POINTS], distances[REVTOOL_POINTS];
  int n = 0;
  getfdbk_curve_tool(0, o, a, &v, radii, distances, &n, 5);
  for (int k = 0; k < n; k++) EXPECT_EQ(distances[k], (float)k);
}

}  // namespace
