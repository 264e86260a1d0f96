// The main part list's rows, listing modes and answers without a display:
// rows are counted and mapped, nothing can be selected.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "client/cases.h"
#include "parts/part_deteditor.h"
#include "parts/ui/part_detedit_windep.h"
#include "parts/ui/support.h"
#include "test_part_list.h"

namespace {

struct Answer {
  int result;
  std::vector<int> internal;
  std::vector<int> numbers;
};

Answer ask(int code) {
  int count = -1, *internal = nullptr, *numbers = nullptr;
  Answer a;
  a.result = selected_parts(code, &count, &internal, &numbers);
  if (count == 0) {
    EXPECT_EQ(internal, nullptr);
    EXPECT_EQ(numbers, nullptr);
  }
  a.internal.assign(internal, internal + count);
  a.numbers.assign(numbers, numbers + count);
  free(internal);
  free(numbers);
  return a;
}

class PartList : public testing::Test {
 protected:
  void SetUp() override {
    qtest::fill_parts_and_list(qtest::sample_parts());
    mainprt_list_refresh();
  }
  void TearDown() override {
    qtest::clear_parts_and_list();
    Deted_part_mapcnt = 0;
    Deted_partlist_to_internal = nullptr;
  }
};

TEST_F(PartList, RowsReadAsFormatted) {
  struct Case {
    int internal;
    const char *text;
  } cases[] = {{0, " 7-(M/C1) engine"}, {1, "12-(2/C2) cut"}, {2, "20-(M/C1) body"},
               {3, "30-(C/C2) lines"}};
  char text[80];
  for (const Case &c : cases) {
    ASSERT_EQ(mainprt_row_text(c.internal, text, sizeof text), 1);
    EXPECT_STREQ(text, c.text);
  }
  EXPECT_EQ(mainprt_row_text(4, text, sizeof text), -1);  // group members have no row
  EXPECT_EQ(Num_p_inlist, 4);
}

TEST_F(PartList, NoSelectionAnswersEveryListedRowPerCode) {
  int map[] = {0, 3, 1};  // detail editor rows 1 and 2
  Deted_partlist_to_internal = map;
  Deted_part_mapcnt = 2;
  struct Case {
    int code;
    Answer want;
  } cases[] = {
      {PLIST_MAIN, {0, {1, 2, 3, 4}, {7, 12, 20, 30}}},
      {PLIST_FRAMES, {0, {}, {}}},  // no frame exists
      {PLIST_DETEDIT, {0, {4, 2}, {30, 12}}},
      {PLIST_ANNOTTEXT, {0, {1}, {7}}},  // the first row alone
      {9, {0, {}, {}}},
  };
  for (const Case &c : cases) {
    Answer a = ask(c.code);
    EXPECT_EQ(a.result, c.want.result) << c.code;
    EXPECT_EQ(a.internal, c.want.internal) << c.code;
    EXPECT_EQ(a.numbers, c.want.numbers) << c.code;
  }
  qtest::clear_parts_and_list();
  mainprt_list_refresh();
  Answer empty = ask(PLIST_MAIN);
  EXPECT_EQ(empty.result, 0);
  EXPECT_TRUE(empty.internal.empty());
}

TEST_F(PartList, DefaultsReplaceTheAllRowsAnswer) {
  int count = 0, *internal = nullptr, *numbers = nullptr;
  EXPECT_EQ(mainprt_selection_or_defaults(&count, &internal, &numbers), 0);
  ASSERT_EQ(count, 1);
  EXPECT_EQ(internal[0], -1);
  EXPECT_EQ(numbers[0], -1);
  free(internal);
  free(numbers);
}

TEST_F(PartList, ListingByCaseMapsRowsToInternalNumbers) {
  Prtfrm_listbytype = 1;
  Case_num = 1;
  mainprt_list_refresh();
  ASSERT_EQ(Num_p_inlist, 2);
  EXPECT_EQ(Listbytype_to_main[1], 1);
  EXPECT_EQ(Listbytype_to_main[2], 3);
  Answer a = ask(PLIST_MAIN);
  EXPECT_EQ(a.internal, (std::vector<int>{2, 4}));
  EXPECT_EQ(a.numbers, (std::vector<int>{12, 30}));
  // Rows of the current listing: parts of the other case are dropped.
  int list[] = {3, 0, 1};
  EXPECT_EQ(modinternal_to_match_pfrmlist(3, list), 2);
  EXPECT_EQ(list[0], 2);
  EXPECT_EQ(list[1], 1);
  // Frames: none exists, so the frame listing is empty.
  Prtfrm_listbytype = 2;
  mainprt_list_refresh();
  EXPECT_EQ(Num_p_inlist, 0);
  Case_num = 0;
}

TEST_F(PartList, PartNumbersToRowsAndTypes) {
  int numbers[] = {30, 22, 7, 999};
  int out[] = {-5, -5, -5, -5};
  external_to_internal_part(numbers, 4, out);
  EXPECT_EQ(out[0], 3);
  EXPECT_EQ(out[1], 2);   // a member answers with its group
  EXPECT_EQ(out[2], 0);
  EXPECT_EQ(out[3], -5);  // no such part: untouched
  EXPECT_EQ(get_part_type(12), 1);
  EXPECT_EQ(get_part_type(999), -1);
  EXPECT_EQ(is_part_a_group(20), 1);
  EXPECT_EQ(is_part_a_group(21), -1);
  EXPECT_EQ(is_part_a_group(-1), -1);
}

TEST_F(PartList, ParentIndicatorCountsParentRows) {
  int contour = 30, clip = 12, group = 20, model = 7, defaults = -1;
  EXPECT_EQ(mainprt_show_parentpart_indicator(1, &contour), 2);  // part 7 and group 20
  EXPECT_EQ(mainprt_show_parentpart_indicator(1, &clip), 1);
  EXPECT_EQ(mainprt_show_parentpart_indicator(1, &group), 0);
  EXPECT_EQ(mainprt_show_parentpart_indicator(1, &model), 0);
  EXPECT_EQ(mainprt_show_parentpart_indicator(1, &defaults), 0);
  int two[] = {30, 12};
  EXPECT_EQ(mainprt_show_parentpart_indicator(2, two), 0);
}

}  // namespace
