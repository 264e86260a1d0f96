// The pointer through XTest (see xtest_pointer.h).
#include "xtest_pointer.h"

#include "harness.h"

namespace qtest {

bool xdotool(const std::vector<std::string> &words) {
  std::vector<std::string> argv{"/usr/bin/xdotool"};
  argv.insert(argv.end(), words.begin(), words.end());
  return run_program(argv).status == 0;
}

std::vector<std::string> pointer_to(Display *dpy, Window win, int column, int row_up) {
  XWindowAttributes wa;
  XGetWindowAttributes(dpy, win, &wa);
  int rx = 0, ry = 0;
  Window child;
  XTranslateCoordinates(dpy, win, wa.root, 0, 0, &rx, &ry, &child);
  return {"mousemove", std::to_string(rx + column), std::to_string(ry + wa.height - 1 - row_up)};
}

}  // namespace qtest
