// The model transformation of every viewport (see view_matrix.h).  Owns the
// sixteen Viewport_transform_rec; others read and write them only through
// ctm_transforms, current_ctm and original_view.  Zero until start-up makes
// them identity.
#include "view/view_matrix.h"

#include <GL/gl.h>

#include <cmath>
#include <cstring>

#include "client/interf_settings.h"
#include "client/matrix.h"
#include "client/screen.h"
#include "interact/stereo.h"
#include "interact/vector3.h"
#include "render/disobj.h"
#include "render/display.h"
#include "view/viewer_state.h"
#include "view/viewports.h"

static Viewport_transform_rec Transforms[MAX_VIEWPORTS];

static Viewport_transform_rec &cur() { return Transforms[Viewport_current]; }

static const double Deg_to_rad = 3.14159265358979323846 / 180.0;

void int4x4(float m[16]) {
  for (int i = 0; i < 16; i++) m[i] = (i % 5 == 0) ? 1.0f : 0.0f;
}

// ---- column-convention family ---------------------------------------------

void mult_2_matrix(const float a[16], const float b[16], float out[16]) { mul4x4(a, b, out); }

// m = m x e.
static void post_multiply(const float e[16], float m[16]) {
  float t[16];
  mult_2_matrix(m, e, t);
  mov4x4(t, m);
}

// m = m x E, E the identity with a, b, c in the elements at, at + step and
// at + 2 step.
static void post_multiply_three(int at, int step, float a, float b, float c, float m[16]) {
  float e[16];
  int4x4(e);
  e[at] = a;
  e[at + step] = b;
  e[at + 2 * step] = c;
  post_multiply(e, m);
}

void tran_4x4(float tx, float ty, float tz, float m[16]) { post_multiply_three(3, 4, tx, ty, tz, m); }

// m = m x E with E the identity carrying cos a on the diagonal at u and w,
// -sin a at (u, w) and sin a at (w, u).
static void column_rotation(float a, int u, int w, float m[16]) {
  float e[16];
  int4x4(e);
  float c = (float)std::cos((double)a), s = (float)std::sin((double)a);
  e[5 * u] = c;
  e[5 * w] = c;
  e[4 * u + w] = -s;
  e[4 * w + u] = s;
  post_multiply(e, m);
}

void rotax_4x4(float a, float m[16]) { column_rotation(a, 1, 2, m); }
void rotay_4x4(float a, float m[16]) { column_rotation(a, 2, 0, m); }
void rotaz_4x4(float a, float m[16]) { column_rotation(a, 0, 1, m); }

void scale_4x4(float sx, float sy, float sz, float m[16]) {
  post_multiply_three(0, 5, sx, sy, sz, m);
}

// ---- accessors ---------------------------------------------------------------

void ctm_transforms(float scale[16], float rotation[16], float translation[16], int mode) {
  Viewport_transform_rec &t = cur();
  if (mode == 0) {
    mov4x4(t.scale, scale);
    mov4x4(t.rotation, rotation);
    mov4x4(t.translation, translation);
  } else if (mode == 1) {
    mov4x4(scale, t.scale);
    mov4x4(rotation, t.rotation);
    mov4x4(translation, t.translation);
  }
}

void current_ctm(float combined[16], int mode) {
  if (mode == 0)
    mov4x4(cur().combined, combined);
  else if (mode == 1)
    mov4x4(combined, cur().combined);
}

void original_view(float look_at[3], float look_from[3], int mode) {
  Viewport_transform_rec &t = cur();
  if (mode == 0) {
    memcpy(look_at, t.initial_look_at, sizeof t.initial_look_at);
    memcpy(look_from, t.initial_look_from, sizeof t.initial_look_from);
  } else if (mode == 1) {
    memcpy(t.initial_look_at, look_at, sizeof t.initial_look_at);
    memcpy(t.initial_look_from, look_from, sizeof t.initial_look_from);
  }
}

// ---- model-view ----------------------------------------------------------------

void modelview_from_saved(const float *const m[], int count) {
  if (!gwin_gl_ready()) return;
  glMatrixMode(GL_MODELVIEW);
  GLint depth = 1;
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
  if (depth > 1) {
    glPopMatrix();
    glPushMatrix();
  } else {
    glLoadIdentity();
  }
  for (int i = 0; i < count; i++) glMultMatrixf(m[i]);
}

// combined = scale x rotation x translation of the current viewport.
static void product(float combined[16]) {
  const Viewport_transform_rec &t = cur();
  float sr[16];
  mul4x4(t.scale, t.rotation, sr);
  mul4x4(sr, t.translation, combined);
}

