// Emitter groups: placeholder (see emitters.h).
#include "flow/emitters.h"

void emitter_change_part(int) {}
