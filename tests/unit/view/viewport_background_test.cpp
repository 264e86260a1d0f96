// Background arithmetic without a display: blend sampling, the inherit
// rebuild, the contrast colour and the "background_view" archive section.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "client/screen.h"
#include "harness.h"
#include "render/display.h"
#include "state/bkup_section.h"
#include "client/alloc_gate.h"
#include "view/viewport_background.h"
#include "view/viewport_images.h"
#include "view/viewports.h"

namespace {

struct Level {
  float r, g, b, position;
};

// Gives viewport v a blended background of the levels.
void blend(int v, const std::vector<Level> &levels) {
  float *a = Viewports[v].attributes;
  a[VP_BACKGROUND_TYPE] = 3;
  a[VP_BLEND_LEVELS] = (float)levels.size();
  for (size_t i = 0; i < levels.size(); i++) {
    a[VP_BLEND_RGB + 3 * i] = levels[i].r;
    a[VP_BLEND_RGB + 3 * i + 1] = levels[i].g;
    a[VP_BLEND_RGB + 3 * i + 2] = levels[i].b;
    a[VP_BLEND_POSITION + i] = levels[i].position;
  }
}

std::vector<float> color_at(int v, float t) {
  int saved = Viewport_current;
  Viewport_current = v;
  float r = -1, g = -1, b = -1;
  get_b_color(t, &r, &g, &b);
  Viewport_current = saved;
  return {r, g, b};
}

std::vector<float> level(int v, int k) {
  const float *a = &Viewports[v].attributes[VP_BLEND_RGB + 3 * k];
  return {a[0], a[1], a[2]};
}

class ViewportBackground : public testing::Test {
 protected:
  void SetUp() override {
    int x0 = 0, x1 = 399, y0 = 0, y1 = 299;
    grasal(&x0, &x1, &y0, &y1, 0, 1);
    global_init_viewports();
    // Black at 0, red at 0.5, white at 1.
    blend(0, {{0, 0, 0, 0}, {1, 0, 0, 0.5f}, {1, 1, 1, 1}});
  }
};

TEST_F(ViewportBackground, BlendIsSampledInTheFirstBandThatHoldsTheHeight) {
  struct {
    float t;
    std::vector<float> rgb;
  } cases[] = {
      {-0.5f, {0, 0, 0}}, {0.0f, {0, 0, 0}},     {0.25f, {0.5f, 0, 0}},
      {0.5f, {1, 0, 0}},  {0.75f, {1, 0.5f, 0.5f}}, {1.0f, {1, 1, 1}},
      {3.0f, {1, 1, 1}},
  };
  for (const auto &c : cases) EXPECT_EQ(color_at(0, c.t), c.rgb) << c.t;
  // Positions out of order: no band holds the height, the outputs stay.
  Viewports[0].attributes[VP_BLEND_POSITION + 1] = 0.8f;
  Viewports[0].attributes[VP_BLEND_POSITION + 2] = 0.6f;
  EXPECT_EQ(color_at(0, 0.9f), (std::vector<float>{-1, -1, -1}));
}

TEST_F(ViewportBackground, InheritRebuildsTheMainBlendOverTheViewportsHeights) {
  struct {
    const char *name;
    float y0, height;
    std::vector<std::vector<float>> colors;
    std::vector<float> positions;
  } cases[] = {
      {"across the red level", 0.25f, 0.5f, {{0.5f, 0, 0}, {1, 0, 0}, {1, 0.5f, 0.5f}}, {0, 0.5f, 1}},
      {"inside one band", 0.1f, 0.2f, {{0.2f, 0, 0}, {0.6f, 0, 0}}, {0, 1}},
      {"ending on the red level", 0.0f, 0.5f, {{0, 0, 0}, {1, 0, 0}}, {0, 1}},
  };
  for (const auto &c : cases) {
    float *a = Viewports[1].attributes;
    a[VP_ORIGIN_Y] = c.y0;
    a[VP_HEIGHT] = c.height;
    inherit_blend_from_main(1);
    ASSERT_EQ(a[VP_BLEND_LEVELS], (float)c.colors.size()) << c.name;
    for (size_t k = 0; k < c.colors.size(); k++) {
      for (int i = 0; i < 3; i++)
        EXPECT_NEAR(level(1, (int)k)[i], c.colors[k][i], 1e-6) << c.name << " level " << k;
      EXPECT_FLOAT_EQ(a[VP_BLEND_POSITION + k], c.positions[k]) << c.name << " level " << k;
    }
  }
}

TEST_F(ViewportBackground, InheritKeepsAtMostFiveLevelsForAViewportReachingAboveTheWindow) {
  blend(0, {{0, 0, 0, 0}, {1, 0, 0, 0.2f}, {0, 1, 0, 0.4f}, {0, 0, 1, 0.6f}, {1, 1, 1, 1}});
  float *a = Viewports[1].attributes;
  a[VP_ORIGIN_Y] = 0.1f;
  a[VP_HEIGHT] = 1.5f;
  a[VP_VISIBLE] = 1.0f;
  inherit_blend_from_main(1);
  EXPECT_EQ(a[VP_BLEND_LEVELS], 5.0f);
  EXPECT_EQ(a[VP_VISIBLE], 1.0f);  // slot 32 is not a blend slot
  EXPECT_EQ(a[VP_BLEND_POSITION + 4], 1.0f);
  EXPECT_EQ(level(1, 4), (std::vector<float>{1, 1, 1}));  // the main colour at the top
}

TEST_F(ViewportBackground, ContrastIsWhiteOnDarkAndBlackFromHalfGrey) {
  struct {
    const char *name;
    std::vector<Level> blend_levels;  // empty: constant colour below
    float rgb[3];
    float expected;
  } cases[] = {
      {"black", {}, {0, 0, 0}, 1},
      {"white", {}, {1, 1, 1}, 0},
      {"half grey", {}, {0.5f, 0.5f, 0.5f}, 0},
      {"dark red", {}, {0.9f, 0, 0}, 1},
      {"black to white", {{0, 0, 0, 0}, {1, 1, 1, 1}}, {0, 0, 0}, 0},
      {"start-up blue blend", {{0, 0, 0, 0}, {0, 0, 0.3f, 0.5f}, {0, 0, 0.6f, 1}}, {0, 0, 0}, 1},
  };
  for (const auto &c : cases) {
    float *a = Viewports[0].attributes;
    if (c.blend_levels.empty()) {
      a[VP_BACKGROUND_TYPE] = 2;
      memcpy(&a[VP_CONSTANT_RGB], c.rgb, sizeof c.rgb);
    } else {
      blend(0, c.blend_levels);
    }
    recompute_contrast_color();
    float got[3];
    get_contrast_color(got);
    EXPECT_EQ(got[0], c.expected) << c.name;
    EXPECT_EQ(got[2], c.expected) << c.name;
  }
  // Another viewport's background leaves it alone.
  float before[3], after[3];
  get_contrast_color(before);
  float a[VIEWPORT_ATTRS];
  char name[VIEWPORT_NAME_TEXT];
  viewport_attributes(1, a, name, 0, 0);
  a[VP_CONSTANT_RGB] = a[VP_CONSTANT_RGB + 1] = a[VP_CONSTANT_RGB + 2] = 1.0f;
  viewport_attributes(1, a, name, 0, 1);
  get_contrast_color(after);
  EXPECT_EQ(before[0], after[0]);
}

TEST_F(ViewportBackground, EditLevelOfTheMainViewportWhenNoneIsSelected) {
  for (Viewport_rec &vp : Viewports) vp.selected = 0;
  int level = 3;
  background_level(&level, 1);
  EXPECT_EQ(Viewports[0].blend_edit_level, 2);
  level = 4;  // more than the main viewport's three levels
  background_level(&level, 1);
  level = 0;
  background_level(&level, 0);
  EXPECT_EQ(level, 3);
  EXPECT_EQ(return_current_background_type(), 3);
}

TEST_F(ViewportBackground, ArchiveSectionIsTheVersionWordAlone) {
  qtest::TempDir dir("qbg");
  std::string path = dir.file("bg.arc");
  FILE *fp = fopen(path.c_str(), "wb");
  ASSERT_TRUE(fp);
  EXPECT_EQ(background_bkup(fp, BKUP_SAVE), 1);
  fclose(fp);
  EXPECT_EQ(qtest::read_file(path), std::string("\x41\x20\x00\x00", 4));

  // Restoring recomputes the contrast from the main viewport.
  float *a = Viewports[0].attributes;
  a[VP_BACKGROUND_TYPE] = 2;
  a[VP_CONSTANT_RGB] = a[VP_CONSTANT_RGB + 1] = a[VP_CONSTANT_RGB + 2] = 1.0f;
  Contrast_color[0] = 1.0f;
  fp = fopen(path.c_str(), "rb");
  EXPECT_EQ(background_bkup(fp, BKUP_RESTORE), 1);
  EXPECT_EQ(Contrast_color[0], 0.0f);
  testing::internal::CaptureStderr();
  EXPECT_EQ(background_bkup(fp, BKUP_RESTORE), -1);  // nothing left to read
  EXPECT_NE(testing::internal::GetCapturedStderr().find("background_bkup:"), std::string::npos);
  fclose(fp);
  EXPECT_EQ(background_bkup(nullptr, 5), 1);
}

// The window picture's buffer could not be had: reported once, never
// tried again, and left null.
TEST(ViewportImages, AFailedAllocationIsReportedOnceAndLeavesTheBufferNull) {
  unsigned char *kept = Parray;
  long kept_size = Parray_size;
  Parray = nullptr;
  Parray_size = 0;
  alloc_gate_fail_after(0);
  testing::internal::CaptureStderr();
  check_size_parray();
  check_size_parray();
  std::string err = testing::internal::GetCapturedStderr();
  alloc_gate_fail_after(-1);
  EXPECT_EQ(Parray, nullptr);
  EXPECT_GT(Parray_size, 0);
  EXPECT_EQ(qtest::count_of(err, "Parray:  Memory(d1calloc) allocation failed."), 1) << err;
  EXPECT_NE(err.find("E> At Line"), std::string::npos);
  Parray = kept;
  Parray_size = kept_size;
}

}  // namespace
