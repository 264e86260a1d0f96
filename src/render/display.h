// Display driver entries of the graphics windows: per-display pixel bounds,
// the OpenGL set-up of a display's main window, the start screen, the
// "Selected Part(s) Window" drawing and the View menu.  The drawing of parts
// arrives with rendering; until then a window is cleared to the background.
#pragma once

extern int Dpy_current;         // index of the display being drawn, 0 or 1
extern float Anim_aspect_ratio;  // pixel-aspect correction of every projection, 1.0

// Mode 1 stores the four pixel bounds of display dpy's graphics window,
// mode 0 reads them into the arguments.  0.
int grasal(int *xmin, int *xmax, int *ymin, int *ymax, int dpy, int mode);
// Sets up the OpenGL state of display dpy's main window and turns the start
// screen on (Initial_screen 1 unless -no_start_screen).  The first call also
// gives viewport 0 its start-up background and pixel rectangle, selects it
// alone, and for display 0 sets up the initial view around the box -1..1
// and resets the model transformation of all sixteen viewports.
void vwint(int dpy);
// Draws the start screen of display dpy.
void initial_screen(int dpy);
// Redraws every display with the current viewport's view.  Until the redraw
// driver arrives a window is cleared to the background, as
// viewports_display_all does.
void display_all();
// Clears the current window to the background colour and presents it.
void clear_current_window();
void part_draw_init();
void part_show_refresh();
// Sets the View menu toggles from the display state.
void view_menu_init();

// Per-axis extremes of the parts shown in the viewport as it shows them;
// -1 and 1 on each axis when no part contributes (none is drawn yet).
void find_min_max_viewport(int viewport, float *x_min, float *x_max, float *y_min, float *y_max,
                           float *z_min, float *z_max);

// GL lists of parts and glyphs live in display 1's context when two
// displays are in use: with display 0 current, enter makes display 1's main
// graphics window current and returns 1; leave(1) makes display 0 current
// again.  Otherwise both do nothing (enter returns 0).
int display_lists_context_enter();
void display_lists_context_leave(int switched);
