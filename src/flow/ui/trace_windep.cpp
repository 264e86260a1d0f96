// Particle-trace dialog widgets (see trace_windep.h).
#include "flow/ui/trace_windep.h"

Widget Trace_timstpdet_arobut = nullptr;
