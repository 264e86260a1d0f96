// Archive sections of the viewports, frames and view transforms:
// "frames_view" (frames_bkup), "transforms_view" (transforms_bkup) and
// "viewports_view" (viewports_bkup).  Each takes the archive file and the
// framework's mode: 0 save and 5 scenario save (BKUP_SCENARIO_SAVE), 2
// restore and 6 scenario read (BKUP_SCENARIO_RESTORE), 4 reset; 1, 3 and
// any other mode do nothing and answer 1.  1 on success; -1 when a write or
// read falls short (the section's name and the system's error text on
// standard error) or when a restore finds values out of range.  Every word
// is big-endian.
#pragma once

#include <cstdio>

#define BKUP_SCENARIO_SAVE 5
#define BKUP_SCENARIO_RESTORE 6

#define FRAMES_BKUP_BYTES 40016
#define TRANSFORMS_BKUP_BYTES 60040
#define TRANSFORMS_SCENARIO_BYTES 59908
#define VIEWPORTS_BKUP_BYTES 6008

// The drawn list, the creation-order list (all 5000 entries of each) and
// the two axis sizes; the frame records travel in "globals_view".  A
// restore takes the lists only when the drawn count is 0..5000 and the
// counted drawn entries and the first Num_frames order entries name
// distinct existing frames; otherwise it resets the section and answers -1.
// The reset moves parts placed in other frames to frame 0, deletes every
// frame but 0, rebuilds the order list and gives frame 0 its start
// attributes.
int frames_bkup(FILE *fp, int mode);

// The model transformations, initial views, stored views and z-clip
// distances of the sixteen viewports; the scenario form leaves out the
// reserved matrix, the rebuild-all flag and the last recalled slots.  Only
// the distances of slots 0-3 are stored; a restore recomputes those of
// slots 4-9 from their look-at and look-from points.  The reset marks every
// viewport's stored views for a rebuild.
int transforms_bkup(FILE *fp, int mode);

// The viewport table: the part dialogs' viewport mask, the counts, the
// defaults, the sixteen records, the stacking order and the links.  A
// restore whose count of viewports in use is not 1..16, or whose stacking
// entries in use are not distinct viewports 0..15 including 0, resets the
// section and answers -1.  The reset leaves viewport 0 alone in use,
// selected and current.
int viewports_bkup(FILE *fp, int mode);

// The mode switch the three sections share: save and restore take the
// mode (archive or scenario) and refuse a null file; the other modes
// besides the reset do nothing.
struct View_bkup_ops {
  int (*save)(FILE *fp, int mode);
  int (*restore)(FILE *fp, int mode);
  int (*reset)();
};
int view_bkup_dispatch(FILE *fp, int mode, const View_bkup_ops &ops);
