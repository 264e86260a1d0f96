// Which viewports the viewport commands, dialogs and editors act on: the
// selection (the selected flag of every Viewport_rec), the viewport under a
// window position, the Transformation Editor's two viewport choosers
// (window codes 5 and 18), moves within the stacking order, the links that
// tie viewports together for interactive transformation, and the copy of one
// viewport's transformation state to others.
#pragma once

#include <functional>

#include "view/viewports.h"

extern int Viewport_link_flags[MAX_VIEWPORTS];  // 1 = linked for interactive transformation
extern int Viewport_link_count;                 // linked viewports, 0 when fewer than two
extern int Viewport_copy_from;                  // viewport a paste copies from, 0..15

// Selects every viewport in use, then redraws all viewports.
void select_all_viewports();
// The viewport under (x, y), pixels of display Dpy_current counted from the
// bottom-left: the top-most visible one whose rectangle holds the point
// (edges inclusive; in viewport-editing mode invisible ones count too).
// keep 0 answers Viewport_current when none is hit; keep 1 leaves the
// outputs as they were.  aspect = width / height x Anim_aspect_ratio,
// inv_width and inv_height = 1 / the fractions.
void get_current_viewport(int x, int y, int *viewport, float *aspect, float *inv_width,
                          float *inv_height, int keep);
// Position of the viewport in the stacking order (0 bottom), or -1.
int viewport_stack_location(int viewport);
// The viewport's position before the call, or -1 when it is not in use.
// Mode 0 also stores it in *position; mode 1 exchanges the viewport with the
// one at *position (refused with -1, nothing moved, outside
// 0 .. Num_active_viewports - 1).  Nothing is redrawn.
int viewport_stacking_order(int viewport, int *position, int mode);
// Raise: the selected viewports 1..15 to the top, in ascending number.
void pop_viewport();
// Lower: the selected viewports 1..15 standing at position 2 or higher to
// position 1, in ascending number; position 0 is never touched.
void push_viewport();
// on 1 shows, 0 hides every selected viewport; other values nothing.
void viewport_selected_visibility(int on);

// ---- links ------------------------------------------------------------------
int are_viewports_are_locked();
// Links the selected viewports (on != 0, at least two in use), else none.
void set_unset_viewport_locks(int on);
// Mode 0 lists the linked viewports (count 0 when only one); mode 1 only
// prints that setting is not implemented.
void viewport_locks(int *count, int list[MAX_VIEWPORTS], int mode);

// ---- copy and paste -----------------------------------------------------------
// 1 when exactly one viewport in use is selected (it becomes the source),
// else -1 with the source unchanged.
int set_copy_from_viewport();
// Copies the source's state to every other selected viewport, then redraws.
void paste_viewport_transform();
// Viewer, z-clip planes, 2-D matrix and model transformation of from into
// to; Viewport_current ends as to.
void copy_viewport_transforms(int from, int to);

// ---- the choosers -----------------------------------------------------------------
// What the choosers (codes 5 and 18) and the part visibility pickers (codes
// 4, 10 and 14) need of the window system; null entries mean there is no
// such window (nothing is drawn, a press does nothing).
struct Viewport_chooser_hooks {
  // 1 with the chooser's size when its window of code exists, else 0.
  int (*size)(int code, int *width, int *height);
  // The pointer as fractions (0..1, from the bottom-left) of the chooser's
  // window and whether Control is held: 1 when the window exists, else 0.
  int (*pointer)(int code, float *fx, float *fy, int *control);
  // Waits until the button that pressed in the chooser is released.
  void (*wait_release)();
};
extern Viewport_chooser_hooks Viewport_chooser_windep;
// The viewport layout in miniature in the small GL window code (a chooser
// or a part visibility picker): every visible viewport in stacking order
// filled black, then outline(v, x0, y0, x1, y1) draws its outline in the
// window's pixels; the buffers are swapped and window back_code of display
// 0 made current again.  0 when the window does not exist (nothing drawn).
int draw_viewport_miniature_gl(int code, int back_code,
                               const std::function<void(int, int, int, int, int)> &outline);
// The top-most visible viewport holding the window fractions (fx, fy), or -1.
int viewport_topmost_visible_at(float fx, float fy);
// A button press in chooser code: selects the top-most visible viewport
// under the pointer (Control held flips it instead).
void manage_selected_viewport_chooser_gl(int code);
// The press at fractions (fx, fy) of a chooser: the viewport hit, or -1
// when none is (nothing changes).  control 1 flips the viewport's selection.
int viewport_chooser_press(float fx, float fy, int control);
// The Transformation Editor follows a changed viewport selection (set by the
// editor's dialog code; null while it does not exist).
extern void (*transf_viewportselect_chng_windep)();
