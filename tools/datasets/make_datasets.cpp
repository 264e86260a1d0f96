// Writes the project's test datasets, byte for byte the same on every run.
//
//   quivane_datasets DIR          the small sets checked in under tests/data:
//     vtk/mixed.vtk, vtk/mixed_bin.vtk   a mixed-element model in three parts
//                                        (ASCII and binary legacy VTK)
//     vtk/mixed_unit.vtk                 the same model moved and scaled into
//                                        the default view volume -1..1
//     vtk/series/mixed_000N.vtk          the same over five steps, values changing
//     vtk/plate_cube.vtk                 two parts: a flat plate of four
//                                        quadrilaterals at z = 0 and a cube
//                                        standing off that plane
//     plot3d/zones3_*.xyz, *.q           a 3-zone iblanked grid and its solution in
//                                        ASCII, C binary of either byte order,
//                                        Fortran little- and big-endian, and
//                                        Fortran big-endian double
//     plot3d/plane2d.xyz, .q             a 2-D single-zone grid and solution
//     plot3d/line1d.xyz                  a 1-D ASCII grid
//   quivane_datasets --large DIR  single-zone 3-D grids with solutions of
//                                 1M and 4M nodes (Fortran big-endian) for the
//                                 benchmark: big_1m.xyz/.q, big_4m.xyz/.q
//
// Every coordinate and value is a multiple of a power of two small enough to
// print exactly, so the ASCII, binary and double forms hold equal numbers.
#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

// ---- output -----------------------------------------------------------------

struct Out {
  FILE *f = nullptr;
  bool big_endian = false;  // binary values' byte order
  std::string path;
  bool open(const std::string &p) {
    path = p;
    f = fopen(p.c_str(), "wb");
    if (!f) perror(p.c_str());
    return f != nullptr;
  }
  ~Out() {
    if (f && fclose(f) != 0) perror(path.c_str());
  }
  void bytes(const void *data, size_t n, int size) {
    const unsigned char *p = static_cast<const unsigned char *>(data);
    unsigned char tmp[8];
    for (size_t i = 0; i < n; i++, p += size) {
      for (int b = 0; b < size; b++) tmp[b] = big_endian ? p[size - 1 - b] : p[b];
      fwrite(tmp, 1, size, f);
    }
  }
  void i32(int32_t v) { bytes(&v, 1, 4); }
  void real(double v, int prec) {
    if (prec == 8) {
      bytes(&v, 1, 8);
    } else {
      float x = (float)v;
      bytes(&x, 1, 4);
    }
  }
  void text(const char *s) { fputs(s, f); }
  void num(double v, bool last_on_line) { fprintf(f, "%.9g%c", v, last_on_line ? '\n' : ' '); }
};

bool make_dir(const std::string &d) {
  if (mkdir(d.c_str(), 0755) == 0 || errno == EEXIST) return true;
  perror(d.c_str());
  return false;
}

// ---- the mixed model ----------------------------------------------------------

struct Model {
  std::vector<double> x, y, z;
  std::vector<int> cell_type, cell_part;
  std::vector<std::vector<int>> cells;
  int node(double a, double b, double c) {
    x.push_back(a), y.push_back(b), z.push_back(c);
    return (int)x.size() - 1;
  }
  void cell(int type, int part, std::vector<int> nodes) {
    cell_type.push_back(type), cell_part.push_back(part), cells.push_back(std::move(nodes));
  }
  // Normal of the polygon's first three nodes, dotted with (target - first node).
  double faces_toward(const std::vector<int> &v, double tx, double ty, double tz) const {
    double ax = x[v[1]] - x[v[0]], ay = y[v[1]] - y[v[0]], az = z[v[1]] - z[v[0]];
    double bx = x[v[2]] - x[v[0]], by = y[v[2]] - y[v[0]], bz = z[v[2]] - z[v[0]];
    double nx = ay * bz - az * by, ny = az * bx - ax * bz, nz = ax * by - ay * bx;
    return nx * (tx - x[v[0]]) + ny * (ty - y[v[0]]) + nz * (tz - z[v[0]]);
  }
};

