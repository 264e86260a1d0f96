// The line object builder on small fixture parts, recorded (the
// "-no_display_list" road) through the part rebuild and read back by our
// own decoder: shared edges drawn once, the wireframe and four-pass edge
// forms, node crosses and thinning, undefined colouring values, and the
// fall-back when the edge table cannot grow.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "client/alloc_gate.h"
#include "palette/function.h"
#include "parts/attribute.h"
#include "parts/part_rebuild.h"
#include "recorded_stream.h"
#include "render/disobj.h"
#include "render/display_list.h"
#include "render/fringe.h"
#include "render/line.h"
#include "render/solid.h"
#include "test_parts.h"
#include "variables/variables.h"

namespace {

using qtest::Record;

// Palette key 1 colours by scalar 0 (levels 0..10); undefined values follow
// `undefined_display`; `undefined_now` says the variable has no value now.
struct Palette_double {
  int undefined_display = 0;
  bool undefined_now = false;
} Pal;

int fake_palette(int key, int, int, char *, int *var_type, int *var_id, float *wx, float *wy,
                 float *wz, int *type, int *limit, int *, int *undefined_display, int *levels,
                 float values[PALETTE_LEVELS], float (*)[3], float *, char *) {
  if (key != 1) return -1;
  *var_type = 0;
  *var_id = 0;
  *wx = *wy = *wz = 0.0f;
  *type = 1;  // banded: lines colour continuously all the same
  *limit = 0;
  *undefined_display = Pal.undefined_display;
  *levels = 3;
  values[0] = 0;
  values[1] = 5;
  values[2] = 10;
  return 1;
}

int fake_node_fringe_color(int part, int node, int, int, float, float, float, int, int, int,
                           float rgb[3], int, float *value) {
  *value = parts[part]->scalars[0][node];
  rgb[0] = *value / 10.0f;
  rgb[1] = rgb[2] = 0.0f;
  return *value == Undefined ? 0 : 1;
}

int fake_undefined_now(int, int) { return Pal.undefined_now ? 1 : 0; }

const Solid_builder_calls Doubles = {fake_palette, fake_node_fringe_color, nullptr, nullptr,
                                     fake_undefined_now, nullptr, nullptr, nullptr};

std::string word(const Record &r) {
  static const std::map<uint32_t, std::string> names = {
      {GL_LIGHTING, "LIGHTING"}, {GL_LINES, "LINES"},         {GL_POINTS, "POINTS"},
      {GL_TRIANGLES, "TRIANGLES"}, {GL_QUADS, "QUADS"},       {GL_LINE_LOOP, "LINE_LOOP"}};
  auto name = [&](uint32_t v) {
    auto it = names.find(v);
    return it == names.end() ? std::to_string(v) : it->second;
  };
  switch (r.op) {
    case DL_DISABLE: return "disable " + name(r.words[0]);
    case DL_BEGIN: return "begin " + name(r.words[0]);
    case DL_END: return "end";
    case DL_VERTEX: return "vertex";
    case DL_COLOR3: return "rgb";
    default: return "op " + std::to_string(r.op);
  }
}

std::vector<std::string> words(const std::vector<Record> &rs) {
  std::vector<std::string> out;
  for (const Record &r : rs) out.push_back(word(r));
  return out;
}

// The x coordinates of the recorded vertices (node k lies at x = k).
std::vector<float> xs(const std::vector<Record> &rs) {
  std::vector<float> out;
  for (const Record &r : rs)
    if (r.op == DL_VERTEX) out.push_back(qtest::as_float(r.words[0]));
  return out;
}

class LineBuilder : public testing::Test {
 protected:
  void SetUp() override {
    saved_undefined_ = Undefined;
    Undefined = -1234.5f;
    Pal = Palette_double();
    solid_builder_calls(&Doubles);
    qtest::fill_parts({{1, 0, PART_MODEL, "body", -1, {}, false}});
    qtest::plain_solid_attributes(parts[0]->attributes);
    Quivane_display_list = 1;
    Line_cull_toggle = 0;
    Wireframe_lines = 1;
    Fringt = 1;
  }
  void TearDown() override {
    solid_builder_calls(nullptr);
    alloc_gate_fail_after(-1);
    Line_cull_toggle = 0;
    Wireframe_lines = 1;
    Quivane_display_list = 0;
    Undefined = saved_undefined_;
    qtest::clear_parts();
  }
  static float *attributes() { return parts[0]->attributes; }
  // Builds the line object through the part rebuild and decodes it.
  static std::vector<Record> build() {
    make_part(parts[0]->number);
    return qtest::decode(parts[0]->line_object);
  }
  // Nodes 1..n at x = k, a bar (3, 7) and a triangle (3, 7, 9).
  static void bar_and_triangle(int n = 9) {
    std::vector<float> xyz;
    for (int k = 1; k <= n; k++) xyz.insert(xyz.end(), {(float)k, 0, 0});
    qtest::set_mesh(0, xyz, {{3, 7}, {3, 7, 9}});
  }
  float saved_undefined_;
};

TEST_F(LineBuilder, SharedEdgesAreDrawnOnceUnlessShrunk) {
  bar_and_triangle();
  Line_cull_toggle = 1;
  auto rs = build();
  const std::vector<std::string> once = {"disable LIGHTING", "begin LINES", "vertex", "vertex",
                                         "vertex", "vertex", "vertex", "vertex", "end"};
  EXPECT_EQ(words(rs), once);
  EXPECT_EQ(xs(rs), (std::vector<float>{3, 7, 3, 9, 7, 9}));
  EXPECT_EQ(qtest::bytes_of(parts[0]->line_object), 116);
  EXPECT_EQ(parts[0]->solid_object, nullptr) << "make_part records the line object only";

  // The table was emptied: a second build draws the same three edges.
  EXPECT_EQ(xs(build()), (std::vector<float>{3, 7, 3, 9, 7, 9}));

  attributes()[SLOT_SHRINK] = 0.2f;
  EXPECT_EQ(words(build()),
            (std::vector<std::string>{"disable LIGHTING", "begin LINES", "vertex", "vertex", "end",
                                      "begin LINE_LOOP", "vertex", "vertex", "vertex", "end"}));
}

TEST_F(LineBuilder, WhenTheEdgeTableCannotGrowTheEdgesAreWireframe) {
  // Nodes 1..n joined by triangles (k, k+1, k+2); the table must grow its
  // heads (gate step 0) or, with more edges than its pooled cells, its
  // cells (step 1).  Each case asks for more heads than any build before.
  struct Case {
    const char *what;
    int nodes, passes;
  } cases[] = {{"heads", 3000, 0}, {"cells", 12000, 1}};
  for (const Case &c : cases) {
    std::vector<float> xyz;
    std::vector<std::vector<int>> faces;
    for (int k = 1; k <= c.nodes; k++) {
      xyz.insert(xyz.end(), {(float)k, (float)(k % 2), 0});
      if (k > 2) faces.push_back({k - 2, k - 1, k});
    }
    qtest::set_mesh(0, xyz, faces);
    build();  // the recorded object's blocks exist before the gate closes
    Line_cull_toggle = 1;
    alloc_gate_fail_after(c.passes);
    display_object_open(0, 0);
    build_line(0, 1);
    display_object_close(0, 0);
    alloc_gate_fail_after(-1);
    auto rs = qtest::decode(parts[0]->line_object);
    ASSERT_EQ(rs.size(), 1u + 5u * (c.nodes - 2)) << c.what;
    EXPECT_EQ(word(rs[1]), "begin LINE_LOOP") << c.what;
    EXPECT_EQ(parts[0]->line_object_size, 6 * (c.nodes - 2)) << c.what;
    // With the gate open again the table grows and each edge is drawn once.
    auto again = build();
    EXPECT_EQ(word(again[1]), "begin LINES") << c.what;
    EXPECT_EQ(xs(again).size(), 2u * (2 * c.nodes - 3)) << c.what;
    Line_cull_toggle = 0;
  }
}

TEST_F(LineBuilder, EdgeFormsAndVisibility) {
  struct Case {
    const char *what;
    int wireframe, bars, faces;
    std::vector<std::string> expected;
  } cases[] = {
      {"wireframe: bars in one block, each face its own loop", 1, 1, 1,
       {"disable LIGHTING", "begin LINES", "vertex", "vertex", "end", "begin LINE_LOOP",
        "vertex", "vertex", "vertex", "end", "begin LINE_LOOP", "vertex", "vertex", "vertex",
        "vertex", "end"}},
      {"wireframe with nothing visible: no blocks", 1, 0, 0, {"disable LIGHTING"}},
      {"four passes", 0, 1, 1,
       {"disable LIGHTING", "begin LINES", "vertex", "vertex", "end", "begin TRIANGLES",
        "vertex", "vertex", "vertex", "end", "begin QUADS", "vertex", "vertex", "vertex",
        "vertex", "end"}},
      {"four passes hidden: the blocks are still begun and ended", 0, 0, 0,
       {"disable LIGHTING", "begin LINES", "end", "begin TRIANGLES", "end", "begin QUADS",
        "end"}},
  };
  for (const Case &c : cases) {
    SetUp();
    qtest::set_mesh(0, {0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 0},
                    {{1, 2}, {1, 2, 3}, {1, 2, 4, 3}});
    Wireframe_lines = c.wireframe;
    attributes()[SLOT_VIS_LINE] = (float)c.bars;
    attributes()[SLOT_VIS_ELT] = (float)c.faces;
    EXPECT_EQ(words(build()), c.expected) << c.what;
    TearDown();
  }
}

TEST_F(LineBuilder, NodeCrossesAndThinning) {
  qtest::set_mesh(0, {0, 0, 0}, {});
  float *a = attributes();
  a[SLOT_VIS_NODE] = 1;
  a[SLOT_NODE_TYPE] = 1;
  a[SLOT_NODE_SCALE] = 2;
  std::vector<std::vector<float>> got;
  for (const Record &r : build())
    if (r.op == DL_VERTEX)
      got.push_back({qtest::as_float(r.words[0]), qtest::as_float(r.words[1]),
                     qtest::as_float(r.words[2])});
  const std::vector<std::vector<float>> cross = {{-1, 0, 0}, {1, 0, 0}, {0, -1, 0},
                                                 {0, 1, 0},  {0, 0, -1}, {0, 0, 1}};
  EXPECT_EQ(got, cross);
  EXPECT_EQ(parts[0]->line_object_size, 6);

  // 1,000 dots at resolution 4: about a quarter, the same ones every time.
  std::vector<float> xyz;
  for (int k = 1; k <= 1000; k++) xyz.insert(xyz.end(), {(float)k, 0, 0});
  qtest::set_mesh(0, xyz, {});
  a[SLOT_NODE_TYPE] = 0;
  auto thinned = [] {
    display_object_open(0, 0);
    build_line(0, 4);
    display_object_close(0, 0);
    return xs(qtest::decode(parts[0]->line_object));
  };
  auto first = thinned();
  EXPECT_GT(first.size(), 200u);
  EXPECT_LT(first.size(), 300u);
  EXPECT_EQ(thinned(), first);
  EXPECT_EQ(xs(build()).size(), 1000u) << "resolution 1 draws every node";
}

TEST_F(LineBuilder, UndefinedColouringValues) {
  // Undefined now under undefined display 2: an empty object.
  bar_and_triangle();
  resize_part_array(0, PA_SCALARS, 10, 0);
  attributes()[SLOT_COLORBY_PALETTE] = 1;
  Pal.undefined_display = 2;
  Pal.undefined_now = true;
  EXPECT_TRUE(build().empty());

  // Node 7 undefined: with shared edges drawn once, both edges reaching it
  // are left out whole and 3-9 is still a proper pair.
  Pal.undefined_now = false;
  Line_cull_toggle = 1;
  for (int k = 1; k <= 9; k++) parts[0]->scalars[0][k] = (float)k;
  parts[0]->scalars[0][7] = Undefined;
  auto rs = build();
  EXPECT_EQ(words(rs), (std::vector<std::string>{"disable LIGHTING", "begin LINES", "rgb",
                                                 "vertex", "rgb", "vertex", "end"}));
  EXPECT_EQ(xs(rs), (std::vector<float>{3, 9}));
  EXPECT_NE(rs[2].words, rs[4].words) << "each end its own colour";
}

}  // namespace
