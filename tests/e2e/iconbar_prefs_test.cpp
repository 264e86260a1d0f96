// The icon-bar preferences dialog over the real feature strip and
// quick-edit column: the text shows the bars' items, "Save As Default"
// applies the edited text to the strip and asks for the preference files
// to be written, and the caption toggle acts on all six panels.
#include <gtest/gtest.h>
#include <Xm/Form.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/ScrolledW.h>
#include <Xm/Text.h>
#include <Xm/ToggleBG.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "client/startup.h"
#include "harness.h"
#include "state/ui/iconpanel.h"
#include "ui/feature_icons.h"
#include "ui/general_windep.h"
#include "ui/iconbar_prefs.h"
#include "ui/interf_init.h"
#include "ui/main_window.h"
#include "ui/menus.h"
#include "ui/qedit_icons.h"
#include "xt_shell.h"

namespace {

std::vector<std::string> text_lines() {
  char *text = XmTextGetString(Iconpanel_edit_text);
  std::vector<std::string> lines;
  std::istringstream in(text ? text : "");
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  XtFree(text);
  return lines;
}

// The fields of the line of an item: texts apart by two blanks or more.
std::vector<std::string> fields_of(const std::string &tag) {
  for (const std::string &line : text_lines()) {
    std::vector<std::string> fields;
    size_t i = 0;
    while ((i = line.find_first_not_of(' ', i)) != std::string::npos) {
      size_t end = line.find("  ", i);
      fields.push_back(line.substr(i, end == std::string::npos ? end : end - i));
      i = end;
    }
    if (!fields.empty() && fields[0] == tag) return fields;
  }
  return {};
}

void set_text(const std::string &text) {
  XmTextSetString(Iconpanel_edit_text, const_cast<char *>(text.c_str()));
}

void save() { qtest::xt_activate(XtNameToWidget(Iconpanel_pref_dialog, "IconPnlPrefSavePushBG")); }

class IconBarPrefs : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(qtest::xt_ui_shell());
    qtest::XtShell &s = qtest::xt_shell();
    XtUnmanageChild(s.form);
    Arg a[3];
    XtSetArg(a[0], XmNtopAttachment, XmATTACH_FORM);
    XtSetArg(a[1], XmNleftAttachment, XmATTACH_FORM);
    XtSetArg(a[2], XmNbottomAttachment, XmATTACH_FORM);
    XtManageChild(gen_qedit_iconsection(s.form, a, 3));
    Main_featureicon_scrollwin = XtVaCreateManagedWidget(
        "mainfeatScrollWin", xmScrolledWindowWidgetClass, s.form, XmNscrollingPolicy,
        XmAUTOMATIC, XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, Qedit_iconform, nullptr);
    Main_featureicon_rowcol = XtVaCreateManagedWidget(
        "mainfeatRowColumn", xmRowColumnWidgetClass, Main_featureicon_scrollwin, nullptr);
    display_main_feature_icons();
    XtManageChild(s.form);
  }
  void SetUp() override {
    Iconpanel_saved_bar = -1;
    if (Iconpanel_which_optmen)
      XtarvOptionMenuSetState(Iconpanel_which_optmen, Iconpanel_which_menu, 0, 0);
    iconpanel_pref_manageCB(nullptr, nullptr, nullptr);
  }
  void TearDown() override { qtest::xt_take_error(); }
};

TEST_F(IconBarPrefs, TextShowsTheStripInItsOrderWithEachIconsState) {
  Feature_tbl[3].visible = 0;  // "Particle Traces" hidden
  main_feat_panel_reconfig(FEATURE_ROWS, Feature_tbl);
  iconpanel_pref_manageCB(nullptr, nullptr, nullptr);
  ASSERT_TRUE(XtIsManaged(Iconpanel_pref_dialog));
  std::vector<std::string> lines = text_lines();
  ASSERT_EQ(lines.size(), static_cast<size_t>(FEATURE_ROWS));
  EXPECT_EQ(lines.front().rfind("FEAT_COLOR", 0), 0u);
  EXPECT_EQ(lines.back().rfind("FEAT_TENSOR", 0), 0u);  // order 18
  EXPECT_EQ(fields_of("FEAT_TRACE"),
            (std::vector<std::string>{"FEAT_TRACE", "Particle\\nTraces", "0", "4", "Particle Traces"}));
  EXPECT_EQ(fields_of("FEAT_CNTRS")[2], "1");
  Feature_tbl[3].visible = 1;
  main_feat_panel_reconfig(FEATURE_ROWS, Feature_tbl);
}

