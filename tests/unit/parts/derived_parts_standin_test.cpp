// Parts made from other parts by the real stand-in server, on the generated
// mixed-element model: extracts and merges, their rebuilds, and periodic
// instances with their group.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "client/cmd_play.h"
#include "harness.h"
#include "model_case.h"
#include "parts/attribute.h"
#include "parts/modatr.h"
#include "parts/part_copy.h"
#include "parts/periodic.h"
#include "parts/read.h"
#include "test_frame.h"
#include "view/frames.h"

namespace {

class DerivedStandin : public testing::Test {
 protected:
  void SetUp() override {
    Modatr_calls = Modatr_real_calls;
    model_ = std::make_unique<qtest::ModelCase>(qtest::test_data() + "/vtk/mixed.vtk");
    ASSERT_TRUE(model_->ok());
    ASSERT_EQ(Num_p_loaded, 3);
    qtest::ensure_frame_zero();
    memcpy(frame0_, Ctm_part[0]->attributes, sizeof frame0_);
  }
  void TearDown() override {
    model_.reset();
    if (Ctm_part[0]) memcpy(Ctm_part[0]->attributes, frame0_, sizeof frame0_);
  }
  std::string log() const {
    const qtest::CaseServers &s = model_->servers();
    return s.log_of(s.started()[0]);
  }
  static int rep_of(int n) { return our_rint(part_by_number(n)->attributes[SLOT_ELT_REP]); }
  std::unique_ptr<qtest::ModelCase> model_;
  float frame0_[FRAME_SLOTS];
};

struct ExtractRow {
  const char *what;
  int merge;
  int part2_rep;                  // element representation given to part 2 first
  std::vector<int> children;      // of the part made
  const char *name;
};

class Extracts : public DerivedStandin, public testing::WithParamInterface<ExtractRow> {};

TEST_P(Extracts, HoldTheSourcesElementsAsRepresented) {
  const ExtractRow &row = GetParam();
  if (row.part2_rep >= 0) part_by_number(2)->attributes[SLOT_ELT_REP] = (float)row.part2_rep;
  int list[] = {1, 2};
  int reps[] = {rep_of(1), rep_of(2)};
  ASSERT_EQ(extract_part(2, list, reps, row.merge), 1);
  ASSERT_EQ(Num_p_loaded, 4);
  const Part_rec *e = parts[3];
  EXPECT_STREQ(e->name, row.name);
  EXPECT_EQ(e->type, PART_EXTRACT);
  EXPECT_EQ(std::vector<int>(e->children, e->children + e->children_count), row.children);
  std::string sent_reps, sent_parts;
  for (int c : row.children) {
    sent_parts += (sent_parts.empty() ? "" : " ") + std::to_string(c);
    sent_reps += (sent_reps.empty() ? "" : " ") +
                 std::to_string(row.merge ? (int)ELT_REP_FULL : rep_of(c));
  }
  const std::string line = "extract part create " + std::to_string(e->number) + ": parts " +
                           sent_parts + " reps " + sent_reps;
  EXPECT_EQ(qtest::count_of(log(), line), 1) << log();
  if (!row.merge) {
    // Loaded as its sources are shown: one element per source element.
    int sum = 0;
    for (int c : row.children) sum += part_by_number(c)->element_count;
    EXPECT_EQ(e->element_count, sum);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Extracts,
    testing::Values(ExtractRow{"extract", 0, -1, {1, 2}, "Extract of part(s) 1,2"},
                    ExtractRow{"bounding box left out", 0, ELT_REP_BOUNDING_BOX, {1},
                               "Extract of part(s) 1"},
                    ExtractRow{"merge keeps it", 1, ELT_REP_BOUNDING_BOX, {1, 2},
                               "Merge of part(s) 1,2"}),
    [](const testing::TestParamInfo<ExtractRow> &i) { return "row" + std::to_string(i.index); });

TEST_F(DerivedStandin, RebuildSendsTheRemainingSourcesAndReloads) {
  int list[] = {1, 2};
  int reps[] = {rep_of(1), rep_of(2)};
  ASSERT_EQ(extract_part(2, list, reps, 0), 1);
  Part_rec *e = parts[3];
  e->children[0] = 2;
  e->children_count = 1;
  ASSERT_EQ(modify_extract_merge_part(3), 1);
  const std::string l = log();
  EXPECT_EQ(qtest::count_of(l, "extract part rebuild " + std::to_string(e->number) + ": parts 2 reps " +
                                   std::to_string(rep_of(2))),
            1)
      << l;
  EXPECT_EQ(part_by_number(e->number)->element_count, part_by_number(2)->element_count);
}

// Frame 0 given a rotational symmetry of angle degrees and count parts,
// stored without defining the frame (which would instance every part of
// frame 0): the tests call do_periodicity for the parts they name.
void rotational(float angle, int count) {
  float *a = Ctm_part[0]->attributes;
  a[27] = 1;
  a[28] = angle;
  a[29] = (float)count;
}

// Instance k of the base (listed first in set) is named "<name>_ins<k>" and
// is the base turned about z by (k-1) quarter turns.
void expect_quarter_turns(const Part_rec *base, const std::vector<int> &set,
                          const std::string &name) {
  for (size_t k = 2; k <= set.size(); k++) {
    const Part_rec *ins = part_by_number(set[k - 1]);
    ASSERT_NE(ins, nullptr);
    EXPECT_EQ(std::string(ins->name), name + "_ins" + std::to_string(k));
    ASSERT_EQ(ins->node_count, base->node_count);
    const double t = (double)(k - 1) * M_PI / 2;
    for (int n = 1; n <= base->node_count; n++) {
      const float *b = base->coords[n], *q = ins->coords[n];
      ASSERT_NEAR(q[0], b[0] * std::cos(t) - b[1] * std::sin(t), 1e-5) << k << " " << n;
      ASSERT_NEAR(q[1], b[0] * std::sin(t) + b[1] * std::cos(t), 1e-5) << k << " " << n;
      ASSERT_NEAR(q[2], b[2], 1e-5);
    }
  }
}

TEST_F(DerivedStandin, RotationalInstancesAreGroupedAndRotated) {
  Part_rec *base = part_by_number(1);
  base->attributes[SLOT_FRAME] = 0;
  const std::string name = base->name;
  rotational(90, 4);
  int list[] = {1};
  ASSERT_EQ(do_periodicity(0, 1, list), 0);
  EXPECT_EQ(qtest::count_of(log(), "periodicity frame 0 N 4 kind 1 bases 1"), 1) << log();
  int count = 0, set[8];
  ASSERT_EQ(check_current_number_instances_for_part(1, &count, set), 1);
  ASSERT_EQ(count, 4) << log();
  base = part_by_number(1);
  ASSERT_NE(base->parent_group, -1);
  const Part_rec *g = part_by_number(base->parent_group);
  EXPECT_EQ(std::string(g->name), "GROUP: " + name);
  EXPECT_EQ(std::vector<int>(g->children, g->children + g->children_count),
            std::vector<int>(set, set + 4));
  expect_quarter_turns(base, std::vector<int>(set, set + 4), name);
}

struct MatchRow {
  const char *what;
  const char *text;  // file contents; null: no file
  int result;
  int mismatch;
  float angle;       // returned
};

class MatchFiles : public DerivedStandin, public testing::WithParamInterface<MatchRow> {};

TEST_P(MatchFiles, AreJudgedByTheServer) {
  const MatchRow &row = GetParam();
  const std::string file = testing::TempDir() + "quivane_match_" + std::to_string(getpid());
  unlink(file.c_str());
  if (row.text) {
    FILE *f = fopen(file.c_str(), "w");
    ASSERT_NE(f, nullptr);
    fputs(row.text, f);
    fclose(f);
  }
  int mismatch = -1, type = 1;
  float dx = 0, dy = 0, dz = 0, angle = 30;
  EXPECT_EQ(check_match_file(file.c_str(), &mismatch, &type, &dx, &dy, &dz, &angle), row.result)
      << row.what;
  EXPECT_EQ(mismatch, row.mismatch) << row.what;
  EXPECT_FLOAT_EQ(angle, row.angle) << row.what;
  unlink(file.c_str());
  EXPECT_EQ(check_match_file("", &mismatch, &type, &dx, &dy, &dz, &angle), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MatchFiles,
    testing::Values(MatchRow{"missing", nullptr, 2, 0, 30},
                    MatchRow{"values unreadable", "QUIVANE MATCH 1\nx\n", 3, 0, 30},
                    MatchRow{"bad header", "MATCH\n1 0 0 0 45\n", 5, 0, 30},
                    MatchRow{"another type", "QUIVANE MATCH 1\n2 1 0 0 0\n", 0, 1, 0},
                    MatchRow{"good", "QUIVANE MATCH 1\n1 0 0 0 45\n", 0, 0, 45}),
    [](const testing::TestParamInfo<MatchRow> &i) { return "row" + std::to_string(i.index); });

// Loads of part 1 alone (its rebuilds), in the server's log.
int base_loads(const std::string &log) {
  return qtest::count_of(log, "loadp_many 1: parts 1 reps");
}

struct FullTurnRow {
  float angle;
  int count;
  int rebuilt_again;  // loads of the base when the same symmetry is applied again
};

class FullTurn : public DerivedStandin, public testing::WithParamInterface<FullTurnRow> {};

TEST_P(FullTurn, BaseIsRebuiltWhenTheInstancesCloseTheCircle) {
  const FullTurnRow &row = GetParam();
  part_by_number(1)->attributes[SLOT_FRAME] = 0;
  rotational(row.angle, row.count);
  int list[] = {1};
  ASSERT_EQ(do_periodicity(0, 1, list), 0);
  const int after_first = base_loads(log());
  EXPECT_EQ(after_first, 1) << log();  // rebuilt as instances appeared
  list[0] = 1;
  ASSERT_EQ(do_periodicity(0, 1, list), 0);
  EXPECT_EQ(base_loads(log()) - after_first, row.rebuilt_again) << log();
}

INSTANTIATE_TEST_SUITE_P(Table, FullTurn,
                         testing::Values(FullTurnRow{60, 6, 1}, FullTurnRow{-60, 6, 1},
                                         FullTurnRow{90, 3, 0}));

TEST_F(DerivedStandin, EachBaseJudgesItsOwnFormerInstanceCount) {
  part_by_number(1)->attributes[SLOT_FRAME] = 0;
  part_by_number(2)->attributes[SLOT_FRAME] = 0;
  rotational(45, 4);
  int one[] = {1};
  ASSERT_EQ(do_periodicity(0, 1, one), 0);
  const int loads = base_loads(log());
  int both[] = {1, 2};
  ASSERT_EQ(do_periodicity(0, 2, both), 0);
  // Part 2 gains instances and is rebuilt; part 1 had its four already.
  EXPECT_EQ(base_loads(log()), loads) << log();
  EXPECT_EQ(qtest::count_of(log(), "loadp_many 1: parts 2 reps"), 1) << log();
  int count = 0, set[8];
  check_current_number_instances_for_part(2, &count, set);
  EXPECT_EQ(count, 4);
}

}  // namespace

namespace {

// Plays a command file of the given lines, as a user's file of this version.
void play(const std::vector<std::string> &lines) {
  qtest::TempDir dir("qperiodic");
  std::string text = "VERSION 7.1\n";
  for (const std::string &l : lines) text += l + "\n";
  const std::string path = dir.file("periodic.cmd");
  qtest::write_file(path, text);
  Cmd_play_delay_time = 0;
  cmdplay(path.c_str(), 0);
  Cmd_play_quit_flag = Cmd_play_step_flag = Cmd_play_skip_flag = Cmd_play_continue_flag = 0;
}

std::vector<int> instances_of(int base) {
  int count = 0, set[16];
  if (check_current_number_instances_for_part(base, &count, set) != 1) return {};
  return std::vector<int>(set, set + count);
}

// Part 1 put in a new frame given rotational symmetry by a command file;
// then fewer instances, then none.
TEST_F(DerivedStandin, CommandFileInstancesLowersAndRemovesThem) {
  const std::string name = part_by_number(1)->name;
  play({"frame: create", "part: select_begin", " 1", "part: select_end", "frame: assign 1",
        "frame: select_begin", " 1", "frame: select_end", "frame: modify_begin",
        "frame: symmetry_type rotational", "frame: symmetry_angle 90",
        "frame: symmetry_rinstances 4", "frame: modify_end"});
  std::string l = log();
  EXPECT_EQ(qtest::count_of(l, "periodicity frame"), 1) << l;
  const std::vector<int> four = instances_of(1);
  ASSERT_EQ(four.size(), 4u) << l;
  const Part_rec *base = part_by_number(1);
  ASSERT_NE(base->parent_group, -1);
  EXPECT_EQ(std::string(part_by_number(base->parent_group)->name), "GROUP: " + name);
  expect_quarter_turns(base, four, name);

  play({"frame: symmetry_rinstances 2"});
  const std::vector<int> two = instances_of(1);
  ASSERT_EQ(two.size(), 2u) << log();
  EXPECT_EQ(two[1], four[1]);
  EXPECT_EQ(part_by_number(four[2]), nullptr);
  EXPECT_EQ(part_by_number(four[3]), nullptr);

  const int loads = base_loads(log());
  play({"frame: symmetry_type none"});
  l = log();
  EXPECT_EQ(instances_of(1).size(), 1u) << l;
  const size_t none = l.find("periodicity frame 1 N 1 ");
  ASSERT_NE(none, std::string::npos) << l;
  EXPECT_NE(l.find("remove_boundary_for_group 1 ", none), std::string::npos) << l;
  EXPECT_EQ(base_loads(l), loads + 1) << l;
  EXPECT_EQ(part_by_number(1)->parent_group, -1);
  for (int i = 0; i < Num_p_loaded; i++) EXPECT_FALSE(parts[i]->group) << parts[i]->name;
}

}  // namespace
