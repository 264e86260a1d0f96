// Hidden line on small fixture parts under a private X server: the pixels
// of the hidden-line pass (what is covered, which colours faces and edges
// take) and, through GL feedback, what reaches OpenGL for the cases that
// draw little: vector arrows, node markers, mirror copies, large elements,
// a colouring variable the part lacks, and the print pass's captures.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "gl_window_suite.h"
#include "palette/function.h"
#include "parts/attribute.h"
#include "parts/part_rebuild.h"
#include "render/active.h"
#include "render/disobj.h"
#include "render/glyphs.h"
#include "render/hidden_line.h"
#include "render/solid.h"
#include "render/vector_print.h"
#include "test_parts.h"
#include "variables/variables.h"
#include "view/viewports.h"

namespace {

const int Size = 64;  // window pixels; the model's -1..1 maps onto them

// The viewport's constant background: exact bytes 51, 102, 153.
const float Background[3] = {51 / 255.0f, 102 / 255.0f, 153 / 255.0f};
const unsigned char Green[3] = {0, 255, 0}, Red[3] = {255, 0, 0}, Black[3] = {0, 0, 0};

class HiddenLine : public qtest::GlWindowSuite<Size, Size> {
 protected:
  void SetUp() override {
    GlWindowSuite::SetUp();
    if (HasFatalFailure()) return;
    glViewport(0, 0, Size, Size);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    global_init_viewports();
    Viewport_current = 0;
    float *v = Viewports[0].attributes;
    v[VP_BACKGROUND_TYPE] = 2;
    memcpy(&v[VP_CONSTANT_RGB], Background, sizeof Background);
    v[VP_HIDDEN_LINE] = 1;
    v[VP_HIDDEN_SURFACE] = 1;
    Solidt = 0;
    Fringt = 0;
    Software_light = 0;
    Box_mode_always = 0;
    overlay(nullptr);
    reset_active_objects();
  }
  void TearDown() override {
    solid_builder_calls(nullptr);
    overlay(nullptr);
    Vek_in_progress = 0;
    Fringt = 0;
    reset_active_objects();
    qtest::clear_parts();
  }
  static void overlay(const float *rgb) {
    float c[3] = {0, 0, 0};
    if (rgb) memcpy(c, rgb, sizeof c);
    int on = rgb ? 1 : 0;
    hidden_line_colors(&c[0], &c[1], &c[2], &on, 1);
  }
  // Part number n (index n - 1), green, in hidden line, active.
  static Part_rec *add(int n, int type, const std::vector<float> &xyz,
                       const std::vector<std::vector<int>> &elements) {
    float *a = qtest::add_mesh_part(n, type, xyz, elements);
    a[SLOT_VIEWPORT_VIS] = 1;
    a[SLOT_HIDDEN_LINE] = 1;
    a[SLOT_HIDDEN_SURFACE] = 0;
    a[SLOT_LINE_WIDTH] = 1;
    a[SLOT_RGB_R] = 0;
    a[SLOT_RGB_G] = 1;
    a[SLOT_RGB_B] = 0;
    actobj(n);
    return parts[Part_cross[n]];
  }
  static std::vector<unsigned char> draw() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    disobj_hidden();
    glFinish();
    return window_->pixels();
  }
  // Pixel (x, y) of a picture, bottom row first.
  static const unsigned char *at(const std::vector<unsigned char> &rgb, int x, int y) {
    return &rgb[3 * (y * Size + x)];
  }
  // Whether a pixel within one of (x, y) has the colour.
  static bool near(const std::vector<unsigned char> &rgb, int x, int y, const unsigned char c[3]) {
    for (int dy = -1; dy <= 1; dy++)
      for (int dx = -1; dx <= 1; dx++)
        if (memcmp(at(rgb, x + dx, y + dy), c, 3) == 0) return true;
    return false;
  }
};

// Window pixel of model coordinate u.
int px(float u) { return (int)((u + 1) * Size / 2); }

