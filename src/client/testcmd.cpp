// Developer settings (see testcmd.h). The "test:" interpreter follows.
#include "client/testcmd.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int Demo_mode = 0;

#define RSH_DEFAULT "/usr/bsd/rsh"
static char Rsh_path[RSH_TEXT] = RSH_DEFAULT;  // remote shell used to start servers
static int Rsh_chosen = 0;                      // 1 once a path was set (-rsh)

char *change_rsh(char *text, int mode) {
  if (!text) return nullptr;
  if (mode == 1) {
    snprintf(Rsh_path, sizeof Rsh_path, "%s", text);
    Rsh_chosen = 1;
  } else if (mode == 0) {
    snprintf(text, RSH_TEXT, "%s", Rsh_path);
  } else {
    return nullptr;
  }
  return text;
}

char *remote_shell_for_path(char *text, const char *path) {
  if (!text) return nullptr;
  snprintf(text, RSH_TEXT, "%s", Rsh_path);
  if (Rsh_chosen || access(Rsh_path, X_OK) == 0 || !path) return text;
  std::string dirs = path;
  size_t at = 0;
  while (at <= dirs.size()) {
    size_t end = dirs.find(':', at);
    if (end == std::string::npos) end = dirs.size();
    std::string dir = end > at ? dirs.substr(at, end - at) : ".";
    std::string ssh = dir + "/ssh";
    if (ssh.size() < RSH_TEXT && access(ssh.c_str(), X_OK) == 0) {
      snprintf(text, RSH_TEXT, "%s", ssh.c_str());
      return text;
    }
    at = end + 1;
  }
  return text;
}

char *remote_shell_in_use(char *text) { return remote_shell_for_path(text, getenv("PATH")); }
