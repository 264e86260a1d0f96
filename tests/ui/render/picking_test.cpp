// Software picking on small fixture parts under a private X server, with
// identity matrices over a 64 x 64 window: model x, y in -1..1 land on
// pixels (x + 1) x 32, and a larger model z is nearer to the eye.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <vector>

#include "client/alloc_gate.h"
#include "gl_window_suite.h"
#include "interact/support.h"
#include "interact/tool_records.h"
#include "parts/attribute.h"
#include "parts/read.h"
#include "render/active.h"
#include "render/display.h"
#include "render/picking.h"
#include "test_parts.h"
#include "view/viewports.h"

namespace {

const int Size = 64;

int px(float model) { return (int)std::lround((model + 1.0f) * 0.5f * Size); }

// The outputs of one pick of one position.
struct Hit {
  int found = 0;
  float p[3] = {-9, -9, -9};
  int node = -5, element = -5, part = -5;
  int triple[3] = {-5, -5, -5};
  float w[3] = {-5, -5, -5};
  float weight_sum() const { return w[0] + w[1] + w[2]; }
};

Hit pick(int sx, int sy, int details = 1, int no_snap = 1, int part_before = -5) {
  Hit h;
  h.part = part_before;
  return_pick_point(1, &h.p[0], &h.p[1], &h.p[2], &sx, &sy, &h.found, details, no_snap, &h.node,
                    &h.element, &h.part, h.triple, h.w);
  return h;
}

class Picking : public qtest::GlWindowSuite<Size, Size> {
 protected:
  void SetUp() override {
    GlWindowSuite::SetUp();
    if (HasFatalFailure()) return;
    int x0 = 0, x1 = Size - 1, y0 = 0, y1 = Size - 1;
    grasal(&x0, &x1, &y0, &y1, 0, 1);
    Viewport_current = 0;
    for (int k = 0; k < 4; k++) keep_vp_[k] = Viewports[0].attributes[VP_ORIGIN_X + k];
    Viewports[0].attributes[VP_ORIGIN_X] = Viewports[0].attributes[VP_ORIGIN_Y] = 0;
    Viewports[0].attributes[VP_WIDTH] = Viewports[0].attributes[VP_HEIGHT] = 1;
    reset_active_objects();
    qtest::clear_parts();
  }
  void TearDown() override {
    for (int k = 0; k < 4; k++) Viewports[0].attributes[VP_ORIGIN_X + k] = keep_vp_[k];
    Planon = Plane_solid = 0;
    alloc_gate_fail_after(-1);
    reset_active_objects();
    qtest::clear_parts();
  }
  float keep_vp_[4] = {};

