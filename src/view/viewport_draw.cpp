// The drawing services of the viewports that the redraw driver and the part
// passes use (see viewports.h): stacking positions, the overlap mask in the
// stencil buffer, the background colour at a height, the outline and the
// floating z-clip fit.  Keeps nothing of its own: the stencil mask's owner
// is recorded in Stencil_current_viewport.
#include <GL/gl.h>

#include <algorithm>

#include "client/interf_settings.h"
#include "client/screen.h"
#include "parts/read.h"
#include "render/display.h"
#include "view/viewports.h"

int viewport_stack_location(int viewport) {
  for (int i = 0; i < Num_active_viewports && i < MAX_VIEWPORTS; i++)
    if (Viewport_display_order[i] == viewport) return i;
  return -1;
}

// The GL rectangle (x, y, width, height) of viewport v in a window of
// W x H pixels, as fix_up_viewport sets it.
static void window_rectangle(int v, float W, float H, int r[4]) {
  const float *a = Viewports[v].attributes;
  r[0] = (int)(a[VP_ORIGIN_X] * W);
  r[1] = (int)(a[VP_ORIGIN_Y] * H);
  r[2] = std::max(1, (int)(a[VP_WIDTH] * W));
  r[3] = std::max(1, (int)(a[VP_HEIGHT] * H));
}

// Stencil 0 where the current viewport shows, 1 everywhere else (outside
// it, and where a visible viewport above it covers it).
static void stencil_mask_of_current(int dpy) {
  int x0, x1, y0, y1;
  grasal(&x0, &x1, &y0, &y1, dpy, 0);
  const float W = (float)(x1 - x0 + 1), H = (float)(y1 - y0 + 1);
  glPushAttrib(GL_ALL_ATTRIB_BITS);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0, W, 0, H, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glViewport(0, 0, (int)W, (int)H);
  glDisable(GL_SCISSOR_TEST);
  glClearStencil(1);
  glClear(GL_STENCIL_BUFFER_BIT);
  glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
  glDepthMask(GL_FALSE);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glEnable(GL_STENCIL_TEST);
  glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
  int r[4];
  glStencilFunc(GL_ALWAYS, 0, 1);
  window_rectangle(Viewport_current, W, H, r);
  glRecti(r[0], r[1], r[0] + r[2], r[1] + r[3]);
  glStencilFunc(GL_ALWAYS, 1, 1);
  for (int i = viewport_stack_location(Viewport_current) + 1; i > 0 && i < Num_active_viewports;
       i++) {
    const int v = Viewport_display_order[i];
    if (Viewports[v].attributes[VP_VISIBLE] == 0.0f) continue;
    window_rectangle(v, W, H, r);
    glRecti(r[0], r[1], r[0] + r[2], r[1] + r[3]);
  }
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopAttrib();
  glDisable(GL_STENCIL_TEST);
}

void viewport_create_stencil_buffer() {
  int code = 0;
  for (int d = 0; d < Dpy_cnt && d < 2; d++) {
    if (Dpy_cnt > 1) {
      int dd = d;
      Dpy_current = d;
      gwin_gl_curwin(&code, 1, &dd);
    }
    if (gwin_gl_ready()) stencil_mask_of_current(d);
  }
  if (Dpy_cnt > 1) {
    int zero = 0;
    Dpy_current = 0;
    gwin_gl_curwin(&code, 1, &zero);
  }
  Stencil_current_viewport = Viewport_current;
}

void get_b_color(float height, float *r, float *g, float *b) {
  const float *a = Viewports[Viewport_current].attributes;
  const float *rgb = &a[VP_CONSTANT_RGB];
  if (our_rint(a[VP_BACKGROUND_TYPE]) == 3) {
    int levels = std::min(5, std::max(2, our_rint(a[VP_BLEND_LEVELS])));
    rgb = &a[VP_BLEND_RGB + 3 * (levels - 1)];
    for (int l = 1; l < levels; l++) {
      const float lo = a[VP_BLEND_POSITION + l - 1], hi = a[VP_BLEND_POSITION + l];
      if (height > hi && l < levels - 1) continue;
      const float *c0 = &a[VP_BLEND_RGB + 3 * (l - 1)], *c1 = &a[VP_BLEND_RGB + 3 * l];
      float t = hi > lo ? (height - lo) / (hi - lo) : 1.0f;
      t = std::min(1.0f, std::max(0.0f, t));
      *r = c0[0] + t * (c1[0] - c0[0]);
      *g = c0[1] + t * (c1[1] - c0[1]);
      *b = c0[2] + t * (c1[2] - c0[2]);
      return;
    }
  }
  *r = rgb[0];
  *g = rgb[1];
  *b = rgb[2];
}

// Borders arrive with the viewport redraw passes: nothing is drawn.
void draw_viewport_outline() {}

// The fit of the z-clip planes to the scene arrives with the z-clip
// settings: the planes stay where they are.
void adjust_floating_z_planes() {}
