// Fringe colours of an element through a stand-in palette, element
// normals and static lighting, on small fixture parts.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "anim/animate.h"
#include "parts/attribute.h"
#include "render/fringe.h"
#include "test_parts.h"
#include "variables/variables.h"

namespace {

// The stand-in palette: value v is red v/100, in interval floor(v/10)
// (0 below 0); band n's constant colour is (0, 0, n).
void fake_false_color(int, int, float v, float rgb[3], int, int *interval, float *fraction) {
  rgb[0] = v / 100.0f;
  rgb[1] = rgb[2] = 0.0f;
  *interval = v < 0 ? 0 : (int)std::floor(v / 10.0f);
  *fraction = 0.5f;
}
void fake_banded_constant(float rgb[3], int band) {
  rgb[0] = rgb[1] = 0.0f;
  rgb[2] = (float)band;
}
const Fringe_palette_calls Fake = {fake_false_color, fake_banded_constant};

const float Part_rgb[3] = {0.25f, 0.5f, 0.75f};
const int Scalar = 0, Vector = 1;

class Fringe : public testing::Test {
 protected:
  void SetUp() override {
    saved_undefined_ = Undefined;
    Undefined = -1234.5f;
    fringe_palette_calls(&Fake);
    qtest::fill_parts({{1, 0, 0, "face", -1, {}, false}});
  }
  void TearDown() override {
    fringe_palette_calls(nullptr);
    Undefined = saved_undefined_;
    Loading_flipbook = 0;
    Loading_load_factor = -1.0f;
    qtest::clear_parts();
  }
  // One element of l nodes around the unit circle with these node values of
  // scalar 0 (and, when given, these vectors of variable 1).
  void face(const std::vector<float> &values, const std::vector<std::vector<float>> &vectors = {}) {
    int l = (int)values.size();
    std::vector<float> xyz;
    std::vector<int> nodes;
    for (int k = 0; k < l; k++) {
      double a = 2 * M_PI * k / l;
      xyz.insert(xyz.end(), {(float)std::cos(a) + 2, (float)std::sin(a), 1.0f});
      nodes.push_back(k + 1);
    }
    qtest::set_mesh(0, xyz, {nodes});
    resize_part_array(0, PA_SCALARS, l + 1, 0);
    for (int k = 0; k < l; k++) parts[0]->scalars[0][k + 1] = values[k];
    if (!vectors.empty()) {
      resize_part_array(0, PA_VECTORS, l + 1, 1);
      for (int k = 0; k < l; k++)
        for (int c = 0; c < 3; c++) parts[0]->vectors[1][k + 1][c] = vectors[k][c];
    }
  }
  struct Result {
    float colors[24][3];
    int corners, in_range, visible;
    float centre[3] = {0, 0, 0}, centre_value = -99;
  };
  Result colour(int var_type, int palette_type, int undefined_display, int limit, int per_node = 1,
                std::vector<float> w = {0, 0, 0}, int magnitude = 0, int var_id = 0) {
    Result r;
    const Part_rec *p = parts[0];
    int l = p->elem_offsets[1];  // element 0: connectivity entry 0 and element index 0 alike
    std::vector<float> pos;
    for (int k = 0; k < l; k++)
      for (int c = 0; c < 3; c++) pos.push_back(p->coords[p->connectivity[k]][c]);
    get_fring_color(0, 1, 0, per_node, var_id, var_type, palette_type, w[0], w[1], w[2], magnitude,
                    undefined_display, 0, l, r.colors, &r.corners, r.centre, &r.centre_value, 0, 0,
                    &r.in_range, &r.visible, 0, limit, 0.0f, 10.0f, Part_rgb,
                    reinterpret_cast<const float(*)[3]>(pos.data()));
    return r;
  }
  float saved_undefined_;
};

TEST_F(Fringe, CentresOfSplitFaces) {
  struct Case {
    const char *what;
    std::vector<float> values;
    int palette_type;
    int corners;
    float centre_value;
  } cases[] = {
      {"4-node continuous: no centre", {1, 2, 3, 4}, 0, 1, -99},
      {"4-node banded: the average", {1, 2, 3, 4}, 1, 4, 2.5f},
      {"5-node continuous: the average", {1, 2, 3, 4, 5}, 0, 5, 3.0f},
      {"8-node: corner -1/4, mid-side 1/2", {0, 1, 0, 1, 0, 1, 0, 1}, 1, 8, 2.0f},
      {"6-node: corner -1/9, mid-side 4/9", {9, 0, 9, 0, 9, 0}, 1, 6, -3.0f},
      {"equal values never split", {3, 3, 3, 3, 3}, 0, 1, -99},
      {"constant palette never splits", {1, 2, 3, 4, 5}, 2, 1, -99},
  };
  for (const Case &c : cases) {
    face(c.values);
    Result r = colour(Scalar, c.palette_type, 1, 0);
    EXPECT_EQ(r.corners, c.corners) << c.what;
    EXPECT_NEAR(r.centre_value, c.centre_value, 1e-5) << c.what;
    EXPECT_EQ(r.visible, 1) << c.what;
    if (c.corners > 1 && c.values.size() == 4) {
      EXPECT_NEAR(r.centre[0], 2.0f, 1e-6) << c.what;  // the average of the positions
      EXPECT_NEAR(r.centre[1], 0.0f, 1e-6) << c.what;
      EXPECT_NEAR(r.centre[2], 1.0f, 1e-6) << c.what;
    }
  }
}

TEST_F(Fringe, BandedSingleBandTakesTheBandColour) {
  face({3, 4, 5});
  Result r = colour(Scalar, 1, 1, 0);
  EXPECT_EQ(r.corners, 3);  // values differ: split, colours per node
  EXPECT_FLOAT_EQ(r.colors[2][0], 0.05f);
  face({3, 3, 3});
  r = colour(Scalar, 1, 1, 0);
  EXPECT_EQ(r.corners, 1);
  EXPECT_EQ(r.colors[0][2], 0.0f);
  face({13, 13, 13});
  r = colour(Scalar, 1, 1, 0);
  EXPECT_EQ(r.colors[0][2], 1.0f);  // band 1's colour
  face({2, 4, 6, 8});
  r = colour(Scalar, 2, 1, 0);
  EXPECT_FLOAT_EQ(r.colors[0][0], 0.05f);  // constant: the average's colour
}

TEST_F(Fringe, UndefinedValues) {
  face({1, -1234.5f, 3, 4, 6});
  Result r = colour(Scalar, 0, 1, 0);
  EXPECT_EQ(r.visible, 1);
  EXPECT_EQ(r.corners, 1) << "not split by values it does not have";
  for (int k = 0; k < 5; k++)
    for (int c = 0; c < 3; c++) EXPECT_EQ(r.colors[k][c], Part_rgb[c]) << k;
  r = colour(Scalar, 0, 2, 0);
  EXPECT_EQ(r.visible, 0);
  r = colour(Scalar, 0, 0, 0);
  EXPECT_EQ(r.visible, 1);
  EXPECT_FLOAT_EQ(r.colors[0][0], 0.01f);  // palette colours kept

  // A vector coloured by its y weight is undefined by its x component.
  face({1, 2, 3}, {{1, 1, 1}, {-1234.5f, 2, 2}, {3, 3, 3}});
  r = colour(Vector, 0, 2, 0, 1, {0, 1, 0}, 0, 1);
  EXPECT_EQ(r.visible, 0);
}

TEST_F(Fringe, LimitFringes) {
  face({5, 15, 20});  // two of three above the highest level 10
  Result r = colour(Scalar, 0, 1, 1);
  EXPECT_FLOAT_EQ(r.colors[0][0], 0.05f);
  EXPECT_FLOAT_EQ(r.colors[1][0], 0.15f);
  face({11, 15, 20});
  r = colour(Scalar, 0, 1, 1);
  for (int k = 0; k < 3; k++) EXPECT_EQ(r.colors[k][0], Part_rgb[0]) << k;
  face({12, 13, 14});  // one band above the range
  r = colour(Scalar, 1, 1, 2);
  EXPECT_EQ(r.in_range, 0);
  r = colour(Scalar, 1, 1, 0);
  EXPECT_EQ(r.in_range, 1);
}

TEST_F(Fringe, LoadFactorScalesAllButTraceTimes) {
  face({8, 8, 8});
  resize_part_array(0, PA_POINT_TIMES, 4, 0);
  for (int k = 1; k <= 3; k++) parts[0]->point_times[k] = 8.0f;
  Loading_flipbook = 1;
  Loading_load_factor = 0.25f;
  EXPECT_FLOAT_EQ(colour(Scalar, 0, 1, 0).colors[0][0], 0.02f);
  EXPECT_FLOAT_EQ(colour(3, 0, 1, 0).colors[0][0], 0.08f);
  Loading_load_factor = -1.0f;
  EXPECT_FLOAT_EQ(colour(Scalar, 0, 1, 0).colors[0][0], 0.08f);
}

TEST_F(Fringe, ElementValuesAndVectorMagnitudes) {
  face({1, 2, 3});
  resize_part_array(0, PA_SCALARS, 1, 2);
  parts[0]->scalars[2][0] = 40.0f;
  Result r = colour(Scalar, 0, 1, 0, 0, {0, 0, 0}, 0, 2);
  for (int k = 0; k < 3; k++) EXPECT_FLOAT_EQ(r.colors[k][0], 0.4f) << k;
  EXPECT_EQ(r.corners, 1);

  // Coordinates by the element index still take the element's own nodes.
  face({1, 2, 3});
  Result by_x = colour(2, 0, 1, 0, 0, {1, 0, 0});
  EXPECT_FLOAT_EQ(by_x.colors[0][0], 0.03f);  // node 1 at x = 3
  EXPECT_FLOAT_EQ(by_x.colors[1][0], 0.015f);

  face({0, 0, 0, 0, 0, 0}, {{3, 4, 0}, {0, 0, 0}, {3, 4, 0}, {0, 0, 0}, {3, 4, 0}, {0, 0, 0}});
  r = colour(Vector, 1, 1, 0, 1, {0, 0, 0}, 1, 1);
  EXPECT_EQ(r.corners, 6);
  EXPECT_NEAR(r.centre_value, 5.0f * 3 / 9, 1e-5);  // |sum of weighted vectors|
}

TEST_F(Fringe, SplitColours) {
  face({10, 20, 30, 40});
  float colors[3][3];
  get_fringe_split(0, 1, 0, 0, Scalar, 1, 0, 0, 0, 0, 0, 1, 3, 25.0f, colors);
  EXPECT_FLOAT_EQ(colors[0][0], 0.2f);
  EXPECT_FLOAT_EQ(colors[1][0], 0.4f);
  EXPECT_FLOAT_EQ(colors[2][0], 0.25f);
}

TEST_F(Fringe, CornerNormalsOfAPlanarQuadAreItsPlaneNormal) {
  qtest::set_mesh(0, {0, 0, 0, 2, 0, 0, 2, 1, 0, 0, 1, 0}, {{1, 2, 3, 4}});
  const int nodes[4] = {1, 2, 3, 4};
  float normals[4][3];
  get_normal(4, 0, nodes, -1, 1.0f, normals);
  for (int j = 0; j < 4; j++) {
    EXPECT_NEAR(normals[j][0], 0, 1e-6) << j;
    EXPECT_NEAR(normals[j][1], 0, 1e-6) << j;
    EXPECT_NEAR(normals[j][2], 1, 1e-6) << j;
  }
  // Through a matrix that turns z into -x (row vectors), with positions out.
  const float turn[16] = {0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0, 5, 0, 0, 1};
  float positions[4][3];
  get_normal_software(turn, 4, 0, nodes, -1, 1.0f, normals, positions);
  EXPECT_NEAR(normals[2][0], -1, 1e-6);
  EXPECT_NEAR(positions[1][0], 5, 1e-6);
  EXPECT_NEAR(positions[1][2], 2, 1e-6);
}

TEST_F(Fringe, DisplacedNormalsFollowTheDisplacement) {
  qtest::set_mesh(0, {0, 0, 0, 1, 0, 0, 0, 1, 0}, {{1, 2, 3}});
  resize_part_array(0, PA_VECTORS, 4, 3);
  parts[0]->vectors[3][2][2] = 1.0f;  // node 2 lifted by 1 x factor
  const int nodes[3] = {1, 2, 3};
  float normals[3][3];
  get_normal(3, 0, nodes, 3, 1.0f, normals);
  EXPECT_NEAR(normals[0][0], -std::sqrt(0.5), 1e-5);
  EXPECT_NEAR(normals[0][2], std::sqrt(0.5), 1e-5);
  get_normal(3, 0, nodes, 7, 1.0f, normals);  // a variable the part lacks: no displacement
  EXPECT_NEAR(normals[0][2], 1, 1e-6);
}

TEST_F(Fringe, FlatNormal) {
  const float tri[3][3] = {{0, 0, 0}, {1, 0, 0}, {0, 0, -1}};
  float normals[3][3] = {};
  EXPECT_EQ(polygon_flat_normal(3, tri, normals), 0);
  for (int j = 0; j < 3; j++) EXPECT_NEAR(normals[j][1], 1, 1e-6);
  const float line[3][3] = {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}};
  float kept[3][3] = {{7, 7, 7}, {7, 7, 7}, {7, 7, 7}};
  EXPECT_EQ(polygon_flat_normal(3, line, kept), 1);
  for (auto &n : kept)
    for (float v : n) EXPECT_EQ(v, 7.0f);
}

