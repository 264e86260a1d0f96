// A bare application shell realised on the test X server, so that the
// interface helpers can be exercised as real widgets.  It stands where the
// main window will be: Main_win[0] is the shell, Main_control_form and
// Main_intf[0] its form "mainForm", App_con and Dpys[0] its context and
// display.  Uses $DISPLAY, or a private Xvfb when DISPLAY is unset.
#pragma once

#include <X11/Intrinsic.h>

#include <functional>
#include <string>

namespace qtest {

struct XtShell {
  bool ok = false;
  XtAppContext app = nullptr;
  Display *dpy = nullptr;
  Widget shell = nullptr;
  Widget form = nullptr;
};

// The shell of this process, created and realised on the first call.
XtShell &xt_shell();

// Dispatches events until pred() holds or timeout_ms passes; pred()'s value.
bool xt_wait_for(const std::function<bool()> &pred, int timeout_ms = 5000);

// Runs fn from a timer of the application context after delay_ms, while a
// modal wait of the code under test dispatches events.
void xt_after(int delay_ms, std::function<void()> fn);
// The same on any application context.
void xt_app_after(XtAppContext app, int delay_ms, std::function<void()> fn);

// Activates a push button (widget or gadget) as a click would.
void xt_activate(Widget button);

// The text of a text field, and typing text into one followed by Return
// (its activate callbacks run with an activate reason).
std::string xt_field_text(Widget field);
void xt_enter_text(Widget field, const char *text);

// Sends a dialog's shell the window manager's close (WM_DELETE_WINDOW);
// its protocol callback runs when the events are next dispatched.
void xt_wm_close(Widget dialog);

// Text of a label's or button's labelString.
std::string xt_label_text(Widget w);

// The text of the error box when it is shown ("ERROR: ..."), which is then
// taken down; "" when no error is shown.
std::string xt_take_error();

// The shell ready for the main window's pieces: its colours read and the
// installation directory set to the source tree's home.  False without a shell.
bool xt_ui_shell();

}  // namespace qtest
