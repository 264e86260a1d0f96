// Command-line options (see options.h). The scan is one pass from left to
// right; a later option overrides an earlier one. Options that need a value
// take the next word; where the value is optional a word beginning with "-"
// is left to be read as the next option.
#include "client/options.h"

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "client/cases.h"
#include "client/ccp.h"
#include "client/command_dlog.h"
#include "client/conect.h"
#include "client/extdriver.h"
#include "client/startup.h"
#include "client/testcmd.h"
#include "data/data_dlog.h"
#include "palette/function.h"
#include "parts/read.h"
#include "render/disobj.h"
#include "state/backup.h"
#include "client/screen.h"
#include "client/interf_settings.h"

static const char *const Usage_text[] = {
    "USAGE: quivane7 [-c [machine name]] [-cm] [-case casefilename]\n"
    "[-smallscreen] [-iwd] [-ar 'full archive file'] [-menuf #]\n"
    "[-iconlblf #] [-nb] [-p playfile] [-sc 'color name']\n"
    "[-rsh 'Remote Shell Program'] [-ff] [-range10] [-hc 'color name']\n",
    "[-ports #] [-gl] [-no_start_screen]\n",
    "[-no_quad_stereo] [-help] [-h] [-no_stencil_buff]\n"
    "[-no_display_list] [-security [#]] [-timeout #] [-mgd] [-mgdpos]\n"
    "[-batch [width height]] [X Arguments]\n",
    "***** The following are Quivane specific parameters: ****\n",
    "     -ar         - Restore from specified archive file.\n",
    "     -batch [width height] - Batch mode with optional width and height. To\n",
    "                             use batch you must also start quivane with -X.\n",
    "     -c          - Machine name to execute the Quivane server on\n",
    "     -case       - Read Quivane case file and display part loader.\n",
    "     -cm         - Manual connection of server at startup.\n",
    "     -display_list - Will force Quivane to use display lists (this is default).\n",
    "     -ff         - use the default Quivane fixed font.\n",
    "     -gl         - Will increase line drawing performance on old SGI machines.\n",
    "     -h   \t      - Prints this USAGE text.\n",
    "     -hc         - Current Selection Highlight Color Name\n",
    "     -help\t      - Prints this USAGE text.\n",
    "     -iconlblf   - Mode panel icon label font size\n",
    "     -iwd        - Ignore the working directory in the quivane.connect.default file.\n",
    "     -menuf      - Menu font size\n",
    "     -mgd hostname:0.0 - Multiple graphic displays. Show model in a display detached from "
    "the main interface.\n",
    "     -mgdpos 800x800+0+0 - Detached display position. Xsize x Ysize + Xloc + Yloc.\n",
    "     -nb         - No automatic backup recording\n",
    "     -no_display_list - Will force Quivane to use immediate mode graphics.\n",
    "     -no_quad_stereo  - If stereo in a window is available, will do full screen stereo "
    "instead.\n",
    "     -no_multi_sampling - Do not use MultiSampling.\n",
    "     -no_start_screen - Will ignore the start screen image - good for HP using TGS "
    "OpenGL.\n",
    "     -no_stencil_buff - Will assume that there is no working stencil buffer (some NT "
    "boxes).\n",
    "     -p          - Command file to play\n",
    "     -ports      - Specify the port for socket communication.\n",
    "     -range10    - Use 10% palette ranges by default.\n",
    "     -readerdbg  - Prints out user-defined reader information.\n",
    "     -rsh        - Remote shell program to do automatic connection.\n",
    "     -sc         - Section Label Color Name\n",
    "     -security [#] - Forces a handshake between the client and server using the # "
    "provided or a random number.\n",
    "     -smallscreen - Sets window attributes based on the screen size of 1024x768.\n",
    "     -timeout #  - Number of seconds to wait for server; default=60; infinite=-1.\n",
    "NOTE: -ssh and -cierr are no longer needed with quivane7.\n",
    "***** The following are some generic X window parameters. ****\n",
    "***** See your X Window User Guide for the full list: ****\n",
    "     -bg         - Background Color\n",
    "     -fg         - Foreground Color\n",
    "     -fn         - Font name. Note use 'menuf' to help interface adjust size.\n",
    "     -font       - Same as fn above.\n",
    "                 - These parameters are useful to distinguish\n",
    "                 - between more than one Quivane session running or\n",
    "                 - to just pick a color that is more pleasing to your eye.\n",
    "                 - The string color names can also be found in\n",
    "                 - your X Window User Guide.  Some color name examples\n",
    "                 - are skyblue, plum, white, cyan, lightgray, turquoise.\n",
};

void usage() {
  for (const char *line : Usage_text) fputs(line, stderr);
  exit(1);
}

// The state of one scan: the words and the position of the word being read.
struct Scan {
  int argc;
  char **argv;
  int i;
  const char *next() const { return i + 1 < argc ? argv[i + 1] : nullptr; }
  bool next_is_value() const { return next() && next()[0] != '-'; }
};

