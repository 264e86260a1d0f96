// Particle traces: the surface-restricted emitter pick, interactive traces
// and the detail editor's "Time Step" section.  Traces arrive with their
// subsystem; until then no emitter group is ever being picked, no
// interactive trace runs and the section is not built.
#pragma once

extern int Surf_restricted_emitter;  // emitter group being picked, 0 none
extern int Realtime_traces;          // 0 while no interactive traces run

// Interactive pick of surface emitters; argument ignored.
void create_surf_emitter(int unused);

// Ribbon and tube representations of a trace part: a temporary part at the
// end of the table, or 0 when none is built.  Until traces arrive none is
// built, and trace parts draw as lines.
int ribbon_geom(int part);
int tube_geom(int part);

// Recomputes the particle-trace part at table index i on its server and
// rebuilds it.  Until traces arrive none exists: nothing.
void modify_particle_trace(int i);
