// The mouse-button roles, the Tools menu state and the revolution tool's
// feedback area.  The tools arrive
// with the interaction subsystem; until then the menu has no entries.
#pragma once

extern int Middle_Mouse_Setting;  // middle button's role: 0 rotate, 1 translate, 4 zoom, 10 action, 11 pick, 12 none
extern int Right_Mouse_Setting;   // right button's role, same codes

void tools_menu_init();
// Shows one tool alone: which 0 cursor, 1 line, 2 plane, 3 the quadric
// tool of Curve_clip_tool; the others are hidden.
void tools_manage_oneatatime(int which);
// Sets the Tools menu's quadric radio toggles so that only kind is on (no
// menu entries yet: nothing).
void tools_adjust_dep_srftggls(int kind);
void draw_revtool_area_gl();
