// The Transformation Editor's logic: its modes and what each mode allows,
// the slider and step buttons with their increment and limit, the axis
// choice, the frame list, copy, paste and link of viewport states, the
// resets and the saved-view file, each recorded as a "view_transf:" line.
// The editor's widgets are reached only through Transf_editor_windep (all
// null until the editor's dialog code sets them): without them the logic
// runs as if the editor had never been built.
#pragma once

// ---- module state ----------------------------------------------------------------------
extern int Transf_editor_mode;      // editor mode last switched to (0 at start)
extern int Viewt_scale_multiplier;  // slider steps per unit of value; 0 in band zoom
extern int Viewt_initscl_flag;      // 1 from a drag's first movement until its release
extern int Did_transform;           // 1 when the last slider movement applied a value
extern float View_x_rec, View_y_rec, View_z_rec;  // values the last application reported

// One row of the editor-mode table.
struct Transf_editor_mode_rec {
  int mode;           // editor mode: 0..10, 1000 z-clip, 2000 viewer
  int what_trans;     // What_trans it stores (mode 5 stores 5 + Curve_clip_tool)
  const char *label;  // label of its "Editor Function" menu row
  const char *help;   // help topic, null for none
};
// The row of an editor mode, or null outside the table.
const Transf_editor_mode_rec *transf_editor_mode_row(int mode);
// The editor's title for a mode into buf; 1, or 0 outside the table.
int transf_editor_title(int mode, char *buf, int size);

// The slider of an action (Vewglb value) for its limit: steps per unit, shown
// decimals and the slider's end (it runs -maximum..maximum).
struct Transf_slider_scale {
  int multiplier;
  int decimals;
  int maximum;
};
Transf_slider_scale transf_slider_scale(int action, float limit);

// ---- the editor's widgets (set by the dialog code) --------------------------------
struct Transf_editor_windep_ops {
  int (*built)();   // 1 once the editor exists
  int (*shown)();   // 1 while it exists and is managed
  void (*manage)(); // builds it on first use and shows it
  // Shows the areas of an editor mode and sets the title (null: keep it).
  void (*mode_areas)(int mode, const char *title);
  // Only the mode's "Editor Function" toggle on, without notification
  // (-1: all off).
  void (*set_toggles)(int mode);
  // Sensitivity of the five action icons (rotate, translate, zoom, band
  // zoom, scale) and of "Reset...".
  void (*icons)(const int sensitive[5], int reset_sensitive);
  // Activates action icon item as a press would.
  void (*activate_icon)(int item);
  // Slider set-up: scale null for band zoom (slider, steps, axis menu and
  // fields insensitive), else the range and the mode label's text.
  void (*slider)(int action, const Transf_slider_scale *scale, const char *mode_label);
  void (*slider_zero)();
  void (*fields)(float increment, float limit);  // shown with "%f"
  void (*axis_show)(int item);                   // 0 X, 1 Y, 2 Z, 3 All
  void (*link_show)(int on);
  // The "Which Frame" list: names in list order, then the selected
  // positions (1-based).
  void (*frame_list)(int count, const char *const *names, int nselected, const int *positions);
  void (*reset_dialog_manage)();                    // builds and shows the reset dialog
  void (*reset_dialog_init)(int constraint);        // its toggles, while it is shown
  void (*qedit_refresh)();                          // the quick-edit panel
  void (*help)(const char *topic);                  // opens a help topic
};
extern Transf_editor_windep_ops Transf_editor_windep;

// ---- opening and refreshing -------------------------------------------------------
void transf_dialog_manageinit();
void transf_dialog_managesetmodeinit(int mode);
// "Tool Positions...": opens the editor in the mode of the first tool shown.
void transf_manageinit_bytool();
// Brings the editor in line with the shared state; while it is not shown,
// only the mode dependencies (quietly).
void transf_dialog_init();
// The help topic of the current editor mode (nothing for mode 5).
void transf_editor_help();

