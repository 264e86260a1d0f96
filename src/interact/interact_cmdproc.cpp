// Placeholder command entry points of Interaction and tools: nothing is loaded,
// so every keyword is refused and there is nothing to refresh.
#include "interact/interact_cmdproc.h"

const Cmd_keyword_rec Cmds_tools[] = {CMD_KEYWORD_END};

int tools_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                  int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

void tools_ref(int cat_index) { cmd_clear_refresh(cat_index); }
