// The solid object builder and the immediate shaded elements (see solid.h).
// Keeps nothing between calls but the installed neighbour calls and the
// per-element work arrays, which grow to the largest element seen (so a
// face of any node count fits).  The builder sends every step through
// quivane_opengl; only the strip drawer, taken while a GL list is being
// compiled, calls OpenGL itself.
#include "render/solid.h"
#include "render/line.h"
#include "render/solid_shared.h"

#include <GL/gl.h>

#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

#include "anim/animate.h"
#include "client/alloc_gate.h"
#include "client/matrix.h"
#include "flow/trace.h"
#include "palette/function.h"
#include "parts/attribute.h"
#include "parts/elem_coord.h"
#include "parts/read.h"
#include "render/disobj.h"
#include "render/display_list.h"
#include "render/fringe.h"
#include "render/glyphs.h"
#include "render/smooth.h"
#include "render/strip.h"
#include "variables/variables.h"
#include "view/frames.h"
#include "view/view_matrix.h"
#include "view/viewer_state.h"

int Texture_toggle = 0;
int Reverse_normal = 0;
int Performance_mode = 0;

static const Solid_builder_calls Real_calls = {
    palette,   node_fringe_color, fringe_poly_banded, false_color,
    check_variable_exists_at_current_time, ribbon_geom, tube_geom, strip};
static Solid_builder_calls Calls = Real_calls;

void solid_builder_calls(const Solid_builder_calls *c) {
  Calls = Real_calls;
  if (!c) return;
  if (c->palette) Calls.palette = c->palette;
  if (c->node_fringe_color) Calls.node_fringe_color = c->node_fringe_color;
  if (c->fringe_poly_banded) Calls.fringe_poly_banded = c->fringe_poly_banded;
  if (c->false_color) Calls.false_color = c->false_color;
  if (c->check_variable_exists_at_current_time)
    Calls.check_variable_exists_at_current_time = c->check_variable_exists_at_current_time;
  if (c->ribbon_geom) Calls.ribbon_geom = c->ribbon_geom;
  if (c->tube_geom) Calls.tube_geom = c->tube_geom;
  if (c->strip) Calls.strip = c->strip;
}

int solid_node_fringe_color(int part, int node, int kind, int magnitude, float w0, float w1,
                            float w2, int key, int component, int var_id, float rgb[3], int mode,
                            float *value) {
  return Calls.node_fringe_color(part, node, kind, magnitude, w0, w1, w2, key, component, var_id,
                                 rgb, mode, value);
}

const Solid_builder_calls &solid_installed_calls() { return Calls; }

// ---- fringe settings -------------------------------------------------------------------

bool part_holds(const Part_rec *p, int var_type, int id) {
  if (id < 0 || id >= Var_array_size) return false;
  if (var_type == 0) return p->scalars && p->scalars[id];
  if (var_type == 1) return p->vectors && p->vectors[id];
  return true;
}

// Reads the palette of the part's colouring variable.  False when the
// variable has no value now and undefined values are invisible: nothing is
// to be drawn.  part_values: the colouring values are the part's own, so
// fringes go off when it lacks them (a realtime surface brings its own).
bool fringe_setup(int part, Fringe_setup &f, bool part_values) {
  const Part_rec *p = parts[part];
  const float *a = p->attributes;
  f = Fringe_setup();
  f.key = (int)a[SLOT_COLORBY_PALETTE];
  f.component = (int)a[SLOT_COLORBY_SUBPALETTE];
  if (!Fringt || f.key == 0) return true;
  char name[256] = {0}, format[256] = {0};
  int scale = 0;
  float colors[PALETTE_LEVELS][3], legend[LEGEND_SETTINGS];
  bool on = Calls.palette(f.key, f.component, 0, name, &f.var_type, &f.var_id, &f.w[0], &f.w[1],
                          &f.w[2], &f.palette_type, &f.limit, &scale, &f.undefined_display,
                          &f.levels, f.values, colors, legend, format) != -1;
  if (on && Calls.check_variable_exists_at_current_time(f.var_id, part)) {
    if (f.undefined_display == 2) return false;
    if (f.undefined_display == 1) on = false;
  }
  bool by_element = (f.var_type == 0 || f.var_type == 1) && variable_order(f.var_id) == 1;
  f.per_node = !(by_element && part_can_have_zero_order(part));
  f.magnitude = f.w[0] == 0.0f && f.w[1] == 0.0f && f.w[2] == 0.0f;
  f.constant = f.palette_type == 2;
  if (on && part_values && !part_holds(p, f.var_type, f.var_id)) on = false;
  f.on = on;
  if (f.levels < 1) f.levels = 1;
  if (f.levels > PALETTE_LEVELS) f.levels = PALETTE_LEVELS;
  f.node_lo = f.lo = f.values[0];
  f.node_hi = f.hi = f.values[f.levels - 1];
  if (f.palette_type == 1 && f.levels >= 3) {
    f.lo = f.values[1];
    f.hi = f.values[f.levels - 2];
  }
  return true;
}

namespace {

// ---- per-element work arrays -----------------------------------------------------------

struct Element_work {
  std::vector<float> coords, normals, colors, positions, diffuse, specular, plain;
  int room = 0;
  // Room for n corners and the centre.
  void fit(int n) {
    if (n + 1 <= room) return;
    room = n + 1;
    for (auto *v : {&coords, &normals, &colors, &positions, &plain}) v->resize(3 * room);
    diffuse.resize(room);
    specular.resize(room);
  }
};
Element_work W;

typedef float (*Rows)[3];
Rows rows(std::vector<float> &v) { return reinterpret_cast<Rows>(v.data()); }

// ---- one build ---------------------------------------------------------------------------

struct Build {
  int part = -1;         // the part the call was made for (the object's owner)
  int work = -1;         // the part drawn: itself or its temporary trace part
  int kind = 1;          // object kind: 1 solid, 0 line
  bool immediate = false;
  Fringe_setup f;
  float alpha = 1.0f, part_rgb[3] = {1, 1, 1};
  int dv = -1;
  float factor = 0.0f;
  bool smooth = false;
  float matrix[16];
  int vertex_count = 0;
  int lod_step = 1, lod_counter = 0, lod_level = 0;
  bool lod = false, reverse = false, texture = false;

  void step(int op, int i1 = 0, int i2 = 0, float a = 0, float b = 0, float c = 0,
            float d = 0) const {
    if (immediate)
      display_list_immediate_step(op, i1, i2, a, b, c, d);
    else
      quivane_opengl(part, kind, 0, op, i1, i2, a, b, c, d);
  }
  void rgba(const float *c) const { step(DL_COLOR4, 0, 0, c[0], c[1], c[2], alpha); }
  void rgb(const float *c) const { step(DL_COLOR3, 0, 0, c[0], c[1], c[2]); }
  void normal(const float *n) const { step(DL_NORMAL, 0, 0, n[0], n[1], n[2]); }
  void vertex(const float *v) const { step(DL_VERTEX, 0, 0, v[0], v[1], v[2]); }
  bool per_element_colour() const { return f.on && (f.constant || !f.per_node); }
};

}  // namespace

void static_lighting_matrix(const Part_rec *p, float out[16]) {
  float frame[16], ctm[16], look_at[3], look_from[3], view[16], distance, tmp[16];
  frame_to_global_matrix(our_rint(p->attributes[SLOT_FRAME]), frame);
  current_ctm(ctm, 0);
  view_param(look_at, look_from, view, &distance, 0);
  mult_2_matrix(frame, ctm, tmp);
  mult_2_matrix(tmp, view, out);
}

