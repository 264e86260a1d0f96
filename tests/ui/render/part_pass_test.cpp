// The part drawing passes on small fixture parts under a private X server:
// which parts each pass type draws (read back as GL feedback), mirror
// copies and culling, labels and lighting, stipples, the depth-sorted
// transparent elements and their fast form, the vector-print captures, and
// blended pixels where a transparent part covers an opaque one.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "client/alloc_gate.h"
#include "gl_window_suite.h"
#include "palette/function.h"
#include "parts/attribute.h"
#include "parts/read.h"
#include "render/active.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/display_list.h"
#include "render/labels.h"
#include "render/line.h"
#include "render/solid.h"
#include "render/transparent.h"
#include "render/vector_print.h"
#include "test_parts.h"
#include "view/frames.h"
#include "view/viewports.h"

namespace {

const int Size = 64;  // window pixels; model -1..1 maps onto them

// A feedback primitive: its token and the window x, y, z of its vertices.
struct Prim {
  int token;
  std::vector<std::array<float, 3>> v;
};

std::vector<Prim> primitives(const std::vector<float> &fb) {
  std::vector<Prim> out;
  size_t k = 0;
  auto take = [&](Prim &p, int n) {
    for (int i = 0; i < n && k + 7 <= fb.size(); i++, k += 7) p.v.push_back({fb[k], fb[k + 1], fb[k + 2]});
  };
  while (k < fb.size()) {
    Prim p{(int)fb[k++], {}};
    switch (p.token) {
      case GL_POLYGON_TOKEN: take(p, (int)fb[k++]); break;
      case GL_LINE_TOKEN:
      case GL_LINE_RESET_TOKEN: p.token = GL_LINE_TOKEN; take(p, 2); break;
      case GL_POINT_TOKEN:
      case GL_BITMAP_TOKEN: take(p, 1); break;
      default: return out;
    }
    out.push_back(p);
  }
  return out;
}

int count(const std::vector<Prim> &prims, int token) {
  return (int)std::count_if(prims.begin(), prims.end(), [&](const Prim &p) { return p.token == token; });
}

float mean_z(const Prim &p) {
  float z = 0;
  for (const auto &v : p.v) z += v[2];
  return z / p.v.size();
}

// A square of side s centred at (cx, cy), z, as one quad of a mesh.
void add_quad(std::vector<float> &xyz, std::vector<std::vector<int>> &elements, float cx, float cy,
              float z, float s = 0.4f) {
  int base = (int)xyz.size() / 3 + 1;
  const float h = s / 2;
  const float corners[4][2] = {{-h, -h}, {h, -h}, {h, h}, {-h, h}};
  for (const auto &c : corners) {
    xyz.push_back(cx + c[0]);
    xyz.push_back(cy + c[1]);
    xyz.push_back(z);
  }
  elements.push_back({base, base + 1, base + 2, base + 3});
}

class PartPass : public qtest::GlWindowSuite<Size, Size> {
 protected:
  void SetUp() override {
    GlWindowSuite::SetUp();
    if (HasFatalFailure()) return;
    scene_gl_state();
    const float none[4] = {0, 0, 0, 0};
    open_gl_lighting_parameters(GL_CLEAR, none);
    Viewport_current = 0;
    keep_hidden_surface_ = Viewports[0].attributes[VP_HIDDEN_SURFACE];
    Viewports[0].attributes[VP_HIDDEN_SURFACE] = 1;
    Labnod = Labele = Labprt = 0;
    Box_mode = Box_mode_always = 0;
    Software_light = 0;
    Resort_transparent = 1;
    Resort_alpha_toggle = 1;
    Performance_alpha = 0;
    Interactive_rot_x = Interactive_rot_y = Interactive_rot_z = 0;
    reset_active_objects();
    vek_calls_reset();
  }
  void TearDown() override {
    for (int i = 0; i < Num_p_loaded; i++) {
      Part_rec *p = parts[i];
      for (unsigned int l : {p->line_list, p->solid_list, p->node_label_list, p->part_label_list})
        if (l) glDeleteLists(l, 1);
    }
    Viewports[0].attributes[VP_HIDDEN_SURFACE] = keep_hidden_surface_;
    Labnod = Labele = Labprt = 1;
    Box_mode = 0;
    Resort_alpha_toggle = 1;
    Performance_alpha = 0;
    Resort_transparent = 1;
    alloc_gate_fail_after(-1);
    reset_active_objects();
    qtest::clear_parts();
  }
  float keep_hidden_surface_ = 0;

