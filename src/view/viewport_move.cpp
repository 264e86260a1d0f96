// Interactive viewport move and resize (see viewport_move.h).  Owns the
// window-system hooks of the modal loop; the loop changes the viewports'
// location slots, the selection and the cursor, and nothing else.
#include "view/viewport_move.h"

#include <GL/gl.h>

#include <cstring>

#include "client/command_dlog.h"
#include "client/screen.h"
#include "interact/movmnt.h"
#include "render/disobj.h"
#include "render/display.h"
#include "view/background_editor.h"
#include "view/viewp_cmdproc.h"
#include "view/viewp_panel.h"
#include "view/viewport_background.h"
#include "view/viewport_images.h"
#include "view/viewport_redraw.h"
#include "view/viewport_select.h"
#include "view/viewports.h"

Viewport_move_hooks Viewport_move_windep;

namespace {

bool within(float v, float lo, float hi) { return lo <= v && v <= hi; }

}  // namespace

int viewport_handle_zone(const float rc[4], float fx, float fy, int *cursor) {
  const float x = rc[0], y = rc[1], r = rc[0] + rc[2], t = rc[1] + rc[3];
  const float in = 0.03f, out = 0.007f;
  const bool left_c = within(fx, x - out, x + in), right_c = within(fx, r - in, r + out);
  const bool bottom_c = within(fy, y - out, y + in), top_c = within(fy, t - in, t + out);
  struct Row {
    bool hit;
    int action, cursor;
  } rows[] = {
      {left_c && bottom_c, VP_DRAG_BOTTOM_LEFT, 3},
      {right_c && bottom_c, VP_DRAG_BOTTOM_RIGHT, 4},
      {left_c && top_c, VP_DRAG_TOP_LEFT, 1},
      {right_c && top_c, VP_DRAG_TOP_RIGHT, 2},
      {within(fy, y, t) && within(fx, x - out, x + out), VP_DRAG_LEFT, 6},
      {within(fy, y, t) && within(fx, r - out, r + out), VP_DRAG_RIGHT, 7},
      {within(fx, x, r) && within(fy, y - out, y + out), VP_DRAG_BOTTOM, 8},
      {within(fx, x, r) && within(fy, t - out, t + out), VP_DRAG_TOP, 5},
  };
  for (const Row &row : rows)
    if (row.hit) {
      if (cursor) *cursor = row.cursor;
      return row.action;
    }
  if (cursor) *cursor = 0;
  return VP_DRAG_MOVE;
}

void viewport_drag_rect(int action, const float start[4], float dx, float dy, float out[4]) {
  float x = start[0], y = start[1], w = start[2], h = start[3];
  const bool left = action == VP_DRAG_LEFT || action == VP_DRAG_BOTTOM_LEFT || action == VP_DRAG_TOP_LEFT;
  const bool right =
      action == VP_DRAG_RIGHT || action == VP_DRAG_BOTTOM_RIGHT || action == VP_DRAG_TOP_RIGHT;
  const bool bottom =
      action == VP_DRAG_BOTTOM || action == VP_DRAG_BOTTOM_LEFT || action == VP_DRAG_BOTTOM_RIGHT;
  const bool top = action == VP_DRAG_TOP || action == VP_DRAG_TOP_LEFT || action == VP_DRAG_TOP_RIGHT;
  if (action == VP_DRAG_MOVE) {
    x += dx;
    y += dy;
  }
  // A side dragged past the opposite one stops at the smallest size, the
  // opposite side staying where it was.
  if (left) {
    const float keep = x + w;
    w = w - dx < VIEWPORT_MIN_SIZE ? VIEWPORT_MIN_SIZE : w - dx;
    x = keep - w;
  }
  if (right) w = w + dx < VIEWPORT_MIN_SIZE ? VIEWPORT_MIN_SIZE : w + dx;
  if (bottom) {
    const float keep = y + h;
    h = h - dy < VIEWPORT_MIN_SIZE ? VIEWPORT_MIN_SIZE : h - dy;
    y = keep - h;
  }
  if (top) h = h + dy < VIEWPORT_MIN_SIZE ? VIEWPORT_MIN_SIZE : h + dy;
  if (w > 1.0f) w = 1.0f;
  if (h > 1.0f) h = 1.0f;
  if (x < 0.0f) x = 0.0f;
  if (y < 0.0f) y = 0.0f;
  if (x + w > 1.0f) x = 1.0f - w;
  if (y + h > 1.0f) y = 1.0f - h;
  out[0] = x, out[1] = y, out[2] = w, out[3] = h;
}

