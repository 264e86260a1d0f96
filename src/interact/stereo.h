// Stereo display and 6-D input settings of the graphics windows.
#pragma once

extern int Stereo_mode;       // 1 while the stereo display is on
extern float Stereo_offset;   // divisor of the eye separation (distance x tan(angle) / offset)
extern int Stereo_xres;       // full-screen stereo field width, pixels
extern int Stereo_yres;       // full-screen stereo field height, pixels
extern int Input_6d;          // 1 while the 6-D input device is switched on

// The 6-D device's cross in the scene for the eye (0 left, 1 right) of the
// stereo setting; no 6-D device exists: nothing is drawn.
void draw_imersa_cross(int stereo, int eye);

// The "view:" stereo and full-screen entries: each switches only when the
// requested state (0 off, 1 on) differs from the current one.  Stereo draws
// through the redraw driver's stand-in; full screen is only remembered.
extern int Full_screen_mode;  // 1 while the graphics window fills the screen
void process_stereo_cmd(int on);
void process_full_screen_cmd(int on);
