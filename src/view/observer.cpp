// Transformation state (see observer.h).
#include "view/observer.h"

#include "client/defaults.h"

int Vewglb = 0;
int What_trans = 0;
int Vewaxis[3] = {1, 1, 1};
static const Global_defaults Defaults(DEFAULTS_AT_RESET, Vewglb, What_trans, Vewaxis);

// The increments and limits are set by observer_increments_default, which
// keeps the limits of pairs 3, 5 and 6; they start at 0.
float Vewvalues[14];

Viewer_window_rec Viewer_window;

void sensi(float view_height, float depth) {
  Viewer_window.sensitivity = 0.03f * (view_height < depth ? view_height : depth);
  Viewer_window.sensitivity_scale = 1.0f;
}

void observer_increments_default() {
  for (int pair = 0; pair < 7; pair++) Vewvalues[2 * pair] = 1.0f;
  Vewvalues[1] = 90.0f;  // rotate: limit
  Vewvalues[3] = 2.0f;   // translate: limit
  Vewvalues[4] = 2.0f;   // scale: increment and limit
  Vewvalues[5] = 2.0f;
  Vewvalues[8] = 0.1f;   // zoom: increment and limit
  Vewvalues[9] = 0.5f;
}


// ---- viewer changes -------------------------------------------------------------------
#include <cerrno>
#include <cmath>
#include <cstdio>

#include "anim/animate.h"
#include "client/command_dlog.h"
#include "client/screen.h"
#include "render/disobj.h"
#include "render/redraw.h"
#include "view/view_matrix.h"
#include "view/viewer_state.h"
#include "view/viewports.h"

// One redraw: the current viewport alone when one viewport is in use.
static void viewer_redraw() {
  if (Num_active_viewports == 1)
    display_all();
  else
    viewports_display_all();
}

// Every selected viewport gets the two points, with its viewing matrix and
// distance built from its own model transformation; the last distance built
// comes back in *distance.
static void viewer_to_selected(const float look_at[3], const float look_from[3], float *distance) {
  const int saved = Viewport_current;
  for (int v = 0; v < MAX_VIEWPORTS; v++) {
    if (!Viewports[v].selected) continue;
    Viewport_current = v;
    float combined[16], view[16], at[3], from[3];
    for (int i = 0; i < 3; i++) at[i] = look_at[i], from[i] = look_from[i];
    current_ctm(combined, 0);
    vewvew(at, from, distance, combined, view);
    view_param(at, from, view, distance, 1);
  }
  Viewport_current = saved;
}

void obsint() {
  for (int v = 0; v < MAX_VIEWPORTS; v++)
    if (Viewports[v].selected) {
      if (v != Viewport_current) Resort_transparent = 1;
      Viewport_current = v;
      break;
    }
  viewer_window_setup();
}

int obsad2(int what, float look_at[3], float look_from[3], float *distance) {
  float at[3], from[3], view[16], stored = 0.0f;
  view_param(at, from, view, &stored, 0);
  if (what == 1)
    for (int i = 0; i < 3; i++) at[i] = look_at[i];
  else if (what == 2)
    for (int i = 0; i < 3; i++) from[i] = look_from[i];
  else if (what == 3 && stored != 0.0f)
    for (int i = 0; i < 3; i++) from[i] = at[i] + (from[i] - at[i]) * (*distance / stored);
  float built = stored;
  viewer_to_selected(at, from, &built);
  for (int i = 0; i < 3; i++) look_at[i] = at[i], look_from[i] = from[i];
  *distance = built;
  viewer_redraw();
  return 1;
}

// The keyframe recorder of the viewer: nothing can be keyframed yet.
static void viewer_keyframe(int, const float *) {}

void obsend() {
  if (!Animon) return;
  float at[3], from[3], view[16], distance = 0.0f;
  view_param(at, from, view, &distance, 0);
  viewer_keyframe(4, at);
  viewer_keyframe(5, from);
}

void obsrst(float look_at[3], float look_from[3], float *distance) {
  original_view(look_at, look_from, 0);
  viewer_to_selected(look_at, look_from, distance);
  viewer_redraw();
}

void adjust_end() {
  if (Hlinet) {
    viewer_redraw();
    return;
  }
  if (Num_active_viewports > 1) copy_to_backbuffer();
  fix_up_viewport(1);
}

