// The solid object builder on small fixture parts, recorded (the
// "-no_display_list" road) and read back by our own decoder: the exact
// stream of a plain part, then the faces, colours, glyphs, thinning and
// fall-backs through stand-in palettes, time sets and trace representations.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "palette/function.h"
#include "parts/attribute.h"
#include "parts/part_rebuild.h"
#include "recorded_stream.h"
#include "render/disobj.h"
#include "render/display_list.h"
#include "render/fringe.h"
#include "render/solid.h"
#include "test_parts.h"
#include "variables/variables.h"

namespace {

using qtest::Record;

// ---- stand-ins ---------------------------------------------------------------------------

// The palette of key 1: levels 0, 2.5, 5, 7.5, 10 of scalar 0.
struct Palette_double {
  bool exists = false;
  int type = 0, limit = 0, undefined_display = 0, var_type = 0;
  bool undefined_now = false;
  std::vector<std::pair<int, int>> banded_calls;  // corners a, b handed to the band splitter
} Pal;

int fake_palette(int key, int, int, char *, int *var_type, int *var_id, float *wx, float *wy,
                 float *wz, int *type, int *limit, int *, int *undefined_display, int *levels,
                 float values[PALETTE_LEVELS], float (*)[3], float *, char *) {
  if (!Pal.exists || key != 1) return -1;
  *var_type = Pal.var_type;
  *var_id = 0;
  *wx = *wy = *wz = 0.0f;
  *type = Pal.type;
  *limit = Pal.limit;
  *undefined_display = Pal.undefined_display;
  *levels = 5;
  for (int k = 0; k < 5; k++) values[k] = 2.5f * k;
  return 1;
}

// Value v is red v/100, in interval floor(v/10); band n is (0, 0, n/10).
void fake_false_color(int, int, float v, float rgb[3], int, int *interval, float *fraction) {
  rgb[0] = v / 100.0f;
  rgb[1] = rgb[2] = 0.0f;
  *interval = v < 0 ? 0 : (int)std::floor(v / 10.0f);
  *fraction = 0.5f;
}
void fake_banded_constant(float rgb[3], int band) {
  rgb[0] = rgb[1] = 0.0f;
  rgb[2] = band / 10.0f;
}

int fake_node_fringe_color(int part, int node, int kind, int magnitude, float w0, float w1,
                           float w2, int key, int component, int var_id, float rgb[3], int mode,
                           float *value) {
  const float w[3] = {w0, w1, w2};
  bool defined = true;
  *value = fringe_node_value(part, kind, var_id, magnitude, w, node, &defined);
  int interval;
  float fraction;
  fake_false_color(key, component, *value, rgb, mode, &interval, &fraction);
  return defined ? 1 : 0;
}

void fake_banded(int, int, int, int, int, int, float, float, float, int, int, int a, int b, int,
                 const float *, float, const float *, int, const float (*)[3], float, int, int,
                 const float *, const float (*)[3], const float *, const float *,
                 int *vertex_count) {
  Pal.banded_calls.push_back({a, b});
  *vertex_count += 3;
}

int fake_undefined_now(int, int) { return Pal.undefined_now ? 1 : 0; }

// Ribbons: a temporary part of one triangle appended to the table.
int Ribbon_part = -1;
int fake_ribbon(int) {
  Part_rec *t = qtest::add_part({90, 0, PART_TRACE, "ribbon", -1, {}, false});
  if (!t) return 0;
  Ribbon_part = Part_cross[90];
  memcpy(t->attributes, parts[0]->attributes, PART_ATTR_SLOTS * sizeof(float));
  qtest::set_mesh(Ribbon_part, {0, 0, 0, 1, 0, 0, 0, 1, 0}, {{1, 2, 3}});
  return Ribbon_part;
}

const Solid_builder_calls Doubles = {fake_palette,       fake_node_fringe_color, fake_banded,
                                     fake_false_color,   fake_undefined_now,     fake_ribbon,
                                     nullptr,            nullptr};
const Fringe_palette_calls Fake_palette = {fake_false_color, fake_banded_constant};

// ---- decoding ----------------------------------------------------------------------------

std::string gl_name(uint32_t v) {
  static const std::map<uint32_t, std::string> names = {
      {GL_LIGHTING, "LIGHTING"},     {GL_TRIANGLES, "TRIANGLES"},
      {GL_QUADS, "QUADS"},           {GL_POLYGON, "POLYGON"},
      {GL_LINES, "LINES"},           {GL_POINTS, "POINTS"},
      {GL_NORMALIZE, "NORMALIZE"},   {GL_COLOR_MATERIAL, "COLOR_MATERIAL"},
      {GL_TEXTURE_1D, "TEXTURE_1D"}};
  auto it = names.find(v);
  return it == names.end() ? std::to_string(v) : it->second;
}

// A record in words: "enable LIGHTING", "begin QUADS", "mark 10", "normal", ...
std::string word(const Record &r) {
  switch (r.op) {
    case DL_ENABLE: return "enable " + gl_name(r.words[0]);
    case DL_DISABLE: return "disable " + gl_name(r.words[0]);
    case DL_BEGIN: return "begin " + gl_name(r.words[0]);
    case DL_END: return "end";
    case DL_LOD_MARK: return "mark " + std::to_string(r.words[0]);
    case DL_NORMAL: return "normal";
    case DL_VERTEX: return "vertex";
    case DL_COLOR3: return "rgb";
    case DL_COLOR4: return "rgba";
    case DL_COLOR_MATERIAL: return "colour material";
    default: return "op " + std::to_string(r.op);
  }
}

std::vector<std::string> words(const std::vector<Record> &rs) {
  std::vector<std::string> out;
  for (const Record &r : rs) out.push_back(word(r));
  return out;
}

int count(const std::vector<std::string> &w, const std::string &what) {
  int n = 0;
  for (const auto &s : w) n += s == what;
  return n;
}

std::vector<float> vertex_of(const Record &r) {
  return {qtest::as_float(r.words[0]), qtest::as_float(r.words[1]), qtest::as_float(r.words[2])};
}

// ---- fixture -----------------------------------------------------------------------------

class SolidBuilder : public testing::Test {
 protected:
  void SetUp() override {
    saved_undefined_ = Undefined;
    Undefined = -1234.5f;
    Pal = Palette_double();
    Ribbon_part = -1;
    solid_builder_calls(&Doubles);
    fringe_palette_calls(&Fake_palette);
    qtest::fill_parts({{1, 0, PART_MODEL, "body", -1, {}, false}});
    float *a = attributes();
    qtest::plain_solid_attributes(a);
    a[SLOT_RGB_R] = 0.2f;
    a[SLOT_RGB_G] = 0.4f;
    a[SLOT_RGB_B] = 0.6f;
    Quivane_display_list = 1;
    Software_light = 0;
    How_many_pipes = 1;
    Resort_transparent = 0;
    Fringt = 1;
  }
  void TearDown() override {
    solid_builder_calls(nullptr);
    fringe_palette_calls(nullptr);
    Quivane_display_list = 0;
    Compile_Quivane_display_list = 0;
    Reverse_normal = 0;
    Variables = nullptr;
    Var_avail_cnt = 0;
    Undefined = saved_undefined_;
    qtest::clear_parts();
  }
  static float *attributes(int i = 0) { return parts[i]->attributes; }
  // Builds part i's solid object through the part rebuild and decodes it.
  static std::vector<Record> build(int i = 0) {
    make_part_solid(parts[i]->number);
    return qtest::decode(parts[i]->solid_object);
  }
  // A face coloured by scalar 0 with these node values (node k+1 gets values[k]).
  static void values(const std::vector<float> &v) {
    resize_part_array(0, PA_SCALARS, (int)v.size() + 1, 0);
    for (size_t k = 0; k < v.size(); k++) parts[0]->scalars[0][k + 1] = v[k];
    attributes()[SLOT_COLORBY_PALETTE] = 1;
    Pal.exists = true;
  }
  // A flat n-gon in z = 1 (nodes 1..n).
  static void polygon(int n) {
    std::vector<float> xyz;
    std::vector<int> nodes;
    for (int k = 0; k < n; k++) {
      double t = 2 * M_PI * k / n;
      xyz.insert(xyz.end(), {(float)std::cos(t), (float)std::sin(t), 1.0f});
      nodes.push_back(k + 1);
    }
    qtest::set_mesh(0, xyz, {nodes});
  }
  float saved_undefined_;
};

// One triangle in z = 0, one quadrilateral in x = 0.
void triangle_and_quad() {
  qtest::set_mesh(0, {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 0, 1, 2, 0, 0, 2},
                  {{1, 2, 3}, {4, 5, 6, 7}});
}

TEST_F(SolidBuilder, APlainPartRecordsItsFacesExactly) {
  triangle_and_quad();
  auto rs = build();
  const std::vector<std::string> expected = {
      "enable LIGHTING", "begin TRIANGLES", "mark 10", "normal", "vertex", "vertex", "vertex",
      "end", "begin QUADS", "mark 20", "normal", "vertex", "vertex", "vertex", "vertex", "end"};
  EXPECT_EQ(words(rs), expected);
  EXPECT_EQ(qtest::bytes_of(parts[0]->solid_object), 176);
  EXPECT_EQ(parts[0]->solid_object_size, 7);
  EXPECT_EQ(parts[0]->solid_built, 0);  // its callers mark the solid object built
  EXPECT_EQ(vertex_of(rs[11]), (std::vector<float>{0, 0, 1}));
}

TEST_F(SolidBuilder, FacesByNodeCountAndColouring) {
  const std::vector<std::string> empty_passes = {"enable LIGHTING", "begin TRIANGLES", "end",
                                                 "begin QUADS", "end"};
  struct Case {
    const char *what;
    int nodes;
    std::vector<float> values;  // empty: not coloured
    int palette_type;
    bool faces_visible;
    std::vector<std::string> pass2;  // what follows the two block pairs
    int banded_calls;
  } cases[] = {
      {"a hexagon is its own polygon", 6, {}, 0, true,
       {"mark 10", "begin POLYGON", "normal", "vertex", "vertex", "vertex", "vertex", "vertex",
        "vertex", "end"}, 0},
      {"faces hidden: two empty block pairs", 6, {}, 0, false, {}, 0},
      {"a 24-node face is one polygon of 24 corners", 24, {}, 0, true, {}, 0},
      {"a banded triangle of three values is a fan of three", 3, {1, 4, 8}, 1, true,
       {"mark 10"}, 3},
  };
  for (const Case &c : cases) {
    SetUp();
    polygon(c.nodes);
    if (!c.values.empty()) {
      values(c.values);
      Pal.type = c.palette_type;
    }
    attributes()[SLOT_VIS_ELT] = c.faces_visible ? 1.0f : 0.0f;
    auto w = words(build());
    std::vector<std::string> head = empty_passes;
    if (!c.values.empty()) {
      head.insert(head.begin() + 1, {"colour material", "enable COLOR_MATERIAL"});
    }
    ASSERT_GE(w.size(), head.size()) << c.what;
    EXPECT_EQ(std::vector<std::string>(w.begin(), w.begin() + head.size()), head) << c.what;
    std::vector<std::string> rest(w.begin() + head.size(), w.end());
    if (!c.values.empty()) {
      ASSERT_FALSE(rest.empty());
      EXPECT_EQ(rest.back(), "disable COLOR_MATERIAL") << c.what;
      rest.pop_back();
    }
    if (c.nodes == 24) {
      EXPECT_EQ(count(rest, "vertex"), 24) << c.what;
      EXPECT_EQ(rest[1], "begin POLYGON") << c.what;
      EXPECT_EQ(parts[0]->solid_object_size, 24) << c.what;
    } else {
      EXPECT_EQ(rest, c.pass2) << c.what;
    }
    EXPECT_EQ((int)Pal.banded_calls.size(), c.banded_calls) << c.what;
    if (c.banded_calls == 3) {
      EXPECT_EQ(Pal.banded_calls[2], std::make_pair(2, 0));
      EXPECT_EQ(parts[0]->solid_object_size, 9) << "the splitter's vertices are counted";
    }
    TearDown();
  }
}

TEST_F(SolidBuilder, EqualBandedValuesDrawTheTriangleWhole) {
  polygon(3);
  values({4, 4, 4});
  Pal.type = 1;
  auto w = words(build());
  const std::vector<std::string> expected = {
      "enable LIGHTING", "colour material", "enable COLOR_MATERIAL", "begin TRIANGLES",
      "mark 10", "rgba", "normal", "vertex", "vertex", "vertex", "end", "begin QUADS", "end",
      "disable COLOR_MATERIAL"};
  EXPECT_EQ(w, expected);
  EXPECT_TRUE(Pal.banded_calls.empty());
}

TEST_F(SolidBuilder, ContinuousQuadKeepsFourColoursAndAnOctagonIsAFan) {
  polygon(4);
  values({1, 3, 5, 7});
  auto w = words(build());
  auto quads = std::find(w.begin(), w.end(), "begin QUADS");
  std::vector<std::string> block(quads, std::find(quads, w.end(), "end"));
  EXPECT_EQ(count(block, "rgba"), 4);
  EXPECT_EQ(count(block, "vertex"), 4);
  EXPECT_EQ(count(block, "normal"), 1) << "flat: one normal";

  polygon(8);
  values({1, 2, 3, 4, 5, 6, 7, 8});
  w = words(build());
  EXPECT_EQ(count(w, "begin TRIANGLES"), 1 + 8) << "pass 0's block and eight fan triangles";
  EXPECT_EQ(count(w, "vertex"), 24);
  EXPECT_EQ(parts[0]->solid_object_size, 24);
}

TEST_F(SolidBuilder, StaticLightingColoursEveryCornerAndSendsNoNormals) {
  polygon(8);
  values({10, 20, 30, 40, 50, 60, 70, 80});
  attributes()[SLOT_LIGHT_DIFF] = 1;  // fully lit whatever the angle: the colours stay apart
  attributes()[SLOT_LIGHT_HINT] = 0;
  Software_light = 1;
  auto rs = build();
  Software_light = 0;
  auto w = words(rs);
  EXPECT_EQ(w.front(), "disable LIGHTING");
  EXPECT_EQ(count(w, "enable COLOR_MATERIAL"), 0) << "the colours are lit already";
  EXPECT_EQ(count(w, "normal"), 0);
  EXPECT_EQ(count(w, "begin TRIANGLES"), 1 + 8);
  EXPECT_EQ(count(w, "vertex"), 24);
  // Each fan triangle: a lit colour before corner a, corner b and the centre.
  auto fan = std::find(w.begin() + 2, w.end(), "begin TRIANGLES");
  fan = std::find(fan + 1, w.end(), "begin TRIANGLES");
  ASSERT_NE(fan, w.end());
  const std::vector<std::string> triangle = {"begin TRIANGLES", "rgba", "vertex", "rgba",
                                             "vertex", "rgba", "vertex", "end"};
  EXPECT_EQ(std::vector<std::string>(fan, fan + 8), triangle);
}

TEST_F(SolidBuilder, HalfOpaqueColoursCarryAlpha127) {
  polygon(4);
  values({1, 3, 5, 7});
  attributes()[SLOT_OPAQUENESS] = 0.5f;
  auto rs = build();
  int rgba = 0;
  for (const Record &r : rs)
    if (r.op == DL_COLOR4) {
      rgba++;
      EXPECT_EQ(r.words[0] >> 24, 127u);
    }
  EXPECT_EQ(rgba, 4);
  EXPECT_EQ(Resort_transparent, 1);
}

TEST_F(SolidBuilder, ReverseNormalTurnsFacesNotGlyphs) {
  polygon(3);
  float *a = attributes();
  a[SLOT_VIS_NODE] = 1;
  a[SLOT_NODE_TYPE] = 1;
  a[SLOT_NODE_SCALE] = 2;
  Reverse_normal = 1;
  auto rs = build();
  bool in_faces = false;
  int glyph_normals = 0, face_normals = 0;
  for (const Record &r : rs) {
    if (r.op == DL_BEGIN && r.words[0] == GL_TRIANGLES) in_faces = true;
    if (r.op != DL_NORMAL) continue;
    float n[3];
    display_list_unpack_normal(r.words[0], n);
    if (in_faces) {
      face_normals++;
      EXPECT_LT(n[2], -0.99f);
    } else {
      glyph_normals++;
      EXPECT_GT(n[2], 0.99f);
    }
  }
  EXPECT_EQ(face_normals, 1);
  EXPECT_EQ(glyph_normals, 1) << "one packed normal, repeats elided";
}

// The vertices of every block of the primitive, in order.
std::vector<std::vector<std::vector<float>>> blocks_of(const std::vector<Record> &rs,
                                                      uint32_t primitive) {
  std::vector<std::vector<std::vector<float>>> blocks;
  bool open = false;
  for (const Record &r : rs) {
    if (r.op == DL_BEGIN) {
      open = r.words[0] == primitive;
      if (open) blocks.emplace_back();
    } else if (r.op == DL_END) {
      open = false;
    } else if (open && r.op == DL_VERTEX) {
      blocks.back().push_back(vertex_of(r));
    }
  }
  return blocks;
}

TEST_F(SolidBuilder, CrossesAreThreeSegmentsSizedAlikeInBothPasses) {
  // Nodes 1-3 make a face (pass 1), node 4 stands alone (pass 2).
  qtest::set_mesh(0, {0, 0, 0, 1, 0, 0, 0, 1, 0, 5, 5, 5}, {{1, 2, 3}});
  float *a = attributes();
  a[SLOT_VIS_NODE] = 1;
  a[SLOT_NODE_TYPE] = 1;
  a[SLOT_NODE_SCALE] = 2;
  for (float scalar : {0.0f, 2.0f}) {
    // Scalar 0 of value 2 at every node, its order reported as per node.
    Variable_rec var = {};
    var.id = 0;
    var.order = 0;
    Variables = &var;
    Var_avail_cnt = 1;
    a[SLOT_NODE_SIZE_BY] = scalar == 0.0f ? 0.0f : 1.0f;
    a[SLOT_NODE_VARIABLE] = 0;
    resize_part_array(0, PA_SCALARS, 5, 0);
    for (int k = 1; k <= 4; k++) parts[0]->scalars[0][k] = scalar;
    auto blocks = blocks_of(build(), GL_LINES);
    Variables = nullptr;
    Var_avail_cnt = 0;
    ASSERT_EQ(blocks.size(), 4u);
    const float length = scalar == 0.0f ? 2.0f : 4.0f;  // node scale, or |2 x half scale| x 2
    for (const auto &b : blocks) {
      ASSERT_EQ(b.size(), 6u);
      for (int axis = 0; axis < 3; axis++) {
        const auto &p = b[2 * axis], &q = b[2 * axis + 1];
        EXPECT_FLOAT_EQ(q[axis] - p[axis], length) << "axis " << axis;
        for (int i = 0; i < 3; i++) {
          if (i != axis) {
            EXPECT_FLOAT_EQ(p[i], q[i]);
          }
        }
      }
    }
    EXPECT_FLOAT_EQ((blocks[3][0][0] + blocks[3][1][0]) / 2, 5.0f) << "centred on the node";
  }
}

TEST_F(SolidBuilder, ThinningDrawsTheSameNodesOnEveryRebuild) {
  // 20 triangles' nodes (60) and 60 free nodes.
  std::vector<float> xyz;
  std::vector<std::vector<int>> tris;
  for (int k = 0; k < 120; k++) xyz.insert(xyz.end(), {(float)k, (float)(k % 3), 0.0f});
  for (int t = 0; t < 20; t++) tris.push_back({3 * t + 1, 3 * t + 2, 3 * t + 3});
  qtest::set_mesh(0, xyz, tris);
  float *a = attributes();
  a[SLOT_VIS_NODE] = 1;
  a[SLOT_NODE_TYPE] = 0;
  a[SLOT_VIS_ELT] = 0;
  auto all = blocks_of(build(), GL_POINTS);
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[0].size(), 60u);
  EXPECT_EQ(all[1].size(), 60u);

