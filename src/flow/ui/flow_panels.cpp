// Trace, arrow and glyph panels (see flow_panels.h).
#include "flow/ui/flow_panels.h"

#include "ui/feature_icons.h"

FEATURE_UNBUILT_PANEL(intrtrace_geninit_sect)
FEATURE_UNBUILT_PANEL(intrvctarrow_geninit_sect)
FEATURE_UNBUILT_PANEL(intrtensor_geninit_sect)
