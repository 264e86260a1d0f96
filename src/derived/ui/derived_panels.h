// Quick-interaction panels of the derived-surface features (contours,
// isosurfaces, clips, elevated and developed surfaces, profiles, subsets).
// They arrive with that subsystem; until then their builders build nothing.
#pragma once

#include <X11/Intrinsic.h>

int intrcntr_geninit_sect(Widget parent, int count, int *internal, int *numbers);
int intriso_geninit_sect(Widget parent, int count, int *internal, int *numbers);
int intrclip_geninit_sect(Widget parent, int count, int *internal, int *numbers);
int intrelevsrf_geninit_sect(Widget parent, int count, int *internal, int *numbers);
int intrprofile_geninit_sect(Widget parent, int count, int *internal, int *numbers);
int intrdevsrf_geninit_sect(Widget parent, int count, int *internal, int *numbers);
int intrsubset_geninit_sect(Widget parent, int count, int *internal, int *numbers);
