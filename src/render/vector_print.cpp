// Vector-print entries that answer nothing yet (see vector_print.h).
#include "render/vector_print.h"

Vek_calls_rec Vek_calls;

void vek_calls_reset() { Vek_calls = Vek_calls_rec(); }

int vekInit() { return 0; }
void vekText(const char *, int) { Vek_calls.texts++; }

void vekBegin(int type, int size) {
  Vek_calls.begins++;
  Vek_calls.last_type = type;
  Vek_calls.last_size = size;
}

void vekSetStyle(int, int, int, float, int stippled) {
  Vek_calls.styles++;
  Vek_calls.last_stippled = stippled;
}

void vekEnd() { Vek_calls.ends++; }

int Vek_in_progress = 0;

void vekBeginGroup(int) {}
void vekEndGroup() {}
