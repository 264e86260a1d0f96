// Displace panel (see displace.h).
#include "parts/ui/displace.h"

#include "ui/feature_icons.h"

FEATURE_UNBUILT_PANEL(intrdisplace_geninit_sect)
