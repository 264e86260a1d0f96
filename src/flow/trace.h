// Particle traces: the surface-restricted emitter pick.  Traces arrive with
// their subsystem; until then no emitter group is ever being picked.
#pragma once

extern int Surf_restricted_emitter;  // emitter group being picked, 0 none

// Interactive pick of surface emitters; argument ignored.
void create_surf_emitter(int unused);
