// Display switches, engine side (see display_toggles.h).  Owns
// Lighting_two_lights, Server_thread_count and Hidden_line_rebuild_mark;
// changes the other switches through the operations below only.  The
// rebuilds go through the part builders, which pick the GL context
// themselves; the label-list deletions and the solid-object frees enter
// display 1's context while two displays are in use.
#include "render/display_toggles.h"

#include <GL/gl.h>

#include "client/ccp.h"
#include "client/cases.h"
#include "client/conect.h"
#include "client/defaults.h"
#include "client/interf_settings.h"
#include "client/screen.h"
#include "flow/anim_trace.h"
#include "interact/support.h"
#include "interact/tools.h"
#include "palette/annotate.h"
#include "palette/function.h"
#include "palette/palette_attr.h"
#include "parts/attribute.h"
#include "parts/part_delete.h"
#include "parts/part_rebuild.h"
#include "parts/read.h"
#include "render/active.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/glyphs.h"
#include "render/hidden_line.h"
#include "render/labels.h"
#include "render/line.h"
#include "render/solid.h"
#include "render/transparent.h"
#include "variables/variables.h"
#include "view/viewports.h"

int Lighting_two_lights = 1;
int Server_thread_count = 1;
int Hidden_line_rebuild_mark = 0;
static const Global_defaults Reset_values(DEFAULTS_AT_RESET, Lighting_two_lights,
                                          Hidden_line_rebuild_mark);
static const Global_defaults Start_values(DEFAULTS_AT_START, Server_thread_count);

void (*View_menu_windep)() = nullptr;
int (*Main_viewtggls_windep)() = nullptr;
int (*Main_tooltggls_windep)() = nullptr;
void (*View_hline_prompt_windep)() = nullptr;

#define MAX_SERVER_THREADS 32

// ---- the calls, real or a test's -------------------------------------------------

static const Display_toggle_calls *Calls = nullptr;

void display_toggle_calls(const Display_toggle_calls *calls) { Calls = calls; }

static void redraw() {
  if (Calls && Calls->redraw) return Calls->redraw();
  if (Num_active_viewports == 1)
    display_all();
  else
    viewports_display_all();
}

static void rebuild_lines(int n) {
  if (Calls && Calls->make_part) return Calls->make_part(n);
  make_part(n);
}

static void rebuild_solid(int n) {
  if (Calls && Calls->make_part_solid) return Calls->make_part_solid(n);
  make_part_solid(n);
}

static void free_solid(int i) {
  if (Calls && Calls->delete_solid) return Calls->delete_solid(i);
  delete_display_lists_for_part(i, 1, 1);
}

static void build_label(int kind, int n) {
  if (Calls && Calls->build_label) return Calls->build_label(kind, n);
  if (kind == 0)
    build_node_nums(n);
  else if (kind == 1)
    build_elem_nums(n);
  else
    build_part_label(n);
}

static void delete_list(unsigned int id) {
  if (Calls && Calls->delete_list) return Calls->delete_list(id);
  if (gwin_gl_ready() && glIsList(id)) glDeleteLists(id, 1);
}

// ---- the part table --------------------------------------------------------------

// Loaded parts: every record below Num_p_loaded except the group records.
static bool loaded_part(int i) { return parts[i] && !parts[i]->group; }

static int slot(const Part_rec *p, int s) { return our_rint(p->attributes[s]); }

static bool represented(const Part_rec *p) { return slot(p, SLOT_ELT_REP) != ELT_REP_NOT_LOADED; }

// Parts with a solid object under shaded display: loaded, hidden surface
// on, and none of contours, vector arrows and tensor glyphs.
static bool shaded_part(const Part_rec *p) {
  return represented(p) && p->attributes[SLOT_HIDDEN_SURFACE] != 0 && p->type != PART_CONTOUR &&
         p->type != PART_ARROW && p->type != PART_TENSOR;
}

static void mark_point_cloud(Part_rec *p) {
  if (p->bbox_list > 0) p->bbox_list = -p->bbox_list;
}

// ---- shaded display, static lighting, hidden line ---------------------------------

void solid(int on) {
  int old = Solidt;
  Solidt = on;
  if (old == 1 && on == 0) {
    int switched = display_lists_context_enter();
    for (int i = 0; i < Num_p_loaded; i++) {
      if (!loaded_part(i)) continue;
      Part_rec *p = parts[i];
      if (!p->solid_built || !represented(p)) continue;
      p->solid_built = 0;
      free_solid(i);
      mark_point_cloud(p);
      if (slot(p, SLOT_NODE_TYPE) == 2 && p->type != PART_DISCRETE) rebuild_lines(p->number);
    }
    for (int i = 0; i < Num_p_loaded; i++) {
      if (!parts[i]) continue;
      parts[i]->solid_built = 0;
      if (parts[i]->type == PART_DISCRETE) rebuild_lines(parts[i]->number);
    }
    display_lists_context_leave(switched);
    redraw();
  } else if (old == 0 && on == 1) {
    for (int i = 0; i < Num_p_loaded; i++) {
      if (!loaded_part(i) || !shaded_part(parts[i])) continue;
      rebuild_solid(parts[i]->number);
      parts[i]->solid_built = 1;
      mark_point_cloud(parts[i]);
    }
    redraw();
  }
}

