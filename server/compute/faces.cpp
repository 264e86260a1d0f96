// Faces and edges for the representations. Shared faces and edges are found
// by grouping every face (or edge) under its lowest node, a perfect hash on
// the node number: two passes fill the groups, and within a group, which
// holds only the few faces around one node, equal faces sit side by side
// once the group is sorted. Memory: one 8-byte entry per face or edge and
// one offset per node.
#include <algorithm>
#include <array>
#include <cmath>

#include "compute/compute.h"
#include "compute/faces.h"

void rep_add(Ds_rep_rec *r, const int *nodes, int n) {
  r->conn.insert(r->conn.end(), nodes, nodes + n);
  r->offsets.push_back((int)r->conn.size());
}

void rep_append(Ds_rep_rec *r, const Ds_rep_rec &src) {
  int base = (int)r->conn.size();
  r->conn.insert(r->conn.end(), src.conn.begin(), src.conn.end());
  for (size_t e = 1; e < src.offsets.size(); e++) r->offsets.push_back(base + src.offsets[e]);
}

// Outward faces (right-hand rule) of the model's corner orderings.
static const signed char Tet_faces[][4] = {{0, 2, 1, -1}, {0, 1, 3, -1}, {1, 2, 3, -1}, {2, 0, 3, -1}};
static const signed char Pyramid_faces[][4] = {
    {0, 3, 2, 1}, {0, 1, 4, -1}, {1, 2, 4, -1}, {2, 3, 4, -1}, {3, 0, 4, -1}};
static const signed char Wedge_faces[][4] = {
    {0, 2, 1, -1}, {3, 4, 5, -1}, {0, 1, 4, 3}, {1, 2, 5, 4}, {2, 0, 3, 5}};
// Sides in the order: K min, K max, J min, I max, J max, I min.
static const signed char Hex_faces[][4] = {{0, 3, 2, 1}, {4, 5, 6, 7}, {0, 1, 5, 4},
                                           {1, 2, 6, 5}, {2, 3, 7, 6}, {3, 0, 4, 7}};

int ds_volume_faces(int elem_type, const signed char (**faces)[4]) {
  switch (elem_type) {
    case DS_TETRA4: case DS_TETRA10: *faces = Tet_faces; return 4;
    case DS_PYRAMID5: case DS_PYRAMID13: *faces = Pyramid_faces; return 5;
    case DS_PENTA6: case DS_PENTA15: *faces = Wedge_faces; return 5;
    case DS_HEXA8: case DS_HEXA20: *faces = Hex_faces; return 6;
    default: *faces = nullptr; return 0;
  }
}

// Scratch arrays of the grouping: model storage, left unzeroed where they
// are about to be filled.
template <class T>
struct Scratch_alloc : Ds_alloc<T> {
  template <class U>
  struct rebind {
    using other = Scratch_alloc<U>;
  };
  Scratch_alloc() = default;
  template <class U>
  Scratch_alloc(const Scratch_alloc<U> &) {}
  template <class U>
  void construct(U *p) noexcept {
    ::new ((void *)p) U;
  }
  template <class U, class... Args>
  void construct(U *p, Args &&...args) {
    ::new ((void *)p) U(std::forward<Args>(args)...);
  }
};
using Scratch = std::vector<int64_t, Scratch_alloc<int64_t>>;

// An item of a node's group with the key that tells equal ones apart.
template <class Key>
struct Keyed {
  Key key;
  int64_t item;
  bool operator<(const Keyed &o) const { return key != o.key ? key < o.key : item < o.item; }
};

