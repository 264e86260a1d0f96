// The "view_transf:" lines through the command processor, without a
// display: their answers, their messages and what they change.
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
#include "interact/support.h"
#include "interact/tool_records.h"
#include "render/glyphs.h"
#include "view/observer.h"
#include "view/view_matrix.h"
#include "view/viewer_state.h"
#include "view/viewports.h"
#include "viewport_test_screen.h"

namespace {

struct Viewer {
  float at[3], from[3], view[16], distance;
};

Viewer viewer() {
  Viewer v{};
  view_param(v.at, v.from, v.view, &v.distance, 0);
  return v;
}

using vptest::run;

class TransfCommands : public testing::Test {
 protected:
  void SetUp() override {
    vptest::fresh_transforms();
    Floating_z_planes = 1;
  }
  void TearDown() override {
    Reset_tools_constraint = 0;
    screen_install(nullptr);
  }
};

struct Line_case {
  const char *name;
  std::vector<std::string> before;  // lines that must pass first
  std::string line;
  int ok;               // 1 the line passes, 0 it fails
  const char *message;  // text the error box shows, "" for none
  std::function<void()> check;
};

TEST_F(TransfCommands, LinesPassOrFailWithTheirMessage) {
  float start_values[14];
  memcpy(start_values, Vewvalues, sizeof start_values);
  const Viewer start = viewer();
  const Line_case cases[] = {
      {"rotate in a tool mode", {"view_transf: function cursor"}, "view_transf: action rotate", 0,
       "view_transf: Incorrect action.", [] { EXPECT_EQ(Vewglb, 0); }},
      {"scale in a tool mode", {"view_transf: mode cursor"}, "view_transf: action scale", 1, "",
       [] { EXPECT_EQ(Vewglb, 2); }},
      {"zoom outside global", {"view_transf: function local"}, "view_transf: action zoom", 0,
       "view_transf: Incorrect action.", [] {}},
      {"unknown mode", {}, "view_transf: function sideways", 0, "view_transf: Incorrect mode.",
       [] { EXPECT_EQ(What_trans, 0); }},
      {"axis radius", {}, "view_transf: axis radius", 1, "",
       [] { EXPECT_EQ(std::vector<int>(Vewaxis, Vewaxis + 3), (std::vector<int>{0, 1, 0})); }},
      {"axis all", {"view_transf: axis z"}, "view_transf: axis all", 1, "",
       [] { EXPECT_EQ(std::vector<int>(Vewaxis, Vewaxis + 3), (std::vector<int>{1, 1, 1})); }},
      {"limit 0", {}, "view_transf: limit 0", 0, "The transformation increment limit must be > 0.",
       [&] { EXPECT_EQ(0, memcmp(Vewvalues, start_values, sizeof start_values)); }},
      {"limit -1", {}, "view_transf: limit -1", 0,
       "The transformation increment limit must be > 0.", [] {}},
      {"limit 45 in rotate", {}, "view_transf: limit 45", 1, "",
       [&] {
         for (int i = 0; i < 14; i++)
           EXPECT_EQ(Vewvalues[i], i == 1 ? 45.0f : start_values[i]) << "slot " << i;
       }},
      {"line point 3", {}, "view_transf: line 3 1 1 1", 0, "view_transf: Bad line point.", [] {}},
      {"plane point 4", {}, "view_transf: plane 4 1 1 1", 0, "view_transf: Bad plane point.",
       [] {}},
      {"cone end point 2.5", {}, "view_transf: cone 2.5 0 0 0", 0,
       "view_transf: Invalid end point for tool.", [] {}},
      {"cone end point 1.7", {}, "view_transf: cone 1.7 1 2 3", 1, "",
       [] {
         float apex[3], end[3];
         cone_position(apex, end, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0);
         EXPECT_EQ(std::vector<float>(apex, apex + 3), (std::vector<float>{1, 2, 3}));
       }},
      {"reset_viewer", {}, "view_transf: reset_viewer", 0,
       "view_transf: Parameters of the command were incorrect.", [] {}},
      {"viewports", {}, "view_transf: viewports 2", 0, "view_transf: command not implemented.",
       [] {}},
      {"sensitivity", {}, "view_transf: sensitivity 5", 1, "",
       [&] {
         const Viewer now = viewer();
         EXPECT_EQ(0, memcmp(&start, &now, sizeof start));
       }},
      {"no such keyword", {}, "view_transf: tumble 3", 0,
       "view_transf: The command does not exist.", [] {}},
      {"rotate without a number", {"view_transf: action translate"}, "view_transf: rotate abc", 0,
       "view_transf: Incorrect transform parameter.", [] { EXPECT_EQ(Vewglb, 1); }},
      {"rotate keeps the action", {"view_transf: action translate"}, "view_transf: rotate 30", 1,
       "", [] { EXPECT_EQ(Vewglb, 1); }},
      {"spin with three values", {}, "view_transf: spin 4 0 90", 0,
       "view_transf: Incorrect transform parameter.", [] {}},
      {"view_store of an axis view", {}, "view_transf: view_store +X", 0,
       "view_transf: Parameters for view_store can onlybe F5, F6, F7, or F8.", [] {}},
      {"unknown tool constraint", {}, "view_transf: reset_tool_constrain sideways", 0,
       "view_transf: Incorrect tool reset constraint.", [] {}},
      {"revolution count 0", {}, "view_transf: revolution_#_of_points 0", 0,
       "view_transf: Revolution tool number of points must be > 0.", [] {}},
      {"revolution count 11", {}, "view_transf: revolution_#_of_points 11", 0,
       "view_transf: Revolution tool holds at most 10 points.", [] {}},
      {"revolution point 0", {}, "view_transf: revolution_point 0 1 1", 0,
       "view_transf: Revolution tool point numbering must be >= 1.", [] {}},
      {"revolution point 11", {}, "view_transf: revolution_point 11 1 1", 0,
       "view_transf: Revolution tool holds at most 10 points.", [] {}},
      {"revolution point 10", {}, "view_transf: revolution_point 10 1 1", 1, "", [] {}},
      {"save_view where no file can be made", {}, "view_transf: save_view /nonexistent/dir/v.sav",
       0, "", [] {}},
  };
  for (const auto &c : cases) {
    SetUp();
    for (const auto &b : c.before) ASSERT_GE(run(b), 0) << c.name << ": " << b;
    std::string err;
    int r = run(c.line, &err);
    EXPECT_EQ(r >= 0, c.ok == 1) << c.name;
    if (*c.message)
      EXPECT_NE(err.find(c.message), std::string::npos) << c.name << ": " << err;
    else
      EXPECT_EQ(err.find("ERROR"), std::string::npos) << c.name << ": " << err;
    c.check();
  }
}

TEST_F(TransfCommands, DistanceMovesTheEyeAlongTheLineOfSight) {
  float at[3] = {1, 2, 3}, from[3] = {1, 2, 8}, view[16], distance = 0.0f;
  atfrom(at, from, &distance, view);
  view_param(at, from, view, &distance, 1);
  ASSERT_FLOAT_EQ(distance, 5.0f);
  ASSERT_GE(run("view_transf: distance 10"), 0);
  const Viewer v = viewer();
  EXPECT_EQ(std::vector<float>(v.at, v.at + 3), (std::vector<float>{1, 2, 3}));
  EXPECT_FLOAT_EQ(v.from[2], 13.0f);
  EXPECT_FLOAT_EQ(v.from[0], 1.0f);
  EXPECT_FLOAT_EQ(v.distance, 10.0f);
}

// Values that would leave no line of sight are refused and the viewer kept.
TEST_F(TransfCommands, ViewerWithoutALineOfSightIsRefused) {
  const struct {
    const char *name;
    bool zero_stored;  // the stored distance made 0 first
    const char *line;
  } cases[] = {
      {"look-at on the look-from", false, "view_transf: look_at 1 2 8"},
      {"look-from on the look-at", false, "view_transf: look_from 1 2 3"},
      {"distance 0", false, "view_transf: distance 0"},
      {"distance with the stored one 0", true, "view_transf: distance 4"},
  };
  for (const auto &c : cases) {
    float at[3] = {1, 2, 3}, from[3] = {1, 2, 8}, view[16], distance = 0.0f;
    atfrom(at, from, &distance, view);
    if (c.zero_stored) distance = 0.0f;
    view_param(at, from, view, &distance, 1);
    const Viewer before = viewer();
    std::string err;
    EXPECT_EQ(run(c.line, &err), -1) << c.name;
    EXPECT_NE(err.find("view_transf: "), std::string::npos) << c.name << ": " << err;
    const Viewer after = viewer();
    EXPECT_EQ(0, memcmp(&before, &after, sizeof before)) << c.name;
  }
}

// Command files older than 7.0 knew no floating z-clip planes.
TEST_F(TransfCommands, ZclipFrontInAnOldFileSwitchesFloatingOff) {
  const struct {
    const char *version;
    int floating_after;
  } cases[] = {{"VERSION 6.0", 0}, {"VERSION 7.1", 1}};
  for (const auto &c : cases) {
    qtest::TempDir dir("zclipver");
    qtest::write_file(dir.file("z.cmd"), std::string(c.version) + "\nview_transf: zclip_front 0.5\n");
    Floating_z_planes = 1;
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    cmdplay(dir.file("z.cmd").c_str(), 0);
    testing::internal::GetCapturedStdout();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(Floating_z_planes, c.floating_after) << c.version;
  }
}

}  // namespace

