// Matrix, byte-order and random-number helpers. They keep no state; every
// matrix is read and written through the caller's 16 elements.
#include "client/matrix.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <utility>

#include "interact/vector3.h"

void mov4x4(const float src[16], float dst[16]) { memmove(dst, src, 16 * sizeof(float)); }

void cop4x4(const float src[16], float dst[16]) { mov4x4(src, dst); }

int mul4x4(const float a[16], const float b[16], float c[16]) {
  for (int i = 0; i < 4; i++)
    for (int j = 0; j < 4; j++) {
      float sum = 0.0f;
      for (int k = 0; k < 4; k++) sum += a[4 * i + k] * b[4 * k + j];
      c[4 * i + j] = sum;
    }
  return 16;
}

void premlt(const float m[16], float p[3]) {
  float x = p[0], y = p[1], z = p[2];
  for (int j = 0; j < 3; j++) p[j] = x * m[j] + y * m[4 + j] + z * m[8 + j] + m[12 + j];
}

void tmpts(float p[3], const float m[16]) { premlt(m, p); }

// m = m x R, R the identity with the four elements of a rotation by angle in
// the plane of axes u and w: R[u][u] = R[w][w] = c, R[u][w] = s, R[w][u] = -s.
static void post_rotate(float angle, int u, int w, float m[16]) {
  float r[16], t[16];
  int4x4(r);
  float c = (float)std::cos((double)angle), s = (float)std::sin((double)angle);
  r[5 * u] = c;
  r[5 * w] = c;
  r[4 * u + w] = s;
  r[4 * w + u] = -s;
  mul4x4(m, r, t);
  mov4x4(t, m);
}

void post_rotate_x(float angle, float m[16]) { post_rotate(angle, 1, 2, m); }
void post_rotate_y(float angle, float m[16]) { post_rotate(angle, 2, 0, m); }
void post_rotate_z(float angle, float m[16]) { post_rotate(angle, 0, 1, m); }

void post_translate(float dx, float dy, float dz, float m[16]) {
  m[12] += dx;
  m[13] += dy;
  m[14] += dz;
}

// Power of two nearest above the largest magnitude: scaling by it is exact.
static double pow2_scale(double largest) {
  int e;
  std::frexp(largest, &e);
  return std::ldexp(1.0, e);
}

// Gauss-Jordan inversion with partial pivoting, done in double. Rows and then
// columns are first scaled by powers of two so that each has its largest
// element near 1; the matrix is singular when a pivot is not above tol on
// that scale, which neither a uniformly tiny matrix nor a large translation
// triggers. The result is written to m only when the inversion succeeds.
template <typename T>
static int gauss_jordan_inverse(T m[16], double tol) {
  double a[4][8], row_scale[4], col_scale[4];
  for (int i = 0; i < 4; i++) {
    double big = 0.0;
    for (int j = 0; j < 4; j++) big = std::fmax(big, std::fabs((double)m[4 * i + j]));
    if (!(big > 0.0) || !std::isfinite(big)) return -1;
    row_scale[i] = pow2_scale(big);
  }
  for (int j = 0; j < 4; j++) {
    double big = 0.0;
    for (int i = 0; i < 4; i++) big = std::fmax(big, std::fabs(m[4 * i + j] / row_scale[i]));
    if (!(big > 0.0)) return -1;
    col_scale[j] = pow2_scale(big);
  }
  // [R M C | R] with R, C the inverse scales; it reduces to [I | (RMC)^-1 R],
  // and M^-1 = C (RMC)^-1 R.
  for (int i = 0; i < 4; i++)
    for (int j = 0; j < 4; j++) {
      a[i][j] = m[4 * i + j] / row_scale[i] / col_scale[j];
      a[i][4 + j] = (i == j) ? 1.0 / row_scale[i] : 0.0;
    }
  for (int c = 0; c < 4; c++) {
    int p = c;
    for (int k = c + 1; k < 4; k++)
      if (std::fabs(a[k][c]) > std::fabs(a[p][c])) p = k;
    if (!(std::fabs(a[p][c]) > tol)) return -1;
    if (p != c)
      for (int j = 0; j < 8; j++) std::swap(a[p][j], a[c][j]);
    double pivot = a[c][c];
    for (int j = 0; j < 8; j++) a[c][j] /= pivot;
    for (int k = 0; k < 4; k++) {
      if (k == c || a[k][c] == 0.0) continue;
      double f = a[k][c];
      for (int j = 0; j < 8; j++) a[k][j] -= f * a[c][j];
    }
  }
  for (int i = 0; i < 4; i++)
    for (int j = 0; j < 4; j++) m[4 * i + j] = (T)(a[i][4 + j] / col_scale[i]);
  return 0;
}

int inv4x4(float m[16]) { return gauss_jordan_inverse(m, 8.0 * FLT_EPSILON); }

int double_inv4x4(double m[16]) { return gauss_jordan_inverse(m, 8.0 * DBL_EPSILON); }

