// The "model:" category against a scripted case server: node ranges of
// structured model parts selected by "part:" lines reach the server as
// "update struct parts"; the defaults change without a request; refused
// ranges and keywords send nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "client/command_dlog.h"
#include "cmd_lines.h"
#include "parts/attribute.h"
#include "parts/modatr.h"
#include "parts/model_rout.h"
#include "parts/part_apply.h"
#include "parts/part_record.h"
#include "case_peer.h"
#include "parts_fixture.h"

using namespace qtest;

namespace {

// Ranges and maxima of the two structured parts: I 1..10, J 1..25, K 1..4.
const float Block[12] = {1, 10, 1, 1, 25, 1, 1, 4, 1, 10, 25, 4};

class ModelCommand : public PartsTest {
 protected:
  void SetUp() override {
    PartsTest::SetUp();
    Modatr_calls = Modatr_hooks{};
    Modatr_calls.update_structured_parts = Modatr_real_calls.update_structured_parts;
    Recorded_selection_source = -1;
    cmd_part_selection_set(0, nullptr);
    part_mod_clear();
    for (int n = 1; n <= 2; n++) {
      Part_rec *p = model_part(n, ("block" + std::to_string(n)).c_str());
      plain_solid_attributes(p->attributes);
      for (int k = 0; k < 12; k++) p->attributes[63 + k] = Block[k];
      p->structured = 1;
    }
    float defaults[PART_ATTR_SLOTS];
    char desc[PART_NAME_TEXT] = "";
    char *creation = nullptr;
    part_attributes(-1, PART_MODEL, defaults, nullptr, desc, &creation, 0);
    free(creation);
    memcpy(saved_defaults_, defaults, sizeof defaults);
  }
  void TearDown() override {
    Modatr_calls = Modatr_real_calls;
    int all[PART_ATTR_SLOTS];
    for (int &f : all) f = 1;
    char desc[PART_NAME_TEXT] = "";
    part_attributes(-1, PART_MODEL, saved_defaults_, all, desc, nullptr, 1);
    cmd_part_selection_set(0, nullptr);
    part_mod_clear();
    PartsTest::TearDown();
  }
  // The request the client sends for part n with the given range.
  static Bytes update(int n, const std::vector<int> &range) {
    return str("update struct parts") + i32(1) + ints({n}) + ints(range);
  }
  float saved_defaults_[PART_ATTR_SLOTS] = {};
};

const std::vector<std::string> Select_both = {"part: select_begin", " 1 2", "part: select_end"};

TEST_F(ModelCommand, RangeLineUpdatesEverySelectedStructuredPart) {
  CaseLink &s = connect_case(0);
  const std::vector<int> want = {1, 10, 1, 1, 20, 2, 1, 4, 1};
  ScriptedCase server(&s.peer, {{update(1, want), i32(0)}, {update(2, want), i32(0)}});
  std::vector<std::string> lines = Select_both;
  lines.push_back("model: noderangestep_j 1 20 2");
  std::string err;
  EXPECT_GE(run_lines(lines, &err), 0) << err;
  EXPECT_EQ(server.finish(), "");
  for (int n = 1; n <= 2; n++)
    for (int k = 0; k < 9; k++)
      EXPECT_EQ(part_by_number(n)->attributes[63 + k], (float)want[(size_t)k]) << n << " " << 63 + k;
}

TEST_F(ModelCommand, SelectDefaultChangesTheDefaultsAndSendsNothing) {
  CaseLink &s = connect_case(0);
  ScriptedCase server(&s.peer, {});
  std::string err;
  EXPECT_GE(run_lines({"model: select_default", "model: noderangestep_k 2 6 2"}, &err), 0) << err;
  EXPECT_EQ(server.finish(), "");
  float d[PART_ATTR_SLOTS];
  char desc[PART_NAME_TEXT] = "";
  char *creation = nullptr;
  part_attributes(-1, PART_MODEL, d, nullptr, desc, &creation, 0);
  free(creation);
  EXPECT_EQ(d[69], 2.0f);
  EXPECT_EQ(d[70], 6.0f);
  EXPECT_EQ(d[71], 2.0f);
  EXPECT_EQ(part_by_number(1)->attributes[69], 1.0f);
  EXPECT_EQ(part_by_number(1)->attributes[70], 4.0f);
}

TEST_F(ModelCommand, RefusedLinesSayWhyAndSendNothing) {
  struct Case {
    const char *line, *message;
  } cases[] = {
      {"model: .", "Bad data passed to model_cmdproc()"},
      {"model: 1 1 2 3", "Bad data passed to model_cmdproc()"},
      {"model: noderange", "Illegal command."},
      {"model: noderangestep_i 5 3 1", "Min/Max values must be >= 1 and Min must be <= Max"},
      {"model: noderangestep_i 0 3 1", "Min/Max values must be >= 1 and Min must be <= Max"},
      {"model: noderangestep_i 1 5 0", "Step values must be >= 1."},
      // A bad pair and a bad step: only the pair is reported.
      {"model: noderangestep_i 5 3 0", "Min/Max values must be >= 1 and Min must be <= Max"},
      // To beyond the block.
      {"model: noderangestep_j 1 26 1",
       "Maximum value must be <= maximum data values of (MaxX = 10, MaxY = 25, MaxZ ="},
  };
  CaseLink &s = connect_case(0);
  ScriptedCase server(&s.peer, {});
  for (const Case &c : cases) {
    SCOPED_TRACE(c.line);
    std::vector<std::string> lines = Select_both;
    lines.push_back(c.line);
    std::string err;
    EXPECT_EQ(run_lines(lines, &err), -1);
    EXPECT_NE(err.find(c.message), std::string::npos) << err;
    EXPECT_EQ(err.find("Step values"), c.message[0] == 'S' ? err.find(c.message) : std::string::npos)
        << err;
    EXPECT_EQ(Command_proc_err, 1);
    for (int k = 0; k < 9; k++) EXPECT_EQ(part_by_number(1)->attributes[63 + k], Block[k]);
  }
  EXPECT_EQ(server.finish(), "");
}

TEST_F(ModelCommand, RangesGatheredInAModifyBlockAreCheckedAtItsEnd) {
  CaseLink &s = connect_case(0);
  ScriptedCase server(&s.peer, {});
  std::vector<std::string> lines = Select_both;
  lines.insert(lines.end(), {"part: modify_begin", "model: noderangestep_k 1 9 1", "part: modify_end"});
  std::string err;
  EXPECT_EQ(run_lines(lines, &err), -1);
  EXPECT_NE(err.find("Maximum value must be <= maximum data values"), std::string::npos) << err;
  EXPECT_EQ(server.finish(), "");
  EXPECT_EQ(part_by_number(2)->attributes[70], 4.0f);
}

TEST_F(ModelCommand, NothingSelectedIsRefused) {
  std::string err;
  EXPECT_EQ(run_lines({"model: noderangestep_i 1 5 1"}, &err), -1);
  EXPECT_NE(err.find("No parts selected by commands to act on."), std::string::npos) << err;
}

TEST(ModelRanges, CheckedOnlyWhenTheBlockChanged) {
  float a[PART_ATTR_SLOTS] = {};
  int flags[PART_ATTR_SLOTS] = {};
  for (int k = 0; k < 12; k++) a[63 + k] = Block[k];
  a[63] = 0.5f;  // counts as 0
  testing::internal::CaptureStderr();
  EXPECT_EQ(model_check_createvalues(108, flags, a), 1);
  flags[63] = 1;
  EXPECT_EQ(model_check_createvalues(24, flags, a), 1);
  EXPECT_EQ(model_check_createvalues(108, flags, a), 0);
  a[63] = 1;
  EXPECT_EQ(model_check_createvalues(63, flags, a), 1);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("Min/Max values must be >= 1 and Min must be <= Max"), std::string::npos);
}

}  // namespace
