// Hidden-line display (see hidden_line.h).  Owns the three fast hidden-line
// settings; everything else lives for one call: the fringe settings of the
// part drawn, the per-element work rows (sized for each element, so an
// element of any node count fits), the smoothing buffers and, for a ribbon
// or tube trace, the temporary part built for it, which is removed again
// before display_hidden_line returns.
#include "render/hidden_line.h"

#include <GL/gl.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "anim/animate.h"
#include "interact/clip_plane.h"
#include "client/defaults.h"
#include "client/matrix.h"
#include "palette/function.h"
#include "parts/attribute.h"
#include "parts/elem_coord.h"
#include "parts/read.h"
#include "render/active.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/display_list.h"
#include "render/fringe.h"
#include "render/glyphs.h"
#include "render/labels.h"
#include "render/part_pass.h"
#include "render/smooth.h"
#include "render/solid_shared.h"
#include "render/stipple.h"
#include "render/vector_print.h"
#include "variables/variables.h"
#include "view/frames.h"
#include "view/view_matrix.h"
#include "view/viewports.h"

int Sleazy_hidden_line = 0;
float poly_offset_factor = 2.0f;
float poly_offset_bias = 1.0f;
static const Global_defaults Reset_values(DEFAULTS_AT_RESET, Sleazy_hidden_line,
                                          poly_offset_factor, poly_offset_bias);

void sleazy_hidden_line_values(int *toggle, float *bias, float *factor, int mode) {
  if (mode == 0) {
    *toggle = Sleazy_hidden_line;
    *bias = poly_offset_bias;
    *factor = poly_offset_factor;
  } else if (mode == 1) {
    Sleazy_hidden_line = *toggle;
    poly_offset_bias = *bias;
    poly_offset_factor = *factor;
    glPolygonOffset(poly_offset_bias, poly_offset_factor);
  }
}

namespace {

typedef float (*Rows)[3];

// Rows of three floats for the corners of one element and its centre.
struct Rows_of {
  std::vector<float> v;
  Rows fit(int n) {
    if ((int)v.size() < 3 * (n + 1)) v.resize(3 * (n + 1));
    return reinterpret_cast<Rows>(v.data());
  }
};

// One instance being drawn.
struct Hidden {
  int work = -1;  // the part drawn: itself or its temporary trace part
  const Part_rec *p = nullptr;
  const float *a = nullptr;
  Fringe_setup f;
  float part_rgb[3] = {1, 1, 1};
  float overlay_rgb[3] = {0, 0, 0};
  bool overlay = false;
  bool printing = false;
  bool smooth = false;
  int dv = -1;
  float factor = 0.0f;
  float offset = 0.0f;          // display offset of a trace along its direction vectors
  float lighting[16];           // static-lighting matrix
  float lookup[16];             // vertex to clip coordinates, for the background colour
  Rows_of coords, normals, colors, positions;
  std::vector<float> diffuse, specular;
  std::vector<int> nodes;

