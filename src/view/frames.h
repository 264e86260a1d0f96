// Local coordinate frames: visibility of the axis triads.
#pragma once

extern int Axiso1;  // 1 = local frame axes shown
extern int Axiso2;  // 1 = global axis triad shown
extern int Axiso3;  // 1 = direction triad shown

// ---- frame table ---------------------------------------------------------------
// The frame table, its dialogs and the frame-mode editing arrive with the
// frames subsystem; until then no frame exists, nothing is selected and the
// panel's icons change nothing.
extern int Num_frames;               // frames in the frame table; 0 until the table exists
extern int Frame_current_transmode;  // frame panel choice: 1 transform, 10 define

// Frame n's number and name (room for 50); 1, or -1 when there is no frame n.
int frame_get(int n, int *number, char *name);
// Mode 0: the selected frames in frame-number order into list (room for
// 5000), their count into *count.  1.
int current_selected_frames(int *count, int *list, int mode);
// Part numbers of the non-group parts assigned to the given frames, in a
// new heap list (caller frees); count 0 and no list when none.  1.
int given_frames_return_parts(int nframes, const int *frames, int *count, int **list);
// Brings the frame panel in line with the selected frames (through the
// panel's refresher, nothing without a screen).
void frame_icons_refresh();
extern void (*frame_icons_refresh_windep)();
// Notice shown when frame mode is entered (nothing to say without frames).
void frame_notification_mesg_windep();

// ---- triad size ------------------------------------------------------------------
#define FRAME_LEN_X 14    // frame slots 14..16: axis lengths x, y, z

extern float Axis_size;        // length of the global triad's axes and of new frames' axes
extern float Axis_size_div20;  // Axis_size / 20, kept for the frames archive

// Axis_size = size, the default frame's three axis lengths = size.
void axiscl(float size);

// The frame-to-global matrix of frame n (row vectors, translation in 12-14).
// No frame table exists yet: every frame is the global frame, the identity.
void frame_to_global_matrix(int frame, float m[16]);

// ---- frame records ---------------------------------------------------------------
#include "view/view_matrix.h"

#define MAX_FRAMES 5000
#define FRAME_VIEWPORTS 16  // one local transformation per viewport

// The matrices of one frame that the part passes read (row vectors, OpenGL
// memory order).  The part's drawing multiplies the model-view by the
// combined matrix of the viewport being drawn; a mirror copy is made
// between to_global and to_frame.
struct Frame_rec {
  Matrix_4x4_rec combined[FRAME_VIEWPORTS];  // local scale x rotation x translation per viewport
  Matrix_4x4_rec to_global;                  // frame coordinates to global (rigid)
  Matrix_4x4_rec to_frame;                   // its inverse
};

// Frame records by number, null = free.  Until the frame table exists only
// frame 0, the global frame, has a record: identity matrices throughout.
extern Frame_rec *Ctm_part[MAX_FRAMES];
// The record of frame number n; frame 0's for a number outside the table
// or without a record.
const Frame_rec *frame_record(int n);

// Draws the axis triads that are switched on into Viewport_current (the
// triads arrive with the frame table).
void axis_display();
