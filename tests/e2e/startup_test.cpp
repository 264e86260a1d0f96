// The client's start-up as a user sees it: banner, installation and per-user
// directories, the usage text and the options that end the program; and, in
// this process on a real shell, the file check before a write and the
// command file played at the first expose.
#include <gtest/gtest.h>
// After gtest: X defines None.
#include <Xm/MessageB.h>
#include <Xm/ToggleB.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "client/file_select_comm.h"
#include "client/startup.h"
#include "client_proc.h"
#include "harness.h"
#include "ui/command_dialog.h"
#include "ui/general_windep.h"
#include "xt_shell.h"

namespace {

const char Banner[] = "\nThis is Quivane Client 7.1.0(a)\n---- -- ------- ======\n";
const char Note[] =
    "**NOTE** '.quivane7' directory not found in user\n"
    "home directory.  Created it.  This directory will\n"
    "contain Quivane environment and resource files.\n";
const char Usage_first[] = "USAGE: quivane7 [-c [machine name]] [-cm] [-case casefilename]\n";
const char Usage_last[] =
    "                 - are skyblue, plum, white, cyan, lightgray, turquoise.\n";

bool ends_with(const std::string &text, const std::string &tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

qtest::RunOptions client_options(const std::string &home, const char *quivane_home) {
  qtest::RunOptions o;
  o.env["HOME"] = home;
  if (quivane_home)
    o.env["QUIVANE7_HOME"] = quivane_home;
  else
    o.unset_env.push_back("QUIVANE7_HOME");
  return o;
}

std::vector<std::string> client_argv(const std::vector<std::string> &args) {
  std::vector<std::string> argv{qtest::client_bin()};
  argv.insert(argv.end(), args.begin(), args.end());
  return argv;
}

qtest::RunResult run_client(const std::vector<std::string> &args, const std::string &home,
                            const char *quivane_home) {
  return qtest::run_program(client_argv(args), client_options(home, quivane_home));
}

// Starts the client, which stays in its event loop once ready; what it wrote
// up to the ready line, and its end by SIGINT (the fatal-signal path, status 1).
qtest::RunResult run_until_ready(const std::vector<std::string> &args, const std::string &home,
                                 const char *quivane_home) {
  qtest::RunningProgram client(client_argv(args), client_options(home, quivane_home));
  qtest::RunResult r;
  client.wait_for_err("\n<Ready>\n", std::chrono::seconds(30));
  r.err = client.err();
  r.out = client.out();
  r.status = client.stop(SIGINT);
  return r;
}

int permission_bits(const std::string &path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return -1;
  return st.st_mode & 07777;
}

TEST(Startup, TildeHomeAndPerUserDirectoryOnFirstRunOnly) {
  qtest::TempDir home("qhome");
  ASSERT_EQ(symlink(qtest::source_home().c_str(), home.file("inst").c_str()), 0);
  auto first = run_until_ready({}, home.path(), "~/inst");
  EXPECT_EQ(first.status, 1) << first.err;
  EXPECT_EQ(first.err.rfind(Banner, 0), 0u) << first.err;
  EXPECT_NE(first.err.find("getenv(QUIVANE7_HOME) returned [~/inst]\r\n"), std::string::npos);
  EXPECT_EQ(qtest::count_of(first.err, Note), 1) << first.err;
  EXPECT_TRUE(ends_with(first.err, "\n<Ready>\n")) << first.err;

  mode_t mask = umask(0);
  umask(mask);
  EXPECT_EQ(permission_bits(home.file(".quivane7")), (int)(0750 & ~mask));
  EXPECT_EQ(permission_bits(home.file(".quivane7/macros")), (int)(0750 & ~mask));

  auto second = run_until_ready({}, home.path(), "~/inst");
  EXPECT_EQ(second.status, 1) << second.err;
  EXPECT_EQ(qtest::count_of(second.err, "**NOTE**"), 0) << second.err;
  EXPECT_TRUE(ends_with(second.err, "\n<Ready>\n")) << second.err;
}

// Without an installation directory the main window finds no icons and the
// start ends with status 255.
TEST(Startup, UnsetInstallationVariable) {
  qtest::TempDir home("qhome");
  auto r = run_client({}, home.path(), nullptr);
  EXPECT_EQ(r.status, 255) << r.err;
  EXPECT_NE(r.err.find("getenv(QUIVANE7_HOME) returned NULL\r\n"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("* Error - Could not find icons to initialize    *\n"), std::string::npos)
      << r.err;
}

TEST(Startup, UnknownOptionsAreLeftToTheToolkit) {
  qtest::TempDir home("qhome");
  auto r = run_until_ready({"-geometry", "800x600+0+0", "-nb", "-xyz"}, home.path(),
                      qtest::source_home().c_str());
  EXPECT_EQ(r.status, 1) << r.err;
  EXPECT_EQ(r.err.find("USAGE"), std::string::npos) << r.err;
}

TEST(Startup, HelpPrintsTheUsageText) {
  qtest::TempDir home("qhome");
  for (const char *option : {"-help", "-h", "-Z"}) {
    SCOPED_TRACE(option);
    auto r = run_client({option}, home.path(), qtest::source_home().c_str());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    size_t start = r.err.find(Usage_first);
    ASSERT_NE(start, std::string::npos) << r.err;
    std::string text = r.err.substr(start);
    EXPECT_TRUE(ends_with(text, Usage_last)) << text;
    EXPECT_EQ(qtest::count_of(text, "\n"), 54);
    EXPECT_NE(text.find("     -range10    - Use 10% palette ranges by default.\n"), std::string::npos);
    EXPECT_NE(text.find("     -help\t      - Prints this USAGE text.\n"), std::string::npos);
    EXPECT_EQ(r.err.find("<Ready>"), std::string::npos);
  }
}

// Options that end the program before anything is started.
TEST(Startup, FatalOptionsExitWithStatus1) {
  qtest::TempDir home("qhome");
  mkdir(home.file(".quivane7").c_str(), 0750);  // no note between the start-up lines
  struct Case {
    std::vector<std::string> args;
    std::string message;  // what standard error holds after the start-up lines
    bool then_usage;      // the usage text follows the message
  } cases[] = {
      {{"-timeout", "-5"}, "***> Bad timeout (seconds). Must be > -1", true},
      {{"-case", "data/"}, "ERROR: No Case file specified.\n", false},
      {{"-case", std::string(255, 'c')}, "ERROR: Case file name too long.\n", false},
      {{"-batch"},
       "ERROR: To use '-batch' you must run the \n       X-Windows(quivane7 -X) version of Quivane.\n",
       false},
      {{"-mgd", "a:0", "b:0"}, "ERROR: Max number of graphic displays(2) hit. Exiting...\n", false},
      {{"-mgd", std::string(100, 'd')}, "Max name of extra graphics display is 100. Exiting...\n",
       false},
      {{"-mgdpos", "-10-10"}, "Sorry negative locations are not supported at this time.\n", false},
      {{"-ports", "999"}, "***>  Bad server port number must be > 1000", true},
      {{"-portp", "5"}, "***>  Bad plotter port number must be > 1000", true},
      {{"-externalcmdport", "80"}, "***>  Bad external cmd port number must be > 1000", true},
      {{"-p"}, "", true},
      {{"-menuf", "-nb"}, "", true},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.args[0] + (c.args.size() > 1 ? " " + c.args[1] : ""));
    auto r = run_client(c.args, home.path(), qtest::source_home().c_str());
    EXPECT_EQ(r.status, 1);
    std::string expected = c.message + (c.then_usage ? Usage_first : "");
    EXPECT_NE(r.err.find("\r\n" + expected), std::string::npos) << r.err;
    if (!c.then_usage) {
      EXPECT_TRUE(ends_with(r.err, c.message)) << r.err;
    }
    EXPECT_EQ(r.err.find("<Ready>"), std::string::npos);
  }
}

// With the main window up, writing over an existing file asks the user, and
// the answer is chkfil's result; a silent check does not ask.
TEST(StartupInProcess, OverwriteCheckAsksTheUser) {
  ASSERT_TRUE(qtest::xt_shell().ok);
  qtest::TempDir dir("qchk");
  std::string path = dir.file("exists.txt");
  qtest::write_file(path, "keep");
  const struct {
    const char *name;
    int report;
    int button;  // -1: no box expected
    int result;
  } cases[] = {{"Okay", 1, XmDIALOG_OK_BUTTON, 1},
               {"Cancel", 1, XmDIALOG_CANCEL_BUTTON, 0},
               {"silent", 0, -1, 1}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    std::string shown;
    if (c.button >= 0)
      qtest::xt_after(50, [&shown, &c] {
        shown = Warn_dialog && XtIsManaged(Warn_dialog) ? "managed" : "hidden";
        qtest::xt_activate(XmMessageBoxGetChild(Warn_dialog, c.button));
      });
    int mode = 1, report = c.report;
    EXPECT_EQ(chkfil(path.c_str(), &mode, &report), c.result);
    EXPECT_EQ(shown, c.button >= 0 ? "managed" : "");
    EXPECT_EQ(qtest::read_file(path), "keep");
  }
}

// The command file of -p plays at the first expose; afterwards the Command
// dialog's Play toggle is off again.
TEST(StartupInProcess, PlayedCommandFileLeavesThePlayToggleOff) {
  ASSERT_TRUE(qtest::xt_shell().ok);
  qtest::TempDir dir("qplayx");
  std::string file = dir.file("start.cmd");
  qtest::write_file(file, "VERSION 7.1\n");
  Cmd_line_play = 1;
  snprintf(Cmd_line_playfile, sizeof Cmd_line_playfile, "%s", file.c_str());
  main_execute_commandlinetasks();
  EXPECT_EQ(Cmd_line_play, 0);
  ASSERT_NE(Command_dialog, nullptr);
  ASSERT_NE(Cmd_play_tggl, nullptr);
  EXPECT_FALSE(XmToggleButtonGetState(Cmd_play_tggl));
}

}  // namespace
