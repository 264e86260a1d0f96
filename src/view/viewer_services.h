// What the part attributes read of the viewports and the frame table,
// until 2-D viewports and the frames are built.  Each function here answers
// as if nothing were loaded; the real ones replace them in place.
#pragma once

// Gets (0) or sets (1) frame's 43-word attribute block and name.  Only
// frame 0 exists until the frame table arrives; it starts with the frame
// defaults.  1, or -1 for any other frame.
int frames(int frame, int mode, char *desc, float *attributes);
// Bit v of *out from newmask where viewport v is in use, else from oldmask.
void modify_viewport_part_visibility_attribute(int newmask, int oldmask, int *out);
// 1 when viewport v is in use and two-dimensional.  Placeholder: no viewport
// is two-dimensional yet, 0.
int viewport_is_2d(int v);
// Re-tests every part shown in 2-D viewport v.  Placeholder: nothing.
void recheck_all_parts_against_2d_viewport(int v);
