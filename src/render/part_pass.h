// What the part passes (disobj, disobj_print, the sorted transparent pass)
// share: which parts they draw, how they draw them solid, and the matrices
// of a part's frame and of its mirror instances.
#pragma once

#include "parts/read.h"
#include "view/frames.h"

// The mirror copies of attribute slots 15..21 (z, y, x, xy, yz, xz, xyz):
// their scale, the face culled for a part of node spheres, and whether the
// recorded object is replayed with its normals reversed.
struct Mirror_instance_rec {
  float scale[3];
  unsigned int cull_face;  // GL_FRONT or GL_BACK
  int reverse_normals;
};
extern const Mirror_instance_rec Mirror_instances[7];

// The viewport being drawn, 0 when Viewport_current is out of range.
int pass_viewport();
// The part at index i exists with attributes and is shown in the viewport
// being drawn (bit of its viewport attribute).
bool part_shown_here(int i);
// The part at index i is drawn solid: its solid object is built, the
// viewport's hidden surface is on, and it is not a surface-restricted trace.
bool part_drawn_solid(int i);
// Opaqueness exactly 1.
bool part_opaque(int i);
// The part's reference frame record.
const Frame_rec *part_frame(int i);
// Multiplies the model-view by an instance's placement: frame-to-global,
// the mirror scale of slot (15..21; none for 0), global-to-frame.
void multiply_instance(const Frame_rec *frame, int slot);
// Specular (slot 32), shininess (31) and light-model ambient (30) of a
// part through the caching setter.
void part_lighting_values(const float *a);

// ---- per-part state of the passes -----------------------------------------------------
// The label colours, fetched once per pass when first needed.
struct Label_colors {
  bool fetched = false;
  float node[3], element[3], part[3];
  void fetch();
};
// The part has a label list shown now (node, element or part labels).
bool labels_shown(const Part_rec *p);
// Stipples (styles outside the tables draw as none), line width and point
// size of a part; the line style and fill pattern in effect (0 = none).
// always_set_stipple switches line stipple off for a part without one.
void part_state(const float *a, int *style, int *fill, bool always_set_stipple);
// Front-and-back ambient-and-diffuse material of the part colour with
// alpha, and the part's lighting values.
void part_material(const float *a, float alpha);
// The user clip planes a part is not clipped by are switched off while it
// is drawn; restore_clip_planes switches them on again.
struct Clip_exemption {
  bool plane0 = false, plane1 = false;
};
Clip_exemption exempt_clip_planes(int i);
void restore_clip_planes(const Clip_exemption &c);
// The part's solid or line object: its recorded object, or its GL list.
void draw_object(int i, bool solid, int reverse_normals);
// The display lists of the active emitters.
void call_emitter_lists();
// Undoes a part's clip exemptions, frame matrix (pops it), shade model and
// stipples.
void end_part_state(const Clip_exemption &clip, int style, int fill);
