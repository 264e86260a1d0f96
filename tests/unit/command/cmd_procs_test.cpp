// The "command:" and "shell:" processors, the listing of the command
// language, and the refresh that follows executed lines.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "client/command_dlog.h"
#include "command_fixture.h"
#include "harness.h"

using namespace cmdtest;

namespace {

class CommandCategory : public RecordingTest {
 protected:
  void SetUp() override {
    RecordingTest::SetUp();
    cmd_select_reset();
    saved_delay_ = Cmd_play_delay_time;
    saved_by_ = Cmd_record_parts_by_number;
  }
  void TearDown() override {
    Cmd_play_delay_time = saved_delay_;
    Cmd_record_parts_by_number = saved_by_;
    Play_file_no_update = 0;
    RecordingTest::TearDown();
  }
  int saved_delay_ = 0, saved_by_ = 1;
};

TEST_F(CommandCategory, DelaySetsTheValueAndRecordsNothing) {
  std::string path = start_user_record();
  EXPECT_EQ(cmd_process_and_refresh("command: delay 2"), CMD_CAT_COMMAND);
  EXPECT_EQ(Cmd_play_delay_time, 2);
  Cmd_interf_fields f;
  cmd_interf_fields(&f);
  EXPECT_STREQ(f.delay, "   2");
  EXPECT_EQ(qtest::read_file(path), "VERSION 7.10\n");
  EXPECT_EQ(Cmds_cat[CMD_CAT_COMMAND].refresh_needed, 0);  // cmd_ref ran and cleared it

  testing::internal::CaptureStderr();
  EXPECT_EQ(cmd_process("command: delay soon"), -1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "ERROR: command:: delay -> Bad parameter\nERROR: command:  incorrect delay value\n");
  EXPECT_EQ(Cmd_play_delay_time, 2);
}

TEST_F(CommandCategory, SettingsKeywords) {
  EXPECT_EQ(cmd_process("command: delay_refresh on"), CMD_CAT_COMMAND);
  EXPECT_EQ(Play_file_no_update, 1);
  EXPECT_EQ(cmd_process("command: part_selection_by name"), CMD_CAT_COMMAND);
  EXPECT_EQ(Cmd_record_parts_by_number, 0);
  EXPECT_EQ(cmd_process("command: part_selection_by NUMBER"), CMD_CAT_COMMAND);
  EXPECT_EQ(Cmd_record_parts_by_number, 1);
  EXPECT_EQ(cmd_process("command: macro_path /somewhere"), CMD_CAT_COMMAND);

  testing::internal::CaptureStderr();
  EXPECT_EQ(cmd_process("command: part_selection_by numbers"), -1);
  EXPECT_EQ(cmd_process("command: frobnicate"), -1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "ERROR: command: part_selection_by -> Incorrect parameter.\n"
            "ERROR: command: Bad parameter\n"
            "ERROR: command: The command does not exist.\n");
  EXPECT_EQ(Cmd_record_parts_by_number, 1);
}

TEST_F(CommandCategory, ShowCmdsListsEveryCategoryButThePlaceholders) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(cmd_process("command: show_cmds"), CMD_CAT_COMMAND);
  std::string err = testing::internal::GetCapturedStderr();
  const std::string stars(62, '*');
  EXPECT_NE(err.find(stars + "\ncommand:\n"
                     "\t               delay \t\t<integer#> \n"
                     "\t          macro_path \t\t<string value> \n"
                     "\t           show_cmds \n"
                     "\t       delay_refresh \t\t<ON/OFF>\n"
                     "\t   part_selection_by \n                     \t\t<number>"
                     "\n                     \t\t<name>\n"),
            std::string::npos)
      << err;
  EXPECT_NE(err.find("\ncase:\n"), std::string::npos);
  EXPECT_EQ(err.find("\ntest:\n"), std::string::npos);
  EXPECT_EQ(err.find("\ndpart:\n"), std::string::npos);
  EXPECT_EQ(err.substr(err.size() - 63), stars + "\n");
  EXPECT_EQ(cmd_report_cmds(CMD_CAT_COMMAND, 99), -1);
}

TEST_F(CommandCategory, ShellRunsItsText) {
  std::string made = dir.file("made by shell");
  std::string line = "shell: touch '" + made + "'";
  EXPECT_EQ(cmd_process(line.c_str()), CMD_CAT_SHELL);
  EXPECT_EQ(access(made.c_str(), F_OK), 0);
  // The command's own failure is not the line's.
  EXPECT_EQ(cmd_process("shell: false"), CMD_CAT_SHELL);
}

// ---- refresh -------------------------------------------------------------------

TEST(CmdRefresh, ContinuousPlaybackRefreshesOnceAtTheEnd) {
  CategoryOverride part(CMD_CAT_PART);
  Cmd_play_continue_flag = 1;
  for (int i = 0; i < 100; i++) cmd_anirefresh("part: visible ON");
  EXPECT_EQ(Refresh_count, 0);
  EXPECT_EQ(Cmds_cat[CMD_CAT_PART].refresh_needed, 1);
  Cmd_play_continue_flag = 0;
  cmd_refresh();
  EXPECT_EQ(Refresh_count, 1);
  EXPECT_EQ(Cmds_cat[CMD_CAT_PART].refresh_needed, 0);
  // A typed line refreshes at once; a line without a category marks nothing.
  cmd_anirefresh("PART: visible OFF");
  EXPECT_EQ(Refresh_count, 2);
  EXPECT_STREQ(Cmd_lastcat, "PART:");
  cmd_anirefresh("opaqueness 0.5");
  EXPECT_EQ(Refresh_count, 2);
}

TEST(CmdRefresh, FailedLineInterruptsAndRefreshesWhatWasMarked) {
  CategoryOverride part(CMD_CAT_PART);
  Cmd_play_continue_flag = 1;
  cmd_process_and_refresh("part: visible ON");
  EXPECT_EQ(Refresh_count, 0);
  Proc_result = -1;
  EXPECT_EQ(cmd_process_and_refresh("part: visible OFF"), -1);
  EXPECT_EQ(Cmd_play_continue_flag, 0);
  EXPECT_STREQ(Cmd_lastcat, "nomatch");
  EXPECT_EQ(Refresh_count, 1);
  EXPECT_EQ(cmd_process_and_refresh("# note"), -100);
}

}  // namespace
