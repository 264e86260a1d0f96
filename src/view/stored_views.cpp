// Stored views (see stored_views.h).  Owns the ten slots of every viewport,
// their first-use and last-recalled marks and the rebuild-all flag.  A view
// is the whole viewing state: the viewer (points, matrix, distance) and the
// model transformation (combined, scale, rotation, translation).  Only
// switch_views and the archive change the slots.
#include "view/stored_views.h"

#include <cstdio>
#include <cstring>

#include "anim/animate.h"
#include "client/command_dlog.h"
#include "client/screen.h"
#include "render/redraw.h"
#include "view/viewer_state.h"

Stored_views_rec Stored_views[MAX_VIEWPORTS];
int Stored_views_rebuild_all = 1;

static int Control_key_fallback = 0;
int *Stored_views_control_key = &Control_key_fallback;

static const char *const Slot_names[STORED_VIEW_SLOTS] = {"F5", "F6", "F7", "+X", "+Y",
                                                          "+Z", "-X", "-Y", "-Z", "F8"};

// The model turn (about x, y, z, degrees) of each slot built from the
// initial view: F5..F7 as +X, +Y, +Z.
static const float Slot_turns[9][3] = {
    {0, -90, 0}, {90, 0, 0}, {0, 0, 0},  {0, -90, 0}, {90, 0, 0},
    {0, 0, 0},   {0, 90, 0}, {-90, 0, 0}, {0, 180, 0}};

const char *stored_view_name(int slot) {
  return slot >= 0 && slot < STORED_VIEW_SLOTS ? Slot_names[slot] : nullptr;
}

// The viewport's current view into s.
static void save_current(Stored_view_rec &s) {
  view_param(s.look_at, s.look_from, s.view_matrix, &s.distance, 0);
  current_ctm(s.combined, 0);
  ctm_transforms(s.scale, s.rotation, s.translation, 0);
}

// Slots 0..8 of the current viewport from its initial view; the viewport's
// own view is left as it was.
static void rebuild_slots(Stored_views_rec &views) {
  float combined[16], scale[16], rotation[16], translation[16];
  current_ctm(combined, 0);
  ctm_transforms(scale, rotation, translation, 0);
  views.last_recalled = -1;
  const int all[3] = {1, 1, 1};
  for (int k = 0; k < 9; k++) {
    Stored_view_rec &s = views.slot[k];
    init_transforms(all);
    float at[3], from[3], viewer_matrix[16], distance;
    view_param(at, from, viewer_matrix, &distance, 0);
    original_view(s.look_at, s.look_from, 0);
    current_ctm(s.combined, 0);
    vewvew(s.look_at, s.look_from, &s.distance, s.combined, s.view_matrix);
    const float *turn = Slot_turns[k];
    if (turn[0] != 0.0f || turn[1] != 0.0f || turn[2] != 0.0f)
      rotvew(turn[0], turn[1], turn[2], s.look_at, s.combined, viewer_matrix);
    ctm_transforms(s.scale, s.rotation, s.translation, 0);
  }
  current_ctm(combined, 1);
  ctm_transforms(scale, rotation, translation, 1);
  fix_up_viewport(1);
}

static void record(const char *keyword, int slot) {
  if (!Recrdr) return;
  char line[64];
  snprintf(line, sizeof line, "view_transf: %s %s", keyword, Slot_names[slot]);
  cmdrec(line);
}

int switch_views(int slot, int record_line) {
  if (Animon) {
    disperr("Can not switch views during keyframe animation");
    return -1;
  }
  if (slot < 0 || slot >= STORED_VIEW_SLOTS) return -1;
  if (Stored_views_rebuild_all) {
    Stored_views_rebuild_all = 0;
    for (Stored_views_rec &v : Stored_views) v.first_use = 1;
  }
  Stored_views_rec &views = Stored_views[Viewport_current];
  if (views.first_use) {
    views.first_use = 0;
    rebuild_slots(views);
  }
  Stored_view_rec &s = views.slot[slot];
  if (*Stored_views_control_key) {
    if (slot > 2 && slot != 9) return -1;  // axis views are never overwritten
    save_current(s);
    vewvew(s.look_at, s.look_from, &s.distance, s.combined, s.view_matrix);
    if (record_line) record("view_store", slot);
    return 1;
  }
  if (views.last_recalled == -1 || (views.last_recalled == 9 && slot != 9))
    save_current(views.slot[9]);
  view_param(s.look_at, s.look_from, s.view_matrix, &s.distance, 1);
  current_ctm(s.combined, 1);
  ctm_transforms(s.scale, s.rotation, s.translation, 1);
  fix_up_viewport(1);
  views.last_recalled = slot;
  if (record_line) record("view_recall", slot);
  return 1;
}

int switch_views_process_command(int control, int slot, int record_line) {
  int *key = Stored_views_control_key;
  int held = *key;
  *key = control != 0 ? 1 : 0;
  int result = switch_views(slot, record_line);
  display_all();
  *key = held;
  return result;
}

void switch_views_init_viewport() { Stored_views[Viewport_current].first_use = 1; }

void stored_views_reset() {
  memset(Stored_views, 0, sizeof Stored_views);
  Stored_views_rebuild_all = 1;
}
