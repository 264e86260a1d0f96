// The real pointer of the test X server moved and pressed through XTest
// (xdotool), in the window pixels the client's code reads: columns from
// the window's left edge, rows from its bottom edge.
#pragma once

#include <X11/Xlib.h>

#include <string>
#include <vector>

namespace qtest {

// Runs xdotool with the words given; true when it succeeded.
bool xdotool(const std::vector<std::string> &words);

// The xdotool words that move the pointer onto pixel (column, row up) of
// window win on display dpy.
std::vector<std::string> pointer_to(Display *dpy, Window win, int column, int row_up);

}  // namespace qtest
