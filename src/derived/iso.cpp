// Isosurfaces (see iso.h).
#include "derived/iso.h"

int Do_realtime_iso = 0;
