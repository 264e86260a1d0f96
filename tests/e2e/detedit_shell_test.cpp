// The Feature Detail Editor shell as real widgets: the sections it opens
// with their titles and the menu rows each kind of section allows, the
// icon row, the immediate-modification switch, "Selected Part Type..." on
// the main list's selection, the help of the shown section and Close.
#include <gtest/gtest.h>
#include <Xm/List.h>
#include <Xm/ToggleBG.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "test_part_list.h"
#include "client/startup.h"
#include "harness.h"
#include "parts/part_deteditor.h"
#include "parts/ui/part_detedit_windep.h"
#include "parts/read.h"
#include "ui/detail_editor.h"
#include "ui/edit_menu.h"
#include "ui/general_windep.h"
#include "ui/interf_init.h"
#include "ui/main_window.h"
#include "ui/menus.h"
#include "ui/part_list.h"
#include "xt_shell.h"

namespace {

using namespace std::chrono_literals;

std::string shell_title() {
  char *title = nullptr;
  XtVaGetValues(XtParent(Detaileditor_dialog), XmNtitle, &title, nullptr);
  return title ? title : "";
}

// Calls of a part type's clear-change-marks routine.
int Clear_calls = 0;
float *Clear_attr = nullptr;
int *Clear_flags = nullptr;
void record_clear(float *attr, int *flags) {
  Clear_calls++;
  Clear_attr = attr;
  Clear_flags = flags;
}

class DetailEditor : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(qtest::xt_ui_shell());
    Main_part_list = XmCreateScrolledList(qtest::xt_shell().form,
                                          const_cast<char *>("mainpartList"), nullptr, 0);
    XtVaSetValues(Main_part_list, XmNselectionPolicy, XmEXTENDED_SELECT, nullptr);
    XtManageChild(Main_part_list);
  }
  void TearDown() override {
    qtest::clear_parts_and_list();
    qtest::xt_take_error();
  }
};

TEST_F(DetailEditor, SectionsSetTheTitleAndTheRowsTheirKindAllows) {
  struct Case {
    int section;
    const char *title;
    bool variables;
    int part_type;  // Part_dlog_current after the switch; -1 unchanged
  } cases[] = {
      {7, "Feature Detail Editor (Vector Arrows)", false, 8},
      {0, "Feature Detail Editor (Variables)", true, -1},
      {1, "Feature Detail Editor (Calculator)", true, -1},
      {9, "Feature Detail Editor (Subset Parts)", false, 15},
      {2, "Feature Detail Editor (Model)", false, 0},
  };
  Widget variables_form = nullptr;
  for (const Case &c : cases) {
    SCOPED_TRACE(c.title);
    ASSERT_EQ(detedit_manage(2, c.section), 1);
    EXPECT_TRUE(XtIsManaged(Detaileditor_dialog));
    EXPECT_EQ(shell_title(), c.title);
    EXPECT_EQ(Deted_cur_feature, c.section);
    EXPECT_EQ(Feature_edit_current, c.section);
    if (c.part_type >= 0) {
      EXPECT_EQ(Part_dlog_current, c.part_type);
    }

    for (const Menu_item_rec &r : Detled_file_menu) EXPECT_EQ(XtIsSensitive(r.widget), c.variables);
    for (int row : {1, 3, 5, 6}) EXPECT_EQ(XtIsSensitive(Detled_edit_menu[row].widget), !c.variables);
    EXPECT_EQ(XtIsSensitive(Detled_view_menu[0].widget), !c.variables);
    for (int row : {0, DETEDIT_IMMED_ROW}) EXPECT_TRUE(XtIsSensitive(Detled_edit_menu[row].widget));
    for (const Menu_item_rec &r : Detled_help_menu) EXPECT_TRUE(XtIsSensitive(r.widget));

    // One section form is shown; the Calculator reuses the variables form.
    Widget shown = Deted_geninfo_table[c.variables ? 0 : 1];
    Widget other = Deted_geninfo_table[c.variables ? 1 : 0];
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(XtIsManaged(shown));
    if (other) {
      EXPECT_FALSE(XtIsManaged(other));
    }
    if (c.variables) {
      if (variables_form) {
        EXPECT_EQ(shown, variables_form);
      }
      variables_form = shown;
    }
  }
  EXPECT_EQ(detedit_manage(2, 13), -1);
  EXPECT_EQ(detedit_manage(1, 3), -1);
  EXPECT_EQ(Deted_cur_feature, 2);
}

