// Copies of parts and iblanked parts made from structured parts.
#pragma once

// Brings the copy numbered n up to date with its source; nothing when the
// part or its source has no record.
void redo_copy_part(int n);
// Has the server make iblanked parts of kind `kind` from the count parts of
// list, named from name; fills *new_count and new_parts. 1, or -1.
int bnd_iblank_part(int count, const int *list, int kind, char *name, int *new_count,
                    int *new_parts);
