// Tools in frame coordinates (see tool_feedback.h).  The tools are stored in
// global coordinates; a frame's two rigid matrices carry points between its
// rectangular axes and the global ones, and the frame's type decides how its
// rectangular coordinates are written (x y z; r theta z; rho polar azimuth).
#include "interact/tool_feedback.h"

#include <cmath>
#include <limits>

#include "client/matrix.h"
#include "interact/tool_records.h"
#include "interact/vector3.h"
#include "parts/read.h"
#include "render/display.h"
#include "view/frames.h"
#include "view/viewer_state.h"
#include "view/viewports.h"

namespace {

const double Pi = 3.141592654;
const double Two_pi = 6.283185307;
const float Half_pi = 1.5707964f;
const float Tiny = 1e-6f;
const float Degree = 0.017453292f;  // radians per degree

// The frame's record and type; a number without a frame gives frame 0,
// rectangular.
const Frame_rec *resolve(int frame, int *type) {
  if (frame > 0 && frame < MAX_FRAMES && Ctm_part[frame]) {
    const int t = our_rint(Ctm_part[frame]->attributes[1]);
    *type = t == 1 || t == 2 ? t : 0;
    return Ctm_part[frame];
  }
  *type = 0;
  return frame_record(0);
}

// The angle of (x, y) in [0, 2 pi) from the base angle of |y / x|.
float quadrant_angle(float x, float y) {
  float a;
  if (std::fabs(x) > Tiny)
    a = std::atan(std::fabs(y / x));
  else if (std::fabs(y) > Tiny)
    a = Half_pi;
  else
    a = 0.0f;
  if (x >= 0 && y >= 0) return a;
  if (x < 0 && y >= 0) return (float)(Pi - a);
  if (x < 0) return (float)(Pi + a);
  return (float)(Two_pi - a);
}

// Frame coordinates of type into the frame's rectangular axes; the
// azimuth of a spherical point is in degrees when azimuth_degrees is set,
// else in radians (all other angles in degrees).
void to_rectangular(int type, const float in[3], float out[3], bool azimuth_degrees = true) {
  float q[3] = {in[0], in[1], in[2]};
  if (type == 1) {
    q[1] *= Degree;
    cylindrical_to_rectangular(q, out);
  } else if (type == 2) {
    q[1] *= Degree;
    if (azimuth_degrees) q[2] *= Degree;
    spherical_to_rectangular(q, out);
  } else {
    for (int i = 0; i < 3; i++) out[i] = q[i];
  }
}

// The reverse of to_rectangular.
void from_rectangular(int type, const float in[3], float out[3], bool azimuth_degrees = true) {
  float q[3] = {in[0], in[1], in[2]};
  if (type == 1) {
    rectangular_to_cylindrical(in, q);
    q[1] = to_degrees(q[1]);
  } else if (type == 2) {
    rectangular_to_spherical(in, q);
    q[1] = to_degrees(q[1]);
    if (azimuth_degrees) q[2] = to_degrees(q[2]);
  }
  for (int i = 0; i < 3; i++) out[i] = q[i];
}

void copy3(const float *from, float *to) {
  for (int i = 0; i < 3; i++) to[i] = from[i];
}

// p transformed by the rows-as-vectors matrix m, in place.
void map(const Matrix_4x4_rec &m, float p[3]) { premlt(m, p); }

double machine_eps_double() {
  return Machine_Eps_Double > 0 ? Machine_Eps_Double : std::numeric_limits<double>::epsilon();
}

// Translation matrix by (x, y, z) in row-vector form.
void translation(float m[16], float x, float y, float z) {
  int4x4(m);
  m[12] = x;
  m[13] = y;
  m[14] = z;
}

// The rotation that turns unit normal n1 onto unit normal n2 (row vectors).
void rotation_between_normals(const float n1[3], const float n2[3], float m[16]) {
  int4x4(m);
  float k[3];
  cross_p(n1, n2, k);
  normlz(k);
  double dot = (double)n1[0] * n2[0] + (double)n1[1] * n2[1] + (double)n1[2] * n2[2];
  dot = dot > 1 ? 1 : dot < -1 ? -1 : dot;
  const double angle = std::acos(dot);
  if (angle == 0.0) return;
  const double c = std::cos(angle), s = std::sin(angle), t = 1 - c;
  const double skew[3][3] = {{0, -k[2], k[1]}, {k[2], 0, -k[0]}, {-k[1], k[0], 0}};
  // Element (row i, column j) of the row-vector matrix is the column-vector
  // rotation's (j, i).
  for (int i = 0; i < 3; i++)
    for (int j = 0; j < 3; j++)
      m[4 * i + j] = (float)((i == j ? c : 0.0) + s * skew[j][i] + t * k[j] * k[i]);
}

// Unit normal and signed distance of a plane equation.
void unit_plane(const float e[4], float n[3], float *f) {
  n[0] = e[0], n[1] = e[1], n[2] = e[2];
  const float len = normlz(n);
  *f = len > 0 ? -e[3] / len : 0.0f;
}

}  // namespace

