// Z-clip planes (see zclip.h).  Owns Zclip_float_minimum and the z-clip
// window record; the planes are the viewer records' (zclipp_locat).  The
// floating rule runs from the redraw passes for the viewport being drawn;
// everything else acts on the selected viewports and puts the current one
// back.  The window's widgets live in the editor section (view/ui); here is
// its layout, drawing and drag arithmetic, which need no toolkit.
#include "view/zclip.h"

#include <GL/gl.h>

#include <cstdio>

#include "client/command_dlog.h"
#include "client/interf_settings.h"
#include "client/matrix.h"
#include "client/screen.h"
#include "parts/attribute.h"
#include "parts/read.h"
#include "render/active.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/redraw.h"
#include "view/frames.h"
#include "view/viewer_state.h"
#include "view/viewports.h"

float Zclip_float_minimum = 1.0e-4f;
Zclip_window_rec Zclip_window;

int (*zclip_area_windep)() = nullptr;
void (*zclip_dialog_init_windep)() = nullptr;
void (*zclip_planetext_refresh_windep)(float, float) = nullptr;

static const char Category[] = "view_transf:";
static const float Smallest_front = 1.0e-7f;  // a typed front must reach this
static const float Drag_front_min = 1.0e-4f;  // a dragged front stops here
static const float Drag_gap = 0.005f;          // normalised gap between dragged markers

static bool area_exists() { return zclip_area_windep && zclip_area_windep(); }

// ---- scene depth ------------------------------------------------------------------------

// Row-vector product local x combined (x view): the part's frame first.
static void part_matrix(int frame, const float combined[16], const float *view, float out[16]) {
  float local[16], lc[16];
  int4x4(local);
  if (frame != 0) local_current_ctm(&local, 1, &frame, 0);
  mul4x4(local, combined, lc);
  if (view)
    mul4x4(lc, view, out);
  else
    mov4x4(lc, out);
}

void scene_extents(int axis, int with_view, float *min, float *max) {
  *min = -1.0f;
  *max = 1.0f;
  if (axis < 0 || axis > 2) return;
  float combined[16], at[3], from[3], view[16], distance;
  current_ctm(combined, 0);
  view_param(at, from, view, &distance, 0);
  bool first = true;
  for (int i = 0; i < Num_p_loaded && parts[i]; i++) {
    Part_rec *p = parts[i];
    if (p->group || !p->attributes) continue;
    if (our_rint(p->attributes[SLOT_ELT_REP]) == ELT_REP_NOT_LOADED) continue;
    if (p->xmin == -99.0f && p->ymin == -99.0f) find_bounding_volume(i);
    if (p->xmin == -99.0f && p->ymin == -99.0f) continue;
    float m[16];
    part_matrix(our_rint(p->attributes[SLOT_FRAME]), combined, with_view ? view : nullptr, m);
    const float xs[2] = {p->xmin, p->xmax}, ys[2] = {p->ymin, p->ymax}, zs[2] = {p->zmin, p->zmax};
    for (int c = 0; c < 8; c++) {
      float q[3] = {xs[c & 1], ys[(c >> 1) & 1], zs[(c >> 2) & 1]};
      premlt(m, q);
      float value = with_view ? -q[axis] : q[axis];
      if (first) {
        *min = *max = value;
        first = false;
      } else if (value < *min) {
        *min = value;
      } else if (value > *max) {
        *max = value;
      }
    }
  }
}

// ---- floating rule ----------------------------------------------------------------------

void adjust_floating_z_planes() {
  float front, back, smin, smax;
  zclipp_locat(&front, &back, 0);
  scene_extents(2, 1, &smin, &smax);
  if (smin == 0.0f && smax == 0.0f) return;
  const float m = Zclip_float_minimum;
  float lim = (smax - smin) * 1.0e-5f;
  if (lim < m) lim = m;

  // One plane moves per redraw, by halving or doubling.
  bool applied = true;
  if (smin < front) {
    front = smin * 0.5f;
    if (front < lim) front = lim;
  } else if (3.0f * front < smin) {
    front = smin / 2.0f;
  } else if (back < smax) {
    back = 2.0f * smax;
  } else if (smax < back / 3.0f) {
    back = 2.0f * smax;
  } else {
    applied = false;
  }
  if (!applied && front >= m) return;
  if (front < m) front = m;
  // A scene that jumped far away can carry the front plane past the back
  // one; a projection needs front < back, so the back plane follows now.
  if (front >= back) {
    back = 2.0f * smax;
    if (back <= front) back = 2.0f * front;
  }
  zclipp_locat(&front, &back, 1);
  fix_up_viewport(0);
  if (area_exists()) {
    int keep = Viewport_current;
    zclip_gwin_redraw();
    Viewport_current = keep;
  }
  zclip_planetext_refresh(front, back);
}

