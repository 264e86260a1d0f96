// Transformation state (see observer.h).
#include "view/observer.h"

int Vewglb = 0;
int What_trans = 0;
int Vewaxis[3] = {1, 1, 1};
float Vewvalues[14];

Viewer_window_rec Viewer_window;

void sensi(float view_height, float depth) {
  Viewer_window.sensitivity = 0.03f * (view_height < depth ? view_height : depth);
  Viewer_window.sensitivity_scale = 1.0f;
}
