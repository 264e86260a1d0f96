// Smooth normals, the sphere mesh, the scene settings beside it and the
// element positions the renderers draw.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "client/alloc_gate.h"
#include "parts/attribute.h"
#include "parts/elem_coord.h"
#include "render/glyphs.h"
#include "render/smooth.h"
#include "test_parts.h"
#include "variables/variables.h"

namespace {

class Smooth : public testing::Test {
 protected:
  void SetUp() override {
    qtest::fill_parts({{1, 0, 0, "mesh", -1, {}, false}});
    parts[0]->node_count = 4;
  }
  void TearDown() override {
    alloc_gate_fail_after(-1);
    smooth_end();
    qtest::clear_parts();
  }
};

TEST_F(Smooth, AveragesTheFaceNormalsAtEachNode) {
  ASSERT_EQ(smooth_begin(0), 1);
  const float up[3] = {0, 0, 1}, side[3] = {1, 0, 0}, down[3] = {0, 0, -1}, long_up[3] = {0, 0, 2};
  smooth_add(up, 1);
  smooth_add(side, 1);
  smooth_add(up, 2);
  smooth_add(down, 2);
  smooth_add(long_up, 4);
  smooth_them(0);
  const int nodes[4] = {1, 2, 3, 4};
  float n[4][3];
  smooth_get(4, nodes, n);
  const float r = std::sqrt(0.5f);
  const float expected[4][3] = {{r, 0, r}, {0, 0, 0}, {0, 0, 0}, {0, 0, 1}};
  for (int j = 0; j < 4; j++)
    for (int i = 0; i < 3; i++) EXPECT_NEAR(n[j][i], expected[j][i], 1e-4) << j << "," << i;
  EXPECT_EQ(Smooth_normal_counts[3], 0);
  smooth_end();
  smooth_end();  // twice: nothing the second time
  EXPECT_EQ(Smooth_normal_sums, nullptr);
  EXPECT_EQ(Smooth_normal_counts, nullptr);
}

TEST_F(Smooth, CountsHoldMoreThanSixteenBits) {
  ASSERT_EQ(smooth_begin(0), 1);
  const float up[3] = {0, 0, 1};
  for (int k = 0; k < 40000; k++) smooth_add(up, 3);
  EXPECT_EQ(Smooth_normal_counts[3], 40000);
  smooth_them(0);
  EXPECT_FLOAT_EQ(Smooth_normal_sums[3][2], 1.0f);
}

TEST_F(Smooth, AFailedBeginReportsAndKeepsNothing) {
  struct Case {
    int allowed;       // allocations let through before the failure
    const char *line;  // the last line of the report
  } cases[] = {
      {0, " :  Memory(d2fastcalloc) allocation failed.\n"},
      {1, " : Memory(d2fastcalloc) allocation failed.\n"},
      {2, "smooth_begin:  Memory(d1calloc) allocation failed.\n"},
  };
  for (const Case &c : cases) {
    alloc_gate_fail_after(c.allowed);
    testing::internal::CaptureStderr();
    EXPECT_EQ(smooth_begin(0), 0) << c.allowed;
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("E> At Line 48 in File smooth\n"), std::string::npos) << err;
    EXPECT_NE(err.find(c.line), std::string::npos) << err;
    EXPECT_EQ(Smooth_normal_sums, nullptr) << c.allowed;
    EXPECT_EQ(Smooth_normal_counts, nullptr) << c.allowed;
  }
  alloc_gate_fail_after(-1);
  EXPECT_EQ(smooth_begin(0), 1);
}

struct Mesh {
  std::vector<float> scratch, vertices;
  std::vector<int> polygons;
  int nv = 0, np = 0;
  explicit Mesh(int n) : scratch(3 * (n + 2) * (n + 2)), vertices(scratch.size()),
                         polygons(SPHERE_POLYGON_WIDTH * (n + 1) * (n + 1), 7) {
    EXPECT_EQ(make_a_sphere(n, reinterpret_cast<float(*)[3]>(scratch.data()),
                            reinterpret_cast<float(*)[3]>(vertices.data()), polygons.data(),
                            SPHERE_POLYGON_WIDTH, &nv, &np), 0);
  }
  const float *v(int k) const { return &vertices[3 * k]; }
};