namespace {

void setup_common(Build &b, int part) {
  const Part_rec *p = parts[b.work];
  const float *a = p->attributes;
  b.alpha = a[SLOT_OPAQUENESS];
  for (int i = 0; i < 3; i++) b.part_rgb[i] = a[SLOT_RGB_R + i];
  b.dv = (int)a[SLOT_DISPLACE_BY];
  if (!part_holds(p, 1, b.dv)) b.dv = -1;
  if (Software_light) static_lighting_matrix(parts[part], b.matrix);
}

// Element e's corner count, coordinates and fringe colours into W; false
// when its colours make it invisible.
bool load_element(const Build &b, int e, int n, int *corners, float centre[3],
                  float *centre_value, int *in_range) {
  const Part_rec *p = parts[b.work];
  W.fit(n);
  get_elem_coord(b.work, e, W.coords.data());
  *corners = 1;
  *in_range = 1;
  int visible = 1;
  if (b.f.on) {
    const Fringe_setup &f = b.f;
    get_fring_color(b.work, f.key, f.component, f.per_node ? 1 : 0, f.var_id, f.var_type,
                    f.palette_type, f.w[0], f.w[1], f.w[2], f.magnitude ? 1 : 0,
                    f.undefined_display, f.per_node ? p->elem_offsets[e] : e, n, rows(W.colors),
                    corners, centre, centre_value, 0, 0, in_range, &visible, 0, f.limit, f.lo,
                    f.hi, b.part_rgb, rows(W.coords));
  } else {
    for (int k = 0; k < n; k++) memcpy(&W.colors[3 * k], b.part_rgb, sizeof b.part_rgb);
  }
  memcpy(W.plain.data(), W.colors.data(), sizeof(float) * 3 * n);
  return visible != 0;
}

// Corner normals of element e into W (and, under static lighting, the lit
// colours, intensities and specular amounts).
void face_normals(const Build &b, int e, int n, int in_range) {
  const Part_rec *p = parts[b.work];
  const int *nodes = p->connectivity + p->elem_offsets[e];
  if (Software_light) {
    if (b.smooth) {
      smooth_get(n, nodes, rows(W.normals));
      for (int k = 0; k < n; k++) {
        memcpy(&W.positions[3 * k], &W.coords[3 * k], 3 * sizeof(float));
        tmpts(&W.positions[3 * k], b.matrix);
      }
    } else {
      get_normal_software(b.matrix, n, b.work, nodes, b.dv, b.factor, rows(W.normals),
                          rows(W.positions));
    }
    get_color_software(b.work, n, b.f.on ? 1 : 0, b.f.palette_type, b.f.limit, in_range,
                       rows(W.normals), rows(W.positions), rows(W.colors), W.diffuse.data(),
                       W.specular.data());
  } else if (b.smooth) {
    smooth_get(n, nodes, rows(W.normals));
  } else if (polygon_flat_normal(n, rows(W.coords), rows(W.normals)) != 0) {
    get_normal(n, b.work, nodes, b.dv, b.factor, rows(W.normals));
  }
  if (b.reverse)
    for (int k = 0; k < 3 * n; k++) W.normals[k] = -W.normals[k];
}

void lod_count(Build &b) {
  if (!b.lod) return;
  if (++b.lod_counter < b.lod_step) return;
  b.lod_counter = 0;
  b.lod_level += 10;
  b.step(DL_LOD_MARK, b.lod_level);
}

// One face as a single polygon; own_block wraps it in its own begin/end.
void draw_single(Build &b, int e, int n, int in_range, GLenum own_block) {
  const Fringe_setup &f = b.f;
  if (in_range && b.per_element_colour()) b.rgba(&W.colors[0]);
  lod_count(b);
  face_normals(b, e, n, in_range);
  if (own_block) b.step(DL_BEGIN, (int)own_block);
  b.vertex_count += n;
  if (Software_light) {
    for (int k = 0; k < n; k++) {
      b.rgba(&W.colors[3 * k]);
      b.vertex(&W.coords[3 * k]);
    }
  } else {
    if (f.on && f.palette_type == 1 && f.limit == 1 && !in_range)
      b.rgba(b.part_rgb);
    else if (f.on && (f.palette_type == 1 || f.constant || !f.per_node))
      b.rgba(&W.colors[0]);
    const Part_rec *p = parts[b.work];
    for (int k = 0; k < n; k++) {
      if (f.on && f.palette_type == 0 && f.per_node) {
        if (b.texture) {
          int t = 0;
          node_fringe_texture(b.work, p->connectivity[p->elem_offsets[e] + k], f.var_type,
                              f.magnitude, f.w[0], f.w[1], f.w[2], f.key, f.component, f.var_id,
                              &t);
          b.step(DL_TEXCOORD1, 0, 0, t / 255.0f);
        } else {
          b.rgba(&W.colors[3 * k]);
        }
      }
      if (b.smooth || k == 0) b.normal(&W.normals[3 * k]);
      b.vertex(&W.coords[3 * k]);
    }
  }
  if (own_block) b.step(DL_END);
}

}  // namespace

void lit_colour(const float *c, float intensity, float s, float out[3]) {
  for (int i = 0; i < 3; i++) out[i] = c[i] * intensity;
  if (s <= 0.0f) return;
  if (s > 1.0f) s = 1.0f;
  float m = std::fmax(out[0], std::fmax(out[1], out[2]));
  float q = m == 0.0f ? 1.0f : (1.0f - s) / m;
  if (q > 1.0f) q = 1.0f;
  for (int i = 0; i < 3; i++) out[i] = s + q * out[i];
}

