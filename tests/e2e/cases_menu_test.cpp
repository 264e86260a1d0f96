// The case operations with their widgets, in this process: the Case menu's
// radio items follow the table while real stand-in servers are started and
// stopped, and the Command dialog's history shows the lines that were run,
// played and recorded.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <Xm/Command.h>
#include <Xm/RowColumn.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>

#include <string>
#include <vector>

#include "case_servers.h"
#include "client/cases.h"
#include "client/command_dlog.h"
#include "client/conect.h"
#include "forked.h"
#include "harness.h"
#include "render/disobj.h"
#include "state/backup.h"
#include "ui/case_menu.h"
#include "ui/command_dialog.h"
#include "ui/file_select.h"
#include "ui/mainwin_state.h"
#include "view/viewports.h"
#include "view/ui/viewport_panel.h"
#include "xt_shell.h"

namespace {

std::vector<std::string> radio_labels() {
  std::vector<std::string> labels;
  for (int p = 0; p < MAX_CASES; p++) {
    Widget w = Case_menu[CASE_MENU_RADIO0 + p].widget;
    if (w && XtIsManaged(w)) labels.push_back(qtest::xt_label_text(w));
  }
  return labels;
}

std::vector<std::string> history() {
  XmStringTable items = nullptr;
  int n = 0;
  XtVaGetValues(Cmd_entry_widget, XmNhistoryItems, &items, XmNhistoryItemCount, &n, nullptr);
  std::vector<std::string> lines;
  for (int i = 0; i < n; i++) {
    char *t = static_cast<char *>(
        XmStringUnparse(items[i], nullptr, XmCHARSET_TEXT, XmCHARSET_TEXT, nullptr, 0, XmOUTPUT_ALL));
    lines.push_back(t ? t : "");
    XtFree(t);
  }
  return lines;
}

class CasesMenu : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(qtest::xt_shell().ok);
    setenv("TMPDIR", servers.tmp_dir().c_str(), 1);
    Widget bar = XmCreateMenuBar(qtest::xt_shell().form, const_cast<char *>("bar"), nullptr, 0);
    XtManageChild(bar);
    create_case_interf(bar);
    cmd_gen_interf();
    ASSERT_NE(Cmd_entry_widget, nullptr);
    Connect_timeout = 20;
    ASSERT_EQ(qtest::connect_first_case(servers), 1);
  }
  void TearDown() override {
    for (int c = 0; c < MAX_CASES; c++) quit_server(c);
  }
  qtest::CaseServers servers;
};

TEST_F(CasesMenu, RadioItemsMaskAndServersFollowTheTable) {
  EXPECT_EQ(radio_labels(), std::vector<std::string>{"Case 1"});
  EXPECT_EQ(case_which_selected(), 1);

  EXPECT_EQ(cmd_process_basedonmode("case: add Case 2"), cmd_find_category("case:"));
  ASSERT_EQ(servers.started().size(), 2u);
  EXPECT_EQ(radio_labels(), (std::vector<std::string>{"Case 1", "Case 2"}));
  EXPECT_EQ(case_which_selected(), 2);
  EXPECT_EQ(Case_num, 1);
  EXPECT_EQ(Con_prog, 2);

  // Viewports 1..3 in use: 1 and 3 are chosen, 2 is not; viewports not in
  // use keep their bit.
  Viewports[0].in_use = Viewports[1].in_use = Viewports[2].in_use = 1;
  EXPECT_GT(cmd_process("case: viewports 1 3"), 0);
  int mask = 0;
  parts_visible_by_case(1, &mask, 0);
  EXPECT_EQ(mask, 0xfffd);
  char line[128];
  case_viewportvis_line(mask, line, sizeof line);
  EXPECT_STREQ(line, "case: viewports  1 3");
  EXPECT_GT(cmd_process("case: viewports"), 0);
  parts_visible_by_case(1, &mask, 0);
  EXPECT_EQ(mask, 0xfff8);
  parts_visible_by_case(0, &mask, 0);
  EXPECT_EQ(mask, 0xffff);  // the other case keeps its own mask
  Viewports[1].in_use = Viewports[2].in_use = 0;

  pid_t second = servers.started()[1];
  EXPECT_GT(cmd_process("case: delete Case 2"), 0);
  EXPECT_TRUE(qtest::wait_gone(second, 10000));
  EXPECT_EQ(servers.log_of(second).substr(servers.log_of(second).size() - 5), "Exit\n");
  EXPECT_EQ(radio_labels(), std::vector<std::string>{"Case 1"});
  EXPECT_EQ(case_which_selected(), 1);
  EXPECT_EQ(Case_cnt, 1);

  pid_t first = servers.started()[0];
  EXPECT_GT(cmd_process("case: replace 'Case 1' 'Wing'"), 0);
  EXPECT_TRUE(qtest::wait_gone(first, 10000));
  EXPECT_EQ(servers.started().size(), 3u);
  EXPECT_EQ(radio_labels(), std::vector<std::string>{"Wing"});
  EXPECT_EQ(case_which_selected(), 1);
  EXPECT_EQ(Online[1], 1);
}

