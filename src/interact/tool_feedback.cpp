// Tools in frame coordinates (see tool_feedback.h).  Placeholders until the
// frame conversions are built: the tools stay where they are.
#include "interact/tool_feedback.h"

int getfdbk(int, float *, float *, float *, float *) { return 1; }
int setfdbk(int, const float *, const float *, const float *, const float *, int) { return 1; }
int getfdbk_curve_tool(int, float *, float *, float *, float *, float *, int *, int) { return 1; }
int setfdbk_curve_tool(int, const float *, const float *, float, const float *, const float *, int,
                       const float *, int, int) {
  return 1;
}
int get_frame_type(int frame) { return frame == 0 ? 0 : -1; }
int local_to_global_coord(int, float *, float *) { return 0; }
void local_delta_to_global_delta(int, float *, float *, float *) {}
void global_delta_to_local_delta(int, float *, float *, float *) {}
