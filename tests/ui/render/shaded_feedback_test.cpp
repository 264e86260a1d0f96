// Triangle strips, immediate shaded elements and the solid object built
// into a GL list, read back through GL feedback under a private X server:
// which triangles, lines and points reach OpenGL, in which order and with
// which colours.
#include <gtest/gtest.h>

#define GL_GLEXT_PROTOTYPES 1
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "client/alloc_gate.h"
#include "gl_window_suite.h"
#include "harness.h"
#include "palette/function.h"
#include "parts/attribute.h"
#include "parts/part_rebuild.h"
#include "render/disobj.h"
#include "render/display_list.h"
#include "render/fringe.h"
#include "render/line.h"
#include "render/smooth.h"
#include "render/solid.h"
#include "render/strip.h"
#include "test_parts.h"
#include "variables/variables.h"

namespace {

const int Size = 64;  // window pixels; model -1..1 maps onto them

struct Vertex {
  float x, y, z, rgba[4];
};
struct Primitive {
  int token;  // GL_POLYGON_TOKEN, GL_LINE_TOKEN (resets too), GL_POINT_TOKEN
  std::vector<Vertex> v;
};

std::vector<Primitive> parse(const std::vector<float> &buf) {
  std::vector<Primitive> out;
  auto vertex = [&](size_t &k) {
    Vertex v{buf[k], buf[k + 1], buf[k + 2], {buf[k + 3], buf[k + 4], buf[k + 5], buf[k + 6]}};
    k += 7;
    return v;
  };
  for (size_t k = 0; k < buf.size();) {
    int token = (int)buf[k++];
    Primitive p{token, {}};
    if (token == GL_POLYGON_TOKEN) {
      int n = (int)buf[k++];
      for (int i = 0; i < n; i++) p.v.push_back(vertex(k));
    } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
      p.token = GL_LINE_TOKEN;
      p.v.push_back(vertex(k));
      p.v.push_back(vertex(k));
    } else if (token == GL_POINT_TOKEN) {
      p.v.push_back(vertex(k));
    } else if (token == GL_PASS_THROUGH_TOKEN) {
      k++;
    } else {
      break;
    }
    out.push_back(p);
  }
  return out;
}

// The node at a feedback vertex: nodes lie at distinct window positions.
int node_at(const Vertex &v) {
  const Part_rec *p = parts[0];
  for (int i = 1; i <= p->node_count; i++) {
    float wx = (p->coords[i][0] + 1) * Size / 2, wy = (p->coords[i][1] + 1) * Size / 2;
    if (std::fabs(wx - v.x) < 1e-2 && std::fabs(wy - v.y) < 1e-2) return i;
  }
  return -1;
}

std::vector<int> nodes_of(const Primitive &p) {
  std::vector<int> n;
  for (const Vertex &v : p.v) n.push_back(node_at(v));
  return n;
}

const float Identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

class ShadedFeedback : public qtest::GlWindowSuite<Size, Size> {
 protected:
  void SetUp() override {
    GlWindowSuite::SetUp();
    if (HasFatalFailure()) return;
    glViewport(0, 0, Size, Size);
    glDisable(GL_LIGHTING);
    saved_undefined_ = Undefined;
    Undefined = -1234.5f;
    qtest::fill_parts({{1, 0, PART_MODEL, "body", -1, {}, false}});
    float *a = parts[0]->attributes;
    qtest::plain_solid_attributes(a);
    a[SLOT_LINE_WIDTH] = 1;
    a[SLOT_LIGHT_DIFF] = 1;
    a[SLOT_LIGHT_HINT] = 0;
    Software_light = 0;
    Performance_mode = 0;
  }
  void TearDown() override {
    solid_builder_calls(nullptr);
    fringe_palette_calls(nullptr);
    alloc_gate_fail_after(-1);
    smooth_end();
    Software_light = Performance_mode = 0;
    Quivane_display_list = Compile_Quivane_display_list = 0;
    Undefined = saved_undefined_;
    qtest::clear_parts();
  }
  template <typename Draw>
  static std::vector<Primitive> feedback(Draw draw) {
    return parse(qtest::gl_feedback(draw, 200000));
  }
  // Strips of part 0 with every node normal (0, 0, 1); the triangles drawn.
  static std::vector<Primitive> strips() {
    EXPECT_EQ(smooth_begin(0), 1);
    const float up[3] = {0, 0, 1};
    for (int i = 1; i <= parts[0]->node_count; i++) smooth_add(up, i);
    smooth_them(0);
    float diffuse[3], specular[3];
    auto out = feedback([&] {
      EXPECT_EQ(strip(0, 0, 0, 0, 0, 0, 0, 0, -1, 1, 0, 0, 1, diffuse, specular, Identity), 1);
    });
    smooth_end();
    return out;
  }
  float saved_undefined_;
};

