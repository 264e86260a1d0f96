// The redraw driver (see redraw.h).  Owns the stereo frustum results and the
// installed pass table; everything else it reads is owned elsewhere and
// only Viewport_current, Resort_transparent, Last_current_mode, the stereo
// field size and, for the duration of a call, Quivane_display_list and
// Box_mode_always are written here.
#include "render/redraw.h"

#include <GL/gl.h>

#include <cmath>
#include <cstring>

#include "anim/animate.h"
#include "client/cmd_play.h"
#include "client/interf_settings.h"
#include "client/screen.h"
#include "derived/clip.h"
#include "derived/iso.h"
#include "flow/anim_trace.h"
#include "interact/movmnt.h"
#include "interact/stereo.h"
#include "interact/support.h"
#include "interact/tool_records.h"
#include "palette/annotate.h"
#include "palette/function.h"
#include "query/plotter.h"
#include "query/probe.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/hidden_line.h"
#include "render/transparent.h"
#include "view/frames.h"
#include "view/viewer_state.h"
#include "view/viewports.h"

float Stereo_left = 0.0f, Stereo_right = 0.0f, Stereo_top = 0.0f, Stereo_bottom = 0.0f;
float Stereo_eye = 0.0f;
void (*toggle_stereo_buffer_windep)(int buffer) = nullptr;

// The tools that are shown, with the seam curves of developed surfaces.
void draw_tools() {
  if (Curson) tracur();
  if (Lineon) tralin();
  if (Planon) trapln();
  if (Curve_clip_tool == 1 || Seam_Display == 1 || Seam_Display == 5) tracylinder();
  if (Curve_clip_tool == 3 || Seam_Display == 3) tracone();
  if (Curve_clip_tool == 2 || Seam_Display == 2) trasphere();
  if (Curve_clip_tool == 4 || Seam_Display == 4) trarevtool();
}

