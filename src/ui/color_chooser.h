// The Colour Selector's GL areas.  The dialog and its drawing arrive with the
// colour chooser; until then nothing is drawn or picked.
#pragma once

#include <X11/Intrinsic.h>

extern Widget Colorselect_dialog;  // holds GL window codes 6 and 7, null until built

void draw_colorsel_window();
void set_colorselmix_win_locat();
void manage_popup_color_chooser(Widget w, XtPointer client, XtPointer call);
