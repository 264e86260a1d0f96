// Stereo and 6-D input settings (see stereo.h).
#include "interact/stereo.h"

#include "view/viewports.h"

int Stereo_mode = 0;
float Stereo_offset = 10.0f;
int Stereo_xres = 0;
int Stereo_yres = 0;
int Input_6d = 0;

void draw_imersa_cross(int, int) {}

int Full_screen_mode = 0;

void process_stereo_cmd(int on) {
  if ((on != 0) == (Stereo_mode != 0)) return;
  Stereo_mode = on != 0;
  viewports_display_all();
}

void process_full_screen_cmd(int on) {
  if ((on != 0) == (Full_screen_mode != 0)) return;
  Full_screen_mode = on != 0;
}
