// Planar parts and 2-D viewports without a display: the planarity search,
// the in-plane tolerance, switching a viewport to 2-D, and keeping the parts
// of a 2-D viewport consistent with its plane when they move.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "parts/attribute.h"
#include "parts/read.h"
#include "test_parts.h"
#include "view/planar.h"
#include "view/viewer_services.h"
#include "view/viewports.h"
#include "viewport_test_screen.h"

namespace {

// Node rows 1..n of the points xyz, row 0 unused.
struct Rows {
  std::vector<float> store;
  std::vector<float *> rows;
  explicit Rows(const std::vector<float> &xyz) : store(xyz), rows(xyz.size() / 3 + 1, nullptr) {
    for (size_t k = 1; k < rows.size(); k++) rows[k] = &store[3 * (k - 1)];
  }
  float **get() { return rows.data(); }
  int count() const { return (int)rows.size() - 1; }
};

// A square plate of (side+1)^2 nodes at height z.
std::vector<float> plate(int side, float z) {
  std::vector<float> xyz;
  for (int j = 0; j <= side; j++)
    for (int i = 0; i <= side; i++) xyz.insert(xyz.end(), {(float)i, (float)j, z});
  return xyz;
}

std::vector<float> cube() {
  std::vector<float> xyz;
  for (int k = 0; k < 8; k++) xyz.insert(xyz.end(), {3.0f + (k & 1), (float)((k >> 1) & 1), 1.0f + (k >> 2)});
  return xyz;
}

TEST(Planarity, AThreeNodePartEndsAndIsPlanar) {
  Rows tri({0, 0, 0, 1, 0, 0, 0, 1, 0});
  float e[4];
  EXPECT_EQ(is_part_planar(3, tri.get(), 0, e), 1);
  EXPECT_EQ(e[0], 0.0f);
  EXPECT_EQ(e[1], 0.0f);
  EXPECT_EQ(std::fabs(e[2]), 1.0f);
}

TEST(Planarity, DegenerateAndTinyPartsEndAsNotPlanar) {
  Rows line({0, 0, 0, 1, 0, 0, 2, 0, 0, 3, 0, 0, 4, 0, 0});
  Rows point({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
  Rows two({0, 0, 0, 1, 0, 0});
  float e[4] = {9, 9, 9, 9};
  EXPECT_EQ(is_part_planar(line.count(), line.get(), 0, e), 0);
  EXPECT_EQ(e[0] == 0 && e[1] == 0 && e[2] == 0 && e[3] == 0, true);
  EXPECT_EQ(is_part_planar(point.count(), point.get(), 0, e), 0);
  EXPECT_EQ(is_part_planar(two.count(), two.get(), 0, e), 0);
}

TEST(Planarity, AllButTheDrawnNodesCollinearStillFindsThePlane) {
  // Nodes on one line except node 1, which the draws can never give: the
  // search must fall back to a scan and find the plane z = 0.
  std::vector<float> xyz = {0, 5, 0};
  for (int i = 0; i < 20; i++) xyz.insert(xyz.end(), {(float)i, 0, 0});
  Rows r(xyz);
  float e[4];
  EXPECT_EQ(is_part_planar(r.count(), r.get(), 0, e), 1);
  EXPECT_EQ(std::fabs(e[2]), 1.0f);
}

// The three nodes whose plane (in that order, scaled) is e.
std::vector<int> triple_of(Rows &r, const float e[4]) {
  for (int i = 1; i <= r.count(); i++)
    for (int j = 1; j <= r.count(); j++)
      for (int k = 1; k <= r.count(); k++) {
        if (i == j || j == k || i == k) continue;
        float p[9], t[4];
        for (int c = 0; c < 3; c++) p[c] = r.get()[i][c], p[3 + c] = r.get()[j][c], p[6 + c] = r.get()[k][c];
        float u[3] = {p[3] - p[0], p[4] - p[1], p[5] - p[2]}, w[3] = {p[6] - p[0], p[7] - p[1], p[8] - p[2]};
        t[0] = u[1] * w[2] - u[2] * w[1], t[1] = u[2] * w[0] - u[0] * w[2], t[2] = u[0] * w[1] - u[1] * w[0];
        t[3] = -(t[0] * p[0] + t[1] * p[1] + t[2] * p[2]);
        float big = 0;
        for (float c : t) big = std::fmax(big, std::fabs(c));
        if (big == 0) continue;
        bool same = true;
        for (int c = 0; c < 4; c++) same = same && std::fabs(t[c] / big - e[c]) < 1e-4f;
        if (same) return {i, j, k};
      }
  return {};
}

TEST(Planarity, PartsWithTheSameNodeCountDrawTheSameNodes) {
  // Two unrelated point clouds of 9 nodes in general position.
  std::vector<float> a, b;
  for (int k = 1; k <= 9; k++) {
    a.insert(a.end(), {(float)k, (float)(k * k % 7), (float)(k * k * k % 11)});
    b.insert(b.end(), {(float)(k * 3 % 5) + 0.1f * k, (float)k * 2, (float)(k * k % 13)});
  }
  Rows ra(a), rb(b);
  float ea[4], eb[4];
  EXPECT_EQ(is_part_planar(9, ra.get(), 0, ea), 0);
  EXPECT_EQ(is_part_planar(9, rb.get(), 0, eb), 0);
  std::vector<int> ta = triple_of(ra, ea), tb = triple_of(rb, eb);
  ASSERT_EQ(ta.size(), 3u);
  EXPECT_EQ(ta, tb);
  for (int n : ta) EXPECT_TRUE(n >= 1 && n <= 8) << "node count is never drawn";
}

TEST(Planarity, InPlaneToleranceIsOneThousandth) {
  const float z0[4] = {0, 0, 1, 0};
  struct {
    float z;
    int in;
  } cases[] = {{0.0009f, 1}, {-0.0009f, 1}, {0.0011f, 0}, {-0.0011f, 0}};
  for (const auto &c : cases) {
    Rows r({0, 0, 0, 1, 0, 0, 0, 1, c.z});
    EXPECT_EQ(evaluate_part_for_planar(3, r.get(), 0, z0), c.in) << c.z;
  }
}

TEST(Planarity, ColumnLayoutGivesTheSameAnswer) {
  std::vector<float> x = {0, 0, 1, 0, 1}, y = {0, 0, 0, 1, 1}, z = {0, 2, 2, 2, 2};
  float *cols[3] = {x.data(), y.data(), z.data()};
  float e[4];
  EXPECT_EQ(is_part_planar(4, cols, 1, e), 1);
  EXPECT_FLOAT_EQ(std::fabs(e[3]), 1.0f);  // z = 2 scaled: (0, 0, 0.5, -1)
  EXPECT_FLOAT_EQ(std::fabs(e[2]), 0.5f);
}

TEST(Planarity, LinePlaneInterceptAndTurnAboutALine) {
  const float p1[3] = {1, 2, 5}, p2[3] = {1, 2, -3}, z0[4] = {0, 0, 1, -1};
  float q[3];
  line_plane_intercept(p1, p2, z0, q);
  EXPECT_FLOAT_EQ(q[0], 1);
  EXPECT_FLOAT_EQ(q[1], 2);
  EXPECT_FLOAT_EQ(q[2], 1);
  const float axis[3] = {0, 0, 2}, origin[3] = {0, 0, 0};
  float v[3] = {3, 0, 0};
  rotate_pnt_about_line(origin, axis, v, 90.0f);
  EXPECT_NEAR(v[0], 0, 1e-6);
  EXPECT_NEAR(v[1], 1, 1e-6);
  EXPECT_NEAR(v[2], 0, 1e-6);
}

// A viewport 1 beside the main one and parts laid out in the table.
class TwoDViewport : public testing::Test {
 protected:
  void SetUp() override {
    vptest::fresh_viewports();
    qtest::clear_parts();
    ASSERT_EQ(make_new_viewport(), 1);
  }
  void TearDown() override {
    screen_install(nullptr);
    qtest::clear_parts();
  }
  Part_rec *add(int number, const std::vector<float> &xyz) {
    Part_rec *p = qtest::add_part({number, 0, PART_MODEL, number == 1 ? "plate" : "other", -1, {}, false});
    qtest::set_mesh(Part_cross[number], xyz, {});
    p->attributes[SLOT_VISIBLE] = 1;
    p->attributes[SLOT_VIEWPORT_VIS] = 3;
    p->attributes[SLOT_ELT_REP] = ELT_REP_FULL;
    return p;
  }
  static void to_2d(int v) {
    float a[VIEWPORT_ATTRS];
    char name[VIEWPORT_NAME_TEXT];
    viewport_attributes(v, a, name, 0, 0);
    a[VP_VIEW_DIMENSION] = 0;
    viewport_attributes(v, a, name, 0, 1);
  }
  static void move_to(Part_rec *p, float z) {
    for (int k = 1; k <= p->node_count; k++) p->coords[k][2] = z;
  }
  // Plate 1 and a smaller plate 3, both at z = 0, in 2-D viewport 1; plate 1.
  Part_rec *two_plates_in_2d() {
    Part_rec *p = add(1, plate(4, 0));
    add(3, plate(2, 0));
    to_2d(1);
    return p;
  }
  static int bits(int n) { return our_rint(part_by_number(n)->attributes[SLOT_VIEWPORT_VIS]); }
  static void check(int n) {
    Part_rec *p = part_by_number(n);
    check_part_against_2d_viewports(n, p->node_count, p->coords, 0, 1, 0);
  }
  static bool plane_is(int v, float a, float b, float c, float d) {
    const float *e = Viewports[v].plane;
    float s = e[2] < 0 || (e[2] == 0 && e[3] < 0) ? -1.0f : 1.0f;
    return std::fabs(s * e[0] - a) < 1e-5f && std::fabs(s * e[1] - b) < 1e-5f &&
           std::fabs(s * e[2] - c) < 1e-5f && std::fabs(s * e[3] - d) < 1e-5f;
  }
};

TEST_F(TwoDViewport, SwitchingKeepsThePlateAndDropsTheSolid) {
  add(1, plate(4, 0));
  add(2, cube());
  to_2d(1);
  EXPECT_EQ(Viewports[1].two_d, 1);
  EXPECT_EQ(Viewports[1].attributes[VP_PERSPECTIVE], 0.0f);
  EXPECT_TRUE(plane_is(1, 0, 0, 1, 0));
  EXPECT_EQ(bits(1), 3);
  EXPECT_EQ(bits(2), 1);
  EXPECT_EQ(viewport_is_2d(1), 1);
  EXPECT_EQ(viewport_is_2d(0), 0);
}

TEST_F(TwoDViewport, WithoutAPlanarPartTheViewportIsTwoDimensionalAndEmpty) {
  add(2, cube());
  to_2d(1);
  EXPECT_EQ(Viewports[1].two_d, 1);
  EXPECT_EQ(Viewports[1].attributes[VP_VIEW_DIMENSION], 0.0f);
  EXPECT_EQ(bits(2), 1);
  for (int k = 0; k < 16; k++) EXPECT_EQ(Viewports[1].matrix_2d[k], k % 5 == 0 ? 1.0f : 0.0f);
}

TEST_F(TwoDViewport, APlateMovedToAParallelPlaneCarriesThePlaneAlong) {
  Part_rec *p = two_plates_in_2d();
  move_to(p, 0.5f);
  check(1);
  EXPECT_TRUE(plane_is(1, 0, 0, 1, -0.5f));
  EXPECT_EQ(bits(1), 3);
  // At z = 5 the scaled plane (0, 0, 0.2, -1) no longer matches: with
  // another visible part there, the plate leaves the viewport.
  move_to(p, 5.0f);
  check(1);
  EXPECT_EQ(bits(1), 1);
  EXPECT_TRUE(plane_is(1, 0, 0, 1, -0.5f));
}

TEST_F(TwoDViewport, TheOnlyVisiblePartOutOfPlaneTakesTheViewportOver) {
  Part_rec *p = add(1, plate(4, 0));
  to_2d(1);
  move_to(p, 5.0f);
  check(1);
  EXPECT_EQ(bits(1), 3);
  EXPECT_TRUE(plane_is(1, 0, 0, 0.2f, -1));
}

TEST_F(TwoDViewport, ANonPlanarPartNeverMovesThePlane) {
  Part_rec *p = two_plates_in_2d();
  // All nodes but the last at z = 0.5: every drawn triple is parallel to the
  // viewport's plane, yet the part is not planar.
  move_to(p, 0.5f);
  p->coords[p->node_count][2] = 3.0f;
  check(1);
  EXPECT_TRUE(plane_is(1, 0, 0, 1, 0));
  EXPECT_EQ(bits(1), 1);
}

TEST_F(TwoDViewport, AnInvisibleViewportIsCheckedWhenItShowsAgain) {
  Part_rec *p = two_plates_in_2d();
  float a[VIEWPORT_ATTRS];
  char name[VIEWPORT_NAME_TEXT];
  viewport_attributes(1, a, name, 0, 0);
  a[VP_VISIBLE] = 0;
  viewport_attributes(1, a, name, 0, 1);
  p->coords[1][2] = 4.0f;
  check(1);
  EXPECT_EQ(Viewports[1].two_d_check_pending, 1);
  EXPECT_EQ(bits(1), 3);
  a[VP_VISIBLE] = 1;
  viewport_attributes(1, a, name, 0, 1);
  EXPECT_EQ(Viewports[1].two_d_check_pending, 0);
  EXPECT_EQ(bits(1), 1);
}

}  // namespace
