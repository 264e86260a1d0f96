// Quick-interaction panels of Solution Time, Flipbook and Keyframe
// Animation.  They arrive with the animation subsystem; until then their
// builders build nothing.
#pragma once

#include <X11/Intrinsic.h>

int intrsoltim_geninit_sect(Widget parent, int count, int *internal, int *numbers);
int intrflipb_geninit_sect(Widget parent, int count, int *internal, int *numbers);
int intrkeyf_geninit_sect(Widget parent, int count, int *internal, int *numbers);

// Edit menu entries: show the solution-time, flipbook and keyframe panels
// in the main window's interaction area.
void intrsoltim_dialog_manageinitCB(Widget w, XtPointer client, XtPointer call);
void intrflipb_dialog_manageinitCB(Widget w, XtPointer client, XtPointer call);
void intrkeyf_dialog_manageinitCB(Widget w, XtPointer client, XtPointer call);
