// The viewport attribute dialogs on the test X server, their widgets found
// by name: typed fields apply through Enter, the arrows clamp, refusals show
// their messages, and a change with nothing selected goes to the defaults
// with the notice until it is switched off.
#include <gtest/gtest.h>

#include <Xm/ArrowBG.h>
#include <Xm/TextF.h>

#include <string>
#include <vector>

#include "client/command_dlog.h"
#include "record_capture.h"
#include "view/background_editor.h"
#include "view/ui/viewport_dialogs.h"
#include "view/ui/viewport_panel.h"
#include "view/viewp_cmdproc.h"
#include "view/viewports.h"
#include "xt_shell.h"

namespace {

class ViewportDialogs : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(qtest::xt_ui_shell());
    viewp_dialogs_install();
    global_init_viewports();
    for (int k = 0; k < 2; k++) ASSERT_EQ(make_new_viewport(), 1);
    select({1});
    Default_viewpedit_notify = 1;
    for (auto cb : {viewp_colorattr_manageCB, viewp_locaattr_manageCB}) cb(nullptr, nullptr, nullptr);
    qtest::xt_take_error();
  }
  void TearDown() override {
    viewp_colorattr_closeCB(nullptr, nullptr, nullptr);
    if (Viewp_locaattr_dialog) XtUnmanageChild(Viewp_locaattr_dialog);
    if (Viewp_defeditnotify_dialog) XtUnmanageChild(Viewp_defeditnotify_dialog);
    Viewp_windep = {};
  }
  static void select(std::vector<int> ids) {
    int n = (int)ids.size();
    current_selected_viewports(&n, ids.data(), 1);
    viewp_icons_refresh();
  }
  static Widget find(Widget dialog, const char *name) {
    Widget w = XtNameToWidget(dialog, (std::string("*") + name).c_str());
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  static Widget bg(const char *name) { return find(Viewp_bgcolorattr_dialog, name); }
  static void blend(int v, std::vector<float> positions) {
    float *a = Viewports[v].attributes;
    a[VP_BACKGROUND_TYPE] = 3;
    a[VP_BLEND_LEVELS] = (float)positions.size();
    for (size_t k = 0; k < positions.size(); k++) a[VP_BLEND_POSITION + k] = positions[k];
  }
  static void arm(Widget arrow) { XtCallCallbacks(arrow, XmNarmCallback, nullptr); }
  static void activate(Widget arrow) { XtCallCallbacks(arrow, XmNactivateCallback, nullptr); }
};

TEST_F(ViewportDialogs, EnterInTheConstantGreenAppliesAllThreeAsOneLine) {
  XmTextFieldSetString(bg("ViewpBgClrConstRedTextF"), const_cast<char *>("0.1"));
  XmTextFieldSetString(bg("ViewpBgClrConstBluTextF"), const_cast<char *>("0.3"));
  Widget green = bg("ViewpBgClrConstGrnTextF");
  std::string rec = qtest::recorded_lines([green] { qtest::xt_enter_text(green, "0.2"); });
  EXPECT_EQ(rec, "viewport: constant_rgb 1.0000e-01 2.0000e-01 3.0000e-01\n");
  const float *a = Viewports[1].attributes;
  EXPECT_EQ(std::vector<float>(a + VP_CONSTANT_RGB, a + VP_CONSTANT_RGB + 3),
            (std::vector<float>{0.1f, 0.2f, 0.3f}));
}

TEST_F(ViewportDialogs, OriginXWithTwoSelectedMovesBothHorizontallyOnly) {
  select({1, 2});
  const float y1 = Viewports[1].attributes[VP_ORIGIN_Y], y2 = Viewports[2].attributes[VP_ORIGIN_Y];
  XmTextFieldSetString(find(Viewp_locaattr_dialog, "ViewpOrigYText"), const_cast<char *>("0.9"));
  qtest::xt_enter_text(find(Viewp_locaattr_dialog, "ViewpOrigXText"), "0.05");
  for (int v : {1, 2}) EXPECT_FLOAT_EQ(Viewports[v].attributes[VP_ORIGIN_X], 0.05f) << v;
  EXPECT_EQ(Viewports[1].attributes[VP_ORIGIN_Y], y1);
  EXPECT_EQ(Viewports[2].attributes[VP_ORIGIN_Y], y2);

  select({1});
  XmTextFieldSetString(find(Viewp_locaattr_dialog, "ViewpOrigYText"), const_cast<char *>("0.6"));
  qtest::xt_enter_text(find(Viewp_locaattr_dialog, "ViewpOrigXText"), "0.1");
  EXPECT_FLOAT_EQ(Viewports[1].attributes[VP_ORIGIN_Y], 0.6f) << "one selected: both fields apply";
}

