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

}  // namespace
