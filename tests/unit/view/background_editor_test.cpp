// The background colour editor without a display: a scripted pointer over
// a 100 x 80 editor (levels at y = p * 65 + 8), the records it edits, the
// lines it records and what it hands to the colour chooser.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "record_capture.h"
#include "view/background_editor.h"
#include "view/viewp_cmdproc.h"
#include "view/viewports.h"
#include "viewport_test_screen.h"

namespace {

struct Reading {
  int x, y, left;
};

namespace editor {
std::vector<Reading> pointer;
size_t next = 0;
std::vector<float> chooser;  // the last colour loaded into the chooser
int size(int *w, int *h) {
  *w = 100, *h = 80;
  return 1;
}
int read(int *x, int *y, int *left) {
  const Reading &r = pointer[next < pointer.size() ? next : pointer.size() - 1];
  if (next < pointer.size()) next++;
  *x = r.x, *y = r.y, *left = r.left;
  return 1;
}
void chooser_color(float r, float g, float b) { chooser = {r, g, b}; }
}  // namespace editor

int y_of(float position) { return (int)(position * 65.0f + 8.0f); }

class BackgroundEditor : public testing::Test {
 protected:
  void SetUp() override {
    vptest::fresh_viewports();
    for (int k = 0; k < 2; k++) ASSERT_EQ(make_new_viewport(), 1);
    Background_editor_windep = {editor::size, editor::read, editor::chooser_color};
    editor::pointer.clear();
    editor::next = 0;
    editor::chooser.clear();
    int none = 0;
    default_viewp_level_picked(&none, 1);
  }
  void TearDown() override {
    Background_editor_windep = {};
    screen_install(nullptr);
  }
  static void blend(float *a, std::vector<float> positions) {
    a[VP_BACKGROUND_TYPE] = 3;
    a[VP_BLEND_LEVELS] = (float)positions.size();
    for (size_t k = 0; k < positions.size(); k++) a[VP_BLEND_POSITION + k] = positions[k];
  }
  static void select(std::vector<int> ids) {
    int n = (int)ids.size();
    current_selected_viewports(&n, ids.data(), 1);
    viewp_icons_refresh();
  }
  static std::string press(std::vector<Reading> script) {
    editor::pointer = std::move(script);
    editor::next = 0;
    return qtest::recorded_lines([] { manage_background_editor(); });
  }
};

TEST_F(BackgroundEditor, DraggedInnerMarkerStopsAtItsNeighbour) {
  struct {
    const char *what;
    std::vector<float> positions;
    int to_y;
    float want;
  } cases[] = {
      {"three levels, to the top: level 3's position", {0, 0.5f, 1}, 79, 1.0f},
      {"four levels, to the top: level 3's position", {0, 0.3f, 0.6f, 1}, 79, 0.6f},
      {"four levels, below the bar: level 1's", {0, 0.3f, 0.6f, 1}, 2, 0.0f},
      {"within the neighbours", {0, 0.3f, 0.6f, 1}, y_of(0.4f), 0.4f},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    float *a = Viewports[1].attributes;
    blend(a, c.positions);
    select({1});
    const int y2 = y_of(c.positions[1]);
    std::string rec = press({{90, y2, 1}, {90, (y2 + c.to_y) / 2, 1}, {90, c.to_y, 1}, {90, c.to_y, 0}});
    const float got = a[VP_BLEND_POSITION + 1];
    EXPECT_NEAR(got, c.want, 0.02f);
    EXPECT_EQ(a[VP_BLEND_POSITION], 0.0f) << "level 1 stays";
    EXPECT_EQ(a[VP_BLEND_POSITION + c.positions.size() - 1], 1.0f) << "the top level stays";
    EXPECT_EQ(Viewports[1].blend_edit_level, 1);
    char position[64];
    snprintf(position, sizeof position, "viewport: blend_position %.4e\n", got);
    EXPECT_EQ(rec, std::string("viewport: blend_editlevel 2\n") + position);
  }
}

TEST_F(BackgroundEditor, MarkerPressPicksTheLowestNumberedInReachAndLevelOneLast) {
  float *a = Viewports[1].attributes;
  blend(a, {0, 0.05f, 0.5f, 1});  // markers 1 and 2 close together
  select({1});
  press({{90, y_of(0.02f), 0}});
  EXPECT_EQ(Viewports[1].blend_edit_level, 1) << "marker 2 reaches the press; it wins over 1";
  press({{90, 5, 0}});
  EXPECT_EQ(Viewports[1].blend_edit_level, 0) << "only marker 1 within reach";
  press({{40, y_of(0.5f), 0}});
  EXPECT_EQ(Viewports[1].blend_edit_level, 0) << "a press on the bar, away from the markers";
}

TEST_F(BackgroundEditor, WithNothingSelectedTheDefaultsAreEditedWithTheirOwnLevel) {
  select({});
  blend(Viewport_defaults, {0, 0.5f, 1});
  const std::vector<float> main_before(Viewports[0].attributes, Viewports[0].attributes + VIEWPORT_ATTRS);
  press({{90, y_of(0.5f), 1}, {90, y_of(0.25f), 1}, {90, y_of(0.25f), 0}});
  EXPECT_NEAR(Viewport_defaults[VP_BLEND_POSITION + 1], 0.25f, 0.02f);
  int level = -1;
  default_viewp_level_picked(&level, 0);
  EXPECT_EQ(level, 1);
  EXPECT_EQ(std::vector<float>(Viewports[0].attributes, Viewports[0].attributes + VIEWPORT_ATTRS),
            main_before)
      << "the main viewport is not the defaults";
}

TEST_F(BackgroundEditor, ChooserColourGoesToTheConstantOrTheEditLevelOfEverySelected) {
  float *a1 = Viewports[1].attributes, *a2 = Viewports[2].attributes;
  a1[VP_BACKGROUND_TYPE] = 2;
  blend(a2, {0, 1});
  select({1, 2});
  set_current_background_color(0.1f, 0.2f, 0.3f);
  for (float *a : {a1, a2}) EXPECT_EQ(std::vector<float>(a + VP_CONSTANT_RGB, a + VP_CONSTANT_RGB + 3),
                                      (std::vector<float>{0.1f, 0.2f, 0.3f}));

  // The first selected is blended now: the edit level's colour, even in a
  // constant viewport.
  blend(a1, {0, 1});
  Viewports[1].blend_edit_level = 1;
  a2[VP_BACKGROUND_TYPE] = 2;
  set_current_background_color(0.4f, 0.5f, 0.6f);
  for (float *a : {a1, a2})
    EXPECT_EQ(std::vector<float>(a + VP_BLEND_RGB + 3, a + VP_BLEND_RGB + 6),
              (std::vector<float>{0.4f, 0.5f, 0.6f}));

  select({});
  const std::vector<float> defaults(Viewport_defaults, Viewport_defaults + VIEWPORT_ATTRS);
  set_current_background_color(0.9f, 0.9f, 0.9f);
  EXPECT_EQ(std::vector<float>(Viewport_defaults, Viewport_defaults + VIEWPORT_ATTRS), defaults)
      << "nothing written without a selection";
}

TEST_F(BackgroundEditor, NewSelectionLoadsItsEditedColourIntoTheChooser) {
  float *a1 = Viewports[1].attributes, *a2 = Viewports[2].attributes;
  a1[VP_BACKGROUND_TYPE] = 2;
  a1[VP_CONSTANT_RGB] = 0.25f;
  blend(a2, {0, 1});
  a2[VP_BLEND_RGB + 3] = 0.75f;
  Viewports[2].blend_edit_level = 1;
  select({1});
  refresh_new_viewport_picked();
  ASSERT_EQ(editor::chooser.size(), 3u);
  EXPECT_EQ(editor::chooser[0], 0.25f);
  select({2});
  refresh_new_viewport_picked();
  EXPECT_EQ(editor::chooser[0], 0.75f);
  editor::chooser.clear();
  a2[VP_BACKGROUND_TYPE] = 1;
  refresh_new_viewport_picked();
  EXPECT_TRUE(editor::chooser.empty()) << "an inherited background leaves the chooser alone";
}

TEST_F(BackgroundEditor, NoEditorWindowNoEffect) {
  Background_editor_windep = {};
  Viewports[1].attributes[VP_BACKGROUND_TYPE] = 2;
  select({1});
  set_current_background_color(0.5f, 0.5f, 0.5f);
  EXPECT_NE(Viewports[1].attributes[VP_CONSTANT_RGB], 0.5f);
  press({{90, 8, 1}, {90, 8, 0}});
  refresh_new_viewport_picked();
  EXPECT_TRUE(editor::chooser.empty());
}

}  // namespace
