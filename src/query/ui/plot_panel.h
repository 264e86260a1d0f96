// The plot panel of quick-edit plot mode.  Plotters arrive with the query
// subsystem; until then the panel's icons change nothing.
#pragma once

#include <X11/Intrinsic.h>

// Draws the screen of plotter mode.
void display_plotter_mode();
// Brings the plot panel in line with the selected plotters.
void plot_icons_refresh();
void plot_vis_chngCB(Widget w, XtPointer client, XtPointer call);
void plot_plotattr_manageCB(Widget w, XtPointer client, XtPointer call);
void plot_axisattr_manageCB(Widget w, XtPointer client, XtPointer call);
void plot_curveattr_manageCB(Widget w, XtPointer client, XtPointer call);
void plot_selectall_manageCB(Widget w, XtPointer client, XtPointer call);
void plot_deleteCB(Widget w, XtPointer client, XtPointer call);
