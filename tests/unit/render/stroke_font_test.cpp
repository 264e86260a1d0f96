// The stroke font's glyph table and string widths: the totals, the telling
// rows, the empty control codes and the widths of strings with blanks and
// bytes outside the font.
#include <gtest/gtest.h>

#include "render/stroke_font.h"

namespace {

TEST(StrokeFont, TableHoldsTheRomanGlyphs) {
  const Stroke_font_rec &f = glutStrokeRoman;
  EXPECT_STREQ(f.name, "Roman");
  ASSERT_EQ(f.num_chars, 128);
  EXPECT_FLOAT_EQ(f.top, 119.048f);
  EXPECT_FLOAT_EQ(f.bottom, -33.3333f);
  int strokes = 0, coords = 0;
  for (int c = 0; c < f.num_chars; c++) {
    const Stroke_char_rec &ch = f.chars[c];
    if (c < 32) {
      EXPECT_EQ(ch.num_strokes, 0) << c;
      EXPECT_EQ(ch.right, 0.0f) << c;
    }
    strokes += ch.num_strokes;
    for (int s = 0; s < ch.num_strokes; s++) coords += ch.strokes[s].num_coords;
  }
  EXPECT_EQ(strokes, 188);
  EXPECT_EQ(coords, 1086);
}

TEST(StrokeFont, TellingRows) {
  struct Row {
    int code, strokes, coords;
    float centre, advance;
  };
  const Row rows[] = {
      {32, 0, 0, 26.1905f, 52.381f},   {33, 2, 7, 13.3819f, 26.6238f},
      {45, 1, 2, 50.2371f, 100.754f},  {46, 1, 5, 13.1019f, 26.4838f},
      {48, 1, 17, 38.3133f, 77.0667f}, {65, 3, 6, 40.5952f, 80.4905f},
      {77, 4, 8, 48.9552f, 97.2105f},  {105, 2, 7, 14.7819f, 28.8638f},
      {127, 2, 19, 33.3333f, 66.6667f},
  };
  for (const Row &r : rows) {
    const Stroke_char_rec &ch = glutStrokeRoman.chars[r.code];
    int coords = 0;
    for (int s = 0; s < ch.num_strokes; s++) coords += ch.strokes[s].num_coords;
    EXPECT_EQ(ch.num_strokes, r.strokes) << r.code;
    EXPECT_EQ(coords, r.coords) << r.code;
    EXPECT_NEAR(ch.centre, r.centre, 1e-4) << r.code;
    EXPECT_NEAR(ch.right, r.advance, 1e-4) << r.code;
  }
}

TEST(StrokeFont, StringLengths) {
  struct Case {
    const char *text;
    float length;
  };
  const Case cases[] = {
      {"A A", 213.362f},
      {"", 0.0f},
      {"A\xC8"
       "A",
       160.981f},
      {"\x07", 0.0f},
  };
  for (const Case &c : cases)
    EXPECT_NEAR(glutStringLength(&glutStrokeRoman, c.text), c.length, 1e-3) << c.text;
  EXPECT_EQ(glutStringLength(&glutStrokeRoman, nullptr), 0.0f);
}

}  // namespace