TEST_F(ViewportDialogs, PositionArrowsActOnPressAndClamp) {
  blend(1, {0, 0.98f, 1});
  Viewports[1].blend_edit_level = 1;
  viewp_bgcolorattr_init();
  EXPECT_EQ(qtest::xt_field_text(bg("ViewpBgClrBlendPosTextF")), "0.98");
  arm(bg("ViewpBgClrBlendPosUpArrow"));
  EXPECT_FLOAT_EQ(Viewports[1].attributes[VP_BLEND_POSITION + 1], 1.0f);
  EXPECT_EQ(qtest::xt_field_text(bg("ViewpBgClrBlendPosTextF")), "1.00");
}

TEST_F(ViewportDialogs, LevelArrowsStopAtOneAndTheSmallestCount) {
  blend(1, {0, 0.5f, 1});
  blend(2, {0, 0.3f, 0.6f, 1});
  select({1, 2});
  Viewports[1].blend_edit_level = 2;
  viewp_bgcolorattr_init();
  activate(bg("ViewpBgClrBlendUpArrow"));
  EXPECT_EQ(Viewports[1].blend_edit_level, 2);
  EXPECT_EQ(qtest::xt_field_text(bg("ViewpBgClrBlendEdLevTextF")), " 3");
  for (int k = 0; k < 3; k++) activate(bg("ViewpBgClrBlendDnArrow"));
  EXPECT_EQ(Viewports[1].blend_edit_level, 0);
  EXPECT_EQ(qtest::xt_field_text(bg("ViewpBgClrBlendEdLevTextF")), " 1");
}

TEST_F(ViewportDialogs, PositionOfEditLevelOneIsRefused) {
  blend(1, {0, 0.5f, 1});
  Viewports[1].blend_edit_level = 0;
  viewp_bgcolorattr_init();
  qtest::xt_enter_text(bg("ViewpBgClrBlendPosTextF"), "0.2");
  EXPECT_EQ(qtest::xt_take_error(), "ERROR: Can't change position of edit level 1 or the max level.");
  EXPECT_EQ(Viewports[1].attributes[VP_BLEND_POSITION], 0.0f);
}

TEST_F(ViewportDialogs, WithNothingSelectedChangesGoToTheDefaultsWithTheNotice) {
  select({});
  const float before = Viewports[1].attributes[VP_WIDTH];
  qtest::xt_enter_text(find(Viewp_locaattr_dialog, "ViewpWidthText"), "0.4");
  EXPECT_FLOAT_EQ(Viewport_defaults[VP_WIDTH], 0.4f);
  EXPECT_EQ(Viewports[1].attributes[VP_WIDTH], before);
  ASSERT_NE(Viewp_defeditnotify_dialog, nullptr);
  EXPECT_TRUE(XtIsManaged(Viewp_defeditnotify_dialog));
  EXPECT_NE(find(Viewp_defeditnotify_dialog, "ViewpDefEdNotifyLabelG"), nullptr);

  qtest::xt_activate(find(Viewp_defeditnotify_dialog, "ViewpDefEdNotifyOkayPushBG"));
  EXPECT_FALSE(XtIsManaged(Viewp_defeditnotify_dialog));
  qtest::xt_enter_text(find(Viewp_locaattr_dialog, "ViewpWidthText"), "0.3");
  EXPECT_TRUE(XtIsManaged(Viewp_defeditnotify_dialog)) << "\"Okay\" only closes it";

  qtest::xt_activate(find(Viewp_defeditnotify_dialog, "ViewpDefEdNotifyOkayAndPushBG"));
  EXPECT_FALSE(XtIsManaged(Viewp_defeditnotify_dialog));
  qtest::xt_enter_text(find(Viewp_locaattr_dialog, "ViewpWidthText"), "0.25");
  EXPECT_FLOAT_EQ(Viewport_defaults[VP_WIDTH], 0.25f);
  EXPECT_FALSE(XtIsManaged(Viewp_defeditnotify_dialog)) << "not shown again";
}

TEST_F(ViewportDialogs, BackgroundTypeSwitchesTheSections) {
  struct {
    int type;
    bool section, constant, blended;
  } cases[] = {{2, true, true, false}, {3, true, false, true}, {1, false, false, false}};
  for (const auto &c : cases) {
    Viewports[1].attributes[VP_BACKGROUND_TYPE] = (float)c.type;
    viewp_bgcolorattr_init();
    EXPECT_EQ(XtIsSensitive(Viewp_bgcolorsect_form) == True, c.section) << c.type;
    if (c.section) {
      EXPECT_EQ(XtIsSensitive(Viewp_bgconst_form) == True, c.constant) << c.type;
      EXPECT_EQ(XtIsSensitive(Viewp_bgblend_form) == True, c.blended) << c.type;
    }
  }
}

TEST_F(ViewportDialogs, OpeningAgainReusesTheWidgetsAndRefills) {
  Widget dialog = Viewp_locaattr_dialog;
  Viewports[1].attributes[VP_ORIGIN_X] = 0.125f;
  viewp_locaattr_manageCB(nullptr, nullptr, nullptr);
  EXPECT_EQ(Viewp_locaattr_dialog, dialog);
  EXPECT_EQ(qtest::xt_field_text(find(Viewp_locaattr_dialog, "ViewpOrigXText")), "0.125");
}

}  // namespace
