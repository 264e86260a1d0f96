// Placeholders of the command entry points of this client's later pieces:
// the "case:" processor and refresh, the developer "test:" interpreter and
// the context-file header reader. "case:" refuses every keyword honestly.
#include "client/cmd_tables.h"

int case_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index, int,
                 int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

void case_ref(int cat_index) { cmd_clear_refresh(cat_index); }

// The developer interpreter knows no line yet; 0 = the line was not acted on.
int placom(const char *) { return 0; }

// The context comparison is not available yet: header lines are ignored.
int cmd_context_header_line(const char *) { return -100; }
