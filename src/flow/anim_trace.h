// Particle-trace animation settings.
#pragma once

extern int Anitrt;  // 1 = animated particle traces on
extern int Move_realtime_traces;  // 1 = realtime traces follow a moving tool

// The animated and realtime traces arrive with the trace subsystem: these
// advance and draw nothing.
void update_atraces();
void draw_anim_trace();
void realtime_particle_traces();

// Mode 0 reads the animated-trace settings (slot 0 the line width); until
// traces arrive they are the defaults, line width 1.
void ani_trace_attribute(float *attributes, int mode);

// Restarts the trace animation after it was switched on; 1 (no traces to
// animate yet).
int init_ani_trace();
