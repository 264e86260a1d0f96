// The saved window pictures (see viewport_images.h).  Owns Parray and
// Parray_stereo; the redraw's back-buffer copy, viewport-editing mode and
// the 6-D cursor fill and read them.  A buffer whose allocation failed stays
// null and is never touched: saving skips it and painting back redraws the
// scene instead.
#include "view/viewport_images.h"

#include <GL/gl.h>

#include "client/alloc_gate.h"
#include "client/interf_settings.h"
#include "client/screen.h"
#include "interact/stereo.h"
#include "render/disobj.h"
#include "render/display.h"
#include "view/viewport_gl2d.h"
#include "view/viewport_redraw.h"

unsigned char *Parray = nullptr;
unsigned char *Parray_stereo = nullptr;
long Parray_size = 0;
long Parray_stereo_size = 0;

static bool windowed_stereo() { return Stereo_mode && Stereo_in_window; }

// Bytes of a screen-sized RGBA picture; the window's size when no screen
// answers.
static long screen_bytes() {
  int w = 0, h = 0;
  if (!screen_size(0, &w, &h) || w <= 0 || h <= 0) {
    int x0, x1, y0, y1;
    grasal(&x0, &x1, &y0, &y1, 0, 0);
    w = x1 - x0 + 1;
    h = y1 - y0 + 1;
  }
  return 4L * (w > 0 ? w : 1) * (h > 0 ? h : 1);
}

static void allocate(unsigned char **buf, long *size, const char *name) {
  if (*size != 0) return;
  *size = screen_bytes();
  *buf = static_cast<unsigned char *>(gate_calloc((size_t)*size, 1));
  if (!*buf) report_alloc_failure(__LINE__, "viewports", name);
}

void check_size_parray() {
  allocate(&Parray, &Parray_size, "Parray");
  if (windowed_stereo()) allocate(&Parray_stereo, &Parray_stereo_size, "Parray_stereo");
}

// Width and height of display Dpy_current's graphics window; false when a
// buffer of the screen's size could not hold it.
static bool window_size(int *w, int *h, long buffer_size) {
  int x0, x1, y0, y1;
  grasal(&x0, &x1, &y0, &y1, Dpy_current, 0);
  *w = x1 - x0 + 1;
  *h = y1 - y0 + 1;
  return *w > 0 && *h > 0 && 4L * *w * *h <= buffer_size;
}

static int eye_count() { return windowed_stereo() ? 2 : 1; }
static unsigned char *eye_buffer(int eye) { return eye == 0 ? Parray : Parray_stereo; }
static long eye_size(int eye) { return eye == 0 ? Parray_size : Parray_stereo_size; }

void read_6dinput_window_image() { read_window_image(0); }

void read_window_image(int back) {
  if (!gwin_gl_ready()) return;
  check_size_parray();
  for (int eye = 0; eye < eye_count(); eye++) {
    int w, h;
    unsigned char *buf = eye_buffer(eye);
    if (!buf || !window_size(&w, &h, eye_size(eye))) continue;
    if (windowed_stereo() && back)
      glReadBuffer(eye == 0 ? GL_BACK_LEFT : GL_BACK_RIGHT);
    else if (windowed_stereo())
      glReadBuffer(eye == 0 ? GL_FRONT_LEFT : GL_FRONT_RIGHT);
    else
      glReadBuffer(back ? GL_BACK : GL_FRONT);
    gl2d_window_begin(w, h);
    glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, buf);
    gl2d_window_end();
  }
}

void write_6dinput_window_image() {
  if (!gwin_gl_ready()) return;
  bool missing = false;
  for (int eye = 0; eye < eye_count(); eye++) {
    int w, h;
    if (!eye_buffer(eye) || !window_size(&w, &h, eye_size(eye))) missing = true;
  }
  if (missing) {
    display_viewport_all(0, 0);
    return;
  }
  glDisable(GL_CLIP_PLANE0);
  glDisable(GL_CLIP_PLANE1);
  for (int eye = 0; eye < eye_count(); eye++) {
    int w, h;
    window_size(&w, &h, eye_size(eye));
    if (windowed_stereo()) glDrawBuffer(eye == 0 ? GL_BACK_LEFT : GL_BACK_RIGHT);
    gl2d_window_begin(w, h);
    glRasterPos2i(0, 0);
    glDrawPixels(w, h, GL_RGBA, GL_UNSIGNED_BYTE, eye_buffer(eye));
    gl2d_window_end();
  }
  if (Plane_clipp_toggle) glEnable(GL_CLIP_PLANE0);
  if (Plane2_clipp_toggle) glEnable(GL_CLIP_PLANE1);
}

void restore_viewport_mode_image() {
  if (Dpy_cnt <= 1) {
    write_6dinput_window_image();
    return;
  }
  float now[MAX_VIEWPORTS][4];
  for (int v = 0; v < MAX_VIEWPORTS; v++)
    for (int k = 0; k < 4; k++) {
      now[v][k] = Viewports[v].attributes[VP_ORIGIN_X + k];
      Viewports[v].attributes[VP_ORIGIN_X + k] = Saved_viewport_locations[v][k];
    }
  display_viewport_all(0, 0);
  for (int v = 0; v < MAX_VIEWPORTS; v++)
    for (int k = 0; k < 4; k++) Viewports[v].attributes[VP_ORIGIN_X + k] = now[v][k];
}
