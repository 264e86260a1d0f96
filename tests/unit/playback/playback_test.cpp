// Command file playback without an interface: version check, control lines,
// nesting and its limit, recording of played lines, stopping, a failed line,
// the end of a file inside a selection block, and the "exit" line.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../command/command_fixture.h"
#include "client/cmd_play.h"
#include "client/command_dlog.h"
#include "harness.h"

using namespace cmdtest;

namespace {

std::vector<int> Counts;  // values of the "part: count N" lines that ran

// Special counts act as the user or a failing command would: 90 stops all
// playback (Play toggle off), 91 presses Skip, 92 fails.
int count_proc(const char *line, const char *category, const char *keyword, const char *params,
               int cat_index, int kw_row, int cmd_id, const int *ids, int nids) {
  test_proc(line, category, keyword, params, cat_index, kw_row, cmd_id, ids, nids);
  if (kw_row != ROW_COUNT) return 1;
  int n = atoi(params);
  Counts.push_back(n);
  if (n == 90) cmdplay("", 0);
  if (n == 91) Cmd_play_skip_flag = Cmd_play_step_flag = 1;
  return n == 92 ? -1 : 1;
}

// Error boxes go to standard error, wrapped; the wrap only turns a blank
// into a line break.
std::string unwrapped(std::string s) {
  std::replace(s.begin(), s.end(), '\n', ' ');
  return s;
}

class Playback : public RecordingTest {
 protected:
  void SetUp() override {
    RecordingTest::SetUp();
    Cmds_cat[CMD_CAT_PART].proc = count_proc;
    Counts.clear();
    cmd_select_reset();
    Cmd_play_delay_time = 0;
  }
  void TearDown() override {
    EXPECT_EQ(Cmd_play_level, 0);
    EXPECT_EQ(Cmd_play_continue_flag, 0);
    Cmd_play_quit_flag = Cmd_play_step_flag = Cmd_play_skip_flag = 0;
    RecordingTest::TearDown();
  }
  std::string file(const std::string &name, const std::string &text) {
    std::string path = dir.file(name);
    qtest::write_file(path, text);
    return path;
  }
  CategoryOverride part_{CMD_CAT_PART};
};

TEST_F(Playback, VersionLineDecidesWhetherTheFileIsPlayed) {
  struct Case {
    const char *first_line;
    bool played;
  } cases[] = {
      {"VERSION 6.0", true},
      {"version 7.1", true},
      {"VERSION 5.9", false},
      {"part: count 0", false},  // no version line
  };
  const std::string refused =
      "ERROR: Due to the major enhancements/changes of Quivane 6.0, command files older than "
      "version 6.0 are not supported.  Many of the commands may still work, but there is no "
      "guarantee.  The first line of all new command/macro files contains       VERSION #.#   "
      "To eliminate this message add VERSION 6.0 as the first line.";
  for (const Case &c : cases) {
    Counts.clear();
    std::string path = file("v.cmd", std::string(c.first_line) + "\npart: count 1\n");
    testing::internal::CaptureStderr();
    int r = cmdplay(path.c_str(), 0);
    std::string err = unwrapped(testing::internal::GetCapturedStderr());
    EXPECT_EQ(r, c.played ? 1 : -1) << c.first_line;
    EXPECT_EQ(Counts, c.played ? std::vector<int>{1} : std::vector<int>{}) << c.first_line;
    EXPECT_EQ(err.find(refused) != std::string::npos, !c.played) << c.first_line << err;
    EXPECT_EQ(Cmd_play_level, 0);
  }
}

TEST_F(Playback, NestedFilePlaysBeforeTheRestOfItsParent) {
  file("inner.cmd", "VERSION 7.1\npart: count 2\n\n   \npart: count 3\n");
  std::string outer = file("outer.cmd",
                           "VERSION 7.1\npart: count 1\nplay: " + dir.file("inner.cmd") +
                               "\npart: count 4\n");
  EXPECT_EQ(cmdplay(outer.c_str(), 0), 1);
  EXPECT_EQ(Counts, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_FLOAT_EQ(Current_cmdfile_version, 7.1001f);
  EXPECT_EQ(Cmd_file_format, 6);
}

TEST_F(Playback, FalseIfBlockIsSkippedAndPhigsBlockRuns) {
  std::string path = file("if.cmd",
                          "VERSION 7.1\n"
                          "if (GL)\npart: count 1\nif (PHIGS)\npart: count 2\nendif\n"
                          "IF (PHIGS)\npart: count 3\nENDIF\n"
                          "part: count 4\n");
  EXPECT_EQ(cmdplay(path.c_str(), 0), 1);
  // Blocks do not nest: the first endif ends the false block.
  EXPECT_EQ(Counts, (std::vector<int>{3, 4}));
  EXPECT_EQ(Cmd_play_skip_flag, 0);
}

TEST_F(Playback, ConditionIsTrueOnlyForTheWordPhigs) {
  struct Case {
    const char *text;
    int truth;
  } cases[] = {{"(PHIGS)", 1}, {"  ( PHIGS)", 1}, {"PHIGS", 1}, {"(GL)", 0},
               {"(phigs)", 0}, {"(PHIGS )", 0},  {"(PHIGSX)", 0}, {"", 0}};
  for (const Case &c : cases) EXPECT_EQ(cmd_check_truth(c.text), c.truth) << c.text;
}

TEST_F(Playback, NestingStopsAtTheTenthFileAndEndsAllPlayback) {
  std::string self = dir.file("self.cmd");
  file("self.cmd", "VERSION 7.1\npart: count 1\nplay: " + self + "\npart: count 2\n");
  testing::internal::CaptureStderr();
  EXPECT_EQ(cmdplay(self.c_str(), 0), 1);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(Counts, std::vector<int>(9, 1));  // nine files open at once, none goes on
  EXPECT_EQ(qtest::count_of(err, "ERROR: Too many recursive command files, max = 10.\n"), 1)
      << err;
  EXPECT_EQ(Cmd_play_quit_flag, 1);
}

TEST_F(Playback, EmptyNameStopsEveryFilePlaying) {
  file("inner.cmd", "VERSION 7.1\npart: count 90\npart: count 2\n");
  std::string outer =
      file("outer.cmd", "VERSION 7.1\nplay: " + dir.file("inner.cmd") + "\npart: count 3\n");
  EXPECT_EQ(cmdplay(outer.c_str(), 0), 1);
  EXPECT_EQ(Counts, std::vector<int>{90});
}

TEST_F(Playback, SkipPassesOverExactlyOneLineThenPauses) {
  std::string path = file("skip.cmd", "VERSION 7.1\npart: count 91\npart: count 2\npart: count 3\n");
  testing::internal::CaptureStderr();
  cmdplay(path.c_str(), 0);
  std::string err = testing::internal::GetCapturedStderr();
  // Without the Command dialog nothing can continue a paused file.
  EXPECT_EQ(Counts, std::vector<int>{91});
  EXPECT_NE(err.find("Command file playback stopped: no Command dialog to continue it from.\n"),
            std::string::npos)
      << err;
}

TEST_F(Playback, FailedLinePausesPlayback) {
  std::string path = file("fail.cmd", "VERSION 7.1\npart: count 1\npart: count 92\npart: count 3\n");
  testing::internal::CaptureStderr();
  cmdplay(path.c_str(), 0);
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(Counts, (std::vector<int>{1, 92}));
  EXPECT_STREQ(Cmd_lastcat, "nomatch");
}

TEST_F(Playback, PlayedLinesAreRecordedButControlLinesAreNot) {
  std::string rec = start_user_record();
  file("inner.cmd", "VERSION 7.1\npart: count 2\n");
  std::string outer = file("outer.cmd",
                           "VERSION 7.1\n# a comment\nif (GL)\npart: count 9\nendif\npart: count 1\n"
                           "play: " + dir.file("inner.cmd") + "\ncommand: delay 0\n");
  cmdplay(outer.c_str(), 0);
  EXPECT_EQ(qtest::read_file(rec),
            "VERSION 7.10\n# a comment\npart: count 1\npart: count 2\ncommand: delay 0\n");
}

TEST_F(Playback, NothingIsRecordedWhilePlayingWithoutRecording) {
  std::string rec = start_user_record();
  std::string path = file("quiet.cmd", "VERSION 7.1\npart: count 1\n");
  cmd_play_norecord(path.c_str());
  EXPECT_EQ(Counts, std::vector<int>{1});
  EXPECT_EQ(qtest::read_file(rec), "VERSION 7.10\n");
  EXPECT_EQ(Recrdr, 1);
}

TEST_F(Playback, FileEndingInsideASelectionResetsIt) {
  std::string path = file("sel.cmd", "VERSION 7.1\npart: select_begin\n 4 5 6\n");
  testing::internal::CaptureStderr();
  cmdplay(path.c_str(), 0);
  std::string err = unwrapped(testing::internal::GetCapturedStderr());
  EXPECT_NE(err.find("A selection was begun (select_begin) but never ended (select_end); its 3 "
                     "id(s) were dropped."),
            std::string::npos)
      << err;
  // Later lines reach their processor again instead of being taken as ids.
  cmd_process("part: count 7");
  EXPECT_EQ(Counts, std::vector<int>{7});
}

TEST_F(Playback, DelayedRefreshIsSwitchedOffWhenTheOutermostFileEnds) {
  std::string path = file("dr.cmd", "VERSION 7.1\ncommand: delay_refresh ON\npart: count 1\n");
  cmdplay(path.c_str(), 0);
  EXPECT_EQ(Counts, std::vector<int>{1});
  EXPECT_EQ(Play_file_no_update, 0);
}

TEST_F(Playback, RefusedFilesReportWhy) {
  struct Case {
    std::string name;
    std::string message;
  } cases[] = {
      {dir.file("missing.cmd"), "ERROR: Could not open the command file to play.\n"},
      {"~no_such_user_q7/x.cmd", "ERROR: Could not expand '~' in command file, try full name.\n"},
      {"/" + std::string(300, 'a'),
       "ERROR: Comamnd file and path name too long when expanding '~'.\n"},
  };
  for (const Case &c : cases) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(cmdplay(c.name.c_str(), 0), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message);
  }
  Cmd_play_quit_flag = 0;
}

// A line cannot hide another line: a line that holds a NUL byte,
// or that is longer than 327 characters, is refused whole with the
// line-length message, and its remainder is not read as a new line.
TEST_F(Playback, LineWithANulOrTooLongIsRefusedWhole) {
  std::string marker = dir.file("marker");
  std::string comment = std::string("# a comment") + '\0';
  std::string hidden = "shell: touch " + marker;
  struct Case {
    const char *name;
    std::string line;
  } cases[] = {
      {"NUL-padded comment", comment + std::string(328 - comment.size(), ' ') + hidden},
      {"NUL then a line feed later", std::string("part: count 5") + '\0' + "\n" + hidden},
      {"328 characters", "# " + std::string(326, 'x') + hidden},
  };
  const std::string message = "ERROR: A line of the command file is longer than 327 characters.";
  for (const Case &c : cases) {
    Counts.clear();
    std::string path = file("nul.cmd", "VERSION 7.1\npart: count 1\n" + c.line + "\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(cmdplay(path.c_str(), 0), 1) << c.name;
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(message), std::string::npos) << c.name << ": " << err;
    EXPECT_EQ(Counts, std::vector<int>{1}) << c.name;
    EXPECT_NE(access(marker.c_str(), F_OK), 0) << c.name;
    Cmd_play_quit_flag = 0;
  }
  // 327 characters, and a carriage return before the line feed, are fine.
  Counts.clear();
  std::string path = file("ok.cmd", "VERSION 7.1\r\npart: count 1\r\n#" + std::string(326, 'x') +
                                        "\r\npart: count 2\n");
  EXPECT_EQ(cmdplay(path.c_str(), 0), 1);
  EXPECT_EQ(Counts, (std::vector<int>{1, 2}));
}

TEST_F(Playback, ExitLineEndsTheSession) {
  std::string path = file("exit.cmd", "VERSION 7.1\npart: count 1\nexitnow\npart: count 2\n");
  EXPECT_EXIT(cmdplay(path.c_str(), 0), testing::ExitedWithCode(0),
              "Executed an 'exit' command\\.");
}

}  // namespace
