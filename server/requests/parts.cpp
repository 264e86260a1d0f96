// Requests about the parts the server holds, answered from the case model
// (Srv_case): the parts of a dataset loaded at start-up (-data), and later
// those made by the loaders' requests.  Part numbers are the model's own.
//
//   "part info"       -> int n; n times: int part number, string name (no NUL)
//   "minm"            <- int part; -> int status (0 held), then int node
//                        count and float xmin, xmax, ymin, ymax, zmin, zmax
//   "minm_many"       <- int n, int array of n parts; -> int arrays status,
//                        node count; float arrays xmin .. zmax (n each)
//   "loadp_many"      <- int m, int arrays parts, representations,
//                        displacement variables, float arrays displacement
//                        factors, feature angles (m each);
//                     -> int arrays status, representation (as received),
//                        node count N, element count E, connectivity length
//                        L, structured flag (m each); for every part sent
//                        with N > 0: x, y, z, each one float array of N
//                        values; then for each such part one block (int 1,
//                        int array of E element starts, int array of L
//                        1-based node numbers) when E > 0, and int 0
//   "delete feature"  <- int part; no reply.  The part's feature-angle
//                        edges are dropped, to be computed again
//   "shrink"          <- int part, int representation;
//                     -> int status (0: nothing follows), int n, n x 3
//                        floats: the centroid of each element of that
//                        representation (at the feature angle the part was
//                        last loaded with)
//   "max_file_size"   -> float, free space of the working directory in MB
//   "velocity offset" -> float, a thousandth of the model's box diagonal
//
// A part the server does not hold gets a non-zero status.  Coordinates go
// back undisplaced (the displacement is the client's), each array in one
// write.
#include <sys/statvfs.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "client/ccp.h"
#include "compute/compute.h"
#include "compute/faces.h"
#include "requests/requests.h"
#include "server.h"

static const int SRV_MAX_LIST = 5000;  // parts one request may name
static const int PART_NOT_HELD = 1;     // status of a part the server does not hold

namespace {
Ds_part_rec *derived_part(int number);
}
static const Ds_rep_rec *without_shared_borders(int number, Ds_part_rec *p, const Ds_rep_rec *rep);

Ds_part_rec *held_part(int number) {
  if (Ds_part_rec *d = derived_part(number)) return d;
  for (Ds_part_rec &p : Srv_made_parts)
    if (p.number == number) return &p;
  for (Ds_part_rec &p : Srv_case.parts)
    if (p.number == number) return &p;
  return nullptr;
}

// A count the client announced, refused when no list can be that long.
static bool list_count_ok(int n, const char *request) {
  if (n >= 0 && n <= SRV_MAX_LIST) return true;
  srv_log("%s: refused count %d", request, n);
  return false;
}

// The values of a list, as "1 2 3" for the log.
template <typename T>
static std::string listed(const std::vector<T> &v) {
  std::string s;
  for (const T &x : v) {
    if (!s.empty()) s += ' ';
    s += std::is_floating_point<T>::value ? std::to_string((double)x) : std::to_string(x);
  }
  return s;
}

// Reads an array of exactly n values through ccrinn or ccrfln.
template <typename T>
static bool read_exact(int ch, std::vector<T> *out, int n, int (*recv)(int, int, T *, int, int *)) {
  out->assign(n > 0 ? n : 1, T());
  int got = 0;
  if (recv(ch, 1, out->data(), n, &got) != 0 || got != n) return false;
  out->resize(n);
  return true;
}

static bool read_ints(int ch, std::vector<int> *out, int n) { return read_exact(ch, out, n, ccrinn); }
static bool read_floats(int ch, std::vector<float> *out, int n) {
  return read_exact(ch, out, n, ccrfln);
}

int srv_part_info(int ch) {
  srv_log("part info -> %zu parts", Srv_case.parts.size());
  if (ccsint(ch, (int)Srv_case.parts.size()) != 0) return -1;
  for (const Ds_part_rec &p : Srv_case.parts) {
    std::string name = p.name.substr(0, DS_PART_NAME_MAX);
    if (ccsint(ch, p.number) != 0 || ccsstr(ch, name.c_str(), (int)name.size()) != 0) return -1;
  }
  return 0;
}

int srv_minm(int ch) {
  int number = 0;
  if (ccrint(ch, 1, &number) != 0) return -1;
  const Ds_part_rec *p = held_part(number);
  srv_log("minm %d -> %s", number, p ? "held" : "not held");
  if (!p) return ccsint(ch, PART_NOT_HELD) == 0 ? 0 : -1;
  float e[6];
  ds_extents(*p, e);
  if (ccsint(ch, 0) != 0 || ccsint(ch, ds_node_count(*p)) != 0) return -1;
  for (float v : e)
    if (ccsflt(ch, v) != 0) return -1;
  return 0;
}

