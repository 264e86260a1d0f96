// The stipples of line styles and fill patterns, and values past the tables.
#include <gtest/gtest.h>

#include "render/stipple.h"

namespace {

TEST(Stipple, LineStylesAndValuesPastTheTable) {
  struct Case {
    int style;
    unsigned short want;
  } cases[] = {{0, 0xffff}, {1, 0xcccc}, {2, 0xffc0}, {5, 0xffcc}, {6, 0}, {99, 0}, {-1, 0}};
  for (const Case &c : cases) EXPECT_EQ(line_style_pattern(c.style), c.want) << c.style;
}

TEST(Stipple, FillPatternRowsAndValuesPastTheTable) {
  struct Case {
    int fill;
    unsigned char row0, row2, row3;  // first byte of rows 0, 2 and 3
  } cases[] = {{0, 0xff, 0xff, 0xff}, {1, 0xcc, 0x33, 0x33}, {2, 0xaa, 0xaa, 0x55}, {3, 0x55, 0x55, 0x88}};
  for (const Case &c : cases) {
    const unsigned char *m = poly_style_pattern(c.fill);
    ASSERT_NE(m, nullptr) << c.fill;
    EXPECT_EQ(m[0], c.row0) << c.fill;
    EXPECT_EQ(m[8], c.row2) << c.fill;
    EXPECT_EQ(m[12], c.row3) << c.fill;
    EXPECT_EQ(m[127], m[4 * (31 % 4) + 3]) << "rows repeat to the last, pattern " << c.fill;
  }
  EXPECT_EQ(poly_style_pattern(4), nullptr);
  EXPECT_EQ(poly_style_pattern(-2), nullptr);
}

}  // namespace
