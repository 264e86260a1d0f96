// Placeholder processor of "data:": reading through commands is not built
// yet, so every keyword is refused.
#include "data/data_cmdproc.h"

const Cmd_keyword_rec Cmds_data[] = {CMD_KEYWORD_END};

int data_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                 int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}
