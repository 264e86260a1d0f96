// Build texts of model parts (see partbuild_text.h). The text lives in the
// part record's build-text array, which only the part table grows and frees.
#include "state/partbuild_text.h"

#include <cstring>

#include "parts/read.h"

int save_model_part_build_instructions(int number, const char *text) {
  if (!text || number < 1 || number >= MAX_PART_NUMBER) return -1;
  int index = Part_cross[number];
  if (index < 0 || index >= Num_p_loaded || !parts[index]) return -1;
  int need = (int)strlen(text) + 1;
  resize_part_array(index, PA_BUILD_TEXT, need, 0);
  Part_rec *p = parts[index];
  if (!p->build_text || p->build_text_cap < need) return -1;
  memcpy(p->build_text, text, (size_t)need);
  return 1;
}
