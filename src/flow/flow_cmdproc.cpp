// Placeholder command entry points of Vector arrows, tensors and particle traces: nothing is loaded,
// so every keyword is refused and there is nothing to refresh.
#include "flow/flow_cmdproc.h"

const Cmd_keyword_rec Cmds_ptrace[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_vctarrow[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_atrace[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_tensor[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_ptrace_emitter[] = {CMD_KEYWORD_END};

int trace_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                  int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int vctarrow_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                     int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int traceanim_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                      int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int tensor_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                   int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int trace_cmdrec(int mode, int cmd_id, const char *category, int slot, float *saved, float *newv,
                 const char *text, int *flags) {
  return cmd_test_rec(mode, cmd_id, category, slot, saved, newv, text, flags);
}

int traceanim_cmdrec(int mode, int cmd_id, const char *category, int slot, float *saved, float *newv,
                     const char *text, int *flags) {
  return cmd_test_rec(mode, cmd_id, category, slot, saved, newv, text, flags);
}

void traceanim_ref(int cat_index) { cmd_clear_refresh(cat_index); }
