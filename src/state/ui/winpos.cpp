// Window positions (see winpos.h).
#include "state/ui/winpos.h"

#include "ui/widgen.h"

int get_winpos() { return 0; }

void adjust_winpos_byscreensize(int width, int height) {
  for (Widgen_rec &r : Widgen_tbl) {
    if (r.x == -1) continue;
    r.x = r.x * width / 1280;
    r.y = r.y * height / 1024;
  }
}
