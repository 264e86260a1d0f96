// The server's element representations on small parts built in code:
// border faces and their orientation, every face once, surface boundaries,
// feature edges, structured blocks against the same cells as hexahedra,
// the bounding box, and keeping a representation until the part changes.
#include <gtest/gtest.h>

#include <cmath>

#include "compute/compute.h"
#include "model_fixtures.h"

namespace {

using qtest::Elem;

const int BORDER = DS_REP_BORDER, FULL = DS_REP_FULL, MIXED = DS_REP_3D_BORDER_2D_FULL,
          FEATURE = DS_REP_FEATURE_ANGLE, BOX = DS_REP_BOUNDING_BOX;

// n elements of the size, and the others given.
std::multiset<int> many(int n, int size, std::multiset<int> others = {}) {
  for (int i = 0; i < n; i++) others.insert(size);
  return others;
}

// Two unit hexahedra side by side along x: 12 nodes, (i, j, k) = i + 3j + 6k.
Ds_part_rec hex_pair() {
  std::vector<std::array<float, 3>> xyz;
  for (int k = 0; k < 2; k++)
    for (int j = 0; j < 2; j++)
      for (int i = 0; i < 3; i++) xyz.push_back({(float)i, (float)j, (float)k});
  return qtest::unstructured_part(
      xyz, {{DS_HEXA8, {0, 1, 4, 3, 6, 7, 10, 9}}, {DS_HEXA8, {1, 2, 5, 4, 7, 8, 11, 10}}});
}

TEST(ServerCompute, HexPairBorderIsTenOutwardQuads) {
  Ds_part_rec p = hex_pair();
  const Ds_rep_rec *border = ds_rep(&p, BORDER, 0);
  ASSERT_NE(border, nullptr);
  EXPECT_EQ(qtest::sizes_of(*border), many(10, 4));
  EXPECT_EQ(qtest::faces_toward(p, *border, {1, 0.5, 0.5}), 0) << "a border face points inwards";
  for (qtest::Face f : qtest::faces_of(*border)) {
    std::sort(f.begin(), f.end());
    EXPECT_NE(f, (qtest::Face{1, 4, 7, 10})) << "the shared face x = 1 is on the border";
  }
  EXPECT_EQ(ds_rep(&p, FULL, 0)->elements(), 11);  // the shared face once
}

TEST(ServerCompute, EachVolumeTypeBordersWithItsOutwardFaces) {
  const std::vector<std::array<float, 3>> tet = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  const std::vector<std::array<float, 3>> pyramid = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0.5f, 0.5f, 1}};
  const std::vector<std::array<float, 3>> wedge = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0},
                                                   {0, 0, 1}, {1, 0, 1}, {0, 1, 1}};
  const std::vector<std::array<float, 3>> hex = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0},
                                                 {0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}};
  struct Case {
    Ds_elem_type type;
    const std::vector<std::array<float, 3>> *xyz;
    std::multiset<int> faces;
  } cases[] = {
      {DS_TETRA4, &tet, {3, 3, 3, 3}},          {DS_TETRA10, &tet, {3, 3, 3, 3}},
      {DS_PYRAMID5, &pyramid, {4, 3, 3, 3, 3}}, {DS_PENTA6, &wedge, {3, 3, 4, 4, 4}},
      {DS_HEXA8, &hex, {4, 4, 4, 4, 4, 4}},     {DS_HEXA20, &hex, {4, 4, 4, 4, 4, 4}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(Ds_elem_types[c.type].name);
    std::vector<int> nodes;
    for (size_t i = 0; i < c.xyz->size(); i++) nodes.push_back((int)i);
    Ds_part_rec p = qtest::unstructured_part(*c.xyz, {{c.type, nodes}});
    std::array<double, 3> centre = {0, 0, 0};
    for (const auto &v : *c.xyz)
      for (int a = 0; a < 3; a++) centre[a] += v[a] / c.xyz->size();
    const Ds_rep_rec *border = ds_rep(&p, BORDER, 0);
    EXPECT_EQ(qtest::sizes_of(*border), c.faces);
    EXPECT_EQ(qtest::faces_toward(p, *border, centre), 0) << "a face points inwards";
    EXPECT_EQ(qtest::faces_of(*ds_rep(&p, FULL, 0)), qtest::faces_of(*border));
  }
}

