// Dropping what a part holds: its display objects, its shrink points, its
// loaded geometry and values.
#pragma once

// Deletes one display object of the part at table index i: which 0 the line
// object, 1 the solid object; clear 1 also zeroes the stored GL list id.
void delete_display_lists_for_part(int i, int which, int clear);
// Fetches or drops the shrink points of part number n as its shrink factor
// asks; called after the part's geometry was (re)loaded.
void shrink(int n);
// Deletes part number n with its dependants: 1; -1 no record; -2 a copy
// exists (nothing changed).
int delete_part(int n);
// Removes part number n from the client and runs the dependent cascade.
int local_delete_part(int n);
// Frees the record at table index i and closes the gap in the table.
void delete_part_stuff(int i);
// 1 when every listed part may be deleted (out, room for Num_p_loaded
// numbers: the parts to delete, each once, bases before their periodic
// instances, so that deleting from the last entry is safe), -1 when an
// instance is listed without its base.
int check_delete_part_for_periodicity(int n, const int *list, int *count, int *out);
// Drops the geometry, values and display objects of part number n (of every
// member of a group) and keeps its record.
void unload_part(int n);

// What the removal reaches in other subsystems.  An entry is the real
// function where its subsystem exists, else null (nothing is done); tests
// replace entries to watch the cascade.
struct Part_delete_hooks {
  // Makes a display's main-window context current (display switch of the
  // GL list deletions when two displays are in use).
  void (*gl_curwin)(int *code, int set, int *dpy);
  // Gives derived part n new parent parts and rebuilds it.
  void (*change_created_parts)(int n, int count, const int *sources);
  // Deletes the emitter group that made a deleted particle trace.
  void (*delete_emitter)(int group_id);
  // Interactive isosurfaces forget part number n.
  void (*update_iso_realtime)(int n);
  // Refreshes the dynamic texts that name parts; its result is
  // local_delete_part's.
  int (*check_part_strings)();
};
extern Part_delete_hooks Part_delete_calls;
