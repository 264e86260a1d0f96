// Tools menu and revolution-tool area (see tools.h).
#include "interact/tools.h"

int Middle_Mouse_Setting = 1;
int Right_Mouse_Setting = 4;

void tools_menu_init() {}
void draw_revtool_area_gl() {}
