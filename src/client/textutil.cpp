// Text and file-name utilities. They keep no state.
#include "client/textutil.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

int expfnam(const char *name, int *nchars, char *dest, int *capacity) {
  if (!name || !nchars || !dest || !capacity) return -1;
  std::string in(name, strnlen(name, *nchars > 0 ? (size_t)*nchars : 0));
  if (in.empty()) return -1;

  std::string out;
  if (in[0] == '~') {
    size_t slash = in.find('/');
    std::string user = in.substr(1, slash == std::string::npos ? std::string::npos : slash - 1);
    // The current user's "~" follows HOME when it is set, as a shell does, so
    // that a redirected HOME is honoured; otherwise the password database.
    const char *home = user.empty() ? getenv("HOME") : nullptr;
    if (home && *home) {
      out = home;
    } else {
      struct passwd *pw = user.empty() ? getpwuid(getuid()) : getpwnam(user.c_str());
      if (!pw || !pw->pw_dir) return -1;
      out = pw->pw_dir;
    }
    if (slash != std::string::npos) out += in.substr(slash);
  } else {
    out = in;
  }
  if ((long)out.size() >= (long)*capacity) return -2;
  memcpy(dest, out.c_str(), out.size() + 1);
  return (int)out.size();
}
