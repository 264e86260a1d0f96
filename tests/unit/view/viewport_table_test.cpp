// The viewport table's rules, without a display: a screen that draws
// nothing stands in, and counts the full redraws (each one asks which
// window is current before it walks the displays).
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "client/screen.h"
#include "parts/attribute.h"
#include "render/display.h"
#include "test_parts.h"
#include "view/viewer_state.h"
#include "view/viewports.h"
#include "viewport_test_screen.h"

namespace {

using vptest::Redraws;
using vptest::selected;
using vptest::stacking;

float slot(int v, int s) { return Viewports[v].attributes[s]; }

void set_slot(int v, int s, float value, int redraw = 0) {
  float a[VIEWPORT_ATTRS];
  char name[VIEWPORT_NAME_TEXT];
  viewport_attributes(v, a, name, 0, 0);
  a[s] = value;
  viewport_attributes(v, a, name, redraw, 1);
}


class ViewportTable : public testing::Test {
 protected:
  void SetUp() override {
    vptest::fresh_viewports();
  }
  void TearDown() override {
    screen_install(nullptr);
    qtest::clear_parts();
  }
};

TEST_F(ViewportTable, BlendPositionsSpreadWhenLevelsGrowAndStayWhenTheyShrink) {
  set_slot(0, VP_BLEND_LEVELS, 4.0f);
  EXPECT_FLOAT_EQ(slot(0, 27), 0.0f);
  EXPECT_FLOAT_EQ(slot(0, 28), 1.0f / 3.0f);
  EXPECT_FLOAT_EQ(slot(0, 29), 2.0f / 3.0f);
  EXPECT_FLOAT_EQ(slot(0, 30), 1.0f);
  set_slot(0, VP_BLEND_LEVELS, 3.0f);
  EXPECT_FLOAT_EQ(slot(0, 27), 0.0f);
  EXPECT_FLOAT_EQ(slot(0, 28), 1.0f / 3.0f);
  EXPECT_FLOAT_EQ(slot(0, 29), 1.0f);
  EXPECT_FLOAT_EQ(slot(0, 30), 1.0f);  // kept as it was
}

TEST_F(ViewportTable, MainViewportKeepsItsBackgroundAndStaysThreeDimensional) {
  for (float type : {0.0f, 1.0f}) {
    set_slot(0, VP_BACKGROUND_TYPE, type);
    EXPECT_EQ(slot(0, VP_BACKGROUND_TYPE), 2.0f) << type;
  }
  set_slot(0, VP_BACKGROUND_TYPE, 3.0f);
  EXPECT_EQ(slot(0, VP_BACKGROUND_TYPE), 3.0f);
  set_slot(0, VP_VIEW_DIMENSION, 0.0f);
  EXPECT_EQ(slot(0, VP_VIEW_DIMENSION), 1.0f);
  EXPECT_EQ(Viewports[0].two_d, 0);
}

TEST_F(ViewportTable, AViewportAskedToBecomeTwoDimensionalDoesSo) {
  ASSERT_EQ(make_new_viewport(), 1);
  set_slot(1, VP_PERSPECTIVE, 1.0f);
  set_slot(1, VP_VIEW_DIMENSION, 0.0f);
  EXPECT_EQ(slot(1, VP_VIEW_DIMENSION), 0.0f);
  EXPECT_EQ(slot(1, VP_PERSPECTIVE), 0.0f);
  EXPECT_EQ(Viewports[1].two_d, 1);
}

TEST_F(ViewportTable, TinyLocationChangesAreStoredButDrawNothing) {
  ASSERT_EQ(make_new_viewport(), 1);
  set_slot(1, VP_ORIGIN_X, 0.3f, 1);
  struct {
    int slot;
    float from, to;
    bool drawn;
  } cases[] = {
      {VP_ORIGIN_X, 0.3f, 0.3002f, false},
      {VP_ORIGIN_Y, 0.0f, 0.00005f, false},
      {VP_ORIGIN_X, 0.3f, 0.31f, true},
      {VP_ORIGIN_Y, 0.0f, 0.0002f, true},
  };
  for (const auto &c : cases) {
    set_slot(1, c.slot, c.from, 1);
    Redraws = 0;
    Stencil_current_viewport = 7;
    set_slot(1, c.slot, c.to, 1);
    EXPECT_EQ(slot(1, c.slot), c.to);
    EXPECT_EQ(Redraws, c.drawn ? 1 : 0) << c.from << " -> " << c.to;
    EXPECT_EQ(Stencil_current_viewport, c.drawn ? -1 : 7) << c.from << " -> " << c.to;
  }
}

TEST_F(ViewportTable, FirstNewViewportTakesSlotOneOnTheGrid) {
  ASSERT_EQ(make_new_viewport(), 1);
  EXPECT_EQ(Viewport_current, 1);
  EXPECT_EQ(Viewports[1].in_use, 1);
  EXPECT_STREQ(Viewports[1].name, "");
  EXPECT_EQ(slot(1, VP_VISIBLE), 1.0f);
  EXPECT_FLOAT_EQ(slot(1, VP_ORIGIN_X), 0.04f);
  EXPECT_FLOAT_EQ(slot(1, VP_ORIGIN_Y), 0.76f);
  EXPECT_FLOAT_EQ(slot(1, VP_WIDTH), 0.2f);
  EXPECT_FLOAT_EQ(slot(1, VP_HEIGHT), 0.2f);
  EXPECT_EQ(selected(), std::vector<int>{1});
  EXPECT_EQ(stacking(), (std::vector<int>{0, 1}));
  EXPECT_GE(Redraws, 1);
  // Its view is fitted to the box -1..1 shown by no part.
  float at[3], from[3], m[16], d;
  view_param(at, from, m, &d, 0);
  EXPECT_FLOAT_EQ(from[2], 6.183682f);
  // The pixel rectangle on the 400 x 300 window.
  EXPECT_EQ(Viewports[1].x0, 16);
  EXPECT_EQ(Viewports[1].x1, 96);
  EXPECT_EQ(Viewports[1].y0, 228);
  EXPECT_EQ(Viewports[1].y1, 288);

  for (int v = 2; v < MAX_VIEWPORTS; v++) ASSERT_EQ(make_new_viewport(), 1);
  EXPECT_EQ(make_new_viewport(), -1);
  EXPECT_EQ(Num_active_viewports, MAX_VIEWPORTS);
}

struct Place {
  float x, y, w, h;
};

void expect_place(int v, const Place &p) {
  EXPECT_FLOAT_EQ(slot(v, VP_ORIGIN_X), p.x) << "viewport " << v;
  EXPECT_FLOAT_EQ(slot(v, VP_ORIGIN_Y), p.y) << "viewport " << v;
  EXPECT_FLOAT_EQ(slot(v, VP_WIDTH), p.w) << "viewport " << v;
  EXPECT_FLOAT_EQ(slot(v, VP_HEIGHT), p.h) << "viewport " << v;
}

TEST_F(ViewportTable, FourEqualFromTheMainViewportAlone) {
  EXPECT_EQ(standard_viewport_layout(3), 1);
  const Place places[4] = {{0, 0.5f, 0.5f, 0.5f}, {0.5f, 0.5f, 0.5f, 0.5f}, {0, 0, 0.5f, 0.5f},
                           {0.5f, 0, 0.5f, 0.5f}};
  for (int v = 0; v < 4; v++) {
    expect_place(v, places[v]);
    EXPECT_EQ(slot(v, VP_BORDER_VISIBLE), 1.0f);
    EXPECT_EQ(slot(v, VP_VISIBLE), 1.0f);
  }
  EXPECT_EQ(selected(), std::vector<int>{3});
  EXPECT_EQ(Num_active_viewports, 4);
}

TEST_F(ViewportTable, TwoVerticalHidesTheViewportsLeftOver) {
  for (int v = 1; v <= 5; v++) ASSERT_EQ(make_new_viewport(), 1);
  for (int v : {1, 2, 4}) set_slot(v, VP_VISIBLE, 0.0f);
  EXPECT_EQ(standard_viewport_layout(1), 1);
  expect_place(0, {0, 0, 0.5f, 1});
  expect_place(3, {0.5f, 0, 0.5f, 1});
  EXPECT_EQ(slot(5, VP_VISIBLE), 0.0f);
  EXPECT_EQ(Viewports[5].in_use, 1);
  EXPECT_EQ(stacking(), (std::vector<int>{0, 1, 2, 3, 4, 5}));

  // "one" hides the others and leaves the main border alone.
  set_slot(0, VP_BORDER_VISIBLE, 0.0f);
  EXPECT_EQ(standard_viewport_layout(0), 1);
  expect_place(0, {0, 0, 1, 1});
  EXPECT_EQ(slot(0, VP_BORDER_VISIBLE), 0.0f);
  EXPECT_EQ(slot(3, VP_VISIBLE), 0.0f);
}

TEST_F(ViewportTable, LayoutCodesOutsideTheTableAreRefused) {
  for (int code : {-1, 6}) {
    Redraws = 0;
    EXPECT_EQ(standard_viewport_layout(code), -1) << code;
    EXPECT_EQ(Redraws, 0);
    EXPECT_EQ(Num_active_viewports, 1);
    expect_place(0, {0, 0, 1, 1});
  }
}

TEST_F(ViewportTable, DeletedViewportsSetTheirBitInEveryPartAndTheDefaults) {
  qtest::fill_parts(qtest::sample_parts());
  for (int v = 1; v <= 5; v++) ASSERT_EQ(make_new_viewport(), 1);
  // Parts and defaults shown in viewports 0, 1, 3 and 4 only.
  const float shown_in = (float)(0xffff & ~((1 << 2) | (1 << 5)));
  for (int i = 0; i < Num_p_loaded; i++) parts[i]->attributes[SLOT_VIEWPORT_VIS] = shown_in;
  float defaults[PART_ATTR_SLOTS];
  int change[PART_ATTR_SLOTS] = {};
  part_attributes(-2, 0, defaults, nullptr, nullptr, nullptr, 0);
  defaults[SLOT_VIEWPORT_VIS] = shown_in;
  change[SLOT_VIEWPORT_VIS] = 1;
  part_attributes(-2, 0, defaults, change, nullptr, nullptr, 1);

  set_slot(0, VP_VISIBLE, 0.0f);
  int count = 3, list[MAX_VIEWPORTS] = {0, 2, 5};
  current_selected_viewports(&count, list, 1);
  remove_viewport();

  for (int i = 0; i < Num_p_loaded; i++)
    EXPECT_EQ(our_rint(parts[i]->attributes[SLOT_VIEWPORT_VIS]), 0xffff) << parts[i]->number;
  part_attributes(-2, 0, defaults, nullptr, nullptr, nullptr, 0);
  EXPECT_EQ(our_rint(defaults[SLOT_VIEWPORT_VIS]), 0xffff);
  EXPECT_EQ(stacking(), (std::vector<int>{0, 1, 3, 4}));
  EXPECT_EQ(Viewports[2].in_use, 0);
  EXPECT_STREQ(Viewports[2].name, "");
  EXPECT_FLOAT_EQ(slot(2, VP_ORIGIN_X), 0.04f);  // back on its start-up grid place
  EXPECT_FLOAT_EQ(slot(2, VP_ORIGIN_Y), 0.52f);
  EXPECT_EQ(selected(), std::vector<int>{0});
  EXPECT_EQ(slot(0, VP_VISIBLE), 0.0f);  // others are left in use

  count = 3;
  int rest[MAX_VIEWPORTS] = {1, 3, 4};
  current_selected_viewports(&count, rest, 1);
  remove_viewport();
  EXPECT_EQ(stacking(), std::vector<int>{0});
  EXPECT_EQ(slot(0, VP_VISIBLE), 1.0f);
}

TEST(ViewportStart, GridOriginsAndNames) {
  global_init_viewports();
  EXPECT_STREQ(Viewports[0].name, "Main Viewport");
  EXPECT_STREQ(Viewports[7].name, "Viewport 7");
  EXPECT_EQ(Viewports[0].attributes[VP_BORDER_VISIBLE], 0.0f);
  struct {
    int v;
    float x, y;
  } grid[] = {{1, 0.04f, 0.76f}, {4, 0.04f, 0.04f}, {13, 0.76f, 0.76f}, {15, 0.76f, 0.28f}};
  for (const auto &g : grid) {
    EXPECT_NEAR(Viewports[g.v].attributes[VP_ORIGIN_X], g.x, 1e-6f) << g.v;
    EXPECT_NEAR(Viewports[g.v].attributes[VP_ORIGIN_Y], g.y, 1e-6f) << g.v;
    EXPECT_EQ(Viewports[g.v].in_use, 0);
    EXPECT_EQ(Viewports[g.v].attributes[VP_VISIBLE], 0.0f);
  }
}

}  // namespace