TEST(SphereMesh, CountsPolesAndPolygons) {
  struct Case {
    int n, vertices, polygons;
  } cases[] = {{2, 16, 9}, {10, 144, 121}, {25, 729, 676}};
  for (const Case &c : cases) {
    Mesh m(c.n);
    EXPECT_EQ(m.nv, c.vertices);
    EXPECT_EQ(m.np, c.polygons);
    for (int k = 0; k < m.nv; k++)
      EXPECT_NEAR(std::hypot(m.v(k)[0], m.v(k)[1], m.v(k)[2]), 1.0, 1e-5) << c.n << " vertex " << k;
  }
  Mesh m(2);
  const float expected[4][3] = {{0, 1, 0}, {0.866f, 0.5f, 0}, {0.866f, -0.5f, 0}, {0, -1, 0}};
  for (int k = 0; k < 4; k++)
    for (int i = 0; i < 3; i++) EXPECT_NEAR(m.v(k)[i], expected[k][i], 1e-3) << k << "," << i;
  EXPECT_EQ(std::vector<int>(m.polygons.begin(), m.polygons.begin() + 6),
            std::vector<int>({0, 1, 5, 4, -1, -1}));
  // The last meridian strip closes on the seam by position, not by index.
  const int *last = &m.polygons[(2 * 3) * SPHERE_POLYGON_WIDTH];
  EXPECT_EQ(last[3], 12);
  for (int i = 0; i < 3; i++) EXPECT_NEAR(m.v(last[3])[i], m.v(0)[i], 1e-5);
  int unused[1];
  float none[1][3];
  EXPECT_EQ(make_a_sphere(-1, none, none, unused, 6, unused, unused), -1);
}

TEST(SceneSettings, OverlayColourAndToolColour) {
  float r = 0.2f, g = 0.4f, b = 0.6f;
  int on = 1;
  hidden_line_colors(&r, &g, &b, &on, 1);
  float red[3] = {1, 0, 0};
  int off = 0;
  hidden_line_colors(&red[0], &red[1], &red[2], &off, 1);
  float out[3];
  int flag = 9;
  hidden_line_colors(&out[0], &out[1], &out[2], &flag, 0);
  EXPECT_EQ(flag, 0);
  EXPECT_EQ(out[0], 0.2f);  // switching off keeps the last colour
  EXPECT_EQ(out[2], 0.6f);

  float t[3];
  widget_tools_color(&t[0], &t[1], &t[2], 0);
  EXPECT_EQ(t[0], 1.0f);
  float mine[3] = {0.1f, 0.2f, 0.3f};
  widget_tools_color(&mine[0], &mine[1], &mine[2], 1);
  float untouched[3] = {5, 5, 5};
  widget_tools_color(&untouched[0], &untouched[1], &untouched[2], 2);
  EXPECT_EQ(untouched[0], 5.0f);
  widget_tools_color(&t[0], &t[1], &t[2], 0);
  EXPECT_EQ(t[2], 0.3f);
  float white = 1.0f;
  widget_tools_color(&white, &white, &white, 1);
}

TEST(ElementPositions, ShrinkThenDisplace) {
  float saved_undefined = Undefined;
  Undefined = -1234.5f;
  qtest::fill_parts({{1, 0, 0, "mesh", -1, {}, false}});
  qtest::set_mesh(0, {0, 0, 0, 2, 0, 0, 0, 2, 0}, {{1, 2, 3}});
  float *a = parts[0]->attributes;
  resize_part_array(0, PA_SHRINK, 1, 0);
  parts[0]->shrink_points[0][0] = 1.0f;
  a[SLOT_SHRINK] = 0.5f;
  a[SLOT_DISPLACE_BY] = 4.0f;  // no vectors of variable 4: no displacement
  a[SLOT_DISPLACE_FACTOR] = 2.0f;
  float out[9];
  get_elem_coord(0, 0, out);
  EXPECT_EQ(std::vector<float>(out, out + 9), std::vector<float>({0.5f, 0, 0, 1.5f, 0, 0, 0.5f, 1, 0}));
  resize_part_array(0, PA_VECTORS, 4, 4);
  parts[0]->vectors[4][2][2] = 1.0f;
  get_elem_coord(0, 0, out);
  EXPECT_EQ(out[5], 2.0f);  // node 2 lifted by 2 x 1, after shrinking
  EXPECT_EQ(out[2], 0.0f);
  parts[0]->vectors[4][3][0] = -1234.5f;  // an undefined displacement is not applied
  parts[0]->vectors[4][3][1] = 9.0f;
  get_elem_coord(0, 0, out);
  EXPECT_EQ(out[7], 1.0f);
  qtest::clear_parts();
  Undefined = saved_undefined;
}

}  // namespace
