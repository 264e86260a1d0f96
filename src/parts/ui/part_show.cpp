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

int Main_show_selected = 0;
int Detailedit_show_selected = 0;
int Showing_parts = 0;
Widget Main_show_selected_toggle = nullptr;

void part_show_open() {
  if (!Graphics_show_dialog) gen_showparts_win();
  if (!Graphics_show_dialog) return;
  XtManageChild(Graphics_show_dialog);
  Showing_parts = 1;
}

void part_show_close() {
  if (Graphics_show_dialog) XtUnmanageChild(Graphics_show_dialog);
}

// Closed from the window manager: both toggles off (their callbacks not run).
void part_showsel_closeCB(Widget, XtPointer, XtPointer) {
  if (Main_show_selected_toggle) XmToggleButtonSetState(Main_show_selected_toggle, False, False);
  if (Detled_view_menu[0].widget) XmToggleButtonSetState(Detled_view_menu[0].widget, False, False);
  Main_show_selected = Detailedit_show_selected = 0;
  part_show_close();
}

// The parts selected in the detail editor's list while its "Show Selected
// Part(s)..." toggle is on, else in the main list (all listed parts when
// none is selected).
void part_show() {
  if (!Graphics_show_dialog || !XtIsManaged(Graphics_show_dialog)) return;
  const int list = Detailedit_show_selected ? PLIST_DETEDIT : PLIST_MAIN;
  int count = 0, *internal = nullptr, *numbers = nullptr;
  selected_parts(list, &count, &internal, &numbers);
  draw_parts_show(count, numbers);
  free(internal);
  free(numbers);
}

// client: 1 the main window's toggle, 0 the detail editor's.
void part_show_selectedCB(Widget w, XtPointer client, XtPointer) {
  int on = XmToggleButtonGetState(w) ? 1 : 0;
  if (client)
    Main_show_selected = on;
  else
    Detailedit_show_selected = on;
  if (Main_show_selected || Detailedit_show_selected)
    part_show_open();
  else
    part_show_close();
  part_show();
}
