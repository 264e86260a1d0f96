// The message services before any main window exists: everything goes to
// the console and nothing waits.
#include <gtest/gtest.h>

#include <string>

#include "ui/general_windep.h"
#include "ui/widgen.h"

namespace {

std::string stderr_of(void (*fn)(const char *), const std::string &text) {
  testing::internal::CaptureStderr();
  fn(text.c_str());
  return testing::internal::GetCapturedStderr();
}

TEST(ConsoleMessages, DisperrWrapsAtFirstBlankAfter75Characters) {
  struct Case {
    const char *name;
    std::string message;
    std::string shown;
  } cases[] = {
      {"short", "Couldn't open file.", "ERROR: Couldn't open file.\n"},
      {"no blanks is never wrapped", std::string(200, 'x'), "ERROR: " + std::string(200, 'x') + "\n"},
      {"blank after 75 stays", std::string(75, 'a') + " b", "ERROR: " + std::string(75, 'a') + " b\n"},
      {"blank after 76 breaks", std::string(76, 'a') + " b c",
       "ERROR: " + std::string(76, 'a') + "\nb c\n"},
      {"count restarts after a break",
       std::string(80, 'a') + " " + std::string(70, 'b') + " c " + std::string(10, 'd') + " e",
       "ERROR: " + std::string(80, 'a') + "\n" + std::string(70, 'b') + " c " +
           std::string(10, 'd') + "\ne\n"},
      {"newline in the message restarts the count",
       std::string(50, 'a') + "\n" + std::string(50, 'b') + " c",
       "ERROR: " + std::string(50, 'a') + "\n" + std::string(50, 'b') + " c\n"},
  };
  for (const Case &c : cases) EXPECT_EQ(stderr_of(disperr, c.message), c.shown) << c.name;
}

TEST(ConsoleMessages, WarnAnswersOkayByItself) {
  testing::internal::CaptureStderr();
  int answer = warn("Overwrite file x?");
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Command processor automatically indicated OKAY for the following warning:\n"
            "Overwrite file x?\n");
  EXPECT_EQ(answer, 1);
}

TEST(ConsoleMessages, MessageLinesGoToStandardOutputAndLeaveTheLevel) {
  int before = Main_info_curlevel;
  testing::internal::CaptureStdout();
  caddtxt("ERROR: reading failed");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "ERROR: reading failed\n");
  EXPECT_EQ(Main_info_curlevel, before);
}

TEST(ConsoleMessages, UsermesgAndBlockingErrorPrintAndReturn) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(usermesg(nullptr, "Case loaded.", nullptr, 1, 5), 1);
  disperr_and_wait("Server refused.", nullptr);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Case loaded.\nServer refused.\n");
}

TEST(ConsoleMessages, CursorShapeOutOfRangeIsReported) {
  testing::internal::CaptureStderr();
  set_cursor_icon(11, 0);
  set_cursor_icon(-1, 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Error setting cursor. Cursor value out of range.\n"
            "Error setting cursor. Cursor value out of range.\n");
}

TEST(ConsoleMessages, ManageRoutWithUnregisteredHolderReportsAndShowsNothing) {
  static Widget not_registered = nullptr;
  std::string err;
  testing::internal::CaptureStderr();
  manage_rout(nullptr, &not_registered, nullptr);
  err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(err, "ERROR: Failed to create dialog. Please contact your support person.\n");
  EXPECT_EQ(not_registered, nullptr);
}

}  // namespace
