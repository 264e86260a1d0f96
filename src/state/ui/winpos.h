// Window positions of the registered dialogs.  Reading the window-positions
// file arrives with state saving; until then no file is found.
#pragma once

// Looks for the window positions file; 0 when none was found, else 1.
int get_winpos();
// Scales the x and y (not the sizes) of every Widgen_tbl row from a 1280 x
// 1024 screen to width x height; -1 positions stay -1.
void adjust_winpos_byscreensize(int width, int height);
