// Vector-print entries that answer nothing yet (see vector_print.h).
#include "render/vector_print.h"

int vekInit() { return 0; }
void vekText(const char *, int) {}

int Vek_in_progress = 0;
static int Open_captures = 0;

void vekBegin(int, int) { Open_captures++; }
void vekEnd() {
  if (Open_captures > 0) Open_captures--;
}
void vekBeginGroup(int) {}
void vekEndGroup() {}
int vek_open_captures() { return Open_captures; }
