// Reading Motif lists from a test: the items of a list as texts.
#pragma once

#include <X11/Intrinsic.h>

#include <string>
#include <vector>

namespace qtest {

// The items of an XmList, in order, as plain texts.
std::vector<std::string> xm_list_items(Widget list);

// The whole text of a label's (or button's) labelString, its lines joined
// by "\n".
std::string xm_label_text(Widget w);

// The part numbers selected in the main part list, in list order.
std::vector<int> main_list_selected_numbers();

} // namespace qtest