namespace {

void real_stereo_buffer(int buffer) {
  if (toggle_stereo_buffer_windep) toggle_stereo_buffer_windep(buffer);
}
void no_screen() {}

const Redraw_calls Real_calls = {disobj,           disobj_hidden, erase_screen,
                                 swapbuffers,      real_stereo_buffer,
                                 no_screen,  // the plotter screen arrives with the plotters
                                 display_annotation_mode, display_viewport_mode};
Redraw_calls Calls = Real_calls;

// Saves Quivane_display_list and Box_mode_always for one redraw, forcing
// the recorded display list while an object flipbook plays, and puts both
// back at the end.
struct Redraw_settings {
  int list, box;
  Redraw_settings() : list(Quivane_display_list), box(Box_mode_always) {
    if (Quivane_display_list == 0 && Flprun && !Flppix && !Loading_flipbook)
      Quivane_display_list = 1;
  }
  ~Redraw_settings() {
    Quivane_display_list = list;
    Box_mode_always = box;
  }
};

// A display is drawn fully when it is the only one, or display 1.
bool drawn_fully(int d) { return Dpy_cnt < 2 || d == 1; }

void make_display_current(int d, bool copy_transforms) {
  if (Dpy_cnt < 2 || d == Dpy_current) return;
  int code = 0;
  Dpy_current = d;
  gwin_gl_curwin(&code, 1, &d);
  if (d != 0 && copy_transforms) copy_transforms_from_root_window(d);
}

// The start of display d's drawing: box mode forced when it is not drawn
// fully, and d current.  Whether it is drawn fully.
bool begin_display(int d) {
  const bool full = drawn_fully(d);
  if (!full) Box_mode_always = 1;
  make_display_current(d, true);
  return full;
}

// The common start of a redraw: false while playback defers refresh;
// otherwise the floating z-clip planes are fitted first.
bool redraw_wanted() {
  if (Play_file_no_update) return false;
  if (Floating_z_planes) adjust_floating_z_planes();
  return true;
}

void back_to_display_0() {
  if (Dpy_cnt >= 2 && Dpy_current != 0) make_display_current(0, false);
}

// The overlap mask of the current viewport (rebuilt when another
// viewport's is held, or always), with the stencil test on.  Rebuilding
// makes display 0 current, so display d is made current again.
void overlap_stencil_on(int d, bool always) {
  if (always || Stencil_current_viewport != Viewport_current) {
    viewport_create_stencil_buffer();
    make_display_current(d, false);
  }
  glEnable(GL_STENCIL_TEST);
  glStencilFunc(GL_EQUAL, 0, 1);
  glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
}

// The flipbook's step of a redraw, with the animated traces it carries.
void flipbook_step(bool *traces_advanced) {
  if (!Flprun || !Flpaut) return;
  increment_flipbook();
  if (Anitrt) {
    update_atraces();
    *traces_advanced = true;
  }
}

// What one variant draws per viewport, after the background.
struct Pass_plan {
  bool hidden = false;        // the hidden-line pass in place of the parts pass
  int parts_type = 1;         // disobj type of the parts pass
  bool transparent = false;   // disobj type 3 after the tools
  bool axes_first = false;    // axis triads before the interactive overlays
  int cross_eye = -1;         // the 6-D cross for this eye; -1 none
  bool query_markers = true;  // query markers after the probe's values
  bool full = true;           // the display is drawn fully
};

void viewport_passes(const Pass_plan &p) {
  if (p.hidden)
    Calls.disobj_hidden();
  else
    Calls.disobj(p.parts_type, 0);
  const bool axes = Axiso1 || Axiso2 || Axiso3;
  if (p.axes_first && axes) axis_display();
  if (Anitrt && p.full) draw_anim_trace();
  if (Do_realtime_iso && p.full) iso_realtime_redo_all();
  if (Move_realtime_traces && p.full) realtime_particle_traces();
  if (!p.axes_first && axes) axis_display();
  draw_tools();
  if (p.transparent) Calls.disobj(3, 0);
  if (p.cross_eye >= 0 && Input_6d) draw_imersa_cross(Stereo_mode, p.cross_eye);
  if (p.full) {
    display_iq_values();
    if (p.query_markers) display_query_locations();
  }
  draw_viewport_outline();
}

// The current viewport: an invisible viewport 0 is still erased, another
// invisible one left untouched.
void draw_viewport(const Pass_plan &p) {
  if (Viewports[Viewport_current].attributes[VP_VISIBLE] == 0.0f) {
    if (Viewport_current == 0) Calls.erase_screen();
    return;
  }
  Calls.erase_screen();
  viewport_passes(p);
}

// Legends, annotation and plots over the scene, after the trace step of
// the last display.
void scene_overlays(bool last, bool traces_advanced) {
  if (Anitrt && !traces_advanced && last) update_atraces();
  if (Legenf) draw_legend_bars();
  showtext();
  display_plots();
}

// The viewports at stacking positions [first, end) drawn in turn, starting
// with the current one, each after the first made current and set up; the
// projection, model-view and GL viewport saved around them when there are
// several; the viewport current on entry made current again.
void stacked_viewports(int first, int end, const Pass_plan &p) {
  const int remembered = Viewport_current;
  int last_set_up = Viewport_current;
  const bool several = end - first >= 2;
  float projection[16];
  if (several) {
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glPushAttrib(GL_VIEWPORT_BIT);
  }
  for (int i = first; i < end; i++) {
    draw_viewport(p);
    if (!several || i == end - 1) continue;
    Viewport_current = Viewport_display_order[i + 1];
    if (Viewports[Viewport_current].attributes[VP_VISIBLE] == 0.0f) continue;
    if (Viewport_current != last_set_up) {
      Resort_transparent = 1;
      last_set_up = Viewport_current;
    }
    fix_up_viewport(1);
  }
  if (several) {
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(projection);
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
  }
  Viewport_current = remembered;
  if (last_set_up != remembered) Resort_transparent = 1;
}

// Positions [first, end) of the viewports a redraw without the stencil
// buffer draws: the current one and, when viewports overlap, every one
// above it.
void viewports_from_current(bool overlap, int *first, int *end) {
  *first = 0;
  *end = 1;
  const int at = viewport_stack_location(Viewport_current);
  if (!overlap || at < 0) return;
  *first = at;
  *end = Num_active_viewports;
}

bool mode_screen() {
  void (*screen)() = Current_mode == 4   ? Calls.plotter_mode
                     : Current_mode == 3 ? Calls.annotation_mode
                     : Current_mode == 5 ? Calls.viewport_mode
                                         : nullptr;
  if (!screen) return false;
  Last_current_mode = -1;
  screen();
  return true;
}

}  // namespace

void redraw_calls(const Redraw_calls *c) {
  Calls = Real_calls;
  if (!c) return;
  if (c->disobj) Calls.disobj = c->disobj;
  if (c->disobj_hidden) Calls.disobj_hidden = c->disobj_hidden;
  if (c->erase_screen) Calls.erase_screen = c->erase_screen;
  if (c->swapbuffers) Calls.swapbuffers = c->swapbuffers;
  if (c->stereo_buffer) Calls.stereo_buffer = c->stereo_buffer;
  if (c->plotter_mode) Calls.plotter_mode = c->plotter_mode;
  if (c->annotation_mode) Calls.annotation_mode = c->annotation_mode;
  if (c->viewport_mode) Calls.viewport_mode = c->viewport_mode;
}

