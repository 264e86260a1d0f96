// Every part of a model read by the real stand-in server, outlined by the
// line object builder through make_part on both roads (GL lists, and
// recorded objects with -no_display_list), drawn as lines without lighting
// in the real main graphics window: only the element edges are drawn, and
// every edge is.  Node labels of one part ask the real server and compile
// one label per node id the filter lets through.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "model_view.h"
#include "model_window_test.h"
#include "parts/attribute.h"
#include "parts/elem_coord.h"
#include "parts/part_rebuild.h"
#include "parts/read.h"
#include "render/disobj.h"
#include "render/display_list.h"
#include "render/labels.h"
#include "test_parts.h"
#include "view/viewports.h"

namespace {

const float Part_rgb[3] = {1.0f, 0.8f, 0.2f};
const float Background[3] = {0, 0, 0.25f};

// An element edge projected into window pixels.
struct Edge2 {
  double x0, y0, x1, y1;
};

std::vector<Edge2> projected_edges(const qtest::ModelView &v) {
  std::vector<Edge2> edges;
  for (int part = 0; part < Num_p_loaded; part++) {
    const Part_rec *p = parts[part];
    for (int e = 0; e < p->element_count; e++) {
      int n = p->elem_offsets[e + 1] - p->elem_offsets[e];
      if (n < 2) continue;
      std::vector<float> pos(3 * n);
      get_elem_coord(part, e, pos.data());
      int sides = n == 2 ? 1 : n;
      for (int k = 0; k < sides; k++) {
        const float *a = &pos[3 * k], *b = &pos[3 * ((k + 1) % n)];
        double z, x0, y0, x1, y1;
        gluProject(a[0], a[1], a[2], v.model, v.proj, v.vp, &x0, &y0, &z);
        gluProject(b[0], b[1], b[2], v.model, v.proj, v.vp, &x1, &y1, &z);
        edges.push_back({x0, y0, x1, y1});
      }
    }
  }
  return edges;
}

// Distance from point (px, py) to the segment.
double distance(const Edge2 &s, double px, double py) {
  double dx = s.x1 - s.x0, dy = s.y1 - s.y0, len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((px - s.x0) * dx + (py - s.y0) * dy) / len2 : 0;
  t = std::max(0.0, std::min(1.0, t));
  return std::hypot(s.x0 + t * dx - px, s.y0 + t * dy - py);
}

bool part_colour(const std::vector<unsigned char> &rgb, const qtest::ModelView &v, int x, int y) {
  if (x < 0 || y < 0 || x >= v.w || y >= v.h) return false;
  const unsigned char *p = &rgb[3 * (y * v.w + x)];
  for (int c = 0; c < 3; c++)
    if (std::abs(p[c] - (int)std::lround(Part_rgb[c] * 255)) > 1) return false;
  return true;
}

class LineModel : public qtest::ModelWindowTest {
 protected:
  void SetUp() override {
    qtest::ModelWindowTest::SetUp();
    if (HasFatalFailure()) return;
    for (int i = 0; i < Num_p_loaded; i++) qtest::plain_solid_attributes(parts[i]->attributes);
  }
  void TearDown() override {
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    for (int i = 0; i < Num_p_loaded; i++) {
      if (parts[i]->line_list) glDeleteLists(parts[i]->line_list, 1);
      if (parts[i]->solid_list) glDeleteLists(parts[i]->solid_list, 1);
    }
    qtest::ModelWindowTest::TearDown();
  }
  static void draw_all(bool recorded) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glDisable(GL_LIGHTING);
    glColor3fv(Part_rgb);
    // Line objects are replayed while the viewport hides no surfaces.
    float &hidden = Viewports[Viewport_current].attributes[VP_HIDDEN_SURFACE];
    const float saved = hidden;
    hidden = 0.0f;
    for (int i = 0; i < Num_p_loaded; i++) {
      if (recorded)
        draw_internal_display_list_object(i, 0);
      else
        glCallList(parts[i]->line_list);
    }
    hidden = saved;
  }
  static void box(float lo[3], float hi[3]) {
    for (int c = 0; c < 3; c++) lo[c] = 1e30f, hi[c] = -1e30f;
    for (int i = 0; i < Num_p_loaded; i++)
      for (int n = 1; n <= parts[i]->node_count; n++)
        for (int c = 0; c < 3; c++) {
          lo[c] = std::min(lo[c], parts[i]->coords[n][c]);
          hi[c] = std::max(hi[c], parts[i]->coords[n][c]);
        }
  }
};