void viewer_record_cmd(int what, const float *values) {
  if (!Recrdr) return;
  char line[160];
  if (what == 3)
    snprintf(line, sizeof line, "%s %s %.4e", "view_transf:", "distance", values[0]);
  else if (what == 0 || what == 1)
    snprintf(line, sizeof line, "%s %s %.4e %.4e %.4e", "view_transf:",
             what == 0 ? "look_from" : "look_at", values[0], values[1], values[2]);
  else
    return;
  cmdrec(line);
}

// Refuses a viewer value: error box, and the command's failure mark.
static int viewer_refuse(const char *text, int from_command) {
  disperr(text);
  if (from_command) Command_proc_err = 1;
  return -1;
}

static int same_point(const float *a, const float *b) {
  return a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
}

int viewer_attr_updt(int what, float *values, int from_command) {
  if (what == 2) return 1;  // sensitivity: accepted, changes nothing
  if (what != 0 && what != 1 && what != 3) return -1;
  obsint();
  float at[3], from[3], view[16], stored = 0.0f;
  view_param(at, from, view, &stored, 0);
  // A value that leaves no line of sight would give an undefined viewing
  // matrix: it is refused and the viewer kept.
  if (what == 1 && same_point(values, from))
    return viewer_refuse("view_transf: The look-at point must differ from the look-from point.",
                         from_command);
  if (what == 0 && same_point(values, at))
    return viewer_refuse("view_transf: The look-from point must differ from the look-at point.",
                         from_command);
  if (what == 3 && !(values[0] > 0.0f))
    return viewer_refuse("view_transf: The viewing distance must be > 0.", from_command);
  if (what == 3 && (stored == 0.0f || same_point(at, from)))
    return viewer_refuse(
        "view_transf: The viewing distance cannot be changed while the look-at and look-from "
        "points coincide.",
        from_command);
  if (!from_command) viewer_record_cmd(what, values);
  float distance = what == 3 ? values[0] : stored;
  if (what == 1) obsad2(1, values, from, &distance);
  if (what == 0) obsad2(2, at, values, &distance);
  if (what == 3) obsad2(3, at, from, &distance);
  obsend();
  if (!from_command) viewer_dialog_init();
  return 1;
}

// ---- the viewer section of the Transformation Editor ----------------------------

void (*viewer_dialog_init_windep)() = nullptr;

void viewer_dialog_init() {
  if (viewer_dialog_init_windep) viewer_dialog_init_windep();
}

int (*viewer_area_windep)(int *width, int *height) = nullptr;
int (*viewer_pointer_windep)(int *x, int *y) = nullptr;

// ---- the viewer window ------------------------------------------------------------

#include <GL/gl.h>
#include <GL/glu.h>

#include "interact/vector3.h"
#include "view/transf_editor.h"
#include "view/transf_feedback.h"
#include "view/zclip.h"

static int viewer_area(int *w, int *h) {
  return viewer_area_windep && viewer_area_windep(w, h) && *w > 0 && *h > 0;
}

static void make_window_current(int code) {
  int dpy = 0;
  gwin_gl_curwin(&code, 1, &dpy);
}

// The plane of the window, kept within 0..2.
static int window_plane() {
  const int p = Viewer_window.plane;
  return p >= 0 && p <= 2 ? p : 0;
}

void viewer_window_setup() {
  Viewer_window_rec &w = Viewer_window;
  scene_extents(0, 0, &w.x_min, &w.x_max);
  scene_extents(1, 0, &w.y_min, &w.y_max);
  scene_extents(2, 0, &w.z_min, &w.z_max);
  float at[3], from[3], view[16], distance = 0.0f;
  view_param(at, from, view, &distance, 0);
  const float dx = from[0] - at[0], dy = from[1] - at[1], dz = from[2] - at[2];
  const int plane = window_plane();
  const float p = plane == 0   ? std::sqrt(dx * dx + dz * dz)
                  : plane == 1 ? std::sqrt(dx * dx + dy * dy)
                               : std::sqrt(dy * dy + dz * dz);
  struct Axis {
    float min, max, *low, *high;
  } axes[3] = {{w.x_min, w.x_max, &w.x_low, &w.x_high},
               {w.y_min, w.y_max, &w.y_low, &w.y_high},
               {w.z_min, w.z_max, &w.z_low, &w.z_high}};
  for (Axis &a : axes) {
    const float c = (a.min + a.max) * 0.5f, e = a.max - a.min, half = 1.5f * (p < e ? e : p);
    *a.low = c - half;
    *a.high = c + half;
  }
  viewer_marker_positions(at, from);
}

