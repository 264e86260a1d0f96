// The axis triads in OpenGL feedback: a frame's triad with numbered ticks
// where its points project, the model-direction triad in the lower-left
// corner of a 400 x 300 viewport, and a perspective search that does not
// converge leaving the other triads and the GL state intact.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <string>
#include <vector>

#include "gl_window_suite.h"
#include "interact/movmnt.h"
#include "render/display.h"
#include "test_frame.h"
#include "view/frames.h"
#include "view/viewer_state.h"
#include "view/viewports.h"

namespace {

const int W = 400, H = 300;
const float Frame_origin[3] = {1, 2, 3}, Unit_x[3] = {1, 0, 0}, Unit_y[3] = {0, 1, 0};

// Each text is recorded and drawn as a one-pixel bitmap, so that feedback
// gives its raster position.
std::vector<std::string> Texts;
int record_text(const char *text) {
  Texts.push_back(text);
  const GLubyte dot = 0x80;
  glBitmap(1, 1, 0, 0, 1, 0, &dot);
  return 1;
}

struct Vertex {
  float x, y, r, g, b;
};
struct Line {
  Vertex a, b;
};
struct Drawn {
  std::vector<Line> lines;
  std::vector<Vertex> bitmaps;
};

Drawn parse(const std::vector<float> &f) {
  Drawn d;
  auto vertex = [&](size_t i) { return Vertex{f[i], f[i + 1], f[i + 3], f[i + 4], f[i + 5]}; };
  for (size_t i = 0; i < f.size();) {
    const int token = (int)f[i];
    if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
      d.lines.push_back({vertex(i + 1), vertex(i + 8)});
      i += 15;
    } else if (token == GL_BITMAP_TOKEN || token == GL_DRAW_PIXEL_TOKEN ||
               token == GL_COPY_PIXEL_TOKEN) {
      d.bitmaps.push_back(vertex(i + 1));
      i += 8;
    } else if (token == GL_PASS_THROUGH_TOKEN) {
      i += 2;
    } else {
      ADD_FAILURE() << "unexpected feedback token " << token;
      break;
    }
  }
  return d;
}

// Window position of a world point under the current GL matrices.
void project(const float p[3], float *wx, float *wy) {
  float mv[16], pr[16];
  GLint vp[4];
  glGetFloatv(GL_MODELVIEW_MATRIX, mv);
  glGetFloatv(GL_PROJECTION_MATRIX, pr);
  glGetIntegerv(GL_VIEWPORT, vp);
  float e[4], c[4];
  for (int j = 0; j < 4; j++) e[j] = p[0] * mv[j] + p[1] * mv[4 + j] + p[2] * mv[8 + j] + mv[12 + j];
  for (int j = 0; j < 4; j++) c[j] = e[0] * pr[j] + e[1] * pr[4 + j] + e[2] * pr[8 + j] + e[3] * pr[12 + j];
  *wx = vp[0] + (c[0] / c[3] + 1) * 0.5f * vp[2];
  *wy = vp[1] + (c[1] / c[3] + 1) * 0.5f * vp[3];
}

class FrameTriads : public qtest::GlWindowSuite<W, H> {
 protected:
  void SetUp() override {
    GlWindowSuite::SetUp();
    if (HasFatalFailure()) return;
    qtest::install_gl_window_screen({window_.get()}, false, record_text);
    int x0 = 0, x1 = W - 1, y0 = 0, y1 = H - 1;
    grasal(&x0, &x1, &y0, &y1, 0, 1);
    global_init_viewports();
    viewport_all_resize();
    intvew(-4, 4, -4, 4, -4, 4);
    Current_mode = 1;
    Dpy_current = 0;
    Person = 0;
    Texts.clear();
    glEnable(GL_DEPTH_TEST);
    // Frame 1 at (1, 2, 3), made visible, numbered ticks on x: length 1, 3 labels.
    float *a = frame_.rec().attributes;
    a[0] = 1;
    a[FRAME_LEN_X] = 1;
    a[17] = 3;
    a[24] = 1;
    a[21] = 1, a[22] = 0, a[23] = 0;  // red, told apart from the contrast colour
    saved_drawn_ = Frame_drawn_count;
    saved_first_ = Frame_drawn_list[0];
    Frame_drawn_list[0] = 1;
    Frame_drawn_count = 1;
    fix_up_viewport(1);
    glPushMatrix();  // the one entry the caller of axis_display pushes
  }
  void TearDown() override {
    glPopMatrix();
    Frame_drawn_list[0] = saved_first_;
    Frame_drawn_count = saved_drawn_;
    Axiso1 = 1, Axiso2 = 0, Axiso3 = 0;
    Person = 0;
    qtest::install_gl_window_screen({});
  }
  static Drawn draw() {
    return parse(qtest::gl_feedback([] { axis_display(); }));
  }
  // The frame's triad and ticks drawn where the frame's points project.
  // Under perspective the tick size in pixels is not checked.
  void expect_frame_triad(const Drawn &d, bool orthographic = true) {
    std::vector<Line> red;
    for (const Line &l : d.lines)
      if (l.a.r > 0.9f && l.a.g < 0.1f) red.push_back(l);
    ASSERT_EQ(red.size(), 6u) << "three axes and three ticks";
    ASSERT_EQ(d.bitmaps.size(), Texts.size());
    const std::vector<std::string> want = {"1", "X", "Y", "Z", "0.33333", "0.66667", "1"};
    ASSERT_EQ(Texts, want);
    const float o[3] = {1, 2, 3}, x_end[3] = {1 + 1.2f, 2, 3};
    float ox, oy, ex, ey;
    project(o, &ox, &oy);
    project(x_end, &ex, &ey);
    EXPECT_NEAR(red[0].a.x, ox, 0.05);
    EXPECT_NEAR(red[0].a.y, oy, 0.05);
    EXPECT_NEAR(red[0].b.x, ex, 0.05);
    EXPECT_NEAR(red[0].b.y, ey, 0.05);
    EXPECT_NEAR(d.bitmaps[0].x, ox, 0.05) << "frame number at the origin";
    EXPECT_NEAR(d.bitmaps[0].y, oy, 0.05);
    for (int i = 1; i <= 3; i++) {
      const float at[3] = {1 + i / 3.0f, 2, 3};
      float tx, ty;
      project(at, &tx, &ty);
      const Line &tick = red[2 + i];
      EXPECT_NEAR(0.5f * (tick.a.x + tick.b.x), tx, 0.05) << "tick " << i;
      EXPECT_NEAR(0.5f * (tick.a.y + tick.b.y), ty, 0.05) << "tick " << i;
      if (!orthographic) continue;
      EXPECT_NEAR(std::fabs(tick.a.y - tick.b.y), 14, 0.05) << "7 pixels each side";
      // Mesa keeps raster positions to about a tenth of a pixel.
      EXPECT_NEAR(d.bitmaps[3 + i].x, tx, 0.15) << Texts[3 + i];
      EXPECT_NEAR(d.bitmaps[3 + i].y, ty - 28, 0.15) << "4 x 7 pixels below";
    }
  }
  qtest::Test_frame frame_{1, Frame_origin, Unit_x, Unit_y};
  int saved_drawn_ = 0, saved_first_ = 0;
};

