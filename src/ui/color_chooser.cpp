// Colour Selector dialog, chooser colour, conversions, cells, drawing and
// picking (see color_chooser.h).  The chooser block below is the module's
// only state besides the dialog globals; the setters are the only writers
// of the colour, colorsel_read_cells and colorsel_pick the only writers of
// the cells.
#include "ui/color_chooser.h"

#include <GL/gl.h>
#include <Xm/Form.h>
#include <Xm/Label.h>
#include <Xm/Protocols.h>
#include <Xm/PushB.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "client/file_select_comm.h"
#include "client/startup.h"
#include "interact/tools.h"
#include "interact/ui/tools_menu.h"
#include "interact/vector3.h"
#include "ui/event_loop.h"
#include "ui/dialog_frame.h"
#include "ui/general_windep.h"
#include "ui/interf_init.h"
#include "ui/screen_query.h"
#include "ui/textc_windep.h"
#include "ui/widget_helpers.h"
#include "ui/window_codes.h"
#include "view/viewports.h"
#include "view/ui/viewport_panel.h"

Widget Colorselect_dialog = nullptr;
Widget Colorselect_rgb_tggl = nullptr;
Widget Colorselect_hsv_tggl = nullptr;
Widget Colorselect_setcell_tggl = nullptr;
Widget Colorselect_redhue_text = nullptr;
Widget Colorselect_redhue_lbl = nullptr;
Widget Colorselect_grnsat_text = nullptr;
Widget Colorselect_grnsat_lbl = nullptr;
Widget Colorselect_bluval_text = nullptr;
Widget Colorselect_bluval_lbl = nullptr;
Widget Colorselect_red_exttext = nullptr;
Widget Colorselect_grn_exttext = nullptr;
Widget Colorselect_blu_exttext = nullptr;
char Colorselect_rgb_extformat[COLORSEL_FORMAT_TEXT] = "%4.2f";
float Colorselect_red_extvalue = 0.0f;
float Colorselect_grn_extvalue = 0.0f;
float Colorselect_blu_extvalue = 0.0f;
void (*Colorselect_applyroutCB)() = nullptr;
int Colorselect_set_colorcell = 0;
int Coming_from_background = 0;

#define CELL_LINE_TEXT 80   // bytes of the line buffer of the cell file
#define VALUE_TEXT 12       // bytes of one formatted component

static struct {
  int space = 1;                          // 0 RGB, 1 HSV
  float red = 1.0f, green = 0.0f, blue = 0.0f;  // 0..1
  float hue = 0.0f, sat = 1.0f, val = 1.0f;     // hue a fraction of a turn, -1/360 undefined
  float bar_height = 18.0f;               // pixels
  float bar_step = 28.0f;                 // pixels between bar bottoms
  float bar_base = 5.0f;                  // pixels above the mix area's bottom edge
  int cells_to_read = 1;                  // 1 until the cell file was read
  int current_cell = -1;                  // cell under a grid drag, -1 none
  short cells[COLORSEL_CELLS][3] = {};    // 0..255
  int patch_x = 0, patch_y = 0, patch_w = 0, patch_h = 0;  // screen, y-up
  int mix_x = 0, mix_y = 0, mix_w = 0, mix_h = 0;
  Colorsel_layout_rec layout = {};        // of the last redraw
} Chooser;

// ---- conversions ------------------------------------------------------------------

void rgb_to_hsv(float r, float g, float b, float *h, float *s, float *v) {
  float max = r > g ? r : g;
  if (b > max) max = b;
  float min = r < g ? r : g;
  if (b < min) min = b;
  float delta = max - min;
  *v = max;
  *s = max == 0.0f ? 0.0f : delta / max;
  if (*s == 0.0f) {
    *h = -1.0f / 360.0f;
    return;
  }
  float rc = (max - r) / delta, gc = (max - g) / delta, bc = (max - b) / delta;
  float H;
  if (r == max)
    H = bc - gc;
  else if (g == max)
    H = 2.0f + rc - bc;
  else
    H = 4.0f + gc - rc;
  H *= 60.0f;
  if (H < 0.0f) H += 360.0f;
  *h = H / 360.0f;
}

void hsv_to_rgb(float h, float s, float v, float *r, float *g, float *b) {
  if (s == 0.0f) {
    *r = *g = *b = v;
    return;
  }
  float H = h * 360.0f;
  if (H == 360.0f) H = 0.0f;
  H /= 60.0f;
  float fi = floorf(H);
  int i = static_cast<int>(fi);
  float f = H - fi;
  float p = v * (1.0f - s), q = v * (1.0f - s * f), t = v * (1.0f - s * (1.0f - f));
  switch (i) {
    case 0: *r = v; *g = t; *b = p; break;
    case 1: *r = q; *g = v; *b = p; break;
    case 2: *r = p; *g = v; *b = t; break;
    case 3: *r = p; *g = q; *b = v; break;
    case 4: *r = t; *g = p; *b = v; break;
    case 5: *r = v; *g = p; *b = q; break;
    default: break;
  }
}

