// Emitter groups of particle traces.  They arrive with the traces; until
// then no emitter group exists.
#pragma once

// After the part at table index i changed: recomputes the traces of the
// emitter groups that use it.  Placeholder: nothing.
void emitter_change_part(int i);