// The model-view matrix and the depth of its stack.
struct Modelview {
  float m[16];
  GLint depth;
  Modelview() {
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
  }
};

void expect_same(const Modelview &before) {
  const Modelview after;
  for (int i = 0; i < 16; i++) EXPECT_EQ(after.m[i], before.m[i]);
  EXPECT_EQ(after.depth, before.depth);
}

TEST_F(FrameTriads, FrameTriadWithNumberedTicksWhereThePointsProject) {
  expect_frame_triad(draw());
}

TEST_F(FrameTriads, NoTicksWithoutLabels) {
  frame_.rec().attributes[17] = 0;
  const Drawn d = draw();
  EXPECT_EQ(d.lines.size(), 3u);
  EXPECT_EQ(Texts, (std::vector<std::string>{"1", "X", "Y", "Z"}));
}

TEST_F(FrameTriads, DirectionTriadInTheLowerLeftCorner) {
  Axiso1 = 0;
  Axiso3 = 1;
  const Modelview before;
  const Drawn d = draw();
  ASSERT_EQ(d.lines.size(), 3u);
  EXPECT_EQ(Texts, (std::vector<std::string>{"X", "Y", "Z"}));
  // The origin aimed at 299 / 8 = 37.375 pixels in from the left and bottom
  // (to the whole pixel the offsets are truncated to), the axes 299 / 10
  // pixels long: a tenth of the smaller side.
  const Line &x = d.lines[0], &y = d.lines[1];
  EXPECT_NEAR(x.a.x, 37.375, 2.0);
  EXPECT_NEAR(x.a.y, 37.375, 2.0);
  EXPECT_NEAR(std::hypot(x.b.x - x.a.x, x.b.y - x.a.y), 29.9, 0.05);
  EXPECT_NEAR(std::hypot(y.b.x - y.a.x, y.b.y - y.a.y), 29.9, 0.05);
  EXPECT_NEAR(x.b.x - x.a.x, 29.9, 0.05) << "x to the right without a model turn";
  expect_same(before);
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
}

TEST_F(FrameTriads, GlobalTriadKeepsTheModelviewAndItsStack) {
  Axiso1 = 0;
  Axiso2 = 1;
  const Modelview before;
  const Drawn d = draw();
  EXPECT_EQ(d.lines.size(), 3u);
  EXPECT_EQ(Texts, (std::vector<std::string>{"G", "X", "Y", "Z"}));
  expect_same(before);
}

TEST_F(FrameTriads, NonConvergingPerspectiveSearchDrawsNoDirectionTriad) {
  Person = 1;
  float a[VIEWPORT_ATTRS];
  char name[VIEWPORT_NAME_TEXT];
  viewport_attributes(0, a, name, 0, 0);
  a[VP_PERSPECTIVE] = 1;
  viewport_attributes(0, a, name, 0, 1);
  // The look-at point moved behind the eye without rebuilding the viewing
  // matrix: the corner cannot be reached by any scale of the search.
  float at[3], from[3], view[16], distance;
  view_param(at, from, view, &distance, 0);
  float behind[3];
  for (int i = 0; i < 3; i++) behind[i] = from[i] + 2 * (from[i] - at[i]);
  view_param(behind, from, view, &distance, 1);
  glPopMatrix();
  fix_up_viewport(1);
  glPushMatrix();
  Axiso3 = 1;
  const Modelview before;
  const Drawn d = draw();
  view_param(at, from, view, &distance, 1);
  expect_frame_triad(d, false);
  EXPECT_EQ(d.lines.size(), 6u) << "no direction triad";
  expect_same(before);
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
}

}  // namespace
