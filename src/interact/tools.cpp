// Tools menu and revolution-tool area (see tools.h).
#include "interact/tools.h"

#include "interact/support.h"

int Middle_Mouse_Setting = 1;
int Right_Mouse_Setting = 4;

void tools_menu_init() {}

void tools_manage_oneatatime(int which) {
  Curson = which == 0;
  Lineon = which == 1;
  Planon = which == 2;
  if (which != 3) Curve_clip_tool = 0;
}

void tools_adjust_dep_srftggls(int) {}
void draw_revtool_area_gl() {}
