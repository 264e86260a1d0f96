// The client's whole main window built inside the test process, on a
// private X server, by the same start-up steps as the program (global
// defaults, interf_init), so that a test can press its real widgets and
// read their state directly.  HOME is a fresh temporary directory.
#pragma once

#include <X11/Intrinsic.h>

#include <functional>
#include <string>
#include <vector>

namespace qtest {

// Builds and realises the main window on the first call; true when it is up.
bool inproc_main_window();
// The same on a private Xvfb of width x height, the client started with the
// options args (for example "-smallscreen"); only the first call of either
// form builds, later calls return whether the window is up.
bool inproc_main_window(int width, int height, const std::vector<std::string> &args);
// Dispatches the client's events until pred() holds or timeout_ms passes.
bool inproc_wait_for(const std::function<bool()> &pred, int timeout_ms = 5000);
// Runs fn from a timer of the client's application context after delay_ms,
// while a modal wait of the code under test dispatches events.
void inproc_after(int delay_ms, std::function<void()> fn);

// Where the shell of w is on the screen, borders included.
struct ScreenRect {
  int x, y, w, h;
};
ScreenRect shell_on_screen(Widget w);
// Whether the shell of w is mapped and viewable.
bool shell_viewable(Widget w);

}  // namespace qtest