TEST_F(Fringe, StaticLighting) {
  float *a = parts[0]->attributes;
  a[SLOT_LIGHT_DIFF] = 0.3f;
  a[SLOT_LIGHT_HINT] = 0.0f;
  for (int c = 0; c < 3; c++) a[SLOT_RGB_R + c] = Part_rgb[c];
  const float s = std::sin(60 * M_PI / 180), c60 = 0.5f;
  const float normals[3][3] = {{0, 0, 1}, {0, (float)s, c60}, {0, 0, -1}};
  const float positions[3][3] = {{0, 0, -5}, {0, 0, -5}, {1, 1, 0}};
  float colors[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, diffuse[3], specular[3];
  get_color_software(0, 2, 1, 0, 0, 1, normals, positions, colors, diffuse, specular);
  EXPECT_FLOAT_EQ(diffuse[0], 1.0f);
  EXPECT_NEAR(diffuse[1], 0.65f, 1e-6);
  EXPECT_NEAR(colors[1][1], 0.65f, 1e-6);  // continuous: each corner its own colour
  EXPECT_EQ(specular[0], 0.0f);

  float banded[2][3] = {{1, 0, 0}, {0, 1, 0}};
  get_color_software(0, 2, 1, 1, 0, 1, normals, positions, banded, diffuse, specular);
  EXPECT_NEAR(banded[1][0], 0.65f, 1e-6);  // banded: colour 0 throughout
  float off[1][3] = {{1, 1, 1}};
  get_color_software(0, 1, 0, 0, 0, 1, normals, positions, off, diffuse, specular);
  EXPECT_FLOAT_EQ(off[0][2], Part_rgb[2]);  // colouring off: the part colour

  a[SLOT_LIGHT_HINT] = 0.5f;
  a[SLOT_LIGHT_SHIN] = 2.0f;
  float lit[1][3] = {{0.5f, 0, 0}};
  get_color_software(0, 1, 1, 0, 0, 1, normals, positions, lit, diffuse, specular);
  EXPECT_FLOAT_EQ(specular[0], 0.5f);
  EXPECT_FLOAT_EQ(lit[0][0], 1.0f);  // 0.5 x (1 - 0.5) / 0.5 + 0.5
  EXPECT_FLOAT_EQ(lit[0][1], 0.5f);
}

}  // namespace
