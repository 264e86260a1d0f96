// The main message window: a read-only log of every line written through
// caddtxt, opened by the " Info... " button (and by every error line),
// whose text can be saved to a file.  The Info button's colour shows the
// worst unread message (Main_info_curlevel); closing the window resets it.
// The legend visibility dialog of the "Legend..." button is in
// legend_visibility.h, included here for the main window, which wires both
// buttons.
#pragma once

#include <X11/Intrinsic.h>

#include "ui/legend_visibility.h"

extern Widget Main_message_dialog;      // "MainMessageDialog", null until built
extern Widget Main_textport;            // its scrolled text "mainmesgtextScrollText"
extern int Main_message_open_requests;  // times the window was asked to show, >= 0

// Builds the message window (unmanaged) on parent (null: the main form).
void create_mainmessage_dialog(Widget parent = nullptr);
// Shows the message window (an error line asks for it); counts the request.
void main_message_window_open();
// " Info... ": shows the message window.
void manage_message_dialogCB(Widget w, XtPointer client, XtPointer call);
// "Close" and the window-manager close: restores the Info button's own
// background, clears Main_info_curlevel and hides the window.
void unmanage_message_dialogCB(Widget w, XtPointer client, XtPointer call);
// "Save Text To File": asks for the name in the File Selection dialog.
void main_messagewintext_saveCB(Widget w, XtPointer client, XtPointer call);
// Accept action of that dialog: saves to the name typed in it, if any.
void main_messagewintext_getandsave();
// Writes the window's text and a newline to name ("~" expanded); 1, or -1
// after the error was shown.
int main_messagewintext_save(const char *name);

// Registers cb as the window-manager close action of dialog's shell.
void add_wm_close_callback(Widget dialog, XtCallbackProc cb);
