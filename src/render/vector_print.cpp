// Vector-print entries that answer nothing yet (see vector_print.h).
#include "render/vector_print.h"

int vekInit() { return 0; }
void vekText(const char *, int) {}
