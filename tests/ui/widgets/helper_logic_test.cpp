// The widget-free routines of the helper library and the dynamic menus.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "ui/menus.h"
#include "ui/widget_helpers.h"

namespace {

std::string mnemonics(std::initializer_list<const char *> labels) {
  std::vector<const char *> v(labels);
  std::string out(v.size(), '?');
  dyn_menu_mnemonics(v.data(), static_cast<int>(v.size()), &out[0]);
  return out;
}

TEST(HelperLogic, DynamicMnemonicsDifferByLetterAndCase) {
  EXPECT_EQ(mnemonics({"Pressure", "pressure_max", "Temp"}), "PpT");
  EXPECT_EQ(mnemonics({"Pressure", "Pressure", "Pressure"}), "Pre");
  // Nothing free: the first character.  A non-letter takes the slot of "A".
  EXPECT_EQ(mnemonics({"aa", "a", "_b", "Ab"}), "aa_b");
  EXPECT_EQ(mnemonics({"", "x"}), std::string("\0x", 2));
}

TEST(HelperLogic, LowerCaseCopy) {
  char *s = lower_case("File Menu 2");
  ASSERT_NE(s, nullptr);
  EXPECT_STREQ(s, "file menu 2");
  free(s);
}

TEST(HelperLogic, InRangeIsInclusive) {
  EXPECT_EQ(in_range(1.0f, 1.0f, 2.0f), 1);
  EXPECT_EQ(in_range(2.0f, 1.0f, 2.0f), 1);
  EXPECT_EQ(in_range(2.01f, 1.0f, 2.0f), 0);
  EXPECT_EQ(in_range(0.99f, 1.0f, 2.0f), 0);
}

}  // namespace
