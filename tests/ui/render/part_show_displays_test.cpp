// The main windows' context copy with two graphics displays on two private
// X servers: each display gets viewport 0's projection for its own size and
// the scene's lights, the previously current display ends current, and the
// part-show copy does nothing while that window does not exist.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>

#include "client/interf_settings.h"
#include "client/screen.h"
#include "gl_window.h"
#include "harness.h"
#include "render/display.h"
#include "render/part_services.h"
#include "render/part_show.h"
#include "view/viewer_state.h"
#include "view/viewports.h"

namespace {

void make_current(int dpy) {
  int code = 0;
  gwin_gl_curwin(&code, 1, &dpy);
  Dpy_current = dpy;
}

TEST(PartShowDisplays, MainWindowsOfBothDisplaysGetTheViewAndLights) {
  qtest::Xvfb x0, x1;
  ASSERT_TRUE(x0.ok() && x1.ok());
  qtest::GlWindow w0(x0.display(), 40, 30), w1(x1.display(), 60, 20);
  ASSERT_TRUE(w0.ok() && w1.ok());
  qtest::install_gl_window_screen({&w0, &w1});
  Dpy_cnt = 2;
  int lo = 0, x_hi[2] = {39, 59}, y_hi[2] = {29, 19};
  for (int d : {0, 1}) grasal(&lo, &x_hi[d], &lo, &y_hi[d], d, 1);
  make_current(0);
  global_init_viewports();
  intvew(-1, 1, -1, 1, -1, 1);
  float at[3], from[3], view[16], distance, angle;
  view_param(at, from, view, &distance, 0);
  perspective_angle(&angle, 0);
  const float t = std::tan(angle * 0.017453292f);
  Person = 0;
  Lighting_two_lights = 1;

  make_current(1);
  Viewport_current = 2;
  copy_main_window_context(0);
  int code = -1, dpy = -1;
  gwin_gl_curwin(&code, 0, &dpy);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(dpy, 1);
  EXPECT_EQ(Dpy_current, 1);
  EXPECT_EQ(Viewport_current, 2);
  for (int d : {0, 1}) {
    make_current(d);
    float proj[16];
    glGetFloatv(GL_PROJECTION_MATRIX, proj);
    const float r = (x_hi[d] + 1.0f) / (y_hi[d] + 1.0f);
    EXPECT_NEAR(proj[0], 1.0f / (distance * t), 1e-5) << d;
    EXPECT_NEAR(proj[5], r / (distance * t), 1e-5) << d;
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1)) << d;
    EXPECT_TRUE(glIsEnabled(GL_LIGHT2)) << d;
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING)) << d;
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST)) << d;
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR) << d;
  }

  // No part-show window: its copy touches no context.
  Lighting_two_lights = 0;
  make_current(0);
  copy_main_window_context(8);
  EXPECT_TRUE(glIsEnabled(GL_LIGHT2));
  part_show_refresh();
  gwin_gl_curwin(&code, 0, &dpy);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(dpy, 0);

  Viewport_current = 0;
  Lighting_two_lights = 1;
  Dpy_cnt = 1;
  qtest::install_gl_window_screen({});
}

}  // namespace