float saturation_factor(float hue) {
  float H = hue * 360.0f;
  if (H == 360.0f) H = 0.0f;
  float i = floorf(H / 60.0f);
  float f = (H - 60.0f * i) / 60.0f;
  float a = 1.0f - 0.5f * f, b = 0.866f * f;
  return sqrtf(a * a + b * b);
}

// ---- the chooser colour -----------------------------------------------------------

static void set_rgb(float r, float g, float b) {
  Chooser.red = r;
  Chooser.green = g;
  Chooser.blue = b;
  rgb_to_hsv(r, g, b, &Chooser.hue, &Chooser.sat, &Chooser.val);
}

static void set_hsv(float h, float s, float v) {
  Chooser.hue = h;
  Chooser.sat = s;
  Chooser.val = v;
  hsv_to_rgb(h, s, v, &Chooser.red, &Chooser.green, &Chooser.blue);
}

void colorsel_color_init(float r, float g, float b) { rgb_popup_color_values(&r, &g, &b, 1); }

void popup_color_space(int *space, int mode) {
  if (mode == 0) {
    *space = Chooser.space;
  } else if (mode == 1) {
    Chooser.space = *space;
    draw_colorsel_window();
  }
}

void popup_color_values(float *a, float *b, float *c, int mode) {
  if (mode == 0) {
    if (Chooser.space == 0) {
      *a = fabsf(Chooser.red), *b = fabsf(Chooser.green), *c = fabsf(Chooser.blue);
    } else {
      *a = fabsf(Chooser.hue), *b = fabsf(Chooser.sat), *c = fabsf(Chooser.val);
    }
  } else if (mode == 1) {
    if (Chooser.space == 0)
      set_rgb(*a, *b, *c);
    else
      set_hsv(*a, *b, *c);
    draw_colorsel_window();
  }
}

void rgb_popup_color_values(float *r, float *g, float *b, int mode) {
  if (mode == 0) {
    *r = Chooser.red, *g = Chooser.green, *b = Chooser.blue;
  } else if (mode == 1) {
    set_rgb(*r, *g, *b);
    draw_colorsel_window();
  }
}

// ---- cells and their file ---------------------------------------------------------

int colorsel_cell_path(char *buf, int size) {
  int n = snprintf(buf, static_cast<size_t>(size), "%s/%s/%s", User_home_directory,
                   Quivane_resource_directory, COLORSEL_CELL_FILE);
  return n < 0 || n >= size ? -1 : 0;
}

void colorsel_cell(int k, int rgb[3], int mode) {
  if (k < 0 || k >= COLORSEL_CELLS) return;
  for (int i = 0; i < 3; i++) {
    if (mode == 0)
      rgb[i] = Chooser.cells[k][i];
    else if (mode == 1)
      Chooser.cells[k][i] = static_cast<short>(rgb[i] < 0 ? 0 : rgb[i] > 255 ? 255 : rgb[i]);
  }
}

static void store_cell(int k, float r, float g, float b) {
  Chooser.cells[k][0] = static_cast<short>(r * 255.0f);
  Chooser.cells[k][1] = static_cast<short>(g * 255.0f);
  Chooser.cells[k][2] = static_cast<short>(b * 255.0f);
}

// Five rows of saturated hues in steps of 1/30 turn per column, then a grey
// row from black to white.
static void default_cells() {
  float hue = 0.0f;
  for (int c = 0; c < 6; c++) {
    for (int row = 0; row < 5; row++) {
      float r = 0, g = 0, b = 0;
      hsv_to_rgb(hue, 1.0f, 1.0f, &r, &g, &b);
      store_cell(6 * c + row, r, g, b);
      hue += 1.0f / 30.0f;
    }
    float grey = 0.2f * static_cast<float>(c);
    store_cell(6 * c + 5, grey, grey, grey);
  }
}

// One line into buf (CELL_LINE_TEXT bytes); a longer line is cut there and
// its rest skipped.  -1 at the end of the file.
static int cell_line(FILE *fp, char *buf) {
  int n = get_aline(fp, CELL_LINE_TEXT - 1, buf);
  if (n == GET_ALINE_EOF) return -1;
  if (n == GET_ALINE_LONG) {
    buf[CELL_LINE_TEXT - 1] = '\0';
    int c;
    while ((c = getc(fp)) != EOF && c != '\n') {
    }
  }
  return 0;
}

// Up to three leading integers of line into v; the ones missing keep their
// values.  Values beyond the int range saturate (the cells clamp them).
static void scan_ints(const char *line, int v[3]) {
  const char *p = line;
  for (int i = 0; i < 3; i++) {
    char *end = nullptr;
    long n = strtol(p, &end, 10);
    if (end == p) return;
    v[i] = n > INT_MAX ? INT_MAX : n < INT_MIN ? INT_MIN : static_cast<int>(n);
    p = end;
  }
}

static int read_cell_file(const char *path) {
  FILE *fp = fopen(path, "r");
  if (!fp) return 0;
  char line[CELL_LINE_TEXT];
  char word[CELL_LINE_TEXT];
  float version = 0.0f;
  int ok = cell_line(fp, line) == 0 && sscanf(line, "%79s %f", word, &version) == 2 &&
           strncmp(word, "Version", 7) == 0 && version >= 6.0f;
  int rgb[3] = {0, 0, 0};
  for (int k = 0; ok && k < COLORSEL_CELLS; k++) {
    if (cell_line(fp, line) != 0) {
      ok = 0;
      break;
    }
    scan_ints(line, rgb);
    colorsel_cell(k, rgb, 1);
  }
  fclose(fp);
  return ok;
}

