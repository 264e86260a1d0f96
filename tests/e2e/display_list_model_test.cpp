// The faces of a model read by the real stand-in server, walked as the
// builders walk them and drawn in the real main graphics window both ways:
// sent straight to a GL list, and recorded and replayed.  The two pictures
// agree within one colour level, every front face shows, faces of other
// orientations are lit differently; a node shown as a sphere is a lit disc.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glu.h>
#include <X11/Intrinsic.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "client/screen.h"
#include "harness.h"
#include "inproc_main_window.h"
#include "model_case.h"
#include "model_view.h"
#include "model_window_test.h"
#include "parts/attribute.h"
#include "parts/elem_coord.h"
#include "parts/read.h"
#include "render/disobj.h"
#include "render/display_list.h"
#include "render/fringe.h"
#include "render/glyphs.h"
#include "test_part_list.h"
#include "ui/graphics_windows.h"
#include "ui/interf_init.h"

namespace {

// The part colour in bytes both roads hold exactly.
const float Part_rgb[3] = {204 / 255.0f, 153 / 255.0f, 102 / 255.0f};

using Face = qtest::ModelFace;

std::vector<Face> faces_of(int part) {
  std::vector<Face> faces;
  qtest::model_faces(part, &faces);
  return faces;
}

// The faces through the funnel, as a builder sends them, in the rebuild's
// bracket: into the part's GL list, or recorded with -no_display_list.
void build(int part, const std::vector<Face> &faces) {
  auto s = [part](int op, int i1 = 0, int i2 = 0, float a = 0, float b = 0, float c = 0) {
    quivane_opengl(part, 0, 0, op, i1, i2, a, b, c, 0);
  };
  display_object_open(part, 0);
  s(DL_ENABLE, GL_COLOR_MATERIAL);
  s(DL_COLOR_MATERIAL, GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
  s(DL_COLOR3, 0, 0, Part_rgb[0], Part_rgb[1], Part_rgb[2]);
  for (const Face &f : faces) {
    int n = (int)f.pos.size() / 3;
    s(DL_BEGIN, n == 3 ? GL_TRIANGLES : n == 4 ? GL_QUADS : GL_POLYGON);
    s(DL_NORMAL, 0, 0, f.normal[0], f.normal[1], f.normal[2]);
    for (int k = 0; k < n; k++) s(DL_VERTEX, 0, 0, f.pos[3 * k], f.pos[3 * k + 1], f.pos[3 * k + 2]);
    s(DL_END);
  }
  s(DL_DISABLE, GL_COLOR_MATERIAL);
  display_object_close(part, 0);
}

using View = qtest::ModelView;

View set_view(const float lo[3], const float hi[3]) { return qtest::set_model_view(lo, hi); }
std::vector<unsigned char> pixels(const View &v) { return qtest::model_view_pixels(v); }
int brightness(const std::vector<unsigned char> &rgb, const View &v, int x, int y) {
  return qtest::pixel_brightness(rgb, v, x, y);
}

using DisplayListModel = qtest::ModelWindowTest;

TEST_F(DisplayListModel, BothRoadsDrawTheSameLitFaces) {
  int part = model_->largest_part();
  ASSERT_GE(part, 0);
  const Part_rec *p = parts[part];
  std::vector<Face> faces = faces_of(part);
  ASSERT_GT(faces.size(), 10u);

  Quivane_display_list = 0;
  build(part, faces);
  ASSERT_TRUE(glIsList(p->line_list));
  EXPECT_EQ(p->line_object, nullptr);
  Quivane_display_list = 1;
  build(part, faces);
  Quivane_display_list = 0;
  ASSERT_NE(p->line_object, nullptr);
  EXPECT_EQ(Compile_Quivane_display_list, 0);

  const float lo[3] = {p->xmin, p->ymin, p->zmin}, hi[3] = {p->xmax, p->ymax, p->zmax};
  View v = set_view(lo, hi);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glCallList(p->line_list);
  auto compiled = pixels(v);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  draw_internal_display_list_object(part, 0);
  auto replayed = pixels(v);
  std::vector<float> depth(v.w * v.h);
  glReadPixels(0, 0, v.w, v.h, GL_DEPTH_COMPONENT, GL_FLOAT, depth.data());
  glDeleteLists(p->line_list, 1);

  int worst = 0;
  long lit = 0;
  for (size_t k = 0; k < compiled.size(); k++) {
    worst = std::max(worst, std::abs(compiled[k] - replayed[k]));
    lit += compiled[k] != 0;
  }
  EXPECT_LE(worst, 1) << "the pictures differ by more than one colour level";
  EXPECT_GT(lit, 1000);

  // Front faces (counter-clockwise on the window) show at their centroids;
  // the visible ones keep their lighting by orientation.
  auto samples = qtest::front_face_samples(faces, v, depth);
  EXPECT_GT(samples.size(), 3u);
  for (const qtest::FaceSample &s : samples)
    EXPECT_GT(brightness(replayed, v, s.x, s.y), 0) << "front face centroid at " << s.x << "," << s.y;
  qtest::expect_square_faces_brighter(samples, replayed, v);
}

TEST_F(DisplayListModel, ANodeSphereIsALitDisc) {
  int part = model_->largest_part();
  float *a = parts[part]->attributes;
  a[SLOT_VIS_NODE] = 1.0f;
  a[SLOT_NODE_TYPE] = 2.0f;
  a[SLOT_NODE_DETAIL] = 10.0f;
  make_sphere_objects(part);
  ASSERT_TRUE(glIsList(parts[part]->sphere_solid_list));

  const float lo[3] = {-1, -1, -1}, hi[3] = {1, 1, 1};
  View v = set_view(lo, hi);
  glLoadIdentity();
  glEnable(GL_COLOR_MATERIAL);
  glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
  glColor3f(1, 1, 1);
  glEnable(GL_NORMALIZE);  // the glyph is scaled
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glPushMatrix();
  glScalef(0.5f, 0.5f, 0.5f);
  glCallList(parts[part]->sphere_solid_list);
  glPopMatrix();
  glDisable(GL_COLOR_MATERIAL);
  glDisable(GL_NORMALIZE);
  auto rgb = pixels(v);

  int cx = v.w / 2, cy = v.h / 2, radius = v.h / 8;  // 0.5 of the half-height 2
  int centre = brightness(rgb, v, cx, cy), best = 0;
  for (int y = 0; y < v.h; y++)
    for (int x = 0; x < v.w; x++) best = std::max(best, brightness(rgb, v, x, y));
  EXPECT_GT(centre, 600);
  EXPECT_GE(centre + 3, best) << "brightest at the centre";
  int rim = brightness(rgb, v, cx + radius * 85 / 100, cy);
  EXPECT_GT(rim, 0) << "lit out to its rim";
  EXPECT_LT(rim, centre - 100) << "centre " << centre;
  EXPECT_EQ(brightness(rgb, v, cx + radius * 12 / 10, cy), 0) << "background outside";
  EXPECT_EQ(brightness(rgb, v, cx, cy + radius * 12 / 10), 0);
}

}  // namespace
