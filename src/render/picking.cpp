// Software picking (see picking.h).  Every element of every visible part
// instance of the current viewport is projected with the matrices in force;
// hits are accepted in scan order (plane tool, parts in active-list order,
// the part itself then its mirror copies, elements, then nodes), so a hit
// replaces an earlier one only when it is strictly nearer to the eye.
#include "render/picking.h"

#include <GL/gl.h>

#include <cmath>
#include <vector>

#include "client/alloc_gate.h"
#include "client/screen.h"
#include "interact/support.h"
#include "interact/tool_records.h"
#include "parts/attribute.h"
#include "parts/elem_coord.h"
#include "parts/read.h"
#include "render/active.h"
#include "render/display.h"
#include "render/fringe.h"
#include "render/part_pass.h"
#include "variables/variables.h"
#include "view/frames.h"
#include "view/viewports.h"

namespace {

const float Tol2 = (float)(PICK_TOLERANCE * PICK_TOLERANCE);

// Triangles of the faces of 3, 4, 6 and 8 nodes, as positions within the
// face's node order; other node counts are fanned from the first node.
struct Face_split_rec {
  int nodes, count;
  int tri[6][3];
};
const Face_split_rec Face_split_tbl[] = {
    {3, 1, {{0, 1, 2}}},
    {4, 2, {{0, 1, 2}, {0, 2, 3}}},
    {6, 4, {{0, 1, 5}, {1, 2, 3}, {1, 3, 5}, {3, 4, 5}}},
    {8, 6, {{0, 1, 7}, {1, 2, 3}, {3, 4, 5}, {5, 6, 7}, {1, 5, 7}, {1, 3, 5}}},
};

// One projected vertex: screen position, eye-space depth, inside the view.
struct Projected {
  float sx, sy, ez;
  bool inside;
};

// The matrices and the viewport rectangle of one call.
struct View {
  float model[16], proj[16];
  float x0, y0, w, h;
  Projected project(const float p[3]) const {
    float e[4];
    for (int r = 0; r < 4; r++)
      e[r] = model[r] * p[0] + model[4 + r] * p[1] + model[8 + r] * p[2] + model[12 + r];
    float c[4];
    for (int r = 0; r < 4; r++)
      c[r] = proj[r] * e[0] + proj[4 + r] * e[1] + proj[8 + r] * e[2] + proj[12 + r] * e[3];
    Projected out{0, 0, e[2], false};
    if (c[3] == 0.0f) return out;
    const float nx = c[0] / c[3], ny = c[1] / c[3], nz = c[2] / c[3];
    out.sx = x0 + (nx + 1.0f) * 0.5f * w;
    out.sy = y0 + (ny + 1.0f) * 0.5f * h;
    out.inside = c[3] > 0.0f && nx > -1 && nx < 1 && ny > -1 && ny < 1 && nz > -1 && nz < 1;
    return out;
  }
};

// The outputs of a call and the best depth of each position.
struct Pick {
  int count;
  float *x, *y, *z;
  const int *sx, *sy;
  int *found;
  float *best;
  int details, no_snap;
  int *node, *element, *part;
  int *triple;
  float *weights;
  bool nearer(int k, float depth) const { return !found[k] || depth > best[k]; }
  void accept(int k, float depth, const float p[3]) {
    found[k] = 1;
    best[k] = depth;
    x[k] = p[0];
    y[k] = p[1];
    z[k] = p[2];
  }
};

float dist2(const float *a, const float *b) {
  float d = 0;
  for (int c = 0; c < 3; c++) d += (a[c] - b[c]) * (a[c] - b[c]);
  return d;
}

// A face (n >= 3) of positions pos (3 floats each) against every position;
// for each hit the callback gets the position, the triangle and weights.
template <class Hit>
void test_face(Pick &pk, const View &v, const float *pos, int n, Hit hit) {
  std::vector<Projected> pr((size_t)n);
  std::vector<float> vx((size_t)n), vy((size_t)n), ez((size_t)n);
  bool any_inside = false;
  for (int j = 0; j < n; j++) {
    pr[j] = v.project(pos + 3 * j);
    vx[j] = pr[j].sx;
    vy[j] = pr[j].sy;
    ez[j] = pr[j].ez;
    any_inside = any_inside || pr[j].inside;
  }
  if (!any_inside) return;
  for (int k = 0; k < pk.count; k++) {
    const float qx = (float)pk.sx[k], qy = (float)pk.sy[k];
    if (!point_in_convex_polygon(qx, qy, vx.data(), vy.data(), n)) continue;
    if (pk.found[k] && !any_vertex_nearer(pk.best[k], ez.data(), n)) continue;
    int tri[3];
    float w[3];
    if (pick_face_triangle(qx, qy, vx.data(), vy.data(), n, tri, w) != 1) continue;
    const float depth = w[0] * ez[tri[0]] + w[1] * ez[tri[1]] + w[2] * ez[tri[2]];
    if (!pk.nearer(k, depth)) continue;
    float p[3];
    for (int c = 0; c < 3; c++)
      p[c] = w[0] * pos[3 * tri[0] + c] + w[1] * pos[3 * tri[1] + c] + w[2] * pos[3 * tri[2] + c];
    pk.accept(k, depth, p);
    hit(p, tri, w);
  }
}

// Where node `node` of the part is drawn: its coordinates displaced by the
// displacement variable as the renderers do.
void node_position(const Part_rec *p, int i, int node, float out[3]) {
  for (int c = 0; c < 3; c++) out[c] = p->coords[node][c];
  const float *a = p->attributes;
  int v = our_rint(a[SLOT_DISPLACE_BY]);
  if (v < 0 || v >= Var_array_size || !p->vectors || !p->vectors[v]) return;
  if (node >= part_array_capacity(i, PA_VECTORS, v) || p->vectors[v][node][0] == Undefined) return;
  const float D = a[SLOT_DISPLACE_FACTOR] * fringe_load_factor();
  for (int c = 0; c < 3; c++) out[c] += D * p->vectors[v][node][c];
}

// The elements and nodes of one instance of part i under v's model-view.
void pick_instance(Pick &pk, const View &v, int i) {
  const Part_rec *p = parts[i];
  std::vector<float> pos;
  for (int e = 0; e < p->element_count; e++) {
    const int *conn = p->connectivity + p->elem_offsets[e];
    const int n = p->elem_offsets[e + 1] - p->elem_offsets[e];
    if (n < 2) continue;
    pos.resize(3 * (size_t)n);
    get_elem_coord(i, e, pos.data());
    if (n >= 3) {
      test_face(pk, v, pos.data(), n, [&](const float *pt, const int tri[3], const float w[3]) {
        *pk.part = i;
        if (!pk.details) return;
        *pk.element = e;
        for (int c = 0; c < 3; c++) {
          pk.triple[c] = conn[tri[c]];
          pk.weights[c] = w[c];
        }
        if (pk.no_snap) return;
        int nearest = 0;
        for (int j = 1; j < n; j++)
          if (dist2(pos.data() + 3 * j, pt) < dist2(pos.data() + 3 * nearest, pt)) nearest = j;
        *pk.node = conn[nearest];
        pk.triple[0] = conn[nearest];
        pk.weights[0] = 1.0f;
      });
      continue;
    }
    const Projected A = v.project(pos.data()), B = v.project(pos.data() + 3);
    if (!A.inside && !B.inside) continue;
    for (int k = 0; k < pk.count; k++) {
      float wa, wb;
      if (!pick_segment((float)pk.sx[k], (float)pk.sy[k], A.sx, A.sy, B.sx, B.sy, &wa, &wb))
        continue;
      const float depth = wa * A.ez + wb * B.ez;
      if (!pk.nearer(k, depth)) continue;
      float pt[3];
      for (int c = 0; c < 3; c++) pt[c] = wa * pos[c] + wb * pos[3 + c];
      pk.accept(k, depth, pt);
      *pk.part = i;
      if (!pk.details) continue;
      *pk.element = e;
      pk.triple[0] = conn[0];
      pk.triple[1] = conn[1];
      pk.triple[2] = 0;
      pk.weights[0] = wa;
      pk.weights[1] = wb;
      pk.weights[2] = 0;
      if (pk.no_snap) continue;
      const int nearer_node = dist2(pos.data(), pt) < dist2(pos.data() + 3, pt) ? conn[0] : conn[1];
      *pk.node = nearer_node;
      pk.triple[0] = nearer_node;
      pk.weights[0] = 1.0f;
    }
  }
  if (p->attributes[SLOT_VIS_NODE] != 1.0f || !p->coords) return;
  for (int nd = 1; nd <= p->node_count; nd++) {
    float pt[3];
    node_position(p, i, nd, pt);
    const Projected q = v.project(pt);
    if (!q.inside) continue;
    for (int k = 0; k < pk.count; k++) {
      const float dx = q.sx - (float)pk.sx[k], dy = q.sy - (float)pk.sy[k];
      if (dx * dx + dy * dy > Tol2 || !pk.nearer(k, q.ez)) continue;
      pk.accept(k, q.ez, pt);
      *pk.part = i;
      if (!pk.details) continue;
      *pk.node = nd;
      *pk.element = 0;
      pk.triple[0] = nd;
      pk.triple[1] = pk.triple[2] = 0;
      pk.weights[0] = 1;
      pk.weights[1] = pk.weights[2] = 0;
    }
  }
}

bool part_pickable(int i) {
  return i >= 0 && i < Num_p_loaded && parts[i] && parts[i]->attributes &&
         parts[i]->elem_offsets && parts[i]->connectivity && parts[i]->coords;
}

}  // namespace

