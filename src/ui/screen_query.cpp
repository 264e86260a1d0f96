// Pointer, screen and window queries; no state of its own.
#include "ui/screen_query.h"

#include <X11/Intrinsic.h>

#include "ui/mainwin_state.h"

static Window main_shell_window(int dpy) {
  Widget shell = Main_win[dpy];
  return shell && XtIsRealized(shell) ? XtWindow(shell) : 0;
}

int get_mouse_info(Window win, int *b1, int *b2, int *b3, int *x, int *y, int dpy) {
  Display *d = Dpys[dpy];
  if (!d) return 0;
  bool screen = win == 0;
  if (screen) win = main_shell_window(dpy) ? main_shell_window(dpy) : Gwxmain[dpy];
  if (!win) win = DefaultRootWindow(d);
  Window root, child;
  int rx = 0, ry = 0, wx = 0, wy = 0;
  unsigned int mask = 0;
  Bool same = XQueryPointer(d, win, &root, &child, &rx, &ry, &wx, &wy, &mask);
  *b1 = (mask & Button1Mask) ? 1 : 0;
  *b2 = (mask & Button2Mask) ? 1 : 0;
  *b3 = (mask & Button3Mask) ? 1 : 0;
  if (screen) {
    *x = rx;
    *y = DisplayHeight(d, DefaultScreen(d)) - ry - 1;
    return same ? 1 : 0;
  }
  XWindowAttributes wa;
  if (!XGetWindowAttributes(d, win, &wa)) return 0;
  if (!same) return 0;
  *x = wx;
  *y = wa.height - wy - 1;
  return wx >= 0 && wx < wa.width && wy >= 0 && wy < wa.height ? 1 : 0;
}

void get_pointer_in_window(Window win, int *x, int *y, int dpy) {
  int b1, b2, b3;
  get_mouse_info(win, &b1, &b2, &b3, x, y, dpy);
}

void get_x_screensize(int *width, int *height, int dpy) {
  Display *d = Dpys[dpy];
  if (!d) return;
  *width = DisplayWidth(d, DefaultScreen(d));
  *height = DisplayHeight(d, DefaultScreen(d));
}

static int Query_failed = 0;
static int note_query_error(Display *, XErrorEvent *) {
  Query_failed = 1;
  return 0;
}

int get_win_size(Window win, int *width, int *height, int dpy) {
  Display *d = Dpys[dpy];
  if (!d) return -1;
  if (win == 0) win = main_shell_window(dpy);
  if (win == 0) return -1;
  // A window that is gone must not end the program through the default
  // error handler: catch the error for the length of the query.
  XSync(d, False);
  Query_failed = 0;
  XErrorHandler previous = XSetErrorHandler(note_query_error);
  XWindowAttributes wa;
  Status ok = XGetWindowAttributes(d, win, &wa);
  XSync(d, False);
  XSetErrorHandler(previous);
  if (!ok || Query_failed) return -1;
  *width = wa.width;
  *height = wa.height;
  return 1;
}

void get_win_location(Window win, int *x, int *y, int *width, int *height, int dpy) {
  if (Pbuffer_rendering && win != 0 && win == Gwxmainpbuf[dpy]) {
    *x = *y = 0;
    *width = Pbuffer_width;
    *height = Pbuffer_height;
    return;
  }
  int b1, b2, b3, sx = 0, sy = 0, wx = 0, wy = 0;
  get_mouse_info(0, &b1, &b2, &b3, &sx, &sy, dpy);
  get_pointer_in_window(win, &wx, &wy, dpy);
  *x = sx - wx;
  *y = sy - wy;
  get_win_size(win, width, height, dpy);
}
