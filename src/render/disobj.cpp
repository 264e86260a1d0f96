// Display settings (see disobj.h).
#include "render/disobj.h"

#include "client/defaults.h"

int Initial_screen = 0;
int Gwmain = 0;
int Dont_use_start_screen = 0;
int Plane_clipp_avail = 0;
int Solidt = 0;
int Hlinet = 0;
int Labnod = 1;
int Labele = 1;
int Labprt = 1;
int Doubuf = 0;
int Resort_transparent = 1;
int Box_mode = 0;
int Box_mode_always = 0;
int Box_mode_always_toggle = 0;
int Box_mode_toggle = 0;
int Software_light = 0;
int Plane_clipp_toggle = 0;
int Plane2_clipp_toggle = 0;
static const Global_defaults Start_values(DEFAULTS_AT_START, Initial_screen, Gwmain,
                                          Dont_use_start_screen, Plane_clipp_avail);
static const Global_defaults Reset_values(DEFAULTS_AT_RESET, Solidt, Hlinet, Labnod, Labele,
                                          Labprt, Doubuf, Resort_transparent, Box_mode,
                                          Box_mode_always, Box_mode_always_toggle,
                                          Box_mode_toggle, Software_light, Plane_clipp_toggle,
                                          Plane2_clipp_toggle);
int How_many_pipes = 1;
int Wireframe_lines = 1;
int Use_stencil_buffer = 1;
int Quivane_display_list = 0;

// ---- part visibility per viewport, by case -----------------------------------
#include "client/cases.h"
#include "view/viewer_services.h"
#include "view/viewports.h"

#include "parts/attribute.h"
#include "parts/read.h"

int Case_viewport_visibility[MAX_CASES];
int Case_viewport_visibility_set = 0;

void parts_visible_by_case(int case_index, int *mask, int mode) {
  if (case_index < 0 || case_index >= MAX_CASES || !mask || (mode != 0 && mode != 1)) return;
  if (!Case_viewport_visibility_set) {
    for (int &m : Case_viewport_visibility) m = 0xffff;
    Case_viewport_visibility_set = 1;
  }
  if (mode == 0) {
    *mask = Case_viewport_visibility[case_index];
    return;
  }
  int next = 0;
  modify_viewport_part_visibility_attribute(*mask, Case_viewport_visibility[case_index], &next);
  Case_viewport_visibility[case_index] = next;
  // The parts of the case carry the mask in their viewport attribute.
  bool changed = false;
  for (int i = 0; i < Num_p_loaded && parts[i]; i++) {
    if (parts[i]->case_index != case_index || !parts[i]->attributes) continue;
    parts[i]->attributes[SLOT_VIEWPORT_VIS] = (float)next;
    changed = true;
  }
  if (changed) viewports_display_all();
}

// ---- the part passes ------------------------------------------------------------------
// disobj draws the active parts of the current viewport: per part the GL
// state its attributes ask for, its frame, its object or box, its labels and
// its mirror copies, every per-part change (matrix, stipples, shade model,
// culling, clip planes) undone before the next part.  The sorted
// transparent elements follow for types 3 and 4 (transparent.cpp).
#include <GL/gl.h>

#include <algorithm>
#include <cstdint>

#include "interact/clip_plane.h"
#include "render/active.h"
#include "render/display.h"
#include "render/display_list.h"
#include "render/labels.h"
#include "render/part_pass.h"
#include "render/stipple.h"
#include "render/transparent.h"
#include "render/vector_print.h"

int Shaded_part_drawn = 0;
int morvel2_array[MAX_PARTS];

// Slot 63 of a particle trace: the trace keeps to a surface, never solid.
#define SLOT_TRACE_SURFACE_RESTRICTED 63

const Mirror_instance_rec Mirror_instances[7] = {
    {{1, 1, -1}, GL_FRONT, 1},  {{1, -1, 1}, GL_FRONT, 1},  {{-1, 1, 1}, GL_FRONT, 1},
    {{-1, -1, 1}, GL_BACK, 0},  {{1, -1, -1}, GL_BACK, 0},  {{-1, 1, -1}, GL_BACK, 0},
    {{-1, -1, -1}, GL_FRONT, 1}};