int any_vertex_nearer(float depth, const float *eye_z, int n) {
  for (int j = 0; j < n; j++)
    if (eye_z[j] > depth) return 1;
  return 0;
}

int point_in_convex_polygon(float qx, float qy, const float *vx, const float *vy, int n) {
  float r = 0;
  int edges = 0;
  for (int k = 0; k < n; k++) {
    const int k1 = (k + 1) % n;
    if (vx[k] == vx[k1] && vy[k] == vy[k1]) continue;
    const float c = (qx - vx[k]) * (vy[k1] - vy[k]) - (vx[k1] - vx[k]) * (qy - vy[k]);
    edges++;
    if (r == 0.0f) {
      r = c;
      continue;
    }
    if ((r > 0 && c < 0) || (r < 0 && c > 0)) return 0;
  }
  return edges >= 3 ? 1 : 0;
}

int pick_face_triangle(float qx, float qy, const float *vx, const float *vy, int n, int tri[3],
                       float w[3]) {
  if (n < 3) return -1;
  const Face_split_rec *split = nullptr;
  for (const Face_split_rec &s : Face_split_tbl)
    if (s.nodes == n) split = &s;
  const int triangles = split ? split->count : n - 2;
  bool taken = false;
  for (int t = 0; t < triangles && !taken; t++) {
    for (int c = 0; c < 3; c++) tri[c] = split ? split->tri[t][c] : (c == 0 ? 0 : t + c);
    if (n == 3) {
      taken = true;
      break;
    }
    const float tx[3] = {vx[tri[0]], vx[tri[1]], vx[tri[2]]};
    const float ty[3] = {vy[tri[0]], vy[tri[1]], vy[tri[2]]};
    taken = point_in_convex_polygon(qx, qy, tx, ty, 3) == 1;
  }
  if (!taken) return -1;
  // Barycentric weights from the signed areas of the sub-triangles; they do
  // not depend on the screen frame they are computed in.
  const float ax = vx[tri[0]], ay = vy[tri[0]], bx = vx[tri[1]], by = vy[tri[1]];
  const float cx = vx[tri[2]], cy = vy[tri[2]];
  const double area = (double)(bx - ax) * (cy - ay) - (double)(cx - ax) * (by - ay);
  if (area == 0.0) {
    w[0] = 1;
    w[1] = w[2] = 0;
    return 1;
  }
  const double w1 = ((double)(qx - ax) * (cy - ay) - (double)(cx - ax) * (qy - ay)) / area;
  const double w2 = ((double)(bx - ax) * (qy - ay) - (double)(qx - ax) * (by - ay)) / area;
  w[1] = (float)w1;
  w[2] = (float)w2;
  w[0] = (float)(1.0 - w1 - w2);
  return 1;
}

