// Trace animation settings (see anim_trace.h).
#include "flow/anim_trace.h"

int Anitrt = 0;