// The strips in the triangles feedback gives: triangle j of a strip is
// (s[j], s[j+1], s[j+2]), every odd one with its first two swapped.
std::vector<std::vector<int>> strips_of(const std::vector<Primitive> &tris) {
  std::vector<std::vector<int>> out;
  for (const Primitive &t : tris) {
    std::vector<int> n = nodes_of(t);
    if (!out.empty()) {
      std::vector<int> &s = out.back();
      size_t j = s.size() - 2;
      bool odd = j % 2;
      if (n[0] == (odd ? s[j + 1] : s[j]) && n[1] == (odd ? s[j] : s[j + 1])) {
        s.push_back(n[2]);
        continue;
      }
    }
    out.push_back(n);
  }
  return out;
}

TEST_F(ShadedFeedback, StripsFollowTheBucketsAndThePivot) {
  struct Case {
    const char *what;
    std::vector<float> xyz;
    std::vector<std::vector<int>> elements;
    std::vector<std::vector<int>> strips;
  } cases[] = {
      {"a quad c0..c3 is the strip c3, c2, c0, c1",
       {-0.5f, -0.5f, 0, 0.5f, -0.5f, 0, 0.5f, 0.5f, 0, -0.5f, 0.5f, 0},
       {{1, 2, 3, 4}},
       {{4, 3, 1, 2}}},
      {"two separate triangles: two strips, the later first",
       {-0.9f, -0.9f, 0, -0.5f, -0.9f, 0, -0.9f, -0.5f, 0, 0.5f, 0.5f, 0, 0.9f, 0.5f, 0, 0.5f, 0.9f, 0},
       {{1, 2, 3}, {4, 5, 6}},
       {{4, 5, 6}, {1, 2, 3}}},
      {"an edge of three triangles: the third has no neighbour across it",
       {0, 0, 0, 0.5f, 0, 0, 0.2f, 0.5f, 0, 0.2f, -0.5f, 0, 0.4f, 0.8f, 0},
       {{1, 2, 3}, {2, 1, 4}, {1, 2, 5}},
       {{1, 2, 5}, {4, 1, 2, 3}}},
  };
  for (const Case &c : cases) {
    qtest::set_mesh(0, c.xyz, c.elements);
    EXPECT_EQ(strips_of(strips()), c.strips) << c.what;
  }
}

TEST_F(ShadedFeedback, NoStripExceeds128Triangles) {
  // A ribbon of 150 quads: 300 triangles.
  std::vector<float> xyz;
  std::vector<std::vector<int>> quads;
  for (int k = 0; k <= 150; k++) {
    float x = -0.95f + 1.9f * k / 150;
    xyz.insert(xyz.end(), {x, -0.5f, 0, x, 0.5f, 0});
  }
  for (int k = 0; k < 150; k++) quads.push_back({2 * k + 1, 2 * k + 3, 2 * k + 4, 2 * k + 2});
  qtest::set_mesh(0, xyz, quads);
  auto tris = strips();
  ASSERT_EQ(tris.size(), 300u);
  // Strips that meet end to end look like one in feedback; the vertices
  // sent tell them apart: S strips of 300 triangles send 300 + 2S.
  GLuint query;
  glGenQueries(1, &query);
  ASSERT_EQ(smooth_begin(0), 1);
  float diffuse[3], specular[3];
  glBeginQuery(GL_VERTICES_SUBMITTED_ARB, query);
  strip(0, 0, 0, 0, 0, 0, 0, 0, -1, 1, 0, 0, 1, diffuse, specular, Identity);
  glEndQuery(GL_VERTICES_SUBMITTED_ARB);
  smooth_end();
  GLuint vertices = 0;
  glGetQueryObjectuiv(query, GL_QUERY_RESULT, &vertices);
  glDeleteQueries(1, &query);
  ASSERT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
  EXPECT_EQ((vertices - 300) / 2, 3u) << "128, 128 and 44 triangles";
  std::set<std::multiset<int>> distinct;
  for (const Primitive &t : tris) {
    auto n = nodes_of(t);
    distinct.insert(std::multiset<int>(n.begin(), n.end()));
  }
  EXPECT_EQ(distinct.size(), 300u) << "every triangle once";
}

