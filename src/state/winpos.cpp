// Window positions, display-free part (see winpos.h).  No state of its own.
#include "state/winpos.h"

#include <cstdio>

// One axis: size (or -1) and place (or -1) on a screen extent.
static void fit_axis(int extent, int *size, int *pos, int size_used) {
  if (size_used && *size > extent) *size = extent;
  if (*pos == -1) return;
  int known = size_used && *size > 0 ? *size : 1;
  if (*pos + known > extent) *pos = extent - known;
  if (*pos < 0) *pos = 0;
}

void winpos_fit_row(Winpos_geometry *row, int sw, int sh) {
  if (!row) return;
  // The height counts only with a width, the y only with an x; a height
  // given alone (a dialog whose width the toolkit chooses) still bounds y.
  int width_used = row->width != -1;
  int height_used = row->height != -1;
  fit_axis(sw, &row->width, &row->x, width_used);
  if (row->x == -1) return;
  fit_axis(sh, &row->height, &row->y, height_used);
}

void winpos_small_screen(Winpos_geometry *rows, int count, char *font, int font_size) {
  for (int i = 0; rows && i < count; i++)
    winpos_fit_row(&rows[i], WINPOS_SMALL_WIDTH, WINPOS_SMALL_HEIGHT);
  if (font && font_size > 0 && !font[0]) snprintf(font, (size_t)font_size, "%s", WINPOS_SMALL_FONT);
}

void winpos_scale_positions(Winpos_geometry *rows, int count, int width, int height) {
  for (int i = 0; rows && i < count; i++) {
    if (rows[i].x == -1) continue;
    rows[i].x = rows[i].x * width / WINPOS_BASE_WIDTH;
    rows[i].y = rows[i].y * height / WINPOS_BASE_HEIGHT;
  }
}