void viewport_move_record(const int *sel, int n) {
  for (int i = 0; i < n; i++) {
    const int v = sel[i];
    if (v < 0 || v >= MAX_VIEWPORTS) continue;
    if (n > 1) cmd_rec_selbynum(viewp_category(), 1, &sel[i]);
    float old[VIEWPORT_ATTRS], newv[VIEWPORT_ATTRS];
    int flags[VIEWPORT_ATTRS] = {};
    memcpy(newv, Viewports[v].attributes, sizeof newv);
    for (int s = 0; s < VIEWPORT_ATTRS; s++) old[s] = -1.0f;
    for (int s = VP_ORIGIN_X; s <= VP_HEIGHT; s++) flags[s] = 1;
    cmd_setrec_at(old, newv, VIEWPORT_ATTRS, viewp_category(), flags, 1);
  }
  if (n > 1) cmd_rec_selbynum(viewp_category(), n, sel);
}

// ---- the modal loop ------------------------------------------------------------------

namespace {

// The graphics window's bounds on display 0 (pixels, y up) and the fractions
// of a pointer position.
struct Window_frame {
  int x_min = 0, y_min = 0;
  float W = 1.0f, H = 1.0f;
  void read() {
    int x1, y1;
    grasal(&x_min, &x1, &y_min, &y1, 0, 0);
    W = (float)(x1 - x_min + 1);
    H = (float)(y1 - y_min + 1);
    if (W < 1.0f) W = 1.0f;
    if (H < 1.0f) H = 1.0f;
  }
  float fx(int px) const { return (float)(px - x_min) / W; }
  float fy(int py) const { return (float)(py - y_min) / H; }
};

struct Pointer {
  int x = 0, y = 0, left = 0, control = 0;
  bool read() {
    return Viewport_move_windep.pointer(&x, &y, &left, &control) != 0;
  }
};

// The cursor shown, changed only when the shape differs.
struct Cursor {
  int shown = -1;
  void set(int shape) {
    if (shape == shown) return;
    shown = shape;
    if (Viewport_move_windep.cursor) Viewport_move_windep.cursor(shape);
  }
};

void rect_of(int v, float r[4]) { memcpy(r, &Viewports[v].attributes[VP_ORIGIN_X], 4 * sizeof(float)); }

// A press on v: Control flips v in the selection, otherwise v alone is
// selected; the background editor and the panel follow.
void press_selects(int v, int control) {
  int count = 0, list[MAX_VIEWPORTS];
  current_selected_viewports(&count, list, 0);
  if (control) {
    int kept = 0;
    bool was = false;
    for (int i = 0; i < count; i++) {
      if (list[i] == v)
        was = true;
      else
        list[kept++] = list[i];
    }
    count = kept;
    if (!was) list[count++] = v;
  } else {
    count = 1;
    list[0] = v;
  }
  current_selected_viewports(&count, list, 1);
  refresh_new_viewport_picked();
  viewp_icons_refresh();
}

// The outlines of the moving viewports over the whole window, then shown;
// the GL state the redraw relies on is put back.
void draw_drag_outlines(const int *sel, int n, const float picked[3]) {
  if (!gwin_gl_ready()) return;
  GLint saved_viewport[4];
  glGetIntegerv(GL_VIEWPORT, saved_viewport);
  Window_frame f;
  f.read();
  glViewport(0, 0, (GLsizei)f.W, (GLsizei)f.H);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0.0, 1.0, 0.0, 1.0, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_CLIP_PLANE0);
  glDisable(GL_CLIP_PLANE1);
  glLineWidth(2.0f);
  glColor3fv(picked);
  for (int i = 0; i < n; i++) {
    const float *a = &Viewports[sel[i]].attributes[VP_ORIGIN_X];
    glBegin(GL_LINE_LOOP);
    glVertex2f(a[0], a[1]);
    glVertex2f(a[0] + a[2], a[1]);
    glVertex2f(a[0] + a[2], a[1] + a[3]);
    glVertex2f(a[0], a[1] + a[3]);
    glEnd();
  }
  swapbuffers();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glViewport(saved_viewport[0], saved_viewport[1], saved_viewport[2], saved_viewport[3]);
  glEnable(GL_DEPTH_TEST);
  if (Plane_clipp_toggle) glEnable(GL_CLIP_PLANE0);
  if (Plane2_clipp_toggle) glEnable(GL_CLIP_PLANE1);
}

