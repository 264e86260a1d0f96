// Part-show window size (see part_show_window.h).
#include "render/ui/part_show_window.h"

#include "ui/screen_query.h"
#include "ui/window_codes.h"

int part_show_window_size(int *width, int *height) {
  if (!Showxwin) return 0;
  int x = 0, y = 0;
  get_win_location(Showxwin, &x, &y, width, height, 0);
  return *width > 0 && *height > 0 ? 1 : 0;
}
