// Immediate drawing of the surface of an interactive clip or isosurface
// from the realtime buffers (derived/realtime_buffers.h): opaque or
// depth-sorted transparent, with its mirror copies, then the queries and
// arrows that follow it.
#pragma once

// Draws part index p's realtime surface in the current viewport: a node
// entries, b elements of n (2, 3 or 4) nodes; then refreshes query `query`
// (-1 none) and draws the arrows of arrow part number `arrows` (-1 none)
// when that part is visible in the current viewport.  The user clip planes
// the part is exempt from are on again whenever the call returns.
void display_phase_realtime(int p, int a, int b, int n, int query, int arrows);

// Fills Transparent_sort_array with the count elements of part index p
// (n node numbers each in connectivity, positions in coord, displaced by
// vectors as the part asks) for the part itself and each mirror copy shown,
// and sorts them far first.  1, or -1 when the array cannot hold them
// (reported; no entries).
int sort_realtime_transparent_elements(int p, int count, float *const coord[3],
                                       const float (*vectors)[3], const int *connectivity, int n);

// The neighbours display_phase_realtime calls; a test installs its own (a
// null entry, or a null table, means the real one).
struct Realtime_calls {
  void (*build_arrows_fast)(int arrow, int a, int b, float *const coord[3],
                            const int *connectivity, int n, const float *scalars,
                            const float (*vectors)[3], int scalar_count, int vector_count);
  void (*update_realtime_query)(int query, int n);
};
void realtime_calls(const Realtime_calls *calls);