void viewer_plane_range(float range[4]) {
  const Viewer_window_rec &w = Viewer_window;
  switch (window_plane()) {
    case 0: range[0] = w.x_low, range[1] = w.x_high, range[2] = w.z_high, range[3] = w.z_low; break;
    case 1: range[0] = w.x_low, range[1] = w.x_high, range[2] = w.y_low, range[3] = w.y_high; break;
    default: range[0] = w.z_high, range[1] = w.z_low, range[2] = w.y_low, range[3] = w.y_high; break;
  }
}

void viewer_plane_coords(const float p[3], float *h, float *v) {
  switch (window_plane()) {
    case 0: *h = p[0], *v = p[2]; break;
    case 1: *h = p[0], *v = p[1]; break;
    default: *h = p[2], *v = p[1]; break;
  }
}

// Window pixel (column, row from the bottom) of a point under the
// orthographic range of the plane.
static void marker_pixel(const float p[3], int w, int h, float *column, float *row) {
  float range[4], ph, pv;
  viewer_plane_range(range);
  viewer_plane_coords(p, &ph, &pv);
  const float nx = range[1] != range[0] ? 2.0f * (ph - range[0]) / (range[1] - range[0]) - 1.0f : 0;
  const float ny = range[3] != range[2] ? 2.0f * (pv - range[2]) / (range[3] - range[2]) - 1.0f : 0;
  *column = (nx + 1.0f) * 0.5f * (float)w;
  *row = (ny + 1.0f) * 0.5f * (float)h;
}

void viewer_marker_positions(float look_at[3], float look_from[3]) {
  int w = 0, h = 0;
  if (!viewer_area(&w, &h)) return;
  marker_pixel(look_at, w, h, &Viewer_window.at_px, &Viewer_window.at_py);
  marker_pixel(look_from, w, h, &Viewer_window.from_px, &Viewer_window.from_py);
}

void draw_atfrom_gl() {
  int w = 0, h = 0;
  if (!viewer_area(&w, &h)) return;
  make_window_current(12);
  if (gwin_gl_ready()) {
    const Viewer_window_rec &vw = Viewer_window;
    float at[3], from[3], view[16], distance = 0.0f;
    view_param(at, from, view, &distance, 0);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_DITHER);
    float range[4];
    viewer_plane_range(range);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(range[0], range[1], range[2], range[3]);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glLineWidth(2.0f);
    // The scene's range in the plane, filled grey.
    const float lo[3] = {vw.x_min, vw.y_min, vw.z_min}, hi[3] = {vw.x_max, vw.y_max, vw.z_max};
    float h0, v0, h1, v1;
    viewer_plane_coords(lo, &h0, &v0);
    viewer_plane_coords(hi, &h1, &v1);
    glColor3f(0.7f, 0.7f, 0.7f);
    glRectf(h0, v0, h1, v1);
    // Look-from to look-at, and a cross-bar through look-from.
    float fh, fv, ah, av;
    viewer_plane_coords(from, &fh, &fv);
    viewer_plane_coords(at, &ah, &av);
    float d[2] = {ah - fh, av - fv};
    const float len = std::sqrt(d[0] * d[0] + d[1] * d[1]);
    float perp[2] = {0.0f, 1.0f};
    if (len > 0.0f) perp[0] = -d[1] / len, perp[1] = d[0] / len;
    const float bar = 0.05f * (vw.x_high - vw.x_low);
    glColor3f(1.0f, 0.0f, 0.0f);
    glBegin(GL_LINES);
    glVertex2f(fh, fv);
    glVertex2f(ah, av);
    glVertex2f(fh - bar * perp[0], fv - bar * perp[1]);
    glVertex2f(fh + bar * perp[0], fv + bar * perp[1]);
    glEnd();
    swapbuffers();
    glEnable(GL_DEPTH_TEST);
  }
  make_window_current(0);
}

void viewer_which_plane_gl(int *plane, int mode) {
  if (mode == 0) {
    *plane = Viewer_window.plane;
    return;
  }
  if (mode != 1 || *plane < 0 || *plane > 2) return;
  Viewer_window.plane = *plane;
  obsint();
  draw_atfrom_gl();
}

