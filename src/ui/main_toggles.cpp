// Main window toggles (see main_toggles.h).
#include "ui/main_toggles.h"

#include <Xm/ToggleB.h>

#include "render/disobj.h"
#include "ui/main_intf.h"
#include "ui/main_window.h"

void main_hsurf_chngCB(Widget, XtPointer, XtPointer) {}
void main_hline_chngCB(Widget, XtPointer, XtPointer) {}
void main_cursor_chngCB(Widget, XtPointer, XtPointer) {}
void main_line_chngCB(Widget, XtPointer, XtPointer) {}
void main_plane_chngCB(Widget, XtPointer, XtPointer) {}
void main_axis_chngCB(Widget, XtPointer, XtPointer) {}
void main_fastdisplay_chngCB(Widget, XtPointer, XtPointer) {}
void main_partlist_selectdblCB(Widget, XtPointer, XtPointer) {}
void main_partlist_selectCB(Widget, XtPointer, XtPointer) {}
void main_partlist_sbarmovedCB(Widget, XtPointer, XtPointer) {}
void main_partlist_sbarstepCB(Widget, XtPointer, XtPointer) {}
void main_viewpointCB(Widget, XtPointer, XtPointer) {}

static void set_toggle(Widget w, int on) {
  if (w) XmToggleButtonSetState(w, on ? True : False, False);
}

void main_viewtggls_init() {
  set_toggle(Main_hsurf_tggl, Solidt);
  set_toggle(Main_hline_tggl, Hlinet);
  set_toggle(Main_fastdisplay_tggl, Box_mode);
}

void main_tooltggls_init() {}

void main_tooltiptggl_init() { set_toggle(Main_tooltips_tggl, Balloon_help); }
