// Interface start-up: displays, visuals and the interface colour names.
#pragma once

#define MAX_DISPLAYS 2
#define DISPLAY_NAME_TEXT 100
#define COLOR_NAME_TEXT 25

extern int Dpy_cnt;                                     // displays in use, 1 or 2
extern char Dpy_names[MAX_DISPLAYS][DISPLAY_NAME_TEXT];  // entry 1: the extra display's name
extern char Section_colname[COLOR_NAME_TEXT];           // dialog section titles ("maroon4")
extern char Hot_text_colname[COLOR_NAME_TEXT];          // hot text ("red3")
extern char Balloon_help_colname[COLOR_NAME_TEXT];      // balloon background ("yellow")
extern char Main_highlight_colname[COLOR_NAME_TEXT];    // changed fields, selections ("mediumspringgreen")
extern int Dont_use_stereo_in_window;                   // 1 = no stereo or multisample visual asked
extern int Use_multi_sampling;                          // 1 = a multisample visual may be asked
extern int Small_screen;                                // 1 = windows laid out for 1024 x 768

// Builds the user interface. For now it only reads the command line: the
// menu font size starts at 13 and the options are parsed. 0.
int interf_init(int argc, char **argv);