// Model-view = 2-D matrix x combined x view x saved.
static void load_modelview(const float combined[16], const float view[16]) {
  const float *m[] = {view, combined, Viewports[Viewport_current].matrix_2d};
  modelview_from_saved(m, 3);
}

// target = target x d (no factor when d is null, so the stored matrices
// stay bit for bit), then the product and the model-view follow.
static void apply(float target[16], const float *d, float combined_out[16],
                  const float view[16]) {
  Resort_transparent = 1;
  if (d) {
    float t[16];
    mul4x4(target, d, t);
    mov4x4(t, target);
  }
  product(combined_out);
  load_modelview(combined_out, view);
}

// d = T(-c) x m x T(c): m about the centre c.
static void about_centre(const float centre[3], const float m[16], float d[16]) {
  float t[16];
  int4x4(t);
  post_translate(-centre[0], -centre[1], -centre[2], t);
  mul4x4(t, m, d);
  post_translate(centre[0], centre[1], centre[2], d);
}

void rotvew(float ax, float ay, float az, const float centre[3], float combined_out[16],
            const float view[16]) {
  bool turn = ax != 0.0f || ay != 0.0f || az != 0.0f;
  // About axes through the centre parallel to the global ones, z first.
  float r[16], d[16];
  int4x4(r);
  if (az != 0.0f) post_rotate_z((float)(az * Deg_to_rad), r);
  if (ay != 0.0f) post_rotate_y((float)(ay * Deg_to_rad), r);
  if (ax != 0.0f) post_rotate_x((float)(ax * Deg_to_rad), r);
  about_centre(centre, r, d);
  apply(cur().rotation, turn ? d : nullptr, combined_out, view);
}

void trnvew(float dx, float dy, float dz, const float *, float combined_out[16],
            const float view[16]) {
  bool move = dx != 0.0f || dy != 0.0f || dz != 0.0f;
  float d[16];
  int4x4(d);
  post_translate(dx, dy, dz, d);
  apply(cur().translation, move ? d : nullptr, combined_out, view);
}

void sclvew(float sx, float sy, float sz, const float centre[3], float combined_out[16],
            const float view[16]) {
  bool scale = sx != 1.0f || sy != 1.0f || sz != 1.0f;
  float s[16], d[16];
  int4x4(s);
  s[0] = sx;
  s[5] = sy;
  s[10] = sz;
  about_centre(centre, s, d);
  apply(cur().scale, scale ? d : nullptr, combined_out, view);
}

void init_transforms(const int reset[3]) {
  Resort_transparent = 1;
  Viewport_transform_rec &t = cur();
  if (reset[0]) int4x4(t.rotation);
  if (reset[1]) int4x4(t.translation);
  if (reset[2]) int4x4(t.scale);
  int code = (Stereo_mode && !Stereo_in_window) ? 16 : 0, dpy = 0;
  gwin_gl_curwin(&code, 1, &dpy);
  float at[3], from[3], view[16], distance;
  view_param(at, from, view, &distance, 0);
  float c[16];
  product(c);
  load_modelview(c, view);
  current_ctm(c, 1);
}

void vewvew(const float look_at[3], const float look_from[3], float *distance,
            const float combined[16], float view_out[16]) {
  float at[3], from[3], view[16], d;
  view_param(at, from, view, &d, 0);
  float a[3], b[3];
  for (int i = 0; i < 3; i++) {
    a[i] = from[i] - at[i];
    b[i] = look_from[i] - look_at[i];
  }
  normlz(a);
  normlz(b);
  if (a[0] * b[0] + a[1] * b[1] + a[2] * b[2] < 0.98f) Resort_transparent = 1;

  const Viewport_rec &vp = Viewports[Viewport_current];
  float aspect = (float)viewport_pixel_width(vp) / (float)viewport_pixel_height(vp);
  atfrom(look_at, look_from, distance, view_out);

  if (gwin_gl_ready() && !viewport_perspective_on(Viewport_current)) {
    float angle, front, back;
    perspective_angle(&angle, 0);
    zclipp_locat(&front, &back, 0);
    double w = *distance * (float)std::tan(angle * 0.017453292);
    double h = w / (aspect * Anim_aspect_ratio);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-w, w, -h, h, front, back);
    glMatrixMode(GL_MODELVIEW);
  }
  load_modelview(combined, view_out);
}

void get_transform_matrix(float out[16]) {
  const Viewport_transform_rec &t = cur();
  float rt[16], srt[16];
  mul4x4(t.rotation, t.translation, rt);
  mul4x4(t.scale, rt, srt);
  mul4x4(Viewports[Viewport_current].matrix_2d, srt, out);
}
