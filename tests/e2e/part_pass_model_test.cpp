// The part drawing pass over a model read by the real stand-in server, in
// the real main graphics window, on both roads (GL lists and recorded
// objects): every part shaded and its front faces lit; a half-transparent
// part lets the parts behind it and the background show through; mirror_x
// copies make a picture symmetric about x = 0; box mode draws the parts'
// bounding boxes and nothing else.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <array>
#include <string>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "model_view.h"
#include "model_window_test.h"
#include "parts/attribute.h"
#include "parts/part_rebuild.h"
#include "parts/read.h"
#include "render/active.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/display_list.h"
#include "render/transparent.h"
#include "test_parts.h"
#include "view/viewports.h"

namespace {

const float Background[3] = {0, 0, 0.25f};
const float Green[3] = {0.2f, 0.8f, 0.2f};
const float Red[3] = {0.9f, 0.1f, 0.1f};

using Picture = std::vector<unsigned char>;

class PartPassModel : public qtest::ModelWindowTest, public testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    qtest::ModelWindowTest::SetUp();
    if (HasFatalFailure()) return;
    Solidt = 1;
    Viewport_current = 0;
    keep_hidden_surface_ = Viewports[0].attributes[VP_HIDDEN_SURFACE];
    Viewports[0].attributes[VP_HIDDEN_SURFACE] = 1;
    Labnod = Labele = Labprt = 0;
    Resort_transparent = 1;
    for (int c = 0; c < 3; c++) {
      lo_[c] = 1e30f;
      hi_[c] = -1e30f;
    }
    for (int i = 0; i < Num_p_loaded; i++) {
      Part_rec *p = parts[i];
      float *a = p->attributes;
      qtest::plain_solid_attributes(a);
      a[SLOT_VIEWPORT_VIS] = 0xffff;
      a[SLOT_MIRROR_ORIGINAL] = 1;
      for (int m = SLOT_MIRROR_Z; m <= SLOT_MIRROR_XYZ; m++) a[m] = 0;
      a[SLOT_LINE_STYLE] = a[SLOT_FILL_PATTERN] = 0;
      a[SLOT_LINE_WIDTH] = 1;
      a[SLOT_FRAME] = 0;
      a[SLOT_LIGHT_DIFF] = 0.2f;
      set_color(i, Green, 1);
      for (int n = 1; n <= p->node_count; n++)
        for (int c = 0; c < 3; c++) {
          lo_[c] = std::min(lo_[c], p->coords[n][c]);
          hi_[c] = std::max(hi_[c], p->coords[n][c]);
        }
    }
    Quivane_display_list = GetParam();
    for (int i = 0; i < Num_p_loaded; i++) {
      make_solid_part_if_needed(parts[i]->number);
      actobj(parts[i]->number);
    }
  }
  void TearDown() override {
    Box_mode = 0;
    Solidt = 0;
    Viewports[0].attributes[VP_HIDDEN_SURFACE] = keep_hidden_surface_;
    Labnod = Labele = Labprt = 1;
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
    reset_active_objects();
    for (int i = 0; i < Num_p_loaded; i++)
      if (parts[i]->solid_list) glDeleteLists(parts[i]->solid_list, 1);
    qtest::ModelWindowTest::TearDown();
  }
  static void set_color(int i, const float rgb[3], float opaqueness) {
    float *a = parts[i]->attributes;
    for (int c = 0; c < 3; c++) a[SLOT_RGB_R + c] = rgb[c];
    a[SLOT_OPAQUENESS] = opaqueness;
  }
  // The opaque pass, and the transparent one when asked, in view v.
  static Picture draw(const qtest::ModelView &v, bool transparent) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    disobj(1, 0);
    if (transparent) disobj(3, 0);
    return qtest::model_view_pixels(v);
  }
  static bool background(const Picture &rgb, size_t pixel) {
    for (int c = 0; c < 3; c++)
      if (std::abs(rgb[3 * pixel + c] - (int)(Background[c] * 255 + 0.5f)) > 1) return false;
    return true;
  }
  float keep_hidden_surface_ = 0;
  float lo_[3], hi_[3];
};

