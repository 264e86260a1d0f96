// The depth-sorted transparent pass: every element of every transparent
// part drawn solid (and of each of its mirror copies) drawn on its own, far
// to near, with blending on and depth writes off, after the part loop of
// disobj types 3 and 4.  The sorted order is kept until Resort_transparent
// is set again; while the view is dragged with fast transparency on, the
// last order is reused (reversed past 90 degrees of turn) and elements are
// drawn from each part's cached normal and colour bytes.
#pragma once

#include <cstdint>

// One element of one instance: 12 bytes.
struct Transparent_element_rec {
  int16_t part;      // part-table index
  int16_t instance;  // 0 the part itself, 15..21 the mirror slot
  int32_t element;   // element index from 0
  float depth;       // mean clip-space z of its nodes (not divided by w)
};

extern Transparent_element_rec *Transparent_sort_array;  // grows only; null before first use
extern int Size_of_t_sort_array;   // capacity in entries
extern int Many_transparent_polys; // entries filled by the last sort

extern int Resort_alpha_toggle;    // 1 = re-sort after an interaction (default); 0 keeps caches
extern int Performance_alpha;      // 1 while an interaction draws fast transparency
extern float Interactive_rot_x;    // degrees turned about x since the last sort
extern float Interactive_rot_y;
extern float Interactive_rot_z;
extern int Shaded_part_drawn;      // the last part loop drew a part not flat-shaded

// Makes room for count entries (zero-filled the first time).  1, or -1 after
// a reported failure with the array and its capacity as they were.
int transparent_sort_array_grow(int count);

// When Resort_transparent is set: fills the array with every element of the
// count parts (indices) and their mirror instances, sorts it far first and
// clears the flag.  When the array cannot hold them, nothing is filled
// (Many_transparent_polys 0), the flag stays set so the next pass tries
// again, and -1 is returned; else 1.
int sort_transparent_elements(int count, const int *part_list);

// qsort order of two Transparent_element_rec: 1 when a's depth is smaller,
// -1 when larger, 0 when equal (descending depth, the farthest first).
int transparent_sort_compare(const void *a, const void *b);

// The sorted pass of the current viewport (disobj types 3 and 4).  Touches
// no GL state when no transparent part is shown.
void draw_transparent_elements();
