// Balloon texts by id band, the width a text is given and the balloon's
// place relative to the pointer.
#include <gtest/gtest.h>

#include <cstring>

#include "ui/balloon_help.h"

namespace {

TEST(BalloonHelp, TextsByBand) {
  const struct {
    long id;
    const char *text;  // null: no balloon
  } cases[] = {
      {0, "Color Parts"},
      {17, "Variable Calculator"},
      {18, nullptr},
      {55, "View Manipulation"},
      {106, "Global Axis Visibility"},
      {166, "Delete Selected Part(s)"},
      {220, "Show Icons To Edit Default Annotation\nAttributes When No Items Are Selected"},
      {255, "Delete Selected Graph(s)."},
      {310, "Delete Selected Viewport(s)"},
      {358, "Type\n(Rectangular/Cylindrical/Spherical)"},
      {403, "RubberBand Zoom"},
      {407, "Front/Back Viewing Frustrum Clip Tool"},
      {450, "Displays message dialog"},
      {499, "Displays message dialog"},
      {500, "Look Down -X Axis."},
      {507, "Reinitialize Model."},
      {517, "Tool Tips(Also, known as Balloon Help)"},
      {550, "Variables and Their Legends"},
      {562, "Tensor Glyph"},
      {563, nullptr},
      {-1, nullptr},
  };
  for (const auto &c : cases) {
    const char *t = balloon_help_text(c.id);
    if (!c.text) {
      EXPECT_EQ(t, nullptr) << c.id;
    } else {
      ASSERT_NE(t, nullptr) << c.id;
      EXPECT_STREQ(t, c.text) << c.id;
      EXPECT_LT(strlen(t), static_cast<size_t>(BALLOON_TEXT));
    }
  }
}

TEST(BalloonHelp, WidthFromTheLongerLine) {
  EXPECT_EQ(balloon_help_textwidth("Tool Tips(Also, known as Balloon Help)"), 38);
  EXPECT_EQ(balloon_help_textwidth("Assign Selected Part(s)\nto Selected Frame"), 23);
  EXPECT_EQ(balloon_help_textwidth("ab\nlonger second line"), 19);  // last line + 1
  // Three lines: the middle line counts with its break.
  EXPECT_EQ(balloon_help_textwidth("a\nmiddle line long\nb"), 17);
}

TEST(BalloonHelp, PlacedBelowForTheBottomRowAboveOtherwise) {
  int x = -1, y = -1;
  // "Tool Tips": 44 character widths left of the pointer, 15 pixels below.
  balloon_help_position(517, 38, 10, 20, 600, 700, 7, 13, &x, &y);
  EXPECT_EQ(x, 10 + 600 - 44 * 7);
  EXPECT_EQ(y, 20 + 700 + 15);
  // " Info... ": n + 1 widths left, four font sizes above.
  balloon_help_position(510, 20, 10, 20, 600, 700, 7, 13, &x, &y);
  EXPECT_EQ(x, 10 + 600 - 21 * 7);
  EXPECT_EQ(y, 20 + 700 - 52);
  // Off the left and top edges: 0.
  balloon_help_position(400, 6, 0, 0, 5, 0, 7, 13, &x, &y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 15);
  balloon_help_position(100, 30, 0, 0, 5, 10, 7, 13, &x, &y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  for (long id : {400L, 407L, 500L, 506L, 517L}) EXPECT_TRUE(balloon_help_bottomrow(id)) << id;
  for (long id : {408L, 507L, 508L, 516L, 3L}) EXPECT_FALSE(balloon_help_bottomrow(id)) << id;
}

}  // namespace
