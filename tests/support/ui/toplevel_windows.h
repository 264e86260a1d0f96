// The top-level windows of an X display as a test sees them without a
// window manager: the root window's children, with their titles.
#pragma once

#include <string>
#include <vector>

namespace qtest {

// The titles (WM_NAME) of the viewable top-level windows of display.
std::vector<std::string> viewable_window_titles(const std::string &display);

}  // namespace qtest