// Typed, played and recorded lines all pass through the command widget: each
// enters the history once; a recorded line is not run again.
TEST_F(CasesMenu, HistoryHoldsPlayedAndRecordedLines) {
  qtest::TempDir files("qhist");
  qtest::write_file(files.file("inner.cmd"), "VERSION 7.1\ncase: add Case 2\n");
  qtest::write_file(files.file("outer.cmd"),
                    "VERSION 7.1\ncommand: delay 0\nplay: " + files.file("inner.cmd") +
                        "\ncase: select Case 1\n");
  Recrdr = 1;
  EXPECT_EQ(cmdplay(files.file("outer.cmd").c_str(), 0), 1);
  EXPECT_EQ(servers.started().size(), 2u);
  EXPECT_EQ(Case_cnt, 2);
  EXPECT_EQ(Case_num, 0);
  // A dialog action's recorded line: into the history and the record, not run.
  EXPECT_EQ(cmdrec("case: add Case 3"), 1);
  EXPECT_EQ(servers.started().size(), 2u);
  EXPECT_EQ(history(), (std::vector<std::string>{"command: delay 0", "case: add Case 2",
                                                 "case: select Case 1", "case: add Case 3"}));
  ASSERT_NE(Cmd_backupfilename, nullptr);
  EXPECT_EQ(qtest::read_file(Cmd_backupfilename),
            "VERSION 7.10\ncommand: delay 0\ncase: add Case 2\ncase: select Case 1\n"
            "case: add Case 3\n");
  unlink(Cmd_backupfilename);
}

// Switching Play or Record on asks for the file with the name already typed
// in the dialog's field proposed in the File Selection box.
TEST_F(CasesMenu, PlayAndRecordProposeTheTypedName) {
  const struct {
    Widget *toggle;
    Widget *field;
    const char *name;
  } cases[] = {{&Cmd_play_tggl, &Cmd_playfile_text, "/tmp/session_a.cmd"},
               {&Cmd_record_tggl, &Cmd_recordfile_text, "/tmp/session_b.cmd"}};
  for (const auto &c : cases) {
    ASSERT_NE(*c.toggle, nullptr);
    XmTextFieldSetString(*c.field, const_cast<char *>(c.name));
    XmToggleButtonSetState(*c.toggle, True, True);
    ASSERT_NE(Fileselect_file_text, nullptr);
    ASSERT_TRUE(XtIsManaged(Fileselect_dialog));
    char *shown = XmTextFieldGetString(Fileselect_file_text);
    EXPECT_STREQ(shown, c.name);
    XtFree(shown);
    fsel_cancelcallback(nullptr, nullptr, nullptr);
    EXPECT_FALSE(XmToggleButtonGetState(*c.toggle));
  }
}

}  // namespace
