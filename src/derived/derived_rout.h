// Part_rout rows of the clip, contour, isosurface, profile, elevated and
// developed surface and subset part types.  Until those features are built
// their checks pass and their create routines make nothing.
#pragma once

#include "parts/part_rout_stub.h"

PART_ROUT_DECLARE(clip)
PART_ROUT_DECLARE(contour)
PART_ROUT_DECLARE(iso)
PART_ROUT_DECLARE(profile)
PART_ROUT_DECLARE(elevsrf)
PART_ROUT_DECLARE(devsrf)
PART_ROUT_DECLARE(subset)
