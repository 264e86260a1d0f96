#include "inproc_main_window.h"

#include <X11/Intrinsic.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>

#include "client/startup.h"
#include "harness.h"
#include "ui/interf_init.h"
#include "ui/main_window.h"

namespace qtest {

bool inproc_main_window() {
  static std::unique_ptr<Xvfb> server;
  static std::unique_ptr<TempDir> home;
  static bool up = false;
  if (up) return true;
  if (!server) {
    server = std::make_unique<Xvfb>();
    home = std::make_unique<TempDir>("qinproc");
  }
  if (!server->ok()) return false;
  setenv("DISPLAY", server->display().c_str(), 1);
  setenv("HOME", home->path().c_str(), 1);
  main_set_installation_directory(source_home().c_str());
  general_globals_init();
  static char arg0[] = "quivane7";
  static char *argv[] = {arg0, nullptr};
  interf_init(1, argv);
  up = Main_control_form != nullptr;
  if (up) inproc_wait_for([] { return XtIsRealized(Main_control_form) && XtWindow(Main_control_form); });
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

}  // namespace qtest