  // Parts 1..n, each a mesh of quads (x, y, z centres), flat, unlit look:
  // light-model ambient 1 and no light on, so a face shows its colour.
  void make_parts(const std::vector<std::vector<std::array<float, 3>>> &quads) {
    std::vector<qtest::TestPart> table;
    static const char *names[] = {"a", "b", "c", "d"};
    for (size_t k = 0; k < quads.size(); k++)
      table.push_back({(int)k + 1, 0, PART_MODEL, names[k], -1, {}, false});
    qtest::fill_parts(table);
    for (size_t k = 0; k < quads.size(); k++) {
      std::vector<float> xyz;
      std::vector<std::vector<int>> elements;
      for (const auto &q : quads[k]) add_quad(xyz, elements, q[0], q[1], q[2]);
      qtest::set_mesh((int)k, xyz, elements);
      float *a = parts[k]->attributes;
      qtest::plain_solid_attributes(a);
      a[SLOT_VIEWPORT_VIS] = 0xffff;
      a[SLOT_MIRROR_ORIGINAL] = 1;
      for (int m = SLOT_MIRROR_Z; m <= SLOT_MIRROR_XYZ; m++) a[m] = 0;
      qtest::plain_draw_attributes(a);
      build_objects((int)k);
      actobj((int)k + 1);
    }
  }
  static void build_objects(int i) {
    display_object_open(i, 0);
    build_line(i, 1);
    display_object_close(i, 0);
    display_object_open(i, 1);
    build_solid(i, 1);
    display_object_close(i, 1);
    parts[i]->solid_built = 1;
  }
  static void color(int i, float r, float g, float b, float alpha) {
    float *a = parts[i]->attributes;
    a[SLOT_RGB_R] = r;
    a[SLOT_RGB_G] = g;
    a[SLOT_RGB_B] = b;
    a[SLOT_OPAQUENESS] = alpha;
  }
  static std::vector<Prim> pass(int type) {
    return primitives(qtest::gl_feedback([type] { disobj(type, 0); }));
  }
  // The opaque pass (and the transparent one) on black, read back.
  static std::vector<unsigned char> picture(bool transparent = false) {
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    disobj(1, 0);
    if (transparent) disobj(3, 0);
    return window_->pixels();
  }
  // The entries of the sort array as (part, instance, element).
  static std::vector<std::array<int, 3>> sorted() {
    std::vector<std::array<int, 3>> out;
    for (int k = 0; k < Many_transparent_polys; k++) {
      const Transparent_element_rec &t = Transparent_sort_array[k];
      out.push_back({t.part, t.instance, t.element});
    }
    return out;
  }
};

TEST_F(PartPass, SkipRulesOfEachPassType) {
  struct Case {
    const char *what;
    float opaqueness;
    int hidden_surface;
    int box;          // Box_mode
    int rep;          // bounding_rep
    int type;
    int polygons, lines;  // a quad comes back as two triangles
  } cases[] = {
      {"opaque solid, opaque pass", 1, 1, 0, 0, 1, 2, 0},
      {"transparent solid is left to the sorted pass", 0.5f, 1, 0, 0, 1, 0, 0},
      {"transparent as lines: opaque pass", 0.5f, 0, 0, 0, 1, 0, 4},
      {"box mode draws a transparent part's object", 0.5f, 1, 1, 0, 1, 2, 0},
      {"box mode with box representation: twelve edges only", 0.5f, 1, 1, 1, 1, 0, 13},
      {"flipbook: transparent solid only in the blended loop", 0.5f, 1, 0, 0, 0, 2, 0},
      {"flipbook: transparent lines in both loops", 0.5f, 0, 0, 0, 0, 0, 8},
      {"flipbook: opaque solid once", 1, 1, 0, 0, 0, 2, 0},
      {"transparent pass: labels only for an opaque part", 1, 1, 0, 0, 3, 0, 0},
      {"transparent pass in box mode: no sorted elements", 0.5f, 1, 1, 1, 3, 0, 0},
  };
  for (const Case &c : cases) {
    make_parts({{{0, 0, 0}}});
    color(0, 0, 0, 1, c.opaqueness);
    parts[0]->attributes[SLOT_BOUNDING_REP] = (float)c.rep;
    Viewports[0].attributes[VP_HIDDEN_SURFACE] = (float)c.hidden_surface;
    Box_mode = c.box;
    auto prims = pass(c.type);
    EXPECT_EQ(count(prims, GL_POLYGON_TOKEN), c.polygons) << c.what;
    EXPECT_EQ(count(prims, GL_LINE_TOKEN), c.lines) << c.what;
    EXPECT_FALSE(glIsEnabled(GL_BLEND)) << c.what;
    GLboolean mask = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &mask);
    EXPECT_TRUE(mask) << c.what;
  }
}

