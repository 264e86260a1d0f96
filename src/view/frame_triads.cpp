// Axis triads drawn over the scene of a viewport: the local triads of the
// frames, the global triad at the look-at point and the small
// model-direction triad in the viewport's lower-left corner; and the
// unprojection of a pixel that sizes and places them.
#include <GL/gl.h>

#include <cmath>
#include <cstdio>

#include "client/defaults.h"
#include "client/matrix.h"
#include "client/screen.h"
#include "interact/movmnt.h"
#include "parts/read.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/redraw.h"
#include "render/stipple.h"
#include "render/vector_print.h"
#include "view/frames.h"
#include "view/viewer_state.h"
#include "view/viewport_background.h"
#include "view/viewports.h"

int Axiso1 = 1;
int Axiso2 = 0;
int Axiso3 = 0;
static const Global_defaults Defaults(DEFAULTS_AT_RESET, Axiso1, Axiso2, Axiso3);

float Frame_color[3] = {1.0f, 1.0f, 1.0f};

void toggle_local_axis(int v) { Axiso1 = v; }
void toggle_global_axis(int v) { Axiso2 = v; }
void toggle_direction_axis(int v) { Axiso3 = v; }

void frames_color(float *r, float *g, float *b, int mode) {
  if (mode == 0) {
    *r = Frame_color[0];
    *g = Frame_color[1];
    *b = Frame_color[2];
  } else if (mode == 1) {
    Frame_color[0] = *r;
    Frame_color[1] = *g;
    Frame_color[2] = *b;
    if (Num_active_viewports == 1)
      display_all();
    else
      viewports_display_all();
  }
}

// ---- screen to world ---------------------------------------------------------------

