// The viewport table (see viewports.h).  Owns Viewports, Viewport_defaults,
// the stacking order and Viewport_current.  viewport_attributes keeps the
// invariants: viewport 0 in use, 3-D and never transparent or inherit; a
// viewport is in use exactly while it is in the stacking order; the first
// blend position is 0 and the last level's is 1.
#include "view/viewports.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "client/interf_settings.h"
#include "client/screen.h"
#include "interact/stereo.h"
#include "palette/annotate.h"
#include "parts/read.h"
#include "render/active.h"
#include "render/disobj.h"
#include "render/display.h"
#include "view/view_part_mask.h"
#include "view/viewport_background.h"
#include "view/viewport_select.h"
#include "view/viewer_services.h"
#include "view/planar.h"
#include "view/stored_views.h"
#include "view/viewer_state.h"

#include "client/defaults.h"

Viewport_rec Viewports[MAX_VIEWPORTS];
float Viewport_defaults[VIEWPORT_ATTRS];
int Viewport_display_order[MAX_VIEWPORTS];
int Num_active_viewports = 1;
int Viewport_current = 0;
int Stencil_current_viewport = -1;
int Num_viewports_overlapping = 0;
float baccol[3];
int Person = 1;
int Floating_z_planes = 1;
static const Global_defaults Defaults(DEFAULTS_AT_RESET, baccol, Person, Floating_z_planes);

// The defaults of a new viewport: 3-D, bordered in white, a constant black
// background (blend level 2 prepared dark blue), visible at (0.3, 0.3) with
// size 0.2, hidden surface and line on, perspective.
static const float Start_defaults[VIEWPORT_ATTRS] = {
    1, 0, 1, 1, 1, 1, 0, 2, 2, 0, 0, 0,             // 0..11
    0, 0, 0, 0, 0, 0.3f, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 12..26 blend colours
    0, 1, 1, 1, 1,                                  // 27..31 blend positions
    1, 0.3f, 0.3f, 0.2f, 0.2f, 1, 1, 1};            // 32..39

void viewport_start_defaults(float out[VIEWPORT_ATTRS]) {
  memcpy(out, Start_defaults, sizeof Start_defaults);
}

// Start-up grid origin of viewport k = 1 + 4c + r (c, r = 0..3), each step
// taken in double from the previous float.
static void grid_origin(int k, float *x, float *y) {
  int c = (k - 1) / 4, r = (k - 1) % 4;
  float gx = 0.04f, gy = 0.76f;
  for (int i = 0; i < c; i++) gx = (float)(gx + 0.24);
  for (int i = 0; i < r; i++) gy = (float)(gy - 0.24);
  *x = gx;
  *y = gy;
}

void global_init_viewports() {
  memcpy(Viewport_defaults, Start_defaults, sizeof Viewport_defaults);
  Num_viewports_overlapping = 0;
  Num_active_viewports = 1;
  for (int &o : Viewport_display_order) o = 0;
  Viewport_current = 0;
  for (int v = 0; v < MAX_VIEWPORTS; v++) {
    Viewport_rec &vp = Viewports[v];
    vp = Viewport_rec{};
    memcpy(vp.attributes, Viewport_defaults, sizeof vp.attributes);
    int4x4(vp.matrix_2d);
    if (v == 0) {
      snprintf(vp.name, sizeof vp.name, "%s", "Main Viewport");
      float *a = vp.attributes;
      a[VP_ORIGIN_X] = a[VP_ORIGIN_Y] = 0.0f;
      a[VP_WIDTH] = a[VP_HEIGHT] = 1.0f;
      a[VP_BORDER_VISIBLE] = 0.0f;
      a[VP_BACKGROUND_TYPE] = 2.0f;
      vp.in_use = 1;
    } else {
      snprintf(vp.name, sizeof vp.name, "Viewport %d", v);
      vp.attributes[VP_VISIBLE] = 0.0f;
      grid_origin(v, &vp.attributes[VP_ORIGIN_X], &vp.attributes[VP_ORIGIN_Y]);
    }
  }
}

// ---- pixel rectangle ---------------------------------------------------------------

// Window size of a display as floats, from its stored pixel bounds.
static void display_size(int dpy, float *w, float *h, int *x_min, int *y_min) {
  int x0, x1, y0, y1;
  grasal(&x0, &x1, &y0, &y1, dpy, 0);
  *w = (float)(x1 - x0 + 1);
  *h = (float)(y1 - y0 + 1);
  if (x_min) *x_min = x0;
  if (y_min) *y_min = y0;
}

