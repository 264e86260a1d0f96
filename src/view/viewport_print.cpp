// The all-viewports print (see viewport_print.h).  Owns nothing; it sets
// Vek_in_progress (render/vector_print.h) while the viewports are captured,
// so that the drawing code that prints differently knows.  A library error
// makes the whole page fail: the error is kept from the call that raised it
// to the end of the page, since each check clears the library's own.
#include "view/viewport_print.h"

#include <GL/gl.h>

#include <cstdio>

#include "client/interf_settings.h"
#include "client/screen.h"
#include "derived/clip.h"
#include "derived/iso.h"
#include "flow/anim_trace.h"
#include "palette/annotate.h"
#include "palette/function.h"
#include "query/plotter.h"
#include "query/probe.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/hidden_line.h"
#include "render/redraw.h"
#include "render/vector_print.h"
#include "view/frames.h"
#include "view/viewport_redraw.h"
#include "view/viewports.h"

namespace {

const int Capture_size = 100000;  // feedback values of each capture group
const int Logo_slots = 311;

int Page_error = 0;  // 1 once any library call of the page failed

// After every library call: a pending error is printed and kept.
void vek_check(int line) {
  int code = vekGetError();
  if (code == 0) return;
  fprintf(stderr, ">>>>\tVEK error %d (%s) at line %d in %s\n", code, vekGetErrorMsg(code), line,
          "viewports");
  Page_error = 1;
}
#define VEK_CHECK() vek_check(__LINE__)

// The projection, model-view and GL viewport around the viewport captures.
void push_gl_state() {
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glPushAttrib(GL_VIEWPORT_BIT);
}
void pop_gl_state() {
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glPopAttrib();
}

void make_display(int d) {
  if (Dpy_current == d) return;
  int code = 0;
  Dpy_current = d;
  gwin_gl_curwin(&code, 1, &d);
}

// The page set-up common to both kinds; false when the page did not begin
// (the file is then still the caller's).
bool begin_page(int colour, int landscape, int encapsulated, FILE *fp) {
  char title[64];
  snprintf(title, sizeof title, "Quivane %s %s", "7.1.0", "(a)");
  vekBeginPage(encapsulated ? 17 : 16, title, "", "", fp);
  vek_check(__LINE__);
  if (Page_error) return false;
  vekSetPage(8.5f, 11.0f, landscape ? 75 : 74, 1, 0.5f, 0.5f, 0.5f, 0.5f);
  VEK_CHECK();
  vekSetDevice(colour ? 67 : 66, 0);
  VEK_CHECK();
  return true;
}

// The legends, annotation and plots as one capture, when they give any vertex.
void overlay_capture() {
  const int n = get_legendbars_vertex_count() + get_plotter_vertex_count() +
                get_annotate_vertex_count();
  if (n <= 0) return;
  vekBegin('!', n);
  VEK_CHECK();
  vekEnable(112);
  VEK_CHECK();
  if (Legenf) draw_legend_bars();
  showtext();
  display_plots();
  vekEnd();
  VEK_CHECK();
}

// One capture group around a drawing routine.
template <class F>
void capture(F draw) {
  vekBegin('#', Capture_size);
  VEK_CHECK();
  draw();
  vekEnd();
  VEK_CHECK();
}

void print_viewport(int v) {
  const Viewport_rec &vp = Viewports[v];
  const float *a = vp.attributes;
  const bool shown = a[VP_VISIBLE] != 0.0f;
  if (!shown && v != 0) return;
  fix_up_viewport(1);
  if (!shown || a[VP_BORDER_VISIBLE] != 1.0f)
    vekSetViewport(162, nullptr, a + VP_CONSTANT_RGB);
  else
    vekSetViewport(163, a + VP_BORDER_RGB, a + VP_CONSTANT_RGB);
  VEK_CHECK();
  if (!shown) return;  // the hidden main viewport still gives the page its background
  if (Hlinet)
    disobj_hidden_print();
  else
    disobj_print();
  if (Anitrt) {
    float trace[8] = {1.0f};
    ani_trace_attribute(trace, 0);
    glLineWidth(trace[0]);
    vekBegin('#', Capture_size);
    VEK_CHECK();
    vekSetStyle(0, 0, 1, 0.75f, 0);
    VEK_CHECK();
    draw_anim_trace();
    vekEnd();
    VEK_CHECK();
  }
  if (Do_realtime_iso) capture(iso_realtime_redo_all);
  if (Move_realtime_traces) capture(realtime_particle_traces);
  if (Do_realtime_clips != -1) capture(clip_realtime_update_part);
  capture([] {
    if (Axiso1 || Axiso2 || Axiso3) axis_display();
    draw_tools();
  });
  display_iq_values();
  display_query_locations();
}

void image_page(int preview, int W, int H) {
  if (preview) {
    vekEnable(123);
    VEK_CHECK();
  }
  vekImage(0, 0, W, H);
  VEK_CHECK();
  overlay_capture();
  vekEndPage();
  VEK_CHECK();
}

void move_draw_page(int cull, int subdivide, int preview, int W, int H) {
  vekSetFont(98, 106, 10.0f);
  VEK_CHECK();
  vekSetStyle(0, 0, 0, 0.25f, 0);
  VEK_CHECK();
  for (int option : {cull ? 114 : 0, subdivide ? 112 : 0, preview ? 123 : 0}) {
    if (!option) continue;
    vekEnable(option);
    VEK_CHECK();
  }
  const int saved = Viewport_current;
  for (int i = 0; i < Num_active_viewports; i++) {
    const int v = Viewport_display_order[i];
    if (v != Viewport_current) Resort_transparent = 1;
    Viewport_current = v;
    print_viewport(v);
    if (Viewport_current != saved) Resort_transparent = 1;
    Viewport_current = saved;
  }
  pop_gl_state();
  if (get_legendbars_vertex_count() + get_plotter_vertex_count() + get_annotate_vertex_count() >
      0) {
    glViewport(0, 0, W, H);
    vekSetViewport(160, nullptr, nullptr);
    VEK_CHECK();
    overlay_capture();
  }
  for (int i = 0; i < Logo_slots; i++) {
    int x0, x1, y0, y1;
    if (return_logo_location(i, &x0, &x1, &y0, &y1) != 1) continue;
    vekSetViewport(160, nullptr, nullptr);
    VEK_CHECK();
    vekImage(x0, y0, x1 - x0 + 1, y1 - y0 + 1);
    VEK_CHECK();
  }
  vekEndPage();
  VEK_CHECK();
}

}  // namespace

