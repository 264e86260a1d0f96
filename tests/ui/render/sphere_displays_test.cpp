// Sphere glyph lists with two graphics displays on two private X servers,
// whose contexts cannot share lists: the lists are compiled in display 1's
// context and display 0 is current again afterwards.  A resolution beyond
// the part attributes' range compiles whole.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <vector>

#include "client/interf_settings.h"
#include "client/screen.h"
#include "gl_window.h"
#include "harness.h"
#include "parts/attribute.h"
#include "render/display.h"
#include "render/glyphs.h"
#include "test_parts.h"

namespace {

// Quadrilaterals of a shaded sphere list, counted as the pairs of
// triangles GL feedback reports for them.  (Feedback of a list holding
// several line loops crashes this GL, so the outline list is not read back.)
int quads_of(GLuint list) {
  std::vector<float> buf(200000);
  glViewport(0, 0, 100, 100);
  glFeedbackBuffer((GLsizei)buf.size(), GL_3D, buf.data());
  glRenderMode(GL_FEEDBACK);
  glCallList(list);
  int n = glRenderMode(GL_RENDER), polygons = 0;
  for (int k = 0; k < n;) {
    if (buf[k] != GL_POLYGON_TOKEN) return -1;
    polygons++;
    k += 2 + 3 * (int)buf[k + 1];
  }
  return polygons / 2;
}

TEST(SphereDisplays, ListsLiveInDisplayOnesContext) {
  qtest::Xvfb x0, x1;
  ASSERT_TRUE(x0.ok() && x1.ok());
  qtest::GlWindow w0(x0.display(), 100, 100), w1(x1.display(), 100, 100);
  ASSERT_TRUE(w0.ok() && w1.ok());
  qtest::install_gl_window_screen({&w0, &w1});
  int code = 0, dpy = 0;
  gwin_gl_curwin(&code, 1, &dpy);
  Dpy_cnt = 2;
  Dpy_current = 0;

  qtest::fill_parts({{1, 0, 0, "nodes", -1, {}, false}});
  float *a = parts[0]->attributes;
  a[SLOT_VIS_NODE] = 1.0f;
  a[SLOT_NODE_TYPE] = 1.0f;  // crosses: nothing to make
  make_sphere_objects(0);
  EXPECT_EQ(parts[0]->sphere_line_list, 0u);
  a[SLOT_NODE_TYPE] = 2.0f;
  a[SLOT_NODE_DETAIL] = 3.0f;
  make_sphere_objects(0);
  GLuint outline = parts[0]->sphere_line_list, shaded = parts[0]->sphere_solid_list;
  ASSERT_NE(outline, 0u);
  ASSERT_NE(shaded, 0u);

  gwin_gl_curwin(&code, 0, &dpy);
  EXPECT_EQ(dpy, 0);
  EXPECT_EQ(Dpy_current, 0);
  EXPECT_FALSE(glIsList(outline)) << "display 0's context holds no sphere list";
  w1.make_current();
  EXPECT_TRUE(glIsList(outline));
  EXPECT_TRUE(glIsList(shaded));
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-2, 2, -2, 2, -2, 2);
  EXPECT_EQ(quads_of(shaded), 16);

  // Made again: the same ids, rebuilt at the new detail.
  w0.make_current();
  a[SLOT_NODE_DETAIL] = 5.0f;
  make_sphere_objects(0);
  EXPECT_EQ(parts[0]->sphere_line_list, outline);
  w1.make_current();
  EXPECT_EQ(quads_of(shaded), 36);

  // Above the attributes' range, as traces and queries may ask.
  Dpy_cnt = 1;
  Dpy_current = 0;
  ASSERT_EQ(make_line_shaded_balls((int)outline, (int)shaded, 25), 0);
  EXPECT_EQ(quads_of(shaded), 676);
  EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);

  qtest::clear_parts();
  qtest::install_gl_window_screen({});
}

}  // namespace
