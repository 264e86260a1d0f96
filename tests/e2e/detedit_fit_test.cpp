// The Feature Detail Editor as the real main window opens it: its icon
// strip is as high as its icons (no icon cut, no vertical scroll bar), the
// window keeps its size when a row with an empty section is chosen, and it
// stands beside the main window, on the screen.  Also the quick-edit mode
// tabs: choosing another mode keeps the tab column in its place and leaves
// only the chosen tab highlighted.
#include <gtest/gtest.h>
// After gtest: X defines None.
#include <Xm/Xm.h>

#include "inproc_main_window.h"
#include "ui/detail_editor.h"
#include "ui/interf_init.h"
#include "ui/main_window.h"
#include "ui/qedit_icons.h"

namespace {

int height_of(Widget w) {
  Dimension h = 0;
  XtVaGetValues(w, XmNheight, &h, nullptr);
  return h;
}

void settle() { qtest::inproc_wait_for([] { return false; }, 300); }

void check_editor(int screen_w, int screen_h) {
  detedit_manage(2, 0);  // Variables
  ASSERT_NE(Detaileditor_dialog, nullptr);
  ASSERT_TRUE(qtest::inproc_wait_for([] { return qtest::shell_viewable(Detaileditor_dialog); }));
  settle();

  // The strip: every icon whole, no vertical scroll bar.
  Widget vbar = nullptr, hbar = nullptr;
  XtVaGetValues(Detedit_icon_scrollwin, XmNverticalScrollBar, &vbar, XmNhorizontalScrollBar,
                &hbar, nullptr);
  EXPECT_TRUE(!vbar || !XtIsManaged(vbar));
  Widget clip = nullptr;
  XtVaGetValues(Detedit_icon_scrollwin, XmNclipWindow, &clip, nullptr);
  ASSERT_NE(clip, nullptr);
  EXPECT_GE(height_of(clip), height_of(Detedit_icon_rowcol)) << "icons cut";
  for (int i = 0; Feature_edtbl[i].label[0]; i++)
    EXPECT_LE(height_of(Feature_edtbl[i].button), height_of(clip)) << i;

  // The size stays through sections of either kind, empty ones included.
  qtest::ScreenRect first = qtest::shell_on_screen(Detaileditor_dialog);
  for (int section : {2, 1, 3, 0, 12, 6}) {
    detedit_manage(2, section);
    settle();
    qtest::ScreenRect now = qtest::shell_on_screen(Detaileditor_dialog);
    EXPECT_EQ(now.h, first.h) << "section " << section;
    EXPECT_EQ(now.w, first.w) << "section " << section;
  }

  // Beside the main window and on the screen.
  qtest::ScreenRect ed = qtest::shell_on_screen(Detaileditor_dialog),
                   main = qtest::shell_on_screen(Main_win[0]);
  bool apart = ed.x + ed.w <= main.x || main.x + main.w <= ed.x || ed.y + ed.h <= main.y ||
               main.y + main.h <= ed.y;
  EXPECT_TRUE(apart) << "editor " << ed.x << "+" << ed.w << ", main " << main.x << "+" << main.w;
  EXPECT_GE(ed.x, 0);
  EXPECT_GE(ed.y, 0);
  EXPECT_LE(ed.x + ed.w, screen_w);
  EXPECT_LE(ed.y + ed.h, screen_h);
}

TEST(DetailEditorFit, StripSizeAndPlaceOnAFullScreen) {
  ASSERT_TRUE(qtest::inproc_main_window());
  check_editor(1280, 1024);
}

TEST(DetailEditorFit, StripSizeAndPlaceOnASmallScreen) {
  ASSERT_TRUE(qtest::inproc_main_window(1024, 768, {"-smallscreen"}));
  check_editor(1024, 768);
}

Pixel colour(Widget w, const char *resource) {
  Pixel p = 0;
  XtVaGetValues(w, resource, &p, nullptr);
  return p;
}

TEST(ModeTabs, ColumnKeepsItsPlaceAndOnlyTheChosenTabIsHighlighted) {
  ASSERT_TRUE(qtest::inproc_main_window());
  // Rows: 0 Part, 1 Annot, 2 Plot, 3 Vport, 4 Frame, 5 View.
  Widget part = Qedit_selectbut_tbl[0].button, annot = Qedit_selectbut_tbl[1].button,
         plot = Qedit_selectbut_tbl[2].button;
  const Pixel normal_bg = colour(plot, XmNbackground), normal_top = colour(plot, XmNtopShadowColor),
              normal_bottom = colour(plot, XmNbottomShadowColor),
              normal_fg = colour(plot, XmNforeground);
  EXPECT_EQ(colour(part, XmNbackground), Green.pixel);
  Position before_x = 0, before_y = 0;
  XtTranslateCoords(Qedit_select_rowcol, 0, 0, &before_x, &before_y);

  qedit_switch_iconsCB(annot, (XtPointer)3L, nullptr);  // the annotation panel is the tallest
  settle();
  ASSERT_TRUE(XtIsManaged(Qedit_iconuparrow_but)) << "the panel needs its arrows here";
  Position after_x = 0, after_y = 0;
  XtTranslateCoords(Qedit_select_rowcol, 0, 0, &after_x, &after_y);
  EXPECT_EQ(after_x, before_x);
  EXPECT_EQ(after_y, before_y) << "the tab column moved";

  EXPECT_EQ(colour(annot, XmNbackground), Green.pixel);
  EXPECT_EQ(colour(annot, XmNforeground), normal_fg);
  EXPECT_EQ(colour(part, XmNbackground), normal_bg);
  EXPECT_EQ(colour(part, XmNtopShadowColor), normal_top) << "a green edge stayed";
  EXPECT_EQ(colour(part, XmNbottomShadowColor), normal_bottom) << "a green edge stayed";
  EXPECT_EQ(colour(part, XmNforeground), normal_fg);

  qedit_switch_iconsCB(part, (XtPointer)1L, nullptr);
  settle();
  XtTranslateCoords(Qedit_select_rowcol, 0, 0, &after_x, &after_y);
  EXPECT_EQ(after_y, before_y);
  EXPECT_EQ(colour(annot, XmNtopShadowColor), normal_top);
  EXPECT_EQ(colour(part, XmNbackground), Green.pixel);
}

}  // namespace