TEST_F(ShadedFeedback, AFailedAllocationDrawsNothingFreesAllAndReportsWhich) {
  // A quad (own corner list) and three triangles on one edge (a further
  // block of edge records): five allocations, each failed in turn.
  qtest::set_mesh(0, {0, 0, 0, 0.5f, 0, 0, 0.2f, 0.5f, 0, 0.2f, -0.5f, 0, 0.4f, 0.8f, 0},
                  {{1, 2, 3}, {2, 1, 4}, {1, 2, 5}, {1, 4, 2, 3}});
  const char *names[] = {"tristrip:newconn", "tristrip:edgeTable", "strip:triList",
                         "strip:bucketList", "tristrip:new"};
  ASSERT_EQ(smooth_begin(0), 1);
  float diffuse[3], specular[3];
  for (int n = 0; n <= 5; n++) {
    testing::internal::CaptureStderr();
    long held = alloc_gate_held();
    alloc_gate_fail_after(n);
    int drawn = -1;
    auto out = feedback([&] {
      drawn = strip(0, 0, 0, 0, 0, 0, 0, 0, -1, 1, 0, 0, 1, diffuse, specular, Identity);
    });
    alloc_gate_fail_after(-1);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(alloc_gate_held(), held) << "everything allocated is freed, " << n;
    if (n < 5) {
      EXPECT_EQ(drawn, 0) << names[n];
      EXPECT_TRUE(out.empty()) << names[n];
      EXPECT_NE(err.find(std::string(names[n]) + ":  Memory(d1calloc) allocation failed."),
                std::string::npos) << err;
    } else {
      EXPECT_EQ(drawn, 1);
      EXPECT_EQ(out.size(), 5u);
    }
  }
  smooth_end();
}

// ---- the solid object in a GL list ------------------------------------------------------

TEST_F(ShadedFeedback, StripsInAGlListAndTheFacePassesWhenTheyFail) {
  qtest::set_mesh(0, {-0.5f, -0.5f, 0, 0, -0.5f, 0, 0.5f, -0.5f, 0, -0.5f, 0.5f, 0, 0, 0.5f, 0,
                      0.5f, 0.5f, 0},
                  {{1, 2, 5, 4}, {2, 3, 6, 5}});
  parts[0]->attributes[SLOT_SHADING] = 2;
  Performance_mode = 1;
  Software_light = 1;
  for (bool fail : {false, true}) {
    // smooth_begin's three buffers come first; then the strip's first allocation fails.
    if (fail) alloc_gate_fail_after(3);
    testing::internal::CaptureStderr();
    make_part_solid(1);
    std::string err = testing::internal::GetCapturedStderr();
    alloc_gate_fail_after(-1);
    auto out = feedback([] { glCallList(parts[0]->solid_list); });
    int corners = 0;
    for (const Primitive &p : out) corners += (int)p.v.size();
    if (!fail) {
      auto s = strips_of(out);
      ASSERT_EQ(s.size(), 1u) << "one strip of the four triangles";
      EXPECT_EQ(s[0].size(), 6u);
    } else {
      EXPECT_NE(err.find("tristrip:newconn"), std::string::npos) << "the strips failed";
      EXPECT_GE(out.size(), 2u) << "the faces are drawn all the same";
      EXPECT_GE(corners, 8);
    }
  }
  glDeleteLists(parts[0]->solid_list, 1);
}