namespace {

std::vector<float> combined() {
  float c[16];
  current_ctm(c, 0);
  return std::vector<float>(c, c + 16);
}

void expect_near(const std::vector<float> &a, const std::vector<float> &b, const char *what) {
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); i++) EXPECT_NEAR(a[i], b[i], 1e-4f) << what << " element " << i;
}

// Each line is an interaction of its own: two turns of 30 are one of 60; a
// spin of four quarter turns comes back; the reset line undoes them.
TEST_F(TransfCommands, TurnsAddUpAcrossLinesAndTheResetUndoesThem) {
  const auto start = combined();
  ASSERT_GE(run("view_transf: rotate 30 0 0"), 0);
  ASSERT_GE(run("view_transf: rotate 30 0 0"), 0);
  const auto twice = combined();
  ASSERT_GE(run("view_transf: reset_rot_trn_scl"), 0);
  expect_near(combined(), start, "after the reset");
  ASSERT_GE(run("view_transf: rotate 60"), 0);
  expect_near(combined(), twice, "one turn of 60");

  ASSERT_GE(run("view_transf: reset_rot_trn_scl"), 0);
  ASSERT_GE(run("view_transf: spin 4 0 90 0"), 0);
  expect_near(combined(), start, "after four quarter turns");
  ASSERT_GE(run("view_transf: spin 1 0 90 0"), 0);
  EXPECT_NE(combined(), start);
}

