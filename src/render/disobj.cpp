// Display settings (see disobj.h).
#include "render/disobj.h"

int Initial_screen = 0;
int Gwmain = 0;
int Dont_use_start_screen = 0;
int Plane_clipp_avail = 0;
int Solidt = 0;
int Hlinet = 0;
int Labnod = 1;
int Labele = 1;
int Labprt = 1;
int Doubuf = 0;
int Resort_transparent = 1;
int Box_mode = 0;
int Box_mode_always = 0;
int Box_mode_always_toggle = 0;
int Box_mode_toggle = 0;
int Software_light = 0;
int Plane_clipp_toggle = 0;
int Plane2_clipp_toggle = 0;
int How_many_pipes = 1;
int Wireframe_lines = 1;
int Use_stencil_buffer = 1;
int Quivane_display_list = 0;