TEST_F(PartPass, TransparentPartShowsTheOpaquePartBehindIt) {
  // Red quad behind (z 0.5), half-transparent blue quad in front (z -0.5),
  // overlapping in x -0.1 .. 0.1.
  make_parts({{{-0.1f, 0, 0.5f}}, {{0.1f, 0, -0.5f}}});
  color(0, 1, 0, 0, 1);
  color(1, 0, 0, 1, 0.5f);
  auto rgb = picture(true);
  auto at = [&](float x, float y) {
    int px = (int)((x + 1) * Size / 2), py = (int)((y + 1) * Size / 2);
    const unsigned char *p = &rgb[3 * (py * Size + px)];
    return std::array<int, 3>{p[0], p[1], p[2]};
  };
  auto overlap = at(0, 0), blue_only = at(0.25f, 0), red_only = at(-0.25f, 0);
  EXPECT_NEAR(overlap[0], 128, 3) << "half of the red behind";
  EXPECT_NEAR(overlap[2], 128, 3) << "half of the blue in front";
  EXPECT_NEAR(blue_only[2], 128, 3) << "half blue over black";
  EXPECT_EQ(blue_only[0], 0);
  EXPECT_EQ(red_only[0], 255);
}

TEST_F(PartPass, MirrorCopiesAndSphereCulling) {
  // The solid object: a counter-clockwise triangle above y = 0 and a
  // clockwise one below, right of x = 0; the part shows node spheres only.
  // A copy mirrored in one axis turns the window winding round, one in
  // two or three keeps it; culled copies keep the faces that were front
  // faces of the mirrored solid.
  struct Case {
    const char *what;
    int original, slot;  // mirror_original, mirror slot on (0 none)
    int vis_line;
    std::vector<std::array<int, 2>> want;  // sign of x and y of each triangle shown
  } cases[] = {
      {"culled part keeps its front faces", 1, 0, 0, {{1, 1}}},
      {"not culled with lines shown", 1, 0, 1, {{1, 1}, {1, -1}}},
      {"mirror_x alone: only the copy, front faces culled", 0, SLOT_MIRROR_X, 0, {{-1, 1}}},
      {"mirror_xy: back faces culled", 0, SLOT_MIRROR_XY, 0, {{-1, -1}}},
      {"mirror_xyz: front faces culled", 0, SLOT_MIRROR_XYZ, 0, {{-1, 1}}},
      {"original and mirror_y", 1, SLOT_MIRROR_Y, 0, {{1, 1}, {1, -1}}},
      {"mirror_x with lines shown: both", 0, SLOT_MIRROR_X, 1, {{-1, 1}, {-1, -1}}},
  };
  for (const Case &c : cases) {
    make_parts({{{0, 0, 0}}});  // one element: culling then needs lines and faces off
    color(0, 1, 1, 1, 1);
    Part_rec *p = parts[0];
    float *a = p->attributes;
    a[SLOT_VIS_NODE] = 1;
    a[SLOT_NODE_TYPE] = 2;
    a[SLOT_VIS_LINE] = (float)c.vis_line;
    a[SLOT_VIS_ELT] = 0;
    a[SLOT_MIRROR_ORIGINAL] = (float)c.original;
    if (c.slot) a[c.slot] = 1;
    glNewList(p->solid_list, GL_COMPILE);
    glBegin(GL_TRIANGLES);
    glVertex3f(0.2f, 0.2f, 0.5f), glVertex3f(0.6f, 0.2f, 0.5f), glVertex3f(0.4f, 0.6f, 0.5f);
    glVertex3f(0.2f, -0.2f, 0.5f), glVertex3f(0.6f, -0.2f, 0.5f), glVertex3f(0.4f, -0.6f, 0.5f);
    glEnd();
    glEndList();
    auto rgb = picture();
    // Which of the four triangle places (x +-0.4, y +-0.33) show colour.
    std::vector<std::array<int, 2>> got;
    for (int sx : {1, -1})
      for (int sy : {1, -1}) {
        int px = (int)((1 + sx * 0.4f) * Size / 2), py = (int)((1 + sy * 0.33f) * Size / 2);
        const unsigned char *q = &rgb[3 * (py * Size + px)];
        if (q[0] + q[1] + q[2] > 0) got.push_back({sx, sy});
      }
    EXPECT_EQ(got, c.want) << c.what;
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE)) << c.what;
    GLint face = 0;
    glGetIntegerv(GL_CULL_FACE_MODE, &face);
    EXPECT_EQ(face, GL_BACK) << c.what;
  }
}

