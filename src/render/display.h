// Display driver entries of the graphics windows: per-display pixel bounds,
// the OpenGL set-up of a display's main window, the start screen and the
// View menu (the "Selected Part(s) Window" is part_show.h's).  The drawing of parts
// arrives with rendering; until then a window is cleared to the background.
#pragma once

#include "render/redraw.h"  // display_all and its variants

extern int Dpy_current;         // index of the display being drawn, 0 or 1
extern float Anim_aspect_ratio;  // pixel-aspect correction of every projection, 1.0

extern int Display_gl_ready[2];         // 1 once vwint has set the display up
extern int Graphics_first_setup_done;   // 1 after the first vwint's one-time steps
extern int Start_screen_dismissed;      // 1 once data has been read; 0 shows the start screen
extern float Pick_scale_factor;         // picking tolerance factor, at least 1
extern float Machine_Eps;               // single-precision epsilon
extern double Machine_Eps_Double;       // double-precision epsilon

// Mode 1 stores the four inclusive pixel bounds of display dpy's graphics
// window and returns 1 when one of them changed, else 0; mode 0 reads them
// into the arguments (-1 before any store) and returns 0.  Any other mode
// or display: 0, nothing changed.
int grasal(int *xmin, int *xmax, int *ymin, int *ymax, int dpy, int mode);
// Sets up display dpy's GL context once (a second call does nothing): the
// first call anywhere also reads the picking tolerance, the epsilons and
// resets the part table and viewport 0; then the fixed GL state (depth
// LEQUAL, dither, pack alignment 1, back culling face, stencil clear 1,
// light 1 with ambient 0.2), for display 0 the initial view around -1..1
// and every viewport's transforms, and the start screen while it has not
// been dismissed.  Leaves display 0 current.
void vwint(int dpy);
// The picking factor of the text of QUIVANE_PICK_SCALE (null: unset): its
// "%f" value, at least 1; text that does not parse keeps `current`.
float pick_scale_from(const char *text, float current);
// The single- and double-precision epsilons found by halving, no smaller
// than 1.192093e-7 and 2.220446e-16.
void machine_epsilons(float *single, double *twice);
// Sends a light-model ambient (GL_LIGHT_MODEL_AMBIENT) or material
// specular, shininess or ambient-and-diffuse value only when it differs in
// any of its four components from the last one sent to the current
// display; GL_CLEAR forgets the display's last values.  Other names: nothing.
void open_gl_lighting_parameters(int which, const float v[4]);
// Draws the start screen of display dpy while Initial_screen is 1: the
// picture (read once from the installation directory unless
// Dont_use_start_screen) on display 1 of two or the only display, the two
// title lines otherwise (start_screen.cpp).
void initial_screen(int dpy);
// Clears the current window to the background colour and presents it.
void clear_current_window();
// Sets the View menu toggles from the display state.
void view_menu_init();


// GL lists of parts and glyphs live in display 1's context when two
// displays are in use: with display 0 current, enter makes display 1's main
// graphics window current and returns 1; leave(1) makes display 0 current
// again.  Otherwise both do nothing (enter returns 0).
int display_lists_context_enter();
void display_lists_context_leave(int switched);
