// The geometry and the recording of the interactive viewport move and
// resize: handle zones, the rectangle of a drag with its clamps and the
// smallest size, and the lines a finished drag records.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "interact/movmnt.h"
#include "record_capture.h"
#include "view/viewp_cmdproc.h"
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

// ---- the modal loop, driven by a scripted pointer ----------------------------------

// One pointer reading in pixels of the 400 x 300 window of fresh_viewports.
struct Reading {
  int x, y, left, control;
};

namespace script {
std::vector<Reading> pointer;  // taken one per reading; the last one repeats
size_t next = 0;
std::vector<int> keys;         // Delete presses etc., handed out once the pointer is used up
std::vector<int> cursors;      // the shapes the loop asked for
int pointer_reads(int *x, int *y, int *left, int *control) {
  const Reading &r = pointer[next < pointer.size() ? next : pointer.size() - 1];
  if (next < pointer.size()) next++;
  *x = r.x, *y = r.y, *left = r.left, *control = r.control;
  return 1;
}
void cursor(int shape) { cursors.push_back(shape); }
// Nothing while the pointer script lasts, then the keys, then the window is left.
int next_event(int *key, int *press) {
  if (next < pointer.size()) return VP_EVENT_NONE;
  if (keys.empty()) return VP_EVENT_CROSSING;
  *key = keys.front();
  *press = 1;
  keys.erase(keys.begin());
  return VP_EVENT_KEY;
}
}  // namespace script

class ViewportMoveLoop : public ViewportMoveRecord {
 protected:
  void SetUp() override {
    ViewportMoveRecord::SetUp();
    place(1, 0.25f, 0.25f, 0.5f, 0.5f);  // pixels 100..300 x 75..225
    place(2, 0.0f, 0.0f, 0.2f, 0.2f);
    place(3, 0.8f, 0.8f, 0.2f, 0.2f);
    Current_mode = Last_current_mode = 5;
    script::pointer.clear();
    script::next = 0;
    script::keys.clear();
    script::cursors.clear();
    Viewport_move_windep = {script::pointer_reads, script::cursor, script::next_event};
  }
  void TearDown() override {
    Viewport_move_windep = {};
    Current_mode = 0;
    ViewportMoveRecord::TearDown();
  }
  static void select(std::vector<int> ids) {
    int n = (int)ids.size();
    current_selected_viewports(&n, ids.data(), 1);
    viewp_icons_refresh();
  }
  static std::string run(std::vector<Reading> pointer) {
    script::pointer = std::move(pointer);
    return qtest::recorded_lines([] { viewport_move_manage(3); });
  }
  static std::vector<float> rect(int v) {
    const float *a = &Viewports[v].attributes[VP_ORIGIN_X];
    return {a[0], a[1], a[2], a[3]};
  }
  static void expect_rect(int v, std::vector<float> want) {
    std::vector<float> r = rect(v);
    for (int k = 0; k < 4; k++) EXPECT_NEAR(r[k], want[k], 1e-5) << "viewport " << v << " [" << k << "]";
  }
};

TEST_F(ViewportMoveLoop, DragOfTheRightEdgeRecordsTheFourFinalValues) {
  select({1});
  std::string rec = run({{300, 150, 0, 0}, {300, 150, 1, 0}, {320, 160, 1, 0}, {340, 150, 1, 0},
                         {340, 150, 0, 0}});
  EXPECT_EQ(rec,
            "viewport: origin_x 2.5000e-01\nviewport: origin_y 2.5000e-01\n"
            "viewport: width 6.0000e-01\nviewport: height 5.0000e-01\n");
  expect_rect(1, {0.25f, 0.25f, 0.6f, 0.5f});
  ASSERT_FALSE(script::cursors.empty());
  EXPECT_EQ(script::cursors.front(), 0) << "the default cursor on entry";
  EXPECT_NE(std::find(script::cursors.begin(), script::cursors.end(), 7), script::cursors.end())
      << "the right-side cursor over the edge";
  EXPECT_EQ(script::cursors.back(), 0) << "the default cursor when the window is left";
}

TEST_F(ViewportMoveLoop, ControlPressAddsTheThirdAndTheDragWidensAllThree) {
  select({2, 3});
  std::string rec = run({{300, 150, 1, 1}, {340, 150, 1, 1}, {340, 150, 0, 0}});
  EXPECT_EQ(rec,
            "viewport: select_begin\n 1 2 3\nviewport: select_end\n"
            "viewport: select_begin\n 1\nviewport: select_end\n"
            "viewport: origin_x 2.5000e-01\nviewport: origin_y 2.5000e-01\nviewport: width 6.0000e-01\nviewport: height 5.0000e-01\n"
            "viewport: select_begin\n 2\nviewport: select_end\n"
            "viewport: origin_x 0.0000e+00\nviewport: origin_y 0.0000e+00\nviewport: width 3.0000e-01\nviewport: height 2.0000e-01\n"
            "viewport: select_begin\n 3\nviewport: select_end\n"
            "viewport: origin_x 7.0000e-01\nviewport: origin_y 8.0000e-01\nviewport: width 3.0000e-01\nviewport: height 2.0000e-01\n"
            "viewport: select_begin\n 1 2 3\nviewport: select_end\n");
}

TEST_F(ViewportMoveLoop, LeftEdgeDraggedPastTheRightStopsAtTheSmallestWidth) {
  select({1});
  run({{100, 150, 1, 0}, {390, 150, 1, 0}, {390, 150, 0, 0}});
  std::vector<float> r = rect(1);
  EXPECT_NEAR(r[0], 0.74f, 1e-5);
  EXPECT_NEAR(r[2], VIEWPORT_MIN_SIZE, 1e-6);
}

TEST_F(ViewportMoveLoop, ClickWithoutMovementRecordsNothing) {
  select({1});
  EXPECT_EQ(run({{200, 150, 1, 0}, {200, 150, 1, 0}, {200, 150, 0, 0}}), "");
  expect_rect(1, {0.25f, 0.25f, 0.5f, 0.5f});
}

TEST_F(ViewportMoveLoop, ControlClickOnASelectedViewportOnlyDeselectsIt) {
  select({1, 2});
  run({{200, 150, 1, 1}, {200, 150, 0, 0}});
  EXPECT_EQ(vptest::selected(), std::vector<int>{2});
  expect_rect(1, {0.25f, 0.25f, 0.5f, 0.5f});
}

TEST_F(ViewportMoveLoop, DeleteKeyDeletesTheSelectedViewports) {
  select({2, 3});
  script::keys = {127};
  std::string rec = run({{200, 150, 0, 0}});
  EXPECT_FALSE(viewport_exists(2));
  EXPECT_FALSE(viewport_exists(3));
  EXPECT_TRUE(viewport_exists(1));
  EXPECT_NE(rec.find("viewport: delete\n"), std::string::npos) << rec;
}

}  // namespace
