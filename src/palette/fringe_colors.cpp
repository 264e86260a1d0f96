// Colour services of the palettes (see fringe_colors.h).  No palette exists
// yet: `palette` refuses every (key, component), the value-to-colour calls
// give white and the band splitter records nothing.  The node value itself
// is taken as the renderers take it (fringe_node_value).
#include "palette/fringe_colors.h"

#include "render/fringe.h"

int palette(int, int, int, char *, int *, int *, float *, float *, float *, int *, int *, int *,
            int *, int *, float *, float (*)[3], float *, char *) {
  return -1;
}

void false_color(int, int, float, float rgb[3], int, int *interval, float *fraction) {
  rgb[0] = rgb[1] = rgb[2] = 1.0f;
  *interval = 0;
  *fraction = 0.0f;
}

void banded_constant(float rgb[3], int) { rgb[0] = rgb[1] = rgb[2] = 1.0f; }

int node_fringe_color(int part, int node, int kind, int magnitude, float w0, float w1, float w2,
                      int key, int component, int var_id, float rgb[3], int mode, float *value) {
  const float w[3] = {w0, w1, w2};
  bool defined = true;
  *value = fringe_node_value(part, kind, var_id, magnitude, w, node, &defined);
  *value *= fringe_load_factor();
  int interval;
  float fraction;
  false_color(key, component, *value, rgb, mode, &interval, &fraction);
  return defined ? 1 : 0;
}

void node_fringe_texture(int part, int node, int kind, int magnitude, float w0, float w1,
                         float w2, int key, int component, int var_id, int *coordinate) {
  const float w[3] = {w0, w1, w2};
  bool defined = true;
  float v = fringe_node_value(part, kind, var_id, magnitude, w, node, &defined);
  float rgb[3], fraction;
  int interval;
  false_color(key, component, v, rgb, 0, &interval, &fraction);
  if (interval == 4) fraction = 0.0f;
  *coordinate = (int)((interval + fraction) * 64.0f);
}

void fringe_poly_banded(int, int, int, int, int, int, float, float, float, int, int, int, int, int,
                        const float *, float, const float *, int, const float (*)[3], float, int,
                        int, const float *, const float (*)[3], const float *, const float *,
                        int *) {}
