// Trace animation settings (see anim_trace.h).
#include "flow/anim_trace.h"

#include "client/defaults.h"

int Anitrt = 0;
static const Global_defaults Defaults(DEFAULTS_AT_RESET, Anitrt);

int Move_realtime_traces = 0;

void update_atraces() {}
void draw_anim_trace() {}
void realtime_particle_traces() {}

void ani_trace_attribute(float *attributes, int mode) {
  if (mode == 0 && attributes) attributes[0] = 1.0f;
}

int init_ani_trace() { return 1; }
