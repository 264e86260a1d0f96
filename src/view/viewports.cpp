// Viewports (see viewports.h).
#include "view/viewports.h"

#include <cstdio>

Viewport_rec Viewports[MAX_VIEWPORTS];
float baccol[3];
int Person = 1;
int Floating_z_planes = 1;

void global_init_viewports() {
  for (int v = 0; v < MAX_VIEWPORTS; v++) {
    Viewport_rec &vp = Viewports[v];
    vp.in_use = v == 0;
    snprintf(vp.name, sizeof vp.name, "%s", v == 0 ? "Main Viewport" : "");
    vp.xmin = 0.0f;
    vp.xmax = 1.0f;
    vp.ymin = 0.0f;
    vp.ymax = 1.0f;
  }
}

void viewports_display_all() {}
