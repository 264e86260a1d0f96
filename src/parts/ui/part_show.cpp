// Selected parts window (see part_show.h).  The window's drawing is
// render/part_show.h's; this module chooses the parts it shows.
#include "parts/ui/part_show.h"

#include <Xm/ToggleB.h>

#include <cstdlib>

#include "render/part_show.h"
#include "ui/detail_editor.h"
#include "ui/menus.h"
#include "ui/part_list.h"
#include "ui/window_codes.h"

void part_showsel_closeCB(Widget, XtPointer, XtPointer) {
  if (Graphics_show_dialog) XtUnmanageChild(Graphics_show_dialog);
}

// The parts selected in the detail editor's list while its "Show Selected
// Part(s)..." toggle is on, else in the main list (all listed parts when
// none is selected).
void part_show() {
  if (!Graphics_show_dialog || !XtIsManaged(Graphics_show_dialog)) return;
  Widget detail_toggle = Detled_view_menu[0].widget;
  const int list =
      detail_toggle && XmToggleButtonGetState(detail_toggle) ? PLIST_DETEDIT : PLIST_MAIN;
  int count = 0, *internal = nullptr, *numbers = nullptr;
  selected_parts(list, &count, &internal, &numbers);
  draw_parts_show(count, numbers);
  free(internal);
  free(numbers);
}

void part_show_selectedCB(Widget w, XtPointer, XtPointer) {
  if (XmToggleButtonGetState(w)) {
    if (!Graphics_show_dialog) gen_showparts_win();
    if (!Graphics_show_dialog) return;
    XtManageChild(Graphics_show_dialog);
    part_show();
  } else if (Graphics_show_dialog) {
    XtUnmanageChild(Graphics_show_dialog);
  }
}
