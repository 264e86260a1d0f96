// The depth-sorted transparent pass (see transparent.h).  Owns the sort
// array, which only grows and lives as long as the program; the sort fills
// it when Resort_transparent is set, and the drawing walks it in order,
// setting a part's GL state once per run of its entries and the matrices
// once per change of frame or instance.
#include "render/transparent.h"

#include <GL/gl.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "client/alloc_gate.h"
#include "client/matrix.h"
#include "client/screen.h"
#include "palette/fringe_colors.h"
#include "palette/function.h"
#include "parts/attribute.h"
#include "parts/elem_coord.h"
#include "parts/read.h"
#include "render/active.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/fringe.h"
#include "render/part_pass.h"
#include "render/smooth.h"
#include "render/solid.h"
#include "variables/variables.h"
#include "view/viewer_state.h"

static_assert(sizeof(Transparent_element_rec) == 12, "a sort entry is 12 bytes");

Transparent_element_rec *Transparent_sort_array = nullptr;
int Size_of_t_sort_array = 0;
int Many_transparent_polys = 0;
int Resort_alpha_toggle = 1;
int Performance_alpha = 0;
float Interactive_rot_x = 0;
float Interactive_rot_y = 0;
float Interactive_rot_z = 0;

// ---- the array ----------------------------------------------------------------------

static void report_grow_failure(bool first, int line) {
  if (first) {
    report_alloc_failure(line, "disobj", "transparent sort array");
    return;
  }
  perror("D1REALLOC:  Memory reallocation failed.");
  fprintf(stderr, "E> At Line %d in File %s\n", line, "disobj");
  fprintf(stderr, "%s: Memory(d1realloc) allocation failed.\n", "transparent sort array");
}

// Grows without reporting: 1, or -1 with the array untouched.
static int grow_quietly(int count) {
  if (count <= Size_of_t_sort_array) return 1;
  void *bigger = gate_calloc((size_t)count, sizeof(Transparent_element_rec));
  if (!bigger) return -1;
  if (Transparent_sort_array) {
    memcpy(bigger, Transparent_sort_array,
           sizeof(Transparent_element_rec) * (size_t)Size_of_t_sort_array);
    gate_free(Transparent_sort_array);
  }
  Transparent_sort_array = static_cast<Transparent_element_rec *>(bigger);
  Size_of_t_sort_array = count;
  return 1;
}

int transparent_sort_array_grow(int count) {
  bool first = Transparent_sort_array == nullptr;
  if (grow_quietly(count) == 1) return 1;
  report_grow_failure(first, __LINE__);
  return -1;
}

int transparent_sort_compare(const void *a, const void *b) {
  float da = static_cast<const Transparent_element_rec *>(a)->depth;
  float db = static_cast<const Transparent_element_rec *>(b)->depth;
  return da < db ? 1 : da > db ? -1 : 0;
}

// ---- the sort -----------------------------------------------------------------------

static bool part_ok(int i) {
  return i >= 0 && i < Num_p_loaded && parts[i] && parts[i]->attributes;
}

// The instances of a part that are drawn: 0 when mirror_original is on, then
// each mirror slot that is on.
static int part_instances(int i, int out[8]) {
  const float *a = parts[i]->attributes;
  int n = 0;
  if (our_rint(a[SLOT_MIRROR_ORIGINAL]) != 0) out[n++] = 0;
  for (int slot = SLOT_MIRROR_Z; slot <= SLOT_MIRROR_XYZ; slot++)
    if (our_rint(a[slot]) != 0) out[n++] = slot;
  return n;
}