// ---- conversions -------------------------------------------------------------------

void rectangular_to_cylindrical(const float p[3], float q[3]) {
  const float x = p[0], y = std::fabs(p[1]) < Tiny ? 0.0f : p[1], z = p[2];
  q[0] = std::sqrt(x * x + y * y);
  q[1] = quadrant_angle(x, y);
  q[2] = z;
}

void cylindrical_to_rectangular(const float p[3], float q[3]) {
  const float r = p[0], t = p[1], z = p[2];
  q[0] = r * std::cos(t);
  q[1] = r * std::sin(t);
  q[2] = z;
}

void rectangular_to_spherical(const float p[3], float q[3]) {
  const float x = p[0], y = p[1], z = p[2];
  const float s = std::sqrt(x * x + y * y);
  float b;
  if (std::fabs(z) > Tiny)
    b = std::atan(std::fabs(s / z));
  else if (s > Tiny)
    b = Half_pi;
  else
    b = 0.0f;
  const float theta = z >= 0 ? b : (float)(Pi - b);
  q[0] = s > 0 ? s / std::sin(theta) : std::fabs(z);
  q[1] = theta;
  q[2] = quadrant_angle(x, y);
}

void spherical_to_rectangular(const float p[3], float q[3]) {
  const float rho = p[0], theta = p[1], phi = p[2];
  q[0] = rho * std::sin(theta) * std::cos(phi);
  q[1] = rho * std::sin(theta) * std::sin(phi);
  q[2] = rho * std::cos(theta);
}

// ---- frames ------------------------------------------------------------------------

int get_frame_type(int frame) {
  if (frame == 0) return 0;
  if (frame < 0 || frame >= MAX_FRAMES || !Ctm_part[frame]) return -1;
  int type;
  resolve(frame, &type);
  return type;
}

// The frame's record and type for a point conversion, and the unit
// direction to convert with it ((1, 0, 0) when none is given).
static const Frame_rec *conversion(int frame, const float *direction, int *type, float d[3]) {
  d[0] = 1, d[1] = 0, d[2] = 0;
  if (direction) copy3(direction, d);
  normlz(d);
  return resolve(frame, type);
}

int local_to_global_coord(int frame, float point[3], float direction[3]) {
  int type;
  float d[3];
  const Frame_rec *rec = conversion(frame, direction, &type, d);
  float tip[3], p[3], q[3];
  for (int i = 0; i < 3; i++) tip[i] = point[i] + d[i];
  to_rectangular(type, point, p);
  to_rectangular(type, tip, q);
  map(rec->to_global, p);
  map(rec->to_global, q);
  copy3(p, point);
  if (direction) {
    for (int i = 0; i < 3; i++) direction[i] = q[i] - p[i];
    normlz(direction);
  }
  return 0;
}

int global_to_local_coord(int frame, float point[3], float direction[3]) {
  int type;
  float d[3];
  const Frame_rec *rec = conversion(frame, direction, &type, d);
  float p[3], tip[3];
  copy3(point, p);
  for (int i = 0; i < 3; i++) tip[i] = point[i] + d[i];
  map(rec->to_frame, p);
  map(rec->to_frame, tip);
  if (direction) {
    for (int i = 0; i < 3; i++) direction[i] = tip[i] - p[i];
    normlz(direction);
  }
  from_rectangular(type, p, point);
  return 0;
}

// The difference of the images of (dx, dy, dz) and of the zero point under
// one of the two point conversions.
static void delta(int (*convert)(int, float *, float *), int frame, float *dx, float *dy,
                  float *dz) {
  float p[3] = {*dx, *dy, *dz}, zero[3] = {0, 0, 0}, d[3] = {1, 0, 0}, d0[3] = {1, 0, 0};
  convert(frame, p, d);
  convert(frame, zero, d0);
  *dx = p[0] - zero[0];
  *dy = p[1] - zero[1];
  *dz = p[2] - zero[2];
}

