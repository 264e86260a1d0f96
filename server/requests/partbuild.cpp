// Requests with which the client's part builders have parts made from the
// parts the case's files offer (the ids of the part-build block: position
// in the model + 1). A made part is a real part of the model, held beside
// the offered ones under the client's number: an unstructured offer gives a
// copy of its part; a structured one the nodes of an IJK range with its
// steps and the cells of a domain (1 inside: no node blanked; 0 outside:
// some node blanked; any other value all).
//
//   "create quivane parts" <- n, kind, int array ids[n]; kind != 0: per id
//                             int array range[9], domain
//                          -> m, [int array numbers[m], int array ids[m]], status
//   "create userd parts"   as above -> m, [int array numbers[m]], status
//   "create plot3d part"   <- number, int array range[9], int 1 -> status
//                          <- int array {zone}, domain -> status
//   "create estet part"    <- number, int array range[9], domain -> 5
//   "create n3s part"      <- number, selector, n[, int array codes] -> 5
//   "stop n3s parts"       -> 0; "stop estet|plot3d|quivane|userd parts"
//   "update struct parts"  <- n, int array numbers, int array range[9] -> 1/0
//   "orig avail scalars"   -> n, n strings, status 0
//   "combine to vector"    <- int array positions[3], string -> 0 / 1
//   "finish vector combine"
#include <algorithm>
#include <string>
#include <vector>

#include "client/ccp.h"
#include "requests/requests.h"
#include "server.h"

std::vector<Ds_part_rec> Srv_made_parts;

