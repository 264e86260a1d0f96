// The "Selected Part(s) Window" in the real main window, with the model read
// and built by the real stand-in server: one part drawn as stored, an
// empty list clears to black, the list keeps part numbers and markers only,
// the projection follows viewport 0, and the context's lights follow the
// one- or two-light setting.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "client/screen.h"
#include "harness.h"
#include "inproc_main_window.h"
#include "model_window_test.h"
#include "parts/attribute.h"
#include "parts/part_rebuild.h"
#include "parts/read.h"
#include "parts/ui/part_show.h"
#include "render/disobj.h"
#include "render/part_services.h"
#include "render/part_show.h"
#include "screenshot.h"
#include "test_parts.h"
#include "ui/interf_init.h"
#include "ui/part_list.h"
#include "ui/window_codes.h"
#include "view/view_matrix.h"
#include "view/viewer_state.h"
#include "view/viewports.h"

namespace {

struct Shot {
  int w = 0, h = 0;
  std::vector<unsigned char> rgb;  // top row first
};

// What the part-show window shows now.
Shot window_shot() {
  Shot s;
  XSync(Dpys[0], False);
  XWindowAttributes attr;
  if (!XGetWindowAttributes(Dpys[0], Showxwin, &attr)) return s;
  XImage *img = XGetImage(Dpys[0], Showxwin, 0, 0, attr.width, attr.height, AllPlanes, ZPixmap);
  if (!img) return s;
  s.w = img->width;
  s.h = img->height;
  for (int y = 0; y < s.h; y++)
    for (int x = 0; x < s.w; x++) {
      unsigned long p = XGetPixel(img, x, y);
      s.rgb.push_back((unsigned char)((p & img->red_mask) >> 16));
      s.rgb.push_back((unsigned char)((p & img->green_mask) >> 8));
      s.rgb.push_back((unsigned char)(p & img->blue_mask));
    }
  XDestroyImage(img);
  return s;
}

// Turns viewport 0's model transformation about its look-at point.
void turn_view(float ax, float ay) {
  float at[3], from[3], view[16], d, combined[16];
  Viewport_current = 0;
  view_param(at, from, view, &d, 0);
  rotvew(ax, ay, 0.0f, at, combined, view);
  current_ctm(combined, 1);
}

long lit_pixels(const Shot &s) {
  long n = 0;
  for (size_t k = 0; k < s.rgb.size(); k += 3) n += s.rgb[k] || s.rgb[k + 1] || s.rgb[k + 2];
  return n;
}

class PartShow : public qtest::ModelWindowTest {
 protected:
  void SetUp() override {
    qtest::ModelWindowTest::SetUp();
    if (HasFatalFailure()) return;
    for (int i = 0; i < Num_p_loaded; i++) {
      Part_rec *p = parts[i];
      qtest::plain_solid_attributes(p->attributes);
      p->attributes[SLOT_RGB_R] = 0.8f;
      p->attributes[SLOT_RGB_G] = 0.6f;
      p->attributes[SLOT_RGB_B] = 0.4f;
    }
    Solidt = 1;
    Person = 0;
    Lighting_two_lights = 1;
    Viewports[0].attributes[VP_HIDDEN_SURFACE] = 1.0f;
    // The view of viewport 0 around the largest part (the one drawn below),
    // with room for it to turn.
    const Part_rec *big = parts[model_->largest_part()];
    const float lo[3] = {big->xmin, big->ymin, big->zmin}, hi[3] = {big->xmax, big->ymax, big->zmax};
    float box[6];
    for (int k = 0; k < 3; k++) {
      const float half = hi[k] - lo[k];
      box[2 * k] = (lo[k] + hi[k]) / 2 - half;
      box[2 * k + 1] = (lo[k] + hi[k]) / 2 + half;
    }
    intvew(box[0], box[1], box[2], box[3], box[4], box[5]);
    for (int i = 0; i < Num_p_loaded; i++) {
      make_part(parts[i]->number);
      make_solid_part_if_needed(parts[i]->number);
    }
    // Turned so that three sides of a block show, each lit differently.
    turn_view(30.0f, 40.0f);
    if (!Graphics_show_dialog) gen_showparts_win();
    ASSERT_NE(Graphics_show_dialog, nullptr);
    XtManageChild(Graphics_show_dialog);
    ASSERT_TRUE(qtest::inproc_wait_for([] { return Showxwin != 0; }, 10000));
    qtest::inproc_wait_for([] { return false; }, 300);  // first expose
  }
  void TearDown() override {
    draw_parts_show(0, nullptr);
    if (Graphics_show_dialog) XtUnmanageChild(Graphics_show_dialog);
    Solidt = 0;
    Lighting_two_lights = 1;
    for (int i = 0; i < Num_p_loaded; i++) {
      if (parts[i]->solid_list) glDeleteLists(parts[i]->solid_list, 1);
      if (parts[i]->line_list) glDeleteLists(parts[i]->line_list, 1);
    }
    qtest::ModelWindowTest::TearDown();
  }
};

TEST_F(PartShow, OnePartAsStoredAndNoneAllBlack) {
  const int number = parts[model_->largest_part()]->number;
  const int list[] = {number};
  draw_parts_show(1, list);
  Shot one = window_shot();
  ASSERT_GT(one.w, 0);
  EXPECT_GT(lit_pixels(one), one.w * one.h / 50);
  qtest::TempDir dir("qshow");
  std::string ppm = dir.file("part_show.ppm");
  FILE *f = fopen(ppm.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  fprintf(f, "P6\n%d %d\n255\n", one.w, one.h);
  fwrite(one.rgb.data(), 1, one.rgb.size(), f);
  fclose(f);
  long diff = qtest::compare_with_baseline(ppm, "part_show_one.png", 5);
  EXPECT_GE(diff, 0) << "compare " << ppm << " with " << qtest::baseline_path("part_show_one.png");
  EXPECT_LT(diff, one.w * one.h / 200);

  // An expose after the main view turned shows the new turn.
  turn_view(0.0f, 90.0f);
  part_show_refresh();
  Shot turned = window_shot();
  ASSERT_EQ(turned.rgb.size(), one.rgb.size());
  long changed = 0;
  for (size_t k = 0; k < one.rgb.size(); k += 3)
    changed += one.rgb[k] != turned.rgb[k] || one.rgb[k + 1] != turned.rgb[k + 1];
  EXPECT_GT(changed, one.w * one.h / 50);

  draw_parts_show(0, nullptr);
  EXPECT_EQ(Part_show_count, 0);
  EXPECT_EQ(lit_pixels(window_shot()), 0);
  // The main window stays the current one.
  int code = -1, dpy = -1;
  gwin_gl_curwin(&code, 0, &dpy);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(dpy, 0);
}

TEST_F(PartShow, ListKeepsPartsAndMarkersOnly) {
  const int first = parts[0]->number;
  const int list[] = {-1, 4998, first, -2};
  draw_parts_show(4, list);
  EXPECT_EQ(std::vector<int>(Part_show_list, Part_show_list + Part_show_count),
            std::vector<int>({-1, first, -2}));
  // A list longer than the table stops at MAX_PARTS entries.
  std::vector<int> many(MAX_PARTS + 10, first);
  draw_parts_show((int)many.size(), many.data());
  EXPECT_EQ(Part_show_count, MAX_PARTS);
}

// The window shows the parts selected in the main part list, all listed
// parts when none is selected.
TEST_F(PartShow, ShowsTheMainListsSelection) {
  mainprt_list_refresh();
  ASSERT_GE(Num_p_loaded, 2);
  const int second = parts[1]->number;
  mainprt_select_partseid(0, 1, &second, 0);
  part_show();
  EXPECT_EQ(std::vector<int>(Part_show_list, Part_show_list + Part_show_count),
            std::vector<int>({second}));
  mainprt_select_partseid(0, 0, nullptr, 0);
  part_show();
  EXPECT_EQ(Part_show_count, Num_p_loaded);
}

// With perspective off, or on while viewport 0 is orthographic, the window
// is an orthographic box of half-width d tan(a); else a perspective of 2a.
TEST_F(PartShow, ProjectionFollowsViewportZero) {
  float at[3], from[3], view[16], d, angle, near, far;
  Viewport_current = 0;
  view_param(at, from, view, &d, 0);
  perspective_angle(&angle, 0);
  zclipp_locat(&near, &far, 0);
  const struct {
    int person;
    float slot;
    bool perspective;
  } cases[] = {{0, 1.0f, false}, {1, 0.0f, false}, {1, 1.0f, true}};
  for (const auto &c : cases) {
    Person = c.person;
    Viewports[0].attributes[VP_PERSPECTIVE] = c.slot;
    part_show_refresh();
    int code = 8, dpy = 0;
    gwin_gl_curwin(&code, 1, &dpy);
    float m[16], vp[4];
    glGetFloatv(GL_PROJECTION_MATRIX, m);
    glGetFloatv(GL_VIEWPORT, vp);
    code = 0;
    gwin_gl_curwin(&code, 1, &dpy);
    const float r = vp[2] / vp[3];
    const float t = std::tan(angle * 0.017453292f);
    if (c.perspective) {
      EXPECT_FLOAT_EQ(m[11], -1.0f) << c.person;
      EXPECT_NEAR(m[5], 1.0f / t, 1e-3) << c.person;
    } else {
      EXPECT_FLOAT_EQ(m[15], 1.0f) << c.person;
      EXPECT_NEAR(m[0], 1.0f / (d * t), 1e-5) << c.person;
      EXPECT_NEAR(m[5], r / (d * t), 1e-5) << c.person;
    }
  }
  Person = 0;
  Viewports[0].attributes[VP_PERSPECTIVE] = 0.0f;
}

TEST_F(PartShow, ContextLightsFollowTheLightCount) {
  for (int two : {0, 1}) {
    Lighting_two_lights = two;
    Viewport_current = 3;
    copy_main_window_context(8);
    EXPECT_EQ(Viewport_current, 3);
    int code = -1, dpy = -1;
    gwin_gl_curwin(&code, 0, &dpy);
    EXPECT_EQ(code, 0);
    code = 8, dpy = 0;
    gwin_gl_curwin(&code, 1, &dpy);
    GLint two_side = -1;
    glGetIntegerv(GL_LIGHT_MODEL_TWO_SIDE, &two_side);
    float light1[4];
    glGetLightfv(GL_LIGHT1, GL_POSITION, light1);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1)) << two;
    EXPECT_EQ(glIsEnabled(GL_LIGHT2), two ? GL_TRUE : GL_FALSE) << two;
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0)) << two;
    EXPECT_EQ(two_side, two ? 0 : 1) << two;
    EXPECT_FLOAT_EQ(light1[2], two ? -1.0f : 1.0f) << two;
    code = 0;
    gwin_gl_curwin(&code, 1, &dpy);
  }
  Viewport_current = 0;
}

}  // namespace
