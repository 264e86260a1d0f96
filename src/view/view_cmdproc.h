// Command language entry points of Viewports, frames and view transforms: the processors, special
// recorders, refresh functions and keyword tables that Cmds_cat names.
// "viewport:" is built (viewp_cmdproc.h), "frame:" too (frame_cmdproc.h),
// and "view_transf:" here.
#pragma once

#include "client/cmd_tables.h"

extern const Cmd_keyword_rec Cmds_viewp[];
extern const Cmd_keyword_rec Cmds_viewtransf[];
extern const Cmd_keyword_rec Cmds_frame[];

// Command ids of the "view_transf:" rows (equal to their rows; "mode", the
// last row, repeats "function" with id 0).
enum Viewtransf_cmd_id {
  VIEWTRANSF_FUNCTION = 0,  // what a value moves (What_trans)
  VIEWTRANSF_ACTION = 1,    // what a value does (Vewglb)
  VIEWTRANSF_ROTATE = 2,
  VIEWTRANSF_TRANSLATE = 3,
  VIEWTRANSF_SCALE = 4,
  VIEWTRANSF_ZOOM = 5,
  VIEWTRANSF_RESET_BY_ACTION = 6,
  VIEWTRANSF_RESET_ALL = 7,
  VIEWTRANSF_VIEWPORTS = 8,
  VIEWTRANSF_DISTANCE = 9,
  VIEWTRANSF_LOOK_AT = 10,
  VIEWTRANSF_LOOK_FROM = 11,
  VIEWTRANSF_RESET_VIEWER = 12,
  VIEWTRANSF_ZCLIP_FRONT = 13,
  VIEWTRANSF_ZCLIP_BACK = 14,
  VIEWTRANSF_SENSITIVITY = 15,
  VIEWTRANSF_SAVE_VIEW = 16,
  VIEWTRANSF_RESTORE_VIEW = 17,
  VIEWTRANSF_AXIS = 18,
  VIEWTRANSF_LIMIT = 19,
  VIEWTRANSF_CURSOR = 20,
  VIEWTRANSF_LINE = 21,
  VIEWTRANSF_PLANE = 22,
  VIEWTRANSF_PLANE_EQUATION = 23,
  VIEWTRANSF_CLIPPING = 24,
  VIEWTRANSF_CONE = 25,             // 25..28 cone: end point, origin, axis, angle
  VIEWTRANSF_CYLINDER = 29,         // 29..32 cylinder: end point, origin, axis, radius
  VIEWTRANSF_SPHERE = 33,           // 33..36 sphere: end point, origin, axis, radius
  VIEWTRANSF_REVOLUTION = 37,       // 37..39 revolution tool: end point, origin, axis
  VIEWTRANSF_REVOLUTION_COUNT = 40,
  VIEWTRANSF_REVOLUTION_POINT = 41,
  VIEWTRANSF_INITIALIZE_VIEWPORTS = 42,
  VIEWTRANSF_VIEW_RECALL = 43,
  VIEWTRANSF_VIEW_STORE = 44,
  VIEWTRANSF_RESET_TOOL_CONSTRAIN = 45,
  VIEWTRANSF_SPIN = 46,
  VIEWTRANSF_STATE_COPY = 47,
  VIEWTRANSF_STATE_PASTE = 48,
  VIEWTRANSF_LINK = 49,
  VIEWTRANSF_ZCLIP_FLOAT = 50,
  VIEWTRANSF_LINE_LENGTH = 51,
  VIEWTRANSF_ZCLIP_MIN = 52,
};

// Viewports whose part visibility changed in the current part operation:
// mode 0 reads the mask into *pattern, mode 1 stores *pattern.
int viewport_vis_part_changed_pattern(int *pattern, int mode);
// Bit mask of the viewports in use (bit v for viewport v); viewport 0 always.
int viewp_inuse_mask();

int viewp_cmdproc(CMD_PROC_PARAMS);
int transf_cmdproc(CMD_PROC_PARAMS);
int frame_cmdproc(CMD_PROC_PARAMS);
int frame_cmdrec(CMD_REC_PARAMS);
void viewp_ref(int cat_index);
void transf_ref(int cat_index);
void frame_ref(int cat_index);

// Brings the transformation buttons of the main window in line with the
// drag action; set by the main window's code, null while there is none.
extern int (*transf_buttons_windep)();
