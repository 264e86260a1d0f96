// Widgets of the animation dialogs that the graphics windows reach.
#pragma once

#include <X11/Intrinsic.h>

extern Widget Featintr_flipstatus_dialog;  // holds GL window code 17, null until built
