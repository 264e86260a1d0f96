// The viewport redraw read back from a window of a private X server:
// backgrounds of every kind (the inherited blend continues the main one
// across the viewport), the main viewport's background under a reduced main
// viewport, the overlap mask in the stencil buffer, the back-buffer copy and
// the saved window picture.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "client/interf_settings.h"
#include "gl_window.h"
#include "gl_window_suite.h"
#include "harness.h"
#include "interact/movmnt.h"
#include "render/disobj.h"
#include "render/display.h"
#include "view/viewer_state.h"
#include "view/viewport_background.h"
#include "view/viewport_images.h"
#include "view/viewport_redraw.h"
#include "view/viewports.h"

namespace {

const int W = 200, H = 200;

struct Rgb {
  int r, g, b;
};

class ViewportPasses : public qtest::GlWindowSuite<W, H, 8> {
 protected:
  void SetUp() override {
    GlWindowSuite::SetUp();
    if (HasFatalFailure()) return;
    qtest::install_gl_window_screen({window_.get()}, true);
    window_->make_current();
    int x0 = 0, x1 = W - 1, y0 = 0, y1 = H - 1;
    grasal(&x0, &x1, &y0, &y1, 0, 1);
    global_init_viewports();
    intvew(-1, 1, -1, 1, -1, 1);
    Current_mode = 1;
    Dpy_current = 0;
    glEnable(GL_DEPTH_TEST);
    glClearStencil(1);
  }
  void TearDown() override { qtest::install_gl_window_screen({}); }

