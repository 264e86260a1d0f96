// The display-free part of the window positions: -smallscreen fits every
// registry row into 1024 x 768 and chooses the font "6x10" when -fn gave
// none; positions scale from a 1280 x 1024 screen.
#include <gtest/gtest.h>

#include <cstring>

#include "state/winpos.h"

namespace {

bool same(const Winpos_geometry &a, const Winpos_geometry &b) {
  return a.width == b.width && a.height == b.height && a.x == b.x && a.y == b.y;
}

TEST(Winpos, SmallScreenFitsEveryRow) {
  struct Case {
    const char *row;
    Winpos_geometry given, fitted;
  } cases[] = {
      {"main window", {910, 1023, 366, 0}, {910, 768, 114, 0}},
      {"Transformation Editor", {-1, 430, 0, 800}, {-1, 430, 0, 338}},
      {"Command", {-1, -1, 0, 682}, {-1, -1, 0, 682}},
      {"Connect Server", {-1, -1, 137, 0}, {-1, -1, 137, 0}},
      {"Feature Detail Editor", {-1, 871, 0, 0}, {-1, 768, 0, 0}},
      {"Selected Part(s) Window", {300, 240, 0, 776}, {300, 240, 0, 528}},
      {"Main Parts List", {200, 990, 150, 0}, {200, 768, 150, 0}},
      {"Legend Visibility", {-1, -1, -1, -1}, {-1, -1, -1, -1}},
      {"placed past the right edge", {-1, -1, 1100, 900}, {-1, -1, 1023, 767}},
      {"wider than the screen", {1200, 700, 50, 20}, {1024, 700, 0, 20}},
  };
  for (const Case &c : cases) {
    Winpos_geometry rows[1] = {c.given};
    char font[16] = "fixed";
    winpos_small_screen(rows, 1, font, sizeof font);
    EXPECT_TRUE(same(rows[0], c.fitted))
        << c.row << ": " << rows[0].width << "x" << rows[0].height << "+" << rows[0].x << "+"
        << rows[0].y;
    EXPECT_STREQ(font, "fixed") << "a font given with -fn stays";
  }
}

TEST(Winpos, SmallScreenChoosesItsFontWhenNoneWasGiven) {
  char font[16] = "";
  winpos_small_screen(nullptr, 0, font, sizeof font);
  EXPECT_STREQ(font, "6x10");
}

TEST(Winpos, PositionsScaleFromTheBuiltInScreen) {
  Winpos_geometry rows[3] = {{910, 1023, 366, 0}, {-1, -1, 0, 682}, {-1, -1, -1, -1}};
  winpos_scale_positions(rows, 3, 1024, 768);
  EXPECT_TRUE(same(rows[0], Winpos_geometry{910, 1023, 292, 0}));
  EXPECT_TRUE(same(rows[1], Winpos_geometry{-1, -1, 0, 511}));
  EXPECT_TRUE(same(rows[2], Winpos_geometry{-1, -1, -1, -1}));
}

}  // namespace
