// The frame-local transformations without a display: the turn, move and
// scale of a frame's parts in its own axes and per viewport, the reset of
// selected viewports, the identity test and the accessors.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "client/matrix.h"
#include "parts/attribute.h"
#include "render/active.h"
#include "render/disobj.h"
#include "test_parts.h"
#include "view/frames.h"
#include "viewport_test_screen.h"

namespace {

const int F = 1;  // the frame under test

// p x m, with the translation.
std::vector<float> moved(const float *m, std::vector<float> p) {
  premlt(m, p.data());
  return p;
}

void expect_point(const std::vector<float> &got, const std::vector<float> &want, const std::string &what) {
  for (int c = 0; c < 3; c++) EXPECT_NEAR(got[(size_t)c], want[(size_t)c], 1e-5f) << what << " [" << c << "]";
}

bool is_identity(const float *m) {
  for (int e = 0; e < 16; e++)
    if (m[e] != (e % 5 == 0 ? 1.0f : 0.0f)) return false;
  return true;
}

class FrameLocal : public testing::Test {
 protected:
  void SetUp() override {
    vptest::fresh_viewports();
    frames_table_reset();
    float a[FRAME_ATTR_WORDS];
    frame_attributes(-1, a, nullptr, 0);
    ASSERT_EQ(new_frame(a, ""), 0);
    // Frame 1 at (1, 2, 3), its x axis along global y, y along global -x.
    const float def[][2] = {{2, 1}, {3, 2}, {4, 3}, {5, 0}, {6, 1}, {7, 0}, {8, -1}, {9, 0}, {10, 0},
                            {11, 0}, {12, 0}, {13, 1}, {14, 1}, {15, 1}, {16, 1}};
    for (const auto &d : def) a[(int)d[0]] = d[1];
    ASSERT_EQ(new_frame(a, ""), F);
  }
  void TearDown() override {
    frames_table_reset();
    Viewport_current = 0;
  }
  const float *combined(int v = 0) const { return Ctm_part[F]->combined[v]; }
};

const std::vector<float> Origin = {1, 2, 3};

TEST_F(FrameLocal, TurnMoveAndScaleWorkInTheFrameAxes) {
  struct Case {
    const char *what;
    void (*step)();
    std::vector<float> origin_to, x_tip_to;  // where the origin and origin + frame x go
  } cases[] = {
      {"turn keeps the origin", [] { local_rotvew(1, &F, 30, 40, 50); }, Origin, {}},
      {"turn 90 about the frame z", [] { local_rotvew(1, &F, 0, 0, 90); }, Origin, {0, 2, 3}},
      {"move follows the frame x", [] { local_trnvew(1, &F, 1, 0, 0); }, {1, 3, 3}, {1, 4, 3}},
      {"scale about the origin", [] { local_sclvew(1, &F, 2, 1, 1); }, Origin, {1, 4, 3}},
      {"scale, then turn, then move, whatever the call order",
       [] {
         local_trnvew(1, &F, 1, 0, 0);
         local_rotvew(1, &F, 0, 0, 90);
         local_sclvew(1, &F, 2, 2, 2);
       },
       {1, 3, 3}, {-1, 3, 3}},
  };
  for (const Case &c : cases) {
    SetUp();
    Resort_transparent = 0;
    c.step();
    EXPECT_EQ(Resort_transparent, 1) << c.what;
    expect_point(moved(combined(), Origin), c.origin_to, std::string(c.what) + ": origin");
    if (!c.x_tip_to.empty()) expect_point(moved(combined(), {1, 3, 3}), c.x_tip_to, std::string(c.what) + ": x tip");
    for (int v = 1; v < FRAME_VIEWPORTS; v++) EXPECT_TRUE(is_identity(combined(v))) << c.what << " viewport " << v;
  }
}

TEST_F(FrameLocal, OnlyTheCurrentViewportChanges) {
  Viewport_current = 2;
  local_trnvew(1, &F, 0, 0, 5);
  EXPECT_TRUE(is_identity(Ctm_part[F]->translation[3]));
  EXPECT_TRUE(is_identity(combined(3)));
  EXPECT_FALSE(is_identity(combined(2)));
  // Zero angles keep the rotation as it is and store the product again.
  float junk[1][16];
  memset(junk, 0, sizeof junk);
  local_current_ctm(junk, 1, &F, 1);
  local_rotvew(1, &F, 0, 0, 0);
  EXPECT_TRUE(is_identity(Ctm_part[F]->rotation[2]));
  expect_point(moved(combined(2), Origin), {1, 2, 8}, "recomputed");
}

TEST_F(FrameLocal, ResetTouchesSelectedViewportsOnly) {
  for (int v : {0, 1}) {
    Viewport_current = v;
    local_trnvew(1, &F, 1, 0, 0);
    local_rotvew(1, &F, 10, 0, 0);
  }
  Viewports[0].selected = 1;
  Viewports[1].selected = 0;
  Viewport_current = 1;
  const int translation_only[3] = {0, 1, 0};
  local_reset_transforms(1, &F, translation_only);
  EXPECT_EQ(Viewport_current, 1);
  EXPECT_TRUE(is_identity(Ctm_part[F]->translation[0]));
  EXPECT_FALSE(is_identity(Ctm_part[F]->rotation[0]));
  EXPECT_FALSE(is_identity(Ctm_part[F]->translation[1]));
  expect_point(moved(combined(0), Origin), Origin, "viewport 0 turned about its origin only");
  expect_point(moved(combined(1), Origin), {1, 3, 3}, "viewport 1 still moved");
}

TEST_F(FrameLocal, IdentityTest) {
  // Frame 0: at the global origin with the global axes, so that a scaling
  // leaves the off-diagonal elements of its combined matrix zero.
  static const int G = 0;
  const int v_out = 5;  // not in the stacking order
  ASSERT_EQ(Num_active_viewports, 1);
  struct Case {
    const char *what;
    void (*step)();
    int want;
  } cases[] = {
      {"untouched", [] {}, 1},
      {"scaled only", [] { local_sclvew(1, &G, 3, 2, 0.5f); }, 1},
      {"moved by 0.001", [] { local_trnvew(1, &G, 0, 0.001f, 0); }, 0},
      {"turned", [] { local_rotvew(1, &G, 0.5f, 0, 0); }, 0},
      {"moved outside the stacking order",
       [] {
         Viewport_current = v_out;
         local_trnvew(1, &G, 4, 0, 0);
         Viewport_current = 0;
       },
       1},
  };
  for (const Case &c : cases) {
    SetUp();
    c.step();
    EXPECT_EQ(is_transform_for_frame_identity(1, &G), c.want) << c.what;
    const int both[2] = {0, F};
    EXPECT_EQ(is_transform_for_frame_identity(2, both), c.want) << c.what;
    EXPECT_EQ(is_transform_for_frame_identity(0, both), 1) << c.what;
  }
}

TEST_F(FrameLocal, Accessors) {
  Viewport_current = 4;
  local_sclvew(1, &F, 2, 2, 2);
  local_trnvew(1, &F, 1, 0, 0);
  const int list[2] = {0, F};
  float s[2][16], r[2][16], t[2][16], c[2][16];
  local_ctm_transforms(s, r, t, 2, list, 0);
  local_current_ctm(c, 2, list, 0);
  EXPECT_TRUE(is_identity(s[0]));
  EXPECT_EQ(s[1][0], 2.0f);
  EXPECT_EQ(t[1][12], 1.0f);
  EXPECT_EQ(0, memcmp(c[1], combined(4), sizeof c[1]));

  // The row-pointer form reads the same elements and writes them back.
  float rows[4][2][4][4];
  float *ptr[4][2][4];
  for (int m = 0; m < 4; m++)
    for (int k = 0; k < 2; k++)
      for (int i = 0; i < 4; i++) ptr[m][k][i] = rows[m][k][i];
  local_ctm_transforms_stars(ptr[0], ptr[1], ptr[2], 2, list, 0);
  local_current_ctm_stars(ptr[3], 2, list, 0);
  EXPECT_EQ(0, memcmp(rows[0][1], s[1], sizeof s[1]));
  EXPECT_EQ(0, memcmp(rows[2][1], t[1], sizeof t[1]));
  EXPECT_EQ(0, memcmp(rows[3][1], c[1], sizeof c[1]));
  rows[2][1][3][1] = 7.0f;
  local_ctm_transforms_stars(ptr[0], ptr[1], ptr[2], 2, list, 1);
  EXPECT_EQ(Ctm_part[F]->translation[4][13], 7.0f);

  // Stored as given through the second names, nothing recomputed; count 0
  // does nothing.
  float none[1][16] = {{0}};
  local_current_ctm_st(none, 1, &F, 1);
  EXPECT_EQ(combined(4)[0], 0.0f);
  float keep[1][16];
  memcpy(keep[0], Ctm_part[F]->scale[4], sizeof keep[0]);
  local_ctm_transforms_st(none, none, none, 0, &F, 1);
  local_ctm_transforms_st(none, none, none, 1, &F, 2);
  EXPECT_EQ(0, memcmp(keep[0], Ctm_part[F]->scale[4], sizeof keep[0]));
}

TEST_F(FrameLocal, PartExtentsIncludeTheLocalMove) {
  qtest::fill_parts({{7, 0, 0, "block", -1, {}, false}});
  qtest::set_mesh(0, {0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 2}, {{1, 2, 3, 4}});
  float *a = parts[0]->attributes;
  a[SLOT_VIEWPORT_VIS] = 0xffff;
  a[SLOT_DISPLACE_BY] = -1;
  for (int m = SLOT_MIRROR_Z; m <= SLOT_MIRROR_XYZ; m++) a[m] = 0;
  a[SLOT_FRAME] = F;
  const int all[3] = {1, 1, 1};
  init_transforms(all);  // viewport 0's own transformation: the identity
  float box[6];
  ASSERT_EQ(find_min_max_for_part_in_viewport(0, 0, 4, parts[0]->coords, nullptr, 0, box), 1);
  const std::vector<float> still(box, box + 6);
  local_trnvew(1, &F, 1, 0, 0);  // one unit along the frame's x, global y
  ASSERT_EQ(find_min_max_for_part_in_viewport(0, 0, 4, parts[0]->coords, nullptr, 0, box), 1);
  const float want[6] = {0, 1, 1, 2, 0, 2};
  for (int k = 0; k < 6; k++) EXPECT_NEAR(box[k], want[k], 1e-5f) << k << " was " << still[(size_t)k];
  // Viewport 1 has no local move.
  Viewport_current = 1;
  init_transforms(all);
  ASSERT_EQ(find_min_max_for_part_in_viewport(1, 0, 4, parts[0]->coords, nullptr, 0, box), 1);
  for (int k = 0; k < 6; k++) EXPECT_NEAR(box[k], still[(size_t)k], 1e-5f) << k;
  qtest::clear_parts();
}

}  // namespace