int srv_minm_many(int ch) {
  int n = 0;
  std::vector<int> numbers;
  if (ccrint(ch, 1, &n) != 0 || !list_count_ok(n, "minm_many") || !read_ints(ch, &numbers, n))
    return -1;
  srv_log("minm_many %d: %s", n, listed(numbers).c_str());
  std::vector<int> status(n, PART_NOT_HELD), nodes(n, 0);
  std::vector<std::vector<float>> ext(6, std::vector<float>(n, 0.0f));
  for (int j = 0; j < n; j++) {
    const Ds_part_rec *p = held_part(numbers[j]);
    if (!p) continue;
    float e[6];
    ds_extents(*p, e);
    status[j] = 0;
    nodes[j] = ds_node_count(*p);
    for (int k = 0; k < 6; k++) ext[k][j] = e[k];
  }
  if (ccsinn(ch, status.data(), n) != 0 || ccsinn(ch, nodes.data(), n) != 0) return -1;
  for (const auto &v : ext)
    if (ccsfln(ch, v.data(), n) != 0) return -1;
  return 0;
}

namespace {

// What goes back for one part of a "loadp_many" request.
struct Sent {
  const Ds_part_rec *part = nullptr;
  const Ds_rep_rec *rep = nullptr;
  int status = PART_NOT_HELD;
  int nodes = 0, elems = 0, conn = 0;
};

}  // namespace

static int send_coords(int ch, const Sent &s) {
  bool own = !s.rep->x.empty();
  const float *xyz[3] = {own ? s.rep->x.data() : s.part->x.data(),
                         own ? s.rep->y.data() : s.part->y.data(),
                         own ? s.rep->z.data() : s.part->z.data()};
  for (const float *v : xyz)
    if (ccsfln(ch, v, s.nodes) != 0) return -1;
  return 0;
}

static int send_connectivity(int ch, const Sent &s) {
  if (s.elems > 0) {
    std::vector<int> one_based(s.rep->conn.begin(), s.rep->conn.end());
    for (int &v : one_based) v += 1;
    if (ccsint(ch, 1) != 0 || ccsinn(ch, s.rep->offsets.data(), s.elems) != 0 ||
        ccsinn(ch, one_based.data(), s.conn) != 0)
      return -1;
  }
  return ccsint(ch, 0) == 0 ? 0 : -1;
}

// The feature angle each part was last loaded with.
static std::map<int, float> Last_angle;

int srv_loadp_many(int ch) {
  int m = 0;
  std::vector<int> numbers, reps, disps;
  std::vector<float> factors, angles;
  if (ccrint(ch, 1, &m) != 0 || !list_count_ok(m, "loadp_many") || !read_ints(ch, &numbers, m) ||
      !read_ints(ch, &reps, m) || !read_ints(ch, &disps, m) || !read_floats(ch, &factors, m) ||
      !read_floats(ch, &angles, m))
    return -1;
  srv_log("loadp_many %d: parts %s reps %s displace %s factors %s angles %s", m,
          listed(numbers).c_str(), listed(reps).c_str(), listed(disps).c_str(),
          listed(factors).c_str(), listed(angles).c_str());
  std::vector<Sent> sent(m);
  std::vector<int> status(m), nodes(m), elems(m), conn(m), structured(m);
  for (int j = 0; j < m; j++) {
    Sent &s = sent[j];
    Ds_part_rec *p = held_part(numbers[j]);
    if (p) Last_angle[numbers[j]] = angles[j];
    s.rep = p ? without_shared_borders(numbers[j], p, ds_rep(p, reps[j], angles[j])) : nullptr;
    if (s.rep) {
      s.part = p;
      s.status = 0;
      s.nodes = s.rep->x.empty() ? ds_node_count(*p) : (int)s.rep->x.size();
      s.elems = s.rep->elements();
      s.conn = (int)s.rep->conn.size();
      structured[j] = p->structured;
    }
    status[j] = s.status;
    nodes[j] = s.nodes;
    elems[j] = s.elems;
    conn[j] = s.conn;
  }
  if (ccsinn(ch, status.data(), m) != 0 || ccsinn(ch, reps.data(), m) != 0 ||
      ccsinn(ch, nodes.data(), m) != 0 || ccsinn(ch, elems.data(), m) != 0 ||
      ccsinn(ch, conn.data(), m) != 0 || ccsinn(ch, structured.data(), m) != 0)
    return -1;
  for (const Sent &s : sent)
    if (s.status == 0 && s.nodes > 0 && send_coords(ch, s) != 0) return -1;
  for (const Sent &s : sent)
    if (s.status == 0 && s.nodes > 0 && send_connectivity(ch, s) != 0) return -1;
  return 0;
}

