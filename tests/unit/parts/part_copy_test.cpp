// Copies and groups made on the client's part table: where a copy's data
// come from, which parts a grouping gathers and how groups are named.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "parts/attribute.h"
#include "parts/part_copy.h"
#include "parts/read.h"
#include "case_peer.h"
#include "parts_fixture.h"

namespace {

using qtest::TestPart;
using namespace qtest;

class PartCopy : public qtest::PartsTest {
 protected:
  void SetUp() override {
    PartsTest::SetUp();
    Case_info[0].active = Case_info[1].active = 1;
  }
  void TearDown() override {
    Case_info[0].active = Case_info[1].active = 0;
    PartsTest::TearDown();
  }
  // Model parts 1..3 of case 0 with a small mesh each.
  void three_meshes() {
    for (int n = 1; n <= 3; n++) {
      std::string name = "wing " + std::to_string(n);
      ASSERT_NE(model_part(n, name.c_str()), nullptr);
      qtest::set_mesh(Part_cross[n], {0, 0, 0, 1, 0, 0, 0, (float)n, 0}, {{1, 2, 3}});
    }
  }
  std::vector<int> groups() const {
    std::vector<int> out;
    for (int i = 0; i < Num_p_loaded; i++)
      if (parts[i]->group) out.push_back(parts[i]->number);
    return out;
  }
};

TEST_F(PartCopy, CopyOfACopyTakesItsDataFromTheFirstSource) {
  three_meshes();
  int one = 1;
  ASSERT_EQ(copy_part(1, &one), 1);
  int first_copy = parts[Num_p_loaded - 1]->number;
  ASSERT_EQ(copy_part(1, &first_copy), 1);
  const Part_rec *src = part_by_number(1), *a = part_by_number(first_copy);
  const Part_rec *b = parts[Num_p_loaded - 1];
  EXPECT_EQ(a->copy_of, 1);
  EXPECT_EQ(b->copy_of, first_copy);  // the number asked for
  EXPECT_EQ(b->coords, src->coords);  // the data of the first source
  EXPECT_EQ(b->connectivity, src->connectivity);
  EXPECT_EQ(b->element_count, 1);
  EXPECT_STREQ(a->name, "wing 1 - COPY of part 1");
  // Named from the first source too, and then made unique in the case.
  EXPECT_NE(std::string(b->name), std::string(a->name));
  EXPECT_EQ(std::string(b->name).rfind("wing 1 - COPY of part 1", 0), 0u) << b->name;
}

TEST_F(PartCopy, NotLoadedSourceIsNotCopiedWhileTheOthersAre) {
  three_meshes();
  part_by_number(2)->attributes[SLOT_ELT_REP] = ELT_REP_NOT_LOADED;
  int list[] = {1, 2, 3};
  EXPECT_EQ(copy_part(3, list), -1);
  ASSERT_EQ(Num_p_loaded, 5);
  EXPECT_EQ(parts[3]->copy_of, 1);
  EXPECT_EQ(parts[4]->copy_of, 3);
}

TEST_F(PartCopy, CopiesOfAVectorArrowGetNamesOfTheirOwn) {
  ASSERT_NE(qtest::add_part({1, 0, PART_MODEL, "body", -1, {}, false}), nullptr);
  ASSERT_NE(qtest::add_part({2, 0, PART_ARROW, "arrows", -1, {1}, false}), nullptr);
  int two[] = {2, 2};
  ASSERT_EQ(copy_part(2, two), 1);
  ASSERT_EQ(Num_p_loaded, 4);
  EXPECT_STREQ(parts[2]->name, "arrows - COPY of part 2");
  EXPECT_EQ(parts[3]->type, PART_ARROW);
  EXPECT_STRNE(parts[3]->name, parts[2]->name);
  EXPECT_EQ(std::vector<int>(parts[3]->children, parts[3]->children + parts[3]->children_count),
            std::vector<int>{1});
}

TEST_F(PartCopy, LongNamesAreCutAndLeaveTheNumberOut) {
  const std::string long_name(49, 'x');
  ASSERT_NE(model_part(4, long_name.c_str()), nullptr);
  int four = 4;
  ASSERT_EQ(copy_part(1, &four), 1);
  EXPECT_EQ(std::string(parts[1]->name), std::string(42, 'x') + " - COPY");
}

struct GroupRow {
  const char *what;
  std::vector<TestPart> table;
  std::vector<int> listed;
  const char *name;
  std::vector<std::vector<int>> groups;  // members of each group made, in order
  const char *group_name;                // of the first group made
};

class Grouping : public PartCopy, public testing::WithParamInterface<GroupRow> {};

TEST_P(Grouping, GathersPartsOfOneCaseAndType) {
  const GroupRow &row = GetParam();
  for (const TestPart &t : row.table) ASSERT_NE(qtest::add_part(t), nullptr);
  const int rows_before = Num_p_partlist;
  EXPECT_EQ(groups_to_make((int)row.listed.size(), row.listed.data()), (int)row.groups.size());
  ASSERT_EQ(group_parts((int)row.listed.size(), row.listed.data(), row.name), 1);
  std::vector<int> made;
  for (int g : groups())
    if (std::find(row.listed.begin(), row.listed.end(), g) == row.listed.end()) made.push_back(g);
  ASSERT_EQ(made.size(), row.groups.size()) << row.what;
  int members = 0;
  for (size_t k = 0; k < made.size(); k++) {
    const Part_rec *g = part_by_number(made[k]);
    EXPECT_EQ(std::vector<int>(g->children, g->children + g->children_count), row.groups[k])
        << row.what;
    for (int m : row.groups[k]) {
      EXPECT_EQ(part_by_number(m)->parent_group, g->number);
    }
    EXPECT_EQ(g->case_index, part_by_number(row.groups[k][0])->case_index);
    members += g->children_count;
  }
  if (!made.empty()) {
    EXPECT_STREQ(part_by_number(made[0])->name, row.group_name) << row.what;
  }
  EXPECT_EQ(Num_p_partlist, rows_before + (int)made.size() - members) << row.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Grouping,
    testing::Values(
        GroupRow{"two cases make one group each",
                 {{1, 0, PART_MODEL, "a", -1, {}, false},
                  {2, 1, PART_MODEL, "b", -1, {}, false},
                  {3, 0, PART_MODEL, "c", -1, {}, false},
                  {4, 1, PART_MODEL, "d", -1, {}, false}},
                 {1, 2, 3, 4},
                 "  wings  ",
                 {{1, 3}, {2, 4}},
                 "GROUP: wings"},
        GroupRow{"a clip with a model part makes none",
                 {{1, 0, PART_MODEL, "a", -1, {}, false}, {2, 0, PART_CLIP, "clip", -1, {1}, false}},
                 {1, 2},
                 "x",
                 {},
                 ""},
        GroupRow{"a name starting group: keeps its own prefix",
                 {{1, 0, PART_MODEL, "a", -1, {}, false}, {2, 0, PART_MODEL, "b", -1, {}, false}},
                 {1, 2},
                 "group: tail",
                 {{1, 2}},
                 "group: tail"},
        GroupRow{"a listed group does not nest",
                 {{5, 0, PART_MODEL, "g", -1, {1, 2}, true},
                  {1, 0, PART_MODEL, "a", 5, {}, false},
                  {2, 0, PART_MODEL, "b", 5, {}, false},
                  {3, 0, PART_MODEL, "c", -1, {}, false}},
                 {5, 3},
                 "x",
                 {},
                 ""}),
    [](const testing::TestParamInfo<GroupRow> &i) { return "row" + std::to_string(i.index); });

TEST_F(PartCopy, UngroupGivesTheMembersBackToTheLists) {
  three_meshes();
  int list[] = {1, 2, 3};
  ASSERT_EQ(group_parts(3, list, "all"), 1);
  const int g = groups().at(0);
  EXPECT_EQ(Num_p_partlist, 1);
  EXPECT_EQ(groups_listed(1, &g), 1);
  EXPECT_EQ(groups_listed(3, list), 0);  // nothing to ungroup: a front end records nothing
  ungroup_parts(1, &g);
  for (int n : list) EXPECT_EQ(part_by_number(n)->parent_group, -1);
}

TEST_F(PartCopy, IblankKindOutsideTheServersNamesIsRefused) {
  qtest::CaseLink &s = connect_case(0);
  model_part(1, "block")->structured = 1;
  const qtest::Bytes names = qtest::i32(2) + qtest::str("iblank 0") + qtest::str("iblank 1");
  // The names are asked for; no "bnd part" follows.
  qtest::ScriptedCase server(&s.peer, {{qtest::str("get bnd list"), names}});
  int list[] = {1}, made[4], count = -1;
  char name[PART_NAME_TEXT] = "";
  testing::internal::CaptureStderr();
  EXPECT_EQ(bnd_iblank_part(1, list, 2, name, &count, made), -1);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(server.finish(), "");
  EXPECT_EQ(count, 0);
  EXPECT_EQ(Num_p_loaded, 1);
  EXPECT_NE(err.find("Iblank kind 2 is not one of the 2 the server offers."), std::string::npos)
      << err;
}

}  // namespace
