// Derived-surface panels (see derived_panels.h).
#include "derived/ui/derived_panels.h"

#include "ui/feature_icons.h"

FEATURE_UNBUILT_PANEL(intrcntr_geninit_sect)
FEATURE_UNBUILT_PANEL(intriso_geninit_sect)
FEATURE_UNBUILT_PANEL(intrclip_geninit_sect)
FEATURE_UNBUILT_PANEL(intrelevsrf_geninit_sect)
FEATURE_UNBUILT_PANEL(intrprofile_geninit_sect)
FEATURE_UNBUILT_PANEL(intrdevsrf_geninit_sect)
FEATURE_UNBUILT_PANEL(intrsubset_geninit_sect)