enum { VTK_TRIANGLE = 5, VTK_QUAD = 9, VTK_TETRA = 10, VTK_HEXAHEDRON = 12, VTK_WEDGE = 13, VTK_PYRAMID = 14 };

// Part 1: 2x2x1 hexahedra, each under a roof: a wedge whose triangles
// stand in x-z planes, ridges along y (nodes 3x3x2 and six ridge nodes).
// Part 2: a unit cube cut into six pyramids meeting at its centre, two of
// them split into two tetrahedra each. Part 3: a 3x2 shell of
// quadrilaterals, one of them split into two triangles.
Model mixed_model() {
  Model m;
  int g[3][3][2], ridge[2][3];
  for (int k = 0; k < 2; k++)
    for (int j = 0; j < 3; j++)
      for (int i = 0; i < 3; i++) g[i][j][k] = m.node(i, j, k);
  for (int j = 0; j < 3; j++)
    for (int i = 0; i < 2; i++) ridge[i][j] = m.node(i + 0.5, j, 2);
  for (int j = 0; j < 2; j++)
    for (int i = 0; i < 2; i++)
      m.cell(VTK_HEXAHEDRON, 1,
             {g[i][j][0], g[i + 1][j][0], g[i + 1][j + 1][0], g[i][j + 1][0], g[i][j][1], g[i + 1][j][1],
              g[i + 1][j + 1][1], g[i][j + 1][1]});
  // A wedge's first triangle faces away from its second.
  for (int j = 0; j < 2; j++)
    for (int i = 0; i < 2; i++)
      m.cell(VTK_WEDGE, 1,
             {g[i][j][1], g[i + 1][j][1], ridge[i][j], g[i][j + 1][1], g[i + 1][j + 1][1], ridge[i][j + 1]});
  int c[2][2][2];
  for (int k = 0; k < 2; k++)
    for (int j = 0; j < 2; j++)
      for (int i = 0; i < 2; i++) c[i][j][k] = m.node(3 + i, j, k);
  int apex = m.node(3.5, 0.5, 0.5);
  // Each cube face, its corners going round.
  int faces[6][4] = {{c[0][0][0], c[1][0][0], c[1][1][0], c[0][1][0]}, {c[0][0][1], c[1][0][1], c[1][1][1], c[0][1][1]},
                     {c[0][0][0], c[1][0][0], c[1][0][1], c[0][0][1]}, {c[0][1][0], c[1][1][0], c[1][1][1], c[0][1][1]},
                     {c[0][0][0], c[0][1][0], c[0][1][1], c[0][0][1]}, {c[1][0][0], c[1][1][0], c[1][1][1], c[1][0][1]}};
  for (int f = 0; f < 6; f++) {
    std::vector<int> base(faces[f], faces[f] + 4);
    if (m.faces_toward(base, 3.5, 0.5, 0.5) < 0) std::swap(base[1], base[3]);  // base faces the apex
    if (f == 1 || f == 5) {
      m.cell(VTK_TETRA, 2, {base[0], base[1], base[2], apex});
      m.cell(VTK_TETRA, 2, {base[0], base[2], base[3], apex});
    } else {
      m.cell(VTK_PYRAMID, 2, {base[0], base[1], base[2], base[3], apex});
    }
  }
  int s[4][3];
  for (int j = 0; j < 3; j++)
    for (int i = 0; i < 4; i++) s[i][j] = m.node(i, 3 + j, 0);
  for (int j = 0; j < 2; j++)
    for (int i = 0; i < 3; i++) {
      if (i == 2 && j == 1) {
        m.cell(VTK_TRIANGLE, 3, {s[i][j], s[i + 1][j], s[i + 1][j + 1]});
        m.cell(VTK_TRIANGLE, 3, {s[i][j], s[i + 1][j + 1], s[i][j + 1]});
      } else {
        m.cell(VTK_QUAD, 3, {s[i][j], s[i + 1][j], s[i + 1][j + 1], s[i][j + 1]});
      }
    }
  return m;
}

