// Display driver entries (see display.h).  Owns Dpy_current and the pixel
// bounds of each display.
#include "render/display.h"

#include <GL/gl.h>

#include "render/disobj.h"
#include "client/screen.h"
#include "view/viewports.h"

int Dpy_current = 0;

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

void vwint(int dpy) {
  int code = 0;
  gwin_gl_curwin(&code, 1, &dpy);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glClearColor(baccol[0], baccol[1], baccol[2], 0.0f);
  glClearDepth(1.0);
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

void part_draw_init() {}

void part_show_refresh() {}

void view_menu_init() {}
