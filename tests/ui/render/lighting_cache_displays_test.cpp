// The lighting cache with two graphics displays on two private X servers,
// whose contexts hold separate material state: a value already sent on
// display 0 is still sent on display 1, and back again.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "client/interf_settings.h"
#include "client/screen.h"
#include "gl_window.h"
#include "harness.h"
#include "render/display.h"

namespace {

float specular_red() {
  float got[4];
  glGetMaterialfv(GL_FRONT, GL_SPECULAR, got);
  return got[0];
}

TEST(LightingCacheDisplays, AMaterialChangeOnDisplayOneIsNotSkipped) {
  qtest::Xvfb x0, x1;
  ASSERT_TRUE(x0.ok() && x1.ok());
  qtest::GlWindow w0(x0.display(), 32, 32), w1(x1.display(), 32, 32);
  ASSERT_TRUE(w0.ok() && w1.ok());
  qtest::install_gl_window_screen({&w0, &w1});
  Dpy_cnt = 2;
  const float grey[4] = {0.5f, 0.5f, 0.5f, 1.0f}, red[4] = {1, 0, 0, 1}, none[4] = {0, 0, 0, 0};
  auto current = [](int dpy) {
    int code = 0;
    gwin_gl_curwin(&code, 1, &dpy);
    Dpy_current = dpy;
  };

  for (int dpy : {0, 1}) {
    current(dpy);
    open_gl_lighting_parameters(GL_CLEAR, none);
  }
  current(0);
  open_gl_lighting_parameters(GL_SPECULAR, grey);
  EXPECT_FLOAT_EQ(specular_red(), 0.5f);
  current(1);
  EXPECT_FLOAT_EQ(specular_red(), 0.0f) << "display 1's context is untouched";
  open_gl_lighting_parameters(GL_SPECULAR, grey);
  EXPECT_FLOAT_EQ(specular_red(), 0.5f) << "the value sent on display 0 is sent on display 1";
  open_gl_lighting_parameters(GL_SPECULAR, red);
  EXPECT_FLOAT_EQ(specular_red(), 1.0f);
  current(0);
  EXPECT_FLOAT_EQ(specular_red(), 0.5f) << "display 0 keeps its own value";
  open_gl_lighting_parameters(GL_SPECULAR, red);
  EXPECT_FLOAT_EQ(specular_red(), 1.0f) << "the value sent on display 1 is sent on display 0";
  current(1);
  open_gl_lighting_parameters(GL_SPECULAR, red);
  EXPECT_FLOAT_EQ(specular_red(), 1.0f);
  EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);

  current(0);
  Dpy_cnt = 1;
  qtest::install_gl_window_screen({});
}

}  // namespace
