// Isosurfaces (see iso.h).
#include "derived/iso.h"

int Do_realtime_iso = 0;

void increment_realtime_isos() {}
void iso_realtime_redo_all() {}
