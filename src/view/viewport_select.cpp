// Viewport selection, stacking, links and transformation copy (see
// viewport_select.h).  Owns the link flags and the copy source; the
// selected flags and the stacking order live in the viewport table.  Every
// change of the stacking order or of visibility marks the stencil mask stale
// and redraws the pickers and choosers.
#include "view/viewport_select.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <functional>

#include "client/interf_settings.h"
#include "client/matrix.h"
#include "client/screen.h"
#include "interact/movmnt.h"
#include "interact/stereo.h"
#include "render/display.h"
#include "view/viewer_state.h"
#include "view/viewport_gl2d.h"
#include "view/viewport_redraw.h"

int Viewport_link_flags[MAX_VIEWPORTS];
int Viewport_link_count = 0;
int Viewport_copy_from = 0;
Viewport_chooser_hooks Viewport_chooser_windep;
void (*transf_viewportselect_chng_windep)() = nullptr;

static bool visible(int v) { return Viewports[v].attributes[VP_VISIBLE] != 0.0f; }

static bool holds(int v, float fx, float fy) {
  const float *a = Viewports[v].attributes;
  return a[VP_ORIGIN_X] <= fx && fx <= a[VP_ORIGIN_X] + a[VP_WIDTH] && a[VP_ORIGIN_Y] <= fy &&
         fy <= a[VP_ORIGIN_Y] + a[VP_HEIGHT];
}

// The pickers and choosers show the new order or visibility; the overlap
// mask must be rebuilt.
static void after_stacking_change() {
  viewports_display_all();
  viewport_pickers_refresh();
}

void select_all_viewports() {
  int count = 0, list[MAX_VIEWPORTS];
  for (int v = 0; v < MAX_VIEWPORTS; v++)
    if (Viewports[v].in_use) list[count++] = v;
  if (count > 0) current_selected_viewports(&count, list, 1);
  viewports_display_all();
}

void get_current_viewport(int x, int y, int *viewport, float *aspect, float *inv_width,
                          float *inv_height, int keep) {
  float fx, fy;
  int sw = 0, sh = 0;
  if (Stereo_mode && !Stereo_in_window && screen_size(Dpy_current, &sw, &sh) && sw > 0) {
    fx = (float)x / (float)sw;
    fy = (float)y / 491.0f;
  } else {
    int x0, x1, y0, y1;
    grasal(&x0, &x1, &y0, &y1, Dpy_current, 0);
    fx = (float)(x - x0) / (float)(x1 - x0 + 1);
    fy = (float)(y - y0) / (float)(y1 - y0 + 1);
  }
  int hit = keep ? -1 : Viewport_current;
  for (int i = 0; i < Num_active_viewports; i++) {
    int v = Viewport_display_order[i];
    if ((visible(v) || Current_mode == 5) && holds(v, fx, fy)) hit = v;
  }
  if (hit < 0) return;
  const float *a = Viewports[hit].attributes;
  *viewport = hit;
  *aspect = a[VP_WIDTH] / a[VP_HEIGHT] * Anim_aspect_ratio;
  *inv_width = 1.0f / a[VP_WIDTH];
  *inv_height = 1.0f / a[VP_HEIGHT];
}

// ---- stacking -----------------------------------------------------------------------

int viewport_stack_location(int viewport) {
  for (int i = 0; i < Num_active_viewports; i++)
    if (Viewport_display_order[i] == viewport) return i;
  return -1;
}

int viewport_stacking_order(int viewport, int *position, int mode) {
  int at = viewport_stack_location(viewport);
  if (mode == 0) {
    *position = at;
    return at;
  }
  if (mode != 1 || at < 0) return at;
  int to = *position;
  if (to < 0 || to >= Num_active_viewports) return -1;
  if (to == at) return at;
  std::swap(Viewport_display_order[at], Viewport_display_order[to]);
  Stencil_current_viewport = -1;
  return at;
}

// Moves the entry at position from to position to, shifting those between.
static void move_in_order(int from, int to) {
  int v = Viewport_display_order[from];
  if (from < to)
    std::copy(Viewport_display_order + from + 1, Viewport_display_order + to + 1,
              Viewport_display_order + from);
  else
    std::copy_backward(Viewport_display_order + to, Viewport_display_order + from,
                       Viewport_display_order + from + 1);
  Viewport_display_order[to] = v;
}

void pop_viewport() {
  bool moved = false;
  for (int v = 1; v < MAX_VIEWPORTS; v++) {
    int at = viewport_stack_location(v);
    if (!Viewports[v].selected || at < 0 || at == Num_active_viewports - 1) continue;
    move_in_order(at, Num_active_viewports - 1);
    moved = true;
  }
  if (moved) after_stacking_change();
}

void push_viewport() {
  bool moved = false;
  for (int v = 1; v < MAX_VIEWPORTS; v++) {
    int at = viewport_stack_location(v);
    if (!Viewports[v].selected || at < 2) continue;
    move_in_order(at, 1);
    moved = true;
  }
  if (moved) after_stacking_change();
}

void viewport_selected_visibility(int on) {
  if (on == 0 || on == 1)
    for (Viewport_rec &vp : Viewports)
      if (vp.selected) vp.attributes[VP_VISIBLE] = (float)on;
  after_stacking_change();
}

// ---- links -------------------------------------------------------------------------

int are_viewports_are_locked() { return Viewport_link_count != 0 ? 1 : 0; }

