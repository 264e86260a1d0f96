// Placeholder command entry points of Clips and derived surfaces: nothing is loaded,
// so every keyword is refused and there is nothing to refresh.
#include "derived/derived_cmdproc.h"

const Cmd_keyword_rec Cmds_clip[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_contour[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_isos[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_profile[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_elevsrf[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_devsrf[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_subset[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_dpart[] = {CMD_KEYWORD_END};

int clip_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                 int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int contour_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                    int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int iso_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int profile_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                    int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int elevsrf_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                    int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int devsrf_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                   int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int subset_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                   int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int clip_cmdrec(int mode, int cmd_id, const char *category, int slot, float *saved, float *newv,
                const char *text, int *flags) {
  return cmd_test_rec(mode, cmd_id, category, slot, saved, newv, text, flags);
}

int subset_cmdrec(int mode, int cmd_id, const char *category, int slot, float *saved, float *newv,
                  const char *text, int *flags) {
  return cmd_test_rec(mode, cmd_id, category, slot, saved, newv, text, flags);
}
