// The colour-cell file "quivane.colpal.default" and picking in the mix
// area, without a display: defaults, malformed files, the rewritten cell
// line, and where presses in the hexagon and the bars lead.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "client/startup.h"
#include "harness.h"
#include "ui/color_chooser.h"

namespace {

class ColorCells : public testing::Test {
 protected:
  void SetUp() override {
    snprintf(User_home_directory, sizeof User_home_directory, "%s", home.path().c_str());
    mkdir((home.path() + "/.quivane7").c_str(), 0755);
    file = home.path() + "/.quivane7/quivane.colpal.default";
    Colorselect_set_colorcell = 0;
  }
  std::vector<int> cell(int k) {
    int rgb[3];
    colorsel_cell(k, rgb, 0);
    return {rgb[0], rgb[1], rgb[2]};
  }
  std::vector<std::string> lines() {
    std::vector<std::string> out;
    std::istringstream in(qtest::read_file(file));
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
  }
  void expect_defaults(const char *why) {
    const int greys[6] = {0, 51, 102, 153, 204, 255};
    for (int c = 0; c < 6; c++) {
      EXPECT_EQ(cell(6 * c + 5), (std::vector<int>{greys[c], greys[c], greys[c]})) << why << " column " << c;
      for (int row = 0; row < 5; row++) {  // saturated, full value
        std::vector<int> v = cell(6 * c + row);
        int hi = std::max({v[0], v[1], v[2]}), lo = std::min({v[0], v[1], v[2]});
        EXPECT_EQ(hi, 255) << why << " cell " << 6 * c + row;
        EXPECT_EQ(lo, 0) << why << " cell " << 6 * c + row;
      }
    }
    EXPECT_EQ(cell(0), (std::vector<int>{255, 0, 0})) << why;
    EXPECT_EQ(cell(18), (std::vector<int>{0, 255, 255})) << why;  // hue 15/30: cyan
  }
  qtest::TempDir home{"qcolor"};
  std::string file;
};

std::string cell_file(const std::string &version, int ncells) {
  std::string text = version + "\n";
  for (int k = 0; k < ncells; k++) text += "1 2 3\n";
  return text;
}

TEST_F(ColorCells, MissingOrMalformedFilesGiveTheDefaults) {
  struct Case {
    const char *name;
    const char *text;  // null = no file
  };
  const std::string old_version = cell_file("Version 5.0", 36);
  const std::string short_file = cell_file("Version 6.0", 20);
  const std::string no_version = cell_file("1 2 3", 36);
  const std::string wrong_word = cell_file("Release 6.0", 36);
  const Case cases[] = {{"no file", nullptr},
                        {"version 5.0", old_version.c_str()},
                        {"ends before 36 cells", short_file.c_str()},
                        {"no version line", no_version.c_str()},
                        {"other first word", wrong_word.c_str()}};
  for (const Case &c : cases) {
    remove(file.c_str());
    if (c.text) qtest::write_file(file, c.text);
    int rgb[3] = {9, 9, 9};
    for (int k = 0; k < COLORSEL_CELLS; k++) colorsel_cell(k, rgb, 1);
    EXPECT_EQ(colorsel_read_cells(), 0) << c.name;
    expect_defaults(c.name);
  }
}

TEST_F(ColorCells, ReadsCellsAndShortLinesKeepThePreviousValues) {
  std::string text = "Version 6.1\n10 20\n7\n\n" + std::string(200, '4') + " 5 6\n";
  for (int k = 4; k < COLORSEL_CELLS; k++) text += std::to_string(k) + " 100 200\n";
  qtest::write_file(file, text);
  EXPECT_EQ(colorsel_read_cells(), 1);
  EXPECT_EQ(cell(0), (std::vector<int>{10, 20, 0}));
  EXPECT_EQ(cell(1), (std::vector<int>{7, 20, 0}));
  EXPECT_EQ(cell(2), (std::vector<int>{7, 20, 0}));      // empty line
  EXPECT_EQ(cell(3), (std::vector<int>{255, 20, 0}));    // over-long line: cut and clamped
  EXPECT_EQ(cell(4), (std::vector<int>{4, 100, 200}));   // the long line's rest was skipped
  EXPECT_EQ(cell(35), (std::vector<int>{35, 100, 200}));
}

TEST_F(ColorCells, WrittenFileReadsBack) {
  remove(file.c_str());
  colorsel_read_cells();  // defaults
  ASSERT_EQ(colorsel_write_cells(), 0);
  std::vector<std::string> l = lines();
  ASSERT_EQ(l.size(), 37u);
  EXPECT_EQ(l[0], "Version 6.0");
  EXPECT_EQ(l[1], "255 0 0");
  EXPECT_EQ(l[6], "0 0 0");
  EXPECT_EQ(l[36], "255 255 255");
  int rgb[3] = {1, 1, 1};
  for (int k = 0; k < COLORSEL_CELLS; k++) colorsel_cell(k, rgb, 1);
  EXPECT_EQ(colorsel_read_cells(), 1);
  expect_defaults("read back");
}

TEST_F(ColorCells, UnwritableDirectoryIsSkipped) {
  snprintf(User_home_directory, sizeof User_home_directory, "%s", "/nonexistent/qhome");
  EXPECT_EQ(colorsel_write_cells(), -1);
}

// Mix area 300 x 200 whose patch area (100 high) starts 90 pixels up: the
// grid would overflow the area, so the width is taken from the patch.
class ColorPick : public ColorCells {
 protected:
  void SetUp() override {
    ColorCells::SetUp();
    colorsel_layout(300, 200, 90, 100, &lay);
    remove(file.c_str());
    colorsel_read_cells();
  }
  float cx() const { return 0.5f * (lay.hex_left + lay.hex_right); }
  float cy() const { return 0.5f * (lay.grid_bottom + lay.grid_top); }
  float bar_y(int i) const { return lay.bar_base + i * lay.bar_step + 0.5f * lay.bar_height; }
  std::vector<float> rgb() {
    float r, g, b;
    rgb_popup_color_values(&r, &g, &b, 0);
    return {r, g, b};
  }
  void set(float r, float g, float b) { colorsel_color_init(r, g, b); }
  Colorsel_layout_rec lay{};
};

void expect_rgb(const std::vector<float> &got, float r, float g, float b, const char *why) {
  EXPECT_NEAR(got[0], r, 1e-4) << why;
  EXPECT_NEAR(got[1], g, 1e-4) << why;
  EXPECT_NEAR(got[2], b, 1e-4) << why;
}

TEST_F(ColorPick, LayoutFollowsThePatchArea) {
  EXPECT_FLOAT_EQ(lay.grid_bottom, 100.0f);  // 90 + 0.1 x 100
  EXPECT_FLOAT_EQ(lay.grid_left, 4.5f);      // width replaced by int(1.8 x 100)
  EXPECT_FLOAT_EQ(lay.grid_right, 85.5f);
  EXPECT_NEAR(lay.grid_top, 100.0f + 0.866f * 81.0f, 1e-3);
  EXPECT_FLOAT_EQ(lay.hex_left, 94.5f);
  EXPECT_FLOAT_EQ(lay.hex_width, 81.0f);
  EXPECT_FLOAT_EQ(lay.bar_length, 270.0f);
  Colorsel_layout_rec wide;
  colorsel_layout(400, 300, 0, 100, &wide);  // fits: the area's own width
  EXPECT_FLOAT_EQ(wide.grid_left, 10.0f);
  EXPECT_FLOAT_EQ(wide.hex_left, 210.0f);
}

TEST_F(ColorPick, RegionsOfAPress) {
  struct Case {
    float x, y;
    int region;
  } cases[] = {{lay.grid_left, lay.grid_bottom, COLORSEL_GRID},
               {lay.grid_right, lay.grid_top, COLORSEL_GRID},
               {cx(), cy(), COLORSEL_HEXAGON},
               {150, bar_y(0), COLORSEL_BAR0},
               {15, lay.bar_base + lay.bar_step, COLORSEL_BAR1},
               {285, lay.bar_base + 2 * lay.bar_step + lay.bar_height, COLORSEL_BAR2},
               {150, lay.bar_base + lay.bar_height + 1, COLORSEL_NONE},
               {5, bar_y(0), COLORSEL_NONE},
               {250, 150, COLORSEL_NONE}};
  for (const Case &c : cases) EXPECT_EQ(colorsel_pick_region(&lay, c.x, c.y), c.region) << c.x << "," << c.y;
}

TEST_F(ColorPick, HexagonGivesHueAndSaturationAtTheCurrentValue) {
  struct Case {
    const char *name;
    float dx, dy;
    float r, g, b;
  } cases[] = {
      {"right corner: red", 40.5f, 0, 0.5f, 0, 0},
      {"centre: grey", 0, 0, 0.5f, 0.5f, 0.5f},
      {"left corner: cyan", -40.5f, 0, 0, 0.5f, 0.5f},
      {"far outside, straight down: saturation 1", 0, -60, 0.25f, 0, 0.5f},
  };
  for (const Case &c : cases) {
    set(0.25f, 0.5f, 0.25f);  // value 0.5
    EXPECT_EQ(colorsel_pick(&lay, COLORSEL_HEXAGON, cx() + c.dx, cy() + c.dy), 0);
    expect_rgb(rgb(), c.r, c.g, c.b, c.name);
  }
}

TEST_F(ColorPick, BarsSetTheComponentOfTheCurrentSpace) {
  int rgb_space = 0, hsv_space = 1;
  popup_color_space(&rgb_space, 1);
  set(0.2f, 0.4f, 0.6f);
  colorsel_pick(&lay, COLORSEL_BAR0, 15 + 0.25f * 270, bar_y(0));
  expect_rgb(rgb(), 0.2f, 0.4f, 0.25f, "RGB: bottom bar is blue");
  colorsel_pick(&lay, COLORSEL_BAR2, 0, bar_y(2));
  expect_rgb(rgb(), 0, 0.4f, 0.25f, "RGB: top bar is red, clamped at 0");

  popup_color_space(&hsv_space, 1);
  set(0.2f, 0.4f, 0.6f);
  colorsel_pick(&lay, COLORSEL_BAR2, 299, bar_y(2));
  expect_rgb(rgb(), 0.6f, 0.2f, 0.2f, "HSV: top bar far right is hue 1, red");
  colorsel_pick(&lay, COLORSEL_BAR0, 15 + 0.5f * 270, bar_y(0));
  expect_rgb(rgb(), 0.5f, 1.0f / 6, 1.0f / 6, "HSV: bottom bar is the value");
}

TEST_F(ColorPick, ChangeColorCellStoresTheColourAndRewritesItsLine) {
  float cw = (lay.grid_right - lay.grid_left + 1) / 6, ch = (lay.grid_top - lay.grid_bottom + 1) / 6;
  float x7 = lay.grid_left + 1.5f * cw, y7 = lay.grid_top - 1.5f * ch;  // column 1, row 1
  set(0.2f, 0.4f, 0.6f);
  Colorselect_set_colorcell = 1;
  EXPECT_EQ(colorsel_pick(&lay, COLORSEL_GRID, x7, y7), 1);
  EXPECT_EQ(Colorselect_set_colorcell, 0);
  EXPECT_EQ(colorsel_current_cell(), 7);
  EXPECT_EQ(cell(7), (std::vector<int>{51, 102, 153}));
  std::vector<std::string> l = lines();
  ASSERT_EQ(l.size(), 37u);
  EXPECT_EQ(l[8], "51 102 153");  // line 9
  EXPECT_EQ(l[1], "255 0 0");
  EXPECT_EQ(l[6], "0 0 0");

  // Mode off: the press picks the cell's colour.
  set(1, 1, 1);
  EXPECT_EQ(colorsel_pick(&lay, COLORSEL_GRID, x7, y7), 0);
  expect_rgb(rgb(), 0.2f, 0.4f, 0.6f, "picked from cell 7");
  EXPECT_EQ(colorsel_pick(&lay, COLORSEL_GRID, lay.grid_right + 0.0f, lay.grid_bottom), 0);
  EXPECT_EQ(colorsel_current_cell(), 35);
  expect_rgb(rgb(), 1, 1, 1, "cell 35 is white");
}

}  // namespace
