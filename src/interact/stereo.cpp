// Stereo and 6-D input settings (see stereo.h).
#include "interact/stereo.h"

int Stereo_mode = 0;
float Stereo_offset = 10.0f;
int Stereo_xres = 0;
int Stereo_yres = 0;
int Input_6d = 0;

void draw_imersa_cross(int, int) {}
