// Z-clip planes of the viewports: the floating rule that keeps the front and
// back distances around the visible depth of the scene, the measure of that
// depth, the layout and drawing of the z-clip window with its drag step,
// typed values with their checks, and the recorded "view_transf:" lines.
// The planes themselves live in the viewer records (zclipp_locat); every
// function acts on Viewport_current or on the selected viewports.
#pragma once

extern float Zclip_float_minimum;  // smallest front distance of the floating rule; 1.0e-4 at start

// The z-clip window's state, laid out for one viewport at a time (zclint).
struct Zclip_window_rec {
  float scene_min, scene_max;          // eye-depth range of the scene; 1 and 2 when both are 0
  float front, back;                   // copies of the viewport's planes
  float range;                         // back - front
  float low, high, span;               // depth interval the window shows, high - low
  float front_pos, back_pos;           // planes' normalised positions, 0 left .. 1 right
  float scene_min_pos, scene_max_pos;  // the same for the scene's range
};
extern Zclip_window_rec Zclip_window;

// Range of coordinate axis (0 x, 1 y, 2 z) over the loaded parts in the
// current viewport; with_view 1 adds the viewing matrix and negates, so that
// axis 2 is the distance in front of the eye.  -1 .. 1 when no part counts.
void scene_extents(int axis, int with_view, float *min, float *max);
// The floating rule for the current viewport (the caller tests the flag).
// Never leaves front >= back: when the rule moved the front plane past the
// back one, the back plane follows at once.
void adjust_floating_z_planes();
// Mode 0 reads the minimum; 1 stores it and, when the current front is
// below it, applies the floating rule once and redraws.
void floating_z_minimum(float *value, int mode);
// Lays the z-clip window out for the lowest-numbered selected viewport.
void zclint();
// Draws the z-clip window; nothing while its drawing area does not exist.
void draw_zclipp_area_gl();
// Moves the front (mode 1) or back (mode 2) plane to normalised window
// position t, applies the pair to every selected viewport and redraws them;
// returns the window state.
void zcladj(int mode, float t, float *front, float *back, float *front_pos, float *back_pos,
            float *scene_min_pos, float *scene_max_pos);
// which 4: front for every selected viewport, each keeping its back;
// 5: back, each keeping its front.  Then one redraw.
void set_zlocat_from_command(int which, float front, float back);

// Typed front (which 0) or back (1) distance for the selected viewports:
// refused with a message and Command_proc_err when it would leave any of
// them with front >= back (or a front below 1e-7); else recorded (not from a
// command) and applied.  1, or -1 refused.
int zclip_attr_updt(int which, float *value, int from_command);
// Sets the smallest front distance of the floating rule (> 0).  1 or -1.
int zclip_minattr_updt(float value, int from_command);
// Item 2 switches floating z-clip (value 0.0 or 1.0); other items only
// refresh.  1.
int zclip_tgglattr_updt(int item, float *value, int from_command);
// Records "view_transf: zclip_front <v>" (which non-zero) or
// "view_transf: zclip_back <v>" while recording is on.
void zclip_record_cmd(int which, float value);

// ---- the z-clip window's mouse ---------------------------------------------------
// For a press at x, y (pixels from the lower-left corner) in a w x h window:
// 1 on the front marker, 2 on the back marker, 0 elsewhere.
int zclip_press_marker(int which, int x, int y, int w, int h);
// Normalised position of pointer column x while dragging plane mode (1
// front, 2 back), kept 0.005 clear of the other plane.
float zclip_drag_position(int mode, int x, int w);

// ---- editor section refreshers (the section's dialog code sets the hooks) ---------
// Whether the z-clip drawing area exists (hook null: it does not).
extern int (*zclip_area_windep)();
// Brings the whole section / the two plane fields in line with the state.
extern void (*zclip_dialog_init_windep)();
extern void (*zclip_planetext_refresh_windep)(float front, float back);
void zclip_dialog_init();
void zclip_planetext_refresh(float front, float back);
// Lays the window out and draws it.
void zclip_gwin_redraw();
