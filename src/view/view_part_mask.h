// The viewport bit of the parts: a viewport that is not in use has its bit
// set in every part's viewport mask and in the defaults for new parts, so
// that a viewport made later in its slot shows every part.
#pragma once

// Sets bit v in the viewport mask of every loaded part and of the part
// defaults.  Called while v still counts as in use: the defaults' mask
// passes through the merge that keeps the bits of viewports not in use.
void viewport_bit_set_in_all_parts(int v);