// ---- mode ---------------------------------------------------------------------------
void transf_mode_manage_windep(int mode, int refresh_panel, int no_record);
// Stores an editor mode in What_trans with its consequences.  1, or -1 for
// the quadric mode without a quadric tool.
int transf_tggl_modes(int mode, int refresh_panel, int no_record);
void transf_set_toggles(int mode);
// Records What_trans-style mode as "view_transf: function <mode word>".
// 1, or -1 for a code without a word.
int transf_record_whattrans(int mode);
// The tools, icons and action a transformation mode allows; quiet 1 sets
// them without recording.
void transf_set_mode_dependencies(int mode, int quiet);
// The quadric tool switched on (1) or off (0): off leaves the quadric modes.
void transf_refreshby_quadricdependency(int on);

// ---- action and values --------------------------------------------------------------
// Carries out a transformation button: items 0 rotate, 1 translate, 2 zoom,
// 3 rubber-band zoom and 4 scale set the drag action (Vewglb) and, with
// record set and recording on, record "view_transf: action <word>"; 6 opens
// the reset dialog, 7 the editor.  1, or -1 for an unknown item.
int transf_action_reset_chng(int item, int record);
// The word of "view_transf: action" for a Vewglb value, or null.
const char *transf_action_word(int vewglb);
void transf_reset_scale_settings();
void transf_reset_scale();
// A slider drag step (integer position) and its release.
void transf_slider_movmnt(int position);
void transf_slider_chng();
// A step button (direction -1, +1) or Enter in the increment field (0).
// 1, or -1 refused.
int transf_incvalue_chng(int direction, float increment);
// Enter in the limit field.  1, or -1 for a limit <= 0.
int transf_limvalue_chng(float limit);
// The axis menu: 0 X, 1 Y, 2 Z, 3 All.
void transf_axis_chng(int item);

// ---- frames and viewports -----------------------------------------------------------
void transf_frame_refresh();
// A selection in the "Which Frame" list: positions 1-based.
void transf_framelist_select(int count, const int *positions);
void transf_viewportselect_chng();

// ---- the reset dialog ---------------------------------------------------------------
void transf_redowhichviewport_manage();
void transf_redowhichviewport_init();
// Resets tool 2 cursor, 3 line, 4 plane or 5 the quadric tool in its own
// mode and returns to the current one.  1, or -1 without a quadric tool.
int transf_setmode_resettool(int tool, int all);

#include "view/stored_views.h"  // switch_views_process_command

// ---- operations shared with the "view_transf:" lines --------------------------------
// from_command 1: called by the command processor (nothing recorded); 0: a
// user action (its line recorded while recording is on).
//
// Resets the current mode's target (all 1: rotation, translation and
// scale; 0: the current action's part).  Refused during keyframe creation:
// -1 with a message; else 1.
int transf_reset_action(int all, int from_command);
// Re-fits the selected viewports to their parts.  Refused during keyframe
// creation (-1); else 1.
int transf_reinitviewport(int from_command);
// Reset_tools_constraint = constraint (0 by global, 1 by viewport).
void transf_resettool_constraint(int constraint, int from_command);
// The one selected viewport becomes the source of the transformation
// state; -1 with a message unless exactly one is selected.
int transf_copy_state(int from_command);
// Copies the source's state to the other selected viewports.
void transf_paste_state(int from_command);
// Links (on 1) or unlinks the selected viewports for interactive transforms.
void transf_link_viewports(int on, int from_command);

// ---- the saved-view file (saved_view.h) ---------------------------------------------
// Writes the file named (a leading "~" expanded).  From the editor
// (from_command 0) an existing file asks before it is overwritten and a
// file that cannot be created is reported, and the line is recorded; from a
// command the checks are silent and nothing is recorded.  1, or -1.
int transf_save_view(const char *name, int from_command);
// Reads the file named and applies it; refused while a keyframe animation
// is being made.  A file that cannot be read is reported either way; only
// the editor's call (from_command 0) records the line.  1, or -1.
int transf_restore_view(const char *name, int from_command);
