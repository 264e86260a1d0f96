// The plane tool as user clip planes (see clip_plane.h).
#include "interact/clip_plane.h"

int Adjust_clip_plane_calls = 0;

void adjust_a_clip_plane() { Adjust_clip_plane_calls++; }
