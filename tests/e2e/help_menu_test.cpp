// The Help pulldown on a real X server: its entries start the viewer
// stand-in under the installation directory with the window geometry and
// the topic's document as separate arguments (also when the directory holds
// blanks and shell characters), a missing topic gives the error box, and the
// version and information dialogs are built once.
#include <gtest/gtest.h>

#include <Xm/RowColumn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "client/startup.h"
#include "harness.h"
#include "ui/general_windep.h"
#include "ui/command_dialog.h"
#include "ui/help_menu.h"
#include "ui/iconbar_prefs.h"
#include "ui/interf_init.h"
#include "ui/maker_info.h"
#include "ui/menus.h"
#include "xt_shell.h"

namespace {

using namespace std::chrono_literals;

class HelpMenu : public testing::Test {
 protected:
  void SetUp() override {
    s = &qtest::xt_shell();
    ASSERT_TRUE(s->ok);
    if (!Help_menu[0].widget) {
      menubar = XmCreateMenuBar(s->form, const_cast<char *>("mainMenuBar"), nullptr, 0);
      XtManageChild(menubar);
      create_help_interf(menubar);
    }
    log = dir.file("viewer.log");
    setenv("QUIVANE7_HELP_VIEWER_LOG", log.c_str(), 1);
  }
  // Lines the viewer logged, waiting up to 5 s for n of them.
  std::string viewer_lines(int n) {
    auto deadline = std::chrono::steady_clock::now() + 5s;
    while (qtest::count_of(qtest::read_file(log), "\n") < n && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(20ms);
    return qtest::read_file(log);
  }
  qtest::XtShell *s = nullptr;
  static Widget menubar;
  qtest::TempDir dir{"qhelp"};
  std::string log;
};

Widget HelpMenu::menubar = nullptr;

// An installation directory holding only the viewer stand-in.
std::string make_installation(const std::string &root) {
  std::string bin = root + "/doc/Acrobat/bin";
  for (std::string d : {root, root + "/doc", root + "/doc/Acrobat", bin}) mkdir(d.c_str(), 0755);
  std::string viewer = bin + "/acroread";
  qtest::write_file(viewer, qtest::read_file(qtest::source_home() + "/bin/acroread"));
  chmod(viewer.c_str(), 0755);
  return root;
}

TEST_F(HelpMenu, EntriesStartTheViewerWithOneArgumentPerPath) {
  Widget help = nullptr;
  XtVaGetValues(menubar, XmNmenuHelpWidget, &help, nullptr);
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(qtest::xt_label_text(help), "Help");

  const std::string tricky = make_installation(dir.path() + "/inst dir;$(touch pwned)&'q\"");
  struct Case {
    const char *name;
    std::string home;
    int small_screen;
    int row;
    std::string logged;
  } cases[] = {
      {"installed stand-in", qtest::source_home(), 0, 7,
       "<-geometry><984x984+0+0><" + qtest::source_home() + "/doc/OnlineHelp/UM-IX.pdf>"},
      {"small screen", qtest::source_home(), 1, 7,
       "<-geometry><984x745+0+0><" + qtest::source_home() + "/doc/OnlineHelp/UM-IX.pdf>"},
      {"release notes", qtest::source_home(), 0, 0,
       "<-geometry><984x984+0+0><" + qtest::source_home() + "/doc/OnlineHelp/release_notes.pdf>"},
      {"blanks and shell characters", tricky, 0, 8,
       "<-geometry><984x984+0+0><" + tricky + "/doc/OnlineHelp/UM-Lic-SM-Agr.pdf>"},
  };
  int n = 0;
  std::string expected;
  for (const Case &c : cases) {
    snprintf(Quivane_home_directory, sizeof Quivane_home_directory, "%s", c.home.c_str());
    Small_screen = c.small_screen;
    qtest::xt_activate(Help_menu[c.row].widget);
    expected += c.logged + "\n";
    EXPECT_EQ(viewer_lines(++n), expected) << c.name;
  }
  Small_screen = 0;
  struct stat st;
  EXPECT_NE(stat("pwned", &st), 0);
  EXPECT_NE(stat((dir.path() + "/pwned").c_str(), &st), 0);
  EXPECT_NE(access((qtest::source_home() + "/doc/OnlineHelp/UM-IX.pdf").c_str(), R_OK), -1);
}

TEST_F(HelpMenu, DialogHelpButtonsShowTheirOwnTopics) {
  snprintf(Quivane_home_directory, sizeof Quivane_home_directory, "%s", qtest::source_home().c_str());
  Small_screen = 0;
  cmd_gen_interf();
  gen_iconpanelpref_dialog();
  ASSERT_NE(Command_dialog, nullptr);
  ASSERT_NE(Iconpanel_pref_dialog, nullptr);
  struct Case {
    Widget dialog;
    const char *button;
    const char *topic;
  } cases[] = {
      {Command_dialog, "*Help", "HT-Save-CmdFile"},
      {Iconpanel_pref_dialog, "IconPnlPrefHelpPushBG", "HT-Config-IconBar"},
  };
  int n = 0;
  std::string expected;
  for (const Case &c : cases) {
    Widget help = XtNameToWidget(c.dialog, c.button);
    ASSERT_NE(help, nullptr) << c.topic;
    qtest::xt_activate(help);
    expected += "<-geometry><984x984+0+0><" + qtest::source_home() + "/doc/OnlineHelp/" + c.topic +
                ".pdf>\n";
    EXPECT_EQ(viewer_lines(++n), expected) << c.topic;
  }
}

TEST_F(HelpMenu, NoTopicGivesTheErrorBox) {
  info_manCB(nullptr, nullptr, nullptr);
  ASSERT_NE(Disperr_errlabel, nullptr);
  EXPECT_EQ(qtest::xt_label_text(Disperr_errlabel),
            "ERROR: Help information is not currently available for this area.");
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(qtest::read_file(log), "");
}

TEST_F(HelpMenu, VersionAndInformationDialogsAreBuiltOnce) {
  qtest::xt_activate(Help_menu[9].widget);
  ASSERT_NE(Version_dialog, nullptr);
  Widget first = Version_dialog;
  EXPECT_TRUE(XtIsManaged(Version_dialog));
  EXPECT_EQ(qtest::xt_label_text(XtNameToWidget(Version_dialog, "Version1Label")), "Quivane Version 7.1.0");
  qtest::xt_activate(XtNameToWidget(Version_dialog, "Close"));
  EXPECT_FALSE(XtIsManaged(Version_dialog));
  qtest::xt_activate(Help_menu[9].widget);
  EXPECT_EQ(Version_dialog, first);
  EXPECT_TRUE(XtIsManaged(Version_dialog));
  qtest::xt_activate(XtNameToWidget(Version_dialog, "Close"));

  qtest::xt_activate(Help_menu[10].widget);
  ASSERT_NE(Cominfo_dialog, nullptr);
  EXPECT_TRUE(XtIsManaged(Cominfo_dialog));
  EXPECT_EQ(qtest::xt_label_text(XtNameToWidget(Cominfo_dialog, "ComInfo1Label")),
            "******** ZUB Information ********");
  EXPECT_EQ(qtest::xt_label_text(XtNameToWidget(Cominfo_dialog, "ComInfo9Label")), "*** Support");
  qtest::xt_activate(XtNameToWidget(Cominfo_dialog, "Close"));
  EXPECT_FALSE(XtIsManaged(Cominfo_dialog));
}

}  // namespace
