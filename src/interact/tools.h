// The mouse-button roles, the Tools menu state and the revolution tool's
// feedback area.  The tools arrive
// with the interaction subsystem; until then the menu has no entries.
#pragma once

extern int Middle_Mouse_Setting;  // middle button's role: 0 rotate, 1 translate, 4 zoom, 10 action, 11 pick, 12 none
extern int Right_Mouse_Setting;   // right button's role, same codes

void tools_menu_init();
void draw_revtool_area_gl();
