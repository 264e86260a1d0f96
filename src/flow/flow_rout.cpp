// Part_rout rows of the flow part types (see flow_rout.h).
#include "flow/flow_rout.h"

PART_ROUT_STUB(trace, "Particle trace")
PART_ROUT_STUB(vctarrow, "Vector arrow")
PART_ROUT_STUB(tensor, "Tensor glyph")