void set_unset_viewport_locks(int on) {
  std::fill(Viewport_link_flags, Viewport_link_flags + MAX_VIEWPORTS, 0);
  Viewport_link_count = 0;
  if (on != 0 && Num_active_viewports >= 2)
    for (int i = 0; i < Num_active_viewports; i++) {
      int v = Viewport_display_order[i];
      if (!Viewports[v].selected) continue;
      Viewport_link_flags[v] = 1;
      Viewport_link_count++;
    }
  if (Viewport_link_count == 1) Viewport_link_count = 0;
  draw_selected_viewport_chooser_gl(5);
}

void viewport_locks(int *count, int list[MAX_VIEWPORTS], int mode) {
  if (mode == 1) {
    printf("SET for viewport locks not implemented .....\n");
    return;
  }
  if (mode != 0) return;
  *count = 0;
  for (int v = 0; v < MAX_VIEWPORTS; v++)
    if (Viewport_link_flags[v]) list[(*count)++] = v;
  if (*count == 1) *count = 0;
}

// ---- copy and paste -------------------------------------------------------------------

int set_copy_from_viewport() {
  int count = 0, from = -1;
  for (int i = 0; i < Num_active_viewports; i++)
    if (Viewports[Viewport_display_order[i]].selected) {
      count++;
      from = Viewport_display_order[i];
    }
  if (count != 1) return -1;
  Viewport_copy_from = from;
  return 1;
}

void paste_viewport_transform() {
  for (int i = 0; i < Num_active_viewports; i++) {
    int v = Viewport_display_order[i];
    if (Viewports[v].selected && v != Viewport_copy_from)
      copy_viewport_transforms(Viewport_copy_from, v);
  }
  viewports_display_all();
}

void copy_viewport_transforms(int from, int to) {
  if (from < 0 || from >= MAX_VIEWPORTS || to < 0 || to >= MAX_VIEWPORTS) return;
  float at[3], eye[3], view[16], D, front, back, combined[16], s[16], r[16], t[16];
  Viewport_current = from;
  view_param(at, eye, view, &D, 0);
  zclipp_locat(&front, &back, 0);
  current_ctm(combined, 0);
  ctm_transforms(s, r, t, 0);
  Viewport_current = to;
  cop4x4(Viewports[from].matrix_2d, Viewports[to].matrix_2d);
  view_param(at, eye, view, &D, 1);
  zclipp_locat(&front, &back, 1);
  current_ctm(combined, 1);
  ctm_transforms(s, r, t, 1);
}

// ---- the choosers ---------------------------------------------------------------------

int draw_viewport_miniature_gl(int code, int back_code,
                               const std::function<void(int, int, int, int, int)> &outline) {
  int w = 0, h = 0;
  if (!Viewport_chooser_windep.size || !Viewport_chooser_windep.size(code, &w, &h)) return 0;
  int saved_code = code, d0 = 0;
  gwin_gl_curwin(&saved_code, 1, &d0);
  if (gwin_gl_ready()) {
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_DITHER);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-0.5, w + 0.5, -0.5, h + 0.5, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glLineWidth(2.0f);
    for (int i = 0; i < Num_active_viewports; i++) {
      int v = Viewport_display_order[i];
      if (!visible(v)) continue;
      const float *a = Viewports[v].attributes;
      int x0 = (int)(a[VP_ORIGIN_X] * w), y0 = (int)(a[VP_ORIGIN_Y] * h);
      int x1 = (int)(a[VP_WIDTH] * w + x0), y1 = (int)(a[VP_HEIGHT] * h + y0);
      glColor3f(0, 0, 0);
      glRecti(x0, y0, x1, y1);
      outline(v, x0, y0, x1, y1);
    }
    swapbuffers();
    glEnable(GL_DEPTH_TEST);
  }
  gwin_gl_curwin(&back_code, 1, &d0);
  return 1;
}

void draw_selected_viewport_chooser_gl(int code) {
  auto outline = [code](int v, int x0, int y0, int x1, int y1) {
    if (Viewports[v].selected)
      glColor3f(0, 1, 0);
    else
      glColor3f(1, 1, 1);
    gl2d_outline(x0, y0, x1, y1);
    if (code == 5 && Viewport_link_flags[v]) {
      float cx = (x0 + x1) * 0.5f, cy = (y0 + y1) * 0.5f;
      glBegin(GL_LINE_STRIP);
      glVertex2f(cx - 3, cy + 5);
      glVertex2f(cx - 3, cy - 5);
      glVertex2f(cx + 3, cy - 5);
      glEnd();
    }
  };
  if (draw_viewport_miniature_gl(code, 0, outline)) fix_up_viewport(1);
}

int viewport_topmost_visible_at(float fx, float fy) {
  int hit = -1;
  for (int i = 0; i < Num_active_viewports; i++) {
    int v = Viewport_display_order[i];
    if (visible(v) && holds(v, fx, fy)) hit = v;
  }
  return hit;
}

int viewport_chooser_press(float fx, float fy, int control) {
  const int hit = viewport_topmost_visible_at(fx, fy);
  if (hit < 0) return -1;
  if (control) {
    Viewports[hit].selected = !Viewports[hit].selected;
  } else {
    int count = 1, list[MAX_VIEWPORTS] = {hit};
    current_selected_viewports(&count, list, 1);
  }
  if (Current_mode == 5) {
    Last_current_mode = 3;
    display_viewport_mode();
  }
  if (transf_viewportselect_chng_windep) transf_viewportselect_chng_windep();
  view_menu_init();
  return hit;
}

void manage_selected_viewport_chooser_gl(int code) {
  float fx, fy;
  int control = 0;
  if (!Viewport_chooser_windep.pointer || !Viewport_chooser_windep.pointer(code, &fx, &fy, &control))
    return;
  if (viewport_chooser_press(fx, fy, control) < 0) return;
  if (Viewport_chooser_windep.wait_release) Viewport_chooser_windep.wait_release();
}
