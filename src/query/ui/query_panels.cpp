// Query panels (see query_panels.h).
#include "query/ui/query_panels.h"

#include "ui/feature_icons.h"

FEATURE_UNBUILT_PANEL(intrquery_geninit_sect)
FEATURE_UNBUILT_PANEL(intrprobeq_geninit_sect)
