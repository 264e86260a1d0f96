// The part-show window's size for the drawing logic (Part_show_window_size).
#pragma once

// Size of the "Selected Part(s) Window"'s drawing area; 0 while its window
// does not exist.
int part_show_window_size(int *width, int *height);
