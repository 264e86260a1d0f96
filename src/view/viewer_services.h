// What the part attributes read of the viewports and the frame table,
// until 2-D viewports and the frames are built.  Each function here answers
// as if nothing were loaded; the real ones replace them in place.
#pragma once

#include "view/frames.h"    // frames()
#include "view/recentre.h"  // center, View_centred

// Bit v of *out from newmask where viewport v is in use, else from oldmask.
void modify_viewport_part_visibility_attribute(int newmask, int oldmask, int *out);
// 1 when viewport v is in use and two-dimensional.  Placeholder: no viewport
// is two-dimensional yet, 0.
int viewport_is_2d(int v);
// Re-tests every part shown in 2-D viewport v.  Placeholder: nothing.
void recheck_all_parts_against_2d_viewport(int v);
// Keeps part number n (node_count nodes at coords rows 1..n) in the 2-D
// viewports that show it only when it lies in the viewport's plane.
// Placeholder: no viewport is two-dimensional yet, nothing.
void check_part_against_2d_viewports(int n, int node_count, float **coords, int, int, int);

