// Viewport-editing mode on the real main window with the pointer and keys
// driven through XTest (xdotool) on the private X server: the modal loop
// reads the real pointer while a second thread moves it, each step taken
// only once the loop has read the pointer a few times since the last one.
#include <gtest/gtest.h>
// After gtest: X defines None.
#include <Xm/MessageB.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "client/command_dlog.h"
#include "inproc_main_window.h"
#include "interact/movmnt.h"
#include "record_capture.h"
#include "render/display.h"
#include "ui/event_loop.h"
#include "ui/general_windep.h"
#include "ui/interf_init.h"
#include "view/viewp_cmdproc.h"
#include "view/viewport_move.h"
#include "view/viewports.h"
#include "xt_shell.h"

namespace {

std::atomic<int> Reads{0};
int (*Real_pointer)(int *, int *, int *, int *) = nullptr;

int counting_pointer(int *x, int *y, int *left, int *control) {
  Reads++;
  return Real_pointer(x, y, left, control);
}

// Runs xdotool with the words given; true when it succeeded.
bool xdotool(const std::vector<std::string> &words) {
  std::vector<char *> argv;
  std::string prog = "xdotool";
  argv.push_back(&prog[0]);
  std::vector<std::string> copy = words;
  for (std::string &w : copy) argv.push_back(&w[0]);
  argv.push_back(nullptr);
  pid_t pid = fork();
  if (pid == 0) {
    execvp("xdotool", argv.data());
    _exit(127);
  }
  int status = 0;
  return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Waits until the loop has read the pointer n more times (at most 10 s).
void let_loop_read(int n) {
  const int until = Reads + n;
  auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (Reads < until && std::chrono::steady_clock::now() < end)
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
}

// Answers the next warning box with Okay once it shows.
void okay_next_warning() {
  qtest::inproc_after(50, [] {
    if (!Warn_dialog || !XtIsManaged(Warn_dialog)) {
      okay_next_warning();
      return;
    }
    qtest::xt_activate(XmMessageBoxGetChild(Warn_dialog, XmDIALOG_OK_BUTTON));
  });
}

class ViewportEditingPointer : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(qtest::inproc_main_window());
    ASSERT_TRUE(qtest::inproc_wait_for([] {
      int x0, x1, y0, y1;
      grasal(&x0, &x1, &y0, &y1, 0, 0);
      return x1 - x0 > 200 && y1 - y0 > 200;
    }));
    grasal(&x0_, &x1_, &y0_, &y1_, 0, 0);
    XSetInputFocus(Dpys[0], PointerRoot, RevertToPointerRoot, CurrentTime);
    global_init_viewports();
    for (int k = 0; k < 3; k++) ASSERT_EQ(make_new_viewport(), 1);
    place(1, 0.25f, 0.25f, 0.5f, 0.5f);
    place(2, 0.0f, 0.0f, 0.2f, 0.2f);
    place(3, 0.8f, 0.8f, 0.2f, 0.2f);
    viewport_all_resize();
    Current_mode = 5;
    Last_current_mode = 0;
    Real_pointer = Viewport_move_windep.pointer;
    ASSERT_NE(Real_pointer, nullptr);
    Viewport_move_windep.pointer = counting_pointer;
  }
  void TearDown() override {
    if (Real_pointer) Viewport_move_windep.pointer = Real_pointer;
    Current_mode = 0;
    Quivane_cntrlkey_down = 0;
  }
  static void place(int v, float x, float y, float w, float h) {
    float *a = Viewports[v].attributes;
    a[VP_ORIGIN_X] = x, a[VP_ORIGIN_Y] = y, a[VP_WIDTH] = w, a[VP_HEIGHT] = h;
  }
  static void select(std::vector<int> ids) {
    int n = (int)ids.size();
    current_selected_viewports(&n, ids.data(), 1);
    viewp_icons_refresh();
  }
  // xdotool's screen position (y down) of window fractions (fx, fy).
  std::vector<std::string> at(float fx, float fy) const {
    const int W = x1_ - x0_ + 1, H = y1_ - y0_ + 1;
    const int x = x0_ + (int)(fx * W), y_up = y0_ + (int)(fy * H);
    const int y = DisplayHeight(Dpys[0], DefaultScreen(Dpys[0])) - 1 - y_up;
    return {"mousemove", std::to_string(x), std::to_string(y)};
  }
  // The pointer enters the window at (fx, fy), which starts the loop
  // through the window's enter handler; steps are xdotool commands taken in
  // turn, then the pointer leaves the window.  The lines recorded meanwhile.
  std::string edit(float fx, float fy, const std::vector<std::vector<std::string>> &steps) {
    EXPECT_TRUE(xdotool({"mousemove", "0", "0"}));  // the menu bar: out of the graphics window
    qtest::inproc_wait_for([] { return false; }, 200);
    Reads = 0;
    std::atomic<bool> done{false};
    std::thread driver([this, fx, fy, steps, &done] {
      xdotool(at(fx, fy));
      let_loop_read(4);
      for (const auto &s : steps) {
        xdotool(s);
        let_loop_read(6);
      }
      xdotool({"mousemove", "0", "0"});
      done = true;
    });
    std::string rec = qtest::recorded_lines([&done] {
      qtest::inproc_wait_for([&done] { return done.load(); }, 120000);
      qtest::inproc_wait_for([] { return false; }, 200);
    });
    driver.join();
    EXPECT_GT(Reads.load(), 0) << "the loop never ran";
    return rec;
  }
  float width(int v) const { return Viewports[v].attributes[VP_WIDTH]; }
  int x0_ = 0, x1_ = 0, y0_ = 0, y1_ = 0;
};