  bool per_element() const { return f.on && (f.constant || !f.per_node); }
};

const Viewport_rec &current_viewport() { return Viewports[Viewport_current]; }

bool viewport_flag(int slot) { return current_viewport().attributes[slot] != 0.0f; }

GLenum face_primitive(int n) { return n == 3 ? GL_TRIANGLES : n == 4 ? GL_QUADS : GL_POLYGON; }

// Element e's corners into h.coords and its fringe colours into h.colors;
// false when its colours make it invisible.
bool load_element(Hidden &h, int e, int n, int *corners, float centre[3], float *centre_value,
                  int *in_range) {
  Rows xyz = h.coords.fit(n), rgb = h.colors.fit(n);
  h.normals.fit(n);
  h.positions.fit(n);
  if ((int)h.diffuse.size() < n + 1) {
    h.diffuse.resize(n + 1);
    h.specular.resize(n + 1);
  }
  get_elem_coord(h.work, e, &xyz[0][0]);
  *corners = 1;
  *in_range = 1;
  int visible = 1;
  if (h.f.on) {
    const Fringe_setup &f = h.f;
    get_fring_color(h.work, f.key, f.component, f.per_node ? 1 : 0, f.var_id, f.var_type,
                    f.palette_type, f.w[0], f.w[1], f.w[2], f.magnitude ? 1 : 0,
                    f.undefined_display, f.per_node ? h.p->elem_offsets[e] : e, n, rgb, corners,
                    centre, centre_value, 0, 0, in_range, &visible, 0, f.limit, f.lo, f.hi,
                    h.part_rgb, xyz);
  } else {
    for (int k = 0; k < n; k++) memcpy(rgb[k], h.part_rgb, sizeof h.part_rgb);
  }
  return visible != 0;
}

// ---- node markers ---------------------------------------------------------------------------

// The marker colour of node i; false when the node is skipped.
bool marker_colour(const Hidden &h, int i) {
  const Fringe_setup &f = h.f;
  if (!f.on) return true;
  float rgb[3], value = 0.0f;
  if (f.per_node) {
    int defined = solid_node_fringe_color(h.work, i, f.var_type, f.magnitude, f.w[0], f.w[1],
                                          f.w[2], f.key, f.component, f.var_id, rgb,
                                          f.palette_type, &value);
    if (f.limit && (value < f.node_lo || value > f.node_hi)) {
      if (f.limit == 2) return false;
      memcpy(rgb, h.part_rgb, sizeof rgb);
    }
    if (!defined) {
      if (f.undefined_display == 2) return false;
      if (f.undefined_display == 1) memcpy(rgb, h.part_rgb, sizeof rgb);
    }
  } else {
    float colors[1][3], centre[3], centre_value;
    int corners, in_range, visible;
    get_fring_color(h.work, f.key, f.component, 0, f.var_id, f.var_type, f.palette_type, f.w[0],
                    f.w[1], f.w[2], f.magnitude, f.undefined_display, i - 1, 1, colors, &corners,
                    centre, &centre_value, 0, 0, &in_range, &visible, 0, f.limit, f.node_lo,
                    f.node_hi, h.part_rgb, nullptr);
    if (!visible || (!in_range && f.limit == 2)) return false;
    memcpy(rgb, colors[0], sizeof rgb);
  }
  glColor3fv(rgb);
  return true;
}

// The marker size of node i from s0; false when its value is undefined.
bool marker_size(const Hidden &h, int i, float s0, float *size) {
  *size = s0;
  const int by = our_rint(h.a[SLOT_NODE_SIZE_BY]), var = our_rint(h.a[SLOT_NODE_VARIABLE]);
  if (by == 0) return true;
  if (by == 1) {
    if (!part_holds(h.p, 0, var)) return true;
    float s = h.p->scalars[var][i];
    if (s == Undefined) return false;
    *size = std::fabs(s * s0);
    return true;
  }
  if (by > 5 || !part_holds(h.p, 1, var)) return true;
  const float *v = h.p->vectors[var][i];
  if (v[0] == Undefined) return false;
  *size = by == 2 ? s0 * std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2])
                  : std::fabs(v[by - 3] * s0);
  return true;
}

void node_markers(const Hidden &h) {
  const float *a = h.a;
  const int type = our_rint(a[SLOT_NODE_TYPE]);
  const bool shaded_part = a[SLOT_HIDDEN_SURFACE] == 1.0f && Solidt;
  const bool was_lit = glIsEnabled(GL_LIGHTING);
  if (type == 2) {
    glEnable(GL_NORMALIZE);
    if (h.f.on && h.f.per_node && shaded_part) {
      glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
      glEnable(GL_COLOR_MATERIAL);
    }
  } else {
    if (was_lit) glDisable(GL_LIGHTING);
    glBegin(type == 0 ? GL_POINTS : GL_LINES);
  }
  const float s0 = a[SLOT_NODE_SCALE] * 0.5f;
  const unsigned int sphere = shaded_part ? h.p->sphere_solid_list : h.p->sphere_line_list;
  for (int i = 1; i <= h.p->node_count; i++) {
    float size, pos[3];
    if (!marker_colour(h, i) || !marker_size(h, i, s0, &size)) continue;
    for (int c = 0; c < 3; c++) pos[c] = h.p->coords[i][c];
    if (h.dv >= 0 && h.p->vectors[h.dv][i][0] != Undefined)
      for (int c = 0; c < 3; c++) pos[c] += h.factor * h.p->vectors[h.dv][i][c];
    if (size == 0.0f) continue;
    if (type == 0) {
      glVertex3fv(pos);
    } else if (type == 1) {
      for (int axis = 0; axis < 3; axis++)
        for (float sign : {-1.0f, 1.0f}) {
          float v[3] = {pos[0], pos[1], pos[2]};
          v[axis] += sign * size;
          glVertex3fv(v);
        }
    } else {
      glPushMatrix();
      glTranslatef(pos[0], pos[1], pos[2]);
      glScalef(size, size, size);
      if (sphere) glCallList(sphere);
      glPopMatrix();
    }
  }
  if (type != 2) glEnd();
  if (was_lit) glEnable(GL_LIGHTING);
  if (type == 2) glDisable(GL_NORMALIZE);
}