namespace {

const int RANGE = 9;
const int NOT_MADE = 5;
const int NUMBER_LIMIT = 5000;
const int LIST_LIMIT = 5000;

struct Made_source {
  int number;          // client's part number
  int source;          // model position
  std::vector<int> r;  // range, empty for a whole part
  int domain;
};
std::vector<Made_source> Sources;  // how each made part was made, for updates

int recv_ints(int ch, std::vector<int> *out, int cap) {
  out->assign(cap > 0 ? cap : 1, 0);
  int n = 0;
  if (ccrinn_keep(ch, 1, out->data(), cap, &n) != 0) return -1;
  out->resize(n < cap ? n : cap);
  return n;
}

// Sampled node indices (0-based) of one axis: min, min + step, ... <= max.
std::vector<int> samples(int lo, int hi, int step) {
  std::vector<int> v;
  for (int i = lo; i <= hi; i += step) v.push_back(i - 1);
  return v;
}

bool range_ok(const Ds_part_rec &p, const std::vector<int> &r) {
  for (int a = 0; a < 3; a++) {
    int lo = r[a * 3], hi = r[a * 3 + 1], step = r[a * 3 + 2];
    if (step < 1 || lo < 1 || lo > hi || hi > p.ijk[a]) return false;
  }
  return true;
}

// The part of a structured block over a range and a domain.
Ds_part_rec cut_block(const Ds_case_rec &c, const Ds_part_rec &p, const std::vector<int> &r,
                      int domain, int number, const std::string &name) {
  Ds_part_rec out;
  out.number = number;
  out.name = name;
  std::vector<int> ax[3];
  for (int a = 0; a < 3; a++) ax[a] = samples(r[a * 3], r[a * 3 + 1], r[a * 3 + 2]);
  auto src = [&](int i, int j, int k) { return i + p.ijk[0] * (j + p.ijk[1] * k); };
  int ni = (int)ax[0].size(), nj = (int)ax[1].size(), nk = (int)ax[2].size();
  auto own = [&](int i, int j, int k) { return i + ni * (j + nj * k); };
  std::vector<int> node_src;
  for (int k = 0; k < nk; k++)
    for (int j = 0; j < nj; j++)
      for (int i = 0; i < ni; i++) node_src.push_back(src(ax[0][i], ax[1][j], ax[2][k]));
  for (int s : node_src) {
    out.x.push_back(p.x[s]);
    out.y.push_back(p.y[s]);
    out.z.push_back(p.z[s]);
  }
  int used[3], nused = 0;
  int counts[3] = {ni, nj, nk};
  for (int a = 0; a < 3; a++)
    if (counts[a] > 1) used[nused++] = a;
  static const unsigned char types[4] = {DS_POINT, DS_BAR2, DS_QUAD4, DS_HEXA8};
  std::vector<int> cell_src;
  out.elem_off.push_back(0);
  int lim[3] = {ni > 1 ? ni - 1 : 1, nj > 1 ? nj - 1 : 1, nk > 1 ? nk - 1 : 1};
  for (int k = 0; k < lim[2]; k++)
    for (int j = 0; j < lim[1]; j++)
      for (int i = 0; i < lim[0]; i++) {
        int base[3] = {i, j, k};
        std::vector<int> corners;
        int ncorner = 1 << nused;
        static const int order[8] = {0, 1, 3, 2, 4, 5, 7, 6};
        for (int q = 0; q < ncorner; q++) {
          int bits = nused >= 2 ? order[q] : q, at[3] = {base[0], base[1], base[2]};
          for (int u = 0; u < nused; u++)
            if (bits & (1 << u)) at[used[u]]++;
          corners.push_back(own(at[0], at[1], at[2]));
        }
        if (!p.iblank.empty() && domain != 2) {
          bool blanked = false;
          for (int n : corners) blanked = blanked || p.iblank[node_src[n]] == 0;
          if ((domain == 1 && blanked) || (domain == 0 && !blanked)) continue;
        }
        out.elem_type.push_back(types[nused]);
        for (int n : corners) out.elem_conn.push_back(n);
        out.elem_off.push_back((int)out.elem_conn.size());
        cell_src.push_back(std::min(ax[0][i], p.ijk[0] > 1 ? p.ijk[0] - 2 : 0) +
                           std::max(p.ijk[0] - 1, 1) *
                               (std::min(ax[1][j], p.ijk[1] > 1 ? p.ijk[1] - 2 : 0) +
                                std::max(p.ijk[1] - 1, 1) *
                                    std::min(ax[2][k], p.ijk[2] > 1 ? p.ijk[2] - 2 : 0)));
      }
  out.values.resize(p.values.size());
  for (size_t v = 0; v < p.values.size(); v++) {
    out.values[v].resize(p.values[v].size());
    bool at_nodes = v < c.vars.size() && c.vars[v].where == DS_AT_NODES;
    int comps = v < c.vars.size() ? ds_var_components(c.vars[v].kind) : 1;
    const std::vector<int> &pick = at_nodes ? node_src : cell_src;
    int src_n = at_nodes ? ds_node_count(p) : ds_elem_count(p);
    for (size_t s = 0; s < p.values[v].size(); s++) {
      const Ds_floats &d = p.values[v][s].data;
      if (d.empty() || src_n <= 0 || (int)d.size() < comps * src_n) continue;
      Ds_floats &o = out.values[v][s].data;
      for (int cpt = 0; cpt < comps; cpt++)
        for (int idx : pick) o.push_back(d[(size_t)cpt * src_n + idx]);
    }
  }
  return out;
}

}  // namespace

Ds_part_rec copy_held_part(const Ds_part_rec &p, int number, const std::string &name) {
  Ds_part_rec out;
  out.number = number;
  out.name = name;
  out.structured = p.structured;
  std::copy(p.ijk, p.ijk + 3, out.ijk);
  out.iblank = p.iblank;
  out.x = p.x;
  out.y = p.y;
  out.z = p.z;
  out.elem_type = p.elem_type;
  out.elem_off = p.elem_off;
  out.elem_conn = p.elem_conn;
  out.values.resize(p.values.size());
  for (size_t v = 0; v < p.values.size(); v++) {
    out.values[v].resize(p.values[v].size());
    for (size_t s = 0; s < p.values[v].size(); s++) out.values[v][s].data = p.values[v][s].data;
  }
  return out;
}