// A quad at depth z over [x0, x1] x [y0, y1] as four nodes from `first`.
void quad(std::vector<float> &xyz, std::vector<std::vector<int>> &el, float x0, float y0,
          float x1, float y1, float z) {
  int first = (int)xyz.size() / 3 + 1;
  xyz.insert(xyz.end(), {x0, y0, z, x1, y0, z, x1, y1, z, x0, y1, z});
  el.push_back({first, first + 1, first + 2, first + 3});
}

TEST_F(HiddenLine, AFrontQuadHidesTheRearEdgesItCovers) {
  // Front quad over [-0.5, 0.5]^2 nearer the viewer (smaller z), the rear
  // one over [-0.2, 0.8]^2: its left and bottom edges pass behind the
  // front quad and come out above and right of it.  Either drawing order.
  for (bool front_first : {true, false}) {
    std::vector<float> xyz;
    std::vector<std::vector<int>> el;
    if (front_first) quad(xyz, el, -0.5f, -0.5f, 0.5f, 0.5f, -0.5f);
    quad(xyz, el, -0.2f, -0.2f, 0.8f, 0.8f, 0.5f);
    if (!front_first) quad(xyz, el, -0.5f, -0.5f, 0.5f, 0.5f, -0.5f);
    qtest::clear_parts();
    reset_active_objects();
    add(1, PART_MODEL, xyz, el);
    auto rgb = draw();
    const char *order = front_first ? "front first" : "rear first";
    EXPECT_FALSE(near(rgb, px(-0.2f), px(0.1f), Green)) << order << ": rear edge behind";
    EXPECT_FALSE(near(rgb, px(0.1f), px(-0.2f), Green)) << order;
    EXPECT_TRUE(near(rgb, px(-0.2f), px(0.7f), Green)) << order << ": rear edge in the open";
    EXPECT_TRUE(near(rgb, px(0.7f), px(-0.2f), Green)) << order;
    EXPECT_TRUE(near(rgb, px(-0.5f), px(0.0f), Green)) << order << ": front outline";
    EXPECT_TRUE(near(rgb, px(0.8f), px(0.3f), Green)) << order << ": rear outline";
    // Faces take exactly the viewport's constant colour.
    const unsigned char bg[3] = {51, 102, 153};
    EXPECT_EQ(memcmp(at(rgb, px(0.0f), px(0.0f)), bg, 3), 0) << order << ": front face";
    EXPECT_EQ(memcmp(at(rgb, px(0.65f), px(0.65f)), bg, 3), 0) << order << ": rear face";
    EXPECT_EQ(memcmp(at(rgb, px(-0.8f), px(-0.8f)), Black, 3), 0) << order << ": outside";
  }
}

TEST_F(HiddenLine, TheOverlayColourOutlinesFacesWhileBarsKeepThePartColour) {
  std::vector<float> xyz;
  std::vector<std::vector<int>> el;
  quad(xyz, el, -0.5f, -0.5f, 0.5f, 0.5f, 0.0f);
  xyz.insert(xyz.end(), {-0.8f, 0.8f, 0, 0.8f, 0.8f, 0});  // nodes 5, 6: a bar above it
  el.push_back({5, 6});
  add(1, PART_MODEL, xyz, el);
  const float red[3] = {1, 0, 0};
  overlay(red);
  auto rgb = draw();
  EXPECT_TRUE(near(rgb, px(-0.5f), px(0.0f), Red)) << "quad outline in the overlay colour";
  EXPECT_FALSE(near(rgb, px(-0.5f), px(0.0f), Green));
  EXPECT_TRUE(near(rgb, px(0.0f), px(0.8f), Green)) << "the bar keeps the part colour";
  EXPECT_FALSE(near(rgb, px(0.0f), px(0.8f), Red));
}

