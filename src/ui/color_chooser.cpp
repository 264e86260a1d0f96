// Colour chooser areas (see color_chooser.h).
#include "ui/color_chooser.h"

Widget Colorselect_dialog = nullptr;

void draw_colorsel_window() {}
void set_colorselmix_win_locat() {}
void manage_popup_color_chooser(Widget, XtPointer, XtPointer) {}