void viewer_which_lock(int *lock, int mode) {
  if (mode == 0)
    *lock = Viewer_window.lock;
  else if (mode == 1 && *lock >= 0 && *lock <= 2)
    Viewer_window.lock = *lock;
}

void viewer_viewplane_chng(int plane) {
  viewer_which_plane_gl(&plane, 1);
  viewer_dialog_init();
}

void viewer_gwin_redraw() {
  obsint();
  draw_atfrom_gl();
}

// ---- dragging in the window ----------------------------------------------------------

static void copy3(const float *a, float *b) {
  for (int i = 0; i < 3; i++) b[i] = a[i];
}

Viewer_drag viewer_drag_begin(int column, int row) {
  Viewer_drag d{};
  float view[16];
  view_param(d.at0, d.from0, view, &d.d0, 0);
  copy3(d.at0, d.at);
  copy3(d.from0, d.from);
  for (int i = 0; i < 3; i++) d.dir0[i] = d.from0[i] - d.at0[i];
  normlz(d.dir0);
  const Viewer_window_rec &w = Viewer_window;
  auto near = [&](float px, float py) {
    return std::fabs((float)column - px) <= 3.0f && std::fabs((float)row - py) <= 3.0f;
  };
  d.which = near(w.from_px, w.from_py) ? 1 : near(w.at_px, w.at_py) ? 2 : 0;
  return d;
}

void viewer_drag_move(Viewer_drag *d, int column, int row, int w, int h) {
  if (!d->which || w <= 0 || h <= 0) return;
  const Viewer_window_rec &vw = Viewer_window;
  const float fx = (float)column / (float)w, fy = (float)row / (float)h;
  float *p = d->which == 1 ? d->from : d->at;
  const float *start = d->which == 1 ? d->from0 : d->at0;
  copy3(start, p);
  switch (window_plane()) {
    case 0:
      p[0] = vw.x_low + (vw.x_high - vw.x_low) * fx;
      p[2] = vw.z_high + (vw.z_low - vw.z_high) * fy;
      break;
    case 1:
      p[0] = vw.x_low + (vw.x_high - vw.x_low) * fx;
      p[1] = vw.y_low + (vw.y_high - vw.y_low) * fy;
      break;
    default:
      p[1] = vw.y_low + (vw.y_high - vw.y_low) * fy;
      p[2] = vw.z_high + (vw.z_low - vw.z_high) * fx;
      break;
  }
  // The lock ties the other point to the dragged one.
  float *other = d->which == 1 ? d->at : d->from;
  if (vw.lock == 1) {
    float dir[3];
    for (int i = 0; i < 3; i++) dir[i] = p[i] - other[i];
    if (normlz(dir) > 0.0f)
      for (int i = 0; i < 3; i++) p[i] = other[i] + d->d0 * dir[i];
  } else if (vw.lock == 2) {
    const float sign = d->which == 1 ? -1.0f : 1.0f;
    for (int i = 0; i < 3; i++) other[i] = p[i] + sign * d->d0 * d->dir0[i];
  }
  // A drag that would put the two points together keeps the last viewer.
  if (d->at[0] == d->from[0] && d->at[1] == d->from[1] && d->at[2] == d->from[2]) return;
  float distance = d->d0;
  viewer_to_selected(d->at, d->from, &distance);
  draw_atfrom_gl();
  viewer_dialog_init();
  viewer_redraw();
}

void viewer_drag_end(const Viewer_drag *d) {
  float at[3], from[3], view[16], distance = 0.0f;
  view_param(at, from, view, &distance, 0);
  if (d->which) {
    viewer_record_cmd(0, from);
    viewer_record_cmd(1, at);
  }
  if (Animon) {
    if (at[0] != d->at0[0] || at[1] != d->at0[1] || at[2] != d->at0[2]) viewer_keyframe(4, at);
    if (from[0] != d->from0[0] || from[1] != d->from0[1] || from[2] != d->from0[2])
      viewer_keyframe(5, from);
  }
  viewer_marker_positions(at, from);
}

// ---- picking the look-at point -----------------------------------------------------------

#include "render/picking.h"
#include "view/observer.h"

