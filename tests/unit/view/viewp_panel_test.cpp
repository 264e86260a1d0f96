// The viewport panel logic without a display: the blend-level and position
// arrows, position changes with their order checks and messages, the
// visibility icon, and colours and positions from the chooser and editor.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "record_capture.h"
#include "view/viewp_cmdproc.h"
#include "view/viewp_panel.h"
#include "view/viewport_background.h"
#include "view/viewports.h"
#include "viewport_test_screen.h"

namespace {

class ViewpPanel : public testing::Test {
 protected:
  void SetUp() override {
    vptest::fresh_viewports();
    for (int k = 0; k < 2; k++) ASSERT_EQ(make_new_viewport(), 1);
    select({1});
  }
  void TearDown() override { screen_install(nullptr); }
  static void select(std::vector<int> ids) {
    int n = (int)ids.size();
    current_selected_viewports(&n, ids.data(), 1);
    viewp_icons_refresh();
  }
  static void blend(int v, std::vector<float> positions) {
    float *a = Viewports[v].attributes;
    a[VP_BACKGROUND_TYPE] = 3;
    a[VP_BLEND_LEVELS] = (float)positions.size();
    for (size_t k = 0; k < positions.size(); k++) a[VP_BLEND_POSITION + k] = positions[k];
  }
  static void edit_level(int L) { Viewports[vptest::selected()[0]].blend_edit_level = L - 1; }
  static float position(int v, int L) { return Viewports[v].attributes[VP_BLEND_POSITION - 1 + L]; }
};

TEST_F(ViewpPanel, PositionChangesAreCheckedAgainstTheNeighbours) {
  struct {
    const char *what;
    std::vector<float> positions;
    int level;
    float p;
    const char *error;  // null: accepted
  } cases[] = {
      {"above the level above", {0, 0.3f, 0.7f, 1}, 2, 0.8f, "Position must be <= than position of level above."},
      {"equal to the level above", {0, 0.3f, 0.7f, 1}, 2, 0.7f, nullptr},
      {"below the level below", {0, 0.3f, 0.7f, 1}, 3, 0.2f, "Position must be >= than position of level below."},
      {"edit level 1", {0, 0.3f, 0.7f, 1}, 1, 0.1f, "Can't change position of edit level 1 or the max level."},
      {"the top level", {0, 0.3f, 0.7f, 1}, 4, 0.9f, "Can't change the position of the top level."},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    blend(1, c.positions);
    edit_level(c.level);
    testing::internal::CaptureStderr();
    std::string rec = qtest::recorded_lines([&] { viewp_bgcolorpos_chng(c.p, 0); });
    std::string err = testing::internal::GetCapturedStderr();
    if (c.error) {
      EXPECT_NE(err.find(c.error), std::string::npos) << err;
      EXPECT_EQ(rec, "");
      EXPECT_EQ(position(1, c.level), c.positions[c.level - 1]);
    } else {
      EXPECT_EQ(err, "");
      EXPECT_EQ(position(1, c.level), c.p);
      EXPECT_NE(rec.find("viewport: blend_position 7.0000e-01"), std::string::npos) << rec;
    }
  }
}

TEST_F(ViewpPanel, LevelThreeIsTheTopOfOneOfTwoSelected) {
  blend(1, {0, 0.3f, 1});
  blend(2, {0, 0.3f, 0.6f, 1});
  select({1, 2});
  edit_level(3);
  testing::internal::CaptureStderr();
  viewp_bgcolorpos_chng(0.5f, 0);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("Can't change the position of the top level."),
            std::string::npos);
  EXPECT_EQ(position(2, 3), 0.6f);
}

TEST_F(ViewpPanel, PositionArrowsClampToTheUnitRange) {
  blend(1, {0, 0.5f, 1});
  edit_level(2);
  struct {
    float shown;
    int down;
    std::vector<float> positions;
    float want;
  } cases[] = {
      {0.98f, 0, {0, 0.98f, 1}, 1.0f},
      {0.02f, 1, {0, 0.02f, 1}, 0.0f},
      {0.5f, 0, {0, 0.5f, 1}, 0.55f},
  };
  for (const auto &c : cases) {
    blend(1, c.positions);
    viewp_bgcolorposaro_chng(c.shown, c.down);
    EXPECT_FLOAT_EQ(position(1, 2), c.want) << c.shown;
  }
}

TEST_F(ViewpPanel, LevelArrowsStopAtOneAndAtTheSmallestLevelCount) {
  blend(1, {0, 0.5f, 1});
  blend(2, {0, 0.3f, 0.6f, 1});
  select({1, 2});
  int L = 0;
  std::string rec = qtest::recorded_lines([] { viewp_bgcoloredlevaro_chng(3, 0); });
  background_level(&L, 0);
  EXPECT_EQ(L, 3) << "the up arrow at the top of the smaller viewport stays";
  EXPECT_EQ(rec, "viewport: blend_editlevel 3\n");
  viewp_bgcoloredlevaro_chng(1, 1);
  background_level(&L, 0);
  EXPECT_EQ(L, 1);
  viewp_bgcoloredlevaro_chng(1, 0);
  background_level(&L, 0);
  EXPECT_EQ(L, 2);
}

TEST_F(ViewpPanel, VisibilityIconTwiceHidesAndShowsAgain) {
  select({1, 2});
  int state = 1;
  std::string rec = qtest::recorded_lines([&] {
    state = viewp_vis_chng(state);
    EXPECT_EQ(Viewports[1].attributes[VP_VISIBLE], 0.0f);
    EXPECT_EQ(Viewports[2].attributes[VP_VISIBLE], 0.0f);
    state = viewp_vis_chng(state);
  });
  EXPECT_EQ(state, 1);
  EXPECT_EQ(Viewports[1].attributes[VP_VISIBLE], 1.0f);
  EXPECT_EQ(rec, "viewport: visible OFF\nviewport: visible ON\n");
}

TEST_F(ViewpPanel, ReleasedChooserColourGoesToTheEditLevelOfEveryEditedViewport) {
  blend(1, {0, 1});
  Viewports[2].attributes[VP_BACKGROUND_TYPE] = 2;
  select({1, 2});
  edit_level(2);
  viewp_bgcolortext_chng(0.2f, 0.4f, 0.6f);
  for (int v : {1, 2})
    EXPECT_EQ(std::vector<float>(Viewports[v].attributes + VP_BLEND_RGB + 3,
                                 Viewports[v].attributes + VP_BLEND_RGB + 6),
              (std::vector<float>{0.2f, 0.4f, 0.6f}))
        << v;
}

}  // namespace
