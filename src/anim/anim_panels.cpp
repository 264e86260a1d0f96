// Animation panels (see anim_panels.h).
#include "anim/anim_panels.h"

#include "ui/feature_icons.h"

FEATURE_UNBUILT_PANEL(intrsoltim_geninit_sect)
FEATURE_UNBUILT_PANEL(intrflipb_geninit_sect)
FEATURE_UNBUILT_PANEL(intrkeyf_geninit_sect)
