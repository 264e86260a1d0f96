// What the part subsystem uses of rendering: the bounding volume and the
// second light (toggle_two_lights, display_toggles.h).
#pragma once

#include "render/active.h"  // find_bounding_volume
#include "render/display_toggles.h"
