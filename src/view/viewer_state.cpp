// Viewer state (see viewer_state.h).  Owns the sixteen Viewer_state_rec,
// the shared perspective angle and Initial_view_pushed; all zero at start.
#include "view/viewer_state.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "client/matrix.h"
#include "client/screen.h"
#include "interact/tool_records.h"
#include "query/probe.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/glyphs.h"
#include "view/frames.h"
#include "view/observer.h"
#include "view/viewports.h"

int Initial_view_pushed = 0;

static Viewer_state_rec Viewers[MAX_VIEWPORTS];
static float Perspective_angle = 0.0f;

static Viewer_state_rec &cur() { return Viewers[Viewport_current]; }

static const double Deg_to_rad = 3.14159265358979323846 / 180.0;

void perspective_angle(float *angle, int mode) {
  if (mode == 0)
    *angle = Perspective_angle;
  else if (mode == 1)
    Perspective_angle = *angle;
}

void zclipp_locat(float *front, float *back, int mode) {
  Viewer_state_rec &v = cur();
  if (mode == 0) {
    bool unset = v.zclip_front == 0.0f && v.zclip_back == 0.0f;
    *front = unset ? 1.0f : v.zclip_front;
    *back = unset ? 2.0f : v.zclip_back;
  } else if (mode == 1) {
    v.zclip_front = *front;
    v.zclip_back = *back;
  }
}

void view_param(float look_at[3], float look_from[3], float matrix[16], float *distance,
                int mode) {
  Viewer_state_rec &v = cur();
  if (mode == 0) {
    memcpy(look_at, v.look_at, sizeof v.look_at);
    memcpy(look_from, v.look_from, sizeof v.look_from);
    mov4x4(v.view_matrix, matrix);
    *distance = v.distance;
  } else if (mode == 1) {
    memcpy(v.look_at, look_at, sizeof v.look_at);
    memcpy(v.look_from, look_from, sizeof v.look_from);
    mov4x4(matrix, v.view_matrix);
    v.distance = *distance;
  }
}

void atfrom(const float look_at[3], const float look_from[3], float *distance, float matrix[16]) {
  float dx = look_from[0] - look_at[0], dy = look_from[1] - look_at[1],
        dz = look_from[2] - look_at[2];
  float h = (float)std::sqrt((double)dx * dx + (double)dz * dz);
  *distance = (float)std::sqrt((double)dx * dx + (double)dy * dy + (double)dz * dz);

  float az;
  if (std::fabs(dz) < 0.001f && std::fabs(dx) < 0.001f)
    az = 0.0f;
  else if (std::fabs(dz) < 0.001f)
    az = dx > 0.0f ? 90.0f : -90.0f;
  else
    az = (float)(std::atan2(dx, dz) * 57.29578);

  // With h and dy both 0 (eye on the point) the elevation is 0 / 0: take 0,
  // so the matrix stays a finite plain translation.
  float el;
  if (std::fabs(h) < 0.001f && dy > 0.0f)
    el = 90.0f;
  else if (std::fabs(h) < 0.001f && dy < 0.0f)
    el = -90.0f;
  else if (h == 0.0f)
    el = 0.0f;
  else
    el = (float)(std::atan(dy / h) * 57.29578);

  // Row-vector reading: translate by -look_from, turn by -az about y, then
  // by el about x.
  int4x4(matrix);
  post_translate(-look_from[0], -look_from[1], -look_from[2], matrix);
  if (az != 0.0f) post_rotate_y((float)(-az * Deg_to_rad), matrix);
  if (el != 0.0f) post_rotate_x((float)(el * Deg_to_rad), matrix);
}

