// Viewports of the graphics windows and the window background. The viewport
// table, layouts and drawing arrive with the viewport subsystem.
#pragma once

#define MAX_VIEWPORTS 16

struct Viewport_rec {
  int in_use;     // 1 = viewport shown
  char name[40];  // "Main Viewport" for viewport 0
  float xmin;     // left edge, fraction of the window 0..1
  float xmax;     // right edge, fraction 0..1
  float ymin;     // bottom edge, fraction 0..1
  float ymax;     // top edge, fraction 0..1
};

extern Viewport_rec Viewports[MAX_VIEWPORTS];
extern float baccol[3];          // background RGB 0..1; black at reset
extern int Person;               // 1 = perspective projection
extern int Floating_z_planes;    // 1 = z-clip planes follow the scene

// Viewport 0 "Main Viewport" covers the window; viewports 1..15 are not in use.
void global_init_viewports();
// Redraws every viewport of every display; nothing to draw until the
// viewport subsystem exists.
void viewports_display_all();
