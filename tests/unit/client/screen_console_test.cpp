// The console form of the screen interface (client/screen.h), which serves
// when no main window exists: prompts and confirmations are answered from
// the script a test sets, in order; without a script a prompt has no answer.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "client/command_dlog.h"
#include "client/screen.h"

namespace {

class ScreenConsole : public testing::Test {
 protected:
  void SetUp() override {
    screen_install(nullptr);  // the console form alone
    screen_console_script({});
  }
  void TearDown() override { screen_console_script({}); }
};

const char *const Auto_okay =
    "Command processor automatically indicated OKAY for the following warning:\n";

TEST_F(ScreenConsole, ScriptedAnswersReachPromptAndWarnInOrder) {
  screen_console_script({"Case 7", "no", "CANCEL", "yes", ""});
  char buf[20] = "proposal";
  EXPECT_EQ(screen_prompt("Case Name?", "Add Case", buf, sizeof buf, 0), 1);
  EXPECT_STREQ(buf, "Case 7");

  testing::internal::CaptureStderr();
  EXPECT_EQ(warn("Overwrite file?"), 0);  // "no" cancels
  EXPECT_EQ(warn("Overwrite file?"), 0);  // so does "cancel", in any case
  EXPECT_EQ(warn("Delete case?"), 1);     // any other answer is Okay
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            std::string(Auto_okay) + "Delete case?\n");

  // An empty answer is a cancelled prompt: answered, and empty.
  strcpy(buf, "proposal");
  EXPECT_EQ(screen_prompt("Case Name?", "Add Case", buf, sizeof buf, 0), 1);
  EXPECT_STREQ(buf, "");
}

TEST_F(ScreenConsole, WithoutAScriptThePromptHasNoAnswerAndWarnIsOkay) {
  char buf[20] = "proposal";
  EXPECT_EQ(screen_prompt("Case Name?", "Add Case", buf, sizeof buf, 0), -1);
  EXPECT_STREQ(buf, "");
  testing::internal::CaptureStderr();
  EXPECT_EQ(warn("Quit?"), 1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string(Auto_okay) + "Quit?\n");
}

TEST_F(ScreenConsole, AnswerLongerThanTheBufferIsRefused) {
  screen_console_script({std::string(30, 'a')});
  char buf[20] = "proposal";
  testing::internal::CaptureStderr();
  EXPECT_EQ(screen_prompt("Case Name?", "Add Case", buf, sizeof buf, 0), 1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Buffer overflow on input. Input aborted.\n");
  EXPECT_STREQ(buf, "");
}

// The one handling of a "??" parameter: the answer replaces the text; no
// answer fails with the caller's message, or gives an empty value.
TEST_F(ScreenConsole, QuestionMarksAskThroughThePrompt) {
  const char *params = "??Which\\nmachine?";
  char *answer = nullptr;
  screen_console_script({"host7"});
  EXPECT_EQ(cmd_param_asked(&params, &answer, Cmd_no_value_entered), 1);
  EXPECT_STREQ(params, "host7");
  free(answer);

  params = "??Which machine?";
  testing::internal::CaptureStderr();
  EXPECT_EQ(cmd_param_asked(&params, &answer, Cmd_no_value_entered), -1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "ERROR: No value entered.  Error processing commands.\n");
  EXPECT_EQ(answer, nullptr);

  params = "??Which directory?";
  EXPECT_EQ(cmd_param_asked(&params, &answer, nullptr), 1);
  EXPECT_STREQ(params, "");
  EXPECT_EQ(answer, nullptr);

  params = "host8";
  EXPECT_EQ(cmd_param_asked(&params, &answer, Cmd_no_value_entered), 1);
  EXPECT_STREQ(params, "host8");
  EXPECT_EQ(answer, nullptr);
}

}  // namespace
