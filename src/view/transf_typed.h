// Typed transformation values: one value (a slider position, an increment or
// a "view_transf:" line) applied to what the transformation mode What_trans
// moves (the model of the selected viewports, the selected frames' local
// transformations, a 3-D tool, or the definition of the selected frames) by
// the action Vewglb, always starting again from the state saved when the
// interaction began; the resets of the current mode's target.
//
// An interaction runs from ui_trans_init to ui_trans_end; a slider drag is one
// interaction, a typed increment or a command line is one of its own
// (ui_trans_1_value).
#pragma once

#include "interact/tool_records.h"
#include "parts/attribute.h"  // FRAME_ATTR_WORDS
#include "view/frames.h"
#include "view/viewports.h"

// Actions given to ui_transform (Vewglb values, and spin given only by the
// "spin" line).
enum Transf_action {
  TRANSF_ROTATE = 0,
  TRANSF_TRANSLATE = 1,
  TRANSF_SCALE = 2,
  TRANSF_ZOOM = 4,
  TRANSF_BAND_ZOOM = 5,
  TRANSF_SPIN = 6,
};

// Last-transformation codes of an interaction (handed to the keyframe
// recorder at its end); -1 none.  9 to 14 belong to the tools.
enum Transf_code {
  TRANSF_CODE_NONE = -1,
  TRANSF_CODE_GLOBAL_TURN = 1,
  TRANSF_CODE_GLOBAL_MOVE = 2,
  TRANSF_CODE_GLOBAL_SCALE = 3,
  TRANSF_CODE_ZOOM = 5,
  TRANSF_CODE_LOCAL_TURN = 6,
  TRANSF_CODE_LOCAL_MOVE = 7,
  TRANSF_CODE_LOCAL_SCALE = 8,
  TRANSF_CODE_PLANE_MOVE = 9,
  TRANSF_CODE_PLANE_TURN = 10,
  TRANSF_CODE_PLANE_SCALE = 11,
  TRANSF_CODE_CYLINDER_CLIP = 12,
  TRANSF_CODE_CONE_CLIP = 14,
};

// The state saved when an interaction starts.  The frame copies exist only
// between ui_trans_init and ui_trans_end.
struct Transform_start_state {
  // per viewport: viewer and model transformation
  float look_at[MAX_VIEWPORTS][3];
  float look_from[MAX_VIEWPORTS][3];
  Matrix_4x4_rec view[MAX_VIEWPORTS];
  float distance[MAX_VIEWPORTS];
  Matrix_4x4_rec combined[MAX_VIEWPORTS];
  Matrix_4x4_rec scale[MAX_VIEWPORTS];
  Matrix_4x4_rec rotation[MAX_VIEWPORTS];
  Matrix_4x4_rec translation[MAX_VIEWPORTS];
  // the frames selected at the start, ascending
  int frame_count;
  int frame_list[MAX_FRAMES];
  char (*frame_names)[FRAME_NAME_LEN];      // frame_count names
  float (*frame_attrs)[FRAME_ATTR_WORDS];    // frame_count attribute vectors
  // per viewport, frame_count matrices each, in list order
  float (*local_scale[MAX_VIEWPORTS])[16];
  float (*local_rotation[MAX_VIEWPORTS])[16];
  float (*local_translation[MAX_VIEWPORTS])[16];
  float (*local_combined[MAX_VIEWPORTS])[16];
  float perspective;  // degrees
  // tools
  float cursor[3];
  float cursor_distance;  // viewing distance given to the cursor's size
  float line[2][3];
  float line_dir[3];      // unit, first end to second
  float plane[4][3];      // three corners and the fourth point
  float cyl_origin[3], cyl_end[3], cyl_axis[3], cyl_radius, cyl_half_radius;
  float sph_origin[3], sph_end[3], sph_radius, sph_half_radius;
  float cone_apex[3], cone_end[3], cone_axis[3], cone_angle, cone_half_angle, cone_value;
  float rev_end1[3], rev_end2[3], rev_axis[3];
  int rev_count;
  float rev_distances[REVTOOL_POINTS], rev_radii[REVTOOL_POINTS];
  // the interaction
  int interaction_mode;
  int last_code;  // Transf_code
  float last_values[3];
  int clip_kind;  // dynamic clip change: -1 none, 1 line value or plane turn, 3 plane scale, 5 plane move
  float clip_values[3];
  int saved_hlinet;
};

// Starts an interaction: cheapens drawing, saves every viewport's viewer and
// model transformation, the selected frames and the tools.  1, or -1 when
// the frames' working copies cannot be had (reported; nothing started).
int ui_trans_init();
// Applies one value (see the file comment).  x_rec, y_rec, z_rec: with
// from_command 1 the three values to apply, unchanged; on return the values
// to record.  1, or -1 when no interaction has been started.
int ui_transform(int action, int mode, int x_on, int y_on, int z_on, float value, float *x_rec,
                 float *y_rec, float *z_rec, int from_command);
// Ends the interaction: full drawing back, viewer adjustment ended, frame
// copies released.
void ui_trans_end();
// ui_trans_init, ui_transform and ui_trans_end in one; -1 when refused.
int ui_trans_1_value(int action, int mode, int x_on, int y_on, int z_on, float value,
                     float *x_rec, float *y_rec, float *z_rec, int from_command);
// Scale factor of slider fraction f (-1..1) with the scale limit L.
float ui_scale_fix(float limit, float fraction);
// 1 when the selected frames have no local transformation (their definition
// may change), else 0.
int ui_transform_check_frame_definition();
// End point 1 or 2 of the cylinder (kind 2), sphere (3), cone (4) or
// revolution tool (5) becomes (x, y, z), global coordinates; redraws.
void quadric_tool_cmd(int kind, int point, float x, float y, float z);
// Resets the current mode's target: all 1 rotation, translation and scale,
// 0 only the current action's part (tools return to their home placement).
void reset_transforms(int all);

// The start state of the last interaction (read by tests and the editor).
const Transform_start_state &transform_start_state();