// Values of every array n, exact in binary and short in decimal.
double q8(double v) { return std::round(v * 256) / 256; }

void vtk_values(Out &o, bool binary, const std::vector<double> &v, int per_line) {
  if (binary) {
    for (double d : v) o.real(d, 4);
    o.text("\n");
    return;
  }
  for (size_t i = 0; i < v.size(); i++) o.num(v[i], (i + 1) % per_line == 0 || i + 1 == v.size());
}

// The model's box 0..4 x 0..5 x 0..2 centred on the origin and scaled by
// 5/16: -0.625..0.625 x -0.78125..0.78125 x -0.3125..0.3125, exact in
// binary and short in decimal.
double unit_box(double v, double centre) { return (v - centre) * 0.3125; }

bool write_mixed(const std::string &path, bool binary, int step, bool in_unit_box = false) {
  Model m = mixed_model();
  Out o;
  o.big_endian = true;
  if (!o.open(path)) return false;
  o.text("# vtk DataFile Version 3.0\nmixed elements\n");
  o.text(binary ? "BINARY\n" : "ASCII\n");
  o.text("DATASET UNSTRUCTURED_GRID\n");
  fprintf(o.f, "FIELD FieldData 3\nTIME 1 1 float\n");
  vtk_values(o, binary, {0.25 * step}, 1);
  fprintf(o.f, "load_factor 1 1 float\n");
  vtk_values(o, binary, {1.0 + step}, 1);
  fprintf(o.f, "part_names 1 3 string\nHex block\nPyramids and tets\nShell\n");
  size_t n = m.x.size();
  fprintf(o.f, "POINTS %zu float\n", n);
  std::vector<double> xyz;
  for (size_t i = 0; i < n; i++) {
    if (in_unit_box)
      xyz.insert(xyz.end(), {unit_box(m.x[i], 2), unit_box(m.y[i], 2.5), unit_box(m.z[i], 1)});
    else
      xyz.insert(xyz.end(), {m.x[i], m.y[i], m.z[i]});
  }
  vtk_values(o, binary, xyz, 3);
  size_t size = 0;
  for (auto &c : m.cells) size += c.size() + 1;
  fprintf(o.f, "CELLS %zu %zu\n", m.cells.size(), size);
  for (auto &c : m.cells) {
    if (binary) {
      o.i32((int)c.size());
      for (int v : c) o.i32(v);
    } else {
      fprintf(o.f, "%zu", c.size());
      for (int v : c) fprintf(o.f, " %d", v);
      o.text("\n");
    }
  }
  if (binary) o.text("\n");
  fprintf(o.f, "CELL_TYPES %zu\n", m.cells.size());
  for (int t : m.cell_type) binary ? o.i32(t) : (void)fprintf(o.f, "%d\n", t);
  if (binary) o.text("\n");

  fprintf(o.f, "POINT_DATA %zu\nSCALARS temperature float 1\nLOOKUP_TABLE default\n", n);
  std::vector<double> temp, vel, re, im;
  for (size_t i = 0; i < n; i++) {
    temp.push_back(q8(m.x[i] + 2 * m.y[i] + 3 * m.z[i] + step));
    double s = 1 + 0.125 * step;
    vel.insert(vel.end(), {q8(m.y[i] * s), q8(-m.x[i] * s), q8(0.5 * m.z[i])});
    re.push_back(q8(std::cos(0.5 * i) + step));
    im.push_back(q8(std::sin(0.5 * i)));
  }
  vtk_values(o, binary, temp, 6);
  fprintf(o.f, "VECTORS velocity float\n");
  vtk_values(o, binary, vel, 3);
  fprintf(o.f, "FIELD FieldData 2\nharmonic_re 1 %zu float\n", n);
  vtk_values(o, binary, re, 6);
  fprintf(o.f, "harmonic_im 1 %zu float\n", n);
  vtk_values(o, binary, im, 6);

  size_t nc = m.cells.size();
  fprintf(o.f, "CELL_DATA %zu\nSCALARS pressure float\nLOOKUP_TABLE default\n", nc);
  std::vector<double> pressure, stress;
  for (size_t e = 0; e < nc; e++) {
    pressure.push_back(q8((10.0 + e) * (1 + step)));
    double a = e + 0.5 * step, b = 0.25 * e;
    stress.insert(stress.end(), {a, b, 0.0, b, 2 * a, 0.5, 0.0, 0.5, 3 * a});
  }
  vtk_values(o, binary, pressure, 6);
  fprintf(o.f, "TENSORS stress float\n");
  vtk_values(o, binary, stress, 9);
  fprintf(o.f, "FIELD FieldData 1\npart 1 %zu int\n", nc);
  for (int p : m.cell_part) binary ? o.i32(p) : (void)fprintf(o.f, "%d\n", p);
  if (binary) o.text("\n");
  return true;
}

