// Part_rout rows of the particle trace, vector arrow and tensor glyph part
// types.  Until those features are built their checks pass and their
// create routines make nothing.
#pragma once

#include "parts/part_rout_stub.h"

PART_ROUT_DECLARE(trace)
PART_ROUT_DECLARE(vctarrow)
PART_ROUT_DECLARE(tensor)
