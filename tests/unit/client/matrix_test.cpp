// 4x4 matrices, frame alignment, byte swaps and the seeded generator.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>

#include "client/matrix.h"
#include "interact/vector3.h"

namespace {

const float kPi = 3.14159265358979f;

void expect_point(const float p[3], float x, float y, float z, float tol, const char *what) {
  EXPECT_NEAR(p[0], x, tol) << what;
  EXPECT_NEAR(p[1], y, tol) << what;
  EXPECT_NEAR(p[2], z, tol) << what;
}

void expect_matrix(const float a[16], const float b[16], float tol, const char *what) {
  for (int i = 0; i < 16; i++) EXPECT_NEAR(a[i], b[i], tol) << what << " element " << i;
}

void expect_identity(const float m[16], float tol, const char *what) {
  float id[16];
  int4x4(id);
  expect_matrix(m, id, tol, what);
}

// p x m, on a copy.
void moved(const float m[16], const float p[3], float out[3]) {
  memcpy(out, p, sizeof(float) * 3);
  premlt(m, out);
}

TEST(Matrix, PointTransformAndProductOrder) {
  float id[16], t[16], p[3] = {1.5f, -2.0f, 3.0f};
  int4x4(id);
  premlt(id, p);
  expect_point(p, 1.5f, -2.0f, 3.0f, 0.0f, "identity");
  int4x4(t);
  post_translate(10.0f, 20.0f, 30.0f, t);
  tmpts(p, t);
  expect_point(p, 11.5f, 18.0f, 33.0f, 0.0f, "translation");

  // In a x b, a acts first.
  float a[16], b[16], c[16], q[3] = {1.0f, 2.0f, 3.0f}, qa[3], qab[3], qc[3];
  int4x4(a);
  post_rotate_z(0.7f, a);
  post_translate(1.0f, 0.0f, -2.0f, a);
  int4x4(b);
  post_rotate_x(-1.1f, b);
  b[0] = 2.0f;  // with a scale, the two orders differ
  EXPECT_EQ(mul4x4(a, b, c), 16);
  moved(a, q, qa);
  moved(b, qa, qab);
  moved(c, q, qc);
  expect_point(qc, qab[0], qab[1], qab[2], 1e-5f, "a then b");

  float d[16];
  mov4x4(c, d);
  cop4x4(d, c);
  expect_matrix(c, d, 0.0f, "copies");
}

TEST(Matrix, ElementaryRotations) {
  struct {
    void (*rotate)(float, float *);
    float from[3], to[3];
  } cases[] = {
      {post_rotate_x, {0, 1, 0}, {0, 0, 1}},
      {post_rotate_y, {0, 0, 1}, {1, 0, 0}},
      {post_rotate_z, {1, 0, 0}, {0, 1, 0}},
  };
  for (const auto &c : cases) {
    float m[16], p[3];
    int4x4(m);
    post_translate(5.0f, 6.0f, 7.0f, m);  // post-multiplied rotations turn the translation too
    c.rotate(kPi / 2, m);
    float t[3] = {5.0f, 6.0f, 7.0f}, tr[3];
    float id[16];
    int4x4(id);
    c.rotate(kPi / 2, id);
    moved(id, t, tr);
    moved(m, c.from, p);
    expect_point(p, c.to[0] + tr[0], c.to[1] + tr[1], c.to[2] + tr[2], 1e-5f, "rotation");
    EXPECT_EQ(m[15], 1.0f);
  }
}

TEST(Matrix, InverseOfRigidMotion) {
  float m[16], inv[16], prod[16];
  int4x4(m);
  post_rotate_z(kPi / 6, m);
  post_translate(3.0f, -4.0f, 5.0f, m);
  mov4x4(m, inv);
  ASSERT_EQ(inv4x4(inv), 0);
  for (int i = 0; i < 3; i++)
    for (int j = 0; j < 3; j++) EXPECT_NEAR(inv[4 * i + j], m[4 * j + i], 1e-6f);
  // translation row: -t R^T
  float t[3] = {-3.0f, 4.0f, -5.0f}, r[16];
  mov4x4(inv, r);
  r[12] = r[13] = r[14] = 0.0f;
  premlt(r, t);
  expect_point(&inv[12], t[0], t[1], t[2], 1e-5f, "translation");
  mul4x4(m, inv, prod);
  expect_identity(prod, 1e-6f, "m x inverse");
}

TEST(Matrix, InverseTable) {
  struct {
    const char *what;
    float m[16];
  } cases[] = {
      {"tiny scale", {1e-6f, 0, 0, 0, 0, 1e-6f, 0, 0, 0, 0, 1e-6f, 0, 0, 0, 0, 1}},
      {"tiny scale far away", {1e-6f, 0, 0, 0, 0, 2e-6f, 0, 0, 0, 0, 1e-6f, 0, 1e5f, -3e5f, 2e5f, 1}},
      {"zero first pivot", {0, 2, 0, 0, 3, 1, 0, 0, 0, 0, 1, 0, 1, 2, 3, 1}},
      {"permutation", {0, 0, 1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1}},
      {"general", {2, -1, 0.5f, 0.1f, 1, 3, -2, 0, 0.25f, 4, 1, -1, 7, -8, 9, 1}},
      {"small entries kept", {1, 5e-6f, 0, 0, -5e-6f, 1, 0, 0, 0, 0, 1, 3e-6f, 0, 0, 0, 1}},
  };
  for (const auto &c : cases) {
    float inv[16], prod[16];
    mov4x4(c.m, inv);
    ASSERT_EQ(inv4x4(inv), 0) << c.what;
    mul4x4(c.m, inv, prod);
    expect_identity(prod, 1e-5f, c.what);
    mul4x4(inv, c.m, prod);
    expect_identity(prod, 1e-5f, c.what);

    double d[16], dm[16];
    for (int i = 0; i < 16; i++) d[i] = dm[i] = c.m[i];
    ASSERT_EQ(double_inv4x4(d), 0) << c.what;
    for (int i = 0; i < 4; i++)
      for (int j = 0; j < 4; j++) {
        double s = 0.0;
        for (int k = 0; k < 4; k++) s += dm[4 * i + k] * d[4 * k + j];
        EXPECT_NEAR(s, i == j ? 1.0 : 0.0, 1e-9) << c.what << " double " << i << j;
      }
  }
  // The tiny scale inverts to a large one exactly where it should.
  float s[16] = {1e-6f, 0, 0, 0, 0, 1e-6f, 0, 0, 0, 0, 1e-6f, 0, 0, 0, 0, 1};
  ASSERT_EQ(inv4x4(s), 0);
  EXPECT_NEAR(s[0], 1e6f, 1.0f);
  EXPECT_NEAR(s[10], 1e6f, 1.0f);
  EXPECT_EQ(s[15], 1.0f);
}

TEST(Matrix, SingularMatrixIsRefusedAndKept) {
  float row_scaled = 0.1f;
  struct {
    const char *what;
    float m[16];
  } cases[] = {
      {"flattened z", {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 2, 3, 1}},
      {"equal rows", {1, 2, 3, 0, 1, 2, 3, 0, 0, 0, 1, 0, 0, 0, 0, 1}},
      {"rounded multiple",
       {1, 3, 7, 0, row_scaled, row_scaled * 3, row_scaled * 7, 0, 0, 1, 1, 0, 0, 0, 0, 1}},
      {"zero matrix", {0}},
  };
  for (const auto &c : cases) {
    float m[16];
    mov4x4(c.m, m);
    EXPECT_EQ(inv4x4(m), -1) << c.what;
    EXPECT_EQ(memcmp(m, c.m, sizeof m), 0) << c.what;
    double d[16], keep[16];
    for (int i = 0; i < 16; i++) d[i] = keep[i] = c.m[i];
    if (strcmp(c.what, "rounded multiple") != 0) {  // exact in double only when exactly singular
      EXPECT_EQ(double_inv4x4(d), -1) << c.what;
      EXPECT_EQ(memcmp(d, keep, sizeof d), 0) << c.what;
    }
  }
}

TEST(Matrix, FrameAlignmentOfTheGlobalFrame) {
  float o[3] = {0, 0, 0}, a[3] = {1, 0, 0}, b[3] = {0, 0, 1}, c[3] = {0, 1, 0};
  float full[16], align[16], back[16], plain[16];
  arbaxi(o, a, b, c, full, align, back, 30.0f, -45.0f, 60.0f);
  expect_identity(align, 1e-6f, "align");
  expect_identity(back, 1e-6f, "back");
  int4x4(plain);
  post_rotate_x(30.0f * 0.017453292f, plain);
  post_rotate_y(-45.0f * 0.017453292f, plain);
  post_rotate_z(60.0f * 0.017453292f, plain);
  expect_matrix(full, plain, 1e-6f, "full");
}

TEST(Matrix, FrameAlignmentOfALocalFrame) {
  // A frame at (1, 2, 3) whose x axis points along (1, 1, 1) and whose y axis
  // point lies towards (-1, 1, 0) from the origin.
  float o[3] = {1, 2, 3}, a[3] = {3, 4, 5}, b[3] = {9, 9, 9}, c[3] = {0, 3, 3};
  float full[16], align[16], back[16], prod[16], p[3];
  arbaxi(o, a, b, c, full, align, back, 90.0f, 0.0f, 0.0f);

  moved(align, o, p);
  expect_point(p, 0, 0, 0, 1e-5f, "origin");
  moved(align, a, p);
  expect_point(p, std::sqrt(12.0f), 0, 0, 1e-5f, "x-axis point");
  float cy[3];
  moved(align, c, cy);
  EXPECT_NEAR(cy[2], 0.0f, 1e-5f);
  EXPECT_GT(cy[1], 0.0f);
  mul4x4(align, back, prod);
  expect_identity(prod, 1e-5f, "align x back");

  // 90 degrees about the frame's x axis: its origin and x axis stay, the
  // y-axis point turns onto the frame's z axis.
  moved(full, a, p);
  expect_point(p, a[0], a[1], a[2], 1e-5f, "x axis kept");
  float turned[3];
  moved(full, c, turned);
  moved(align, turned, p);
  expect_point(p, cy[0], 0, cy[1], 1e-5f, "y onto z");
}

TEST(Matrix, PlanarViewportRotation) {
  float p[3] = {4, -5, 6}, m[16], expected[16];
  EXPECT_EQ(planar_viewport_rotation_matrix(p, 0, 0, 1, m), 1);
  int4x4(expected);
  post_translate(-4, 5, -6, expected);
  expect_matrix(m, expected, 0.0f, "facing the viewer");

  float normals[][3] = {{1, 0, 0}, {0, 1, 0}, {1, 2, 3}, {-1, -1, -2}, {0.3f, -0.2f, 0.9f},
                        {0, -3, 1}, {0, 0, -2}};
  for (const auto &n : normals) {
    ASSERT_EQ(planar_viewport_rotation_matrix(p, n[0], n[1], n[2], m), 1);
    float u[3] = {n[0], n[1], n[2]}, q[3], r[3];
    normlz(u);
    moved(m, p, r);
    expect_point(r, 0, 0, 0, 1e-5f, "point to the origin");
    for (int i = 0; i < 3; i++) q[i] = p[i] + u[i];
    moved(m, q, r);
    expect_point(r, 0, 0, u[2] > 0 ? 1.0f : -1.0f, 1e-5f, "normal onto z");
  }
}

TEST(Matrix, VectorNormalise) {
  float v[3] = {3, 0, -4}, z[3] = {0, 0, 0};
  EXPECT_FLOAT_EQ(normlz(v), 5.0f);
  expect_point(v, 0.6f, 0, -0.8f, 1e-7f, "unit");
  EXPECT_EQ(normlz(z), 0.0f);
  expect_point(z, 0, 0, 0, 0, "zero kept");
}

TEST(ByteOrder, SwapsInPlace) {
  unsigned char four[4] = {0x01, 0x02, 0x03, 0x04}, two[2] = {0x01, 0x02};
  dec_swap_mess(four);
  EXPECT_EQ(four[0], 0x04);
  EXPECT_EQ(four[1], 0x03);
  EXPECT_EQ(four[2], 0x02);
  EXPECT_EQ(four[3], 0x01);
  dec_swap_mess_short(two);
  EXPECT_EQ(two[0], 0x02);
  EXPECT_EQ(two[1], 0x01);
  float f = -1234.5f;
  dec_swap_mess(&f);
  dec_swap_mess(&f);
  EXPECT_EQ(f, -1234.5f);
}

TEST(Random, SeededGeneratorFollowsTheCongruentialStep) {
  const int mask = 123495867;
  int state = mask;
  EXPECT_EQ(erand0(&state), 0.0f);
  EXPECT_EQ(state, mask);

  // Against the step computed in 64 bits, along a sequence and at the ends of the range.
  for (int start : {1, 42, 5000, 123456789, 2147483646 ^ mask, 1 ^ mask}) {
    int state_a = start;
    int64_t s = (int64_t)(start ^ mask);
    for (int i = 0; i < 1000; i++) {
      float r = erand0(&state_a);
      s = s * 69621 % 2147483647;
      EXPECT_EQ(state_a, (int)s ^ mask) << start << " step " << i;
      EXPECT_EQ(r, (float)((double)s * 4.656612875245797e-10));
      EXPECT_GE(r, 0.0f);
      EXPECT_LE(r, 1.0f);
    }
  }
}

}  // namespace