TEST_F(DetailEditor, IconRowOpensTheSectionOfEachIcon) {
  ASSERT_EQ(detedit_manage(2, 0), 1);
  WidgetList kids = nullptr;
  Cardinal n = 0;
  XtVaGetValues(Detedit_icon_rowcol, XmNchildren, &kids, XmNnumChildren, &n, nullptr);
  ASSERT_EQ(n, static_cast<Cardinal>(DETEDIT_FEATURES));
  for (int i = 0; i < DETEDIT_FEATURES; i++) {
    EXPECT_EQ(kids[i], Feature_edtbl[i].button);
    unsigned char type = 0;
    XtVaGetValues(kids[i], XmNlabelType, &type, nullptr);
    EXPECT_EQ(type, XmPIXMAP) << i;  // every picture is installed
  }
  qtest::xt_activate(Feature_edtbl[5].button);
  EXPECT_EQ(Deted_cur_feature, 5);
  EXPECT_EQ(shell_title(), "Feature Detail Editor (Traces)");
  EXPECT_EQ(Part_dlog_current, 6);
}

TEST_F(DetailEditor, SwitchingWithImmediateModificationOffClearsPendingMarks) {
  Part_rout[16].clear_changes = record_clear;
  Clear_calls = 0;
  ASSERT_EQ(detedit_manage(2, 3), 1);
  Widget immediate = Detled_edit_menu[DETEDIT_IMMED_ROW].widget;
  EXPECT_TRUE(XmToggleButtonGadgetGetState(immediate));
  EXPECT_EQ(Detedit_immed_mode, 1);
  detedit_manage(2, 12);
  EXPECT_EQ(Clear_calls, 0);

  XmToggleButtonGadgetSetState(immediate, False, True);
  EXPECT_EQ(Detedit_immed_mode, 0);
  detedit_manage(2, 12);  // the tensor glyph section: part type 16
  EXPECT_EQ(Clear_calls, 1);
  EXPECT_EQ(Clear_attr, Part_wrking_attr);
  EXPECT_EQ(Clear_flags, Part_wrkingchng_flags);

  XmToggleButtonGadgetSetState(immediate, True, True);
  EXPECT_EQ(Detedit_immed_mode, 1);
  detedit_manage(2, 12);
  EXPECT_EQ(Clear_calls, 1);
  Part_rout[16].clear_changes = nullptr;
}

TEST_F(DetailEditor, SelectedPartTypeOpensTheSectionOfTheFirstSelectedPart) {
  qtest::fill_parts_and_list({{1, 0, 11, "extract", -1, {}, false},
                     {2, 0, 2, "lines", -1, {}, false},
                     {3, 0, 1, "cut", -1, {}, false},
                     {4, 0, 14, "volume", -1, {}, false},
                     {5, 0, 9, "hills", -1, {}, false}});
  mainprt_list_refresh();
  struct Case {
    std::vector<int> selected;
    int section;
    const char *title;
  } cases[] = {
      {{2, 3}, 3, "Feature Detail Editor (Contours)"},  // a contour first, then a clip
      {{3}, 6, "Feature Detail Editor (Clips)"},
      {{1}, 2, "Feature Detail Editor (Model)"},  // a model extract is edited as a model part
      {{4}, 4, "Feature Detail Editor (Isosurfaces)"},
      {{5}, 8, "Feature Detail Editor (Elevated Surfaces)"},
  };
  detedit_manage(2, 0);
  for (const Case &c : cases) {
    SCOPED_TRACE(c.title);
    mainprt_select_partseid(0, static_cast<int>(c.selected.size()), c.selected.data(), 0);
    mainedit_partsel_deteditCB(nullptr, nullptr, nullptr);
    EXPECT_EQ(Deted_cur_feature, c.section);
    EXPECT_EQ(shell_title(), c.title);
  }
  mainprt_select_partseid(0, 0, nullptr, 0);
  mainedit_partsel_deteditCB(nullptr, nullptr, nullptr);
  EXPECT_EQ(qtest::xt_take_error(), "ERROR: Please select a part first.");
  EXPECT_EQ(Deted_cur_feature, 8);
}

TEST_F(DetailEditor, EntitySelectedShowsTheHelpOfTheShownSectionAndCloseHides) {
  qtest::TempDir dir{"qdethelp"};
  const std::string log = dir.file("viewer.log");
  setenv("QUIVANE7_HELP_VIEWER_LOG", log.c_str(), 1);
  ASSERT_EQ(detedit_manage(2, 9), 1);
  qtest::xt_activate(Detled_help_menu[1].widget);
  auto deadline = std::chrono::steady_clock::now() + 5s;
  while (qtest::read_file(log).empty() && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(20ms);
  EXPECT_NE(qtest::read_file(log).find("/doc/OnlineHelp/HT-Viz-SubsetParts.pdf>"),
            std::string::npos)
      << qtest::read_file(log);

  Widget dialog = Detaileditor_dialog;
  detedit_closeCB(nullptr, nullptr, nullptr);
  EXPECT_FALSE(XtIsManaged(dialog));
  ASSERT_EQ(detedit_manage(2, 4), 1);
  EXPECT_EQ(Detaileditor_dialog, dialog);  // built once, shown again
  EXPECT_TRUE(XtIsManaged(dialog));
}

}  // namespace