// ---- faces ----------------------------------------------------------------------------------

// A face in the background colour: the constant colour, or at each corner
// the background's colour at the corner's height in the viewport.
void background_face(Hidden &h, int n) {
  Rows xyz = h.coords.fit(n);
  const Viewport_rec &vp = current_viewport();
  const bool constant = our_rint(vp.attributes[VP_BACKGROUND_TYPE]) == 2;
  glBegin(face_primitive(n));
  if (constant) glColor3fv(&vp.attributes[VP_CONSTANT_RGB]);
  for (int k = 0; k < n; k++) {
    if (!constant) {
      const float *C = h.lookup, *v = xyz[k];
      float y = v[0] * C[1] + v[1] * C[5] + v[2] * C[9] + C[13];
      float w = v[0] * C[3] + v[1] * C[7] + v[2] * C[11] + C[15];
      float r, g, b;
      get_b_color(w != 0.0f ? (y / w + 1.0f) * 0.5f : 0.5f, &r, &g, &b);
      glColor3f(r, g, b);
    }
    glVertex3fv(xyz[k]);
  }
  glEnd();
}

// Corner normals of element e (and, under static lighting, the lit colours
// and each corner's diffuse and specular terms).
void face_normals(Hidden &h, int e, int n, int in_range) {
  const int *nodes = h.p->connectivity + h.p->elem_offsets[e];
  Rows xyz = h.coords.fit(n), nrm = h.normals.fit(n), pos = h.positions.fit(n);
  if (Software_light) {
    if (h.smooth) {
      smooth_get(n, nodes, nrm);
      for (int k = 0; k < n; k++) {
        memcpy(pos[k], xyz[k], sizeof(float) * 3);
        tmpts(pos[k], h.lighting);
      }
    } else {
      get_normal_software(h.lighting, n, h.work, nodes, h.dv, h.factor, nrm, pos);
    }
    get_color_software(h.work, n, h.f.on ? 1 : 0, h.f.palette_type, h.f.limit, in_range, nrm, pos,
                       h.colors.fit(n), h.diffuse.data(), h.specular.data());
  } else if (h.smooth) {
    smooth_get(n, nodes, nrm);
  } else if (polygon_flat_normal(n, xyz, nrm) != 0) {
    get_normal(n, h.work, nodes, h.dv, h.factor, nrm);
  }
}

// A shaded face of one piece.
void shaded_single(Hidden &h, int n, int in_range) {
  const Fringe_setup &f = h.f;
  Rows xyz = h.coords.fit(n), nrm = h.normals.fit(n), rgb = h.colors.fit(n);
  glBegin(face_primitive(n));
  if (Software_light) {
    for (int k = 0; k < n; k++) {
      glColor3fv(rgb[k]);
      glVertex3fv(xyz[k]);
    }
    glEnd();
    return;
  }
  const bool per_vertex = f.on && !(f.palette_type == 1 || f.constant || !f.per_node);
  if (f.on && f.palette_type == 1 && f.limit == 1 && !in_range)
    glColor3fv(h.part_rgb);
  else if (f.on && !per_vertex)
    glColor3fv(rgb[0]);
  for (int k = 0; k < n; k++) {
    if (per_vertex) glColor3fv(rgb[k]);
    glNormal3fv(nrm[k]);
    glVertex3fv(xyz[k]);
  }
  glEnd();
}

