// Transformation state of the Transformation Editor: what a drag does, what it
// moves, the axes it acts on and the increment/limit pairs of each action.
#pragma once

#include <cstdio>

extern int Vewglb;            // drag action: 0 rotate, 1 translate, 2 scale, 4 zoom, 5 rubber band
extern int What_trans;        // what moves: 0 global, 1 local, 2 cursor, ... 10 frame
extern int Vewaxis[3];        // 1 = the editor acts on that axis
extern float Vewvalues[14];   // seven (increment, limit) pairs indexed by Vewglb

// ---- viewer editor state -------------------------------------------------------
// The viewer window's state, one for the whole program, all 0 at start.
struct Viewer_window_rec {
  float sensitivity;        // 3 % of the smaller of view height and clip depth (sensi)
  float sensitivity_scale;  // 1.0 once sensi has run
  float x_min, x_max;       // scene X range of the current viewport, model-transformed
  float x_low, x_high;      // X range the viewer window shows
  float y_min, y_max, y_low, y_high;
  float z_min, z_max, z_low, z_high;
  float from_py, from_px;   // pixel row and column of the look-from marker
  float at_py, at_px;       // pixel row and column of the look-at marker
  int plane;                // 0 X-Z, 1 X-Y, 2 Y-Z
  int lock;                 // 0 none, 1 distance, 2 together
};

extern Viewer_window_rec Viewer_window;

// Sensitivity from the view height and the depth between the clip planes.
void sensi(float view_height, float depth);

// The start increments and limits of Vewvalues (a fresh run and every archive
// reset): every increment 1.0, then rotate limit 90, translate limit 2, scale
// 2 and 2, zoom 0.1 and 0.5; the limits of pairs 3, 5 and 6 are kept.
void observer_increments_default();

// Moves the current viewport's z-clip planes to follow the scene while
// floating z-clip is on (built with the z-clip planes, zclip.cpp).
void adjust_floating_z_planes();

// ---- viewer changes (look-at, look-from, distance) --------------------------------
// Sets up for a viewer change: the lowest-numbered selected viewport becomes
// current (Resort_transparent set when that changes it).
void obsint();
// Applies a new look-at (what 1), look-from (2) or distance (3) to every
// selected viewport, from the current viewport's viewer; the resulting
// points and distance come back in the arguments; one redraw.  1.
int obsad2(int what, float look_at[3], float look_from[3], float *distance);
// Closes a viewer change (keyframe recording while keyframing is on).
void obsend();
// Puts every selected viewport back to the current viewport's initial view
// and returns it; one redraw.
void obsrst(float look_at[3], float look_from[3], float *distance);
// End of an interactive adjustment: the viewport set-up rebuilt (a full
// redraw while hidden lines are on).
void adjust_end();
// Records "view_transf: look_from|look_at x y z" (what 0, 1) or
// "view_transf: distance d" (3) while recording is on.
void viewer_record_cmd(int what, const float *values);
// A typed or commanded look-at (what 1, 3 values), look-from (0, 3 values),
// distance (3, 1 value) or sensitivity (2, changes nothing).  A value that
// would leave no viewing direction (look-at on look-from, distance <= 0, or
// a distance while the stored one is 0) is refused with an error box and
// the viewer is kept; from a command the refusal also sets
// Command_proc_err.  1, or -1 refused.
int viewer_attr_updt(int what, float *values, int from_command);

// ---- the viewer section of the Transformation Editor ----------------------------
// Brings the section in line with the viewer (fields, plane toggles, lock);
// the section's dialog code sets the hook (null: nothing to refresh).
extern void (*viewer_dialog_init_windep)();
void viewer_dialog_init();
// The viewer window's size: 1 with *width and *height when the drawing area
// exists, else 0 (null hook: it does not).
extern int (*viewer_area_windep)(int *width, int *height);
// The pointer over display 0's graphics area, pixels from its lower-left
// corner: 1, or 0 when it cannot be read (null hook: never).
extern int (*viewer_pointer_windep)(int *x, int *y);

// The window state for the current viewport (the first part of obsint):
// the scene's ranges and the ranges shown, then the marker positions.
void viewer_window_setup();
// at_px, at_py, from_px, from_py for the two points (window pixels from the
// lower-left corner); nothing without the window.
void viewer_marker_positions(float look_at[3], float look_from[3]);
// Window coordinates (h, v) of a point in the current plane, and the
// orthographic range (left, right, bottom, top) the window shows.
void viewer_plane_coords(const float p[3], float *h, float *v);
void viewer_plane_range(float range[4]);
void draw_atfrom_gl();
// Mode 0 reads, 1 stores (then window set-up and drawing) the plane.
void viewer_which_plane_gl(int *plane, int mode);
void viewer_which_lock(int *lock, int mode);
// The section's plane choice (stored, window redrawn, toggles refreshed)
// and its redraw button.
void viewer_viewplane_chng(int plane);
void viewer_gwin_redraw();

// A drag in the viewer window, started by a press at (column, row):
// which 1 look-from, 2 look-at, 0 nothing hit.
struct Viewer_drag {
  int which;
  float at0[3], from0[3];  // the viewer at the press
  float dir0[3], d0;       // unit look-at -> look-from, stored distance
  float at[3], from[3];    // the working copy
};
Viewer_drag viewer_drag_begin(int column, int row);
// The pointer moved to (column, row) of a w x h window: the dragged point
// follows under the lock; every selected viewport takes the two points.
void viewer_drag_move(Viewer_drag *drag, int column, int row, int w, int h);
// The button let go: the two points recorded when a marker was hit, the
// keyframes, and the marker positions renewed.
void viewer_drag_end(const Viewer_drag *drag);

// Makes the model point under the pointer the current viewport's look-at
// point, keeping the viewing direction and distance.  1 when a point was
// found, else 0 ("**No Point Found**" in the status line).
int click_and_set_viewpoint();

// The "observer_view" archive section: version 10.0 and the 20 fields of
// Viewer_window as floats, 84 bytes.  Modes as view_bkup.h; a restore whose
// plane or lock is outside 0..2 sets both to 0 and answers -1.
#define OBSERVER_BKUP_BYTES 84
int observer_bkup(FILE *fp, int mode);