int srv_max_file_size(int ch) {
  struct statvfs st;
  float mb = 0.0f;
  if (statvfs(".", &st) == 0) mb = (float)((double)st.f_bavail * (double)st.f_frsize / 1048576.0);
  srv_log("max_file_size -> %.1f", mb);
  return ccsflt(ch, mb) == 0 ? 0 : -1;
}

int srv_velocity_offset(int ch) {
  float lo[3] = {0, 0, 0}, hi[3] = {0, 0, 0};
  bool any = false;
  for (const Ds_part_rec &p : Srv_case.parts) {
    if (ds_node_count(p) == 0) continue;
    float e[6];
    ds_extents(p, e);
    for (int d = 0; d < 3; d++) {
      if (!any || e[2 * d] < lo[d]) lo[d] = e[2 * d];
      if (!any || e[2 * d + 1] > hi[d]) hi[d] = e[2 * d + 1];
    }
    any = true;
  }
  float offset = 0.0f;
  if (any) {
    double dx = hi[0] - lo[0], dy = hi[1] - lo[1], dz = hi[2] - lo[2];
    offset = (float)(std::sqrt(dx * dx + dy * dy + dz * dz) / 1000.0);
  }
  srv_log("velocity offset -> %g", offset);
  return ccsflt(ch, offset) == 0 ? 0 : -1;
}

int srv_delete_feature(int ch) {
  int number = 0;
  if (ccrint(ch, 1, &number) != 0) return -1;
  Ds_part_rec *p = held_part(number);
  srv_log("delete feature %d%s", number, p ? "" : " (not held)");
  if (p)
    p->reps.erase(std::remove_if(p->reps.begin(), p->reps.end(),
                                 [](const std::unique_ptr<Ds_rep_rec> &r) {
                                   return r->kind == DS_REP_FEATURE_ANGLE;
                                 }),
                  p->reps.end());
  return 0;
}

int srv_shrink(int ch) {
  int number = 0, kind = 0;
  if (ccrint(ch, 1, &number) != 0 || ccrint(ch, 1, &kind) != 0) return -1;
  Ds_part_rec *p = held_part(number);
  auto angle = Last_angle.find(number);
  const Ds_rep_rec *rep =
      p ? ds_rep(p, kind, angle == Last_angle.end() ? 0.0f : angle->second) : nullptr;
  int n = rep ? rep->elements() : 0;
  srv_log("shrink %d rep %d -> %d points", number, kind, n);
  if (!rep) return ccsint(ch, 0) == 0 ? 0 : -1;
  const bool own = !rep->x.empty();
  const float *x = own ? rep->x.data() : p->x.data(), *y = own ? rep->y.data() : p->y.data(),
              *z = own ? rep->z.data() : p->z.data();
  std::vector<float> centres(3 * (size_t)n, 0.0f);
  for (int e = 0; e < n; e++) {
    int from = rep->offsets[e], to = rep->offsets[e + 1];
    for (int k = from; k < to; k++) {
      int node = rep->conn[k];
      centres[3 * e] += x[node];
      centres[3 * e + 1] += y[node];
      centres[3 * e + 2] += z[node];
    }
    if (to > from)
      for (int c = 0; c < 3; c++) centres[3 * e + c] /= (float)(to - from);
  }
  if (ccsint(ch, 1) != 0 || ccsint(ch, n) != 0) return -1;
  if (n > 0 && ccsfl2_s3(ch, centres.data(), n, 3) != 0) return -1;
  return 0;
}

// ---- part deletion ----------------------------------------------------------------
//
//   "delete"          <- int part; no reply.  The part is dropped from the
//                        model; a number the server does not hold is ignored.
int srv_delete(int ch) {
  int number = 0;
  if (ccrint(ch, 1, &number) != 0) return -1;
  bool held = false;
  for (auto *list : {&Srv_made_parts, &Srv_case.parts}) {
    auto at = std::find_if(list->begin(), list->end(),
                           [number](const Ds_part_rec &p) { return p.number == number; });
    if (at != list->end()) {
      list->erase(at);
      held = true;
      break;
    }
  }
  Last_angle.erase(number);
  srv_log("delete %d%s", number, held ? "" : " (not held)");
  return 0;
}

