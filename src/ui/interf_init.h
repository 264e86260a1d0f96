// Interface start-up: the application context, the one or two X displays and
// their top-level shells, the OpenGL visuals of every display, the interface
// colours and the fallback resources.  interf_init builds all of it once,
// between the global defaults and the event loop; the small colour functions
// serve the main window, the graphics windows and the colour chooser.
#pragma once

#include <GL/glx.h>
#include <X11/Intrinsic.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "client/interf_settings.h"

#define FALLBACK_ROWS 9
#define FALLBACK_TEXT 200


extern XtAppContext App_con;               // the one application context, null until start-up
extern Display *Dpys[MAX_DISPLAYS];        // [0] main display, [1] detached graphics display; null = none
extern Widget Main_win[MAX_DISPLAYS];      // top-level shell per display; null until built
extern Widget Main_intf[MAX_DISPLAYS];     // main interface form per display; null until built
extern XVisualInfo *Visinfo[MAX_DISPLAYS];         // normal GL visual per display, null = none
extern XVisualInfo *Visinfo_stereo[MAX_DISPLAYS];  // stereo GL visual per display, null = none
extern int Doublebufferavail;    // 1 = double-buffered visual, 0 = single-buffered only
extern int Overlaybufferavail;   // always 0
extern int Machinetype;          // screen class: 0 above 1000 px high, 2 for 905..1000, 1 up to 904
extern Colormap Main_color_map;  // shareable colormap of display 0's GL windows; 0 until start-up
extern XColor Red;               // error level colour of the Info button
extern XColor Realgreen;         // information level colour ("mediumspringgreen")
extern XColor Darkgreen;         // level 0 colour
extern XColor Yellow;            // warning level colour
extern XColor Green;             // highlight of changed values and selections
extern XColor Section_color;     // foreground of section titles
extern XColor Hot_text_color;    // hot text
extern XColor Balloon_help_color;  // balloon background
extern Pixel Qvn_backgroundpix;  // cached button background of the main window, 0 until read
extern Pixel Qvn_foregroundpix;  // cached button foreground
extern Pixel Qvn_topshadowpix;   // cached top shadow
extern Pixel Qvn_btmshadowpix;   // cached bottom shadow
extern String Fallback_resources[FALLBACK_ROWS + 1];  // the nine resources and a null end

// Builds the interface; 1.  Every failure ends the program with status 1.
int interf_init(int argc, char **argv);
// The fallback resources as they are before interf_init rewrites them.
void fallback_resources_reset();
// Rewrites the fallback resources from Widgen_tbl rows 0 and 14, the
// -smallscreen option and the -fn font (step 3 of the start-up).
void fallback_resources_rewrite();
// Screen class of a screen height in pixels (the values of Machinetype).
int machine_type_for_height(int height);
// What the start-up sets for a screen class when no -menuf was given: the
// menu font size (13, 9, 10) and the main shell width (535, 410, 485).  The start-up applies the width on the small
// screens (classes 1 and 2); class 0 keeps the registry's width.
void screen_class_settings(int type, int *menu_font_size, int *shell_width);

void get_needed_ui_colors();
void get_ui_colorpixelonly(Pixel *bg, Pixel *fg, Pixel *top, Pixel *bottom);
void get_ui_colors(int bg[3], int fg[3], int top[3], int bottom[3]);
void get_select_color(int rgb[3]);
void displaysize(int *width, int *height);
Colormap getshareablecolormap(Display *dpy, XVisualInfo *vi);
int gl_extension_available(Display *dpy, const char *name);

// X error handler of the client: reports the error on standard error and
// lets the client go on.
int qvn_x_error_report(Display *dpy, XErrorEvent *ev);
