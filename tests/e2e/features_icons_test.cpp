// The feature icon strip and the quick-interaction area as real widgets:
// the press, the highlight, the panel switch, scrolling and resizing.
#include <gtest/gtest.h>
#include <Xm/Form.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/ScrollBar.h>
#include <Xm/ScrolledW.h>

#include <string>
#include <vector>

#include "test_part_list.h"
#include "client/startup.h"
#include "harness.h"
#include "ui/feature_icons.h"
#include "ui/interf_init.h"
#include "ui/main_window.h"
#include "ui/part_list.h"
#include "xt_shell.h"

namespace {

struct BuilderCall {
  Widget parent = nullptr;
  std::vector<int> internal, numbers;
};
std::vector<std::pair<int, BuilderCall>> Calls;  // (feature, call)

// A builder keeping to the contract: a panel made on first use (unmanaged)
// and stored in its row; the call recorded.
template <int Feature>
int panel_builder(Widget parent, int count, int *internal, int *numbers) {
  BuilderCall c;
  c.parent = parent;
  if (count > 0) {
    c.internal.assign(internal, internal + count);
    c.numbers.assign(numbers, numbers + count);
  }
  Calls.push_back({Feature, c});
  if (!parent && !Feature_tbl[Feature].panel) return 0;
  if (!Feature_tbl[Feature].panel)
    Feature_tbl[Feature].panel = XmCreateForm(parent, const_cast<char *>("panel"), nullptr, 0);
  return 1;
}

Pixel background(Widget w) {
  Pixel p = 0;
  XtVaGetValues(w, XmNbackground, &p, nullptr);
  return p;
}

class FeatureStrip : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(qtest::xt_ui_shell());
    Widget form = qtest::xt_shell().form;
    Main_featureicon_scrollwin = XtVaCreateWidget("mainfeatScrollWin", xmScrolledWindowWidgetClass,
                                                  form, XmNscrollingPolicy, XmAUTOMATIC,
                                                  XmNwidth, 40, nullptr);
    Widget vbar = nullptr;
    XtVaGetValues(Main_featureicon_scrollwin, XmNverticalScrollBar, &vbar, nullptr);
    feature_strip_scrollbars(vbar, nullptr);
    Main_featureicon_rowcol = XtVaCreateManagedWidget(
        "mainfeatRowColumn", xmRowColumnWidgetClass, Main_featureicon_scrollwin, nullptr);
    Main_featscroll_up = XtVaCreateManagedWidget("up", xmPushButtonWidgetClass, form, nullptr);
    Main_featscroll_down = XtVaCreateManagedWidget("dn", xmPushButtonWidgetClass, form, nullptr);
    Main_interact_rowcol =
        XtVaCreateManagedWidget("maininteractRowCol", xmRowColumnWidgetClass, form, nullptr);
    display_main_feature_icons();
    Feature_tbl[0].builder = panel_builder<0>;
    Feature_tbl[1].builder = panel_builder<1>;
  }
  void SetUp() override {
    Calls.clear();
    qtest::fill_parts_and_list(qtest::sample_parts());
  }
  void TearDown() override { qtest::clear_parts_and_list(); }
};

TEST_F(FeatureStrip, ButtonsInTheirOrderNamedByRow) {
  WidgetList kids = nullptr;
  Cardinal n = 0;
  XtVaGetValues(Main_featureicon_rowcol, XmNchildren, &kids, XmNnumChildren, &n, nullptr);
  ASSERT_EQ(n, static_cast<Cardinal>(FEATURE_ROWS));
  EXPECT_STREQ(XtName(kids[0]), "feature0");
  EXPECT_STREQ(XtName(kids[8]), "feature11");   // order 9 is Displace
  EXPECT_STREQ(XtName(kids[9]), "feature12");   // order 10 Query
  EXPECT_STREQ(XtName(kids[17]), "feature6");   // Tensor Glyphs, order 18
  unsigned char type = 0;
  XtVaGetValues(Feature_tbl[0].button, XmNlabelType, &type, nullptr);
  EXPECT_EQ(type, XmPIXMAP);
}

