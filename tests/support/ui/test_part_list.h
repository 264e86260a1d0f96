// The small part table of test_parts.h together with the main part list's
// own state, for tests that show the table in the interface.
#pragma once

#include <cstdlib>

#include "test_parts.h"
#include "ui/part_list.h"

namespace qtest {

// The part table and the main list's listing state both empty.
inline void clear_parts_and_list() {
  clear_parts();
  Num_p_inlist = 0;
  Prtfrm_listbytype = 0;
  free(Listbytype_to_main);
  Listbytype_to_main = nullptr;
}

// The table filled from scratch, the list's state reset first.
inline void fill_parts_and_list(const std::vector<TestPart> &table) {
  clear_parts_and_list();
  fill_parts(table);
}

}  // namespace qtest
