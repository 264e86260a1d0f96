// The plane tool as user clip planes of the part passes.
#pragma once

// Loads the plane tool, in the selected frame's combined matrix for the
// current viewport, as GL clip plane 0 and its opposite side as clip plane
// 1.  The plane tool arrives with the tools: until then the planes keep
// whatever equations they hold and only the calls are counted.
void adjust_a_clip_plane();
extern int Adjust_clip_plane_calls;  // calls so far, read by tests