void from_screen_to_world_coords(int x, int y, float *wx, float *wy, float *wz) {
  // The unprojection is made orthographic: perspective is switched off for
  // the duration and the projection set again.
  const int perspective = Person;
  if (perspective) {
    Person = 0;
    fix_up_viewport(0);
  }
  const Viewport_rec &vp = Viewports[Viewport_current];
  const double w = vp.x1 - vp.x0 + 1, h = vp.y1 - vp.y0 + 1;
  float modelview[16], projection[16], product[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
  glGetFloatv(GL_PROJECTION_MATRIX, projection);
  mul4x4(modelview, projection, product);
  double inverse[16];
  for (int i = 0; i < 16; i++) inverse[i] = product[i];
  double_inv4x4(inverse);
  const double n[4] = {2.0 * (x - vp.x0) / w - 1.0, 2.0 * (y - vp.y0) / h - 1.0, 0.0, 1.0};
  float *out[3] = {wx, wy, wz};
  for (int j = 0; j < 3; j++) {
    double sum = 0;
    for (int i = 0; i < 4; i++) sum += n[i] * inverse[4 * i + j];
    *out[j] = (float)sum;
  }
  if (perspective) {
    Person = 1;
    fix_up_viewport(0);
  }
}

// ---- drawing helpers ---------------------------------------------------------------
namespace {

// Text at p: to the vector print while one is captured, else to the screen.
void text_at(const float p[3], const char *text) {
  glRasterPos3f(p[0], p[1], p[2]);
  if (Vek_in_progress)
    vekText(text, 0);
  else
    gwin_print_string(text);
}

void line(const float a[3], const float b[3]) {
  glBegin(GL_LINES);
  glVertex3fv(a);
  glVertex3fv(b);
  glEnd();
}

// Lines from o along +x, +y, +z of length t, with "X", "Y", "Z" at 1.05 t.
void plain_triad(const float o[3], float t) {
  static const char *letters[3] = {"X", "Y", "Z"};
  for (int k = 0; k < 3; k++) {
    float end[3] = {o[0], o[1], o[2]};
    end[k] += t;
    line(o, end);
  }
  for (int k = 0; k < 3; k++) {
    float at[3] = {o[0], o[1], o[2]};
    at[k] += 1.05f * t;
    text_at(at, letters[k]);
  }
}

// The world vector of ten pixels from the centre (dx, dy) of the viewport.
void world_step(int cx, int cy, int dx, int dy, const float w0[3], float step[3]) {
  float w1[3];
  from_screen_to_world_coords(cx + dx, cy + dy, &w1[0], &w1[1], &w1[2]);
  for (int i = 0; i < 3; i++) step[i] = w1[i] - w0[i];
}

float length3(const float v[3]) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

// One axis of the direction triad's placement: o = base - s * off * step /
// 10, with s searched under perspective until the pixel coordinate (axis 0
// column, 1 row) of o lies within a pixel of target.  The scale s, or -1
// when the search does not converge within 100 iterations.
float place_along(const float base[3], const float step[3], int off, const float *pm, int axis,
                  float pixel0, float size_px, float target, float o[3]) {
  float s = 1.0f, w = 2.0f;
  int previous = 0;
  for (int it = 0;; it++) {
    for (int i = 0; i < 3; i++) o[i] = base[i] - s * off * step[i] / 10.0f;
    if (!pm) return s;
    if (it >= 100) return -1.0f;
    float clip[4];
    for (int j = 0; j < 4; j++) clip[j] = o[0] * pm[j] + o[1] * pm[4 + j] + o[2] * pm[8 + j] + pm[12 + j];
    if (clip[3] == 0.0f) return -1.0f;
    const float pixel = pixel0 + (clip[axis] / clip[3] + 1.0f) * 0.5f * size_px;
    if (std::fabs(pixel - target) <= 1.0f) return s;
    const int direction = pixel > target ? 1 : -1;
    if (direction != previous) w *= 0.5f;
    previous = direction;
    s += direction * w;
  }
}

// The model-direction triad: turned with the model but neither scaled nor
// moved by it, a tenth of the smaller viewport side long, aimed at the
// lower-left corner of the viewport.
void direction_triad(const Viewport_rec &vp, const float colour[3]) {
  glDisable(GL_DEPTH_TEST);
  float angle, look_at[3], look_from[3], view[16], distance;
  perspective_angle(&angle, 0);
  view_param(look_at, look_from, view, &distance, 0);
  float saved[16], scale[16], rotation[16], translation[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, saved);
  ctm_transforms(scale, rotation, translation, 0);
  glMatrixMode(GL_MODELVIEW);
  glLoadMatrixf(view);
  glMultMatrixf(rotation);

  const int cx = (vp.x0 + vp.x1) / 2, cy = (vp.y0 + vp.y1) / 2;
  const float m = std::fmin((vp.x1 - vp.x0) / 8.0f, (vp.y1 - vp.y0) / 8.0f);
  const float target_x = vp.x0 + m, target_y = vp.y0 + m;
  const int off_x = (int)(cx - target_x), off_y = (int)(cy - target_y);

  float w0[3], up[3], right[3];
  from_screen_to_world_coords(cx, cy, &w0[0], &w0[1], &w0[2]);
  world_step(cx, cy, 0, 10, w0, up);
  world_step(cx, cy, 10, 0, w0, right);

  float pm[16];
  const float *correction = nullptr;
  float width_px = 0, height_px = 0;
  if (viewport_perspective_on(Viewport_current)) {
    float modelview[16], projection[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    mul4x4(modelview, projection, pm);
    correction = pm;
    int xmin, xmax, ymin, ymax;
    grasal(&xmin, &xmax, &ymin, &ymax, 0, 0);
    width_px = vp.attributes[VP_WIDTH] * (xmax - xmin + 1);
    height_px = vp.attributes[VP_HEIGHT] * (ymax - ymin + 1);
  }

  float oy[3], o[3];
  const float s = place_along(look_at, up, off_y, correction, 1, (float)vp.y0, height_px,
                              target_y, oy);
  const float s2 = s < 0 ? -1.0f
                         : place_along(oy, right, off_x, correction, 0, (float)vp.x0, width_px,
                                       target_x, o);
  if (s >= 0 && s2 >= 0) {
    const float ly = length3(up) * s * ((vp.y1 - vp.y0) / 10.0f) / 10.0f;
    const float lx = length3(right) * s2 * ((vp.x1 - vp.x0) / 10.0f) / 10.0f;
    glColor3fv(colour);
    glLineWidth(2.0f);
    plain_triad(o, std::fmin(ly, lx));
  }
  glLoadMatrixf(saved);
  glEnable(GL_DEPTH_TEST);
}

// Pops and pushes the model-view entry the caller pushed; with no entry
// pushed the stack is left alone so that its depth never changes.
void pop_push() {
  GLint depth = 1;
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
  if (depth < 2) return;
  glPopMatrix();
  glPushMatrix();
}

// The global triad at the look-at point, moved with the model but not
// turned by it.
void global_triad(const float colour[3]) {
  float saved[16], look_at[3], look_from[3], view[16], distance;
  glMatrixMode(GL_MODELVIEW);
  glGetFloatv(GL_MODELVIEW_MATRIX, saved);
  view_param(look_at, look_from, view, &distance, 0);
  float scale[16], rotation[16], translation[16];
  ctm_transforms(scale, rotation, translation, 0);
  pop_push();
  glLoadIdentity();
  glMultMatrixf(view);
  glMultMatrixf(translation);
  glColor3fv(colour);
  glLineWidth(2.0f);
  text_at(look_at, "G");
  plain_triad(look_at, Axis_size);
  pop_push();
  glLoadMatrixf(saved);
}

// The numbered ticks of one axis (0 x, 1 y, 2 z) in frame coordinates, a
// the world length of 7 pixels.
void axis_ticks(const float *attrs, int axis, float a) {
  const float count = attrs[17 + axis];
  const int n = our_rint(count);
  if (n <= 0) return;
  const float step = attrs[FRAME_LEN_X + axis] / count;
  glLineWidth(1.0f);
  for (int i = 1; i <= n; i++) {
    const float v = i * step;
    float from[3], to[3], at[3];
    if (axis == 0) {
      from[0] = to[0] = at[0] = v;
      from[1] = a, to[1] = -a, at[1] = -4 * a;
      from[2] = to[2] = at[2] = 0;
    } else if (axis == 1) {
      from[1] = to[1] = at[1] = v;
      from[0] = -a, to[0] = a, at[0] = 1.5f * a;
      from[2] = to[2] = at[2] = 0;
    } else {
      from[2] = to[2] = at[2] = v;
      from[1] = a, to[1] = -a, at[1] = -4 * a;
      from[0] = to[0] = at[0] = 0;
    }
    line(from, to);
    char text[32];
    snprintf(text, sizeof text, "%.5g", v);
    text_at(at, text);
  }
}

// The local triads: every frame in frame mode (dashed when not made
// visible), else the frames made visible.
void local_triads(const Viewport_rec &vp) {
  const bool frame_mode = Current_mode == 2;
  const int *list = frame_mode ? Frame_order_list : Frame_drawn_list;
  const int count = frame_mode ? Num_frames : Frame_drawn_count;
  const int cx = (vp.x0 + vp.x1) / 2, cy = (vp.y0 + vp.y1) / 2;
  glMatrixMode(GL_MODELVIEW);
  glLineWidth(1.0f);
  for (int k = 0; k < count && k < MAX_FRAMES; k++) {
    const int frame = list[k];
    if (frame < 0 || frame >= MAX_FRAMES || !Ctm_part[frame]) continue;
    const Frame_rec &rec = *Ctm_part[frame];
    const float *attrs = rec.attributes;
    if (frame_mode && attrs[0] != 1.0f) {
      glEnable(GL_LINE_STIPPLE);
      glLineStipple(1, line_style_pattern(1));
    }
    const bool ticks = attrs[24] != 0.0f || attrs[25] != 0.0f || attrs[26] != 0.0f;
    float a = 0.0f;
    if (ticks) {
      float w0[3], seven[3];
      from_screen_to_world_coords(cx, cy, &w0[0], &w0[1], &w0[2]);
      world_step(cx, cy, 0, 7, w0, seven);
      a = length3(seven);
    }
    glPushMatrix();
    glMultMatrixf(rec.combined[Viewport_current]);
    frame_triad_display(frame);
    if (frame_mode) glDisable(GL_LINE_STIPPLE);
    glPushMatrix();
    glMultMatrixf(rec.to_global);
    for (int axis = 0; axis < 3; axis++)
      if (attrs[24 + axis] != 0.0f) axis_ticks(attrs, axis, a);
    glPopMatrix();
    glPopMatrix();
    glDisable(GL_LINE_STIPPLE);
  }
}

}  // namespace

void axis_display() {
  const Viewport_rec &vp = Viewports[Viewport_current];
  const int clip0 = Plane_clipp_toggle, clip1 = Plane2_clipp_toggle;
  if (clip0) glDisable(GL_CLIP_PLANE0);
  if (clip1) glDisable(GL_CLIP_PLANE1);
  glDisable(GL_LIGHTING);
  float contrast[3];
  get_contrast_color(contrast);
  if (Axiso3) direction_triad(vp, contrast);
  if (Axiso2) global_triad(contrast);
  if (Axiso1) local_triads(vp);
  if (clip0) glEnable(GL_CLIP_PLANE0);
  if (clip1) glEnable(GL_CLIP_PLANE1);
}

void frame_triad_display(int frame) {
  if (frame < 0 || frame >= MAX_FRAMES || !Ctm_part[frame]) return;
  const Frame_rec &rec = *Ctm_part[frame];
  const float *attrs = rec.attributes;
  float colour[3] = {attrs[21], attrs[22], attrs[23]};
  if (Current_mode == 2) {
    float picked[3];
    get_picked_color(picked);
    if (rec.selected)
      for (int i = 0; i < 3; i++) colour[i] = picked[i];
  }
  glDisable(GL_LIGHTING);
  glColor3fv(colour);
  const float *origin = attrs + 2;
  char number[16];
  snprintf(number, sizeof number, "%d", frame);
  text_at(origin, number);
  glLineWidth(attrs[20]);
  static const char *letters[3] = {"X", "Y", "Z"};
  for (int k = 0; k < 3; k++) {
    const float *axis = attrs + 5 + 3 * k;
    const float len = attrs[FRAME_LEN_X + k];
    float end[3];
    for (int i = 0; i < 3; i++) end[i] = origin[i] + 1.2f * len * axis[i];
    line(origin, end);
  }
  for (int k = 0; k < 3; k++) {
    const float *axis = attrs + 5 + 3 * k;
    const float len = attrs[FRAME_LEN_X + k];
    float at[3];
    for (int i = 0; i < 3; i++) at[i] = origin[i] + 1.25f * len * axis[i];
    text_at(at, letters[k]);
  }
}
