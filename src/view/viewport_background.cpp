// Viewport backgrounds (see viewport_background.h).  Owns Contrast_color
// and Picked_color; the background settings themselves live in the
// viewport records and change only through viewport_attributes, except the
// inherit rebuild, which keeps the main viewport's colours it sampled.
#include "view/viewport_background.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstring>

#include "client/interf_settings.h"
#include "client/screen.h"
#include "interact/stereo.h"
#include "parts/read.h"
#include "render/disobj.h"
#include "render/display.h"
#include "state/bkup_section.h"
#include "state/bkup_words.h"
#include "view/viewport_gl2d.h"
#include "view/viewports.h"

float Contrast_color[3] = {1.0f, 1.0f, 1.0f};
float Picked_color[3] = {0.0f, 1.0f, 0.0f};
void (*get_select_color_windep)(int rgb[3]) = nullptr;

enum { BG_TRANSPARENT = 0, BG_INHERIT = 1, BG_CONSTANT = 2, BG_BLENDED = 3 };
static const int Max_levels = 5;

static float *level_rgb(float *a, int level) { return &a[VP_BLEND_RGB + 3 * level]; }
static float &level_position(float *a, int level) { return a[VP_BLEND_POSITION + level]; }
static int level_count(const float *a) {
  return std::max(1, std::min(Max_levels, our_rint(a[VP_BLEND_LEVELS])));
}

void get_b_color(float t, float *r, float *g, float *b) {
  float *a = Viewports[Viewport_current].attributes;
  int n = level_count(a);
  const float *c = nullptr;
  if (t <= 0.0f) c = level_rgb(a, 0);
  if (t >= 1.0f) c = level_rgb(a, n - 1);
  if (c) {
    *r = c[0];
    *g = c[1];
    *b = c[2];
    return;
  }
  for (int i = 1; i < n; i++) {
    float p0 = level_position(a, i - 1), p1 = level_position(a, i);
    if (!(p0 <= t && t <= p1)) continue;
    float f = p1 > p0 ? (t - p0) / (p1 - p0) : 0.0f;
    const float *c0 = level_rgb(a, i - 1), *c1 = level_rgb(a, i);
    *r = c0[0] + (c1[0] - c0[0]) * f;
    *g = c0[1] + (c1[1] - c0[1]) * f;
    *b = c0[2] + (c1[2] - c0[2]) * f;
    return;
  }
}

// The main viewport's blended colour at window height t.
static void main_color_at(float t, float rgb[3]) {
  int saved = Viewport_current;
  Viewport_current = 0;
  get_b_color(t, &rgb[0], &rgb[1], &rgb[2]);
  Viewport_current = saved;
}

void inherit_blend_from_main(int v) {
  float *a = Viewports[v].attributes;
  float *m = Viewports[0].attributes;
  float lo = a[VP_ORIGIN_Y], hi = a[VP_ORIGIN_Y] + a[VP_HEIGHT];
  main_color_at(lo, level_rgb(a, 0));
  level_position(a, 0) = 0.0f;
  // Five levels in all: a viewport reaching beyond the window could meet
  // more main levels between its edges than the record holds.
  int k = 1, n = level_count(m);
  for (int i = 1; i < n && k < Max_levels - 1; i++) {
    float p = level_position(m, i);
    if (!(lo < p && p < hi)) continue;
    memcpy(level_rgb(a, k), level_rgb(m, i), 3 * sizeof(float));
    level_position(a, k) = (p - lo) / (hi - lo);
    k++;
  }
  main_color_at(hi, level_rgb(a, k));
  level_position(a, k) = 1.0f;
  a[VP_BLEND_LEVELS] = (float)(k + 1);
}

static void clip_planes_by_toggles() {
  if (Plane_clipp_toggle) glEnable(GL_CLIP_PLANE0);
  if (Plane2_clipp_toggle) glEnable(GL_CLIP_PLANE1);
}

// Clears depth inside the current GL viewport only, so that the viewports
// drawn before keep theirs.
static void clear_depth_here() {
  GLint box[4];
  glGetIntegerv(GL_VIEWPORT, box);
  glScissor(box[0], box[1], box[2], box[3]);
  glEnable(GL_SCISSOR_TEST);
  glClear(GL_DEPTH_BUFFER_BIT);
  glDisable(GL_SCISSOR_TEST);
}

