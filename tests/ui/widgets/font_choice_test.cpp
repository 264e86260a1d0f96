// Reading sizes from font names and choosing the nearest size.
#include <gtest/gtest.h>

#include "ui/textc_windep.h"

namespace {

TEST(FontChoice, SizeFromName) {
  struct Case {
    const char *name;
    int size;
  } cases[] = {
      {"-misc-fixed-medium-r-normal--13-120-75-75-c-70-iso8859-1", 13},
      {"-misc-fixed-medium-r-normal--20-200-75-75-c-100-iso10646-1", 20},
      {"-misc-fixed-medium-r-normal--0-0-75-75-c-0-iso8859-1", 0},
      {".5-fixed", FONT_SIZE_UNREADABLE},
      {"a100.5", 5},     // the character after an over-large run is skipped
      {"a100x", 100},    // at the end: the last run read
      {"a100-200", 200},
      {"fixed", 0},
      {"", 0},
  };
  for (const Case &c : cases) EXPECT_EQ(font_name_size(c.name), c.size) << c.name;
}

TEST(FontChoice, NearestSizeFirstOnTie) {
  const int sizes[] = {20, 10, 13, 15, 13};
  EXPECT_EQ(font_nearest_index(sizes, 5, 13), 2);
  EXPECT_EQ(font_nearest_index(sizes, 5, 14), 2);  // 13 and 15 tie: 13 comes first
  EXPECT_EQ(font_nearest_index(sizes, 5, 99), 0);
  EXPECT_EQ(font_nearest_index(sizes, 5, 1), 1);
  EXPECT_EQ(font_nearest_index(sizes, 0, 13), -1);
}

TEST(FontChoice, IconLabelSize) {
  EXPECT_EQ(font_iconlabel_size(13, -1), 10);
  EXPECT_EQ(font_iconlabel_size(12, -1), 9);
  EXPECT_EQ(font_iconlabel_size(11, -1), 11);
  EXPECT_EQ(font_iconlabel_size(9, -1), 9);
  EXPECT_EQ(font_iconlabel_size(13, 20), 20);
}

}  // namespace
