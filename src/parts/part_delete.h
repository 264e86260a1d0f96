// Dropping what a part holds: its display objects, its shrink points, its
// loaded geometry and values.
#pragma once

// Deletes one display object of the part at table index i: which 0 the line
// object, 1 the solid object; clear 1 also zeroes the stored GL list id.
void delete_display_lists_for_part(int i, int which, int clear);
// Fetches or drops the shrink points of part number n as its shrink factor
// asks; called after the part's geometry was (re)loaded.
void shrink(int n);
// Drops the geometry, values and display objects of part number n (of every
// member of a group) and keeps its record.
void unload_part(int n);