void viewport_pixel_rectangle(int viewport) {
  Viewport_rec &vp = Viewports[viewport];
  const float *a = vp.attributes;
  float W, H;
  int x_min, y_min;
  display_size(0, &W, &H, &x_min, &y_min);
  vp.x0 = (int)(a[VP_ORIGIN_X] * W + (float)x_min);
  vp.x1 = (int)(a[VP_WIDTH] * W + (float)vp.x0);
  vp.y0 = (int)(a[VP_ORIGIN_Y] * H + (float)y_min);
  vp.y1 = (int)(a[VP_HEIGHT] * H + (float)vp.y0);
}

void viewport_all_resize() {
  for (int v = 0; v < MAX_VIEWPORTS; v++) viewport_pixel_rectangle(v);
}

int viewport_pixel_width(const Viewport_rec &vp) { return std::max(1, vp.x1 - vp.x0 + 1); }
int viewport_pixel_height(const Viewport_rec &vp) { return std::max(1, vp.y1 - vp.y0 + 1); }

int viewport_perspective_on(int viewport) {
  return Person == 1 && Viewports[viewport].attributes[VP_PERSPECTIVE] == 1.0f;
}

// ---- attributes -----------------------------------------------------------------------

void viewport_pickers_refresh() {
  draw_part_viewport_vis_gl(4);
  draw_part_viewport_vis_gl(10);
  draw_part_viewport_vis_gl(14);
  draw_selected_viewport_chooser_gl(5);
  draw_selected_viewport_chooser_gl(18);
  Stencil_current_viewport = -1;
}

// A location slot changed: from 0 by more than 0.0001, otherwise by more
// than a thousandth of the stored value.
static bool location_differs(float stored, float given) {
  if (stored == 0.0f) return std::fabs(given) > 0.0001f;
  return std::fabs(stored - given) / std::fabs(stored) > 0.001f;
}

// Last level's position 1, first 0; a growing count spreads the inner
// positions evenly.
static void fix_blend_positions(float a[VIEWPORT_ATTRS], float stored_levels) {
  int levels = our_rint(a[VP_BLEND_LEVELS]);
  if (levels >= 1 && levels <= 5) a[VP_BLEND_POSITION - 1 + levels] = 1.0f;
  a[VP_BLEND_POSITION] = 0.0f;
  if (a[VP_BLEND_LEVELS] > stored_levels) {
    double step = 1.0 / (a[VP_BLEND_LEVELS] - 1.0);
    int inner = std::min(our_rint(a[VP_BLEND_LEVELS] - 1.0f) - 1, 3);
    for (int k = 1; k <= inner; k++) a[VP_BLEND_POSITION + k] = (float)(k * step);
  }
}

void viewport_attributes(int viewport, float a[VIEWPORT_ATTRS], char name[VIEWPORT_NAME_TEXT],
                         int redraw, int mode) {
  if (viewport < -1 || viewport >= MAX_VIEWPORTS) return;
  if (mode == 0) {
    if (viewport == -1) {
      memcpy(a, Viewport_defaults, sizeof Viewport_defaults);
      if (name) name[0] = '\0';
    } else {
      memcpy(a, Viewports[viewport].attributes, sizeof Viewports[viewport].attributes);
      if (name) memcpy(name, Viewports[viewport].name, VIEWPORT_NAME_TEXT);
    }
    return;
  }
  if (mode != 1) return;

  if (viewport == -1) {
    fix_blend_positions(a, Viewport_defaults[VP_BLEND_LEVELS]);
    memcpy(Viewport_defaults, a, sizeof Viewport_defaults);
    return;
  }
  Viewport_rec &r = Viewports[viewport];
  float *s = r.attributes;
  fix_blend_positions(a, s[VP_BLEND_LEVELS]);
  if (viewport == 0) {
    int type = our_rint(a[VP_BACKGROUND_TYPE]);
    if (type == 0 || type == 1) a[VP_BACKGROUND_TYPE] = s[VP_BACKGROUND_TYPE];
  }
  bool coming = our_rint(a[VP_VISIBLE]) != 0 && !r.in_use;
  bool new_2d = coming && a[VP_VIEW_DIMENSION] == 0.0f;
  if (viewport == 0) a[VP_VIEW_DIMENSION] = 1.0f;
  bool to_2d = a[VP_VIEW_DIMENSION] == 0.0f && s[VP_VIEW_DIMENSION] == 1.0f;

  bool visible_differs = a[VP_VISIBLE] != s[VP_VISIBLE];
  bool changed = visible_differs || a[VP_PERSPECTIVE] != s[VP_PERSPECTIVE];
  for (int slot = VP_ORIGIN_X; slot <= VP_HEIGHT; slot++)
    if (location_differs(s[slot], a[slot])) changed = true;
  bool became_visible = visible_differs && a[VP_VISIBLE] != 0.0f;
  if (a[VP_BORDER_VISIBLE] != s[VP_BORDER_VISIBLE]) Stencil_current_viewport = -1;

  if (name) {
    size_t n = strnlen(name, sizeof r.name - 1);
    memcpy(r.name, name, n);
    r.name[n] = '\0';
  }
  memcpy(s, a, sizeof r.attributes);
  viewport_pixel_rectangle(viewport);
  if (coming) Viewport_display_order[Num_active_viewports++] = viewport;
  if (viewport == 0) recompute_contrast_color();
  r.two_d = s[VP_VIEW_DIMENSION] == 1.0f ? 0 : 1;

  if (!coming) {
    if (to_2d) {
      change_viewport_to_2d(viewport);
      r.two_d_check_pending = 0;
    }
    if (changed) {
      if (became_visible && r.two_d && r.two_d_check_pending) {
        r.two_d_check_pending = 0;
        recheck_all_parts_against_2d_viewport(viewport);
      }
      if (redraw == 1) viewports_display_all();
      viewport_pickers_refresh();
    }
  } else {
    r.in_use = 1;
    Viewport_current = viewport;
    viewport_overlap(viewport, nullptr, 1);
    Resort_transparent = 1;
    initialize_one_viewport();
    r.two_d_check_pending = 0;
    if (new_2d) change_viewport_to_2d(viewport);
    viewports_display_all();
    viewport_pickers_refresh();
  }
  modify_string_visibility_for_viewport(viewport, (int)s[VP_VISIBLE]);
}

