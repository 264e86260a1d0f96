// Fringe colours and element normals (see fringe.h).  Keeps no state
// between calls but the installed palette calls and a scratch array of face
// positions that grows to the largest face seen.
#include "render/fringe.h"

#include <cmath>
#include <vector>

#include "anim/animate.h"
#include "client/matrix.h"
#include "palette/fringe_colors.h"
#include "parts/attribute.h"
#include "parts/read.h"
#include "variables/variables.h"

static const Fringe_palette_calls Palette_module = {false_color, banded_constant};
static const Fringe_palette_calls *Calls = &Palette_module;

void fringe_palette_calls(const Fringe_palette_calls *calls) {
  Calls = calls ? calls : &Palette_module;
}

static const Part_rec *part_at(int part) {
  return part >= 0 && part < Num_p_loaded ? parts[part] : nullptr;
}

float fringe_load_factor() {
  return Loading_flipbook && Loading_load_factor != -1.0f ? Loading_load_factor : 1.0f;
}

// The vector a vector or coordinate value is made from, or null.
static const float *value_vector(const Part_rec *p, int kind, int var_id, int index) {
  if (kind == 1 && var_id >= 0 && var_id < Var_array_size && p->vectors && p->vectors[var_id])
    return p->vectors[var_id][index];
  if (kind == 2 && p->coords && index >= 1 && index <= p->node_count) return p->coords[index];
  return nullptr;
}

static float vector_value(const float *v, int magnitude, const float w[3]) {
  if (magnitude) return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
  return w[0] * v[0] + w[1] * v[1] + w[2] * v[2];
}

float fringe_node_value(int part, int kind, int var_id, int magnitude, const float w[3],
                        int index, bool *defined) {
  *defined = true;
  const Part_rec *p = part_at(part);
  if (!p || index < 0) return 0.0f;
  if (kind == 0) {
    if (var_id < 0 || var_id >= Var_array_size || !p->scalars || !p->scalars[var_id]) return 0.0f;
    float v = p->scalars[var_id][index];
    *defined = v != Undefined;
    return v;
  }
  if (kind == 1 || kind == 2) {
    const float *v = value_vector(p, kind, var_id, index);
    if (!v) return 0.0f;
    if (kind == 1) *defined = v[0] != Undefined;
    return vector_value(v, magnitude, w);
  }
  if (kind == 3 && p->point_times) return p->point_times[index];
  return 0.0f;
}

// ---- fringe colours --------------------------------------------------------------------

// Centre weight of node k of an 8- or 6-node face (corner, mid-side, ...).
static float weight8(int k) { return k % 2 ? 0.5f : -0.25f; }
static float weight6(int k) { return k % 2 ? 0.4444444f : -0.1111111f; }

static void set_rgb(float out[3], const float in[3]) {
  for (int i = 0; i < 3; i++) out[i] = in[i];
}

static float length3(const float v[3]) {
  return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}