// ---- parts made from other parts --------------------------------------------
//
//   "extract part" <- int n, int array of n source parts, int number; when
//                     number is a part the server does not hold (create):
//                     int array of n representations -> int status (1
//                     built).  When it is held (rebuild): -> int status.
//                     The part holds the sources' elements as each source
//                     is represented (a rebuild keeps each remaining
//                     source's representation)
//   "bnd part"     <- int n, int array of n structured parts, int kind (an
//                     index into the "get bnd list" names), int number;
//                     -> int status (1 built): the border faces of the
//                     parents' cells whose nodes all carry that iblank value
//   "periodicity"  <- int frame, int N, int kind (0 mirror, 1 rotational,
//                     2 translational), int m, int array of m base parts;
//                     with N 1 nothing more (the bases' instances are
//                     forgotten).  Else floats dx dy dz angle, origin x y z;
//                     float arrays x, y, z axis (3 each); int array of 7
//                     mirror indexes; then per base: <- int u, int array of
//                     u instance numbers; -> int status (0), u ints (0 new,
//                     1 recomputed).  Instance k (2..N) is the base rotated
//                     about the frame's z axis through its origin by
//                     (k-1) x angle, translated by (k-1) x delta (along the
//                     frame's axes), or mirrored by the (k-1)-th listed
//                     index (0 x, 1 y, 2 z, 3 xy, 4 yz, 5 xz, 6 xyz: the
//                     frame coordinates negated)
//   "remove_boundary_for_group" <- int array of parts, int representation,
//                     float feature angle; no reply.  Border faces (and
//                     edges) that coincide between parts of the set leave
//                     their border representations; a set of one part
//                     gets its whole border back
//   "check match"  <- string file, int type, floats dx dy dz angle;
//                     -> ints a (not opened), b (not read), c (bad header),
//                     d (another type), int the file's type, floats dx dy
//                     dz angle (the file's, or those given when unread).
//                     File format in server/README.md

