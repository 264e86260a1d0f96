// Part_rout rows of the derived-surface part types (see derived_rout.h).
#include "derived/derived_rout.h"

PART_ROUT_STUB(clip, "Clip")
PART_ROUT_STUB(contour, "Contour")
PART_ROUT_STUB(iso, "Isosurface")
PART_ROUT_STUB(profile, "Profile")
PART_ROUT_STUB(elevsrf, "Elevated surface")
PART_ROUT_STUB(devsrf, "Developed surface")
PART_ROUT_STUB(subset, "Subset")
