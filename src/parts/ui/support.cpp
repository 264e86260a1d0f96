// Part list row helpers (see support.h).
#include "parts/ui/support.h"

#include <new>
#include <vector>

#include "parts/read.h"
#include "ui/general_windep.h"
#include "ui/part_list.h"

int modinternal_to_match_pfrmlist(int count, int *list) {
  if (count <= 0 || !list) return 0;
  std::vector<int> rows;
  try {
    rows.reserve(count);
  } catch (const std::bad_alloc &) {
    report_alloc_failure(__LINE__, __FILE__, "modinternal_to_match_pfrmlist");
    return -1;
  }
  for (int i = 0; i < count; i++) {
    int internal = list[i];
    if (Prtfrm_listbytype == 0) {
      if (internal >= 0 && internal < Num_p_partlist) rows.push_back(internal + 1);
      continue;
    }
    if (!Listbytype_to_main) continue;
    for (int k = 1; k <= Num_p_inlist; k++)
      if (Listbytype_to_main[k] == internal) {
        rows.push_back(k);
        break;
      }
  }
  for (size_t i = 0; i < rows.size(); i++) list[i] = rows[i];
  return static_cast<int>(rows.size());
}
