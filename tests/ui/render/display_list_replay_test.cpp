// Replay of recorded objects under a private X server, read back through
// GL feedback: the same steps sent straight to a GL list and recorded draw
// the same vertices and colours; reversed normals, the level-of-detail cut,
// repeated pipes, the choice of object and the immediate do-nothing codes.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <memory>
#include <vector>

#include "anim/animate.h"
#include "gl_window_suite.h"
#include "harness.h"
#include "render/disobj.h"
#include "render/display_list.h"
#include "test_parts.h"
#include "view/viewports.h"

namespace {

class Replay : public qtest::GlWindowSuite<64, 64> {
 protected:
  void SetUp() override {
    GlWindowSuite::SetUp();
    qtest::fill_parts({{1, 0, 0, "body", -1, {}, false}});
  }
  void TearDown() override {
    Compile_Quivane_display_list = 0;
    Skip_geometry = 100;
    How_many_pipes = 1;
    Loading_flipbook = Flprun = Flppix = 0;
    qtest::clear_parts();
  }
  template <typename Draw>
  static std::vector<float> feedback(Draw draw) {
    return qtest::gl_feedback(draw);
  }
  static void step(int op, int i1 = 0, int i2 = 0, float a = 0, float b = 0, float c = 0, float d = 0) {
    quivane_opengl(0, 0, 0, op, i1, i2, a, b, c, d);
  }
  // Records the steps of build into the part's line object.
  template <typename Build>
  static void record(Build build, int kind = 0) {
    Compile_Quivane_display_list = 1;
    quivane_opengl(0, kind, 0, DL_OPEN, 0, 0, 0, 0, 0, 0);
    build();
    quivane_opengl(0, kind, 0, DL_CLOSE, 0, 0, 0, 0, 0, 0);
    Compile_Quivane_display_list = 0;
  }
};

// A small scene through every kind of drawing step, in colours that bytes
// hold exactly.
void scene() {
  auto s = [](int op, int i1 = 0, int i2 = 0, float a = 0, float b = 0, float c = 0, float d = 0) {
    quivane_opengl(0, 0, 0, op, i1, i2, a, b, c, d);
  };
  s(DL_LINE_WIDTH, 0, 0, 2.0f);
  s(DL_ENABLE, GL_COLOR_MATERIAL);
  s(DL_COLOR_MATERIAL, GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
  s(DL_BEGIN, GL_TRIANGLES);
  s(DL_COLOR3, 0, 0, 1.0f, 0.0f, 0.2f);
  s(DL_NORMAL, 0, 0, 0, 0, 1);
  s(DL_VERTEX, 0, 0, -0.5f, -0.5f, 0);
  s(DL_COLOR3, 0, 0, 1.0f, 0.0f, 0.2f);
  s(DL_VERTEX, 0, 0, 0.5f, -0.5f, 0);
  s(DL_COLOR4, 0, 0, 0.0f, 0.6f, 1.0f, 1.0f);
  s(DL_VERTEX, 0, 0, 0, 0.5f, 0.25f);
  s(DL_END);
  s(DL_PUSH_MATRIX);
  s(DL_TRANSLATE, 0, 0, 0.1f, 0.2f, 0);
  s(DL_SCALE, 0, 0, 0.5f, 0.5f, 1);
  s(DL_BEGIN, GL_LINES);
  s(DL_VERTEX, 0, 0, 0, 0, 0);
  s(DL_VERTEX, 0, 0, 1, 1, 0);
  s(DL_END);
  s(DL_POP_MATRIX);
  s(DL_DISABLE, GL_COLOR_MATERIAL);
}

TEST_F(Replay, RecordedAndCompiledStepsDrawTheSame) {
  GLuint list = glGenLists(1);
  glNewList(list, GL_COMPILE);
  scene();
  glEndList();
  record(scene);
  auto compiled = feedback([&] { glCallList(list); });
  auto replayed = feedback([] { draw_internal_display_list_object(0, 0); });
  ASSERT_GT(compiled.size(), 20u);
  ASSERT_EQ(replayed.size(), compiled.size());
  for (size_t k = 0; k < compiled.size(); k++) EXPECT_NEAR(replayed[k], compiled[k], 1e-5) << k;
  glDeleteLists(list, 1);

  How_many_pipes = 3;
  EXPECT_EQ(feedback([] { draw_internal_display_list_object(0, 0); }).size(), 3 * compiled.size());
}

TEST_F(Replay, ReversedNormals) {
  record([] { step(DL_NORMAL, 0, 0, 0, 0.5f, -0.5f); });
  float n[3];
  replay_display_list_object(0, 1, 0);
  glGetFloatv(GL_CURRENT_NORMAL, n);
  EXPECT_EQ(n[0], 0.0f);
  EXPECT_EQ(n[1], -0.5f);
  EXPECT_EQ(n[2], 0.5f);
  replay_display_list_object(0, 0, 0);
  glGetFloatv(GL_CURRENT_NORMAL, n);
  EXPECT_EQ(n[1], 0.5f);
  EXPECT_EQ(n[2], -0.5f);
}

TEST_F(Replay, LevelOfDetailCut) {
  record([] {
    step(DL_ENABLE, GL_COLOR_MATERIAL);
    step(DL_BEGIN, GL_POINTS);
    for (int level = 10; level <= 40; level += 10) {
      step(DL_LOD_MARK, level);
      step(DL_VERTEX, 0, 0, level / 100.0f, 0, 0);
    }
    step(DL_END);
  });
  auto points = [](const std::vector<float> &fb) {
    int n = 0;
    for (size_t k = 0; k < fb.size(); k += 8)
      if (fb[k] == GL_POINT_TOKEN) n++;
    return n;
  };
  Skip_geometry = 30;
  EXPECT_EQ(points(feedback([] { replay_display_list_object(0, 0, 0); })), 2);
  EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));
  EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR) << "stopped inside its begin, closed by glEnd";
  Skip_geometry = 100;
  EXPECT_EQ(points(feedback([] { replay_display_list_object(0, 0, 0); })), 4);
  glDisable(GL_COLOR_MATERIAL);
}

