// Requests about the session itself and the channel module's own requests.
//   "ccp_get_host" -> string host name (NUL included)
//   "ccp_get_cwd"  -> string current directory (NUL included)
//   "ccp_set_cwd"  <- string path (NUL included); -> int 1 changed, 0 not
//   "Exit"         ends the session; nothing is sent back
#include <unistd.h>

#include <climits>
#include <cstring>

#include "client/ccp.h"
#include "requests/requests.h"
#include "server.h"

int srv_ccp_get_host(int ch) {
  srv_log("ccp_get_host");
  if (Srv_opts.host_name) {
    const char *name = Srv_opts.host_name;
    return ccsstr(ch, name, (int)strlen(name) + 1) == 0 ? 0 : -1;
  }
  return ccshst(ch) == 0 ? 0 : -1;
}

int srv_ccp_get_cwd(int ch) {
  srv_log("ccp_get_cwd");
  return ccscwd(ch) == 0 ? 0 : -1;
}

int srv_ccp_set_cwd(int ch) {
  char path[1024];
  if (srv_stalls_at("ccp_set_cwd")) {
    int len = 0;
    if (ccrstr(ch, 1, path, sizeof path - 1, &len) != 0) return -1;
    srv_stall(ch, 1);
  }
  if (ccrsetcwd(ch, path, sizeof path) != 0) return -1;
  char now[PATH_MAX];
  srv_log("ccp_set_cwd %s -> %s", path, getcwd(now, sizeof now) ? now : "?");
  return 0;
}

int srv_exit(int) {
  srv_log("Exit");
  return 1;
}