namespace {

// How a part made from other parts was built, to rebuild it.
struct Derived_rec {
  int number = 0;
  std::vector<int> sources;
  std::vector<int> reps;  // one per source
  int base = 0;           // periodic instance: its base part, else 0
};

std::vector<Ds_part_rec> Derived_parts;    // extract, merge, iblank and instance parts
std::vector<Derived_rec> Derived_how;      // parallel to Derived_parts
std::map<int, std::vector<long long>> Shared_keys;  // per part: keys of faces left out
std::map<int, std::unique_ptr<Ds_rep_rec>> Trimmed;  // per part: its last trimmed border

Ds_part_rec *derived_part(int number) {
  for (Ds_part_rec &p : Derived_parts)
    if (p.number == number) return &p;
  return nullptr;
}

void keep_derived(Ds_part_rec part, const Derived_rec &how) {
  for (size_t i = 0; i < Derived_parts.size(); i++)
    if (Derived_parts[i].number == part.number) {
      part.generation = Derived_parts[i].generation + 1;
      Derived_parts[i] = std::move(part);
      Derived_how[i] = how;
      return;
    }
  Derived_parts.push_back(std::move(part));
  Derived_how.push_back(how);
}

Ds_elem_type type_of_corners(int n) {
  static const Ds_elem_type by_count[] = {DS_POINT, DS_POINT, DS_BAR2, DS_TRIA3, DS_QUAD4};
  return n <= 4 ? by_count[n] : DS_NSIDED;
}

// Appends elements (lists of the part's node numbers, or of own nodes
// x, y, z) to out, taking the nodes they use and those nodes' values.
void append_elements(Ds_part_rec *out, const Ds_part_rec &src, const Ds_rep_rec &rep) {
  const bool own = !rep.x.empty();
  std::map<int, int> node_of;
  for (int e = 0; e < rep.elements(); e++) {
    for (int k = rep.offsets[e]; k < rep.offsets[e + 1]; k++) {
      int v = rep.conn[k];
      auto it = node_of.find(v);
      if (it == node_of.end()) {
        it = node_of.emplace(v, (int)out->x.size()).first;
        out->x.push_back(own ? rep.x[v] : src.x[v]);
        out->y.push_back(own ? rep.y[v] : src.y[v]);
        out->z.push_back(own ? rep.z[v] : src.z[v]);
      }
      out->elem_conn.push_back(it->second);
    }
    out->elem_type.push_back(type_of_corners(rep.offsets[e + 1] - rep.offsets[e]));
    out->elem_off.push_back((int)out->elem_conn.size());
  }
}

// Builds part number from the sources as represented; false when a source
// is not held.
bool build_extract(int number, const std::vector<int> &sources, const std::vector<int> &reps,
                   Ds_part_rec *out) {
  out->number = number;
  out->elem_off.assign(1, 0);
  for (size_t j = 0; j < sources.size(); j++) {
    Ds_part_rec *p = held_part(sources[j]);
    if (!p) return false;
    auto angle = Last_angle.find(sources[j]);
    const Ds_rep_rec *rep = ds_rep(p, reps[j], angle == Last_angle.end() ? 0.0f : angle->second);
    if (rep) append_elements(out, *p, *rep);
  }
  return true;
}

// The server's iblank kind names in order: the distinct iblank values.
std::vector<int> iblank_values() {
  std::set<int> values;
  for (const Ds_part_rec &p : Srv_case.parts)
    for (int v : p.iblank) values.insert(v);
  return std::vector<int>(values.begin(), values.end());
}

// The cells of a structured block whose nodes all carry value, as
// hexahedra (3-D) or quadrilaterals and bars (2-D, 1-D) of a part over the
// block's nodes.
void cells_with_value(const Ds_part_rec &p, int value, Ds_part_rec *out) {
  const int ni = std::max(1, p.ijk[0]), nj = std::max(1, p.ijk[1]), nk = std::max(1, p.ijk[2]);
  auto at = [&](int i, int j, int k) { return i + ni * (j + nj * k); };
  auto carries = [&](int node) {
    return (size_t)node < p.iblank.size() ? p.iblank[node] == value : value == 1;
  };
  out->x = p.x;
  out->y = p.y;
  out->z = p.z;
  out->elem_off.assign(1, 0);
  const int di = ni > 1, dj = nj > 1, dk = nk > 1;
  for (int k = 0; k + dk < nk; k++)
    for (int j = 0; j + dj < nj; j++)
      for (int i = 0; i + di < ni; i++) {
        std::vector<int> v;
        if (dk && dj && di)
          v = {at(i, j, k),         at(i + 1, j, k),         at(i + 1, j + 1, k),
               at(i, j + 1, k),     at(i, j, k + 1),         at(i + 1, j, k + 1),
               at(i + 1, j + 1, k + 1), at(i, j + 1, k + 1)};
        else {
          int a[2][3] = {{0, 0, 0}, {0, 0, 0}}, d = 0;
          if (di) a[d++][0] = 1;
          if (dj) a[d++][1] = 1;
          if (dk && d < 2) a[d++][2] = 1;
          if (d == 2)
            v = {at(i, j, k), at(i + a[0][0], j + a[0][1], k + a[0][2]),
                 at(i + a[0][0] + a[1][0], j + a[0][1] + a[1][1], k + a[0][2] + a[1][2]),
                 at(i + a[1][0], j + a[1][1], k + a[1][2])};
          else if (d == 1)
            v = {at(i, j, k), at(i + a[0][0], j + a[0][1], k + a[0][2])};
          else
            v = {at(i, j, k)};
        }
        bool all = true;
        for (int n : v) all = all && carries(n);
        if (!all) continue;
        out->elem_type.push_back(v.size() == 8 ? DS_HEXA8 : type_of_corners((int)v.size()));
        out->elem_conn.insert(out->elem_conn.end(), v.begin(), v.end());
        out->elem_off.push_back((int)out->elem_conn.size());
      }
}

struct Symmetry_rec {
  int kind = 0;
  float delta[3] = {0, 0, 0}, angle = 0, origin[3] = {0, 0, 0};
  float axis[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  int mirror[7] = {0, 0, 0, 0, 0, 0, 0};
};

// Moves every node of p to where instance k (2..) of the symmetry puts it.
void place_instance(Ds_part_rec *p, const Symmetry_rec &s, int k) {
  float ax[3][3];
  for (int a = 0; a < 3; a++) {
    double len = std::sqrt((double)s.axis[a][0] * s.axis[a][0] + s.axis[a][1] * s.axis[a][1] +
                           s.axis[a][2] * s.axis[a][2]);
    for (int c = 0; c < 3; c++) ax[a][c] = len > 0 ? (float)(s.axis[a][c] / len) : (a == c);
  }
  const double t = (double)(k - 1) * s.angle * M_PI / 180.0;
  const double ct = std::cos(t), st = std::sin(t);
  static const int Mirror_axes[7][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 1, 0},
                                        {0, 1, 1}, {1, 0, 1}, {1, 1, 1}};
  const int *flip = Mirror_axes[std::min(6, std::max(0, s.mirror[std::min(6, k - 2)]))];
  for (size_t n = 0; n < p->x.size(); n++) {
    double g[3] = {p->x[n] - s.origin[0], p->y[n] - s.origin[1], p->z[n] - s.origin[2]};
    double l[3];
    for (int a = 0; a < 3; a++) l[a] = g[0] * ax[a][0] + g[1] * ax[a][1] + g[2] * ax[a][2];
    if (s.kind == 1) {
      double u = l[0] * ct - l[1] * st, v = l[0] * st + l[1] * ct;
      l[0] = u;
      l[1] = v;
    } else if (s.kind == 2) {
      for (int a = 0; a < 3; a++) l[a] += (double)(k - 1) * s.delta[a];
    } else {
      for (int a = 0; a < 3; a++)
        if (flip[a]) l[a] = -l[a];
    }
    float *xyz[3] = {&p->x[n], &p->y[n], &p->z[n]};
    for (int c = 0; c < 3; c++)
      *xyz[c] = (float)(s.origin[c] + l[0] * ax[0][c] + l[1] * ax[1][c] + l[2] * ax[2][c]);
  }
}

void forget_instances_of(const std::vector<int> &bases) {
  for (size_t i = Derived_parts.size(); i-- > 0;)
    if (std::find(bases.begin(), bases.end(), Derived_how[i].base) != bases.end()) {
      Derived_parts.erase(Derived_parts.begin() + (long)i);
      Derived_how.erase(Derived_how.begin() + (long)i);
    }
}

// A face or edge as the sorted rounded coordinates of its nodes, hashed.
// The arithmetic is unsigned so that large coordinates wrap instead of
// overflowing.
long long shape_key(const float *x, const float *y, const float *z, const int *nodes, int n) {
  auto q = [](float v) { return (unsigned long long)std::llround((double)v * 1e4); };
  std::vector<unsigned long long> c;
  for (int k = 0; k < n; k++)
    c.push_back((q(x[nodes[k]]) * 1000003ULL + q(y[nodes[k]])) * 1000033ULL + q(z[nodes[k]]));
  std::sort(c.begin(), c.end());
  unsigned long long h = (unsigned long long)n;
  for (unsigned long long v : c) h = h * 0x100000001b3ULL ^ v;
  return (long long)h;
}

std::vector<long long> border_keys(Ds_part_rec *p, int kind, float angle) {
  std::vector<long long> keys;
  const Ds_rep_rec *rep = ds_rep(p, kind, angle);
  if (!rep) return keys;
  const bool own = !rep->x.empty();
  const float *x = own ? rep->x.data() : p->x.data(), *y = own ? rep->y.data() : p->y.data(),
              *z = own ? rep->z.data() : p->z.data();
  for (int e = 0; e < rep->elements(); e++)
    keys.push_back(shape_key(x, y, z, &rep->conn[rep->offsets[e]],
                             rep->offsets[e + 1] - rep->offsets[e]));
  return keys;
}

// Keeps a part built from sources (with their representations) when ok;
// the status reply: 1 built, 0 refused.
int keep_or_refuse(int ch, bool ok, Ds_part_rec made, const std::vector<int> &sources,
                   const std::vector<int> &reps) {
  if (ok) {
    Derived_rec how;
    how.number = made.number;
    how.sources = sources;
    how.reps = reps;
    keep_derived(std::move(made), how);
  }
  return ccsint(ch, ok ? 1 : 0) == 0 ? 0 : -1;
}

}  // namespace

