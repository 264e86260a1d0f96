// "part:" blocks applied to the generated mixed-element model held by the
// real stand-in server: what the server is asked (its log) and what the
// part records hold afterwards.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "client/command_dlog.h"
#include "harness.h"
#include "model_case.h"
#include "parts/attribute.h"
#include "parts/modatr.h"
#include "parts/part_apply.h"
#include "parts/read.h"

namespace {

class PartChangeStandin : public testing::Test {
 protected:
  void SetUp() override {
    Modatr_calls = Modatr_real_calls;
    Recrdr = 0;
    model_ = std::make_unique<qtest::ModelCase>(qtest::test_data() + "/vtk/mixed.vtk");
    ASSERT_TRUE(model_->ok());
    ASSERT_EQ(Num_p_loaded, 3);
  }
  void TearDown() override { model_.reset(); }
  std::string log() const {
    const qtest::CaseServers &s = model_->servers();
    return s.log_of(s.started()[0]);
  }
  int block(const std::vector<std::string> &attrs) {
    std::vector<std::string> lines = {"part: select_begin", "1", "part: select_end",
                                      "part: modify_begin"};
    lines.insert(lines.end(), attrs.begin(), attrs.end());
    lines.push_back("part: modify_end");
    int r = 0;
    for (const std::string &l : lines)
      if ((r = cmd_process(l.c_str())) < 0) return r;
    return r;
  }
  std::unique_ptr<qtest::ModelCase> model_;
};

TEST_F(PartChangeStandin, ShrinkFetchesOneCentroidPerElementWithoutReload) {
  Part_rec *p = part_by_number(1);
  int rep = our_rint(p->attributes[SLOT_ELT_REP]);
  ASSERT_GT(p->element_count, 0);
  ASSERT_GE(block({"part: elt_shrink_factor 0.5"}), 0);
  std::string l = log();
  EXPECT_EQ(qtest::count_of(l, "shrink 1 rep " + std::to_string(rep) + " -> " +
                                   std::to_string(p->element_count) + " points"),
            1)
      << l;
  EXPECT_EQ(qtest::count_of(l, "loadp_many"), 1) << l;  // the first load only
  ASSERT_GE(p->cap14, p->element_count);
  // The first element's centroid, from the client's own geometry.
  float c[3] = {0, 0, 0};
  int from = p->elem_offsets[0], to = p->elem_offsets[1];
  for (int k = from; k < to; k++)
    for (int d = 0; d < 3; d++) c[d] += p->coords[p->connectivity[k]][d] / (float)(to - from);
  for (int d = 0; d < 3; d++) EXPECT_NEAR(p->shrink_points[0][d], c[d], 1e-5f);

  ASSERT_GE(block({"part: elt_shrink_factor 0"}), 0);
  EXPECT_EQ(p->cap14, 0);
  EXPECT_EQ(p->shrink_points, nullptr);
  EXPECT_EQ(qtest::count_of(log(), "shrink 1"), 1);
}

TEST_F(PartChangeStandin, FeatureAngleDropsTheServersFeatureEdges) {
  ASSERT_GE(block({"part: elt_representation feature_angle", "part: elt_feature_angle 30"}), 0);
  EXPECT_EQ(part_by_number(1)->attributes[SLOT_ELT_REP], 2.0f);
  EXPECT_EQ(part_by_number(1)->attributes[SLOT_FEATURE_ANGLE], 30.0f);
  EXPECT_EQ(qtest::count_of(log(), "delete feature 1"), 1) << log();
}

TEST_F(PartChangeStandin, NotLoadedDropsTheGeometryAndKeepsTheRecord) {
  ASSERT_GE(block({"part: elt_representation not_loaded"}), 0);
  Part_rec *p = part_by_number(1);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->element_count, 0);
  EXPECT_EQ(p->node_count, 0);
  EXPECT_EQ(p->coords, nullptr);
  EXPECT_EQ(p->connectivity, nullptr);
  EXPECT_GT(part_by_number(2)->element_count, 0);
}

}  // namespace
