// The z-clip planes without a display: the scene depth, the floating rule
// (one plane per redraw, never front >= back), typed values checked against
// every selected viewport, the minimum, and the recorded lines.
#include <gtest/gtest.h>

#include <string>

#include "client/command_dlog.h"
#include "record_capture.h"
#include "test_parts.h"
#include "view/viewer_state.h"
#include "view/viewports.h"
#include "view/zclip.h"
#include "viewport_test_screen.h"

namespace {

struct Planes {
  float front, back;
};

Planes planes_of(int v) {
  int keep = Viewport_current;
  Viewport_current = v;
  Planes p;
  zclipp_locat(&p.front, &p.back, 0);
  Viewport_current = keep;
  return p;
}

void set_planes(int v, float front, float back) {
  int keep = Viewport_current;
  Viewport_current = v;
  zclipp_locat(&front, &back, 1);
  Viewport_current = keep;
}

// The eye at the origin looking down -z with the model untransformed, so
// that a depth d lies at z = -d.
void eye_at_origin() {
  float at[3] = {0, 0, -1}, from[3] = {0, 0, 0}, m[16], d;
  atfrom(at, from, &d, m);
  view_param(at, from, m, &d, 1);
}

class Zclip : public testing::Test {
 protected:
  void SetUp() override {
    vptest::fresh_viewports();
    qtest::clear_parts();
    Viewport_current = 0;
    eye_at_origin();
    Floating_z_planes = 1;
    Zclip_float_minimum = 1.0e-4f;
    Command_proc_err = 0;
  }
  void TearDown() override {
    qtest::clear_parts();
    Floating_z_planes = 1;
    Zclip_float_minimum = 1.0e-4f;
    Command_proc_err = 0;
    screen_install(nullptr);
  }
  // One loaded part spanning depths near .. far in front of the eye.
  static void scene(float near, float far) {
    qtest::clear_parts();
    Part_rec *p = qtest::add_part({1, 0, PART_MODEL, "block", -1, {}, false});
    ASSERT_NE(p, nullptr);
    p->xmin = 0; p->xmax = 1; p->ymin = 0; p->ymax = 1;
    p->zmin = -far; p->zmax = -near;
  }
};

TEST_F(Zclip, SceneDepthIsTheRangeInFrontOfTheEye) {
  float lo, hi;
  scene_extents(2, 1, &lo, &hi);
  EXPECT_EQ(lo, -1.0f);  // nothing loaded
  EXPECT_EQ(hi, 1.0f);
  scene(10, 20);
  scene_extents(2, 1, &lo, &hi);
  EXPECT_FLOAT_EQ(lo, 10.0f);
  EXPECT_FLOAT_EQ(hi, 20.0f);
  scene_extents(2, 0, &lo, &hi);  // without the view: plain z
  EXPECT_FLOAT_EQ(lo, -20.0f);
  EXPECT_FLOAT_EQ(hi, -10.0f);
  parts[0]->attributes[SLOT_ELT_REP] = ELT_REP_NOT_LOADED;
  scene_extents(2, 1, &lo, &hi);
  EXPECT_EQ(lo, -1.0f);
}

TEST_F(Zclip, FloatingRuleMovesOnePlanePerRedrawAndNeverCrossesThem) {
  struct {
    const char *name;
    float near, far, front, back, want_front, want_back;
  } cases[] = {
      {"scene beyond three fronts halves to the scene", 10, 20, 1, 100, 5, 100},
      {"then the back comes in to twice the scene", 10, 20, 5, 100, 5, 40},
      {"settled planes stay", 10, 20, 5, 40, 5, 40},
      {"scene past the back doubles the back", 10, 50, 5, 40, 5, 100},
      {"scene behind the eye gives the limit", -5, 20, 1, 100, 2.5e-4f, 100},
      {"a far jump moves the back plane too", 100, 200, 5, 40, 50, 400},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    scene(c.near, c.far);
    set_planes(0, c.front, c.back);
    adjust_floating_z_planes();
    Planes p = planes_of(0);
    EXPECT_FLOAT_EQ(p.front, c.want_front);
    EXPECT_FLOAT_EQ(p.back, c.want_back);
    EXPECT_LT(p.front, p.back);
  }
}

TEST_F(Zclip, TypedPlanesAreCheckedAgainstEverySelectedViewport) {
  Floating_z_planes = 0;  // else every redraw would move the planes again
  ASSERT_EQ(make_new_viewport(), 1);
  int count = 2, list[MAX_VIEWPORTS] = {0, 1};
  current_selected_viewports(&count, list, 1);
  Viewport_current = 0;
  set_planes(0, 1, 100);
  set_planes(1, 1, 10);
  struct {
    int which;
    float value;
    int result;
    const char *message;
    Planes want0, want1;
  } cases[] = {
      {0, 50, -1, "Front Z-clip plane must be > 0 and < the Back Z-clip plane.", {1, 100}, {1, 10}},
      {0, 100, -1, "Front Z-clip plane must be > 0 and < the Back Z-clip plane.", {1, 100}, {1, 10}},
      {0, 0, -1, "Front Z-clip plane must be > 0 and < the Back Z-clip plane.", {1, 100}, {1, 10}},
      {0, 5, 1, nullptr, {5, 100}, {5, 10}},  // each keeps its own back
      {1, 5, -1, "Back Z-clip plane must be > the Front Z-clip plane.", {5, 100}, {5, 10}},
      {1, 50, 1, nullptr, {5, 50}, {5, 50}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(std::to_string(c.which) + " " + std::to_string(c.value));
    Command_proc_err = 0;
    float v = c.value;
    testing::internal::CaptureStderr();
    EXPECT_EQ(zclip_attr_updt(c.which, &v, 1), c.result);
    std::string err = testing::internal::GetCapturedStderr();
    if (c.message) {
      EXPECT_NE(err.find(c.message), std::string::npos) << err;
      EXPECT_EQ(Command_proc_err, 1);
    } else {
      EXPECT_EQ(Command_proc_err, 0);
    }
    Planes p0 = planes_of(0), p1 = planes_of(1);
    EXPECT_FLOAT_EQ(p0.front, c.want0.front);
    EXPECT_FLOAT_EQ(p0.back, c.want0.back);
    EXPECT_FLOAT_EQ(p1.front, c.want1.front);
    EXPECT_FLOAT_EQ(p1.back, c.want1.back);
  }
}

TEST_F(Zclip, MinimumRefusesZeroAndLiftsTheFrontEvenWithFloatingOff) {
  Floating_z_planes = 0;
  set_planes(0, 0.1f, 100);
  testing::internal::CaptureStderr();
  EXPECT_EQ(zclip_minattr_updt(0.0f, 1), -1);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("Z-Clip min value must be > 0.0"),
            std::string::npos);
  EXPECT_EQ(Command_proc_err, 1);
  EXPECT_FLOAT_EQ(Zclip_float_minimum, 1.0e-4f);
  EXPECT_EQ(zclip_minattr_updt(0.5f, 1), 1);
  EXPECT_FLOAT_EQ(Zclip_float_minimum, 0.5f);
  EXPECT_GE(planes_of(0).front, 0.5f);
  EXPECT_EQ(Floating_z_planes, 0);
}

TEST_F(Zclip, DialogChangesRecordTheirLinesAndCommandsRecordNothing) {
  Floating_z_planes = 0;
  set_planes(0, 1, 100);
  std::string lines = qtest::recorded_lines([] {
    float front = 2.5f, back = 40.0f, off = 0.0f;
    zclip_attr_updt(0, &front, 0);
    zclip_attr_updt(1, &back, 0);
    zclip_minattr_updt(0.5f, 0);
    zclip_tgglattr_updt(2, &off, 0);
    float front2 = 3.0f, on = 1.0f;
    zclip_attr_updt(0, &front2, 1);
    zclip_tgglattr_updt(2, &on, 1);
  });
  EXPECT_EQ(lines,
            "view_transf: zclip_front 2.5000e+00\n"
            "view_transf: zclip_back 4.0000e+01\n"
            "view_transf: zclip_min 5.0000e-01\n"
            "view_transf: zclip_float OFF\n");
  EXPECT_EQ(Floating_z_planes, 1);  // the last toggle, from a command
  EXPECT_FLOAT_EQ(planes_of(0).front, 3.0f);
}

TEST_F(Zclip, WindowLayoutAndDragKeepThePlanesApart) {
  scene(10, 20);
  set_planes(0, 5, 40);
  zclint();
  const Zclip_window_rec &z = Zclip_window;
  // range 35, low = 5 - 17.5 -> 0, high = 40 + 17.5
  EXPECT_FLOAT_EQ(z.low, 0.0f);
  EXPECT_FLOAT_EQ(z.high, 57.5f);
  EXPECT_FLOAT_EQ(z.front_pos, 5.0f / 57.5f);
  EXPECT_FLOAT_EQ(z.scene_max_pos, 20.0f / 57.5f);
  const int w = 520;
  EXPECT_FLOAT_EQ(zclip_drag_position(1, w, w), z.back_pos - 0.005f);  // far right
  EXPECT_FLOAT_EQ(zclip_drag_position(1, 0, w), 0.005f);              // off the left edge
  EXPECT_FLOAT_EQ(zclip_drag_position(2, 0, w), z.front_pos + 0.005f);
  int front_px = (int)(w * (z.front_pos + 0.02f) / 1.04f);
  EXPECT_EQ(zclip_press_marker(1, front_px + 2, 5, w, 30), 1);
  EXPECT_EQ(zclip_press_marker(1, front_px + 5, 5, w, 30), 0);
  EXPECT_EQ(zclip_press_marker(2, front_px, 5, w, 30), 0);

  // A dragged front below 1e-4 stops there and every selected viewport gets the pair.
  Floating_z_planes = 0;
  ASSERT_EQ(make_new_viewport(), 1);
  int count = 2, list[MAX_VIEWPORTS] = {0, 1};
  current_selected_viewports(&count, list, 1);
  Viewport_current = 0;
  set_planes(1, 1, 10);
  zclint();
  float f, b, fp, bp, sp0, sp1;
  zcladj(1, 0.0f, &f, &b, &fp, &bp, &sp0, &sp1);
  EXPECT_FLOAT_EQ(f, 1.0e-4f);
  EXPECT_FLOAT_EQ(b, 40.0f);
  for (int v : {0, 1}) {
    EXPECT_FLOAT_EQ(planes_of(v).front, 1.0e-4f) << v;
    EXPECT_FLOAT_EQ(planes_of(v).back, 40.0f) << v;
  }
  EXPECT_EQ(Viewport_current, 0);
}

}  // namespace
