// Balloon help (see balloon_help.h): the handlers are registered on every
// control; showing a balloon is not built yet.
#include "ui/balloon_help.h"

void balloon_helpECB(Widget, XtPointer, XEvent *, Boolean *) {}

void clear_balloon_helpECB(Widget, XtPointer, XEvent *, Boolean *) {}

void add_balloon_handlers(Widget w, long id) {
  XtAddEventHandler(w, EnterWindowMask, False, balloon_helpECB, (XtPointer)id);
  XtAddEventHandler(w, LeaveWindowMask, False, clear_balloon_helpECB, (XtPointer)id);
}