TEST_F(HiddenLine, APartWithHiddenLineOffLooksAsInTheOpaquePass) {
  std::vector<float> xyz;
  std::vector<std::vector<int>> el;
  quad(xyz, el, -0.5f, -0.5f, 0.5f, 0.5f, -0.5f);
  quad(xyz, el, -0.2f, -0.2f, 0.8f, 0.8f, 0.5f);
  Part_rec *p = add(1, PART_MODEL, xyz, el);
  make_part(1);
  ASSERT_NE(p->line_list, 0u);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  disobj(1, 0);
  glFinish();
  auto object = window_->pixels();
  ASSERT_NE(object, draw()) << "hidden line hides a rear edge";
  for (int slot : {(int)SLOT_HIDDEN_LINE, -1}) {
    if (slot == SLOT_HIDDEN_LINE) {
      p->attributes[SLOT_HIDDEN_LINE] = 0;
    } else {
      p->attributes[SLOT_HIDDEN_LINE] = 1;
      Viewports[0].attributes[VP_HIDDEN_LINE] = 0;
    }
    EXPECT_EQ(draw(), object) << (slot == -1 ? "viewport's hidden line off" : "part's off");
  }
}

TEST_F(HiddenLine, VectorArrowsAreDrawnOnlyFromTheirLineList) {
  std::vector<float> xyz;
  std::vector<std::vector<int>> el;
  quad(xyz, el, -0.5f, -0.5f, 0.5f, 0.5f, 0.0f);
  Part_rec *p = add(1, PART_ARROW, xyz, el);
  p->line_list = glGenLists(1);
  glNewList(p->line_list, GL_COMPILE);
  glBegin(GL_LINES);
  glVertex3f(-0.9f, 0.9f, 0);
  glVertex3f(0.9f, 0.9f, 0);
  glEnd();
  glEndList();
  auto fb = qtest::gl_feedback([] { disobj_hidden(); });
  ASSERT_EQ(fb.size(), 15u) << "one line of the list, no face or outline";
  EXPECT_TRUE((int)fb[0] == GL_LINE_TOKEN || (int)fb[0] == GL_LINE_RESET_TOKEN);
  glDeleteLists(p->line_list, 1);
  p->line_list = 0;
}

TEST_F(HiddenLine, NodeMarkersOfSizeZeroAreNotDrawn) {
  struct Case {
    const char *what;
    float scale;
    float size_by;
    int points;
  } cases[] = {{"scale 1: every node", 1, 0, 3},
               {"scale 0", 0, 0, 0},
               {"sized by a zero scalar at node 2", 1, 1, 2}};
  for (const Case &c : cases) {
    qtest::clear_parts();
    reset_active_objects();
    Part_rec *p = add(1, PART_MODEL, {-0.5f, 0, 0, 0, 0, 0, 0.5f, 0, 0}, {});
    float *a = p->attributes;
    a[SLOT_VIS_NODE] = 1;
    a[SLOT_NODE_TYPE] = 0;
    a[SLOT_NODE_SCALE] = c.scale;
    a[SLOT_NODE_SIZE_BY] = c.size_by;
    a[SLOT_NODE_VARIABLE] = 0;
    resize_part_array(0, PA_SCALARS, 4, 0);
    const float values[4] = {0, 1, 0, 1};
    memcpy(p->scalars[0], values, sizeof values);
    auto fb = qtest::gl_feedback([] { disobj_hidden(); });
    int points = 0;
    for (size_t k = 0; k < fb.size(); k += 8) points += (int)fb[k] == GL_POINT_TOKEN;
    EXPECT_EQ(points, c.points) << c.what;
  }
}

TEST_F(HiddenLine, WithoutTheOriginalOnlyTheMirrorCopiesAreDrawn) {
  std::vector<float> xyz;
  std::vector<std::vector<int>> el;
  quad(xyz, el, 0.2f, -0.3f, 0.6f, 0.3f, 0.0f);
  Part_rec *p = add(1, PART_MODEL, xyz, el);
  p->attributes[SLOT_MIRROR_ORIGINAL] = 0;
  p->attributes[SLOT_MIRROR_X] = 1;
  auto rgb = draw();
  EXPECT_TRUE(near(rgb, px(-0.6f), px(0.0f), Green)) << "the copy mirrored in x";
  EXPECT_FALSE(near(rgb, px(0.6f), px(0.0f), Green)) << "no original";
}

