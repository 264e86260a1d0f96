// Clips (see clip.h).
#include "derived/clip.h"

int Do_realtime_clips = -1;

int Seam_Display = 0;

void clip_realtime_update_part() {}
