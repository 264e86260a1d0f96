// The redraw driver: the one place that decides what is drawn into the
// graphics windows, in which order, into which displays and buffers, and
// when the buffers are swapped.  Every change that should become visible
// ends in display_all (or viewports_display_all).  The driver draws nothing
// itself but the rubber-band overlay; it calls the part passes and the
// overlay drawers of the other subsystems in a fixed order per viewport.
//
// Every variant returns at once while Play_file_no_update is set, forces
// the recorded display list while an object flipbook plays, forces box mode
// on display 0 while two displays are in use (restoring both settings
// afterwards), and leaves display 0 current.
#pragma once

#include "view/view_matrix.h"

// The frustum at the near plane of the last stereo eye drawn (the right
// one) and half the eye separation, kept for other drawers.
extern float Stereo_left, Stereo_right, Stereo_top, Stereo_bottom;
extern float Stereo_eye;

// Full-screen stereo buffer selection (1 left, 2 right) of the Motif layer;
// null: nothing is selected.
extern void (*toggle_stereo_buffer_windep)(int buffer);

// Redraws the current viewport of every display (and, without the stencil
// buffer, the overlapping viewports above it), or the mode screen, or the
// stereo pair.
void display_all();
// The current viewport once per eye with an off-axis frustum per eye; the
// look-at and look-from points are not read.
void display_all_stereo(const float look_at[3], const float look_from[3], float distance,
                        const Matrix_4x4_rec ctm, const Matrix_4x4_rec view, float angle);
// The scene of the current display and, on top, a drag overlay from (x1, y1)
// to (x2, y2) in window pixels: kind 4 a line, 5 a rectangle with the
// current viewport's aspect, 102 a free rectangle; other kinds none.
void display_all_rubber_band(int x1, int y1, int x2, int y2, int kind);
// The current viewport of every display without mode screens, stereo or a
// swap; type is the part pass (callers pass 4, which ends with the sorted
// transparent elements, so they are blended once).
void noswap_display_all(int type);
// Full-screen stereo: the GL viewport (0, 0, Stereo_xres, 491).  Nothing
// when stereo is drawn in a window.
void set_stereo_viewport();
// The height of a rubber-band overlay whose x ends are ordered: kind 5 the
// width over the current viewport's pixel aspect (truncated toward zero,
// negated when dragged upward, y2 < y1 in window rows); other kinds
// y2 - y1.
int rubber_band_height(int x1, int y1, int x2, int y2, int kind);

// The passes and buffer steps the driver calls; a test installs its own.
// A null entry, or a null table, means the real one.
struct Redraw_calls {
  void (*disobj)(int type, int unused);
  void (*disobj_hidden)();
  void (*erase_screen)();
  void (*swapbuffers)();
  void (*stereo_buffer)(int buffer);  // full-screen stereo: 1 left, 2 right
  void (*plotter_mode)();
  void (*annotation_mode)();
  void (*viewport_mode)();
};
void redraw_calls(const Redraw_calls *calls);

// Draws the tools that are shown and the seam curves of developed surfaces.
void draw_tools();
