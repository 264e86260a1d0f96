// Placeholder command entry points of Image, movie, print and geometry output: nothing is loaded,
// so every keyword is refused and there is nothing to refresh.
#include "output/output_cmdproc.h"

const Cmd_keyword_rec Cmds_savegeom[] = {CMD_KEYWORD_END};

int savegeom_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                     int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

void savegeom_ref(int cat_index) { cmd_clear_refresh(cat_index); }
