// RGB <-> HSV conversions of the colour chooser and the hexagon's radius
// factor, against hand-worked values.
#include <gtest/gtest.h>

#include "ui/color_chooser.h"

namespace {

const float Undefined_hue = -1.0f / 360.0f;

using Convert = void (*)(float, float, float, float *, float *, float *);

struct Case {
  const char *name;
  float in[3];
  float out[3];
};

void check(Convert f, const Case &c) {
  float o[3] = {9, 9, 9};
  f(c.in[0], c.in[1], c.in[2], &o[0], &o[1], &o[2]);
  for (int i = 0; i < 3; i++) EXPECT_NEAR(o[i], c.out[i], 1e-6) << c.name << " component " << i;
}

TEST(ColorConversion, RgbToHsvTable) {
  const Case cases[] = {
      {"pure red", {1, 0, 0}, {0, 1, 1}},
      {"pure blue", {0, 0, 1}, {240.0f / 360, 1, 1}},
      {"pure green", {0, 1, 0}, {120.0f / 360, 1, 1}},
      {"yellow", {1, 1, 0}, {60.0f / 360, 1, 1}},
      {"magenta wraps past 360", {1, 0, 1}, {300.0f / 360, 1, 1}},
      {"steel blue", {0.2f, 0.4f, 0.6f}, {210.0f / 360, 2.0f / 3, 0.6f}},
      {"grey has no hue", {0.5f, 0.5f, 0.5f}, {Undefined_hue, 0, 0.5f}},
      {"black has no hue", {0, 0, 0}, {Undefined_hue, 0, 0}},
  };
  for (const Case &c : cases) check(rgb_to_hsv, c);
}

TEST(ColorConversion, HsvToRgbTable) {
  const Case cases[] = {
      {"hue 1 is red", {1, 1, 1}, {1, 0, 0}},
      {"hue 0 is red", {0, 1, 1}, {1, 0, 0}},
      {"blue", {240.0f / 360, 1, 1}, {0, 0, 1}},
      {"grey ignores hue 0", {0, 0, 0.3f}, {0.3f, 0.3f, 0.3f}},
      {"grey ignores hue 0.5", {0.5f, 0, 0.3f}, {0.3f, 0.3f, 0.3f}},
      {"grey ignores the undefined hue", {Undefined_hue, 0, 0.3f}, {0.3f, 0.3f, 0.3f}},
      {"half saturated cyan", {0.5f, 0.5f, 0.8f}, {0.4f, 0.8f, 0.8f}},
      {"dark magenta", {300.0f / 360, 1, 0.5f}, {0.5f, 0, 0.5f}},
  };
  for (const Case &c : cases) check(hsv_to_rgb, c);
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
