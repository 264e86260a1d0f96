// The "viewport:" lines, the panel's operations and what they record, the
// stacking moves, links, copy and the overlap list, without a display: a
// screen that draws nothing stands in and counts the full redraws.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "client/cmd_play.h"
#include "client/command_dlog.h"
#include "client/screen.h"
#include "harness.h"
#include "interact/movmnt.h"
#include "record_capture.h"
#include "render/display.h"
#include "test_parts.h"
#include "view/viewer_services.h"
#include "view/viewer_state.h"
#include "view/viewp_cmdproc.h"
#include "view/viewport_redraw.h"
#include "view/viewport_select.h"
#include "view/viewports.h"
#include "viewport_test_screen.h"

namespace {

using vptest::Redraws;
using vptest::selected;
using vptest::stacking;

float slot(int v, int s) { return Viewports[v].attributes[s]; }


std::vector<int> working() {
  return std::vector<int>(Viewp_wrking_viewpids, Viewp_wrking_viewpids + Viewp_wrking_viewpcnt);
}

void select(std::vector<int> list) {
  int count = (int)list.size();
  current_selected_viewports(&count, list.data(), 1);
}

using vptest::run;

// Viewports 0..n-1 in use, in that stacking order.
void make_viewports(int n) {
  for (int v = 1; v < n; v++) ASSERT_EQ(make_new_viewport(), 1);
}

// The stacking order and the in-use flags set directly.
void stack(const std::vector<int> &order) {
  for (Viewport_rec &vp : Viewports) vp.in_use = 0;
  Num_active_viewports = (int)order.size();
  for (size_t i = 0; i < order.size(); i++) {
    Viewport_display_order[i] = order[i];
    Viewports[order[i]].in_use = 1;
  }
}

void place(int v, float x, float y, float w, float h, float visible = 1.0f) {
  float *a = Viewports[v].attributes;
  a[VP_ORIGIN_X] = x;
  a[VP_ORIGIN_Y] = y;
  a[VP_WIDTH] = w;
  a[VP_HEIGHT] = h;
  a[VP_VISIBLE] = visible;
}

class ViewportCommands : public testing::Test {
 protected:
  void SetUp() override {
    vptest::fresh_viewports();
    Viewp_wrking_viewpcnt = 0;
    Current_mode = 1;
    Recrdr = 0;
    cmd_select_reset();
    Redraws = 0;
  }
  void TearDown() override {
    screen_install(nullptr);
    qtest::clear_parts();
    Current_mode = 1;
    cmd_select_reset();
  }
};

// ---- the lines -----------------------------------------------------------------------------

struct Line_case {
  const char *name;
  std::vector<std::string> before;  // lines that must pass first
  std::string line;
  int result;                       // 1 or -1
  const char *message;              // text the error box shows, "" for none
  std::function<void()> check;
};

TEST_F(ViewportCommands, LinesTakeTheirValuesOrAreRefusedWhole) {
  const std::string sel1 = "viewport: select_begin\n 1\nviewport: select_end";
  const Line_case cases[] = {
      {"edit level 0", {}, "viewport: blend_editlevel 0", -1,
       "Edit level must be > 1 and < the max number of levels for all viewports selected.", [] {}},
      {"edit level above the smallest count",
       {"viewport: new", "viewport: new", "viewport: select_begin", " 1 2", "viewport: select_end",
        "viewport: blend_levels 3", "viewport: select_begin", " 2", "viewport: select_end",
        "viewport: blend_levels 5", "viewport: select_begin", " 1 2", "viewport: select_end"},
       "viewport: blend_editlevel 4", -1, "Edit level must be", [] {}},
      {"edit level at the smallest count",
       {"viewport: new", "viewport: new", "viewport: select_begin", " 1 2", "viewport: select_end",
        "viewport: blend_levels 3"},
       "viewport: blend_editlevel 3", 1, "",
       [] { EXPECT_EQ(Viewports[1].blend_edit_level, 2); }},
      {"six levels", {}, "viewport: blend_levels 6", -1,
       "Number of blended levels should be in range: [2, 5].", [] {}},
      {"one level", {}, "viewport: blend_levels 1", -1, "Number of blended levels", [] {}},
      {"five levels", {"viewport: select_begin", " 0", "viewport: select_end"},
       "viewport: blend_levels 5", 1, "", [] { EXPECT_EQ(slot(0, VP_BLEND_LEVELS), 5.0f); }},
      {"visible yes is off", {"viewport: new"}, "viewport: visible yes", 1, "",
       [] { EXPECT_EQ(Viewport_defaults[VP_VISIBLE], 0.0f); }},
      {"visible on", {"viewport: select_begin", " 0", "viewport: select_end"},
       "viewport: visible ON", 1, "", [] { EXPECT_EQ(slot(0, VP_VISIBLE), 1.0f); }},
      {"new 3 while 3 exists", {"viewport: new", "viewport: new", "viewport: new"},
       "viewport: new 3", 1, "", [] { EXPECT_EQ(Num_active_viewports, 4); }},
      {"new 5 takes the first free slot", {"viewport: new"}, "viewport: new_or_mod 5", 1, "",
       [] { EXPECT_EQ(stacking(), (std::vector<int>{0, 1, 2})); }},
      {"not_used", {}, "viewport: not_used", 1, "viewport: Bad command.", [] {}},
      {"select all", {"viewport: new", "viewport: new", "viewport: select_default"},
       "viewport: select_all", 1, "",
       [] {
         EXPECT_EQ(working(), (std::vector<int>{0, 1, 2}));
         EXPECT_EQ(selected(), (std::vector<int>{0, 1, 2}));
       }},
      {"edit level without a selection", {"viewport: select_default"}, "viewport: blend_editlevel 7",
       1, "", [] { EXPECT_EQ(Viewports[0].blend_edit_level, 0); }},
      {"placeholder row", {"viewport: select_begin", " 0", "viewport: select_end"},
       "viewport: 1 0.5 0.5 0.5", -1, "viewport: Bad command.",
       [] {
         EXPECT_EQ(slot(0, 6), 0.0f);
         EXPECT_EQ(slot(0, VP_BACKGROUND_TYPE), 2.0f);
       }},
      {"unknown keyword", {}, "viewport: frobnicate", -1, "Illegal viewport command.", [] {}},
      {"bad background type", {}, "viewport: background_type fuzzy", -1,
       "viewport: background type - Bad command parameter", [] {}},
      {"bad layout", {}, "viewport: viewport_layout five", -1,
       "viewport: layout type - Bad command parameter", [] {}},
      {"bad colour number", {}, "viewport: border_rgb 1 x 0", -1,
       "viewport: color - Bad command parameter", [] {}},
      {"border colour out of range", {"viewport: select_begin", " 0", "viewport: select_end"},
       "viewport: border_rgb 1 0.5 2", -1,
       "Illegal border color component, RGB should be in range: [0, 1].",
       [] {
         EXPECT_EQ(slot(0, VP_BORDER_RGB), 1.0f);
         EXPECT_EQ(slot(0, VP_BORDER_RGB + 1), 1.0f);
       }},
      {"origin at the right edge", {"viewport: select_begin", " 0", "viewport: select_end"},
       "viewport: origin_x 1", 1, "", [] { EXPECT_EQ(slot(0, VP_ORIGIN_X), 1.0f); }},
      {"origin left of the window", {}, "viewport: origin_x -0.01", -1,
       "Illegal x origin, should be in range: [0, 1].", [] {}},
      {"zero width", {"viewport: select_begin", " 0", "viewport: select_end"},
       "viewport: width 0", -1, "Illegal width, should be in range: (0, 1].",
       [] { EXPECT_EQ(slot(0, VP_WIDTH), 1.0f); }},
      {"zero height", {}, "viewport: height 0", -1, "Illegal height, should be in range: (0, 1].",
       [] {}},
      {"blend colour and position at the edit level",
       {"viewport: select_begin", " 0", "viewport: select_end", "viewport: blend_levels 4",
        "viewport: blend_editlevel 3"},
       "viewport: blend_rgb 1 0 0", 1, "",
       [] {
         EXPECT_EQ(slot(0, 18), 1.0f);
         EXPECT_EQ(slot(0, 19), 0.0f);
         EXPECT_EQ(run("viewport: blend_position 0.4"), 0 + viewp_category());
         EXPECT_FLOAT_EQ(slot(0, 29), 0.4f);
       }},
      {"defaults only after select_default", {"viewport: new", "viewport: select_default"},
       "viewport: border_rgb 1 0 0", 1, "",
       [] {
         EXPECT_EQ(slot(1, VP_BORDER_RGB + 1), 1.0f);
         EXPECT_EQ(Viewport_defaults[VP_BORDER_RGB + 1], 0.0f);
         ASSERT_EQ(run("viewport: new"), viewp_category());
         EXPECT_EQ(slot(2, VP_BORDER_RGB + 1), 0.0f);
       }},
      {"selection of a viewport not in use", {}, sel1, -1, "viewport: Bad viewport selection",
       [] { EXPECT_EQ(working(), std::vector<int>{}); }},
      {"selection repeating a viewport", {"viewport: new"},
       "viewport: select_begin\n 1 1\nviewport: select_end", -1, "viewport: Bad viewport selection",
       [] {}},
      {"selection longer than the table", {},
       "viewport: select_begin\n 0 0 0 0 0 0 0 0 0 0\n 0 0 0 0 0 0 0\nviewport: select_end", -1,
       "viewport: Bad viewport selection", [] {}},
      {"stacking order without a selection", {"viewport: new", "viewport: select_default"},
       "viewport: stacking_order 0", -1, "viewport: Error setting stacking order.", [] {}},
      {"stacking order past the top", {"viewport: new", sel1}, "viewport: stacking_order 2", -1,
       "viewport: Error setting stacking order.",
       [] { EXPECT_EQ(stacking(), (std::vector<int>{0, 1})); }},
      {"stacking order within", {"viewport: new", sel1}, "viewport: stacking_order 0", 1, "",
       [] { EXPECT_EQ(stacking(), (std::vector<int>{1, 0})); }},
      {"bad stacking number", {}, "viewport: stacking_order x", -1,
       "viewport:  Bad stacking order command parameter", [] {}},
  };
  for (const Line_case &c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    auto lines = [](const std::string &text) {
      std::vector<std::string> out;
      size_t start = 0;
      for (size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
        out.push_back(text.substr(start, nl - start));
      out.push_back(text.substr(start));
      return out;
    };
    for (const std::string &b : c.before)
      for (const std::string &l : lines(b)) ASSERT_NE(run(l), -1) << l;
    std::vector<std::string> own = lines(c.line);
    for (size_t i = 0; i + 1 < own.size(); i++) ASSERT_NE(run(own[i]), -1) << own[i];
    std::string err;
    int r = run(own.back(), &err);
    EXPECT_EQ(r, c.result == 1 ? viewp_category() : -1);
    if (c.message[0])
      EXPECT_NE(err.find(c.message), std::string::npos) << err;
    else
      EXPECT_EQ(err, "");
    c.check();
    TearDown();
  }
}

TEST_F(ViewportCommands, SixteenthNewViewportFailsAndStopsTheFile) {
  qtest::TempDir dir("qviewp");
  std::string text = "VERSION 7.1\n";
  for (int i = 0; i < 16; i++) text += "viewport: new\n";
  text += "viewport: select_all\n";
  std::string path = dir.file("new.cmd");
  qtest::write_file(path, text);
  Cmd_play_delay_time = 0;
  testing::internal::CaptureStderr();
  cmdplay(path.c_str(), 0);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("Sorry, the maximum number of viewports has been reached."),
            std::string::npos);
  EXPECT_EQ(Num_active_viewports, 16);
  EXPECT_EQ(Viewp_wrking_viewpcnt, 0);  // the line after the failure did not run
  Cmd_play_quit_flag = Cmd_play_step_flag = Cmd_play_skip_flag = 0;
  Cmd_play_continue_flag = 0;
}

// ---- stacking -----------------------------------------------------------------------------

TEST_F(ViewportCommands, RaiseAndLowerMoveTheSelectedInNumberOrder) {
  struct {
    const char *line;
    std::vector<int> sel, after;
  } cases[] = {
      {"viewport: raise", {2, 5}, {0, 7, 2, 5}},
      {"viewport: lower", {5, 7}, {0, 7, 5, 2}},
      {"viewport: raise", {7}, {0, 2, 5, 7}},
      {"viewport: lower", {2}, {0, 2, 5, 7}},
      {"viewport: raise", {0}, {0, 2, 5, 7}},
      {"viewport: lower", {0}, {0, 2, 5, 7}},
  };
  for (const auto &c : cases) {
    stack({0, 2, 5, 7});
    select(c.sel);
    Redraws = 0;
    ASSERT_EQ(run(c.line), viewp_category());
    EXPECT_EQ(stacking(), c.after) << c.line;
    bool moved = c.after != std::vector<int>{0, 2, 5, 7};
    EXPECT_EQ(Redraws > 0, moved) << c.line;
  }
}

// ---- recording ---------------------------------------------------------------------------

TEST_F(ViewportCommands, PanelNewRaiseDeleteRecordTheirLinesAndTheSelection) {
  std::string rec = qtest::recorded_lines([] {
    viewp_icons_refresh();
    viewp_new(0);
    viewp_pushpop(1, 0);
    screen_console_script({"yes"});
    viewp_delete(0);
  });
  EXPECT_EQ(rec,
            "viewport: select_begin\n 0\nviewport: select_end\n"
            "viewport: new\nviewport: select_begin\n 1\nviewport: select_end\n"
            "viewport: raise\nviewport: delete\n"
            "viewport: select_begin\n 0\nviewport: select_end\n");
  EXPECT_EQ(Num_active_viewports, 1);
}

TEST_F(ViewportCommands, PanelDeleteOfTheMainViewportWarnsAndDeletesTheOthers) {
  make_viewports(3);
  select({0, 2});
  viewp_icons_refresh();
  testing::internal::CaptureStdout();
  std::string rec = qtest::recorded_lines([] { viewp_delete(0); });
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(rec, "viewport: delete\nviewport: select_begin\n 0\nviewport: select_end\n");
  EXPECT_NE(out.find("WARNING: The main viewport cannot be deleted - request ignored!."),
            std::string::npos);
  EXPECT_EQ(stacking(), (std::vector<int>{0, 1}));
}

TEST_F(ViewportCommands, PanelDeleteAsksAndACancelKeepsTheViewport) {
  make_viewports(2);
  viewp_icons_refresh();
  screen_console_script({"cancel"});
  std::string rec = qtest::recorded_lines([] { viewp_delete(0); });
  EXPECT_EQ(rec, "");
  EXPECT_EQ(Num_active_viewports, 2);
}

TEST_F(ViewportCommands, SelectionOfTwelveRecordsTenAndTwoOnceOnly) {
  make_viewports(12);
  select({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
  std::string first = qtest::recorded_lines([] { viewp_icons_refresh(); });
  EXPECT_EQ(first,
            "viewport: select_begin\n 0 1 2 3 4 5 6 7 8 9\n 10 11\nviewport: select_end\n");
  std::string again = qtest::recorded_lines([] { viewp_icons_refresh(); });
  EXPECT_EQ(again, "");
  select({});
  EXPECT_EQ(qtest::recorded_lines([] { viewp_icons_refresh(); }), "viewport: select_default\n");
}

TEST_F(ViewportCommands, AllAttributesOfAThreeLevelViewportReplayToTheSameViewport) {
  float a[VIEWPORT_ATTRS];
  memcpy(a, Viewports[0].attributes, sizeof a);
  a[VP_BLEND_LEVELS] = 3;
  a[VP_BLEND_RGB + 6] = 1.0f;  // level 3 red
  a[VP_BLEND_POSITION + 1] = 0.25f;
  a[VP_BACKGROUND_TYPE] = 3;
  std::string rec = qtest::recorded_lines([&] { viewp_rec_allattrs(a); });
  std::vector<std::string> lines;
  for (size_t s = 0, nl; (nl = rec.find('\n', s)) != std::string::npos; s = nl + 1)
    lines.push_back(rec.substr(s, nl - s));
  ASSERT_EQ(lines.size(), 24u) << rec;
  EXPECT_EQ(lines[0], "viewport: view_dimension 3D");
  EXPECT_EQ(lines[4], "viewport: background_type blended");
  EXPECT_EQ(lines[14], "viewport: perspective ON");
  EXPECT_EQ(lines[18], "viewport: blend_editlevel 2");
  EXPECT_EQ(lines[20], "viewport: blend_position 2.5000e-01");
  EXPECT_EQ(lines[22], "viewport: blend_rgb 1.0000e+00 0.0000e+00 0.0000e+00");

  // Played back into viewport 1 the levels land where they were.
  ASSERT_EQ(make_new_viewport(), 1);
  ASSERT_NE(run("viewport: select_begin"), -1);
  ASSERT_NE(run(" 1"), -1);
  ASSERT_NE(run("viewport: select_end"), -1);
  for (const std::string &l : lines) ASSERT_NE(run(l), -1) << l;
  EXPECT_EQ(slot(1, VP_BLEND_LEVELS), 3.0f);
  EXPECT_EQ(slot(1, VP_BLEND_RGB + 6), 1.0f);
  EXPECT_FLOAT_EQ(slot(1, VP_BLEND_POSITION + 1), 0.25f);
  EXPECT_EQ(slot(1, VP_BACKGROUND_TYPE), 3.0f);
}

// ---- dialog changes ------------------------------------------------------------------------

TEST_F(ViewportCommands, DialogChangesApplyToEveryTargetAndRecordOnce) {
  make_viewports(3);
  int refreshed = -1;
  static int *seen;
  seen = &refreshed;
  Viewp_windep.refresh = [](int code) { *seen = code; };
  select({1, 2});
  viewp_icons_refresh();
  // Two targets: an x typed alone moves both horizontally only.
  const float x[2] = {0.5f, 0.9f};
  std::string rec = qtest::recorded_lines([&] { viewp_attr_updt(1, VP_ORIGIN_X, x, 1); });
  EXPECT_EQ(rec, "viewport: origin_x 5.0000e-01\n");
  EXPECT_EQ(slot(1, VP_ORIGIN_X), 0.5f);
  EXPECT_EQ(slot(2, VP_ORIGIN_X), 0.5f);
  EXPECT_NE(slot(1, VP_ORIGIN_Y), 0.9f);
  EXPECT_EQ(refreshed, 1);

  // One target: x and y come together.
  select({1});
  viewp_icons_refresh();
  viewp_attr_updt(1, VP_ORIGIN_X, x, 1);
  EXPECT_FLOAT_EQ(slot(1, VP_ORIGIN_Y), 0.9f);

  // A blend colour goes to its level; the background refresh draws no viewport.
  Redraws = 0;
  const float rgb[3] = {0.25f, 0.5f, 1};
  rec = qtest::recorded_lines([&] { viewp_attr_updt(2, VP_BLEND_RGB, rgb, 0); });
  EXPECT_EQ(rec, "viewport: blend_rgb 2.5000e-01 5.0000e-01 1.0000e+00\n");
  EXPECT_EQ(slot(1, VP_BLEND_RGB + 5), 1.0f);
  EXPECT_EQ(refreshed, 0);
  EXPECT_EQ(Redraws, 0);

  // A refused value changes nothing, records nothing, and still refreshes.
  refreshed = -1;
  const float bad[3] = {2, 0, 0};
  testing::internal::CaptureStderr();
  rec = qtest::recorded_lines([&] { viewp_attr_updt(1, VP_BORDER_RGB, bad, 2); });
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(rec, "");
  EXPECT_EQ(slot(1, VP_BORDER_RGB), 1.0f);
  EXPECT_EQ(refreshed, 2);
  Viewp_windep = Viewp_windep_hooks{};
}

// ---- links, copy, picking -----------------------------------------------------------------

TEST_F(ViewportCommands, OneLinkedViewportIsNoLink) {
  make_viewports(3);
  select({1});
  set_unset_viewport_locks(1);
  int count = -1, list[MAX_VIEWPORTS];
  viewport_locks(&count, list, 0);
  EXPECT_EQ(are_viewports_are_locked(), 0);
  EXPECT_EQ(count, 0);
  select({1, 2});
  set_unset_viewport_locks(1);
  viewport_locks(&count, list, 0);
  EXPECT_EQ(are_viewports_are_locked(), 1);
  EXPECT_EQ(std::vector<int>(list, list + count), (std::vector<int>{1, 2}));
}

TEST_F(ViewportCommands, PasteCopiesTheSourceToTheOtherSelectedViewports) {
  make_viewports(3);
  Viewport_current = 1;
  float at[3] = {1, 2, 3}, from[3] = {1, 2, 9}, m[16], D = 6;
  int4x4(m);
  m[12] = 0.5f;
  view_param(at, from, m, &D, 1);
  select({1});
  ASSERT_EQ(set_copy_from_viewport(), 1);
  select({1, 2});
  EXPECT_EQ(set_copy_from_viewport(), -1);
  paste_viewport_transform();
  EXPECT_EQ(Viewport_copy_from, 1);
  float got_at[3], got_from[3], got_m[16], got_D;
  for (int v : {2, 0}) {
    Viewport_current = v;
    view_param(got_at, got_from, got_m, &got_D, 0);
    EXPECT_EQ(got_from[2] == 9.0f, v == 2) << v;
    EXPECT_EQ(got_m[12] == 0.5f, v == 2) << v;
  }
}

TEST_F(ViewportCommands, TheTopMostViewportUnderThePointerWins) {
  stack({0, 1, 2});
  place(0, 0, 0, 1, 1);
  place(1, 0.1f, 0.1f, 0.5f, 0.5f);
  place(2, 0.3f, 0.3f, 0.5f, 0.5f, 0.0f);
  int v = -1;
  float aspect, iw, ih;
  get_current_viewport(160, 120, &v, &aspect, &iw, &ih, 1);  // (0.4, 0.4)
  EXPECT_EQ(v, 1);
  EXPECT_FLOAT_EQ(iw, 2.0f);
  Current_mode = 5;  // the hidden viewport 2 counts while editing viewports
  get_current_viewport(160, 120, &v, &aspect, &iw, &ih, 1);
  EXPECT_EQ(v, 2);
  Current_mode = 1;
  v = -7;
  place(0, 0, 0, 0.05f, 0.05f);
  get_current_viewport(399, 299, &v, &aspect, &iw, &ih, 1);
  EXPECT_EQ(v, -7);  // nothing hit, kept
  Viewport_current = 1;
  get_current_viewport(399, 299, &v, &aspect, &iw, &ih, 0);
  EXPECT_EQ(v, 1);  // nothing hit, the current one
}

TEST_F(ViewportCommands, ChooserClickSelectsAloneOrFlipsWithControl) {
  stack({0, 1});
  place(0, 0, 0, 1, 1);
  place(1, 0.5f, 0.5f, 0.5f, 0.5f);
  select({0, 1});
  EXPECT_EQ(viewport_chooser_press(0.75f, 0.75f, 1), 1);
  EXPECT_EQ(selected(), std::vector<int>{0});
  EXPECT_EQ(viewport_chooser_press(0.25f, 0.25f, 0), 0);
  EXPECT_EQ(selected(), std::vector<int>{0});
  EXPECT_EQ(viewport_chooser_press(0.75f, 0.75f, 0), 1);
  EXPECT_EQ(selected(), std::vector<int>{1});
  place(0, 0, 0, 0.2f, 0.2f);
  EXPECT_EQ(viewport_chooser_press(0.3f, 0.3f, 0), -1);
  EXPECT_EQ(selected(), std::vector<int>{1});
}

// ---- overlaps and the mask merge -----------------------------------------------------------

TEST_F(ViewportCommands, OverlapListHoldsEveryViewportAboveThatMeetsIt) {
  struct {
    const char *name;
    float b[5];  // viewport 2 above viewport 1 at (0.2, 0.2, 0.4, 0.4)
    std::vector<int> expected;
  } cases[] = {
      {"touching edge", {0.6f, 0.2f, 0.2f, 0.4f, 1}, {2}},
      {"inside", {0.3f, 0.3f, 0.1f, 0.1f, 1}, {2}},
      {"covering", {0.1f, 0.1f, 0.8f, 0.8f, 1}, {2}},
      {"crossing an edge", {0.5f, 0.5f, 0.3f, 0.3f, 1}, {2}},
      {"apart", {0.7f, 0.7f, 0.2f, 0.2f, 1}, {}},
      {"hidden", {0.3f, 0.3f, 0.1f, 0.1f, 0}, {}},
  };
  for (const auto &c : cases) {
    stack({0, 1, 2});
    place(1, 0.2f, 0.2f, 0.4f, 0.4f);
    place(2, c.b[0], c.b[1], c.b[2], c.b[3], c.b[4]);
    viewport_overlap(1, nullptr, 1);
    EXPECT_EQ(std::vector<int>(Viewport_overlap_list, Viewport_overlap_list + Num_viewports_overlapping),
              c.expected)
        << c.name;
  }
  // A chain: B above A meets A, C above B meets B but not A.
  stack({0, 1, 2, 3});
  place(1, 0.0f, 0.0f, 0.3f, 0.3f);
  place(2, 0.2f, 0.2f, 0.3f, 0.3f);
  place(3, 0.45f, 0.45f, 0.3f, 0.3f);
  viewport_overlap(1, nullptr, 1);
  int list[MAX_VIEWPORTS];
  viewport_overlap(1, list, 0);
  EXPECT_EQ(std::vector<int>(list, list + Num_viewports_overlapping), (std::vector<int>{2, 3}));
  viewport_overlap(3, nullptr, 1);  // on top: nothing above
  EXPECT_EQ(Num_viewports_overlapping, 0);
}

TEST_F(ViewportCommands, MaskMergeTouchesOnlyTheViewportsInUse) {
  stack({0, 3});
  int out = 0;
  modify_viewport_part_visibility_attribute(0, 0xFFFF, &out);
  EXPECT_EQ(out, 0xFFF6);
  modify_viewport_part_visibility_attribute(0x7FFFFFFF, 0, &out);
  EXPECT_EQ(out, 0x0009);
}

// ---- stereo arithmetic -----------------------------------------------------------------------

TEST_F(ViewportCommands, StereoEyesAreShiftedByHalfTheSeparation) {
  const float angle = 14.0f, D = 20.0f, front = 2.0f, back = 40.0f;
  float e = stereo_eye_separation(angle, D);
  EXPECT_NEAR(e, 20.0 * std::tan(14.0 * 3.14159265358979 / 180.0) / 10.0, 1e-5);
  Stereo_eye_rec left, right;
  stereo_eye_setup(angle, D, front, back, 1.0f, -e / 2, &left);
  stereo_eye_setup(angle, D, front, back, 1.0f, e / 2, &right);
  double t1 = std::tan(14.0 * 0.017453292);
  EXPECT_NEAR(left.left, -t1 * front + (front / D) * e / 2, 1e-6);
  EXPECT_NEAR(left.right, t1 * front + (front / D) * e / 2, 1e-6);
  EXPECT_NEAR(right.left, -t1 * front - (front / D) * e / 2, 1e-6);
  EXPECT_FLOAT_EQ(left.view_dx, e / 2);
  EXPECT_FLOAT_EQ(right.view_dx, -e / 2);
  EXPECT_DOUBLE_EQ(left.near_z, 2.0);
  EXPECT_DOUBLE_EQ(left.far_z, 40.0);
  EXPECT_DOUBLE_EQ(left.top, -left.bottom);
}

TEST_F(ViewportCommands, DeferredRefreshDrawsNothing) {
  Play_file_no_update = 1;
  viewports_display_all();
  copy_to_backbuffer();
  Play_file_no_update = 0;
  EXPECT_EQ(Redraws, 0);
  viewports_display_all();
  EXPECT_EQ(Redraws, 1);
}

}  // namespace