int pass_viewport() {
  return Viewport_current >= 0 && Viewport_current < MAX_VIEWPORTS ? Viewport_current : 0;
}

bool part_shown_here(int i) {
  if (i < 0 || i >= Num_p_loaded || !parts[i] || !parts[i]->attributes) return false;
  return (our_rint(parts[i]->attributes[SLOT_VIEWPORT_VIS]) >> pass_viewport()) & 1;
}

bool part_drawn_solid(int i) {
  const Part_rec *p = parts[i];
  if (!p->solid_built || Viewports[pass_viewport()].attributes[VP_HIDDEN_SURFACE] == 0.0f)
    return false;
  return !(p->type == PART_TRACE &&
           our_rint(p->attributes[SLOT_TRACE_SURFACE_RESTRICTED]) != 0);
}

bool part_opaque(int i) { return parts[i]->attributes[SLOT_OPAQUENESS] == 1.0f; }

const Frame_rec *part_frame(int i) {
  return frame_record(our_rint(parts[i]->attributes[SLOT_FRAME]));
}

void multiply_instance(const Frame_rec *frame, int slot) {
  glMultMatrixf(frame->to_global);
  if (slot >= SLOT_MIRROR_Z && slot <= SLOT_MIRROR_XYZ) {
    const float *s = Mirror_instances[slot - SLOT_MIRROR_Z].scale;
    glScalef(s[0], s[1], s[2]);
  }
  glMultMatrixf(frame->to_frame);
}

void part_lighting_values(const float *a) {
  const float highlight = a[SLOT_LIGHT_HINT], amb = a[SLOT_LIGHT_DIFF];
  const float specular[4] = {highlight, highlight, highlight, 1.0f}, shininess[4] = {a[SLOT_LIGHT_SHIN], 0, 0, 0};
  const float ambient[4] = {amb, amb, amb, 1.0f};
  open_gl_lighting_parameters(GL_SPECULAR, specular);
  open_gl_lighting_parameters(GL_SHININESS, shininess);
  open_gl_lighting_parameters(GL_LIGHT_MODEL_AMBIENT, ambient);
}

// Line style and fill pattern of a part; values outside the tables draw as
// none (0).
int part_line_style(const float *a) {
  int s = our_rint(a[SLOT_LINE_STYLE]);
  return line_style_pattern(s) ? s : 0;
}
int part_fill_pattern(const float *a) {
  int f = our_rint(a[SLOT_FILL_PATTERN]);
  return poly_style_pattern(f) ? f : 0;
}

void Label_colors::fetch() {
  if (!fetched) getlabel_color(node, element, part);
  fetched = true;
}

bool labels_shown(const Part_rec *p) {
  return (Labnod && p->node_label_list) || (Labele && p->elem_label_list) ||
         (Labprt && p->part_label_list);
}

// Polygon mode and lighting of a solid or line part.
void solid_or_lines(bool solid) {
  glPolygonMode(GL_FRONT_AND_BACK, solid ? GL_FILL : GL_LINE);
  if (solid && !Software_light)
    glEnable(GL_LIGHTING);
  else
    glDisable(GL_LIGHTING);
}

// Stipples, widths, material, lighting values and colour of a part, in the
// order the passes set them.  Returns the line style and fill pattern in
// effect (0 = none) so the caller can undo them.
void part_state(const float *a, int *style, int *fill, bool always_set_stipple) {
  *style = part_line_style(a);
  if (*style != 0) {
    glLineStipple(1, line_style_pattern(*style));
    glEnable(GL_LINE_STIPPLE);
  } else if (always_set_stipple) {
    glDisable(GL_LINE_STIPPLE);
  }
  glLineWidth(a[SLOT_LINE_WIDTH]);
  glPointSize(a[SLOT_LINE_WIDTH]);
  *fill = part_fill_pattern(a);
  if (*fill != 0) {
    glPolygonStipple(poly_style_pattern(*fill));
    glEnable(GL_POLYGON_STIPPLE);
  }
}

