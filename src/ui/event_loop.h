// Event loop helpers: key auto-repeat and the geometry of the detached
// graphics display.
#pragma once

// Switches the X server's key auto-repeat (1 on, 0 off). It has no effect in
// this system; callers rely only on its returning.
void set_keyboard_repeat(int on);
// Stores each value that is not -1 as the width, height, x or y of the
// detached graphics display; -1 keeps that value.
void setsecondary_graphicswin_pos(int width, int height, int x, int y);
// Reads the stored geometry of the detached graphics display.
void getsecondary_graphicswin_pos(int *width, int *height, int *x, int *y);
