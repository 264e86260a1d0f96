// The File Selection dialog in this process against a real stand-in server
// that reports another host name: the listing comes from the server, the
// lists hold the items as composed from its prefix and names, filters with
// meta-characters in the path are refused, over-long items are left out,
// and the (Set) buttons split the chosen name.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <Xm/FileSB.h>
#include <Xm/List.h>
#include <Xm/TextF.h>

#include <string>
#include <vector>

#include "case_servers.h"
#include "client/cases.h"
#include "client/conect.h"
#include "harness.h"
#include "state/backup.h"
#include "ui/file_select.h"
#include "ui/general_windep.h"
#include "xm_lists.h"
#include "xt_shell.h"

namespace {

using qtest::xm_list_items;

std::string text(Widget w) {
  char *t = XmTextFieldGetString(w);
  std::string s = t ? t : "";
  XtFree(t);
  return s;
}

int count_of(const std::string &hay, const std::string &needle) {
  int n = 0;
  for (size_t at = hay.find(needle); at != std::string::npos; at = hay.find(needle, at + 1)) n++;
  return n;
}

std::string Applied;  // the name the apply routine read
void note_apply() { Applied = text(Fileselect_file_text); }

class FselRemote : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(qtest::xt_shell().ok);
    setenv("TMPDIR", servers.tmp_dir().c_str(), 1);
    setenv("QUIVANE7_SERVER_HOST", "far-away-host", 1);
    Connect_timeout = 20;
    Case_num = 0;
    Con_mode[1] = 0;
    snprintf(Con_mach[1], CON_TEXT, "localhost");
    snprintf(Con_exec[1], CON_TEXT, "%s/quivane7.server", servers.bin_dir().c_str());
    ASSERT_EQ(conrout(1), 1);
    Online[1] = 1;
    unsetenv("QUIVANE7_SERVER_HOST");
    mkdir(data.file("sub").c_str(), 0755);
    qtest::write_file(data.file("a.geo"), "");
    qtest::write_file(data.file("b.res"), "");
  }
  void TearDown() override {
    if (Fileselect_dialog) XtUnmanageChild(Fileselect_dialog);
    quit_server(0);
    Online[1] = 0;
    unsetenv("TMPDIR");
  }
  std::string log() { return servers.log_of(servers.started().at(0)); }
  void apply_filter(const std::string &filter) {
    XmTextFieldSetString(Fileselect_filter_text, const_cast<char *>(filter.c_str()));
    qtest::xt_activate(XmFileSelectionBoxGetChild(Fileselect_dialog, XmDIALOG_APPLY_BUTTON));
  }
  qtest::CaseServers servers;
  qtest::TempDir data{"qfsel"};
};

TEST_F(FselRemote, ServerOnAnotherHostIsListedRemotely) {
  ASSERT_EQ(fsel_select(2, nullptr, nullptr, nullptr, 0, note_apply, nullptr), 1);
  EXPECT_TRUE(XtIsManaged(Fileselect_dialog));
  EXPECT_EQ(Fsel_lastaccess, 1);
  EXPECT_STREQ(Con_mach[1], "far-away-host");
  EXPECT_GE(count_of(log(), "get file listing"), 1);
  EXPECT_FALSE(XtIsManaged(Fileselect_interf_form));

  const std::string dir = data.path();
  apply_filter(dir + "/*.geo");
  EXPECT_EQ(count_of(log(), "get file listing " + dir + "/*.geo"), 1);
  EXPECT_EQ(xm_list_items(Fileselect_dir_list),
            (std::vector<std::string>{dir + "/..", dir + "/sub"}));
  EXPECT_EQ(xm_list_items(Fileselect_file_list), std::vector<std::string>{dir + "/a.geo"});
  EXPECT_EQ(text(Fileselect_filter_text), dir + "/*.geo");

  // An empty subdirectory: no directories but its parent, no files.
  apply_filter(dir + "/sub/*");
  EXPECT_EQ(xm_list_items(Fileselect_dir_list), std::vector<std::string>{dir + "/sub/.."});
  for (const std::string &item :
       xm_list_items(Fileselect_file_list)) // the toolkit's no-match line only
    EXPECT_NE(item[0], '/') << item;

  // Meta-characters: the error, no request, the lists as they were.
  struct Case {
    std::string filter, message;
  } cases[] = {
      {dir + "/su*/x.geo",
       "ERROR: For Remote File Selection: Meta characters in the path are not supported."},
      {dir + "/a?.geo", "ERROR: For Remote File Selection: Meta character ? not supported."},
      {dir + "/[ab].geo", "ERROR: For Remote File Selection: Meta character [ not supported."},
  };
  for (const Case &c : cases) {
    int before = count_of(log(), "get file listing");
    apply_filter(c.filter);
    EXPECT_EQ(qtest::xt_label_text(Disperr_errlabel), c.message) << c.filter;
    EXPECT_EQ(count_of(log(), "get file listing"), before) << c.filter;
    EXPECT_EQ(xm_list_items(Fileselect_dir_list), std::vector<std::string>{dir + "/sub/.."});
  }

  // Okay hands the name to the apply routine and hides the dialog.
  XmTextFieldSetString(Fileselect_file_text, const_cast<char *>((dir + "/a.geo").c_str()));
  qtest::xt_activate(Fileselect_okay_but);
  EXPECT_EQ(Applied, dir + "/a.geo");
  EXPECT_FALSE(XtIsManaged(Fileselect_dialog));
}