void part_material(const float *a, float alpha) {
  const float diffuse[4] = {a[SLOT_RGB_R], a[SLOT_RGB_G], a[SLOT_RGB_B], alpha};
  glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, diffuse);
  part_lighting_values(a);
}

Clip_exemption exempt_clip_planes(int i) {
  Clip_exemption c;
  if (Plane_clipp_toggle && our_rint(parts[i]->attributes[SLOT_CLIP]) == 0) {
    glDisable(GL_CLIP_PLANE0);
    c.plane0 = true;
  }
  if (Plane2_clipp_toggle && morvel2_array[i] == 0) {
    glDisable(GL_CLIP_PLANE1);
    c.plane1 = true;
  }
  return c;
}
void restore_clip_planes(const Clip_exemption &c) {
  if (c.plane0) glEnable(GL_CLIP_PLANE0);
  if (c.plane1) glEnable(GL_CLIP_PLANE1);
}

bool box_mode() { return Box_mode || Box_mode_always; }

// The part's solid or line object: its recorded object, or its GL list.
void draw_object(int i, bool solid, int reverse_normals) {
  if (Quivane_display_list) {
    draw_internal_display_list_object(i, reverse_normals);
    return;
  }
  unsigned int list = solid ? parts[i]->solid_list : parts[i]->line_list;
  if (list) glCallList(list);
}

void call_emitter_lists() {
  if (Num_active_emitters == 0) return;
  for (int id : Emitter_lists)
    if (id != 0) glCallList((GLuint)id);
}

// The part colour, then each mirror copy that is on, in slot order, drawn
// by draw(slot) in its placement; the part colour again after each.
template <typename Draw>
void draw_mirrors(int i, Draw draw) {
  const float *a = parts[i]->attributes;
  const Frame_rec *frame = part_frame(i);
  glColor3f(a[SLOT_RGB_R], a[SLOT_RGB_G], a[SLOT_RGB_B]);
  for (int slot = SLOT_MIRROR_Z; slot <= SLOT_MIRROR_XYZ; slot++) {
    if (our_rint(a[slot]) == 0) continue;
    glPushMatrix();
    multiply_instance(frame, slot);
    draw(slot);
    glColor3f(a[SLOT_RGB_R], a[SLOT_RGB_G], a[SLOT_RGB_B]);
    glPopMatrix();
  }
}

// Undoes a part's clip exemptions, frame matrix, shade model and stipples.
void end_part_state(const Clip_exemption &clip, int style, int fill) {
  restore_clip_planes(clip);
  glPopMatrix();
  glShadeModel(GL_SMOOTH);
  if (style != 0) glDisable(GL_LINE_STIPPLE);
  if (fill != 0) glDisable(GL_POLYGON_STIPPLE);
}