TEST_F(Replay, ChoiceOfObject) {
  auto point_at = [](float x) {
    return [x] {
      step(DL_BEGIN, GL_POINTS);
      step(DL_VERTEX, 0, 0, x, 0, 0);
      step(DL_END);
    };
  };
  record(point_at(0.1f), 1);  // solid
  record(point_at(0.2f), 0);  // line
  Part_rec *p = parts[0];
  auto drawn_x = [] {
    auto fb = feedback([] { replay_display_list_object(0, 0, 0); });
    return fb.empty() ? -1.0f : fb[1] / 64.0f * 2 - 1;  // window x back to clip x
  };
  float &hidden_surface = Viewports[Viewport_current].attributes[VP_HIDDEN_SURFACE];
  float keep = hidden_surface;
  glViewport(0, 0, 64, 64);

  p->solid_built = 1;
  hidden_surface = 1;
  EXPECT_NEAR(drawn_x(), 0.1f, 0.02f) << "(c) shaded: the solid object";
  hidden_surface = 0;
  EXPECT_NEAR(drawn_x(), 0.2f, 0.02f) << "(d) the line object";

  // The flipbook object of a page on show, then of a page being generated.
  std::swap(p->line_object, p->flipbook_object);
  record(point_at(0.2f), 0);
  std::swap(p->line_object, p->flipbook_object);  // flipbook object now draws at 0.2
  record(point_at(0.3f), 0);                      // line object at 0.3
  Flprun = 1;
  EXPECT_NEAR(drawn_x(), 0.2f, 0.02f) << "(b) during a run";
  Flprun = 0;
  Loading_flipbook = 1;
  p->solid_built = 0;
  display_object_free(&p->line_object);
  EXPECT_NEAR(drawn_x(), 0.2f, 0.02f) << "(a) generating, no line object";
  Loading_flipbook = 0;
  EXPECT_EQ(drawn_x(), -1.0f) << "nothing applicable";
  hidden_surface = keep;
}

TEST_F(Replay, ImmediateCodesWithoutACallDrawNothing) {
  Compile_Quivane_display_list = 0;
  auto fb = feedback([] {
    step(DL_OPEN);
    step(DL_LOD_MARK, 10);
    step(DL_CLOSE);
  });
  EXPECT_TRUE(fb.empty());
  glViewport(0, 0, 64, 64);
  fb = feedback([] {
    step(DL_BEGIN, GL_POINTS);
    step(DL_VERTEX, 0, 0, 0, 0, 0);
    step(DL_END);
  });
  ASSERT_EQ(fb.size(), 8u);  // one point token: position and colour
  EXPECT_EQ(fb[0], (float)GL_POINT_TOKEN);
  EXPECT_EQ(parts[0]->line_object, nullptr);
}

}  // namespace
