// The second light switched with two graphics displays on two private X
// servers: the change reaches the main window's context of both displays,
// whether parts are drawn from GL lists or from the recorded display list,
// and the window that was current stays current.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "client/interf_settings.h"
#include "client/screen.h"
#include "gl_window.h"
#include "harness.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/display_toggles.h"

namespace {

struct Lights {
  bool light2;
  int two_sided;
};

Lights lights_of(int dpy) {
  int code = 0;
  gwin_gl_curwin(&code, 1, &dpy);
  Lights l;
  l.light2 = glIsEnabled(GL_LIGHT2) == GL_TRUE;
  glGetIntegerv(GL_LIGHT_MODEL_TWO_SIDE, &l.two_sided);
  return l;
}

TEST(TwoLightsDisplays, EveryDisplayFollowsOnBothDrawingRoads) {
  qtest::Xvfb x0, x1;
  ASSERT_TRUE(x0.ok() && x1.ok());
  qtest::GlWindow w0(x0.display(), 32, 32), w1(x1.display(), 32, 32);
  ASSERT_TRUE(w0.ok() && w1.ok());
  qtest::install_gl_window_screen({&w0, &w1});
  static const Display_toggle_calls no_redraw = {nullptr, nullptr, nullptr, nullptr, nullptr, [] {}};
  display_toggle_calls(&no_redraw);
  Dpy_cnt = 2;
  Lighting_two_lights = 1;

  for (int recorded : {0, 1}) {
    SCOPED_TRACE(recorded);
    Quivane_display_list = recorded;
    int current = 1, code = 0;
    gwin_gl_curwin(&code, 1, &current);
    int off = 0, on = 1;
    toggle_two_lights(&off, 1);
    int code_after = -1, dpy_after = -1;
    gwin_gl_curwin(&code_after, 0, &dpy_after);
    EXPECT_EQ(dpy_after, 1) << "the current window is restored";
    EXPECT_EQ(Lighting_two_lights, 0);
    for (int dpy : {0, 1}) {
      Lights l = lights_of(dpy);
      EXPECT_FALSE(l.light2) << "display " << dpy;
      EXPECT_EQ(l.two_sided, 1) << "display " << dpy;
    }
    toggle_two_lights(&on, 1);
    EXPECT_EQ(Lighting_two_lights, 1);
    for (int dpy : {0, 1}) {
      Lights l = lights_of(dpy);
      EXPECT_TRUE(l.light2) << "display " << dpy;
      EXPECT_EQ(l.two_sided, 0) << "display " << dpy;
    }
  }
  EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);

  Quivane_display_list = 0;
  int zero = 0, code = 0;
  gwin_gl_curwin(&code, 1, &zero);
  Dpy_cnt = 1;
  display_toggle_calls(nullptr);
  qtest::install_gl_window_screen({});
}

}  // namespace
