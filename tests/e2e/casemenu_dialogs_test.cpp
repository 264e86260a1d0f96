// The Case menu's entries and dialogs and the Connect Server dialog in this
// process, with real widgets and a real stand-in server: the menu at start,
// the viewport picker's press and its recorded line, "Add, Replace,
// Delete..." opening the File Selection dialog with its case section open,
// the list restriction toggle, and the Connect dialog's Apply with its
// recorded lines and defaults file.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <Xm/ArrowB.h>
#include <Xm/RowColumn.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>

#include <string>
#include <vector>

#include "case_servers.h"
#include "client/cases.h"
#include "client/command_dlog.h"
#include "client/conect.h"
#include "client/startup.h"
#include "harness.h"
#include "parts/part_deteditor.h"
#include "parts/ui/part_detedit_windep.h"
#include "platform/glx_platform.h"
#include "render/disobj.h"
#include "state/backup.h"
#include "ui/case_menu.h"
#include "ui/command_dialog.h"
#include "ui/connect_dialog.h"
#include "ui/file_select.h"
#include "ui/widget_helpers.h"
#include "ui/interf_init.h"
#include "ui/part_list.h"
#include "ui/window_codes.h"
#include "variables/variables.h"
#include "view/viewports.h"
#include "view/ui/viewport_panel.h"
#include "xt_shell.h"