int pick_segment(float qx, float qy, float ax, float ay, float bx, float by, float *a, float *b) {
  const float t = (float)PICK_TOLERANCE;
  if (!(qx > std::fmin(ax, bx) - t && qx < std::fmax(ax, bx) + t)) return 0;
  if (!(qy > std::fmin(ay, by) - t && qy < std::fmax(ay, by) + t)) return 0;
  const double ux = bx - ax, uy = by - ay, qax = qx - ax, qay = qy - ay;
  const double L2 = ux * ux + uy * uy;
  if (L2 == 0.0) {
    // Both ends on one pixel: the segment is a point.
    if (qax * qax + qay * qay > Tol2) return 0;
    *a = 1;
    *b = 0;
    return 1;
  }
  const double cross = qax * uy - qay * ux;
  const double e2 = cross * cross / L2;
  if (e2 > Tol2) return 0;
  const double qbx = qx - bx, qby = qy - by;
  const double dA = std::sqrt(e2 + qax * qax + qay * qay);
  const double dB = std::sqrt(e2 + qbx * qbx + qby * qby);
  const double L = std::sqrt(L2);
  if (L < dA) {
    *a = 0;
    *b = 1;
  } else if (L < dB) {
    *a = 1;
    *b = 0;
  } else {
    *a = (float)(1.0 - dA / L);
    *b = 1.0f - *a;
  }
  return 1;
}