// Part 1: a 2x2 plate of quadrilaterals over 0..2 x 0..2 at z = 0.  Part 2:
// one hexahedron over 3..4 x 0..1 x 0.5..1.5, wholly off the plate's plane.
bool write_plate_cube(const std::string &path) {
  Model m;
  int g[3][3];
  for (int j = 0; j < 3; j++)
    for (int i = 0; i < 3; i++) g[i][j] = m.node(i, j, 0);
  for (int j = 0; j < 2; j++)
    for (int i = 0; i < 2; i++) m.cell(VTK_QUAD, 1, {g[i][j], g[i + 1][j], g[i + 1][j + 1], g[i][j + 1]});
  int c[8];
  for (int k = 0; k < 8; k++) c[k] = m.node(3 + ((k ^ (k >> 1)) & 1), (k >> 1) & 1, 0.5 + (k >> 2));
  m.cell(VTK_HEXAHEDRON, 2, {c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7]});
  Out o;
  if (!o.open(path)) return false;
  o.text("# vtk DataFile Version 3.0\nplate and cube\nASCII\nDATASET UNSTRUCTURED_GRID\n");
  fprintf(o.f, "FIELD FieldData 1\npart_names 1 2 string\nPlate\nCube\n");
  fprintf(o.f, "POINTS %zu float\n", m.x.size());
  std::vector<double> xyz;
  for (size_t i = 0; i < m.x.size(); i++) xyz.insert(xyz.end(), {m.x[i], m.y[i], m.z[i]});
  vtk_values(o, false, xyz, 3);
  size_t size = 0;
  for (auto &cell : m.cells) size += cell.size() + 1;
  fprintf(o.f, "CELLS %zu %zu\n", m.cells.size(), size);
  for (auto &cell : m.cells) {
    fprintf(o.f, "%zu", cell.size());
    for (int v : cell) fprintf(o.f, " %d", v);
    o.text("\n");
  }
  fprintf(o.f, "CELL_TYPES %zu\n", m.cells.size());
  for (int t : m.cell_type) fprintf(o.f, "%d\n", t);
  fprintf(o.f, "CELL_DATA %zu\nFIELD FieldData 1\npart 1 %zu int\n", m.cells.size(), m.cells.size());
  for (int p : m.cell_part) fprintf(o.f, "%d\n", p);
  return true;
}

// ---- PLOT3D --------------------------------------------------------------------

enum { ASCII, C_BINARY, FORTRAN };

struct P3d_form {
  int kind;
  bool big_endian;
  int prec;  // 4 or 8
};

struct Zone {
  int n[3];  // nodes along I, J, K (1 beyond the grid's dimensions)
  int dims;
  int index;  // 0-based zone number
  long nodes() const { return (long)n[0] * n[1] * n[2]; }
};

// Coordinates, iblank and solution of node (i, j, k) of a zone.
double coord(const Zone &z, int a, int i, int j, int k) {
  switch (a) {
    case 0: return 0.5 * i + 10 * z.index;
    case 1: return 0.25 * j + 0.125 * i;
    default: return 0.75 * k + 0.0625 * j;
  }
}