// A shaded face split into one triangle per corner around its centre.
void shaded_pieces(Hidden &h, int e, int n, int corners, const float centre[3],
                   float centre_value) {
  const Fringe_setup &f = h.f;
  Rows xyz = h.coords.fit(n), nrm = h.normals.fit(n);
  float *cn = nrm[corners];
  cn[0] = cn[1] = cn[2] = 0.0f;
  h.diffuse[corners] = h.specular[corners] = 0.0f;
  for (int k = 0; k < corners; k++) {
    for (int i = 0; i < 3; i++) cn[i] += nrm[k][i] / corners;
    h.diffuse[corners] += h.diffuse[k] / corners;
    h.specular[corners] += h.specular[k] / corners;
  }
  float len = std::sqrt(cn[0] * cn[0] + cn[1] * cn[1] + cn[2] * cn[2]);
  if (len > 1e-6f)
    for (int i = 0; i < 3; i++) cn[i] /= len;
  memcpy(xyz[corners], centre, sizeof(float) * 3);
  const int offset = h.p->elem_offsets[e];
  for (int i = 0; i < corners; i++) {
    const int j = i + 1 < corners ? i + 1 : 0;
    float split[3][3];
    get_fringe_split(h.work, f.key, f.component, f.var_id, f.var_type, f.palette_type, f.w[0],
                     f.w[1], f.w[2], f.magnitude, offset, i, j, centre_value, split);
    if (f.palette_type == 1) {
      int count = 0;
      solid_installed_calls().fringe_poly_banded(
          h.work, 0, f.key, f.component, f.var_id, f.var_type, f.w[0], f.w[1], f.w[2],
          f.magnitude, offset, i, j, corners, centre, centre_value, split[2], h.dv, nrm, h.factor,
          f.levels, f.limit, h.part_rgb, xyz, h.diffuse.data(), h.specular.data(), &count);
      continue;
    }
    glBegin(GL_TRIANGLES);
    if (Software_light) {
      // The centre takes the terms of vertex j.
      const int term[3] = {i, j, j};
      const float *at[3] = {xyz[i], xyz[j], centre};
      for (int v = 0; v < 3; v++) {
        float c[3];
        lit_colour(split[v], h.diffuse[term[v]], h.specular[term[v]], c);
        glColor3fv(c);
        glVertex3fv(at[v]);
      }
    } else {
      glNormal3fv(nrm[i]);
      glColor3fv(split[0]);
      glVertex3fv(xyz[i]);
      glColor3fv(split[1]);
      glVertex3fv(xyz[j]);
      glColor3fv(split[2]);
      glVertex3fv(centre);
    }
    glEnd();
  }
}

void shaded_face(Hidden &h, int e, int n, int corners, const float centre[3], float centre_value,
                 int in_range) {
  if (!Software_light) {
    if (n >= 3) glEnable(GL_LIGHTING);
    if (h.f.on) {
      glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
      glEnable(GL_COLOR_MATERIAL);
    }
  }
  face_normals(h, e, n, in_range);
  if (corners > 1)
    shaded_pieces(h, e, n, corners, centre, centre_value);
  else
    shaded_single(h, n, in_range);
  if (h.f.on) glDisable(GL_COLOR_MATERIAL);
}

// ---- lines ----------------------------------------------------------------------------------

// A two-node element as one line: the part colour, or the element's colour
// (per-element fringes) or each node's (per-node fringes) unless the
// palette is constant; ends moved along the trace direction by the offset.
void two_node_line(const Hidden &h, int e) {
  const Fringe_setup &f = h.f;
  const float(*rgb)[3] = reinterpret_cast<const float(*)[3]>(h.colors.v.data());
  const float(*xyz)[3] = reinterpret_cast<const float(*)[3]>(h.coords.v.data());
  glColor3fv(f.on && !f.constant && !f.per_node ? rgb[0] : h.part_rgb);
  glBegin(GL_LINES);
  for (int k = 0; k < 2; k++) {
    if (f.on && !f.constant && f.per_node) glColor3fv(rgb[k]);
    float v[3] = {xyz[k][0], xyz[k][1], xyz[k][2]};
    const int node = h.p->connectivity[h.p->elem_offsets[e] + k];
    if (h.offset != 0.0f && h.p->point_vectors)
      for (int i = 0; i < 3; i++) v[i] += h.offset * h.p->point_vectors[node][i];
    glVertex3fv(v);
  }
  glEnd();
}