// A scale line with one factor scales x only: the factors left out keep
// their axes instead of flattening the model.
TEST_F(TransfCommands, ScaleFactorsLeftOutKeepTheirAxes) {
  float s[16], r[16], t[16];
  ASSERT_GE(run("view_transf: scale 2"), 0);
  ctm_transforms(s, r, t, 0);
  EXPECT_FLOAT_EQ(s[0], 2.0f);
  EXPECT_FLOAT_EQ(s[5], 1.0f);
  EXPECT_FLOAT_EQ(s[10], 1.0f);
}

// Centring on the viewport is not there yet: a reset by viewport puts the
// tool at its home placement and says so.
TEST_F(TransfCommands, ToolResetByViewportUsesTheHomePlacementAndSaysSo) {
  float cursor[3] = {0, 0, 0}, la[3] = {1, 0, 0}, lb[3] = {3, 0, 0}, pa[3] = {0, 0, 0},
        pb[3] = {1, 0, 0}, pc[3] = {1, 1, 0}, size = 1.0f, angle = 30.0f;
  widget_location(&cursor[0], &cursor[1], &cursor[2], la, lb, pa, pb, pc, &size, &angle, 1);
  for (const char *constraint : {"by_global", "by_viewport"}) {
    float a[3] = {5, 5, 5}, b[3] = {6, 6, 6}, length = 1.0f;
    line_position(a, b, &length, 1);
    ASSERT_GE(run("view_transf: function line"), 0);
    ASSERT_GE(run(std::string("view_transf: reset_tool_constrain ") + constraint), 0);
    testing::internal::CaptureStdout();
    EXPECT_GE(run("view_transf: reset_by_action"), 0) << constraint;
    const std::string said = testing::internal::GetCapturedStdout();
    line_position(a, b, &length, 0);
    EXPECT_EQ(std::vector<float>(a, a + 3), (std::vector<float>{1, 0, 0})) << constraint;
    EXPECT_EQ(std::vector<float>(b, b + 3), (std::vector<float>{3, 0, 0})) << constraint;
    EXPECT_EQ(said.find("home placement") != std::string::npos,
              std::string(constraint) == "by_viewport")
        << constraint << ": " << said;
  }
}

}  // namespace
