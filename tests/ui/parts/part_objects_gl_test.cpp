// A part's display objects as GL lists, in a real GL context: rebuilt under
// the same id, a dead line id replaced, the solid list deleted only once
// built, ids kept or cleared on deletion; and with two displays on two
// private X servers, recorded in display 1's context.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "client/interf_settings.h"
#include "client/screen.h"
#include "gl_window_suite.h"
#include "harness.h"
#include "parts/attribute.h"
#include "parts/part_delete.h"
#include "parts/part_rebuild.h"
#include "render/active.h"
#include "render/disobj.h"
#include "render/display.h"
#include "test_parts.h"

namespace {

void triangle_part() {
  qtest::fill_parts({{1, 0, 0, "tri", -1, {}, false}});
  qtest::set_mesh(0, {0, 0, 0, 1, 0, 0, 0, 1, 0}, {{1, 2, 3}});
  qtest::plain_solid_attributes(parts[0]->attributes);
}

class PartLists : public qtest::GlWindowSuite<32, 32> {
 protected:
  void SetUp() override {
    GlWindowSuite::SetUp();
    saved_labels_[0] = Labnod;
    saved_labels_[1] = Labele;
    Labnod = Labele = 0;
    Quivane_display_list = 0;
    triangle_part();
  }
  void TearDown() override {
    Labnod = saved_labels_[0];
    Labele = saved_labels_[1];
    reset_active_objects();
    qtest::clear_parts();
  }
  int saved_labels_[2];
};

TEST_F(PartLists, ObjectsAreRebuiltInPlaceAndDeletedByTheRules) {
  Part_rec *p = parts[0];
  make_part(1);
  const GLuint line = p->line_list;
  ASSERT_NE(line, 0u);
  EXPECT_TRUE(glIsList(line));
  make_part(1);
  EXPECT_EQ(p->line_list, line) << "a live list is recorded anew under its id";
  delete_display_lists_for_part(0, 0, 0);
  EXPECT_FALSE(glIsList(line));
  EXPECT_EQ(p->line_list, line) << "clear 0 keeps the id";
  make_part(1);
  EXPECT_TRUE(glIsList(p->line_list)) << "a dead id is replaced by a live list";

  make_part_solid(1);
  const GLuint solid = p->solid_list;
  ASSERT_TRUE(glIsList(solid));
  delete_display_lists_for_part(0, 1, 0);
  EXPECT_TRUE(glIsList(solid)) << "not deleted before the solid object is marked built";
  p->solid_built = 1;
  delete_display_lists_for_part(0, 1, 0);
  EXPECT_FALSE(glIsList(solid));
  EXPECT_EQ(p->solid_list, solid);
  delete_display_lists_for_part(0, 1, 1);
  EXPECT_EQ(p->solid_list, 0u) << "clear 1 zeroes the id even with nothing to delete";
  delete_display_lists_for_part(0, 0, 1);
  EXPECT_EQ(p->line_list, 0u);
  EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

TEST(PartListsTwoDisplays, RecordedInDisplayOnesContext) {
  qtest::Xvfb x0, x1;
  ASSERT_TRUE(x0.ok() && x1.ok());
  qtest::GlWindow w0(x0.display(), 32, 32), w1(x1.display(), 32, 32);
  ASSERT_TRUE(w0.ok() && w1.ok());
  qtest::install_gl_window_screen({&w0, &w1});
  int code = 0, dpy = 0;
  gwin_gl_curwin(&code, 1, &dpy);
  const int saved[3] = {Dpy_cnt, Labnod, Labele};
  Dpy_cnt = 2;
  Dpy_current = 0;
  Labnod = Labele = 0;
  Quivane_display_list = 0;
  triangle_part();

  make_part(1);
  make_part_solid(1);
  EXPECT_EQ(Dpy_current, 0);
  gwin_gl_curwin(&code, 0, &dpy);
  EXPECT_EQ(dpy, 0) << "display 0 is current again";
  EXPECT_FALSE(glIsList(parts[0]->line_list));
  w1.make_current();
  EXPECT_TRUE(glIsList(parts[0]->line_list));
  EXPECT_TRUE(glIsList(parts[0]->solid_list));

  Dpy_cnt = saved[0];
  Labnod = saved[1];
  Labele = saved[2];
  reset_active_objects();
  qtest::clear_parts();
  qtest::install_gl_window_screen({});
}

}  // namespace