// ---- immediate elements -----------------------------------------------------------------

// Scalar 0 coloured by a continuous or banded palette of levels 0..10.
struct Palette_double {
  int type = 0;
  int banded_calls = 0;
  int undefined_display = 0;
} Pal;

int fake_palette(int key, int, int, char *, int *var_type, int *var_id, float *wx, float *wy,
                 float *wz, int *type, int *limit, int *, int *undefined_display, int *levels,
                 float values[PALETTE_LEVELS], float (*)[3], float *, char *) {
  if (key != 1) return -1;
  *var_type = 0;
  *var_id = 0;
  *wx = *wy = *wz = 0.0f;
  *type = Pal.type;
  *limit = 0;
  *undefined_display = Pal.undefined_display;
  *levels = 3;
  values[0] = 0;
  values[1] = 5;
  values[2] = 10;
  return 1;
}

// Value v is red v/10.
void fake_false_color(int, int, float v, float rgb[3], int, int *interval, float *fraction) {
  rgb[0] = v / 10.0f;
  rgb[1] = 0.5f;
  rgb[2] = 0.0f;
  *interval = (int)(v / 5.0f);
  *fraction = 0.0f;
}
void fake_banded_constant(float rgb[3], int) { rgb[0] = rgb[1] = rgb[2] = 0.5f; }

// Draws its triangle whole with its own block, as the band splitter does.
void fake_banded(int, int, int, int, int, int, float, float, float, int, int, int a, int b,
                 int centre_index, const float *centre, float, const float *, int,
                 const float (*)[3], float, int, int, const float *, const float (*coords)[3],
                 const float *, const float *, int *vertex_count) {
  Pal.banded_calls++;
  (void)centre_index;
  glBegin(GL_TRIANGLES);
  glVertex3fv(coords[a]);
  glVertex3fv(coords[b]);
  glVertex3fv(centre);
  glEnd();
  *vertex_count += 3;
}

const Solid_builder_calls Doubles = {fake_palette,    nullptr, fake_banded, fake_false_color,
                                     nullptr,         nullptr, nullptr,     nullptr};
const Fringe_palette_calls Fake_palette = {fake_false_color, fake_banded_constant};

class ImmediateElements : public ShadedFeedback {
 protected:
  void SetUp() override {
    ShadedFeedback::SetUp();
    Pal = Palette_double();
    solid_builder_calls(&Doubles);
    fringe_palette_calls(&Fake_palette);
  }
  // Node k+1 gets scalar values[k]; the part is coloured by it.
  static void values(const std::vector<float> &v) {
    resize_part_array(0, PA_SCALARS, (int)v.size() + 1, 0);
    for (size_t k = 0; k < v.size(); k++) parts[0]->scalars[0][k + 1] = v[k];
    parts[0]->attributes[SLOT_COLORBY_PALETTE] = 1;
  }
};

TEST_F(ImmediateElements, OneElementAtATime) {
  qtest::set_mesh(0, {-0.5f, -0.5f, 0, 0.5f, -0.5f, 0, 0.5f, 0.5f, 0, -0.5f, 0.5f, 0},
                  {{1, 2, 3, 4}, {1, 3}});
  values({1, 3, 6, 9});
  signed char normal[3] = {7, 7, 7};
  unsigned char colour[3] = {0, 0, 0};
  int fringe = 0;

  auto line = feedback([&] { display_one_shaded_polygon(0, 1, 0, normal, colour, &fringe); });
  ASSERT_EQ(line.size(), 1u);
  EXPECT_EQ(line[0].token, GL_LINE_TOKEN);
  EXPECT_EQ(normal[0], 7) << "a line leaves the normal bytes alone";
  EXPECT_EQ(normal[2], 7);
  EXPECT_EQ(fringe, 1);
  EXPECT_EQ(colour[0], 26) << "255 x 0.1";

  glDisable(GL_LIGHTING);  // left on by the line, as the transparent pass wants it
  auto quad = feedback([&] { display_one_shaded_polygon(0, 0, 0, normal, colour, &fringe); });
  int corners = 0;
  std::set<float> reds;
  for (const Primitive &p : quad)
    for (const Vertex &v : p.v) {
      corners++;
      reds.insert(std::round(v.rgba[0] * 100) / 100);
    }
  EXPECT_EQ(reds, (std::set<float>{0.1f, 0.3f, 0.6f, 0.9f})) << "four corner colours";
  EXPECT_GE(corners, 4);
  EXPECT_EQ(normal[0], 0);
  EXPECT_EQ(normal[1], 0);
  EXPECT_EQ(normal[2], 125) << "the flat normal in bytes";
  EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);

  Pal.type = 1;
  auto banded = feedback([&] { display_one_shaded_polygon(0, 0, 0, normal, colour, &fringe); });
  EXPECT_EQ(Pal.banded_calls, 4);
  EXPECT_EQ(banded.size(), 4u) << "only the splitter's own triangles";
  EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR) << "no block of its own around the splitter's";
}

