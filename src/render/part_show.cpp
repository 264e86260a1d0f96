// Part-show window (see part_show.h).  Owns Part_show_list and its count;
// the projection and model-view come from viewport 0 each time the window
// is drawn, the lights only when its context is set up.
#include "render/part_show.h"

#include "render/hidden_line.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

#include "client/interf_settings.h"
#include "client/screen.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/part_services.h"
#include "view/viewer_state.h"
#include "view/viewports.h"

int Part_show_list[MAX_PARTS];
int Part_show_count = 0;
int (*Part_show_window_size)(int *width, int *height) = nullptr;

namespace {

// Viewport 0's view as the part-show drawing needs it.
struct Show_view {
  float view[16];     // viewing matrix
  float ctm[16];      // model transformation
  float distance;     // viewing distance d
  float near, far;    // z-clip positions
  float angle;        // perspective angle a, degrees
};

// Reads viewport 0's view; Viewport_current is 0 afterwards.
Show_view viewport0_view() {
  Show_view v;
  Viewport_current = 0;
  float at[3], from[3];
  view_param(at, from, v.view, &v.distance, 0);
  current_ctm(v.ctm, 0);
  zclipp_locat(&v.near, &v.far, 0);
  perspective_angle(&v.angle, 0);
  return v;
}

// Projection of a width x height window: viewport 0's perspective, else an
// orthographic box of half-width d tan(a); leaves matrix mode projection.
void load_projection(const Show_view &v, int width, int height) {
  const double r = (double)Anim_aspect_ratio * width / (height > 0 ? height : 1);
  const double t = std::tan(v.angle * 0.017453292);
  const double half = v.distance * t;
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  if (viewport_perspective_on(0))
    gluPerspective(2.0 * v.angle, r, v.near, v.far);
  else
    glOrtho(-half, half, -half / r, half / r, v.near, v.far);
}

// The polygon-offset pair of fast hidden line, in the order glPolygonOffset
// takes it (the bias as the slope factor, the offset as the constant).
void polygon_offset_pair(float *bias, float *offset) {
  int toggle = 0;
  sleazy_hidden_line_values(&toggle, bias, offset, 0);
}

// Size of window code of display dpy: the part-show window, or the
// display's main graphics window from its stored pixel bounds.  0 when the
// window does not exist.
int window_size(int code, int dpy, int *width, int *height) {
  if (code == 8) return Part_show_window_size && Part_show_window_size(width, height) ? 1 : 0;
  int x0, x1, y0, y1;
  grasal(&x0, &x1, &y0, &y1, dpy, 0);
  *width = x1 >= x0 ? x1 - x0 + 1 : 1;
  *height = y1 >= y0 ? y1 - y0 + 1 : 1;
  return 1;
}

// Lights 1 and 2 as the scene uses them: light 1 from the viewer with
// two-sided lighting, or from behind with light 2 from the viewer and
// one-sided lighting when two lights are used.
void load_lights() {
  const bool two = Lighting_two_lights != 0;
  const float white[4] = {1, 1, 1, 1}, black[4] = {0, 0, 0, 1};
  const float behind[4] = {0, 0, -1, 0}, front[4] = {0, 0, 1, 0};
  glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, two ? 0 : 1);
  for (GLenum light : {GL_LIGHT1, GL_LIGHT2}) {
    glLightfv(light, GL_DIFFUSE, white);
    glLightfv(light, GL_SPECULAR, white);
    glLightfv(light, GL_AMBIENT, black);
  }
  glLightfv(GL_LIGHT1, GL_POSITION, two ? behind : front);
  glLightfv(GL_LIGHT2, GL_POSITION, front);
  glEnable(GL_LIGHT1);
  if (two)
    glEnable(GL_LIGHT2);
  else
    glDisable(GL_LIGHT2);
}

void forget_lighting_cache() {
  const float none[4] = {0, 0, 0, 0};
  open_gl_lighting_parameters(GL_CLEAR, none);
}

void make_main_current(int dpy) {
  int code = 0;
  gwin_gl_curwin(&code, 1, &dpy);
}

}  // namespace

void part_draw_init() { copy_main_window_context(8); }

void copy_main_window_context(int code) {
  float bias, offset;
  polygon_offset_pair(&bias, &offset);
  const int saved_viewport = Viewport_current;
  const Show_view v = viewport0_view();
  int current_code = 0, current_dpy = 0;
  gwin_gl_curwin(&current_code, 0, &current_dpy);
  const int saved_dpy_current = Dpy_current;

  const int displays = code == 8 ? 1 : Dpy_cnt;
  for (int i = 0; i < displays; i++) {
    int width = 0, height = 0;
    if (!window_size(code, i, &width, &height)) continue;
    Dpy_current = i;
    int c = code, d = i;
    gwin_gl_curwin(&c, 1, &d);
    if (!gwin_gl_ready()) continue;
    glPolygonOffset(bias, offset);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_DITHER);
    glClearDepth(1.0);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_LIGHTING);
    load_projection(v, width, height);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(v.view);
    glMultMatrixf(v.ctm);
    glPushMatrix();
    glLoadIdentity();
    load_lights();
    glPopMatrix();
    swapbuffers();
    // The display's cache no longer tells what its contexts hold.
    forget_lighting_cache();
  }
  Dpy_current = saved_dpy_current;
  make_main_current(current_dpy);
  Viewport_current = saved_viewport;
}

void draw_parts_show(int count, const int *numbers) {
  // One number at a time, so that a group's members (at most MAX_PARTS)
  // always fit the scratch list, and the shown list stops at MAX_PARTS.
  static int members[MAX_PARTS + 1];
  Part_show_count = 0;
  for (int k = 0; k < count && numbers; k++) {
    int n = 0;
    uncompress_part_list(1, &n, &numbers[k], members);
    for (int m = 0; m < n && Part_show_count < MAX_PARTS; m++)
      Part_show_list[Part_show_count++] = members[m];
  }
  part_show_refresh();
}

void part_show_refresh() {
  int width = 0, height = 0;
  if (!window_size(8, 0, &width, &height)) return;
  const int saved_viewport = Viewport_current;
  const Show_view v = viewport0_view();
  // The window belongs to display 0, whose lighting cache the drawing uses;
  // afterwards the display that was current is current again.
  int current_code = 0, current_dpy = 0;
  gwin_gl_curwin(&current_code, 0, &current_dpy);
  const int saved_dpy_current = Dpy_current;
  Dpy_current = 0;
  int code = 8, dpy = 0;
  gwin_gl_curwin(&code, 1, &dpy);
  if (gwin_gl_ready()) {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(v.view);
    glMultMatrixf(v.ctm);
    load_projection(v, width, height);
    glMatrixMode(GL_MODELVIEW);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // The lighting cache follows display 0's main context; this context
    // shares its display but not its material state.
    forget_lighting_cache();
    for (int k = 0; k < Part_show_count; k++)
      if (Part_show_list[k] > 0) display_a_part(Part_show_list[k]);
    forget_lighting_cache();
    swapbuffers();
  }
  make_main_current(current_dpy);
  Dpy_current = saved_dpy_current;
  Viewport_current = saved_viewport;
}
