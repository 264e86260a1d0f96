// Drawing with the stroke font under a private X server: the vertex counts
// returned, how far each character moves the modelview matrix, and the
// line segments that reach OpenGL for "A".
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <vector>

#include "gl_window_suite.h"
#include "render/stroke_font.h"

namespace {

using StrokeFontGl = qtest::GlWindowSuite<200, 200>;

float modelview_x() {
  float m[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, m);
  return m[12];
}

TEST_F(StrokeFontGl, CountsAndAdvances) {
  struct Case {
    int code, vertices;
    float moved;
  };
  const Case cases[] = {{'A', 6, 80.4905f}, {' ', 0, 52.381f}, {7, 0, 0.0f},
                        {200, 0, 0.0f},     {-1, 0, 0.0f},     {127, 19, 66.6667f}};
  for (const Case &c : cases) {
    glLoadIdentity();
    EXPECT_EQ(glutStrokeCharacter(&glutStrokeRoman, c.code), c.vertices) << c.code;
    EXPECT_NEAR(modelview_x(), c.moved, 1e-3) << c.code;
  }
  EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

// Font units map one to one onto window pixels, y shifted up by 50.
TEST_F(StrokeFontGl, FeedbackOfCapitalA) {
  glMatrixMode(GL_PROJECTION);
  glOrtho(0, 200, -50, 150, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  std::vector<float> buf = qtest::gl_feedback([] { glutStrokeCharacter(&glutStrokeRoman, 'A'); });
  const float want[3][4] = {{40.5952f, 100, 2.5f, 0},
                            {40.5952f, 100, 78.6905f, 0},
                            {16.7857f, 33.3333f, 64.4048f, 33.3333f}};
  const size_t vertex = 7;  // x, y, z and RGBA
  ASSERT_EQ(buf.size(), 3 * (1 + 2 * vertex));
  for (int s = 0; s < 3; s++) {
    const float *p = &buf[s * (1 + 2 * vertex)];
    EXPECT_TRUE(p[0] == GL_LINE_RESET_TOKEN || p[0] == GL_LINE_TOKEN) << s;
    EXPECT_NEAR(p[1], want[s][0], 1e-3) << s;
    EXPECT_NEAR(p[2], want[s][1] + 50, 1e-3) << s;
    EXPECT_NEAR(p[1 + vertex], want[s][2], 1e-3) << s;
    EXPECT_NEAR(p[2 + vertex], want[s][3] + 50, 1e-3) << s;
  }
}

}  // namespace
