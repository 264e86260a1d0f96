// Per-viewport part visibility: the working mask the part dialog and panel
// edit, and new viewports that show chosen parts only.
#pragma once

// mode 0 copies the working mask (initially 0xFFFF) into *mask; mode 1 sets
// it from *mask and clears the changed mask.
void wrking_part_vewport_vis_atribt(int *mask, int mode);
// Makes new viewports for the listed parts: one for all of them (one_for_all
// 1) or one per part, a planar single part in a 2-D viewport.  Every other
// part, and parts created later, stay out of each new viewport.  1, or -1
// when no viewport slot was free for some turn.  The fourth argument is not
// used.
int new_part_in_new_viewport(const int *numbers, int count, int one_for_all, int unused);
// The dialog and "part:" entry: groups stand for their members, numbers
// without a record for nothing; one per part gives each given number its
// own viewport (a group one for all its members).  1, or -1 at the first
// viewport that could not be made.
int from_gui_new_part_in_new_viewport(const int *numbers, int count, int one_for_all);
// Clears the part's bits of every in-use 3-D viewport; the mask it had, or
// 0 when the number has no record.
int remove_part_from_all_3d_viewports(int number);