  std::vector<std::vector<std::vector<float>>> first;
  for (int rebuild = 0; rebuild < 2; rebuild++) {
    display_object_open(0, 1);
    build_solid(0, 2);
    display_object_close(0, 1);
    auto thinned = blocks_of(qtest::decode(parts[0]->solid_object), GL_POINTS);
    ASSERT_EQ(thinned.size(), 2u);
    for (const auto &pass : thinned) {
      EXPECT_GT(pass.size(), 15u);
      EXPECT_LT(pass.size(), 45u);
    }
    if (rebuild == 0) {
      first = thinned;
    } else {
      EXPECT_EQ(thinned, first) << "the same nodes on every rebuild";
    }
  }
  EXPECT_EQ(parts[0]->solid_object_size, 120) << "one vertex per node counted";
}

TEST_F(SolidBuilder, NothingToDrawLeavesAnEmptyObject) {
  struct Case {
    const char *what;
    bool no_nodes;
    int undefined_display;
    bool drawn;
  } cases[] = {
      {"no nodes: empty, count kept", true, 0, false},
      {"undefined now, mode 2: empty, count kept", false, 2, false},
      {"undefined now, mode 1: the part colour", false, 1, true},
  };
  for (const Case &c : cases) {
    SetUp();
    triangle_and_quad();
    values({1, 2, 3, 4, 5, 6, 7});
    Pal.undefined_now = true;
    Pal.undefined_display = c.undefined_display;
    if (c.no_nodes) parts[0]->node_count = 0;
    parts[0]->solid_object_size = 99;
    auto w = words(build());
    if (c.drawn) {
      EXPECT_EQ(count(w, "rgba"), 0) << c.what;
      EXPECT_EQ(count(w, "enable COLOR_MATERIAL"), 0) << c.what;
      EXPECT_EQ(count(w, "vertex"), 7) << c.what;
      EXPECT_EQ(parts[0]->solid_object_size, 7) << c.what;
    } else {
      EXPECT_TRUE(w.empty()) << c.what;
      EXPECT_EQ(parts[0]->solid_object_size, 99) << c.what;
    }
    TearDown();
  }
}

