// Viewport backgrounds: transparent, inherited from the main viewport,
// constant or a vertical blend of two to five levels, kept in the viewport's
// attribute slots 7..31 (see viewports.h) and its blend edit level.  Also the
// two colours every overlay drawer uses: the contrast colour (white or black,
// whichever stands out against the main viewport's background) and the
// picked colour (the interface's highlight).
#pragma once

#include <cstdio>

extern float Contrast_color[3];  // RGB 0..1; white at start
extern float Picked_color[3];    // RGB 0..1; (0, 1, 0) at start

// erase_screen (declared in viewports.h) draws the background of
// Viewport_current into the GL viewport and projection the caller set for it;
// the main viewport's covers the whole window.
// The current viewport's blended colour at height t (0 bottom, 1 top); the
// outputs stay as they were when no band holds t.
void get_b_color(float t, float *r, float *g, float *b);
void get_contrast_color(float rgb[3]);
// Recomputes Contrast_color from the main viewport's background.
void recompute_contrast_color();
// Refreshes Picked_color from the interface's highlight colour and copies it.
void get_picked_color(float rgb[3]);
// The interface's highlight colour, each component 0..255 (null without a
// screen: the picked colour stays as it is).
extern void (*get_select_color_windep)(int rgb[3]);
// Background type of the first selected viewport (of viewport 0 when none).
int return_current_background_type();
// The 1-based blend edit level of the first selected viewport (viewport 0
// when none): mode 0 reads it; mode 1 sets it when within 1 .. its levels.
void background_level(int *level, int mode);
// The main viewport's blend sampled for the inherit rebuild of viewport v:
// its levels for heights lo .. hi of the window, at most five (the inner
// levels beyond three are dropped).  Written into v's attribute slots.
void inherit_blend_from_main(int v);
// The "background_view" archive section: the version word 10.0 alone.
// 1, or -1 after a failed write or read.
int background_bkup(FILE *fp, int mode);
