// Rebuilding parts after changes: a part's line and solid display objects,
// the refetch of one part or of all model parts, and the walks over the
// table that rebuild, in a fixed order, every part that depends on a
// changed one (copies, contours, profiles, vector arrows, tensor glyphs,
// particle traces).
#pragma once

// Records the line object of part number n (its GL list, or its recorded
// line object with Quivane_display_list set), puts a visible part on the
// active-object list and rebuilds its id labels.  Nothing for a number
// without a record or a group.  With two displays the work is done in
// display 1's context, and display 0's is current again afterwards.
void make_part(int n);
// Records the solid object of part number n the same way.  It leaves the
// solid-built flag alone: the callers set it.
void make_part_solid(int n);
// The solid object of part number n when shaded display (Solidt) and its
// hidden-surface slot are on; sets its solid-built flag.  Otherwise nothing.
void make_solid_part_if_needed(int n);
// Refetches part number n (its geometry when its case's geometry changes,
// it is not a model part, or force is set), reloads its values and rebuilds
// it, its copies and every part made from it; particle traces only when
// update_traces is set.  A group is refused with a message.
void modify_part(int n, int force, int update_traces);
// After a change of solution time: refetches the model parts of every
// connected case with one "minm_many" and one "loadp_many" per server and
// rebuilds them and their dependants (particle traces excepted).
void modify_all_parts(int force);
// After new results without a geometry change: reloads the active variables
// and rebuilds the model parts whose drawing depends on values, and their
// dependants.
void modify_parts_results();
// Recomputes the shown variable from the complex variable at the phase
// angle (degrees) for every visible part coloured by it that holds both
// halves of the complex values, rebuilds those parts and redraws once.
void change_response_angle(int shown_var, int complex_var, float angle);

// The neighbours the rebuilds call.  A test installs its own to watch the
// order of the calls; a null entry, or a null table, means the real one.
struct Part_rebuild_calls {
  void (*make_part)(int n);
  void (*make_part_solid)(int n);
  void (*fetch_extents)(int n);  // "minm" on the part's case channel and its reply
  int (*load_part)(int n);
  void (*shrink)(int n);
  void (*get_results)(int n);
  void (*reload_active_variables)();
  void (*redo_copy_part)(int n);          // part number of the copy
  void (*emitter_change_part)(int i);     // table index from here on
  void (*modify_contour)(int i);
  void (*modify_profile)(int i);
  void (*modify_vector_arrow)(int i, int old_type, int new_type, int recompute);
  void (*modify_tensor_glyph)(int i);
  void (*modify_particle_trace)(int i);
  void (*redraw)();                       // display_all or viewports_display_all
};
void part_rebuild_calls(const Part_rebuild_calls *calls);