int sort_transparent_elements(int count, const int *part_list) {
  static bool failure_reported = false;
  if (!Resort_transparent) return 1;
  long long total = 0;
  for (int k = 0; k < count; k++) {
    int i = part_list[k], inst[8];
    if (part_ok(i)) total += (long long)parts[i]->element_count * part_instances(i, inst);
  }
  if (total > INT_MAX / (int)sizeof(Transparent_element_rec)) total = -1;
  bool first = Transparent_sort_array == nullptr;
  if (total < 0 || grow_quietly((int)total) != 1) {
    // The old array stays; this pass draws no sorted elements and the
    // next one tries again.  Reported once until a growth succeeds.
    if (!failure_reported) report_grow_failure(first, __LINE__);
    failure_reported = true;
    Many_transparent_polys = 0;
    return -1;
  }
  failure_reported = false;
  Resort_transparent = 0;

  GLint mode = GL_MODELVIEW;
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  glMatrixMode(GL_MODELVIEW);
  float proj[16], model[16], clip[16];
  glGetFloatv(GL_PROJECTION_MATRIX, proj);
  const int vp = pass_viewport();
  int filled = 0;
  std::vector<float> xyz;
  for (int k = 0; k < count; k++) {
    int i = part_list[k], inst[8];
    if (!part_ok(i)) continue;
    const Part_rec *p = parts[i];
    const Frame_rec *frame = part_frame(i);
    int instances = part_instances(i, inst);
    glPushMatrix();
    glMultMatrixf(frame->combined[vp]);
    for (int m = 0; m < instances; m++) {
      glPushMatrix();
      multiply_instance(frame, inst[m]);
      glGetFloatv(GL_MODELVIEW_MATRIX, model);
      mul4x4(model, proj, clip);  // points as row vectors: model first, then projection
      for (int e = 0; e < p->element_count && filled < Size_of_t_sort_array; e++) {
        int n = p->elem_offsets[e + 1] - p->elem_offsets[e];
        float depth = 0;
        if (n > 0) {
          xyz.resize(3 * (size_t)n);
          get_elem_coord(i, e, xyz.data());
          for (int c = 0; c < n; c++)
            depth += clip[2] * xyz[3 * c] + clip[6] * xyz[3 * c + 1] + clip[10] * xyz[3 * c + 2] +
                     clip[14];
          depth /= n;
        }
        Transparent_sort_array[filled++] = {(int16_t)i, (int16_t)inst[m], e, depth};
      }
      glPopMatrix();
    }
    glPopMatrix();
  }
  glMatrixMode((GLenum)mode);
  if (filled > 1)
    qsort(Transparent_sort_array, (size_t)filled, sizeof(Transparent_element_rec),
          transparent_sort_compare);
  Many_transparent_polys = filled;
  return 1;
}

// ---- the drawing --------------------------------------------------------------------