// The value of an option that requires one: the next word, consumed; usage
// when there is none or it begins with "-".
static const char *required_value(Scan &s) {
  if (!s.next_is_value()) usage();
  return s.argv[++s.i];
}

// Copies a value into a buffer of the given capacity, or prints the message
// when the value does not fit; 1 when copied.
static int copy_or_refuse(char *dest, size_t capacity, const char *value, const char *message) {
  if (strlen(value) >= capacity) {
    fputs(message, stderr);
    return 0;
  }
  memcpy(dest, value, strlen(value) + 1);
  return 1;
}

// A port number of at least 1000, else the message and the usage text.
static int port_value(Scan &s, const char *message) {
  int port = atoi(required_value(s));
  if (port < 1000) {
    fputs(message, stderr);
    usage();
  }
  return port;
}

static int size_in_range(int size, int fallback) { return size < 4 || size > 50 ? fallback : size; }

// "-case dir/file": the directory goes to the current case's data directory,
// the rest becomes its case file, read at the first expose.
static void case_file_option(const char *value) {
  size_t len = strlen(value);
  if (len >= 255) {
    fprintf(stderr, "ERROR: Case file name too long.\n");
    exit(1);
  }
  if (len > 0 && value[len - 1] == '/') {
    fprintf(stderr, "ERROR: No Case file specified.\n");
    exit(1);
  }
  const char *slash = strrchr(value, '/');
  const char *file = value;
  if (slash) {
    char dir[PATH_TEXT];
    snprintf(dir, sizeof dir, "%.*s", (int)(slash - value), value);
    which_path(Case_num, dir, 1);
    file = slash + 1;
  }
  snprintf(Data_geom_file[Case_num], sizeof Data_geom_file[Case_num], "%s", file);
  Data_format[Case_num] = DATA_FORMAT_CASEFILE;
  Cmd_data_startstep = -1;
  Cmd_line_filespecified = 1;
  int geom, result, measured;
  datachange_flags(&geom, &result, &measured, 0);
  geom = 1;
  datachange_flags(&geom, &result, &measured, 1);
}

// "-mgd name...": the names that follow, up to the next option, are extra
// displays.
static void displays_option(Scan &s) {
  Dpy_cnt = 1;
  while (s.next_is_value()) {
    const char *name = s.argv[++s.i];
    if (Dpy_cnt == MAX_DISPLAYS) {
      fprintf(stderr, "ERROR: Max number of graphic displays(%d) hit. Exiting...\n", MAX_DISPLAYS);
      exit(1);
    }
    if (strlen(name) >= DISPLAY_NAME_TEXT) {
      fprintf(stderr, "Max name of extra graphics display is %d. Exiting...\n", DISPLAY_NAME_TEXT);
      exit(1);
    }
    snprintf(Dpy_names[Dpy_cnt], DISPLAY_NAME_TEXT, "%s", name);
    Dpy_cnt++;
  }
}

// "-mgdpos WxH+X+Y" or "+X+Y": the runs of digits of the next word, which is
// read but not consumed. Without a next word nothing is given.
static void display_geometry_option(const Scan &s) {
  int values[4] = {-1, -1, -1, -1};
  const char *text = s.next();
  if (text && text[0] == '-') {
    fprintf(stderr, "Sorry negative locations are not supported at this time.\n");
    exit(1);
  }
  if (text) {
    const int first = text[0] == '+' ? 2 : 0;  // "+X+Y" gives only the location
    int n = first;
    for (const char *p = text; *p && n < 4;) {
      if (!isdigit((unsigned char)*p)) {
        p++;
        continue;
      }
      values[n++] = atoi(p);
      while (isdigit((unsigned char)*p)) p++;
    }
  }
  for (int i = 0; i < 4; i++)
    if (values[i] != -1) Mgd_geometry[i] = values[i];
}