// A 2x2 sheet of quadrilaterals folded by 90 degrees along its middle line
// x = 1: nodes (i, j) = i + 3j, the column i = 2 turned up to z = 1.
Ds_part_rec folded_sheet(bool flip_one) {
  std::vector<std::array<float, 3>> xyz;
  for (int j = 0; j < 3; j++)
    for (int i = 0; i < 3; i++) xyz.push_back({i < 2 ? (float)i : 1.0f, (float)j, i < 2 ? 0.0f : 1.0f});
  std::vector<Elem> quads;
  for (int j = 0; j < 2; j++)
    for (int i = 0; i < 2; i++) {
      int n = i + 3 * j;
      quads.push_back({DS_QUAD4, {n, n + 1, n + 4, n + 3}});
    }
  if (flip_one) std::reverse(quads[1].nodes.begin(), quads[1].nodes.end());  // across the fold
  return qtest::unstructured_part(xyz, quads);
}

TEST(ServerCompute, FoldedSheetFeatureEdgesAreTheFoldAndTheBoundary) {
  const qtest::Face fold_a = {1, 4}, fold_b = {4, 7};
  struct Case {
    float angle;
    bool flip_one;   // one quadrilateral turned the other way round
    int edges;
    bool fold;       // the fold's two edges among them
  } cases[] = {{30, false, 10, true}, {89, false, 10, true}, {91, false, 8, false},
               {30, true, 10, true},  {91, true, 8, false}};
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.angle << " degrees, flip " << c.flip_one);
    Ds_part_rec p = folded_sheet(c.flip_one);
    const Ds_rep_rec *r = ds_rep(&p, FEATURE, c.angle);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(qtest::sizes_of(*r), many(c.edges, 2));
    std::set<qtest::Face> undirected;
    for (qtest::Face f : qtest::faces_of(*r)) {
      std::sort(f.begin(), f.end());
      undirected.insert(f);
    }
    EXPECT_EQ(undirected.count(fold_a) + undirected.count(fold_b), c.fold ? 2u : 0u);
  }
  Ds_part_rec p = folded_sheet(false);
  EXPECT_EQ(ds_rep(&p, BORDER, 0)->elements(), 8);  // a surface's border: its boundary edges
  EXPECT_EQ(ds_rep(&p, MIXED, 0)->elements(), 4);   // surfaces in full
}

TEST(ServerCompute, EachRepresentationShowsVolumesSurfacesLinesAndPoints) {
  Ds_part_rec p = hex_pair();
  // A separate quadrilateral, a bar and a point next to the hexahedra.
  for (auto v : std::vector<std::array<float, 3>>{{0, 3, 0}, {1, 3, 0}, {1, 4, 0}, {0, 4, 0}, {5, 5, 5}}) {
    p.x.push_back(v[0]);
    p.y.push_back(v[1]);
    p.z.push_back(v[2]);
  }
  for (Elem e : std::vector<Elem>{{DS_QUAD4, {12, 13, 14, 15}}, {DS_BAR2, {13, 16}}, {DS_POINT, {16}}}) {
    p.elem_type.push_back(e.type);
    p.elem_conn.insert(p.elem_conn.end(), e.nodes.begin(), e.nodes.end());
    p.elem_off.push_back((int)p.elem_conn.size());
  }
  struct Case {
    int kind;
    float angle;
    std::multiset<int> sizes;
  } cases[] = {
      {FULL, 0, many(10, 4, {4, 4, 2, 1})},        // 11 distinct faces, the quad, bar, point
      {MIXED, 0, many(10, 4, {4, 2, 1})},
      {BORDER, 0, many(10, 4, {2, 2, 2, 2, 2, 1})},  // the quad's four boundary edges
      // The box's 12 edges, those along x cut in two at x = 1; the quad's
      // four edges; the bar and the point.
      {FEATURE, 30, many(16 + 4 + 1, 2, {1})},
      {BOX, 0, many(12, 2)},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.kind);
    EXPECT_EQ(qtest::sizes_of(*ds_rep(&p, c.kind, c.angle)), c.sizes);
  }
  EXPECT_EQ(ds_rep(&p, DS_REP_NOT_LOADED, 0), nullptr);
  EXPECT_EQ(ds_rep(&p, 9, 0), nullptr);
}

