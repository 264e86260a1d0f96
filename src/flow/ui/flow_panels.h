// Quick-interaction panels of particle traces, vector arrows and tensor
// glyphs.  They arrive with that subsystem; until then their builders build
// nothing.
#pragma once

#include <X11/Intrinsic.h>

int intrtrace_geninit_sect(Widget parent, int count, int *internal, int *numbers);
int intrvctarrow_geninit_sect(Widget parent, int count, int *internal, int *numbers);
int intrtensor_geninit_sect(Widget parent, int count, int *internal, int *numbers);