void get_fring_color(int part, int key, int component, int per_node, int var_id, int var_type,
                     int palette_type, float w1, float w2, float w3, int magnitude,
                     int undefined_display, int position, int l, float (*colors)[3],
                     int *corners, float centre[3], float *centre_value, int, int,
                     int *in_range, int *visible, int, int limit_fringes, float lowest,
                     float highest, const float part_rgb[3], const float (*node_positions)[3]) {
  *in_range = 1;
  *visible = 1;
  *corners = 1;
  const Part_rec *p = part_at(part);
  if (!p || l <= 0) return;
  const float w[3] = {w1, w2, w3};
  const float factor = var_type <= 2 ? fringe_load_factor() : 1.0f;
  const bool by_vector = magnitude && (var_type == 1 || var_type == 2);
  bool undefined = false, single_interval = true, single_value = true;
  double total = 0.0;
  float sum8 = 0.0f, sum6 = 0.0f, vec8[3] = {0, 0, 0}, vec6[3] = {0, 0, 0};
  float first_value = 0.0f, last_value = 0.0f;
  int first_interval = 0, outside = 0;
  for (int k = 0; k < l; k++) {
    // Coordinates and trace times are always node values; given an element
    // index they are reached through the element's offset.
    int index = per_node ? p->connectivity[position + k]
                : var_type >= 2 ? p->connectivity[p->elem_offsets[position] + k]
                                : position;
    bool defined = true;
    float v = fringe_node_value(part, var_type, var_id, magnitude, w, index, &defined) * factor;
    if (!defined) undefined = true;
    total += v;
    const float *vec = by_vector ? value_vector(p, var_type, var_id, index) : nullptr;
    for (int i = 0; vec && i < 3; i++) {
      if (k < 8) vec8[i] += weight8(k) * vec[i] * factor;
      if (k < 6) vec6[i] += weight6(k) * vec[i] * factor;
    }
    if (k < 8) sum8 += weight8(k) * v;
    if (k < 6) sum6 += weight6(k) * v;
    int interval;
    float fraction;
    Calls->false_color(key, component, v, colors[k], palette_type, &interval, &fraction);
    if (k == 0) {
      first_interval = interval;
      first_value = v;
    } else {
      if (interval != first_interval) single_interval = false;
      if (v != first_value) single_value = false;
    }
    if (limit_fringes == 1 && (v < lowest || v > highest)) outside++;
    last_value = v;
  }
  if (by_vector) {
    sum8 = length3(vec8);
    sum6 = length3(vec6);
  }
  const float average = (float)(total / l);

  if (undefined) {
    // An element with an undefined value is drawn whole in the part colour
    // or not at all; it is never split by values it does not have.
    if (undefined_display == 2) {
      *visible = 0;
      return;
    }
    if (undefined_display == 1) {
      for (int k = 0; k < l; k++) set_rgb(colors[k], part_rgb);
      return;
    }
  } else {
    if (limit_fringes == 1 && outside == l)
      for (int k = 0; k < l; k++) set_rgb(colors[k], part_rgb);
    if (palette_type == 2) {
      int interval;
      float fraction;
      Calls->false_color(key, component, average, colors[0], palette_type, &interval, &fraction);
      if (limit_fringes == 1 && (average < lowest || average > highest))
        set_rgb(colors[0], part_rgb);
    }
  }

  const float test = palette_type == 2 ? average : last_value;
  if (single_interval && (limit_fringes == 1 || limit_fringes == 2) &&
      (test < lowest || test > highest))
    *in_range = 0;

  if (!single_value && ((palette_type == 1 && l >= 3) || (palette_type == 0 && l >= 5))) {
    *corners = l;
    *centre_value = l == 8 ? sum8 : l == 6 ? sum6 : average;
    for (int i = 0; node_positions && i < 3; i++) {
      double c = 0.0;
      for (int k = 0; k < l; k++) {
        float wk = l == 8 ? weight8(k) : l == 6 ? weight6(k) : 1.0f / l;
        c += wk * node_positions[k][i];
      }
      centre[i] = (float)c;
    }
  } else if (palette_type == 1 && single_interval) {
    Calls->banded_constant(colors[0], first_interval);
  }
}

void get_fringe_split(int part, int key, int component, int var_id, int var_type,
                      int palette_type, float w1, float w2, float w3, int magnitude, int first,
                      int a, int b, float centre_value, float colors[3][3]) {
  const Part_rec *p = part_at(part);
  if (!p) return;
  const float w[3] = {w1, w2, w3};
  const float factor = var_type <= 2 ? fringe_load_factor() : 1.0f;
  const int nodes[2] = {p->connectivity[first + a], p->connectivity[first + b]};
  int interval;
  float fraction;
  for (int k = 0; k < 2; k++) {
    bool defined;
    float v = fringe_node_value(part, var_type, var_id, magnitude, w, nodes[k], &defined) * factor;
    Calls->false_color(key, component, v, colors[k], palette_type, &interval, &fraction);
  }
  Calls->false_color(key, component, centre_value, colors[2], palette_type, &interval, &fraction);
}

// ---- normals ---------------------------------------------------------------------------

static std::vector<float> Face_positions;  // scratch: 3 floats per corner of the face at hand

static void cross(const float a[3], const float b[3], float out[3]) {
  out[0] = a[1] * b[2] - a[2] * b[1];
  out[1] = a[2] * b[0] - a[0] * b[2];
  out[2] = a[0] * b[1] - a[1] * b[0];
}

static float dot(const float a[3], const float b[3]) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// A node's position, displaced by variable dv times factor when the part
// holds that vector and its x is defined.
static void node_position(const Part_rec *p, int node, int dv, float factor, float out[3]) {
  for (int i = 0; i < 3; i++) out[i] = p->coords[node][i];
  if (dv < 0 || dv >= Var_array_size || !p->vectors || !p->vectors[dv]) return;
  const float *d = p->vectors[dv][node];
  if (d[0] == Undefined) return;
  for (int i = 0; i < 3; i++) out[i] += factor * d[i];
}

// The corner normals of a face from its positions.
static void corner_normals(int n, const float (*pos)[3], float (*normals)[3]) {
  float centre[3] = {0, 0, 0};
  for (int j = 0; j < n; j++)
    for (int i = 0; i < 3; i++) centre[i] += pos[j][i] / n;
  float previous[3] = {0, 0, 0};
  for (int j = 0; j < n; j++) {
    const float *P = pos[j], *N = pos[(j + 1) % n], *R = pos[(j + n - 1) % n];
    float a[3], b[3], c[3], A[3], B[3], m[3];
    for (int i = 0; i < 3; i++) {
      a[i] = N[i] - P[i];
      b[i] = R[i] - P[i];
      c[i] = centre[i] - P[i];
    }
    cross(a, c, A);
    cross(c, b, B);
    if (dot(A, B) < 0.0f) {
      float ab[3];
      cross(a, b, ab);
      float *flip = j > 0 && dot(A, ab) < 0.0f ? A : B;
      for (int i = 0; i < 3; i++) flip[i] = -flip[i];
    }
    float la = std::fmax(length3(A), 1e-6f), lb = std::fmax(length3(B), 1e-6f);
    for (int i = 0; i < 3; i++) m[i] = (A[i] / la + B[i] / lb) / 2.0f;
    float lm = std::fmax(length3(m), 1e-6f);
    if (j > 0 && dot(m, previous) < 0.0f)
      for (float &v : m) v = -v;
    set_rgb(previous, m);
    for (int i = 0; i < 3; i++) normals[j][i] = m[i] / lm;
  }
}

