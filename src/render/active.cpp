// Active objects, emitter slots and part bounds (see active.h).
#include "render/active.h"

#include "state/bkup_words.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "parts/attribute.h"
#include "parts/read.h"
#include "render/disobj.h"
#include "render/part_pass.h"
#include "view/frames.h"
#include "view/view_matrix.h"
#include "view/viewports.h"
#include "variables/variables.h"

int Active_objects[MAX_ACTIVE_OBJECTS];
int Num_active_objects = 0;
int Emitter_lists[MAX_EMITTERS];
int Num_active_emitters = 0;

static int index_of_number(int n) {
  if (n < 1 || n >= MAX_PART_NUMBER) return -1;
  int i = Part_cross[n];
  if (i < 0 || i >= Num_p_loaded || !parts[i]) return -1;
  return i;
}

int active_object_position(int i) {
  for (int k = 0; k < Num_active_objects; k++)
    if (Active_objects[k] == i) return k;
  return -1;
}

void actobj(int n) {
  int i = index_of_number(n);
  if (i < 0) return;
  Part_rec *p = parts[i];
  if (p->group) return;
  if (p->attributes && (int)lroundf(p->attributes[SLOT_ELT_REP]) == ELT_REP_NOT_LOADED) return;
  if (active_object_position(i) >= 0) return;
  if (Num_active_objects >= MAX_ACTIVE_OBJECTS) return;
  Active_objects[Num_active_objects++] = i;
}

void deaobj(int n) {
  int i = index_of_number(n);
  if (i < 0) return;
  int k = active_object_position(i);
  if (k < 0) return;
  for (; k < Num_active_objects - 1; k++) Active_objects[k] = Active_objects[k + 1];
  Num_active_objects--;
}

void compress_active(int i) {
  int k = active_object_position(i);
  if (k >= 0) Active_objects[k] = i - 1;
}

void active_emitter(int slot, int list_id) {
  if (slot < 0 || slot >= MAX_EMITTERS || Emitter_lists[slot] != 0) return;
  Emitter_lists[slot] = list_id;
  if (list_id != 0) Num_active_emitters++;
}

void dea_emitter(int slot) {
  if (slot < 0 || slot >= MAX_EMITTERS || Emitter_lists[slot] == 0) return;
  Emitter_lists[slot] = 0;
  Num_active_emitters--;
}

void reset_active_objects() {
  Num_active_objects = 0;
  for (int &e : Emitter_lists) e = 0;
  Num_active_emitters = 0;
}

void find_bounding_volume(int i) {
  if (i < 0 || i >= Num_p_loaded || !parts[i]) return;
  Part_rec *p = parts[i];
  const float *a = p->attributes;
  int d = a ? (int)lroundf(a[SLOT_DISPLACE_BY]) : -1;
  if (d >= Var_array_size || (d >= 0 && !(p->vectors && p->vectors[d]))) d = -1;
  if (d < 0) d = -1;
  float factor = a ? a[SLOT_DISPLACE_FACTOR] : 0;
  int n = p->node_count;
  if (p->type == PART_TRACE || p->type == PART_TENSOR) n--;
  if (n <= 0 || !p->coords) return;
  float lo[3], hi[3];
  for (int k = 1; k <= n; k++) {
    float pt[3];
    for (int c = 0; c < 3; c++) {
      pt[c] = p->coords[k][c];
      if (d != -1) pt[c] += factor * p->vectors[d][k][c];
    }
    for (int c = 0; c < 3; c++) {
      if (k == 1 || pt[c] < lo[c]) lo[c] = pt[c];
      if (k == 1 || pt[c] > hi[c]) hi[c] = pt[c];
    }
  }
  p->xmin = lo[0];
  p->xmax = hi[0];
  p->ymin = lo[1];
  p->ymax = hi[1];
  p->zmin = lo[2];
  p->zmax = hi[2];
}

namespace {

int bkup_failed() {
  perror("disobj_bkup:");
  return -1;
}

}  // namespace

int disobj_bkup(FILE *fp, int mode) {
  if (mode == 0 || mode == 5) {
    if (!fp) return bkup_failed();
    float version = 10.0f;
    uint32_t w;
    memcpy(&w, &version, 4);
    bool ok = bkup_put_word(fp, w) && bkup_put_word(fp, (uint32_t)Num_active_objects) &&
              bkup_put_word(fp, (uint32_t)Num_active_emitters);
    for (int k = 0; ok && k < MAX_ACTIVE_OBJECTS; k++)
      ok = bkup_put_word(fp, (uint32_t)(k < Num_active_objects ? Active_objects[k] : 0));
    ok = ok && bkup_put_word(fp, (uint32_t)Case_viewport_visibility_set);
    for (int c = 0; ok && c < 16; c++) ok = bkup_put_word(fp, (uint32_t)Case_viewport_visibility[c]);
    return ok ? 1 : bkup_failed();
  }
  if (mode == 2 || mode == 6) {
    if (!fp) return bkup_failed();
    // Everything is read before anything is stored, so a short section
    // leaves the list and masks as they were.
    std::vector<uint32_t> w(3 + MAX_ACTIVE_OBJECTS + 1 + 16);
    for (uint32_t &x : w)
      if (!bkup_get_word(fp, &x)) return bkup_failed();
    int count = (int)w[1];
    if (count < 0) count = 0;
    if (count > MAX_ACTIVE_OBJECTS) count = MAX_ACTIVE_OBJECTS;
    Num_active_objects = 0;
    for (int k = 0; k < count; k++) {
      int i = (int)w[3 + k];
      if (i < 0 || i >= Num_p_loaded || active_object_position(i) >= 0) continue;
      Active_objects[Num_active_objects++] = i;
    }
    Case_viewport_visibility_set = (int)w[3 + MAX_ACTIVE_OBJECTS];
    for (int c = 0; c < 16; c++) Case_viewport_visibility[c] = (int)w[4 + MAX_ACTIVE_OBJECTS + c];
    return 1;
  }
  if (mode == 4) {
    reset_active_objects();
    Case_viewport_visibility_set = 0;
  }
  return 1;
}