  static Rgb at(const std::vector<unsigned char> &px, int x, int y) {
    const unsigned char *p = &px[3 * (y * W + x)];
    return {p[0], p[1], p[2]};
  }
  // Sets slots of viewport v through the attribute setter.
  template <typename Change>
  static void change(int v, Change c) {
    float a[VIEWPORT_ATTRS];
    char name[VIEWPORT_NAME_TEXT];
    viewport_attributes(v, a, name, 0, 0);
    c(a);
    viewport_attributes(v, a, name, 0, 1);
  }
  static void place(float *a, float x, float y, float w, float h) {
    a[VP_ORIGIN_X] = x;
    a[VP_ORIGIN_Y] = y;
    a[VP_WIDTH] = w;
    a[VP_HEIGHT] = h;
  }
  static void constant(float *a, float r, float g, float b) {
    a[VP_BACKGROUND_TYPE] = 2;
    a[VP_CONSTANT_RGB] = r;
    a[VP_CONSTANT_RGB + 1] = g;
    a[VP_CONSTANT_RGB + 2] = b;
  }
};

void expect_near(Rgb got, Rgb want, int tol, const char *what, int y) {
  EXPECT_NEAR(got.r, want.r, tol) << what << " at row " << y;
  EXPECT_NEAR(got.g, want.g, tol) << what << " at row " << y;
  EXPECT_NEAR(got.b, want.b, tol) << what << " at row " << y;
}

// The main blend black at 0, red at 0.5, white at 1, at window height t.
Rgb main_blend(float t) {
  if (t <= 0.5f) return {(int)(255 * t / 0.5f + 0.5f), 0, 0};
  int gb = (int)(255 * (t - 0.5f) / 0.5f + 0.5f);
  return {255, gb, gb};
}

TEST_F(ViewportPasses, AnInheritingViewportContinuesTheMainBlend) {
  change(0, [](float *a) {
    a[VP_BACKGROUND_TYPE] = 3;
    a[VP_BLEND_LEVELS] = 3;
    const float rgb[9] = {0, 0, 0, 1, 0, 0, 1, 1, 1};
    for (int k = 0; k < 9; k++) a[VP_BLEND_RGB + k] = rgb[k];
    a[VP_BLEND_POSITION + 1] = 0.5f;
  });
  ASSERT_EQ(make_new_viewport(), 1);
  change(1, [this](float *a) {
    place(a, 0.25f, 0.25f, 0.5f, 0.5f);
    a[VP_BACKGROUND_TYPE] = 1;
    a[VP_BORDER_VISIBLE] = 0;
  });
  display_viewport_all(0, 0);
  std::vector<unsigned char> px = window_->pixels();
  for (int y = 54; y <= 146; y += 8) {
    float t = (y + 0.5f) / H;
    expect_near(at(px, 100, y), main_blend(t), 4, "inside the inheriting viewport", y);
    expect_near(at(px, 20, y), main_blend(t), 4, "main viewport", y);
  }
  EXPECT_EQ(Viewports[1].attributes[VP_BLEND_LEVELS], 3.0f);
  EXPECT_EQ(Viewports[1].attributes[VP_BACKGROUND_TYPE], 1.0f);  // still reads inherit
}

TEST_F(ViewportPasses, ConstantTransparentAndAReducedMainViewport) {
  change(0, [this](float *a) {
    constant(a, 0, 0, 1);
    place(a, 0, 0, 0.5f, 1);
  });
  ASSERT_EQ(make_new_viewport(), 1);
  change(1, [this](float *a) {
    place(a, 0.5f, 0, 0.5f, 0.5f);
    constant(a, 1, 0, 0);
    a[VP_BORDER_VISIBLE] = 0;
  });
  ASSERT_EQ(make_new_viewport(), 1);
  change(2, [this](float *a) {
    place(a, 0.6f, 0.6f, 0.3f, 0.3f);
    a[VP_BACKGROUND_TYPE] = 0;
    a[VP_BORDER_VISIBLE] = 1;
    a[VP_BORDER_RGB] = 0;
    a[VP_BORDER_RGB + 1] = 1;
    a[VP_BORDER_RGB + 2] = 0;
  });
  display_viewport_all(0, 0);
  std::vector<unsigned char> px = window_->pixels();
  expect_near(at(px, 150, 50), {255, 0, 0}, 0, "constant viewport 1", 50);
  // The main viewport's background covers the window beyond its own half,
  // and shows through the transparent viewport 2.
  expect_near(at(px, 150, 190), {0, 0, 255}, 0, "main background right of the main viewport", 190);
  expect_near(at(px, 150, 150), {0, 0, 255}, 0, "through the transparent viewport", 150);
  expect_near(at(px, 120, 150), {0, 255, 0}, 0, "green border of viewport 2", 150);

  // A hidden main viewport still has its background drawn.
  change(0, [](float *a) { a[VP_VISIBLE] = 0; });
  glClearColor(1, 1, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  display_viewport_all(0, 0);
  px = window_->pixels();
  expect_near(at(px, 50, 150), {0, 0, 255}, 0, "hidden main viewport", 150);
}

TEST_F(ViewportPasses, OneConstantViewportClearsTheWindow) {
  change(0, [this](float *a) { constant(a, 0, 1, 0); });
  display_viewport_all(0, 0);
  std::vector<unsigned char> px = window_->pixels();
  expect_near(at(px, 0, 0), {0, 255, 0}, 0, "corner", 0);
  expect_near(at(px, W - 1, H - 1), {0, 255, 0}, 0, "corner", H - 1);
}

TEST_F(ViewportPasses, StencilMaskIsZeroOverTheViewportWhereNoneAboveLies) {
  ASSERT_EQ(make_new_viewport(), 1);
  change(1, [this](float *a) {
    place(a, 0.1f, 0.1f, 0.5f, 0.5f);
    a[VP_BORDER_VISIBLE] = 0;
  });
  ASSERT_EQ(make_new_viewport(), 1);
  struct Probe {
    float x, y;
    int mask;
  };
  struct {
    const char *name;
    float x, y, w, h;  // viewport 2, stacked above viewport 1 at (0.1, 0.1, 0.5, 0.5)
    std::vector<Probe> probes;
  } cases[] = {
      {"over an edge", 0.4f, 0.4f, 0.4f, 0.4f,
       {{0.2f, 0.2f, 0}, {0.5f, 0.2f, 0}, {0.5f, 0.5f, 1}, {0.7f, 0.7f, 1}, {0.9f, 0.1f, 1}}},
      {"covering", 0.05f, 0.05f, 0.7f, 0.7f, {{0.2f, 0.2f, 1}, {0.5f, 0.5f, 1}, {0.9f, 0.9f, 1}}},
      {"apart", 0.7f, 0.7f, 0.2f, 0.2f, {{0.2f, 0.2f, 0}, {0.5f, 0.5f, 0}, {0.8f, 0.8f, 1}}},
  };
  for (const auto &c : cases) {
    change(2, [&](float *a) {
      place(a, c.x, c.y, c.w, c.h);
      a[VP_BORDER_VISIBLE] = 0;
    });
    Viewport_current = 1;
    viewport_create_stencil_buffer();
    EXPECT_EQ(Stencil_current_viewport, 1);
    EXPECT_EQ(Viewport_current, 1);
    std::vector<unsigned char> s = window_->stencil();
    for (const Probe &p : c.probes)
      EXPECT_EQ(s[(int)(p.y * H) * W + (int)(p.x * W)], p.mask) << c.name << " at " << p.x << ", " << p.y;
  }
}

// Viewport 1 red with viewport 2 blue stacked above it: redrawing viewport 1
// alone, green now, through the mask leaves every pixel of viewport 2 blue.
TEST_F(ViewportPasses, ARedrawOfOneViewportThroughTheMaskSparesTheOneAbove) {
  ASSERT_EQ(make_new_viewport(), 1);
  ASSERT_EQ(make_new_viewport(), 1);
  struct {
    const char *name;
    float x, y, w, h;  // viewport 2; viewport 1 is at (0.1, 0.1, 0.5, 0.5)
  } cases[] = {
      {"over an edge", 0.4f, 0.4f, 0.4f, 0.4f},
      {"covering", 0.05f, 0.05f, 0.7f, 0.7f},
  };
  for (const auto &c : cases) {
    for (int road = 0; road < 2; road++) {
      SCOPED_TRACE(testing::Message() << c.name << (road ? ", display_all" : ", mask by hand"));
      change(1, [this](float *a) {
        place(a, 0.1f, 0.1f, 0.5f, 0.5f);
        constant(a, 1, 0, 0);
        a[VP_BORDER_VISIBLE] = 0;
      });
      change(2, [&](float *a) {
        place(a, c.x, c.y, c.w, c.h);
        constant(a, 0, 0, 1);
        a[VP_BORDER_VISIBLE] = 0;
      });
      display_viewport_all(0, 0);
      Viewports[1].attributes[VP_CONSTANT_RGB] = 0;
      Viewports[1].attributes[VP_CONSTANT_RGB + 1] = 1;
      Viewport_current = 1;
      int list[MAX_VIEWPORTS];
      viewport_overlap(1, list, 1);
      if (road == 0) {
        viewport_create_stencil_buffer();
        glEnable(GL_STENCIL_TEST);
        glStencilFunc(GL_EQUAL, 0, 1);
        glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
        fix_up_viewport(1);
        erase_screen();
        glDisable(GL_STENCIL_TEST);
      } else {
        Use_stencil_buffer = 1;
        Stencil_current_viewport = -1;
        display_all();
      }
      std::vector<unsigned char> px = window_->pixels();
      int not_blue = 0, green = 0;
      for (int y = 0; y < H; y++)
        for (int x = 0; x < W; x++) {
          Rgb p = at(px, x, y);
          bool in2 = x >= c.x * W + 1 && x < (c.x + c.w) * W - 1 && y >= c.y * H + 1 &&
                     y < (c.y + c.h) * H - 1;
          if (in2 && !(p.r == 0 && p.g == 0 && p.b == 255)) not_blue++;
          green += p.g == 255 && p.r == 0 && p.b == 0;
        }
      EXPECT_EQ(not_blue, 0);
      // Where viewport 1 is not covered it was redrawn green.
      EXPECT_EQ(green > 0, c.w < 0.6f);
    }
  }
}

TEST_F(ViewportPasses, TheShownFrameIsCopiedIntoTheBackBuffer) {
  change(0, [this](float *a) { constant(a, 1, 0, 0); });
  display_viewport_all(1, 1);  // drawn, shown, copied back
  std::vector<unsigned char> px = window_->pixels();
  expect_near(at(px, 100, 100), {255, 0, 0}, 0, "back buffer after the copy", 100);

  // The saved picture is painted back over whatever the back buffer held.
  read_window_image(1);
  ASSERT_NE(Parray, nullptr);
  glClearColor(0, 0, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  write_6dinput_window_image();
  px = window_->pixels();
  expect_near(at(px, 100, 100), {255, 0, 0}, 0, "painted back", 100);

  // Without a picture buffer the scene is drawn there instead.
  unsigned char *kept = Parray;
  Parray = nullptr;
  glClear(GL_COLOR_BUFFER_BIT);
  write_6dinput_window_image();
  display_viewport_all(1, 1);
  Parray = kept;
  px = window_->pixels();
  expect_near(at(px, 100, 100), {255, 0, 0}, 0, "redrawn without a buffer", 100);
}

TEST_F(ViewportPasses, EditingModeOutlinesHiddenViewportsAndRestoresItsPicture) {
  ASSERT_EQ(make_new_viewport(), 1);
  change(1, [this](float *a) {
    place(a, 0.25f, 0.25f, 0.5f, 0.5f);
    a[VP_VISIBLE] = 0;
  });
  change(0, [this](float *a) { constant(a, 0, 0, 0); });
  Viewports[1].selected = 0;  // a selected one is outlined in the picked colour
  Current_mode = 5;
  Last_current_mode = -1;
  viewports_display_all();
  EXPECT_EQ(Last_current_mode, 5);
  ASSERT_NE(Parray, nullptr);
  // The saved picture holds the dashed outline of hidden viewport 1 in the
  // contrast colour (white on black) along its left edge.
  int lit = 0;
  for (int y = 60; y < 140; y++) lit += Parray[4 * (y * W + 50)] > 200;
  EXPECT_GT(lit, 10);
  EXPECT_LT(lit, 70);  // dashed, not solid
  // Drawn again, the mode paints the saved picture back.
  glClearColor(0, 0, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  display_viewport_mode();
  EXPECT_EQ(Last_current_mode, 5);
  Current_mode = 1;
}

}  // namespace