static float (*face_positions(int n))[3] {
  if ((int)Face_positions.size() < 3 * n) Face_positions.resize(3 * n);
  return reinterpret_cast<float (*)[3]>(Face_positions.data());
}

void get_normal(int n, int part, const int *nodes, int displace_var, float factor,
                float (*normals)[3]) {
  const Part_rec *p = part_at(part);
  if (!p || n <= 0) return;
  float (*pos)[3] = face_positions(n);
  for (int j = 0; j < n; j++) node_position(p, nodes[j], displace_var, factor, pos[j]);
  corner_normals(n, pos, normals);
}

void get_normal_software(const float matrix[16], int n, int part, const int *nodes,
                         int displace_var, float factor, float (*normals)[3],
                         float (*positions)[3]) {
  const Part_rec *p = part_at(part);
  if (!p || n <= 0) return;
  for (int j = 0; j < n; j++) {
    node_position(p, nodes[j], displace_var, factor, positions[j]);
    tmpts(positions[j], matrix);
  }
  corner_normals(n, positions, normals);
}

int polygon_flat_normal(int n, const float (*pos)[3], float (*normals)[3]) {
  for (int j = 0; j < n; j++) {
    const float *P = pos[j], *N = pos[(j + 1) % n], *R = pos[(j + n - 1) % n];
    float d[3], e[3], c[3];
    for (int i = 0; i < 3; i++) {
      d[i] = N[i] - P[i];
      e[i] = R[i] - P[i];
    }
    cross(d, e, c);
    float cc = dot(c, c);
    if (cc > 0.01f * dot(d, d) * dot(e, e)) {
      float l = std::sqrt(cc);
      for (int k = 0; k < n; k++)
        for (int i = 0; i < 3; i++) normals[k][i] = c[i] / l;
      return 0;
    }
  }
  return 1;
}

// ---- static lighting -------------------------------------------------------------------

void get_color_software(int part, int n, int coloring, int palette_type, int limit_fringes,
                        int in_range, const float (*normals)[3], const float (*positions)[3],
                        float (*colors)[3], float *diffuse, float *specular) {
  const Part_rec *p = part_at(part);
  if (!p || n <= 0) return;
  const float *attr = p->attributes;
  const float a = attr[SLOT_LIGHT_DIFF], s = attr[SLOT_LIGHT_SHIN], h = attr[SLOT_LIGHT_HINT];
  const float *part_rgb = &attr[SLOT_RGB_R];
  float element_rgb[3];
  set_rgb(element_rgb, colors[0]);
  for (int k = 0; k < n; k++) {
    const float *N = normals[k], *P = positions[k];
    float lp = length3(P), L[3] = {0.0f, 0.0f, 1.0f};
    if (lp > 0.0f)
      for (int i = 0; i < 3; i++) L[i] = -P[i] / lp;
    float c = dot(N, L);
    float D = c != 0.0f ? a + (1.0f - a) * std::fabs(c) : a;
    if (D > 1.0f) D = 1.0f;
    diffuse[k] = D;
    float E = 0.0f;
    if (h > 0.0f && c != 0.0f) {
      float R[3];
      for (int i = 0; i < 3; i++) R[i] = 2.0f * c * N[i] - L[i];
      float lr = length3(R);
      float e = lr > 0.0f ? dot(R, L) / lr : 0.0f;
      if (e > 0.0f) E = h * std::pow(e, s);
    }
    const float *base = colors[k];
    if (!coloring || (palette_type == 1 && limit_fringes == 1 && !in_range))
      base = part_rgb;
    else if (palette_type == 1 || palette_type == 2)
      base = element_rgb;
    float lit[3];
    for (int i = 0; i < 3; i++) lit[i] = base[i] * D;
    if (E > 0.0f) {
      if (E > 1.0f) E = 1.0f;
      float M = std::fmax(lit[0], std::fmax(lit[1], lit[2]));
      float f = M > 0.0f ? (1.0f - E) / M : 1.0f;
      if (f > 1.0f) f = 1.0f;
      for (int i = 0; i < 3; i++) lit[i] = lit[i] * f + E;
    }
    set_rgb(colors[k], lit);
    specular[k] = E;
  }
}
