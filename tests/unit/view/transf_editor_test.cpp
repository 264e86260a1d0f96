// The Transformation Editor's logic without its widgets, called as the
// widgets will call it: the slider table, a drag and the steps with their
// recorded lines, the limit, the axis words, the mode switch with its
// dependencies, the tool reset and the viewport copy.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "client/command_dlog.h"
#include "client/screen.h"
#include "interact/support.h"
#include "interact/tool_records.h"
#include "record_capture.h"
#include "view/observer.h"
#include "view/transf_editor.h"
#include "view/viewer_state.h"
#include "view/viewports.h"
#include "viewport_test_screen.h"

namespace {

using qtest::recorded_lines;

class TransfEditor : public testing::Test {
 protected:
  void SetUp() override {
    vptest::fresh_transforms();
    Curson = Lineon = Planon = 0;
    Curve_clip_tool = 0;
    Viewt_initscl_flag = 0;
    Did_transform = 0;
  }
  void TearDown() override {
    Curson = Lineon = Planon = 0;
    Curve_clip_tool = 0;
    What_trans = 0;
    Vewglb = 0;
    screen_install(nullptr);
  }
};

std::vector<float> combined() {
  float c[16];
  current_ctm(c, 0);
  return std::vector<float>(c, c + 16);
}

float row_length(const std::vector<float> &m, int row) {
  return std::sqrt(m[4 * row] * m[4 * row] + m[4 * row + 1] * m[4 * row + 1] +
                   m[4 * row + 2] * m[4 * row + 2]);
}

// Errors shown while fn runs (the console error box).
std::string errors_of(const std::function<void()> &fn) {
  testing::internal::CaptureStderr();
  fn();
  return testing::internal::GetCapturedStderr();
}

TEST_F(TransfEditor, SliderRangeFollowsTheActionAndItsLimit) {
  const struct {
    int action;
    float limit;
    int multiplier, decimals, maximum;
  } cases[] = {
      {0, 90.0f, 1, 0, 90},    // rotate: -90..90 degrees
      {1, 2.0f, 10, 1, 20},    // translate: -2.0..2.0
      {1, 0.05f, 1000, 3, 50}, // -0.050..0.050
      {4, 0.5f, 100, 2, 50},   // zoom: -0.50..0.50
      {2, 2.0f, 100, 2, 100},  // scale: -1.00..1.00 whatever the limit
      {2, 0.2f, 100, 2, 100},
  };
  for (const auto &c : cases) {
    const Transf_slider_scale s = transf_slider_scale(c.action, c.limit);
    EXPECT_EQ(s.multiplier, c.multiplier) << c.action << " " << c.limit;
    EXPECT_EQ(s.decimals, c.decimals) << c.action << " " << c.limit;
    EXPECT_EQ(s.maximum, c.maximum) << c.action << " " << c.limit;
  }
}

TEST_F(TransfEditor, ADragRecordsOneLineForItsLastValue) {
  transf_axis_chng(0);  // x only
  Viewt_scale_multiplier = transf_slider_scale(0, Vewvalues[1]).multiplier;
  const std::string rec = recorded_lines([] {
    transf_slider_movmnt(30);
    transf_slider_movmnt(60);
    transf_slider_chng();
  });
  EXPECT_EQ(rec, "view_transf: rotate 60.000000 0.000000 0.000000\n");
  EXPECT_EQ(Viewt_initscl_flag, 0);
  EXPECT_EQ(Did_transform, 0);
  // The model's y axis is turned 60 degrees about x.
  const auto m = combined();
  const float s = row_length(m, 1);
  EXPECT_NEAR(m[4], 0.0f, 1e-5f * s);
  EXPECT_NEAR(std::fabs(m[5]) / s, 0.5f, 1e-5f);
  EXPECT_NEAR(std::fabs(m[6]) / s, std::sqrt(3.0f) / 2, 1e-5f);
  // A release without a movement records nothing.
  EXPECT_EQ(recorded_lines([] { transf_slider_chng(); }), "");
}

TEST_F(TransfEditor, ScaleStepsMultiplyGloballyAndLengthenTheLine) {
  Vewglb = 2;
  Vewvalues[4] = 2.0f;
  const float start = row_length(combined(), 0);
  EXPECT_EQ(recorded_lines([] { EXPECT_EQ(transf_incvalue_chng(1, 2.0f), 1); }),
            "view_transf: scale 2.0000e+00 2.0000e+00 2.0000e+00\n");
  EXPECT_NEAR(row_length(combined(), 0), 2.0f * start, 1e-5f * start);
  ASSERT_EQ(transf_incvalue_chng(-1, 2.0f), 1);
  EXPECT_NEAR(row_length(combined(), 0), start, 1e-5f * start);

  What_trans = 3;
  float a[3] = {0, 0, 0}, b[3] = {4, 0, 0}, length = 4.0f;
  line_position(a, b, &length, 1);
  ASSERT_EQ(transf_incvalue_chng(1, 2.0f), 1);
  line_position(a, b, &length, 0);
  EXPECT_NEAR(b[0] - a[0], 8.0f, 1e-5f);
  EXPECT_NEAR(a[0] + b[0], 4.0f, 1e-5f);  // about the midpoint
}

TEST_F(TransfEditor, EnterInTheIncrementStoresItAndTurnsEveryChosenAxis) {
  transf_axis_chng(3);
  const std::string rec = recorded_lines([] { EXPECT_EQ(transf_incvalue_chng(0, 5.0f), 1); });
  EXPECT_EQ(rec, "view_transf: rotate 5.000000 5.000000 5.000000\n");
  EXPECT_EQ(Vewvalues[0], 5.0f);
  const auto by_editor = combined();
  vptest::fresh_transforms();
  ASSERT_GE(vptest::run("view_transf: rotate 5 5 5"), 0);
  const auto by_line = combined();
  for (int i = 0; i < 16; i++) EXPECT_NEAR(by_editor[i], by_line[i], 1e-5f) << i;
}

TEST_F(TransfEditor, ALimitOfZeroIsRefusedAndTheOldOneKept) {
  std::string rec;
  const std::string err =
      errors_of([&] { rec = recorded_lines([] { EXPECT_EQ(transf_limvalue_chng(0.0f), -1); }); });
  EXPECT_NE(err.find("The transformation increment limit must be > 0."), std::string::npos);
  EXPECT_EQ(rec, "");
  EXPECT_EQ(Vewvalues[1], 90.0f);
  EXPECT_EQ(recorded_lines([] { EXPECT_EQ(transf_limvalue_chng(45.0f), 1); }),
            "view_transf: limit 45.000000\n");
  EXPECT_EQ(Vewvalues[1], 45.0f);
}

TEST_F(TransfEditor, AxisWordsFollowTheToolAndTheScaleAction) {
  const struct {
    int what_trans, vewglb, quadric, item;
    const char *line;
  } cases[] = {
      {0, 0, 0, 0, "view_transf: axis x\n"},
      {0, 2, 0, 1, "view_transf: axis y\n"},
      {8, 2, 3, 0, "view_transf: axis distance\n"},
      {8, 2, 3, 1, "view_transf: axis angle\n"},
      {8, 2, 3, 2, "view_transf: axis z\n"},
      {3, 2, 0, 1, "view_transf: axis radius\n"},
      {6, 2, 1, 0, "view_transf: axis distance\n"},
      {3, 1, 0, 1, "view_transf: axis y\n"},
      {4, 2, 0, 3, "view_transf: axis all\n"},
  };
  for (const auto &c : cases) {
    What_trans = c.what_trans;
    Vewglb = c.vewglb;
    Curve_clip_tool = c.quadric;
    EXPECT_EQ(recorded_lines([&] { transf_axis_chng(c.item); }), c.line)
        << "mode " << c.what_trans << " item " << c.item;
    for (int i = 0; i < 3; i++) EXPECT_EQ(Vewaxis[i], i == c.item || c.item == 3 ? 1 : 0);
  }
}

TEST_F(TransfEditor, ModeSwitchRecordsItsLinesAndSetsTheDependencies) {
  Vewglb = 0;
  std::string rec = recorded_lines([] { EXPECT_EQ(transf_tggl_modes(2, 1, 0), 1); });
  EXPECT_EQ(rec, "view_transf: function cursor\nview_transf: action translate\n");
  EXPECT_EQ(What_trans, 2);
  EXPECT_EQ(Vewglb, 1);
  EXPECT_EQ(Curson, 1);

  rec = recorded_lines([] { EXPECT_EQ(transf_tggl_modes(1000, 1, 0), 1); });
  EXPECT_EQ(rec, "view_transf: function global\n");
  EXPECT_EQ(What_trans, 0);

  // The quadric mode needs a quadric tool.
  std::string err = errors_of([&] {
    rec = recorded_lines([] { EXPECT_EQ(transf_tggl_modes(5, 1, 0), -1); });
  });
  EXPECT_NE(err.find("No Quadric Tool chosen, mode cannot be Quadric."), std::string::npos);
  EXPECT_EQ(rec, "");
  EXPECT_EQ(What_trans, 0);
  Curve_clip_tool = 2;
  Vewglb = 0;
  rec = recorded_lines([] { EXPECT_EQ(transf_tggl_modes(5, 1, 0), 1); });
  EXPECT_EQ(rec, "view_transf: function sphere\nview_transf: action translate\n");
  EXPECT_EQ(What_trans, 7);

  // Unrecorded (no_record) and quiet outside the editor: the action is
  // replaced without a line.
  Vewglb = 0;
  rec = recorded_lines([] { transf_dialog_init(); });
  EXPECT_EQ(rec, "");
  EXPECT_EQ(Vewglb, 1);
}

// The cone as a user would have moved it, and its placement read back.
struct Cone {
  float apex[3], end[3], angle;
};
Cone cone_now() {
  Cone c{};
  cone_position(c.apex, c.end, nullptr, nullptr, &c.angle, nullptr, nullptr, 0, 0, 0);
  return c;
}

TEST_F(TransfEditor, ResetQuadricResetsTheToolInItsModeAndReturns) {
  std::string rec;
  const std::string err = errors_of([&] {
    rec = recorded_lines([] { EXPECT_EQ(transf_setmode_resettool(5, 1), -1); });
  });
  EXPECT_NE(err.find("Must have a Quadric tool displayed to reset it."), std::string::npos);
  EXPECT_EQ(rec, "");
  EXPECT_EQ(What_trans, 0);

  Curve_clip_tool = 3;
  float apex[3] = {5, 5, 5}, end[3] = {5, 5, 9}, axis[3] = {0, 0, 1}, angle = 12.0f;
  cone_position(apex, end, apex, axis, &angle, nullptr, nullptr, 0, 0, 1);
  const auto model = combined();
  rec = recorded_lines([] { EXPECT_EQ(transf_setmode_resettool(5, 1), 1); });
  EXPECT_EQ(rec,
            "view_transf: function cone\nview_transf: reset_rot_trn_scl\n"
            "view_transf: function global\n");
  EXPECT_EQ(What_trans, 0);
  const Cone after = cone_now();
  EXPECT_FALSE(after.apex[0] == 5 && after.apex[1] == 5 && after.apex[2] == 5 &&
               after.end[2] == 9)
      << "the cone is back at its home placement";
  EXPECT_EQ(combined(), model) << "the model is not reset";
}

TEST_F(TransfEditor, CopyNeedsExactlyOneSelectedViewport) {
  ASSERT_GE(vptest::run("viewport: new"), 0);
  ASSERT_GE(Num_active_viewports, 2);
  int count = 2, list[MAX_VIEWPORTS] = {0, 1};
  current_selected_viewports(&count, list, 1);
  std::string rec;
  const std::string err = errors_of([&] {
    rec = recorded_lines([] { EXPECT_EQ(transf_copy_state(0), -1); });
  });
  // (the box wraps the text after 75 columns)
  EXPECT_NE(err.find("Must have one and only one viewport selected to copy the transformation"),
            std::string::npos)
      << err;
  EXPECT_EQ(rec, "");
  count = 1;
  current_selected_viewports(&count, list, 1);
  EXPECT_EQ(recorded_lines([] { EXPECT_EQ(transf_copy_state(0), 1); }),
            "view_transf: viewport_state_copy\n");
}

}  // namespace
