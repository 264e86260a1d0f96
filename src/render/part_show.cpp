// Part-show window (see part_show.h).  Nothing is drawn into it yet.
#include "render/part_show.h"

void part_draw_init() {}

void part_show_refresh() {}
