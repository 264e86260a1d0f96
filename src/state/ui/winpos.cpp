// Window positions (see winpos.h): the rows of the dialog registry handed to
// the display-free logic of state/winpos and written back.
#include "state/ui/winpos.h"

#include "client/interf_settings.h"
#include "state/winpos.h"
#include "ui/widgen.h"

static void rows_from_registry(Winpos_geometry rows[WIDGEN_ROWS]) {
  for (int i = 0; i < WIDGEN_ROWS; i++) {
    const Widgen_rec &r = Widgen_tbl[i];
    rows[i] = Winpos_geometry{r.width, r.height, r.x, r.y};
  }
}

static void rows_to_registry(const Winpos_geometry rows[WIDGEN_ROWS]) {
  for (int i = 0; i < WIDGEN_ROWS; i++) {
    Widgen_rec &r = Widgen_tbl[i];
    r.width = rows[i].width;
    r.height = rows[i].height;
    r.x = rows[i].x;
    r.y = rows[i].y;
  }
}

int get_winpos() {
  if (Small_screen) {
    Winpos_geometry rows[WIDGEN_ROWS];
    rows_from_registry(rows);
    winpos_small_screen(rows, WIDGEN_ROWS, User_specified_font, FONT_NAME_TEXT);
    rows_to_registry(rows);
  }
  return 0;  // no window-positions file is read yet
}

void adjust_winpos_byscreensize(int width, int height) {
  Winpos_geometry rows[WIDGEN_ROWS];
  rows_from_registry(rows);
  winpos_scale_positions(rows, WIDGEN_ROWS, width, height);
  rows_to_registry(rows);
}
