// The main window: one form built once at start-up holding the menu bar and
// status area, the feature icon strip, the part list, the interaction area,
// the toggle row with the Legend and Info buttons, the quick-edit column, the
// graphics area and the bottom row of transformation and view buttons.
// Every global here is null until create_mainx_interf has run.
#pragma once

#include <X11/Intrinsic.h>
#include <X11/xpm.h>

extern Widget Main_control_form;          // the main form "mainForm" (= Main_intf[0])
extern Widget Main_menubar;               // menu bar "mainMenuBar"
extern Widget Main_status;                // status drawing area "mainStatDrawingArea"
extern Widget Main_featureicon_scrollwin; // feature icon strip "mainfeatScrollWin"
extern Widget Main_featureicon_rowcol;    // its work area "mainfeatRowColumn"
extern Widget Main_featscroll_up;         // arrow "mainfeatScrollUpButton" (strip scrolling)
extern Widget Main_featscroll_down;       // arrow "mainfeatScrollDnButton"
extern Widget Main_part_list;             // scrolled list "mainpartList"
extern Widget Main_partindic_list;        // indicator column "mainpartindicList"
extern Widget Main_part_vertscrollbar;    // the part list's vertical scroll bar
extern Widget Main_interact_win;          // scrolled window "maininteractScrollWin"
extern Widget Main_interact_rowcol;       // its work area "maininteractRowCol"
extern Widget Main_hsurf_tggl;            // "Shaded"
extern Widget Main_hline_tggl;            // "Hidden Line"
extern Widget Main_cursor_tggl;           // "Cursor"
extern Widget Main_line_tggl;             // "Line"
extern Widget Main_plane_tggl;            // "Plane"
extern Widget Main_axis_tggl;             // "Axis"
extern Widget Main_fastdisplay_tggl;      // "Fast Display"
extern Widget Main_info_button;           // " Info... "
extern Pixel Main_originfo_pixel;         // the Info button's initial background
extern Widget Main_showlegend_but;        // "Legend..."
#define MAIN_VIEWPOS_BUTTONS 10
extern Widget Main_viewpos_buttons[MAIN_VIEWPOS_BUTTONS];  // 0..6: +X +Y +Z -X -Y -Z Last; rest null
extern Widget Main_tooltips_tggl;         // "Tool Tips"

// Size constants of the main window.
extern const int Feature_icon_height;               // 31 px
extern const int Feature_icon_width;                // 44 px
extern const float Feature_icon_createheightfrac;   // 1.55: strip height 48 px
extern const float Feature_icon_scrollheightfrac;   // 1.4: one icon row when scrolling
extern const int Mode_icon_width;                   // 50 px

// Builds the main window under parent (Main_win[0]); returns the main form.
// Without a readable "icons/color.xpm" under the installation directory the
// program ends with status 255 after a box on standard error.
Widget create_mainx_interf(Widget parent);
// Expose callback of the status area.
void main_status_exposeCB(Widget w, XtPointer client, XtPointer call);

// Reads the icon picture "<installation>/icons/<file>" for a widget's
// screen (colour closeness 35000).  1 with *pixmap set, -1 when it cannot
// be read (*pixmap stays 0).
int read_icon_picture(Widget w, const char *file, Pixmap *pixmap);
