// Where the pointer is, which mouse buttons are down, how large a screen is
// and where a window lies on it.  Every coordinate is y-up (counted from the
// bottom edge of the screen or window) as the drawing code counts it; every
// function takes the display index (0 main, 1 detached graphics display).
#pragma once

#include <X11/Xlib.h>

// Buttons 1..3 (1 = down) and the pointer in window win (0 = the screen, in
// screen coordinates).  1 when the pointer is on the screen (window 0) or
// inside the window (0 <= x < width, 0 <= y < height), else 0.  With the
// pointer on another screen x and y are left unchanged.
int get_mouse_info(Window win, int *b1, int *b2, int *b3, int *x, int *y, int dpy);
void get_pointer_in_window(Window win, int *x, int *y, int dpy);
void get_x_screensize(int *width, int *height, int dpy);
// Size of win (0 = the display's main shell); 1, or -1 when it cannot be read.
int get_win_size(Window win, int *width, int *height, int dpy);
// Lower-left corner of win on the screen (y-up) and its size.
void get_win_location(Window win, int *x, int *y, int *width, int *height, int dpy);
