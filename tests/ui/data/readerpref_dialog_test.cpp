// The "Data Reader Preferences" dialog over a scripted case server: opened
// from the Prefs menu only with the server connected, its list flips a
// reader on each selection, Save writes the user's file from the list and
// the default field, Cancel writes nothing.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <Xm/List.h>
#include <Xm/RowColumn.h>
#include <Xm/TextF.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "case_peer.h"
#include "client/cases.h"
#include "client/ccp.h"
#include "client/conect.h"
#include "client/startup.h"
#include "data/reader_prefs.h"
#include "data/ui/readerpref_dialog.h"
#include "harness.h"
#include "state/ui/iconpanel.h"
#include "ui/menus.h"
#include "xm_lists.h"
#include "xt_shell.h"

using namespace qtest;

namespace {

Bytes be_int(int v) { return be32((uint32_t)v); }
Bytes be_str(const std::string &s) {
  return be_int((int)s.size()) + Bytes(s.begin(), s.end());
}
// "get userd reader" answered with one reader that takes one file.
CaseStep reader_query() {
  return {be_str("get userd reader"), be_int(1) + be_int(1) + be_str("Custom VTK") + be_int(0)};
}

void select_row(int position) { XmListSelectPos(Data_readerpref_list, position, True); }

}  // namespace

class ReaderPrefDialog : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(xt_ui_shell());
    Widget bar = XmCreateMenuBar(xt_shell().form, const_cast<char *>("prefsBar"), nullptr, 0);
    XtManageChild(bar);
    create_prefs_interf(bar);
  }
  void SetUp() override {
    memcpy(saved_home_, User_home_directory, sizeof saved_home_);
    snprintf(User_home_directory, HOME_DIR_TEXT, "%s", home_.path().c_str());
    mkdir(home_.file(".quivane7").c_str(), 0755);
    saved_case_ = Case_num;
    Case_num = 0;
  }
  void TearDown() override {
    if (Data_readerpref_dialog) XtUnmanageChild(Data_readerpref_dialog);
    xt_take_error();
    if (ch_ >= 0) ccend(ch_);
    Online[1] = 0;
    Case_num = saved_case_;
    memcpy(User_home_directory, saved_home_, sizeof saved_home_);
    Data_readerpref_rowcnt = 0;
    Data_readerpref_default[0] = '\0';
  }
  void connect() {
    ch_ = ccp_socket_link(&peer_, handshake_bytes());
    ASSERT_GE(ch_, 0);
    Isockt[0] = ch_;
    Online[1] = 1;
  }
  std::string user_file() const { return home_.file(".quivane7/quivane_reader_prefs.def"); }
  Peer peer_;
  int ch_ = -1;

 private:
  TempDir home_{"qprefdlg"};
  char saved_home_[HOME_DIR_TEXT];
  int saved_case_ = 0;
};

TEST_F(ReaderPrefDialog, PrefsMenuEntryNeedsTheServer) {
  Online[1] = 0;
  ASSERT_STREQ(Prefs_menu[1].label, "Data Reader Formats...");
  ASSERT_NE(Prefs_menu[1].widget, nullptr);
  xt_activate(Prefs_menu[1].widget);
  EXPECT_EQ(xt_take_error(),
            "ERROR: Must be connected to the server to modify the reader preferences.");
  EXPECT_TRUE(!Data_readerpref_dialog || !XtIsManaged(Data_readerpref_dialog));
}

TEST_F(ReaderPrefDialog, SelectionsFlipReadersAndSaveWritesTheChoice) {
  connect();
  ScriptedCase server(&peer_, {reader_query()});
  xt_activate(Prefs_menu[1].widget);
  EXPECT_EQ(server.finish(), "");
  ASSERT_NE(Data_readerpref_dialog, nullptr);
  ASSERT_TRUE(XtIsManaged(Data_readerpref_dialog));
  std::vector<std::string> items = xm_list_items(Data_readerpref_list);
  ASSERT_EQ(items.size(), 12u);
  EXPECT_EQ(items.front(), "(*) Case");
  EXPECT_EQ(items.back(), "(*) Custom VTK");

  select_row(1);
  EXPECT_EQ(xm_list_items(Data_readerpref_list).front(), "( ) Case");
  select_row(1);
  EXPECT_EQ(xm_list_items(Data_readerpref_list).front(), "(*) Case");

  datareadpref_tggl_visCB(Data_readerpref_list, nullptr, nullptr);  // nothing selected
  EXPECT_EQ(xt_take_error(), "ERROR: Please select the format you wish to modify.");

  // The field takes a reader name of 19 characters.
  Widget field = XtNameToWidget(Data_readerpref_dialog, "DataReadPrefDefaultText");
  ASSERT_EQ(field, Data_readerprefdefault_text);
  int max_length = 0;
  XtVaGetValues(field, XmNmaxLength, &max_length, nullptr);
  EXPECT_EQ(max_length, 19);
  XmTextFieldSetString(field, const_cast<char *>("FAST UNSTRUCTURED"));
  select_row(3);   // ABAQUS
  select_row(12);  // the server's reader
  select_row(6);   // FAST UNSTRUCTURED, removed and the default
  char *typed = XmTextFieldGetString(field);
  EXPECT_STREQ(typed, "FAST UNSTRUCTURED") << "the typed default stays";
  XtFree(typed);

  xt_activate(XtNameToWidget(Data_readerpref_dialog, "DataReadPrefSavePushBG"));
  EXPECT_FALSE(XtIsManaged(Data_readerpref_dialog));
  EXPECT_EQ(read_file(user_file()),
            "VERSION 7.100000\nselect FAST UNSTRUCTURED\nremove ABAQUS\nremove Custom VTK\n");
  EXPECT_EQ(xt_take_error(), "");
}

TEST_F(ReaderPrefDialog, CancelWritesNothingAndFlipsStay) {
  connect();
  ScriptedCase server(&peer_, {reader_query(), reader_query()});
  datareaderpref_manageCB(nullptr, nullptr, nullptr);
  select_row(2);
  xt_activate(XtNameToWidget(Data_readerpref_dialog, "DataReadPrefCancelPushBG"));
  EXPECT_FALSE(XtIsManaged(Data_readerpref_dialog));
  datareaderpref_manageCB(nullptr, nullptr, nullptr);
  EXPECT_EQ(server.finish(), "");
  EXPECT_EQ(xm_list_items(Data_readerpref_list)[1], "( ) Quivane 5");
  EXPECT_NE(access(user_file().c_str(), F_OK), 0);
}
