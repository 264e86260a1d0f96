// The background colour editor (see background_editor.h).  Owns the
// defaults' edit level and the window-system hooks; every other value it
// shows or changes lives in the viewport records and the defaults.
#include "view/background_editor.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>

#include "client/screen.h"
#include "parts/read.h"
#include "view/viewp_cmdproc.h"
#include "view/viewp_panel.h"
#include "view/viewport_background.h"
#include "view/viewports.h"

Background_editor_hooks Background_editor_windep;
static int Default_edit_level = 0;  // 0-based edit level while the defaults are shown

void default_viewp_level_picked(int *level, int mode) {
  if (mode == 0)
    *level = Default_edit_level;
  else if (mode == 1)
    Default_edit_level = *level;
}

namespace {

// The record shown: the first selected viewport, or -1 for the defaults.
int shown_record() {
  for (int v = 0; v < MAX_VIEWPORTS; v++)
    if (Viewports[v].selected) return v;
  return -1;
}

int &edit_level_of(int v) { return v < 0 ? Default_edit_level : Viewports[v].blend_edit_level; }

bool editor_size(int *W, int *H) {
  return Background_editor_windep.size && Background_editor_windep.size(W, H) == 1;
}

// Geometry of the bar in a W x H window: levels at y = p * S + 8.
struct Bar {
  int W, H;
  float S() const { return (float)(H - 15); }
  float y(float position) const { return position * S() + 8.0f; }
};

float position_of(const float a[VIEWPORT_ATTRS], int level0) { return a[VP_BLEND_POSITION + level0]; }

void rectangle(const Bar &b, GLenum mode) {
  glBegin(mode);
  glVertex2i(3, 8);
  glVertex2i(b.W - 30, 8);
  glVertex2i(b.W - 30, b.H - 7);
  glVertex2i(3, b.H - 7);
  glEnd();
}

void white_outline(const Bar &b) {
  glLineWidth(2.0f);
  glColor3f(1, 1, 1);
  rectangle(b, GL_LINE_LOOP);
}

void draw_blend(const Bar &b, const float a[VIEWPORT_ATTRS], int n, int edit) {
  glBegin(GL_QUADS);
  for (int i = 1; i < n; i++) {
    const float *lo = &a[VP_BLEND_RGB + 3 * (i - 1)], *hi = &a[VP_BLEND_RGB + 3 * i];
    float y0 = b.y(position_of(a, i - 1)), y1 = b.y(position_of(a, i));
    glColor3fv(lo);
    glVertex2f(3, y0);
    glVertex2f((float)(b.W - 30), y0);
    glColor3fv(hi);
    glVertex2f((float)(b.W - 30), y1);
    glVertex2f(3, y1);
  }
  glEnd();
  white_outline(b);
  float picked[3];
  get_picked_color(picked);
  for (int i = 0; i < n; i++) {
    float y = b.y(position_of(a, i));
    if (i == edit)
      glColor3fv(picked);
    else
      glColor3f(1, 1, 1);
    glBegin(GL_LINES);
    glVertex2f((float)(b.W - 26), y);
    glVertex2f((float)(b.W - 21), y);
    glEnd();
    char label[16];
    snprintf(label, sizeof label, "%d", i + 1);
    glRasterPos2f((float)(b.W - 18), y - 4.0f);
    gwin_print_string(label);
  }
}

// The inner level k moved to t in every edited record whose own neighbours
// enclose t.
void move_level(int k, float t) {
  int count = 0, list[MAX_VIEWPORTS];
  current_selected_viewports(&count, list, 0);
  if (count == 0) {
    float a[VIEWPORT_ATTRS];
    viewport_attributes(-1, a, nullptr, 0, 0);
    if (our_rint(a[VP_BLEND_LEVELS]) > k && position_of(a, k - 1) <= t && t <= position_of(a, k + 1)) {
      a[VP_BLEND_POSITION + k] = t;
      viewport_attributes(-1, a, nullptr, 1, 1);
    }
    return;
  }
  for (int i = 0; i < count; i++) {
    float *a = Viewports[list[i]].attributes;
    if (our_rint(a[VP_BLEND_LEVELS]) > k && position_of(a, k - 1) <= t && t <= position_of(a, k + 1))
      a[VP_BLEND_POSITION + k] = t;
  }
}

}  // namespace