// A realtime surface of two triangles, the first in z = 0 and the second
// tilted, by node number (entry 0 a node nobody draws).
struct Surface {
  std::vector<float> x{99, -0.5f, 0.5f, 0.5f, -0.5f}, y{99, -0.5f, -0.5f, 0.5f, 0.5f},
      z{99, 0, 0, 0, 0.8f};
  std::vector<float> scalars{0, 1, 3, 6, 9};
  std::vector<int> connectivity{1, 2, 3, 1, 3, 4};
};

TEST_F(ImmediateElements, ARealtimeSurfaceIsDrawnAlikeByBothReaders) {
  Surface s;
  parts[0]->attributes[SLOT_COLORBY_PALETTE] = 1;  // the part holds no values: the surface's own
  auto whole = feedback([&] {
    build_solid_fast(0, 4, 2, s.x.data(), s.y.data(), s.z.data(), s.scalars.data(), nullptr,
                     s.connectivity.data(), 5, 0, 3);
  });
  auto by_element = feedback([&] {
    glBegin(GL_TRIANGLES);
    for (int e = 0; e < 2; e++)
      display_one_shaded_realtime_polygon(e, 0, s.x.data(), s.y.data(), s.z.data(),
                                          s.scalars.data(), nullptr, s.connectivity.data(), 0, 0,
                                          3, 1, 1, 1, 0, 1, 0, 0, 0, 0, 0);
    glEnd();
  });
  ASSERT_EQ(whole.size(), 2u);
  ASSERT_EQ(by_element.size(), 2u);
  for (int t = 0; t < 2; t++)
    for (int k = 0; k < 3; k++) {
      const Vertex &a = whole[t].v[k], &b = by_element[t].v[k];
      EXPECT_FLOAT_EQ(a.x, b.x);
      EXPECT_FLOAT_EQ(a.y, b.y);
      EXPECT_NEAR(a.rgba[0], b.rgba[0], 1e-6);
      EXPECT_LT(a.x, Size) << "entry 0 is not a node";
    }
  EXPECT_NEAR(whole[0].v[0].rgba[0], 0.1f, 1e-6) << "node 1's value";

  // Other than 3 or 4 nodes per element: nothing.
  auto five = feedback([&] {
    build_solid_fast(0, 4, 1, s.x.data(), s.y.data(), s.z.data(), s.scalars.data(), nullptr,
                     s.connectivity.data(), 5, 0, 5);
    glBegin(GL_TRIANGLES);
    display_one_shaded_realtime_polygon(0, 0, s.x.data(), s.y.data(), s.z.data(),
                                        s.scalars.data(), nullptr, s.connectivity.data(), 0, 0, 5,
                                        1, 1, 1, 0, 1, 0, 0, 0, 0, 0);
    glEnd();
  });
  EXPECT_TRUE(five.empty());
}