// A face outline through its nodes in connectivity order.
void outline(const Hidden &h, int n) {
  const Fringe_setup &f = h.f;
  const float(*rgb)[3] = reinterpret_cast<const float(*)[3]>(h.colors.v.data());
  const float(*xyz)[3] = reinterpret_cast<const float(*)[3]>(h.coords.v.data());
  const bool per_node = !h.overlay && f.on && !h.per_element();
  if (h.overlay)
    glColor3fv(h.overlay_rgb);
  else if (f.on)
    glColor3fv(rgb[0]);
  else
    glColor3fv(h.part_rgb);
  glBegin(GL_LINE_LOOP);
  for (int k = 0; k < n; k++) {
    if (per_node) glColor3fv(rgb[k]);
    glVertex3fv(xyz[k]);
  }
  glEnd();
}

// The face alone, for its depth.
void face_depth(const Hidden &h, int n) {
  const float(*xyz)[3] = reinterpret_cast<const float(*)[3]>(h.coords.v.data());
  glBegin(face_primitive(n));
  for (int k = 0; k < n; k++) glVertex3fv(xyz[k]);
  glEnd();
}

void print_two_node_lines(Hidden &h) {
  for (int e = 0; e < h.p->element_count; e++) {
    const int n = h.p->elem_offsets[e + 1] - h.p->elem_offsets[e];
    if (n != 2) continue;
    int corners, in_range;
    float centre[3], centre_value;
    if (!load_element(h, e, n, &corners, centre, &centre_value, &in_range) || !in_range) continue;
    two_node_line(h, e);
  }
}

void elements(Hidden &h) {
  glColor3fv(h.overlay_rgb);
  glDisable(GL_LIGHTING);
  const float *a = h.a;
  const bool lines_on = a[SLOT_VIS_LINE] == 1.0f, faces_on = a[SLOT_VIS_ELT] == 1.0f;
  if (h.printing && lines_on && h.p->element_count > 0) print_two_node_lines(h);
  const bool background = !Solidt || our_rint(a[SLOT_HIDDEN_SURFACE]) == 0 ||
                          !viewport_flag(VP_HIDDEN_SURFACE);
  for (int e = 0; e < h.p->element_count; e++) {
    const int n = h.p->elem_offsets[e + 1] - h.p->elem_offsets[e];
    if (n < 1) continue;
    int corners, in_range;
    float centre[3] = {0, 0, 0}, centre_value = 0.0f;
    if (!load_element(h, e, n, &corners, centre, &centre_value, &in_range)) continue;
    if (!h.printing) glDepthMask(GL_FALSE);
    const bool face = n >= 3 && (in_range || h.f.limit == 1) && faces_on;
    if (face) {
      if (h.printing) {
        const float *group = h.overlay ? h.overlay_rgb
                             : !background && h.f.on ? h.colors.v.data()
                                                     : h.part_rgb;
        glColor3fv(group);
        vekBeginGroup(80);
      }
      if (background)
        background_face(h, n);
      else
        shaded_face(h, e, n, corners, centre, centre_value, in_range);
      if (h.printing) vekEndGroup();
    }
    if (h.printing) continue;
    if (Solidt && !Software_light) glDisable(GL_LIGHTING);
    glColor3fv(h.overlay && n >= 3 ? h.overlay_rgb : h.part_rgb);
    const bool line = n == 2 && in_range && lines_on;
    if (line)
      two_node_line(h, e);
    else if (face)
      outline(h, n);
    glDepthMask(GL_TRUE);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    if (line)
      two_node_line(h, e);
    else if (face)
      face_depth(h, n);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  }
  glDepthMask(GL_TRUE);
}