void return_pick_point(int count, float *x, float *y, float *z, const int *sx, const int *sy,
                       int *found, int details, int no_snap, int *node, int *element, int *part,
                       int triple[3], float weights[3]) {
  if (count <= 0 || !x || !y || !z || !sx || !sy || !found) return;
  for (int k = 0; k < count; k++) found[k] = 0;
  View v;
  int gx0, gx1, gy0, gy1;
  grasal(&gx0, &gx1, &gy0, &gy1, 0, 0);
  const float W = (float)(gx1 - gx0 + 1), H = (float)(gy1 - gy0 + 1);
  const int vp = pass_viewport();
  const float *va = Viewports[vp].attributes;
  v.x0 = (float)(int)(va[VP_ORIGIN_X] * W);
  v.y0 = (float)(int)(va[VP_ORIGIN_Y] * H);
  v.w = (float)(int)(va[VP_WIDTH] * W);
  v.h = (float)(int)(va[VP_HEIGHT] * H);
  glGetFloatv(GL_PROJECTION_MATRIX, v.proj);
  float *best = static_cast<float *>(gate_calloc((size_t)count, sizeof(float)));
  if (!best) {
    report_alloc_failure(__LINE__, "picking", "return_pick_point");
    return;
  }
  int scratch_node = 0, scratch_element = 0, scratch_part = 0, scratch_triple[3];
  float scratch_weights[3];
  Pick pk{count, x, y, z, sx, sy, found, best, details, no_snap,
          node ? node : &scratch_node, element ? element : &scratch_element,
          part ? part : &scratch_part, triple ? triple : scratch_triple,
          weights ? weights : scratch_weights};
  GLint mode = GL_MODELVIEW;
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  glMatrixMode(GL_MODELVIEW);

  // The plane tool, filled and wanted: one four-node face in the selected
  // frame (frame 0 when none or several are selected).
  if (Planon && Plane_solid && !details) {
    float corners[12];
    plane_position(corners, corners + 3, corners + 6, corners + 9, 0);
    int number = 0;
    const Frame_rec *f = get_current_frame_selected(&number) == 1 ? frame_record(number) : nullptr;
    if (!f) f = frame_record(0);
    glPushMatrix();
    if (f) glMultMatrixf(f->combined[0]);
    glGetFloatv(GL_MODELVIEW_MATRIX, v.model);
    glPopMatrix();
    test_face(pk, v, corners, 4, [](const float *, const int *, const float *) {});
  }

  for (int a = 0; a < Num_active_objects; a++) {
    const int i = Active_objects[a];
    if (!part_pickable(i)) continue;
    const float *at = parts[i]->attributes;
    if (!((our_rint(at[SLOT_VIEWPORT_VIS]) >> vp) & 1)) continue;
    const Frame_rec *frame = part_frame(i);
    if (!frame) continue;
    glPushMatrix();
    glMultMatrixf(frame->combined[vp]);
    for (int inst = 14; inst <= SLOT_MIRROR_XYZ; inst++) {
      if (inst == 14 ? our_rint(at[SLOT_MIRROR_ORIGINAL]) == 0 : at[inst] == 0.0f) continue;
      glPushMatrix();
      multiply_instance(frame, inst == 14 ? 0 : inst);
      glGetFloatv(GL_MODELVIEW_MATRIX, v.model);
      pick_instance(pk, v, i);
      glPopMatrix();
    }
    glPopMatrix();
  }
  glMatrixMode((GLenum)mode);
  gate_free(best);
}
