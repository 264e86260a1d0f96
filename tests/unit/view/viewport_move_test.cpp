// The geometry and the recording of the interactive viewport move and
// resize: handle zones, the rectangle of a drag with its clamps and the
// smallest size, and the lines a finished drag records.
#include <gtest/gtest.h>

#include <string>

#include "record_capture.h"
#include "view/viewport_move.h"
#include "view/viewports.h"
#include "viewport_test_screen.h"

namespace {

const float Rect[4] = {0.2f, 0.3f, 0.4f, 0.5f};  // right edge 0.6, top 0.8

TEST(ViewportHandles, ZonesFollowTheTableAndCornersComeFirst) {
  struct {
    float fx, fy;
    int action, cursor;
  } cases[] = {
      {0.22f, 0.32f, VP_DRAG_BOTTOM_LEFT, 3},  // 0.02 inside both edges
      {0.22f, 0.55f, VP_DRAG_MOVE, 0},         // 0.02 inside the left edge only
      {0.205f, 0.55f, VP_DRAG_LEFT, 6},
      {0.195f, 0.55f, VP_DRAG_LEFT, 6},
      {0.606f, 0.55f, VP_DRAG_RIGHT, 7},
      {0.4f, 0.295f, VP_DRAG_BOTTOM, 8},
      {0.4f, 0.805f, VP_DRAG_TOP, 5},
      {0.58f, 0.32f, VP_DRAG_BOTTOM_RIGHT, 4},
      {0.58f, 0.78f, VP_DRAG_TOP_RIGHT, 2},
      {0.194f, 0.805f, VP_DRAG_TOP_LEFT, 1},
      {0.5f, 0.5f, VP_DRAG_MOVE, 0},
  };
  for (const auto &c : cases) {
    int cursor = -5;
    EXPECT_EQ(viewport_handle_zone(Rect, c.fx, c.fy, &cursor), c.action) << c.fx << "," << c.fy;
    EXPECT_EQ(cursor, c.cursor) << c.fx << "," << c.fy;
  }
}

TEST(ViewportDrag, RectanglesOfMovesAndResizes) {
  struct {
    const char *what;
    int action;
    float dx, dy;
    float want[4];
  } cases[] = {
      {"right edge wider", VP_DRAG_RIGHT, 0.1f, 0.3f, {0.2f, 0.3f, 0.5f, 0.5f}},
      {"left edge keeps the right one", VP_DRAG_LEFT, -0.1f, 0, {0.1f, 0.3f, 0.5f, 0.5f}},
      {"corner moves two sides", VP_DRAG_TOP_RIGHT, 0.05f, 0.1f, {0.2f, 0.3f, 0.45f, 0.6f}},
      {"move", VP_DRAG_MOVE, 0.1f, -0.1f, {0.3f, 0.2f, 0.4f, 0.5f}},
      {"move stops at the right border", VP_DRAG_MOVE, 0.7f, 0, {0.6f, 0.3f, 0.4f, 0.5f}},
      {"move stops at the bottom", VP_DRAG_MOVE, 0, -0.9f, {0.2f, 0.0f, 0.4f, 0.5f}},
      {"left edge past the right stops at the smallest width", VP_DRAG_LEFT, 0.7f, 0,
       {0.59f, 0.3f, 0.01f, 0.5f}},
      {"right edge past the left", VP_DRAG_RIGHT, -0.9f, 0, {0.2f, 0.3f, 0.01f, 0.5f}},
      {"bottom edge past the top", VP_DRAG_BOTTOM, 0, 0.8f, {0.2f, 0.79f, 0.4f, 0.01f}},
      {"top edge past the bottom", VP_DRAG_TOP, 0, -0.6f, {0.2f, 0.3f, 0.4f, 0.01f}},
  };
  for (const auto &c : cases) {
    float out[4];
    viewport_drag_rect(c.action, Rect, c.dx, c.dy, out);
    for (int k = 0; k < 4; k++) EXPECT_NEAR(out[k], c.want[k], 1e-5) << c.what << " [" << k << "]";
  }
  const float full[4] = {0, 0, 1, 0.5f};
  float out[4];
  viewport_drag_rect(VP_DRAG_MOVE, full, 0.3f, 0, out);
  EXPECT_EQ(out[0], 0.0f) << "a viewport of width 1 cannot move sideways";
}

class ViewportMoveRecord : public testing::Test {
 protected:
  void SetUp() override {
    vptest::fresh_viewports();
    for (int k = 0; k < 3; k++) ASSERT_EQ(make_new_viewport(), 1);
  }
  void TearDown() override { screen_install(nullptr); }
  static void place(int v, float x, float y, float w, float h) {
    float *a = Viewports[v].attributes;
    a[VP_ORIGIN_X] = x, a[VP_ORIGIN_Y] = y, a[VP_WIDTH] = w, a[VP_HEIGHT] = h;
  }
};

TEST_F(ViewportMoveRecord, OneViewportRecordsItsFourLinesAlone) {
  place(2, 0.25f, 0.5f, 0.3f, 0.2f);
  const int sel[] = {2};
  std::string rec = qtest::recorded_lines([&] { viewport_move_record(sel, 1); });
  EXPECT_EQ(rec,
            "viewport: origin_x 2.5000e-01\nviewport: origin_y 5.0000e-01\nviewport: width 3.0000e-01\n"
            "viewport: height 2.0000e-01\n");
}

TEST_F(ViewportMoveRecord, ThreeViewportsRecordEachWithItsSelectionThenAll) {
  place(1, 0.1f, 0.1f, 0.2f, 0.2f);
  place(3, 0.5f, 0.1f, 0.2f, 0.2f);
  place(2, 0.3f, 0.6f, 0.2f, 0.2f);
  const int sel[] = {1, 3, 2};
  std::string rec = qtest::recorded_lines([&] { viewport_move_record(sel, 3); });
  EXPECT_EQ(rec,
            "viewport: select_begin\n 1\nviewport: select_end\n"
            "viewport: origin_x 1.0000e-01\nviewport: origin_y 1.0000e-01\nviewport: width 2.0000e-01\nviewport: height 2.0000e-01\n"
            "viewport: select_begin\n 3\nviewport: select_end\n"
            "viewport: origin_x 5.0000e-01\nviewport: origin_y 1.0000e-01\nviewport: width 2.0000e-01\nviewport: height 2.0000e-01\n"
            "viewport: select_begin\n 2\nviewport: select_end\n"
            "viewport: origin_x 3.0000e-01\nviewport: origin_y 6.0000e-01\nviewport: width 2.0000e-01\nviewport: height 2.0000e-01\n"
            "viewport: select_begin\n 1 3 2\nviewport: select_end\n");
}

}  // namespace
