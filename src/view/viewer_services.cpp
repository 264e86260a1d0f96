// Weak placeholders of the viewer and viewport services (see viewer_services.h).
#include "view/viewer_services.h"

#include <cstring>

#include "view/viewports.h"

#define WEAK __attribute__((weak))

WEAK int view_param(float lookat[3], float lookfrom[3], float matrix[16], float *distance, int) {
  if (lookat) memset(lookat, 0, 3 * sizeof(float));
  if (lookfrom) memset(lookfrom, 0, 3 * sizeof(float));
  if (matrix) memset(matrix, 0, 16 * sizeof(float));
  if (distance) *distance = 0.0f;
  return 1;
}

WEAK int perspective_angle(float *angle, int mode) {
  if (angle && mode == 0) *angle = 0.0f;
  return 1;
}

WEAK int frames(int, int, char *, float *) { return -1; }

WEAK void modify_viewport_part_visibility_attribute(int newmask, int oldmask, int *out) {
  int merged = 0;
  for (int v = 0; v < MAX_VIEWPORTS; v++) {
    int bit = 1 << v;
    merged |= (Viewports[v].in_use ? newmask : oldmask) & bit;
  }
  if (out) *out = merged;
}

WEAK int viewport_is_2d(int) { return 0; }

WEAK void recheck_all_parts_against_2d_viewport(int) {}
