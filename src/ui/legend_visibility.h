// The legend visibility dialog of the "Legend..." button: the legends of
// the variables of the variable table (one row per scalar, one for a
// vector's magnitude and, with "Show Components", one per component),
// marked "*" when shown; choosing rows flips those legends and records the
// change as "legend:" lines.  Changes larger than the working legend list
// (ANNOT_MAX_WRKLGND) are carried out and recorded in consecutive batches.
#pragma once

#include <X11/Intrinsic.h>

extern Widget Main_showlgndcmpnts_dialog;   // "LgndCmpntsDialog", null until first opened
extern Widget Main_showlgndvar_list;        // "LgndCmpntsVarList"
extern Widget Main_showlgndvert_scrollbar;  // its vertical scroll bar
extern Widget Main_legendcomp_tggl;         // "LgndCmpntsShowCompToggle"
extern int *Main_legendvis_listids;         // entry of list row k + 1: variable x 1000 + component
extern int Main_legendvis_listcnt;          // entries in use
extern int Main_legendvis_listalloc;        // entries allocated (grows, never shrinks)

void main_showlegendCB(Widget w, XtPointer client, XtPointer call);
void main_closelegendCB(Widget w, XtPointer client, XtPointer call);
void main_legendshowcomp_chngCB(Widget w, XtPointer client, XtPointer call);
void main_legendall_offCB(Widget w, XtPointer client, XtPointer call);
void main_legendvisibilityCB(Widget w, XtPointer client, XtPointer call);
void gen_main_showlgnd_prompt();
// Refills the list from the variable table; 1, -1 after an allocation failure.
int main_showlegend_init();
// Scrolls the list to the variable selected in the shown feature panel.
void main_legend_setscrollbarpos();
// Flips the legends of the given 1-based list rows; 1, or -1 when a row is
// a constant's (nothing changed).
int main_showlegend(int count, const int *positions, int unused = 0);
// Hides every shown legend of the list; 1.
int main_alllegends_off();