void local_delta_to_global_delta(int frame, float *dx, float *dy, float *dz) {
  delta(local_to_global_coord, frame, dx, dy, dz);
}

void global_delta_to_local_delta(int frame, float *dx, float *dy, float *dz) {
  delta(global_to_local_coord, frame, dx, dy, dz);
}

// ---- planes ------------------------------------------------------------------------

int points_to_coefficients(const float p[9], float abcd[4]) {
  const float x0 = p[0], y0 = p[1], z0 = p[2], x1 = p[3], y1 = p[4], z1 = p[5], x2 = p[6],
              y2 = p[7], z2 = p[8];
  double e[4];
  e[0] = y0 * (z1 - z2) + y1 * (z2 - z0) + y2 * (z0 - z1);
  e[1] = z0 * (x1 - x2) + z1 * (x2 - x0) + z2 * (x0 - x1);
  e[2] = x0 * (y1 - y2) + x1 * (y2 - y0) + x2 * (y0 - y1);
  e[3] = -x0 * (y1 * z2 - y2 * z1) - x1 * (y2 * z0 - y0 * z2) - x2 * (y0 * z1 - y1 * z0);
  const double eps = machine_eps_double();
  for (double &v : e)
    if (std::fabs(v) < eps) v = 0.0;
  const double a = std::fabs(e[0]), b = std::fabs(e[1]), c = std::fabs(e[2]);
  int k;
  if (a == 0) {
    if (b == 0 && c == 0)
      k = -1;
    else if (b == 0)
      k = 2;
    else
      k = c != 0 && b < c ? 2 : 1;
  } else if (b == 0 || a >= b) {
    k = 0;
  } else {
    k = c != 0 && b < c ? 2 : 1;
  }
  for (int i = 0; i < 4; i++) abcd[i] = k < 0 ? 0.0f : (float)(e[i] / std::fabs(e[k]));
  return k;
}

void plane_to_plane_matrix(float m[16], const float e1[4], const float e2[4]) {
  float n1[3], n2[3], f1, f2;
  unit_plane(e1, n1, &f1);
  unit_plane(e2, n2, &f2);
  float t1[16], r[16], t2[16], t1r[16];
  translation(t1, -n1[0] * f1, -n1[1] * f1, -n1[2] * f1);
  rotation_between_normals(n1, n2, r);
  translation(t2, n2[0] * f2, n2[1] * f2, n2[2] * f2);
  mul4x4(t1, r, t1r);
  mul4x4(t1r, t2, m);
}

void square_plane_corner(float p[9]) {
  float d1[3], d2[3];
  for (int i = 0; i < 3; i++) {
    d1[i] = p[i] - p[3 + i];
    d2[i] = p[6 + i] - p[3 + i];
  }
  if (std::fabs(d1[0] * d2[0] + d1[1] * d2[1] + d1[2] * d2[2]) <= 1e-4f) return;
  float n[3], w[3];
  cross_p(d2, d1, n);
  cross_p(d1, n, w);
  normlz(w);
  const float along = w[0] * d2[0] + w[1] * d2[1] + w[2] * d2[2];
  for (int i = 0; i < 3; i++) p[6 + i] = p[3 + i] + w[i] * along;
}

// ---- cursor, line and plane ----------------------------------------------------------

int getfdbk(int frame, float cursor[3], float line[6], float plane[9], float coefficients[4]) {
  int type;
  const Frame_rec *rec = resolve(frame, &type);
  float size;
  cursor_position(&cursor[0], &cursor[1], &cursor[2], nullptr, &size, 0);
  float length;
  line_position(line, line + 3, &length, 0);
  float fourth[3];
  plane_position(plane, plane + 3, plane + 6, fourth, 0);
  float *points[6] = {cursor, line, line + 3, plane, plane + 3, plane + 6};
  for (float *p : points) map(rec->to_frame, p);
  points_to_coefficients(plane, coefficients);
  for (float *p : points) from_rectangular(type, p, p);
  return 1;
}

