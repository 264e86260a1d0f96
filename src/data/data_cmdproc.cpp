// Placeholder command entry points of Data loading: nothing is loaded,
// so every keyword is refused and there is nothing to refresh.
#include "data/data_cmdproc.h"

const Cmd_keyword_rec Cmds_data[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_partbuild[] = {CMD_KEYWORD_END};
char *Data_readcmds[MAX_CASES] = {};

int data_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                 int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int databld_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                    int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

void dpbld_ref(int cat_index) { cmd_clear_refresh(cat_index); }
