// The palette editor's drawing areas.
#pragma once

#include <X11/Intrinsic.h>

void manage_function_histogram(Widget w, XtPointer client, XtPointer call);
