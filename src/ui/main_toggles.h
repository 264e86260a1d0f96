// Callbacks of the main window's view and tool toggles, view-direction
// buttons and part list.  The logic behind them arrives with the toggles and
// part-list module; until then they change nothing, and the initialisers
// show the current display settings.
#pragma once

#include <X11/Intrinsic.h>

void main_hsurf_chngCB(Widget w, XtPointer client, XtPointer call);
void main_hline_chngCB(Widget w, XtPointer client, XtPointer call);
void main_cursor_chngCB(Widget w, XtPointer client, XtPointer call);
void main_line_chngCB(Widget w, XtPointer client, XtPointer call);
void main_plane_chngCB(Widget w, XtPointer client, XtPointer call);
void main_axis_chngCB(Widget w, XtPointer client, XtPointer call);
void main_fastdisplay_chngCB(Widget w, XtPointer client, XtPointer call);
void main_partlist_selectdblCB(Widget w, XtPointer client, XtPointer call);
void main_partlist_selectCB(Widget w, XtPointer client, XtPointer call);
void main_partlist_sbarmovedCB(Widget w, XtPointer client, XtPointer call);
void main_partlist_sbarstepCB(Widget w, XtPointer step, XtPointer call);
// View-direction buttons; client data is the view code 3..9.
void main_viewpointCB(Widget w, XtPointer code, XtPointer call);
// Set the toggles from the current state without notification.
void main_viewtggls_init();
void main_tooltggls_init();
void main_tooltiptggl_init();