// Zone 2 of the three-zone grid has a hole: its nodes with i = 0 and
// j <= 1 are blanked; a row of fringe nodes (-3: fed from zone 3) stays.
int iblank(const Zone &z, int i, int j, int) {
  if (z.index != 1) return 1;
  if (i == 0 && j <= 1) return 0;
  return i == z.n[0] - 1 ? -3 : 1;
}

double q_value(const Zone &z, int m, int i, int j, int k) {
  double base = 1 + 0.0625 * (i + 2 * j + 3 * k) + z.index;
  return m == 0 ? base : base * 0.5 + m;
}

class P3d_writer {
 public:
  P3d_writer(Out &o, P3d_form f) : o_(o), f_(f) {}
  void ints(const std::vector<int> &v) {
    record(4L * v.size(), [&] {
      for (size_t i = 0; i < v.size(); i++)
        f_.kind == ASCII ? (void)fprintf(o_.f, "%d%c", v[i], i + 1 == v.size() ? '\n' : ' ') : o_.i32(v[i]);
    });
  }
  // A record of count reals produced by value(index).
  template <class F>
  void reals(long count, long ints_after, F value, std::function<int(long)> int_value = nullptr) {
    record(count * f_.prec + ints_after * 4, [&] {
      for (long i = 0; i < count; i++) {
        if (f_.kind == ASCII) o_.num(value(i), (i + 1) % 6 == 0 || i + 1 == count);
        else o_.real(value(i), f_.prec);
      }
      for (long i = 0; i < ints_after; i++) {
        if (f_.kind == ASCII) fprintf(o_.f, "%d%c", int_value(i), (i + 1) % 12 == 0 || i + 1 == ints_after ? '\n' : ' ');
        else o_.i32(int_value(i));
      }
    });
  }

 private:
  template <class Body>
  void record(long bytes, Body body) {
    if (f_.kind == FORTRAN) o_.i32((int32_t)bytes);
    body();
    if (f_.kind == FORTRAN) o_.i32((int32_t)bytes);
  }
  Out &o_;
  P3d_form f_;
};

// Node (i, j, k) of a zone from its index in I-fastest order.
void ijk_of(const Zone &z, long p, int *i, int *j, int *k) {
  *i = (int)(p % z.n[0]);
  *j = (int)(p / z.n[0] % z.n[1]);
  *k = (int)(p / ((long)z.n[0] * z.n[1]));
}

void header(P3d_writer &w, const std::vector<Zone> &zones, bool multi) {
  if (multi) w.ints({(int)zones.size()});
  std::vector<int> d;
  for (const Zone &z : zones)
    for (int a = 0; a < z.dims; a++) d.push_back(z.n[a]);
  w.ints(d);
}

// Writes a PLOT3D file: its header, then each zone by zone_body(writer, zone).
template <class Body>
bool write_p3d(const std::string &path, const std::vector<Zone> &zones, bool multi, P3d_form f, Body zone_body) {
  Out o;
  o.big_endian = f.big_endian;
  if (!o.open(path)) return false;
  P3d_writer w(o, f);
  header(w, zones, multi);
  for (const Zone &z : zones) zone_body(w, z);
  return true;
}

// value(component, i, j, k) for the v-th value of a zone's component-major run.
template <class F>
double at(const Zone &z, long v, F value) {
  int i, j, k;
  long n = z.nodes();
  ijk_of(z, v % n, &i, &j, &k);
  return value((int)(v / n), i, j, k);
}

bool write_grid(const std::string &path, const std::vector<Zone> &zones, bool multi, bool with_iblank, P3d_form f) {
  return write_p3d(path, zones, multi, f, [with_iblank](P3d_writer &w, const Zone &z) {
    long n = z.nodes();
    w.reals(
        n * z.dims, with_iblank ? n : 0,
        [&z](long v) { return at(z, v, [&z](int a, int i, int j, int k) { return coord(z, a, i, j, k); }); },
        [&z](long v) { return (int)at(z, v, [&z](int, int i, int j, int k) { return iblank(z, i, j, k); }); });
  });
}

