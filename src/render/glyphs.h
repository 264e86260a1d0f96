// Point glyph spheres (the latitude-longitude mesh and its two GL lists per
// part) and three small scene settings kept beside them: the tool colour,
// the tools' home locations and the hidden-line overlay colour.  Accessor
// modes: 0 copies the stored values out, 1 stores them, others do nothing.
#pragma once

#define SPHERE_POLYGON_WIDTH 6  // int slots per polygon in make_line_shaded_balls' lists

extern const float Sphere_glyph_radii[3];            // semi-axes x, y, z (1, 1, 1)
extern const float Sphere_glyph_latitude_range[2];   // degrees, south to north (-90, 90)
extern const float Sphere_glyph_longitude_range[2];  // degrees (0, 360); end meridians coincide

// The sphere of resolution n (n >= 0): (n + 2)^2 vertices into both arrays
// (meridian by meridian, north pole first) and (n + 1)^2 quadrilaterals of
// `width` (>= 4) int slots each, -1 after the four indices.  0, or -1 for a
// negative resolution or a width below 4 (nothing written).
int make_a_sphere(int n, float (*scratch)[3], float (*vertices)[3], int *polygons, int width,
                  int *vertex_count, int *polygon_count);
// Compiles the sphere of the resolution as an outline list (a line loop per
// polygon) and a shaded list (quadrilaterals with unit normals), in display
// 1's context when two displays are in use.  0, or -1 for a negative
// resolution or when the work arrays cannot be had.
int make_line_shaded_balls(int outline_list, int shaded_list, int resolution);
// For a part whose nodes are shown as spheres (slot 7 exactly 1, slot 10
// rounding to 2): (re)makes its outline and shaded sphere lists at its node
// detail (slot 12).  Other parts are left alone.
void make_sphere_objects(int part);

// Common colour of the plane, cylinder, cone, sphere, revolution and line
// tools (white at start); storing it passes it to each tool and redraws.
void widget_tools_color(float *r, float *g, float *b, int mode);
// The tools' home placements: cursor point, line ends, three plane corners,
// a size (cylinder radius and cone size) and the cone angle.  The start-up
// view sets them, tool resets read them.
void widget_location(float *cursor_x, float *cursor_y, float *cursor_z, float line_a[3],
                     float line_b[3], float plane_a[3], float plane_b[3], float plane_c[3],
                     float *size, float *cone_angle, int mode);
// The hidden-line overlay colour and whether it is used (black, 0 at
// start).  Storing keeps the colour unless *specified is non-zero, and
// always stores the flag, so switching the overlay off keeps the colour.
void hidden_line_colors(float *r, float *g, float *b, int *specified, int mode);
