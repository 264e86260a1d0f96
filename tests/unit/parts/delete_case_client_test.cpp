// Removing a case: its parts go, and the values of variables that only it
// had are freed in every part (both arrays of a complex variable); the
// values of variables another case also has stay.
#include <gtest/gtest.h>

#include <vector>

#include "data/data_dlog.h"
#include "parts/delete_case_client.h"
#include "parts_fixture.h"
#include "variables/variables.h"

using namespace qtest;

class DeleteCase : public PartsTest {
 protected:
  void SetUp() override {
    PartsTest::SetUp();
    saved_rows_ = Variables;
    saved_count_ = Var_avail_cnt;
    saved_cases_ = Case_cnt;
  }
  void TearDown() override {
    Variables = saved_rows_;
    Var_avail_cnt = saved_count_;
    Case_cnt = saved_cases_;
    PartsTest::TearDown();
  }

 private:
  Variable_rec *saved_rows_ = nullptr;
  int saved_count_ = 0, saved_cases_ = 0;
};

TEST_F(DeleteCase, VariablesOnlyTheCaseHadAreFreedEverywhere) {
  // Variable id = row; the server ids say which cases have it.
  struct Row {
    int type;
    bool on_case0;
    bool freed;
  } rows[] = {
      {0, false, true},  // scalar of case 1 alone
      {5, false, true},  // complex scalar of case 1 alone
      {1, true, false},  // vector of both cases
      {6, false, true},  // complex vector of case 1 alone
      {0, true, false},  // scalar of both cases
  };
  const int n = (int)(sizeof rows / sizeof rows[0]);
  std::vector<Variable_rec> table((size_t)n);
  for (int v = 0; v < n; v++) {
    for (int &id : table[v].server_id) id = -1;
    table[v].type = rows[v].type;
    table[v].id = v;
    table[v].server_id[1] = v;
    if (rows[v].on_case0) table[v].server_id[0] = v;
    table[v].active = 1;
  }
  Variables = table.data();
  Var_avail_cnt = n;
  Case_info[0].active = Case_info[1].active = 1;
  Case_cnt = 2;
  Gexist[1] = 1;
  model_part(1, "kept", 0);
  model_part(2, "gone", 1);
  Part_rec *p = part_by_number(1);
  for (int v = 0; v < n; v++) {
    int kind = rows[v].type == 0 ? PA_SCALARS
               : rows[v].type == 5 ? PA_SCALARS_CPLX
               : rows[v].type == 1 ? PA_VECTORS
                                   : PA_VECTORS_CPLX;
    resize_part_array(0, kind, 4, v);
  }
  ASSERT_EQ(delete_case_client(1), 1);
  EXPECT_EQ(Num_p_loaded, 1);
  EXPECT_EQ(part_by_number(2), nullptr);
  EXPECT_EQ(Case_info[1].active, 0);
  EXPECT_EQ(Case_cnt, 1);
  EXPECT_EQ(Gexist[1], 0);
  for (int v = 0; v < n; v++) {
    const bool scalar = rows[v].type == 0 || rows[v].type == 5;
    const void *real = scalar ? (void *)p->scalars[v] : (void *)p->vectors[v];
    const void *imag = scalar ? (void *)p->scalars_imag[v] : (void *)p->vectors_imag[v];
    const int cap = scalar ? p->scalar_caps[v] : p->vector_caps[v];
    EXPECT_EQ(real == nullptr, rows[v].freed) << v;
    EXPECT_EQ(imag, nullptr) << v;
    EXPECT_EQ(cap == 0, rows[v].freed) << v;
    EXPECT_EQ(table[v].server_id[1], -1) << v;
    EXPECT_EQ(table[v].active, rows[v].freed ? 0 : 1) << v;
  }
  EXPECT_EQ(delete_case_client(1), -1);
}
