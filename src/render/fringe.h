// Element-level services of every part renderer: the fringe colours of an
// element's nodes (with the palette's banded, constant, limit and undefined
// rules and the centre a split face needs), per-corner and flat face
// normals, and static (software) lighting of a face's corners.
#pragma once

// The palette calls the fringe code makes; a test installs its own.
struct Fringe_palette_calls {
  void (*false_color)(int key, int component, float value, float rgb[3], int mode,
                      int *interval, float *fraction);
  void (*banded_constant)(float rgb[3], int band);
};
// Installs calls (null: the palette module's own).
void fringe_palette_calls(const Fringe_palette_calls *calls);

// The flipbook load factor: Loading_load_factor while a flipbook is being
// generated and that is not -1, else 1.
float fringe_load_factor();
// The unscaled value of a part at `index` (node number, or element index
// for element-based values) for colouring: kind 0 scalar, 1 vector and 2
// coordinates (magnitude, or the weighted sum of the components), 3 trace
// time; other kinds and absent arrays give 0.  *defined becomes false for
// an undefined scalar or vector (x equal to Undefined).
float fringe_node_value(int part, int kind, int var_id, int magnitude, const float w[3],
                        int index, bool *defined);

// The fringe colours of one element's l nodes (28 arguments; 19, 20 and 23
// are ignored).  per_node 0 gives every node the element's value at index
// `position`; otherwise node k is connectivity[position + k].  Outputs: l
// colours, corners (1, or l when a centre was computed, with its point
// from `node_positions` and its value), in_range and visible.
void get_fring_color(int part, int key, int component, int per_node, int var_id, int var_type,
                     int palette_type, float w1, float w2, float w3, int magnitude,
                     int undefined_display, int position, int l, float (*colors)[3],
                     int *corners, float centre[3], float *centre_value, int, int,
                     int *in_range, int *visible, int, int limit_fringes, float lowest,
                     float highest, const float part_rgb[3], const float (*node_positions)[3]);
// Colours of the nodes at positions a and b of the element starting at
// connectivity entry `first` (load factor for kinds 0-2) and of the centre
// value as passed: three RGB triples into colors.
void get_fringe_split(int part, int key, int component, int var_id, int var_type,
                      int palette_type, float w1, float w2, float w3, int magnitude, int first,
                      int a, int b, float centre_value, float colors[3][3]);
// One unit normal per corner of the face through nodes[0..n-1] (node
// numbers), displaced by variable displace_var (-1 none) times factor.
void get_normal(int n, int part, const int *nodes, int displace_var, float factor,
                float (*normals)[3]);
// The same with every position first transformed by matrix (row vectors);
// the transformed positions are returned too.
void get_normal_software(const float matrix[16], int n, int part, const int *nodes,
                         int displace_var, float factor, float (*normals)[3],
                         float (*positions)[3]);
// The face's flat unit normal copied to every corner: 0, or 1 when no corner
// makes an angle of more than about 5.7 degrees (normals left as they were).
int polygon_flat_normal(int n, const float (*positions)[3], float (*normals)[3]);
// Static lighting of n corners with the part's light_diff, light_shin and
// light_h_int, the light at the eye: lit colours into colors, and each
// corner's diffuse and specular terms.
void get_color_software(int part, int n, int coloring, int palette_type, int limit_fringes,
                        int in_range, const float (*normals)[3], const float (*positions)[3],
                        float (*colors)[3], float *diffuse, float *specular);
