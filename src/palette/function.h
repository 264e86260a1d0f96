// Palette and legend settings.
#pragma once

extern int Auto_legend_replace;  // 1 = legends replaced when the colouring variable changes
extern int Legenf;               // 1 = legends shown
extern int Fringt;               // 1 = fringe colouring on
extern int Use_10_range;         // 1 = palette ranges narrowed by 10% at each end (-range10)

// Palette editor areas (nothing to draw until palettes arrive).
#include <X11/Intrinsic.h>
void update_function();
void update_function_hist();
// Palette level under the pointer in the legend area; 0 = none.
int function_legend_level();
void fncedt_palcurlev_set(int level);
void manage_function_histogram(Widget w, XtPointer client, XtPointer call);