// The representation to send for part number: rep itself, or for a border
// representation of a part with shared faces, a copy without them.
static const Ds_rep_rec *without_shared_borders(int number, Ds_part_rec *p, const Ds_rep_rec *rep) {
  auto it = Shared_keys.find(number);
  if (!rep || it == Shared_keys.end() || it->second.empty() ||
      (rep->kind != DS_REP_3D_BORDER_2D_FULL && rep->kind != DS_REP_BORDER))
    return rep;
  std::vector<long long> gone = it->second;
  std::sort(gone.begin(), gone.end());
  auto out = std::make_unique<Ds_rep_rec>();
  out->kind = rep->kind;
  out->angle = rep->angle;
  out->x = rep->x;
  out->y = rep->y;
  out->z = rep->z;
  out->offsets.assign(1, 0);
  const bool own = !rep->x.empty();
  const float *x = own ? rep->x.data() : p->x.data(), *y = own ? rep->y.data() : p->y.data(),
              *z = own ? rep->z.data() : p->z.data();
  for (int e = 0; e < rep->elements(); e++) {
    const int *nodes = &rep->conn[rep->offsets[e]];
    int n = rep->offsets[e + 1] - rep->offsets[e];
    if (std::binary_search(gone.begin(), gone.end(), shape_key(x, y, z, nodes, n))) continue;
    out->conn.insert(out->conn.end(), nodes, nodes + n);
    out->offsets.push_back((int)out->conn.size());
  }
  Trimmed[number] = std::move(out);
  return Trimmed[number].get();
}

