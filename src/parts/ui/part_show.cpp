// Selected parts window (see part_show.h).
#include "parts/ui/part_show.h"

#include "render/part_show.h"
#include "render/ui/view_menu.h"
#include "ui/window_codes.h"

void part_showsel_closeCB(Widget, XtPointer, XtPointer) {
  if (Graphics_show_dialog) XtUnmanageChild(Graphics_show_dialog);
}

void part_show() {
  if (Graphics_show_dialog && XtIsManaged(Graphics_show_dialog)) part_show_refresh();
}

#include <Xm/ToggleB.h>

void part_show_selectedCB(Widget w, XtPointer, XtPointer) {
  if (!Graphics_show_dialog) return;
  if (XmToggleButtonGetState(w)) {
    XtManageChild(Graphics_show_dialog);
    part_show();
  } else {
    XtUnmanageChild(Graphics_show_dialog);
  }
}
