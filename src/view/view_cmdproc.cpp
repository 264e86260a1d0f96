// Placeholder command entry points of Viewports, frames and view transforms: nothing is loaded,
// so every keyword is refused and there is nothing to refresh.
#include "view/view_cmdproc.h"

const Cmd_keyword_rec Cmds_viewp[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_viewtransf[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_frame[] = {CMD_KEYWORD_END};

int viewport_vis_part_changed_pattern(int *pattern, int) {
  if (pattern) *pattern = 0;
  return 1;
}

int viewp_inuse_mask() { return 1; }

int viewp_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                  int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int transf_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                   int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int frame_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                  int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int frame_cmdrec(int mode, int cmd_id, const char *category, int slot, float *saved, float *newv,
                 const char *text, int *flags) {
  return cmd_test_rec(mode, cmd_id, category, slot, saved, newv, text, flags);
}

void viewp_ref(int cat_index) { cmd_clear_refresh(cat_index); }
void transf_ref(int cat_index) { cmd_clear_refresh(cat_index); }
void frame_ref(int cat_index) { cmd_clear_refresh(cat_index); }
