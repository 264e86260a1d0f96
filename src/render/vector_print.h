// The vector-print library's entries used while a page is captured.  Until
// vector printing arrives they take everything and produce nothing.
#pragma once

// Prepares the library; 0.
int vekInit();
// A text item at the current raster position (option 0: as drawn).
void vekText(const char *text, int option);
