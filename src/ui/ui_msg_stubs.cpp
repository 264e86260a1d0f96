// Console forms of the message, prompt and Command dialog services used by
// the command language until the main window exists.
#include "ui/ui_msg_stubs.h"

#include <cstdio>

#include "client/command_dlog.h"

void caddtxt(const char *text) {
  fprintf(stdout, "%s\n", text ? text : "");
  fflush(stdout);
}

int warn(const char *text) {
  fprintf(stderr, "Command processor automatically indicated OKAY for the following warning:\n%s\n",
          text ? text : "");
  return 1;
}

void one_line_prompt_dialog(void *, const char *, const char *, char *answer, int size, int, int,
                            int) {
  if (answer && size > 0) answer[0] = '\0';
}

void check_for_events() {}

int cmdrec_windep(const char *line) { return cmd_record_to_file(line); }

int cmdinterf_set_fields_windep(const Cmd_interf_fields *) { return 0; }

void cmdrec_toggle_windep(int, int) {}
