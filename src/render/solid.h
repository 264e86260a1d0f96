// The solid (shaded) display object of a part: node glyphs, two-node
// elements as lines and every face as a lit, optionally fringe-coloured and
// transparent polygon, all sent through quivane_opengl with kind 1 so that
// the caller's bracket decides whether a GL list or the recorded object is
// filled; and the immediate forms that draw one element, or a whole
// realtime surface, straight to OpenGL at draw time.
#pragma once

#include "palette/fringe_colors.h"

extern int Texture_toggle;    // 1 = fringes as a 1-D texture ("test: texture_setup")
extern int Reverse_normal;    // 1 = face normals negated ("test: reverse normal")
extern int Performance_mode;  // 1 = strip path allowed ("test: performance ON")

// The neighbours the builders call: palettes, the time sets, the trace
// representations and the strip drawer.  A test installs its own; a null
// entry, or a null table, means the real one.
struct Solid_builder_calls {
  int (*palette)(int key, int component, int mode, char *name, int *var_type, int *var_id,
                 float *weight_x, float *weight_y, float *weight_z, int *type,
                 int *limit_fringes, int *scale, int *undefined_display, int *levels,
                 float values[PALETTE_LEVELS], float colors[PALETTE_LEVELS][3],
                 float legend[LEGEND_SETTINGS], char *format);
  int (*node_fringe_color)(int part, int node, int kind, int magnitude, float w0, float w1,
                           float w2, int key, int component, int var_id, float rgb[3], int mode,
                           float *value);
  void (*fringe_poly_banded)(int part, int object, int key, int component, int var_id, int kind,
                             float w0, float w1, float w2, int magnitude, int offset,
                             int corner_a, int corner_b, int centre_index,
                             const float centre[3], float centre_value,
                             const float centre_rgb[3], int displace_var,
                             const float (*normals)[3], float displace_factor, int levels,
                             int limit_fringes, const float part_rgb[3],
                             const float (*coords)[3], const float *diffuse,
                             const float *specular, int *vertex_count);
  void (*false_color)(int key, int component, float value, float rgb[3], int mode,
                      int *interval, float *fraction);
  int (*check_variable_exists_at_current_time)(int var_id, int part);
  int (*ribbon_geom)(int part);
  int (*tube_geom)(int part);
  int (*strip)(int part, int var_type, float w0, float w1, float w2, int palette_type, int key,
               int component, int var_id, int magnitude, int fringe, int limit_fringes,
               int in_range, float *diffuse, float *specular, const float matrix[16]);
};
void solid_builder_calls(const Solid_builder_calls *calls);
// node_fringe_color through the installed calls (the strip drawer's too).
int solid_node_fringe_color(int part, int node, int kind, int magnitude, float w0, float w1,
                            float w2, int key, int component, int var_id, float rgb[3], int mode,
                            float *value);

// Builds the solid object of the part at index `part` into whatever the
// caller opened (display_object_open(part, 1)).  Node glyphs appear with
// probability 1/divisor, the same ones on every rebuild.  Stores the vertex
// count in the part's solid_object_size, except when nothing is built (no
// nodes, or the colouring variable undefined now under undefined mode 2).
void build_solid(int part, int divisor);

// One element of a part drawn straight to OpenGL (the transparent pass).
// smooth: the caller filled the smoothing buffers for this part.  normal
// receives our_rint(125 x) of the first corner normal when a face was
// drawn, color our_rint(255 x) of the first corner colour with fringes;
// *fringe whether fringes were on.
void display_one_shaded_polygon(int part, int element, int smooth, signed char normal[3],
                                unsigned char color[3], int *fringe);

// A realtime surface: coordinates x, y, z and values by node number (entry
// 0 unused), connectivity of n node numbers per element, scalar_count and
// vector_count values delivered.  Only 3 or 4 nodes per element are drawn.
void build_solid_fast(int part, int node_count, int element_count, const float *x,
                      const float *y, const float *z, const float *scalars,
                      const float (*vectors)[3], const int *connectivity, int scalar_count,
                      int vector_count, int nodes_per_element);
// Element e of a realtime surface inside the caller's begin/end block.
void display_one_shaded_realtime_polygon(int element, int part, const float *x, const float *y,
                                         const float *z, const float *scalars,
                                         const float (*vectors)[3], const int *connectivity,
                                         int, int, int nodes_per_element, int fringe,
                                         int per_node, int magnitude, int undefined_display,
                                         int key, float wx, float wy, float wz,
                                         int palette_type, int var_type);
