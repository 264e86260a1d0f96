// Refresh after commands: each executed line marks its category, and the
// marked categories' refresh functions run later (at once for a typed line,
// at pauses and at the end of a continuously played file). Also the refresh
// of the Command dialog's own fields.
#include <strings.h>

#include <cstdio>
#include <cstring>

#include "client/command_dlog.h"
#include "client/screen.h"

char Cmd_lastcat[26] = "nomatch";

void cmd_checkrefresh(const char *line) {
  if (!line) return;
  char word[26];
  size_t n = 0;
  while (n < 25 && line[n] && line[n] != ':') n++;
  memcpy(word, line, n);
  if (n < 25) word[n++] = ':';
  word[n < sizeof word ? n : sizeof word - 1] = '\0';
  if (Cmd_play_continue_flag && strcmp(word, Cmd_lastcat) == 0) return;
  int cat = cmd_find_category(word);
  if (cat < 0) return;
  Cmds_cat[cat].refresh_needed = 1;
  snprintf(Cmd_lastcat, sizeof Cmd_lastcat, "%s", word);
}

void cmd_refresh() {
  for (int i = 0; Cmds_cat[i].name[0]; i++) {
    if (Cmds_cat[i].refresh_needed == 1 && Cmds_cat[i].refresh) {
      Cmds_cat[i].refresh(i);
      check_for_events();
    }
  }
}

void cmd_refreshall() {
  for (int i = 0; Cmds_cat[i].name[0]; i++)
    if (Cmds_cat[i].refresh) Cmds_cat[i].refresh(i);
}

void cmd_anirefresh(const char *line) {
  cmd_checkrefresh(line);
  if (!Cmd_play_continue_flag) cmd_refresh();
}

void cmd_interf_fields(Cmd_interf_fields *f) {
  f->record_on = (Recrdr_user == 1 && Cmd_recfile) ? 1 : 0;
  f->by_number = Cmd_record_parts_by_number ? 1 : 0;
  snprintf(f->delay, sizeof f->delay, "%4d", Cmd_play_delay_time);
  snprintf(f->recordfile, sizeof f->recordfile, "%s", Cmd_recordfilename);
  f->delay_refresh = Play_file_no_update ? 1 : 0;
}

void cmd_interf_refresh() {
  Cmd_interf_fields f;
  cmd_interf_fields(&f);
  cmdinterf_set_fields_windep(&f);
}

void gen_refresh(int) {}

void cmd_ref(int cat_index) {
  cmd_interf_refresh();
  cmd_clear_refresh(cat_index);
}
