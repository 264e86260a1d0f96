// Quick-interaction panel of the Displace feature.  The displacement panel
// arrives with the parts subsystem; until then its builder builds nothing.
#pragma once

#include <X11/Intrinsic.h>

int intrdisplace_geninit_sect(Widget parent, int count, int *internal, int *numbers);