// The matrix taking a vertex to clip coordinates: the model-view in force
// (already holding the part frame's matrix and a mirror copy's scaling)
// times the projection.
void lookup_matrix(float out[16]) {
  float modelview[16], projection[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
  glGetFloatv(GL_PROJECTION_MATRIX, projection);
  mult_2_matrix(modelview, projection, out);
}

// The static-lighting matrix: the part frame's combined matrix for the
// viewport being drawn, then the frame-to-global, model and viewing
// transforms.
void lighting_matrix(int part, float out[16]) {
  float rest[16];
  static_lighting_matrix(parts[part], rest);
  mult_2_matrix(part_frame(part)->combined[pass_viewport()], rest, out);
}

// Draws the instance of part from its fringe set-up on; false when the
// colouring variable makes the whole part invisible.
bool draw_hidden(Hidden &h, int part) {
  if (!fringe_setup(h.work, h.f)) return false;
  const float *a = h.a;
  h.dv = our_rint(a[SLOT_DISPLACE_BY]);
  if (!part_holds(h.p, 1, h.dv)) h.dv = -1;
  h.factor = a[SLOT_DISPLACE_FACTOR] * fringe_load_factor();
  for (int i = 0; i < 3; i++) h.part_rgb[i] = a[SLOT_RGB_R + i];
  if (Software_light) lighting_matrix(part, h.lighting);
  if ((int)a[SLOT_SHADING] == 2 && smooth_begin(h.work)) {
    h.smooth = true;
    Rows nrm, pos;
    for (int e = 0; e < h.p->element_count; e++) {
      const int n = h.p->elem_offsets[e + 1] - h.p->elem_offsets[e];
      if (n < 3) continue;
      const int *nodes = h.p->connectivity + h.p->elem_offsets[e];
      nrm = h.normals.fit(n);
      pos = h.positions.fit(n);
      if (Software_light)
        get_normal_software(h.lighting, n, h.work, nodes, h.dv, h.factor, nrm, pos);
      else
        get_normal(n, h.work, nodes, h.dv, h.factor, nrm);
      for (int k = 0; k < n; k++) smooth_add(nrm[k], nodes[k]);
    }
    smooth_them(h.work);
  }
  if (a[SLOT_VIS_NODE] == 1.0f) node_markers(h);
  elements(h);
  if (h.smooth) smooth_end();
  return true;
}

}  // namespace

void display_hidden_line(int part, float r, float g, float b, int overlay) {
  if (part < 0 || part >= Num_p_loaded || !parts[part] || !parts[part]->attributes) return;
  const Part_rec *p = parts[part];
  const float *a = p->attributes;
  const bool printing = Vek_in_progress != 0;
  Hidden h;
  lookup_matrix(h.lookup);
  if (p->type == PART_ARROW || p->type == PART_TENSOR) {
    if (printing) vekBegin('#', p->line_object_size);
    draw_object(part, false, 0);
    if (printing) vekEnd();
    return;
  }
  if (p->node_count <= 0) return;
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  const bool solid = p->solid_built && viewport_flag(VP_HIDDEN_SURFACE);
  if (!viewport_flag(VP_HIDDEN_LINE) || a[SLOT_HIDDEN_LINE] == 0.0f) {
    if (printing) vekBegin('#', solid ? p->solid_object_size : p->line_object_size);
    draw_object(part, solid, 0);
    if (printing) vekEnd();
    return;
  }
  if (printing) vekBegin('#', 4 * (solid ? p->solid_object_size : p->line_object_size));
  const int temporary = trace_geometry(part);
  h.work = temporary ? temporary : part;
  h.p = parts[h.work];
  h.a = h.p->attributes;
  h.offset = h.p->type == PART_TRACE ? h.a[65] : 0.0f;
  h.printing = printing;
  h.overlay = overlay != 0;
  h.overlay_rgb[0] = r;
  h.overlay_rgb[1] = g;
  h.overlay_rgb[2] = b;
  draw_hidden(h, part);
  remove_temporary_part(temporary);
  if (printing) vekEnd();
}

// ---- the passes ---------------------------------------------------------------------------

