// Command language entry points of Viewports, frames and view transforms: the processors, special
// recorders, refresh functions and keyword tables that Cmds_cat names.
// "viewport:" is built (viewp_cmdproc.h), "frame:" too (frame_cmdproc.h),
// and "view_transf:" knows only "function" and "action".
#pragma once

#include "client/cmd_tables.h"

extern const Cmd_keyword_rec Cmds_viewp[];
extern const Cmd_keyword_rec Cmds_viewtransf[];
extern const Cmd_keyword_rec Cmds_frame[];

// Command ids of the "view_transf:" rows (equal to their rows).
enum Viewtransf_cmd_id {
  VIEWTRANSF_FUNCTION = 0,  // what a drag moves (What_trans)
  VIEWTRANSF_ACTION = 1,    // what a drag does (Vewglb)
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