const std::vector<std::string> Down = {"mousedown", "1"}, Up = {"mouseup", "1"};

TEST_F(ViewportEditingPointer, RightEdgeDragRecordsTheFourLines) {
  select({1});
  std::string rec = edit(0.75f, 0.5f, {Down, at(0.85f, 0.5f), Up});
  EXPECT_NEAR(width(1), 0.6f, 0.005f);
  char want[200];
  snprintf(want, sizeof want,
           "viewport: origin_x 2.5000e-01\nviewport: origin_y 2.5000e-01\nviewport: width %.4e\n"
           "viewport: height 5.0000e-01\n",
           width(1));
  EXPECT_EQ(rec, want);
}

TEST_F(ViewportEditingPointer, ControlPressAddsAThirdAndAllThreeAreRecorded) {
  select({2, 3});
  std::string rec =
      edit(0.75f, 0.5f, {{"keydown", "Control_L"}, Down, at(0.85f, 0.5f), Up, {"keyup", "Control_L"}});
  for (int v : {1, 2, 3}) EXPECT_NEAR(width(v), v == 1 ? 0.6f : 0.3f, 0.005f) << v;
  const std::string all = "viewport: select_begin\n 1 2 3\nviewport: select_end\n";
  ASSERT_EQ(rec.compare(0, all.size(), all), 0) << rec;
  ASSERT_GE(rec.size(), all.size() * 2);
  EXPECT_EQ(rec.substr(rec.size() - all.size()), all) << rec;
  for (int v : {1, 2, 3}) {
    std::string own = "viewport: select_begin\n " + std::to_string(v) + "\nviewport: select_end\nviewport: origin_x";
    EXPECT_NE(rec.find(own), std::string::npos) << v << "\n" << rec;
  }
  EXPECT_EQ(std::count(rec.begin(), rec.end(), '\n'), 3 + 3 * 7 + 3) << rec;
}

TEST_F(ViewportEditingPointer, LeftEdgePastTheRightStopsAtTheSmallestWidth) {
  select({1});
  edit(0.25f, 0.5f, {Down, at(0.95f, 0.5f), Up});
  EXPECT_NEAR(width(1), VIEWPORT_MIN_SIZE, 1e-6);
  EXPECT_NEAR(Viewports[1].attributes[VP_ORIGIN_X], 0.75f - VIEWPORT_MIN_SIZE, 1e-5);
}

TEST_F(ViewportEditingPointer, ClickWithoutMovementRecordsNothing) {
  select({1});
  EXPECT_EQ(edit(0.5f, 0.5f, {Down, Up}), "");
  EXPECT_EQ(width(1), 0.5f);
}

TEST_F(ViewportEditingPointer, DeleteKeyDeletesTheSelectedViewports) {
  select({2, 3});
  okay_next_warning();
  std::string rec = edit(0.5f, 0.5f, {{"key", "Delete"}});
  EXPECT_FALSE(viewport_exists(2));
  EXPECT_FALSE(viewport_exists(3));
  EXPECT_TRUE(viewport_exists(1));
  EXPECT_NE(rec.find("viewport: delete\n"), std::string::npos) << rec;
}

}  // namespace