namespace {

void hold(Ds_part_rec part, const Made_source &how) {
  for (size_t i = 0; i < Srv_made_parts.size(); i++)
    if (Srv_made_parts[i].number == part.number) {
      Srv_made_parts[i] = std::move(part);
      Sources[i] = how;
      return;
    }
  Srv_made_parts.push_back(std::move(part));
  Sources.push_back(how);
}

// The lowest numbers that neither the client's last map nor a made part uses.
std::vector<int> free_numbers(int n) {
  const std::vector<int> &map = srv_client_part_map();
  std::vector<int> out;
  for (int k = 1; k < NUMBER_LIMIT && (int)out.size() < n; k++) {
    bool used = k < (int)map.size() && map[k] != -1;
    for (const Ds_part_rec &p : Srv_made_parts) used = used || p.number == k;
    if (!used) out.push_back(k);
  }
  return out;
}

int send_list(int ch, const std::vector<int> &v) {
  return ccsinn(ch, v.data(), (int)v.size());
}

int create_file_parts(int ch, bool userd) {
  const char *what = userd ? "create userd parts" : "create quivane parts";
  int n = 0, kind = 0;
  if (ccrint(ch, 1, &n) != 0 || ccrint(ch, 1, &kind) != 0) return -1;
  if (n < 0 || n > LIST_LIMIT) {
    srv_log("%s: refused count %d", what, n);
    return -1;
  }
  std::vector<int> ids;
  if (recv_ints(ch, &ids, n) < 0) return -1;
  std::vector<std::vector<int>> ranges(ids.size());
  std::vector<int> domains(ids.size(), 2);
  if (kind != 0)
    for (size_t i = 0; i < ids.size(); i++) {
      if (recv_ints(ch, &ranges[i], RANGE) < 0 || ccrint(ch, 1, &domains[i]) != 0) return -1;
    }
  int nparts = (int)Srv_case.parts.size();
  bool ok = (int)ids.size() == n;
  for (size_t i = 0; ok && i < ids.size(); i++) {
    if (ids[i] < 1 || ids[i] > nparts) {
      ok = false;
      continue;
    }
    // A request led by an unstructured record sends no ranges: whole blocks.
    const Ds_part_rec &p = Srv_case.parts[ids[i] - 1];
    if (kind == 0 && p.structured) ranges[i] = {1, p.ijk[0], 1, 1, p.ijk[1], 1, 1, p.ijk[2], 1};
    if (p.structured && ((int)ranges[i].size() != RANGE || !range_ok(p, ranges[i]))) ok = false;
  }
  std::vector<int> numbers = free_numbers(n);
  if (!ok || (int)numbers.size() < n) {
    srv_log("%s %d -> 0, 5", what, n);
    return ccsint(ch, 0) == 0 && ccsint(ch, NOT_MADE) == 0 ? 0 : -1;
  }
  for (size_t i = 0; i < ids.size(); i++) {
    const Ds_part_rec &src = Srv_case.parts[ids[i] - 1];
    if (src.structured)
      hold(cut_block(Srv_case, src, ranges[i], domains[i], numbers[i], src.name),
           {numbers[i], ids[i] - 1, ranges[i], domains[i]});
    else
      hold(copy_held_part(src, numbers[i], src.name), {numbers[i], ids[i] - 1, {}, 2});
  }
  std::string log;
  for (int k : numbers) log += " " + std::to_string(k);
  srv_log("%s %d ->%s", what, n, log.c_str());
  if (ccsint(ch, n) != 0 || send_list(ch, numbers) != 0) return -1;
  if (!userd && send_list(ch, ids) != 0) return -1;
  return ccsint(ch, 0);
}

}  // namespace

int srv_create_quivane_parts(int ch) { return create_file_parts(ch, false); }
int srv_create_userd_parts(int ch) { return create_file_parts(ch, true); }

