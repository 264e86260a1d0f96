// Transformation state of the Transformation Editor: what a drag does, what it
// moves, the axes it acts on and the increment/limit pairs of each action.
#pragma once

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
