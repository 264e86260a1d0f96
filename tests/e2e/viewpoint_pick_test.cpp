// Picking the look-at point on the mixed model read by the real stand-in
// server, in process, with the real pointer placed through XTest: a pixel
// over the model moves the look-at onto the model keeping the viewing
// direction and distance, records the lines and clears the status area; a
// background pixel finds nothing and says so in the status area.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "client/command_dlog.h"
#include "client/screen.h"
#include "inproc_main_window.h"
#include "model_window_test.h"
#include "parts/read.h"
#include "record_capture.h"
#include "viewer_snapshot.h"
#include "render/active.h"
#include "render/display.h"
#include "view/observer.h"
#include "view/viewer_state.h"
#include "view/viewports.h"
#include "ui/general_windep.h"
#include "ui/graphics_windows.h"
#include "ui/interf_init.h"
#include "ui/main_window.h"
#include "xtest_pointer.h"

namespace {

// Puts the pointer on pixel (x, y up) of display 0's graphics window.
void pointer_at(int x, int y) {
  ASSERT_TRUE(qtest::xdotool(qtest::pointer_to(Dpys[0], Gwxmain[0], x, y)));
  int px = -1, py = -1;
  ASSERT_TRUE(qtest::inproc_wait_for([&] {
    return viewer_pointer_windep(&px, &py) == 1 && px == x && py == y;
  }));
}

// The pixels of the main window's status area as the X server shows them.
std::vector<unsigned long> status_area() {
  Window win = XtWindow(Main_status);
  XWindowAttributes wa;
  XGetWindowAttributes(Dpys[0], win, &wa);
  XImage *img = XGetImage(Dpys[0], win, 0, 0, wa.width, wa.height, AllPlanes, ZPixmap);
  std::vector<unsigned long> px;
  for (int y = 0; y < wa.height; y++)
    for (int x = 0; x < wa.width; x++) px.push_back(XGetPixel(img, x, y));
  XDestroyImage(img);
  return px;
}

// The status area with text drawn by the status line's own drawer.
std::vector<unsigned long> status_area_showing(const char *text) {
  set_working(text);
  std::vector<unsigned long> px = status_area();
  unset_working();
  return px;
}

using Viewer = qtest::ViewerSnapshot;
Viewer viewer() { return qtest::viewer_snapshot(); }

class ViewpointPick : public qtest::ModelWindowTest {
 protected:
  void SetUp() override {
    qtest::ModelWindowTest::SetUp();
    if (HasFatalFailure()) return;
    for (int k = 0; k < 3; k++) lo_[k] = 1e30f, hi_[k] = -1e30f;
    reset_active_objects();
    for (int i = 0; i < Num_p_loaded; i++) {
      const Part_rec *p = parts[i];
      actobj(p->number);
      lo_[0] = std::min(lo_[0], p->xmin), hi_[0] = std::max(hi_[0], p->xmax);
      lo_[1] = std::min(lo_[1], p->ymin), hi_[1] = std::max(hi_[1], p->ymax);
      lo_[2] = std::min(lo_[2], p->zmin), hi_[2] = std::max(hi_[2], p->zmax);
    }
    // The model fills the middle of the view, with room around it.
    float box[6];
    for (int k = 0; k < 3; k++) {
      const float half = hi_[k] - lo_[k];
      box[2 * k] = (lo_[k] + hi_[k]) / 2 - half;
      box[2 * k + 1] = (lo_[k] + hi_[k]) / 2 + half;
    }
    intvew(box[0], box[1], box[2], box[3], box[4], box[5]);
    int count = 1, list[MAX_VIEWPORTS] = {0};
    current_selected_viewports(&count, list, 1);
    Viewport_current = 0;
    ASSERT_NE(viewer_pointer_windep, nullptr);
    int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    grasal(&x0, &x1, &y0, &y1, 0, 0);
    w_ = x1 - x0 + 1;
    h_ = y1 - y0 + 1;
    What_trans = 0;
  }
  void TearDown() override {
    qtest::xdotool({"mousemove", "0", "0"});
    reset_active_objects();
    qtest::ModelWindowTest::TearDown();
  }
  float lo_[3], hi_[3];
  int w_ = 0, h_ = 0;
};

TEST_F(ViewpointPick, AModelPixelBecomesTheLookAtPoint) {
  ASSERT_GT(w_, 10);
  const Viewer start = viewer();
  pointer_at(w_ / 2, h_ / 2);
  unset_working_cursor();
  const std::vector<unsigned long> blank = status_area();
  set_working_cursor("**Working**");
  int found = -1;
  const std::string rec = qtest::recorded_lines([&] { found = click_and_set_viewpoint(); });
  ASSERT_EQ(found, 1);
  const Viewer v = viewer();
  const float slack = 1e-3f * (hi_[0] - lo_[0] + hi_[1] - lo_[1] + hi_[2] - lo_[2]);
  for (int k = 0; k < 3; k++) {
    EXPECT_GE(v.at[k], lo_[k] - slack) << k;
    EXPECT_LE(v.at[k], hi_[k] + slack) << k;
  }
  EXPECT_NEAR(v.distance, start.distance, 1e-4f * start.distance);
  for (int k = 0; k < 3; k++)
    EXPECT_NEAR((v.from[k] - v.at[k]) / v.distance, (start.from[k] - start.at[k]) / start.distance,
                1e-4f)
        << k;
  // The initial view is the new one.
  float oat[3], ofrom[3];
  original_view(oat, ofrom, 0);
  for (int k = 0; k < 3; k++) EXPECT_EQ(oat[k], v.at[k]);
  char expected[200];
  snprintf(expected, sizeof expected,
           "view_transf: look_from %f %f %f\nview_transf: look_at %f %f %f\n"
           "view_transf: function global\n",
           v.from[0], v.from[1], v.from[2], v.at[0], v.at[1], v.at[2]);
  EXPECT_EQ(rec, expected);
  EXPECT_EQ(status_area(), blank) << "the status area is cleared";
}

TEST_F(ViewpointPick, ABackgroundPixelFindsNothing) {
  const Viewer start = viewer();
  pointer_at(1, 1);
  unset_working_cursor();
  const std::vector<unsigned long> blank = status_area();
  int found = -1;
  const std::string rec = qtest::recorded_lines([&] { found = click_and_set_viewpoint(); });
  EXPECT_EQ(found, 0);
  EXPECT_EQ(rec, "");
  const Viewer v = viewer();
  for (int k = 0; k < 3; k++) EXPECT_EQ(v.at[k], start.at[k]);
  const std::vector<unsigned long> shown = status_area();
  EXPECT_NE(shown, blank) << "nothing in the status area";
  EXPECT_EQ(shown, status_area_showing("**No Point Found**"));
  unset_working_cursor();
}

}  // namespace
