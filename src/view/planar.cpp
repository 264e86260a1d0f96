// Two-dimensional viewports and planar parts (see planar.h).
#include "view/planar.h"

#include <cfloat>
#include <cmath>
#include <cstring>

#include "client/matrix.h"
#include "interact/tool_feedback.h"
#include "interact/vector3.h"
#include "parts/attribute.h"
#include "parts/read.h"
#include "render/active.h"
#include "view/frames.h"
#include "view/stored_views.h"
#include "view/view_matrix.h"
#include "view/viewer_services.h"
#include "view/viewer_state.h"
#include "view/viewports.h"

namespace {

// Draws of node numbers tried before the planarity search falls back to a
// scan in node order; a part of three nodes, whose draws can never give its
// last node, and a part whose drawn triples are all degenerate both end.
const int kMaxPlanarDraws = 100;

float node_at(float **coords, int layout, int k, int c) {
  return layout == 0 ? coords[k][c] : coords[c][k];
}

void node_point(float **coords, int layout, int k, float p[3]) {
  for (int c = 0; c < 3; c++) p[c] = node_at(coords, layout, k, c);
}

// Plane through nodes i, j, k in that order into e; false when they are on
// one line or coincide.
bool plane_of(float **coords, int layout, int i, int j, int k, float e[4]) {
  float p[9];
  node_point(coords, layout, i, p);
  node_point(coords, layout, j, p + 3);
  node_point(coords, layout, k, p + 6);
  return points_to_coefficients(p, e) >= 0;
}

// Draws a node number 1..count-1 from the seeded sequence; 0 when the draw
// budget is spent.
int draw_node(int count, int *seed, int *draws) {
  while (*draws < kMaxPlanarDraws) {
    ++*draws;
    int n = our_rint(erand0(seed) * (float)(count - 1));
    if (n != 0) return n;
  }
  return 0;
}

// The first non-degenerate triple in node order: node 1, the first node
// apart from it, the first node off their line.
bool scan_for_plane(int count, float **coords, int layout, float e[4]) {
  float p1[3], p[3];
  node_point(coords, layout, 1, p1);
  int j = 2;
  for (; j <= count; j++) {
    node_point(coords, layout, j, p);
    if (p[0] != p1[0] || p[1] != p1[1] || p[2] != p1[2]) break;
  }
  for (int k = j + 1; k <= count; k++)
    if (plane_of(coords, layout, 1, j, k, e)) return true;
  return false;
}

bool part_usable(const Part_rec *p) {
  return p && p->attributes && !p->group &&
         our_rint(p->attributes[SLOT_ELT_REP]) != ELT_REP_NOT_LOADED;
}

int part_mask(const Part_rec *p) { return our_rint(p->attributes[SLOT_VIEWPORT_VIS]); }

void set_part_bit(Part_rec *p, int v, bool on) {
  int m = part_mask(p);
  m = on ? (m | (1 << v)) : (m & ~(1 << v));
  p->attributes[SLOT_VIEWPORT_VIS] = (float)m;
}

// Tries the parts chosen by `want` in table order; true once one defines v's plane.
template <class Want>
bool plane_from_parts(Want want, float m[16]) {
  for (int i = 0; i < Num_p_loaded; i++) {
    Part_rec *p = parts[i];
    if (!part_usable(p) || p->attributes[SLOT_VISIBLE] != 1.0f || !want(p)) continue;
    int n = p->node_count - (p->type == PART_TRACE ? 1 : 0);
    float e[4] = {0, 0, 0, 0};
    if (set_up_planar_viewport(n, p->coords, 0, e, m, 0) == 1) return true;
  }
  return false;
}

}  // namespace

int is_part_planar(int count, float **coords, int layout, float abcd[4]) {
  if (count < 3 || !coords) return 0;
  int seed = count, draws = 0;
  float e[4] = {0, 0, 0, 0};
  bool found = false;
  while (!found) {
    int i = draw_node(count, &seed, &draws), j = 0, k = 0;
    while (i && (j = draw_node(count, &seed, &draws)) == i) {
    }
    while (i && j && ((k = draw_node(count, &seed, &draws)) == i || k == j)) {
    }
    if (!i || !j || !k) break;
    found = plane_of(coords, layout, i, j, k, e);
  }
  if (!found && !scan_for_plane(count, coords, layout, e)) {
    for (int c = 0; c < 4; c++) abcd[c] = 0.0f;
    return 0;
  }
  float big = 0.0f;
  for (float c : e) big = std::fmax(big, std::fabs(c));
  if (big != 0.0f)
    for (float &c : e) c /= big;
  memcpy(abcd, e, sizeof e);
  return evaluate_part_for_planar(count, coords, layout, abcd);
}