int srv_extract_part(int ch) {
  int n = 0, number = 0;
  std::vector<int> sources, reps;
  if (ccrint(ch, 1, &n) != 0 || !list_count_ok(n, "extract part") ||
      !read_ints(ch, &sources, n) || ccrint(ch, 1, &number) != 0)
    return -1;
  const bool rebuild = held_part(number) != nullptr;
  if (!rebuild && !read_ints(ch, &reps, n)) return -1;
  if (rebuild) {
    // Each remaining source keeps the representation it was extracted in.
    const Derived_rec *old = nullptr;
    for (size_t i = 0; i < Derived_parts.size(); i++)
      if (Derived_parts[i].number == number) old = &Derived_how[i];
    for (int s : sources) {
      int rep = DS_REP_FULL;
      if (old)
        for (size_t j = 0; j < old->sources.size(); j++)
          if (old->sources[j] == s) rep = old->reps[j];
      reps.push_back(rep);
    }
  }
  Ds_part_rec made;
  bool ok = number > 0 && build_extract(number, sources, reps, &made);
  srv_log("extract part %s %d: parts %s reps %s -> %s", rebuild ? "rebuild" : "create", number,
          listed(sources).c_str(), listed(reps).c_str(),
          ok ? std::to_string(ds_elem_count(made)).c_str() : "refused");
  return keep_or_refuse(ch, ok, std::move(made), sources, reps);
}

int srv_bnd_part(int ch) {
  int n = 0, kind = 0, number = 0;
  std::vector<int> parents;
  if (ccrint(ch, 1, &n) != 0 || !list_count_ok(n, "bnd part") || !read_ints(ch, &parents, n) ||
      ccrint(ch, 1, &kind) != 0 || ccrint(ch, 1, &number) != 0)
    return -1;
  std::vector<int> values = iblank_values();
  // The new number must be free among the parts made for the client; the
  // model's own parts are numbered apart when the client builds its parts
  // from them (a PLOT3D zone 3 is not the client's part 3).
  bool taken = derived_part(number) != nullptr;
  for (const Ds_part_rec &p : Srv_made_parts) taken = taken || p.number == number;
  bool ok = kind >= 0 && kind < (int)values.size() && number > 0 && !taken;
  Ds_part_rec made;
  made.number = number;
  made.elem_off.assign(1, 0);
  for (int parent : parents) {
    // A part made from a range of a structured zone is taken as the block
    // it samples: its cells, not only the ones its domain kept.
    Ds_part_rec block;
    const Ds_part_rec *p = ok ? held_part(parent) : nullptr;
    if (p && !p->structured && srv_made_block(parent, &block) == 1) p = &block;
    if (!p || !p->structured) {
      ok = false;
      break;
    }
    Ds_part_rec cells;
    cells_with_value(*p, values[kind], &cells);
    Ds_rep_rec faces;
    faces.offsets.assign(1, 0);
    bool volume = !cells.elem_type.empty() && cells.elem_type[0] == DS_HEXA8;
    if (volume) {
      volume_faces(cells, true, &faces);
    } else {
      faces.conn = cells.elem_conn;
      faces.offsets = cells.elem_off;
    }
    append_elements(&made, cells, faces);
  }
  srv_log("bnd part %d: parts %s kind %d -> %s", number, listed(parents).c_str(), kind,
          ok ? std::to_string(ds_elem_count(made)).c_str() : "refused");
  return keep_or_refuse(ch, ok, std::move(made), parents, {});
}

