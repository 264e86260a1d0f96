// Reading Motif lists from a test (see xm_lists.h).
#include "xm_lists.h"

#include <Xm/List.h>

#include <cstdlib>

#include "ui/part_list.h"

namespace qtest {

std::vector<std::string> xm_list_items(Widget list) {
  XmStringTable table = nullptr;
  int n = 0;
  XtVaGetValues(list, XmNitems, &table, XmNitemCount, &n, nullptr);
  std::vector<std::string> out;
  for (int i = 0; i < n; i++) {
    char *text = static_cast<char *>(XmStringUnparse(table[i], nullptr, XmCHARSET_TEXT,
                                                     XmCHARSET_TEXT, nullptr, 0, XmOUTPUT_ALL));
    out.push_back(text ? text : "");
    XtFree(text);
  }
  return out;
}

std::vector<int> main_list_selected_numbers() {
  int count = 0, *internal = nullptr, *numbers = nullptr;
  std::vector<int> out;
  if (selected_parts(PLIST_MAIN, &count, &internal, &numbers) == 1)
    out.assign(numbers, numbers + count);
  free(internal);
  free(numbers);
  return out;
}

std::string xm_label_text(Widget w) {
  XmString s = nullptr;
  XtVaGetValues(w, XmNlabelString, &s, nullptr);
  std::string out;
  XmStringContext ctx;
  if (s && XmStringInitContext(&ctx, s)) {
    char *seg = nullptr;
    XmStringCharSet tag = nullptr;
    XmStringDirection dir;
    Boolean sep = False;
    while (XmStringGetNextSegment(ctx, &seg, &tag, &dir, &sep)) {
      out += seg;
      if (sep) out += "\n";
      XtFree(seg);
      XtFree(tag);
    }
    XmStringFreeContext(ctx);
  }
  XmStringFree(s);
  return out;
}

}  // namespace qtest