void display_all() {
  if (!redraw_wanted()) return;
  if (mode_screen()) return;
  if (Stereo_mode) {
    float ctm[16], at[3], from[3], view[16], distance, angle;
    current_ctm(ctm, 0);
    view_param(at, from, view, &distance, 0);
    perspective_angle(&angle, 0);
    display_all_stereo(at, from, distance, ctm, view, angle);
    return;
  }
  Redraw_settings settings;
  bool traces_advanced = false;
  const bool overlap = Num_viewports_overlapping > 0;
  for (int d = 0; d < Dpy_cnt; d++) {
    const bool last = d == Dpy_cnt - 1, full = begin_display(d);
    int first = 0, end = 1;
    if (Use_stencil_buffer) {
      if (overlap) overlap_stencil_on(d, false);
    } else {
      viewports_from_current(overlap, &first, &end);
    }
    if (d == 0) flipbook_step(&traces_advanced);
    if (Flppix && Flprun) {
      display_flipbook_pix();
    } else {
      if (Do_realtime_iso && d == 0) increment_realtime_isos();
      Pass_plan plan;
      plan.hidden = Hlinet && !Flprun;
      plan.parts_type = Flprun ? 0 : 1;
      plan.transparent = !Hlinet && !Flprun;
      plan.cross_eye = 0;
      plan.full = full;
      stacked_viewports(first, end, plan);
      if (Use_stencil_buffer && overlap) glDisable(GL_STENCIL_TEST);
      scene_overlays(last, traces_advanced);
    }
    // After a pixel page too: nothing drawn later is masked.
    if (Use_stencil_buffer && overlap) glDisable(GL_STENCIL_TEST);
    Calls.swapbuffers();
    Box_mode_always = settings.box;
  }
  back_to_display_0();
}

void display_all_stereo(const float *, const float *, float distance, const Matrix_4x4_rec ctm,
                        const Matrix_4x4_rec view, float angle) {
  if (!redraw_wanted()) return;
  Redraw_settings settings;
  const float radians = angle * 0.017453292f;
  const bool overlap = Num_viewports_overlapping > 0;
  bool traces_advanced = false;
  for (int d = 0; d < Dpy_cnt; d++) {
    const bool last = d == Dpy_cnt - 1, full = begin_display(d);
    if (Stereo_in_window) {
      int x0, x1, y0, y1;
      grasal(&x0, &x1, &y0, &y1, d, 0);
      Stereo_xres = x1 - x0 + 1;
      Stereo_yres = y1 - y0 + 1;
    }
    const float *a = Viewports[Viewport_current].attributes;
    const float aspect = (a[VP_WIDTH] * (float)Stereo_xres) / (a[VP_HEIGHT] * (float)Stereo_yres);
    float near_z, far_z;
    zclipp_locat(&near_z, &far_z, 0);
    const float tx = std::tan(radians), ty = std::tan(radians / (Anim_aspect_ratio * aspect));
    const float s = distance * tx / Stereo_offset;
    if (d == 0) {
      flipbook_step(&traces_advanced);
      if (Do_realtime_iso) increment_realtime_isos();
    }
    float frustum[4] = {0, 0, 0, 0};
    for (int eye = 0; eye < 2; eye++) {
      if (Stereo_in_window)
        glDrawBuffer(eye == 0 ? GL_BACK_LEFT : GL_BACK_RIGHT);
      else
        Calls.stereo_buffer(eye + 1);
      if (overlap) overlap_stencil_on(d, true);
      Calls.erase_screen();
      const float e = eye == 0 ? -s / 2 : s / 2;
      frustum[0] = -tx * near_z - (near_z / distance) * e;
      frustum[1] = tx * near_z - (near_z / distance) * e;
      frustum[2] = -ty * near_z;
      frustum[3] = ty * near_z;
      glMatrixMode(GL_PROJECTION);
      glLoadIdentity();
      glFrustum(frustum[0], frustum[1], frustum[2], frustum[3], near_z, far_z);
      glMatrixMode(GL_MODELVIEW);
      float moved[16];
      memcpy(moved, view, sizeof moved);
      moved[12] -= e;
      glLoadMatrixf(moved);
      glMultMatrixf(ctm);
      Pass_plan plan;
      plan.hidden = Hlinet && !Flprun;
      plan.parts_type = Flprun || Performance_alpha ? 0 : 1;
      plan.transparent = !Hlinet && !Flprun && !Performance_alpha;
      plan.axes_first = true;
      plan.cross_eye = eye;
      plan.full = full;
      viewport_passes(plan);
      if (overlap) glDisable(GL_STENCIL_TEST);
      if (!(Flprun && Flppix)) {
        if (Legenf) draw_legend_bars();
        showtext();
        display_plots();
      }
    }
    if (Stereo_in_window) glDrawBuffer(GL_BACK);
    Stereo_left = frustum[0];
    Stereo_right = frustum[1];
    Stereo_bottom = frustum[2];
    Stereo_top = frustum[3];
    Stereo_eye = s / 2;
    if (Anitrt && !traces_advanced && last) update_atraces();
    Calls.swapbuffers();
    Box_mode_always = settings.box;
  }
  back_to_display_0();
}

