// Placeholder command entry points of Parts: nothing is loaded,
// so every keyword is refused and there is nothing to refresh.
#include "parts/parts_cmdproc.h"

const Cmd_keyword_rec Cmds_part[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_model[] = {CMD_KEYWORD_END};

int part_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                 int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int model_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                  int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int part_cmdrec(int mode, int cmd_id, const char *category, int slot, float *saved, float *newv,
                const char *text, int *flags) {
  return cmd_test_rec(mode, cmd_id, category, slot, saved, newv, text, flags);
}

// The part dialogs serve every part-making category, so one refresh clears them all.
void part_ref(int) {
  static const int part_making[] = {2, 3, 4, 5, 6, 7, 9, 10, 11, 24, 45, 55, 56};
  for (int cat : part_making) cmd_clear_refresh(cat);
}

void part_refresh() {}
