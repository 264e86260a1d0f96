// What the part attributes read of the viewer, the viewports and the frame
// table, until the viewer state, the viewport table and the frames are
// built.  Every function here is a weak
// placeholder: a real definition of the same name elsewhere overrides it,
// and this file goes once the real ones are in.
#pragma once

// The current viewport's viewer: look-at, look-from, matrix (16 floats) and
// viewing distance.  Placeholder: all zero.
int view_param(float lookat[3], float lookfrom[3], float matrix[16], float *distance, int mode);
// The current viewport's perspective angle in degrees.  Placeholder: 0.
int perspective_angle(float *angle, int mode);
// Gets (0) or sets (1) frame's 43-word attribute block and name.
// Placeholder: no frame exists, -1.
int frames(int frame, int mode, char *desc, float *attributes);
// Bit v of *out from newmask where viewport v is in use, else from oldmask.
void modify_viewport_part_visibility_attribute(int newmask, int oldmask, int *out);
// 1 when viewport v is in use and two-dimensional.  Placeholder: no viewport
// is two-dimensional yet, 0.
int viewport_is_2d(int v);
// Re-tests every part shown in 2-D viewport v.  Placeholder: nothing.
void recheck_all_parts_against_2d_viewport(int v);
