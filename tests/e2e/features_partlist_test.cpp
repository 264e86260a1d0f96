// The main part list as real list widgets: rows, selection from code, the
// search with select-next, the parent indicator and the double click.
#include <gtest/gtest.h>
#include <Xm/List.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "test_part_list.h"
#include "parts/read.h"
#include "ui/feature_icons.h"
#include "ui/general_windep.h"
#include "ui/interf_init.h"
#include "ui/main_window.h"
#include "ui/part_list.h"
#include "xm_lists.h"
#include "xt_shell.h"

namespace {

// The last call of the Color or Clips panel builder.
struct BuilderCall {
  int calls = 0;
  Widget parent = nullptr;
  std::vector<int> internal, numbers;
} Last;

int record_builder(Widget parent, int count, int *internal, int *numbers) {
  Last.calls++;
  Last.parent = parent;
  Last.internal.assign(internal, internal + count);
  Last.numbers.assign(numbers, numbers + count);
  return 1;
}

class PartListWidgets : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(qtest::xt_shell().ok);
    get_needed_ui_colors();
    Widget form = qtest::xt_shell().form;
    Main_part_list = XmCreateScrolledList(form, const_cast<char *>("mainpartList"), nullptr, 0);
    XtVaSetValues(Main_part_list, XmNselectionPolicy, XmEXTENDED_SELECT, XmNvisibleItemCount, 3,
                  nullptr);
    XtManageChild(Main_part_list);
    Main_partindic_list = XmCreateList(form, const_cast<char *>("mainpartindicList"), nullptr, 0);
    XtManageChild(Main_partindic_list);
    qtest::fill_parts_and_list(qtest::sample_parts());
    mainprt_list_refresh();
  }
  void TearDown() override {
    XtDestroyWidget(XtParent(Main_part_list));
    XtDestroyWidget(Main_partindic_list);
    Main_part_list = Main_partindic_list = nullptr;
    qtest::clear_parts_and_list();
    qtest::xt_take_error();
  }
};

TEST_F(PartListWidgets, RowsAndSelectionByNumber) {
  EXPECT_EQ(qtest::xm_list_items(Main_part_list),
            (std::vector<std::string>{" 7-(M/C1) engine", "12-(2/C2) cut", "20-(M/C1) body",
                                      "30-(C/C2) lines"}));
  int numbers[] = {30, 21};  // a member selects its group's row
  EXPECT_EQ(mainprt_select_partseid(0, 2, numbers, 0), 2);
  EXPECT_EQ(qtest::main_list_selected_numbers(), (std::vector<int>{20, 30}));
  EXPECT_EQ(selected_onepart(PLIST_MAIN, 0, numbers, numbers + 1), 0);  // only list code 3

  // Adding to the selection toggles the rows asked for.
  int more[] = {7, 30};
  EXPECT_EQ(mainprt_select_partseid(1, 2, more, 0), 2);
  EXPECT_EQ(qtest::main_list_selected_numbers(), (std::vector<int>{7, 20}));
  EXPECT_EQ(mainprt_select_partseid(0, 0, nullptr, 0), 0);
  EXPECT_TRUE(qtest::main_list_selected_numbers().empty());
}

TEST_F(PartListWidgets, SelectionByInternalNumberTakesAnyCount) {
  // More entries than the part table holds records: repeats of every row.
  std::vector<int> many;
  for (int i = 0; i < 6000; i++) many.push_back(i % 4);
  EXPECT_EQ(mainprt_select_parts(0, static_cast<int>(many.size()), many.data(), 0), 4);
  EXPECT_EQ(qtest::main_list_selected_numbers(), (std::vector<int>{7, 12, 20, 30}));
  int one[] = {1};
  EXPECT_EQ(select_parts_by_internal_num(PLIST_MAIN, 1, one, 0), 1);
  EXPECT_EQ(qtest::main_list_selected_numbers(), (std::vector<int>{12}));
}

