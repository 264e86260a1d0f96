// Message, error, warning and working boxes, the message-window line
// appender, the busy indication of the main window and the graphics windows'
// cursor shapes.  Each box is built on first use under Main_control_form and
// kept; a later call replaces its text.  Until the main window is realised
// every service writes to the console instead (errors and warnings to
// standard error, message-window lines to standard output) and never waits.
#pragma once

#include <Xm/Xm.h>

#include "client/screen.h"

extern Widget Err_dialog;            // error box of disperr, null until first shown
extern Widget Disperr_errlabel;      // its message label
extern Widget Warn_dialog;           // warning box of warn
extern Widget Work_dialog;           // modal working box
extern Widget Work_nonmodal_dialog;  // non-modal working box
extern Widget Usermesg_dialog;       // message box of usermesg
extern int Xproc_done;               // modal-done flag: 1 ends the running modal wait
extern int Dialog_state;             // answer of the last modal box: 1 OK, 0 cancel or closed
extern int Main_info_curlevel;       // unread message-window severity: 0 none, 1 info, 2 warning, 3 error
extern Cursor WorkingCursor;         // watch cursor, 0 until first used
extern GC Main_statusGC;             // draws the status line, null until first used

#define CURSOR_SHAPE_COUNT 11  // shapes 0..10 of set_cursor_icon

// 1 when Main_win[0] exists and is realised on its display.
int main_window_realised();
// Fills the report entries of the Motif screen: the boxes, the message
// window line and the busy indication.
void general_windep_screen(Screen_ops *ops);

// Blocking error box; okcb (default dialog_ok) must end the wait.
void disperr_and_wait(const char *text, XtCallbackProc okcb);
void one_line_error_dialog(Widget parent, const char *text, XtCallbackProc okcb, ArgList args,
                           Cardinal nargs);
// Informational box; cancel nonzero offers Cancel; mode 5 is modal. Result 1.
// cb, when given, gets client data 1 for OK and 0 for Cancel.
int usermesg(Widget parent, const char *text, XtCallbackProc cb, int cancel, int mode);

// Busy indication: watch cursor plus a status-line text.  Does not nest.
void set_working(const char *text);
void unset_working();
void clear_workingCB(Widget w, XtPointer client, XtPointer call);

// Cursor of a graphics window: shape 0..10, window 0 main graphics window,
// 2 histogram window, 3 legend window of the palette editor.
void set_cursor_icon(int shape, int window);

// Callbacks ending a modal wait: Dialog_state 1 / 0.
void dialog_ok(Widget w, XtPointer client, XtPointer call);
void dialog_cancel(Widget w, XtPointer client, XtPointer call);
// Callbacks that do nothing, for table rows that need one.
void okcallback(Widget w, XtPointer client, XtPointer call);
void cancelcallback(Widget w, XtPointer client, XtPointer call);
void tarv_mesg_close(Widget w, XtPointer client, XtPointer call);
void tarv_mesg_destroy(Widget w, XtPointer client, XtPointer call);
void unmanage_disperr(Widget w, XtPointer client, XtPointer call);

// Modal wait: clears Xproc_done, dispatches events (blocking in Xt) until a
// callback sets it, clears it again.
void dialog_modal_wait();
// Dispatches every pending event without blocking.
void dialog_drain_events();


// Compound string of a text in the default character set; newlines break lines.
XmString qvn_xmstring(const char *text);
