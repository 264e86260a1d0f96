// Point glyph spheres and the tool and overlay settings (see glyphs.h).
// Owns the tool colour, the tools' home locations, the overlay colour and
// the sphere work arrays, which grow with the largest resolution compiled.
#include "render/glyphs.h"

#include <GL/gl.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "interact/tool_colors.h"
#include "parts/attribute.h"
#include "parts/read.h"
#include "render/display.h"
#include "view/viewports.h"

const float Sphere_glyph_radii[3] = {1.0f, 1.0f, 1.0f};
const float Sphere_glyph_latitude_range[2] = {-90.0f, 90.0f};
const float Sphere_glyph_longitude_range[2] = {0.0f, 360.0f};

// ---- the sphere mesh -------------------------------------------------------------------

static float radians(float degrees) { return (float)(degrees * 3.141593 / 180.0); }

// The point where the ray from the origin at latitude phi and longitude lam
// (degrees) meets the ellipsoid of the glyph radii.
static void sphere_vertex(float phi, float lam, float out[3]) {
  const float *r = Sphere_glyph_radii;
  out[0] = out[1] = out[2] = 0.0f;
  if (r[0] == 0.0f && r[1] == 0.0f && r[2] == 0.0f) return;
  float p = radians(phi), l = radians(lam);
  double d[3] = {std::cos(p) * std::cos(l), std::sin(p), -std::cos(p) * std::sin(l)};
  if (std::fabs(phi) == 90.0f || std::fabs(phi) == 270.0f) {
    out[1] = d[1] < 0 ? -r[1] : r[1];
    return;
  }
  double q = 0.0;
  for (int i = 0; i < 3; i++)
    if (r[i] != 0.0f) q += (d[i] / r[i]) * (d[i] / r[i]);
  double t = q > 0.0 ? 1.0 / std::sqrt(q) : 0.0;
  for (int i = 0; i < 3; i++) out[i] = (float)(d[i] * t);
  if (std::fabs(lam) == 90.0f || std::fabs(lam) == 270.0f) out[0] = 0.0f;
}

int make_a_sphere(int n, float (*scratch)[3], float (*vertices)[3], int *polygons, int width,
                  int *vertex_count, int *polygon_count) {
  if (n < 0 || width < 4) return -1;
  const int e = n + 1, m = n + 2;
  const float lon_step = (Sphere_glyph_longitude_range[1] - Sphere_glyph_longitude_range[0]) / e;
  const float lat_step = (Sphere_glyph_latitude_range[1] - Sphere_glyph_latitude_range[0]) / e;
  float lam = Sphere_glyph_longitude_range[0];
  for (int L = 0; L <= e; L++, lam += lon_step) {
    float phi = Sphere_glyph_latitude_range[0];
    for (int k = 0; k <= e; k++, phi += lat_step) sphere_vertex(phi, lam, scratch[L * m + (e - k)]);
  }
  memcpy(vertices, scratch, sizeof(float[3]) * m * m);
  for (int j = 0; j < e; j++)
    for (int i = 0; i < e; i++) {
      int *poly = polygons + (j * e + i) * width;
      poly[0] = j * m + i;
      poly[1] = j * m + i + 1;
      poly[2] = (j + 1) * m + i + 1;
      poly[3] = (j + 1) * m + i;
      for (int s = 4; s < width; s++) poly[s] = -1;
    }
  *vertex_count = m * m;
  *polygon_count = e * e;
  return 0;
}

static std::vector<float> Ball_scratch, Ball_vertices;  // 3 floats per vertex
static std::vector<int> Ball_polygons;                  // SPHERE_POLYGON_WIDTH per polygon

// Vertices of a polygon of the work lists, up to its first -1.
static int polygon_size(const int *poly) {
  int k = 0;
  while (k < SPHERE_POLYGON_WIDTH && poly[k] >= 0) k++;
  return k;
}

int make_line_shaded_balls(int outline_list, int shaded_list, int resolution) {
  if (resolution < 0) return -1;
  const size_t verts = (size_t)(resolution + 2) * (resolution + 2);
  const size_t polys = (size_t)(resolution + 1) * (resolution + 1);
  if (Ball_vertices.size() < 3 * verts) {
    Ball_scratch.resize(3 * verts);
    Ball_vertices.resize(3 * verts);
  }
  if (Ball_polygons.size() < SPHERE_POLYGON_WIDTH * polys)
    Ball_polygons.resize(SPHERE_POLYGON_WIDTH * polys);
  std::fill(Ball_polygons.begin(), Ball_polygons.end(), -1);
  float (*scratch)[3] = reinterpret_cast<float (*)[3]>(Ball_scratch.data());
  float (*vertex)[3] = reinterpret_cast<float (*)[3]>(Ball_vertices.data());
  int nv = 0, np = 0;
  make_a_sphere(resolution, scratch, vertex, Ball_polygons.data(), SPHERE_POLYGON_WIDTH, &nv, &np);

  int switched = display_lists_context_enter();
  glNewList((GLuint)outline_list, GL_COMPILE);
  for (int p = 0; p < np; p++) {
    const int *poly = &Ball_polygons[p * SPHERE_POLYGON_WIDTH];
    glBegin(GL_LINE_LOOP);
    for (int k = 0, s = polygon_size(poly); k < s; k++) glVertex3fv(vertex[poly[k]]);
    glEnd();
  }
  glEndList();
  glNewList((GLuint)shaded_list, GL_COMPILE);
  const GLenum batches[2] = {GL_QUADS, GL_TRIANGLES};
  for (int b = 0; b < 2; b++) {
    glBegin(batches[b]);
    for (int p = 0; p < np; p++) {
      const int *poly = &Ball_polygons[p * SPHERE_POLYGON_WIDTH];
      int s = polygon_size(poly);
      if (s != 4 - b) continue;
      for (int k = 0; k < s; k++) {
        glNormal3fv(scratch[poly[k]]);
        glVertex3fv(vertex[poly[k]]);
      }
    }
    glEnd();
  }
  glEndList();
  display_lists_context_leave(switched);
  return 0;
}

