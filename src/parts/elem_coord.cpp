// Element node positions (see elem_coord.h).
#include "parts/elem_coord.h"

#include "parts/attribute.h"
#include "parts/read.h"
#include "render/fringe.h"
#include "variables/variables.h"

void get_elem_coord(int i, int e, float *out) {
  if (i < 0 || i >= Num_p_loaded || !parts[i]) return;
  const Part_rec *p = parts[i];
  if (e < 0 || e >= p->element_count || !p->elem_offsets || !p->connectivity || !p->coords) return;
  const float *a = p->attributes;
  int v = our_rint(a[SLOT_DISPLACE_BY]);
  if (v < 0 || v >= Var_array_size || !p->vectors || !p->vectors[v]) v = -1;
  const int v_cap = v >= 0 ? part_array_capacity(i, PA_VECTORS, v) : 0;
  const float D = a[SLOT_DISPLACE_FACTOR] * fringe_load_factor();
  const float S = a[SLOT_SHRINK];
  const float *centre = S != 0.0f && p->shrink_points && e < p->cap14 ? p->shrink_points[e] : nullptr;
  for (int k = p->elem_offsets[e], j = 0; k < p->elem_offsets[e + 1]; k++, j++) {
    int node = p->connectivity[k];
    float *q = out + 3 * j;
    // A node number outside the part is drawn at the origin, never read.
    if (node < 1 || node > p->node_count) {
      q[0] = q[1] = q[2] = 0.0f;
      continue;
    }
    for (int c = 0; c < 3; c++) q[c] = p->coords[node][c];
    if (centre)
      for (int c = 0; c < 3; c++) q[c] += (centre[c] - q[c]) * S;
    if (v >= 0 && node < v_cap && p->vectors[v][node][0] != Undefined)
      for (int c = 0; c < 3; c++) q[c] += D * p->vectors[v][node][c];
  }
}