TEST_F(PartListWidgets, RebuildKeepsTheSelectionAtTheTop) {
  int last[] = {30};
  mainprt_select_partseid(0, 1, last, 0);
  mainprt_list_refresh();
  EXPECT_EQ(qtest::main_list_selected_numbers(), (std::vector<int>{30}));
  int top = 0;
  XtVaGetValues(Main_part_list, XmNtopItemPosition, &top, nullptr);
  EXPECT_EQ(top, 4);
}

TEST_F(PartListWidgets, SearchSelectsAllOrTheNextMatchWrappingAround) {
  qtest::fill_parts_and_list({{1, 0, 0, "wing left", -1, {}, false},
                     {2, 0, 0, "tail", -1, {}, false},
                     {3, 0, 0, "wing right", -1, {}, false},
                     {4, 0, 0, "wing mid", -1, {}, false}});
  mainprt_list_refresh();
  const std::vector<int> steps[] = {{1}, {3}, {4}, {1}};  // none selected: the first match
  for (const auto &want : steps) {
    mainprt_searchandselect(2, "wing", 0, 0, 0, 0);
    EXPECT_EQ(qtest::main_list_selected_numbers(), want);
  }
  mainprt_searchandselect(2, "tail", 0, 0, 0, 0);
  EXPECT_EQ(qtest::main_list_selected_numbers(), (std::vector<int>{2}));
  mainprt_searchandselect(2, "tail", 0, 0, 0, 0);
  EXPECT_EQ(qtest::xt_take_error(), "ERROR: No other parts match this key. Can't select next.");
  EXPECT_EQ(qtest::main_list_selected_numbers(), (std::vector<int>{2}));

  // Select All Matches added to a selection holding one of them.
  int some[] = {3};
  mainprt_select_partseid(0, 1, some, 0);
  mainprt_searchandselect(1, "wing", 0, 0, 1, 0);
  EXPECT_EQ(qtest::main_list_selected_numbers(), (std::vector<int>{1, 4}));
  mainprt_searchandselect(1, "nose", 0, 0, 0, 0);
  EXPECT_EQ(qtest::xt_take_error(), "ERROR: No parts matched.");
  EXPECT_EQ(qtest::main_list_selected_numbers(), (std::vector<int>{1, 4}));
}

TEST_F(PartListWidgets, IndicatorMarksTheParentsOfTheOneSelectedPart) {
  int contour[] = {30};
  mainprt_select_partseid(0, 1, contour, 0);
  EXPECT_EQ(qtest::xm_list_items(Main_partindic_list),
            (std::vector<std::string>{"P", " ", "P", " "}));
  int two[] = {12, 30};
  mainprt_select_partseid(0, 2, two, 0);
  EXPECT_TRUE(qtest::xm_list_items(Main_partindic_list).empty());
}

TEST_F(PartListWidgets, DoubleClickShowsThePanelOfTheFirstSelectedPart) {
  Feature_panel_builder saved = Feature_tbl[4].builder;
  Feature_tbl[4].builder = record_builder;
  Last = BuilderCall{};
  int picked[] = {12, 30};  // a clip first, then a contour
  mainprt_select_partseid(0, 2, picked, 0);
  EXPECT_EQ(main_partlist_manageinteract(), 1);
  EXPECT_EQ(Interact_area_current, 4);
  EXPECT_EQ(Last.calls, 1);
  EXPECT_EQ(Last.internal, (std::vector<int>{2, 4}));
  EXPECT_EQ(Last.numbers, (std::vector<int>{12, 30}));

  // A later selection change refills the shown part-feature panel.
  int one[] = {7};
  mainprt_select_partseid(0, 1, one, 1);
  EXPECT_EQ(Last.calls, 2);
  EXPECT_EQ(Last.parent, nullptr);
  EXPECT_EQ(Last.numbers, (std::vector<int>{7}));
  Feature_tbl[4].builder = saved;
}

}  // namespace
