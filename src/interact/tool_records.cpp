// Tool placements (see tool_records.h).  Owns one record per tool, zero at
// start; only the accessors below read or write them.
#include "interact/tool_records.h"

#include <cmath>
#include <cstring>

namespace {

struct Cursor_tool_rec {
  float point[3];  // position
  float size;      // arm length
};
struct Line_tool_rec {
  float end1[3], end2[3];
  float length;
};
struct Plane_tool_rec {
  float corner[4][3];  // the fourth is corner 0 + corner 2 - corner 1
};
// Cylinder, cone and sphere: two axis points, the centre, the axis, a
// radius or half-angle, and the cone's further value.
struct Quadric_tool_rec {
  float end1[3], end2[3], centre[3], axis[3];
  float size;   // radius (cylinder, sphere) or half-angle in degrees (cone)
  float value;  // cone: its further value
};
struct Revolution_tool_rec {
  float end1[3], end2[3], centre[3], axis[3];
  int count;                        // profile points in use, 0..REVTOOL_POINTS
  float radii[REVTOOL_POINTS];      // profile radii
  float distances[REVTOOL_POINTS];  // profile distances along the axis
};

Cursor_tool_rec Cursor;
Line_tool_rec Line;
Plane_tool_rec Plane;
Quadric_tool_rec Cylinder, Cone, Sphere;
Revolution_tool_rec Revtool;
float Quadric[QUADRIC_WORDS];

// Mode 0 copies n stored floats out, mode 1 in; a null argument is skipped.
void move(float *caller, float *stored, int n, int mode) {
  if (!caller) return;
  if (mode == 0) memcpy(caller, stored, n * sizeof(float));
  if (mode == 1) memcpy(stored, caller, n * sizeof(float));
}

int quadric_tool(Quadric_tool_rec &t, float *end1, float *end2, float *points, float *axis,
                 float *size, float *value, int mode) {
  move(end1, t.end1, 3, mode);
  move(end2, t.end2, 3, mode);
  move(points, t.centre, 3, mode);
  move(axis, t.axis, 3, mode);
  move(size, &t.size, 1, mode);
  move(value, &t.value, 1, mode);
  return 1;
}

}  // namespace

int cursor_position(float *x, float *y, float *z, const float *angle, float *size, int mode) {
  float *p[3] = {x, y, z};
  for (int i = 0; i < 3; i++) move(p[i], &Cursor.point[i], 1, mode);
  if (mode == 0 && size) *size = Cursor.size;
  if (mode == 1 && angle && size)
    Cursor.size = (float)(std::tan(*angle * 0.017453292) * *size / 30.0);
  return 1;
}

int line_position(float end1[3], float end2[3], float *length, int mode) {
  move(end1, Line.end1, 3, mode);
  move(end2, Line.end2, 3, mode);
  move(length, &Line.length, 1, mode);
  return 1;
}

int plane_position(float a[3], float b[3], float c[3], float d[3], int mode) {
  float *corners[4] = {a, b, c, d};
  for (int i = 0; i < 4; i++) move(corners[i], Plane.corner[i], 3, mode);
  return 1;
}

void setpln(const float c1[3], const float c2[3], const float c3[3]) {
  for (int i = 0; i < 3; i++) {
    Plane.corner[0][i] = c1[i];
    Plane.corner[1][i] = c2[i];
    Plane.corner[2][i] = c3[i];
    Plane.corner[3][i] = c1[i] + c3[i] - c2[i];
  }
}

int cylinder_position(float end1[3], float end2[3], float *points, float axis[3], float *radius,
                      float *value, void *, int, int, int mode) {
  return quadric_tool(Cylinder, end1, end2, points, axis, radius, value, mode);
}

int cone_position(float apex[3], float axis_end[3], float *points, float axis[3],
                  float *half_angle, float *value, void *, int, int, int mode) {
  return quadric_tool(Cone, apex, axis_end, points, axis, half_angle, value, mode);
}

int sphere_position(float origin[3], float axis_end[3], float *points, float *radius, void *,
                    int, int, int mode) {
  return quadric_tool(Sphere, origin, axis_end, points, nullptr, radius, nullptr, mode);
}

int revtool_position(float end1[3], float end2[3], float *points, float axis[3], int *count,
                     float *radii, float *distances, void *, int, int, int mode) {
  Revolution_tool_rec &t = Revtool;
  if (mode != 0 && mode != 1) return 1;
  if (mode == 1 && (*count < 0 || *count > REVTOOL_POINTS)) return 1;
  move(end1, t.end1, 3, mode);
  move(end2, t.end2, 3, mode);
  move(points, t.centre, 3, mode);
  move(axis, t.axis, 3, mode);
  if (mode == 1) {
    t.count = *count;
    for (int i = 0; i < REVTOOL_POINTS; i++) {
      t.radii[i] = i < t.count ? radii[i] : 0.0f;
      t.distances[i] = i < t.count ? distances[i] : 0.0f;
    }
  } else {
    *count = t.count;
    memcpy(radii, t.radii, sizeof t.radii);  // unused entries are stored as 0
    memcpy(distances, t.distances, sizeof t.distances);
  }
  return 1;
}

int quadric_position(float *state, int mode) {
  move(state, Quadric, QUADRIC_WORDS, mode);
  return 1;
}

void tracur() {}
void tralin() {}
void trapln() {}
void tracylinder() {}
void tracone() {}
void trasphere() {}
void trarevtool() {}