namespace {

// A split face as corner-count triangles around its centre.  Immediate
// drawing puts the unbanded triangles in one block.
void draw_fan(Build &b, int e, int n, int corners, const float centre[3], float centre_value,
              int in_range) {
  const Fringe_setup &f = b.f;
  const Part_rec *p = parts[b.work];
  const int offset = p->elem_offsets[e];
  if (in_range && b.per_element_colour()) b.rgba(&W.colors[0]);
  lod_count(b);
  face_normals(b, e, n, in_range);
  float *cn = &W.normals[3 * corners];
  cn[0] = cn[1] = cn[2] = 0.0f;
  W.diffuse[corners] = W.specular[corners] = 0.0f;
  for (int k = 0; k < corners; k++) {
    for (int i = 0; i < 3; i++) cn[i] += W.normals[3 * k + i] / corners;
    W.diffuse[corners] += W.diffuse[k] / corners;
    W.specular[corners] += W.specular[k] / corners;
  }
  float len = std::sqrt(cn[0] * cn[0] + cn[1] * cn[1] + cn[2] * cn[2]);
  if (len > 1e-6f)
    for (int i = 0; i < 3; i++) cn[i] /= len;
  const bool banded = f.palette_type == 1;
  if (b.immediate && !banded) b.step(DL_BEGIN, GL_TRIANGLES);
  for (int a = 0; a < corners; a++) {
    int c = a + 1 < corners ? a + 1 : 0;
    float split[3][3];
    if (in_range || banded) {
      get_fringe_split(b.work, f.key, f.component, f.var_id, f.var_type, f.palette_type, f.w[0],
                       f.w[1], f.w[2], f.magnitude, offset, a, c, centre_value, split);
    }
    if (banded) {
      Calls.fringe_poly_banded(b.work, 0, f.key, f.component, f.var_id, f.var_type, f.w[0],
                               f.w[1], f.w[2], f.magnitude, offset, a, c, corners, centre,
                               centre_value, split[2], b.dv, rows(W.normals), b.factor, f.levels,
                               f.limit, b.part_rgb, rows(W.coords), W.diffuse.data(),
                               W.specular.data(), &b.vertex_count);
      continue;
    }
    if (!in_range) {
      memcpy(split[0], &W.plain[3 * a], sizeof split[0]);
      memcpy(split[1], &W.plain[3 * c], sizeof split[1]);
      memcpy(split[2], &W.plain[0], sizeof split[2]);
    }
    b.vertex_count += 3;
    if (!b.immediate) b.step(DL_BEGIN, GL_TRIANGLES);
    if (Software_light) {
      const int at[3] = {a, c, corners};
      for (int j = 0; j < 3; j++) {
        float lit[3];
        lit_colour(split[j], W.diffuse[at[j]], W.specular[at[j]], lit);
        b.rgba(lit);
        if (j < 2) b.vertex(&W.coords[3 * at[j]]);
      }
    } else {
      b.rgba(split[0]);
      b.normal(&W.normals[3 * a]);
      b.vertex(&W.coords[3 * a]);
      b.rgba(split[1]);
      if (b.smooth) b.normal(&W.normals[3 * c]);
      b.vertex(&W.coords[3 * c]);
      b.rgba(split[2]);
      if (b.smooth) b.normal(cn);
    }
    b.vertex(centre);
    if (!b.immediate) b.step(DL_END);
  }
  if (b.immediate && !banded) b.step(DL_END);
}

// ---- node glyphs -------------------------------------------------------------------------

struct Glyphs {
  int type = 0;           // 0 dot, 1 cross, 2 sphere
  float half = 0.0f;      // half size h
  int size_by = 0, size_var = -1;
  float divisor_p = 1.0f; // a node is drawn when its draw is at most this
  int seed = 0;
  int *flags = nullptr;
  unsigned int sphere_list = 0;  // the part's sphere glyph list of the object kind
};

// The node's glyph size w from its value at `index`; false when the value
// is undefined and the node is skipped.
bool node_size(const Glyphs &g, const Part_rec *p, int index, float *w) {
  *w = g.half;
  if (g.size_by == 0) return true;
  if (g.size_by == 1) {
    if (!part_holds(p, 0, g.size_var)) return true;
    float s = p->scalars[g.size_var][index];
    if (s == Undefined) return false;
    *w = std::fabs(s * g.half);
    return true;
  }
  if (!part_holds(p, 1, g.size_var)) return true;
  const float *v = p->vectors[g.size_var][index];
  if (v[0] == Undefined) return false;
  if (g.size_by == 2)
    *w = g.half * std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
  else if (g.size_by <= 5)
    *w = std::fabs(v[g.size_by - 3] * g.half);
  return true;
}

void node_position(const Build &b, int node, float out[3]) {
  const Part_rec *p = parts[b.work];
  for (int i = 0; i < 3; i++) out[i] = p->coords[node][i];
  if (b.dv < 0) return;
  const float *d = p->vectors[b.dv][node];
  if (d[0] == Undefined) return;
  for (int i = 0; i < 3; i++) out[i] += d[i] * b.factor;
}

// The node's fringe colour step; false when the node is skipped.
bool node_colour(const Build &b, int node) {
  const Fringe_setup &f = b.f;
  if (!f.on || !f.per_node) return true;
  float rgb[3], value = 0.0f;
  int defined = Calls.node_fringe_color(b.work, node, f.var_type, f.magnitude, f.w[0], f.w[1],
                                        f.w[2], f.key, f.component, f.var_id, rgb,
                                        f.palette_type, &value);
  if (f.limit && (value < f.node_lo || value > f.node_hi)) {
    if (f.limit == 2) return false;
    if (f.limit == 1) memcpy(rgb, b.part_rgb, sizeof rgb);
  }
  if (!defined) {
    if (f.undefined_display == 2) return false;
    if (f.undefined_display == 1) memcpy(rgb, b.part_rgb, sizeof rgb);
  }
  b.rgb(rgb);
  return true;
}

void cross(const Build &b, const float x[3], float w, const float *normal) {
  b.step(DL_BEGIN, GL_LINES);
  for (int axis = 0; axis < 3; axis++)
    for (float sign : {-1.0f, 1.0f}) {
      float v[3] = {x[0], x[1], x[2]};
      v[axis] += sign * w;
      if (normal) b.normal(normal);
      b.vertex(v);
    }
  b.step(DL_END);
}

// Pass 1: the nodes of faces, with their face's normal (dots and crosses).
void glyphs_of_faces(Build &b, Glyphs &g) {
  const Part_rec *p = parts[b.work];
  if (g.type == 0) b.step(DL_BEGIN, GL_POINTS);
  for (int e = 0; e < p->element_count; e++) {
    int n = p->elem_offsets[e + 1] - p->elem_offsets[e];
    if (n < 3) continue;
    const int *nodes = p->connectivity + p->elem_offsets[e];
    W.fit(n);
    if (b.smooth) {
      smooth_get(n, nodes, rows(W.normals));
    } else {
      get_elem_coord(b.work, e, W.coords.data());
      if (polygon_flat_normal(n, rows(W.coords), rows(W.normals)) != 0)
        get_normal(n, b.work, nodes, b.dv, b.factor, rows(W.normals));
    }
    for (int k = 0; k < n; k++) {
      int node = nodes[k];
      float x = erand0(&g.seed);
      if (g.flags[node]) continue;
      g.flags[node] = 1;
      if (x > g.divisor_p || !node_colour(b, node)) continue;
      float w = g.half, pos[3];
      if (g.type == 1 && !node_size(g, p, node, &w)) continue;
      node_position(b, node, pos);
      if (g.type == 0) {
        b.normal(&W.normals[3 * k]);
        b.vertex(pos);
      } else {
        cross(b, pos, w, &W.normals[3 * k]);
      }
    }
  }
  if (g.type == 0) b.step(DL_END);
}

// Pass 2: every node not drawn or skipped yet.
void glyphs_of_nodes(Build &b, Glyphs &g) {
  const Part_rec *p = parts[b.work];
  const Fringe_setup &f = b.f;
  const bool element_values = p->element_count == 0 && f.on && !f.per_node;
  const int size_order = g.size_by ? variable_order(g.size_var) : 4;
  for (int i = 1; i <= p->node_count; i++) {
    if (g.flags[i]) continue;
    float x = erand0(&g.seed);
    if (x > g.divisor_p) {
      g.flags[i] = 1;
      continue;
    }
    if (element_values) {
      float colors[1][3], centre[3], centre_value;
      int corners, in_range, visible;
      get_fring_color(b.work, f.key, f.component, 0, f.var_id, f.var_type, f.palette_type,
                      f.w[0], f.w[1], f.w[2], f.magnitude, f.undefined_display, i - 1, 1, colors,
                      &corners, centre, &centre_value, 0, 0, &in_range, &visible, 0, f.limit,
                      f.node_lo, f.node_hi, b.part_rgb, nullptr);
      if (!visible || (f.limit == 2 && !in_range)) continue;
      b.rgb(colors[0]);
    } else if (!node_colour(b, i)) {
      continue;
    }
    float w, pos[3];
    if (!node_size(g, p, size_order == 1 ? i - 1 : i, &w)) continue;
    node_position(b, i, pos);
    if (g.type == 0) {
      b.vertex(pos);
    } else if (g.type == 1) {
      cross(b, pos, w, nullptr);
    } else {
      b.step(DL_PUSH_MATRIX);
      b.step(DL_TRANSLATE, 0, 0, pos[0], pos[1], pos[2]);
      b.step(DL_SCALE, 0, 0, w, w, w);
      b.step(DL_CALL_LIST, (int)g.sphere_list);
      b.step(DL_POP_MATRIX);
    }
  }
}

// The glyph settings of the part's attributes.
void glyphs_setup(const Part_rec *p, Glyphs &g) {
  const float *a = p->attributes;
  g.type = our_rint(a[SLOT_NODE_TYPE]);
  if (g.type < 0 || g.type > 2) g.type = 0;
  g.half = a[SLOT_NODE_SCALE] * 0.5f;
  g.size_by = our_rint(a[SLOT_NODE_SIZE_BY]);
  g.size_var = our_rint(a[SLOT_NODE_VARIABLE]);
  if (g.size_by < 0 || g.size_by > 5 || (variable_order(g.size_var) == 1 && p->element_count > 0))
    g.size_by = 0;
}

void node_glyphs(Build &b, int divisor, int sphere_triangles) {
  const Part_rec *p = parts[b.work];
  Glyphs g;
  glyphs_setup(p, g);
  g.sphere_list = p->sphere_solid_list;
  const int N = p->node_count;
  b.vertex_count += g.type == 0 ? N : g.type == 1 ? 6 * N : 3 * sphere_triangles * N;
  get_temp_integer_memory(&g.flags, N + 1);
  if (!g.flags) return;
  g.seed = N;
  g.divisor_p = 1.0f / (float)(divisor > 0 ? divisor : 1);
  if (g.type != 2) {
    glyphs_of_faces(b, g);
    b.step(DL_DISABLE, GL_LIGHTING);
    if (g.type == 0) b.step(DL_BEGIN, GL_POINTS);
  }
  glyphs_of_nodes(b, g);
  if (g.type == 0) b.step(DL_END);
  if (g.type != 2 && !Software_light) b.step(DL_ENABLE, GL_LIGHTING);
  if (g.type == 2) b.step(DL_DISABLE, GL_NORMALIZE);
}

// ---- two-node elements -------------------------------------------------------------------

void line_elements(Build &b, float offset) {
  const Part_rec *p = parts[b.work];
  const Fringe_setup &f = b.f;
  bool open = false;
  for (int e = 0; e < p->element_count; e++) {
    if (p->elem_offsets[e + 1] - p->elem_offsets[e] != 2) continue;
    int corners, in_range;
    float centre[3], centre_value;
    b.vertex_count += 2;
    if (!load_element(b, e, 2, &corners, centre, &centre_value, &in_range)) continue;
    if (!in_range) continue;
    if (f.on && b.per_element_colour()) b.rgb(&W.colors[0]);
    if (!open) {
      b.step(DL_DISABLE, GL_LIGHTING);
      b.step(DL_BEGIN, GL_LINES);
      open = true;
    }
    for (int k = 0; k < 2; k++) {
      if (f.on && !f.constant && f.per_node) b.rgb(&W.colors[3 * k]);
      float v[3];
      memcpy(v, &W.coords[3 * k], sizeof v);
      int node = p->connectivity[p->elem_offsets[e] + k];
      if (offset != 0.0f && p->point_vectors)
        for (int i = 0; i < 3; i++) v[i] += p->point_vectors[node][i] * offset;
      b.vertex(v);
    }
  }
  if (!open) return;
  b.step(DL_END);
  if (!Software_light) b.step(DL_ENABLE, GL_LIGHTING);
}

// ---- faces -------------------------------------------------------------------------------

// True while a GL display list is being compiled in the current context.
bool compiling_gl_list() {
  if (Compile_Quivane_display_list) return false;
  GLint list = 0;
  glGetIntegerv(GL_LIST_INDEX, &list);
  return list != 0;
}

void face_passes(Build &b, bool visible) {
  const Part_rec *p = parts[b.work];
  const Fringe_setup &f = b.f;
  static const int Targets[3] = {3, 4, 5};
  for (int pass = 0; pass < 3; pass++) {
    const int target = visible ? Targets[pass] : -1;
    if (pass < 2) b.step(DL_BEGIN, pass == 0 ? GL_TRIANGLES : GL_QUADS);
    for (int e = 0; e < p->element_count; e++) {
      const int n = p->elem_offsets[e + 1] - p->elem_offsets[e];
      const bool of_pass = n == target || (pass == 2 && target > 0 && n >= 5);
      if (!f.on && !of_pass) continue;
      if (n < 3 && !f.on) continue;
      int corners, in_range;
      float centre[3] = {0, 0, 0}, centre_value = 0.0f;
      if (!load_element(b, e, n, &corners, centre, &centre_value, &in_range)) continue;
      if (n < 3 || !visible || !(in_range || f.limit == 1)) continue;
      if (corners == 1 && of_pass)
        draw_single(b, e, n, in_range, pass == 2 ? GL_POLYGON : 0);
      else if (corners > 1 && pass == 2)
        draw_fan(b, e, n, corners, centre, centre_value, in_range);
    }
    if (pass < 2) b.step(DL_END);
  }
}

// Vertex and polygon counts of the glyph sphere at this detail.
void sphere_counts(int detail, int *nv, int *np) {
  if (detail < 0) detail = 0;
  std::vector<float> scratch(3 * (detail + 2) * (detail + 2) + 3), vertices(scratch.size());
  std::vector<int> polygons(SPHERE_POLYGON_WIDTH * (detail + 1) * (detail + 1) + 1);
  *nv = *np = 0;
  make_a_sphere(detail, rows(scratch), rows(vertices), polygons.data(), SPHERE_POLYGON_WIDTH,
                nv, np);
}

}  // namespace

