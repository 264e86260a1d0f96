// Display driver entries (see display.h).  Owns Dpy_current and the pixel
// bounds of each display.
#include "render/display.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "client/defaults.h"
#include "client/interf_settings.h"
#include "parts/attribute.h"
#include "parts/read.h"
#include "render/display_toggles.h"
#include "render/part_services.h"
#include "render/start_screen.h"
#include "variables/variables.h"
#include "view/frames.h"
#include "render/disobj.h"
#include "client/screen.h"
#include "view/viewer_state.h"
#include "view/viewports.h"

int Dpy_current = 0;
float Anim_aspect_ratio = 1.0f;

// xmin, xmax, ymin, ymax of each display's window in pixels; -1 until stored.
static int Bounds[2][4] = {{-1, -1, -1, -1}, {-1, -1, -1, -1}};

int Display_gl_ready[2] = {0, 0};
int Graphics_first_setup_done = 0;
int Start_screen_dismissed = 0;
float Pick_scale_factor = 1.0f;
float Machine_Eps = 1.192093e-7f;
double Machine_Eps_Double = 2.220446049250313e-16;
static const Global_defaults Start_values(DEFAULTS_AT_START, Display_gl_ready,
                                          Graphics_first_setup_done, Start_screen_dismissed,
                                          Pick_scale_factor, Bounds);

int grasal(int *xmin, int *xmax, int *ymin, int *ymax, int dpy, int mode) {
  if (dpy < 0 || dpy > 1 || (mode != 0 && mode != 1)) return 0;
  int *b = Bounds[dpy];
  int *v[4] = {xmin, xmax, ymin, ymax};
  int changed = 0;
  for (int i = 0; i < 4; i++) {
    if (mode == 1) {
      changed |= b[i] != *v[i];
      b[i] = *v[i];
    } else {
      *v[i] = b[i];
    }
  }
  return changed;
}

float pick_scale_from(const char *text, float current) {
  float value = current;
  if (text && sscanf(text, "%f", &value) != 1) value = current;
  return value < 1.0f ? 1.0f : value;
}

void machine_epsilons(float *single, double *twice) {
  volatile float e = 1.0f, sum = 2.0f;
  while (sum > 1.0f) {
    e = e / 2.0f;
    sum = 1.0f + e;
  }
  *single = 2.0f * e < 1.192093e-7f ? 1.192093e-7f : 2.0f * e;
  volatile double d = 1.0, dsum = 2.0;
  while (dsum > 1.0) {
    d = d / 2.0;
    dsum = 1.0 + d;
  }
  *twice = 2.0 * d < 2.220446e-16 ? 2.220446e-16 : 2.0 * d;
}

// The last value sent for each cached lighting parameter, per display: the
// two displays have their own GL contexts, so a value sent to one says
// nothing about the other.
static float Lighting_cache[2][4][4];
static const GLenum Cached_lighting[4] = {GL_LIGHT_MODEL_AMBIENT, GL_SPECULAR, GL_SHININESS,
                                          GL_AMBIENT_AND_DIFFUSE};

void open_gl_lighting_parameters(int which, const float v[4]) {
  float(*cache)[4] = Lighting_cache[Dpy_current == 1 ? 1 : 0];
  if ((GLenum)which == GL_CLEAR) {
    memset(cache, 0, sizeof Lighting_cache[0]);
    return;
  }
  for (int k = 0; k < 4; k++) {
    if ((GLenum)which != Cached_lighting[k]) continue;
    if (memcmp(cache[k], v, sizeof cache[k]) == 0) return;
    memcpy(cache[k], v, sizeof cache[k]);
    if (k == 0)
      glLightModelfv(GL_LIGHT_MODEL_AMBIENT, v);
    else
      glMaterialfv(GL_FRONT_AND_BACK, (GLenum)which, v);
    return;
  }
}

// Viewport 0 at the first initialisation: a constant black background with
// three blend levels prepared (black, dark blue, blue at 0, 0.5, 1),
// visible, 3-D with the identity 2-D matrix, its pixel rectangle, selected
// alone.
static void first_viewport_setup() {
  Viewport_rec &vp = Viewports[0];
  snprintf(vp.name, sizeof vp.name, "%s", "Main Viewport");
  vp.in_use = 1;
  float *a = vp.attributes;
  a[VP_BACKGROUND_TYPE] = 2.0f;
  for (int i = 0; i < 3; i++) a[VP_CONSTANT_RGB + i] = 0.0f;
  a[VP_BLEND_LEVELS] = 3.0f;
  const float blend[3][3] = {{0, 0, 0}, {0, 0, 0.3f}, {0, 0, 0.6f}};
  const float position[3] = {0.0f, 0.5f, 1.0f};
  for (int level = 0; level < 3; level++) {
    memcpy(&a[VP_BLEND_RGB + 3 * level], blend[level], sizeof blend[level]);
    a[VP_BLEND_POSITION + level] = position[level];
  }
  a[VP_VISIBLE] = 1.0f;
  vp.two_d = 0;
  viewport_pixel_rectangle(0);
  int4x4(vp.matrix_2d);
  int count = 1, list[MAX_VIEWPORTS] = {0};
  current_selected_viewports(&count, list, 1);
}