void draw_background_editor() {
  Bar b{};
  if (!editor_size(&b.W, &b.H)) return;
  const int v = shown_record();
  float a[VIEWPORT_ATTRS];
  viewport_attributes(v, a, nullptr, 0, 0);
  int code = 9, dpy = 0;
  gwin_gl_curwin(&code, 1, &dpy);
  if (gwin_gl_ready()) {
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_DITHER);
    glDisable(GL_LIGHTING);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0, b.W, 0, b.H);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glShadeModel(GL_SMOOTH);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    const int type = our_rint(a[VP_BACKGROUND_TYPE]);
    if (type == 2) {
      glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
      glColor3fv(&a[VP_CONSTANT_RGB]);
      rectangle(b, GL_QUADS);
      white_outline(b);
    } else if (type == 3) {
      const int n = our_rint(a[VP_BLEND_LEVELS]);
      int &edit = edit_level_of(v);
      if (edit >= n) edit = 0;
      draw_blend(b, a, n, edit);
    }
    swapbuffers();
  }
  code = 0;
  dpy = 0;
  gwin_gl_curwin(&code, 1, &dpy);
}

void manage_background_editor() {
  Bar b{};
  if (!editor_size(&b.W, &b.H) || !Background_editor_windep.pointer) return;
  const int v = shown_record();
  float a[VIEWPORT_ATTRS];
  viewport_attributes(v, a, nullptr, 0, 0);
  const int n = our_rint(a[VP_BLEND_LEVELS]);
  int x = 0, y = 0, left = 0;
  if (!Background_editor_windep.pointer(&x, &y, &left)) return;
  if (edit_level_of(v) >= n) edit_level_of(v) = 0;

  // Levels 2 .. n first, the lowest-numbered winning; level 1 last.
  auto hit = [&](int i) {
    float yi = b.y(position_of(a, i));
    return b.W - 30 <= x && x <= b.W && yi - 4.0f <= (float)y && (float)y <= yi + 8.0f;
  };
  int k = -1;
  for (int i = 1; i < n && k < 0; i++)
    if (hit(i)) k = i;
  if (k < 0 && n > 0 && hit(0)) k = 0;
  if (k < 0) return;
  viewp_bgcolorblevel_chng(k + 1, 0, 0);

  const bool inner = 0 < k && k < n - 1;
  bool moved = false;
  float last = 0.0f;
  while (left) {
    // The selection cannot change here, so the record shown stays v.
    edit_level_of(v) = k;
    if (inner) {
      float t = y < 8 ? 0.0f : y > b.H - 7 ? 1.0f : ((float)y - 8.0f) / b.S();
      const float lo = position_of(a, k - 1), hi = position_of(a, k + 1);
      if (t < lo) t = lo;
      if (t > hi) t = hi;
      move_level(k, t);
      last = t;
      moved = true;
    }
    draw_background_editor();
    if (inner) viewp_bgpositiontext_set(last);
    if (!Background_editor_windep.pointer(&x, &y, &left)) left = 0;
  }
  if (moved) viewp_bgpositiontext_chng(last);
}

void set_current_background_color(float r, float g, float b) {
  int W, H;
  if (!editor_size(&W, &H)) return;
  int count = 0, list[MAX_VIEWPORTS];
  current_selected_viewports(&count, list, 0);
  if (count > 0) {
    const int first = list[0];
    const bool constant = our_rint(Viewports[first].attributes[VP_BACKGROUND_TYPE]) == 2;
    const int slot = constant ? VP_CONSTANT_RGB : VP_BLEND_RGB + 3 * Viewports[first].blend_edit_level;
    for (int i = 0; i < count; i++) {
      float *a = Viewports[list[i]].attributes;
      a[slot] = r, a[slot + 1] = g, a[slot + 2] = b;
    }
  }
  draw_background_editor();
  viewp_bgcolortext_set(r, g, b);
}

void refresh_new_viewport_picked() {
  int W, H;
  if (!editor_size(&W, &H)) return;
  int v = shown_record();
  if (v < 0) v = 0;
  const float *a = Viewports[v].attributes;
  const int type = our_rint(a[VP_BACKGROUND_TYPE]);
  const float *rgb = type == 2 ? &a[VP_CONSTANT_RGB]
                     : type == 3 ? &a[VP_BLEND_RGB + 3 * Viewports[v].blend_edit_level]
                                 : nullptr;
  if (rgb && Background_editor_windep.chooser_color)
    Background_editor_windep.chooser_color(rgb[0], rgb[1], rgb[2]);
  draw_background_editor();
  viewp_icons_refresh();
}