int trace_geometry(int part) {
  if (parts[part]->type != PART_TRACE) return 0;
  int temporary = 0, rep = our_rint(parts[part]->attributes[97]);
  if (rep == 1) temporary = Calls.ribbon_geom(part);
  if (rep == 2) temporary = Calls.tube_geom(part);
  return temporary > 0 && temporary < Num_p_loaded && parts[temporary] ? temporary : 0;
}

void remove_temporary_part(int index) {
  if (index <= 0 || index != Num_p_loaded - 1 || !parts[index]) return;
  int number = parts[index]->number, case_index = parts[index]->case_index;
  // Made like any part, the temporary one was counted in its case too.
  if (case_index >= 0 && case_index < MAX_CASES && Num_parts_cases[case_index] > 0)
    Num_parts_cases[case_index]--;
  part_rec_free(parts[index]);
  parts[index] = nullptr;
  if (number > 0 && number < MAX_PART_NUMBER) Part_cross[number] = -1;
  Num_p_loaded--;
  Num_p_partlist--;
}

void build_solid(int part, int divisor) {
  if (part < 0 || part >= Num_p_loaded || !parts[part] || !parts[part]->attributes) return;
  const float load = fringe_load_factor();
  if (parts[part]->node_count <= 0) return;
  Build b;
  b.part = b.work = part;
  if (parts[part]->attributes[SLOT_OPAQUENESS] != 1.0f) Resort_transparent = 1;
  const int temporary = trace_geometry(part);
  if (temporary) b.work = temporary;
  const Part_rec *p = parts[b.work];
  const float *a = p->attributes;
  const float trace_offset = a[65];
  const bool offset_on = p->type == PART_TRACE && trace_offset != 0.0f;
  if (!fringe_setup(b.work, b.f)) {
    remove_temporary_part(temporary);
    return;
  }
  setup_common(b, part);
  b.step(Software_light ? DL_DISABLE : DL_ENABLE, GL_LIGHTING);
  b.factor = a[SLOT_DISPLACE_FACTOR] * load;
  b.reverse = Reverse_normal != 0;
  b.texture = Texture_toggle != 0;

  const bool nodes_on = a[SLOT_VIS_NODE] == 1.0f;
  int sphere_triangles = 0;
  if (nodes_on) {
    if (our_rint(a[SLOT_NODE_TYPE]) == 2) {
      b.step(DL_ENABLE, GL_NORMALIZE);
      int nv = 0, np = 0;
      sphere_counts(our_rint(a[SLOT_NODE_DETAIL]), &nv, &np);
      sphere_triangles = 2 * np;
    }
    if (b.f.on) {
      b.step(DL_COLOR_MATERIAL, GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
      b.step(DL_ENABLE, GL_COLOR_MATERIAL);
    }
  }

  // Smooth normals: the corner normals of every face added at its nodes.
  if ((int)a[SLOT_SHADING] == 2 && smooth_begin(b.work)) {
    b.smooth = true;
    for (int e = 0; e < p->element_count; e++) {
      int n = p->elem_offsets[e + 1] - p->elem_offsets[e];
      if (n < 3) continue;
      const int *nodes = p->connectivity + p->elem_offsets[e];
      W.fit(n);
      if (Software_light)
        get_normal_software(b.matrix, n, b.work, nodes, b.dv, b.factor, rows(W.normals),
                            rows(W.positions));
      else
        get_normal(n, b.work, nodes, b.dv, b.factor, rows(W.normals));
      for (int k = 0; k < n; k++) smooth_add(&W.normals[3 * k], nodes[k]);
    }
    smooth_them(b.work);
  }

  if (nodes_on) node_glyphs(b, divisor, sphere_triangles);
  if (a[SLOT_VIS_LINE] == 1.0f) line_elements(b, offset_on ? trace_offset : 0.0f);

  if (b.f.on && !Software_light) {
    if (b.texture) {
      b.step(DL_ENABLE, GL_TEXTURE_1D);
    } else {
      b.step(DL_COLOR_MATERIAL, GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
      b.step(DL_ENABLE, GL_COLOR_MATERIAL);
    }
  }

  const bool faces_on = a[SLOT_VIS_ELT] == 1.0f;
  bool stripped = false;
  // The strip drawer calls OpenGL itself, so it is only used while a GL
  // list is being compiled; a recorded object gets the face passes.
  if (Performance_mode && Software_light && b.smooth && a[SLOT_SHRINK] == 0.0f && faces_on &&
      b.dv < 0 && (!b.f.on || (b.f.per_node && b.f.palette_type != 1)) && compiling_gl_list()) {
    W.fit(3);
    stripped = Calls.strip(b.work, b.f.var_type, b.f.w[0], b.f.w[1], b.f.w[2],
                           b.f.palette_type, b.f.key, b.f.component, b.f.var_id,
                           b.f.magnitude, b.f.on, b.f.limit, 1, W.diffuse.data(),
                           W.specular.data(), b.matrix) == 1;
  }
  if (!stripped) {
    b.lod = true;
    int pipes = How_many_pipes > 0 ? How_many_pipes : 1;
    b.lod_step = our_rint((float)((p->element_count / pipes) / 10.0)) + 1;
    face_passes(b, faces_on);
  }

  if (b.smooth) smooth_end();
  if (b.f.on) b.step(DL_DISABLE, b.texture ? GL_TEXTURE_1D : GL_COLOR_MATERIAL);
  remove_temporary_part(temporary);
  parts[part]->solid_object_size = b.vertex_count;
}

// ---- line objects ------------------------------------------------------------------------

int Line_cull_toggle = 0;

namespace {

// The duplicate-edge table: per lower node number a list of cells holding
// the higher node and the element the edge was first met in.  Cells come
// from a pool that is refilled in blocks; heads and cells only grow and
// live as long as the program.
struct Edge_cell {
  int high, element;
  Edge_cell *next;
};
Edge_cell **Edge_heads = nullptr;
int Edge_head_count = 0;
Edge_cell *Edge_pool = nullptr;
const int Edge_block_cells = 4096;

// Room for `count` heads, the new ones empty.  False when it cannot be had.
bool edge_heads_fit(int count) {
  if (count <= Edge_head_count) return true;
  void *grown = gate_calloc((size_t)count, sizeof(Edge_cell *));
  if (!grown) return false;
  if (Edge_heads) memcpy(grown, Edge_heads, sizeof(Edge_cell *) * (size_t)Edge_head_count);
  gate_free(Edge_heads);
  Edge_heads = static_cast<Edge_cell **>(grown);
  Edge_head_count = count;
  return true;
}

Edge_cell *edge_cell() {
  if (!Edge_pool) {
    void *block = gate_malloc(sizeof(Edge_cell) * Edge_block_cells);
    if (!block) return nullptr;
    Edge_cell *cells = static_cast<Edge_cell *>(block);
    for (int i = 0; i < Edge_block_cells; i++)
      cells[i].next = i + 1 < Edge_block_cells ? &cells[i + 1] : nullptr;
    Edge_pool = cells;
  }
  Edge_cell *c = Edge_pool;
  Edge_pool = c->next;
  return c;
}

// Every cell of heads 0..count-1 back to the pool, the heads empty.
void edge_table_release(int count) {
  for (int i = 0; i < count && i < Edge_head_count; i++) {
    while (Edge_cell *c = Edge_heads[i]) {
      Edge_heads[i] = c->next;
      c->next = Edge_pool;
      Edge_pool = c;
    }
  }
}

// Enters every edge of the visible bars and faces once.  False when a cell
// could not be had (the table is emptied again).
bool edge_table_fill(const Part_rec *p) {
  const float *a = p->attributes;
  const bool bars = a[SLOT_VIS_LINE] == 1.0f, faces = a[SLOT_VIS_ELT] == 1.0f;
  const int N = p->node_count;
  for (int e = 0; e < p->element_count; e++) {
    const int n = p->elem_offsets[e + 1] - p->elem_offsets[e];
    if (!(n == 2 ? bars : n >= 3 && faces)) continue;
    const int *c = p->connectivity + p->elem_offsets[e];
    for (int k = 0; k < n; k++) {
      int u = c[k], v = c[k + 1 < n ? k + 1 : 0];
      if (u > v) std::swap(u, v);
      if (u < 1 || v > N) continue;
      Edge_cell **at = &Edge_heads[u];
      while (*at && (*at)->high != v) at = &(*at)->next;
      if (*at) continue;
      Edge_cell *cell = edge_cell();
      if (!cell) {
        edge_table_release(N + 1);
        return false;
      }
      *cell = {v, e, nullptr};
      *at = cell;
    }
  }
  return true;
}

// A node's line vertex: coordinates, the trace offset, the displacement.
void line_node_position(const Build &b, int node, float offset, float out[3]) {
  node_position(b, node, out);
  const Part_rec *p = parts[b.work];
  if (offset != 0.0f && p->point_vectors)
    for (int i = 0; i < 3; i++) out[i] += p->point_vectors[node][i] * offset;
}

// An edge endpoint's colour under per-node colouring: 1 with rgb set, 0
// to keep the current colour, -1 when the edge is left out.
int edge_end_colour(const Build &b, int node, float rgb[3]) {
  const Fringe_setup &f = b.f;
  float value = 0.0f;
  if (Calls.node_fringe_color(b.work, node, f.var_type, f.magnitude, f.w[0], f.w[1], f.w[2],
                              f.key, f.component, f.var_id, rgb, f.palette_type, &value))
    return 1;
  if (f.undefined_display == 2) return -1;
  if (f.undefined_display == 1) {
    memcpy(rgb, b.part_rgb, 3 * sizeof(float));
    return 1;
  }
  return 0;
}

// Every edge of the table once, in one line block.
void edges_once(Build &b, float offset) {
  const Part_rec *p = parts[b.work];
  const Fringe_setup &f = b.f;
  const int N = p->node_count;
  b.step(DL_BEGIN, GL_LINES);
  for (int i = 0; i <= N; i++) {
    for (const Edge_cell *c = Edge_heads[i]; c; c = c->next) {
      const int ends[2] = {i, c->high};
      float rgb[2][3];
      int use[2] = {0, 0};
      if (f.on && f.per_node) {
        use[0] = edge_end_colour(b, ends[0], rgb[0]);
        use[1] = use[0] < 0 ? -1 : edge_end_colour(b, ends[1], rgb[1]);
        if (use[0] < 0 || use[1] < 0) continue;
      } else if (f.on) {
        float centre[3], centre_value;
        int corners, in_range, visible = 1;
        get_fring_color(b.work, f.key, f.component, 0, f.var_id, f.var_type, f.palette_type,
                        f.w[0], f.w[1], f.w[2], f.magnitude, f.undefined_display, c->element, 1,
                        rgb, &corners, centre, &centre_value, 0, 0, &in_range, &visible, 0, 0,
                        f.lo, f.hi, b.part_rgb, nullptr);
        if (!visible) continue;
        b.rgb(rgb[0]);
      }
      for (int k = 0; k < 2; k++) {
        float v[3];
        line_node_position(b, ends[k], offset, v);
        if (use[k] > 0) b.rgb(rgb[k]);
        b.vertex(v);
      }
    }
  }
  b.step(DL_END);
  edge_table_release(N + 1);
}

// Element e as vertices (inside the caller's block, or in its own `own`
// block); false when its colours make it invisible.
bool line_element(Build &b, int e, int n, float offset, GLenum own) {
  const Part_rec *p = parts[b.work];
  const Fringe_setup &f = b.f;
  int corners, in_range;
  float centre[3], centre_value;
  if (!load_element(b, e, n, &corners, centre, &centre_value, &in_range)) return false;
  if (f.on && !f.per_node) b.rgb(&W.colors[0]);
  if (own) b.step(DL_BEGIN, (int)own);
  const int *nodes = p->connectivity + p->elem_offsets[e];
  for (int k = 0; k < n; k++) {
    float *v = &W.coords[3 * k];
    if (offset != 0.0f && p->point_vectors && nodes[k] >= 1 && nodes[k] <= p->node_count)
      for (int i = 0; i < 3; i++) v[i] += p->point_vectors[nodes[k]][i] * offset;
    if (f.on && f.per_node) b.rgb(&W.colors[3 * k]);
    b.vertex(v);
  }
  if (own) b.step(DL_END);
  b.vertex_count += 2 * n;
  return true;
}

// Bars (one line block, begun at the first bar drawn unless `always`).
void line_bars(Build &b, float offset, bool always) {
  const Part_rec *p = parts[b.work];
  const bool visible = p->attributes[SLOT_VIS_LINE] == 1.0f;
  bool open = false;
  if (always) {
    b.step(DL_BEGIN, GL_LINES);
    open = true;
  }
  for (int e = 0; visible && e < p->element_count; e++) {
    if (p->elem_offsets[e + 1] - p->elem_offsets[e] != 2) continue;
    if (!open) {
      b.step(DL_BEGIN, GL_LINES);
      open = true;
    }
    line_element(b, e, 2, offset, 0);
  }
  if (open) b.step(DL_END);
}

// Faces of node count `target` (0: 5 or more, each its own line loop;
// -1: 3 or more, each its own line loop) inside `block` when given.
void line_faces(Build &b, float offset, int target, GLenum block) {
  const Part_rec *p = parts[b.work];
  const bool visible = p->attributes[SLOT_VIS_ELT] == 1.0f;
  if (block) b.step(DL_BEGIN, (int)block);
  for (int e = 0; visible && e < p->element_count; e++) {
    const int n = p->elem_offsets[e + 1] - p->elem_offsets[e];
    if (target > 0 ? n != target : n < (target == 0 ? 5 : 3)) continue;
    line_element(b, e, n, offset, block ? 0 : GL_LINE_LOOP);
  }
  if (block) b.step(DL_END);
}

}  // namespace

void build_line(int part, int divisor) {
  if (part < 0 || part >= Num_p_loaded || !parts[part] || !parts[part]->attributes) return;
  if (parts[part]->node_count <= 0) return;
  const float load = fringe_load_factor();
  if (parts[part]->attributes[SLOT_OPAQUENESS] != 1.0f) Resort_transparent = 1;
  Build b;
  b.kind = 0;
  b.part = b.work = part;
  const int temporary = trace_geometry(part);
  if (temporary) b.work = temporary;
  const Part_rec *p = parts[b.work];
  const float *a = p->attributes;
  const float offset = a[65];
  if (!fringe_setup(b.work, b.f)) {
    remove_temporary_part(temporary);
    return;
  }
  // Lines colour as a continuous palette.
  b.f.palette_type = 0;
  b.f.constant = false;
  b.f.lo = b.f.node_lo;
  b.f.hi = b.f.node_hi;
  if (b.f.on && Hlinet && our_rint(a[SLOT_HIDDEN_LINE]) == 1) {
    float rgb[3];
    int overlay = 0;
    hidden_line_colors(&rgb[0], &rgb[1], &rgb[2], &overlay, 0);
    if (overlay) b.f.on = false;
  }
  b.step(DL_DISABLE, GL_LIGHTING);
  setup_common(b, part);
  b.factor = a[SLOT_DISPLACE_FACTOR] * load;

  if (a[SLOT_VIS_NODE] == 1.0f) {
    Glyphs g;
    glyphs_setup(p, g);
    g.sphere_list = p->sphere_line_list;
    const int N = p->node_count;
    if (g.type == 2) {
      int nv = 0, np = 0;
      sphere_counts(our_rint(a[SLOT_NODE_DETAIL]), &nv, &np);
      b.vertex_count += 3 * nv * N;
    } else {
      b.vertex_count += g.type == 0 ? N : 6 * N;
    }
    get_temp_integer_memory(&g.flags, N + 1);
    if (g.flags) {
      g.seed = N;
      g.divisor_p = 1.0f / (float)(divisor > 0 ? divisor : 1);
      if (g.type == 0) b.step(DL_BEGIN, GL_POINTS);
      glyphs_of_nodes(b, g);
      if (g.type == 0) b.step(DL_END);
    }
  }

  const float edge_offset = p->type == PART_TRACE ? offset : 0.0f;
  // Without room for the table the edges are drawn as wireframe.
  const bool want_once = Line_cull_toggle != 0 && a[SLOT_SHRINK] == 0.0f;
  if (want_once && edge_heads_fit(p->node_count + 1) && edge_table_fill(p)) {
    edges_once(b, edge_offset);
  } else if (Wireframe_lines || want_once) {
    line_bars(b, edge_offset, false);
    line_faces(b, edge_offset, -1, 0);
  } else {
    line_bars(b, edge_offset, true);
    line_faces(b, edge_offset, 3, GL_TRIANGLES);
    line_faces(b, edge_offset, 4, GL_QUADS);
    line_faces(b, edge_offset, 0, 0);
  }
  remove_temporary_part(temporary);
  parts[part]->line_object_size = b.vertex_count;
}

// ---- immediate elements ------------------------------------------------------------------

void display_one_shaded_polygon(int part, int element, int smooth, signed char normal[3],
                                unsigned char color[3], int *fringe) {
  if (part < 0 || part >= Num_p_loaded || !parts[part]) return;
  const Part_rec *p = parts[part];
  if (element < 0 || element >= p->element_count) return;
  Build b;
  b.part = b.work = part;
  b.immediate = true;
  bool drawable = fringe_setup(part, b.f);
  *fringe = b.f.on ? 1 : 0;
  if (!drawable) return;
  setup_common(b, part);
  b.factor = p->attributes[SLOT_DISPLACE_FACTOR];
  b.smooth = smooth != 0;
  const float *a = p->attributes;
  const int n = p->elem_offsets[element + 1] - p->elem_offsets[element];
  if (n <= 0) return;
  int corners, in_range;
  float centre[3] = {0, 0, 0}, centre_value = 0.0f;
  if (!load_element(b, element, n, &corners, centre, &centre_value, &in_range)) return;
  if (b.f.on)
    for (int i = 0; i < 3; i++) color[i] = (unsigned char)our_rint(255.0f * W.colors[i]);
  if (n == 2) {
    if (!in_range || a[SLOT_VIS_LINE] != 1.0f) return;
    if (b.per_element_colour()) glColor3fv(&W.colors[0]);
    glDisable(GL_LIGHTING);
    glBegin(GL_LINES);
    for (int k = 0; k < 2; k++) {
      if (b.f.on && !b.f.constant && b.f.per_node) glColor3fv(&W.colors[3 * k]);
      glVertex3fv(&W.coords[3 * k]);
    }
    glEnd();
    glEnable(GL_LIGHTING);
    return;
  }
  if (n < 3) return;
  if (b.f.on && !Software_light) {
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
  }
  if ((in_range || b.f.limit == 1) && a[SLOT_VIS_ELT] == 1.0f) {
    if (corners == 1)
      draw_single(b, element, n, in_range,
                  n == 3 ? GL_TRIANGLES : n == 4 ? GL_QUADS : GL_POLYGON);
    else
      draw_fan(b, element, n, corners, centre, centre_value, in_range);
    for (int i = 0; i < 3; i++) normal[i] = (signed char)our_rint(125.0f * W.normals[i]);
  }
  if (b.f.on) glDisable(GL_COLOR_MATERIAL);
}

namespace {

// A realtime surface as the immediate readers see it.
struct Realtime_surface {
  const float *x, *y, *z, *scalars;
  const float (*vectors)[3];
  const int *connectivity;
  int n;
};

void realtime_point(const Realtime_surface &s, int node, float out[3]) {
  out[0] = s.x[node];
  out[1] = s.y[node];
  out[2] = s.z[node];
}

// Unit normal of the element's first three nodes, undisplaced.
void realtime_normal(const Realtime_surface &s, int e, float out[3]) {
  const int *c = s.connectivity + s.n * e;
  float p0[3], p1[3], p2[3], u[3], v[3];
  realtime_point(s, c[0], p0);
  realtime_point(s, c[1], p1);
  realtime_point(s, c[2], p2);
  for (int i = 0; i < 3; i++) {
    u[i] = p1[i] - p0[i];
    v[i] = p2[i] - p0[i];
  }
  out[0] = u[1] * v[2] - u[2] * v[1];
  out[1] = u[2] * v[0] - u[0] * v[2];
  out[2] = u[0] * v[1] - u[1] * v[0];
  float l = std::sqrt(out[0] * out[0] + out[1] * out[1] + out[2] * out[2]);
  if (l > 0.0f)
    for (int i = 0; i < 3; i++) out[i] /= l;
}

// The value at index (node number or element index) and whether it is defined.
float realtime_value(const Realtime_surface &s, int var_type, bool magnitude, const float w[3],
                     int index, int coord_node, bool *defined) {
  *defined = true;
  if (var_type == 0) {
    float v = s.scalars[index];
    *defined = v != Undefined;
    return v;
  }
  float v[3];
  if (var_type == 1) {
    for (int i = 0; i < 3; i++) v[i] = s.vectors[index][i];
    *defined = v[0] != Undefined;
  } else {
    realtime_point(s, coord_node, v);
  }
  if (magnitude) return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
  return w[0] * v[0] + w[1] * v[1] + w[2] * v[2];
}

void realtime_position(const Realtime_surface &s, int node, int dv, float factor, float out[3]) {
  realtime_point(s, node, out);
  if (dv < 0 || !s.vectors || s.vectors[node][0] == Undefined) return;
  for (int i = 0; i < 3; i++) out[i] += s.vectors[node][i] * factor;
}

}  // namespace

void build_solid_fast(int part, int node_count, int element_count, const float *x,
                      const float *y, const float *z, const float *scalars,
                      const float (*vectors)[3], const int *connectivity, int scalar_count,
                      int vector_count, int nodes_per_element) {
  if (node_count <= 0 || part < 0 || part >= Num_p_loaded || !parts[part]) return;
  if (nodes_per_element != 3 && nodes_per_element != 4) return;
  const Part_rec *p = parts[part];
  const float *a = p->attributes;
  Fringe_setup f;
  if (!fringe_setup(part, f, false)) return;
  if (f.on) {
    int needed = f.per_node ? node_count : element_count;
    if ((f.var_type == 0 && (scalar_count < needed || !scalars)) ||
        (f.var_type == 1 && (vector_count < needed || !vectors)))
      f.on = false;
  }
  const Realtime_surface s = {x, y, z, scalars, vectors, connectivity, nodes_per_element};
  const int dv = (int)a[SLOT_DISPLACE_BY];
  const float factor = a[SLOT_DISPLACE_FACTOR];
  const int displace = dv >= 0 && vectors && vector_count >= node_count ? dv : -1;
  const bool box = (Box_mode || Box_mode_always) && our_rint(a[SLOT_BOUNDING_REP]) != 0;
  const bool faces = a[SLOT_VIS_ELT] != 0.0f && !box;
  if (f.on) {
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
  }
  const float part_rgb[3] = {a[SLOT_RGB_R], a[SLOT_RGB_G], a[SLOT_RGB_B]};
  // One element's nodes: normal, colours, skips, positions; points send each
  // node once.
  auto element = [&](int e, int *flags) {
    float normal[3], rgb[3], pos[3];
    realtime_normal(s, e, normal);
    const int *c = connectivity + nodes_per_element * e;
    bool defined;
    if (f.on && !f.per_node) {
      float v = realtime_value(s, f.var_type, f.magnitude, f.w, e, c[0], &defined);
      if (!defined && f.undefined_display == 2) return;
      if (!defined && f.undefined_display == 1) {
        glColor3fv(part_rgb);
      } else {
        int interval;
        float fraction;
        Calls.false_color(f.key, f.component, v, rgb, f.palette_type, &interval, &fraction);
        glColor3fv(rgb);
      }
    }
    if (f.on && f.per_node && f.undefined_display == 2 && f.var_type <= 1)
      for (int k = 0; k < nodes_per_element; k++) {
        realtime_value(s, f.var_type, f.magnitude, f.w, c[k], c[k], &defined);
        if (!defined) return;
      }
    for (int k = 0; k < nodes_per_element; k++) {
      if (flags) {
        if (flags[c[k]]) continue;
        flags[c[k]] = 1;
      }
      realtime_position(s, c[k], displace, factor, pos);
      if (f.on && f.per_node) {
        float v = realtime_value(s, f.var_type, f.magnitude, f.w, c[k], c[k], &defined);
        int interval;
        float fraction;
        Calls.false_color(f.key, f.component, v, rgb, f.palette_type, &interval, &fraction);
        glColor3fv(rgb);
      }
      glNormal3fv(normal);
      glVertex3fv(pos);
    }
  };
  if (a[SLOT_VIS_NODE] != 0.0f || box) {
    if (a[SLOT_LINE_WIDTH] < 2.0f) glPointSize(2.0f);
    int *flags = nullptr;
    get_temp_integer_memory(&flags, node_count + 1);
    if (flags) {
      glBegin(GL_POINTS);
      for (int e = 0; e < element_count; e++) element(e, flags);
      glEnd();
    }
  }
  if (faces && element_count > 0) {
    glBegin(nodes_per_element == 3 ? GL_TRIANGLES : GL_QUADS);
    for (int e = 0; e < element_count; e++) element(e, nullptr);
    glEnd();
  }
  if (f.on) glDisable(GL_COLOR_MATERIAL);
}

void display_one_shaded_realtime_polygon(int element, int part, const float *x, const float *y,
                                         const float *z, const float *scalars,
                                         const float (*vectors)[3], const int *connectivity,
                                         int, int, int nodes_per_element, int fringe,
                                         int per_node, int magnitude, int undefined_display,
                                         int key, float wx, float wy, float wz,
                                         int palette_type, int var_type) {
  if (part < 0 || part >= Num_p_loaded || !parts[part]) return;
  if (nodes_per_element != 3 && nodes_per_element != 4) return;
  const float *a = parts[part]->attributes;
  const float alpha = a[SLOT_OPAQUENESS], factor = a[SLOT_DISPLACE_FACTOR];
  const int dv = (int)a[SLOT_DISPLACE_BY];
  const Realtime_surface s = {x, y, z, scalars, vectors, connectivity, nodes_per_element};
  const float w[3] = {wx, wy, wz};
  const int *c = connectivity + nodes_per_element * element;
  float normal[3], rgb[3], pos[3];
  realtime_normal(s, element, normal);
  bool defined;
  int interval;
  float fraction;
  if (fringe && !per_node) {
    float v = realtime_value(s, var_type, magnitude != 0, w, element, c[0], &defined);
    if (!defined && undefined_display == 2) return;
    if (!defined && undefined_display == 1) {
      glColor4f(a[SLOT_RGB_R], a[SLOT_RGB_G], a[SLOT_RGB_B], alpha);
    } else {
      Calls.false_color(key, 0, v, rgb, palette_type, &interval, &fraction);
      glColor4f(rgb[0], rgb[1], rgb[2], alpha);
    }
  }
  if (fringe && per_node && undefined_display == 2 && var_type <= 1)
    for (int k = 0; k < nodes_per_element; k++) {
      realtime_value(s, var_type, magnitude != 0, w, c[k], c[k], &defined);
      if (!defined) return;
    }
  for (int k = 0; k < nodes_per_element; k++) {
    realtime_position(s, c[k], vectors ? dv : -1, factor, pos);
    if (fringe && per_node) {
      float v = realtime_value(s, var_type, magnitude != 0, w, c[k], c[k], &defined);
      Calls.false_color(key, 0, v, rgb, palette_type, &interval, &fraction);
      glColor4f(rgb[0], rgb[1], rgb[2], alpha);
    }
    glNormal3fv(normal);
    glVertex3fv(pos);
  }
}

void build_line_fast(int part, int node_entries, int element_count, const float *x,
                     const float *y, const float *z, const float *scalars,
                     const float (*vectors)[3], const int *connectivity, int scalar_count,
                     int vector_count, int nodes_per_element) {
  if (node_entries <= 0 || part < 0 || part >= Num_p_loaded || !parts[part]) return;
  if (nodes_per_element < 1) return;
  const float *a = parts[part]->attributes;
  Fringe_setup f;
  if (!fringe_setup(part, f, false)) return;
  f.palette_type = 0;
  if (f.on) {
    int needed = f.per_node ? node_entries : element_count;
    if ((f.var_type == 0 && (scalar_count < needed || !scalars)) ||
        (f.var_type == 1 && (vector_count < needed || !vectors)))
      f.on = false;
  }
  glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
  glDisable(GL_LIGHTING);
  const Realtime_surface s = {x, y, z, scalars, vectors, connectivity, nodes_per_element};
  const int dv = (int)a[SLOT_DISPLACE_BY];
  const int displace = dv >= 0 && vectors && vector_count >= node_entries ? dv : -1;
  const float factor = a[SLOT_DISPLACE_FACTOR];
  const bool box = (Box_mode || Box_mode_always) && our_rint(a[SLOT_BOUNDING_REP]) != 0;
  const float part_rgb[3] = {a[SLOT_RGB_R], a[SLOT_RGB_G], a[SLOT_RGB_B]};
  // The colour of a value: 1 set, 0 keep the current colour, -1 skip.
  auto colour_of = [&](int index, int coord_node, bool *defined) {
    float v = realtime_value(s, f.var_type, f.magnitude, f.w, index, coord_node, defined);
    if (*defined) {
      float rgb[3], fraction;
      int interval;
      Calls.false_color(f.key, f.component, v, rgb, f.palette_type, &interval, &fraction);
      glColor3fv(rgb);
      return 1;
    }
    if (f.undefined_display == 2) return -1;
    if (f.undefined_display == 1) glColor3fv(part_rgb);
    return f.undefined_display == 1 ? 1 : 0;
  };
  float pos[3];
  bool defined;
  if (a[SLOT_VIS_NODE] == 1.0f || box) {
    if (a[SLOT_LINE_WIDTH] < 2.0f) glPointSize(2.0f);
    glBegin(GL_POINTS);
    for (int node = 1; node < node_entries; node++) {
      if (f.on && f.per_node && colour_of(node, node, &defined) < 0) continue;
      realtime_position(s, node, displace, factor, pos);
      glVertex3fv(pos);
    }
    glEnd();
  }
  if (a[SLOT_VIS_ELT] == 0.0f || box) return;
  for (int e = 0; e < element_count; e++) {
    const int *c = connectivity + nodes_per_element * e;
    if (f.on && !f.per_node && colour_of(e, c[0], &defined) < 0) continue;
    if (f.on && f.per_node && f.undefined_display == 2 && f.var_type <= 1) {
      bool all = true;
      for (int k = 0; k < nodes_per_element && all; k++)
        realtime_value(s, f.var_type, f.magnitude, f.w, c[k], c[k], &all);
      if (!all) continue;
    }
    bool undefined_seen = false;
    glBegin(GL_LINE_LOOP);
    for (int k = 0; k < nodes_per_element; k++) {
      if (f.on && f.per_node) {
        if (!undefined_seen) {
          realtime_value(s, f.var_type, f.magnitude, f.w, c[k], c[k], &defined);
          undefined_seen = !defined;
        }
        if (undefined_seen)
          glColor3fv(part_rgb);
        else
          colour_of(c[k], c[k], &defined);
      }
      realtime_position(s, c[k], displace, factor, pos);
      glVertex3fv(pos);
    }
    glEnd();
  }
}
