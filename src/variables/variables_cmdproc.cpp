// Placeholder command entry points of Variables and calculator: nothing is loaded,
// so every keyword is refused and there is nothing to refresh.
#include "variables/variables_cmdproc.h"

const Cmd_keyword_rec Cmds_vars[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_cfdvars[] = {CMD_KEYWORD_END};

int var_recname_from_id(int, char *, int) { return -1; }

int var_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int varcfd_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                   int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

void var_ref(int cat_index) { cmd_clear_refresh(cat_index); }
void varcfd_ref(int cat_index) { cmd_clear_refresh(cat_index); }
