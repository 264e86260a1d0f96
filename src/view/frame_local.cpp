// Frame-local transformations: per frame and viewport a scale, rotation and
// translation in the frame's own axes, and their stored product
// G2F x scale x rotation x translation x F2G (row vectors, the left factor
// applied first), which the part drawing multiplies in before the viewport's
// model transformation.  The products are formed in float arithmetic with
// the matrix helpers, so no GL context is needed.
#include <cmath>
#include <cstring>

#include "client/matrix.h"
#include "render/disobj.h"
#include "view/frames.h"
#include "view/viewports.h"

namespace {

const double Deg_to_rad = 0.017453292519943295;

int current_viewport() {
  return Viewport_current >= 0 && Viewport_current < FRAME_VIEWPORTS ? Viewport_current : 0;
}

// The record of a listed frame; null for a number without one, which the
// operations then pass over.
Frame_rec *listed(int number) {
  return number >= 0 && number < MAX_FRAMES ? Ctm_part[number] : nullptr;
}

void recompute_combined(Frame_rec *f, int v) {
  float a[16], b[16];
  mul4x4(f->to_frame, f->scale[v], a);
  mul4x4(a, f->rotation[v], b);
  mul4x4(b, f->translation[v], a);
  mul4x4(a, f->to_global, f->combined[v]);
}

// m = m x d for each listed frame's matrix chosen by pick in the current
// viewport, then the product is stored again.
template <typename Pick>
void apply_step(int count, const int *frames, const float d[16], Pick pick) {
  Resort_transparent = 1;
  int v = current_viewport();
  for (int k = 0; k < count; k++) {
    Frame_rec *f = listed(frames[k]);
    if (!f) continue;
    float *m = pick(f, v), out[16];
    mul4x4(m, d, out);
    memcpy(m, out, sizeof out);
    recompute_combined(f, v);
  }
}

void copy_matrix(float *to, const float *from) { memcpy(to, from, sizeof(Matrix_4x4_rec)); }

// A matrix held as four row pointers.
void rows_out(float *const rows[4], const float *m) {
  for (int i = 0; i < 4; i++) memcpy(rows[i], m + 4 * i, 4 * sizeof(float));
}
void rows_in(float *m, float *const rows[4]) {
  for (int i = 0; i < 4; i++) memcpy(m + 4 * i, rows[i], 4 * sizeof(float));
}

// Moves, for each listed frame, the chosen matrix of the current viewport
// between the frame and the caller's storage: out(k, matrix) on mode 0,
// in(k, matrix) on mode 1.
template <typename Access>
void each_listed(int count, const int *frames, int mode, Access access) {
  if (count < 1 || (mode != 0 && mode != 1)) return;
  int v = current_viewport();
  for (int k = 0; k < count; k++)
    if (Frame_rec *f = listed(frames[k])) access(k, f, v, mode == 0);
}

}  // namespace

// ---- accessors -------------------------------------------------------------------

void local_ctm_transforms(float (*scale)[16], float (*rotation)[16], float (*translation)[16],
                          int count, const int *frames, int mode) {
  each_listed(count, frames, mode, [&](int k, Frame_rec *f, int v, bool out) {
    if (out) {
      copy_matrix(scale[k], f->scale[v]);
      copy_matrix(rotation[k], f->rotation[v]);
      copy_matrix(translation[k], f->translation[v]);
    } else {
      copy_matrix(f->scale[v], scale[k]);
      copy_matrix(f->rotation[v], rotation[k]);
      copy_matrix(f->translation[v], translation[k]);
    }
  });
}

void local_current_ctm(float (*combined)[16], int count, const int *frames, int mode) {
  each_listed(count, frames, mode, [&](int k, Frame_rec *f, int v, bool out) {
    if (out)
      copy_matrix(combined[k], f->combined[v]);
    else
      copy_matrix(f->combined[v], combined[k]);
  });
}