int click_and_set_viewpoint() {
  int sx = 0, sy = 0;
  int found = 0;
  float p[3] = {0, 0, 0};
  if (viewer_pointer_windep && viewer_pointer_windep(&sx, &sy)) {
    make_window_current(0);
    fix_up_viewport(1);
    int node = -1, element = -1, part = -1, triple[3] = {0, 0, 0};
    float weights[3] = {0, 0, 0};
    return_pick_point(1, &p[0], &p[1], &p[2], &sx, &sy, &found, 1, 1, &node, &element, &part,
                      triple, weights);
  }
  if (!found) {
    set_working_cursor("**No Point Found**");
    return 0;
  }
  unset_working_cursor();
  float at[3], from[3], view[16], distance = 0.0f;
  view_param(at, from, view, &distance, 0);
  float dir[3] = {from[0] - at[0], from[1] - at[1], from[2] - at[2]};
  normlz(dir);
  for (int i = 0; i < 3; i++) {
    at[i] = p[i];
    from[i] = p[i] + distance * dir[i];
  }
  float combined[16];
  current_ctm(combined, 0);
  vewvew(at, from, &distance, combined, view);
  view_param(at, from, view, &distance, 1);
  original_view(at, from, 1);
  transf_feedback_init();
  if (Recrdr == 1) {
    if (What_trans != 0 && What_trans != 1) cmdrec("view_transf: mode global");
    char line[160];
    snprintf(line, sizeof line, "view_transf: look_from %f %f %f", from[0], from[1], from[2]);
    cmdrec(line);
    snprintf(line, sizeof line, "view_transf: look_at %f %f %f", at[0], at[1], at[2]);
    cmdrec(line);
    transf_record_whattrans(What_trans);
  }
  viewports_display_all();
  return 1;
}

// ---- the "observer_view" archive section --------------------------------------------------

#include "state/bkup_section.h"
#include "state/bkup_words.h"
#include "view/view_bkup.h"

#define OBSERVER_FIELDS 20

static void observer_fields(float v[OBSERVER_FIELDS]) {
  const Viewer_window_rec &w = Viewer_window;
  const float f[OBSERVER_FIELDS] = {w.sensitivity, w.sensitivity_scale, w.x_min, w.x_max,
                                    w.x_low, w.x_high, w.y_min, w.y_max, w.y_low, w.y_high,
                                    w.z_min, w.z_max, w.z_low, w.z_high, w.from_py, w.from_px,
                                    w.at_py, w.at_px, (float)w.plane, (float)w.lock};
  for (int i = 0; i < OBSERVER_FIELDS; i++) v[i] = f[i];
}

static int observer_failed(FILE *fp) {
  if (fp && !ferror(fp)) errno = EIO;
  perror("observer_bkup:");
  return -1;
}

static int observer_save(FILE *fp, int) {
  float v[OBSERVER_FIELDS];
  observer_fields(v);
  if (!bkup_put_float(fp, 10.0f) || !bkup_put_floats(fp, v, OBSERVER_FIELDS))
    return observer_failed(fp);
  return 1;
}

static int observer_reset() {
  Viewer_window.plane = 0;
  Viewer_window.lock = 0;
  return 1;
}

static int observer_restore(FILE *fp, int) {
  float version = 0.0f, v[OBSERVER_FIELDS];
  if (!bkup_get_float(fp, &version) || !bkup_get_floats(fp, v, OBSERVER_FIELDS))
    return observer_failed(fp);
  Viewer_window_rec &w = Viewer_window;
  float *fields[OBSERVER_FIELDS - 2] = {&w.sensitivity, &w.sensitivity_scale, &w.x_min, &w.x_max,
                                        &w.x_low, &w.x_high, &w.y_min, &w.y_max, &w.y_low,
                                        &w.y_high, &w.z_min, &w.z_max, &w.z_low, &w.z_high,
                                        &w.from_py, &w.from_px, &w.at_py, &w.at_px};
  for (int i = 0; i < OBSERVER_FIELDS - 2; i++) *fields[i] = v[i];
  // The window's projection and the drag index by plane and lock: a value
  // outside 0..2 (or no number) leaves both at their start values.
  const float plane = v[18], lock = v[19];
  if (!(plane > -1.0f && plane < 3.0f) || !(lock > -1.0f && lock < 3.0f)) {
    observer_reset();
    return -1;
  }
  w.plane = (int)plane;
  w.lock = (int)lock;
  return 1;
}

int observer_bkup(FILE *fp, int mode) {
  return view_bkup_dispatch(fp, mode, {observer_save, observer_restore, observer_reset});
}