TEST_P(PartPassModel, ShadedTransparentAndMirrored) {
  ASSERT_GT(Num_p_loaded, 1);
  qtest::ModelView v = qtest::set_model_view(lo_, hi_, Background[0], Background[1], Background[2]);
  const size_t pixels = (size_t)v.w * v.h;

  // Shaded: every front face centroid on top is lit.
  Picture opaque = draw(v, false);
  std::vector<float> depth(pixels);
  glReadPixels(0, 0, v.w, v.h, GL_DEPTH_COMPONENT, GL_FLOAT, depth.data());
  std::vector<qtest::ModelFace> faces;
  for (int i = 0; i < Num_p_loaded; i++) qtest::model_faces(i, &faces);
  auto samples = qtest::front_face_samples(faces, v, depth);
  int on_top = 0;
  for (const qtest::FaceSample &s : samples) {
    if (!s.on_top) continue;
    on_top++;
    size_t k = (size_t)s.y * v.w + s.x;
    EXPECT_FALSE(background(opaque, k)) << "face centroid " << s.x << "," << s.y;
    EXPECT_GT(opaque[3 * k + 1], 40) << "lit green at " << s.x << "," << s.y;
  }
  EXPECT_GT(on_top, 3);

  // The model's flat shell, one layer deep, is made red and half
  // transparent; seen from above its +y edge and below z = 0 it stands in
  // front of the roofed block.
  int front = -1;
  for (int i = 0; i < Num_p_loaded; i++) {
    const Part_rec *p = parts[i];
    bool flat = p->node_count > 0;
    for (int n = 1; n <= p->node_count; n++) flat &= p->coords[n][2] == p->coords[1][2];
    if (flat) front = i;
  }
  ASSERT_GE(front, 0) << "the model has its shell";
  float centre[3];
  for (int c = 0; c < 3; c++) centre[c] = (lo_[c] + hi_[c]) / 2;
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glRotatef(10, 0, 1, 0);
  glRotatef(135, 1, 0, 0);
  glTranslatef(-centre[0], -centre[1], -centre[2]);
  glGetDoublev(GL_MODELVIEW_MATRIX, v.model);
  std::vector<std::vector<bool>> covers(Num_p_loaded);
  for (int i = 0; i < Num_p_loaded; i++) {
    reset_active_objects();
    actobj(parts[i]->number);
    Picture alone = draw(v, false);
    covers[i].resize(pixels);
    for (size_t k = 0; k < pixels; k++) covers[i][k] = !background(alone, k);
  }
  reset_active_objects();
  for (int i = 0; i < Num_p_loaded; i++) actobj(parts[i]->number);
  set_color(front, Red, 1);
  Picture solid_front = draw(v, false);
  set_color(front, Red, 0.5f);
  Resort_transparent = 1;
  Picture see_through = draw(v, true);
  long through = 0, over_background = 0;
  for (size_t k = 0; k < pixels; k++) {
    if (!covers[front][k] || solid_front[3 * k] <= solid_front[3 * k + 1]) continue;
    bool others = false;
    for (int j = 0; j < Num_p_loaded; j++) others |= j != front && covers[j][k];
    const unsigned char *was = &solid_front[3 * k], *now = &see_through[3 * k];
    if (others) {
      // A green part behind shows through: green up, red down.
      through++;
      EXPECT_GT(now[1], was[1]) << "pixel " << k;
      EXPECT_LT(now[0], was[0]) << "pixel " << k;
    } else {
      over_background++;
      bool strictly = false;
      for (int c = 0; c < 3; c++) {
        int bg = (int)(Background[c] * 255 + 0.5f);
        EXPECT_GE(now[c], std::min(bg, (int)was[c]) - 1) << "pixel " << k;
        EXPECT_LE(now[c], std::max(bg, (int)was[c]) + 1) << "pixel " << k;
        strictly |= now[c] != was[c] && now[c] != bg;
      }
      EXPECT_TRUE(strictly) << "pixel " << k;
    }
  }
  EXPECT_GT(through, 50);
  EXPECT_GT(over_background, 20);
  set_color(front, Green, 1);

  // mirror_x, looking down -z with x = 0 on the window's centre line.
  float r = 0;
  for (int c = 0; c < 3; c++) r = std::max({r, std::fabs(lo_[c]), std::fabs(hi_[c])});
  r *= 2.2f;
  const double aspect = (double)v.w / v.h;
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-r * aspect, r * aspect, -r, r, -10 * r, 10 * r);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  for (int i = 0; i < Num_p_loaded; i++) parts[i]->attributes[SLOT_MIRROR_X] = 1;
  Picture mirrored = draw(v, false);
  long lit = 0, unlike = 0;
  for (int y = 0; y < v.h; y++)
    for (int x = 0; x < v.w / 2; x++) {
      size_t a = (size_t)y * v.w + x, b = (size_t)y * v.w + (v.w - 1 - x);
      if (background(mirrored, a) && background(mirrored, b)) continue;
      lit++;
      int worst = 0;
      for (int c = 0; c < 3; c++) worst = std::max(worst, std::abs(mirrored[3 * a + c] - mirrored[3 * b + c]));
      unlike += worst > 4;
    }
  EXPECT_GT(lit, 200);
  EXPECT_LT(unlike, lit / 50) << "mirrored pixel pairs differ";
}