int evaluate_part_for_planar(int count, float **coords, int layout, const float abcd[4]) {
  if (!coords) return 0;
  for (int k = 1; k <= count; k++) {
    float p[3];
    node_point(coords, layout, k, p);
    if (std::fabs(abcd[0] * p[0] + abcd[1] * p[1] + abcd[2] * p[2] + abcd[3]) > PLANAR_TOLERANCE)
      return 0;
  }
  return 1;
}

int set_up_planar_viewport(int count, float **coords, int layout, float abcd[4], float m[16],
                           int orient) {
  if (count < 3) return -1;
  float e[4];
  if (is_part_planar(count, coords, layout, e) != 1) return -1;
  const float *stored = Viewports[Viewport_current].plane;
  if (orient == 1 && e[0] * stored[0] + e[1] * stored[1] + e[2] * stored[2] < 0.0f)
    for (float &c : e) c = -c;
  float point[3];
  find_center_point_planar_part(count, coords, layout, point, e);
  planar_viewport_rotation_matrix(point, e[0], e[1], e[2], m);
  memcpy(Viewports[Viewport_current].plane, e, sizeof e);
  memcpy(abcd, e, sizeof e);
  return 1;
}

void change_viewport_to_2d(int v) {
  if (v <= 0 || v >= MAX_VIEWPORTS) return;
  const int saved = Viewport_current;
  Viewport_current = v;
  Viewport_rec &vp = Viewports[v];
  float m[16];
  bool found = plane_from_parts([v](const Part_rec *p) { return (part_mask(p) >> v) & 1; }, m) ||
               plane_from_parts([](const Part_rec *) { return true; }, m);
  for (int i = 0; i < Num_p_loaded; i++) {
    Part_rec *p = parts[i];
    if (!part_usable(p)) continue;
    set_part_bit(p, v, found && evaluate_part_for_planar(p->node_count, p->coords, 0, vp.plane) == 1);
  }
  if (found)
    memcpy(vp.matrix_2d, m, sizeof m);
  else
    int4x4(vp.matrix_2d);
  vp.attributes[VP_VIEW_DIMENSION] = 0.0f;
  vp.two_d = 1;
  vp.two_d_check_pending = 0;
  vp.attributes[VP_PERSPECTIVE] = 0.0f;
  if (found) initialize_one_viewport();
  Viewport_current = saved;
}

int viewport_is_2d(int v) {
  return v > 0 && v < MAX_VIEWPORTS && Viewports[v].in_use && Viewports[v].two_d ? 1 : 0;
}

void check_part_against_2d_viewports(int n, int count, float **coords, int layout, int all,
                                     int viewport) {
  Part_rec *p = part_by_number(n);
  if (!part_usable(p)) return;
  const int saved = Viewport_current;
  bool refit = false;
  for (int v = all ? 0 : viewport; v < (all ? MAX_VIEWPORTS : viewport + 1); v++) {
    if (!viewport_is_2d(v)) continue;
    Viewport_rec &vp = Viewports[v];
    if (vp.attributes[VP_VISIBLE] == 0.0f) {
      vp.two_d_check_pending = 1;
      continue;
    }
    Viewport_current = v;
    if (!((part_mask(p) >> v) & 1)) continue;
    if (evaluate_part_for_planar(count, coords, layout, vp.plane) == 1) continue;
    float e[4];
    const int planar = is_part_planar(count, coords, layout, e);
    const float *s = vp.plane;
    bool same = true, opposite = true;
    for (int c = 0; c < 3; c++) {
      same = same && std::fabs(e[c] - s[c]) <= PLANAR_TOLERANCE;
      opposite = opposite && std::fabs(e[c] + s[c]) <= PLANAR_TOLERANCE;
    }
    // A part that lies in a parallel plane carries the viewport with it; a
    // part that is not planar at all never moves the plane.
    if (planar == 1 && (same || opposite)) {
      if (e[0] * s[0] + e[1] * s[1] + e[2] * s[2] < 0.0f)
        for (float &c : e) c = -c;
      float point[3], m[16];
      find_center_point_planar_part(count, coords, layout, point, e);
      if (planar_viewport_rotation_matrix(point, e[0], e[1], e[2], m) == 1) {
        memcpy(vp.plane, e, sizeof e);
        memcpy(vp.matrix_2d, m, sizeof m);
      }
      continue;
    }
    int shown = 0;
    for (int i = 0; i < Num_p_loaded; i++)
      if (parts[i] && parts[i]->attributes && ((part_mask(parts[i]) >> v) & 1) &&
          our_rint(parts[i]->attributes[SLOT_VISIBLE]) != 0)
        shown++;
    if (shown == 1 && planar == 1) {
      update_viewport_to_2d(Part_cross[n], count, coords, layout);
      refit = true;
    } else {
      set_part_bit(p, v, false);
    }
  }
  Viewport_current = saved;
  if (refit) fix_up_viewport(1);
}

