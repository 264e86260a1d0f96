// Time and waiting for input, shared by the channel module, the named pipes
// and the server start: one monotonic clock and one loop that waits for a
// descriptor to become readable while it watches a started process.
#pragma once

#include <sys/types.h>

// Seconds on the monotonic clock (not the time of day).
double now_seconds();

// Waits until fd is readable, looking at least once: at most timeout_ms
// milliseconds (-1: no limit), and only while process pid (> 0) runs.
// 1 readable (or at its end), 0 time-out, -2 process pid has ended, -1 error.
int wait_readable(int fd, int timeout_ms, pid_t pid);
