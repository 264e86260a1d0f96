// The client's whole main window built inside the test process, on a
// private X server, by the same start-up steps as the program (global
// defaults, interf_init), so that a test can press its real widgets and
// read their state directly.  HOME is a fresh temporary directory.
#pragma once

#include <functional>

namespace qtest {

// Builds and realises the main window on the first call; true when it is up.
bool inproc_main_window();
// Dispatches the client's events until pred() holds or timeout_ms passes.
bool inproc_wait_for(const std::function<bool()> &pred, int timeout_ms = 5000);

}  // namespace qtest
