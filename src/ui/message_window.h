// The main message window and the legend visibility dialog.  Their contents
// come with the message-window module proper; the Info and Legend buttons
// are wired to these entries.
#pragma once

#include <X11/Intrinsic.h>

// Creates the message window (unmanaged).  Not built yet: leaves
// Main_message_dialog null.
void create_mainmessage_dialog();
// " Info... ": shows the message window (through main_message_window_open).
void manage_message_dialogCB(Widget w, XtPointer client, XtPointer call);
// "Legend...": opens the legend visibility dialog; nothing to show yet.
void main_showlegendCB(Widget w, XtPointer client, XtPointer call);
