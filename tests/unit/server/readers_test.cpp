// The server's readers on the generated datasets under tests/data and on
// small files written here: what each dataset loads to, the mixed model's
// border, ASCII against binary, the part split, the series, the dataset
// kinds and cell types of legacy VTK, and the PLOT3D flavours and iblank.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "compute/compute.h"
#include "harness.h"
#include "model_fixtures.h"
#include "readers/readers.h"

namespace {

std::string data(const std::string &rel) { return qtest::test_data() + "/" + rel; }

Ds_case_rec load(const std::string &name, const std::string &result = "") {
  Ds_case_rec c;
  std::string err;
  EXPECT_EQ(read_dataset(&c, name, result, &err), 0) << err;
  return c;
}

std::map<int, int64_t> kinds_of(const Ds_part_rec &p) {
  int64_t counts[DS_ELEM_TYPES];
  ds_elem_counts(p, counts);
  std::map<int, int64_t> m;
  for (int t = 0; t < DS_ELEM_TYPES; t++)
    if (counts[t]) m[t] = counts[t];
  return m;
}

struct Part_expect {
  const char *name;
  int nodes;
  std::map<int, int64_t> kinds;
  std::array<float, 6> extents;
};

const std::vector<Part_expect> Mixed_parts = {
    {"Hex block", 24, {{DS_HEXA8, 4}, {DS_PENTA6, 4}}, {0, 2, 0, 2, 0, 2}},
    {"Pyramids and tets", 9, {{DS_TETRA4, 4}, {DS_PYRAMID5, 4}}, {3, 4, 0, 1, 0, 1}},
    {"Shell", 12, {{DS_QUAD4, 5}, {DS_TRIA3, 2}}, {0, 3, 3, 5, 0, 0}},
};
const std::vector<Part_expect> Zones3_parts = {
    {"Zone 1", 60, {{DS_HEXA8, 24}}, {0, 2, 0, 1.25f, 0, 1.6875f}},
    {"Zone 2", 64, {{DS_HEXA8, 27}}, {10, 11.5f, 0, 1.125f, 0, 2.4375f}},
    {"Zone 3", 36, {{DS_HEXA8, 10}}, {20, 22.5f, 0, 1.125f, 0, 0.875f}},
};

TEST(ServerReaders, EachDatasetLoadsItsPartsVariablesAndSteps) {
  struct Case {
    const char *file, *result;
    int vars, steps;
    const std::vector<Part_expect> &parts;
  } cases[] = {
      {"vtk/mixed.vtk", "", 6, 1, Mixed_parts},
      {"vtk/mixed_bin.vtk", "", 6, 1, Mixed_parts},
      {"vtk/series/mixed_*.vtk", "", 6, 5, Mixed_parts},
      {"vtk/series/mixed_0003.vtk", "", 6, 5, Mixed_parts},  // one file names its series
      {"plot3d/zones3_c.xyz", "plot3d/zones3_c.q", 7, 1, Zones3_parts},
      {"plot3d/zones3_fbe.xyz", "", 0, 1, Zones3_parts},
      {"plot3d/plane2d.xyz", "plot3d/plane2d.q", 7, 1, {{"Zone 1", 30, {{DS_QUAD4, 20}}, {0, 2.5f, 0, 1.625f, 0, 0}}}},
      {"plot3d/line1d.xyz", "", 0, 1, {{"Zone 1", 7, {{DS_BAR2, 6}}, {0, 3, 0, 0, 0, 0}}}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.file);
    Ds_case_rec k = load(data(c.file), *c.result ? data(c.result) : "");
    EXPECT_EQ(k.vars.size(), (size_t)c.vars);
    EXPECT_EQ(k.times.size(), (size_t)c.steps);
    ASSERT_EQ(k.parts.size(), c.parts.size());
    for (size_t i = 0; i < c.parts.size(); i++) {
      const Ds_part_rec &p = k.parts[i];
      EXPECT_EQ(p.number, (int)i + 1);
      EXPECT_EQ(p.name, c.parts[i].name);
      EXPECT_EQ(ds_node_count(p), c.parts[i].nodes);
      EXPECT_EQ(kinds_of(p), c.parts[i].kinds);
      std::array<float, 6> e;
      ds_extents(p, e.data());
      EXPECT_EQ(e, c.parts[i].extents);
      for (size_t v = 0; v < k.vars.size(); v++) {
        if (k.vars[v].where == DS_AT_CASE) continue;
        int per = k.vars[v].where == DS_AT_NODES ? ds_node_count(p) : ds_elem_count(p);
        for (int s = 0; s < c.steps; s++) {
          const Ds_field_rec *f = ds_field_if(p, (int)v, s);
          ASSERT_NE(f, nullptr) << k.vars[v].name << " step " << s;
          EXPECT_EQ(f->data.size(), (size_t)per * ds_var_components(k.vars[v].kind)) << k.vars[v].name;
        }
      }
    }
  }
}

TEST(ServerReaders, MixedModelVariablesAndBorders) {
  Ds_case_rec k = load(data("vtk/mixed.vtk"));
  struct Var {
    const char *name;
    Ds_var_kind kind;
    Ds_var_where where;
  } vars[] = {{"load_factor", DS_CONSTANT, DS_AT_CASE}, {"temperature", DS_SCALAR, DS_AT_NODES},
              {"velocity", DS_VECTOR, DS_AT_NODES},     {"harmonic", DS_COMPLEX_SCALAR, DS_AT_NODES},
              {"pressure", DS_SCALAR, DS_AT_ELEMENTS},  {"stress", DS_TENSOR, DS_AT_ELEMENTS}};
  ASSERT_EQ(k.vars.size(), std::size(vars));
  for (size_t v = 0; v < k.vars.size(); v++) {
    EXPECT_EQ(k.vars[v].name, vars[v].name);
    EXPECT_EQ(k.vars[v].kind, vars[v].kind) << vars[v].name;
    EXPECT_EQ(k.vars[v].where, vars[v].where) << vars[v].name;
  }
  // Hand counts: the block's 4 bottom and 8 side quadrilaterals, its roofs'
  // 8 sloped quadrilaterals and 4 end triangles; the cube's 4 pyramid bases
  // and the 4 triangles of its two split faces; the shell's 10 boundary
  // edges. Outward faces enclose the solids' volumes, 4 + 4 x 0.5 and 1.
  struct Border {
    int quads, triangles, bars;
    double volume;
  } borders[] = {{20, 4, 0, 6}, {4, 4, 0, 1}, {0, 0, 10, 0}};
  for (int i = 0; i < 3; i++) {
    SCOPED_TRACE(k.parts[i].name);
    const Ds_rep_rec *r = ds_rep(&k.parts[i], DS_REP_BORDER, 0);
    std::multiset<int> sizes = qtest::sizes_of(*r);
    EXPECT_EQ(sizes.count(4), (size_t)borders[i].quads);
    EXPECT_EQ(sizes.count(3), (size_t)borders[i].triangles);
    EXPECT_EQ(sizes.count(2), (size_t)borders[i].bars);
    EXPECT_NEAR(qtest::enclosed_volume(k.parts[i], *r), borders[i].volume, 1e-6);
  }
  // Element values follow their elements into the parts: pressure is
  // 10 + the file's cell index.
  EXPECT_EQ(ds_field_if(k.parts[1], 4, 0)->data[0], 18);
  EXPECT_EQ(ds_field_if(k.parts[2], 4, 0)->data[6], 32);
}

void expect_same_case(const Ds_case_rec &a, const Ds_case_rec &b) {
  ASSERT_EQ(a.parts.size(), b.parts.size());
  ASSERT_EQ(a.vars.size(), b.vars.size());
  EXPECT_EQ(a.times, b.times);
  for (size_t v = 0; v < a.vars.size(); v++) {
    EXPECT_EQ(a.vars[v].name, b.vars[v].name);
    EXPECT_EQ(a.vars[v].kind, b.vars[v].kind);
    EXPECT_EQ(a.vars[v].steps, b.vars[v].steps);
    EXPECT_EQ(a.vars[v].constants, b.vars[v].constants);
  }
  for (size_t i = 0; i < a.parts.size(); i++) {
    const Ds_part_rec &p = a.parts[i], &q = b.parts[i];
    SCOPED_TRACE(p.name);
    EXPECT_EQ(p.name, q.name);
    EXPECT_TRUE(p.x == q.x && p.y == q.y && p.z == q.z) << "coordinates differ";
    EXPECT_TRUE(p.iblank == q.iblank) << "iblank differs";
    EXPECT_EQ(p.elem_type, q.elem_type);
    EXPECT_TRUE(p.elem_off == q.elem_off && p.elem_conn == q.elem_conn) << "elements differ";
    for (size_t v = 0; v < a.vars.size(); v++)
      for (size_t s = 0; s < a.times.size(); s++) {
        const Ds_field_rec *f = ds_field_if(p, (int)v, (int)s), *g = ds_field_if(q, (int)v, (int)s);
        ASSERT_EQ(f == nullptr, g == nullptr);
        if (f) {
          EXPECT_TRUE(f->data == g->data) << a.vars[v].name << " differs at step " << s;
        }
      }
  }
}

TEST(ServerReaders, AsciiAndBinaryVtkLoadTheSameModel) {
  expect_same_case(load(data("vtk/mixed.vtk")), load(data("vtk/mixed_bin.vtk")));
}

TEST(ServerReaders, SeriesHasOneStepPerFileWithItsTimeAndValues) {
  Ds_case_rec k = load(data("vtk/series/mixed_*.vtk"));
  EXPECT_EQ(k.times, (std::vector<float>{0, 0.25f, 0.5f, 0.75f, 1}));
  EXPECT_EQ(k.files.size(), 5u);
  int load_factor = ds_find_var(k, "load_factor"), temperature = ds_find_var(k, "temperature");
  EXPECT_EQ(k.vars[load_factor].constants, (std::vector<float>{1, 2, 3, 4, 5}));
  EXPECT_EQ(k.vars[temperature].steps, (std::vector<int>{0, 1, 2, 3, 4}));
  const Ds_part_rec &p = k.parts[0];
  for (int s = 0; s < 5; s++)
    EXPECT_EQ(ds_field_if(p, temperature, s)->data[17], 2 + 4 + 3 + s);  // node (2, 2, 1)
  // The first step equals the single file.
  Ds_case_rec single = load(data("vtk/mixed.vtk"));
  EXPECT_TRUE(ds_field_if(p, temperature, 0)->data == ds_field_if(single.parts[0], temperature, 0)->data);
}

// A small legacy VTK file written for one test.
std::string vtk_file(const qtest::TempDir &dir, const std::string &body, const char *name = "t.vtk") {
  std::string path = dir.file(name);
  qtest::write_file(path, "# vtk DataFile Version 3.0\ntitle of it\nASCII\n" + body);
  return path;
}

TEST(ServerReaders, PartCellArraySplitsPartsWithTheirOwnNodes) {
  qtest::TempDir dir("vtkparts");
  // Two quads of part 7 and one triangle of part 3 sharing node 1.
  std::string path = vtk_file(dir,
                              "DATASET UNSTRUCTURED_GRID\nPOINTS 6 float\n"
                              "0 0 0 1 0 0 1 1 0 0 1 0 2 0 0 2 1 0\n"
                              "CELLS 3 14\n4 0 1 2 3\n3 1 4 5\n4 1 4 5 2\nCELL_TYPES 3\n9 5 9\n"
                              "POINT_DATA 6\nSCALARS t float\nLOOKUP_TABLE default\n0 10 20 30 40 50\n"
                              "CELL_DATA 3\nSCALARS part int 1\nLOOKUP_TABLE default\n7 3 7\n"
                              "SCALARS e float\nLOOKUP_TABLE default\n100 101 102\n");
  Ds_case_rec k = load(path);
  ASSERT_EQ(k.parts.size(), 2u);
  EXPECT_EQ(k.parts[0].name, "Part 3");
  EXPECT_EQ(k.parts[1].name, "Part 7");
  EXPECT_EQ(ds_find_var(k, "part"), -1) << "the part array is no variable";
  int t = ds_find_var(k, "t"), e = ds_find_var(k, "e");
  const Ds_part_rec &tri = k.parts[0], &quads = k.parts[1];
  EXPECT_EQ(ds_node_count(tri), 3);
  EXPECT_TRUE(ds_field_if(tri, t, 0)->data == (Ds_floats{10, 40, 50}));
  EXPECT_TRUE(ds_field_if(tri, e, 0)->data == (Ds_floats{101}));
  EXPECT_EQ(ds_node_count(quads), 6);
  EXPECT_TRUE(quads.elem_conn == (Ds_ints{0, 1, 2, 3, 1, 4, 5, 2}));
  EXPECT_TRUE(ds_field_if(quads, e, 0)->data == (Ds_floats{100, 102}));
}

TEST(ServerReaders, VtkDatasetKindsAndCellTypes) {
  struct Case {
    const char *what;
    const char *body;
    int structured;
    std::array<int, 3> ijk;
    int nodes;
    std::map<int, int64_t> kinds;
    std::function<void(Ds_case_rec &)> more;
  } cases[] = {
      {"structured points",
       "DATASET STRUCTURED_POINTS\nDIMENSIONS 3 2 2\nORIGIN 1 2 3\nSPACING 0.5 1 2\n"
       "POINT_DATA 12\nSCALARS s float\nLOOKUP_TABLE default\n0 1 2 3 4 5 6 7 8 9 10 11\n",
       1, {3, 2, 2}, 12, {{DS_HEXA8, 2}},
       [](Ds_case_rec &k) {
         const Ds_part_rec &p = k.parts[0];
         EXPECT_EQ(p.x[11], 2);
         EXPECT_EQ(p.y[11], 3);
         EXPECT_EQ(p.z[11], 5);
         EXPECT_EQ(ds_field_if(p, 0, 0)->data[11], 11);
       }},
      {"rectilinear grid",
       "DATASET RECTILINEAR_GRID\nDIMENSIONS 2 3 1\nX_COORDINATES 2 float\n0 1\nY_COORDINATES 3 float\n0 2 5\n"
       "Z_COORDINATES 1 float\n7\nCELL_DATA 2\nSCALARS c float 1\nLOOKUP_TABLE default\n4 5\n",
       1, {2, 3, 1}, 6, {{DS_QUAD4, 2}},
       [](Ds_case_rec &k) {
         const Ds_part_rec &p = k.parts[0];
         EXPECT_EQ(std::make_tuple(p.x[5], p.y[5], p.z[5]), std::make_tuple(1.0f, 5.0f, 7.0f));
         EXPECT_EQ(k.vars[0].where, DS_AT_ELEMENTS);
         EXPECT_EQ(ds_field_if(p, 0, 0)->data[1], 5);
       }},
      {"structured grid, double points",
       "DATASET STRUCTURED_GRID\nDIMENSIONS 2 2 1\nPOINTS 4 double\n0 0 0 1 0 0 0 1 0 1 1 0.5\n", 1, {2, 2, 1}, 4,
       {{DS_QUAD4, 1}}, [](Ds_case_rec &k) { EXPECT_EQ(k.parts[0].z[3], 0.5f); }},
      {"polygonal data: a polyline and a strip give several elements",
       "DATASET POLYDATA\nPOINTS 6 float\n0 0 0 1 0 0 1 1 0 0 1 0 2 0 0 2 1 0\n"
       "VERTICES 1 2\n1 0\nLINES 1 4\n3 0 1 2\nPOLYGONS 2 9\n3 0 1 2\n4 1 4 5 2\nTRIANGLE_STRIPS 1 5\n4 2 3 4 5\n"
       "CELL_DATA 5\nSCALARS id float\nLOOKUP_TABLE default\n10 11 12 13 14\n",
       0, {0, 0, 0}, 6, {{DS_POINT, 1}, {DS_BAR2, 2}, {DS_TRIA3, 3}, {DS_QUAD4, 1}},
       [](Ds_case_rec &k) {
         EXPECT_TRUE(ds_field_if(k.parts[0], 0, 0)->data == (Ds_floats{10, 11, 11, 12, 13, 14, 14}));
       }},
      {"offsets and connectivity; quadratic tetrahedron and pixel keep their corners",
       "DATASET UNSTRUCTURED_GRID\nPOINTS 10 float\n0 0 0 1 0 0 0 1 0 0 0 1 .5 0 0 .5 .5 0 0 .5 0 0 0 .5 .5 0 .5 0 .5 .5\n"
       "CELLS 3 14\nOFFSETS vtktypeint64\n0 10 14\nCONNECTIVITY vtktypeint64\n0 1 2 3 4 5 6 7 8 9 0 1 2 5\n"
       "CELL_TYPES 2\n24\n8\n",
       0, {0, 0, 0}, 10, {{DS_TETRA10, 1}, {DS_QUAD4, 1}},
       [](Ds_case_rec &k) { EXPECT_TRUE(k.parts[0].elem_conn == (Ds_ints{0, 1, 2, 3, 0, 1, 5, 2})); }},
      {"voxel and the format's wedge come out with outward faces",
       "DATASET UNSTRUCTURED_GRID\nPOINTS 14 float\n0 0 0 1 0 0 0 1 0 1 1 0 0 0 1 1 0 1 0 1 1 1 1 1\n"
       "5 0 0 5 1 0 6 0 0 5 0 1 5 1 1 6 0 1\nCELLS 2 16\n8 0 1 2 3 4 5 6 7\n6 8 9 10 11 12 13\nCELL_TYPES 2\n11 13\n",
       0, {0, 0, 0}, 14, {{DS_HEXA8, 1}, {DS_PENTA6, 1}},
       [](Ds_case_rec &k) {
         Ds_part_rec &p = k.parts[0];
         const Ds_rep_rec *r = ds_rep(&p, DS_REP_BORDER, 0);
         EXPECT_EQ(r->elements(), 11);
         int inward = 0;
         for (int e = 0; e < r->elements(); e++) {
           auto n = qtest::normal_of(p, *r, e);
           auto c = qtest::centroid_of(p, *r, e);
           std::array<double, 3> inside = c[0] < 3 ? std::array<double, 3>{0.5, 0.5, 0.5}
                                                   : std::array<double, 3>{5.33, 0.33, 0.5};
           inward += n[0] * (inside[0] - c[0]) + n[1] * (inside[1] - c[1]) + n[2] * (inside[2] - c[2]) > 0;
         }
         EXPECT_EQ(inward, 0);
       }},
  };
  qtest::TempDir dir("vtkkinds");
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Ds_case_rec k = load(vtk_file(dir, c.body));
    ASSERT_EQ(k.parts.size(), 1u);
    const Ds_part_rec &p = k.parts[0];
    EXPECT_EQ(p.name, "title of it");
    EXPECT_EQ(p.structured, c.structured);
    if (c.structured) {
      EXPECT_EQ((std::array<int, 3>{p.ijk[0], p.ijk[1], p.ijk[2]}), c.ijk);
    }
    EXPECT_EQ(ds_node_count(p), c.nodes);
    EXPECT_EQ(kinds_of(p), c.kinds);
    c.more(k);
  }
}