TEST_P(PartPassModel, BoxModeDrawsOnlyTheBoxEdges) {
  qtest::ModelView v = qtest::set_model_view(lo_, hi_, Background[0], Background[1], Background[2]);
  Box_mode = 1;
  std::vector<std::array<double, 4>> edges;  // window x0, y0, x1, y1
  for (int i = 0; i < Num_p_loaded; i++) {
    Part_rec *p = parts[i];
    p->attributes[SLOT_BOUNDING_REP] = 1;
    if (i == 0) set_color(i, Green, 0.5f);  // transparent parts are boxes too
    p->xmin = p->ymin = ATTR_UNSET;
    find_bounding_volume(i);
    const float x[2] = {p->xmin, p->xmax}, y[2] = {p->ymin, p->ymax}, z[2] = {p->zmin, p->zmax};
    double w[8][3];
    for (int c = 0; c < 8; c++)
      gluProject(x[c & 1], y[(c >> 1) & 1], z[c >> 2], v.model, v.proj, v.vp, &w[c][0], &w[c][1],
                 &w[c][2]);
    for (int a = 0; a < 8; a++)
      for (int bit : {1, 2, 4})
        if (!(a & bit)) edges.push_back({w[a][0], w[a][1], w[a | bit][0], w[a | bit][1]});
    p->xmin = p->ymin = ATTR_UNSET;  // computed again at the first box draw
  }
  Picture boxes = draw(v, false);
  long lit = 0, stray = 0;
  for (int py = 0; py < v.h; py++)
    for (int px = 0; px < v.w; px++) {
      if (background(boxes, (size_t)py * v.w + px)) continue;
      lit++;
      double cx = px + 0.5, cy = py + 0.5, best = 1e30;
      for (const auto &e : edges) {
        double dx = e[2] - e[0], dy = e[3] - e[1], len = dx * dx + dy * dy;
        double t = len > 0 ? std::clamp(((cx - e[0]) * dx + (cy - e[1]) * dy) / len, 0.0, 1.0) : 0;
        best = std::min(best, std::hypot(cx - (e[0] + t * dx), cy - (e[1] + t * dy)));
      }
      stray += best > 1.5;
    }
  EXPECT_GT(lit, 100);
  EXPECT_EQ(stray, 0) << "part-colour pixels away from every box edge";
  EXPECT_NE(parts[0]->xmin, ATTR_UNSET) << "bounds computed when first drawn";
}

INSTANTIATE_TEST_SUITE_P(Roads, PartPassModel, testing::Values(0, 1),
                         [](const testing::TestParamInfo<int> &info) {
                           return info.param ? std::string("RecordedObjects") : std::string("GlLists");
                         });

}  // namespace