int viewport_exists(int viewport) {
  return viewport >= 0 && viewport < MAX_VIEWPORTS && Viewports[viewport].in_use ? 1 : 0;
}

// ---- creating and deleting ---------------------------------------------------------------

int make_new_viewport() {
  int slot = -1;
  for (int v = 0; v < MAX_VIEWPORTS && slot < 0; v++)
    if (!Viewports[v].in_use) slot = v;
  if (slot < 0) return -1;
  float keep[4];
  memcpy(keep, &Viewports[slot].attributes[VP_ORIGIN_X], sizeof keep);
  float a[VIEWPORT_ATTRS];
  char name[VIEWPORT_NAME_TEXT];
  viewport_attributes(-1, a, name, 0, 0);
  a[VP_VISIBLE] = 1.0f;
  memcpy(&a[VP_ORIGIN_X], keep, sizeof keep);
  int4x4(Viewports[slot].matrix_2d);
  int count = 1, list[MAX_VIEWPORTS] = {slot};
  current_selected_viewports(&count, list, 1);
  viewport_attributes(slot, a, name, 1, 1);
  Viewport_current = slot;
  Resort_transparent = 1;
  Stencil_current_viewport = -1;
  viewport_overlap(slot, nullptr, 1);
  return 1;
}

// Takes v out of the stacking order; false when it is not there.
static bool unstack(int v) {
  int *end = Viewport_display_order + Num_active_viewports;
  int *at = std::find(Viewport_display_order, end, v);
  if (at == end) return false;
  std::copy(at + 1, end, at);
  Num_active_viewports--;
  return true;
}

void remove_viewport() {
  int deleted = 0;
  for (int v = 1; v < MAX_VIEWPORTS; v++) {
    Viewport_rec &r = Viewports[v];
    if (!r.selected || !unstack(v)) continue;
    viewport_bit_set_in_all_parts(v);
    r.in_use = r.blend_edit_level = r.selected = r.two_d = 0;
    memcpy(r.attributes, Viewport_defaults, sizeof r.attributes);
    grid_origin(v, &r.attributes[VP_ORIGIN_X], &r.attributes[VP_ORIGIN_Y]);
    delete_strings_if_viewport_removed(v);
    deleted++;
  }
  if (!deleted) return;
  if (Num_active_viewports == 1) Viewports[0].attributes[VP_VISIBLE] = 1.0f;
  Viewport_current = 0;
  Resort_transparent = 1;
  fix_up_viewport(1);
  int count = 1, list[MAX_VIEWPORTS] = {0};
  current_selected_viewports(&count, list, 1);
  viewport_overlap(0, nullptr, 1);
  viewports_display_all();
  viewport_pickers_refresh();
}

// ---- standard layouts ------------------------------------------------------------------------

struct Layout_place {
  float x, y, w, h;  // origin_x, origin_y, width, height
};

