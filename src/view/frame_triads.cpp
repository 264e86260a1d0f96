// Axis triads of the frames, the global triad and the model-direction
// triad.  Placeholders until the triads are drawn: nothing is drawn.
#include "client/defaults.h"
#include "view/frames.h"

int Axiso1 = 1;
int Axiso2 = 0;
int Axiso3 = 0;
static const Global_defaults Defaults(DEFAULTS_AT_RESET, Axiso1, Axiso2, Axiso3);

void from_screen_to_world_coords(int, int, float *wx, float *wy, float *wz) {
  *wx = *wy = *wz = 0.0f;
}
float Frame_color[3] = {1.0f, 1.0f, 1.0f};
void toggle_local_axis(int v) { Axiso1 = v; }
void toggle_global_axis(int v) { Axiso2 = v; }
void toggle_direction_axis(int v) { Axiso3 = v; }
void frames_color(float *, float *, float *, int) {}
void axis_display() {}
void frame_triad_display(int) {}