TEST_F(SolidBuilder, LimitByPartColourDrawsTheFaceButNotTheLine) {
  qtest::set_mesh(0, {0, 0, 0, 1, 0, 0, 0, 1, 0, 2, 2, 2}, {{1, 2, 3}, {3, 4}});
  values({21, 22, 23, 24});
  Pal.limit = 1;
  auto rs = build();
  EXPECT_EQ(count(words(rs), "begin LINES"), 0);
  int rgba = 0;
  for (const Record &r : rs)
    if (r.op == DL_COLOR4) {
      rgba++;
      EXPECT_EQ(r.words[0], display_list_color_word(0.2f, 0.4f, 0.6f, 1.0f));
    }
  EXPECT_EQ(rgba, 1) << "the part colour, repeats elided";
  EXPECT_EQ(count(words(rs), "vertex"), 3);
}

TEST_F(SolidBuilder, ATemporaryTracePartIsDrawnAndRemovedOnEveryWayOut) {
  for (int undefined_display : {0, 2}) {
    SetUp();
    parts[0]->type = PART_TRACE;
    qtest::set_mesh(0, {0, 0, 0, 1, 1, 1}, {{1, 2}});
    attributes()[97] = 1;  // ribbons
    attributes()[SLOT_COLORBY_PALETTE] = 1;
    Pal.exists = true;
    Pal.undefined_now = true;
    Pal.undefined_display = undefined_display;
    auto w = words(build());
    EXPECT_EQ(Num_p_loaded, 1);
    EXPECT_EQ(parts[1], nullptr);
    EXPECT_EQ(Part_cross[90], -1);
    EXPECT_EQ(Num_parts_cases[0], 1);
    EXPECT_EQ(Num_p_partlist, 1);
    if (undefined_display == 0) {
      EXPECT_EQ(count(w, "begin LINES"), 0) << "the ribbon, not the trace";
      EXPECT_EQ(count(w, "vertex"), 3);
      EXPECT_EQ(parts[0]->solid_object_size, 3) << "written to the trace part";
    } else {
      EXPECT_TRUE(w.empty());
    }
    TearDown();
  }
}

TEST_F(SolidBuilder, TheRecordedRoadKeepsTheFacePassesInPerformanceMode) {
  triangle_and_quad();
  attributes()[SLOT_SHADING] = 2;
  Performance_mode = 1;
  Software_light = 1;
  auto w = words(build());
  Performance_mode = Software_light = 0;
  EXPECT_EQ(w.front(), "disable LIGHTING");
  EXPECT_EQ(count(w, "vertex"), 7) << "the strips would have gone straight to OpenGL";
  EXPECT_GT(count(w, "rgba"), 0) << "lit colours";
  EXPECT_EQ(count(w, "normal"), 0) << "static lighting sends no normals";
}

TEST_F(SolidBuilder, TracesWithoutRepresentationsDrawAsLines) {
  solid_builder_calls(nullptr);
  parts[0]->type = PART_TRACE;
  qtest::set_mesh(0, {0, 0, 0, 1, 1, 1, 2, 0, 0}, {{1, 2}, {2, 3}});
  attributes()[97] = 2;  // tubes, not built
  auto w = words(build());
  EXPECT_EQ(count(w, "begin LINES"), 1);
  EXPECT_EQ(count(w, "vertex"), 4);
  EXPECT_EQ(Num_p_loaded, 1);
}

}  // namespace