TEST_F(HiddenLine, AnElementOfManyNodesIsOnePolygonAndOneLoop) {
  const int n = 24;
  std::vector<float> xyz;
  std::vector<int> ring;
  for (int k = 0; k < n; k++) {
    const float t = 6.2831853f * k / n;
    xyz.insert(xyz.end(), {0.8f * std::cos(t), 0.8f * std::sin(t), 0});
    ring.push_back(k + 1);
  }
  add(1, PART_MODEL, xyz, {ring});
  auto fb = qtest::gl_feedback([] { disobj_hidden(); }, 100000);
  int polygons = 0, corners = 0, lines = 0;
  for (size_t k = 0; k < fb.size();) {
    const int token = (int)fb[k];
    if (token == GL_POLYGON_TOKEN) {
      polygons++;
      corners = (int)fb[k + 1];
      k += 2 + 7 * corners;
    } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
      lines++;
      k += 15;
    } else {
      break;
    }
  }
  // Feedback splits the polygon into triangles: the face and its depth
  // pass give two fans of n - 2 triangles.
  EXPECT_EQ(polygons, 2 * (n - 2));
  EXPECT_EQ(corners, 3);
  EXPECT_EQ(lines, n) << "the outline, one loop through every node";
}

// A palette for key 1 of scalar variable 0, continuous, 2 levels,
// undefined values shown as Palette_undefined says.
int Palette_undefined = 1;
int scalar_palette(int, int, int, char *, int *var_type, int *var_id, float *wx, float *wy,
                   float *wz, int *type, int *limit, int *, int *undefined, int *levels,
                   float values[PALETTE_LEVELS], float colors[PALETTE_LEVELS][3], float *,
                   char *) {
  *var_type = 0;
  *var_id = 0;
  *wx = *wy = *wz = 0;
  *type = 0;
  *limit = 0;
  *undefined = Palette_undefined;
  *levels = 2;
  values[0] = 0;
  values[1] = 1;
  colors[0][0] = colors[1][0] = 1;
  return 1;
}
int always_defined(int, int) { return 0; }

TEST_F(HiddenLine, APartLackingItsColouringValuesKeepsItsColourBy) {
  std::vector<float> xyz;
  std::vector<std::vector<int>> el;
  quad(xyz, el, -0.5f, -0.5f, 0.5f, 0.5f, 0.0f);
  Part_rec *p = add(1, PART_MODEL, xyz, el);
  Solid_builder_calls calls{};
  calls.palette = scalar_palette;
  calls.check_variable_exists_at_current_time = always_defined;
  solid_builder_calls(&calls);
  Fringt = 1;
  p->attributes[SLOT_COLORBY_PALETTE] = 1;
  auto first = draw();
  EXPECT_TRUE(near(first, px(-0.5f), px(0.0f), Green)) << "drawn in its part colour";
  EXPECT_EQ(p->attributes[SLOT_COLORBY_PALETTE], 1.0f) << "the user's colour-by stays";
  EXPECT_EQ(draw(), first) << "and the next redraw looks the same";
}

TEST_F(HiddenLine, ThePrintPassClosesEveryCaptureItOpens) {
  std::vector<float> xyz;
  std::vector<std::vector<int>> el;
  quad(xyz, el, -0.5f, -0.5f, 0.5f, 0.5f, 0.0f);
  add(1, PART_MODEL, xyz, el);
  Part_rec *mirrored = add(2, PART_MODEL, xyz, el);
  mirrored->attributes[SLOT_MIRROR_Y] = 1;
  add(3, PART_ARROW, xyz, el);
  Part_rec *off = add(4, PART_MODEL, xyz, el);
  off->attributes[SLOT_HIDDEN_LINE] = 0;
  const int records = Num_p_loaded;
  Vek_in_progress = 1;
  vek_calls_reset();
  auto fb = qtest::gl_feedback([] { disobj_hidden_print(); });
  EXPECT_GT(Vek_calls.begins, 0);
  EXPECT_EQ(Vek_calls.ends, Vek_calls.begins);
  EXPECT_EQ(Num_p_loaded, records);
  bool lines = false;
  for (size_t k = 0; k < fb.size(); k++) lines |= (int)fb[k] == GL_LINE_RESET_TOKEN;
  EXPECT_FALSE(lines) << "no separate edge pass when printing";
}

