// Developer settings (see testcmd.h). The "test:" interpreter follows.
#include "client/testcmd.h"

#include <cstdio>

int Demo_mode = 0;

static char Rsh_path[RSH_TEXT] = "/usr/bsd/rsh";  // remote shell used to start servers

char *change_rsh(char *text, int mode) {
  if (!text) return nullptr;
  if (mode == 1)
    snprintf(Rsh_path, sizeof Rsh_path, "%s", text);
  else if (mode == 0)
    snprintf(text, RSH_TEXT, "%s", Rsh_path);
  else
    return nullptr;
  return text;
}
