// The option rows against the globals they set: process_args is called
// directly on a fresh set of defaults for every case.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "client/command_dlog.h"
#include "client/conect.h"
#include "client/extdriver.h"
#include "client/globals.h"
#include "client/options.h"
#include "client/startup.h"
#include "client/testcmd.h"
#include "data/data_dlog.h"
#include "palette/function.h"
#include "parts/read.h"
#include "render/disobj.h"
#include "state/backup.h"
#include "client/screen.h"
#include "client/interf_settings.h"

namespace {

// Start values of the settings that globals_init does not own.
void fresh_defaults() {
  globals_init(1);
  Menu_font_size = 13;
  Iconlabel_font_size = -1;
  Cmd_line_play = 0;
  Cmd_line_playfile[0] = '\0';
  Cmd_line_filespecified = 0;
  Cmd_external_driver = 0;
  Bkup_autorestore_name[0] = '\0';
  Security_token = -1;
  Reader_dbg = 0;
  Dpy_cnt = 1;
  memset(Dpy_names, 0, sizeof Dpy_names);
  How_many_pipes = 1;
  for (int &v : Mgd_geometry) v = -1;
  Con_mach[1][0] = '\0';
  char rsh[RSH_TEXT] = "/usr/bsd/rsh";
  change_rsh(rsh, 1);
  Wireframe_lines = 1;
  Quivane_display_list = 0;
  Use_stencil_buffer = 1;
  Dont_use_stereo_in_window = 0;
  Use_multi_sampling = 1;
  Extend_plot3d_function_list = 0;
  Demo_mode = 0;
  Small_screen = Fixedfont = Noicons = 0;
  User_specified_font[0] = '\0';
  Data_geom_file[0][0] = '\0';
  Data_format[0] = 0;
  Cmd_data_startstep = 0;
  char none[PATH_TEXT] = "";
  which_path(0, none, 1);
  int zero = 0;
  datachange_flags(&zero, &zero, &zero, 1);
}

void parse(std::vector<std::string> words) {
  words.insert(words.begin(), "quivane7");
  std::vector<char *> argv;
  for (auto &w : words) argv.push_back(&w[0]);
  argv.push_back(nullptr);
  process_args((int)words.size(), argv.data());
}

// The detached window's geometry once the interface applies the options
// over the stored 794 x 659 at 0, 0.
std::vector<int> secondary_geometry() {
  const int stored[4] = {794, 659, 0, 0};
  std::vector<int> g(4);
  for (int i = 0; i < 4; i++) g[i] = Mgd_geometry[i] != -1 ? Mgd_geometry[i] : stored[i];
  return g;
}

std::string rsh_path() {
  char text[RSH_TEXT];
  change_rsh(text, 0);
  return text;
}

std::string data_dir() {
  char text[PATH_TEXT];
  which_path(0, text, 0);
  return text;
}

int pending_geometry_change() {
  int g = 0, r = 0, m = 0;
  datachange_flags(&g, &r, &m, 0);
  return g;
}

struct OptionCase {
  const char *name;
  std::vector<std::string> words;
  std::function<void()> check;
};

const std::string Long254(254, 'p');
const std::string Long255(255, 'p');

const OptionCase Cases[] = {
    {"no options: colour names and defaults", {},
     [] {
       EXPECT_STREQ(Section_colname, "maroon4");
       EXPECT_STREQ(Hot_text_colname, "red3");
       EXPECT_STREQ(Balloon_help_colname, "yellow");
       EXPECT_STREQ(Main_highlight_colname, "mediumspringgreen");
       EXPECT_EQ(Connect_server, 0);
       EXPECT_EQ(Security_token, -1);
       EXPECT_EQ(secondary_geometry(), (std::vector<int>{794, 659, 0, 0}));
     }},
    {"-menuf in range", {"-menuf", "20"}, [] { EXPECT_EQ(Menu_font_size, 20); }},
    {"-menuf below range keeps 13", {"-menuf", "3"}, [] { EXPECT_EQ(Menu_font_size, 13); }},
    {"-menuf above range keeps 13", {"-menuf", "51"}, [] { EXPECT_EQ(Menu_font_size, 13); }},
    {"-menuf bounds", {"-menuf", "4", "-iconlblf", "50"},
     [] {
       EXPECT_EQ(Menu_font_size, 4);
       EXPECT_EQ(Iconlabel_font_size, 50);
     }},
    {"-iconlblf out of range", {"-iconlblf", "60"}, [] { EXPECT_EQ(Iconlabel_font_size, -1); }},
    {"-p", {"-p", "run.cmd"},
     [] {
       EXPECT_EQ(Cmd_line_play, 1);
       EXPECT_STREQ(Cmd_line_playfile, "run.cmd");
     }},
    {"-p of 254 characters", {"-p", Long254}, [] { EXPECT_EQ(Cmd_line_play, 1); }},
    {"-p of 255 characters is ignored", {"-p", Long255},
     [] {
       EXPECT_EQ(Cmd_line_play, 0);
       EXPECT_STREQ(Cmd_line_playfile, "");
     }},
    {"-case with a directory", {"-case", "data/sub/engine.case"},
     [] {
       EXPECT_STREQ(Data_geom_file[0], "engine.case");
       EXPECT_EQ(data_dir(), "data/sub");
       EXPECT_EQ(Data_format[0], 10);
       EXPECT_EQ(Cmd_data_startstep, -1);
       EXPECT_EQ(Cmd_line_filespecified, 1);
       EXPECT_EQ(pending_geometry_change(), 1);
     }},
    {"-case without a directory keeps the data directory", {"-case", "engine.case"},
     [] {
       EXPECT_STREQ(Data_geom_file[0], "engine.case");
       EXPECT_EQ(data_dir(), "");
       EXPECT_EQ(Cmd_line_filespecified, 1);
     }},
    {"display list and drawing flags",
     {"-gl", "-no_display_list", "-no_start_screen", "-no_stencil_buff", "-delay_refresh"},
     [] {
       EXPECT_EQ(Wireframe_lines, 0);
       EXPECT_EQ(Quivane_display_list, 1);
       EXPECT_EQ(Dont_use_start_screen, 1);
       EXPECT_EQ(Use_stencil_buffer, 0);
       EXPECT_EQ(Play_file_no_update, 1);
     }},
    {"a later option overrides an earlier one", {"-no_display_list", "-display_list"},
     [] { EXPECT_EQ(Quivane_display_list, 0); }},
    {"-timeout -1 waits forever", {"-timeout", "-1"}, [] { EXPECT_EQ(Connect_timeout, -1); }},
    {"-timeout 0", {"-timeout", "0"}, [] { EXPECT_EQ(Connect_timeout, 0); }},
    {"-timeout as the last word is ignored", {"-timeout"}, [] { EXPECT_EQ(Connect_timeout, 60); }},
    {"external driver", {"-externalcmds", "-externalcmdport", "2000"},
     [] {
       EXPECT_EQ(Cmd_external_driver, 1);
       EXPECT_EQ(Cmd_driver_port, 2000);
     }},
    {"visual and reader flags", {"-no_quad_stereo", "-no_multi_sampling", "-extcfd", "-readerdbg"},
     [] {
       EXPECT_EQ(Dont_use_stereo_in_window, 1);
       EXPECT_EQ(Use_multi_sampling, 0);
       EXPECT_EQ(Extend_plot3d_function_list, 1);
       EXPECT_EQ(Reader_dbg, 1);
     }},
    {"-sc and -hc", {"-sc", "blue", "-hc", "plum"},
     [] {
       EXPECT_STREQ(Section_colname, "blue");
       EXPECT_STREQ(Main_highlight_colname, "plum");
     }},
    {"-sc of 25 characters is ignored", {"-sc", std::string(25, 'c')},
     [] { EXPECT_STREQ(Section_colname, "maroon4"); }},
    {"-c alone", {"-c"},
     [] {
       EXPECT_EQ(Connect_server, 1);
       EXPECT_EQ(Con_mode[1], 0);
       EXPECT_STREQ(Con_mach[1], "");
     }},
    {"-c with a machine", {"-c", "node7"},
     [] {
       EXPECT_EQ(Connect_server, 1);
       EXPECT_EQ(Con_mode[1], 0);
       EXPECT_STREQ(Con_mach[1], "node7");
     }},
    {"-c followed by -cm is manual", {"-c", "-cm"},
     [] {
       EXPECT_EQ(Connect_server, 1);
       EXPECT_EQ(Con_mode[1], 1);
       EXPECT_STREQ(Con_mach[1], "");
     }},
    {"-c with a machine name that does not fit is consumed and ignored",
     {"-c", Long255, "-nb"},
     [] {
       EXPECT_EQ(Connect_server, 1);
       EXPECT_STREQ(Con_mach[1], "");
       EXPECT_EQ(Recrdr, 0);
     }},
    {"-ar", {"-ar", "full.arch", "-demo"},
     [] {
       EXPECT_EQ(Restore_archiveauto, 1);
       EXPECT_STREQ(Bkup_autorestore_name, "full.arch");
       EXPECT_EQ(Demo_mode, 1);
     }},
    {"-ar of 256 characters is ignored", {"-ar", std::string(256, 'a')},
     [] { EXPECT_EQ(Restore_archiveauto, 0); }},
    {"recording, working directory and palette range", {"-nb", "-iwd", "-range10", "-cierr"},
     [] {
       EXPECT_EQ(Recrdr, 0);
       EXPECT_EQ(Recrdr_backup, 0);
       EXPECT_EQ(Ignore_working_dir, 1);
       EXPECT_EQ(Use_10_range, 1);
     }},
    {"-multi_pipe above 8", {"-multi_pipe", "12"}, [] { EXPECT_EQ(How_many_pipes, 8); }},
    {"-multi_pipe 0", {"-multi_pipe", "0"}, [] { EXPECT_EQ(How_many_pipes, 1); }},
    {"-multi_pipe drops a following option", {"-multi_pipe", "-nb"},
     [] {
       EXPECT_EQ(How_many_pipes, 1);
       EXPECT_EQ(Recrdr, 1);
     }},
    {"-ports and -portp", {"-ports", "2106", "-portp", "3000"},
     [] { EXPECT_EQ(Server_port, 2106); }},
    {"-mgd alone", {"-mgd"}, [] { EXPECT_EQ(Dpy_cnt, 1); }},
    {"-mgd with a display, the scan goes on", {"-mgd", "far:0.0", "-nb"},
     [] {
       EXPECT_EQ(Dpy_cnt, 2);
       EXPECT_STREQ(Dpy_names[1], "far:0.0");
       EXPECT_EQ(Recrdr, 0);
     }},
    {"two -mgd options keep the second name", {"-mgd", "a:0", "-mgd", "b:0"},
     [] {
       EXPECT_EQ(Dpy_cnt, 2);
       EXPECT_STREQ(Dpy_names[1], "b:0");
     }},
    {"-mgdpos with a location only", {"-mgdpos", "+10+20"},
     [] { EXPECT_EQ(secondary_geometry(), (std::vector<int>{794, 659, 10, 20})); }},
    {"-mgdpos with size and location", {"-mgdpos", "800x600+5+6"},
     [] { EXPECT_EQ(secondary_geometry(), (std::vector<int>{800, 600, 5, 6})); }},
    {"-mgdpos with a size only", {"-mgdpos", "640x480"},
     [] { EXPECT_EQ(secondary_geometry(), (std::vector<int>{640, 480, 0, 0})); }},
    {"-mgdpos value is examined again as an option", {"-mgdpos", "900x700+1+2", "-nb"},
     [] {
       EXPECT_EQ(secondary_geometry(), (std::vector<int>{900, 700, 1, 2}));
       EXPECT_EQ(Recrdr, 0);
     }},
    {"-mgdpos as the last word gives nothing", {"-mgdpos"},
     [] { EXPECT_EQ(secondary_geometry(), (std::vector<int>{794, 659, 0, 0})); }},
    {"-rsh", {"-rsh", "/usr/bin/ssh"}, [] { EXPECT_EQ(rsh_path(), "/usr/bin/ssh"); }},
    {"-rsh of 80 characters is ignored", {"-rsh", std::string(80, 'r')},
     [] { EXPECT_EQ(rsh_path(), "/usr/bsd/rsh"); }},
    {"-fn accepts a name beginning with -", {"-fn", "-adobe-helvetica-*"},
     [] { EXPECT_STREQ(User_specified_font, "-adobe-helvetica-*"); }},
    {"-font of 99 characters is ignored", {"-font", std::string(99, 'f')},
     [] { EXPECT_STREQ(User_specified_font, ""); }},
    {"layout flags", {"-smallscreen", "-ff", "-ni"},
     [] {
       EXPECT_EQ(Small_screen, 1);
       EXPECT_EQ(Fixedfont, 1);
       EXPECT_EQ(Noicons, 1);
     }},
    {"-security with a number", {"-security", "42"}, [] { EXPECT_EQ(Security_token, 42); }},
    {"-security alone draws a token", {"-security"}, [] { EXPECT_GE(Security_token, 0); }},
    {"-security followed by -c draws a token and honours -c", {"-security", "-c", "node2"},
     [] {
       EXPECT_GE(Security_token, 0);
       EXPECT_EQ(Connect_server, 1);
       EXPECT_STREQ(Con_mach[1], "node2");
     }},
    {"X toolkit options are left alone", {"-geometry", "800x600+0+0", "-bg", "plum", "-xrm", "x"},
     [] {
       EXPECT_EQ(Connect_server, 0);
       EXPECT_EQ(secondary_geometry(), (std::vector<int>{794, 659, 0, 0}));
     }},
};

TEST(ProcessArgs, OptionRowsSetTheirGlobals) {
  for (const OptionCase &c : Cases) {
    SCOPED_TRACE(c.name);
    fresh_defaults();
    parse(c.words);
    c.check();
  }
}

// The non-fatal refusals print their message and go on.
struct MessageCase {
  std::vector<std::string> words;
  std::string message;
};

TEST(ProcessArgs, NonFatalRefusalsPrintTheirMessage) {
  const MessageCase cases[] = {
      {{"-p", Long255}, "ERROR: Playfile name too long. Ignoring playfile.\n"},
      {{"-sc", std::string(25, 'c')}, "ERROR: Section color name too long. Ignoring.\n"},
      {{"-hc", std::string(30, 'c')}, "ERROR: Current selection color name too long. Ignoring.\n"},
      {{"-c", Long255}, "ERROR: Automatic connection machine name too long.\n"},
      {{"-ar", std::string(256, 'a')}, "ERROR: Full Backup Archive File Name Too Long. Ignoring.\n"},
      {{"-rsh", std::string(80, 'r')}, "Remote shell name too long. Ignoring.\n"},
      {{"-fn", std::string(99, 'f')}, "Font name too long. Ignoring.\n"},
      {{"-multi_pipe", "12"}, "***** Multiple (8) pipes enabled\n"},
      {{"-menuf", "3", "-iconlblf", "99", "-timeout"}, ""},
  };
  for (const MessageCase &c : cases) {
    SCOPED_TRACE(c.words[0]);
    fresh_defaults();
    testing::internal::CaptureStderr();
    parse(c.words);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message);
  }
}

}  // namespace