// Wireframe edges (each face a line loop) and the four passes (triangles and
// quadrilaterals as filled primitives, outlined by the polygon mode), each
// built on both roads.
TEST_F(LineModel, BothRoadsDrawEveryEdgeAndNothingElse) {
  ASSERT_GT(Num_p_loaded, 0);
  float lo[3], hi[3];
  box(lo, hi);
  qtest::ModelView v = qtest::set_model_view(lo, hi, Background[0], Background[1], Background[2]);
  std::vector<Edge2> edges = projected_edges(v);
  ASSERT_GT(edges.size(), 20u);
  const int saved_wireframe = Wireframe_lines;

  for (int wireframe : {1, 0}) {
    Wireframe_lines = wireframe;
    Quivane_display_list = 0;
    for (int i = 0; i < Num_p_loaded; i++) make_part(parts[i]->number);
    Quivane_display_list = 1;
    for (int i = 0; i < Num_p_loaded; i++) make_part(parts[i]->number);
    Quivane_display_list = 0;
    for (int i = 0; i < Num_p_loaded; i++) {
      ASSERT_TRUE(glIsList(parts[i]->line_list)) << i;
      ASSERT_NE(parts[i]->line_object, nullptr) << i;
    }

    for (bool recorded : {false, true}) {
      SCOPED_TRACE(std::string(wireframe ? "wireframe, " : "four passes, ") +
                   (recorded ? "recorded objects" : "GL lists"));
      draw_all(recorded);
      std::vector<unsigned char> rgb = qtest::model_view_pixels(v);
      long drawn = 0, stray = 0;
      for (int y = 0; y < v.h; y++)
        for (int x = 0; x < v.w; x++) {
          if (!part_colour(rgb, v, x, y)) continue;
          drawn++;
          double best = 1e30;
          for (const Edge2 &s : edges) best = std::min(best, distance(s, x + 0.5, y + 0.5));
          // Within one pixel of the edge, measured from the pixel's corner.
          if (best > 1.0 + 0.5 * std::sqrt(2.0) && stray++ < 5)
            ADD_FAILURE() << "pixel " << x << "," << y << " off every edge";
        }
      EXPECT_GT(drawn, 100);
      EXPECT_EQ(stray, 0);
      // The midpoint's pixel, give or take the rasteriser's rounding.
      int missing = 0;
      for (const Edge2 &s : edges) {
        int mx = (int)std::floor((s.x0 + s.x1) / 2), my = (int)std::floor((s.y0 + s.y1) / 2);
        bool hit = false;
        for (int dy = -1; dy <= 1 && !hit; dy++)
          for (int dx = -1; dx <= 1 && !hit; dx++) hit = part_colour(rgb, v, mx + dx, my + dy);
        if (!hit && missing++ < 5) ADD_FAILURE() << "edge midpoint " << mx << "," << my;
      }
      EXPECT_EQ(missing, 0);
    }
  }
  Wireframe_lines = saved_wireframe;
}

TEST_F(LineModel, NodeLabelsAskTheServerAndPassTheFilter) {
  const int i = model_->largest_part();
  ASSERT_GE(i, 0);
  Part_rec *p = parts[i];
  float *a = p->attributes;
  a[SLOT_DISPLACE_FACTOR] = 2.5f;
  a[SLOT_SHRINK] = 0.25f;
  a[SLOT_LABEL_NODE] = 1.0f;
  const int saved = Labnod;
  Labnod = 0;  // the filter is set without rebuilding
  int was_low, was_high, was_type;
  node_label_filters(&was_low, &was_high, &was_type, 0);
  int low = 3, high = 7, type = LABEL_THRESHOLD_LOW_HIGH;
  node_label_filters(&low, &high, &type, 1);
  Labnod = 1;
  ASSERT_GE(p->node_count, high);

  float lo[3], hi[3];
  box(lo, hi);
  qtest::set_model_view(lo, hi);  // every node inside the view
  build_node_nums(p->number);
  ASSERT_NE(p->node_label_list, 0u);

  const std::string log = model_->servers().log_of(model_->servers().started().at(0));
  char expect[160];
  snprintf(expect, sizeof expect,
           "get node labels %d: representation %d variable -1 factor 2.5 shrink 0.25 -> %d",
           p->number, (int)std::lround(a[SLOT_ELT_REP]), p->node_count);
  EXPECT_NE(log.find(expect), std::string::npos) << expect << "\n" << log;

  // The stand-in numbers the nodes of an id-less file 1..n; the list draws
  // each shown id's digits as bitmaps.
  int digits = 0;
  for (int id = 1; id <= p->node_count; id++)
    if (id >= low && id <= high) digits += (int)std::to_string(id).size();
  std::vector<float> buf(200000);
  glFeedbackBuffer((GLsizei)buf.size(), GL_3D, buf.data());
  glRenderMode(GL_FEEDBACK);
  glCallList(p->node_label_list);
  int n = glRenderMode(GL_RENDER), bitmaps = 0;
  for (int k = 0; k < n;) {
    int token = (int)buf[k++];
    if (token == GL_BITMAP_TOKEN) bitmaps++;
    k += 3;
  }
  EXPECT_EQ(bitmaps, digits);

  Labnod = 0;
  node_label_filters(&was_low, &was_high, &was_type, 1);
  Labnod = saved;
  a[SLOT_LABEL_NODE] = 0.0f;
  a[SLOT_SHRINK] = 0.0f;
  glDeleteLists(p->node_label_list, 1);
  p->node_label_list = 0;
}

}  // namespace