int colorsel_read_cells() {
  Chooser.cells_to_read = 0;
  char path[2 * HOME_DIR_TEXT];
  int mode = 0, report = 0;
  int ok = colorsel_cell_path(path, sizeof path) == 0 && chkfil(path, &mode, &report) == 1 &&
           read_cell_file(path);
  if (!ok) default_cells();
  return ok ? 1 : 0;
}

int colorsel_write_cells() {
  char path[2 * HOME_DIR_TEXT];
  int mode = 1, report = 0;
  if (colorsel_cell_path(path, sizeof path) != 0 || chkfil(path, &mode, &report) != 1) return -1;
  FILE *fp = fopen(path, "w");
  if (!fp) return -1;
  fprintf(fp, "Version 6.0\n");
  for (const auto &c : Chooser.cells) fprintf(fp, "%d %d %d\n", c[0], c[1], c[2]);
  return fclose(fp) == 0 ? 0 : -1;
}

int colorsel_current_cell() { return Chooser.current_cell; }

// ---- layout and picking -----------------------------------------------------------

void colorsel_layout(int mix_w, int mix_h, int patch_dy, int patch_h, Colorsel_layout_rec *out) {
  Colorsel_layout_rec &l = *out;
  l.w = static_cast<float>(mix_w);
  l.h = static_cast<float>(mix_h);
  float S = static_cast<float>(patch_h);
  float W = l.w;
  l.grid_bottom = static_cast<float>(patch_dy) + 0.1f * S;
  for (int pass = 0; pass < 2; pass++) {
    l.grid_left = 0.025f * W;
    l.grid_right = l.grid_left + 0.45f * W;
    l.grid_top = l.grid_bottom + 0.866f * (l.grid_right - l.grid_left);
    if (pass == 0 && l.grid_top > l.h)
      W = static_cast<float>(static_cast<int>(1.8f * S));
    else
      break;
  }
  l.hex_left = 0.5f * W + 0.025f * W;
  l.hex_right = l.hex_left + 0.45f * W;
  l.hex_width = 0.45f * W;
  l.bar_length = 0.9f * l.w;
  l.bar_height = Chooser.bar_height;
  l.bar_step = Chooser.bar_step;
  l.bar_base = Chooser.bar_base;
}

static float cell_width(const Colorsel_layout_rec *l) { return (l->grid_right - l->grid_left + 1.0f) / 6.0f; }
static float cell_height(const Colorsel_layout_rec *l) { return (l->grid_top - l->grid_bottom + 1.0f) / 6.0f; }
static float hex_cx(const Colorsel_layout_rec *l) { return 0.5f * (l->hex_left + l->hex_right); }
static float hex_cy(const Colorsel_layout_rec *l) { return 0.5f * (l->grid_bottom + l->grid_top); }
static float bar_bottom(const Colorsel_layout_rec *l, int i) { return l->bar_base + i * l->bar_step; }

static int inside(float v, float lo, float hi) { return v >= lo && v <= hi; }

int colorsel_pick_region(const Colorsel_layout_rec *l, float px, float py) {
  if (inside(px, l->grid_left, l->grid_right) && inside(py, l->grid_bottom, l->grid_top))
    return COLORSEL_GRID;
  if (inside(px, l->hex_left, l->hex_right) && inside(py, l->grid_bottom, l->grid_top))
    return COLORSEL_HEXAGON;
  for (int i = 0; i < 3; i++)
    if (inside(px, 0.05f * l->w, 0.95f * l->w) &&
        inside(py, bar_bottom(l, i), bar_bottom(l, i) + l->bar_height))
      return COLORSEL_BAR0 + i;
  return COLORSEL_NONE;
}

static int clamp_index(float v) {
  int i = static_cast<int>(v);
  return i < 0 ? 0 : i > 5 ? 5 : i;
}

static int pick_cell(const Colorsel_layout_rec *l, float px, float py) {
  int col = clamp_index((px - l->grid_left) / cell_width(l));
  int row = clamp_index((l->grid_top - py) / cell_height(l));
  int k = 6 * col + row;
  Chooser.current_cell = k;
  if (Colorselect_set_colorcell) {
    store_cell(k, Chooser.red, Chooser.green, Chooser.blue);
    colorsel_write_cells();
    Colorselect_set_colorcell = 0;
    return 1;
  }
  set_rgb(Chooser.cells[k][0] / 255.0f, Chooser.cells[k][1] / 255.0f, Chooser.cells[k][2] / 255.0f);
  return 0;
}

static void pick_hexagon(const Colorsel_layout_rec *l, float px, float py) {
  float d[3] = {px - hex_cx(l), py - hex_cy(l), 0.0f};
  float r = normlz(d);
  const float two_pi = 2.0f * static_cast<float>(M_PI);
  float angle = acosf(d[0] < -1.0f ? -1.0f : d[0] > 1.0f ? 1.0f : d[0]);
  if (d[1] < 0.0f) angle = two_pi - angle;
  float hue = angle / two_pi;
  float sat = (r / (0.5f * l->hex_width)) / saturation_factor(hue);
  if (sat > 1.0f) sat = 1.0f;
  set_hsv(hue, sat, Chooser.val);
}