TEST_F(IconBarPrefs, SaveAppliesTheTextToTheStripAndWritesThePreferences) {
  const int general = Iconpanel_generalpref_saves;
  set_text("FEAT_CNTRS  Contours  0  2\n"
           "\n"
           "FEAT_ISOSR   Iso\\nSurfaces   1   3   Isosurfaces\n");
  save();
  EXPECT_EQ(qtest::xt_take_error(), "");
  EXPECT_EQ(Feature_tbl[1].visible, 0);
  EXPECT_FALSE(XtIsManaged(Feature_tbl[1].button));
  EXPECT_TRUE(XtIsManaged(Feature_tbl[2].button));
  EXPECT_STREQ(Feature_tbl[2].label, "Iso\nSurfaces");
  EXPECT_EQ(Iconpanel_generalpref_saves, general + 1);
  EXPECT_EQ(Iconpanel_saved_bar, 0);

  // A line that names no item of the bar: nothing changes, no bar file.
  Iconpanel_saved_bar = -1;
  set_text("FEAT_CNTRS  Contours  1  2\nMODE_NOPE  Nothing  1  1\n");
  save();
  EXPECT_EQ(qtest::xt_take_error(),
            "ERROR: Icon bar line not understood: MODE_NOPE  Nothing  1  1");
  EXPECT_EQ(Feature_tbl[1].visible, 0);
  EXPECT_EQ(Iconpanel_generalpref_saves, general + 2);
  EXPECT_EQ(Iconpanel_saved_bar, -1);

  // An order used twice keeps the previous order; the rest applies.
  set_text("FEAT_COLOR  Color  1  2\nFEAT_CNTRS  Contours  1  2\n");
  save();
  EXPECT_EQ(Feature_tbl[0].order, 1);
  EXPECT_EQ(Feature_tbl[1].order, 2);
  EXPECT_TRUE(XtIsManaged(Feature_tbl[1].button));
  EXPECT_EQ(Iconpanel_saved_bar, 0);
  snprintf(Feature_tbl[2].label, sizeof Feature_tbl[2].label, "%s", "Isosurfaces");
}

TEST_F(IconBarPrefs, OptionMenuChoosesTheBarAndTheChoiceStays) {
  XtarvOptionMenuSetState(Iconpanel_which_optmen, Iconpanel_which_menu, 2, 1);  // "Part"
  std::vector<std::string> lines = text_lines();
  ASSERT_EQ(lines.size(), static_cast<size_t>(QEDIT_PART_ROWS));
  for (const Qedit_icon_rec &r : Qedit_part_tbl)
    EXPECT_EQ(fields_of(r.tag).at(3), std::to_string(r.order)) << r.tag;

  XtUnmanageChild(Iconpanel_pref_dialog);
  iconpanel_pref_manageCB(nullptr, nullptr, nullptr);
  EXPECT_EQ(text_lines(), lines);

  // Hiding a part-mode icon through the text.
  const Qedit_icon_rec &first = Qedit_part_tbl[0];
  const std::string label = first.label;
  set_text(std::string(first.tag) + "  x  0  " + std::to_string(first.order) + "\n");
  save();
  EXPECT_EQ(Qedit_part_tbl[0].visible, 0);
  EXPECT_FALSE(XtIsManaged(Qedit_part_tbl[0].button));
  EXPECT_EQ(Iconpanel_saved_bar, 2);
  EXPECT_STREQ(Qedit_part_tbl[0].label, "x");
  snprintf(Qedit_part_tbl[0].label, sizeof Qedit_part_tbl[0].label, "%s", label.c_str());
  Qedit_part_tbl[0].visible = 1;
  main_qedit_panel_reconfig(QEDIT_PART_ROWS, Qedit_part_tbl);
}

TEST_F(IconBarPrefs, CaptionToggleShowsAndHidesTheCaptionsOfAllSixPanels) {
  struct Panel {
    Qedit_icon_rec *tbl;
    int rows;
  } panels[] = {{Qedit_scene_tbl, QEDIT_SCENE_ROWS},     {Qedit_part_tbl, QEDIT_PART_ROWS},
                {Qedit_annot_tbl, QEDIT_ANNOT_ROWS},     {Qedit_graph_tbl, QEDIT_GRAPH_ROWS},
                {Qedit_viewport_tbl, QEDIT_VIEWPORT_ROWS}, {Qedit_frame_tbl, QEDIT_FRAME_ROWS}};
  for (Boolean on : {True, False}) {
    XmToggleButtonGadgetSetState(Iconpanel_iconhelplabels_tggl, on, True);
    EXPECT_EQ(Show_icon_labels, on ? 1 : 0);
    int captions = 0;
    for (const Panel &p : panels)
      for (int i = 0; i < p.rows; i++)
        if (p.tbl[i].caption) {
          captions++;
          EXPECT_EQ(XtIsManaged(p.tbl[i].caption), on && p.tbl[i].visible) << p.tbl[i].tag;
        }
    EXPECT_GT(captions, 0);
  }
}

}  // namespace
