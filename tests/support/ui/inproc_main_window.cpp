#include "inproc_main_window.h"

#include <X11/Intrinsic.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>

#include "client/startup.h"
#include "harness.h"
#include "ui/graphics_windows.h"
#include "ui/interf_init.h"
#include "ui/main_window.h"
#include "xt_shell.h"

namespace qtest {

bool inproc_main_window() { return inproc_main_window(1280, 1024, {}); }

bool inproc_main_window(int width, int height, const std::vector<std::string> &args) {
  static std::unique_ptr<Xvfb> server;
  static std::unique_ptr<TempDir> home;
  static bool up = false;
  if (up) return true;
  if (!server) {
    server = std::make_unique<Xvfb>(width, height);
    home = std::make_unique<TempDir>("qinproc");
  }
  if (!server->ok()) return false;
  setenv("DISPLAY", server->display().c_str(), 1);
  setenv("HOME", home->path().c_str(), 1);
  main_set_installation_directory(source_home().c_str());
  general_globals_init();
  // The argument vector lives as long as the process: the toolkit keeps it.
  static std::vector<std::string> words;
  static std::vector<char *> argv;
  words.assign(1, "quivane7");
  words.insert(words.end(), args.begin(), args.end());
  for (std::string &w : words) argv.push_back(&w[0]);
  argv.push_back(nullptr);
  interf_init(static_cast<int>(words.size()), argv.data());
  up = Main_control_form != nullptr;
  if (up) inproc_wait_for([] { return XtIsRealized(Main_control_form) && XtWindow(Main_control_form); });
  // Up means drawn: the graphics area's first expose has run (on a loaded
  // machine it comes well after the window is made).
  if (up) inproc_wait_for([] { return Gwin_first_exposed[0] != 0; }, 15000);
  inproc_wait_for([] { return false; }, 300);
  return up;
}

bool inproc_wait_for(const std::function<bool()> &pred, int timeout_ms) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (!pred()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    XSync(Dpys[0], False);
    if (!XtAppPending(App_con)) XtAppAddTimeOut(App_con, 10, [](XtPointer, XtIntervalId *) {}, nullptr);
    XtAppProcessEvent(App_con, XtIMAll);
  }
  return true;
}

void inproc_after(int delay_ms, std::function<void()> fn) {
  xt_app_after(App_con, delay_ms, std::move(fn));
}

ScreenRect shell_on_screen(Widget w) {
  while (!XtIsShell(w)) w = XtParent(w);
  Display *dpy = XtDisplay(w);
  XWindowAttributes wa;
  XGetWindowAttributes(dpy, XtWindow(w), &wa);
  int rx = 0, ry = 0;
  Window child;
  XTranslateCoordinates(dpy, XtWindow(w), wa.root, -wa.border_width, -wa.border_width, &rx, &ry,
                        &child);
  return ScreenRect{rx, ry, wa.width + 2 * wa.border_width, wa.height + 2 * wa.border_width};
}

bool shell_viewable(Widget w) {
  while (!XtIsShell(w)) w = XtParent(w);
  XWindowAttributes wa;
  return XtIsRealized(w) && XGetWindowAttributes(XtDisplay(w), XtWindow(w), &wa) &&
         wa.map_state == IsViewable;
}

}  // namespace qtest
