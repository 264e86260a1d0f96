// The main window's view and tool toggles ("Shaded", "Hidden Line",
// "Cursor", "Line", "Plane", "Axis", "Fast Display", "Tool Tips"), its
// view-direction buttons, the callbacks of the part list and quick-panel
// variable lists, and the large "Main Parts List" window.
//
// The toggles' callbacks flip their setting through the rendering, view and
// tool logic; those flips never read a toggle, so the *_init functions put
// the toggles back in line with the settings (without notification) after
// any change elsewhere.  The part-list pair in use (Main_part_list,
// Main_partindic_list, Main_part_vertscrollbar) is the main window's or the
// large window's; every part-list operation works on the pair in use.
#pragma once

#include <X11/Intrinsic.h>

extern Widget Main_small_partlist;             // main window's part list while the large one is in use, else null
extern Widget Main_small_partindiclist;        // its indicator list, likewise
extern Widget Main_small_partvertscrollbar;    // its vertical scroll bar, likewise
extern Widget Main_large_partlist_dialog;      // "PartsListDialog", null until first opened
extern Widget Main_large_partlist;             // "mainlargepartList", null until built
extern Widget Main_large_partindiclist;        // "mainlargepartindicList", null until built
extern Widget Main_large_partvertscrollbar;    // the large list's vertical scroll bar

void main_hsurf_chngCB(Widget w, XtPointer client, XtPointer call);
void main_hline_chngCB(Widget w, XtPointer client, XtPointer call);
void main_cursor_chngCB(Widget w, XtPointer client, XtPointer call);
void main_line_chngCB(Widget w, XtPointer client, XtPointer call);
void main_plane_chngCB(Widget w, XtPointer client, XtPointer call);
void main_axis_chngCB(Widget w, XtPointer client, XtPointer call);
void main_fastdisplay_chngCB(Widget w, XtPointer client, XtPointer call);
// View-direction buttons; client data is the view code 3..9.
void main_viewpointCB(Widget w, XtPointer code, XtPointer call);

// Part lists (main window's and large window's).
void main_partlist_selectdblCB(Widget w, XtPointer client, XtPointer call);
void main_partlist_selectCB(Widget w, XtPointer client, XtPointer call);
// While the large window's list is in use, the window keeps its size while
// its rows or its selection change: hold 1 before such a change, hold 0
// after it. Holds nest; the window may resize again when the outermost one
// ends.
void main_largelist_hold(int hold);
// Scroll-bar drag and step callbacks: the indicator list follows the parts.
void main_partlist_sbarmovedCB(Widget w, XtPointer client, XtPointer call);
void main_partlist_sbarstepCB(Widget w, XtPointer step, XtPointer call);
// Variable lists of the quick-interaction panels.
void main_varlist_selectdblCB(Widget w, XtPointer client, XtPointer call);
void main_varlist_selectCB(Widget w, XtPointer client, XtPointer call);

// Set the toggles from the current state without notification; 1, or 0 when
// the toggles do not exist.
int main_viewtggls_init();
int main_tooltggls_init();
int main_tooltiptggl_init();
void main_axistggls_init();

// The large "Main Parts List" window.  The Prefs toggle's callback opens it
// when set and closes it otherwise; closing clears that toggle.
void main_partlargelisttggl_chngCB(Widget w, XtPointer client, XtPointer call);
// 1 when shown.
int main_partlargelist_open();
void main_partlargelist_close();
void main_partlargelist_closeCB(Widget w, XtPointer client, XtPointer call);
void create_largepartslist_dialog();
