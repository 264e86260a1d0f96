// The large "Main Parts List" window keeps its size while the rows of its
// lists are rebuilt, whatever listing mode rebuilds them, and may resize
// again once the rebuild has ended.
#include <gtest/gtest.h>
#include <Xm/Xm.h>

#include <ostream>
#include <string>
#include <vector>

#include "test_part_list.h"
#include "ui/general_windep.h"
#include "ui/main_toggles.h"
#include "ui/main_window.h"
#include "ui/part_list.h"
#include "xt_shell.h"

namespace {

// n model parts of case 0 numbered 1..n; names grow with the number, the
// last one the longest a row shows.
std::vector<qtest::TestPart> many_parts(int n) {
  static std::vector<std::string> names;
  names.clear();
  names.reserve(n);
  for (int i = 1; i <= n; i++)
    names.push_back(i == n ? std::string(49, 'w') : "part " + std::string(i % 40, 'x'));
  std::vector<qtest::TestPart> table;
  for (int i = 1; i <= n; i++)
    table.push_back({i, 0, 0, names[i - 1].c_str(), -1, {}, false});
  return table;
}

struct Size {
  Dimension width = 0, height = 0;
  bool operator==(const Size &o) const { return width == o.width && height == o.height; }
  friend std::ostream &operator<<(std::ostream &os, const Size &s) {
    return os << s.width << "x" << s.height;
  }
};

Size shell_size() {
  Size s;
  XtVaGetValues(XtParent(Main_large_partlist_dialog), XmNwidth, &s.width, XmNheight, &s.height,
                nullptr);
  return s;
}

bool resizable() {
  Boolean shell_resize = False;
  unsigned char policy = 0;
  XtVaGetValues(XtParent(Main_large_partlist_dialog), XmNallowShellResize, &shell_resize, nullptr);
  XtVaGetValues(Main_large_partlist_dialog, XmNresizePolicy, &policy, nullptr);
  return shell_resize == True && policy == XmRESIZE_ANY;
}

int rows(Widget list) {
  int n = 0;
  XtVaGetValues(list, XmNitemCount, &n, nullptr);
  return n;
}

TEST(LargePartList, KeepsItsSizeWhileTwoHundredRowsAreRebuilt) {
  ASSERT_TRUE(qtest::xt_ui_shell());
  qtest::clear_parts_and_list();
  ASSERT_EQ(main_partlargelist_open(), 1);
  ASSERT_EQ(Main_part_list, Main_large_partlist);
  qtest::xt_wait_for([] { return false; }, 300);
  const Size opened = shell_size();
  ASSERT_GT(opened.width, 0);

  // Mode 0: all parts, then a rebuild that keeps the selection.
  qtest::fill_parts_and_list(many_parts(200));
  mainprt_list_refresh();
  qtest::xt_wait_for([] { return false; }, 300);
  EXPECT_EQ(rows(Main_large_partlist), 200);
  EXPECT_EQ(shell_size(), opened);
  EXPECT_TRUE(resizable());
  int first[] = {0, 199};
  mainprt_select_parts(0, 2, first, 0);  // one part: the parent indicator is rebuilt too
  mainprt_list_updt();
  qtest::xt_wait_for([] { return false; }, 300);
  EXPECT_EQ(shell_size(), opened);

  // Mode 1: the parts of the current case.
  Prtfrm_listbytype = 1;
  mainprt_list_refresh();
  qtest::xt_wait_for([] { return false; }, 300);
  EXPECT_EQ(rows(Main_large_partlist), 200);
  EXPECT_EQ(shell_size(), opened);
  Prtfrm_listbytype = 0;

  // Down to a few rows and back.
  qtest::fill_parts_and_list(many_parts(3));
  mainprt_list_refresh();
  qtest::xt_wait_for([] { return false; }, 300);
  EXPECT_EQ(rows(Main_large_partlist), 3);
  EXPECT_EQ(shell_size(), opened);
  EXPECT_TRUE(resizable());  // the rebuild has ended

  main_partlargelist_close();
  qtest::clear_parts_and_list();
}

}  // namespace
