// Window positions, the display-free part: the geometry of the registered
// windows as plain rows, fitted into a small screen (-smallscreen) and
// scaled to the screen size.  src/state/ui/winpos.cpp moves these rows to
// and from the dialog registry Widgen_tbl.  Reading and writing the
// window-positions file itself comes with the rest of state saving.
#pragma once

#define WINPOS_SMALL_WIDTH 1024   // the screen -smallscreen lays the windows out for
#define WINPOS_SMALL_HEIGHT 768
#define WINPOS_SMALL_FONT "6x10"  // the font -smallscreen chooses when -fn gave none
#define WINPOS_BASE_WIDTH 1280    // the screen the built-in geometries are made for
#define WINPOS_BASE_HEIGHT 1024

// One registry row's geometry, with the registry's conventions: width -1 =
// the toolkit's size (height then unused), x -1 = the toolkit's place (y
// then unused); a height of -1 is unknown.
struct Winpos_geometry {
  int width, height, x, y;
};

// Fits one row into a screen of sw x sh pixels: a size larger than the
// screen becomes the screen's; a placed row moves up or left just enough
// for its known size to fit (a row of unknown size keeps its place when
// that place is on the screen, else moves to its last pixel).
void winpos_fit_row(Winpos_geometry *row, int sw, int sh);

// The -smallscreen part of reading the window positions: every row fitted
// into 1024 x 768 and, when font (capacity font_size) is empty, the font
// "6x10" put in it.
void winpos_small_screen(Winpos_geometry *rows, int count, char *font, int font_size);

// Scales the x and y (not the sizes) of every placed row from a 1280 x
// 1024 screen to width x height; unplaced rows stay -1.
void winpos_scale_positions(Winpos_geometry *rows, int count, int width, int height);
