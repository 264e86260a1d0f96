// The capture counters of the vector-print entries (see vector_print.h);
// the entries themselves stand in output/vek.cpp.
#include "render/vector_print.h"

Vek_calls_rec Vek_calls;

void vek_calls_reset() { Vek_calls = Vek_calls_rec(); }

int Vek_in_progress = 0;
