// Widgets of the particle-trace dialogs that other dialogs reach.
#pragma once

#include <X11/Intrinsic.h>

extern Widget Trace_timstpdet_arobut;  // arrow button of the "Time Step" section, null until built
