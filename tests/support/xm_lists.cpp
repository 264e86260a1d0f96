// Reading Motif lists from a test (see xm_lists.h).
#include "xm_lists.h"

#include <Xm/List.h>

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

}  // namespace qtest
