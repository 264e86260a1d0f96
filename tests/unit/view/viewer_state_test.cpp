// The initial view set-up and the viewer accessors, without a display.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "interact/tool_records.h"
#include "parts/attribute.h"
#include "render/display.h"
#include "render/glyphs.h"
#include "view/frames.h"
#include "view/observer.h"
#include "view/viewer_state.h"
#include "view/viewports.h"

namespace {

struct Viewer {
  float at[3], from[3], matrix[16], distance, front, back;
};

Viewer viewer_of(int v) {
  int keep = Viewport_current;
  Viewport_current = v;
  Viewer w;
  view_param(w.at, w.from, w.matrix, &w.distance, 0);
  zclipp_locat(&w.front, &w.back, 0);
  Viewport_current = keep;
  return w;
}

class ViewerState : public testing::Test {
 protected:
  void SetUp() override {
    int x0 = 0, x1 = 799, y0 = 0, y1 = 599;
    grasal(&x0, &x1, &y0, &y1, 0, 1);
    global_init_viewports();
  }
};

TEST_F(ViewerState, StartUpBoxGivesTheInitialViewOfEveryViewport) {
  Viewport_current = 5;
  intvew(-1, 1, -1, 1, -1, 1);
  EXPECT_EQ(Viewport_current, 0);
  EXPECT_EQ(Initial_view_pushed, 1);
  float angle;
  perspective_angle(&angle, 0);
  EXPECT_EQ(angle, 14.0f);
  for (int v : {0, 15}) {
    Viewer w = viewer_of(v);
    EXPECT_FLOAT_EQ(w.distance, 6.183682f) << v;
    EXPECT_EQ(w.at[0], 0.0f);
    EXPECT_EQ(w.at[2], 0.0f);
    EXPECT_FLOAT_EQ(w.from[2], 6.183682f);
    EXPECT_FLOAT_EQ(w.front, 2.0f);
    EXPECT_FLOAT_EQ(w.back, 26.183681f);
    EXPECT_FLOAT_EQ(w.matrix[14], -6.183682f);  // a translation along z alone
    EXPECT_EQ(w.matrix[0], 1.0f);
    Viewport_current = v;
    float at[3], from[3], combined[16], id[16];
    original_view(at, from, 0);
    EXPECT_FLOAT_EQ(from[2], 6.183682f);
    current_ctm(combined, 0);
    int4x4(id);
    if (v == 0) {
      EXPECT_EQ(memcmp(combined, id, sizeof id), 0);
    }
  }
  Viewport_current = 0;
  EXPECT_FLOAT_EQ(2.0f * 6.183682f * (float)std::tan(14.0 * 0.017453292), 3.0835302f);
  EXPECT_FLOAT_EQ(Viewer_window.sensitivity, 0.0925059f);
  EXPECT_EQ(Viewer_window.sensitivity_scale, 1.0f);
  EXPECT_FLOAT_EQ(Axis_size, 2.0f / 6.0f);
  EXPECT_FLOAT_EQ(Axis_size_div20, 2.0f / 120.0f);
  float frame[FRAME_ATTR_WORDS];
  frame_attributes(-1, frame, nullptr, 0);
  for (int i = 0; i < 3; i++) EXPECT_FLOAT_EQ(frame[FRAME_LEN_X + i], 2.0f / 6.0f);
}

TEST_F(ViewerState, ClipPlanesOfFlatAndThinModels) {
  struct {
    const char *name;
    float z_min, z_max;
    float front_per_distance, back_extra;  // front = f x D (0: the floor), back = D + extra
  } cases[] = {
      {"flat: near 0.05 D, far 2 D", 0.0f, 0.0f, 0.05f, -1.0f},
      {"thin: near 0.001, far D + 10 depth", 0.0f, 0.0005f, 0.0f, 0.005f},
  };
  for (const auto &c : cases) {
    intvew(0, 4, 0, 2, c.z_min, c.z_max);
    Viewer w = viewer_of(0);
    float D = w.distance;
    EXPECT_FLOAT_EQ(D, (float)(4.0 / std::cos(14.0 * 0.017453292)) * 3.0f) << c.name;
    if (c.back_extra < 0) {
      EXPECT_FLOAT_EQ(w.front, 0.05f * D) << c.name;
      EXPECT_FLOAT_EQ(w.back, 2.0f * D) << c.name;
    } else {
      EXPECT_FLOAT_EQ(w.front, 0.001f) << c.name;
      EXPECT_FLOAT_EQ(w.back, D + c.back_extra) << c.name;
    }
    EXPECT_FLOAT_EQ(w.at[0], 2.0f);
    EXPECT_FLOAT_EQ(w.at[1], 1.0f);
  }
}

TEST_F(ViewerState, UnsetClipPlanesReadAsOneAndTwo) {
  Viewport_current = 3;
  struct {
    float front, back, read_front, read_back;
  } cases[] = {{0.0f, 0.0f, 1.0f, 2.0f}, {0.0f, 5.0f, 0.0f, 5.0f}, {3.0f, 9.0f, 3.0f, 9.0f}};
  for (const auto &c : cases) {
    float f = c.front, b = c.back;
    zclipp_locat(&f, &b, 1);
    zclipp_locat(&f, &b, 0);
    EXPECT_EQ(f, c.read_front);
    EXPECT_EQ(b, c.read_back);
  }
  Viewport_current = 0;
}

TEST_F(ViewerState, StoringPointsKeepsTheOldMatrix) {
  intvew(-1, 1, -1, 1, -1, 1);
  Viewer w = viewer_of(0);
  float at[3] = {5, 5, 5};
  view_param(at, w.from, w.matrix, &w.distance, 1);
  Viewer after = viewer_of(0);
  EXPECT_EQ(after.at[0], 5.0f);
  EXPECT_EQ(memcmp(after.matrix, w.matrix, sizeof w.matrix), 0);
}

TEST_F(ViewerState, ToolsArePlacedAroundTheModel) {
  intvew(0, 8, -1, 1, -1, 1);  // centre (4, 0, 0), L = 8, A = 2, r = 0.8
  float e1[3], e2[3], length;
  line_position(e1, e2, &length, 0);
  EXPECT_EQ(e1[0], 2.0f);
  EXPECT_EQ(e2[0], 6.0f);
  float p[4][3];
  plane_position(p[0], p[1], p[2], p[3], 0);
  const float corners[4][3] = {{2, -2, 0}, {6, -2, 0}, {6, 2, 0}, {2, 2, 0}};
  for (int i = 0; i < 4; i++)
    for (int j = 0; j < 3; j++) EXPECT_FLOAT_EQ(p[i][j], corners[i][j]) << i << "," << j;
  float x, y, z, size;
  cursor_position(&x, &y, &z, nullptr, &size, 0);
  EXPECT_EQ(x, 4.0f);
  Viewer w = viewer_of(0);
  EXPECT_FLOAT_EQ(size, (float)(std::tan(14.0 * 0.017453292) * w.distance / 30.0));

  float centre[3], axis[3], radii[REVTOOL_POINTS], dist[REVTOOL_POINTS];
  int count = 0;
  revtool_position(e1, e2, centre, axis, &count, radii, dist, nullptr, 0, 0, 0);
  ASSERT_EQ(count, 5);
  const float want_r[5] = {0.8f, 0.8f, 1.6f, 0.8f, 0.8f}, want_d[5] = {-2, -1, 0, 1, 2};
  for (int i = 0; i < 5; i++) {
    EXPECT_FLOAT_EQ(radii[i], want_r[i]);
    EXPECT_FLOAT_EQ(dist[i], want_d[i]);
  }
  EXPECT_EQ(radii[5], 0.0f);
  float radius, half_angle, value;
  sphere_position(e1, e2, centre, &radius, nullptr, 0, 0, 0);
  EXPECT_EQ(radius, 2.0f);
  cone_position(e1, e2, centre, axis, &half_angle, &value, nullptr, 0, 0, 0);
  EXPECT_EQ(half_angle, 20.0f);
  float q[QUADRIC_WORDS];
  quadric_position(q, 0);
  const float want_q[QUADRIC_WORDS] = {1, 1, 1, 0, 0, 0, 0, 0, 0, 1};
  EXPECT_EQ(memcmp(q, want_q, sizeof q), 0);
  float hx, hy, hz, la[3], lb[3], pa[3], pb[3], pc[3], home_size, cone_angle;
  widget_location(&hx, &hy, &hz, la, lb, pa, pb, pc, &home_size, &cone_angle, 0);
  EXPECT_EQ(hx, 4.0f);
  EXPECT_EQ(lb[0], 6.0f);
  EXPECT_EQ(pc[1], 2.0f);
  EXPECT_FLOAT_EQ(home_size, 0.8f);
  EXPECT_EQ(cone_angle, 20.0f);
}

TEST(ToolRecords, RevolutionToolRefusesMoreThanTenPoints) {
  float e1[3] = {0, 0, 0}, e2[3] = {1, 0, 0}, c[3] = {}, axis[3] = {};
  float radii[REVTOOL_POINTS] = {1, 2, 3}, dist[REVTOOL_POINTS] = {4, 5, 6};
  int count = 3;
  revtool_position(e1, e2, c, axis, &count, radii, dist, nullptr, 0, 0, 1);
  int too_many = 11;
  revtool_position(e1, e2, c, axis, &too_many, radii, dist, nullptr, 0, 0, 1);
  float r[REVTOOL_POINTS], d[REVTOOL_POINTS];
  int got = 0;
  revtool_position(e1, e2, c, axis, &got, r, d, nullptr, 0, 0, 0);
  EXPECT_EQ(got, 3);
  EXPECT_EQ(r[2], 3.0f);
  EXPECT_EQ(d[2], 6.0f);
}

}  // namespace
