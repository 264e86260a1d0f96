// The message window of the real main window: an error line opens it and
// colours the Info button red; "Close" restores the button; the text saved
// to a file reads back equal; the save errors.  And the legend visibility
// dialog: its rows, flipping with recording, and changes of more than the
// working legend list's 300 legends.
#include <gtest/gtest.h>
#include <Xm/List.h>
#include <Xm/Text.h>
#include <Xm/TextF.h>
#include <Xm/ToggleBG.h>

#include <cstring>
#include <string>
#include <vector>

#include "client/command_dlog.h"
#include "harness.h"
#include "inproc_main_window.h"
#include "record_capture.h"
#include "palette/annot_legend.h"
#include "palette/palette_attr.h"
#include "ui/file_select.h"
#include "ui/general_windep.h"
#include "ui/interf_init.h"
#include "ui/main_window.h"
#include "ui/message_window.h"
#include "variables/var_table.h"
#include "variables/variables.h"
#include "xt_shell.h"

namespace {

Pixel info_background() {
  Pixel p = 0;
  XtVaGetValues(Main_info_button, XmNbackground, &p, nullptr);
  return p;
}

TEST(MessageWindow, ErrorOpensItRedAndCloseRestoresTheButton) {
  ASSERT_TRUE(qtest::inproc_main_window());
  ASSERT_NE(Main_message_dialog, nullptr);
  EXPECT_FALSE(XtIsManaged(Main_message_dialog));
  caddtxt("ERROR: the server went away");
  EXPECT_TRUE(XtIsManaged(Main_message_dialog));
  EXPECT_EQ(Main_info_curlevel, 3);
  EXPECT_EQ(info_background(), Red.pixel);

  Widget close = XtNameToWidget(Main_message_dialog, "*mainmesgtextClosePushBG");
  ASSERT_NE(close, nullptr);
  qtest::xt_activate(close);
  EXPECT_FALSE(XtIsManaged(Main_message_dialog));
  EXPECT_EQ(Main_info_curlevel, 0);
  EXPECT_EQ(info_background(), Main_originfo_pixel);

  caddtxt("a plain line");
  EXPECT_EQ(info_background(), Realgreen.pixel);
  EXPECT_FALSE(XtIsManaged(Main_message_dialog));
  qtest::xt_activate(Main_info_button);
  EXPECT_TRUE(XtIsManaged(Main_message_dialog));
}

TEST(MessageWindow, SavedTextReadsBackEqual) {
  ASSERT_TRUE(qtest::inproc_main_window());
  caddtxt("first line");
  caddtxt("WARNING: second line");
  qtest::TempDir dir("qmsg");
  std::string path = dir.file("messages.txt");
  ASSERT_EQ(main_messagewintext_save(path.c_str()), 1);
  char *text = XmTextGetString(Main_textport);
  std::string expected = std::string(text) + "\n";
  XtFree(text);
  EXPECT_EQ(qtest::read_file(path), expected);
  EXPECT_NE(expected.find("\nfirst line\nWARNING: second line\n"), std::string::npos);
}

// "Save Text To File" takes the name typed in the File Selection dialog.
TEST(MessageWindow, SaveTextToFileTakesTheChosenName) {
  ASSERT_TRUE(qtest::inproc_main_window());
  caddtxt("a line to keep");
  qtest::TempDir dir("qmsgsel");
  std::string path = dir.file("chosen.txt");
  main_messagewintext_saveCB(nullptr, nullptr, nullptr);
  ASSERT_NE(Fileselect_dialog, nullptr);
  ASSERT_TRUE(XtIsManaged(Fileselect_dialog));
  XmTextFieldSetString(Fileselect_file_text, const_cast<char *>(path.c_str()));
  qtest::xt_activate(Fileselect_okay_but);
  EXPECT_FALSE(XtIsManaged(Fileselect_dialog));
  EXPECT_NE(qtest::read_file(path).find("\na line to keep\n"), std::string::npos);
}

TEST(MessageWindow, SaveErrors) {
  ASSERT_TRUE(qtest::inproc_main_window());
  const struct {
    std::string name;
    const char *error;
  } cases[] = {
      {"~no_such_user_qvn/out.txt", "Could not expand '~', try full name."},
      {"~/" + std::string(300, 'a'), "File and path name too long when expanding '~'."},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(main_messagewintext_save(c.name.c_str()), -1) << c.name;
    EXPECT_EQ(qtest::xt_take_error(), std::string("ERROR: ") + c.error);
  }
}

// ---- legend visibility ------------------------------------------------------------

Variable_rec variable(const char *name, int type, int active, int palette) {
  Variable_rec v{};
  snprintf(v.name, sizeof v.name, "%s", name);
  v.type = type;
  v.active = active;
  v.palette = palette;
  for (int &c : v.server_id) c = 1;
  v.legend_list = 1;
  return v;
}

// The variable table the dialog reads; kept alive here while a test runs.
std::vector<Variable_rec> Test_variables;

void set_variables(const std::vector<Variable_rec> &vars) {
  Test_variables = vars;
  Variables = Test_variables.empty() ? nullptr : Test_variables.data();
  Var_avail_cnt = static_cast<int>(vars.size());
  palette_attributes_clear();
}

bool visible(int palette, int comp) {
  float s[LGND_SETTINGS];
  palette_attributes(palette, comp, s, nullptr, nullptr, 0);
  return s[0] != 0.0f;
}

std::vector<std::string> rows() {
  std::vector<std::string> out;
  XmStringTable items = nullptr;
  int n = 0;
  XtVaGetValues(Main_showlgndvar_list, XmNitems, &items, XmNitemCount, &n, nullptr);
  for (int i = 0; i < n; i++) {
    char *t = nullptr;
    XmStringGetLtoR(items[i], XmFONTLIST_DEFAULT_TAG, &t);
    out.push_back(t ? t : "");
    XtFree(t);
  }
  return out;
}

size_t count_of(const std::string &text, const std::string &what) {
  size_t n = 0;
  for (size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) n++;
  return n;
}

TEST(LegendVisibility, RowsPerVariableAndComponentFlipAndRecord) {
  ASSERT_TRUE(qtest::inproc_main_window());
  set_variables({variable("pressure", 0, 1, 3), variable("velocity", 1, 0, 4),
                 variable("stress", 4, 1, 5), variable("gamma", -1, 1, -1)});
  qtest::xt_activate(Main_showlegend_but);
  ASSERT_NE(Main_showlgndcmpnts_dialog, nullptr);
  EXPECT_TRUE(XtIsManaged(Main_showlgndcmpnts_dialog));
  XmToggleButtonGadgetSetState(Main_legendcomp_tggl, True, True);
  EXPECT_EQ(rows(), (std::vector<std::string>{"( ) pressure", "( ) velocity", "( )    velocity[X]",
                                              "( )    velocity[Y]", "( )    velocity[Z]"}));

  int xrow = 3;  // velocity [X]: the variable is activated first
  std::string rec = qtest::recorded_lines([&] { EXPECT_EQ(main_showlegend(1, &xrow), 1); });
  EXPECT_EQ(Variables[1].active, 1);
  EXPECT_TRUE(visible(4, 1));
  EXPECT_FALSE(visible(4, 0));
  EXPECT_EQ(rec, "legend: select_palette_begin\nvelocity x\nlegend: select_palette_end\n"
                 "legend: visible ON\n");
  EXPECT_EQ(rows()[2], "(*)    velocity[X]");

  rec = qtest::recorded_lines([] { EXPECT_EQ(main_alllegends_off(), 1); });
  EXPECT_FALSE(visible(4, 1));
  EXPECT_EQ(rec, "legend: select_palette_begin\nvelocity x\nlegend: select_palette_end\n"
                 "legend: visible OFF\n");
  rec = qtest::recorded_lines([] { main_alllegends_off(); });
  EXPECT_EQ(rec, "legend: select_default\n");
}

TEST(LegendVisibility, MoreThanTheWorkingListGoesInBatches) {
  ASSERT_TRUE(qtest::inproc_main_window());
  const int nvars = ANNOT_MAX_WRKLGND + 50;
  std::vector<Variable_rec> vars;
  for (int i = 0; i < nvars; i++) {
    char name[16];
    snprintf(name, sizeof name, "s%03d", i);
    vars.push_back(variable(name, 0, 1, 100 + i));
  }
  set_variables(vars);
  qtest::xt_activate(Main_showlegend_but);
  ASSERT_EQ(Main_legendvis_listcnt, nvars);
  std::vector<int> all(nvars);
  for (int i = 0; i < nvars; i++) all[i] = i + 1;

  std::string rec = qtest::recorded_lines([&] { EXPECT_EQ(main_showlegend(nvars, all.data()), 1); });
  for (int i = 0; i < nvars; i++) ASSERT_TRUE(visible(100 + i, 0)) << i;
  EXPECT_LE(Annot_wrking_lgndcnt, ANNOT_MAX_WRKLGND);
  EXPECT_EQ(count_of(rec, "legend: visible ON\n"), 2u);
  EXPECT_EQ(count_of(rec, "\ns"), static_cast<size_t>(nvars));  // every name recorded once
  EXPECT_NE(rec.find("\ns349\nlegend: select_palette_end\nlegend: visible ON\n"), std::string::npos);

  rec = qtest::recorded_lines([] { main_alllegends_off(); });
  for (int i = 0; i < nvars; i++) ASSERT_FALSE(visible(100 + i, 0)) << i;
  EXPECT_EQ(count_of(rec, "legend: visible OFF\n"), 2u);
  EXPECT_EQ(count_of(rec, "legend: select_palette_begin\n"), 2u);
}

}  // namespace