void light_soft_toggle(int on) {
  if (Software_light == 0 && on == 1) Software_light = 1;
  else if (Software_light == 1 && on == 0) Software_light = 0;
  if (Solidt != 1) return;
  for (int i = 0; i < Num_p_loaded; i++)
    if (loaded_part(i) && shaded_part(parts[i])) rebuild_solid(parts[i]->number);
  redraw();
}

// Records whose line objects carry the overlay colour: hidden line exactly
// 1.0 and coloured by a variable while fringes are on.
static void rebuild_overlay_parts() {
  for (int i = 0; i < Num_p_loaded; i++) {
    const Part_rec *p = parts[i];
    if (p && p->attributes[SLOT_HIDDEN_LINE] == 1.0f && p->attributes[SLOT_COLORBY_PALETTE] != 0 &&
        Fringt)
      rebuild_lines(p->number);
  }
}

void toggle_hidden_line(int on) {
  if (Sleazy_hidden_line == 0) {
    Hlinet = on;
  } else if (Hlinet == 0 && on != 0) {
    float r, g, b;
    int specified = 0;
    hidden_line_colors(&r, &g, &b, &specified, 0);
    Hlinet = 1;
    if (specified) {
      Hidden_line_rebuild_mark = 1;
      rebuild_overlay_parts();
    }
  } else if (Hlinet == 1 && on == 0) {
    Hlinet = 0;
    if (Hidden_line_rebuild_mark) {
      rebuild_overlay_parts();
      Hidden_line_rebuild_mark = 0;
    }
  }
  redraw();
}

// ---- labels ----------------------------------------------------------------------

// kind 0 node, 1 element, 2 part labels.
static void label_toggle(int kind, int *flag, int on) {
  static const int attr_slot[3] = {SLOT_LABEL_NODE, SLOT_LABEL_ELT, SLOT_LABEL_PART};
  if (*flag == 1 && on == 0) {
    int switched = display_lists_context_enter();
    for (int i = 0; i < Num_p_loaded; i++) {
      if (!loaded_part(i)) continue;
      Part_rec *p = parts[i];
      unsigned int *list = kind == 0   ? &p->node_label_list
                           : kind == 1 ? &p->elem_label_list
                                       : &p->part_label_list;
      if (*list == 0 || (kind != 2 && p->attributes[attr_slot[kind]] == 0)) continue;
      delete_list(*list);
      *list = 0;
    }
    display_lists_context_leave(switched);
  } else if (*flag == 0 && on == 1) {
    *flag = 1;  // the builders compile nothing while the kind is off
    for (int i = 0; i < Num_p_loaded; i++)
      if (loaded_part(i) && parts[i]->attributes[attr_slot[kind]] != 0)
        build_label(kind, parts[i]->number);
  }
  *flag = on;
  redraw();
}

void node_toggle(int on) { label_toggle(0, &Labnod, on); }
void elem_toggle(int on) { label_toggle(1, &Labele, on); }
void part_toggle(int on) { label_toggle(2, &Labprt, on); }

// ---- projection, clip plane, tools ---------------------------------------------------

void pers_toggle(int on) {
  if (on == 0 && Person) Person = 0;
  else if (on == 1 && Person == 0) Person = 1;
  int current = Viewport_current;
  for (int k = 0; k < Num_active_viewports; k++) {
    Viewport_current = Viewport_display_order[k];
    fix_up_viewport(1);
  }
  Viewport_current = current;
  redraw();
}

void user_clip_toggle(int on) {
  if (Plane_clipp_toggle == 0 && on == 1) {
    Plane_clipp_toggle = 1;
    if (gwin_gl_ready()) glEnable(GL_CLIP_PLANE0);
  } else if (Plane_clipp_toggle != 0 && on == 0) {
    Plane_clipp_toggle = 0;
    if (gwin_gl_ready()) glDisable(GL_CLIP_PLANE0);
  }
  redraw();
}

void widget_toggle(int kind, int value) {
  if (kind == 3) Curson = value;
  else if (kind == 5) Planon = value;
  else if (kind == 4) Lineon = value;
  else if (kind == 6) Curve_clip_tool = value;
  tools_menu_init();
  if (Main_tooltggls_windep) Main_tooltggls_windep();
  redraw();
}

// ---- legend, text, traces ------------------------------------------------------------

void legend_toggle(int on) {
  Legenf = on;
  redraw();
}

void text_togg(int on) {
  Txttog = on;
  redraw();
}

void auto_legend_replace_toggle(int on) {
  Auto_legend_replace = on;
  check_auto_legend_replace();
  if (Var_avail_cnt > 2) redraw();
}

int animt_toggle(int on) {
  if (on == 1 && Anitrt == 0) {
    Anitrt = 1;
    return init_ani_trace();
  }
  if (on == 0 && Anitrt == 1) {
    Anitrt = 0;
    redraw();
  }
  return 1;
}

