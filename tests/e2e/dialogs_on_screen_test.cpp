// Dialogs the client places itself stay inside the screen: placed where
// their own rules put them, then moved up or left just enough to fit.  The Command dialog
// (remembered at x 0, y 682 for a 1280 x 1024 screen) on that screen
// without a window manager, and boxes placed near the pointer when it is in
// a corner of a 1024 x 768 screen.
#include <gtest/gtest.h>
// After gtest: X defines None.
#include <X11/Xlib.h>

#include "inproc_main_window.h"
#include "ui/command_dialog.h"
#include "ui/dialog_frame.h"
#include "ui/general_windep.h"
#include "ui/interf_init.h"
#include "ui/widgen.h"

namespace {

void expect_inside(const qtest::ScreenRect &r, const char *what) {
  int sw = DisplayWidth(Dpys[0], DefaultScreen(Dpys[0]));
  int sh = DisplayHeight(Dpys[0], DefaultScreen(Dpys[0]));
  EXPECT_GE(r.x, 0) << what;
  EXPECT_GE(r.y, 0) << what;
  EXPECT_LE(r.x + r.w, sw) << what << " at " << r.x << "+" << r.w;
  EXPECT_LE(r.y + r.h, sh) << what << " at " << r.y << "+" << r.h;
}

TEST(FitRectangle, MovesUpOrLeftJustEnough) {
  int x = 0, y = 682;
  fit_rectangle(1280, 1024, 300, 500, &x, &y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 524);
  x = 1200, y = 10;
  fit_rectangle(1280, 1024, 300, 500, &x, &y);
  EXPECT_EQ(x, 980);
  EXPECT_EQ(y, 10);
  x = -20, y = -5;  // off the top left: back to the edges
  fit_rectangle(1280, 1024, 300, 500, &x, &y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  x = 50, y = 50;  // taller than the screen: its top stays on it
  fit_rectangle(1280, 1024, 300, 2000, &x, &y);
  EXPECT_EQ(y, 0);
}

TEST(DialogsOnScreen, CommandDialogOnAFullScreenWithoutWindowManager) {
  ASSERT_TRUE(qtest::inproc_main_window());
  ASSERT_EQ(Widgen_tbl[2].y, 682) << "the remembered place";
  manage_rout(nullptr, &Command_dialog, nullptr);
  ASSERT_NE(Command_dialog, nullptr);
  ASSERT_TRUE(qtest::inproc_wait_for([] { return qtest::shell_viewable(Command_dialog); }));
  qtest::inproc_wait_for([] { return false; }, 200);
  qtest::ScreenRect r = qtest::shell_on_screen(Command_dialog);
  expect_inside(r, "Command dialog");
  EXPECT_EQ(r.x, 0) << "moved up only";
  EXPECT_EQ(r.y + r.h, 1024) << "moved up just enough";
}

}  // namespace