// Groups items under a node and visits, within each group, the runs of
// items with equal keys. for_each(emit) must call emit(node, item) for every
// item, the same way both times it is called; key_of(node, item) gives an
// item's key; on_run(node, run, count) sees a run in rising item order.
template <class Key, class ForEach, class KeyOf, class OnRun>
static void group_runs(int nodes, ForEach for_each, KeyOf key_of, OnRun on_run) {
  Scratch start(nodes + 2, 0), items;
  int64_t *s = start.data();
  for_each([s](int node, int64_t) { s[node + 2]++; });
  for (int k = 2; k < nodes + 2; k++) s[k] += s[k - 1];
  items.resize(s[nodes + 1]);
  int64_t *it = items.data();
  for_each([s, it](int node, int64_t item) { it[s[node + 1]++] = item; });
  // Now the items of node k are items[start[k]] .. items[start[k+1]-1].
  std::vector<Keyed<Key>> group;
  for (int node = 0; node < nodes; node++) {
    group.clear();
    for (int64_t i = s[node]; i < s[node + 1]; i++) group.push_back({key_of(node, it[i]), it[i]});
    std::sort(group.begin(), group.end());
    for (size_t a = 0; a < group.size();) {
      size_t b = a + 1;
      while (b < group.size() && group[b].key == group[a].key) b++;
      on_run(node, &group[a], b - a);
      a = b;
    }
  }
}

// A face's nodes, how many (3 or 4), for element e's local face f.
static int face_nodes(const Ds_part_rec &p, int e, int f, int out[4]) {
  const signed char(*faces)[4];
  ds_volume_faces(p.elem_type[e], &faces);
  const int *c = p.elem_conn.data() + p.elem_off[e];
  int n = faces[f][3] < 0 ? 3 : 4;
  for (int i = 0; i < n; i++) out[i] = c[faces[f][i]];
  return n;
}

// Insertion sort of a face's three or four nodes.
static void sort_few(int *v, int n) {
  for (int i = 1; i < n; i++)
    for (int j = i; j > 0 && v[j] < v[j - 1]; j--) std::swap(v[j], v[j - 1]);
}

void volume_faces(const Ds_part_rec &p, bool border_only, Ds_rep_rec *out) {
  int elems = (int)p.elem_type.size();
  auto for_each = [&p, elems](auto emit) {
    for (int e = 0; e < elems; e++) {
      const signed char(*faces)[4];
      int nf = ds_volume_faces(p.elem_type[e], &faces);
      for (int f = 0; f < nf; f++) {
        int v[4];
        int n = face_nodes(p, e, f, v);
        emit(*std::min_element(v, v + n), (int64_t)e << 3 | f);
      }
    }
  };
  // The key of a face: its nodes but the lowest, rising; -1 after a triangle's.
  auto key_of = [&p](int, int64_t item) {
    int v[4];
    int n = face_nodes(p, (int)(item >> 3), (int)(item & 7), v);
    sort_few(v, n);
    return std::array<int, 3>{v[1], v[2], n == 4 ? v[3] : -1};
  };
  auto on_run = [&p, border_only, out](int, const Keyed<std::array<int, 3>> *run, size_t count) {
    if (border_only && count != 1) return;
    int v[4];
    int n = face_nodes(p, (int)(run[0].item >> 3), (int)(run[0].item & 7), v);
    rep_add(out, v, n);
  };
  group_runs<std::array<int, 3>>(ds_node_count(p), for_each, key_of, on_run);
}

// Node number of (i, j, k) in a block, I fastest.
static inline int block_node(const Ds_part_rec &p, int i, int j, int k) {
  return i + p.ijk[0] * (j + p.ijk[1] * k);
}

// The eight corners of cell (i, j, k), in the hexahedron's order.
static void block_hex(const Ds_part_rec &p, int i, int j, int k, int v[8]) {
  v[0] = block_node(p, i, j, k);
  v[1] = block_node(p, i + 1, j, k);
  v[2] = block_node(p, i + 1, j + 1, k);
  v[3] = block_node(p, i, j + 1, k);
  int layer = p.ijk[0] * p.ijk[1];
  for (int c = 0; c < 4; c++) v[c + 4] = v[c] + layer;
}

static bool cell_blanked(const Ds_part_rec &p, const int *v, int n) {
  if (p.iblank.empty()) return false;
  for (int c = 0; c < n; c++)
    if (p.iblank[v[c]] == 0) return true;
  return false;
}

