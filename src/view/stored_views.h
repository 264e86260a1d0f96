// Stored views: ten view slots per viewport, recalled with F5..F8, the view
// buttons or "view_transf: view_recall", stored with Control+F5..F8 or
// "view_transf: view_store".  Slots 0..2 are F5..F7, 3..8 the axis views
// +X, +Y, +Z, -X, -Y, -Z, 9 is F8 and also keeps the view left by a recall.
// A viewport's slots are built from its initial view at their first use
// after start-up, an archive reset or a re-initialisation of the viewport.
#pragma once

#include "view/view_matrix.h"
#include "view/viewports.h"

#define STORED_VIEW_SLOTS 10

struct Stored_view_rec {
  float look_at[3];            // viewer look-at point
  float look_from[3];          // viewer look-from point
  Matrix_4x4_rec view_matrix;  // viewing matrix
  float distance;              // viewing distance
  Matrix_4x4_rec combined;     // combined model transformation
  Matrix_4x4_rec scale;        // model scale
  Matrix_4x4_rec rotation;     // model rotation
  Matrix_4x4_rec translation;  // model translation
};

// Per viewport; the transforms archive section saves and restores them.
struct Stored_views_rec {
  Stored_view_rec slot[STORED_VIEW_SLOTS];
  int first_use;      // 1 = slots 0..8 are rebuilt before the next store or recall
  int last_recalled;  // -1 after a rebuild, else the slot recalled last
};
extern Stored_views_rec Stored_views[MAX_VIEWPORTS];
extern int Stored_views_rebuild_all;  // 1 at start: the next use marks every viewport first-use

// The Control key state a key press leaves (the event loop points it at its
// own flag; a core-owned 0 until then).
extern int *Stored_views_control_key;

// Recalls slot 0..9 of the current viewport, or stores into it while the
// Control key is down (stores only into 0, 1, 2, 9).  record 1 records the
// equivalent line while recording is on.  No redraw.  1, or -1 refused
// (keyframe animation on, or a slot outside 0..9).
int switch_views(int slot, int record);
// switch_views as if Control were held (control != 0) or not, then
// display_all; the Control key state is put back.  1 or -1 as switch_views.
int switch_views_process_command(int control, int slot, int record);
// The current viewport's slots are rebuilt from its initial view at the next use.
void switch_views_init_viewport();
// Archive reset: all slots zero, every viewport rebuilt at its next use.
void stored_views_reset();
// Command-language name of a slot ("F5" .. "-Z", "F8"), or null.
const char *stored_view_name(int slot);
