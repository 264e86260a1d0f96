// The vector-print library's entries used while a page is captured (see
// output/vek.h); the capture entries count their calls so the part passes
// can be checked.
#pragma once

#include "output/vek.h"

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
