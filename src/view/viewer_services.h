// What the part attributes read of the viewports and the frame table,
// until 2-D viewports and the frames are built.  Each function here answers
// as if nothing were loaded; the real ones replace them in place.
#pragma once

#include "view/frames.h"    // frames()
#include "view/recentre.h"  // center, View_centred

// Bit v of *out from newmask where viewport v is in use, else from oldmask.
void modify_viewport_part_visibility_attribute(int newmask, int oldmask, int *out);
// The following live in planar.cpp.
// 1 when viewport v is in use and two-dimensional.
int viewport_is_2d(int v);
// Re-tests every loaded part shown in viewport v against its plane.
void recheck_all_parts_against_2d_viewport(int v);
// Checks part number n (node_count nodes in the given layout, see planar.h)
// against every 2-D viewport (all 1) or against the one viewport given: a
// part out of a viewport's plane moves the plane along when it lies in a
// parallel plane, takes the viewport over when it is the only visible part
// there, and otherwise leaves that viewport.
void check_part_against_2d_viewports(int n, int node_count, float **coords, int layout, int all,
                                     int viewport);

