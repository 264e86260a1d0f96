// Transformation state (see observer.h).
#include "view/observer.h"

#include "client/defaults.h"

int Vewglb = 0;
int What_trans = 0;
int Vewaxis[3] = {1, 1, 1};
static const Global_defaults Defaults(DEFAULTS_AT_RESET, Vewglb, What_trans, Vewaxis);

// The increments and limits are set by observer_increments_default, which
// keeps the limits of pairs 3, 5 and 6; they start at 0.
float Vewvalues[14];

Viewer_window_rec Viewer_window;

void sensi(float view_height, float depth) {
  Viewer_window.sensitivity = 0.03f * (view_height < depth ? view_height : depth);
  Viewer_window.sensitivity_scale = 1.0f;
}

void observer_increments_default() {
  for (int pair = 0; pair < 7; pair++) Vewvalues[2 * pair] = 1.0f;
  Vewvalues[1] = 90.0f;  // rotate: limit
  Vewvalues[3] = 2.0f;   // translate: limit
  Vewvalues[4] = 2.0f;   // scale: increment and limit
  Vewvalues[5] = 2.0f;
  Vewvalues[8] = 0.1f;   // zoom: increment and limit
  Vewvalues[9] = 0.5f;
}


// ---- viewer changes -------------------------------------------------------------------
#include <cmath>
#include <cstdio>

#include "anim/animate.h"
#include "client/command_dlog.h"
#include "client/screen.h"
#include "render/disobj.h"
#include "render/redraw.h"
#include "view/view_matrix.h"
#include "view/viewer_state.h"
#include "view/viewports.h"

// One redraw: the current viewport alone when one viewport is in use.
static void viewer_redraw() {
  if (Num_active_viewports == 1)
    display_all();
  else
    viewports_display_all();
}

// Every selected viewport gets the two points, with its viewing matrix and
// distance built from its own model transformation; the last distance built
// comes back in *distance.
static void viewer_to_selected(const float look_at[3], const float look_from[3], float *distance) {
  const int saved = Viewport_current;
  for (int v = 0; v < MAX_VIEWPORTS; v++) {
    if (!Viewports[v].selected) continue;
    Viewport_current = v;
    float combined[16], view[16], at[3], from[3];
    for (int i = 0; i < 3; i++) at[i] = look_at[i], from[i] = look_from[i];
    current_ctm(combined, 0);
    vewvew(at, from, distance, combined, view);
    view_param(at, from, view, distance, 1);
  }
  Viewport_current = saved;
}

void obsint() {
  for (int v = 0; v < MAX_VIEWPORTS; v++)
    if (Viewports[v].selected) {
      if (v != Viewport_current) Resort_transparent = 1;
      Viewport_current = v;
      break;
    }
}

int obsad2(int what, float look_at[3], float look_from[3], float *distance) {
  float at[3], from[3], view[16], stored = 0.0f;
  view_param(at, from, view, &stored, 0);
  if (what == 1)
    for (int i = 0; i < 3; i++) at[i] = look_at[i];
  else if (what == 2)
    for (int i = 0; i < 3; i++) from[i] = look_from[i];
  else if (what == 3 && stored != 0.0f)
    for (int i = 0; i < 3; i++) from[i] = at[i] + (from[i] - at[i]) * (*distance / stored);
  float built = stored;
  viewer_to_selected(at, from, &built);
  for (int i = 0; i < 3; i++) look_at[i] = at[i], look_from[i] = from[i];
  *distance = built;
  viewer_redraw();
  return 1;
}

// The keyframe recorder of the viewer: nothing can be keyframed yet.
static void viewer_keyframe(int, const float *) {}

void obsend() {
  if (!Animon) return;
  float at[3], from[3], view[16], distance = 0.0f;
  view_param(at, from, view, &distance, 0);
  viewer_keyframe(4, at);
  viewer_keyframe(5, from);
}

void obsrst(float look_at[3], float look_from[3], float *distance) {
  original_view(look_at, look_from, 0);
  viewer_to_selected(look_at, look_from, distance);
  viewer_redraw();
}

void adjust_end() {
  if (Hlinet) {
    viewer_redraw();
    return;
  }
  if (Num_active_viewports > 1) copy_to_backbuffer();
  fix_up_viewport(1);
}

void viewer_record_cmd(int what, const float *values) {
  if (!Recrdr) return;
  char line[160];
  if (what == 3)
    snprintf(line, sizeof line, "%s %s %.4e", "view_transf:", "distance", values[0]);
  else if (what == 0 || what == 1)
    snprintf(line, sizeof line, "%s %s %.4e %.4e %.4e", "view_transf:",
             what == 0 ? "look_from" : "look_at", values[0], values[1], values[2]);
  else
    return;
  cmdrec(line);
}

// Refuses a viewer value: error box, and the command's failure mark.
static int viewer_refuse(const char *text, int from_command) {
  disperr(text);
  if (from_command) Command_proc_err = 1;
  return -1;
}

static int same_point(const float *a, const float *b) {
  return a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
}

int viewer_attr_updt(int what, float *values, int from_command) {
  if (what == 2) return 1;  // sensitivity: accepted, changes nothing
  if (what != 0 && what != 1 && what != 3) return -1;
  obsint();
  float at[3], from[3], view[16], stored = 0.0f;
  view_param(at, from, view, &stored, 0);
  // A value that leaves no line of sight would give an undefined viewing
  // matrix: it is refused and the viewer kept.
  if (what == 1 && same_point(values, from))
    return viewer_refuse("view_transf: The look-at point must differ from the look-from point.",
                         from_command);
  if (what == 0 && same_point(values, at))
    return viewer_refuse("view_transf: The look-from point must differ from the look-at point.",
                         from_command);
  if (what == 3 && !(values[0] > 0.0f))
    return viewer_refuse("view_transf: The viewing distance must be > 0.", from_command);
  if (what == 3 && (stored == 0.0f || same_point(at, from)))
    return viewer_refuse(
        "view_transf: The viewing distance cannot be changed while the look-at and look-from "
        "points coincide.",
        from_command);
  if (!from_command) viewer_record_cmd(what, values);
  float distance = what == 3 ? values[0] : stored;
  if (what == 1) obsad2(1, values, from, &distance);
  if (what == 0) obsad2(2, at, values, &distance);
  if (what == 3) obsad2(3, at, from, &distance);
  obsend();
  return 1;
}