namespace {

// Lighting, matrix, material, line and fill state, clip planes and shade
// model of one part.
struct Part_setup {
  int style = 0, fill = 0;
  Clip_exemption clip;
};

Part_setup begin_part(int i, bool lit) {
  const float *a = parts[i]->attributes;
  Part_setup s;
  if (lit && !Software_light)
    glEnable(GL_LIGHTING);
  else
    glDisable(GL_LIGHTING);
  glPushMatrix();
  glMultMatrixf(part_frame(i)->combined[pass_viewport()]);
  part_material(a, 1.0f);
  part_state(a, &s.style, &s.fill, false);
  glColor3f(a[SLOT_RGB_R], a[SLOT_RGB_G], a[SLOT_RGB_B]);
  s.clip = exempt_clip_planes(i);
  if (our_rint(a[SLOT_SHADING]) == 0) glShadeModel(GL_FLAT);
  return s;
}

void call_label(unsigned int list, const float rgb[3]) {
  glColor3fv(rgb);
  glCallList(list);
}

// One instance of the part on screen: its box, or its hidden-line drawing
// and its labels (the part label only for the part itself, slot 0).
void screen_instance(int i, bool lit, Label_colors &l, int slot, const float overlay_rgb[3],
                     int overlay) {
  const Part_rec *p = parts[i];
  if (Box_mode_always && p->attributes[SLOT_BOUNDING_REP] != 0.0f) {
    draw_bounding_box(i, lit ? 1 : 0);
    return;
  }
  display_hidden_line(i, overlay_rgb[0], overlay_rgb[1], overlay_rgb[2], overlay);
  if (!labels_shown(p)) return;
  l.fetch();
  glDisable(GL_LIGHTING);
  if (Labnod && p->node_label_list) call_label(p->node_label_list, l.node);
  if (Labele && p->elem_label_list) call_label(p->elem_label_list, l.element);
  if (slot == 0 && Labprt && p->part_label_list) call_label(p->part_label_list, l.part);
}

// The same for printing: the labels go into a capture of their own.
void print_instance(int i, int mirrors, Label_colors &l, const float overlay_rgb[3],
                    int overlay) {
  const Part_rec *p = parts[i];
  display_hidden_line(i, overlay_rgb[0], overlay_rgb[1], overlay_rgb[2], overlay);
  int u = (p->line_object_size + p->solid_object_size) * (1 + mirrors);
  const bool nodes = Labnod && p->node_label_list, elems = Labele && p->elem_label_list;
  if (nodes) u += 2 * p->node_count;
  if (elems) u += 2 * p->element_count;
  if (nodes || elems) l.fetch();
  vekBegin('#', u);
  if (nodes) {
    glColor3fv(l.node);
    print_node_nums(p->number);
  }
  if (elems) {
    glColor3fv(l.element);
    print_elem_nums(p->number);
  }
  vekEnd();
}

void hidden_pass(bool print) {
  float overlay_rgb[3];
  int overlay = 0;
  hidden_line_colors(&overlay_rgb[0], &overlay_rgb[1], &overlay_rgb[2], &overlay, 0);
  const int saved_list = Quivane_display_list;
  if (print && Quivane_display_list == 0 && Flprun && !Flppix && !Loading_flipbook)
    Quivane_display_list = 1;
  if (Plane_clipp_toggle || Plane2_clipp_toggle) adjust_a_clip_plane();
  call_emitter_lists();
  Label_colors labels;
  for (int k = 0; k < Num_active_objects; k++) {
    const int i = Active_objects[k];
    if (i < 0 || i >= Num_p_loaded || !parts[i] || !parts[i]->attributes) continue;
    const float *a = parts[i]->attributes;
    if (labels_shown(parts[i])) labels.fetch();
    make_sphere_objects(i);
    if (!part_shown_here(i)) continue;
    const bool lit = part_drawn_solid(i);
    const Part_setup setup = begin_part(i, lit);
    int mirrors = 0;
    for (int s = SLOT_MIRROR_Z; s <= SLOT_MIRROR_XYZ; s++) mirrors += a[s] != 0.0f;
    const Frame_rec *frame = part_frame(i);
    // Slot 0 is the part itself (when mirror_original is on), then each
    // mirror copy that is on, in slot order.
    for (int slot = 0; slot <= SLOT_MIRROR_XYZ; slot = slot ? slot + 1 : SLOT_MIRROR_Z) {
      if (a[slot ? slot : SLOT_MIRROR_ORIGINAL] == 0.0f) continue;
      if (slot) {
        glPushMatrix();
        multiply_instance(frame, slot);
      }
      if (print)
        print_instance(i, mirrors, labels, overlay_rgb, overlay);
      else
        screen_instance(i, lit, labels, slot, overlay_rgb, overlay);
      if (slot) glPopMatrix();
    }
    end_part_state(setup.clip, setup.style, setup.fill);
  }
  Quivane_display_list = saved_list;
}

}  // namespace

void disobj_hidden() { hidden_pass(false); }

void disobj_hidden_print() { hidden_pass(true); }
