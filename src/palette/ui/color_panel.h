// Quick-interaction panel of the Color feature.  The panel arrives with the
// palettes subsystem; until then its builder builds nothing.
#pragma once

#include <X11/Intrinsic.h>

int intrclr_geninit_sect(Widget parent, int count, int *internal, int *numbers);
