// Where the pieces of the real main window sit relative to one another:
// the edges that the form attachments promise, read from the realised
// widgets (all are children of the main form, so their x are comparable).
#include <gtest/gtest.h>
#include <Xm/Xm.h>

#include "inproc_main_window.h"
#include "ui/main_window.h"
#include "ui/textc_windep.h"

namespace {

struct Box {
  int left, right;  // outer edges, borders included
};

Box box_of(Widget w) {
  Position x = 0;
  Dimension width = 0, border = 0;
  XtVaGetValues(w, XmNx, &x, XmNwidth, &width, XmNborderWidth, &border, nullptr);
  return Box{x, x + width + 2 * border};
}

Widget part_label() { return XtNameToWidget(Main_control_form, "mainpartLbl"); }
Widget part_list_window() { return XtParent(Main_part_list); }

// One promised relation: an edge of a, an edge of b and the gap between them.
struct Edge_case {
  const char *what;
  Widget (*a)();
  bool a_right;  // the right edge of a (else its left edge)
  Widget (*b)();
  bool b_right;
  int gap;  // b's edge minus a's edge
};

TEST(MainWindowLayout, EdgesFollowTheAttachments) {
  ASSERT_TRUE(qtest::inproc_main_window());
  ASSERT_NE(part_label(), nullptr);
  const int w = Menu_font_width;
  const Edge_case cases[] = {
      {"indicator column ends where the label begins", [] { return Main_partindic_list; }, true,
       part_label, false, 0},
      {"part list starts with the label", part_list_window, false, part_label, false, 0},
      {"Legend ends 2w left of Info", [] { return Main_showlegend_but; }, true,
       [] { return Main_info_button; }, false, 2 * w},
  };
  for (const Edge_case &c : cases) {
    Box a = box_of(c.a()), b = box_of(c.b());
    int ea = c.a_right ? a.right : a.left, eb = c.b_right ? b.right : b.left;
    EXPECT_EQ(eb - ea, c.gap) << c.what;
  }
}

}  // namespace
