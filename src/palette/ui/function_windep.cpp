// Palette editor areas (see function_windep.h).  Nothing to draw until
// palettes arrive.
#include "palette/ui/function_windep.h"

void manage_function_histogram(Widget, XtPointer, XtPointer) {}
