// The software pick and the realtime surface drawing on the mixed-element
// model read by the real stand-in server, shaded under a fixed view in the
// client's main graphics window: a pick at a front face's centroid pixel
// lands on that face, a pick on the background finds nothing, and a part's
// faces handed to the realtime buffers draw the picture of the part's own
// flat-shaded object.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "derived/realtime_buffers.h"
#include "model_view.h"
#include "model_window_test.h"
#include "parts/attribute.h"
#include "parts/elem_coord.h"
#include "parts/part_rebuild.h"
#include "parts/read.h"
#include "render/active.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/display_list.h"
#include "render/picking.h"
#include "render/realtime.h"
#include "test_parts.h"
#include "view/viewports.h"

namespace {

class PickRealtimeModel : public qtest::ModelWindowTest {
 protected:
  void SetUp() override {
    qtest::ModelWindowTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_GT(Num_p_loaded, 0);
    Solidt = 1;
    Labnod = Labele = Labprt = 0;
    Viewport_current = 0;
    float *va = Viewports[0].attributes;
    for (int k = 0; k < 4; k++) keep_vp_[k] = va[VP_ORIGIN_X + k];
    keep_hidden_ = va[VP_HIDDEN_SURFACE];
    va[VP_ORIGIN_X] = va[VP_ORIGIN_Y] = 0;
    va[VP_WIDTH] = va[VP_HEIGHT] = 1;
    va[VP_HIDDEN_SURFACE] = 1;
    reset_active_objects();
    Quivane_display_list = 1;
    for (int i = 0; i < Num_p_loaded; i++) {
      float *a = parts[i]->attributes;
      qtest::plain_solid_attributes(a);
      qtest::plain_draw_attributes(a);
      a[SLOT_VISIBLE] = 1;
      a[SLOT_VIEWPORT_VIS] = 0xffff;
      a[SLOT_HIDDEN_SURFACE] = 1;
      a[SLOT_MIRROR_ORIGINAL] = 1;
      for (int m = SLOT_MIRROR_Z; m <= SLOT_MIRROR_XYZ; m++) a[m] = 0;
      make_part_solid(parts[i]->number);
      parts[i]->solid_built = 1;
      actobj(parts[i]->number);
      for (int n = 1; n <= parts[i]->node_count; n++)
        for (int c = 0; c < 3; c++) {
          lo_[c] = std::min(lo_[c], parts[i]->coords[n][c]);
          hi_[c] = std::max(hi_[c], parts[i]->coords[n][c]);
        }
    }
    size_ = std::max({hi_[0] - lo_[0], hi_[1] - lo_[1], hi_[2] - lo_[2]});
    view_ = qtest::set_model_view(lo_, hi_);
  }
  void TearDown() override {
    float *va = Viewports[0].attributes;
    for (int k = 0; k < 4; k++) va[VP_ORIGIN_X + k] = keep_vp_[k];
    va[VP_HIDDEN_SURFACE] = keep_hidden_;
    for (int i = 0; i < Num_p_loaded; i++)
      if (parts[i]->solid_list) glDeleteLists(parts[i]->solid_list, 1);
    Realtime_temp_coord[0] = Realtime_temp_coord[1] = Realtime_temp_coord[2] = nullptr;
    Realtime_temp_con = nullptr;
    Realtime_big_temp_coord = Realtime_big_temp_con = 0;
    Solidt = 0;
    Labnod = Labele = Labprt = 1;
    reset_active_objects();
    qtest::ModelWindowTest::TearDown();
  }
  std::vector<unsigned char> draw_parts() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    disobj(1, 0);
    return qtest::model_view_pixels(view_);
  }
  float keep_vp_[4] = {}, keep_hidden_ = 0;
  float lo_[3] = {1e30f, 1e30f, 1e30f}, hi_[3] = {-1e30f, -1e30f, -1e30f}, size_ = 0;
  qtest::ModelView view_;
};

// A face of the picture: part index, element, corners, centroid pixel.
struct Shown {
  int part = -1, element = -1;
  std::vector<float> pos;
  int x = 0, y = 0;
  float area = 0;  // on screen, in pixels
};