// Places k = 0..3 of layouts 1..5; the constants are the floats nearest
// 0.333, 0.334 and 0.667.
static const Layout_place Layout_places[5][4] = {
    {{0, 0, 0.5f, 1}, {0.5f, 0, 0.5f, 1}},
    {{0, 0, 1, 0.5f}, {0, 0.5f, 1, 0.5f}},
    {{0, 0.5f, 0.5f, 0.5f}, {0.5f, 0.5f, 0.5f, 0.5f}, {0, 0, 0.5f, 0.5f}, {0.5f, 0, 0.5f, 0.5f}},
    {{0.333f, 0, 0.667f, 1},
     {0, 0.667f, 0.333f, 0.333f},
     {0, 0.333f, 0.333f, 0.334f},
     {0, 0, 0.333f, 0.333f}},
    {{0, 0.333f, 1, 0.667f},
     {0, 0, 0.333f, 0.333f},
     {0.333f, 0, 0.334f, 0.333f},
     {0.667f, 0, 0.333f, 0.333f}},
};

// Reads viewport v, lets change() alter its vector, writes it without redraw.
template <typename Change>
static void change_viewport(int v, Change change) {
  float a[VIEWPORT_ATTRS];
  char name[VIEWPORT_NAME_TEXT];
  viewport_attributes(v, a, name, 0, 0);
  change(a);
  viewport_attributes(v, a, name, 0, 1);
}

static bool shown(int v) {
  return Viewports[v].in_use && Viewports[v].attributes[VP_VISIBLE] == 1.0f;
}

static void hide(int v) {
  change_viewport(v, [](float *a) { a[VP_VISIBLE] = 0.0f; });
}

int standard_viewport_layout(int layout) {
  if (layout < 0 || layout > 5) return -1;
  if (layout == 0) {
    change_viewport(0, [](float *a) {
      a[VP_VISIBLE] = 1.0f;
      a[VP_ORIGIN_X] = a[VP_ORIGIN_Y] = 0.0f;
      a[VP_WIDTH] = a[VP_HEIGHT] = 1.0f;
    });
    for (int v = 1; v < MAX_VIEWPORTS; v++)
      if (shown(v)) hide(v);
    viewports_display_all();
    return 1;
  }
  int n = layout <= 2 ? 2 : 4;
  bool taken[MAX_VIEWPORTS] = {};
  int count = 0;
  for (int pass = 0; pass < 2; pass++)
    for (int v = 0; v < MAX_VIEWPORTS && count < n; v++) {
      bool visible = Viewports[v].attributes[VP_VISIBLE] == 1.0f;
      bool wanted = pass == 0 ? visible : Viewports[v].attributes[VP_VISIBLE] == 0.0f;
      if (Viewports[v].in_use && !taken[v] && wanted) {
        taken[v] = true;
        count++;
      }
    }
  while (count < n && make_new_viewport() == 1) {
    taken[Viewport_current] = true;
    count++;
  }
  for (int v = 0; v < MAX_VIEWPORTS; v++)
    if (shown(v) && !taken[v]) hide(v);
  int k = 0;
  for (int v = 0; v < MAX_VIEWPORTS; v++) {
    if (!taken[v]) continue;
    const Layout_place &p = Layout_places[layout - 1][k++];
    change_viewport(v, [&p](float *a) {
      a[VP_BORDER_VISIBLE] = 1.0f;
      a[VP_VISIBLE] = 1.0f;
      a[VP_ORIGIN_X] = p.x;
      a[VP_ORIGIN_Y] = p.y;
      a[VP_WIDTH] = p.w;
      a[VP_HEIGHT] = p.h;
    });
  }
  viewports_display_all();
  return 1;
}

// ---- fitting the view -----------------------------------------------------------------------

void initialize_one_viewport() {
  int v = Viewport_current;
  Viewport_rec &vp = Viewports[v];
  switch_views_init_viewport();
  float angle;
  perspective_angle(&angle, 0);
  if (vp.attributes[VP_VIEW_DIMENSION] == 1.0f) int4x4(vp.matrix_2d);
  const int all[3] = {1, 1, 1};
  init_transforms(all);

  float box[6];
  find_min_max_viewport(v, box);
  float x_min = box[0], x_max = box[1], y_min = box[2], y_max = box[3], z_min = box[4],
        z_max = box[5];
  float dx = x_max - x_min, dy = y_max - y_min, dz = z_max - z_min;
  float size = std::max(dx, std::max(dy, dz));
  float D = (float)(size / std::cos(angle * 0.017453292)) * 3.0f;

  float at[3] = {x_min + dx * 0.5f, y_min + dy * 0.5f, z_min + dz * 0.5f};
  float from[3] = {at[0], at[1], at[2] + D};
  float identity[16], view[16];
  int4x4(identity);
  vewvew(at, from, &D, identity, view);
  view_param(at, from, view, &D, 1);
  original_view(at, from, 1);

  float front = dz, back = D + 10.0f * dz;
  if (std::fabs(z_min - z_max) < 0.00001f) back += D;
  if (front < 0.001f) front = 0.001f;
  zclipp_locat(&front, &back, 1);
  fix_up_viewport(1);
}

