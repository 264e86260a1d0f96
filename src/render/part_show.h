// The "Selected Part(s) Window": its GL state copied from the main window,
// the list of part numbers it shows, and their drawing with viewport 0's
// view.  The window itself (window code 8, sharing display lists with
// display 0's normal context) belongs to the Motif layer, which tells its
// size through Part_show_window_size.
#pragma once

#include "parts/read.h"

extern int Part_show_list[MAX_PARTS];  // part numbers to draw, groups replaced by members
extern int Part_show_count;            // valid entries of Part_show_list, 0..MAX_PARTS

// Set by the Motif layer: the part-show window's size in pixels and 1, or
// 0 while the window does not exist (then nothing is drawn into it).
extern int (*Part_show_window_size)(int *width, int *height);

// GL initialisation of the part-show window, right after its context is
// made: copy_main_window_context(8).
void part_draw_init();
// Loads viewport 0's projection, lighting, polygon offset and fixed GL state
// into window code (8: the part-show window of display 0; 0: the main
// graphics window of every display), clears and presents it, resets the
// lighting cache and ends with the previously current display's main
// window current and Viewport_current as it was.
void copy_main_window_context(int code);
// Expands groups into their members, drops numbers without a part, keeps
// the markers -1 and -2, stores at most MAX_PARTS entries as the shown list
// and draws it.
void draw_parts_show(int count, const int *numbers);
// Draws the shown list into the part-show window with viewport 0's current
// view on black, then makes the main window of the display that was current
// current again; nothing while the window does not exist.
void part_show_refresh();
