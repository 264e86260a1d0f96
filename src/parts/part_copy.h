// Copies of parts and iblanked parts made from structured parts.
#pragma once

// Brings the copy numbered n up to date with its source; nothing when the
// part or its source has no record.
void redo_copy_part(int n);
// Copies the n listed parts.  1 when every one was copied, else -1.
int copy_part(int n, const int *list);
// Groups the n listed parts under name.  1, or -1 when no number is free.
int group_parts(int n, const int *list, const char *name);
void ungroup_parts(int n, const int *list);
// Extracts (merge 0) or merges (1) the n listed parts, each in the given
// element representation.  1, or -1.
int extract_part(int n, const int *list, const int *reps, int merge);
// Rebuilds the extract or merge part at table index i.  1, or -1.
int modify_extract_merge_part(int i);
// Has the server make iblanked parts of kind `kind` from the count parts of
// list, named from name; fills *new_count and new_parts. 1, or -1.
int bnd_iblank_part(int count, const int *list, int kind, char *name, int *new_count,
                    int *new_parts);
// Checks a front end makes before it records a group or ungroup line: the
// number of groups group_parts would make of the list, and the number of
// listed parts that are groups.
int groups_to_make(int n, const int *list);
int groups_listed(int n, const int *list);