void floating_z_minimum(float *value, int mode) {
  if (mode == 0) {
    *value = Zclip_float_minimum;
    return;
  }
  if (mode != 1) return;
  Zclip_float_minimum = *value;
  float front, back;
  zclipp_locat(&front, &back, 0);
  if (front < *value) {
    adjust_floating_z_planes();
    display_all();
  }
}

// ---- the window -------------------------------------------------------------------------

void zclint() {
  int count = 0, list[MAX_VIEWPORTS];
  current_selected_viewports(&count, list, 0);
  if (count > 0 && list[0] != Viewport_current) {
    Viewport_current = list[0];
    Resort_transparent = 1;
  }
  Zclip_window_rec &z = Zclip_window;
  scene_extents(2, 1, &z.scene_min, &z.scene_max);
  if (z.scene_min == 0.0f && z.scene_max == 0.0f) {
    z.scene_min = 1.0f;
    z.scene_max = 2.0f;
  }
  zclipp_locat(&z.front, &z.back, 0);
  z.range = z.back - z.front;
  float half = z.range * 0.5f;
  z.low = z.front - half;
  if (z.low < 0.0f) z.low = 0.0f;
  if (z.scene_min < z.low) z.low = z.scene_min - half;
  z.high = z.back + half;
  if (z.high < z.scene_max) z.high = z.scene_max + half;
  z.span = z.high - z.low;
  if (z.span <= 0.0f) z.span = 1.0f;  // planes and scene all at one depth
  z.front_pos = (z.front - z.low) / z.span;
  z.back_pos = (z.back - z.low) / z.span;
  z.scene_min_pos = (z.scene_min - z.low) / z.span;
  z.scene_max_pos = (z.scene_max - z.low) / z.span;
}

static void make_window_current(int code, int dpy) { gwin_gl_curwin(&code, 1, &dpy); }

void draw_zclipp_area_gl() {
  if (!area_exists()) return;
  make_window_current(11, 0);
  if (gwin_gl_ready()) {
    const Zclip_window_rec &z = Zclip_window;
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_DITHER);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-0.02, 1.02, -0.2, 1.2, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glLineWidth(2.0f);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glColor3f(1.0f, 1.0f, 1.0f);
    glRectf(z.scene_min_pos, 0.0f, z.scene_max_pos, 1.0f);
    glColor3f(1.0f, 0.0f, 0.0f);
    glBegin(GL_LINES);
    for (float x : {z.front_pos, z.back_pos}) {
      glVertex2f(x, 0.0f);
      glVertex2f(x, 1.0f);
    }
    glEnd();
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    swapbuffers();
    glEnable(GL_DEPTH_TEST);
  }
  make_window_current(0, 0);
}

void zclip_gwin_redraw() {
  zclint();
  draw_zclipp_area_gl();
}

// ---- mouse ----------------------------------------------------------------------------

static float marker_pixel(float pos, int w) { return (float)w * (pos + 0.02f) / 1.04f; }
static float edge_margin(int w) { return (float)w * 0.019230769230769232f; }

int zclip_press_marker(int which, int x, int y, int w, int h) {
  if (y < 0 || y > h) return 0;
  float pos = which == 1 ? Zclip_window.front_pos : Zclip_window.back_pos;
  float dx = (float)x - marker_pixel(pos, w);
  return dx >= -3.0f && dx <= 3.0f ? which : 0;
}

float zclip_drag_position(int mode, int x, int w) {
  float c = edge_margin(w), t;
  if ((float)x <= c)
    t = Drag_gap;
  else if ((float)x > (float)w - c)
    t = 1.0f;
  else
    t = ((float)x - c) / ((float)w - 2.0f * c);
  const Zclip_window_rec &z = Zclip_window;
  if (mode == 1 && t >= z.back_pos) t = z.back_pos - Drag_gap;
  if (mode == 2 && t <= z.front_pos) t = z.front_pos + Drag_gap;
  return t;
}

// Calls fn for every selected viewport made current (Resort_transparent set
// whenever that changes the current one), then puts the current one back.
template <class Fn>
static void for_each_selected(Fn fn) {
  int count = 0, list[MAX_VIEWPORTS];
  current_selected_viewports(&count, list, 0);
  int keep = Viewport_current;
  for (int i = 0; i < count; i++) {
    if (list[i] != Viewport_current) Resort_transparent = 1;
    Viewport_current = list[i];
    fn();
  }
  if (Viewport_current != keep) Resort_transparent = 1;
  Viewport_current = keep;
}