TEST_F(FeatureStrip, PressHighlightsAndShowsThePanelWithTheDefaults) {
  Pixel normal = background(Feature_tbl[1].button);
  qtest::xt_activate(Feature_tbl[0].button);  // no part selected
  EXPECT_EQ(Interact_area_current, 0);
  EXPECT_EQ(background(Feature_tbl[0].button), Green.pixel);
  ASSERT_EQ(Calls.size(), 1u);
  EXPECT_EQ(Calls[0].second.parent, Main_interact_rowcol);
  EXPECT_EQ(Calls[0].second.internal, (std::vector<int>{-1}));
  EXPECT_EQ(Calls[0].second.numbers, (std::vector<int>{-1}));
  ASSERT_NE(Feature_tbl[0].panel, nullptr);
  EXPECT_TRUE(XtIsManaged(Feature_tbl[0].panel));

  // Another icon: the highlight and the panel move.
  qtest::xt_activate(Feature_tbl[1].button);
  EXPECT_EQ(background(Feature_tbl[0].button), normal);
  EXPECT_EQ(background(Feature_tbl[1].button), Green.pixel);
  EXPECT_FALSE(XtIsManaged(Feature_tbl[0].panel));
  EXPECT_TRUE(XtIsManaged(Feature_tbl[1].panel));

  // Calculator: highlighted, no panel at all.
  qtest::xt_activate(Feature_tbl[FEATURE_CALCULATOR].button);
  EXPECT_EQ(Interact_area_current, FEATURE_CALCULATOR);
  EXPECT_EQ(background(Feature_tbl[FEATURE_CALCULATOR].button), Green.pixel);
  EXPECT_FALSE(XtIsManaged(Feature_tbl[1].panel));
}

TEST_F(FeatureStrip, SelectedPartsFillThePanelAndDoubleClickUsesTheDefaults) {
  // Without a list widget nothing is selected; the builder then gets the
  // defaults, not all parts.
  main_feature_manage(0, 1);
  ASSERT_EQ(Calls.size(), 1u);
  EXPECT_EQ(Calls[0].second.numbers, (std::vector<int>{-1}));
  main_feature_manage(0, 2);
  ASSERT_EQ(Calls.size(), 2u);
  EXPECT_EQ(Calls[1].second.internal, (std::vector<int>{-1}));
  EXPECT_TRUE(XtIsManaged(Feature_tbl[0].panel));
  // A double click on a feature without an editor section switches nothing.
  main_feature_manage(12, 2);
  EXPECT_EQ(Interact_area_current, 0);
}

// The rows follow the icons' real width (button and spacing), so that the
// arrows show whenever an icon is on a row the strip does not show.
TEST_F(FeatureStrip, ResizeSetsRowsArrowsAndScrollRange) {
  Dimension button = 0, spacing = 0;
  XtVaGetValues(Feature_tbl[0].button, XmNwidth, &button, nullptr);
  XtVaGetValues(Main_featureicon_rowcol, XmNspacing, &spacing, nullptr);
  const int step = button + spacing;
  ASSERT_GT(step, 0);
  struct Case {
    int visible;
    int width;
    bool arrows;
    int maximum;
  } cases[] = {
      {5, 44 + 2 * step, true, 130},     // two icons per row, three rows
      {18, 90, true, 781},               // narrower than one icon: one per row
      {18, 44 + 18 * step, false, 43},   // all in one row
      {18, 44 + 18 * step - 1, true, 86},  // one pixel less: the last icon wraps
      {5, 44 + 5 * step, false, 43},     // five visible icons on one row
  };
  for (const Case &c : cases) {
    for (int r = 0; r < FEATURE_ROWS; r++) Feature_tbl[r].visible = r < c.visible;
    main_featureicon_resize(c.width, 300, nullptr);
    EXPECT_EQ(XtIsManaged(Main_featscroll_up), c.arrows) << c.width;
    EXPECT_EQ(XtIsManaged(Main_featscroll_down), c.arrows) << c.width;
    Widget vbar = nullptr;
    int maximum = 0;
    XtVaGetValues(Main_featureicon_scrollwin, XmNverticalScrollBar, &vbar, nullptr);
    XtVaGetValues(vbar, XmNmaximum, &maximum, nullptr);
    EXPECT_EQ(maximum, c.maximum) << c.width;
  }
  for (Feature_rec &r : Feature_tbl) r.visible = 1;
  main_feat_panel_reconfig(FEATURE_ROWS, Feature_tbl);
}

TEST_F(FeatureStrip, ArrowsStepOneIconRow) {
  Widget vbar = nullptr;
  XtVaGetValues(Main_featureicon_scrollwin, XmNverticalScrollBar, &vbar, nullptr);
  XmScrollBarSetValues(vbar, 0, 30, 1, 30, False);
  XtVaSetValues(vbar, XmNminimum, 0, XmNmaximum, 130, nullptr);
  main_featurescroll_chngCB(nullptr, (XtPointer)1, nullptr);
  int value = -1, slider = 0;
  XtVaGetValues(vbar, XmNvalue, &value, XmNsliderSize, &slider, nullptr);
  EXPECT_EQ(value, 43);
  EXPECT_EQ(slider, 43);
  main_featurescroll_chngCB(nullptr, (XtPointer)0, nullptr);
  XtVaGetValues(vbar, XmNvalue, &value, nullptr);
  EXPECT_EQ(value, 0);
}

}  // namespace
