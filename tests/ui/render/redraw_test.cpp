// The redraw driver under private X servers: what each variant draws,
// erases and swaps (the part passes, the swap and the mode screens replaced
// by recorders; the viewport backgrounds real), the stereo frusta, the
// rubber band and two displays.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "client/cmd_play.h"
#include "client/interf_settings.h"
#include "client/screen.h"
#include "gl_window_suite.h"
#include "interact/movmnt.h"
#include "interact/stereo.h"
#include "render/disobj.h"
#include "render/display.h"
#include "view/viewer_state.h"
#include "view/viewports.h"

namespace {

const int Size = 64;

// What the recorders saw, one word per call in order: "d1" disobj type 1,
// "h" hidden line, "s" swap, "m4" mode screen 4.
std::vector<std::string> Seen;
// Per part-pass call: the display current and Box_mode_always.
std::vector<std::pair<int, int>> Box_seen;
// Projection and model-view at each part pass.
std::vector<std::vector<float>> Projections, Modelviews;

void record_disobj(int type, int) {
  Seen.push_back("d" + std::to_string(type));
  Box_seen.push_back({Dpy_current, Box_mode_always});
  std::vector<float> p(16), m(16);
  glGetFloatv(GL_PROJECTION_MATRIX, p.data());
  glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
  Projections.push_back(p);
  Modelviews.push_back(m);
}
void record_hidden() { Seen.push_back("h"); }
void record_swap() { Seen.push_back("s"); }
void record_plotter() { Seen.push_back("m4"); }
void record_annotation() { Seen.push_back("m3"); }
void record_viewport() { Seen.push_back("m5"); }

const Redraw_calls Recorders = {record_disobj,  record_hidden,     nullptr,
                                record_swap,    nullptr,           record_plotter,
                                record_annotation, record_viewport};

// Viewport v over the fractions given, constant colour rgb, in use.
void viewport(int v, float x, float y, float w, float h, const float rgb[3]) {
  float *a = Viewports[v].attributes;
  a[VP_ORIGIN_X] = x;
  a[VP_ORIGIN_Y] = y;
  a[VP_WIDTH] = w;
  a[VP_HEIGHT] = h;
  a[VP_BACKGROUND_TYPE] = 2;
  a[VP_VISIBLE] = 1;
  memcpy(&a[VP_CONSTANT_RGB], rgb, 3 * sizeof(float));
  Viewports[v].in_use = 1;
  viewport_pixel_rectangle(v);
}

const float Red[3] = {1, 0, 0}, Green[3] = {0, 1, 0}, Blue[3] = {0, 0, 1};

class Redraw : public qtest::GlWindowSuite<Size, Size> {
 protected:
  void SetUp() override {
    GlWindowSuite::SetUp();
    if (HasFatalFailure()) return;
    qtest::install_gl_window_screen({window_.get()});
    Dpy_cnt = 1;
    Dpy_current = 0;
    int x0 = 0, x1 = Size - 1, y0 = 0, y1 = Size - 1;
    grasal(&x0, &x1, &y0, &y1, 0, 1);
    global_init_viewports();
    viewport(0, 0, 0, 1, 1, Red);
    Viewport_current = 0;
    Use_stencil_buffer = 1;
    Num_viewports_overlapping = 0;
    Floating_z_planes = 0;
    Play_file_no_update = 0;
    Current_mode = 1;
    Stereo_mode = 0;
    Hlinet = 0;
    Seen.clear();
    Box_seen.clear();
    Projections.clear();
    Modelviews.clear();
    redraw_calls(&Recorders);
    fix_up_viewport(1);
    paint_black();
  }
  void TearDown() override {
    redraw_calls(nullptr);
    Play_file_no_update = 0;
    Current_mode = 1;
    Stereo_mode = 0;
    Use_stencil_buffer = 1;
    Num_viewports_overlapping = 0;
    global_init_viewports();
    qtest::install_gl_window_screen({});
  }
  static void paint_black() {
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  }
  // Bottom 0 (whole window, red), middle 1 (green), top 2 (blue)
  // overlapping it, the stencil buffer off, `current` current and set up.
  static void three_stacked_viewports(int current) {
    viewport(1, 0.25f, 0.25f, 0.5f, 0.5f, Green);
    viewport(2, 0.5f, 0.5f, 0.5f, 0.5f, Blue);
    const int order[3] = {0, 1, 2};
    memcpy(Viewport_display_order, order, sizeof order);
    Num_active_viewports = 3;
    Num_viewports_overlapping = 2;
    Use_stencil_buffer = 0;
    Viewport_current = current;
    fix_up_viewport(1);
  }
  static std::vector<unsigned char> pixels() {
    glFinish();
    return window_->pixels();
  }
  static bool pixel_is(const std::vector<unsigned char> &rgb, int x, int y, const float c[3]) {
    const unsigned char *p = &rgb[3 * (y * Size + x)];
    for (int i = 0; i < 3; i++)
      if (p[i] != (unsigned char)lroundf(c[i] * 255)) return false;
    return true;
  }
};

const float Black[3] = {0, 0, 0};

TEST_F(Redraw, NothingIsDrawnOrSwappedWhilePlaybackDefersRefresh) {
  Play_file_no_update = 1;
  const float m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  const float at[3] = {0, 0, 0}, from[3] = {0, 0, 10};
  display_all();
  display_all_stereo(at, from, 10, m, m, 14);
  display_all_rubber_band(1, 1, 20, 20, 102);
  noswap_display_all(4);
  EXPECT_TRUE(Seen.empty());
  EXPECT_TRUE(pixel_is(pixels(), 32, 32, Black));
}

TEST_F(Redraw, ModeScreensAreDrawnAlone) {
  const struct {
    int mode;
    const char *screen;
  } cases[] = {{3, "m3"}, {4, "m4"}, {5, "m5"}};
  for (const auto &c : cases) {
    Seen.clear();
    Current_mode = c.mode;
    Last_current_mode = c.mode;
    display_all();
    EXPECT_EQ(Seen, std::vector<std::string>{c.screen}) << "mode " << c.mode;
    EXPECT_EQ(Last_current_mode, -1);
  }
  EXPECT_TRUE(pixel_is(pixels(), 32, 32, Black)) << "not even the background";
}

TEST_F(Redraw, OnePassOfEachKindInOrderThenTheSwap) {
  display_all();
  EXPECT_EQ(Seen, (std::vector<std::string>{"d1", "d3", "s"}));
  EXPECT_TRUE(pixel_is(pixels(), 32, 32, Red)) << "the viewport's background";
  Seen.clear();
  Hlinet = 1;
  display_all();
  Hlinet = 0;
  EXPECT_EQ(Seen, (std::vector<std::string>{"h", "s"})) << "hidden line: no transparent pass";
}

TEST_F(Redraw, AnInvisibleViewportZeroIsStillErasedAnotherIsLeftAlone) {
  Viewports[0].attributes[VP_VISIBLE] = 0;
  display_all();
  EXPECT_EQ(Seen, std::vector<std::string>{"s"}) << "no part pass";
  EXPECT_TRUE(pixel_is(pixels(), 32, 32, Red)) << "erased to its background";

  viewport(1, 0.5f, 0.5f, 0.5f, 0.5f, Green);
  Viewport_display_order[1] = 1;
  Num_active_viewports = 2;
  Viewports[1].attributes[VP_VISIBLE] = 0;
  Viewport_current = 1;
  fix_up_viewport(1);
  paint_black();
  Seen.clear();
  display_all();
  EXPECT_EQ(Seen, std::vector<std::string>{"s"});
  auto rgb = pixels();
  EXPECT_TRUE(pixel_is(rgb, 48, 48, Black)) << "viewport 1 untouched";
  EXPECT_TRUE(pixel_is(rgb, 16, 16, Black)) << "viewport 0 not drawn either";
}

TEST_F(Redraw, WithoutTheStencilTheCurrentAndTheViewportsAboveItAreRedrawn) {
  three_stacked_viewports(1);
  Resort_transparent = 0;
  display_all();
  auto rgb = pixels();
  EXPECT_TRUE(pixel_is(rgb, 5, 5, Black)) << "the bottom viewport is left as it was";
  EXPECT_TRUE(pixel_is(rgb, 24, 24, Green)) << "the middle one";
  EXPECT_TRUE(pixel_is(rgb, 40, 40, Blue)) << "the top one, drawn after the middle one";
  EXPECT_TRUE(pixel_is(rgb, 56, 56, Blue));
  EXPECT_EQ(Viewport_current, 1) << "the current viewport is the same afterwards";
  EXPECT_EQ(Resort_transparent, 1);
  EXPECT_EQ(Seen, (std::vector<std::string>{"d1", "d3", "d1", "d3", "s"}));
  GLint vp[4];
  glGetIntegerv(GL_VIEWPORT, vp);
  EXPECT_EQ(vp[0], 16) << "the current viewport's GL viewport is back";
  EXPECT_EQ(vp[2], 32);
}

TEST_F(Redraw, ARubberBandWithoutTheStencilStartsAtTheCurrentViewportsPlace) {
  // The current viewport on top of two others: the ones below it keep
  // what they show.
  three_stacked_viewports(2);
  display_all_rubber_band(40, 40, 50, 50, 102);
  auto rgb = pixels();
  EXPECT_TRUE(pixel_is(rgb, 24, 24, Black)) << "the middle viewport is not redrawn";
  EXPECT_TRUE(pixel_is(rgb, 5, 5, Black)) << "nor the bottom one";
  EXPECT_TRUE(pixel_is(rgb, 36, 36, Blue)) << "the current one is";
  EXPECT_EQ(Viewport_current, 2);
  EXPECT_EQ(Seen, (std::vector<std::string>{"d1", "d3", "s"}));
}

TEST_F(Redraw, TheNoSwapRedrawBlendsTransparentElementsOnceAndNeverSwaps) {
  noswap_display_all(4);
  EXPECT_EQ(Seen, std::vector<std::string>{"d4"}) << "type 4 holds the transparent pass";
  Seen.clear();
  noswap_display_all(1);
  EXPECT_EQ(Seen, (std::vector<std::string>{"d1", "d3"}));
  Seen.clear();
  Hlinet = 1;
  noswap_display_all(4);
  Hlinet = 0;
  EXPECT_EQ(Seen, std::vector<std::string>{"h"});
}

TEST_F(Redraw, ARubberBandOfTheViewportsAspectDraggedUpwardHasNegativeHeight) {
  // A viewport twice as wide as high: the band's height is half its width.
  viewport(0, 0, 0, 1, 0.5f, Red);
  fix_up_viewport(1);
  EXPECT_EQ(rubber_band_height(10, 20, 30, 5, 5), -10);
  EXPECT_EQ(rubber_band_height(10, 5, 30, 20, 5), 10);
  EXPECT_EQ(rubber_band_height(10, 20, 30, 5, 102), -15) << "a free rectangle follows the pointer";
  display_all_rubber_band(30, 20, 10, 5, 5);
  EXPECT_EQ(Seen.back(), "s");
  auto rgb = pixels();
  const float white[3] = {1, 1, 1};
  EXPECT_TRUE(pixel_is(rgb, 20, 20, white) || pixel_is(rgb, 20, 19, white)) << "top edge";
  EXPECT_TRUE(pixel_is(rgb, 20, 10, white) || pixel_is(rgb, 20, 9, white))
      << "bottom edge at 20 - 10";
  EXPECT_TRUE(pixel_is(rgb, 20, 15, Red)) << "inside the band the scene shows";
}

TEST_F(Redraw, StereoEyesHaveOffAxisFrusta) {
  float front = 1, back = 100;
  zclipp_locat(&front, &back, 1);
  Stereo_offset = 10;
  Stereo_in_window = 0;
  Stereo_xres = Size;
  Stereo_yres = Size;
  float view[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0.5f, 0, -10, 1};
  const float ctm[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  const float at[3] = {0, 0, 0}, from[3] = {0, 0, 10};
  display_all_stereo(at, from, 10, ctm, view, 14);
  ASSERT_EQ(Projections.size(), 4u) << "opaque and transparent pass per eye";
  // glFrustum: P[0] = 2n / (r - l), P[8] = (r + l) / (r - l).
  auto bounds = [](const std::vector<float> &p, float *l, float *r) {
    const float width = 2 * 1.0f / p[0], sum = p[8] * width;
    *l = (sum - width) / 2;
    *r = (sum + width) / 2;
  };
  float l, r;
  bounds(Projections[0], &l, &r);
  EXPECT_NEAR(l, -0.23686f, 1e-5) << "left eye";
  EXPECT_NEAR(r, 0.26179f, 1e-5);
  EXPECT_NEAR(Modelviews[0][12] - 0.5f, 0.12466f, 1e-5) << "left eye's view moved in x";
  bounds(Projections[2], &l, &r);
  EXPECT_NEAR(l, -0.26179f, 1e-5) << "right eye";
  EXPECT_NEAR(r, 0.23686f, 1e-5);
  EXPECT_NEAR(Modelviews[2][12] - 0.5f, -0.12466f, 1e-5);
  std::vector<float> now(16);
  glGetFloatv(GL_PROJECTION_MATRIX, now.data());
  bounds(now, &l, &r);
  EXPECT_NEAR(l, -0.26179f, 1e-5) << "the right eye's projection stays";
  EXPECT_NEAR(Stereo_left, -0.26179f, 1e-5);
  EXPECT_NEAR(Stereo_right, 0.23686f, 1e-5);
  EXPECT_NEAR(Stereo_eye, 0.24933f / 2, 1e-5);
  EXPECT_EQ(std::count(Seen.begin(), Seen.end(), "s"), 1) << "one swap per display";

  Stereo_xres = 300;
  set_stereo_viewport();
  GLint vp[4];
  glGetIntegerv(GL_VIEWPORT, vp);
  EXPECT_EQ(vp[2], 300);
  EXPECT_EQ(vp[3], 491) << "the full-screen stereo field";
}

TEST(RedrawTwoDisplays, DisplayZeroDrawsBoxesAndDisplayOneTheParts) {
  qtest::Xvfb x0, x1;
  ASSERT_TRUE(x0.ok() && x1.ok());
  qtest::GlWindow w0(x0.display(), 32, 32), w1(x1.display(), 32, 32);
  ASSERT_TRUE(w0.ok() && w1.ok());
  qtest::install_gl_window_screen({&w0, &w1});
  Dpy_cnt = 2;
  Dpy_current = 0;
  for (int d : {0, 1}) {
    int a = 0, b = 31, c = 0, e = 31;
    grasal(&a, &b, &c, &e, d, 1);
  }
  global_init_viewports();
  Floating_z_planes = 0;
  Box_mode_always = 0;
  Box_seen.clear();
  redraw_calls(&Recorders);
  display_all();
  redraw_calls(nullptr);
  const std::vector<std::pair<int, int>> want = {{0, 1}, {0, 1}, {1, 0}, {1, 0}};
  EXPECT_EQ(Box_seen, want) << "display 0 in box mode, display 1 in full";
  EXPECT_EQ(Box_mode_always, 0) << "unchanged afterwards";
  EXPECT_EQ(Dpy_current, 0) << "display 0 current again";
  Dpy_cnt = 1;
  qtest::install_gl_window_screen({});
}

}  // namespace
