// Display toggles (see view_toggles.h).
#include "render/view_toggles.h"

#include "render/disobj.h"
#include "interact/support.h"
#include "view/frames.h"
#include "view/viewports.h"

static void flip(int *setting) {
  *setting = !*setting;
  viewports_display_all();
}

void tggl_hsrf() { flip(&Solidt); }
void tggl_hlin() { flip(&Hlinet); }
void tggl_elmlbl() { flip(&Labele); }
void tggl_nodlbl() { flip(&Labnod); }
void tggl_auxclip() { flip(&Plane_clipp_toggle); }

void tggl_curs() { flip(&Curson); }
void tggl_line() { flip(&Lineon); }
void tggl_plane() { flip(&Planon); }

void tggl_axis(int which) { flip(which == 1 ? &Axiso1 : which == 2 ? &Axiso3 : &Axiso2); }

void view_mod_fastdisplay(int state) {
  Box_mode = state ? 1 : 0;
  viewports_display_all();
}

int box_toggle(int *state, int mode) {
  if (mode == 0 && state) *state = Box_mode;
  return 1;
}
