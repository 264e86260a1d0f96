// Particle traces (see trace.h).
#include "flow/trace.h"

int Surf_restricted_emitter = 0;
int Realtime_traces = 0;

void create_surf_emitter(int) {}

int ribbon_geom(int) { return 0; }
int tube_geom(int) { return 0; }

void modify_particle_trace(int) {}
