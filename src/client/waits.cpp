// Time and waiting for input (see waits.h). No state of its own.
#include "client/waits.h"

#include <poll.h>

#include <cerrno>
#include <ctime>

#include "client/npipe.h"

static const int WATCH_STEP_MS = 100;  // how often a watched process is looked at

double now_seconds() {
  struct timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts.tv_sec + ts.tv_nsec / 1e9;
}

int wait_readable(int fd, int timeout_ms, pid_t pid) {
  const double deadline = now_seconds() + (timeout_ms < 0 ? 0 : timeout_ms) / 1000.0;
  for (;;) {
    int slice = pid > 0 ? WATCH_STEP_MS : -1;
    if (timeout_ms >= 0) {
      int left = (int)((deadline - now_seconds()) * 1000 + 0.999);
      if (left < 0) left = 0;
      if (slice < 0 || left < slice) slice = left;
    }
    struct pollfd p = {fd, POLLIN, 0};
    int r = poll(&p, 1, slice);
    if (r > 0) return 1;
    if (r < 0 && errno != EINTR) return -1;
    if (np_process_gone(pid)) return -2;
    if (timeout_ms >= 0 && now_seconds() >= deadline) return 0;
  }
}
