// Interface start-up. The displays, visuals, fonts and the main window are
// not built yet; the command line is read so that its settings apply.
#include "ui/interf_init.h"

#include "client/options.h"
#include "ui/textc_windep.h"

int Dpy_cnt = 1;
char Dpy_names[MAX_DISPLAYS][DISPLAY_NAME_TEXT];
char Section_colname[COLOR_NAME_TEXT];
char Hot_text_colname[COLOR_NAME_TEXT];
char Balloon_help_colname[COLOR_NAME_TEXT];
char Main_highlight_colname[COLOR_NAME_TEXT];
int Dont_use_stereo_in_window = 0;
int Use_multi_sampling = 1;
int Small_screen = 0;

int interf_init(int argc, char **argv) {
  Menu_font_size = 13;
  process_args(argc, argv);
  return 0;
}