  // A new active part of nodes xyz and 1-based elements, shown as itself.
  static float *add(const std::vector<float> &xyz, const std::vector<std::vector<int>> &elements) {
    const int number = Num_p_loaded + 1;
    float *a = qtest::add_mesh_part(number, PART_MODEL, xyz, elements);
    a[SLOT_FRAME] = 0;
    actobj(number);
    return a;
  }
  // The square of half side h about (cx, cy) at depth z, counter-clockwise.
  static std::vector<float> square(float cx, float cy, float z, float h) {
    return {cx - h, cy - h, z, cx + h, cy - h, z, cx + h, cy + h, z, cx - h, cy + h, z};
  }
};

TEST_F(Picking, NearerOfTwoOverlappingFacesWinsInEitherOrder) {
  for (bool near_first : {true, false}) {
    qtest::clear_parts();
    reset_active_objects();
    std::vector<float> xyz = square(0, 0, near_first ? 0.2f : -0.3f, 0.5f);
    std::vector<float> other = square(0.1f, 0, near_first ? -0.3f : 0.2f, 0.5f);
    xyz.insert(xyz.end(), other.begin(), other.end());
    add(xyz, {{1, 2, 3, 4}, {5, 6, 7, 8}});
    Hit h = pick(px(0.05f), px(0.1f));
    ASSERT_EQ(h.found, 1) << near_first;
    EXPECT_NEAR(h.p[2], 0.2f, 1e-5) << near_first;
    EXPECT_EQ(h.element, near_first ? 0 : 1);
    EXPECT_EQ(h.part, 0);
    EXPECT_NEAR(h.weight_sum(), 1.0f, 1e-5);
  }
}

TEST_F(Picking, SegmentsNodesAndFacesOutsideTheView) {
  // Segment from pixel (16, 16) to (40, 48), direction (3, 4); a node at
  // pixel (32, 56); a face covering the whole view with every vertex
  // outside it.
  float *a = add({-0.5f, -0.5f, 0, 0.25f, 0.5f, 0, 0, 0.75f, 0.1f, -2, -2, -0.5f, 2, -2, -0.5f, 2,
                  2, -0.5f, -2, 2, -0.5f},
                 {{1, 2}, {4, 5, 6, 7}});
  struct Case {
    const char *what;
    int x, y;
    float node_visible;
    int found;
    float point[3];
    float wa, wb;
  } cases[] = {
      // (9, 2) from the start: 6 pixels from the line, 11 from the start
      // with the squared offset added, so a = 1 - 11 / 40.
      {"6 pixels off the segment", 25, 18, 0, 1, {-0.29375f, -0.225f, 0}, 0.725f, 0.275f},
      {"7 pixels off the segment", 27, 19, 0, 0, {}, 0, 0},
      {"past its end within 6: snaps to the end", 42, 50, 0, 1, {0.25f, 0.5f, 0}, 0, 1},
      {"past its start within 6: snaps to the start", 14, 13, 0, 1, {-0.5f, -0.5f, 0}, 1, 0},
      {"node 36 square pixels away", 38, 56, 1, 1, {0, 0.75f, 0.1f}, 1, 0},
      {"node 37 square pixels away", 38, 57, 1, 0, {}, 0, 0},
      {"node hidden", 32, 56, 0, 0, {}, 0, 0},
      {"face whose vertices are all outside the view", 20, 8, 1, 0, {}, 0, 0},
  };
  for (const Case &c : cases) {
    a[SLOT_VIS_NODE] = c.node_visible;
    Hit h = pick(c.x, c.y);
    ASSERT_EQ(h.found, c.found) << c.what;
    if (!c.found) {
      EXPECT_EQ(h.p[0], -9) << c.what;
      continue;
    }
    for (int k = 0; k < 3; k++) EXPECT_NEAR(h.p[k], c.point[k], 1e-5) << c.what;
    EXPECT_NEAR(h.w[0], c.wa, 1e-5) << c.what;
    EXPECT_NEAR(h.w[1], c.wb, 1e-5) << c.what;
    EXPECT_NEAR(h.weight_sum(), 1.0f, 1e-5) << c.what;
    if (c.node_visible) {
      EXPECT_EQ(h.node, 3) << c.what;
      EXPECT_EQ(h.element, 0) << c.what;
    } else {
      EXPECT_EQ(h.triple[2], 0) << c.what;
      EXPECT_EQ(h.element, 0) << c.what;
    }
  }
}

TEST_F(Picking, SegmentWithBothEndsOnOnePixelIsAPoint) {
  float a, b;
  ASSERT_EQ(pick_segment(13, 14, 10, 10, 10, 10, &a, &b), 1);
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 0);
  EXPECT_EQ(pick_segment(15, 15, 10, 10, 10, 10, &a, &b), 0);  // inside the box, 7.07 away
}

TEST_F(Picking, MirrorCopyIsPickedWhereDrawnInThePartsCoordinates) {
  float *a = add(square(0.5f, 0, 0, 0.2f), {{1, 2, 3, 4}});
  a[SLOT_MIRROR_ORIGINAL] = 0;
  a[SLOT_MIRROR_X] = 1;
  EXPECT_EQ(pick(px(0.5f), px(0.125f)).found, 0);
  Hit h = pick(px(-0.5f), px(0.125f));
  ASSERT_EQ(h.found, 1);
  EXPECT_NEAR(h.p[0], 0.5f, 1e-5);
  EXPECT_NEAR(h.p[1], 0.125f, 1e-5);
}

