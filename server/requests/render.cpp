// Requests for the id labels of a part, answered from the case model, and
// the client's thread-count setting.
//
//   "set_threads"     <- int count; no reply.  Kept and logged; the stand-in
//                        computes on one thread whatever the count.
//   "get node labels" <- int part; -> int, int (1, 1 when the part is held
//                        and has nodes, else 0, 0 and nothing more);
//                     <- int representation, int displacement variable,
//                        float factor, float shrink;
//                     -> chunks of at most 1000 labels: int n, then the n
//                        positions as a float array of n rows of 3, then the
//                        n ids as an int array; at the end int 0
//   "get elem labels" the same for elements, without the representation and
//                     the shrink: positions are the element centroids
//
// Positions are displaced by factor times the named vector variable (its
// first step) when the part holds it per node; the model keeps no ids of
// its own, so nodes and elements are numbered 1..n.
#include <algorithm>
#include <vector>

#include "client/ccp.h"
#include "requests/requests.h"
#include "server.h"

static const int LABEL_CHUNK = 1000;  // labels in one chunk of the reply

// The per-node displacement of variable id on the part: three components
// of one value per node, or null when the part does not hold it so.
static const float *node_displacement(const Ds_part_rec &p, int var) {
  if (var < 0 || var >= (int)Srv_case.vars.size() || var >= (int)p.values.size()) return nullptr;
  const Ds_var_rec &v = Srv_case.vars[var];
  if (v.where != DS_AT_NODES || ds_var_components(v.kind) != 3 || p.values[var].empty())
    return nullptr;
  const Ds_floats &d = p.values[var][0].data;
  size_t n = (size_t)ds_node_count(p);
  return d.size() >= 3 * n && n > 0 ? d.data() : nullptr;
}

// Node i's position, displaced when a displacement is given.
static void node_position(const Ds_part_rec &p, const float *disp, float factor, int i,
                          float out[3]) {
  size_t n = (size_t)ds_node_count(p);
  out[0] = p.x[i];
  out[1] = p.y[i];
  out[2] = p.z[i];
  if (!disp) return;
  for (int c = 0; c < 3; c++) out[c] += factor * disp[c * n + i];
}

// The corner nodes (0-based) of element e: the element's own list, or the
// cell's corners in a structured block.
static void element_nodes(const Ds_part_rec &p, int e, std::vector<int> *nodes) {
  nodes->clear();
  if (!p.structured) {
    for (int k = p.elem_off[e]; k < p.elem_off[e + 1]; k++) nodes->push_back(p.elem_conn[k]);
    return;
  }
  int cells[3], at[3], step[3] = {1, p.ijk[0], p.ijk[0] * p.ijk[1]};
  for (int d = 0; d < 3; d++) cells[d] = std::max(1, p.ijk[d] - 1);
  at[0] = e % cells[0];
  at[1] = (e / cells[0]) % cells[1];
  at[2] = e / (cells[0] * cells[1]);
  int base = at[0] * step[0] + at[1] * step[1] + at[2] * step[2];
  for (int corner = 0; corner < 8; corner++) {
    int node = base;
    bool inside = true;
    for (int d = 0; d < 3; d++)
      if (corner >> d & 1) {
        if (p.ijk[d] < 2) inside = false;
        node += step[d];
      }
    if (inside && std::find(nodes->begin(), nodes->end(), node) == nodes->end())
      nodes->push_back(node);
  }
}

// Sends the labels in chunks, then the closing 0.
static int send_labels(int ch, int count, const Ds_part_rec &p, const float *disp, float factor,
                       bool elements) {
  std::vector<float> positions(3 * LABEL_CHUNK);
  std::vector<float *> rows(LABEL_CHUNK);
  for (int i = 0; i < LABEL_CHUNK; i++) rows[i] = &positions[3 * i];
  std::vector<int> ids(LABEL_CHUNK), nodes;
  for (int first = 0; first < count; first += LABEL_CHUNK) {
    int n = std::min(LABEL_CHUNK, count - first);
    for (int i = 0; i < n; i++) {
      int item = first + i;
      ids[i] = item + 1;
      if (!elements) {
        node_position(p, disp, factor, item, rows[i]);
        continue;
      }
      element_nodes(p, item, &nodes);
      float sum[3] = {0, 0, 0}, at[3];
      for (int node : nodes) {
        node_position(p, disp, factor, node, at);
        for (int c = 0; c < 3; c++) sum[c] += at[c];
      }
      for (int c = 0; c < 3; c++) rows[i][c] = nodes.empty() ? 0.0f : sum[c] / nodes.size();
    }
    if (ccsint(ch, n) != 0 || ccsfl2(ch, rows.data(), n, 3) != 0 || ccsinn(ch, ids.data(), n) != 0)
      return -1;
  }
  return ccsint(ch, 0) == 0 ? 0 : -1;
}

static int labels_request(int ch, bool elements) {
  const char *what = elements ? "get elem labels" : "get node labels";
  int number = 0;
  if (ccrint(ch, 1, &number) != 0) return -1;
  const Ds_part_rec *p = held_part(number);
  int count = !p ? 0 : elements ? ds_elem_count(*p) : ds_node_count(*p);
  if (count <= 0) {
    srv_log("%s %d -> none", what, number);
    return ccsint(ch, 0) == 0 && ccsint(ch, 0) == 0 ? 0 : -1;
  }
  if (ccsint(ch, 1) != 0 || ccsint(ch, 1) != 0) return -1;
  int rep = -1, var = -1;
  float factor = 0.0f, shrink = 0.0f;
  if ((!elements && ccrint(ch, 1, &rep) != 0) || ccrint(ch, 1, &var) != 0 ||
      ccrflt(ch, 1, &factor) != 0 || (!elements && ccrflt(ch, 1, &shrink) != 0))
    return -1;
  if (elements)
    srv_log("%s %d: variable %d factor %g -> %d", what, number, var, factor, count);
  else
    srv_log("%s %d: representation %d variable %d factor %g shrink %g -> %d", what, number, rep,
            var, factor, shrink, count);
  return send_labels(ch, count, *p, node_displacement(*p, var), factor, elements);
}

int srv_get_node_labels(int ch) { return labels_request(ch, false); }

int srv_get_elem_labels(int ch) { return labels_request(ch, true); }

int Srv_thread_count = 1;

int srv_set_threads(int ch) {
  int count = 0;
  if (ccrint(ch, 1, &count) != 0) return -1;
  Srv_thread_count = count;
  srv_log("set_threads %d", count);
  return 0;
}