int print_all_viewports(int colour, int move_draw, int cull, int subdivide, int landscape,
                        int encapsulated, int preview, const char *file) {
  FILE *fp = file ? fopen(file, "w") : nullptr;
  if (!fp) return 1;
  Page_error = 0;
  if (Dpy_cnt >= 2) make_display(1);
  int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
  grasal(&x0, &x1, &y0, &y1, Dpy_current, 0);
  const int W = x1 - x0 + 1, H = y1 - y0 + 1;
  glViewport(0, 0, W, H);
  if (move_draw) {
    push_gl_state();
    Vek_in_progress = 1;
  }
  if (!begin_page(colour, landscape, encapsulated, fp)) {
    // The library never took the file: the page is abandoned here.
    fclose(fp);
    if (move_draw) {
      Vek_in_progress = 0;
      pop_gl_state();
    }
    if (Dpy_cnt >= 2) make_display(0);
    return 1;
  }
  if (!move_draw) {
    image_page(preview, W, H);
    return Page_error ? 1 : 0;
  }
  move_draw_page(cull, subdivide, preview, W, H);
  Vek_in_progress = 0;
  if (Dpy_cnt >= 2) make_display(0);
  VEK_CHECK();
  if (Page_error) {
    fprintf(stderr, "Move-draw postscript failed");
    return 1;
  }
  return 0;
}