static void pick_bar(const Colorsel_layout_rec *l, int bar, float px) {
  float c = (px - 0.05f * l->w) / l->bar_length;
  c = c < 0.0f ? 0.0f : c > 1.0f ? 1.0f : c;
  if (Chooser.space == 0) {
    float rgb[3] = {Chooser.red, Chooser.green, Chooser.blue};
    rgb[2 - bar] = c;
    set_rgb(rgb[0], rgb[1], rgb[2]);
  } else {
    float hsv[3] = {Chooser.hue, Chooser.sat, Chooser.val};
    hsv[2 - bar] = c;
    set_hsv(hsv[0], hsv[1], hsv[2]);
  }
}

int colorsel_pick(const Colorsel_layout_rec *l, int region, float px, float py) {
  switch (region) {
    case COLORSEL_GRID: return pick_cell(l, px, py);
    case COLORSEL_HEXAGON: pick_hexagon(l, px, py); break;
    case COLORSEL_BAR0:
    case COLORSEL_BAR1:
    case COLORSEL_BAR2: pick_bar(l, region - COLORSEL_BAR0, px); break;
    default: break;
  }
  return 0;
}

// ---- drawing ----------------------------------------------------------------------

static float luminance(float r, float g, float b) { return 0.299f * r + 0.587f * g + 0.114f * b; }

static void black_or_white_on(float lum) {
  if (lum < 0.5f)
    glColor3f(1.0f, 1.0f, 1.0f);
  else
    glColor3f(0.0f, 0.0f, 0.0f);
}

static void rect(GLenum mode, float x0, float y0, float x1, float y1) {
  glBegin(mode);
  glVertex2f(x0, y0);
  glVertex2f(x1, y0);
  glVertex2f(x1, y1);
  glVertex2f(x0, y1);
  glEnd();
}

