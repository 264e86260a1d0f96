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