TEST_F(PartPass, LabelsAreDrawnUnlitOnlyWhenSwitchedOn) {
  make_parts({{{0, 0, 0}}});
  Part_rec *p = parts[0];
  color(0, 0, 1, 0, 1);
  // A node-label list holding one point: drawn unlit it takes the label
  // colour, lit it would take the part's green.
  p->node_label_list = glGenLists(1);
  glNewList(p->node_label_list, GL_COMPILE);
  glBegin(GL_POINTS);
  glVertex3f(0.5f, 0.5f, 0);
  glEnd();
  glEndList();
  const float white[3] = {1, 1, 1}, grey[3] = {0.5f, 0.5f, 0.5f};
  setlabel_color(white, grey, grey);
  for (int on : {0, 1}) {
    Labnod = on;
    std::vector<float> fb = qtest::gl_feedback([] { disobj(1, 0); });
    auto prims = primitives(fb);
    EXPECT_EQ(count(prims, GL_POINT_TOKEN), on) << "labels switched " << on;
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING)) << "lighting on again after the labels";
    if (on) {
      // The point's colour follows the polygon's 4 + 7 x 4 values.
      size_t k = fb.size() - 7;
      EXPECT_FLOAT_EQ(fb[k + 3], 1.0f);
      EXPECT_FLOAT_EQ(fb[k + 4], 1.0f) << "white, not lit green";
    }
  }
}

