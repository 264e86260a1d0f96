// restore_gl_stuff under Mesa: the OpenGL state it sets, read back, and the
// line object of a part recorded again into its own list.
#include <GL/gl.h>

#include "gl_window_suite.h"
#include "parts/modatr.h"
#include "parts/read.h"
#include "render/disobj.h"
#include "render/part_services.h"
#include "test_parts.h"

namespace {

class RestoreGl : public qtest::GlWindowSuite<64, 48> {
 protected:
  void TearDown() override {
    qtest::clear_parts();
    GlWindowSuite::TearDown();
  }
};

TEST_F(RestoreGl, SetsTheStateAndLightsAndRerecordsLineLists) {
  Part_rec *p = qtest::add_part({1, 0, PART_MODEL, "cube", -1, {}, false});
  ASSERT_NE(p, nullptr);
  qtest::plain_solid_attributes(p->attributes);
  qtest::set_mesh(0, {0, 0, 0, 1, 0, 0, 1, 1, 0}, {{1, 2, 3}});
  GLuint list = glGenLists(1);
  glNewList(list, GL_COMPILE);
  glEndList();
  p->line_list = list;
  int keep_dl = Quivane_display_list, keep_two = Lighting_two_lights;
  Quivane_display_list = 0;
  Lighting_two_lights = 0;
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);

  restore_gl_stuff();

  GLint func = 0, stencil = 0;
  GLfloat clear[4] = {1, 1, 1, 1}, diffuse[4] = {0, 0, 0, 0}, position[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_DEPTH_FUNC, &func);
  glGetIntegerv(GL_STENCIL_CLEAR_VALUE, &stencil);
  glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
  glGetLightfv(GL_LIGHT1, GL_DIFFUSE, diffuse);
  glGetLightfv(GL_LIGHT2, GL_POSITION, position);
  EXPECT_EQ(func, GL_LEQUAL);
  EXPECT_EQ(stencil, 1);
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
  EXPECT_TRUE(glIsEnabled(GL_DITHER));
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
  EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
  EXPECT_FALSE(glIsEnabled(GL_LIGHT2));  // the second light is off
  for (int k = 0; k < 4; k++) EXPECT_EQ(clear[k], 0.0f);
  for (int k = 0; k < 4; k++) EXPECT_EQ(diffuse[k], 1.0f);
  EXPECT_EQ(position[3], 0.0f);  // directional, turned with the viewer
  EXPECT_TRUE(glIsList(list));  // recorded again under the same id
  Quivane_display_list = keep_dl;
  Lighting_two_lights = keep_two;
}

}  // namespace
