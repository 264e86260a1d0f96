// The three notices of frame mode: entering frame mode, where the frame
// location is edited, and a frame made visible while all frame triads are
// off.  Each is built on first use and shown while its flag is 1;
// "Okay and Do Not Notify Again." clears the flag for the rest of the run.
#pragma once

#include <X11/Intrinsic.h>

extern int Frame_mode_notice_on;      // 1 while the frame-mode notice is shown
extern int Frame_location_notice_on;  // 1 while the location notice is shown
extern int Frame_glbvis_notice_on;    // 1 while the visibility notice is shown

extern Widget Frame_transfnotify_dialog;    // "FrameNotifyDialog", null until built
extern Widget Frame_locationinfo_dialog;    // "FrameLocaInfoDialog", null until built
extern Widget Frame_glbvsframeinfo_dialog;  // "FrameGlbVsInfoDialog", null until built

// Show functions: frame mode (not while a command file plays), location
// ("Location..."), global versus frame visibility (frame visibility on).
void frame_notification_mesg_windep();
void frame_locationinfo_mesg_windep();
void frame_globalvsframe_infopopup_windep();

void frame_gentransfnotify_dialog();
void frame_genlocationinfo_dialog();
void frame_genglobalvspartinfo_dialog();

// Client data 1 ("Okay and Do Not Notify Again.") switches the notice off.
void frame_notification_mesgokCB(Widget w, XtPointer client, XtPointer call);
void frame_locationinfo_mesgokCB(Widget w, XtPointer client, XtPointer call);
void frame_glbvsframeinfo_mesgokCB(Widget w, XtPointer client, XtPointer call);
