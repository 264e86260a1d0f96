// Placeholder command entry points of Queries and plots: nothing is loaded,
// so every keyword is refused and there is nothing to refresh.
#include "query/query_cmdproc.h"

const Cmd_keyword_rec Cmds_qryev[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_qryplt[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_qryinfo[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_qrycrv[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_queryint[] = {CMD_KEYWORD_END};

int intrquery_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                      int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int plot_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                 int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int query_info_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                       int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int plotcrv_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                    int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int intrprobeq_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                       int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int intrquery_cmdrec(int mode, int cmd_id, const char *category, int slot, float *saved, float *newv,
                     const char *text, int *flags) {
  return cmd_test_rec(mode, cmd_id, category, slot, saved, newv, text, flags);
}

void intrquery_ref(int cat_index) { cmd_clear_refresh(cat_index); }
void plot_ref(int cat_index) { cmd_clear_refresh(cat_index); }
void query_info_ref(int cat_index) { cmd_clear_refresh(cat_index); }
void plotcrv_ref(int cat_index) { cmd_clear_refresh(cat_index); }
void intrprobeq_ref(int cat_index) { cmd_clear_refresh(cat_index); }
