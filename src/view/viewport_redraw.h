// The redraw of every viewport of every graphics display in one fixed pass
// order (background, parts, extras, triads, tools, transparency, probes,
// outline; then legends, annotation and plots once per display), the
// stereo variant, the copy of the shown frame into the back buffer, the
// viewport outlines and numbered tabs of viewport-editing mode, and the
// overlap list and stencil mask with which the single-viewport redraw keeps
// a viewport from painting over the viewports stacked above it.
//
// viewports_display_all and its variants are declared in viewports.h.
// Every redraw puts Viewport_current, Dpy_current, Box_mode_always and
// Quivane_display_list back as it found them; nothing is drawn while a
// command file plays with deferred refresh (Play_file_no_update).
#pragma once

#include "view/viewports.h"

extern int Viewport_overlap_list[MAX_VIEWPORTS];  // first Num_viewports_overlapping entries valid
extern float Saved_viewport_locations[MAX_VIEWPORTS][4];  // origin x, y, width, height (two displays)

// The passes, drawn into the back buffer of each display; swap 1 shows the
// frame, copy_to_back 1 then copies it into the back buffer.
void display_viewport_all(int copy_to_back, int swap);
// display_viewport_all(0, 1): for callers that overwrite the back buffer.
void viewports_display_nocopy();
// The passes of both eyes; display_viewport_all hands over to it in stereo.
void display_viewport_stereo_all(int copy_to_back, int swap);
// The border of Viewport_current (and its tab in viewport-editing mode).
void draw_viewport_outline();
// Redraws every viewport with their outlines and keeps the window's picture
// (or, with two displays, the viewport locations) for viewport-editing mode.
void save_viewport_mode_image();
// Builds the overlap mask of Viewport_current in every display's stencil
// buffer: 0 over the viewport where no viewport above it lies, 1 elsewhere.
void viewport_create_stencil_buffer();

// One eye of the stereo passes: the off-axis frustum and the shift of the
// viewing matrix's x translation.
struct Stereo_eye_rec {
  double left, right, bottom, top, near_z, far_z;  // glFrustum arguments
  float view_dx;                                   // added to element 12 of the viewing matrix
};
// Eye separation D x tan(angle) / Stereo_offset.
float stereo_eye_separation(float angle, float distance);
// The eye at offset s (-e/2 left, +e/2 right) for a viewport of aspect
// (pixels, width / height) at distance D between the clip planes.
void stereo_eye_setup(float angle, float distance, float front, float back, float aspect,
                      float s, Stereo_eye_rec *eye);

// The plotter-mode screen of the window system; null: the ordinary screen.
// (The X stereo buffer switch is toggle_stereo_buffer_windep, render/redraw.h.)
extern void (*display_plotter_mode_windep)();
