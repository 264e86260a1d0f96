// The main window at any width: its minimum size, and the rows that adapt
// to the width.  At the widths the built layout fits (one menu bar line with
// the status area at its right, one toggle row, one bottom row) it stands
// as built.  A narrower window keeps every menu
// title and every button visible instead of letting them overlap: the
// status area moves under the menu bar, and the toggle row and the bottom
// row of transformation and view buttons flow onto as many lines as they
// need (the toggle row's lines downwards, the bottom row's upwards), the
// graphics area giving up the height.  The shell's minimum size is the
// smallest at which all of that still fits with a little graphics area.
#pragma once

#include <X11/Intrinsic.h>

// Lays the main window out for its shell width and sets the shell's minimum
// size; follows every later width of the shell.  Called once, by the
// interface start-up, when the main window has been realised (every piece
// then has its size).
void main_layout_init();

// Lays the adaptive rows out for a main window width (pixels); does nothing
// when the lines do not change.  Called for every new width of the shell.
void main_layout_adapt(int width);

// The smallest main window size at which every menu title and every button
// of the toggle and bottom rows is visible and nothing overlaps.
void main_layout_minimum(int *width, int *height);

// Number of lines the toggle row and the bottom row take now (1 each at the
// widths the built layout fits), and whether the status area is under the
// menu bar.
int main_layout_toggle_lines();
int main_layout_bottom_lines();
int main_layout_status_below();
