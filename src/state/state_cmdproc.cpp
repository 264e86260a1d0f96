// Placeholder command entry points of Saving and restoring state: nothing is loaded,
// so every keyword is refused and there is nothing to refresh.
#include "state/state_cmdproc.h"

const Cmd_keyword_rec Cmds_file[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_prefs[] = {CMD_KEYWORD_END};

int file_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                 int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int prefs_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                  int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

void file_ref(int cat_index) { cmd_clear_refresh(cat_index); }
void prefs_ref(int cat_index) { cmd_clear_refresh(cat_index); }
