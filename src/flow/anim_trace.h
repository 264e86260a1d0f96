// Particle-trace animation settings.
#pragma once

extern int Anitrt;  // 1 = animated particle traces on

// Interactive particle traces that follow a moved tool.  Traces arrive with
// the flow subsystem; until then none runs and the passes draw nothing.
extern int Move_realtime_traces;  // 1 while interactive traces follow a moved tool
void draw_anim_trace();           // animated trace segments in Viewport_current
void update_atraces();            // advances the trace animation by one step
void realtime_particle_traces();  // interactive traces in Viewport_current
