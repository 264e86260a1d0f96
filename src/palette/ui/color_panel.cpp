// Color panel (see color_panel.h).
#include "palette/ui/color_panel.h"

#include "ui/feature_icons.h"

FEATURE_UNBUILT_PANEL(intrclr_geninit_sect)
