// Tools read and set in frame coordinates: the point conversions of the
// three frame types, deltas, plane equations, and the tool bundles carried
// through a frame at (1, 2, 3) whose x axis is global y.
#include <gtest/gtest.h>

#include <cmath>

#include "interact/tool_feedback.h"
#include "client/matrix.h"
#include "interact/tool_records.h"
#include "test_frame.h"

namespace {

const float Pi = 3.14159265f;
const float Origin[3] = {1, 2, 3}, Xaxis[3] = {0, 1, 0}, Yaxis[3] = {-1, 0, 0};

void expect_vec(const float *got, const float *want, int n, float tol, const char *what) {
  for (int i = 0; i < n; i++) EXPECT_NEAR(got[i], want[i], tol) << what << " [" << i << "]";
}

TEST(FrameConversions, RectangularToCylindricalAndSpherical) {
  struct Case {
    float p[3];
    bool spherical;
    float want[3];
  } cases[] = {
      {{1, 1, 5}, false, {std::sqrt(2.0f), Pi / 4, 5}},
      {{-1, 1, 0}, false, {std::sqrt(2.0f), 3 * Pi / 4, 0}},
      {{-1, -1, 0}, false, {std::sqrt(2.0f), 5 * Pi / 4, 0}},
      {{1, -1, 0}, false, {std::sqrt(2.0f), 7 * Pi / 4, 0}},
      {{0, 0, 2}, false, {0, 0, 2}},
      {{1, -1e-7f, 0}, false, {1, 0, 0}},  // a tiny y counts as 0
      {{0, 0, -2}, true, {2, Pi, 0}},
      {{0, 3, 0}, true, {3, Pi / 2, Pi / 2}},
      {{1, -1e-7f, 0}, true, {1, Pi / 2, 2 * Pi}},  // the azimuth keeps a tiny y
  };
  for (const Case &c : cases) {
    float q[3], back[3];
    if (c.spherical) {
      rectangular_to_spherical(c.p, q);
      spherical_to_rectangular(q, back);
    } else {
      rectangular_to_cylindrical(c.p, q);
      cylindrical_to_rectangular(q, back);
    }
    expect_vec(q, c.want, 3, 1e-5f, c.spherical ? "spherical" : "cylindrical");
    expect_vec(back, c.p, 3, 1e-5f, "back");
  }
}

TEST(FrameConversions, PointsOfEachFrameTypeToGlobalAndBack) {
  struct Case {
    int type;
    float local[3];  // angles in degrees
    float global[3];
  } cases[] = {
      {0, {1, 0, 0}, {1, 3, 3}},
      {0, {0, 2, -1}, {-1, 2, 2}},
      {1, {2, 90, 1}, {-1, 2, 4}},
      {1, {1, 180, 0}, {1, 1, 3}},
      {2, {2, 90, 0}, {1, 4, 3}},
      {2, {3, 0, 0}, {1, 2, 6}},
      {2, {1, 90, 90}, {0, 2, 3}},
  };
  for (const Case &c : cases) {
    qtest::Test_frame frame(1, Origin, Xaxis, Yaxis, c.type);
    EXPECT_EQ(get_frame_type(1), c.type);
    float p[3] = {c.local[0], c.local[1], c.local[2]}, d[3] = {0, 0, 3};
    EXPECT_EQ(local_to_global_coord(1, p, d), 0);
    expect_vec(p, c.global, 3, 1e-5f, "to global");
    global_to_local_coord(1, p, d);
    expect_vec(p, c.local, 3, 1e-3f, "back to the frame");
  }
}

TEST(FrameConversions, DirectionsAndDeltasFollowTheAxes) {
  qtest::Test_frame frame(1, Origin, Xaxis, Yaxis);
  float p[3] = {0, 0, 0}, d[3] = {2, 0, 0};
  local_to_global_coord(1, p, d);
  const float gy[3] = {0, 1, 0};
  expect_vec(d, gy, 3, 1e-6f, "direction to global, unit");
  global_to_local_coord(1, p, d);
  const float fx[3] = {1, 0, 0};
  expect_vec(d, fx, 3, 1e-6f, "direction back");

  float dx = 1, dy = 0, dz = 0;
  local_delta_to_global_delta(1, &dx, &dy, &dz);
  const float up[3] = {dx, dy, dz}, want_up[3] = {0, 1, 0};
  expect_vec(up, want_up, 3, 1e-6f, "local delta");
  dx = 2, dy = 0, dz = 5;
  global_delta_to_local_delta(1, &dx, &dy, &dz);
  const float back[3] = {dx, dy, dz}, want_back[3] = {0, -2, 5};
  expect_vec(back, want_back, 3, 1e-5f, "global delta");
}

TEST(FrameConversions, FrameZeroIsIdentityAndAMissingFrameActsAsIt) {
  EXPECT_EQ(get_frame_type(0), 0);
  EXPECT_EQ(get_frame_type(7), -1);
  EXPECT_EQ(get_frame_type(-2), -1);
  for (int frame : {0, 7}) {
    float p[3] = {4, -5, 6};
    local_to_global_coord(frame, p, nullptr);
    const float want[3] = {4, -5, 6};
    expect_vec(p, want, 3, 0, "point");
    float dx = 1, dy = 2, dz = 3;
    global_delta_to_local_delta(frame, &dx, &dy, &dz);
    const float got[3] = {dx, dy, dz}, same[3] = {1, 2, 3};
    expect_vec(got, same, 3, 0, "delta");
  }
}

TEST(PlaneEquation, CoefficientsAreScaledByTheChosenOne) {
  struct Case {
    float p[9];
    int k;
    float e[4];
  } cases[] = {
      {{0, 0, 1, 1, 0, 1, 1, 1, 1}, 2, {0, 0, 1, -1}},
      {{2, 0, 0, 2, 1, 0, 2, 0, 1}, 0, {1, 0, 0, -2}},
      {{0, 0, 0, 2, -1, 0, 0, 0, 1}, 1, {-0.5f, -1, 0, 0}},
      {{0, 0, 0, 1, 1, 1, 2, 2, 2}, -1, {0, 0, 0, 0}},  // collinear
  };
  for (const Case &c : cases) {
    float e[4];
    EXPECT_EQ(points_to_coefficients(c.p, e), c.k);
    expect_vec(e, c.e, 4, 1e-6f, "equation");
  }
}

TEST(PlaneEquation, PlaneToPlaneMatrixCarriesPointsOntoTheTarget) {
  const float from[4] = {0, 0, 1, -1}, to[4] = {1, 0, 0, -3}, opposite[4] = {0, 0, -1, -2};
  float m[16];
  plane_to_plane_matrix(m, from, to);
  float p[3] = {0.5f, 0.25f, 1};
  premlt(m, p);
  EXPECT_NEAR(p[0], 3, 1e-5);
  plane_to_plane_matrix(m, from, opposite);  // opposite normals: everything negated
  float q[3] = {0.5f, 0.25f, 1};
  premlt(m, q);
  const float want[3] = {-0.5f, -0.25f, -2};
  expect_vec(q, want, 3, 1e-5f, "negated");
}

class ToolBundle : public testing::Test {
 protected:
  // Frame 1 cylindrical; cursor at frame (2, 90 deg, 1) = global (-1, 2, 4);
  // plane corners in the frame's plane z = 1.
  void SetUp() override {
    float x = -1, y = 2, z = 4, angle = 30, distance = 10;
    cursor_position(&x, &y, &z, &angle, &distance, 1);
    float e1[3] = {1, 2, 3}, e2[3] = {1, 4, 3}, length = 2;
    line_position(e1, e2, &length, 1);
    const float c1[3] = {1, 2, 4}, c2[3] = {1, 3, 4}, c3[3] = {0, 3, 4};
    setpln(c1, c2, c3);
  }
  qtest::Test_frame frame_{1, Origin, Xaxis, Yaxis, 1};
};

TEST_F(ToolBundle, ReadInACylindricalFrameAndSetBackUnchanged) {
  float cursor[3], line[6], plane[9], e[4];
  EXPECT_EQ(getfdbk(1, cursor, line, plane, e), 1);
  const float want_cursor[3] = {2, 90, 1}, want_line[6] = {0, 0, 0, 2, 0, 0};
  const float want_e[4] = {0, 0, 1, -1};
  expect_vec(cursor, want_cursor, 3, 1e-4f, "cursor");
  expect_vec(line, want_line, 6, 1e-4f, "line");
  expect_vec(e, want_e, 4, 1e-5f, "equation in the frame's axes");
  EXPECT_NEAR(plane[6], std::sqrt(2.0f), 1e-5);  // corner (1, 1, 1): r = sqrt 2, 45 deg
  EXPECT_NEAR(plane[7], 45, 1e-3);

  EXPECT_EQ(setfdbk(1, cursor, line, plane, e, 0), 1);
  float c[3], size, l1[3], l2[3], length, p[4][3];
  cursor_position(&c[0], &c[1], &c[2], nullptr, &size, 0);
  line_position(l1, l2, &length, 0);
  plane_position(p[0], p[1], p[2], p[3], 0);
  const float gc[3] = {-1, 2, 4}, gl2[3] = {1, 4, 3}, gp3[3] = {0, 3, 4};
  expect_vec(c, gc, 3, 1e-4f, "cursor back");
  expect_vec(l2, gl2, 3, 1e-4f, "line end back");
  expect_vec(p[2], gp3, 3, 1e-4f, "plane corner back");
  EXPECT_NEAR(length, 2, 1e-4);
}

TEST_F(ToolBundle, SetOntoAnEquationMovesThePlaneAlongTheFrameZ) {
  float cursor[3], line[6], plane[9], e[4];
  getfdbk(1, cursor, line, plane, e);
  const float lifted[4] = {0, 0, 1, -2};
  setfdbk(1, cursor, line, plane, lifted, 1);
  float p[4][3];
  plane_position(p[0], p[1], p[2], p[3], 0);
  const float want[4][3] = {{1, 2, 5}, {1, 3, 5}, {0, 3, 5}, {0, 2, 5}};
  for (int k = 0; k < 4; k++) expect_vec(p[k], want[k], 3, 1e-4f, "lifted corner");
}

TEST(CurveTools, SphericalFrameReadsDegreesAndRadiansAndSetsBackInPlace) {
  qtest::Test_frame frame(1, Origin, Xaxis, Yaxis, 2);
  // Each tool along the frame's z from frame (0, 2, 0) = global (-1, 2, 3).
  float a[3] = {-1, 2, 3}, b[3] = {-1, 2, 7}, centre[3] = {-1, 2, 3}, axis[3] = {0, 0, 1};
  float radius = 0.5f, half = 20, value = 0;
  cylinder_position(a, b, centre, axis, &radius, &value, nullptr, 0, 0, 1);
  cone_position(a, b, centre, axis, &half, &value, nullptr, 0, 0, 1);
  float s1[3] = {-1, 2, 2.5f}, s2[3] = {-1, 2, 3.5f};
  sphere_position(s1, s2, centre, &radius, nullptr, 0, 0, 1);
  int count = 3;
  float radii[10] = {1, 2, 3}, dists[10] = {0, 1, 2};
  float r1[3] = {-1, 2, 1}, r2[3] = {-1, 2, 5};  // centred on its origin
  revtool_position(r1, r2, centre, axis, &count, radii, dists, nullptr, 0, 0, 1);

  struct Case {
    int kind;
    float size;
  } cases[] = {{2, 0.5f}, {3, 0.5f}, {4, 20}, {5, -1}};
  for (const Case &c : cases) {
    float before[2][3], after[2][3], o[3], ax[3], size = -1, r[10], d[10];
    int n = 0;
    auto ends = [&](float e[2][3]) {
      float pts[3], dummy[3], s, v;
      int k;
      float rr[10], dd[10];
      if (c.kind == 2) cylinder_position(e[0], e[1], pts, dummy, &s, &v, nullptr, 0, 0, 0);
      if (c.kind == 3) sphere_position(e[0], e[1], pts, &s, nullptr, 0, 0, 0);
      if (c.kind == 4) cone_position(e[0], e[1], pts, dummy, &s, &v, nullptr, 0, 0, 0);
      if (c.kind == 5) revtool_position(e[0], e[1], pts, dummy, &k, rr, dd, nullptr, 0, 0, 0);
    };
    ends(before);
    EXPECT_EQ(getfdbk_curve_tool(1, o, ax, &size, r, d, &n, c.kind), 1);
    const float fz[3] = {0, 0, 1};
    expect_vec(ax, fz, 3, 1e-5f, "axis in the frame's rectangular axes");
    if (c.kind == 3 || c.kind == 5) {
      const float want[3] = {2, 90, Pi / 2};  // polar angle in degrees, azimuth in radians
      expect_vec(o, want, 3, 1e-4f, "reference point");
    }
    if (c.kind == 5) {
      EXPECT_EQ(n, 3);
      EXPECT_EQ(r[2], 3);
    } else {
      EXPECT_NEAR(size, c.size, 1e-6) << c.kind;
    }
    EXPECT_EQ(setfdbk_curve_tool(1, o, ax, size, r, d, n, nullptr, 0, c.kind), 1);
    ends(after);
    for (int k = 0; k < 2; k++) expect_vec(after[k], before[k], 3, 1e-4f, "end kept");
  }
}

}  // namespace
