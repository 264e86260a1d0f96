// The viewer section of the Transformation Editor built in a test dialog
// on the in-process main window, its markers dragged with the real pointer
// through XTest (xdotool): each lock, the X-Z plane's upward drag, a press
// on neither marker, and a distance typed into its field.  The drag loop
// polls the pointer; each step of the pointer is taken only once the loop
// has read it a few times since the last one.
#include <gtest/gtest.h>
// After gtest: X defines None.
#include <Xm/Form.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <string>
#include <thread>
#include <vector>

#include "inproc_main_window.h"
#include "record_capture.h"
#include "ui/interf_init.h"
#include "ui/menus.h"
#include "ui/window_codes.h"
#include "view/observer.h"
#include "view/ui/transf_dialog.h"
#include "view/ui/viewer_section.h"
#include "view/viewer_state.h"
#include "view/viewports.h"
#include "viewer_snapshot.h"
#include "xt_shell.h"
#include "xtest_pointer.h"

namespace {

std::atomic<int> Reads{0};
int (*Real_pointer)(int *, int *) = nullptr;

int counting_pointer(int *x, int *y) {
  Reads++;
  return Real_pointer(x, y);
}

// Waits until the drag loop has read the pointer n more times (at most 10 s).
void let_loop_read(int n) {
  const int until = Reads + n;
  auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (Reads < until && std::chrono::steady_clock::now() < end)
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
}

using Viewer = qtest::ViewerSnapshot;
Viewer viewer() { return qtest::viewer_snapshot(); }

using qtest::distance3;

class ViewerSectionPointer : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(qtest::inproc_main_window());
    if (!Transformation_dialog) {
      // The dialog stands for the editor that holds the section.
      Transformation_dialog =
          XmCreateFormDialog(Main_win[0], const_cast<char *>("ViewerTestDialog"), nullptr, 0);
      transf_gen_viewer_sect(Transformation_dialog);
      XtManageChild(Transformation_dialog);
    }
    ASSERT_TRUE(qtest::inproc_wait_for([] {
      XWindowAttributes wa;
      return Viewer_view_win && XGetWindowAttributes(Dpys[0], Viewer_view_win, &wa) &&
             wa.map_state == IsViewable;
    }));
    int count = 1, list[MAX_VIEWPORTS] = {0};
    current_selected_viewports(&count, list, 1);
    Viewport_current = 0;
    // The X-Z plane without a lock; look-at at the origin, look-from 5
    // away along +x+z.
    XtCallCallbacks(Viewer_xzaxis_tggl, XmNvalueChangedCallback, nullptr);
    XtCallCallbacks(Viewer_cntrl_menu[0].widget, XmNactivateCallback, nullptr);
    float at[3] = {0, 0, 0}, from[3] = {3, 0, 4};
    ASSERT_EQ(viewer_attr_updt(1, at, 1), 1);
    ASSERT_EQ(viewer_attr_updt(0, from, 1), 1);
    viewer_gwin_redraw();
    Real_pointer = Viewer_drag_pointer;
    Viewer_drag_pointer = counting_pointer;
  }
  void TearDown() override {
    if (Real_pointer) Viewer_drag_pointer = Real_pointer;
    qtest::xdotool({"mousemove", "0", "0"});
  }
  // Presses the first button on window pixel (column, row), moves the
  // pointer by (dx, dy) pixels (dy up) and lets go; the lines recorded.
  static std::string drag(float column, float row, int dx, int dy) {
    const int c = (int)std::lround(column), r = (int)std::lround(row);
    EXPECT_TRUE(qtest::xdotool(qtest::pointer_to(Dpys[0], Viewer_view_win, c, r)));
    qtest::inproc_wait_for([] { return false; }, 100);
    Reads = 0;
    std::atomic<bool> done{false};
    std::thread driver([c, r, dx, dy, &done] {
      qtest::xdotool({"mousedown", "1"});
      let_loop_read(3);
      qtest::xdotool(qtest::pointer_to(Dpys[0], Viewer_view_win, c + dx, r + dy));
      let_loop_read(4);
      qtest::xdotool({"mouseup", "1"});
      done = true;
    });
    std::string rec = qtest::recorded_lines([&done] {
      qtest::inproc_wait_for([&done] { return done.load(); }, 60000);
      qtest::inproc_wait_for([] { return false; }, 200);
    });
    driver.join();
    EXPECT_GT(Reads.load(), 0) << "the drag loop never ran";
    return rec;
  }
  static std::string drag_from(int dx, int dy) {
    return drag(Viewer_window.from_px, Viewer_window.from_py, dx, dy);
  }
};