TEST_F(PartPass, StipplesFromTheTablesAndOffAfterThePass) {
  struct Case {
    const char *what;
    int style, fill;
    int want_pattern;  // line stipple pattern after the pass
    bool half_lines, half_fill;
  } cases[] = {
      {"plain", 0, 0, 0xffff, false, false},
      {"dotted lines", 1, 0, 0xcccc, true, false},
      {"style past the table draws solid", 9, 0, 0xffff, false, false},
      {"checker fill", 0, 2, 0xffff, false, true},
      {"fill past the table draws solid", 0, 7, 0xffff, false, false},
  };
  make_parts({{{0, 0, 0}}, {{0, 0, 0}}});
  color(0, 0, 0, 1, 1);
  color(1, 0, 0, 1, 1);
  // Part 1 a long horizontal bar as lines (no element faces), part 2 a big
  // quad drawn solid.
  for (const Case &c : cases) {
    glLineStipple(1, 0xffff);
    for (int k = 0; k < 2; k++) {
      parts[k]->attributes[SLOT_LINE_STYLE] = (float)c.style;
      parts[k]->attributes[SLOT_FILL_PATTERN] = (float)c.fill;
    }
    glNewList(parts[0]->line_list, GL_COMPILE);
    glBegin(GL_LINES);
    glVertex3f(-0.9f, 0.52f, 0), glVertex3f(0.9f, 0.52f, 0);
    glEnd();
    glEndList();
    parts[0]->solid_built = 0;
    glNewList(parts[1]->solid_list, GL_COMPILE);
    glBegin(GL_QUADS);
    glVertex3f(-0.9f, -0.9f, 0), glVertex3f(0.9f, -0.9f, 0), glVertex3f(0.9f, 0, 0), glVertex3f(-0.9f, 0, 0);
    glEnd();
    glEndList();
    auto rgb = picture();
    int line_lit = 0, fill_lit = 0, fill_all = 0;
    const int line_row = (int)(1.52f * Size / 2);
    for (int x = 0; x < Size; x++) line_lit += rgb[3 * (line_row * Size + x) + 2] > 0;
    for (int y = 5; y < Size / 2 - 2; y++)
      for (int x = 5; x < Size - 5; x++, fill_all++) fill_lit += rgb[3 * (y * Size + x) + 2] > 0;
    EXPECT_FALSE(glIsEnabled(GL_LINE_STIPPLE)) << c.what;
    EXPECT_FALSE(glIsEnabled(GL_POLYGON_STIPPLE)) << c.what;
    GLint pattern = 0;
    glGetIntegerv(GL_LINE_STIPPLE_PATTERN, &pattern);
    EXPECT_EQ(pattern, c.want_pattern) << c.what;
    if (c.half_lines) {
      EXPECT_NEAR(line_lit, Size / 2, 6) << c.what;
    } else {
      EXPECT_GE(line_lit, 56) << c.what;
    }
    if (c.half_fill) {
      EXPECT_NEAR(fill_lit, fill_all / 2, fill_all / 10) << c.what;
    } else {
      EXPECT_EQ(fill_lit, fill_all) << c.what;
    }
  }
}

TEST_F(PartPass, VectorPrintCapturesEachPartAndLeavesPartLabelsOut) {
  make_parts({{{-0.5f, 0, 0}}, {{0.5f, 0, 0}}});
  parts[1]->attributes[SLOT_MIRROR_X] = 1;
  parts[1]->attributes[SLOT_LINE_STYLE] = 1;
  parts[0]->part_label_list = glGenLists(1);
  glNewList(parts[0]->part_label_list, GL_COMPILE);
  glBegin(GL_POINTS);
  glVertex3f(0, 0.5f, 0);
  glEnd();
  glEndList();
  Labprt = 1;
  auto printed = primitives(qtest::gl_feedback([] { disobj_print(); }));
  EXPECT_EQ(Vek_calls.begins, 2) << "one capture per part";
  EXPECT_EQ(Vek_calls.ends, 2);
  EXPECT_EQ(Vek_calls.last_type, '#');
  EXPECT_EQ(Vek_calls.last_size, 2 * parts[1]->solid_object_size) << "the part and its copy";
  EXPECT_EQ(Vek_calls.last_stippled, 1);
  EXPECT_EQ(count(printed, GL_POINT_TOKEN), 0) << "no part label printed";
  EXPECT_EQ(count(printed, GL_POLYGON_TOKEN), 6) << "three quads, two triangles each";
  EXPECT_EQ(count(pass(1), GL_POINT_TOKEN), 1) << "the screen pass draws it";
}

TEST_F(PartPass, OnePartForThePartShowWindow) {
  make_parts({{{0, 0, 0}}});
  Part_rec *p = parts[0];
  p->attributes[SLOT_LINE_STYLE] = 1;
  p->attributes[SLOT_FILL_PATTERN] = 2;
  p->attributes[SLOT_OPAQUENESS] = 0.5f;  // drawn whatever its transparency
  Viewport_current = 3;  // any viewport; hidden surface is read from viewport 0
  struct Case {
    const char *what;
    int number;
    int representation;
    int polygons;
  } cases[] = {{"the part", 1, 0, 2}, {"not loaded", 1, ELT_REP_NOT_LOADED, 0}, {"no such part", 9, 0, 0}};
  for (const Case &c : cases) {
    p->attributes[SLOT_ELT_REP] = (float)c.representation;
    auto prims = primitives(qtest::gl_feedback([&] { display_a_part(c.number); }));
    EXPECT_EQ(count(prims, GL_POLYGON_TOKEN), c.polygons) << c.what;
    EXPECT_FALSE(glIsEnabled(GL_LINE_STIPPLE)) << c.what;
    EXPECT_FALSE(glIsEnabled(GL_POLYGON_STIPPLE)) << c.what;
  }
  Viewport_current = 0;
}