bool write_q(const std::string &path, const std::vector<Zone> &zones, bool multi, P3d_form f) {
  return write_p3d(path, zones, multi, f, [](P3d_writer &w, const Zone &z) {
    const double free_stream[4] = {0.5, 2.0, 1000000.0, 0.125};
    w.reals(4, 0, [&](long m) { return free_stream[m]; });
    w.reals(z.nodes() * (z.dims + 2), 0,
            [&z](long v) { return at(z, v, [&z](int m, int i, int j, int k) { return q_value(z, m, i, j, k); }); });
  });
}

std::vector<Zone> three_zones() {
  return {{{5, 4, 3}, 3, 0}, {{4, 4, 4}, 3, 1}, {{6, 3, 2}, 3, 2}};
}

bool write_small(const std::string &dir) {
  std::string vtk = dir + "/vtk", series = vtk + "/series", p3d = dir + "/plot3d";
  if (!make_dir(dir) || !make_dir(vtk) || !make_dir(series) || !make_dir(p3d)) return false;
  bool ok = write_mixed(vtk + "/mixed.vtk", false, 0) && write_mixed(vtk + "/mixed_bin.vtk", true, 0) &&
            write_mixed(vtk + "/mixed_unit.vtk", false, 0, true) &&
            write_plate_cube(vtk + "/plate_cube.vtk");
  for (int s = 0; ok && s < 5; s++) {
    char name[64];
    snprintf(name, sizeof name, "/mixed_%04d.vtk", s);
    ok = write_mixed(series + name, false, s);
  }
  struct Flavour {
    const char *name;
    P3d_form form;
  } flavours[] = {{"ascii", {ASCII, false, 4}},
                  {"c", {C_BINARY, false, 4}},
                  {"cbe", {C_BINARY, true, 4}},
                  {"fle", {FORTRAN, false, 4}},
                  {"fbe", {FORTRAN, true, 4}},
                  {"fbe_dbl", {FORTRAN, true, 8}}};
  for (const Flavour &fl : flavours) {
    std::string base = p3d + "/zones3_" + fl.name;
    ok = ok && write_grid(base + ".xyz", three_zones(), true, true, fl.form) &&
         write_q(base + ".q", three_zones(), true, fl.form);
  }
  std::vector<Zone> plane = {{{6, 5, 1}, 2, 0}};
  ok = ok && write_grid(p3d + "/plane2d.xyz", plane, false, false, {C_BINARY, false, 4}) &&
       write_q(p3d + "/plane2d.q", plane, false, {C_BINARY, false, 4});
  std::vector<Zone> line = {{{7, 1, 1}, 1, 0}};
  ok = ok && write_grid(p3d + "/line1d.xyz", line, false, false, {ASCII, false, 4});
  return ok;
}

bool write_large(const std::string &dir) {
  if (!make_dir(dir)) return false;
  struct Big {
    const char *name;
    int n;
  } bigs[] = {{"big_1m", 100}, {"big_4m", 160}};
  for (const Big &b : bigs) {
    std::vector<Zone> zone = {{{b.n, b.n, b.n}, 3, 0}};
    std::string base = dir + "/" + b.name;
    P3d_form f = {FORTRAN, true, 4};
    if (!write_grid(base + ".xyz", zone, true, false, f) || !write_q(base + ".q", zone, true, f)) return false;
    printf("%s.xyz, %s.q: %ld nodes\n", base.c_str(), base.c_str(), zone[0].nodes());
  }
  return true;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc == 3 && !strcmp(argv[1], "--large")) return write_large(argv[2]) ? 0 : 1;
  if (argc == 2 && argv[1][0] != '-') return write_small(argv[1]) ? 0 : 1;
  fprintf(stderr, "USAGE: quivane_datasets DIR | quivane_datasets --large DIR\n");
  return 2;
}