namespace {

// The parts of this pass: active, shown here, drawn solid, not opaque.
// While re-sorting is off their normal (and fringe colour) caches are kept
// big enough to be filled by the drawing.
std::vector<int> gather_transparent_parts() {
  std::vector<int> out;
  for (int k = 0; k < Num_active_objects && out.size() < MAX_ACTIVE_OBJECTS; k++) {
    int i = Active_objects[k];
    if (!part_shown_here(i) || !part_drawn_solid(i) || part_opaque(i)) continue;
    out.push_back(i);
    if (Resort_alpha_toggle) continue;
    const int bytes = 3 * parts[i]->element_count;
    resize_part_array(i, PA_ELEM_NORMALS, bytes, 0);
    if (Fringt && our_rint(parts[i]->attributes[SLOT_COLORBY_PALETTE]) != 0)
      resize_part_array(i, PA_ELEM_COLORS, bytes, 0);
  }
  return out;
}

// Whether the part is fringe-coloured here: fringes on, a palette, and the
// part holds values of the palette's variable.
bool part_fringed(int i) {
  const Part_rec *p = parts[i];
  const float *a = p->attributes;
  int key = our_rint(a[SLOT_COLORBY_PALETTE]);
  if (!Fringt || key == 0) return false;
  char name[256] = {0}, format[256] = {0};
  int var_type = 0, var_id = -1, type = 0, limit = 0, scale = 0, undef = 0, levels = 0;
  float w[3], values[PALETTE_LEVELS], colors[PALETTE_LEVELS][3], legend[LEGEND_SETTINGS];
  if (palette(key, our_rint(a[SLOT_COLORBY_SUBPALETTE]), 0, name, &var_type, &var_id, &w[0],
              &w[1], &w[2], &type, &limit, &scale, &undef, &levels, values, colors, legend,
              format) == -1)
    return false;
  if (var_id < 0 || var_id >= Var_array_size) return false;
  if (var_type == 0) return p->scalars && p->scalars[var_id];
  if (var_type == 1) return p->vectors && p->vectors[var_id];
  return false;
}

// The displacement variable of the part, -1 when none or not held.
int displacement_of(int i) {
  const Part_rec *p = parts[i];
  int d = our_rint(p->attributes[SLOT_DISPLACE_BY]);
  if (d < 0 || d >= Var_array_size || !(p->vectors && p->vectors[d])) return -1;
  return d;
}

// GL state of the pass, each value sent only when it changes.
struct Pass_state {
  int part = -1;           // part of the previous entry
  int frame = INT_MIN;     // frame whose matrix is pushed
  int instance = -1;       // instance whose matrix is pushed, -1 none
  float width = -1;
  float diffuse[4] = {-1, -1, -1, -1};
  int shade = GL_SMOOTH;
  int clip0 = 1, clip1 = 1;  // clip planes enabled (as the toggles left them)
  bool color_material = false;
  int smoothed = -1;       // part whose smoothed normals are held
  // Of the current part:
  bool fringe = false;
  int displace = -1;
  float factor = 0;
  int smooth_flag = 0;
};

void set_clip_plane(int &tracked, GLenum plane, int on) {
  if (tracked == on) return;
  on ? glEnable(plane) : glDisable(plane);
  tracked = on;
}

// Smoothed node normals of part i for the element drawing: released for
// the part held before, then summed over every face of three or more nodes.
void hold_smoothed_normals(int i, Pass_state &s) {
  if (s.smoothed == i) {
    s.smooth_flag = 1;
    return;
  }
  if (s.smoothed >= 0) smooth_end();
  s.smoothed = -1;
  float lighting[16];
  if (Software_light) {
    float ctm[16], view[16], look_at[3], look_from[3], dist, t[16];
    current_ctm(ctm, 0);
    view_param(look_at, look_from, view, &dist, 0);
    mul4x4(part_frame(i)->combined[pass_viewport()], ctm, t);
    mul4x4(t, view, lighting);
  }
  s.smooth_flag = smooth_begin(i);
  if (!s.smooth_flag) return;
  s.smoothed = i;
  const Part_rec *p = parts[i];
  std::vector<float> normals, positions;
  for (int e = 0; e < p->element_count; e++) {
    int first = p->elem_offsets[e], n = p->elem_offsets[e + 1] - first;
    if (n < 3) continue;
    normals.resize(3 * (size_t)n);
    positions.resize(3 * (size_t)n);
    const int *nodes = p->connectivity + first;
    auto *nv = reinterpret_cast<float(*)[3]>(normals.data());
    if (Software_light)
      get_normal_software(lighting, n, i, nodes, s.displace, s.factor, nv,
                          reinterpret_cast<float(*)[3]>(positions.data()));
    else
      get_normal(n, i, nodes, s.displace, s.factor, nv);
    for (int c = 0; c < n; c++) smooth_add(nv[c], nodes[c]);
  }
  smooth_them(i);
}

void set_up_part(int i, Pass_state &s) {
  const float *a = parts[i]->attributes;
  s.fringe = part_fringed(i);
  s.displace = displacement_of(i);
  s.factor = a[SLOT_DISPLACE_FACTOR];
  if (a[SLOT_LINE_WIDTH] != s.width) {
    s.width = a[SLOT_LINE_WIDTH];
    glLineWidth(s.width);
    glPointSize(s.width);
  }
  if (memcmp(s.diffuse, &a[SLOT_RGB_R], sizeof s.diffuse) != 0) {
    memcpy(s.diffuse, &a[SLOT_RGB_R], sizeof s.diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, s.diffuse);
  }
  part_lighting_values(a);
  glColor4f(a[SLOT_RGB_R], a[SLOT_RGB_G], a[SLOT_RGB_B], a[SLOT_OPAQUENESS]);
  int shading = our_rint(a[SLOT_SHADING]);
  if (shading == 1 && our_rint(a[SLOT_COLORBY_PALETTE]) == 0 && !Shaded_part_drawn) shading = 0;
  const int model = shading == 0 ? GL_FLAT : GL_SMOOTH;
  if (!Performance_alpha && model != s.shade) {
    glShadeModel((GLenum)model);
    s.shade = model;
  }
  if (Plane_clipp_toggle) set_clip_plane(s.clip0, GL_CLIP_PLANE0, our_rint(a[SLOT_CLIP]) != 0);
  if (Plane2_clipp_toggle) set_clip_plane(s.clip1, GL_CLIP_PLANE1, morvel2_array[i] != 0);
  if (s.fringe) {
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    s.color_material = true;
  } else if (s.color_material) {
    glDisable(GL_COLOR_MATERIAL);
    s.color_material = false;
  }
  s.smooth_flag = 0;
  if (shading == 2 && !Performance_alpha) hold_smoothed_normals(i, s);
}

void place_entry(int i, int instance, Pass_state &s) {
  const int frame = our_rint(parts[i]->attributes[SLOT_FRAME]);
  const Frame_rec *f = part_frame(i);
  if (frame != s.frame) {
    if (s.instance >= 0) glPopMatrix();
    s.instance = -1;
    glPopMatrix();
    glPushMatrix();
    glMultMatrixf(f->combined[pass_viewport()]);
    s.frame = frame;
  }
  if (instance != s.instance) {
    if (s.instance >= 0) glPopMatrix();
    glPushMatrix();
    multiply_instance(f, instance);
    s.instance = instance;
  }
}

// The element from the part's byte caches (fast transparency).
void draw_cached_element(int i, int e, const Pass_state &s) {
  const Part_rec *p = parts[i];
  int first = p->elem_offsets[e], n = p->elem_offsets[e + 1] - first;
  if (n < 3) return;
  if (part_array_capacity(i, PA_ELEM_NORMALS, 0) < 3 * (e + 1) || !p->elem_normals) return;
  const bool colored =
      s.fringe && p->elem_colors && part_array_capacity(i, PA_ELEM_COLORS, 0) >= 3 * (e + 1);
  glBegin(n == 3 ? GL_TRIANGLES : n == 4 ? GL_QUADS : GL_POLYGON);
  const signed char *nb = &p->elem_normals[3 * e];
  glNormal3f(nb[0] / 125.0f, nb[1] / 125.0f, nb[2] / 125.0f);
  if (colored) {
    const unsigned char *cb = &p->elem_colors[3 * e];
    glColor4f(cb[0] / 255.0f, cb[1] / 255.0f, cb[2] / 255.0f, p->attributes[SLOT_OPAQUENESS]);
  }
  for (int c = 0; c < n; c++) {
    int node = p->connectivity[first + c];
    if (node < 1 || node > p->node_count) continue;
    float v[3];
    for (int k = 0; k < 3; k++) {
      v[k] = p->coords[node][k];
      if (s.displace >= 0) v[k] += s.factor * p->vectors[s.displace][node][k];
    }
    glVertex3fv(v);
  }
  glEnd();
}

void draw_entry(int i, int e, const Pass_state &s) {
  if (Performance_alpha) {
    draw_cached_element(i, e, s);
    return;
  }
  signed char normal[3] = {0, 0, 0};
  unsigned char color[3] = {0, 0, 0};
  int colored = 0;
  display_one_shaded_polygon(i, e, s.smooth_flag, normal, color, &colored);
  if (Resort_alpha_toggle) return;
  Part_rec *p = parts[i];
  if (p->elem_normals && part_array_capacity(i, PA_ELEM_NORMALS, 0) >= 3 * (e + 1))
    memcpy(&p->elem_normals[3 * e], normal, 3);
  if (colored && p->elem_colors && part_array_capacity(i, PA_ELEM_COLORS, 0) >= 3 * (e + 1))
    memcpy(&p->elem_colors[3 * e], color, 3);
}

}  // namespace