int srv_create_plot3d_part(int ch) {
  int number = 0, one = 0, domain = 0;
  std::vector<int> r, zone;
  if (ccrint(ch, 1, &number) != 0 || recv_ints(ch, &r, RANGE) < 0 || ccrint(ch, 1, &one) != 0)
    return -1;
  bool shape = (int)r.size() == RANGE;
  for (int a = 0; shape && a < 3; a++)
    shape = r[a * 3] >= 1 && r[a * 3] <= r[a * 3 + 1] && r[a * 3 + 2] >= 1;
  if (!shape) {
    srv_log("create plot3d part %d -> -1 (range)", number);
    return ccsint(ch, -1);
  }
  if (ccsint(ch, 0) != 0 || recv_ints(ch, &zone, 1) < 0 || ccrint(ch, 1, &domain) != 0) return -1;
  int z = zone.size() == 1 ? zone[0] : 0;
  bool ok = z >= 1 && z <= (int)Srv_case.parts.size() && number >= 1 && number < NUMBER_LIMIT;
  if (ok) {
    const Ds_part_rec &src = Srv_case.parts[z - 1];
    ok = src.structured && range_ok(src, r);
    if (ok) {
      Ds_part_rec made = cut_block(Srv_case, src, r, domain, number, src.name);
      ok = !made.elem_type.empty();
      if (ok) hold(std::move(made), {number, z - 1, r, domain});
    }
  }
  std::string range;
  for (int v : r) range += " " + std::to_string(v);
  srv_log("create plot3d part %d range%s zone %d domain %d -> %d", number, range.c_str(), z, domain,
          ok ? 0 : -1);
  return ccsint(ch, ok ? 0 : -1);
}

int srv_create_estet_part(int ch) {
  int number = 0, domain = 0;
  std::vector<int> r;
  if (ccrint(ch, 1, &number) != 0 || recv_ints(ch, &r, RANGE) < 0 || ccrint(ch, 1, &domain) != 0)
    return -1;
  srv_log("create estet part %d -> 5", number);
  return ccsint(ch, NOT_MADE);
}

int srv_create_n3s_part(int ch) {
  int number = 0, selector = 0, n = 0;
  std::vector<int> codes;
  if (ccrint(ch, 1, &number) != 0 || ccrint(ch, 1, &selector) != 0 || ccrint(ch, 1, &n) != 0)
    return -1;
  if (n > 0 && recv_ints(ch, &codes, n < LIST_LIMIT ? n : LIST_LIMIT) < 0) return -1;
  srv_log("create n3s part %d -> 5", number);
  return ccsint(ch, NOT_MADE);
}

int srv_stop_n3s_parts(int ch) {
  srv_log("stop n3s parts");
  return ccsint(ch, 0);
}

// The end of a build period; no reply. The log names the request as sent.
int srv_stop_parts(int, const char *request) {
  srv_log("%s", request);
  return 0;
}
int srv_stop_estet_parts(int ch) { return srv_stop_parts(ch, "stop estet parts"); }
int srv_stop_plot3d_parts(int ch) { return srv_stop_parts(ch, "stop plot3d parts"); }
int srv_stop_quivane_parts(int ch) { return srv_stop_parts(ch, "stop quivane parts"); }
int srv_stop_userd_parts(int ch) { return srv_stop_parts(ch, "stop userd parts"); }

int srv_update_struct_parts(int ch) {
  int n = 0;
  std::vector<int> numbers, r;
  if (ccrint(ch, 1, &n) != 0 || recv_ints(ch, &numbers, LIST_LIMIT) < 0 ||
      recv_ints(ch, &r, RANGE) < 0)
    return -1;
  int reply = 0;
  for (size_t i = 0; numbers.size() == 1 && (int)r.size() == RANGE && i < Sources.size(); i++) {
    if (Sources[i].number != numbers[0] || Sources[i].r.empty()) continue;
    const Ds_part_rec &src = Srv_case.parts[Sources[i].source];
    if (!range_ok(src, r)) break;
    Ds_part_rec made = cut_block(Srv_case, src, r, Sources[i].domain, numbers[0],
                                 Srv_made_parts[i].name);
    ds_part_changed(&made);
    Srv_made_parts[i] = std::move(made);
    Sources[i].r = r;
    reply = 1;
  }
  srv_log("update struct parts %d -> %d", numbers.empty() ? 0 : numbers[0], reply);
  return ccsint(ch, reply);
}

