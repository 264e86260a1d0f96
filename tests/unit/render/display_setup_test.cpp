// The start-up values of the graphics side and the window bounds store:
// the picking factor from its environment text, the machine epsilons and
// grasal's modes.
#include <gtest/gtest.h>

#include <cmath>

#include "render/display.h"

namespace {

TEST(DisplaySetup, PickScaleFromItsEnvironmentText) {
  struct Case {
    const char *text;  // null: unset
    float expected;
  } cases[] = {{nullptr, 1.0f}, {"0.5", 1.0f}, {"3", 3.0f}, {"x", 1.0f}, {"2.5abc", 2.5f}};
  for (const Case &c : cases)
    EXPECT_EQ(pick_scale_from(c.text, 1.0f), c.expected) << (c.text ? c.text : "unset");
  EXPECT_EQ(pick_scale_from("x", 4.0f), 4.0f) << "text that does not parse keeps the value";
}

TEST(DisplaySetup, MachineEpsilons) {
  float single = 0;
  double twice = 0;
  machine_epsilons(&single, &twice);
  EXPECT_EQ(single, 1.192093e-7f);
  EXPECT_EQ(twice, std::ldexp(1.0, -52));
}

TEST(DisplaySetup, GrasalModes) {
  int v[4] = {0, 0, 0, 0};
  grasal(&v[0], &v[1], &v[2], &v[3], 1, 0);
  EXPECT_EQ(v[0], -1) << "display 1 before any store";
  EXPECT_EQ(v[3], -1);
  struct Case {
    const char *what;
    int dpy, mode, values[4], result, stored[4];
  } cases[] = {
      {"first store", 1, 1, {0, 99, 0, 49}, 1, {0, 99, 0, 49}},
      {"the same four", 1, 1, {0, 99, 0, 49}, 0, {0, 99, 0, 49}},
      {"one changed", 1, 1, {0, 99, 0, 59}, 1, {0, 99, 0, 59}},
      {"another mode changes nothing", 1, 2, {5, 5, 5, 5}, 0, {0, 99, 0, 59}},
      {"no such display", 2, 1, {5, 5, 5, 5}, 0, {0, 99, 0, 59}},
  };
  for (const Case &c : cases) {
    int in[4] = {c.values[0], c.values[1], c.values[2], c.values[3]};
    EXPECT_EQ(grasal(&in[0], &in[1], &in[2], &in[3], c.dpy, c.mode), c.result) << c.what;
    int out[4];
    EXPECT_EQ(grasal(&out[0], &out[1], &out[2], &out[3], 1, 0), 0) << c.what;
    for (int i = 0; i < 4; i++) EXPECT_EQ(out[i], c.stored[i]) << c.what << " " << i;
  }
}

}  // namespace
