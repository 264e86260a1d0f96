// The colour services of the palettes that every renderer calls: a palette's
// fields, a value's colour, a band's colour, a node's colour and texture
// index, and the banded splitting of a face triangle.  The palettes arrive
// with the palette subsystem; until then `palette` answers that there is no
// such palette, so parts keep their part colour, and the calls that need a
// palette give white.
#pragma once

#define PALETTE_LEVELS 21   // level values and colours of a palette, at most
#define LEGEND_SETTINGS 14  // legend settings of a palette

// Mode 0 copies the fields of the palette of (key, component) out; 1, or -1
// when there is no such palette.
int palette(int key, int component, int mode, char *name, int *var_type, int *var_id,
            float *weight_x, float *weight_y, float *weight_z, int *type, int *limit_fringes,
            int *scale, int *undefined_display, int *levels, float values[PALETTE_LEVELS],
            float colors[PALETTE_LEVELS][3], float legend[LEGEND_SETTINGS], char *format);
// The colour of value through the palette (mode 1 banded, else continuous),
// with its level interval and the fraction within it.
void false_color(int key, int component, float value, float rgb[3], int mode, int *interval,
                 float *fraction);
// The colour of band `band` of the palette false_color used last.
void banded_constant(float rgb[3], int band);
// The colour of node `node` (from 1) of the part by its value of the kind
// (0 scalar, 1 vector, 2 coordinates, 3 trace time) times the flipbook load
// factor; *value receives the value mapped.  0 when the value is undefined
// (a scalar, or a vector's x, equal to Undefined), else 1.
int node_fringe_color(int part, int node, int kind, int magnitude, float w0, float w1, float w2,
                      int key, int component, int var_id, float rgb[3], int mode, float *value);
// The node's 1-D texture index, trunc((interval + fraction) x 64).
void node_fringe_texture(int part, int node, int kind, int magnitude, float w0, float w1,
                         float w2, int key, int component, int var_id, int *coordinate);
// Records the triangle (corner a, corner b, centre) of a split face cut into
// its palette bands through quivane_opengl and adds its vertices to
// *vertex_count.  The per-vertex arrays hold the face's corners, then the
// centre at index centre_index.
void fringe_poly_banded(int part, int object, int key, int component, int var_id, int kind,
                        float w0, float w1, float w2, int magnitude, int offset, int corner_a,
                        int corner_b, int centre_index, const float centre[3],
                        float centre_value, const float centre_rgb[3], int displace_var,
                        const float (*normals)[3], float displace_factor, int levels,
                        int limit_fringes, const float part_rgb[3], const float (*coords)[3],
                        const float *diffuse, const float *specular, int *vertex_count);
