// Quick-interaction panels of Query and Interactive Probe Query.  They arrive
// with the query subsystem; until then their builders build nothing.
#pragma once

#include <X11/Intrinsic.h>

int intrquery_geninit_sect(Widget parent, int count, int *internal, int *numbers);
int intrprobeq_geninit_sect(Widget parent, int count, int *internal, int *numbers);