namespace {

struct Part_draw {
  int i;
  int type;       // disobj pass type
  bool solid;
  bool culled;
  Label_colors *colors;
};

// One instance of a part: its box in box mode, else its object and labels.
// slot is 0 for the part itself, else its mirror slot.
void draw_instance(const Part_draw &d, int slot) {
  const Part_rec *p = parts[d.i];
  if (box_mode() && our_rint(p->attributes[SLOT_BOUNDING_REP]) != 0 && d.type != 3) {
    draw_bounding_box(d.i, d.solid);
    return;
  }
  const Mirror_instance_rec *m = slot ? &Mirror_instances[slot - SLOT_MIRROR_Z] : nullptr;
  if (d.culled) {
    // Mirroring in one or three axes turns the faces inside out.
    glCullFace(m ? m->cull_face : GL_BACK);
    glEnable(GL_CULL_FACE);
  }
  if (d.type != 3) draw_object(d.i, d.solid, m ? m->reverse_normals : 0);
  if (!labels_shown(p)) return;
  d.colors->fetch();
  const bool lit = d.solid && !Software_light;
  if (lit) glDisable(GL_LIGHTING);
  if (Labnod && p->node_label_list) {
    glColor3fv(d.colors->node);
    glCallList(p->node_label_list);
  }
  if (Labele && p->elem_label_list) {
    glColor3fv(d.colors->element);
    glCallList(p->elem_label_list);
  }
  if (Labprt && p->part_label_list) {
    glColor3fv(d.colors->part);
    glCallList(p->part_label_list);
  }
  if (lit) glEnable(GL_LIGHTING);
}

void draw_part(const Part_draw &d) {
  const float *a = parts[d.i]->attributes;
  solid_or_lines(d.solid);
  glPushMatrix();
  glMultMatrixf(part_frame(d.i)->combined[pass_viewport()]);
  int style = 0, fill = 0;
  part_state(a, &style, &fill, true);
  part_material(a, a[SLOT_OPAQUENESS]);
  glColor4fv(&a[SLOT_RGB_R]);
  int shading = our_rint(a[SLOT_SHADING]);
  const bool spheres = our_rint(a[SLOT_VIS_NODE]) == 1 && our_rint(a[SLOT_NODE_TYPE]) == 2;
  if (shading == 1 && our_rint(a[SLOT_COLORBY_PALETTE]) == 0 && !spheres) shading = 0;
  if (shading == 0)
    glShadeModel(GL_FLAT);
  else
    Shaded_part_drawn = 1;
  Clip_exemption clip = exempt_clip_planes(d.i);
  if (our_rint(a[SLOT_MIRROR_ORIGINAL]) != 0) draw_instance(d, 0);
  draw_mirrors(d.i, [&](int slot) { draw_instance(d, slot); });
  end_part_state(clip, style, fill);
  if (d.culled) {
    glCullFace(GL_BACK);
    glDisable(GL_CULL_FACE);
  }
}

// Whether a part is left out of a loop (never in box mode).
bool skipped(int type, bool blended, bool solid, bool opaque) {
  if (box_mode()) return false;
  if (type == 1 || type == 4 || (type == 0 && !blended)) return solid && !opaque;
  if (type == 0 && blended) return opaque;
  return false;
}

void start_of_pass() {
  if (Plane_clipp_toggle || Plane2_clipp_toggle) adjust_a_clip_plane();
  call_emitter_lists();
}

}  // namespace

void disobj(int type, int) {
  start_of_pass();
  Label_colors colors;
  const int loops = type == 0 ? 2 : 1;
  for (int loop = 0; loop < loops; loop++) {
    if (loop == 0) Shaded_part_drawn = 0;
    const bool blended = type == 0 && loop == 1;
    if (blended) {
      glEnable(GL_BLEND);
      glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
      glDepthMask(GL_FALSE);
    }
    for (int k = 0; k < Num_active_objects; k++) {
      const int i = Active_objects[k];
      if (!part_shown_here(i)) continue;
      const Part_rec *p = parts[i];
      const float *a = p->attributes;
      const bool solid = part_drawn_solid(i);
      if (skipped(type, blended, solid, part_opaque(i))) continue;
      const bool culled = solid && !blended && our_rint(a[SLOT_VIS_NODE]) == 1 &&
                          our_rint(a[SLOT_NODE_TYPE]) == 2 &&
                          ((our_rint(a[SLOT_VIS_LINE]) == 0 && our_rint(a[SLOT_VIS_ELT]) == 0) ||
                           p->element_count == 0);
      draw_part({i, type, solid, culled, &colors});
    }
    if (blended) {
      glDisable(GL_BLEND);
      glDepthMask(GL_TRUE);
    }
  }
  if (type == 3 || type == 4) draw_transparent_elements();
}

// ---- vector printing ------------------------------------------------------------------
#include "anim/animate.h"

