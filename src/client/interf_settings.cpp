// Interface settings (see interf_settings.h).  The colour names get their
// defaults from the option parser's reset, before the options are read.
#include "client/interf_settings.h"

#include "client/defaults.h"

int Dpy_cnt = 1;
int Batch_mode = 0;
char Dpy_names[MAX_DISPLAYS][DISPLAY_NAME_TEXT];
char Section_colname[COLOR_NAME_TEXT];
char Hot_text_colname[COLOR_NAME_TEXT];
char Balloon_help_colname[COLOR_NAME_TEXT];
char Main_highlight_colname[COLOR_NAME_TEXT];
int Dont_use_stereo_in_window = 0;
int Stereo_in_window = 0;
int Use_multi_sampling = 1;
int Small_screen = 0;
int Noicons = 0;
int Balloon_help = 1;
static const Global_defaults Defaults(DEFAULTS_AT_START, Balloon_help);
int Menu_font_size = 13;
int Iconlabel_font_size = -1;
int Fixedfont = 0;
char User_specified_font[FONT_NAME_TEXT] = "";
int Mgd_geometry[4] = {-1, -1, -1, -1};