// A ribbon trace's temporary part: a copy of the trace's quad appended to
// the table, as the trace builder appends it.
int Temporary_made = 0;
int ribbon_part(int) {
  qtest::add_part({90, 0, PART_TRACE, "ribbon", -1, {}, false});
  const int i = Part_cross[90];
  qtest::set_mesh(i, {-0.5f, -0.5f, 0, 0.5f, -0.5f, 0, 0.5f, 0.5f, 0, -0.5f, 0.5f, 0},
                  {{1, 2, 3, 4}});
  memcpy(parts[i]->attributes, parts[0]->attributes, sizeof(float) * 44);
  Temporary_made++;
  return i;
}
int never_now(int, int) { return 1; }

TEST_F(HiddenLine, ATraceDrawnFromItsTemporaryPartLeavesTheTableAsItWas) {
  struct Case {
    const char *what;
    bool invisible_now;  // colouring variable without a value now, shown invisible
    bool printing;
    bool drawn;
  } cases[] = {{"on screen", false, false, true},
               {"printed", false, true, true},
               {"undefined now and invisible, on screen", true, false, false},
               {"undefined now and invisible, printed", true, true, false}};
  for (const Case &c : cases) {
    qtest::clear_parts();
    reset_active_objects();
    Part_rec *trace = add(1, PART_TRACE, {-0.9f, 0, 0, 0.9f, 0, 0}, {{1, 2}});
    trace->attributes[97] = 1;  // ribbon
    Solid_builder_calls calls{};
    calls.ribbon_geom = ribbon_part;
    calls.palette = scalar_palette;
    if (c.invisible_now) calls.check_variable_exists_at_current_time = never_now;
    Palette_undefined = 2;
    solid_builder_calls(&calls);
    Fringt = c.invisible_now ? 1 : 0;
    trace->attributes[SLOT_COLORBY_PALETTE] = c.invisible_now ? 1 : 0;
    Temporary_made = 0;
    Vek_in_progress = c.printing ? 1 : 0;
    vek_calls_reset();
    auto fb = qtest::gl_feedback([] { disobj_hidden(); });
    Vek_in_progress = 0;
    Palette_undefined = 1;
    EXPECT_EQ(Temporary_made, 1) << c.what;
    EXPECT_EQ(Num_p_loaded, 1) << c.what << ": the temporary part is gone";
    EXPECT_EQ(Part_cross[90], -1) << c.what;
    EXPECT_EQ(parts[1], nullptr) << c.what;
    EXPECT_EQ(Vek_calls.ends, Vek_calls.begins) << c.what;
    EXPECT_EQ(!fb.empty(), c.drawn) << c.what << ": the ribbon's face";
  }
}

TEST_F(HiddenLine, FastHiddenLineValuesSetThePolygonOffset) {
  int toggle = 1;
  float bias = 3.0f, factor = 5.0f;
  sleazy_hidden_line_values(&toggle, &bias, &factor, 1);
  float slope = 0, units = 0;
  glGetFloatv(GL_POLYGON_OFFSET_FACTOR, &slope);
  glGetFloatv(GL_POLYGON_OFFSET_UNITS, &units);
  EXPECT_EQ(slope, 3.0f) << "the bias is the slope factor";
  EXPECT_EQ(units, 5.0f) << "the offset is the constant term";
  int t = 0;
  float b = 0, f = 0;
  sleazy_hidden_line_values(&t, &b, &f, 0);
  EXPECT_EQ(t, 1);
  EXPECT_EQ(b, 3.0f);
  EXPECT_EQ(f, 5.0f);
  int other = 0;
  float ob = 9, of = 9;
  sleazy_hidden_line_values(&other, &ob, &of, 2);
  sleazy_hidden_line_values(&t, &b, &f, 0);
  EXPECT_EQ(t, 1) << "mode 2 changes nothing";
  toggle = 0;
  bias = 1.0f;
  factor = 2.0f;
  sleazy_hidden_line_values(&toggle, &bias, &factor, 1);
}

}  // namespace
