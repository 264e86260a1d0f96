// Particle-trace animation settings.
#pragma once

extern int Anitrt;  // 1 = animated particle traces on
extern int Move_realtime_traces;  // 1 = realtime traces follow a moving tool

// The animated and realtime traces arrive with the trace subsystem: these
// advance and draw nothing.
void update_atraces();
void draw_anim_trace();
void realtime_particle_traces();
// Restarts the trace animation after it was switched on; 1 (no traces to
// animate yet).
int init_ani_trace();
