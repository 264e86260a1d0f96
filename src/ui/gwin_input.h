// Input of the graphics windows: the pointer entering display 0's main
// graphics window starts the interaction manager of the current edit mode;
// the main window's input callback keeps the space, Control and Alt key
// states; each small GL area of a dialog hands one kind of button event to
// the picking routine of the feature that owns it.
#pragma once

#include <X11/Intrinsic.h>

extern int Quivane_spacekey_down;  // 1 while the space bar is held
extern int Quivane_altkey_down;    // 1 while an Alt key is held

void gwin_enterECB(Widget w, XtPointer client, XEvent *ev, Boolean *go_on);
void gwin_inputCB(Widget w, XtPointer client, XtPointer call);

// Small areas (window codes in brackets).
void gwinvarlgnd_inputCB(Widget w, XtPointer client, XtPointer call);             // 3
void gwinvarhist_inputCB(Widget w, XtPointer client, XtPointer call);             // 2
void gwincolselpatch_inputCB(Widget w, XtPointer client, XtPointer call);         // 6
void gwincolselmix_inputCB(Widget w, XtPointer client, XtPointer call);           // 7
void gwin_partviewportvis_inputCB(Widget w, XtPointer client, XtPointer call);    // 4
void gwin_caseviewportvis_inputCB(Widget w, XtPointer client, XtPointer call);    // 14
void gwin_qedpartviewportvis_inputCB(Widget w, XtPointer client, XtPointer call); // 10
void gwin_transfwhichredo_inputCB(Widget w, XtPointer client, XtPointer call);    // 18
void gwin_transfviewportsel_inputCB(Widget w, XtPointer client, XtPointer call);  // 5
void gwin_viewpcolor_inputCB(Widget w, XtPointer client, XtPointer call);         // 9
void gwin_zclip_inputCB(Widget w, XtPointer client, XtPointer call);              // 11
void gwin_viewer_inputCB(Widget w, XtPointer client, XtPointer call);             // 12
void gwin_transfrevtool_inputCB(Widget w, XtPointer client, XtPointer call);      // 15
void gwin_timeset_inputCB(Widget w, XtPointer client, XtPointer call);            // 20..24

// Key-state bookkeeping of gwin_inputCB for one key event type (2 press,
// 3 release) and keysym.
void gwin_track_key_state(int type, unsigned long keysym);