int rubber_band_height(int x1, int y1, int x2, int y2, int kind) {
  if (kind != 5) return y2 - y1;
  const Viewport_rec &vp = Viewports[Viewport_current];
  const double aspect = (double)(vp.x1 - vp.x0 + 1) / (double)(vp.y1 - vp.y0 + 1);
  int h = (int)((double)(x2 - x1) / aspect);
  return y2 < y1 ? -h : h;
}

void display_all_rubber_band(int x1, int y1, int x2, int y2, int kind) {
  if (Play_file_no_update) return;
  Redraw_settings settings;
  if (Dpy_cnt >= 2) Box_mode_always = 1;
  if ((kind == 5 || kind == 102) && x1 > x2) {
    const int t = x1;
    x1 = x2;
    x2 = t;
  }
  const int h = rubber_band_height(x1, y1, x2, y2, kind);
  bool stencil = false;
  int first = 0, end = 1;
  if (Use_stencil_buffer) {
    if (Num_active_viewports >= 2) {
      overlap_stencil_on(Dpy_current, false);
      stencil = true;
    }
  } else {
    // From the current viewport's own place in the stack upward: the ones
    // below it are not covered by what changes.
    viewports_from_current(Num_active_viewports >= 2, &first, &end);
  }
  bool traces_advanced = false;
  flipbook_step(&traces_advanced);
  if (Flppix && Flprun) {
    display_flipbook_pix();
  } else {
    if (Do_realtime_iso) increment_realtime_isos();
    Pass_plan plan;
    plan.hidden = Hlinet && !Flprun;
    plan.parts_type = Flprun || Performance_alpha ? 0 : 1;
    plan.transparent = !Hlinet && !Flprun && !Performance_alpha;
    plan.full = drawn_fully(Dpy_current);
    stacked_viewports(first, end, plan);
    scene_overlays(true, traces_advanced);
  }
  // The overlay in window pixels over the current viewport.
  const Viewport_rec &vp = Viewports[Viewport_current];
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(vp.x0, vp.x1, vp.y0, vp.y1, -1, 1);
  glDisable(GL_DEPTH_TEST);
  glColor3f(1, 1, 1);
  glDisable(GL_LINE_STIPPLE);
  glLineWidth(2);
  glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
  if (kind == 4) {
    glBegin(GL_LINES);
    glVertex2i(x1, y1);
    glVertex2i(x2, y2);
    glEnd();
  } else if (kind == 5 || kind == 102) {
    glRecti(x1, y1, x2, y1 + h);
  }
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glEnable(GL_DEPTH_TEST);
  if (stencil) glDisable(GL_STENCIL_TEST);
  Calls.swapbuffers();
}

void noswap_display_all(int type) {
  if (!redraw_wanted()) return;
  Redraw_settings settings;
  const bool overlap = Num_viewports_overlapping > 0;
  bool traces_advanced = false;
  for (int d = 0; d < Dpy_cnt; d++) {
    const bool last = d == Dpy_cnt - 1, full = begin_display(d);
    if (overlap) overlap_stencil_on(d, false);
    if (d == 0) flipbook_step(&traces_advanced);
    if (Flppix && Flprun) {
      display_flipbook_pix();
    } else {
      if (Do_realtime_iso && d == 0) increment_realtime_isos();
      if (Viewports[Viewport_current].attributes[VP_VISIBLE] != 0.0f) {
        Calls.erase_screen();
        Pass_plan plan;
        plan.hidden = Hlinet != 0;
        plan.parts_type = Flprun ? 0 : type;
        // Types 0 and 4 end with the transparent elements themselves: one
        // transparent pass only.
        plan.transparent = !plan.hidden && plan.parts_type != 0 && plan.parts_type != 4;
        plan.query_markers = false;
        plan.full = full;
        viewport_passes(plan);
      }
      if (overlap) glDisable(GL_STENCIL_TEST);
      scene_overlays(last, traces_advanced);
    }
    Box_mode_always = settings.box;
  }
  back_to_display_0();
}

void set_stereo_viewport() {
  if (!Stereo_in_window) glViewport(0, 0, Stereo_xres, 491);
}
