// Viewport bits of the parts (see view_part_mask.h).
#include "view/view_part_mask.h"

#include "parts/attribute.h"
#include "parts/read.h"

// The mask is an integer bit pattern held in a float slot.
static float with_bit(float mask, int v) {
  return (float)((unsigned)our_rint(mask) | (1u << v));
}

void viewport_bit_set_in_all_parts(int v) {
  for (int i = 0; i < Num_p_loaded; i++)
    if (parts[i] && parts[i]->attributes)
      parts[i]->attributes[SLOT_VIEWPORT_VIS] = with_bit(parts[i]->attributes[SLOT_VIEWPORT_VIS], v);
  float defaults[PART_ATTR_SLOTS];
  int change[PART_ATTR_SLOTS] = {};
  part_attributes(-2, 0, defaults, nullptr, nullptr, nullptr, 0);
  defaults[SLOT_VIEWPORT_VIS] = with_bit(defaults[SLOT_VIEWPORT_VIS], v);
  change[SLOT_VIEWPORT_VIS] = 1;
  part_attributes(-2, 0, defaults, change, nullptr, nullptr, 1);
}