// ---- the sorted transparent elements ----------------------------------------------------

TEST_F(PartPass, SortOrderFarFirst) {
  Frame_rec shifted = *frame_record(0);
  struct Case {
    const char *what;
    std::vector<std::vector<std::array<float, 3>>> quads;
    int mirror_original, mirror_slot;  // of part 1
    int frame_of_second;               // 1: part 2 in a frame moved by z 0.3
    std::vector<std::array<int, 3>> want;
  } cases[] = {
      {"three quads far first", {{{-0.5f, 0, -0.5f}, {0, 0, 0.5f}, {0.5f, 0, 0}}}, 1, 0, 0,
       {{0, 0, 1}, {0, 0, 2}, {0, 0, 0}}},
      {"mirror_x alone: only its instance", {{{0.5f, 0, 0.2f}, {0.5f, 0, -0.2f}}}, 0,
       SLOT_MIRROR_X, 0, {{0, 17, 0}, {0, 17, 1}}},
      {"original and mirror_z", {{{0.5f, 0, 0.3f}}}, 1, SLOT_MIRROR_Z, 0, {{0, 0, 0}, {0, 15, 0}}},
      {"two parts in two frames interleave", {{{0, 0, -0.6f}, {0, 0, 0.2f}}, {{0, 0, -0.2f}}}, 1,
       0, 1, {{0, 0, 1}, {1, 0, 0}, {0, 0, 0}}},
  };
  for (const Case &c : cases) {
    make_parts(c.quads);
    for (int i = 0; i < Num_p_loaded; i++) parts[i]->attributes[SLOT_OPAQUENESS] = 0.5f;
    parts[0]->attributes[SLOT_MIRROR_ORIGINAL] = (float)c.mirror_original;
    if (c.mirror_slot) parts[0]->attributes[c.mirror_slot] = 1;
    if (c.frame_of_second) {
      for (auto &m : shifted.combined) m[14] = 0.3f;
      Ctm_part[1] = &shifted;
      parts[1]->attributes[SLOT_FRAME] = 1;
    }
    Resort_transparent = 1;
    std::vector<int> list;
    for (int i = 0; i < Num_p_loaded; i++) list.push_back(i);
    EXPECT_EQ(sort_transparent_elements((int)list.size(), list.data()), 1) << c.what;
    Ctm_part[1] = nullptr;
    EXPECT_EQ(sorted(), c.want) << c.what;
    EXPECT_EQ(Resort_transparent, 0) << c.what;
    // Drawn far to near in that order.
    auto prims = pass(3);
    ASSERT_EQ(prims.size(), 2 * c.want.size()) << c.what;
    for (size_t k = 1; k < prims.size(); k++)
      EXPECT_GE(mean_z(prims[k - 1]) + 1e-4f, mean_z(prims[k])) << c.what;
  }
  // A kept order is not sorted again.
  make_parts({{{0, 0, -0.5f}, {0, 0, 0.5f}}});
  parts[0]->attributes[SLOT_OPAQUENESS] = 0.5f;
  int only = 0;
  Resort_transparent = 1;
  sort_transparent_elements(1, &only);
  parts[0]->coords[1][2] = parts[0]->coords[2][2] = parts[0]->coords[3][2] = parts[0]->coords[4][2] = 0.9f;
  sort_transparent_elements(1, &only);
  EXPECT_EQ(sorted(), (std::vector<std::array<int, 3>>{{0, 0, 1}, {0, 0, 0}}));
}