namespace {

int mirrors_on(const float *a) {
  int n = 0;
  for (int slot = SLOT_MIRROR_Z; slot <= SLOT_MIRROR_XYZ; slot++) n += our_rint(a[slot]) != 0;
  return n;
}

// Box or object of one printed instance, then its node and element labels
// as print text; part labels are not printed.
void print_instance(int i, bool solid, int reverse_normals, Label_colors &colors) {
  const Part_rec *p = parts[i];
  if (box_mode() && our_rint(p->attributes[SLOT_BOUNDING_REP]) != 0) {
    draw_bounding_box(i, solid);
    return;
  }
  draw_object(i, solid, reverse_normals);
  if (Labnod && p->node_label_list) {
    colors.fetch();
    glColor3fv(colors.node);
    print_node_nums(p->number);
  }
  if (Labele && p->elem_label_list) {
    colors.fetch();
    glColor3fv(colors.element);
    print_elem_nums(p->number);
  }
}

void print_part(int i, Label_colors &colors) {
  const Part_rec *p = parts[i];
  const float *a = p->attributes;
  const bool solid = part_drawn_solid(i);
  solid_or_lines(solid);
  glPushMatrix();
  glMultMatrixf(part_frame(i)->combined[pass_viewport()]);
  int style = 0, fill = 0;
  part_state(a, &style, &fill, false);
  part_material(a, a[SLOT_OPAQUENESS]);
  glColor4fv(&a[SLOT_RGB_R]);
  if (our_rint(a[SLOT_SHADING]) == 0) glShadeModel(GL_FLAT);
  Clip_exemption clip = exempt_clip_planes(i);
  long size = (long)(solid ? p->solid_object_size : p->line_object_size) * (1 + mirrors_on(a));
  if (Labnod && p->node_label_list) size += 2L * p->node_count;
  if (Labele && p->elem_label_list) size += 2L * p->element_count;
  vekBegin('#', (int)std::min<long>(size, INT32_MAX));
  vekSetStyle(0, 0, 1, 0.25f, style != 0);
  if (our_rint(a[SLOT_MIRROR_ORIGINAL]) != 0) print_instance(i, solid, 0, colors);
  draw_mirrors(i, [&](int slot) {
    const float *s = Mirror_instances[slot - SLOT_MIRROR_Z].scale;
    print_instance(i, solid, s[0] * s[1] * s[2] < 0 ? 1 : 0, colors);
  });
  end_part_state(clip, style, fill);
  vekEnd();
}

}  // namespace

void disobj_print() {
  start_of_pass();
  const int keep = Quivane_display_list;
  // Flipbook pages of objects are recorded display lists.
  if (Flprun && !Flppix) Quivane_display_list = 1;
  Label_colors colors;
  for (int k = 0; k < Num_active_objects; k++) {
    const int i = Active_objects[k];
    if (part_shown_here(i)) print_part(i, colors);
  }
  Quivane_display_list = keep;
}

// ---- one part for the part-show window -------------------------------------------------

void display_a_part(int number) {
  Part_rec *p = part_by_number(number);
  if (!p || !p->attributes || our_rint(p->attributes[SLOT_ELT_REP]) == ELT_REP_NOT_LOADED) return;
  const int i = Part_cross[number];
  const float *a = p->attributes;
  const bool built = p->solid_built != 0;
  solid_or_lines(built);
  glPushMatrix();
  glMultMatrixf(part_frame(i)->combined[pass_viewport()]);
  int style = 0, fill = 0;
  part_state(a, &style, &fill, false);
  part_material(a, 1.0f);
  glColor3f(a[SLOT_RGB_R], a[SLOT_RGB_G], a[SLOT_RGB_B]);
  glShadeModel(our_rint(a[SLOT_SHADING]) == 0 ? GL_FLAT : GL_SMOOTH);
  draw_object(i, built && Viewports[0].attributes[VP_HIDDEN_SURFACE] != 0.0f, 0);
  glPopMatrix();
  glShadeModel(GL_SMOOTH);
  if (style != 0) glDisable(GL_LINE_STIPPLE);
  if (fill != 0) glDisable(GL_POLYGON_STIPPLE);
}
