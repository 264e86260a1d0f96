// The vector-print library's entries used while a page is captured.  Until
// vector printing arrives they take everything and produce nothing.
#pragma once

// Prepares the library; 0.
int vekInit();
// A text item at the current raster position (option 0: as drawn).
void vekText(const char *text, int option);

extern int Vek_in_progress;  // 1 while the vector print captures the drawing

// A capture of the primitives drawn until vekEnd: type '#' is 3-D with
// colour, size the number of vertices the feedback buffer must hold.
void vekBegin(int type, int size);
void vekEnd();
// A group of primitives of one kind (80: a hidden-line face) in the
// current colour, inside a capture.
void vekBeginGroup(int kind);
void vekEndGroup();
// Captures begun and not yet ended.
int vek_open_captures();
