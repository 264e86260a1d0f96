// Created parts' parents, read from the part table.
#pragma once

// The part numbers a created (non-group) part was made from, in a new heap
// list (caller frees), a parent inside a group given as its group, each
// once.  Count 0 and no list for a part without parents, a group or an
// unused number.  1, or -1 when the list cannot be allocated.
int get_created_part_list(int number, int *count, int **list);

// Rebuilds the vector-arrow part at table index i, changing its arrow type
// from old_type to new_type, recomputing it on its server when recompute is
// 1.  Vector arrows arrive with their subsystem; until then none exists and
// this does nothing.
void modify_vector_arrow(int i, int old_type, int new_type, int recompute);

// ---- arrows that follow a realtime surface ------------------------------------------
// Draws the arrows of arrow part index `arrow` on the realtime surface of
// node entries a, b elements of n nodes (coordinates x, y, z, connectivity,
// scalars and vectors with their capacities) under the current matrices.
// The arrows arrive with subsystem 11: nothing is drawn.
void build_arrows_fast(int arrow, int a, int b, float *const coord[3], const int *connectivity,
                       int n, const float *scalars, const float (*vectors)[3], int scalar_count,
                       int vector_count);
