// Periodic instancing against a scripted case server: what a frame's
// mirror symmetry sends, and the checks of symmetry changes.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "case_peer.h"
#include "parts/attribute.h"
#include "parts/periodic.h"
#include "parts/read.h"
#include "parts_fixture.h"
#include "test_frame.h"
#include "view/frames.h"

using namespace qtest;

namespace {

class Periodic : public PartsTest {
 protected:
  void SetUp() override {
    PartsTest::SetUp();
    ensure_frame_zero();
    ASSERT_EQ(frames(0, 0, nullptr, saved_), 1);
  }
  void TearDown() override {
    store_frame0(saved_);
    PartsTest::TearDown();
  }
  // Frame 0's attributes stored without defining the frame, which would
  // instance its parts at once.
  static void store_frame0(const float *a) {
    memcpy(Ctm_part[0]->attributes, a, sizeof(float) * FRAME_ATTR_WORDS);
  }
  float saved_[FRAME_SLOTS] = {0};
};

TEST_F(Periodic, MirrorFlagsSendTheirIndexesInOrder) {
  CaseLink &s = connect_case(0);
  Part_rec *base = model_part(1, "hull");
  base->attributes[SLOT_FRAME] = 0;
  base->attributes[SLOT_ELT_REP] = ELT_REP_FULL;  // no shared-border rebuild
  float a[FRAME_SLOTS];
  memcpy(a, saved_, sizeof a);
  a[27] = 0;  // mirror
  for (int k = 0; k < 7; k++) a[30 + k] = (k == 2 || k == 5) ? 1.0f : 0.0f;
  store_frame0(a);
  Bytes head = str("periodicity") + i32(0) + i32(3) + i32(0) + i32(1) + ints({1});
  for (float v : {0.0f, 0.0f, 0.0f, 0.0f, a[2], a[3], a[4]}) head = head + f32(v);
  head = head + floats({a[5], a[6], a[7]}) + floats({a[8], a[9], a[10]}) +
         floats({a[11], a[12], a[13]}) + ints({2, 5, 0, 0, 0, 0, 0}) + i32(2) + ints({2, 3});
  ScriptedCase server(
      &s.peer,
      {{head, i32(0) + i32(2) + i32(2)},  // nothing to create: flags other than 0 and 1
       {str("remove_boundary_for_group") + ints({1, 2, 3}) + i32(ELT_REP_FULL) +
        f32(base->attributes[SLOT_FEATURE_ANGLE])}});
  int list[] = {1};
  EXPECT_EQ(do_periodicity(0, 1, list), 0);
  EXPECT_EQ(server.finish(), "");
  EXPECT_EQ(Num_p_loaded, 1);
}

TEST_F(Periodic, OnlyBasePartsAreInstanced) {
  connect_case(0);
  model_part(1, "a");
  add_part({2, 0, PART_CLIP, "clip", -1, {1}, false});
  Part_rec *copy = model_part(3, "copy");
  copy->copy_of = 1;
  add_part({4, 0, PART_MODEL, "ins", -1, {1}, false});
  int list[] = {2, 3, 4};
  // Nothing is left to instance: no request goes out.
  EXPECT_EQ(do_periodicity(0, 3, list), 0);
  EXPECT_EQ(do_periodicity(-1, 3, list), 0);
  copy->copy_of = 0;  // its arrays are its own
}

struct ChangeRow {
  const char *what;
  std::vector<std::pair<int, float>> before, after;  // frame slots set
  int changes;
};

class SymmetryChange : public Periodic, public testing::WithParamInterface<ChangeRow> {};

TEST_P(SymmetryChange, IsReportedOnlyWhenInstancesChange) {
  const ChangeRow &row = GetParam();
  float a[FRAME_SLOTS], b[FRAME_SLOTS];
  memcpy(a, saved_, sizeof a);
  for (auto &s : row.before) a[s.first] = s.second;
  ASSERT_EQ(frames(0, 1, nullptr, a), 1);
  memcpy(b, a, sizeof b);
  for (auto &s : row.after) b[s.first] = s.second;
  EXPECT_EQ(check_periodicity(0, b), row.changes) << row.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SymmetryChange,
    testing::Values(ChangeRow{"none to none", {{27, 3}}, {{28, 45}}, 0},
                    ChangeRow{"none to one rotational instance", {{27, 3}}, {{27, 1}, {29, 1}}, 0},
                    ChangeRow{"none to four", {{27, 3}}, {{27, 1}, {29, 4}}, 1},
                    ChangeRow{"four to none", {{27, 1}, {29, 4}}, {{27, 3}}, 1},
                    ChangeRow{"mirror off to none", {{27, 0}}, {{27, 3}}, 0},
                    ChangeRow{"angle changed", {{27, 1}, {29, 4}, {28, 90}}, {{28, 45}}, 1},
                    ChangeRow{"same settings", {{27, 2}, {39, 3}, {40, 1}}, {}, 0},
                    ChangeRow{"delta changed", {{27, 2}, {39, 3}, {40, 1}}, {{41, 2}}, 1}),
    [](const testing::TestParamInfo<ChangeRow> &i) { return "row" + std::to_string(i.index); });

TEST_F(Periodic, StoredMatchFileMarksTheFrameChangedOnce) {
  float a[FRAME_SLOTS];
  memcpy(a, saved_, sizeof a);
  a[27] = 1;
  a[29] = 4;
  ASSERT_EQ(frames(0, 1, nullptr, a), 1);
  char name[MATCH_NAME_LEN] = "blade.match";
  ASSERT_EQ(periodic_match_file(0, name, 1, 1), 1);
  EXPECT_GE(Matcher_file_count, 10);
  EXPECT_EQ(check_periodicity(0, a), 1);
  EXPECT_EQ(check_periodicity(0, a), 0);
  char back[MATCH_NAME_LEN] = "";
  periodic_match_file(0, back, 1, 0);
  EXPECT_STREQ(back, "blade.match");
  periodic_match_file(0, back, 3, 0);  // no symmetry: no file
  EXPECT_STREQ(back, "");
  periodic_match_file(0, back, 3, 1);
  free(Matcher_file);
  Matcher_file = nullptr;
  Matcher_file_count = 0;
}

}  // namespace
