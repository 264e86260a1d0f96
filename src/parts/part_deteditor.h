// The parts section of the Feature Detail Editor: its part list, its pending
// attribute edits, the part-creation routines by part type and the list
// operations the main list's menus share with it.  The section arrives with
// the part subsystem; until then its builder makes an empty form, its list
// does not exist and the operations find nothing to act on.
#pragma once

#include "parts/part_list_ops.h"

#define PART_ATTR_SLOTS 108  // slots of a part's pending attribute vector
#define PART_ROUT_ROWS 17    // part types 0..16 that have routines

extern int Deted_part_mapcnt;            // its row count
extern int *Deted_partlist_to_internal;  // by row position from 1: internal number (frame index
                                         // when the editor shows frames); null until built
extern int Part_dlog_current;            // part type the parts section shows (4 = frames)
extern int Part_listbytype;              // 1 = the editor's list shows only the current case, 0 all

extern float Part_wrking_attr[PART_ATTR_SLOTS];     // pending attribute values
extern int Part_wrkingchng_flags[PART_ATTR_SLOTS];  // 1 = that slot was changed, else 0
extern int Part_wrkingchng_desc_flag;               // 1 = the description was changed

// The routines of one part type, a row of Part_rout (part_apply.cpp).
struct Part_rout_rec {
  // Fills the type's creation section from an attribute array.
  void (*init)(float *attr);
  // Validates pending values (slot, or 108 for all): non-zero when all
  // pass, 0 after an error box.
  int (*check_values)(int slot, int *flags, float *values);
  // Makes the new parts; sets Part_create_error to 1 when it made nothing.
  void (*create)(int defaults_flag, int count, int *numbers, float *base, float *values,
                 char *desc, char *creation, int *flags, int from_command);
  // Takes one changed creation field into the dialog-side pending change.
  void (*apply_attr)(int slot);
  // Removes the "changed" marks of the creation fields whose flag is 1.
  void (*clear_changes)(float *attr, int *flags);
};
extern Part_rout_rec Part_rout[PART_ROUT_ROWS];  // by Part_type_code

// Reloads the editor's working selection from the given rows (ignored, ignored, rows, count).
void part_detedit_refresh(int, int, const int *rows, int count);
// Refreshes the editor's part list in its listing mode (no list yet: nothing).
void part_list_refresh();
// Apply Changes of the parts section (button's client data, callback data).
void part_detedit_apply(void *client, void *call);
// Removes the "changed" marking of every flagged field when the section is up.
void part_clear_changeindicators(int *flags, int desc_flag);
// Shows the creation subsection of feature 2..12's part type.
void part_manage_create_sect(int feature);
// Apply Changes insensitive while immediate modification is on (not in subsets).
void part_immedmode_change();

// One new viewport for all selected parts (1) or one per part (0).
void part_createassign_viewports(int single);
// Cuts the selected parts with the clip tool: 0 split, 1 remove.
void mainpart_cut_parts(int remove);
