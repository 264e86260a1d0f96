// Display toggles (see view_toggles.h).
#include "render/view_toggles.h"

#include "render/disobj.h"
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

void entlbl_manageCB(Widget, XtPointer, XtPointer) {}
void entlbl_dialog_init() {}