void recheck_all_parts_against_2d_viewport(int v) {
  if (v < 0 || v >= MAX_VIEWPORTS) return;
  for (int i = 0; i < Num_p_loaded; i++) {
    Part_rec *p = parts[i];
    if (!part_usable(p) || !((part_mask(p) >> v) & 1)) continue;
    check_part_against_2d_viewports(p->number, p->node_count, p->coords, 0, 0, v);
  }
}

void update_viewport_to_2d(int i, int count, float **coords, int layout) {
  const int v = Viewport_current;
  if (v <= 0 || v >= MAX_VIEWPORTS) return;
  Viewport_rec &vp = Viewports[v];
  float e[4], m[16];
  if (set_up_planar_viewport(count, coords, layout, e, m, 1) != 1) return;
  memcpy(vp.matrix_2d, m, sizeof m);

  float at[3], from[3], view[16], D;
  view_param(at, from, view, &D, 0);
  switch_views_init_viewport();
  const int all[3] = {1, 1, 1};
  init_transforms(all);

  float box[6];
  if (layout == 0) {
    find_min_max_for_part_in_viewport(v, i, count, coords, nullptr, 0, box);
  } else {
    const float *const xyz[3] = {coords[0], coords[1], coords[2]};
    find_min_max_for_part_in_viewport(v, i, count, nullptr, xyz, 1, box);
  }
  for (int c = 0; c < 3; c++) at[c] = box[2 * c] + (box[2 * c + 1] - box[2 * c]) * 0.5f;
  from[0] = at[0], from[1] = at[1], from[2] = at[2] + D;
  float identity[16];
  int4x4(identity);
  vewvew(at, from, &D, identity, view);
  view_param(at, from, view, &D, 1);
  original_view(at, from, 1);

  float depth = box[5] - box[4];
  float back = D + 10.0f * depth;
  if (std::fabs(depth) < 0.00001f) back += D;
  float front = depth < 0.001f ? 0.001f : depth;
  zclipp_locat(&front, &back, 1);
  fix_up_viewport(1);
}

void find_center_point_planar_part(int count, float **coords, int layout, float point[3],
                                   const float abcd[4]) {
  float low[3] = {FLT_MAX, FLT_MAX, FLT_MAX};
  for (int k = 1; k <= count; k++)
    for (int c = 0; c < 3; c++) low[c] = std::fmin(low[c], node_at(coords, layout, k, c));
  float n[3] = {abcd[0], abcd[1], abcd[2]};
  normlz(n);
  const float far[3] = {low[0] + 100.0f * n[0], low[1] + 100.0f * n[1], low[2] + 100.0f * n[2]};
  line_plane_intercept(low, far, abcd, point);
}

void line_plane_intercept(const float p1[3], const float p2[3], const float abcd[4], float q[3]) {
  float u[3] = {p1[0] - p2[0], p1[1] - p2[1], p1[2] - p2[2]};
  normlz(u);
  const float den = abcd[0] * u[0] + abcd[1] * u[1] + abcd[2] * u[2];
  const float t = den == 0.0f ? 0.0f
                              : -(abcd[0] * p2[0] + abcd[1] * p2[1] + abcd[2] * p2[2] + abcd[3]) / den;
  for (int c = 0; c < 3; c++) q[c] = p2[c] + t * u[c];
}

void project_points_to_a_plane(const float p[3][3], const float n[3], float q[3][3],
                               const float abcd[4]) {
  float u[3] = {n[0], n[1], n[2]};
  normlz(u);
  for (int i = 0; i < 3; i++) {
    const float far[3] = {p[i][0] + 100.0f * u[0], p[i][1] + 100.0f * u[1], p[i][2] + 100.0f * u[2]};
    line_plane_intercept(p[i], far, abcd, q[i]);
  }
}

void find_points_on_planar_part(float **coords, int layout, int i, int j, int k, float p[3][3]) {
  node_point(coords, layout, i, p[0]);
  node_point(coords, layout, j, p[1]);
  node_point(coords, layout, k, p[2]);
}

void rotate_pnt_about_line(const float point[3], const float axis[3], float v[3], float angle) {
  (void)point;
  float u[3] = {axis[0], axis[1], axis[2]}, w[3] = {v[0], v[1], v[2]}, s[3];
  normlz(u);
  normlz(w);
  cross_p(u, w, s);
  normlz(s);
  const float theta = (float)(angle * 0.017453292);
  for (int c = 0; c < 3; c++) v[c] = std::cos(theta) * w[c] + std::sin(theta) * s[c];
  normlz(v);
}