namespace {

std::vector<std::string> shown_labels(int first, int last) {
  std::vector<std::string> labels;
  for (int r = first; r <= last; r++) {
    Widget w = Case_menu[r].widget;
    if (w && XtIsManaged(w) && Case_menu[r].kind != XtarvSEPARATOR)
      labels.push_back(qtest::xt_label_text(w));
  }
  return labels;
}

// Viewport v in use over the window's full height from x, width wide.
void place_viewport(int v, float x, float width) {
  float *a = Viewports[v].attributes;
  a[VP_ORIGIN_X] = x;
  a[VP_ORIGIN_Y] = 0.0f;
  a[VP_WIDTH] = width;
  a[VP_HEIGHT] = 1.0f;
  Viewports[v].in_use = 1;
}

std::string record_text() { return Cmd_backupfilename ? qtest::read_file(Cmd_backupfilename) : ""; }

class CaseMenuDialogs : public testing::Test {
 protected:
  void SetUp() override {
    qtest::XtShell &s = qtest::xt_shell();
    ASSERT_TRUE(s.ok);
    setenv("TMPDIR", servers.tmp_dir().c_str(), 1);
    saved_home = getenv("HOME") ? getenv("HOME") : "";
    setenv("HOME", home.path().c_str(), 1);
    mkdir(home.file(".quivane7").c_str(), 0755);
    saved_user_home = User_home_directory;
    snprintf(User_home_directory, sizeof User_home_directory, "%s", home.path().c_str());
    if (!Case_menu[CASE_MENU_RADIO0].widget) {
      Widget bar = XmCreateMenuBar(s.form, const_cast<char *>("casebar"), nullptr, 0);
      XtManageChild(bar);
      create_case_interf(bar);
    }
    cmd_gen_interf();
    Recrdr = 1;
    Connect_timeout = 20;
    Case_num = 0;
    Con_prog = 1;
    Connected_server_once = 0;
    Con_mode[1] = 0;
  }
  void TearDown() override {
    for (int c = 0; c < MAX_CASES; c++) quit_server(c);
    Online[1] = 0;
    Recrdr = 0;
    // Each test starts its own session record.
    if (Cmd_backupfile) fclose(Cmd_backupfile);
    Cmd_backupfile = nullptr;
    if (Cmd_backupfilename) unlink(Cmd_backupfilename);
    free(Cmd_backupfilename);
    Cmd_backupfilename = nullptr;
    snprintf(User_home_directory, sizeof User_home_directory, "%s", saved_user_home.c_str());
    setenv("HOME", saved_home.c_str(), 1);
    unsetenv("TMPDIR");
  }
  qtest::CaseServers servers;
  qtest::TempDir home{"qcasehome"};
  std::string saved_home, saved_user_home;
};

TEST_F(CaseMenuDialogs, MenuAtStartAndPickerPressRecordsViewportsLine) {
  EXPECT_EQ(shown_labels(0, CASE_MENU_ROWS - 1),
            (std::vector<std::string>{"Add, Replace, Delete...", "Viewport Visibility...",
                                      "Restrict List Info. Per Case", "Case 1"}));
  EXPECT_EQ(case_which_selected(), 1);

  qtest::XtShell &s = qtest::xt_shell();
  if (!Visinfo[0]) {
    static const int attrs[] = {GLX_RGBA, GLX_RED_SIZE, 1, GLX_GREEN_SIZE, 1, GLX_BLUE_SIZE, 1,
                                GLX_DEPTH_SIZE, 1, GLX_DOUBLEBUFFER, None};
    Visinfo[0] = qvn_choose_visual(s.dpy, DefaultScreen(s.dpy), attrs);
    if (Visinfo[0]) Main_color_map = getshareablecolormap(s.dpy, Visinfo[0]);
  }
  ASSERT_NE(Visinfo[0], nullptr);
  case_viewpvis_manageCB(nullptr, nullptr, nullptr);
  ASSERT_NE(Case_viewpvis_dialog, nullptr);
  EXPECT_TRUE(XtIsManaged(Case_viewpvis_dialog));
  ASSERT_NE(Casevpviswidget, nullptr);
  qtest::xt_wait_for([] { return XtIsRealized(Casevpviswidget); }, 2000);

  // Viewport 1 on the left half, viewport 2 on the right half.
  place_viewport(0, 0.0f, 0.5f);
  place_viewport(1, 0.5f, 0.5f);
  int all = 0xffff;
  parts_visible_by_case(0, &all, 1);
  Dimension w = 0, h = 0;
  XtVaGetValues(Casevpviswidget, XmNwidth, &w, XmNheight, &h, nullptr);
  EXPECT_EQ(w, 125);
  EXPECT_EQ(h, 110);
  XEvent ev{};
  ev.xbutton.type = ButtonPress;
  ev.xbutton.x = 100;
  ev.xbutton.y = 50;
  XmAnyCallbackStruct cb{0, &ev};
  XtCallCallbacks(Casevpviswidget, XmNinputCallback, &cb);
  int mask = 0;
  parts_visible_by_case(0, &mask, 0);
  EXPECT_EQ(mask, 0xfffd);
  ev.xbutton.x = 20;  // the left half: viewport 1 off as well
  XtCallCallbacks(Casevpviswidget, XmNinputCallback, &cb);
  EXPECT_EQ(record_text(), "VERSION 7.10\ncase: viewports  1\ncase: viewports \n");

  // The window manager's close only hides it.
  case_viewpvis_closeCB(nullptr, nullptr, nullptr);
  EXPECT_FALSE(XtIsManaged(Case_viewpvis_dialog));
  Viewports[1].in_use = 0;
  place_viewport(0, 0.0f, 1.0f);
  parts_visible_by_case(0, &all, 1);
}

TEST_F(CaseMenuDialogs, AddReplaceDeleteOpensFileSelectionWithCaseSection) {
  snprintf(Con_mach[1], CON_TEXT, "localhost");
  snprintf(Con_exec[1], CON_TEXT, "%s/quivane7.server", servers.bin_dir().c_str());
  ASSERT_EQ(conrout(1), 1);
  Online[1] = 1;
  gen_filesel_dialog();
  ASSERT_NE(Fileselect_case_arobut, nullptr);
  XtVaSetValues(Fileselect_case_arobut, XmNarrowDirection, XmARROW_RIGHT, nullptr);
  fsel_caseexpand_routCB(nullptr, (XtPointer)1, nullptr);
  ASSERT_FALSE(XtIsManaged(Fileselect_caseinfo_form));

  qtest::xt_activate(Case_menu[0].widget);
  EXPECT_TRUE(XtIsManaged(Fileselect_dialog));
  EXPECT_EQ(File_selection_type, 1);
  EXPECT_TRUE(XtIsManaged(Fileselect_interf_form));
  EXPECT_TRUE(XtIsManaged(Fileselect_caseinfo_form));
  EXPECT_EQ(Fsel_lastaccess, 0);  // the server runs on this host: local listing
  // The arrow flips the section.
  qtest::xt_activate(Fileselect_case_arobut);
  EXPECT_FALSE(XtIsManaged(Fileselect_caseinfo_form));
  XtUnmanageChild(Fileselect_dialog);

  // Restricting the lists sets the three flags together.
  XmToggleButtonSetState(Case_menu[2].widget, True, True);
  EXPECT_EQ(Var_listbycase, 1);
  EXPECT_EQ(Prtfrm_listbytype, 1);
  EXPECT_EQ(Part_listbytype, 1);
  XmToggleButtonSetState(Case_menu[2].widget, False, True);
  EXPECT_EQ(Prtfrm_listbytype, 0);
}

TEST_F(CaseMenuDialogs, ConnectApplyRecordsLinesAndWritesDefaults) {
  connect_remoteCB(nullptr, (XtPointer)1, nullptr);
  ASSERT_NE(Connect_dialog, nullptr);
  EXPECT_TRUE(XtIsManaged(Connect_dialog));
  EXPECT_EQ(qtest::xt_label_text(Conn_connect_but), "Connect Server");
  char *status = XmTextFieldGetString(Conn_status);
  EXPECT_STREQ(status, "**No Connection**");
  XtFree(status);

  // Manual greys out the four settings; Auto brings them back.
  XtarvOptionMenuSetState(Con_type_optmen, Con_type_menu, 1, 1);
  EXPECT_FALSE(XtIsSensitive(Conn_exec_text));
  XtarvOptionMenuSetState(Con_type_optmen, Con_type_menu, 0, 1);
  EXPECT_TRUE(XtIsSensitive(Conn_exec_text));

  std::string exec = servers.bin_dir() + "/quivane7.server";
  XmTextFieldSetString(Conn_mach_text, const_cast<char *>(""));
  XmTextFieldSetString(Conn_exec_text, const_cast<char *>(exec.c_str()));
  XmTextFieldSetString(Conn_workdir_text, const_cast<char *>(""));
  XmTextFieldSetString(Conn_loginid_text, const_cast<char *>(""));
  qtest::xt_activate(Conn_connect_but);

  EXPECT_EQ(servers.started().size(), 1u);
  EXPECT_EQ(Online[1], 1);
  EXPECT_FALSE(XtIsManaged(Connect_dialog));
  EXPECT_EQ(record_text(), "VERSION 7.10\nconnect: backend\nconnect: executable " + exec +
                               "\nconnect: type auto\nconnect: connect\n");
  EXPECT_EQ(qtest::read_file(home.file(".quivane7/quivane.connect.default")),
            "server\nmachine \nexecutable " + exec + "\ndirectory \nlogin_id \n");

  // Reopened after the connection: the button edits the defaults.
  connect_remoteCB(nullptr, (XtPointer)1, nullptr);
  EXPECT_EQ(qtest::xt_label_text(Conn_connect_but), "Update Server Defaults");
  status = XmTextFieldGetString(Conn_status);
  EXPECT_STREQ(status, "**Connection Established**");
  XtFree(status);
  connect_show_defaultsCB(nullptr, nullptr, nullptr);
  status = XmTextFieldGetString(Conn_status);
  EXPECT_STREQ(status, "**No Connection**");
  XtFree(status);
  EXPECT_EQ(Con_prog, 1);
  connect_cancelCB(nullptr, nullptr, nullptr);
  EXPECT_FALSE(XtIsManaged(Connect_dialog));
}

// A "connect:" line changes the working slot; the shown dialog follows it.
TEST_F(CaseMenuDialogs, ConnectCommandRefreshesTheShownDialog) {
  connect_remoteCB(nullptr, (XtPointer)1, nullptr);
  ASSERT_TRUE(XtIsManaged(Connect_dialog));
  std::string saved = Con_mach[1];
  EXPECT_GT(cmd_process_and_refresh("connect: machine farhost"), 0);
  char *mach = XmTextFieldGetString(Conn_mach_text);
  EXPECT_STREQ(mach, "farhost");
  XtFree(mach);
  snprintf(Con_mach[1], sizeof Con_mach[1], "%s", saved.c_str());
  connect_cancelCB(nullptr, nullptr, nullptr);
}

}  // namespace
