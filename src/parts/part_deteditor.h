// The parts section of the Feature Detail Editor: its part list and the
// list operations the main list's menus share with it.  The section arrives
// with the part subsystem; until then its list does not exist and the
// operations find nothing to act on.
#pragma once

#include <X11/Intrinsic.h>

extern Widget Parts_listw;               // the editor's part list, null until built
extern int Deted_part_mapcnt;            // its row count
extern int *Deted_partlist_to_internal;  // by row position from 1: internal number (frame index
                                         // when the editor shows frames); null until built
extern int Part_dlog_current;            // part type the parts section shows (4 = frames)

// Reloads the editor's working selection from the given rows (ignored, ignored, rows, count).
void part_detedit_refresh(int, int, const int *rows, int count);
// Deletes the parts selected in the main list (1) or the editor's list (0)
// after the user's confirmation; records the command.
void part_delete_from_list(int list_flag);
