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
#include <map>
#include <string>
#include <type_traits>
#include <vector>

#include "client/ccp.h"
#include "compute/compute.h"
#include "requests/requests.h"
#include "server.h"

static const int SRV_MAX_LIST = 5000;  // parts one request may name
static const int PART_NOT_HELD = 1;     // status of a part the server does not hold

Ds_part_rec *held_part(int number) {
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
    s.rep = p ? ds_rep(p, reps[j], angles[j]) : nullptr;
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
