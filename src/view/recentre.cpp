// Overall range and recentring (see recentre.h).  Owns View_centred and
// topctmsav.  Reads the part table; computes a part's box first when it has
// none yet (x min and y min both -99).
#include "view/recentre.h"

#include <GL/gl.h>

#include <algorithm>

#include "client/interf_settings.h"
#include "client/matrix.h"
#include "client/screen.h"
#include "parts/attribute.h"
#include "parts/read.h"
#include "render/active.h"
#include "render/display.h"
#include "palette/function.h"
#include "render/part_services.h"
#include "render/start_screen.h"
#include "variables/variables.h"
#include "view/frames.h"
#include "view/viewer_state.h"
#include "view/viewports.h"

int View_centred = 0;
float topctmsav[16];

// A growing box: x min, x max, y min, y max, z min, z max.
struct Box {
  float v[6] = {0, 0, 0, 0, 0, 0};
  bool empty = true;
  void add(const Part_rec *p) {
    const float b[6] = {p->xmin, p->xmax, p->ymin, p->ymax, p->zmin, p->zmax};
    for (int k = 0; k < 6; k += 2) {
      v[k] = empty ? b[k] : std::min(v[k], b[k]);
      v[k + 1] = empty ? b[k + 1] : std::max(v[k + 1], b[k + 1]);
    }
    empty = false;
  }
};

static bool counted(const Part_rec *p) {
  return p && !p->group && p->attributes &&
         our_rint(p->attributes[SLOT_ELT_REP]) != ELT_REP_NOT_LOADED;
}

// The part's box, computed when missing; false when it still has none.
static bool has_box(int i) {
  Part_rec *p = parts[i];
  if (p->xmin == -99.0f && p->ymin == -99.0f) find_bounding_volume(i);
  return !(p->xmin == -99.0f && p->ymin == -99.0f);
}

void get_overall_coord_range(float *x_min, float *x_max, float *y_min, float *y_max,
                             float *z_min, float *z_max) {
  Box box;
  for (int i = 0; i < MAX_PARTS && parts[i]; i++)
    if (counted(parts[i]) && has_box(i)) box.add(parts[i]);
  if (box.empty) return;
  *x_min = box.v[0];
  *x_max = box.v[1];
  *y_min = box.v[2];
  *y_max = box.v[3];
  *z_min = box.v[4];
  *z_max = box.v[5];
}

void set_scene_lights() {
  const GLfloat white[4] = {1, 1, 1, 1}, ambient[4] = {0, 0, 0, 1};
  const GLfloat pos1[4] = {0, 0, -1, 0}, pos2[4] = {0, 0, 1, 0};
  for (GLenum light : {GL_LIGHT1, GL_LIGHT2}) {
    glLightfv(light, GL_DIFFUSE, white);
    glLightfv(light, GL_SPECULAR, white);
    glLightfv(light, GL_AMBIENT, ambient);
  }
  glLightfv(GL_LIGHT1, GL_POSITION, pos1);
  glLightfv(GL_LIGHT2, GL_POSITION, pos2);
  glEnable(GL_LIGHT1);
  if (Lighting_two_lights)
    glEnable(GL_LIGHT2);
  else
    glDisable(GL_LIGHT2);
}

static void main_window_current(int dpy) {
  int code = 0, cur_code = 0, cur_dpy = 0;
  gwin_gl_curwin(&cur_code, 0, &cur_dpy);
  if (cur_code == 0 && cur_dpy == dpy) return;
  Dpy_current = dpy;
  gwin_gl_curwin(&code, 1, &dpy);
}

void center() {
  Box model, particles;
  for (int i = 0; i < MAX_PARTS && parts[i]; i++) {
    if (!counted(parts[i])) continue;
    View_centred = 1;
    if (!has_box(i)) continue;
    (parts[i]->type == PART_DISCRETE ? particles : model).add(parts[i]);
  }
  // Measured particles can spread far beyond the model; they decide the
  // view only when nothing else has a box.
  Box &box = model.empty ? particles : model;
  if (box.empty) return;
  float *b = box.v;
  if (b[0] == b[1] && b[2] == b[3] && b[4] == b[5])
    for (int k = 0; k < 6; k += 2) {
      b[k] -= 1.0f;
      b[k + 1] += 1.0f;
    }

  // The coordinate palette, due since the graphics start-up, is made with
  // the first parts and given the range of the row before the last (the
  // Coordinates row when the table was just made).
  if (Initialize_coord_palette && Num_p_loaded) {
    create_coord_and_time_palette();
    Initialize_coord_palette = 0;
    if (Variables && Var_avail_cnt >= 2)
      palette_val_update(Variables[Var_avail_cnt - 2].palette, 0, -1, -1);
  }

  intvew(b[0], b[1], b[2], b[3], b[4], b[5]);
  fix_defined_frames();

  for (int d = 0; d < Dpy_cnt; d++) {
    main_window_current(d);
    if (gwin_gl_ready()) set_scene_lights();
  }
  if (Dpy_cnt > 1) main_window_current(0);
  current_ctm(topctmsav, 0);
}
