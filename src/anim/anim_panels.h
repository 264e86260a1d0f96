// Quick-interaction panels of Solution Time, Flipbook and Keyframe
// Animation.  They arrive with the animation subsystem; until then their
// builders build nothing.
#pragma once

#include <X11/Intrinsic.h>

int intrsoltim_geninit_sect(Widget parent, int count, int *internal, int *numbers);
int intrflipb_geninit_sect(Widget parent, int count, int *internal, int *numbers);
int intrkeyf_geninit_sect(Widget parent, int count, int *internal, int *numbers);
