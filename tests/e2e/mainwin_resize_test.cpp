// The main window resized: it has a minimum size, and at that size (and at
// the narrow widths a user drags it to) every menu-bar title and every
// button of the toggle row and of the bottom row lies inside the window with
// no two overlapping, the status area included.  Widget geometry is read
// back from the realised widgets, not from pixels.  The feature strip shows
// its arrows whenever some icons are hidden.
#include <gtest/gtest.h>
// After gtest: X defines None.
#include <Xm/Xm.h>

#include <string>
#include <vector>

#include "inproc_main_window.h"
#include "ui/feature_icons.h"
#include "ui/graphics_windows.h"
#include "ui/interf_init.h"
#include "ui/main_layout.h"
#include "ui/main_window.h"
#include "ui/transf_buttons.h"

namespace {

struct Rect {
  std::string name;
  int x, y, w, h;
};

// w's rectangle (border included) in the main shell's coordinates.
Rect rect_of(Widget w) {
  Position rx = 0, ry = 0, sx = 0, sy = 0;
  XtTranslateCoords(w, 0, 0, &rx, &ry);
  XtTranslateCoords(Main_win[0], 0, 0, &sx, &sy);
  Dimension width = 0, height = 0, border = 0;
  XtVaGetValues(w, XmNwidth, &width, XmNheight, &height, XmNborderWidth, &border, nullptr);
  return Rect{XtName(w), rx - sx - border, ry - sy - border, width + 2 * border,
              height + 2 * border};
}

void add_children(std::vector<Rect> *out, Widget parent) {
  WidgetList kids = nullptr;
  Cardinal n = 0;
  XtVaGetValues(parent, XmNchildren, &kids, XmNnumChildren, &n, nullptr);
  for (Cardinal i = 0; i < n; i++)
    if (XtIsManaged(kids[i])) out->push_back(rect_of(kids[i]));
}

// Every menu title, the status area, the toggle row with Legend and Info,
// and the bottom row's icons, text buttons, view buttons and "Tool Tips".
std::vector<Rect> controls() {
  std::vector<Rect> r;
  add_children(&r, Main_menubar);
  r.push_back(rect_of(XtParent(Main_status)));
  for (Widget w : {Main_hsurf_tggl, Main_hline_tggl, Main_cursor_tggl, Main_line_tggl,
                   Main_plane_tggl, Main_axis_tggl, Main_fastdisplay_tggl, Main_showlegend_but,
                   Main_info_button})
    r.push_back(rect_of(w));
  add_children(&r, Qedit_transficon_rowcol);
  add_children(&r, Main_transfbut_form);
  for (int i = 0; i < 7; i++) r.push_back(rect_of(Main_viewpos_buttons[i]));
  r.push_back(rect_of(Main_tooltips_tggl));
  return r;
}

bool overlap(const Rect &a, const Rect &b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

// Resizes the main shell (no window manager: the size is taken as asked)
// and lets the layout follow.
void resize_main(int width, int height) {
  XtVaSetValues(Main_win[0], XmNwidth, width, XmNheight, height, nullptr);
  qtest::inproc_wait_for(
      [=] {
        Dimension w = 0, h = 0;
        XtVaGetValues(Main_control_form, XmNwidth, &w, XmNheight, &h, nullptr);
        return w == width && h == height;
      },
      3000);
  qtest::inproc_wait_for([] { return false; }, 300);
}

void expect_laid_out(int width, int height, const char *what) {
  std::vector<Rect> r = controls();
  ASSERT_GT(r.size(), 30u);
  for (const Rect &c : r) {
    EXPECT_GT(c.w, 0) << what << ": " << c.name;
    EXPECT_GE(c.x, 0) << what << ": " << c.name;
    EXPECT_GE(c.y, 0) << what << ": " << c.name;
    EXPECT_LE(c.x + c.w, width) << what << ": " << c.name << " at " << c.x << "+" << c.w;
    EXPECT_LE(c.y + c.h, height) << what << ": " << c.name << " at " << c.y << "+" << c.h;
  }
  for (size_t i = 0; i < r.size(); i++)
    for (size_t j = i + 1; j < r.size(); j++)
      EXPECT_FALSE(overlap(r[i], r[j]))
          << what << ": " << r[i].name << " (" << r[i].x << "," << r[i].y << " " << r[i].w << "x"
          << r[i].h << ") and " << r[j].name << " (" << r[j].x << "," << r[j].y << " " << r[j].w
          << "x" << r[j].h << ")";
}

void check_sizes(int screen_w, int screen_h) {
  int min_w = 0, min_h = 0;
  XtVaGetValues(Main_win[0], XmNminWidth, &min_w, XmNminHeight, &min_h, nullptr);
  ASSERT_GT(min_w, 0);
  ASSERT_GT(min_h, 0);
  EXPECT_LE(min_w, screen_w);
  EXPECT_LE(min_h, screen_h);
  resize_main(min_w, min_h);
  expect_laid_out(min_w, min_h, "at the minimum");
  // The widths of the report (700 and 420 pixels) and the default one.
  for (int width : {420, 700, 910})
    if (width >= min_w && width <= screen_w) {
      resize_main(width, min_h);
      expect_laid_out(width, min_h, ("at width " + std::to_string(width)).c_str());
    }
}

TEST(MainWindowResize, MinimumSizeOnAFullScreen) {
  ASSERT_TRUE(qtest::inproc_main_window());
  EXPECT_EQ(main_layout_toggle_lines(), 1) << "the built layout at the default width";
  EXPECT_EQ(main_layout_bottom_lines(), 1);
  EXPECT_EQ(main_layout_status_below(), 0);
  check_sizes(1280, 1024);
  // Back to the default width, the built layout.
  resize_main(910, 1023);
  EXPECT_EQ(main_layout_toggle_lines(), 1);
  EXPECT_EQ(main_layout_bottom_lines(), 1);
  EXPECT_EQ(main_layout_status_below(), 0);
}

TEST(MainWindowResize, MinimumSizeOnASmallScreen) {
  ASSERT_TRUE(qtest::inproc_main_window(1024, 768, {"-smallscreen"}));
  Dimension width = 0;
  XtVaGetValues(Main_win[0], XmNwidth, &width, nullptr);
  int min_w = 0;
  XtVaGetValues(Main_win[0], XmNminWidth, &min_w, nullptr);
  EXPECT_LE(min_w, width) << "the shell opens no narrower than its minimum";
  expect_laid_out(width, 768, "as opened");
  check_sizes(1024, 768);
}

TEST(MainWindowResize, EnlargingGivesTheGraphicsAreaTheSpace) {
  ASSERT_TRUE(qtest::inproc_main_window());
  resize_main(910, 900);
  Rect before = rect_of(Graphics_form);
  resize_main(1000, 1000);
  Rect after = rect_of(Graphics_form);
  EXPECT_EQ(after.w - before.w, 90);
  EXPECT_EQ(after.h - before.h, 100);
}

TEST(MainWindowFeatureStrip, ArrowsWheneverIconsAreHidden) {
  ASSERT_TRUE(qtest::inproc_main_window());
  // At the default 910 pixels not all 18 icons fit on the strip's row.
  EXPECT_TRUE(XtIsManaged(Main_featscroll_up));
  EXPECT_TRUE(XtIsManaged(Main_featscroll_down));
  resize_main(1270, 1000);  // every icon on one row
  EXPECT_FALSE(XtIsManaged(Main_featscroll_up));
  EXPECT_FALSE(XtIsManaged(Main_featscroll_down));
  resize_main(700, 1000);  // narrower again
  EXPECT_TRUE(XtIsManaged(Main_featscroll_up));
  EXPECT_TRUE(XtIsManaged(Main_featscroll_down));
}

}  // namespace
