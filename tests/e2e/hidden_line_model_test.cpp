// Hidden line on a real model in the client's main window built in process:
// the mixed-element model read by the real stand-in server into the default
// view volume, drawn by the redraw as lines, then with the main window's
// Hidden Line toggle pressed.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glu.h>
#include <Xm/ToggleB.h>

#include <cmath>
#include <set>
#include <vector>

#include "model_view.h"
#include "model_window_test.h"
#include "parts/attribute.h"
#include "parts/elem_coord.h"
#include "parts/part_rebuild.h"
#include "parts/read.h"
#include "render/active.h"
#include "render/disobj.h"
#include "render/display.h"
#include "ui/graphics_windows.h"
#include "ui/main_window.h"
#include "view/viewports.h"

namespace {

class HiddenLineModel : public qtest::ModelWindowTest {
 protected:
  HiddenLineModel() { data_file_ = "/vtk/mixed_unit.vtk"; }
  void SetUp() override {
    qtest::ModelWindowTest::SetUp();
    if (HasFatalFailure()) return;
    Solidt = 0;
    Hlinet = 0;
    reset_active_objects();
    for (int i = 0; i < Num_p_loaded; i++) {
      make_part(parts[i]->number);  // shaded display is off: no solid object
      actobj(parts[i]->number);
    }
  }
  void TearDown() override {
    if (Hlinet) XmToggleButtonSetState(Main_hline_tggl, False, True);
    reset_active_objects();
    qtest::ModelWindowTest::TearDown();
  }
};

TEST_F(HiddenLineModel, TheToggleHidesRearEdgesAndAddsNothing) {
  ASSERT_NE(Main_hline_tggl, nullptr);
  display_all();
  GLint vp[4];
  double model[16], proj[16];
  glGetIntegerv(GL_VIEWPORT, vp);
  glGetDoublev(GL_MODELVIEW_MATRIX, model);
  glGetDoublev(GL_PROJECTION_MATRIX, proj);
  const int w = vp[0] + vp[2], h = vp[1] + vp[3];
  const std::vector<unsigned char> wire = qtest::graphics_window_pixels(w, h);

  std::set<int> colours;  // the parts' colours as 0xRRGGBB
  for (int i = 0; i < Num_p_loaded; i++) {
    const float *a = parts[i]->attributes;
    int c = 0;
    for (int k = 0; k < 3; k++) c = c << 8 | (int)std::lround(a[SLOT_RGB_R + k] * 255);
    colours.insert(c);
  }
  auto part_colour = [&](const std::vector<unsigned char> &rgb, int x, int y) {
    if (x < 0 || y < 0 || x >= w || y >= h) return false;
    const unsigned char *p = &rgb[3 * (y * w + x)];
    return colours.count(p[0] << 16 | p[1] << 8 | p[2]) > 0;
  };

  XmToggleButtonSetState(Main_hline_tggl, True, True);
  ASSERT_EQ(Hlinet, 1);
  const std::vector<unsigned char> hidden = qtest::graphics_window_pixels(w, h);

  long in_wire = 0, in_hidden = 0, added = 0;
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) {
      const bool a = part_colour(wire, x, y), b = part_colour(hidden, x, y);
      in_wire += a;
      in_hidden += b;
      added += b && !a;
    }
  EXPECT_GT(in_hidden, 100) << "the visible edges stay";
  EXPECT_EQ(added, 0) << "every edge pixel of hidden line is one in the wireframe";
  EXPECT_LT(in_hidden, in_wire) << "some edges are hidden";

  // Rear edges: element edge midpoints that show in the wireframe and
  // show the background (black) in hidden line.
  int rear = 0;
  for (int i = 0; i < Num_p_loaded; i++) {
    const Part_rec *p = parts[i];
    for (int e = 0; e < p->element_count; e++) {
      const int n = p->elem_offsets[e + 1] - p->elem_offsets[e];
      if (n < 3) continue;
      std::vector<float> pos(3 * n);
      get_elem_coord(i, e, pos.data());
      for (int k = 0; k < n; k++) {
        const float *a = &pos[3 * k], *b = &pos[3 * ((k + 1) % n)];
        double x, y, z;
        gluProject((a[0] + b[0]) / 2, (a[1] + b[1]) / 2, (a[2] + b[2]) / 2, model, proj, vp, &x,
                   &y, &z);
        const int px = (int)x, py = (int)y;
        if (!part_colour(wire, px, py) || px < 0 || py < 0 || px >= w || py >= h) continue;
        const unsigned char *q = &hidden[3 * (py * w + px)];
        rear += q[0] == 0 && q[1] == 0 && q[2] == 0;
      }
    }
  }
  EXPECT_GT(rear, 0) << "a rear edge seen in the wireframe shows the background";
}

}  // namespace