// The angle of the direction from p to q, with component `dropped` set to 0
// and the rest normalised: the arc cosine (or arc sine) of component `along`,
// negated when component `side` has the sign `negate_sign` (+1 or -1).
static float direction_angle(const float p[3], const float q[3], int dropped, int along,
                             bool use_sine, int side, int negate_sign) {
  float v[3] = {q[0] - p[0], q[1] - p[1], q[2] - p[2]};
  v[dropped] = 0.0f;
  normlz(v);
  double x = std::fmax(-1.0, std::fmin(1.0, (double)v[along]));  // rounding of a unit vector
  double t = use_sine ? std::asin(x) : std::acos(x);
  return (float)(v[side] * negate_sign > 0.0f ? -t : t);
}

// m = identity, the translation by -o, then x Rz(t1) x Ry(t2) x Rx(t3).
static void set_align(const float o[3], float t1, float t2, float t3, float m[16]) {
  int4x4(m);
  post_translate(-o[0], -o[1], -o[2], m);
  post_rotate_z(t1, m);
  post_rotate_y(t2, m);
  post_rotate_x(t3, m);
}

// m = m x Rx(-t3) x Ry(-t2) x Rz(-t1), then the translation by +o.
static void post_unalign(float t1, float t2, float t3, const float o[3], float m[16]) {
  post_rotate_x(-t3, m);
  post_rotate_y(-t2, m);
  post_rotate_z(-t1, m);
  post_translate(o[0], o[1], o[2], m);
}

// Copies of two points moved by m.
static void moved_pair(const float p[3], const float q[3], const float m[16], float pm[3],
                       float qm[3]) {
  memcpy(pm, p, 3 * sizeof(float));
  memcpy(qm, q, 3 * sizeof(float));
  tmpts(pm, m);
  tmpts(qm, m);
}

void arbaxi(const float o[3], const float a[3], const float b[3], const float c[3],
            float mfull[16], float malign[16], float mback[16], float alpha, float beta,
            float gamma) {
  (void)b;  // the third point does not affect the frame
  const float k = 0.017453292f;
  float r[16], po[3], pa[3], pc[3];
  int4x4(r);

  // Turn the x-axis point into the XZ plane, then onto +X, then the y-axis
  // point towards +Y.
  float t1 = direction_angle(o, a, 2, 0, false, 1, +1);
  post_rotate_z(t1, r);
  moved_pair(o, a, r, po, pa);
  float t2 = direction_angle(po, pa, 1, 0, false, 2, -1);
  post_rotate_y(t2, r);
  moved_pair(o, c, r, po, pc);
  float t3 = direction_angle(po, pc, 0, 1, false, 2, +1);

  set_align(o, t1, t2, t3, mfull);
  cop4x4(mfull, malign);
  post_rotate_x(alpha * k, mfull);
  post_rotate_y(beta * k, mfull);
  post_rotate_z(gamma * k, mfull);
  post_unalign(t1, t2, t3, o, mfull);

  int4x4(mback);
  post_unalign(t1, t2, t3, o, mback);
}

int planar_viewport_rotation_matrix(const float p[3], float nx, float ny, float nz, float m[16]) {
  float n[3] = {nx, ny, nz};
  normlz(n);
  for (float &x : n)
    if (std::fabs(x) < 1e-5f) x = 0.0f;
  int4x4(m);
  if (std::fabs(n[2]) >= 0.999999f) {
    post_translate(-p[0], -p[1], -p[2], m);
    return 1;
  }

  // Turn the normal into the XZ plane, then onto the Z axis.
  float q[3] = {p[0] + 100.0f * n[0], p[1] + 100.0f * n[1], p[2] + 100.0f * n[2]};
  float pm[3], qm[3];
  float t1 = direction_angle(p, q, 2, 0, false, 1, +1);
  post_rotate_z(t1, m);
  moved_pair(p, q, m, pm, qm);
  float t2 = direction_angle(pm, qm, 1, 0, true, 2, +1);
  post_rotate_y(t2, m);
  moved_pair(p, q, m, pm, qm);
  float t3 = direction_angle(pm, qm, 0, 1, true, 2, -1);

  set_align(p, t1, t2, t3, m);
  return 1;
}

void dec_swap_mess(void *value4) {
  unsigned char *b = (unsigned char *)value4;
  std::swap(b[0], b[3]);
  std::swap(b[1], b[2]);
}

void dec_swap_mess_short(void *value2) {
  unsigned char *b = (unsigned char *)value2;
  std::swap(b[0], b[1]);
}

float erand0(int *state) {
  const int mask = 123495867;  // 0x075C65BB
  const int m = 2147483647, a = 69621, q = 30845, r = 23902;  // q, r: m = a q + r
  int s = *state ^ mask;
  // s x a mod m without overflow (Schrage's method).
  s = a * (s % q) - r * (s / q);
  if (s < 0) s += m;
  *state = s ^ mask;
  return (float)(s * 4.656612875245797e-10);
}
