// The model transformation of a viewport and the viewing matrix, without a
// display: the products are the module's own float arithmetic.
#include <gtest/gtest.h>

#include <cmath>
#include <array>
#include <cstring>
#include <vector>

#include "client/matrix.h"
#include "render/disobj.h"
#include "view/view_matrix.h"
#include "view/viewer_state.h"
#include "view/viewports.h"

namespace {

const float C[3] = {1.5f, -2.0f, 0.5f};  // an off-origin centre

void identity_transforms() {
  float id[16];
  int4x4(id);
  ctm_transforms(id, id, id, 1);
  current_ctm(id, 1);
}

void expect_matrix_near(const float *a, const float *b, float tol, const char *what) {
  for (int i = 0; i < 16; i++) EXPECT_NEAR(a[i], b[i], tol) << what << " element " << i;
}

// The rotation matrix after the given turns, each a call of rotvew about C.
void rotation_after(const std::vector<std::array<float, 3>> &turns, float out[16]) {
  identity_transforms();
  float view[16], combined[16], s[16], t[16];
  int4x4(view);
  for (const auto &a : turns) rotvew(a[0], a[1], a[2], C, combined, view);
  ctm_transforms(s, out, t, 0);
}

class ViewMatrix : public testing::Test {
 protected:
  void SetUp() override {
    global_init_viewports();
    Viewport_current = 0;
    identity_transforms();
  }
};

TEST_F(ViewMatrix, OneRotationTurnsYBeforeXAboutAFixedCentre) {
  float both[16], y_then_x[16], x_then_y[16];
  rotation_after({{90, 90, 0}}, both);
  rotation_after({{0, 90, 0}, {90, 0, 0}}, y_then_x);
  rotation_after({{90, 0, 0}, {0, 90, 0}}, x_then_y);
  expect_matrix_near(both, y_then_x, 1e-5f, "Y then X");
  float differ = 0;
  for (int i = 0; i < 16; i++) differ = std::fmax(differ, std::fabs(both[i] - x_then_y[i]));
  EXPECT_GT(differ, 0.5f);

  float c[3] = {C[0], C[1], C[2]};
  premlt(both, c);
  for (int i = 0; i < 3; i++) EXPECT_NEAR(c[i], C[i], 1e-5f);
}

TEST_F(ViewMatrix, ZeroChangesLeaveTheMatricesBitForBit) {
  // Stored values with a negative zero, which a multiplication by the
  // identity would turn positive.
  float s[16], r[16], t[16];
  for (int i = 0; i < 16; i++) {
    s[i] = 0.25f * i - 1.0f;
    r[i] = i % 3 ? -0.0f : 0.7f * i;
    t[i] = 1.0f / (i + 1);
  }
  ctm_transforms(s, r, t, 1);
  float view[16], combined[16], s2[16], r2[16], t2[16];
  int4x4(view);
  rotvew(0, 0, 0, C, combined, view);
  trnvew(0, 0, 0, C, combined, view);
  sclvew(1, 1, 1, C, combined, view);
  ctm_transforms(s2, r2, t2, 0);
  EXPECT_EQ(memcmp(s, s2, sizeof s), 0);
  EXPECT_EQ(memcmp(r, r2, sizeof r), 0);
  EXPECT_EQ(memcmp(t, t2, sizeof t), 0);
  float sr[16], srt[16];
  mul4x4(s, r, sr);
  mul4x4(sr, t, srt);
  EXPECT_EQ(memcmp(combined, srt, sizeof srt), 0);
}

TEST_F(ViewMatrix, TranslationIgnoresTheCentreAndScalingDoublesDistancesFromIt) {
  float view[16], combined[16], s[16], r[16], t1[16], t2[16];
  int4x4(view);
  const float other[3] = {100.0f, 7.0f, -3.0f};
  trnvew(1, 2, 3, C, combined, view);
  ctm_transforms(s, r, t1, 0);
  identity_transforms();
  trnvew(1, 2, 3, other, combined, view);
  ctm_transforms(s, r, t2, 0);
  EXPECT_EQ(memcmp(t1, t2, sizeof t1), 0);
  float p[3] = {0, 2, 3};
  premlt(t1, p);
  EXPECT_FLOAT_EQ(p[0], 1.0f);
  EXPECT_FLOAT_EQ(p[2], 6.0f);

  identity_transforms();
  sclvew(2, 2, 2, C, combined, view);
  ctm_transforms(s, r, t1, 0);
  float q[3] = {4.0f, 1.0f, -1.0f}, c[3] = {C[0], C[1], C[2]};
  premlt(s, q);
  premlt(s, c);
  const float given[3] = {4.0f, 1.0f, -1.0f};
  for (int i = 0; i < 3; i++) {
    EXPECT_NEAR(c[i], C[i], 1e-6f);
    EXPECT_NEAR(q[i] - C[i], 2.0f * (given[i] - C[i]), 1e-5f);
  }
}

TEST_F(ViewMatrix, ResetOfTheRotationKeepsTranslationAndScale) {
  float view[16], combined[16];
  int4x4(view);
  rotvew(30, 0, 10, C, combined, view);
  trnvew(1, 2, 3, C, combined, view);
  sclvew(2, 3, 4, C, combined, view);
  float s[16], r[16], t[16];
  ctm_transforms(s, r, t, 0);
  const int rotation_only[3] = {1, 0, 0};
  init_transforms(rotation_only);
  float s2[16], r2[16], t2[16], stored[16], id[16], st[16];
  ctm_transforms(s2, r2, t2, 0);
  int4x4(id);
  EXPECT_EQ(memcmp(r2, id, sizeof id), 0);
  EXPECT_EQ(memcmp(s2, s, sizeof s), 0);
  EXPECT_EQ(memcmp(t2, t, sizeof t), 0);
  current_ctm(stored, 0);
  mul4x4(s, t, st);
  expect_matrix_near(stored, st, 1e-6f, "combined");
}

TEST_F(ViewMatrix, TransformMatrixAppliesTheTwoDMatrixFirst) {
  float view[16], combined[16], out[16];
  int4x4(view);
  trnvew(5, 0, 0, C, combined, view);
  int4x4(Viewports[0].matrix_2d);
  post_rotate_z((float)(M_PI / 2), Viewports[0].matrix_2d);
  get_transform_matrix(out);
  float p[3] = {1, 0, 0};
  premlt(out, p);  // turned onto +y, then moved along +x
  EXPECT_NEAR(p[0], 5.0f, 1e-6f);
  EXPECT_NEAR(p[1], 1.0f, 1e-6f);
}

// ---- viewing matrix -----------------------------------------------------------------

struct AtfromCase {
  const char *name;
  float from[3];      // look-at is (1, 2, 3)
  float axes[3][3];   // images of the world x, y and z directions
};

TEST(Atfrom, AzimuthAndElevationFromTheTwoPoints) {
  const float at[3] = {1, 2, 3};
  const AtfromCase cases[] = {
      {"from +Z (azimuth 0, elevation 0)", {1, 2, 8}, {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}},
      {"straight above (azimuth 0, elevation 90)", {1, 7, 3}, {{1, 0, 0}, {0, 0, 1}, {0, -1, 0}}},
      {"from +X (azimuth 90, elevation 0)", {6, 2, 3}, {{0, 0, 1}, {0, 1, 0}, {-1, 0, 0}}},
  };
  for (const AtfromCase &c : cases) {
    float m[16], d = 0;
    atfrom(at, c.from, &d, m);
    EXPECT_NEAR(d, 5.0f, 1e-6f) << c.name;
    float p[3] = {at[0], at[1], at[2]};
    premlt(m, p);
    EXPECT_NEAR(p[0], 0.0f, 1e-5f) << c.name;
    EXPECT_NEAR(p[1], 0.0f, 1e-5f) << c.name;
    EXPECT_NEAR(p[2], -5.0f, 1e-5f) << c.name;
    for (int axis = 0; axis < 3; axis++)
      for (int j = 0; j < 3; j++)
        EXPECT_NEAR(m[4 * axis + j], c.axes[axis][j], 1e-6f) << c.name << " axis " << axis;
  }
}

TEST(Atfrom, CoincidentPointsGiveAPlainTranslation) {
  const float p[3] = {2, -1, 4};
  float m[16], d = -1;
  atfrom(p, p, &d, m);
  EXPECT_EQ(d, 0.0f);
  float expected[16];
  int4x4(expected);
  expected[12] = -2;
  expected[13] = 1;
  expected[14] = -4;
  for (int i = 0; i < 16; i++) EXPECT_EQ(m[i], expected[i]) << i;
}

TEST_F(ViewMatrix, NewViewDirectionAsksForAResortBelowCosine098) {
  const float at[3] = {0, 0, 0}, from[3] = {0, 0, 10};
  float view[16], d, id[16];
  int4x4(id);
  atfrom(at, from, &d, view);
  float at_v[3] = {0, 0, 0}, from_v[3] = {0, 0, 10};
  view_param(at_v, from_v, view, &d, 1);
  struct {
    float degrees;
    int resort;
  } turns[] = {{10.0f, 0}, {12.0f, 1}, {180.0f, 1}};
  for (const auto &turn : turns) {
    double a = turn.degrees * M_PI / 180.0;
    float to[3] = {(float)(10 * std::sin(a)), 0.0f, (float)(10 * std::cos(a))}, out[16];
    Resort_transparent = 0;
    vewvew(at, to, &d, id, out);
    EXPECT_EQ(Resort_transparent, turn.resort) << turn.degrees;
    EXPECT_NEAR(d, 10.0f, 1e-5f);
  }
}

// ---- column-convention builders ----------------------------------------------------------

TEST(ColumnFamily, BuildersActOnColumnVectors) {
  float m[16];
  int4x4(m);
  tran_4x4(1, 2, 3, m);
  rotaz_4x4((float)(M_PI / 2), m);
  scale_4x4(2, 2, 2, m);
  // m = T x Rz x S applied to the column (1, 0, 0, 1): scaled to 2, turned
  // onto +y, then moved.
  const float v[4] = {1, 0, 0, 1};
  float r[3];
  for (int i = 0; i < 3; i++) r[i] = m[4 * i] * v[0] + m[4 * i + 3] * v[3];
  EXPECT_NEAR(r[0], 1.0f, 1e-6f);
  EXPECT_NEAR(r[1], 4.0f, 1e-6f);
  EXPECT_NEAR(r[2], 3.0f, 1e-6f);

  float x[16], y[16];
  int4x4(x);
  int4x4(y);
  rotax_4x4((float)(M_PI / 2), x);
  rotay_4x4((float)(M_PI / 2), y);
  EXPECT_NEAR(x[9], 1.0f, 1e-6f);   // y onto z
  EXPECT_NEAR(y[2], 1.0f, 1e-6f);   // z onto x
}

}  // namespace
