// Balloon help of the main window's controls.  The balloons themselves come
// with the balloon-help module proper; until then entering and leaving a
// control shows nothing.
#pragma once

#include <X11/Intrinsic.h>

// Pointer enter / leave handlers; client data is the balloon id.
void balloon_helpECB(Widget w, XtPointer id, XEvent *ev, Boolean *go_on);
void clear_balloon_helpECB(Widget w, XtPointer id, XEvent *ev, Boolean *go_on);
// Registers both handlers on w with the balloon id.
void add_balloon_handlers(Widget w, long id);