int tools_local_to_global_coord(int frame, float cursor[3], float line[6], float plane[9],
                                const float coefficients[4], int use_coefficients) {
  int type;
  const Frame_rec *rec = resolve(frame, &type);
  float *points[6] = {cursor, line, line + 3, plane, plane + 3, plane + 6};
  for (float *p : points) to_rectangular(type, p, p);
  if (use_coefficients) {
    float current[4], m[16];
    points_to_coefficients(plane, current);
    plane_to_plane_matrix(m, current, coefficients);
    for (int k = 0; k < 3; k++) premlt(m, plane + 3 * k);
  }
  for (float *p : points) map(rec->to_global, p);
  square_plane_corner(plane);
  return 1;
}

int setfdbk(int frame, const float cursor[3], const float line[6], const float plane[9],
            const float coefficients[4], int use_coefficients) {
  const int remembered = Viewport_current;
  Viewport_current = 0;
  float look_at[3], look_from[3], view[16], distance, angle;
  view_param(look_at, look_from, view, &distance, 0);
  perspective_angle(&angle, 0);
  float c[3], l[6], p[9];
  for (int i = 0; i < 3; i++) c[i] = cursor[i];
  for (int i = 0; i < 6; i++) l[i] = line[i];
  for (int i = 0; i < 9; i++) p[i] = plane[i];
  tools_local_to_global_coord(frame, c, l, p, coefficients, use_coefficients);
  cursor_position(&c[0], &c[1], &c[2], &angle, &distance, 1);
  float length = std::sqrt((l[3] - l[0]) * (l[3] - l[0]) + (l[4] - l[1]) * (l[4] - l[1]) +
                           (l[5] - l[2]) * (l[5] - l[2]));
  line_position(l, l + 3, &length, 1);
  setpln(p, p + 3, p + 6);
  Viewport_current = remembered;
  return 1;
}

// ---- quadric tools -------------------------------------------------------------------

