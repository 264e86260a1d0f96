// Animation dialog widgets (see anim_windep.h).
#include "anim/ui/anim_windep.h"

Widget Featintr_flipstatus_dialog = nullptr;
