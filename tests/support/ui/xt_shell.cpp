#include "xt_shell.h"

#include <Xm/Form.h>
#include <Xm/PushB.h>
#include <Xm/TextF.h>
#include <Xm/Xm.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "client/startup.h"
#include "harness.h"
#include "ui/general_windep.h"
#include "ui/mainwin_state.h"
#include "ui/screen_motif.h"

namespace qtest {

XtShell &xt_shell() {
  static XtShell s;
  static std::unique_ptr<Xvfb> private_server;
  if (s.ok) return s;
  const char *display = getenv("DISPLAY");
  if (!display || !*display) {
    private_server = std::make_unique<Xvfb>();
    if (!private_server->ok()) return s;
    setenv("DISPLAY", private_server->display().c_str(), 1);
  }
  XtToolkitInitialize();
  s.app = XtCreateApplicationContext();
  static int argc = 1;
  static char arg0[] = "quivane7-test";
  static char *argv[] = {arg0, nullptr};
  s.dpy = XtOpenDisplay(s.app, nullptr, "quivane7", "Quivane", nullptr, 0, &argc, argv);
  if (!s.dpy) return s;
  s.shell = XtVaAppCreateShell("quivane7", "Quivane", applicationShellWidgetClass, s.dpy,
                               XmNwidth, 400, XmNheight, 300, XmNx, 20, XmNy, 20, nullptr);
  s.form = XtVaCreateManagedWidget("mainForm", xmFormWidgetClass, s.shell, nullptr);
  XtRealizeWidget(s.shell);
  App_con = s.app;
  Dpys[0] = s.dpy;
  Main_win[0] = s.shell;
  Main_intf[0] = s.form;
  Main_control_form = s.form;
  screen_motif_install();
  s.ok = true;
  xt_wait_for([] { return false; }, 100);
  return s;
}

bool xt_wait_for(const std::function<bool()> &pred, int timeout_ms) {
  XtShell &s = xt_shell();
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (!pred()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    XSync(s.dpy, False);
    // A short timer bounds the blocking wait when nothing is queued.
    if (!XtAppPending(s.app)) XtAppAddTimeOut(s.app, 10, [](XtPointer, XtIntervalId *) {}, nullptr);
    XtAppProcessEvent(s.app, XtIMAll);
  }
  return true;
}

namespace {
void run_timer(XtPointer p, XtIntervalId *) {
  std::unique_ptr<std::function<void()>> fn(static_cast<std::function<void()> *>(p));
  (*fn)();
}
}  // namespace

void xt_app_after(XtAppContext app, int delay_ms, std::function<void()> fn) {
  XtAppAddTimeOut(app, static_cast<unsigned long>(delay_ms), run_timer,
                  new std::function<void()>(std::move(fn)));
}

void xt_after(int delay_ms, std::function<void()> fn) {
  xt_app_after(xt_shell().app, delay_ms, std::move(fn));
}

void xt_activate(Widget button) {
  XmPushButtonCallbackStruct cbs{};
  cbs.reason = XmCR_ACTIVATE;
  cbs.click_count = 1;
  XtCallCallbacks(button, XmNactivateCallback, &cbs);
}

std::string xt_label_text(Widget w) {
  XmString s = nullptr;
  XtVaGetValues(w, XmNlabelString, &s, nullptr);
  if (!s) return "";
  char *text = nullptr;
  XmStringGetLtoR(s, const_cast<char *>(XmFONTLIST_DEFAULT_TAG), &text);
  XmStringFree(s);
  std::string out = text ? text : "";
  XtFree(text);
  return out;
}

std::string xt_take_error() {
  if (!Err_dialog || !XtIsManaged(Err_dialog)) return "";
  std::string text = xt_label_text(Disperr_errlabel);
  XtUnmanageChild(Err_dialog);
  return text;
}

bool xt_ui_shell() {
  if (!xt_shell().ok) return false;
  get_needed_ui_colors();
  snprintf(Quivane_home_directory, sizeof Quivane_home_directory, "%s", source_home().c_str());
  return true;
}

void xt_wm_close(Widget dialog) {
  Display *dpy = XtDisplay(dialog);
  XEvent ev = {};
  ev.xclient.type = ClientMessage;
  ev.xclient.window = XtWindow(XtParent(dialog));
  ev.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = (long)XInternAtom(dpy, "WM_DELETE_WINDOW", False);
  ev.xclient.data.l[1] = CurrentTime;
  XSendEvent(dpy, ev.xclient.window, False, NoEventMask, &ev);
  XFlush(dpy);
}

std::string xt_field_text(Widget field) {
  char *text = XmTextFieldGetString(field);
  std::string s = text ? text : "";
  XtFree(text);
  return s;
}

void xt_enter_text(Widget field, const char *text) {
  XmTextFieldSetString(field, const_cast<char *>(text));
  XmAnyCallbackStruct cbs{};
  cbs.reason = XmCR_ACTIVATE;
  XtCallCallbacks(field, XmNactivateCallback, &cbs);
}

}  // namespace qtest
