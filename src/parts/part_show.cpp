// Selected parts window (see part_show.h).
#include "parts/part_show.h"

#include "ui/mainwin_state.h"

void part_showsel_closeCB(Widget, XtPointer, XtPointer) {
  if (Graphics_show_dialog) XtUnmanageChild(Graphics_show_dialog);
}
