// XY plotter settings.
#pragma once

extern int Plttog;  // 1 = plotters drawn over the scene

// Modal loop of plotter mode; argument ignored.
void plotter_move_manage(int unused);

// ---- plot panel (quick-edit plot mode) ----------------------------------------
// Plotters arrive with the query subsystem; until then the panel's icons
// change nothing.
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
