// The z-clip section of the Transformation Editor: floating switch, minimum
// front distance, the z-clip window and the two typed plane distances.
#pragma once

#include <X11/Intrinsic.h>

extern Widget Zclip_main_form;     // "TransfZclipForm", null until built
extern Widget Zclip_float_tggl;    // "ZclipFloatToggle"
extern Widget Zclip_min_lbl, Zclip_min_text;
extern Widget Zclip_viewfront_lbl, Zclip_viewback_lbl;
extern Widget Zclip_front_lbl, Zclip_front_text, Zclip_back_lbl, Zclip_back_text;

// Builds the section into parent; returns its form.
Widget transf_gen_zclip_sect(Widget parent);
// Points the z-clip logic's refreshers at this section.
void zclip_windep_install();

void zclip_textattr_chngCB(Widget w, XtPointer client, XtPointer call);
void zclip_mintextattr_chngCB(Widget w, XtPointer client, XtPointer call);
void zclip_tgglattr_chngCB(Widget w, XtPointer client, XtPointer call);
void zclip_gwin_redrawCB(Widget w, XtPointer client, XtPointer call);
// Input routine of the z-clip window: drags the front or back marker.
void manage_zclip_gl(Widget w, XtPointer client, XtPointer call);