void process_args(int argc, char **argv) {
  snprintf(Section_colname, COLOR_NAME_TEXT, "%s", "maroon4");
  snprintf(Hot_text_colname, COLOR_NAME_TEXT, "%s", "red3");
  snprintf(Balloon_help_colname, COLOR_NAME_TEXT, "%s", "yellow");
  snprintf(Main_highlight_colname, COLOR_NAME_TEXT, "%s", "mediumspringgreen");

  Scan s{argc, argv, 0};
  for (s.i = 1; s.i < argc; s.i++) {
    const char *opt = argv[s.i];
    auto is = [opt](const char *name) { return strcmp(opt, name) == 0; };

    if (is("-menuf")) {
      Menu_font_size = size_in_range(atoi(required_value(s)), 13);
    } else if (is("-iconlblf")) {
      Iconlabel_font_size = size_in_range(atoi(required_value(s)), -1);
    } else if (is("-p")) {
      if (copy_or_refuse(Cmd_line_playfile, PLAYFILE_TEXT, required_value(s),
                         "ERROR: Playfile name too long. Ignoring playfile.\n"))
        Cmd_line_play = 1;
    } else if (is("-case")) {
      case_file_option(required_value(s));
    } else if (is("-gl")) {
      Wireframe_lines = 0;
    } else if (is("-display_list")) {
      Quivane_display_list = 0;
    } else if (is("-no_display_list")) {
      Quivane_display_list = 1;
    } else if (is("-no_start_screen")) {
      Dont_use_start_screen = 1;
    } else if (is("-no_stencil_buff")) {
      Use_stencil_buffer = 0;
    } else if (is("-delay_refresh")) {
      Play_file_no_update = 1;
    } else if (is("-batch")) {
      fprintf(stderr,
              "ERROR: To use '-batch' you must run the \n"
              "       X-Windows(quivane7 -X) version of Quivane.\n");
      exit(1);
    } else if (is("-timeout")) {
      if (!s.next()) continue;
      int seconds = atoi(argv[++s.i]);
      if (seconds < -1) {
        fprintf(stderr, "***> Bad timeout (seconds). Must be > -1");
        usage();
      }
      Connect_timeout = seconds;
      ccsetstall(seconds);  // a value begun must end within the time-out (60 s when -1 or 0)
    } else if (is("-externalcmds")) {
      Cmd_external_driver = 1;
    } else if (is("-externalcmdport")) {
      Cmd_driver_port = port_value(s, "***>  Bad external cmd port number must be > 1000");
    } else if (is("-no_quad_stereo")) {
      Dont_use_stereo_in_window = 1;
    } else if (is("-no_multi_sampling")) {
      Use_multi_sampling = 0;
    } else if (is("-extcfd")) {
      Extend_plot3d_function_list = 1;
    } else if (is("-sc")) {
      copy_or_refuse(Section_colname, COLOR_NAME_TEXT, required_value(s),
                     "ERROR: Section color name too long. Ignoring.\n");
    } else if (is("-hc")) {
      copy_or_refuse(Main_highlight_colname, COLOR_NAME_TEXT, required_value(s),
                     "ERROR: Current selection color name too long. Ignoring.\n");
    } else if (is("-c")) {
      Connect_server = 1;
      Con_mode[1] = 0;
      if (s.next_is_value())
        copy_or_refuse(Con_mach[1], CON_TEXT, argv[++s.i],
                       "ERROR: Automatic connection machine name too long.\n");
    } else if (is("-cm")) {
      Connect_server = 1;
      Con_mode[1] = 1;
    } else if (is("-demo")) {
      Demo_mode = 1;
    } else if (is("-cierr")) {
      // accepted for old command lines; no effect
    } else if (is("-ar")) {
      if (copy_or_refuse(Bkup_autorestore_name, 256, required_value(s),
                         "ERROR: Full Backup Archive File Name Too Long. Ignoring.\n"))
        Restore_archiveauto = 1;
    } else if (is("-nb")) {
      Recrdr = 0;
      Recrdr_backup = 0;
    } else if (is("-iwd")) {
      Ignore_working_dir = 1;
    } else if (is("-range10")) {
      Use_10_range = 1;
    } else if (is("-multi_pipe")) {
      if (!s.next()) continue;
      const char *value = argv[++s.i];
      if (value[0] == '-') continue;
      int pipes = atoi(value);
      How_many_pipes = pipes <= 0 ? 1 : pipes > 8 ? 8 : pipes;
      fprintf(stderr, "***** Multiple (%d) pipes enabled\n", How_many_pipes);
    } else if (is("-ports")) {
      Server_port = port_value(s, "***>  Bad server port number must be > 1000");
    } else if (is("-portp")) {
      port_value(s, "***>  Bad plotter port number must be > 1000");
    } else if (is("-mgd")) {
      displays_option(s);
    } else if (is("-mgdpos")) {
      display_geometry_option(s);
    } else if (is("-rsh")) {
      const char *program = required_value(s);
      char path[RSH_TEXT];
      if (copy_or_refuse(path, sizeof path, program, "Remote shell name too long. Ignoring.\n"))
        change_rsh(path, 1);
    } else if (is("-fn") || is("-font")) {
      if (!s.next()) usage();
      copy_or_refuse(User_specified_font, FONT_NAME_TEXT - 1, argv[++s.i],
                     "Font name too long. Ignoring.\n");
    } else if (is("-smallscreen")) {
      Small_screen = 1;
    } else if (is("-ff")) {
      Fixedfont = 1;
    } else if (is("-ni")) {
      Noicons = 1;
    } else if (is("-help") || is("-h") || is("-Z")) {
      usage();
    } else if (is("-security")) {
      if (s.next_is_value()) {
        Security_token = atoi(argv[++s.i]);
      } else {
        srand((unsigned)(getpid() + time(nullptr)));
        Security_token = rand();
      }
    } else if (is("-readerdbg")) {
      Reader_dbg = 1;
    }
  }
}
