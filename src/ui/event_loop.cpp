// Event loop helpers (see event_loop.h). The detached display's geometry is
// kept here until the dialog registry holds it.
#include "ui/event_loop.h"

static int Secondary_geom[4] = {794, 659, 0, 0};  // width, height, x, y in pixels

void set_keyboard_repeat(int) {}

void setsecondary_graphicswin_pos(int width, int height, int x, int y) {
  const int values[4] = {width, height, x, y};
  for (int i = 0; i < 4; i++)
    if (values[i] != -1) Secondary_geom[i] = values[i];
}

void getsecondary_graphicswin_pos(int *width, int *height, int *x, int *y) {
  int *out[4] = {width, height, x, y};
  for (int i = 0; i < 4; i++)
    if (out[i]) *out[i] = Secondary_geom[i];
}