TEST_F(ImmediateElements, FastSurfacePointsOncePerNodeInThePartColour) {
  Surface s;
  values({1, 3, 6, 9});
  float *a = parts[0]->attributes;
  a[SLOT_VIS_NODE] = 1;
  a[SLOT_VIS_ELT] = 0;
  // Lit by a white light along +z, so a point's grey shows its normal.
  const float white[4] = {1, 1, 1, 1}, none[4] = {0, 0, 0, 1}, along_z[4] = {0, 0, 1, 0};
  glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
  glLightfv(GL_LIGHT0, GL_AMBIENT, none);
  glLightfv(GL_LIGHT0, GL_POSITION, along_z);
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);
  glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, white);
  glEnable(GL_LIGHT0);
  glEnable(GL_LIGHTING);
  glPointSize(1);
  auto points = feedback([&] {
    build_solid_fast(0, 4, 2, s.x.data(), s.y.data(), s.z.data(), s.scalars.data(), nullptr,
                     s.connectivity.data(), 3, 0, 3);  // 3 scalars for 4 nodes
  });
  glDisable(GL_LIGHTING);
  glDisable(GL_LIGHT0);
  float size = 0;
  glGetFloatv(GL_POINT_SIZE, &size);
  EXPECT_EQ(size, 2.0f) << "points of size 2 at line width 1";
  ASSERT_EQ(points.size(), 4u) << "every node once";
  std::vector<float> grey;
  for (const Primitive &p : points) {
    EXPECT_EQ(p.token, GL_POINT_TOKEN);
    grey.push_back(p.v[0].rgba[0]);
    EXPECT_FLOAT_EQ(p.v[0].rgba[0], p.v[0].rgba[1]) << "no fringe colour: the part's own";
  }
  // Nodes 1-3 come with the first (flat) element, node 4 with the tilted one.
  EXPECT_NEAR(grey[0], 1.0f, 1e-3);
  EXPECT_NEAR(grey[2], 1.0f, 1e-3) << "node 3 keeps its first element's normal";
  EXPECT_LT(grey[3], 0.9f);
}

}  // namespace

namespace {

// The line form of a realtime surface: points and one line loop per
// element, unlit, with polygon mode lines.  An undefined value at node 2
// is judged for node 2 alone: the points after it keep their own colours.
TEST_F(ImmediateElements, FastLinesJudgeEachNodeByItsOwnValue) {
  Surface s;
  s.scalars = {0, 1, Undefined, 6, 9};
  float *a = parts[0]->attributes;
  a[SLOT_COLORBY_PALETTE] = 1;
  a[SLOT_RGB_R] = a[SLOT_RGB_G] = a[SLOT_RGB_B] = 1.0f;
  a[SLOT_VIS_NODE] = 1;
  a[SLOT_VIS_ELT] = 0;
  glEnable(GL_LIGHTING);
  struct Case {
    int undefined_display;
    std::vector<float> reds;  // of the points in order; 1 = the part colour
  } cases[] = {{2, {0.1f, 0.6f, 0.9f}}, {1, {0.1f, 1.0f, 0.6f, 0.9f}}};
  for (const Case &c : cases) {
    Pal.undefined_display = c.undefined_display;
    auto points = feedback([&] {
      build_line_fast(0, 5, 2, s.x.data(), s.y.data(), s.z.data(), s.scalars.data(), nullptr,
                      s.connectivity.data(), 5, 0, 3);
    });
    std::vector<float> reds;
    for (const Primitive &p : points) {
      EXPECT_EQ(p.token, GL_POINT_TOKEN);
      reds.push_back(p.v[0].rgba[0]);
    }
    ASSERT_EQ(reds.size(), c.reds.size()) << c.undefined_display;
    for (size_t k = 0; k < reds.size(); k++) EXPECT_NEAR(reds[k], c.reds[k], 1e-5) << k;
  }
  EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
  GLint mode[2];
  glGetIntegerv(GL_POLYGON_MODE, mode);
  EXPECT_EQ(mode[0], GL_LINE);

  // Elements: one line loop each (three segments), an element with an
  // undefined node left out under undefined display 2.
  a[SLOT_VIS_NODE] = 0;
  a[SLOT_VIS_ELT] = 1;
  Pal.undefined_display = 2;
  auto loops = feedback([&] {
    build_line_fast(0, 5, 2, s.x.data(), s.y.data(), s.z.data(), s.scalars.data(), nullptr,
                    s.connectivity.data(), 5, 0, 3);
  });
  EXPECT_EQ(loops.size(), 3u) << "element 1 3 4 only";
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}

}  // namespace
