// Rendering services of the part subsystem that rendering has not built yet
// (see part_services.h).
#include "render/part_services.h"

int Lighting_two_lights = 1;  // two lights at start

void toggle_two_lights(int flag, int) { Lighting_two_lights = flag ? 1 : 0; }
