// Window codes: every drawing routine names a GL window by a code and a
// display index.  Code 0 is a display's current main graphics form; code 1
// has no window; 2..12, 14, 15, 17, 18 are the small GL areas inside
// dialogs; 20..24 the five time-set scales; 13, 16 and 19 are unassigned.
// This module owns the small areas' widget, window and context globals, the
// current code and display, and the legend font's list base.
#pragma once

#include <GL/glx.h>
#include <X11/Intrinsic.h>

#include "client/screen.h"

#define TIMESET_SCALES 5

extern Widget Funxhistwidget;  extern Window Funxhistwin;  extern GLXContext Funxhistcontext;   // 2
extern Widget Funxwidget;      extern Window Funxwin;      extern GLXContext Funxcontext;       // 3
extern Widget Partvpviswidget; extern Window Partvpviswin; extern GLXContext Partvpviscontext;  // 4
extern Widget Transf_whichvp_widget; extern Window Transf_whichvp_win;
extern GLXContext Transfwhichvcontext;                                                          // 5
extern Widget Colorselpatchwidget; extern Window Colorselpatchwin;
extern GLXContext Colorselpatcontext;                                                           // 6
extern Widget Colorselmixwidget; extern Window Colorselmixwin; extern GLXContext Colorselmixcontext;  // 7
extern Widget Showwidget;      extern Window Showxwin;     extern GLXContext Showcontext;       // 8
extern Widget Backgrviewcolorwidget; extern Window Backgrviewcolorwin;
extern GLXContext Backgrviewcolorcontext;                                                       // 9
extern Widget Qedpartvpviswidget; extern Window Qedpartvpviswin;
extern GLXContext Qedpartvpviscontext;                                                          // 10
extern Widget Zclip_view_widget; extern Window Zclip_view_win; extern GLXContext Zclipviewcontext;   // 11
extern Widget Viewer_view_widget; extern Window Viewer_view_win;
extern GLXContext Viewerviewcontext;                                                            // 12
extern Widget Casevpviswidget; extern Window Casevpviswin; extern GLXContext Casevpviscontext;  // 14
extern Widget Feedback_rev_widget; extern Window Feedback_rev_win;
extern GLXContext Feedbackrevcontext;                                                           // 15
extern Widget Flpbkstatwidget; extern Window Flpbkstatwin; extern GLXContext Flpbkstatcontext;  // 17
extern Widget Transfredoviewpwidget; extern Window Transfredoviewpwin;
extern GLXContext Transfwhichredocontext;                                                       // 18
extern Widget Featintr_timesetscale_garea[TIMESET_SCALES];       // 20..24
extern Window Featintr_timesetscale_gwin[TIMESET_SCALES];
extern GLXContext Featintr_timesetscale_gcontext[TIMESET_SCALES];
extern GLuint Legend_font_base;  // first display list of the legend's bitmap font, 0 = none

// The OpenGL entries of the Motif screen: gwin_gl_curwin with set non-zero
// records *code / *dpy as current and binds that window's context (nothing
// is bound for a code whose window does not exist), with set 0 stores the
// current code and display; swapbuffers presents what was drawn in the
// current window.
void window_codes_screen(Screen_ops *ops);
// Position (lower-left corner, y-up) and size of the current window; zeros
// for a code without a window.
void get_win_current_location(int *x, int *y, int *width, int *height);
// Pops up the dialog holding the window of code (code 0: every display's shell).
void gwin_pop_windep(int code);
// Draws text at the current raster position with the bitmap font lists.
void printString(const char *text);

// Creators of the small areas (managed; display 0's normal visual).
Widget gwin_varhistogram_create(Widget parent, ArgList args, Cardinal nargs);
Widget gwin_varlegend_create(Widget parent, ArgList args, Cardinal nargs);
Widget gwin_colorselpatch_create(Widget parent, ArgList args, Cardinal nargs);
Widget gwin_colorselmix_create(Widget parent, ArgList args, Cardinal nargs);
Widget gwin_partviewpvis_create(Widget parent, ArgList args, Cardinal nargs);
Widget gwin_qedpartviewpvis_create(Widget parent, ArgList args, Cardinal nargs);
Widget gwin_transfwhichviewp_create(Widget parent, ArgList args, Cardinal nargs);
Widget gwin_caseviewpvis_create(Widget parent, ArgList args, Cardinal nargs);
Widget gwin_flipstatus_create(Widget parent, ArgList args, Cardinal nargs);
Widget gwin_viewpcolor_create(Widget parent, ArgList args, Cardinal nargs);
Widget gwin_transfviewpsel_create(Widget parent, ArgList args, Cardinal nargs);
Widget gwin_zclip_create(Widget parent, ArgList args, Cardinal nargs);
Widget gwin_viewer_create(Widget parent, ArgList args, Cardinal nargs);
Widget gwin_transfrevtool_create(Widget parent, ArgList args, Cardinal nargs);
Widget gwin_timesetscale_create(Widget parent, ArgList args, Cardinal nargs);
Widget gwin_show_create(Widget parent, ArgList args, Cardinal nargs);
// The "Selected Part(s) Window"; also stored in Graphics_show_dialog.
Widget gen_showparts_win();
extern Widget Graphics_show_dialog;  // the "Selected Part(s) Window", null until built

// Init, expose and resize of a small area (called by the drawing-area
// callbacks for a widget that is no main form).
void gwin_small_area_init(Widget w, XtPointer client, XtPointer call);
void gwin_small_area_expose(Widget w, XtPointer client, XtPointer call);
void gwin_small_area_resize(Widget w, XtPointer client, XtPointer call);
