// Display driver entries of the graphics windows: per-display pixel bounds,
// the OpenGL set-up of a display's main window, the start screen, the
// "Selected Part(s) Window" drawing and the View menu.  The drawing of parts
// arrives with rendering; until then a window is cleared to the background.
#pragma once

extern int Dpy_current;  // index of the display being drawn, 0 or 1

// Mode 1 stores the four pixel bounds of display dpy's graphics window,
// mode 0 reads them into the arguments.  0.
int grasal(int *xmin, int *xmax, int *ymin, int *ymax, int dpy, int mode);
// Sets up the OpenGL state of display dpy's main window once and turns the
// start screen on (Initial_screen 1 unless -no_start_screen).
void vwint(int dpy);
// Draws the start screen of display dpy.
void initial_screen(int dpy);
// Clears the current window to the background colour and presents it.
void clear_current_window();
void part_draw_init();
void part_show_refresh();
// Sets the View menu toggles from the display state.
void view_menu_init();
