// The overall range and the recentring on the loaded parts, without a
// display: which parts count, the point box, and measured particles that
// decide the view only when nothing else has a box.
#include <gtest/gtest.h>

#include <vector>

#include "client/alloc_gate.h"
#include "parts/attribute.h"
#include "parts/read.h"
#include "render/start_screen.h"
#include "variables/variables.h"
#include "test_parts.h"
#include "view/recentre.h"
#include "view/viewer_state.h"
#include "view/viewports.h"
#include "viewport_test_screen.h"

namespace {

struct Part_box {
  int type;
  float box[6];
};

void load(const std::vector<Part_box> &boxes) {
  qtest::clear_parts();
  int n = 1;
  for (const Part_box &s : boxes) {
    Part_rec *p = qtest::add_part({n, 0, s.type, "p", -1, {}, false});
    ASSERT_NE(p, nullptr);
    p->xmin = s.box[0]; p->xmax = s.box[1];
    p->ymin = s.box[2]; p->ymax = s.box[3];
    p->zmin = s.box[4]; p->zmax = s.box[5];
    n++;
  }
}

// The look-at point of viewport v: the centre of the box center used.
std::vector<float> look_at(int v) {
  int keep = Viewport_current;
  Viewport_current = v;
  float at[3], from[3], m[16], d;
  view_param(at, from, m, &d, 0);
  Viewport_current = keep;
  return {at[0], at[1], at[2], d};
}

class Recentre : public testing::Test {
 protected:
  void SetUp() override {
    vptest::fresh_viewports();
    View_centred = 0;
  }
  void TearDown() override {
    qtest::clear_parts();
    View_centred = 0;
    screen_install(nullptr);
  }
};

TEST_F(Recentre, BoxOfTheCountedParts) {
  struct {
    const char *name;
    std::vector<Part_box> parts;
    float centre[3];
    float size;  // largest side of the box
  } cases[] = {
      {"a point grows by one each side", {{PART_MODEL, {2, 2, 3, 3, 4, 4}}}, {2, 3, 4}, 2},
      {"particles first do not count",
       {{PART_DISCRETE, {0, 100, 0, 100, 0, 100}}, {PART_MODEL, {0, 1, 0, 1, 0, 1}}},
       {0.5f, 0.5f, 0.5f}, 1},
      {"particles after the model do not count either",
       {{PART_MODEL, {0, 1, 0, 1, 0, 1}}, {PART_DISCRETE, {0, 100, 0, 100, 0, 100}}},
       {0.5f, 0.5f, 0.5f}, 1},
      {"particles alone give their union",
       {{PART_DISCRETE, {0, 100, 0, 100, 0, 100}}, {PART_DISCRETE, {-100, 0, 0, 1, 0, 1}}},
       {0, 50, 50}, 200},
      {"model parts give their union",
       {{PART_MODEL, {0, 1, 0, 1, 0, 1}}, {PART_CLIP, {-2, 1, 0, 3, 0, 1}}},
       {-0.5f, 1.5f, 0.5f}, 3},
  };
  // The viewing distance grows with the box's largest side: 3 L / cos 14.
  const float per_unit = look_at(0)[3] / 2.0f;  // fresh view: the box -1 .. 1
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    load(c.parts);
    View_centred = 0;
    center();
    EXPECT_EQ(View_centred, 1);
    for (int v : {0, 15}) {
      std::vector<float> at = look_at(v);
      for (int k = 0; k < 3; k++) EXPECT_FLOAT_EQ(at[k], c.centre[k]) << v << " " << k;
      EXPECT_NEAR(at[3], per_unit * c.size, 1e-3f * c.size);
    }
  }
}

TEST_F(Recentre, NothingCountedLeavesViewAndFlag) {
  std::vector<float> before = look_at(0);
  qtest::clear_parts();
  center();
  EXPECT_EQ(View_centred, 0);
  load({{PART_MODEL, {5, 6, 5, 6, 5, 6}}});
  parts[0]->attributes[SLOT_ELT_REP] = ELT_REP_NOT_LOADED;
  center();
  EXPECT_EQ(View_centred, 0);
  EXPECT_EQ(look_at(0), before);
  float box[6] = {7, 7, 7, 7, 7, 7};
  get_overall_coord_range(&box[0], &box[1], &box[2], &box[3], &box[4], &box[5]);
  for (float v : box) EXPECT_EQ(v, 7.0f);

  // A loaded part without nodes has no box but still marks the view centred.
  parts[0]->attributes[SLOT_ELT_REP] = ELT_REP_FULL;
  parts[0]->xmin = parts[0]->ymin = -99.0f;
  center();
  EXPECT_EQ(View_centred, 1);
  EXPECT_EQ(look_at(0), before);
}

TEST_F(Recentre, OverallRangeTakesEveryCountedPartIncludingParticles) {
  load({{PART_DISCRETE, {0, 100, 0, 100, 0, 100}}, {PART_MODEL, {-1, 1, -2, 2, -3, 3}}});
  float b[6] = {};
  get_overall_coord_range(&b[0], &b[1], &b[2], &b[3], &b[4], &b[5]);
  const float want[6] = {-1, 100, -2, 100, -3, 100};
  for (int k = 0; k < 6; k++) EXPECT_EQ(b[k], want[k]) << k;
}

// The coordinate palette due since the graphics start-up is made by the
// first recentring that has loaded parts, once.
TEST_F(Recentre, FirstPartsMakeThePseudoVariablesOnce) {
  Variable_rec *keep_rows = Variables;
  const int keep_cnt = Var_avail_cnt, keep_loaded = Num_p_loaded;
  Variables = nullptr;
  Var_avail_cnt = Var_avail_time = Var_avail_coord = 0;
  Initialize_coord_palette = 1;
  load({{PART_MODEL, {0, 1, 0, 1, 0, 1}}});

  Num_p_loaded = 0;
  center();
  EXPECT_EQ(Var_avail_cnt, 0);
  EXPECT_EQ(Initialize_coord_palette, 1);

  Num_p_loaded = 1;
  center();
  ASSERT_EQ(Var_avail_cnt, 2);
  EXPECT_STREQ(Variables[0].name, "Coordinates");
  EXPECT_STREQ(Variables[1].name, "Time");
  EXPECT_EQ(Initialize_coord_palette, 0);

  Variable_rec *made = Variables;
  Initialize_coord_palette = 1;
  center();
  EXPECT_EQ(Variables, made);
  EXPECT_EQ(Var_avail_cnt, 2);

  gate_free(Variables);
  Variables = keep_rows;
  Var_avail_cnt = keep_cnt;
  Num_p_loaded = keep_loaded;
  Var_avail_time = Var_avail_coord = Initialize_coord_palette = 0;
}

}  // namespace
