// The vector-print library's entries used while a page is captured.  Until
// vector printing arrives they take everything and produce nothing; the
// capture entries count their calls so the part passes can be checked.
#pragma once

// Prepares the library; 0.
int vekInit();
// A text item at the current raster position (option 0: as drawn).
void vekText(const char *text, int option);
// Starts a capture of type (35: 3-D with colour) with room for size values.
void vekBegin(int type, int size);
// The line style of the capture: the passes give 0, 0, 1, 0.25 and whether
// the part's lines are stippled.
void vekSetStyle(int a, int b, int c, float width_scale, int stippled);
// Ends the capture.
void vekEnd();

// What the capture entries were given since the last vek_calls_reset.
struct Vek_calls_rec {
  int begins;          // vekBegin calls
  int ends;            // vekEnd calls
  int styles;          // vekSetStyle calls
  int last_type;       // type of the last vekBegin
  int last_size;       // size of the last vekBegin
  int last_stippled;   // stipple flag of the last vekSetStyle
  int texts;           // vekText calls
};
extern Vek_calls_rec Vek_calls;
void vek_calls_reset();

extern int Vek_in_progress;  // 1 while the vector print captures the drawing

// A group of primitives of one kind (80: a hidden-line face) in the
// current colour, inside a capture.
void vekBeginGroup(int kind);
void vekEndGroup();