// A press in v with the handle action: drags every selected viewport until
// the button is released.  True when any of them changed.
bool drag(int action, const Pointer &start, const Window_frame &f, const float picked[3]) {
  int n = 0, sel[MAX_VIEWPORTS];
  current_selected_viewports(&n, sel, 0);
  float from[MAX_VIEWPORTS][4];
  for (int i = 0; i < n; i++) rect_of(sel[i], from[i]);
  const float fx0 = f.fx(start.x), fy0 = f.fy(start.y);
  bool changed = false;
  Pointer p = start, last;
  last.x = start.x - 1;  // the first turn always draws
  while (p.left) {
    if (p.x != last.x || p.y != last.y) {
      const float dx = f.fx(p.x) - fx0, dy = f.fy(p.y) - fy0;
      if (dx != 0.0f || dy != 0.0f) changed = true;
      restore_viewport_mode_image();
      for (int i = 0; i < n; i++)
        viewport_drag_rect(action, from[i], dx, dy, &Viewports[sel[i]].attributes[VP_ORIGIN_X]);
      draw_drag_outlines(sel, n, picked);
      last = p;
    }
    if (!p.read()) p.left = 0;
  }
  save_viewport_mode_image();
  viewport_pickers_refresh();
  if (changed) {
    viewport_move_record(sel, n);
    viewp_refresh_all();
  }
  return changed;
}

}  // namespace

void viewport_move_manage(int) {
  if (!Viewport_move_windep.pointer || !Viewport_move_windep.next_event) return;
  Window_frame f;
  f.read();
  display_viewport_mode();
  Cursor cursor;
  cursor.set(0);
  float picked[3];
  get_picked_color(picked);
  for (;;) {
    Pointer p;
    if (p.read()) {
      int v = -1;
      float aspect, iw, ih;
      get_current_viewport(p.x, p.y, &v, &aspect, &iw, &ih, 1);
      if (v < 0) {
        cursor.set(0);
      } else {
        if (p.left) press_selects(v, p.control);
        float r[4];
        rect_of(v, r);
        int shape = 0;
        const int action = viewport_handle_zone(r, f.fx(p.x), f.fy(p.y), &shape);
        cursor.set(shape);
        if (p.left) drag(action, p, f, picked);
      }
    }
    viewport_all_resize();
    int key = 0, press = 0;
    switch (Viewport_move_windep.next_event(&key, &press)) {
      case VP_EVENT_KEY:
        if (key == 127 && press) viewp_delete(0);
        break;
      case VP_EVENT_CROSSING:
        fix_up_viewport(1);
        cursor.set(0);
        return;
      default:
        break;
    }
  }
}