TEST_F(PartPass, FastTransparencyReversesPastNinetyDegrees) {
  make_parts({{{-0.5f, 0, 0.5f}, {0, 0, 0}, {0.5f, 0, -0.5f}}});
  parts[0]->attributes[SLOT_OPAQUENESS] = 0.5f;
  // A pass with re-sorting off fills the normal cache.
  Resort_alpha_toggle = 0;
  auto normal = pass(3);
  ASSERT_EQ(normal.size(), 6u);
  ASSERT_GE(part_array_capacity(0, PA_ELEM_NORMALS, 0), 9);
  EXPECT_EQ(parts[0]->elem_normals[2], 125) << "normal (0, 0, 1) x 125 cached";
  struct Case {
    float rot_x, rot_y;
    bool reversed;
  } cases[] = {{0, 0, false}, {0, 80, false}, {0, 100, true}, {-100, 0, true}};
  for (const Case &c : cases) {
    Performance_alpha = 1;
    Interactive_rot_x = c.rot_x;
    Interactive_rot_y = c.rot_y;
    auto fast = pass(3);
    ASSERT_EQ(fast.size(), 6u);
    for (size_t k = 0; k < 6; k++) {
      const Prim &want = normal[c.reversed ? 5 - k : k];
      EXPECT_NEAR(mean_z(fast[k]), mean_z(want), 1e-4f) << c.rot_x << " " << c.rot_y << " entry " << k;
    }
    GLint shade = 0;
    glGetIntegerv(GL_SHADE_MODEL, &shade);
    EXPECT_EQ(shade, GL_SMOOTH) << "the pass leaves the smooth model the part loops rely on";
  }
  // The kept order outlives a part that lost elements: those entries are passed over.
  parts[0]->element_count = 1;
  Interactive_rot_y = 0;
  EXPECT_EQ(pass(3).size(), 2u);
}

TEST_F(PartPass, NoTransparentPartLeavesBlendingAlone) {
  make_parts({{{0, 0, 0}}});
  for (bool blend : {false, true}) {
    blend ? glEnable(GL_BLEND) : glDisable(GL_BLEND);
    glDepthMask(blend ? GL_FALSE : GL_TRUE);
    EXPECT_TRUE(pass(3).empty());
    GLboolean mask = GL_TRUE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &mask);
    EXPECT_EQ((bool)glIsEnabled(GL_BLEND), blend);
    EXPECT_EQ((bool)mask, !blend);
  }
  glDisable(GL_BLEND);
  glDepthMask(GL_TRUE);
}

TEST_F(PartPass, SortArrayThatCannotGrowDrawsNothingAndRetries) {
  // More elements than the array holds, so the sort must grow it.
  int room = Size_of_t_sort_array;
  std::vector<std::array<float, 3>> quads(room + 2, {0, 0, 0});
  quads[0] = {0, 0, 0.5f};
  make_parts({quads});
  parts[0]->attributes[SLOT_OPAQUENESS] = 0.5f;
  Transparent_element_rec *kept = Transparent_sort_array;
  Resort_transparent = 1;
  alloc_gate_fail_after(0);
  testing::internal::CaptureStderr();
  auto first = pass(3);
  auto second = pass(3);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(first.empty() && second.empty()) << "no sorted element drawn";
  EXPECT_EQ(Transparent_sort_array, kept) << "the old array stays";
  EXPECT_EQ(Size_of_t_sort_array, room);
  EXPECT_EQ(Resort_transparent, 1) << "the next pass tries again";
  const std::string tail = kept ? "transparent sort array: Memory(d1realloc) allocation failed.\n"
                                : "transparent sort array:  Memory(d1calloc) allocation failed.\n";
  size_t at = err.find(tail);
  EXPECT_NE(at, std::string::npos) << err;
  EXPECT_EQ(err.find(tail, at + 1), std::string::npos) << "reported once";
  EXPECT_NE(err.find("E> At Line "), std::string::npos);
  alloc_gate_fail_after(-1);
  EXPECT_EQ(pass(3).size(), 2 * quads.size());
  EXPECT_EQ(Resort_transparent, 0);
  EXPECT_GE(Size_of_t_sort_array, (int)quads.size());
}

}  // namespace