namespace {

// A quadric tool in global coordinates: its two axis points, reference
// point, radius or angle and profile.
struct Curve_tool {
  float end1[3] = {0, 0, 0}, end2[3] = {0, 0, 0}, reference[3] = {0, 0, 0}, axis[3] = {0, 0, 0};
  float size = 0.0f, value = 0.0f;
};

float distance3(const float a[3], const float b[3]) {
  const float d[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
  return std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
}

}  // namespace

int getfdbk_curve_tool(int frame, float origin[3], float axis[3], float *radius_or_angle,
                       float radii[10], float distances[10], int *point_count, int kind) {
  Curve_tool t;
  switch (kind) {
    case 2:
      cylinder_position(t.end1, t.end2, t.reference, t.axis, &t.size, &t.value, nullptr, 0, 0, 0);
      copy3(t.end1, t.reference);  // the cylinder's origin is its first end
      break;
    case 3:
      sphere_position(t.end1, t.end2, t.reference, &t.size, nullptr, 0, 0, 0);
      break;
    case 4:
      cone_position(t.end1, t.end2, t.reference, t.axis, &t.size, &t.value, nullptr, 0, 0, 0);
      copy3(t.end1, t.reference);  // the apex
      break;
    case 5:
      revtool_position(t.end1, t.end2, t.reference, t.axis, point_count, radii, distances,
                       nullptr, 0, 0, 0);
      break;
    default:
      return 1;
  }
  int type;
  const Frame_rec *rec = resolve(frame, &type);
  map(rec->to_frame, t.end1);
  map(rec->to_frame, t.end2);
  map(rec->to_frame, t.reference);
  from_rectangular(type, t.reference, origin, false);
  for (int i = 0; i < 3; i++) axis[i] = t.end2[i] - t.end1[i];
  normlz(axis);
  if (kind != 5) *radius_or_angle = t.size;
  return 1;
}

int setfdbk_curve_tool(int frame, const float origin[3], const float axis[3],
                       float radius_or_angle, const float radii[10], const float distances[10],
                       int point_count, const float *, int use_point, int kind) {
  if (use_point) return 1;  // no tool holds a seam yet
  if (kind < 2 || kind > 5) return 1;
  Curve_tool cylinder, cone, revolution;
  cylinder_position(cylinder.end1, cylinder.end2, nullptr, nullptr, nullptr, nullptr, nullptr, 0,
                    0, 0);
  cone_position(cone.end1, cone.end2, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0);
  int stored_count;
  float stored_radii[REVTOOL_POINTS], stored_distances[REVTOOL_POINTS];
  revtool_position(revolution.end1, revolution.end2, nullptr, nullptr, &stored_count,
                   stored_radii, stored_distances, nullptr, 0, 0, 0);
  int type;
  const Frame_rec *rec = resolve(frame, &type);
  float p[3], a[3] = {axis[0], axis[1], axis[2]};
  to_rectangular(type, origin, p, false);
  normlz(a);
  // The two axis points at p + a * before and p + a * after, the point and
  // the axis direction, all carried into global coordinates.
  auto place = [&](float before, float after, float e1[3], float e2[3], float pg[3],
                   float ag[3]) {
    float tip[3];
    for (int i = 0; i < 3; i++) {
      e1[i] = p[i] + a[i] * before;
      e2[i] = p[i] + a[i] * after;
      pg[i] = p[i];
      tip[i] = p[i] + a[i];
    }
    map(rec->to_global, e1);
    map(rec->to_global, e2);
    map(rec->to_global, pg);
    map(rec->to_global, tip);
    for (int i = 0; i < 3; i++) ag[i] = tip[i] - pg[i];
    normlz(ag);
  };
  float e1[3], e2[3], pg[3], ag[3], size = radius_or_angle;
  if (kind == 2) {
    place(0.0f, distance3(cylinder.end1, cylinder.end2), e1, e2, pg, ag);
    float centre[3];
    for (int i = 0; i < 3; i++) centre[i] = 0.5f * (e1[i] + e2[i]);
    cylinder_position(e1, e2, centre, ag, &size, nullptr, nullptr, 0, 0, 1);
  } else if (kind == 4) {
    place(0.0f, distance3(cone.end1, cone.end2), e1, e2, pg, ag);
    cone_position(e1, e2, pg, ag, &size, nullptr, nullptr, 0, 0, 1);
  } else if (kind == 3) {
    place(-radius_or_angle, radius_or_angle, e1, e2, pg, ag);
    sphere_position(e1, e2, pg, &size, nullptr, 0, 0, 1);
  } else {
    const float half = 0.5f * distance3(revolution.end1, revolution.end2);
    place(-half, half, e1, e2, pg, ag);
    int count = point_count;
    revtool_position(e1, e2, pg, ag, &count, const_cast<float *>(radii),
                     const_cast<float *>(distances), nullptr, 0, 0, 1);
  }
  return 1;
}

// ---- line length and the revolution tool's points -------------------------------

int length_of_line_tool(float *length, int mode) {
  float a[3], b[3], current = 0.0f;
  line_position(a, b, &current, 0);
  const float now = distance3(a, b);
  if (mode == 0) {
    *length = now;
    return 1;
  }
  if (mode != 1 || !(now > 1e-7f)) return 1;
  float mid[3], dir[3];
  for (int i = 0; i < 3; i++) {
    mid[i] = 0.5f * (a[i] + b[i]);
    dir[i] = (b[i] - a[i]) / now;
  }
  const float half = 0.5f * *length;
  for (int i = 0; i < 3; i++) {
    a[i] = mid[i] - half * dir[i];
    b[i] = mid[i] + half * dir[i];
  }
  float length_set = *length;
  line_position(a, b, &length_set, 1);
  return 1;
}

static int Revtool_selected = -1;

// The revolution tool's points, count and lists.
static int revtool_points(float e1[3], float e2[3], float ref[3], float axis[3], float radii[],
                          float distances[]) {
  int count = 0;
  revtool_position(e1, e2, ref, axis, &count, radii, distances, nullptr, 0, 0, 0);
  return count;
}

int revtool_selected_point(int *index, int mode) {
  if (mode == 0) {
    *index = Revtool_selected;
  } else if (mode == 1) {
    float e1[3], e2[3], ref[3], axis[3], radii[REVTOOL_POINTS], distances[REVTOOL_POINTS];
    const int count = revtool_points(e1, e2, ref, axis, radii, distances);
    Revtool_selected = *index >= 0 && *index < count ? *index : -1;
  }
  return 1;
}

int revtool_delete_selected_point() {
  float e1[3], e2[3], ref[3], axis[3], radii[REVTOOL_POINTS], distances[REVTOOL_POINTS];
  int count = revtool_points(e1, e2, ref, axis, radii, distances);
  const int s = Revtool_selected;
  if (s < 0 || s >= count || count < 3) return -1;
  for (int k = s; k + 1 < count; k++) {
    radii[k] = radii[k + 1];
    distances[k] = distances[k + 1];
  }
  count--;
  revtool_position(e1, e2, ref, axis, &count, radii, distances, nullptr, 0, 0, 1);
  Revtool_selected = -1;
  return 1;
}

void revtool_manage_init() {}