void local_ctm_transforms_st(float (*scale)[16], float (*rotation)[16], float (*translation)[16],
                             int count, const int *frames, int mode) {
  local_ctm_transforms(scale, rotation, translation, count, frames, mode);
}

void local_current_ctm_st(float (*combined)[16], int count, const int *frames, int mode) {
  local_current_ctm(combined, count, frames, mode);
}

void local_ctm_transforms_stars(float *(*scale)[4], float *(*rotation)[4],
                                float *(*translation)[4], int count, const int *frames, int mode) {
  each_listed(count, frames, mode, [&](int k, Frame_rec *f, int v, bool out) {
    if (out) {
      rows_out(scale[k], f->scale[v]);
      rows_out(rotation[k], f->rotation[v]);
      rows_out(translation[k], f->translation[v]);
    } else {
      rows_in(f->scale[v], scale[k]);
      rows_in(f->rotation[v], rotation[k]);
      rows_in(f->translation[v], translation[k]);
    }
  });
}

void local_current_ctm_stars(float *(*combined)[4], int count, const int *frames, int mode) {
  each_listed(count, frames, mode, [&](int k, Frame_rec *f, int v, bool out) {
    if (out)
      rows_out(combined[k], f->combined[v]);
    else
      rows_in(f->combined[v], combined[k]);
  });
}

// ---- turn, move, scale -----------------------------------------------------------

void local_rotvew(int count, const int *frames, float ax, float ay, float az) {
  // Z first, then Y, then X; a zero angle adds no factor.
  float d[16];
  int4x4(d);
  if (az != 0.0f) post_rotate_z((float)(az * Deg_to_rad), d);
  if (ay != 0.0f) post_rotate_y((float)(ay * Deg_to_rad), d);
  if (ax != 0.0f) post_rotate_x((float)(ax * Deg_to_rad), d);
  apply_step(count, frames, d, [](Frame_rec *f, int v) { return f->rotation[v]; });
}

void local_trnvew(int count, const int *frames, float dx, float dy, float dz) {
  float d[16];
  int4x4(d);
  post_translate(dx, dy, dz, d);
  apply_step(count, frames, d, [](Frame_rec *f, int v) { return f->translation[v]; });
}

void local_sclvew(int count, const int *frames, float sx, float sy, float sz) {
  float d[16];
  int4x4(d);
  d[0] = sx;
  d[5] = sy;
  d[10] = sz;
  apply_step(count, frames, d, [](Frame_rec *f, int v) { return f->scale[v]; });
}

void local_reset_transforms(int count, const int *frames, const int reset[3]) {
  Resort_transparent = 1;
  const int keep = Viewport_current;
  for (int k = 0; k < count; k++) {
    Frame_rec *f = listed(frames[k]);
    if (!f) continue;
    for (int v = 0; v < FRAME_VIEWPORTS && v < MAX_VIEWPORTS; v++) {
      if (!Viewports[v].selected) continue;
      if (reset[0]) int4x4(f->rotation[v]);
      if (reset[1]) int4x4(f->translation[v]);
      if (reset[2]) int4x4(f->scale[v]);
    }
  }
  for (int k = 0; k < count; k++) {
    Frame_rec *f = listed(frames[k]);
    if (!f) continue;
    for (int v = 0; v < FRAME_VIEWPORTS && v < MAX_VIEWPORTS; v++) {
      if (!Viewports[v].selected) continue;
      Viewport_current = v;
      recompute_combined(f, v);
    }
  }
  Viewport_current = keep;
}

int is_transform_for_frame_identity(int count, const int *frames) {
  for (int s = 0; s < Num_active_viewports && s < MAX_VIEWPORTS; s++) {
    int v = Viewport_display_order[s];
    if (v < 0 || v >= FRAME_VIEWPORTS) continue;
    for (int k = 0; k < count; k++) {
      const Frame_rec *f = listed(frames[k]);
      if (!f) continue;
      for (int e = 0; e < 16; e++)
        if (e % 5 != 0 && std::fabs(f->combined[v][e]) > 1e-8f) return 0;
    }
  }
  return 1;
}
