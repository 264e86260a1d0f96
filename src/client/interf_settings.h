// Settings of the interface that the options (and later the preference
// files) choose before the main window is built: the displays, the
// interface colours and fonts, icons, balloon help, the small-screen layout
// and the place of the detached graphics window.  The Motif layer reads
// them when it builds the interface; the logic never needs a display for
// them.
#pragma once

#define MAX_DISPLAYS 2
#define DISPLAY_NAME_TEXT 100
#define COLOR_NAME_TEXT 25
#define FONT_NAME_TEXT 100

extern int Dpy_cnt;                                     // displays in use, 1 or 2
extern int Batch_mode;  // 1 = running without windows: node id labels are not rebuilt
extern char Dpy_names[MAX_DISPLAYS][DISPLAY_NAME_TEXT];  // entry 1: the extra display's name
extern char Section_colname[COLOR_NAME_TEXT];           // dialog section titles ("maroon4")
extern char Hot_text_colname[COLOR_NAME_TEXT];          // hot text ("red3")
extern char Balloon_help_colname[COLOR_NAME_TEXT];      // balloon background ("yellow")
extern char Main_highlight_colname[COLOR_NAME_TEXT];    // changed fields, selections ("mediumspringgreen")
extern int Dont_use_stereo_in_window;                   // 1 = no stereo or multisample visual asked
extern int Stereo_in_window;  // 1 = stereo is drawn in a window (a stereo visual was found), 0 = full screen
extern int Use_multi_sampling;                          // 1 = a multisample visual may be asked
extern int Small_screen;                                // 1 = windows laid out for 1024 x 768
extern int Noicons;                                     // 1 = feature buttons shown without pictures (-ni)
extern int Balloon_help;                                // 1 = balloon help shown
extern int Menu_font_size;            // requested size; after the font choice the chosen font's size (13)
extern int Iconlabel_font_size;       // requested icon-label size, -1 = derived from the menu size
extern int Fixedfont;                 // 1 = every dialog label uses the menu font (-ff), else 0
extern char User_specified_font[FONT_NAME_TEXT];  // -fn font name, "" = none
// Detached graphics window asked for by -mgdpos: width, height, x, y in
// pixels; -1 keeps the stored value.
extern int Mgd_geometry[4];