void initialize_viewports() {
  int saved = Viewport_current;
  for (int v = 0; v < MAX_VIEWPORTS; v++) {
    if (!Viewports[v].selected) continue;
    Viewport_current = v;
    initialize_one_viewport();
  }
  Viewport_current = saved;
  Stencil_current_viewport = -1;
  fix_up_viewport(1);
  viewports_display_all();
}

// ---- per-viewport GL set-up -------------------------------------------------------------------

// The GL viewport, projection and model-view of Viewport_current for a
// window of W x H pixels.  Full-screen stereo draws into a field 491 pixels
// high.  Pixel sizes are floored at 1 so that the aspect stays finite.
static void set_up_gl(float W, float H, bool full_screen_stereo, int with_modelview) {
  const Viewport_rec &vp = Viewports[Viewport_current];
  const float *a = vp.attributes;
  float front, back, angle;
  zclipp_locat(&front, &back, 0);
  perspective_angle(&angle, 0);

  int x = (int)(a[VP_ORIGIN_X] * W), w = std::max(1, (int)(a[VP_WIDTH] * W));
  int y, h, aspect_h;
  if (full_screen_stereo) {
    y = (int)(a[VP_ORIGIN_Y] * 491.0f);
    h = std::max(1, (int)(a[VP_HEIGHT] * 491.0f));
    aspect_h = std::max(1, (int)(a[VP_HEIGHT] * H));
  } else {
    y = (int)(a[VP_ORIGIN_Y] * H);
    h = aspect_h = std::max(1, (int)(a[VP_HEIGHT] * H));
  }
  float aspect = (float)w / (float)aspect_h;

  float combined[16], at[3], from[3], view[16], D;
  current_ctm(combined, 0);
  view_param(at, from, view, &D, 0);
  float t = (float)std::tan(angle * 0.017453292);

  glViewport(x, y, w, h);
  float aspect2 = Anim_aspect_ratio * aspect;
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  if (viewport_perspective_on(Viewport_current))
    gluPerspective(2.0 * angle, aspect2, front, back);
  else
    glOrtho(-D * t, D * t, -D * t / aspect2, D * t / aspect2, front, back);
  glMatrixMode(GL_MODELVIEW);
  if (with_modelview == 1) {
    glLoadMatrixf(view);
    glMultMatrixf(combined);
    glMultMatrixf(vp.matrix_2d);
  }
}

void fix_up_viewport(int with_modelview) {
  if (!gwin_gl_ready()) return;
  float W, H;
  bool stereo = Stereo_mode && !Stereo_in_window;
  int sw = 0, sh = 0;
  if (stereo && screen_size(Dpy_current, &sw, &sh)) {
    W = (float)sw;
    H = (float)sh;
  } else {
    display_size(Dpy_current, &W, &H, nullptr, nullptr);
  }
  set_up_gl(W, H, stereo, with_modelview);
}

void copy_transforms_from_root_window(int display) {
  if (display != Dpy_current) {
    Dpy_current = display;
    int code = 0;
    gwin_gl_curwin(&code, 1, &display);
  }
  if (!gwin_gl_ready()) return;
  float W, H;
  display_size(display, &W, &H, nullptr, nullptr);
  set_up_gl(W, H, false, 1);
}

// ---- selection ----------------------------------------------------------------------------

void current_selected_viewports(int *count, int list[MAX_VIEWPORTS], int mode) {
  if (mode == 0) {
    *count = 0;
    for (int v = 0; v < MAX_VIEWPORTS; v++)
      if (Viewports[v].selected) list[(*count)++] = v;
  } else if (mode == 1) {
    for (Viewport_rec &vp : Viewports) vp.selected = 0;
    for (int i = 0; i < *count && i < MAX_VIEWPORTS; i++)
      if (list[i] >= 0 && list[i] < MAX_VIEWPORTS) Viewports[list[i]].selected = 1;
    draw_selected_viewport_chooser_gl(5);
    draw_selected_viewport_chooser_gl(18);
    draw_zclipp_area_gl();
  }
}

// ---- neighbours not built yet --------------------------------------------------------------



// ---- graphics-window side --------------------------------------------------

