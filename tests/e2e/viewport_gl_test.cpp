// The viewports' OpenGL set-up read back from the real main window, built in
// this process on the test's X server: the initial view of the first
// expose, the perspective and orthographic projections, the viewports of a
// layout before and after the window changes size, degenerate sizes and the
// full-screen stereo field.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <X11/Intrinsic.h>
#include <X11/StringDefs.h>

#include <cmath>

#include "client/interf_settings.h"
#include "client/screen.h"
#include "inproc_main_window.h"
#include "interact/stereo.h"
#include "render/display.h"
#include "ui/graphics_windows.h"
#include "ui/interf_init.h"
#include "ui/screen_query.h"
#include "view/observer.h"
#include "view/viewer_state.h"
#include "view/viewports.h"

namespace {

const double Rad = 3.14159265358979323846 / 180.0;

// The main graphics window up, its context current.
bool main_gl_ready() {
  if (!qtest::inproc_main_window()) return false;
  if (!qtest::inproc_wait_for([] { return Gwin_first_exposed[0] == 1; }, 10000)) return false;
  int code = 0, dpy = 0;
  gwin_gl_curwin(&code, 1, &dpy);
  return gwin_gl_ready() == 1;
}

void window_size(int *w, int *h) {
  XWindowAttributes wa;
  XGetWindowAttributes(Dpys[0], XtWindow(Gwxwidget[0]), &wa);
  *w = wa.width;
  *h = wa.height;
}

void expect_matrix(GLenum which, const double expected[16], double tol, const char *what) {
  float m[16];
  glGetFloatv(which, m);
  for (int i = 0; i < 16; i++) EXPECT_NEAR(m[i], expected[i], tol) << what << " element " << i;
}

void expect_viewport(int x, int y, int w, int h, const char *what) {
  GLint vp[4];
  glGetIntegerv(GL_VIEWPORT, vp);
  EXPECT_EQ(vp[0], x) << what;
  EXPECT_EQ(vp[1], y) << what;
  EXPECT_EQ(vp[2], w) << what;
  EXPECT_EQ(vp[3], h) << what;
}

TEST(ViewportGl, FirstExposeSetsTheInitialViewAndItsProjections) {
  ASSERT_TRUE(main_gl_ready());
  Viewport_current = 0;
  float at[3], from[3], view[16], D, front, back, angle;
  view_param(at, from, view, &D, 0);
  zclipp_locat(&front, &back, 0);
  perspective_angle(&angle, 0);
  EXPECT_FLOAT_EQ(D, 6.183682f);
  EXPECT_EQ(from[0], 0.0f);
  EXPECT_EQ(from[1], 0.0f);
  EXPECT_FLOAT_EQ(from[2], 6.183682f);
  EXPECT_FLOAT_EQ(front, 2.0f);
  EXPECT_FLOAT_EQ(back, 26.183681f);
  EXPECT_EQ(angle, 14.0f);
  EXPECT_FLOAT_EQ((float)(2.0 * D * std::tan(angle * Rad)), 3.0835302f);
  EXPECT_FLOAT_EQ(Viewer_window.sensitivity, 0.0925059f);
  EXPECT_EQ(Viewports[0].selected, 1);
  EXPECT_EQ(Viewports[0].attributes[VP_BLEND_LEVELS], 3.0f);
  EXPECT_EQ(Viewports[0].attributes[VP_BLEND_RGB + 5], 0.3f);  // level 2 blue
  EXPECT_EQ(Viewports[0].attributes[VP_BLEND_RGB + 8], 0.6f);  // level 3 blue
  EXPECT_EQ(Viewports[0].attributes[VP_BLEND_POSITION + 1], 0.5f);

  int w, h;
  window_size(&w, &h);
  double aspect = (double)w / h, n = 2.0, f = 26.183681;
  fix_up_viewport(1);
  double cot = 1.0 / std::tan(14.0 * Rad);
  const double perspective[16] = {cot / aspect, 0, 0, 0, 0, cot, 0, 0,
                                  0, 0, (f + n) / (n - f), -1, 0, 0, 2 * f * n / (n - f), 0};
  expect_matrix(GL_PROJECTION_MATRIX, perspective, 1e-4, "28-degree perspective");
  const double moved[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, -6.183682, 1};
  expect_matrix(GL_MODELVIEW_MATRIX, moved, 1e-5, "model-view");
  expect_viewport(0, 0, w, h, "whole window");

  Viewports[0].attributes[VP_PERSPECTIVE] = 0.0f;
  fix_up_viewport(1);
  double half = 6.183682 * std::tan(14.0 * Rad);
  const double ortho[16] = {1 / half, 0, 0, 0, 0, aspect / half, 0, 0,
                            0, 0, -2 / (f - n), 0, 0, 0, -(f + n) / (f - n), 1};
  expect_matrix(GL_PROJECTION_MATRIX, ortho, 1e-4, "orthographic box");
  Viewports[0].attributes[VP_PERSPECTIVE] = 1.0f;
}

// The GL viewport of every viewport of a layout is its truncated share of
// the window.
void expect_layout_viewports(const char *what) {
  int W, H;
  window_size(&W, &H);
  for (int v = 0; v < 4; v++) {
    const float *a = Viewports[v].attributes;
    Viewport_current = v;
    fix_up_viewport(1);
    expect_viewport((int)(a[VP_ORIGIN_X] * W), (int)(a[VP_ORIGIN_Y] * H),
                    (int)(a[VP_WIDTH] * W), (int)(a[VP_HEIGHT] * H), what);
  }
}

TEST(ViewportGl, FourEqualViewportsFollowTheWindowSize) {
  ASSERT_TRUE(main_gl_ready());
  ASSERT_EQ(standard_viewport_layout(3), 1);
  int count = 0, list[MAX_VIEWPORTS];
  current_selected_viewports(&count, list, 0);
  EXPECT_EQ(count, 1);
  expect_layout_viewports("four_equal");

  int W, H;
  window_size(&W, &H);
  Dimension sw = 0, sh = 0;
  XtVaGetValues(Main_win[0], XtNwidth, &sw, XtNheight, &sh, nullptr);
  XtVaSetValues(Main_win[0], XtNwidth, sw + 101, XtNheight, sh + 37, nullptr);
  ASSERT_TRUE(qtest::inproc_wait_for([&] {
    int w, h;
    window_size(&w, &h);
    int x0, x1, y0, y1;
    grasal(&x0, &x1, &y0, &y1, 0, 0);
    return w != W && x1 - x0 + 1 == w && y1 - y0 + 1 == h;
  }));
  int code = 0, dpy = 0;
  gwin_gl_curwin(&code, 1, &dpy);
  expect_layout_viewports("four_equal after a resize");
}

TEST(ViewportGl, DegenerateViewportKeepsFiniteMatrices) {
  ASSERT_TRUE(main_gl_ready());
  ASSERT_EQ(make_new_viewport(), 1);
  int v = Viewport_current;
  Viewports[v].attributes[VP_HEIGHT] = 0.0005f;
  viewport_pixel_rectangle(v);
  for (float perspective : {1.0f, 0.0f}) {
    Viewports[v].attributes[VP_PERSPECTIVE] = perspective;
    float at[3], from[3], view[16], D, id[16], out[16];
    view_param(at, from, view, &D, 0);
    int4x4(id);
    vewvew(at, from, &D, id, out);
    fix_up_viewport(1);
    float p[16], m[16];
    glGetFloatv(GL_PROJECTION_MATRIX, p);
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    for (int i = 0; i < 16; i++) {
      EXPECT_TRUE(std::isfinite(p[i])) << "projection " << i << " perspective " << perspective;
      EXPECT_TRUE(std::isfinite(m[i])) << "model-view " << i;
    }
    GLint box[4];
    glGetIntegerv(GL_VIEWPORT, box);
    EXPECT_EQ(box[3], 1);
  }
}

TEST(ViewportGl, FullScreenStereoUsesTheStereoField) {
  ASSERT_TRUE(main_gl_ready());
  float *a = Viewports[0].attributes;
  a[VP_ORIGIN_X] = 0.25f;
  a[VP_ORIGIN_Y] = 0.5f;
  a[VP_WIDTH] = 0.5f;
  a[VP_HEIGHT] = 0.3f;
  Stereo_mode = 1;
  Stereo_in_window = 0;
  Viewport_current = 0;
  fix_up_viewport(1);
  int sw = 0, sh = 0;
  get_x_screensize(&sw, &sh, 0);
  expect_viewport((int)(0.25f * sw), (int)(0.5f * 491.0f), (int)(0.5f * sw), (int)(0.3f * 491.0f),
                  "stereo field");
  Stereo_mode = 0;
}

}  // namespace
