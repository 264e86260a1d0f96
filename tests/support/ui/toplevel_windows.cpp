// Top-level windows (see toplevel_windows.h).
#include "toplevel_windows.h"

#include <X11/Xlib.h>

namespace qtest {

std::vector<std::string> viewable_window_titles(const std::string &display) {
  std::vector<std::string> titles;
  Display *dpy = XOpenDisplay(display.c_str());
  if (!dpy) return titles;
  Window root, parent, *kids = nullptr;
  unsigned int n = 0;
  XQueryTree(dpy, DefaultRootWindow(dpy), &root, &parent, &kids, &n);
  for (unsigned int i = 0; i < n; i++) {
    char *name = nullptr;
    XWindowAttributes wa;
    if (XFetchName(dpy, kids[i], &name) && name) {
      if (XGetWindowAttributes(dpy, kids[i], &wa) && wa.map_state == IsViewable)
        titles.push_back(name);
      XFree(name);
    }
  }
  if (kids) XFree(kids);
  XCloseDisplay(dpy);
  return titles;
}

}  // namespace qtest