// A name that with the prefix exceeds 255 characters is left out of the
// list with a note; the others are listed.
TEST_F(FselRemote, OverLongItemsAreSkipped) {
  const std::string dir = data.path();
  std::string long_name = std::string(250 - dir.size(), 'x') + ".geo";  // prefix + name = 255
  std::string too_long = std::string(251 - dir.size(), 'y') + ".geo";   // 256
  qtest::write_file(data.file(long_name), "");
  qtest::write_file(data.file(too_long), "");
  ASSERT_EQ(fsel_select(2, nullptr, nullptr, nullptr, 0, nullptr, nullptr), 1);
  testing::internal::CaptureStderr();
  apply_filter(dir + "/*.geo");
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(xm_list_items(Fileselect_file_list),
            (std::vector<std::string>{dir + "/a.geo", dir + "/" + long_name}));
  EXPECT_NE(err.find("W> File Select: '" + dir + "/" + too_long +
                     "' is longer than 255 characters; not listed."),
            std::string::npos)
      << err;
}

TEST_F(FselRemote, DataPurposeShowsWorkAreaAndSetButtonsSplitTheName) {
  ASSERT_EQ(fsel_select(1, &Fileselect_geom_text, &Fileselect_result_text, &Fileselect_meas_text,
                        0, nullptr, nullptr),
            1);
  EXPECT_TRUE(XtIsManaged(Fileselect_interf_form));
  XmTextFieldSetString(Fileselect_path_text, const_cast<char *>("/keep"));
  struct Case {
    const char *chosen;
    Widget *button, *field;
    const char *name, *path;
  } cases[] = {
      {"/data/run3/engine.geo", &Fileselect_geom_but, &Fileselect_geom_text, "engine.geo",
       "/data/run3"},
      {"flow.res", &Fileselect_result_but, &Fileselect_result_text, "flow.res", "/data/run3"},
      {"/data/run4/", &Fileselect_meas_but, &Fileselect_meas_text, "/", "/data/run4/"},
  };
  for (const Case &c : cases) {
    XmTextFieldSetString(Fileselect_file_text, const_cast<char *>(c.chosen));
    qtest::xt_activate(*c.button);
    EXPECT_EQ(text(*c.field), c.name) << c.chosen;
    EXPECT_EQ(text(Fileselect_path_text), c.path) << c.chosen;
  }
}

TEST_F(FselRemote, ServerPurposeNeedsTheServerLocalDoesNot) {
  Online[1] = 0;
  EXPECT_EQ(fsel_select(2, nullptr, nullptr, nullptr, 0, nullptr, nullptr), -1);
  EXPECT_EQ(qtest::xt_label_text(Disperr_errlabel),
            "ERROR: File Select: Must be connected to the server to select files.");
  int before = count_of(log(), "get file listing");
  ASSERT_EQ(fsel_select(9, nullptr, nullptr, nullptr, 0, nullptr, nullptr), 1);
  EXPECT_EQ(Fsel_lastaccess, 0);
  EXPECT_EQ(count_of(log(), "get file listing"), before);
  Online[1] = 1;
}

}  // namespace

namespace {

// The filter shown after a listing, for the two forms a server may answer.
TEST(FselListedFilter, FromServerPathAndSentFilter) {
  struct Case {
    const char *path, *filter, *shown;
  } cases[] = {
      {"/d/", "/d/*.geo", "/d/*"},
      {"/d", "/d/*.geo", "/d/*.geo"},
      {"/d/*.geo", "/d/*.geo", "/d/*.geo"},
      {"/d/sub", "./*", "/d/sub/*"},
      {"/", "/*", "/*"},
  };
  for (const Case &c : cases) EXPECT_EQ(fsel_listed_filter(c.path, c.filter), c.shown) << c.path;
}

}  // namespace
