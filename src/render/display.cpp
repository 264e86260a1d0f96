// Display driver entries (see display.h).  Owns Dpy_current and the pixel
// bounds of each display.
#include "render/display.h"

#include <GL/gl.h>

#include <cstring>

#include "client/interf_settings.h"
#include "render/disobj.h"
#include "client/screen.h"
#include "view/viewer_state.h"
#include "view/viewports.h"

int Dpy_current = 0;
float Anim_aspect_ratio = 1.0f;

static int Bounds[2][4];  // xmin, xmax, ymin, ymax of each display's window, pixels

int grasal(int *xmin, int *xmax, int *ymin, int *ymax, int dpy, int mode) {
  if (dpy < 0 || dpy > 1) return 0;
  int *b = Bounds[dpy];
  int *v[4] = {xmin, xmax, ymin, ymax};
  for (int i = 0; i < 4; i++) {
    if (mode == 1)
      b[i] = *v[i];
    else
      *v[i] = b[i];
  }
  return 0;
}

// Viewport 0 at the first initialisation: a constant black background with
// three blend levels prepared (black, dark blue, blue at 0, 0.5, 1),
// visible, 3-D with the identity 2-D matrix, its pixel rectangle, selected
// alone.
static void first_viewport_setup() {
  Viewport_rec &vp = Viewports[0];
  float *a = vp.attributes;
  a[VP_BACKGROUND_TYPE] = 2.0f;
  for (int i = 0; i < 3; i++) a[VP_CONSTANT_RGB + i] = 0.0f;
  a[VP_BLEND_LEVELS] = 3.0f;
  const float blend[3][3] = {{0, 0, 0}, {0, 0, 0.3f}, {0, 0, 0.6f}};
  const float position[3] = {0.0f, 0.5f, 1.0f};
  for (int level = 0; level < 3; level++) {
    memcpy(&a[VP_BLEND_RGB + 3 * level], blend[level], sizeof blend[level]);
    a[VP_BLEND_POSITION + level] = position[level];
  }
  a[VP_VISIBLE] = 1.0f;
  vp.two_d = 0;
  viewport_pixel_rectangle(0);
  int4x4(vp.matrix_2d);
  int count = 1, list[MAX_VIEWPORTS] = {0};
  current_selected_viewports(&count, list, 1);
}

// The initial view around the box -1..1, then every viewport's model
// transformation reset.
static void first_view_setup() {
  intvew(-1.0f, 1.0f, -1.0f, 1.0f, -1.0f, 1.0f);
  const int all[3] = {1, 1, 1};
  for (int v = 0; v < MAX_VIEWPORTS; v++) {
    Viewport_current = v;
    init_transforms(all);
  }
  Viewport_current = 0;
}

void vwint(int dpy) {
  static bool first = true;
  int code = 0;
  gwin_gl_curwin(&code, 1, &dpy);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glClearColor(baccol[0], baccol[1], baccol[2], 0.0f);
  glClearDepth(1.0);
  glClearStencil(1);
  if (first) {
    first = false;
    first_viewport_setup();
    if (dpy == 0) first_view_setup();
  }
  Gwmain = 1;
  Initial_screen = Dont_use_start_screen ? 0 : 1;
}

void clear_current_window() {
  glClearColor(baccol[0], baccol[1], baccol[2], 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  swapbuffers();
}

void initial_screen(int dpy) {
  int code = 0;
  gwin_gl_curwin(&code, 1, &dpy);
  clear_current_window();
}

void display_all() { viewports_display_all(); }

void part_draw_init() {}

void part_show_refresh() {}

void view_menu_init() {}

// No part is drawn yet, so none contributes.
void find_min_max_viewport(int, float *x_min, float *x_max, float *y_min, float *y_max,
                           float *z_min, float *z_max) {
  *x_min = *y_min = *z_min = -1.0f;
  *x_max = *y_max = *z_max = 1.0f;
}

int display_lists_context_enter() {
  if (Dpy_cnt != 2 || Dpy_current != 0) return 0;
  int code = 0, dpy = 1;
  Dpy_current = 1;
  gwin_gl_curwin(&code, 1, &dpy);
  return 1;
}

void display_lists_context_leave(int switched) {
  if (!switched) return;
  int code = 0, dpy = 0;
  Dpy_current = 0;
  gwin_gl_curwin(&code, 1, &dpy);
}
