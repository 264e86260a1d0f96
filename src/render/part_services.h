// What the part subsystem uses of rendering that is not built yet.  Until
// it is, each answers "nothing": no light is switched.
#pragma once

#include "render/active.h"  // find_bounding_volume

extern int Lighting_two_lights;  // 1 while the second light is on

// Switches the second light on (1) or off (0) on every display.
// Placeholder: only Lighting_two_lights follows.
void toggle_two_lights(int flag, int redraw);