void zcladj(int mode, float t, float *front, float *back, float *front_pos, float *back_pos,
            float *scene_min_pos, float *scene_max_pos) {
  Zclip_window_rec &z = Zclip_window;
  if (mode == 1) {
    z.front = t * z.span + z.low;
    if (z.front < Drag_front_min) z.front = Drag_front_min;
    if (z.front > z.back) z.front = z.back;
    z.front_pos = (z.front - z.low) / z.span;
  } else if (mode == 2) {
    z.back = t * z.span + z.low;
    if (z.back < z.front) z.back = z.front;
    z.back_pos = (z.back - z.low) / z.span;
  }
  for_each_selected([&z] {
    zclipp_locat(&z.front, &z.back, 1);
    fix_up_viewport(1);
    noswap_display_all(4);
  });
  for (int d = 0; d < Dpy_cnt; d++) {
    make_window_current(0, d);
    swapbuffers();
  }
  make_window_current(0, 0);
  fix_up_viewport(1);
  *front = z.front;
  *back = z.back;
  *front_pos = z.front_pos;
  *back_pos = z.back_pos;
  *scene_min_pos = z.scene_min_pos;
  *scene_max_pos = z.scene_max_pos;
}

// ---- typed values -----------------------------------------------------------------------

static void redraw_after_change() {
  if (Num_active_viewports == 1)
    display_all();
  else
    viewports_display_all();
}

void set_zlocat_from_command(int which, float front, float back) {
  if (which != 4 && which != 5) return;
  for_each_selected([which, front, back] {
    float f, b;
    zclipp_locat(&f, &b, 0);
    if (which == 4)
      f = front;
    else
      b = back;
    zclipp_locat(&f, &b, 1);
    fix_up_viewport(1);
    if (area_exists()) {
      int keep = Viewport_current;
      zclip_gwin_redraw();
      Viewport_current = keep;
    }
  });
  redraw_after_change();
}

// 1 when the new front (which 0) or back (1) leaves every selected viewport
// (and the current one) with front < back.
static bool valid_for_selected(int which, float value) {
  bool ok = true;
  auto test = [&ok, which, value] {
    float f, b;
    zclipp_locat(&f, &b, 0);
    if (which == 0 ? !(value < b) : !(value > f)) ok = false;
  };
  test();
  for_each_selected(test);
  return ok;
}

static void refused(const char *text) {
  disperr(text);
  Command_proc_err = 1;
}

void zclip_record_cmd(int which, float value) {
  if (!Recrdr) return;
  char line[96];
  snprintf(line, sizeof line, "%s %s %.4e", Category, which ? "zclip_front" : "zclip_back",
           (double)value);
  cmdrec(line);
}

int zclip_attr_updt(int which, float *value, int from_command) {
  if (which != 0 && which != 1) return -1;
  float v = *value;
  if (which == 0) {
    if (!(v >= Smallest_front) || !valid_for_selected(0, v)) {
      refused("Front Z-clip plane must be > 0 and < the Back Z-clip plane.");
      return -1;
    }
  } else if (!valid_for_selected(1, v)) {
    refused("Back Z-clip plane must be > the Front Z-clip plane.");
    return -1;
  }
  if (!from_command) zclip_record_cmd(which == 0 ? 1 : 0, v);
  set_zlocat_from_command(which == 0 ? 4 : 5, v, v);
  if (!from_command) zclip_dialog_init();
  return 1;
}

int zclip_minattr_updt(float value, int from_command) {
  if (!(value > 0.0f)) {
    refused("Z-Clip min value must be > 0.0");
    return -1;
  }
  floating_z_minimum(&value, 1);
  if (!from_command) {
    if (Recrdr) {
      char line[96];
      snprintf(line, sizeof line, "%s %s %.4e", Category, "zclip_min", (double)value);
      cmdrec(line);
    }
    zclip_dialog_init();
  }
  return 1;
}

int zclip_tgglattr_updt(int item, float *value, int from_command) {
  if (item == 2) {
    Floating_z_planes = *value != 0.0f ? 1 : 0;
    if (!from_command && Recrdr) {
      char line[96];
      snprintf(line, sizeof line, "%s %s %s", Category, "zclip_float",
               Floating_z_planes ? "ON" : "OFF");
      cmdrec(line);
    }
  }
  if (!from_command) zclip_dialog_init();
  return 1;
}

// ---- refreshers -------------------------------------------------------------------------

void zclip_dialog_init() {
  if (zclip_dialog_init_windep) zclip_dialog_init_windep();
}

void zclip_planetext_refresh(float front, float back) {
  if (zclip_planetext_refresh_windep) zclip_planetext_refresh_windep(front, back);
}
