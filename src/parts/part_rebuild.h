// Rebuilding a part's display objects after its geometry or colouring
// changed.
#pragma once

// Rebuilds the solid object of part number n: into its GL list, or, with
// Quivane_display_list set, into its recorded solid object.  Group parts
// have none.  Marks the solid object built and the point cloud stale.
void make_part_solid(int n);
// Rebuilds the line object of part number n the same way (line_list, or
// the recorded line object).
void make_part_line(int n);
// Both objects of part number n: line, then solid.
void make_part(int n);
// The solid object of part number n when shaded display and its hidden
// surface slot are on; sets its solid-built flag.
void make_solid_part_if_needed(int n);
// Refetches part number n (geometry when its case's geometry changes, or
// force is set) and rebuilds it and every part that depends on it; particle
// traces only when update_traces is set.
void modify_part(int n, int force, int update_traces);
// After a change of solution time: refetches the model parts of every
// connected case in one exchange per server and rebuilds them and their
// dependants.
void modify_all_parts(int force);
// After new results without a geometry change: reloads the active variables
// and rebuilds the parts whose drawing depends on values.
void modify_parts_results();
// Recomputes the shown variable from the complex variable at the phase
// angle (degrees) for every part coloured by it, rebuilds them and redraws.
void change_response_angle(int shown_var, int complex_var, float angle);
