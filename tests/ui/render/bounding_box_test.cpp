// Fast display as boxes: what reaches OpenGL for a part whose bounds were
// marked unknown by a rebuild, read back as a feedback buffer.
#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "gl_window_suite.h"
#include "parts/attribute.h"
#include "parts/read.h"
#include "render/active.h"
#include "test_parts.h"

namespace {

class BoundingBox : public qtest::GlWindowSuite<64, 64> {
 protected:
  void TearDown() override {
    qtest::clear_parts();
    GlWindowSuite::TearDown();
  }
};

using Point = std::array<int, 3>;

// The line segments of a GL_3D_COLOR feedback buffer, endpoints rounded to
// window pixels and depth in 1/100.
std::vector<std::pair<Point, Point>> segments(const std::vector<float> &fb) {
  std::vector<std::pair<Point, Point>> out;
  for (size_t k = 0; k + 14 < fb.size();) {
    int token = (int)fb[k];
    if (token != GL_LINE_TOKEN && token != GL_LINE_RESET_TOKEN) break;
    Point a{(int)lroundf(fb[k + 1]), (int)lroundf(fb[k + 2]), (int)lroundf(100 * fb[k + 3])};
    Point b{(int)lroundf(fb[k + 8]), (int)lroundf(fb[k + 9]), (int)lroundf(100 * fb[k + 10])};
    out.push_back(a < b ? std::make_pair(a, b) : std::make_pair(b, a));
    k += 15;
  }
  return out;
}

TEST_F(BoundingBox, MarkedBoundsAreComputedAtTheFirstBoxDraw) {
  qtest::fill_parts({{1, 0, PART_MODEL, "p", -1, {}, false}});
  qtest::set_mesh(0, {-0.5f, -0.25f, -0.5f, 0.5f, 0.25f, 0.5f, 0, 0, 0}, {});
  Part_rec *p = parts[0];
  p->attributes[SLOT_DISPLACE_BY] = -1;
  p->attributes[SLOT_BOUNDING_REP] = 1;
  p->xmin = p->ymin = ATTR_UNSET;
  glEnable(GL_LIGHTING);
  auto fb = qtest::gl_feedback([] { draw_bounding_box(0, 0); });
  EXPECT_EQ(p->xmax, 0.5f) << "the bounds were computed";
  EXPECT_EQ(p->ymin, -0.25f);
  EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
  auto segs = segments(fb);
  EXPECT_EQ(segs.size(), 13u) << "two strips and a line";
  std::set<std::pair<Point, Point>> distinct(segs.begin(), segs.end());
  EXPECT_EQ(distinct.size(), 12u) << "the twelve edges of the box";
  // Every edge runs along one axis between two box corners.
  std::set<int> xs{16, 48}, ys{24, 40};
  for (const auto &s : distinct) {
    const Point &a = s.first, &b = s.second;
    EXPECT_TRUE(xs.count(a[0]) && xs.count(b[0]) && ys.count(a[1]) && ys.count(b[1]))
        << a[0] << "," << a[1] << " " << b[0] << "," << b[1];
    int changed = (a[0] != b[0]) + (a[1] != b[1]) + (a[2] != b[2]);
    EXPECT_EQ(changed, 1);
  }
}

TEST_F(BoundingBox, NothingIsDrawnWithoutBoundsOrOutsideBoxMode) {
  struct Case {
    const char *what;
    int nodes;
    float rep;
  } cases[] = {{"no nodes, bounds stay marked", 0, 1}, {"representation off", 2, 0},
               {"unknown representation", 2, 7}};
  for (const Case &c : cases) {
    qtest::fill_parts({{1, 0, PART_MODEL, "p", -1, {}, false}});
    qtest::set_mesh(0, std::vector<float>({0, 0, 0, 0.5f, 0.5f, 0.5f}), {});
    parts[0]->node_count = c.nodes;
    parts[0]->attributes[SLOT_DISPLACE_BY] = -1;
    parts[0]->attributes[SLOT_BOUNDING_REP] = c.rep;
    parts[0]->xmin = parts[0]->ymin = ATTR_UNSET;
    auto fb = qtest::gl_feedback([] { draw_bounding_box(0, 0); });
    EXPECT_TRUE(fb.empty()) << c.what;
  }
}

// Window x of every point of a GL_3D_COLOR feedback buffer holding only
// points; empty when anything else came back.
std::vector<int> point_xs(const std::vector<float> &fb) {
  std::vector<int> xs;
  for (size_t k = 0; k + 8 <= fb.size(); k += 8) {
    if ((int)fb[k] != GL_POINT_TOKEN) return {};
    xs.push_back((int)lroundf(fb[k + 1]));
  }
  std::sort(xs.begin(), xs.end());
  return xs;
}

TEST_F(BoundingBox, PointCloudIsCompiledOnceAndAgainWhenStale) {
  qtest::fill_parts({{1, 0, PART_MODEL, "p", -1, {}, false}});
  qtest::set_mesh(0, {-0.5f, 0, 0, 0, 0.5f, 0, 0.5f, 0, 0}, {{1, 2, 3}});
  Part_rec *p = parts[0];
  float *a = p->attributes;
  qtest::plain_solid_attributes(a);
  a[SLOT_BOUNDING_REP] = 2;
  a[SLOT_LINE_WIDTH] = 1;
  a[SLOT_NODE_TYPE] = 2;
  p->line_object_size = 77;
  p->solid_object_size = 88;
  for (int solid : {0, 1}) {
    p->bbox_list = 0;
    p->coords[1][0] = -0.5f;
    auto xs = point_xs(qtest::gl_feedback([solid] { draw_bounding_box(0, solid); }));
    EXPECT_EQ(xs, std::vector<int>({16, 32, 48})) << "every node a dot, nothing else; solid " << solid;
    const int id = p->bbox_list;
    ASSERT_GT(id, 0);
    float size = 0;
    glGetFloatv(GL_POINT_SIZE, &size);
    EXPECT_EQ(size, 2.0f) << "thin lines give 2-pixel points";
    EXPECT_EQ(a[SLOT_VIS_LINE], 1.0f) << "attributes restored";
    EXPECT_EQ(a[SLOT_VIS_ELT], 1.0f);
    EXPECT_EQ(a[SLOT_VIS_NODE], 0.0f);
    EXPECT_EQ(a[SLOT_NODE_TYPE], 2.0f);
    EXPECT_EQ(p->line_object_size, 77) << "the part's own object sizes stay";
    EXPECT_EQ(p->solid_object_size, 88);
    // A current list is called as it is, a stale one compiled again.
    p->coords[1][0] = -0.75f;
    EXPECT_EQ(point_xs(qtest::gl_feedback([solid] { draw_bounding_box(0, solid); })), xs);
    EXPECT_EQ(p->bbox_list, id);
    p->bbox_list = -id;
    EXPECT_EQ(point_xs(qtest::gl_feedback([solid] { draw_bounding_box(0, solid); })),
              std::vector<int>({8, 32, 48}));
    EXPECT_EQ(p->bbox_list, id) << "rebuilt under its own id";
    glDeleteLists((GLuint)id, 1);
  }
}

}  // namespace