TEST_F(PickRealtimeModel, AFrontFaceCentroidIsPickedOnThatFace) {
  const std::vector<unsigned char> rgb = draw_parts();
  std::vector<float> depth(view_.w * view_.h);
  glReadPixels(0, 0, view_.w, view_.h, GL_DEPTH_COMPONENT, GL_FLOAT, depth.data());

  // The front face largest on screen whose own surface shows, lit, at its
  // centroid pixel.
  Shown best;
  for (int i = 0; i < Num_p_loaded; i++) {
    const Part_rec *p = parts[i];
    for (int e = 0; e < p->element_count; e++) {
      const int n = p->elem_offsets[e + 1] - p->elem_offsets[e];
      if (n != 3 && n != 4) continue;
      Shown s;
      s.part = i;
      s.element = e;
      s.pos.resize(3 * n);
      get_elem_coord(i, e, s.pos.data());
      double c[3] = {0, 0, 0}, wx[4], wy[4], wz;
      for (int k = 0; k < n; k++) {
        for (int d = 0; d < 3; d++) c[d] += s.pos[3 * k + d] / n;
        gluProject(s.pos[3 * k], s.pos[3 * k + 1], s.pos[3 * k + 2], view_.model, view_.proj,
                   view_.vp, &wx[k], &wy[k], &wz);
      }
      double area = 0;
      for (int k = 0; k < n; k++) area += wx[k] * wy[(k + 1) % n] - wx[(k + 1) % n] * wy[k];
      if (area < 200) continue;  // counter-clockwise and large enough to aim at
      double px, py, pz;
      gluProject(c[0], c[1], c[2], view_.model, view_.proj, view_.vp, &px, &py, &pz);
      s.x = (int)px;
      s.y = (int)py;
      if (s.x < 0 || s.y < 0 || s.x >= view_.w || s.y >= view_.h) continue;
      if (std::fabs(depth[s.y * view_.w + s.x] - pz) > 1e-3) continue;
      if (qtest::pixel_brightness(rgb, view_, s.x, s.y) == 0) continue;
      s.area = (float)area;
      if (s.area > best.area) best = s;
    }
  }
  ASSERT_GE(best.part, 0) << "no front face shows at its centroid";

  int found = 0, node = -5, element = -5, part = -5, triple[3] = {-5, -5, -5};
  float x = -9, y = -9, z = -9, w[3] = {-5, -5, -5};
  return_pick_point(1, &x, &y, &z, &best.x, &best.y, &found, 1, 1, &node, &element, &part,
                    triple, w);
  ASSERT_EQ(found, 1);
  EXPECT_NEAR(w[0] + w[1] + w[2], 1.0f, 1e-5f);
  for (float wk : w) EXPECT_GE(wk, -1e-5f) << "inside the face's outline";

  // The three nodes named are corners of the face, and the point is their
  // weighted sum, so it lies in the face's plane.
  ASSERT_GE(part, 0);
  ASSERT_LT(part, Num_p_loaded);
  const float tol = 1e-4f * size_;
  float at[3] = {0, 0, 0};
  for (int k = 0; k < 3; k++) {
    ASSERT_GE(triple[k], 1);
    ASSERT_LE(triple[k], parts[part]->node_count);
    const float *q = parts[part]->coords[triple[k]];
    bool corner = false;
    for (size_t c = 0; c < best.pos.size(); c += 3)
      corner = corner || (std::fabs(q[0] - best.pos[c]) <= tol &&
                          std::fabs(q[1] - best.pos[c + 1]) <= tol &&
                          std::fabs(q[2] - best.pos[c + 2]) <= tol);
    EXPECT_TRUE(corner) << "node " << triple[k] << " is not a corner of the face";
    for (int d = 0; d < 3; d++) at[d] += w[k] * q[d];
  }
  EXPECT_NEAR(x, at[0], tol);
  EXPECT_NEAR(y, at[1], tol);
  EXPECT_NEAR(z, at[2], tol);
  // And that plane is the face's own: its normal from three corners.
  const float *p0 = &best.pos[0], *p1 = &best.pos[3], *p2 = &best.pos[6];
  const float u[3] = {p1[0] - p0[0], p1[1] - p0[1], p1[2] - p0[2]};
  const float v[3] = {p2[0] - p0[0], p2[1] - p0[1], p2[2] - p0[2]};
  float nrm[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
  const float len = std::sqrt(nrm[0] * nrm[0] + nrm[1] * nrm[1] + nrm[2] * nrm[2]);
  ASSERT_GT(len, 0);
  const float off = (nrm[0] * (x - p0[0]) + nrm[1] * (y - p0[1]) + nrm[2] * (z - p0[2])) / len;
  EXPECT_LE(std::fabs(off), tol);

  // A background pixel: nothing found, the point untouched.
  int bx = -1, by = -1;
  for (int yy = 0; yy < view_.h && bx < 0; yy += 5)
    for (int xx = 0; xx < view_.w; xx += 5)
      if (qtest::pixel_brightness(rgb, view_, xx, yy) == 0 &&
          depth[yy * view_.w + xx] == 1.0f) {
        bx = xx;
        by = yy;
        break;
      }
  ASSERT_GE(bx, 0);
  float bg[3] = {7, 8, 9};
  found = 5;
  return_pick_point(1, &bg[0], &bg[1], &bg[2], &bx, &by, &found, 1, 1, &node, &element, &part,
                    triple, w);
  EXPECT_EQ(found, 0);
  EXPECT_EQ(bg[0], 7);
  EXPECT_EQ(bg[1], 8);
  EXPECT_EQ(bg[2], 9);
}

// The part with the most quadrilaterals, its faces handed to the realtime
// buffers as an interactive surface's server would (quadrilaterals as n = 4,
// triangles as n = 3), covers the pixels of its own flat-shaded object.
TEST_F(PickRealtimeModel, ThePartsFacesInTheRealtimeBuffersDrawItsOwnPicture) {
  int part = -1, most = 0;
  for (int i = 0; i < Num_p_loaded; i++) {
    int quads = 0;
    for (int e = 0; e < parts[i]->element_count; e++)
      quads += parts[i]->elem_offsets[e + 1] - parts[i]->elem_offsets[e] == 4;
    if (quads > most) most = quads, part = i;
  }
  ASSERT_GE(part, 0) << "no part has quadrilaterals";
  const Part_rec *p = parts[part];
  std::vector<int> quads, tris;
  for (int e = 0; e < p->element_count; e++) {
    const int b = p->elem_offsets[e], n = p->elem_offsets[e + 1] - b;
    ASSERT_TRUE(n == 3 || n == 4) << "element " << e << " of " << n << " nodes";
    (n == 4 ? quads : tris).insert((n == 4 ? quads : tris).end(), p->connectivity + b,
                                   p->connectivity + b + n);
  }
  const int nodes = p->node_count + 1;
  std::vector<float> xyz[3];
  for (int c = 0; c < 3; c++) {
    xyz[c].assign(nodes, 0);
    for (int n = 1; n < nodes; n++) xyz[c][n] = p->coords[n][c];
    Realtime_temp_coord[c] = xyz[c].data();
  }
  Realtime_big_temp_coord = nodes;

  // Only this part in the object picture.
  reset_active_objects();
  actobj(p->number);
  const std::vector<unsigned char> object = draw_parts();

  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  Realtime_temp_con = quads.data();
  Realtime_big_temp_con = (int)quads.size();
  display_phase_realtime(part, nodes, (int)quads.size() / 4, 4, -1, -1);
  if (!tris.empty()) {
    Realtime_temp_con = tris.data();
    Realtime_big_temp_con = (int)tris.size();
    display_phase_realtime(part, nodes, (int)tris.size() / 3, 3, -1, -1);
  }
  const std::vector<unsigned char> realtime = qtest::model_view_pixels(view_);

  int lit = 0, differ = 0;
  for (size_t k = 0; k < object.size(); k += 3) {
    lit += object[k] || object[k + 1] || object[k + 2];
    for (int c = 0; c < 3; c++) differ += std::abs(object[k + c] - realtime[k + c]) > 2;
  }
  ASSERT_GT(lit, 500);
  EXPECT_EQ(differ, 0);
}

}  // namespace
