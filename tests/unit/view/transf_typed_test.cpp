// Typed transformation values without a display: the slider's scale factor,
// zoom from the editor and from a line, the tool scale bound, the 2-D rule,
// the start state a drag returns to, and the frame definition mode.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "client/alloc_gate.h"
#include "client/command_dlog.h"
#include "client/screen.h"
#include "interact/tool_records.h"
#include "view/frames.h"
#include "view/observer.h"
#include "view/transf_typed.h"
#include "view/viewer_state.h"
#include "view/viewports.h"
#include "viewport_test_screen.h"

namespace {

class TransfTyped : public testing::Test {
 protected:
  void SetUp() override {
    vptest::fresh_transforms();
  }
  void TearDown() override {
    Viewports[0].two_d = 0;
    alloc_gate_fail_after(-1);
    screen_install(nullptr);
  }
};

float eye_distance() {
  float at[3], from[3], view[16], d = 0.0f;
  view_param(at, from, view, &d, 0);
  return std::sqrt((from[0] - at[0]) * (from[0] - at[0]) + (from[1] - at[1]) * (from[1] - at[1]) +
                   (from[2] - at[2]) * (from[2] - at[2]));
}

std::vector<float> combined() {
  float c[16];
  current_ctm(c, 0);
  return std::vector<float>(c, c + 16);
}

// One value as the editor gives it (from_command 0).
int editor_value(int action, int mode, int x_on, int y_on, int z_on, float value) {
  float x = 0, y = 0, z = 0;
  return ui_trans_1_value(action, mode, x_on, y_on, z_on, value, &x, &y, &z, 0);
}

TEST_F(TransfTyped, SliderFractionGivesTheScaleFactor) {
  const struct {
    float limit, fraction, factor;
  } cases[] = {
      {2, 0.5f, 1.5f}, {2, -0.5f, 0.75f}, {2, 1, 2},  {2, -1, 0.5f},
      {2, 0, 1},       {0, 0.7f, 1},      {0, -1, 1}, {-2, 0.5f, -1.5f},
  };
  for (const auto &c : cases)
    EXPECT_FLOAT_EQ(ui_scale_fix(c.limit, c.fraction), c.factor)
        << "limit " << c.limit << " fraction " << c.fraction;
}

TEST_F(TransfTyped, ZoomFromTheEditorAddsOneAndFromALineIsTheFactor) {
  const float start = eye_distance();
  ASSERT_GT(start, 0.0f);
  ASSERT_EQ(editor_value(TRANSF_ZOOM, 0, 1, 1, 1, 0.1f), 1);
  EXPECT_NEAR(eye_distance(), 1.1f * start, 1e-4f * start);

  const float before = eye_distance();
  testing::internal::CaptureStderr();
  EXPECT_GE(cmd_process("view_transf: zoom 0.9"), 0);
  testing::internal::GetCapturedStderr();
  EXPECT_NEAR(eye_distance(), 0.9f * before, 1e-4f * before);
  EXPECT_EQ(Vewglb, 0);  // the line's action is not kept
}

TEST_F(TransfTyped, SphereScaleStopsAtRadiusZero) {
  // From the editor every tool value stops at -2; from a line only the sphere's.
  for (int from_command : {0, 1}) {
    float origin[3] = {0, 0, 0}, end[3] = {0, 0, 2}, radius = 2.0f;
    sphere_position(origin, end, origin, &radius, nullptr, 0, 0, 1);
    float x = 0, y = -3, z = 0;
    ASSERT_EQ(ui_trans_1_value(TRANSF_SCALE, 7, 1, 1, 1, -3.0f, &x, &y, &z, from_command), 1);
    float got = -1.0f;
    sphere_position(origin, end, nullptr, &got, nullptr, 0, 0, 0);
    EXPECT_FLOAT_EQ(got, 0.0f) << "from_command " << from_command;
    if (!from_command) {
      EXPECT_EQ(x, 0.0f);  // the values not applied are recorded as 0
      EXPECT_EQ(z, 0.0f);
    }
  }
}

TEST_F(TransfTyped, LineScaleHasNoLowerBound) {
  float a[3] = {0, 0, 0}, b[3] = {4, 0, 0}, length = 4.0f;
  line_position(a, b, &length, 1);
  ASSERT_EQ(editor_value(TRANSF_SCALE, 3, 1, 1, 1, -3.0f), 1);
  line_position(a, b, &length, 0);
  // Factor 1 - 3/2 = -0.5 about the midpoint: the ends change places.
  EXPECT_FLOAT_EQ(a[0], 3.0f);
  EXPECT_FLOAT_EQ(b[0], 1.0f);
}

TEST_F(TransfTyped, TwoDimensionalViewportTurnsOnlyAboutZ) {
  const auto start = combined();
  Viewports[0].two_d = 1;
  ASSERT_EQ(editor_value(TRANSF_ROTATE, 0, 1, 0, 0, 30.0f), 1);
  EXPECT_EQ(combined(), start) << "a turn about x in 2-D";
  ASSERT_EQ(editor_value(TRANSF_ROTATE, 0, 0, 0, 1, 30.0f), 1);
  EXPECT_NE(combined(), start) << "a turn about z in 2-D";

  Viewports[0].two_d = 0;
  init_transforms(std::array<int, 3>{1, 1, 1}.data());
  ASSERT_EQ(editor_value(TRANSF_ROTATE, 0, 1, 0, 0, 30.0f), 1);
  EXPECT_NE(combined(), start) << "a turn about x in 3-D";
}

TEST_F(TransfTyped, EveryValueOfADragStartsFromTheStartState) {
  const auto start = combined();
  ASSERT_EQ(ui_trans_init(), 1);
  float x = 0, y = 0, z = 0;
  ASSERT_EQ(ui_transform(TRANSF_ROTATE, 0, 1, 1, 0, 40.0f, &x, &y, &z, 0), 1);
  const auto turned = combined();
  EXPECT_NE(turned, start);
  ASSERT_EQ(ui_transform(TRANSF_ROTATE, 0, 1, 1, 0, 10.0f, &x, &y, &z, 0), 1);
  ASSERT_EQ(ui_transform(TRANSF_ROTATE, 0, 1, 1, 0, 40.0f, &x, &y, &z, 0), 1);
  EXPECT_EQ(combined(), turned);
  ASSERT_EQ(ui_transform(TRANSF_ROTATE, 0, 1, 1, 0, 0.0f, &x, &y, &z, 0), 1);
  EXPECT_EQ(combined(), start);
  ui_trans_end();
  // After the end a value needs a new start.
  EXPECT_EQ(ui_transform(TRANSF_ROTATE, 0, 1, 1, 0, 40.0f, &x, &y, &z, 0), -1);
  EXPECT_EQ(combined(), start);
}

TEST_F(TransfTyped, NothingSelectedChangesNothing) {
  int none = 0, list[MAX_VIEWPORTS] = {0};
  current_selected_viewports(&none, list, 1);
  const auto start = combined();
  vptest::Redraws = 0;
  ASSERT_EQ(editor_value(TRANSF_ROTATE, 0, 1, 1, 1, 45.0f), 1);
  EXPECT_EQ(combined(), start);
  EXPECT_EQ(vptest::Redraws, 0);
}

// Frame 0 as the first graphics initialisation makes it, and every frame selected.
void select_frames_with_frame_zero() {
  if (!does_frame_exist(0)) {
    float attrs[FRAME_ATTR_WORDS];
    frame_attributes(-1, attrs, nullptr, 0);
    new_frame(attrs, "");
  }
  select_all_frames();
}

TEST_F(TransfTyped, FrameDefinitionModeNeverMovesTheGlobalFrame) {
  select_frames_with_frame_zero();
  float before[FRAME_ATTR_WORDS], after[FRAME_ATTR_WORDS];
  char name[FRAME_NAME_LEN];
  ASSERT_EQ(frames(0, 0, name, before), 1);
  for (int action : {TRANSF_ROTATE, TRANSF_TRANSLATE})
    ASSERT_EQ(editor_value(action, 10, 1, 1, 1, 25.0f), 1);
  ASSERT_EQ(frames(0, 0, name, after), 1);
  EXPECT_EQ(0, memcmp(before, after, sizeof before));
}

TEST_F(TransfTyped, FrameCopiesThatCannotBeHadRefuseTheValue) {
  select_frames_with_frame_zero();
  int count = 0, list[MAX_FRAMES];
  current_selected_frames(&count, list, 0);
  if (count == 0) GTEST_SKIP() << "no frame can be selected yet";
  const auto start = combined();
  const long held = alloc_gate_held();
  alloc_gate_fail_after(1);
  testing::internal::CaptureStderr();
  EXPECT_EQ(editor_value(TRANSF_ROTATE, 0, 1, 1, 1, 30.0f), -1);
  const std::string err = testing::internal::GetCapturedStderr();
  alloc_gate_fail_after(-1);
  EXPECT_NE(err.find("ui_trans_init"), std::string::npos) << err;
  EXPECT_EQ(combined(), start);
  EXPECT_EQ(alloc_gate_held(), held);  // the copies had are given back
}

}  // namespace
