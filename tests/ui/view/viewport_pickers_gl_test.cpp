// The small viewport windows read back from a window of a private X server:
// a part visibility picker outlines each visible viewport green or red by
// the mask it shows and leaves hidden ones out; the background colour
// editor shows a constant background flat and a blend as bands with its
// level markers.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <memory>
#include <vector>

#include "client/cases.h"
#include "gl_window.h"
#include "gl_window_suite.h"
#include "harness.h"
#include "interact/movmnt.h"
#include "render/disobj.h"
#include "render/display.h"
#include "view/background_editor.h"
#include "view/viewport_background.h"
#include "view/viewport_part_vis.h"
#include "view/viewport_select.h"
#include "view/viewports.h"

namespace {

const int W = 100, H = 80;

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb &o) const { return r == o.r && g == o.g && b == o.b; }
};
std::ostream &operator<<(std::ostream &os, const Rgb &c) {
  return os << "(" << c.r << "," << c.g << "," << c.b << ")";
}

int window_size(int, int *w, int *h) {
  *w = W, *h = H;
  return 1;
}
int editor_size(int *w, int *h) {
  *w = W, *h = H;
  return 1;
}

class SmallViewportWindows : public qtest::GlWindowSuite<W, H> {
 protected:
  void SetUp() override {
    GlWindowSuite::SetUp();
    if (HasFatalFailure()) return;
    // Every window code draws into the one test window; no swap, so that
    // the back buffer keeps the picture.
    qtest::install_gl_window_screen({window_.get()}, false);
    window_->make_current();
    int x0 = 0, x1 = W - 1, y0 = 0, y1 = H - 1;
    grasal(&x0, &x1, &y0, &y1, 0, 1);
    global_init_viewports();
    for (int k = 0; k < 3; k++) ASSERT_EQ(make_new_viewport(), 1);
    place(1, 0.1f, 0.1f, 0.3f, 0.8f);  // pixels 10..40 x 8..72
    place(2, 0.5f, 0.2f, 0.3f, 0.5f);  // pixels 50..80 x 16..56
    place(3, 0.85f, 0.85f, 0.1f, 0.1f);
    Viewports[3].attributes[VP_VISIBLE] = 0.0f;
    Viewports[0].attributes[VP_VISIBLE] = 0.0f;
    // A small window's own context covers it whole; the redraws above left
    // the test window's set to a viewport.
    glViewport(0, 0, W, H);
  }
  void TearDown() override {
    Viewport_chooser_windep = {};
    Background_editor_windep = {};
    qtest::install_gl_window_screen({});
  }
  static void place(int v, float x, float y, float w, float h) {
    float *a = Viewports[v].attributes;
    a[VP_ORIGIN_X] = x, a[VP_ORIGIN_Y] = y, a[VP_WIDTH] = w, a[VP_HEIGHT] = h;
  }
  static Rgb at(const std::vector<unsigned char> &px, int x, int y) {
    const unsigned char *p = &px[3 * (y * W + x)];
    return {p[0], p[1], p[2]};
  }
};

const Rgb Black{0, 0, 0}, Green{0, 255, 0}, Red{255, 0, 0}, White{255, 255, 255};

TEST_F(SmallViewportWindows, PickerOutlinesByTheMaskShownAndLeavesHiddenViewportsOut) {
  Viewport_chooser_windep.size = window_size;
  int mask = 0xFFFF & ~(1 << 2);
  wrking_part_vewport_vis_atribt(&mask, 1);
  draw_part_viewport_vis_gl(4);
  std::vector<unsigned char> px = window_->pixels();
  EXPECT_EQ(at(px, 10, 40), Green) << "viewport 1 shown";
  EXPECT_EQ(at(px, 50, 30), Red) << "viewport 2 left out";
  EXPECT_EQ(at(px, 65, 30), Black) << "inside viewport 2";
  EXPECT_EQ(at(px, 85, 76), Black) << "the hidden viewport 3";

  int case_mask = 0xFFFF & ~(1 << 1);
  parts_visible_by_case(Case_num, &case_mask, 1);
  draw_part_viewport_vis_gl(14);
  px = window_->pixels();
  EXPECT_EQ(at(px, 10, 40), Red) << "the case picker shows the case's mask";
  EXPECT_EQ(at(px, 50, 30), Green);
  int all = 0xFFFF;
  parts_visible_by_case(Case_num, &all, 1);
}

TEST_F(SmallViewportWindows, BackgroundEditorShowsConstantFlatAndBlendBandsWithMarkers) {
  Background_editor_windep.size = editor_size;
  int n = 1, list[MAX_VIEWPORTS] = {1};
  current_selected_viewports(&n, list, 1);
  float *a = Viewports[1].attributes;
  a[VP_BACKGROUND_TYPE] = 2;
  a[VP_CONSTANT_RGB] = 1, a[VP_CONSTANT_RGB + 1] = 0, a[VP_CONSTANT_RGB + 2] = 0;
  draw_background_editor();
  std::vector<unsigned char> px = window_->pixels();
  EXPECT_EQ(at(px, 35, 40), Red) << "the constant colour fills the bar";
  EXPECT_EQ(at(px, 3, 40), White) << "the outline";
  EXPECT_EQ(at(px, 90, 40), Black) << "right of the bar";

  // Three levels: blue at 0, green at 0.5, red at 1; level 2 edited.
  a[VP_BACKGROUND_TYPE] = 3;
  a[VP_BLEND_LEVELS] = 3;
  const float rgb[9] = {0, 0, 1, 0, 1, 0, 1, 0, 0};
  for (int k = 0; k < 9; k++) a[VP_BLEND_RGB + k] = rgb[k];
  a[VP_BLEND_POSITION] = 0, a[VP_BLEND_POSITION + 1] = 0.5f, a[VP_BLEND_POSITION + 2] = 1;
  Viewports[1].blend_edit_level = 1;
  draw_background_editor();
  px = window_->pixels();
  const int y_mid = (int)(0.5f * (H - 15) + 8);  // level 2's height
  EXPECT_EQ(at(px, 35, y_mid), Green) << "level 2's colour at its position";
  Rgb low = at(px, 35, 10), high = at(px, 35, H - 10);
  EXPECT_GT(low.b, 200) << low;
  EXPECT_GT(high.r, 200) << high;
  float picked[3];
  get_picked_color(picked);
  const Rgb marker = at(px, W - 24, y_mid);
  EXPECT_EQ(marker, (Rgb{(int)(picked[0] * 255 + 0.5f), (int)(picked[1] * 255 + 0.5f),
                         (int)(picked[2] * 255 + 0.5f)}))
      << "the edit level's marker in the picked colour";
  EXPECT_EQ(at(px, W - 24, 8), White) << "level 1's marker";

  a[VP_BACKGROUND_TYPE] = 0;
  draw_background_editor();
  px = window_->pixels();
  EXPECT_EQ(at(px, 35, 40), Black) << "a transparent background shows nothing";
}

}  // namespace
