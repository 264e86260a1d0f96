// A command file that pauses on a failing line can be resumed from the
// Command dialog whatever started it: the pause makes Step, Skip and
// Continue sensitive and Interrupt insensitive, and pressing Continue (its
// activate callback) plays the rest of the file.  Run on the real main
// window in this process, the file started as -p starts it.
#include <gtest/gtest.h>

#include <X11/Intrinsic.h>
#include <Xm/Command.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "client/command_dlog.h"
#include "client/startup.h"
#include "harness.h"
#include "inproc_main_window.h"
#include "ui/command_dialog.h"
#include "ui/interf_init.h"
#include "xt_shell.h"

namespace {

// Runs fn from a timer of the main window's application context, while
// playback waits for the user.
void after(int ms, std::function<void()> fn) {
  XtAppAddTimeOut(
      App_con, static_cast<unsigned long>(ms),
      [](XtPointer p, XtIntervalId *) {
        std::unique_ptr<std::function<void()>> f(static_cast<std::function<void()> *>(p));
        (*f)();
      },
      new std::function<void()>(std::move(fn)));
}

struct Buttons {
  bool interrupt, step, skip, cont;
  bool operator==(const Buttons &o) const {
    return interrupt == o.interrupt && step == o.step && skip == o.skip && cont == o.cont;
  }
  friend std::ostream &operator<<(std::ostream &os, const Buttons &b) {
    return os << "Interrupt " << b.interrupt << ", Step " << b.step << ", Skip " << b.skip
              << ", Continue " << b.cont;
  }
};

Buttons buttons() {
  return {XtIsSensitive(Cmd_interrupt_but) == True, XtIsSensitive(Cmd_step_but) == True,
          XtIsSensitive(Cmd_skip_but) == True, XtIsSensitive(Cmd_continue_but) == True};
}

// The last n lines of the command widget's history: the lines that ran.
std::vector<std::string> history_tail(int n) {
  XmStringTable items = nullptr;
  int count = 0;
  XtVaGetValues(Cmd_entry_widget, XmNhistoryItems, &items, XmNhistoryItemCount, &count, nullptr);
  std::vector<std::string> lines;
  for (int i = count > n ? count - n : 0; i < count; i++) {
    char *text = static_cast<char *>(XmStringUnparse(items[i], nullptr, XmCHARSET_TEXT,
                                                     XmCHARSET_TEXT, nullptr, 0, XmOUTPUT_ALL));
    lines.push_back(text ? text : "");
    XtFree(text);
  }
  return lines;
}

const Buttons Paused{false, true, true, true};
const Buttons Running{true, false, false, false};

class PlaybackResume : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(qtest::inproc_main_window());
    saved_recrdr_ = Recrdr;
    Recrdr = 0;
    Cmd_play_delay_time = 0;
    Cmd_record_parts_by_number = 1;
  }
  void TearDown() override {
    Recrdr = saved_recrdr_;
    Cmd_record_parts_by_number = 1;
  }
  // Plays file as the -p option does at the first expose; while it is
  // paused, looks at the buttons and presses Continue.
  void play_as_start_option(const std::string &file) {
    Cmd_line_play = 1;
    snprintf(Cmd_line_playfile, sizeof Cmd_line_playfile, "%s", file.c_str());
    after(300, [this] {
      at_pause_level = Cmd_play_level;
      at_pause_paused = Cmd_play_continue_flag == 0;
      at_pause_by_number = Cmd_record_parts_by_number;
      at_pause = buttons();
      qtest::xt_activate(Cmd_continue_but);
      after_continue = buttons();
    });
    testing::internal::CaptureStderr();
    main_execute_commandlinetasks();
    err = testing::internal::GetCapturedStderr();
  }
  qtest::TempDir dir{"qresume"};
  int at_pause_level = -1;
  bool at_pause_paused = false;
  int at_pause_by_number = -1;
  Buttons at_pause{}, after_continue{};
  std::string err;

 private:
  int saved_recrdr_ = 1;
};

TEST_F(PlaybackResume, FailingLineOfTheStartFilePausesAndContinueRunsTheRest) {
  std::string file = dir.file("start.cmd");
  qtest::write_file(file,
                    "VERSION 7.1\ncommand: part_selection_by name\ncommand: frobnicate\n"
                    "command: part_selection_by number\n");
  play_as_start_option(file);
  ASSERT_NE(Command_dialog, nullptr);
  EXPECT_EQ(at_pause_level, 1);
  EXPECT_TRUE(at_pause_paused);
  EXPECT_EQ(at_pause_by_number, 0);  // the line after the failing one waited
  EXPECT_EQ(at_pause, Paused);
  EXPECT_EQ(after_continue, Running);
  EXPECT_EQ(Cmd_record_parts_by_number, 1);  // ... and ran after Continue
  EXPECT_EQ(Cmd_play_level, 0);
  EXPECT_EQ(Cmd_play_continue_flag, 0);
  EXPECT_EQ(err.find("Command file playback stopped"), std::string::npos) << err;
}

TEST_F(PlaybackResume, FailingLineOfANestedFilePausesAndContinueRunsBothToTheirEnd) {
  std::string inner = dir.file("inner.cmd");
  qtest::write_file(inner, "VERSION 7.1\ncommand: frobnicate\ncommand: part_selection_by name\n");
  std::string outer = dir.file("outer.cmd");
  qtest::write_file(outer, "VERSION 7.1\ncommand: delay 0\nplay: " + inner +
                               "\ncommand: part_selection_by number\n");
  play_as_start_option(outer);
  EXPECT_EQ(at_pause_level, 2);
  EXPECT_TRUE(at_pause_paused);
  EXPECT_EQ(at_pause_by_number, 1);
  EXPECT_EQ(at_pause, Paused);
  EXPECT_EQ(after_continue, Running);
  EXPECT_EQ(Cmd_play_level, 0);
  // The rest of the nested file ran, then the rest of the outer one.
  EXPECT_EQ(history_tail(4),
            (std::vector<std::string>{"command: delay 0", "command: frobnicate",
                                      "command: part_selection_by name",
                                      "command: part_selection_by number"}));
  EXPECT_EQ(err.find("Command file playback stopped"), std::string::npos) << err;
}

}  // namespace