int srv_orig_avail_scalars(int ch) {
  std::vector<std::string> names;
  for (const Ds_var_rec &v : Srv_case.vars)
    if (v.kind == DS_SCALAR) names.push_back(v.name.substr(0, 79));
  srv_log("orig avail scalars -> %zu", names.size());
  if (ccsint(ch, (int)names.size()) != 0) return -1;
  for (const std::string &s : names)
    if (ccsstr(ch, s.data(), (int)s.size()) != 0) return -1;
  return ccsint(ch, 0);
}

int srv_combine_to_vector(int ch) {
  std::vector<int> pos;
  char buf[256];
  int len = 0;
  if (recv_ints(ch, &pos, 3) < 0 || ccrstr_keep(ch, 1, buf, (int)sizeof buf - 1, &len) != 0)
    return -1;
  std::string name(buf, len < (int)sizeof buf - 1 ? len : (int)sizeof buf - 1);
  std::vector<int> scalars;
  for (size_t v = 0; v < Srv_case.vars.size(); v++)
    if (Srv_case.vars[v].kind == DS_SCALAR) scalars.push_back((int)v);
  bool ok = pos.size() == 3 && ds_find_var(Srv_case, name) < 0 && !name.empty();
  int any = 0;
  for (int k = 0; ok && k < 3; k++) {
    if (pos[k] == -1) continue;
    if (pos[k] < 0 || pos[k] >= (int)scalars.size()) ok = false;
    any++;
  }
  ok = ok && any > 0;
  if (ok) {
    int id = ds_add_var(&Srv_case, name, DS_VECTOR, Srv_case.vars[scalars[pos[0] >= 0 ? pos[0] : pos[1] >= 0 ? pos[1] : pos[2]]].where);
    ok = id >= 0;
    if (ok) {
      for (Ds_part_rec &p : Srv_case.parts) {
        size_t steps = Srv_case.times.size() ? Srv_case.times.size() : 1;
        for (size_t s = 0; s < steps; s++) {
          const Ds_field_rec *comp[3] = {};
          size_t n = 0;
          for (int k = 0; k < 3; k++)
            if (pos[k] >= 0) {
              comp[k] = ds_field_if(p, scalars[pos[k]], (int)s);
              if (comp[k]) n = comp[k]->data.size();
            }
          if (n == 0) continue;
          Ds_field_rec *f = ds_field(&p, id, (int)s);
          f->data.assign(3 * n, 0.0f);
          for (int k = 0; k < 3; k++)
            if (comp[k] && comp[k]->data.size() == n)
              std::copy(comp[k]->data.begin(), comp[k]->data.end(), f->data.begin() + k * n);
          ds_var_defined_at(&Srv_case.vars[id], (int)s);
        }
      }
    }
  }
  srv_log("combine to vector %s -> %d", name.c_str(), ok ? 0 : 1);
  return ccsint(ch, ok ? 0 : 1);
}

int srv_finish_vector_combine(int) {
  srv_log("finish vector combine");
  return 0;
}

int srv_made_block(int number, Ds_part_rec *block) {
  for (size_t i = 0; i < Sources.size(); i++) {
    const Made_source &how = Sources[i];
    if (how.number != number || how.r.size() != RANGE) continue;
    const Ds_part_rec &src = Srv_case.parts[how.source];
    *block = Ds_part_rec();
    block->number = number;
    block->structured = 1;
    std::vector<int> ax[3];
    for (int a = 0; a < 3; a++) {
      ax[a] = samples(how.r[a * 3], how.r[a * 3 + 1], how.r[a * 3 + 2]);
      block->ijk[a] = (int)ax[a].size();
    }
    for (int k : ax[2])
      for (int j : ax[1])
        for (int i : ax[0]) {
          int s = i + src.ijk[0] * (j + src.ijk[1] * k);
          block->x.push_back(src.x[s]);
          block->y.push_back(src.y[s]);
          block->z.push_back(src.z[s]);
          if (!src.iblank.empty()) block->iblank.push_back(src.iblank[s]);
        }
    return 1;
  }
  return 0;
}

void srv_made_parts_clear() {
  Srv_made_parts.clear();
  Sources.clear();
}
