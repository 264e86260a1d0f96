/* A preloaded library for tests that count calls: with QUIVANE_CALL_LOG set
 * to a directory, a quivane7 or quivane7.server process appends one line to
 * DIR/calls.<pid> for each
 *   write/send on a socket or FIFO:  "W fd bytes hex-of-the-first-16-bytes"
 *   read/recv on a socket or FIFO:   "R fd bytes hex-of-the-first-16-bytes"
 *   glNewList:                       "L list mode"
 * and then makes the real call.  Other programs that load it (a shell that
 * starts a server, the X server) log nothing. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

typedef ssize_t (*write_fn)(int, const void *, size_t);
typedef ssize_t (*read_fn)(int, void *, size_t);
typedef ssize_t (*send_fn)(int, const void *, size_t, int);
typedef ssize_t (*recv_fn)(int, void *, size_t, int);
typedef void (*newlist_fn)(unsigned int, unsigned int);

static int Log_fd = -1;

static void *real(const char *name) { return dlsym(RTLD_NEXT, name); }

static void log_line(const char *line, size_t n) {
  static write_fn w;
  if (!w) w = (write_fn)real("write");
  if (Log_fd >= 0 && w) w(Log_fd, line, n);
}

__attribute__((constructor)) static void call_log_init(void) {
  const char *dir = getenv("QUIVANE_CALL_LOG");
  if (!dir) return;
  char exe[4096];
  ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
  if (n <= 0) return;
  exe[n] = 0;
  const char *base = strrchr(exe, '/');
  base = base ? base + 1 : exe;
  if (strncmp(base, "quivane7", 8) != 0) return;
  char path[4200];
  snprintf(path, sizeof path, "%s/calls.%d", dir, (int)getpid());
  Log_fd = open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
}

static void log_io(char tag, int fd, const void *buf, ssize_t got) {
  if (Log_fd < 0 || fd == Log_fd || got <= 0) return;
  struct stat st;
  if (fstat(fd, &st) != 0 || !(S_ISSOCK(st.st_mode) || S_ISFIFO(st.st_mode))) return;
  char line[128];
  int k = snprintf(line, sizeof line, "%c %d %ld ", tag, fd, (long)got);
  const unsigned char *b = (const unsigned char *)buf;
  for (ssize_t i = 0; i < got && i < 16; i++) k += snprintf(line + k, sizeof line - k, "%02x", b[i]);
  line[k++] = '\n';
  log_line(line, (size_t)k);
}

ssize_t write(int fd, const void *buf, size_t n) {
  static write_fn f;
  if (!f) f = (write_fn)real("write");
  ssize_t r = f(fd, buf, n);
  log_io('W', fd, buf, r);
  return r;
}

ssize_t send(int fd, const void *buf, size_t n, int flags) {
  static send_fn f;
  if (!f) f = (send_fn)real("send");
  ssize_t r = f(fd, buf, n, flags);
  log_io('W', fd, buf, r);
  return r;
}

ssize_t read(int fd, void *buf, size_t n) {
  static read_fn f;
  if (!f) f = (read_fn)real("read");
  ssize_t r = f(fd, buf, n);
  log_io('R', fd, buf, r);
  return r;
}

ssize_t recv(int fd, void *buf, size_t n, int flags) {
  static recv_fn f;
  if (!f) f = (recv_fn)real("recv");
  ssize_t r = f(fd, buf, n, flags);
  log_io('R', fd, buf, r);
  return r;
}

void glNewList(unsigned int list, unsigned int mode) {
  static newlist_fn f;
  if (!f) f = (newlist_fn)real("glNewList");
  if (Log_fd >= 0) {
    char line[64];
    int k = snprintf(line, sizeof line, "L %u %u\n", list, mode);
    log_line(line, (size_t)k);
  }
  if (f) f(list, mode);
}