TEST(ServerReaders, Plot3dFlavoursLoadEqualCoordinatesAndSolutions) {
  Ds_case_rec ref = load(data("plot3d/zones3_c.xyz"), data("plot3d/zones3_c.q"));
  ASSERT_EQ(ref.parts.size(), 3u);
  EXPECT_EQ(std::count(ref.parts[1].iblank.begin(), ref.parts[1].iblank.end(), 0), 8);
  EXPECT_EQ(ref.times[0], 0.125f);
  EXPECT_EQ(ref.vars[ds_find_var(ref, "Mach")].constants[0], 0.5f);
  for (const char *flavour : {"ascii", "fle", "fbe", "fbe_dbl"}) {
    SCOPED_TRACE(flavour);
    std::string base = data(std::string("plot3d/zones3_") + flavour);
    Ds_case_rec k = load(base + ".xyz", base + ".q");
    expect_same_case(ref, k);
  }
  // Momentum of a 2-D solution has no z component.
  Ds_case_rec plane = load(data("plot3d/plane2d.xyz"), data("plot3d/plane2d.q"));
  const Ds_floats &m = ds_field_if(plane.parts[0], ds_find_var(plane, "Momentum"), 0)->data;
  EXPECT_TRUE(std::all_of(m.begin() + 60, m.end(), [](float v) { return v == 0; }));
  EXPECT_EQ(m[59], 0.5f * (1 + 0.0625f * (5 + 2 * 4)) + 2);  // y momentum at node (5, 4)
}

