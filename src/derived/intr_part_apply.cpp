// Quick-interaction apply (see intr_part_apply.h).
#include "derived/intr_part_apply.h"

#include <cstdlib>

#include "parts/attribute.h"
#include "parts/part_apply.h"

int intrgenpart_attr_apply(int type) {
  if (type < 0 || type >= PART_ROUT_ROWS) return -1;
  const Part_rout_rec &rout = Part_rout[type];
  if (rout.check_values && !rout.check_values(108, Part_modchng_flags, Part_mod_attr)) {
    part_clear_chngflags(Part_modchng_flags);
    return -1;
  }
  int count = 0, *internal = nullptr, *numbers = nullptr;
  int selected = part_selected_parts_windep
                     ? part_selected_parts_windep(0, &count, &internal, &numbers)
                     : 0;
  free(internal);
  // Every selected part takes the change, whatever its type; with nothing
  // selected the type's defaults do.
  int defaults = -1;
  int defaults_flag = selected != 1 || count <= 0 || !numbers;
  part_apply(PART_SRC_QINTR, type, defaults_flag, Part_mod_attr, Part_modchng_flags, Part_mod_desc,
             0, nullptr, defaults_flag ? 1 : count, defaults_flag ? &defaults : numbers, 0, 0);
  free(numbers);
  return 1;
}