// +1 when the block's cells are right-handed (I x J along +K), -1 when
// left-handed; taken from the first cell with a non-zero volume.
static int block_handedness(const Ds_part_rec &p) {
  for (int k = 0; k + 1 < p.ijk[2]; k++)
    for (int j = 0; j + 1 < p.ijk[1]; j++)
      for (int i = 0; i + 1 < p.ijk[0]; i++) {
        int v[8];
        block_hex(p, i, j, k, v);
        double a[3], b[3], c[3];
        const Ds_floats *xyz[3] = {&p.x, &p.y, &p.z};
        for (int d = 0; d < 3; d++) {
          a[d] = (*xyz[d])[v[1]] - (*xyz[d])[v[0]];
          b[d] = (*xyz[d])[v[3]] - (*xyz[d])[v[0]];
          c[d] = (*xyz[d])[v[4]] - (*xyz[d])[v[0]];
        }
        double vol = c[0] * (a[1] * b[2] - a[2] * b[1]) + c[1] * (a[2] * b[0] - a[0] * b[2]) +
                     c[2] * (a[0] * b[1] - a[1] * b[0]);
        if (vol != 0) return vol > 0 ? 1 : -1;
      }
  return 1;
}

// Appends hexahedron face f of cell (i, j, k), reversed for a left-handed block.
static void add_cell_face(const Ds_part_rec &p, const int cell[3], int f, int hand,
                          Ds_rep_rec *out) {
  int v[8], q[4];
  block_hex(p, cell[0], cell[1], cell[2], v);
  for (int c = 0; c < 4; c++) q[c] = v[Hex_faces[f][hand > 0 ? c : 3 - c]];
  rep_add(out, q, 4);
}

// Hexahedron faces facing the low and the high end of each axis.
static const int Low_face[3] = {5, 2, 0};
static const int High_face[3] = {3, 4, 1};

void block_faces(const Ds_part_rec &p, bool border_only, Ds_rep_rec *out) {
  const int n[3] = {p.ijk[0], p.ijk[1], p.ijk[2]};
  int hand = block_handedness(p);
  auto kept = [&p](const int cell[3]) {
    int v[8];
    block_hex(p, cell[0], cell[1], cell[2], v);
    return !cell_blanked(p, v, 8);
  };
  // Walks the planes of faces normal to axis a: the plane at index l lies
  // between cell layers l-1 and l. A border walk visits only l = 0 and the last.
  for (int a = 0; a < 3; a++) {
    int b = (a + 1) % 3, c = (a + 2) % 3;
    for (int l = 0; l < n[a]; l += (border_only && l == 0) ? std::max(1, n[a] - 1) : 1) {
      for (int jc = 0; jc + 1 < n[c]; jc++)
        for (int jb = 0; jb + 1 < n[b]; jb++) {
          int above[3], below[3];
          above[a] = l;
          below[a] = l - 1;
          above[b] = below[b] = jb;
          above[c] = below[c] = jc;
          // A face shared by two kept cells is given as the lower cell has it.
          if (l > 0 && kept(below))
            add_cell_face(p, below, High_face[a], hand, out);
          else if (l + 1 < n[a] && kept(above))
            add_cell_face(p, above, Low_face[a], hand, out);
        }
    }
  }
}

void block_cells(const Ds_part_rec &p, Ds_rep_rec *out) {
  int axes[3], d = 0;
  for (int a = 0; a < 3; a++)
    if (p.ijk[a] > 1) axes[d++] = a;
  if (d == 0) {
    if (ds_node_count(p) > 0) {
      int v = 0;
      rep_add(out, &v, 1);
    }
    return;
  }
  // Steps in node numbers along each axis.
  const int step[3] = {1, p.ijk[0], p.ijk[0] * p.ijk[1]};
  int sa = step[axes[0]];
  if (d == 1) {
    for (int i = 0; i + 1 < p.ijk[axes[0]]; i++) {
      int v[2] = {i * sa, (i + 1) * sa};
      if (!cell_blanked(p, v, 2)) rep_add(out, v, 2);
    }
    return;
  }
  int sb = step[axes[1]];
  for (int j = 0; j + 1 < p.ijk[axes[1]]; j++)
    for (int i = 0; i + 1 < p.ijk[axes[0]]; i++) {
      int base = i * sa + j * sb;
      int v[4] = {base, base + sa, base + sa + sb, base + sb};
      if (!cell_blanked(p, v, 4)) rep_add(out, v, 4);
    }
}

