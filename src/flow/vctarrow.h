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
