// The viewer of every viewport: look-at and look-from points, viewing
// distance, viewing matrix and z-clip distances, one record per viewport,
// and the perspective angle all viewports share.  The accessors act on the
// viewport numbered by Viewport_current; they neither redraw nor validate.
// intvew derives everything, for all sixteen viewports at once, from a box
// around the model.
#pragma once

#include "view/view_matrix.h"

struct Viewer_state_rec {
  float look_at[3];             // point looked at, model-transformed space
  float look_from[3];           // eye position, same space
  float distance;               // stored with the matrix; |look_from - look_at| when built
  Matrix_4x4_rec view_matrix;   // built by atfrom from the two points
  float zclip_front;            // near plane: distance from the eye along the view
  float zclip_back;             // far plane
};

extern int Initial_view_pushed;  // 1 once intvew holds one model-view level pushed

// Mode 0 get, 1 set; other modes do nothing.
void perspective_angle(float *angle, int mode);  // degrees, half the vertical field of view
// Mode 0 gives 1.0 and 2.0 while both stored values are 0.0.
void zclipp_locat(float *front, float *back, int mode);
// All four together; storing does not rebuild the matrix.
void view_param(float look_at[3], float look_from[3], float matrix[16], float *distance,
                int mode);
// Distance and viewing matrix (translate by -look_from, turn by -azimuth
// about y, then by the elevation about x) from the two points.  Coincident
// points give azimuth and elevation 0: a plain translation.
void atfrom(const float look_at[3], const float look_from[3], float *distance, float matrix[16]);
// The initial view of all viewports around the box; leaves Viewport_current 0.
void intvew(float x_min, float x_max, float y_min, float y_max, float z_min, float z_max);
