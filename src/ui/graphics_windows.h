// The main graphics window of every display (one, or two with -mgd) and its
// GL contexts.  A display's window exists in up to four forms, each a GL
// drawing area with its own widget, X window and context: the normal form,
// the stereo form, and two variable-size forms (normal and stereo visual) in
// a pop-up dialog used while an animation is recorded; a pixel buffer may
// take the variable-size normal form's place for off-screen rendering.  One
// form is a display's current form; window code 0 draws into it.  All
// arrays are indexed by the display index and start empty (null / 0).
#pragma once

#include <GL/glx.h>
#include <X11/Intrinsic.h>

#define GWIN_DISPLAYS 2

extern Widget Gwxwidget[GWIN_DISPLAYS];          // current form's widget
extern Window Gwxmain[GWIN_DISPLAYS];            // current form's drawable (window or pixel buffer)
extern GLXContext Gwxcontext[GWIN_DISPLAYS];     // current form's context
extern Widget Gwxwidgetnorm[GWIN_DISPLAYS];      // normal form
extern Window Gwxmainnorm[GWIN_DISPLAYS];
extern GLXContext Gwxcontextnorm[GWIN_DISPLAYS];
extern Widget Gwxwidgetstereo[GWIN_DISPLAYS];    // stereo form
extern Window Gwxmainstereo[GWIN_DISPLAYS];
extern GLXContext Gwxcontextstereo[GWIN_DISPLAYS];
extern Widget Gwxwidgetvarnorm[GWIN_DISPLAYS];   // variable-size normal form
extern Window Gwxmainvarnorm[GWIN_DISPLAYS];
extern GLXContext Gwxcontextvarnorm[GWIN_DISPLAYS];
extern Widget Gwxwidgetvarstereo[GWIN_DISPLAYS]; // variable-size stereo form
extern Window Gwxmainvarstereo[GWIN_DISPLAYS];
extern GLXContext Gwxcontextvarstereo[GWIN_DISPLAYS];
extern Widget Graphics_vargwin_dialog[GWIN_DISPLAYS];  // "VariableSizeGwinDialog", null = none
extern GLXFBConfig *Gwxpbufconfig[GWIN_DISPLAYS];      // frame-buffer configurations found, null = none
extern Window Gwxmainpbuf[GWIN_DISPLAYS];              // the pixel buffer, 0 = none
extern GLXContext Gwxcontextpbuf[GWIN_DISPLAYS];       // its context
extern int Gwin_first_exposed[GWIN_DISPLAYS];          // 1 once the display's first expose ran
extern Widget Graphics_form;         // "MainViewDialog", display 0's graphics area in the main window
extern int Pbuffer_rendering;        // 1 while the graphics go to the pixel buffer
extern int Pbuffer_width;            // pixel-buffer size in pixels, 0 when none
extern int Pbuffer_height;
extern GLuint Main_font_base;        // first display list of the main bitmap font, 0 = none

// Drawing areas of the forms.  The argument list is applied after the
// visual; for display 0 the input callback and the enter handler are added.
Widget gwin_create(Widget parent, ArgList args, Cardinal nargs, int dpy);
Widget gwin_stereo_create(Widget parent, ArgList args, Cardinal nargs, int dpy);
Widget gwin_vargwinnorm_create(Widget parent, ArgList args, Cardinal nargs, int dpy);
Widget gwin_vargwinstereo_create(Widget parent, ArgList args, Cardinal nargs, int dpy);
// Display 0's graphics area of the main window: form "MainViewDialog".
Widget gen_graphics_win(Widget parent, ArgList args, Cardinal nargs);
// The display's stereo area beside its normal one; null without a stereo visual.
Widget gen_stereographics_win(int dpy, int unused1, int unused2);
void genmanage_vargwin_windep(int normal, short x, short y, unsigned short width,
                              unsigned short height, int dpy);
// Exchanges the display's main window between its normal and stereo forms.
// -1 when the stereo form is asked for and the display has no stereo visual.
int swap_norm_stereo(int to_normal, int dpy);
void swapvar_norm_stereo(int normal, short x, short y, unsigned short width,
                         unsigned short height, int show, int dpy);
// Selects the left or right stereo buffer of every display's current window.
void toggle_stereo_buffer(int buffer);

// GL drawing-area callbacks of every area of the system.
void gwin_initCB(Widget w, XtPointer client, XtPointer call);
void gwin_exposeCB(Widget w, XtPointer client, XtPointer call);
void gwin_resizeCB(Widget w, XtPointer client, XtPointer call);
// Structure-notify handler of the top-level shells.
void gwin_reconfigureECB(Widget w, XtPointer client, XEvent *ev, Boolean *go_on);
void gwin_iconificationECB(Widget w, XtPointer client, XEvent *ev, Boolean *go_on);
// X error handler while a pixel buffer is made: "Error code %s\n"; 0.
int gwin_catchpbuf_error(Display *dpy, XErrorEvent *ev);

// Writes the four attachments to the form's sides into a (room for 4); 4.
Cardinal gwin_attach_all_args(Arg *a);

// Builds the bitmap display lists of the X font "-adobe-times-medium-r-normal--14*"
// in the current context; the list base, or 0 after "no font found" /
// "out of display lists" on standard output.
GLuint gwin_build_font_lists(Display *dpy);