int srv_periodicity(int ch) {
  int frame = 0, count = 0, m = 0;
  Symmetry_rec s;
  std::vector<int> bases;
  if (ccrint(ch, 1, &frame) != 0 || ccrint(ch, 1, &count) != 0 || ccrint(ch, 1, &s.kind) != 0 ||
      ccrint(ch, 1, &m) != 0 || !list_count_ok(m, "periodicity") || !read_ints(ch, &bases, m))
    return -1;
  srv_log("periodicity frame %d N %d kind %d bases %s", frame, count, s.kind,
          listed(bases).c_str());
  if (count <= 1) {
    forget_instances_of(bases);
    return 0;
  }
  float head[7];
  for (float &v : head)
    if (ccrflt(ch, 1, &v) != 0) return -1;
  std::vector<float> axis;
  for (int a = 0; a < 3; a++) {
    if (!read_floats(ch, &axis, 3)) return -1;
    for (int c = 0; c < 3; c++) s.axis[a][c] = axis[c];
  }
  std::vector<int> mirror;
  if (!read_ints(ch, &mirror, 7)) return -1;
  for (int k = 0; k < 7; k++) s.mirror[k] = mirror[k];
  for (int c = 0; c < 3; c++) {
    s.delta[c] = head[c];
    s.origin[c] = head[4 + c];
  }
  s.angle = head[3];
  srv_log("periodicity delta %g %g %g angle %g origin %g %g %g mirror %s", head[0], head[1],
          head[2], head[3], head[4], head[5], head[6], listed(mirror).c_str());
  for (int base : bases) {
    int u = 0;
    std::vector<int> numbers;
    if (ccrint(ch, 1, &u) != 0 || !list_count_ok(u, "periodicity") ||
        !read_ints(ch, &numbers, u))
      return -1;
    const Ds_part_rec *p = held_part(base);
    std::vector<int> flags(u, 2);
    for (int j = 0; p && j < u; j++) {
      Ds_part_rec *old = derived_part(numbers[j]);
      flags[j] = old ? 1 : 0;
      Ds_part_rec made = copy_held_part(*p, numbers[j], p->name);
      place_instance(&made, s, j + 2);
      Derived_rec how;
      how.number = numbers[j];
      how.base = base;
      keep_derived(std::move(made), how);
    }
    srv_log("periodicity base %d instances %s -> %s", base, listed(numbers).c_str(),
            listed(flags).c_str());
    if (ccsint(ch, p ? 0 : PART_NOT_HELD) != 0) return -1;
    for (int j = 0; p && j < u; j++)
      if (ccsint(ch, flags[j]) != 0) return -1;
    if (!p) return 0;
  }
  return 0;
}

int srv_remove_boundary_for_group(int ch) {
  int n = 0, kind = 0;
  float angle = 0;
  std::vector<int> set(SRV_MAX_LIST);
  if (ccrinn(ch, 1, set.data(), SRV_MAX_LIST, &n) != 0 || ccrint(ch, 1, &kind) != 0 ||
      ccrflt(ch, 1, &angle) != 0)
    return -1;
  set.resize((size_t)n);
  for (int number : set) Shared_keys.erase(number);
  std::vector<std::vector<long long>> keys;
  for (int number : set) {
    Ds_part_rec *p = held_part(number);
    keys.push_back(p ? border_keys(p, kind, angle) : std::vector<long long>());
    std::sort(keys.back().begin(), keys.back().end());
  }
  size_t removed = 0;
  for (size_t a = 0; a < set.size(); a++)
    for (size_t b = 0; b < set.size(); b++) {
      if (a == b) continue;
      for (long long k : keys[a])
        if (std::binary_search(keys[b].begin(), keys[b].end(), k)) {
          Shared_keys[set[a]].push_back(k);
          removed++;
        }
    }
  srv_log("remove_boundary_for_group %s rep %d angle %g -> %zu shared", listed(set).c_str(), kind,
          angle, removed);
  return 0;
}

int srv_check_match(int ch) {
  std::string name;
  int type = 0;
  float v[4];
  std::vector<char> buf(4096);
  int len = 0;
  if (ccrstr_keep(ch, 1, buf.data(), (int)buf.size(), &len) != 0 || ccrint(ch, 1, &type) != 0)
    return -1;
  name.assign(buf.data(), std::min(len, (int)buf.size()));
  for (float &f : v)
    if (ccrflt(ch, 1, &f) != 0) return -1;
  int a = 0, b = 0, c = 0, d = 0, file_type = type;
  FILE *f = fopen(name.c_str(), "r");
  if (!f) {
    a = 1;
  } else {
    char header[64] = "";
    float read_v[4];
    if (!fgets(header, sizeof header, f) || strncmp(header, "QUIVANE MATCH 1", 15) != 0)
      c = 1;
    else if (fscanf(f, "%d %f %f %f %f", &file_type, &read_v[0], &read_v[1], &read_v[2],
                    &read_v[3]) != 5)
      b = 1;
    else {
      d = file_type != type;
      for (int k = 0; k < 4; k++) v[k] = read_v[k];
    }
    if (b || c) file_type = type;
    fclose(f);
  }
  srv_log("check match %s type %d -> %d %d %d %d type %d", name.c_str(), type, a, b, c, d,
          file_type);
  if (ccsint(ch, a) != 0 || ccsint(ch, b) != 0 || ccsint(ch, c) != 0 || ccsint(ch, d) != 0 ||
      ccsint(ch, file_type) != 0)
    return -1;
  for (float x : v)
    if (ccsflt(ch, x) != 0) return -1;
  return 0;
}
