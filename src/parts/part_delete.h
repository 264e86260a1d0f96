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
// 1 when every listed part may be deleted (out: the parts to delete, in an
// order whose reverse is safe), -1 when an instance is listed without its base.
int check_delete_part_for_periodicity(int n, const int *list, int *count, int *out);
// Drops the geometry, values and display objects of part number n (of every
// member of a group) and keeps its record.
void unload_part(int n);