// Unit normal of a polygon (Newell's method); zero when degenerate.
static void polygon_normal(const Ds_part_rec &p, const int *v, int n, float out[3]) {
  double nx = 0, ny = 0, nz = 0;
  for (int i = 0; i < n; i++) {
    int a = v[i], b = v[(i + 1) % n];
    nx += ((double)p.y[a] - p.y[b]) * ((double)p.z[a] + p.z[b]);
    ny += ((double)p.z[a] - p.z[b]) * ((double)p.x[a] + p.x[b]);
    nz += ((double)p.x[a] - p.x[b]) * ((double)p.y[a] + p.y[b]);
  }
  double len = std::sqrt(nx * nx + ny * ny + nz * nz);
  if (len == 0) len = 1, nx = ny = nz = 0;
  out[0] = (float)(nx / len);
  out[1] = (float)(ny / len);
  out[2] = (float)(nz / len);
}

void surface_edges(const Ds_part_rec &p, const Ds_rep_rec &surf, bool feature, float angle,
                   Ds_rep_rec *out) {
  int polys = surf.elements();
  const int *off = surf.offsets.data(), *conn = surf.conn.data();
  // An edge is (polygon << 32 | position of its first node in conn); it
  // runs to the polygon's next node.
  auto next_of = [off](int poly, int g) { return g + 1 < off[poly + 1] ? g + 1 : off[poly]; };
  auto for_each = [&](auto emit) {
    for (int poly = 0; poly < polys; poly++)
      for (int g = off[poly]; g < off[poly + 1]; g++) {
        int a = conn[g], b = conn[next_of(poly, g)];
        if (a != b) emit(std::min(a, b), (int64_t)poly << 32 | (uint32_t)g);
      }
  };
  std::vector<float> normals;
  if (feature) {
    normals.resize(3 * (size_t)polys);
    for (int poly = 0; poly < polys; poly++)
      polygon_normal(p, conn + off[poly], off[poly + 1] - off[poly], &normals[3 * (size_t)poly]);
  }
  double cos_limit = std::cos(angle * M_PI / 180.0);

  // The key of an edge: its other node.
  auto key_of = [conn, &next_of](int node, int64_t item) {
    int poly = (int)(item >> 32), g = (int)(uint32_t)item;
    int a = conn[g], b = conn[next_of(poly, g)];
    return a == node ? b : a;
  };
  auto on_run = [&](int node, const Keyed<int> *run, size_t count) {
    bool keep = count == 1 || (feature && count > 2);
    if (feature && count == 2) {
      int p1 = (int)(run[0].item >> 32), p2 = (int)(run[1].item >> 32);
      // Polygons that run along the shared edge the same way disagree
      // in orientation: one normal is turned round before comparing.
      bool fwd1 = conn[(uint32_t)run[0].item] == node;
      bool fwd2 = conn[(uint32_t)run[1].item] == node;
      const float *n1 = &normals[3 * (size_t)p1], *n2 = &normals[3 * (size_t)p2];
      double dot = (double)n1[0] * n2[0] + (double)n1[1] * n2[1] + (double)n1[2] * n2[2];
      if (fwd1 == fwd2) dot = -dot;
      bool degenerate = (n1[0] == 0 && n1[1] == 0 && n1[2] == 0) || (n2[0] == 0 && n2[1] == 0 && n2[2] == 0);
      keep = !degenerate && dot < cos_limit;
    }
    if (keep) {
      int poly = (int)(run[0].item >> 32), g = (int)(uint32_t)run[0].item;
      int v[2] = {conn[g], conn[next_of(poly, g)]};
      rep_add(out, v, 2);
    }
  };
  group_runs<int>(ds_node_count(p), for_each, key_of, on_run);
}