TEST(ServerReaders, Plot3dSettingsFromTheClientMustFitTheFile) {
  struct Case {
    P3d_settings s;
    bool ok;
  } cases[] = {{{1, 1, 2, 3}, true}, {{-1, -1, 2, -1}, true}, {{0, 1, 2, 3}, false},
               {{1, 1, 1, 3}, false}, {{1, 0, 2, 3}, false}, {{1, 1, 2, 2}, false}};
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.s.iblanked << c.s.multi << c.s.read_as << c.s.dims);
    Ds_case_rec k;
    std::string err;
    EXPECT_EQ(p3d_read_case(&k, data("plot3d/zones3_fle.xyz"), "", c.s, &err), c.ok ? 0 : -1) << err;
    if (!c.ok) {
      EXPECT_EQ(err.find(data("plot3d/zones3_fle.xyz") + ": "), 0u) << err;
    }
  }
}

TEST(ServerReaders, IblankedZoneDropsBlankedCellsFromItsBorder) {
  Ds_case_rec k = load(data("plot3d/zones3_c.xyz"));
  Ds_part_rec &zone = k.parts[1];  // 4x4x4; nodes i = 0, j <= 1 blanked: 6 cells out
  const Ds_rep_rec *r = ds_rep(&zone, DS_REP_BORDER, 0);
  // 54 faces on the six sides; the blanked cells had 6 on I min, 3 on J
  // min, 2 on K min and 2 on K max.
  EXPECT_EQ(r->elements(), 54 - 13);
  for (int n : r->conn) EXPECT_NE(zone.iblank[n], 0) << "a border face uses blanked node " << n;
  zone.iblank.clear();
  ds_part_changed(&zone);
  EXPECT_EQ(ds_rep(&zone, DS_REP_BORDER, 0)->elements(), 54);
}

}  // namespace
