// The two pseudo-variables "Coordinates" and "Time" as the first rows of
// the variable table, made once, and nothing counted when their rows
// cannot be allocated.
#include <gtest/gtest.h>

#include <cstring>

#include "client/alloc_gate.h"
#include "client/cases.h"
#include "palette/function.h"
#include "render/start_screen.h"
#include "variables/variables.h"

namespace {

class PseudoVariables : public testing::Test {
 protected:
  void SetUp() override {
    keep_rows_ = Variables;
    keep_cnt_ = Var_avail_cnt;
    memcpy(keep_cases_, Case_info, sizeof keep_cases_);
    memcpy(keep_caseavail_, Var_caseavail_cnt, sizeof keep_caseavail_);
    Variables = nullptr;
    Var_avail_cnt = 0;
    Var_avail_time = Var_avail_coord = Initialize_coord_palette = 0;
    for (int c = 0; c < MAX_CASES; c++) {
      Case_info[c].active = c == 0 || c == 3;
      Var_caseavail_cnt[c] = 0;
    }
  }
  void TearDown() override {
    alloc_gate_fail_after(-1);
    if (Variables != keep_rows_) gate_free(Variables);
    Variables = keep_rows_;
    Var_avail_cnt = keep_cnt_;
    Var_avail_time = Var_avail_coord = Initialize_coord_palette = 0;
    memcpy(Case_info, keep_cases_, sizeof keep_cases_);
    memcpy(Var_caseavail_cnt, keep_caseavail_, sizeof keep_caseavail_);
  }
  Variable_rec *keep_rows_ = nullptr;
  int keep_cnt_ = 0;
  Case_rec keep_cases_[MAX_CASES];
  int keep_caseavail_[MAX_CASES];
};

TEST_F(PseudoVariables, TwoRowsMadeOnce) {
  ASSERT_EQ(create_coord_and_time_palette(), 1);
  ASSERT_EQ(Var_avail_cnt, 2);
  ASSERT_NE(Variables, nullptr);
  struct Row {
    const char *name;
    int type, palette;
  } rows[] = {{"Coordinates", 2, 1}, {"Time", 3, 2}};
  for (int r = 0; r < 2; r++) {
    const Variable_rec &v = Variables[r];
    EXPECT_STREQ(v.name, rows[r].name);
    EXPECT_EQ(v.type, rows[r].type);
    EXPECT_EQ(v.palette, rows[r].palette);
    EXPECT_EQ(v.id, r);
    EXPECT_EQ(v.unique_id, r);
    EXPECT_EQ(v.active, 1);
    EXPECT_EQ(v.element_based, 1);
    EXPECT_EQ(v.server_id[5], 0);
  }
  for (int c = 0; c < MAX_CASES; c++)
    EXPECT_EQ(Var_caseavail_cnt[c], c == 0 || c == 3 ? 2 : 0) << c;
  EXPECT_EQ(Var_avail_time, 1);
  EXPECT_EQ(Var_avail_coord, 1);
  EXPECT_EQ(Initialize_coord_palette, 1);
  EXPECT_EQ(Fncedt_tot_pals, 3);

  Variable_rec *made = Variables;
  Case_info[7].active = 1;
  EXPECT_EQ(create_coord_and_time_palette(), 0);
  EXPECT_EQ(Variables, made);
  EXPECT_EQ(Var_avail_cnt, 2);
  EXPECT_EQ(Var_caseavail_cnt[7], 0);
}

TEST_F(PseudoVariables, NoRowsNoCounts) {
  alloc_gate_fail_after(0);
  EXPECT_EQ(create_coord_and_time_palette(), -1);
  alloc_gate_fail_after(-1);
  EXPECT_EQ(Variables, nullptr);
  EXPECT_EQ(Var_avail_cnt, 0);
  EXPECT_EQ(Var_avail_time, 0);
  EXPECT_EQ(Var_avail_coord, 0);
  EXPECT_EQ(Var_caseavail_cnt[0], 0);
  // A later call, with memory, makes them.
  EXPECT_EQ(create_coord_and_time_palette(), 1);
  EXPECT_EQ(Var_avail_cnt, 2);
}

}  // namespace