// Places the tools of the interaction subsystem around c with the model size L.
static void place_tools(const float c[3], float L, float angle, float distance) {
  float A = L / 4.0f, r = L / 10.0f;
  float cx = c[0], cy = c[1], cz = c[2];
  float cursor[3] = {cx, cy, cz};
  cursor_position(&cursor[0], &cursor[1], &cursor[2], &angle, &distance, 1);
  float e1[3] = {cx - A, cy, cz}, e2[3] = {cx + A, cy, cz};
  float length = 2.0f * A;
  line_position(e1, e2, &length, 1);
  float p1[3] = {cx - A, cy - A, cz}, p2[3] = {cx + A, cy - A, cz}, p3[3] = {cx + A, cy + A, cz};
  setpln(p1, p2, p3);
  float size = r, cone_angle = 20.0f;
  float home_x = cx, home_y = cy, home_z = cz;
  widget_location(&home_x, &home_y, &home_z, e1, e2, p1, p2, p3, &size, &cone_angle, 1);

  float centre[3] = {cx, cy, cz}, axis[3] = {1.0f, 0.0f, 0.0f};
  float radius = r, value = 0.0f;
  cylinder_position(e1, e2, centre, axis, &radius, &value, nullptr, 0, 0, 1);
  float half_angle = 20.0f;
  cone_position(e1, e2, centre, axis, &half_angle, &value, nullptr, 0, 0, 1);
  float sphere_radius = A;
  sphere_position(e1, e2, centre, &sphere_radius, nullptr, 0, 0, 1);
  int count = 5;
  float radii[REVTOOL_POINTS] = {r, r, L / 5.0f, r, r};
  float dist[REVTOOL_POINTS] = {-L / 4.0f, -L / 8.0f, 0.0f, L / 8.0f, L / 4.0f};
  revtool_position(e1, e2, centre, axis, &count, radii, dist, nullptr, 0, 0, 1);
  float quadric[QUADRIC_WORDS] = {1, 1, 1, 0, 0, 0, 0, 0, 0, 1};
  quadric_position(quadric, 1);
}

void intvew(float x_min, float x_max, float y_min, float y_max, float z_min, float z_max) {
  // 1. Aspect of display 0's main graphics window.
  int wx0, wx1, wy0, wy1;
  grasal(&wx0, &wx1, &wy0, &wy1, 0, 0);
  double aspect = (double)std::max(1, wx1 - wx0 + 1) / (double)std::max(1, wy1 - wy0 + 1);

  // 2-4. Angle, distance, view height, the two points.
  float angle = 14.0f;
  perspective_angle(&angle, 1);
  float dx = x_max - x_min, dy = y_max - y_min, dz = z_max - z_min;
  float L = std::max(dx, std::max(dy, dz));
  float D = (float)(L / std::cos(14.0 * 0.017453292)) * 3.0f;
  float H = (float)(2.0 * D * std::tan(14.0 * 0.017453292));
  float at[3] = {x_min + dx * 0.5f, y_min + dy * 0.5f, z_min + dz * 0.5f};
  float from[3] = {at[0], at[1], at[2] + D};

  // 5. Axis triad size.
  axiscl(L / 6.0f);

  // 6. Clip planes.
  float back = D + 10.0f * dz, front = dz;
  if (z_min == z_max) {
    back = 2.0f * D;
    front = 0.05f * D;
  }
  if (front < 0.001f) front = 0.001f;

  // 7. Projection.
  bool gl = gwin_gl_ready() != 0;
  if (gl) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(28.0, aspect, front, back);
    glMatrixMode(GL_MODELVIEW);
  }

  // 8-9. Viewport 0 current, its clip planes, the viewing matrix.
  Viewport_current = 0;
  Resort_transparent = 0;
  zclipp_locat(&front, &back, 1);
  float view[16], distance;
  atfrom(at, from, &distance, view);

  // 10. The probe's marker size is recomputed from the new view.
  float probe[IQ_ATTRIBUTES] = {};
  iq_attributes(probe, 0);
  probe[19] = -99.0f;
  iq_attributes(probe, 1);

  // 11. One model-view level holds the view matrix.
  float identity[16];
  int4x4(identity);
  if (gl) {
    glMatrixMode(GL_MODELVIEW);
    if (Initial_view_pushed) glPopMatrix();
    glPushMatrix();
    glMultMatrixf(view);
  }
  current_ctm(identity, 1);

  // 12. Every viewport gets the view, its reset view, the clip planes and
  // identity transformations.
  int saved_trans = What_trans;
  What_trans = 0;
  for (int v = 0; v < MAX_VIEWPORTS; v++) {
    Viewport_current = v;
    view_param(at, from, view, &distance, 1);
    original_view(at, from, 1);
    zclipp_locat(&front, &back, 1);
    ctm_transforms(identity, identity, identity, 1);
  }
  Viewport_current = 0;
  ctm_transforms(identity, identity, identity, 1);
  float combined[16];
  rotvew(0.0f, 0.0f, 0.0f, at, combined, view);
  current_ctm(identity, 1);
  What_trans = saved_trans;

  // 13-14. Viewer sensitivity and the tools.
  sensi(H, back - front);
  place_tools(at, L, angle, distance);

  // 15.
  Initial_view_pushed = 1;
}
