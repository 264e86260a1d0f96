// Placeholder command entry points of Rendering: nothing is loaded,
// so every keyword is refused and there is nothing to refresh.
#include "render/render_cmdproc.h"

const Cmd_keyword_rec Cmds_view[] = {CMD_KEYWORD_END};

int view_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                 int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

void view_ref(int cat_index) { cmd_clear_refresh(cat_index); }