static void draw_constant(const float *a) {
  const float *c = &a[VP_CONSTANT_RGB];
  if (Num_active_viewports == 1) {
    glClearColor(c[0], c[1], c[2], 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    return;
  }
  glDisable(GL_CLIP_PLANE0);
  glDisable(GL_CLIP_PLANE1);
  glDisable(GL_LIGHTING);
  glDisable(GL_DEPTH_TEST);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  gl2d_begin(0, 1, 0, 1);
  glColor3f(c[0], c[1], c[2]);
  glBegin(GL_QUADS);
  glVertex2f(0, 0);
  glVertex2f(1, 0);
  glVertex2f(1, 1);
  glVertex2f(0, 1);
  glEnd();
  gl2d_end();
  glEnable(GL_DEPTH_TEST);
  clear_depth_here();
  clip_planes_by_toggles();
}

static void draw_blended(float *a) {
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glDisable(GL_CLIP_PLANE0);
  glDisable(GL_CLIP_PLANE1);
  glDisable(GL_LIGHTING);
  glDisable(GL_BLEND);
  glDisable(GL_DEPTH_TEST);
  glShadeModel(GL_SMOOTH);
  gl2d_begin(0, 1, 0, 1);
  glBegin(GL_QUADS);
  for (int i = 1; i < level_count(a); i++) {
    const float *c0 = level_rgb(a, i - 1), *c1 = level_rgb(a, i);
    float p0 = level_position(a, i - 1), p1 = level_position(a, i);
    glColor3fv(c0);
    glVertex2f(0, p0);
    glVertex2f(1, p0);
    glColor3fv(c1);
    glVertex2f(1, p1);
    glVertex2f(0, p1);
  }
  glEnd();
  gl2d_end();
  clip_planes_by_toggles();
  glEnable(GL_DEPTH_TEST);
  clear_depth_here();
}

// The background of Viewport_current; its type slot is put back as found.
static void draw_background() {
  int v = Viewport_current;
  float *a = Viewports[v].attributes;
  float *m = Viewports[0].attributes;
  const float stored_type = a[VP_BACKGROUND_TYPE];
  int type = our_rint(stored_type);
  if (type == BG_INHERIT) {
    if (our_rint(m[VP_BACKGROUND_TYPE]) == BG_CONSTANT) {
      type = BG_CONSTANT;
      memcpy(&a[VP_CONSTANT_RGB], &m[VP_CONSTANT_RGB], 3 * sizeof(float));
    } else {
      type = BG_BLENDED;
      inherit_blend_from_main(v);
    }
  }
  if (type == BG_CONSTANT) draw_constant(a);
  if (type == BG_BLENDED) draw_blended(a);
  a[VP_BACKGROUND_TYPE] = stored_type;
}

void erase_screen() {
  if (!gwin_gl_ready()) return;
  const float *a = Viewports[Viewport_current].attributes;
  if (Viewport_current != 0 || (a[VP_WIDTH] == 1.0f && a[VP_HEIGHT] == 1.0f)) {
    draw_background();
    return;
  }
  int W, H;
  if (Stereo_mode && !Stereo_in_window && screen_size(Dpy_current, &W, &H)) {
    H = 491;
  } else {
    int x0, x1, y0, y1;
    grasal(&x0, &x1, &y0, &y1, Dpy_current, 0);
    W = x1 - x0 + 1;
    H = y1 - y0 + 1;
  }
  glPushAttrib(GL_VIEWPORT_BIT);
  glViewport(0, 0, W, H);
  draw_background();
  glPopAttrib();
}

// ---- the two overlay colours ------------------------------------------------------------

void get_contrast_color(float rgb[3]) { memcpy(rgb, Contrast_color, sizeof Contrast_color); }

// Luminance of one colour, formed in double.
static double luminance(const float *c) { return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2]; }

void recompute_contrast_color() {
  float *m = Viewports[0].attributes;
  float L;
  if (our_rint(m[VP_BACKGROUND_TYPE]) == BG_CONSTANT) {
    L = (float)luminance(&m[VP_CONSTANT_RGB]);
  } else {
    int n = level_count(m);
    float sum = 0.0f;
    for (int i = 0; i < n; i++) sum = (float)(sum + luminance(level_rgb(m, i)));
    L = sum / (float)n;
  }
  float c = L < 0.5f ? 1.0f : 0.0f;
  Contrast_color[0] = Contrast_color[1] = Contrast_color[2] = c;
}

void get_picked_color(float rgb[3]) {
  if (get_select_color_windep) {
    int c[3] = {0, 0, 0};
    get_select_color_windep(c);
    for (int k = 0; k < 3; k++) Picked_color[k] = (float)c[k] / 255.0f;
  }
  memcpy(rgb, Picked_color, sizeof Picked_color);
}

// ---- the edited background -----------------------------------------------------------------

// The first selected viewport, or the main viewport when none is selected.
static int first_selected() {
  for (int v = 0; v < MAX_VIEWPORTS; v++)
    if (Viewports[v].selected) return v;
  return 0;
}

int return_current_background_type() {
  return our_rint(Viewports[first_selected()].attributes[VP_BACKGROUND_TYPE]);
}

void background_level(int *level, int mode) {
  Viewport_rec &vp = Viewports[first_selected()];
  if (mode == 0) {
    *level = vp.blend_edit_level + 1;
  } else if (mode == 1 && *level >= 1 && *level <= our_rint(vp.attributes[VP_BLEND_LEVELS])) {
    vp.blend_edit_level = *level - 1;
    draw_background_editor();
  }
}

// ---- archive section ---------------------------------------------------------------------------

int background_bkup(FILE *fp, int mode) {
  const float version = 10.0f;
  uint32_t word;
  switch (mode) {
    case BKUP_SAVE:
      memcpy(&word, &version, sizeof word);
      if (!bkup_put_word(fp, word)) {
        perror("background_bkup:");
        return -1;
      }
      return 1;
    case BKUP_RESTORE:
      if (!bkup_get_word(fp, &word)) {
        perror("background_bkup:");
        return -1;
      }
      recompute_contrast_color();
      return 1;
    case BKUP_RESET:
      recompute_contrast_color();
      return 1;
    default:
      return 1;
  }
}
