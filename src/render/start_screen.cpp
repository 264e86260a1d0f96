// The start screen and the pseudo-variables (see start_screen.h).
#include "render/start_screen.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstring>

#include "client/alloc_gate.h"
#include "client/cases.h"
#include "client/interf_settings.h"
#include "client/screen.h"
#include "client/startup.h"
#include "palette/annotate.h"
#include "palette/function.h"
#include "render/disobj.h"
#include "render/display.h"
#include "state/bkup_words.h"
#include "variables/variables.h"
#include "view/viewport_gl2d.h"
#include "view/viewports.h"

uint32_t *Start_screen_pixels = nullptr;
int Start_screen_width = 0;
int Start_screen_height = 0;
int Start_screen_loaded = 0;
int Start_screen_held = 0;
int Start_screen_image_ready = 0;
int Initialize_coord_palette = 0;

// ---- the picture --------------------------------------------------------------------

int start_screen_read(const char *path) {
  FILE *f = path ? fopen(path, "rb") : nullptr;
  if (!f) return -1;
  int w = 0, h = 0;
  long size = -1;
  if (fseek(f, 0, SEEK_END) == 0) size = ftell(f);
  bool ok = size >= 8 && fseek(f, 0, SEEK_SET) == 0 && bkup_get_int(f, &w) && bkup_get_int(f, &h);
  // The sizes come from the file: only a sane picture whose pixels are all
  // there is read.
  ok = ok && w > 0 && h > 0 && w <= START_SCREEN_MAX_SIDE && h <= START_SCREEN_MAX_SIDE &&
       size - 8 >= 4L * w * h;
  uint32_t *pixels = nullptr;
  if (ok) {
    pixels = static_cast<uint32_t *>(gate_malloc((size_t)w * (size_t)h * 4));
    ok = pixels && fread(pixels, 4, (size_t)w * (size_t)h, f) == (size_t)w * (size_t)h;
  }
  fclose(f);
  if (!ok) {
    gate_free(pixels);
    return -1;
  }
  // Each pixel's bytes A, B, G, R reversed to R, G, B, A.
  unsigned char *b = reinterpret_cast<unsigned char *>(pixels);
  for (size_t k = 0; k < (size_t)w * (size_t)h; k++, b += 4) {
    unsigned char t = b[0];
    b[0] = b[3];
    b[3] = t;
    t = b[1];
    b[1] = b[2];
    b[2] = t;
  }
  if (Start_screen_held) gate_free(Start_screen_pixels);
  Start_screen_pixels = pixels;
  Start_screen_width = w;
  Start_screen_height = h;
  Start_screen_held = 1;
  Start_screen_loaded = 1;
  return 1;
}

// Draws the picture over the whole window into both buffers.
static void draw_picture(float zoom_x, float zoom_y) {
  glDisable(GL_DEPTH_TEST);
  gl2d_begin(0, 1, 0, 1);
  glRasterPos2f(0, 0);
  glPixelZoom(zoom_x, zoom_y);
  for (int buffer = 0; buffer < 2; buffer++) {
    if (buffer == 1) {
      swapbuffers();
      glRasterPos2f(0, 0);
    }
    glClear(GL_COLOR_BUFFER_BIT);
    glDrawPixels(Start_screen_width, Start_screen_height, GL_RGBA, GL_UNSIGNED_BYTE,
                 Start_screen_pixels);
  }
  glEnable(GL_DEPTH_TEST);
  gl2d_end();
  glPixelZoom(1, 1);
}

void initial_screen(int dpy) {
  if (Initial_screen == 0) return;
  if (!Start_screen_loaded && !Dont_use_start_screen && Quivane_home_directory[0]) {
    char path[256];
    int n = snprintf(path, sizeof path, "%s/%s", Quivane_home_directory, START_SCREEN_FILE);
    if (n > 0 && n < (int)sizeof path) start_screen_read(path);
  }
  int code = 0;
  const bool picture_here = Dpy_cnt != 2 || dpy == 1;
  if (Start_screen_loaded && Start_screen_pixels) {
    gwin_gl_curwin(&code, 1, &dpy);
    int x0, x1, y0, y1;
    grasal(&x0, &x1, &y0, &y1, dpy, 0);
    Start_screen_image_ready = 1;
    if (picture_here)
      draw_picture((float)(x1 - x0 + 1) / (float)Start_screen_width,
                   (float)(y1 - y0 + 1) / (float)Start_screen_height);
  }
  gwin_gl_curwin(&code, 1, &dpy);
  text_line_init();
  static Text_attr_rec slots[TEXT_SLOTS];
  get_text_attributes(slots);
  const bool titles = Start_screen_image_ready == 0 || (Dpy_cnt == 2 && dpy == 0);
  if (titles) {
    snprintf(slots[0].text, sizeof slots[0].text, "Quivane");
    snprintf(slots[1].text, sizeof slots[1].text, "Version %s", "7.1.0");
  }
  slots[0].y = 0.8f;
  slots[0].size = 60;
  slots[1].y = 0.72f;
  slots[1].size = 40;
  set_text_attributes(slots);
  if (titles) erase_screen();
  showtext();
  swapbuffers();
}

void clear_initial_screen() {
  if (Start_screen_held) {
    gate_free(Start_screen_pixels);
    Start_screen_pixels = nullptr;
    Start_screen_held = 0;
  }
  view_menu_init();
  Start_screen_dismissed = 1;
}

// ---- the pseudo-variables -----------------------------------------------------------

static void pseudo_row(Variable_rec &v, const char *name, int type, int row) {
  snprintf(v.name, sizeof v.name, "%s", name);
  v.type = type;
  v.id = row;
  v.unique_id = row;
  v.active = 1;
  v.element_based = 1;
  for (int &s : v.server_id) s = 0;
  v.palette = row + 1;
  new_palette(row + 1, 0, name);
  palette_default(row + 1, 0, type, -1, -1, -1, 0, 0, 0, -1, -1);
}

int create_coord_and_time_palette() {
  if (Var_avail_time == 1 || Var_avail_coord == 1) return 0;
  auto *rows = static_cast<Variable_rec *>(gate_calloc(2, sizeof(Variable_rec)));
  if (!rows) {
    perror("Couldn't allocate space for Variable info.");
    disperr("Error allocating space for Variable info.");
    return -1;
  }
  // The counts and flags only once the rows exist: the variable code
  // expects Var_avail_cnt rows whenever the count is non-zero.
  pseudo_row(rows[0], "Coordinates", 2, 0);
  pseudo_row(rows[1], "Time", 3, 1);
  Variables = rows;
  Var_avail_cnt = 2;
  Initialize_coord_palette = Var_avail_time = Var_avail_coord = 1;
  for (int c = 0; c < MAX_CASES; c++)
    if (Case_info[c].active) Var_caseavail_cnt[c] = 2;
  Fncedt_tot_pals = 3;
  mod_var_info();
  return 1;
}
