// The request log of the stand-in server: one line per request with the
// values it read, flushed at once so that a test can read it while the
// server still runs.
#include <cstdarg>
#include <cstdio>

#include "server.h"

static FILE *Log_file = nullptr;  // open request log; null when logging is off

int srv_log_open(const char *path) {
  if (!path) return 0;
  Log_file = fopen(path, "w");
  if (!Log_file) {
    perror("quivane7.server: Couldn't open the log file");
    return -1;
  }
  return 0;
}

void srv_log(const char *fmt, ...) {
  if (!Log_file) return;
  va_list ap;
  va_start(ap, fmt);
  vfprintf(Log_file, fmt, ap);
  va_end(ap);
  fputc('\n', Log_file);
  fflush(Log_file);
}
