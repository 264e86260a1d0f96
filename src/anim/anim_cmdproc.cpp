// Placeholder command entry points of Animation and time: nothing is loaded,
// so every keyword is refused and there is nothing to refresh.
#include "anim/anim_cmdproc.h"

const Cmd_keyword_rec Cmds_flip[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_keyf[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_screen[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_record[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_soltime[] = {CMD_KEYWORD_END};

int intrflipb_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                      int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int keyf_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                 int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int keyfvwin_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                     int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int keyfrec_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                    int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int soltime_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                    int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

void intrflipb_ref(int cat_index) { cmd_clear_refresh(cat_index); }
void keyf_ref(int cat_index) { cmd_clear_refresh(cat_index); }
void keyfvwin_ref(int cat_index) { cmd_clear_refresh(cat_index); }
void keyfrec_ref(int cat_index) { cmd_clear_refresh(cat_index); }
void soltime_ref(int cat_index) { cmd_clear_refresh(cat_index); }