void draw_transparent_elements() {
  if (Box_mode || Box_mode_always) return;
  std::vector<int> list = gather_transparent_parts();
  if (list.empty()) return;
  if (!Performance_alpha) {
    if (sort_transparent_elements((int)list.size(), list.data()) != 1) return;
  } else {
    glShadeModel(GL_FLAT);
  }
  Pass_state s;
  s.shade = Performance_alpha ? GL_FLAT : GL_SMOOTH;
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glDepthMask(GL_FALSE);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  Software_light ? glDisable(GL_LIGHTING) : glEnable(GL_LIGHTING);
  glPushMatrix();
  if (Plane_clipp_toggle) glEnable(GL_CLIP_PLANE0);
  if (Plane2_clipp_toggle) glEnable(GL_CLIP_PLANE1);

  const bool reverse = Performance_alpha && (std::fabs(Interactive_rot_x) > 90.0f ||
                                             std::fabs(Interactive_rot_y) > 90.0f ||
                                             std::fabs(Interactive_rot_z) > 90.0f);
  const int count = Many_transparent_polys < Size_of_t_sort_array ? Many_transparent_polys
                                                                   : Size_of_t_sort_array;
  for (int j = 0; j < count; j++) {
    const Transparent_element_rec &t = Transparent_sort_array[reverse ? count - 1 - j : j];
    int i = t.part;
    // A kept order may name parts or elements that have gone since.
    if (!part_ok(i) || t.element < 0 || t.element >= parts[i]->element_count) continue;
    if (t.instance != 0 && (t.instance < SLOT_MIRROR_Z || t.instance > SLOT_MIRROR_XYZ)) continue;
    if (i != s.part) {
      set_up_part(i, s);
      s.part = i;
    }
    place_entry(i, t.instance, s);
    draw_entry(i, t.element, s);
  }

  if (s.color_material) glDisable(GL_COLOR_MATERIAL);
  if (s.smoothed >= 0) smooth_end();
  if (Plane_clipp_toggle) glEnable(GL_CLIP_PLANE0);
  if (Plane2_clipp_toggle) glEnable(GL_CLIP_PLANE1);
  if (s.instance >= 0) glPopMatrix();
  glPopMatrix();
  // The part loops rely on GL_SMOOTH between parts.
  if (s.shade != GL_SMOOTH) glShadeModel(GL_SMOOTH);
  glDisable(GL_BLEND);
  glDepthMask(GL_TRUE);
}
