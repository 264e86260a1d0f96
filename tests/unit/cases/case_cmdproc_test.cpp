// "case:" lines that must be refused, with their messages, and the table
// they must leave as it was; a case whose server cannot start is not added.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>
#include <string>

#include "client/cases.h"
#include "client/command_dlog.h"
#include "client/conect.h"
#include "harness.h"

namespace {

// Slots 0 ("Case 1") and 2 ("Case 3") in use, slot 0 current; no server.
class CaseCommands : public testing::Test {
 protected:
  void SetUp() override {
    memset(Case_info, 0, sizeof Case_info);
    Case_info[0] = {1, "Case 1"};
    Case_info[2] = {1, "Case 3"};
    Case_cnt = 2;
    Case_num = 0;
    Con_prog = 1;
    Recrdr = 0;
    const char *t = getenv("TMPDIR");
    saved_tmpdir = t ? t : "";
    setenv("TMPDIR", tmp.path().c_str(), 1);  // the FIFOs of a server start
  }
  void TearDown() override {
    if (saved_tmpdir.empty())
      unsetenv("TMPDIR");
    else
      setenv("TMPDIR", saved_tmpdir.c_str(), 1);
  }
  std::string run(const std::string &line, int *result) {
    Command_proc_err = 0;
    testing::internal::CaptureStderr();
    *result = cmd_process(line.c_str());
    return testing::internal::GetCapturedStderr();
  }
  void expect_table_unchanged() {
    EXPECT_EQ(Case_cnt, 2);
    EXPECT_STREQ(Case_info[0].name, "Case 1");
    EXPECT_STREQ(Case_info[2].name, "Case 3");
    EXPECT_EQ(Case_info[1].active, 0);
  }
  qtest::TempDir tmp{"qcasecmd"};
  std::string saved_tmpdir;
};

TEST_F(CaseCommands, RefusedLinesChangeNothing) {
  struct Case {
    const char *line;
    const char *message;
  } cases[] = {
      {"case: select Case 2", "case: specified case does not exist."},
      {"case: select", "case: error in case name."},
      {"case: add Case 1", "Case by this name already exists."},
      {"case: add    ", "case: error in case name."},
      {"case: add 12345678901234567890", "Case name too long, at most 19 characters are allowed."},
      {"case: replace 'Case 9' 'Wing'", "case: case to replace doesn't exist."},
      {"case: replace 'Case 1'", "No name provided to replace case."},
      {"case: replace 'Case 1' 'Case 3'", "Case by this name already exists."},
      {"case: replace 'Case 1' '12345678901234567890'",
       "Case name too long, at most 19 characters are allowed."},
      {"case: delete Case 2", "case: case doesn't exist."},
      {"case: frobnicate", "case: The command does not exist."},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.line);
    int r = 0;
    std::string err = run(c.line, &r);
    EXPECT_EQ(r, -1);
    EXPECT_EQ(Command_proc_err, 1);
    EXPECT_EQ(err, std::string("ERROR: ") + c.message + "\n");
    expect_table_unchanged();
  }
}

TEST_F(CaseCommands, SelectFindsTheSlotAndItsPosition) {
  int r = 0;
  EXPECT_EQ(run("case: select Case 3", &r), "");
  EXPECT_GE(r, 0);
  EXPECT_EQ(Case_num, 2);
  EXPECT_EQ(Con_prog, 3);
  EXPECT_EQ(case_tblindex_to_list(2), 2);
  EXPECT_EQ(case_list_to_tblindex(2), 2);
  EXPECT_EQ(case_list_to_tblindex(3), -1);
}

TEST_F(CaseCommands, LastCaseIsNotDeleted) {
  Case_info[2] = {0, ""};
  Case_cnt = 1;
  int r = 0;
  EXPECT_EQ(run("case: delete Case 1", &r),
            "ERROR: The last case cannot be deleted.  Please use the Replace option instead.\n");
  EXPECT_EQ(r, -1);
  EXPECT_EQ(Case_info[0].active, 1);
}

// The new case's server cannot be started: the slot stays free and the
// current case stays current.
TEST_F(CaseCommands, AddWhoseServerDoesNotStartLeavesTheTable) {
  Connect_timeout = 5;
  Con_mode[0] = 0;
  snprintf(Con_mach[0], CON_TEXT, "localhost");
  snprintf(Con_exec[0], CON_TEXT, "%s", "/nonexistent/quivane7.server");
  int r = 0;
  std::string err = run("case: add  Case 2 ", &r);
  EXPECT_EQ(r, -1);
  EXPECT_NE(err.find("ERROR: Could not start case.\n"), std::string::npos) << err;
  expect_table_unchanged();
  EXPECT_EQ(Case_num, 0);
  EXPECT_EQ(Con_prog, 1);
  EXPECT_EQ(Online[2], 0);
}

}  // namespace
