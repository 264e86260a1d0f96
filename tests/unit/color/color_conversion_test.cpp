// RGB <-> HSV conversions of the colour chooser and the hexagon's radius
// factor, against hand-worked values.
#include <gtest/gtest.h>

#include "ui/color_chooser.h"

namespace {

const float Undefined_hue = -1.0f / 360.0f;

TEST(ColorConversion, RgbToHsvTable) {
  struct Case {
    const char *name;
    float r, g, b;
    float h, s, v;
  } cases[] = {
      {"pure red", 1, 0, 0, 0, 1, 1},
      {"pure blue", 0, 0, 1, 240.0f / 360, 1, 1},
      {"pure green", 0, 1, 0, 120.0f / 360, 1, 1},
      {"yellow", 1, 1, 0, 60.0f / 360, 1, 1},
      {"magenta wraps past 360", 1, 0, 1, 300.0f / 360, 1, 1},
      {"steel blue", 0.2f, 0.4f, 0.6f, 210.0f / 360, 2.0f / 3, 0.6f},
      {"grey has no hue", 0.5f, 0.5f, 0.5f, Undefined_hue, 0, 0.5f},
      {"black has no hue", 0, 0, 0, Undefined_hue, 0, 0},
  };
  for (const Case &c : cases) {
    float h = 9, s = 9, v = 9;
    rgb_to_hsv(c.r, c.g, c.b, &h, &s, &v);
    EXPECT_NEAR(h, c.h, 1e-6) << c.name;
    EXPECT_NEAR(s, c.s, 1e-6) << c.name;
    EXPECT_NEAR(v, c.v, 1e-6) << c.name;
  }
}

TEST(ColorConversion, HsvToRgbTable) {
  struct Case {
    const char *name;
    float h, s, v;
    float r, g, b;
  } cases[] = {
      {"hue 1 is red", 1, 1, 1, 1, 0, 0},
      {"hue 0 is red", 0, 1, 1, 1, 0, 0},
      {"blue", 240.0f / 360, 1, 1, 0, 0, 1},
      {"grey ignores hue 0", 0, 0, 0.3f, 0.3f, 0.3f, 0.3f},
      {"grey ignores hue 0.5", 0.5f, 0, 0.3f, 0.3f, 0.3f, 0.3f},
      {"grey ignores the undefined hue", Undefined_hue, 0, 0.3f, 0.3f, 0.3f, 0.3f},
      {"half saturated cyan", 0.5f, 0.5f, 0.8f, 0.4f, 0.8f, 0.8f},
      {"dark magenta", 300.0f / 360, 1, 0.5f, 0.5f, 0, 0.5f},
  };
  for (const Case &c : cases) {
    float r = 9, g = 9, b = 9;
    hsv_to_rgb(c.h, c.s, c.v, &r, &g, &b);
    EXPECT_NEAR(r, c.r, 1e-6) << c.name;
    EXPECT_NEAR(g, c.g, 1e-6) << c.name;
    EXPECT_NEAR(b, c.b, 1e-6) << c.name;
  }
}

TEST(ColorConversion, HueOutsideATurnLeavesTheOutputs) {
  for (float h : {1.5f, -0.5f}) {
    float r = 7, g = 8, b = 9;
    hsv_to_rgb(h, 1, 1, &r, &g, &b);
    EXPECT_EQ(r, 7) << h;
    EXPECT_EQ(g, 8) << h;
    EXPECT_EQ(b, 9) << h;
  }
}

TEST(ColorConversion, RoundTripsKeepTheColour) {
  const float colours[][3] = {{1, 0, 0},       {0, 0, 1},          {0.5f, 0.5f, 0.5f},
                              {0.1f, 0.9f, 0.3f}, {0.75f, 0.25f, 0.6f}, {0.3f, 0.2f, 0.2f},
                              {0, 0, 0},       {1, 1, 1},          {0.99f, 0.98f, 0.01f}};
  for (const auto &c : colours) {
    float h, s, v, r = -1, g = -1, b = -1;
    rgb_to_hsv(c[0], c[1], c[2], &h, &s, &v);
    hsv_to_rgb(h, s, v, &r, &g, &b);
    EXPECT_NEAR(r, c[0], 1e-5) << c[0] << " " << c[1] << " " << c[2];
    EXPECT_NEAR(g, c[1], 1e-5) << c[0] << " " << c[1] << " " << c[2];
    EXPECT_NEAR(b, c[2], 1e-5) << c[0] << " " << c[1] << " " << c[2];
  }
}

TEST(ColorConversion, HexagonRadiusFactor) {
  struct Case {
    float hue, factor;
  } cases[] = {{0, 1}, {1.0f / 6, 1}, {0.5f, 1}, {1, 1}, {1.0f / 12, 0.866f}, {7.0f / 12, 0.866f}};
  for (const Case &c : cases) EXPECT_NEAR(saturation_factor(c.hue), c.factor, 1e-3) << c.hue;
}

}  // namespace
