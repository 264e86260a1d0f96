// Transformation state (see observer.h).
#include "view/observer.h"

#include "client/defaults.h"

int Vewglb = 0;
int What_trans = 0;
int Vewaxis[3] = {1, 1, 1};
static const Global_defaults Defaults(DEFAULTS_AT_RESET, Vewglb, What_trans, Vewaxis);

// The increments and limits are set by observer_increments_default, which
// keeps the limits of pairs 3, 5 and 6; they start at 0.
float Vewvalues[14];

Viewer_window_rec Viewer_window;

void sensi(float view_height, float depth) {
  Viewer_window.sensitivity = 0.03f * (view_height < depth ? view_height : depth);
  Viewer_window.sensitivity_scale = 1.0f;
}

void observer_increments_default() {
  for (int pair = 0; pair < 7; pair++) Vewvalues[2 * pair] = 1.0f;
  Vewvalues[1] = 90.0f;  // rotate: limit
  Vewvalues[3] = 2.0f;   // translate: limit
  Vewvalues[4] = 2.0f;   // scale: increment and limit
  Vewvalues[5] = 2.0f;
  Vewvalues[8] = 0.1f;   // zoom: increment and limit
  Vewvalues[9] = 0.5f;
}
