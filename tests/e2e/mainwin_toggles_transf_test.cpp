// The transformation buttons and the toggle row of the real main window:
// the frame drawn into the current action's picture, the drag action and
// its recorded line, the refresh after a "view_transf:" command, and the
// toggles set from the settings without running their callbacks.
#include <gtest/gtest.h>
#include <X11/Xutil.h>
#include <Xm/ToggleB.h>

#include <string>

#include "client/command_dlog.h"
#include "harness.h"
#include "inproc_main_window.h"
#include "record_capture.h"
#include "render/disobj.h"
#include "ui/interf_init.h"
#include "ui/main_toggles.h"
#include "ui/main_window.h"
#include "ui/transf_buttons.h"
#include "view/frames.h"
#include "view/ui/frame_panel.h"
#include "view/observer.h"
#include "xt_shell.h"

namespace {

// True when both frame rectangles of an icon row's picture are in colour.
bool framed(int row, Pixel colour) {
  Pixmap pix = transf_button_pixmap(row);
  if (!pix) return false;
  XImage *img = XGetImage(Dpys[0], pix, 0, 0, 33, 19, AllPlanes, ZPixmap);
  if (!img) return false;
  bool all = true;
  for (int x = 0; x <= 32; x++)
    all = all && XGetPixel(img, x, 0) == colour && XGetPixel(img, x, 18) == colour;
  for (int y = 0; y <= 18; y++)
    all = all && XGetPixel(img, 0, y) == colour && XGetPixel(img, 32, y) == colour;
  for (int x = 1; x <= 31; x++) all = all && XGetPixel(img, x, 1) == colour;
  XDestroyImage(img);
  return all;
}

class TransfButtons : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(qtest::inproc_main_window());
    for (int r = 0; r < 5; r++) ASSERT_NE(transf_button_pixmap(r), 0u) << r;
    Vewglb = 0;
    What_trans = 0;
    ASSERT_EQ(qedit_transformbutrefresh_windep(), 1);
    black = BlackPixel(Dpys[0], DefaultScreen(Dpys[0]));
  }
  Pixel black = 0;
};

TEST_F(TransfButtons, RubberBandZoomFramesZoomSetsTheActionAndRecordsIt) {
  EXPECT_TRUE(framed(0, Green.pixel));
  std::string rec = qtest::recorded_lines([] { qtest::xt_activate(Qedit_transfbut_tbl[3].button); });
  EXPECT_EQ(Vewglb, 5);
  EXPECT_NE(rec.find("view_transf: action band_zoom\n"), std::string::npos) << rec;
  EXPECT_TRUE(framed(2, Green.pixel));   // "Zom" stands for the rubber band
  EXPECT_FALSE(framed(3, Green.pixel));  // "ZBn" itself never framed
  EXPECT_TRUE(framed(0, black));         // the old frame erased
}

TEST_F(TransfButtons, EachActionButtonFramesItsIconOnly) {
  const struct {
    int row;
    int vewglb;
    int framed_row;
  } cases[] = {{1, 1, 1}, {4, 2, 4}, {2, 4, 2}, {0, 0, 0}, {0, 0, 0}};  // last: pressed again
  for (const auto &c : cases) {
    qtest::xt_activate(Qedit_transfbut_tbl[c.row].button);
    EXPECT_EQ(Vewglb, c.vewglb) << c.row;
    for (int r = 0; r < 5; r++) {
      if (r == 3) continue;
      EXPECT_EQ(framed(r, Green.pixel), r == c.framed_row) << c.row << " " << r;
    }
  }
}

TEST_F(TransfButtons, TextButtonsNeverMoveTheFrame) {
  qtest::xt_activate(Qedit_transfbut_tbl[1].button);
  for (int row = 5; row < 8; row++) {
    qtest::xt_activate(Qedit_transfbut_tbl[row].button);
    EXPECT_EQ(Vewglb, 1);
    EXPECT_TRUE(framed(1, Green.pixel)) << row;
  }
}

TEST_F(TransfButtons, CommandThenRefreshFramesTheNewActionWithoutRecording) {
  std::string rec = qtest::recorded_lines([] {
    ASSERT_GE(cmd_process_and_refresh("view_transf: action scale"), 0);
  });
  EXPECT_EQ(Vewglb, 2);
  EXPECT_TRUE(framed(4, Green.pixel));
  for (int r : {0, 1, 2}) EXPECT_TRUE(framed(r, black)) << r;
  EXPECT_EQ(rec.find("view_transf: action"), std::string::npos) << rec;

  // An action the mode forbids changes nothing.
  What_trans = 2;
  EXPECT_EQ(cmd_process("view_transf: action rotate"), -1);
  EXPECT_EQ(Vewglb, 2);
}

TEST(MainToggles, InitShowsTheSettingsWithoutRunningCallbacks) {
  ASSERT_TRUE(qtest::inproc_main_window());
  Solidt = 1;
  Hlinet = 0;
  Axiso3 = 1;
  Box_mode_toggle = 1;
  EXPECT_EQ(main_viewtggls_init(), 1);
  EXPECT_TRUE(XmToggleButtonGetState(Main_hsurf_tggl));
  EXPECT_FALSE(XmToggleButtonGetState(Main_hline_tggl));
  EXPECT_TRUE(XmToggleButtonGetState(Main_axis_tggl));
  EXPECT_TRUE(XmToggleButtonGetState(Main_fastdisplay_tggl));
  EXPECT_EQ(Solidt, 1);  // no callback flipped it back

  // A press flips the setting through its callback; the toggle follows.
  XmToggleButtonSetState(Main_hsurf_tggl, False, True);
  EXPECT_EQ(Solidt, 0);
  XmToggleButtonSetState(Main_axis_tggl, False, True);
  EXPECT_EQ(Axiso3, 0);
  XmToggleButtonSetState(Main_fastdisplay_tggl, False, True);
  EXPECT_EQ(Box_mode_toggle, 0);
}

}  // namespace

namespace {

TEST(LargePartList, OpenUsesItsListsAndCloseRestoresTheMainWindowsPair) {
  ASSERT_TRUE(qtest::inproc_main_window());
  Widget small = Main_part_list, small_indic = Main_partindic_list;
  ASSERT_EQ(main_partlargelist_open(), 1);
  ASSERT_NE(Main_large_partlist_dialog, nullptr);
  EXPECT_TRUE(XtIsManaged(Main_large_partlist_dialog));
  EXPECT_EQ(Main_part_list, Main_large_partlist);
  EXPECT_EQ(Main_partindic_list, Main_large_partindiclist);
  EXPECT_FALSE(XtIsSensitive(small));
  EXPECT_FALSE(XtIsSensitive(small_indic));

  main_partlargelist_closeCB(nullptr, nullptr, nullptr);  // the window manager's close
  EXPECT_FALSE(XtIsManaged(Main_large_partlist_dialog));
  EXPECT_EQ(Main_part_list, small);
  EXPECT_EQ(Main_partindic_list, small_indic);
  EXPECT_TRUE(XtIsSensitive(small));
}

}  // namespace