// ---- extents in a viewport ---------------------------------------------------------
namespace {

// out = a x b for row-vector matrices (a applied first).
void row_mult(const float a[16], const float b[16], float out[16]) {
  for (int r = 0; r < 4; r++)
    for (int c = 0; c < 4; c++) {
      float sum = 0;
      for (int k = 0; k < 4; k++) sum += a[4 * r + k] * b[4 * k + c];
      out[4 * r + c] = sum;
    }
}

void row_apply(const float p[3], const float m[16], float out[3]) {
  for (int c = 0; c < 3; c++) out[c] = p[0] * m[c] + p[1] * m[4 + c] + p[2] * m[8 + c] + m[12 + c];
}

// Inverse of a rigid frame matrix: transposed rotation, translation undone.
void rigid_inverse(const float m[16], float out[16]) {
  int4x4(out);
  for (int r = 0; r < 3; r++)
    for (int c = 0; c < 3; c++) out[4 * r + c] = m[4 * c + r];
  for (int c = 0; c < 3; c++)
    out[12 + c] = -(m[12] * out[c] + m[13] * out[4 + c] + m[14] * out[8 + c]);
}


void no_extents(float out[6]) {
  const float none[6] = {-1, 1, -1, 1, -1, 1};
  memcpy(out, none, sizeof none);
}

}  // namespace

int find_min_max_for_part_in_viewport(int v, int i, int n, float **coords, const float *const xyz[3],
                                      int form, float out[6]) {
  no_extents(out);
  if (i < 0 || i >= Num_p_loaded || !parts[i] || !parts[i]->attributes) return -1;
  if (v < 0 || v >= MAX_VIEWPORTS) return -1;
  Part_rec *p = parts[i];
  const float *a = p->attributes;
  int mask = (int)lroundf(a[SLOT_VIEWPORT_VIS]);
  if (!(mask & (1 << v)) || p->type == PART_ARROW || p->type == PART_TENSOR || n <= 0) return -1;
  if (form == 0 ? !coords : !(xyz && xyz[0] && xyz[1] && xyz[2])) return -1;
  int d = -1;
  if (form == 0) {
    d = (int)lroundf(a[SLOT_DISPLACE_BY]);
    if (d < 0 || d >= Var_array_size || !(p->vectors && p->vectors[d])) d = -1;
  }
  float factor = a[SLOT_DISPLACE_FACTOR];
  int vc = Viewport_current >= 0 && Viewport_current < MAX_VIEWPORTS ? Viewport_current : 0;
  const float *rot2d = Viewports[vc].matrix_2d;
  float combined[16], to_global[16], to_frame[16], local_then_view[16];
  current_ctm(combined, 0);
  const int frame = (int)lroundf(a[SLOT_FRAME]);
  frame_to_global_matrix(frame, to_global);
  rigid_inverse(to_global, to_frame);
  // The frame's local transformation in this viewport comes before the
  // viewport's own, as the part drawing multiplies them.
  row_mult(frame_record(frame)->combined[v], combined, local_then_view);
  bool started = false;
  for (int m = -1; m < 7; m++) {
    if (m >= 0 && lroundf(a[SLOT_MIRROR_Z + m]) == 0) continue;
    // Node point x 2-D matrix x global-to-frame x mirror x frame-to-global x
    // frame-local x view.
    float scale[16], t1[16], t2[16], inst[16];
    int4x4(scale);
    if (m >= 0)
      for (int c = 0; c < 3; c++) scale[5 * c] = Mirror_instances[m].scale[c];
    row_mult(to_frame, scale, t1);
    row_mult(t1, to_global, t2);
    row_mult(t2, local_then_view, inst);
    for (int k = 1; k <= n; k++) {
      float pt[3], r[3], q[3];
      for (int c = 0; c < 3; c++) {
        pt[c] = form == 0 ? coords[k][c] : xyz[c][k];
        if (d != -1) pt[c] += factor * p->vectors[d][k][c];
      }
      row_apply(pt, rot2d, r);
      row_apply(r, inst, q);
      for (int c = 0; c < 3; c++) {
        if (!started || q[c] < out[2 * c]) out[2 * c] = q[c];
        if (!started || q[c] > out[2 * c + 1]) out[2 * c + 1] = q[c];
      }
      started = true;
    }
  }
  return 1;
}

void find_min_max_viewport(int v, float out[6]) {
  no_extents(out);
  bool any = false;
  for (int k = 0; k < Num_active_objects; k++) {
    int i = Active_objects[k];
    if (i < 0 || i >= Num_p_loaded || !parts[i]) continue;
    int n = parts[i]->node_count - (parts[i]->type == PART_TRACE ? 1 : 0);
    float e[6];
    if (find_min_max_for_part_in_viewport(v, i, n, parts[i]->coords, nullptr, 0, e) != 1) continue;
    for (int c = 0; c < 3; c++) {
      if (!any || e[2 * c] < out[2 * c]) out[2 * c] = e[2 * c];
      if (!any || e[2 * c + 1] > out[2 * c + 1]) out[2 * c + 1] = e[2 * c + 1];
    }
    any = true;
  }
}