TEST_F(Picking, FacesSplitByTheirRowsWithWeightsSummingToOne) {
  const float qx[4] = {0, 10, 10, 0}, qy[4] = {0, 0, 10, 10};
  // A six-node face: corners 0, 2, 4 and mid-side nodes 1, 3, 5.
  const float hx[6] = {0, 10, 20, 15, 10, 5}, hy[6] = {0, 0, 0, 10, 20, 10};
  struct Case {
    const char *what;
    const float *vx, *vy;
    int n;
    float x, y;
    int tri[3];
  } cases[] = {
      {"quad, below the diagonal", qx, qy, 4, 8, 2, {0, 1, 2}},
      {"quad, above the diagonal", qx, qy, 4, 2, 8, {0, 2, 3}},
      {"six nodes, first corner", hx, hy, 6, 4, 2, {0, 1, 5}},
      {"six nodes, second corner", hx, hy, 6, 16, 2, {1, 2, 3}},
      {"six nodes, middle", hx, hy, 6, 10, 6, {1, 3, 5}},
      {"six nodes, top corner", hx, hy, 6, 10, 16, {3, 4, 5}},
  };
  for (const Case &c : cases) {
    int tri[3];
    float w[3];
    ASSERT_EQ(pick_face_triangle(c.x, c.y, c.vx, c.vy, c.n, tri, w), 1) << c.what;
    for (int k = 0; k < 3; k++) EXPECT_EQ(tri[k], c.tri[k]) << c.what;
    EXPECT_NEAR(w[0] + w[1] + w[2], 1.0f, 1e-6) << c.what;
    float x = 0, y = 0;
    for (int k = 0; k < 3; k++) {
      EXPECT_GE(w[k], -1e-6) << c.what;
      x += w[k] * c.vx[tri[k]];
      y += w[k] * c.vy[tri[k]];
    }
    EXPECT_NEAR(x, c.x, 1e-4) << c.what;
    EXPECT_NEAR(y, c.y, 1e-4) << c.what;
  }
  int tri[3];
  float w[3];
  EXPECT_EQ(pick_face_triangle(30, 30, qx, qy, 4, tri, w), -1);
}

TEST_F(Picking, NoSnapZeroNamesTheElementNodeNearestThePoint) {
  add(square(0, 0, 0, 0.5f), {{4, 3, 2, 1}});
  // Near the corner (0.5, 0.5), which is node 3, the element's second node.
  Hit h = pick(px(0.4f), px(0.45f), 1, 0);
  ASSERT_EQ(h.found, 1);
  EXPECT_EQ(h.node, 3);
  EXPECT_EQ(h.triple[0], 3);
  EXPECT_EQ(h.w[0], 1.0f);
  Hit free_point = pick(px(0.4f), px(0.45f), 1, 1);
  EXPECT_EQ(free_point.node, -5);
  EXPECT_NEAR(free_point.weight_sum(), 1.0f, 1e-5);
}

TEST_F(Picking, FilledPlaneToolLeavesThePartOutputAlone) {
  add(square(0, 0, -0.5f, 0.5f), {{1, 2, 3, 4}});
  const std::vector<float> c = square(0, 0, 0.25f, 0.6f);
  setpln(&c[0], &c[3], &c[6]);
  Planon = Plane_solid = 1;
  Hit h = pick(px(0.1f), px(-0.2f), 0, 1, 77);
  ASSERT_EQ(h.found, 1);
  EXPECT_NEAR(h.p[2], 0.25f, 1e-5);
  EXPECT_EQ(h.part, 77);
  // Details wanted: the plane is left out and the part behind it is hit.
  Hit part_hit = pick(px(0.1f), px(-0.2f), 1, 1, 77);
  ASSERT_EQ(part_hit.found, 1);
  EXPECT_NEAR(part_hit.p[2], -0.5f, 1e-5);
  EXPECT_EQ(part_hit.part, 0);
}

TEST_F(Picking, NoDepthArrayNoHits) {
  add(square(0, 0, 0, 0.5f), {{1, 2, 3, 4}});
  alloc_gate_fail_after(0);
  int sx[2] = {32, 33}, sy[2] = {32, 33}, found[2] = {7, 7};
  float x[2] = {-9, -9}, y[2], z[2];
  int node = 0, element = 0, part = 0, triple[3];
  float w[3];
  return_pick_point(2, x, y, z, sx, sy, found, 1, 1, &node, &element, &part, triple, w);
  alloc_gate_fail_after(-1);
  EXPECT_EQ(found[0], 0);
  EXPECT_EQ(found[1], 0);
  EXPECT_EQ(x[0], -9);
}

}  // namespace
