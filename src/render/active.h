// The objects the drawing passes draw: the active part list (indices into
// the part table, in activation order, each at most once), the emitter seed
// lists, and the model-space bounds of a part.
#pragma once

#define MAX_ACTIVE_OBJECTS 5000
#define MAX_EMITTERS 100

extern int Active_objects[MAX_ACTIVE_OBJECTS];
extern int Num_active_objects;
extern int Emitter_lists[MAX_EMITTERS];  // GL list per slot, 0 = empty
extern int Num_active_emitters;          // non-empty slots

// Appends the index of part number n unless the number names no part, the
// part is a group, is not loaded, or is already in the list.
void actobj(int n);
// Removes the index of part number n; later entries move down by one.
void deaobj(int n);
// The entry equal to index i becomes i - 1 (called while the part table
// moves down over a deleted record, for every index above it, in order).
void compress_active(int i);
// Position of part index i in the list, or -1.
int active_object_position(int i);
// Stores list id in an empty slot; an occupied slot keeps its list.
void active_emitter(int slot, int list_id);
// Empties a slot.
void dea_emitter(int slot);
// Empties the list and every emitter slot.
void reset_active_objects();

// Computes the model-space bounds of the part at index i (displaced nodes;
// a particle trace or tensor glyph leaves its last node out) into its
// record; a part without nodes keeps its record unchanged.
void find_bounding_volume(int i);

#include <cstdio>

// The "disobj_view" archive section: version 10.0, the active count, the
// emitter count, the 5000 list entries, the masks-set flag and the 16 case
// masks, 20,080 bytes, every word big-endian as in all archive sections.
// Modes 0 and 5 save; 2 and 6 restore (the count is clamped to 5000 and
// entries that name no loaded part or repeat an earlier one are dropped;
// the emitter slots are left alone); 4 empties the list and the emitters and
// has the case masks set afresh at their next use.  1, or -1 on a failed
// read or write.
int disobj_bkup(FILE *fp, int mode);

// The extents of the part at index i in the viewing coordinates of the
// current viewport, over the part and its mirror copies that are on (the
// plain instance always counts).  form 0: coords is the part's node table
// (nodes 1..n) and its displacement applies; otherwise xyz are three arrays
// indexed 1..n, not displaced.  A part not shown in viewport v, a vector
// arrow or tensor glyph part, or n <= 0 does not count: -1 and the outputs
// -1, 1, -1, 1, -1, 1.  Otherwise 1.
int find_min_max_for_part_in_viewport(int v, int i, int n, float **coords, const float *const xyz[3],
                                      int form, float out[6]);
// The union of the extents of every active part that counts in viewport v;
// -1, 1, -1, 1, -1, 1 when none does.
void find_min_max_viewport(int v, float out[6]);

// Fast display of the part at index i.  Bounding representation 1 (box):
// bounds still marked (-99) are computed first; if they stay marked nothing
// is drawn, else lighting is switched off and the twelve box edges are drawn
// in the current colour.  Representation 2 (points): the part's point list
// (its nodes as dots, one in Point_display_resolution, built by the solid
// builder when solid is set, else the line builder) is compiled when it has
// no id or a negative (stale) one, then called; point size at least 2.
// Other representations draw nothing.
void draw_bounding_box(int i, int solid);
extern int Point_display_resolution;  // point-cloud thinning divisor, 1 = every node