TEST(ServerCompute, BoundingBoxHasItsOwnEightCornersAndTwelveEdges) {
  Ds_part_rec p = qtest::block_part(3, 2, 4, 0.5f);
  const Ds_rep_rec *box = ds_rep(&p, BOX, 0);
  ASSERT_EQ(box->x.size(), 8u);
  std::set<std::array<float, 3>> corners;
  for (int c = 0; c < 8; c++) corners.insert({box->x[c], box->y[c], box->z[c]});
  EXPECT_EQ(corners.size(), 8u);
  EXPECT_TRUE(corners.count({1.0f, 0.5f, 1.5f}));
  for (int e = 0; e < box->elements(); e++) {
    int a = box->conn[box->offsets[e]], b = box->conn[box->offsets[e] + 1];
    int axes_changed = (box->x[a] != box->x[b]) + (box->y[a] != box->y[b]) + (box->z[a] != box->z[b]);
    EXPECT_EQ(axes_changed, 1) << "edge " << e << " is not along one axis";
  }
}

// A block's faces must be those of the same cells given as hexahedra: the
// face-grouping path is the reference for the structured walk.
TEST(ServerCompute, BlockFacesMatchTheSameCellsAsHexahedra) {
  struct Case {
    const char *what;
    bool blank_corner;   // node (0,0,0) blanked: cell (0,0,0) dropped
    bool left_handed;    // x mirrored
    int border;
  } cases[] = {{"plain", false, false, 32}, {"corner cell blanked", true, false, 29},
               {"left-handed", false, true, 32}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Ds_part_rec b = qtest::block_part(4, 3, 3);
    if (c.left_handed)
      for (float &x : b.x) x = -x;
    if (c.blank_corner) {
      b.iblank.assign(b.x.size(), 1);
      b.iblank[0] = 0;
    }
    Ds_part_rec h = qtest::hexahedra_of(b);
    if (c.left_handed)  // the mirrored cells are turned inside out: put them right
      for (size_t e = 0; e < h.elem_type.size(); e++)
        std::swap_ranges(h.elem_conn.begin() + 8 * e, h.elem_conn.begin() + 8 * e + 4, h.elem_conn.begin() + 8 * e + 4);
    const Ds_rep_rec *border = ds_rep(&b, BORDER, 0);
    EXPECT_EQ(border->elements(), c.border);
    std::array<double, 3> centre = {c.left_handed ? -1.5 : 1.5, 1, 1};
    EXPECT_EQ(qtest::faces_toward(b, *border, centre), 0);
    EXPECT_EQ(qtest::faces_of(*ds_rep(&b, FULL, 0)), qtest::faces_of(*ds_rep(&h, FULL, 0)));
    if (!c.blank_corner) {
      EXPECT_EQ(qtest::faces_of(*border), qtest::faces_of(*ds_rep(&h, BORDER, 0)));
    }
  }
}

TEST(ServerCompute, FlatAndLineBlocks) {
  struct Case {
    int ni, nj, nk;
    int kind;
    std::multiset<int> sizes;
  } cases[] = {
      {4, 3, 1, BORDER, many(10, 2)},
      {4, 3, 1, FULL, many(6, 4)},
      {4, 3, 1, FEATURE, many(10, 2)},
      {1, 4, 3, MIXED, many(6, 4)},  // flat in J and K
      {4, 1, 1, BORDER, many(3, 2)},
      {1, 1, 1, FULL, many(1, 1)},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.ni << "x" << c.nj << "x" << c.nk << " kind " << c.kind);
    Ds_part_rec b = qtest::block_part(c.ni, c.nj, c.nk);
    EXPECT_EQ(qtest::sizes_of(*ds_rep(&b, c.kind, 30)), c.sizes);
  }
}

TEST(ServerCompute, RepresentationIsKeptUntilThePartChanges) {
  Ds_part_rec p = hex_pair();
  const Ds_rep_rec *first = ds_rep(&p, BORDER, 0);
  EXPECT_EQ(ds_rep(&p, BORDER, 0), first);
  const Ds_rep_rec *f30 = ds_rep(&p, FEATURE, 30);
  EXPECT_EQ(ds_rep(&p, FEATURE, 30), f30);
  EXPECT_EQ(ds_rep(&p, FEATURE, 60)->angle, 60);
  EXPECT_EQ(p.reps.size(), 2u) << "the feature angle at 60 degrees replaces the one at 30";
  // Moving a node changes the part: the box is computed anew.
  p.x[2] = 5;
  ds_part_changed(&p);
  EXPECT_TRUE(p.reps.empty());
  const Ds_rep_rec *box = ds_rep(&p, BOX, 0);
  EXPECT_EQ(*std::max_element(box->x.begin(), box->x.end()), 5);
}

}  // namespace