// The initial view around the box -1..1, then every viewport's model
// transformation reset.
static void first_view_setup() {
  intvew(-1.0f, 1.0f, -1.0f, 1.0f, -1.0f, 1.0f);
  const int all[3] = {1, 1, 1};
  for (int v = 0; v < MAX_VIEWPORTS; v++) {
    Viewport_current = v;
    init_transforms(all);
  }
  Viewport_current = 0;
}

// The one-time start-up steps of the graphics side before the first
// display's GL state: picking tolerance and machine epsilons.
static void first_setup_values() {
  // The pseudo-variables are made with the first parts (recentring).
  Initialize_coord_palette = 1;
  Var_avail_time = Var_avail_coord = 0;
  Pick_scale_factor = pick_scale_from(getenv("QUIVANE_PICK_SCALE"), Pick_scale_factor);
  machine_epsilons(&Machine_Eps, &Machine_Eps_Double);
  Viewport_current = 0;
}

// The fixed GL state of a freshly set-up context, both buffers black.
static void initial_gl_state(int width, int height) {
  static const float Light1_ambient[4] = {0.2f, 0.2f, 0.2f, 1.0f};
  glDepthFunc(GL_LEQUAL);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_DITHER);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glCullFace(GL_BACK);
  glClearStencil(1);
  glClearDepth(1.0);
  glViewport(0, 0, width, height);
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glPushMatrix();
  glClear(GL_COLOR_BUFFER_BIT);
  swapbuffers();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLightfv(GL_LIGHT1, GL_AMBIENT, Light1_ambient);
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT1);
  if (Lighting_two_lights == 0) glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 1);
}

void vwint(int dpy) {
  if (dpy < 0 || dpy > 1 || Display_gl_ready[dpy]) return;
  int code = 0;
  gwin_gl_curwin(&code, 1, &dpy);
  Dpy_current = dpy;
  Display_gl_ready[dpy] = 1;
  const bool first = Graphics_first_setup_done == 0;
  if (first) first_setup_values();
  int x0, x1, y0, y1;
  grasal(&x0, &x1, &y0, &y1, dpy, 0);
  if (first) first_viewport_setup();
  initial_gl_state(x1 - x0 + 1, y1 - y0 + 1);
  // A fresh context: whatever was sent to the display's old one is gone.
  const float none[4] = {0, 0, 0, 0};
  open_gl_lighting_parameters(GL_CLEAR, none);
  if (first) {
    for (int &c : Part_cross) c = -1;
    Num_p_loaded = Num_p_partlist = 0;
    frames_table_reset();
  }
  if (dpy == 0) first_view_setup();
  // Frame 0, the global frame, from the default frame's attributes.
  if (first) {
    float attrs[FRAME_ATTR_WORDS];
    frame_attributes(-1, attrs, nullptr, 0);
    new_frame(attrs, "");
  }
  Gwmain = 1;
  if (Start_screen_dismissed == 0) {
    Initial_screen = 1;
    initial_screen(dpy);
  }
  Graphics_first_setup_done = 1;
  if (Dpy_current != 0) {
    Dpy_current = 0;
    int zero = 0;
    gwin_gl_curwin(&code, 1, &zero);
  }
}

void clear_current_window() {
  glClearColor(baccol[0], baccol[1], baccol[2], 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  swapbuffers();
}



void view_menu_init() {
  if (View_menu_windep) View_menu_windep();
}

int display_lists_context_enter() {
  if (Dpy_cnt != 2 || Dpy_current != 0) return 0;
  int code = 0, dpy = 1;
  Dpy_current = 1;
  gwin_gl_curwin(&code, 1, &dpy);
  return 1;
}

void display_lists_context_leave(int switched) {
  if (!switched) return;
  int code = 0, dpy = 0;
  Dpy_current = 0;
  gwin_gl_curwin(&code, 1, &dpy);
}
