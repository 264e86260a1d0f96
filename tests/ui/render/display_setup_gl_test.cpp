// The GL set-up of a display and the lighting cache, read back with glGet
// from a private X server's context.
#include <GL/gl.h>

#include <cstring>

#include "gl_window_suite.h"
#include "render/display.h"
#include "render/disobj.h"
#include "view/viewports.h"

namespace {

class DisplaySetup : public qtest::GlWindowSuite<64, 48> {
 protected:
  void SetUp() override {
    GlWindowSuite::SetUp();
    if (HasFatalFailure()) return;
    global_init_viewports();
    Display_gl_ready[0] = Display_gl_ready[1] = 0;
    Graphics_first_setup_done = 0;
    Start_screen_dismissed = 0;
    int x0 = 0, x1 = 63, y0 = 0, y1 = 47;
    grasal(&x0, &x1, &y0, &y1, 0, 1);
  }
};

TEST_F(DisplaySetup, TheFixedStateOfAContext) {
  Dpy_current = 1;
  vwint(0);
  GLint i = 0;
  glGetIntegerv(GL_DEPTH_FUNC, &i);
  EXPECT_EQ(i, GL_LEQUAL);
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
  EXPECT_TRUE(glIsEnabled(GL_DITHER));
  glGetIntegerv(GL_PACK_ALIGNMENT, &i);
  EXPECT_EQ(i, 1);
  glGetIntegerv(GL_CULL_FACE_MODE, &i);
  EXPECT_EQ(i, GL_BACK);
  EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
  glGetIntegerv(GL_STENCIL_CLEAR_VALUE, &i);
  EXPECT_EQ(i, 1);
  float ambient[4];
  glGetLightfv(GL_LIGHT1, GL_AMBIENT, ambient);
  const float expected[4] = {0.2f, 0.2f, 0.2f, 1.0f};
  for (int k = 0; k < 4; k++) EXPECT_FLOAT_EQ(ambient[k], expected[k]) << k;
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
  EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
  glGetIntegerv(GL_LIGHT_MODEL_TWO_SIDE, &i);
  EXPECT_EQ(i, 0);
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &i);
  EXPECT_EQ(i, 2);
  EXPECT_EQ(Dpy_current, 0);
  EXPECT_EQ(Initial_screen, 1);
  EXPECT_EQ(Graphics_first_setup_done, 1);
  EXPECT_STREQ(Viewports[0].name, "Main Viewport");

  // A second call for the same display changes nothing.
  glDepthFunc(GL_LESS);
  glPopMatrix();
  vwint(0);
  glGetIntegerv(GL_DEPTH_FUNC, &i);
  EXPECT_EQ(i, GL_LESS);
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &i);
  EXPECT_EQ(i, 1);
}

TEST_F(DisplaySetup, TheStartScreenFollowsItsDismissal) {
  Dont_use_start_screen = 1;  // only the picture is left out
  Initial_screen = 0;
  vwint(0);
  EXPECT_EQ(Initial_screen, 1);
  Dont_use_start_screen = 0;
  Display_gl_ready[0] = 0;
  Initial_screen = 0;
  Start_screen_dismissed = 1;
  vwint(0);
  EXPECT_EQ(Initial_screen, 0);
  Start_screen_dismissed = 0;
}

TEST_F(DisplaySetup, TheLightingCacheSendsChangesOnly) {
  vwint(0);
  const float grey[4] = {0.5f, 0.5f, 0.5f, 1.0f}, red[4] = {1, 0, 0, 1}, none[4] = {0, 0, 0, 0};
  float got[4];
  auto specular = [&] {
    glGetMaterialfv(GL_FRONT, GL_SPECULAR, got);
    return got[0];
  };
  open_gl_lighting_parameters(GL_SPECULAR, grey);
  EXPECT_FLOAT_EQ(specular(), 0.5f) << "sent the first time";
  glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, red);  // behind the cache's back
  open_gl_lighting_parameters(GL_SPECULAR, grey);
  EXPECT_FLOAT_EQ(specular(), 1.0f) << "the same value is not sent again";
  open_gl_lighting_parameters(GL_CLEAR, none);
  open_gl_lighting_parameters(GL_SPECULAR, grey);
  EXPECT_FLOAT_EQ(specular(), 0.5f) << "sent after the reset";

  // The cache is kept per display: a value sent on display 1 is still sent
  // on display 0.
  glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, red);
  Dpy_current = 1;
  open_gl_lighting_parameters(GL_SPECULAR, red);
  Dpy_current = 0;
  open_gl_lighting_parameters(GL_SPECULAR, red);
  open_gl_lighting_parameters(GL_SPECULAR, grey);
  EXPECT_FLOAT_EQ(specular(), 0.5f);
  open_gl_lighting_parameters(GL_SHININESS, red);
  glGetMaterialfv(GL_FRONT, GL_SHININESS, got);
  EXPECT_FLOAT_EQ(got[0], 1.0f);
}

}  // namespace