void make_sphere_objects(int part) {
  if (part < 0 || part >= Num_p_loaded || !parts[part]) return;
  Part_rec *p = parts[part];
  const float *a = p->attributes;
  if (!a || a[SLOT_VIS_NODE] != 1.0f || our_rint(a[SLOT_NODE_TYPE]) != 2) return;
  int switched = display_lists_context_enter();
  if (p->sphere_line_list && glIsList(p->sphere_line_list)) {
    glDeleteLists(p->sphere_line_list, 1);
    glDeleteLists(p->sphere_solid_list, 1);
  } else if (!p->sphere_line_list) {
    p->sphere_line_list = glGenLists(1);
    p->sphere_solid_list = glGenLists(1);
  }
  make_line_shaded_balls((int)p->sphere_line_list, (int)p->sphere_solid_list,
                         our_rint(a[SLOT_NODE_DETAIL]));
  display_lists_context_leave(switched);
}

// ---- settings --------------------------------------------------------------------------

static float Tool_colour[3] = {1.0f, 1.0f, 1.0f};  // every tool but the cursor, RGB 0..1

static struct {
  float cursor[3];    // cursor point
  float line[2][3];   // line ends
  float plane[3][3];  // three plane corners
  float size;         // cylinder radius and cone size
  float cone_angle;   // degrees
} Tool_home_location_rec;

static float Hidden_line_overlay_rgb[3] = {0.0f, 0.0f, 0.0f};  // overlay edge colour, RGB 0..1
static int Hidden_line_overlay_specified = 0;  // 1: hidden-line edges in the overlay colour

void widget_tools_color(float *r, float *g, float *b, int mode) {
  float *c[3] = {r, g, b};
  if (mode == 0) {
    for (int i = 0; i < 3; i++) *c[i] = Tool_colour[i];
    return;
  }
  if (mode != 1) return;
  for (int i = 0; i < 3; i++) Tool_colour[i] = *c[i];
  void (*const setters[])(float, float, float) = {set_plane_color,  set_cylinder_color,
                                                 set_cone_color,   set_sphere_color,
                                                 set_revtool_color, set_line_color};
  for (auto set : setters) set(*r, *g, *b);
  if (Num_active_viewports == 1)
    display_all();
  else
    viewports_display_all();
}

void widget_location(float *cursor_x, float *cursor_y, float *cursor_z, float line_a[3],
                     float line_b[3], float plane_a[3], float plane_b[3], float plane_c[3],
                     float *size, float *cone_angle, int mode) {
  auto &home = Tool_home_location_rec;
  float *cursor[3] = {cursor_x, cursor_y, cursor_z};
  float *vectors[5] = {line_a, line_b, plane_a, plane_b, plane_c};
  float *stored[5] = {home.line[0], home.line[1], home.plane[0], home.plane[1], home.plane[2]};
  if (mode == 0) {
    for (int i = 0; i < 3; i++) *cursor[i] = home.cursor[i];
    for (int i = 0; i < 5; i++) memcpy(vectors[i], stored[i], 3 * sizeof(float));
    *size = home.size;
    *cone_angle = home.cone_angle;
  } else if (mode == 1) {
    for (int i = 0; i < 3; i++) home.cursor[i] = *cursor[i];
    for (int i = 0; i < 5; i++) memcpy(stored[i], vectors[i], 3 * sizeof(float));
    home.size = *size;
    home.cone_angle = *cone_angle;
  }
}

void hidden_line_colors(float *r, float *g, float *b, int *specified, int mode) {
  float *c[3] = {r, g, b};
  if (mode == 0) {
    for (int i = 0; i < 3; i++) *c[i] = Hidden_line_overlay_rgb[i];
    *specified = Hidden_line_overlay_specified;
  } else if (mode == 1) {
    if (*specified)
      for (int i = 0; i < 3; i++) Hidden_line_overlay_rgb[i] = *c[i];
    Hidden_line_overlay_specified = *specified;
  }
}
