// A frame-local move on the screen: the mixed-element model read by the real
// stand-in server into the client's main window built in process, every
// part in a new frame, two viewports side by side.  Moving the frame in
// viewport 0 by a quarter of the model's width shifts the model's pixels to
// the right there and leaves viewport 1's picture as it was.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <vector>

#include "model_view.h"
#include "model_window_test.h"
#include "parts/attribute.h"
#include "parts/part_rebuild.h"
#include "parts/read.h"
#include "render/active.h"
#include "render/disobj.h"
#include "render/display.h"
#include "ui/graphics_windows.h"
#include "view/frames.h"
#include "view/viewports.h"

namespace {

class FrameLocalScreen : public qtest::ModelWindowTest {
 protected:
  FrameLocalScreen() { data_file_ = "/vtk/mixed_unit.vtk"; }
  void SetUp() override {
    qtest::ModelWindowTest::SetUp();
    if (HasFatalFailure()) return;
    Solidt = 0;
    reset_active_objects();
    for (int i = 0; i < Num_p_loaded; i++) {
      make_part(parts[i]->number);
      actobj(parts[i]->number);
    }
  }
  void TearDown() override {
    standard_viewport_layout(0);
    reset_active_objects();
    qtest::ModelWindowTest::TearDown();
    if (frame_ > 0) delete_local_ctm(frame_);
  }
  // The inside of viewport v (its border left out) in a picture of the
  // graphics window, whose lower-left corner is at (ox, oy) in the
  // viewports' pixel rectangles: the model's pixels (not black), their
  // count and mean x, and the pixels themselves.
  struct Region {
    long count = 0;
    double mean_x = 0;
    int min_x = 1 << 30, max_x = -1;
    std::vector<unsigned char> pixels;
  };
  static Region region(const std::vector<unsigned char> &rgb, int w, int ox, int oy, int v) {
    const Viewport_rec &r = Viewports[v];
    const int m = 4;
    Region out;
    for (int y = r.y0 - oy + m; y <= r.y1 - oy - m; y++)
      for (int x = r.x0 - ox + m; x <= r.x1 - ox - m; x++) {
        const unsigned char *p = &rgb[3 * ((size_t)y * w + x)];
        out.pixels.insert(out.pixels.end(), p, p + 3);
        if (p[0] + p[1] + p[2] < 30) continue;
        out.count++;
        out.mean_x += x;
        out.min_x = std::min(out.min_x, x);
        out.max_x = std::max(out.max_x, x);
      }
    if (out.count) out.mean_x /= out.count;
    return out;
  }
  int frame_ = -1;
};

TEST_F(FrameLocalScreen, AMoveInOneViewportLeavesTheOtherAlone) {
  ASSERT_GT(Num_p_loaded, 0);
  float lo = 1e30f, hi = -1e30f;
  std::vector<int> numbers;
  for (int i = 0; i < Num_p_loaded; i++) {
    numbers.push_back(parts[i]->number);
    for (int n = 1; n <= parts[i]->node_count; n++) {
      lo = std::min(lo, parts[i]->coords[n][0]);
      hi = std::max(hi, parts[i]->coords[n][0]);
    }
  }
  ASSERT_GT(hi, lo);
  float defaults[FRAME_ATTR_WORDS];
  frame_attributes(-1, defaults, nullptr, 0);
  frame_ = new_frame(defaults, "");
  ASSERT_GT(frame_, 0);
  ASSERT_EQ(assign_frame((int)numbers.size(), numbers.data(), frame_), 1);

  ASSERT_EQ(standard_viewport_layout(1), 1);  // "two_vertical"
  ASSERT_GE(Num_active_viewports, 2);
  for (int v : {0, 1}) {
    float a[VIEWPORT_ATTRS];
    char name[VIEWPORT_NAME_TEXT];
    viewport_attributes(v, a, name, 0, 0);
    a[VP_BACKGROUND_TYPE] = 2;
    a[VP_CONSTANT_RGB] = a[VP_CONSTANT_RGB + 1] = a[VP_CONSTANT_RGB + 2] = 0;
    viewport_attributes(v, a, name, 0, 1);
  }
  int x0, x1, y0, y1;
  grasal(&x0, &x1, &y0, &y1, 0, 0);
  const int w = x1 - x0 + 1, h = y1 - y0 + 1;
  viewports_display_all();
  const std::vector<unsigned char> before = qtest::graphics_window_pixels(w, h);
  Region left = region(before, w, x0, y0, 0), right = region(before, w, x0, y0, 1);
  ASSERT_GT(left.count, 100) << "the model shows in viewport 0";
  ASSERT_GT(right.count, 100) << "the model shows in viewport 1";

  Viewport_current = 0;
  const int list[1] = {frame_};
  local_trnvew(1, list, (hi - lo) / 4, 0, 0);
  viewports_display_all();
  const std::vector<unsigned char> after = qtest::graphics_window_pixels(w, h);
  Region moved = region(after, w, x0, y0, 0), kept = region(after, w, x0, y0, 1);

  // A quarter of the model's drawn width to the right, within a third.
  const double width = left.max_x - left.min_x, shift = moved.mean_x - left.mean_x;
  EXPECT_GT(shift, width / 4 * 2 / 3) << "mean x " << left.mean_x << " -> " << moved.mean_x;
  EXPECT_LT(shift, width / 4 * 4 / 3) << "mean x " << left.mean_x << " -> " << moved.mean_x;
  EXPECT_TRUE(kept.pixels == right.pixels) << "viewport 1 changed";
}

}  // namespace