// ---- accessors -----------------------------------------------------------------------

int box_toggle(int *value, int mode) {
  if (mode != 1) {
    *value = Box_mode_toggle;
    return 0;
  }
  Box_mode_toggle = *value;
  Box_mode_always = *value ? Box_mode_always_toggle : 0;
  redraw();
  return 0;
}

int static_box_toggle_preference(int *value, int mode) {
  if (mode != 1) {
    *value = Box_mode_always_toggle;
    return 1;
  }
  Box_mode_always_toggle = *value;
  if (Box_mode_toggle) {
    Box_mode_always = *value;
    redraw();
  }
  return 1;
}

int floating_z_toggle(int *value, int mode) {
  if (mode == 0) *value = Floating_z_planes;
  else if (mode == 1) Floating_z_planes = *value;
  return 0;
}

// Stores a rebuild-all switch when it changes in truth and rebuilds the
// line object of every loaded part; no redraw of its own.
static int rebuild_all_switch(int *flag, int *value, bool set) {
  if (!set) {
    *value = *flag;
    return 0;
  }
  if ((*value != 0) == (*flag != 0)) return 0;
  *flag = *value;
  for (int i = 0; i < Num_p_loaded; i++)
    if (loaded_part(i)) rebuild_lines(parts[i]->number);
  return 0;
}

int toggle_wireframe_mode(int *value, int mode) {
  if (mode != 0 && mode != 1) return 0;
  return rebuild_all_switch(&Wireframe_lines, value, mode == 1);
}

int toggle_performance_mode(int *value, int mode) {
  if (mode != 0 && mode != 1) return 0;
  return rebuild_all_switch(&Performance_mode, value, mode == 1);
}

int toggle_culled_lines(int *value, int mode) {
  return rebuild_all_switch(&Line_cull_toggle, value, mode != 0);
}

int toggle_dynamic_alpha(int *value, int mode) {
  if (mode == 0) {
    *value = Resort_alpha_toggle;
    return 0;
  }
  if ((*value != 0) == (Resort_alpha_toggle != 0)) return 0;
  Resort_alpha_toggle = *value;
  if (*value == 0) redraw();
  return 0;
}

// Light set-up of the current context: lights 1 and 2 one-sided (light 1
// from behind, light 2 from the viewer), or light 1 alone from the viewer,
// two-sided.  The positions are given in eye space.
static void set_lights(int two) {
  glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, two ? 0 : 1);
  if (two)
    glEnable(GL_LIGHT2);
  else
    glDisable(GL_LIGHT2);
  const float behind[4] = {0, 0, -1, 0}, front[4] = {0, 0, 1, 0};
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glLightfv(GL_LIGHT1, GL_POSITION, two ? behind : front);
  if (two) glLightfv(GL_LIGHT2, GL_POSITION, front);
  glPopMatrix();
}

// Both drawing roads (GL lists and the recorded display list) draw with the
// lights of each display's own context, so every display gets the change.
int toggle_two_lights(int *value, int mode) {
  if (mode == 0) {
    *value = Lighting_two_lights;
    return 0;
  }
  if (mode != 1) return 0;
  bool on = *value != 0;
  if (on != (Lighting_two_lights != 0)) {
    int code = 0, dpy = 0;
    gwin_gl_curwin(&code, 0, &dpy);
    int dpy_before = Dpy_current;
    for (int d = 0; d < Dpy_cnt; d++) {
      int main_code = 0, which = d;
      gwin_gl_curwin(&main_code, 1, &which);
      if (gwin_gl_ready()) set_lights(on);
    }
    gwin_gl_curwin(&code, 1, &dpy);
    Dpy_current = dpy_before;
  }
  Lighting_two_lights = on ? 1 : 0;
  redraw();
  return 0;
}

int point_display_distribution(int *value, int mode) {
  if (mode != 1) {
    *value = Point_display_resolution;
    return 0;
  }
  if (*value == Point_display_resolution) return 0;
  Point_display_resolution = *value;
  bool marked = false;
  for (int i = 0; i < Num_p_loaded; i++) {
    if (!loaded_part(i) || !represented(parts[i]) || parts[i]->bbox_list <= 0) continue;
    mark_point_cloud(parts[i]);
    marked = true;
  }
  if (marked) redraw();
  return 0;
}

// "set_threads" (11 bytes) then the count as one int, to every active
// case's server; no reply.
int number_threads_for_server(int *value, int mode) {
  if (mode == 0) {
    *value = Server_thread_count;
  } else if (mode == 1) {
    if (*value < 1 || *value > MAX_SERVER_THREADS) return MAX_SERVER_THREADS;
    Server_thread_count = *value;
    for (int c = 0; c < MAX_CASES; c++) {
      if (!Case_info[c].active || Online[c + 1] != 1) continue;
      ccsstr(Isockt[c], "set_threads", 11);
      ccsint(Isockt[c], Server_thread_count);
    }
  } else if (mode == 2) {
    Server_thread_count = *value;
  }
  return 0;
}
