// Window positions of the registered dialogs (Widgen_tbl).  The geometry
// logic is display-free in state/winpos.h; reading the window-positions
// file arrives with state saving, until then no file is found.
#pragma once

// The part of reading the window positions that needs no file: with
// -smallscreen every row is fitted into 1024 x 768 pixels and, when -fn gave
// no font, the font becomes "6x10".  0 when no file was found (always, for
// now), else 1.
int get_winpos();
// Scales the x and y (not the sizes) of every Widgen_tbl row from a 1280 x
// 1024 screen to width x height; -1 positions stay -1.
void adjust_winpos_byscreensize(int width, int height);
