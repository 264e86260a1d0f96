// Placeholder command entry points of Palettes, legends and annotation: nothing is loaded,
// so every keyword is refused and there is nothing to refresh.
#include "palette/palette_cmdproc.h"

const Cmd_keyword_rec Cmds_text[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_line[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_legend[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_logo[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_func[] = {CMD_KEYWORD_END};
const Cmd_keyword_rec Cmds_anno[] = {CMD_KEYWORD_END};
// "format:" rows, shared with "shell:".
const Cmd_keyword_rec Cmds_format[] = {
    {"replace", 1, 's', 1, FORMAT_REPLACE, nullptr},
    {"type", 1, 's', 1, FORMAT_TYPE, nullptr},
    CMD_KEYWORD_END,
};
const Cmd_keyword_rec Cmds_baccol[] = {CMD_KEYWORD_END};

int annot_text_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                       int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int annot_line_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                       int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int annot_lgnd_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                       int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int annot_logo_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                       int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int annot_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                  int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int fncedt_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                   int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int format_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                   int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

int getpaltype(int, int, char *, int *type) {
  if (type) *type = -1;
  return -1;
}

void annot_text_ref(int cat_index) { cmd_clear_refresh(cat_index); }
void annot_line_ref(int cat_index) { cmd_clear_refresh(cat_index); }
void annot_lgnd_ref(int cat_index) { cmd_clear_refresh(cat_index); }
void annot_logo_ref(int cat_index) { cmd_clear_refresh(cat_index); }
void annot_ref(int cat_index) { cmd_clear_refresh(cat_index); }
void fncedt_ref(int cat_index) { cmd_clear_refresh(cat_index); }
void format_ref(int cat_index) { cmd_clear_refresh(cat_index); }
