// Stored views without a display: slots built from the initial view at
// first use, the previous-view slot F8, stores, refusal during keyframe
// animation, the recorded lines and a viewport's rebuild.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "anim/animate.h"
#include "record_capture.h"
#include "view/stored_views.h"
#include "view/viewer_state.h"
#include "view/viewports.h"
#include "viewport_test_screen.h"

namespace {

struct View {
  float at[3], from[3], matrix[16], distance, combined[16];
};

View current_view() {
  View v;
  view_param(v.at, v.from, v.matrix, &v.distance, 0);
  current_ctm(v.combined, 0);
  return v;
}

void expect_same(const View &a, const View &b, const char *what) {
  SCOPED_TRACE(what);
  for (int k = 0; k < 3; k++) {
    EXPECT_NEAR(a.at[k], b.at[k], 1e-5);
    EXPECT_NEAR(a.from[k], b.from[k], 1e-5);
  }
  EXPECT_NEAR(a.distance, b.distance, 1e-5);
  for (int k = 0; k < 16; k++) {
    EXPECT_NEAR(a.matrix[k], b.matrix[k], 1e-5) << k;
    EXPECT_NEAR(a.combined[k], b.combined[k], 1e-5) << k;
  }
}

// Turns the current viewport's model about x by ax degrees around the look-at.
void turn(float ax) {
  View v = current_view();
  float combined[16];
  rotvew(ax, 0, 0, v.at, combined, v.matrix);
  current_ctm(combined, 1);
}

int recall(int slot) { return switch_views_process_command(0, slot, 0); }

class StoredViews : public testing::Test {
 protected:
  void SetUp() override {
    vptest::fresh_viewports();
    stored_views_reset();
    Viewport_current = 0;
    Animon = 0;
  }
  void TearDown() override {
    Animon = 0;
    stored_views_reset();
    screen_install(nullptr);
  }
};

TEST_F(StoredViews, AxisViewsComeFromTheInitialView) {
  View start = current_view();
  turn(40);
  ASSERT_EQ(recall(5), 1);  // +Z: the initial view, model not turned
  expect_same(current_view(), start, "+Z");
  ASSERT_EQ(recall(2), 1);  // F7 holds the same view
  expect_same(current_view(), start, "F7");
  ASSERT_EQ(recall(8), 1);  // -Z: half a turn about y through the look-at
  View back = current_view();
  EXPECT_NEAR(back.combined[0], -1.0f, 1e-5);
  EXPECT_NEAR(back.combined[10], -1.0f, 1e-5);
  EXPECT_NEAR(back.combined[5], 1.0f, 1e-5);
  ASSERT_EQ(recall(3), 1);  // +X: -90 about y sends x towards the viewer
  View plus_x = current_view();
  EXPECT_NEAR(plus_x.combined[2], 1.0f, 1e-5);  // the x axis's z component
}

TEST_F(StoredViews, F8ReturnsToTheViewLeftByTheFirstRecall) {
  turn(25);
  View before = current_view();
  recall(0);  // F5
  recall(1);  // F6
  recall(9);  // F8
  expect_same(current_view(), before, "F5, F6, F8");

  // F8, then F5, then F8: back to the view F5 was recalled from.
  recall(9);
  turn(-60);
  View at_f5 = current_view();
  recall(0);
  recall(9);
  expect_same(current_view(), at_f5, "F8, F5, F8");
}

TEST_F(StoredViews, StoreThenRecallRestoresTheViewExactly) {
  turn(33);
  View stored = current_view();
  ASSERT_EQ(switch_views_process_command(1, 1, 0), 1);  // Control+F6
  turn(-80);
  recall(1);
  expect_same(current_view(), stored, "F6");
  EXPECT_EQ(switch_views_process_command(1, 3, 0), -1);  // axis views are not stores
  recall(3);
  View plus_x = current_view();
  recall(1);
  recall(3);
  expect_same(current_view(), plus_x, "+X kept");
}

TEST_F(StoredViews, KeyframeAnimationRefusesWithTheMessage) {
  turn(10);
  View before = current_view();
  Animon = 1;
  testing::internal::CaptureStderr();
  EXPECT_EQ(recall(5), -1);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("Can not switch views during keyframe animation"), std::string::npos);
  expect_same(current_view(), before, "unchanged");
}

TEST_F(StoredViews, RecallsAndStoresRecordOneLineEach) {
  std::string lines = qtest::recorded_lines([] {
    switch_views_process_command(0, 7, 1);
    switch_views_process_command(1, 9, 1);
    switch_views_process_command(0, 0, 0);
  });
  EXPECT_EQ(lines, "view_transf: view_recall -Y\nview_transf: view_store F8\n");
  EXPECT_EQ(*Stored_views_control_key, 0);  // put back after the store
}

TEST_F(StoredViews, ReinitialisedViewportRebuildsOnlyItsOwnSlots) {
  ASSERT_EQ(make_new_viewport(), 1);
  Viewport_current = 1;
  recall(5);
  Viewport_current = 0;
  recall(5);
  View old_zero = current_view();
  // Viewport 1 gets a new initial view around another point.
  Viewport_current = 1;
  float at[3] = {5, 0, 0}, from[3] = {5, 0, 10};
  original_view(at, from, 1);
  switch_views_init_viewport();
  recall(5);
  EXPECT_NEAR(current_view().at[0], 5.0f, 1e-5);
  Viewport_current = 0;
  recall(6);
  recall(5);
  expect_same(current_view(), old_zero, "viewport 0 keeps its slots");
}

}  // namespace