// Makes area code current with a pixel projection of w x h and clears it
// with the interface background.
static void begin_area(int code, int w, int h) {
  int dpy = 0;
  gwin_gl_curwin(&code, 1, &dpy);
  glViewport(0, 0, w, h);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-0.5, w + 0.5, -0.5, h + 0.5, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glEnable(GL_DITHER);
  int bg[3], fg[3], top[3], bottom[3];
  get_ui_colors(bg, fg, top, bottom);
  glClearColor(bg[0] / 255.0f, bg[1] / 255.0f, bg[2] / 255.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
}

void draw_a_circle(float radius, float x, float y) {
  glLineWidth(1.0f);
  glBegin(GL_LINE_LOOP);
  for (int i = 0; i < 15; i++) {
    float a = 2.0f * static_cast<float>(M_PI) * i / 15.0f;
    glVertex2f(x + radius * cosf(a), y + radius * sinf(a));
  }
  glEnd();
}

static void draw_patch() {
  float w = static_cast<float>(Chooser.patch_w), h = static_cast<float>(Chooser.patch_h);
  begin_area(6, Chooser.patch_w, Chooser.patch_h);
  glColor3f(Chooser.red, Chooser.green, Chooser.blue);
  rect(GL_QUADS, 0.1f * w, 0.1f * h, 0.9f * w, 0.9f * h);
  glColor3f(0.0f, 0.0f, 0.0f);
  glLineWidth(2.0f);
  rect(GL_LINE_LOOP, 0.1f * w, 0.1f * h, 0.9f * w, 0.9f * h);
  glLineWidth(1.0f);
  swapbuffers();
}

static void draw_cells(const Colorsel_layout_rec *l) {
  float cw = cell_width(l), ch = cell_height(l);
  auto cell_rect = [&](GLenum mode, int k) {
    float x = l->grid_left + (k / 6) * cw, y = l->grid_top - (k % 6) * ch;
    rect(mode, x, y - ch, x + cw, y);
  };
  for (int k = 0; k < COLORSEL_CELLS; k++) {
    glColor3f(Chooser.cells[k][0] / 255.0f, Chooser.cells[k][1] / 255.0f, Chooser.cells[k][2] / 255.0f);
    cell_rect(GL_QUADS, k);
  }
  glColor3f(0.0f, 0.0f, 0.0f);
  glLineWidth(1.0f);
  for (int k = 0; k < COLORSEL_CELLS; k++) cell_rect(GL_LINE_LOOP, k);
  int k = Chooser.current_cell;
  if (k >= 0 && k < COLORSEL_CELLS) {
    const short *c = Chooser.cells[k];
    black_or_white_on(luminance(c[0], c[1], c[2]) / 255.0f);
    glLineWidth(2.0f);
    cell_rect(GL_LINE_LOOP, k);
    glLineWidth(1.0f);
  }
}

static void draw_hexagon(const Colorsel_layout_rec *l, float hue, float sat, float value) {
  float xh = l->hex_left, D = l->hex_width, cx = hex_cx(l), cy = hex_cy(l);
  float top = l->grid_top, bottom = l->grid_bottom;
  struct Corner { float r, g, b, x, y; } corners[6] = {
      {1, 0, 0, xh + D, cy},           {1, 1, 0, xh + 0.75f * D, top},
      {0, 1, 0, xh + 0.25f * D, top},  {0, 1, 1, xh, cy},
      {0, 0, 1, xh + 0.25f * D, bottom}, {1, 0, 1, xh + 0.75f * D, bottom}};
  // Each colour at the current value.
  auto at_value = [value](float *r, float *g, float *b) {
    float h, s, v;
    rgb_to_hsv(*r, *g, *b, &h, &s, &v);
    hsv_to_rgb(h, s, value, r, g, b);
  };
  for (Corner &c : corners) at_value(&c.r, &c.g, &c.b);
  float wr = 1, wg = 1, wb = 1;
  at_value(&wr, &wg, &wb);
  glShadeModel(GL_SMOOTH);
  glBegin(GL_TRIANGLES);
  for (int i = 0; i < 6; i++) {
    const Corner &a = corners[i], &b = corners[(i + 1) % 6];
    glColor3f(wr, wg, wb);
    glVertex2f(cx, cy);
    glColor3f(a.r, a.g, a.b);
    glVertex2f(a.x, a.y);
    glColor3f(b.r, b.g, b.b);
    glVertex2f(b.x, b.y);
  }
  glEnd();
  glColor3f(0.0f, 0.0f, 0.0f);
  glBegin(GL_LINE_LOOP);
  for (const Corner &c : corners) glVertex2f(c.x, c.y);
  glEnd();
  float radius = 0.5f * D * sat * saturation_factor(hue);
  float angle = 2.0f * static_cast<float>(M_PI) * hue;
  black_or_white_on(luminance(Chooser.red, Chooser.green, Chooser.blue));
  draw_a_circle(3.0f, cx + radius * cosf(angle), cy + radius * sinf(angle));
}

// A bar from x0 to x1 at y0..y1 shaded from colour a to colour b.
static void shaded_quad(float x0, float x1, float y0, float y1, const float a[3], const float b[3]) {
  glBegin(GL_QUADS);
  glColor3fv(a);
  glVertex2f(x0, y0);
  glColor3fv(b);
  glVertex2f(x1, y0);
  glVertex2f(x1, y1);
  glColor3fv(a);
  glVertex2f(x0, y1);
  glEnd();
}

static void hsv_colour(float h, float s, float v, float out[3]) {
  out[0] = out[1] = out[2] = 0.0f;
  hsv_to_rgb(h, s, v, &out[0], &out[1], &out[2]);
}

static void draw_bars(const Colorsel_layout_rec *l) {
  float x0 = 0.05f * l->w, x1 = 0.95f * l->w, L = l->bar_length;
  float r = Chooser.red, g = Chooser.green, b = Chooser.blue;
  float h = fabsf(Chooser.hue), s = Chooser.sat, v = Chooser.val;
  for (int i = 0; i < 3; i++) {
    float y0 = bar_bottom(l, i), y1 = y0 + l->bar_height;
    float a[3], z[3];
    if (Chooser.space == 0) {
      const float lo[3][3] = {{r, g, 0}, {r, 0, b}, {0, g, b}};
      const float hi[3][3] = {{r, g, 1}, {r, 1, b}, {1, g, b}};
      shaded_quad(x0, x1, y0, y1, lo[i], hi[i]);
    } else if (i < 2) {
      hsv_colour(h, i == 0 ? s : 0.0f, i == 0 ? 0.0f : v, a);
      hsv_colour(h, i == 0 ? s : 1.0f, i == 0 ? 1.0f : v, z);
      shaded_quad(x0, x1, y0, y1, a, z);
    } else {
      for (int j = 0; j < 6; j++) {
        hsv_colour(j / 6.0f, s, v, a);
        hsv_colour((j + 1) / 6.0f, s, v, z);
        shaded_quad(x0 + j * L / 6.0f, x0 + (j + 1) * L / 6.0f, y0, y1, a, z);
      }
    }
    glColor3f(0.0f, 0.0f, 0.0f);
    rect(GL_LINE_LOOP, x0, y0, x1, y1);
    float comp = Chooser.space == 0 ? (i == 0 ? b : i == 1 ? g : r) : (i == 0 ? v : i == 1 ? s : h);
    float ax = x0 + comp * L, ay = 0.5f * (y0 + y1), half = 0.3f * l->bar_height;
    for (GLenum mode : {GL_TRIANGLES, GL_LINE_LOOP}) {
      if (mode == GL_TRIANGLES)
        glColor3f(0.75f, 0.75f, 0.75f);
      else
        glColor3f(0.0f, 0.0f, 0.0f);
      glBegin(mode);
      glVertex2f(ax, ay);
      glVertex2f(ax - half, y0);
      glVertex2f(ax + half, y0);
      glEnd();
    }
  }
}

void draw_colorsel_window() {
  if (!Colorselpatchwin || !Colorselmixwin) return;
  if (Chooser.cells_to_read) colorsel_read_cells();
  float hue, sat, value;
  rgb_to_hsv(Chooser.red, Chooser.green, Chooser.blue, &hue, &sat, &value);
  int saved_code = 0, saved_dpy = 0;
  gwin_gl_curwin(&saved_code, 0, &saved_dpy);
  if (Coming_from_background) set_current_background_color(Chooser.red, Chooser.green, Chooser.blue);

  draw_patch();

  Colorsel_layout_rec &l = Chooser.layout;
  colorsel_layout(Chooser.mix_w, Chooser.mix_h, Chooser.patch_y - Chooser.mix_y, Chooser.patch_h, &l);
  begin_area(7, Chooser.mix_w, Chooser.mix_h);
  draw_cells(&l);
  draw_hexagon(&l, hue, sat, value);
  draw_bars(&l);
  swapbuffers();
  gwin_gl_curwin(&saved_code, 1, &saved_dpy);
}

void set_colorselmix_win_locat() {
  if (Colorselpatchwin)
    get_win_location(Colorselpatchwin, &Chooser.patch_x, &Chooser.patch_y, &Chooser.patch_w,
                     &Chooser.patch_h, 0);
  if (Colorselmixwin)
    get_win_location(Colorselmixwin, &Chooser.mix_x, &Chooser.mix_y, &Chooser.mix_w,
                     &Chooser.mix_h, 0);
}

// ---- picking ------------------------------------------------------------------------

// Pointer in mix-area pixels; 1 while the drag button is down.
static int read_pointer(float *px, float *py) {
  int b1 = 0, b2 = 0, b3 = 0, x = 0, y = 0;
  get_mouse_info(0, &b1, &b2, &b3, &x, &y, 0);
  *px = static_cast<float>(x - Chooser.mix_x);
  *py = static_cast<float>(y - Chooser.mix_y);
  return b1 || (b2 && Middle_Mouse_Setting == 10) || (b3 && Right_Mouse_Setting == 10);
}

void manage_popup_color_chooser(Widget, XtPointer, XtPointer) {
  if (!Colorselmixwin) return;
  int code = 7, dpy = 0;
  gwin_gl_curwin(&code, 1, &dpy);
  float px, py;
  read_pointer(&px, &py);
  Chooser.current_cell = -1;
  const Colorsel_layout_rec &l = Chooser.layout;
  int region = colorsel_pick_region(&l, px, py);
  if (region != COLORSEL_NONE) {
    for (int first = 1;; first = 0) {
      int down = read_pointer(&px, &py);
      if (!first && !down) break;
      if (colorsel_pick(&l, region, px, py) == 1) colorsel_setcolor_off_windep();
      draw_colorsel_window();
      colorsel_refresh_values();
    }
    if (region == COLORSEL_GRID) {
      Chooser.current_cell = -1;
      draw_colorsel_window();
    }
    if (Coming_from_background) viewp_bgcolortext_chng(Chooser.red, Chooser.green, Chooser.blue);
  }
  code = 0;
  gwin_gl_curwin(&code, 1, &dpy);
  Chooser.current_cell = -1;
}

// ---- the dialog ---------------------------------------------------------------------

static int font_width() { return Menu_font_width > 0 ? Menu_font_width : 8; }

static void set_field(Widget w, float value) {
  if (!w) return;
  char text[VALUE_TEXT];
  snprintf(text, sizeof text, Colorselect_rgb_extformat, value);
  XmTextFieldSetString(w, text);
}

static void set_label(Widget w, const char *text) {
  XmString s = qvn_xmstring(text);
  XtVaSetValues(w, XmNlabelString, s, nullptr);
  XmStringFree(s);
}

static void set_mode_off() {
  Colorselect_set_colorcell = 0;
  if (Colorselect_setcell_tggl) XmToggleButtonSetState(Colorselect_setcell_tggl, False, False);
}

void colorsel_refresh_values() {
  if (!Colorselect_dialog) return;
  float a, b, c;
  popup_color_values(&a, &b, &c, 0);
  set_field(Colorselect_redhue_text, a);
  set_field(Colorselect_grnsat_text, b);
  set_field(Colorselect_bluval_text, c);
}

void colorsel_colortype_chng(int space, int set) {
  if (set) popup_color_space(&space, 1);
  if (!Colorselect_dialog) return;
  XtarvWidgetResizeSet(Colorselect_dialog, 3, 0);
  const char *names = space == 1 ? "HSV" : "RGB";
  char one[2] = {0, 0};
  Widget labels[3] = {Colorselect_redhue_lbl, Colorselect_grnsat_lbl, Colorselect_bluval_lbl};
  for (int i = 0; i < 3; i++) {
    one[0] = names[i];
    set_label(labels[i], one);
  }
  XmToggleButtonSetState(space == 1 ? Colorselect_rgb_tggl : Colorselect_hsv_tggl, False, False);
  colorsel_refresh_values();
  XtarvWidgetResizeSet(Colorselect_dialog, 3, 1);
}

void colorsel_colortype_chngCB(Widget w, XtPointer client, XtPointer) {
  if (XmToggleButtonGetState(w))
    colorsel_colortype_chng(static_cast<int>(reinterpret_cast<intptr_t>(client)), 1);
  else
    XmToggleButtonSetState(w, True, False);
}

void colorsel_setcell_chngCB(Widget w, XtPointer, XtPointer) {
  Colorselect_set_colorcell = XmToggleButtonGetState(w) ? 1 : 0;
}

void colorsel_colortext_chngCB(Widget, XtPointer, XtPointer) {
  Widget fields[3] = {Colorselect_redhue_text, Colorselect_grnsat_text, Colorselect_bluval_text};
  float v[3];
  for (int i = 0; i < 3; i++) {
    char *text = XmTextFieldGetString(fields[i]);
    char *end = text;
    v[i] = strtof(text, &end);
    int number = end != text;
    XtFree(text);
    if (!number || v[i] < 0.0f || v[i] > 1.0f) {
      disperr("Color components must be in range [0, 1]");
      return;
    }
  }
  popup_color_values(&v[0], &v[1], &v[2], 1);
}

void colorsel_applyCB(Widget, XtPointer, XtPointer) {
  set_mode_off();
  rgb_popup_color_values(&Colorselect_red_extvalue, &Colorselect_grn_extvalue,
                         &Colorselect_blu_extvalue, 0);
  set_field(Colorselect_red_exttext, Colorselect_red_extvalue);
  set_field(Colorselect_grn_exttext, Colorselect_grn_extvalue);
  set_field(Colorselect_blu_exttext, Colorselect_blu_extvalue);
  if (Colorselect_applyroutCB) Colorselect_applyroutCB();
}

void colorsel_cancelCB(Widget, XtPointer, XtPointer) {
  set_mode_off();
  Coming_from_background = 0;
  if (Colorselect_dialog) XtUnmanageChild(Colorselect_dialog);
}

void colorsel_setcolor_off_windep() {
  set_mode_off();
  check_for_events();
}

// Attachment resources of a child of the form; -1 leaves a side free.
struct Attach {
  Arg a[12];
  Cardinal n = 0;
  void add(const char *name, XtArgVal v) {
    XtSetArg(a[n], const_cast<char *>(name), v);
    n++;
  }
  void side(const char *att, const char *wname, const char *off, Widget w, int offset) {
    add(att, w ? XmATTACH_WIDGET : XmATTACH_FORM);
    if (w) add(wname, (XtArgVal)w);
    add(off, offset);
  }
  void top(Widget w, int o = 0) { side(XmNtopAttachment, XmNtopWidget, XmNtopOffset, w, o); }
  void bottom(Widget w, int o = 0) { side(XmNbottomAttachment, XmNbottomWidget, XmNbottomOffset, w, o); }
  void left(Widget w, int o = 0) { side(XmNleftAttachment, XmNleftWidget, XmNleftOffset, w, o); }
  void right(Widget w, int o = 0) { side(XmNrightAttachment, XmNrightWidget, XmNrightOffset, w, o); }
};

static Widget make(const char *name, WidgetClass cls, Attach &at, const char *label, int fixed) {
  XmString s = label ? qvn_xmstring(label) : nullptr;
  if (s) at.add(XmNlabelString, (XtArgVal)s);
  if (fixed && Fixedfont && Menufont) at.add(XmNfontList, (XtArgVal)Menufont);
  Widget w = XtCreateManagedWidget(name, cls, Colorselect_dialog, at.a, at.n);
  if (s) XmStringFree(s);
  return w;
}

static Widget make_toggle(const char *name, const char *label, Widget leftw, int off,
                          XtCallbackProc cb, int client) {
  Attach at;
  at.top(nullptr);
  at.left(leftw, off);
  Widget w = make(name, xmToggleButtonWidgetClass, at, label, 0);
  XtAddCallback(w, XmNvalueChangedCallback, cb, reinterpret_cast<XtPointer>(static_cast<intptr_t>(client)));
  return w;
}

// A component row above below: label at the left, its field right of it.
static Widget make_component(const char *lname, const char *label, const char *fname, Widget below,
                             int code, Widget *label_out) {
  Attach la;
  la.left(nullptr, 5);
  la.bottom(below, 8);
  *label_out = make(lname, xmLabelWidgetClass, la, label, 1);
  Attach fa;
  fa.left(*label_out, 5);
  fa.bottom(below, 2);
  fa.add(XmNcolumns, 4);
  Widget f = make(fname, xmTextFieldWidgetClass, fa, nullptr, 1);
  XtAddCallback(f, XmNfocusCallback, XtarvTextFocus, nullptr);
  XtAddCallback(f, XmNlosingFocusCallback, XtarvTextUnfocus, nullptr);
  XtAddCallback(f, XmNactivateCallback, colorsel_colortext_chngCB,
                reinterpret_cast<XtPointer>(static_cast<intptr_t>(code)));
  return f;
}

static void build_dialog(Widget parent, Position x, Position y) {
  int fh = Menu_font_size;
  XmString title = qvn_xmstring("Color Selector");
  Arg a[9];
  Cardinal n = 0;
  XtSetArg(a[n], XmNdialogTitle, title); n++;
  XtSetArg(a[n], XmNwidth, 46 * font_width()); n++;
  XtSetArg(a[n], XmNheight, (fh <= 10 ? 23 : 19) * fh); n++;
  XtSetArg(a[n], XmNx, x); n++;
  XtSetArg(a[n], XmNy, y); n++;
  XtSetArg(a[n], XmNdefaultPosition, False); n++;
  XtSetArg(a[n], XmNautoUnmanage, False); n++;
  XtSetArg(a[n], XmNdeleteResponse, XmDO_NOTHING); n++;
  Colorselect_dialog = XmCreateFormDialog(parent, const_cast<char *>("ColorSelDialog"), a, n);
  XmStringFree(title);
  Widget shell = XtParent(Colorselect_dialog);
  Atom del = XmInternAtom(XtDisplay(shell), const_cast<char *>("WM_DELETE_WINDOW"), False);
  XmAddWMProtocolCallback(shell, del, colorsel_cancelCB, nullptr);

  Colorselect_rgb_tggl = make_toggle("ColorSelrgbButton", "RGB", nullptr, 0, colorsel_colortype_chngCB, 0);
  Colorselect_hsv_tggl = make_toggle("ColorSelhsvButton", "HSV", Colorselect_rgb_tggl, 5,
                                     colorsel_colortype_chngCB, 1);
  Colorselect_setcell_tggl = make_toggle("ColorSelSetCellButton", "Change Color Cell",
                                         Colorselect_hsv_tggl, 9 * font_width(),
                                         colorsel_setcell_chngCB, 0);
  Attach ca;
  ca.left(nullptr);
  ca.bottom(nullptr);
  Widget close = make("ColorSelCloseButton", xmPushButtonWidgetClass, ca, "Close", 0);
  XtAddCallback(close, XmNactivateCallback, colorsel_cancelCB, nullptr);
  Attach aa;
  aa.left(close, 20);
  aa.right(nullptr, 20);
  aa.bottom(nullptr);
  Widget apply = make("ColorSelApplyButton", xmPushButtonWidgetClass, aa, "Apply", 0);
  XtAddCallback(apply, XmNactivateCallback, colorsel_applyCB, nullptr);
  dialog_keys(Colorselect_dialog, nullptr, close);
  keep_on_screen(Colorselect_dialog);

  Colorselect_bluval_text = make_component("ColorSelBluLabel", "B", "ColorSelBluText", close, 43,
                                           &Colorselect_bluval_lbl);
  Colorselect_grnsat_text = make_component("ColorSelGrnLabel", "G", "ColorSelGrnText",
                                           Colorselect_bluval_text, 42, &Colorselect_grnsat_lbl);
  Colorselect_redhue_text = make_component("ColorSelRedLabel", "R", "ColorSelRedText",
                                           Colorselect_grnsat_text, 42, &Colorselect_redhue_lbl);

  Attach pa;
  pa.top(Colorselect_rgb_tggl, 5);
  pa.left(nullptr);
  pa.add(XmNrightAttachment, XmATTACH_POSITION);
  pa.add(XmNrightPosition, 33);
  pa.bottom(Colorselect_redhue_text, 5);
  Colorselpatchwidget = gwin_colorselpatch_create(Colorselect_dialog, pa.a, pa.n);
  Attach ma;
  ma.top(Colorselect_rgb_tggl, 5);
  ma.left(Colorselpatchwidget);
  ma.right(nullptr);
  ma.bottom(apply, 5);
  Colorselmixwidget = gwin_colorselmix_create(Colorselect_dialog, ma.a, ma.n);
}

// Where the dialog goes: the pointer's root position plus the parent
// window's position, moved left and up by the placement codes.
static void dialog_position(Widget parent, int hplace, int vplace, Position *x, Position *y) {
  int left = hplace == 1 ? 22 * font_width() : hplace == 2 ? 45 * font_width() : 0;
  int up = vplace == 1 ? 10 * Menu_font_size : vplace == 2 ? 20 * Menu_font_size : 0;
  place_near_pointer(parent, 1, left, up, PLACE_CLAMP, PLACE_CLAMP, x, y);
}

void gen_colorselect_dialog(Widget parent, Widget red, Widget grn, Widget blu, const char *format,
                            float r, float g, float b, void (*apply)(), int hplace, int vplace) {
  Colorselect_red_exttext = red;
  Colorselect_grn_exttext = grn;
  Colorselect_blu_exttext = blu;
  snprintf(Colorselect_rgb_extformat, sizeof Colorselect_rgb_extformat, "%s",
           format ? format : "%4.2f");
  Colorselect_red_extvalue = r;
  Colorselect_grn_extvalue = g;
  Colorselect_blu_extvalue = b;
  Colorselect_applyroutCB = apply;
  colorsel_color_init(r, g, b);
  if (!parent) return;
  Position x, y;
  dialog_position(parent, hplace, vplace, &x, &y);
  if (Colorselect_dialog)
    XtVaSetValues(Colorselect_dialog, XmNx, x, XmNy, y, nullptr);
  else
    build_dialog(parent, x, y);
  int space = 0;
  popup_color_space(&space, 0);
  colorsel_colortype_chng(space, 0);
  XmToggleButtonSetState(Colorselect_hsv_tggl, space == 1, False);
  XmToggleButtonSetState(Colorselect_rgb_tggl, space == 0, False);
  XtManageChild(Colorselect_dialog);
}
