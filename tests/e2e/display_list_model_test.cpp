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

struct Face {
  std::vector<float> pos;  // 3 floats per corner
  float normal[3];
};

std::vector<Face> faces_of(int part) {
  std::vector<Face> faces;
  const Part_rec *p = parts[part];
  for (int e = 0; e < p->element_count; e++) {
    int n = p->elem_offsets[e + 1] - p->elem_offsets[e];
    if (n < 3) continue;
    Face f;
    f.pos.resize(3 * n);
    get_elem_coord(part, e, f.pos.data());
    std::vector<float> normals(3 * n);
    if (polygon_flat_normal(n, reinterpret_cast<const float(*)[3]>(f.pos.data()),
                            reinterpret_cast<float(*)[3]>(normals.data())) != 0)
      continue;
    std::copy(normals.begin(), normals.begin() + 3, f.normal);
    faces.push_back(f);
  }
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

struct View {
  int w = 0, h = 0;
  double model[16], proj[16];
  int vp[4];
};

// Lights 1 and 2 as recentring sets them (white, along the view axis), a
// fixed orthographic view of the box, turned so that three sides show.
View set_view(const float lo[3], const float hi[3]) {
  View v;
  XWindowAttributes wa;
  XGetWindowAttributes(Dpys[0], XtWindow(Gwxwidget[0]), &wa);
  v.w = wa.width;
  v.h = wa.height;
  glViewport(0, 0, v.w, v.h);
  float c[3], r = 0;
  for (int i = 0; i < 3; i++) {
    c[i] = (lo[i] + hi[i]) / 2;
    r = std::max(r, hi[i] - lo[i]);
  }
  double aspect = (double)v.w / v.h;
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-r * aspect, r * aspect, -r, r, -10 * r, 10 * r);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  const float white[4] = {1, 1, 1, 1}, black[4] = {0, 0, 0, 1};
  const float behind[4] = {0, 0, -1, 0}, front[4] = {0, 0, 1, 0};
  for (GLenum light : {GL_LIGHT1, GL_LIGHT2}) {
    glLightfv(light, GL_DIFFUSE, white);
    glLightfv(light, GL_SPECULAR, white);
    glLightfv(light, GL_AMBIENT, black);
    glEnable(light);
  }
  glLightfv(GL_LIGHT1, GL_POSITION, behind);
  glLightfv(GL_LIGHT2, GL_POSITION, front);
  glDisable(GL_LIGHT0);
  glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 0);
  glEnable(GL_LIGHTING);
  glEnable(GL_DEPTH_TEST);
  glRotatef(30, 1, 0, 0);
  glRotatef(-40, 0, 1, 0);
  glTranslatef(-c[0], -c[1], -c[2]);
  glGetDoublev(GL_MODELVIEW_MATRIX, v.model);
  glGetDoublev(GL_PROJECTION_MATRIX, v.proj);
  glGetIntegerv(GL_VIEWPORT, v.vp);
  glClearColor(0, 0, 0, 0);
  return v;
}

std::vector<unsigned char> pixels(const View &v) {
  std::vector<unsigned char> rgb(3 * v.w * v.h);
  glFinish();
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, v.w, v.h, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  return rgb;
}

int brightness(const std::vector<unsigned char> &rgb, const View &v, int x, int y) {
  const unsigned char *p = &rgb[3 * (y * v.w + x)];
  return p[0] + p[1] + p[2];
}

class DisplayListModel : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(qtest::inproc_main_window());
    ASSERT_TRUE(qtest::inproc_wait_for([] { return Gwin_first_exposed[0] == 1; }, 10000));
    qtest::clear_parts_and_list();
    model_ = std::make_unique<qtest::ModelCase>(qtest::test_data() + "/vtk/mixed.vtk");
    ASSERT_TRUE(model_->ok());
    int code = 0, dpy = 0;
    gwin_gl_curwin(&code, 1, &dpy);
    ASSERT_EQ(gwin_gl_ready(), 1);
  }
  void TearDown() override {
    Compile_Quivane_display_list = 0;
    Quivane_display_list = 0;
    glDisable(GL_LIGHTING);
    model_.reset();
    qtest::clear_parts_and_list();
  }
  std::unique_ptr<qtest::ModelCase> model_;
};

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
  int front = 0;
  std::vector<std::pair<float, int>> visible;  // eye-space facing, brightness
  for (const Face &f : faces) {
    int n = (int)f.pos.size() / 3;
    double area = 0, cx = 0, cy = 0, cz = 0, wx[64], wy[64], wz;
    for (int k = 0; k < n && k < 64; k++) {
      gluProject(f.pos[3 * k], f.pos[3 * k + 1], f.pos[3 * k + 2], v.model, v.proj, v.vp, &wx[k],
                 &wy[k], &wz);
      cx += f.pos[3 * k] / n;
      cy += f.pos[3 * k + 1] / n;
      cz += f.pos[3 * k + 2] / n;
    }
    for (int k = 0; k < n; k++) area += wx[k] * wy[(k + 1) % n] - wx[(k + 1) % n] * wy[k];
    if (area <= 1.0) continue;
    front++;
    double px, py, pz;
    gluProject(cx, cy, cz, v.model, v.proj, v.vp, &px, &py, &pz);
    int x = (int)px, y = (int)py;
    ASSERT_TRUE(x >= 0 && x < v.w && y >= 0 && y < v.h);
    EXPECT_GT(brightness(replayed, v, x, y), 0) << "front face centroid at " << x << "," << y;
    if (std::fabs(depth[y * v.w + x] - pz) < 1e-3) {
      float facing = 0;
      for (int i = 0; i < 3; i++) facing += (float)v.model[4 * i + 2] * f.normal[i];
      visible.push_back({std::fabs(facing), brightness(replayed, v, x, y)});
    }
  }
  EXPECT_GT(front, 3);
  ASSERT_GE(visible.size(), 2u);
  std::sort(visible.begin(), visible.end());
  ASSERT_GT(visible.back().first - visible.front().first, 0.2f) << "orientations differ";
  EXPECT_GT(visible.back().second, visible.front().second + 10)
      << "a face square to the view is brighter than an oblique one";
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
