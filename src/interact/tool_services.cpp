// Weak placeholders of the tool placements (see tool_services.h).
#include "interact/tool_services.h"

#include <cstring>

#define WEAK __attribute__((weak))

static void zero(float *v, int n) {
  if (v) memset(v, 0, (size_t)n * sizeof(float));
}

WEAK int line_position(float end1[3], float end2[3], float *length, int mode) {
  if (mode != 0) return 1;
  zero(end1, 3);
  zero(end2, 3);
  zero(length, 1);
  return 1;
}

WEAK int plane_position(float a[3], float b[3], float c[3], float d[3], int mode) {
  if (mode != 0) return 1;
  zero(a, 3);
  zero(b, 3);
  zero(c, 3);
  zero(d, 3);
  return 1;
}

WEAK int cursor_position(float *x, float *y, float *z, const float *, float *size, int mode) {
  if (mode != 0) return 1;
  zero(x, 1);
  zero(y, 1);
  zero(z, 1);
  zero(size, 1);
  return 1;
}

WEAK int cylinder_position(float end1[3], float end2[3], float *points, float axis[3],
                           float *radius, float *value, void *, int, int, int mode) {
  if (mode != 0) return 1;
  zero(end1, 3);
  zero(end2, 3);
  zero(points, 3);
  zero(axis, 3);
  zero(radius, 1);
  zero(value, 1);
  return 1;
}

WEAK int cone_position(float apex[3], float axis_end[3], float *points, float axis[3],
                       float *half_angle, float *value, void *, int, int, int mode) {
  if (mode != 0) return 1;
  zero(apex, 3);
  zero(axis_end, 3);
  zero(points, 3);
  zero(axis, 3);
  zero(half_angle, 1);
  zero(value, 1);
  return 1;
}

WEAK int sphere_position(float origin[3], float axis_end[3], float *points, float *radius, void *,
                         int, int, int mode) {
  if (mode != 0) return 1;
  zero(origin, 3);
  zero(axis_end, 3);
  zero(points, 3);
  zero(radius, 1);
  return 1;
}

WEAK int revtool_position(float end1[3], float end2[3], float *points, float axis[3], int *count,
                          float *radii, float *distances, void *, int, int, int mode) {
  if (mode != 0) return 1;
  zero(end1, 3);
  zero(end2, 3);
  zero(points, 3);
  zero(axis, 3);
  if (count) *count = 0;
  zero(radii, 10);
  zero(distances, 10);
  return 1;
}

WEAK int quadric_position(float *state, int mode) {
  if (mode == 0) zero(state, 10);
  return 1;
}