TEST_F(ViewerSectionPointer, DistanceLockKeepsTheViewingDistance) {
  XtCallCallbacks(Viewer_cntrl_menu[1].widget, XmNactivateCallback, nullptr);  // "Distance"
  ASSERT_EQ(Viewer_window.lock, 1);
  const Viewer start = viewer();
  ASSERT_NEAR(start.distance, 5.0f, 1e-5f);
  const std::string rec = drag_from(10, 0);
  const Viewer v = viewer();
  EXPECT_NEAR(distance3(v.from, v.at), 5.0f, 1e-5f);
  EXPECT_GT(std::fabs(v.from[0] - start.from[0]), 0.1f);
  EXPECT_EQ(v.at[0], 0.0f);
  char want[160];
  snprintf(want, sizeof want,
           "view_transf: look_from %.4e %.4e %.4e\n"
           "view_transf: look_at 0.0000e+00 0.0000e+00 0.0000e+00\n",
           v.from[0], v.from[1], v.from[2]);
  EXPECT_EQ(rec, want);
  // The fields show the new look-from.
  char shown[32];
  snprintf(shown, sizeof shown, "%.4e", v.from[0]);
  EXPECT_EQ(qtest::xt_field_text(Viewer_fm_xtext), shown);
}

TEST_F(ViewerSectionPointer, TogetherLockKeepsDirectionAndDistance) {
  XtCallCallbacks(Viewer_cntrl_menu[2].widget, XmNactivateCallback, nullptr);  // "Together"
  const Viewer before = viewer();
  drag_from(-8, 6);
  const Viewer v = viewer();
  for (int i = 0; i < 3; i++)
    EXPECT_NEAR(v.from[i] - v.at[i], before.from[i] - before.at[i], 1e-4f) << i;
  EXPECT_GT(distance3(v.at, before.at), 0.1f);
}

TEST_F(ViewerSectionPointer, MovingUpInTheXZPlaneDecreasesZ) {
  const Viewer up = viewer();
  drag_from(0, 10);
  const Viewer v = viewer();
  EXPECT_LT(v.from[2], up.from[2] - 0.1f);
  EXPECT_NEAR(v.from[0], up.from[0], 0.05f);
  EXPECT_EQ(v.from[1], up.from[1]);
  EXPECT_EQ(v.at[2], up.at[2]);
}

TEST_F(ViewerSectionPointer, APressOnNeitherMarkerRecordsNothing) {
  const Viewer start = viewer();
  int w = 0, h = 0;
  ASSERT_EQ(viewer_area_windep(&w, &h), 1);
  // The corner farthest from both markers.
  const float c = Viewer_window.at_px < w / 2 && Viewer_window.from_px < w / 2 ? w - 3 : 2;
  const float r = Viewer_window.at_py < h / 2 && Viewer_window.from_py < h / 2 ? h - 3 : 2;
  ASSERT_GT(std::fabs(c - Viewer_window.from_px) + std::fabs(r - Viewer_window.from_py), 10.0f);
  EXPECT_EQ(drag(c, r, c > w / 2 ? -15 : 15, r > h / 2 ? -15 : 15), "");
  const Viewer v = viewer();
  for (int i = 0; i < 3; i++) {
    EXPECT_EQ(v.at[i], start.at[i]);
    EXPECT_EQ(v.from[i], start.from[i]);
  }
}

TEST_F(ViewerSectionPointer, TypedDistanceDoublesTheLookFromDistance) {
  const std::string rec =
      qtest::recorded_lines([] { qtest::xt_enter_text(Viewer_dist_text, "10"); });
  EXPECT_EQ(rec, "view_transf: distance 1.0000e+01\n");
  const Viewer v = viewer();
  EXPECT_NEAR(v.from[0], 6.0f, 1e-5f);
  EXPECT_NEAR(v.from[2], 8.0f, 1e-5f);
  EXPECT_EQ(v.at[0], 0.0f);
  EXPECT_EQ(qtest::xt_field_text(Viewer_dist_text), "1.0000e+01");
}

}  // namespace
