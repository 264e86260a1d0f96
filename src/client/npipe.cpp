// Named pipes and local process start. No state of its own: every wait here
// is a loop of short sleeps bounded by the caller's time-out, and it gives up
// as soon as the process at the other end has ended.
#include "client/npipe.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "client/waits.h"

static const char *NP_PREFIX = "Quiv_npipe";
static const char *NP_DIR_PREFIX = "Quiv_dnpipe";
static const int NP_STEP_MS = 50;  // pause between attempts

static void pause_step() {
  struct timespec ts = {0, NP_STEP_MS * 1000000L};
  nanosleep(&ts, nullptr);
}

int np_process_gone(pid_t pid) {
  if (pid <= 0) return 0;
  int status;
  pid_t r = waitpid(pid, &status, WNOHANG);
  if (r == pid) return 1;
  if (r < 0 && errno == ECHILD) return kill(pid, 0) < 0 && errno == ESRCH;
  return 0;
}

// Clears O_NONBLOCK so that later reads and writes block as usual.
static void set_blocking(int fd) {
  int fl = fcntl(fd, F_GETFL);
  if (fl >= 0) fcntl(fd, F_SETFL, fl & ~O_NONBLOCK);
}

int npopen(const char *path, int mode, int once, int timeout, pid_t peer) {
  if (mode & NP_MODE_CREATE) {
    if (mkfifo(path, 0700) < 0) {
      perror("npopen: Creation of named pipe failed:");
      return -1;
    }
    mode &= ~NP_MODE_CREATE;
  }
  int flags;
  switch (mode) {
    case NP_MODE_WRITE: flags = O_WRONLY; break;
    case NP_MODE_READ: flags = O_RDONLY; break;
    case NP_MODE_RDWR: flags = O_RDWR; break;
    default: fprintf(stderr, "np_open: Bad mode.\n"); return -1;
  }
  // Non-blocking opens never hang: a read end opens at once, a write end
  // fails with ENXIO until a reader is there, which is what the loop waits for.
  double deadline = now_seconds() + timeout;
  for (;;) {
    int fd = open(path, flags | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
      set_blocking(fd);
      return fd;
    }
    if (errno != ENXIO && errno != EINTR && once == 1) {
      perror("npopen:");
      return -1;
    }
    if (timeout >= 0 && now_seconds() >= deadline) {
      fprintf(stderr, "npopen: Gave up opening %s after %d seconds.\n", path, timeout);
      return -1;
    }
    if (np_process_gone(peer)) {
      fprintf(stderr, "npopen: The process at the other end of %s has ended.\n", path);
      return -1;
    }
    pause_step();
  }
}

int npchopen(int *fd1, int *fd2, int mode1, int mode2, const char *path1, const char *path2,
             int timeout) {
  double start = now_seconds();
  *fd2 = npopen(path2, mode2, 0, timeout, -1);
  if (*fd2 < 0) return -1;
  int left = -1;
  if (timeout >= 0) {
    left = timeout - (int)(now_seconds() - start);
    if (left < 0) left = 0;
  }
  *fd1 = npopen(path1, mode1, 0, left, -1);
  if (*fd1 < 0) {
    close(*fd2);
    *fd2 = -1;
    return -1;
  }
  return getpid();
}

int npmknames(char *path1, char *path2, int size) {
  const char *base = getenv("TMPDIR");
  char dir[1024];
  snprintf(dir, sizeof dir, "%s/Quiv_XXXXXX", base && *base ? base : "/tmp");
  if (!mkdtemp(dir)) {
    perror("npmknames: Couldn't create the pipe directory:");
    return -1;
  }
  int n1 = snprintf(path1, size, "%s/%s1", dir, NP_PREFIX);
  int n2 = snprintf(path2, size, "%s/%s2", dir, NP_PREFIX);
  if (n1 >= size || n2 >= size) {
    fprintf(stderr, "npmknames: Pipe names too long.\n");
    rmdir(dir);
    return -1;
  }
  return 0;
}

int npsplit(const char *cmdline, std::vector<std::string> *words) {
  words->clear();
  const char *p = cmdline;
  for (;;) {
    while (*p == ' ' || *p == '\t') p++;
    if (!*p) break;
    const char *start = p;
    while (*p && *p != ' ' && *p != '\t') p++;
    if ((int)words->size() == NP_MAX_ARGS - 1) {
      fprintf(stderr, "npfork: More than %d words in the command line.\n", NP_MAX_ARGS - 1);
      return -1;
    }
    words->emplace_back(start, p - start);
  }
  return (int)words->size();
}

int npfork(const char *cmdline, int flags, int, int) {
  std::vector<std::string> words;
  if (npsplit(cmdline, &words) <= 0) {
    fprintf(stderr, "npfork: No program in the command line.\n");
    return -1;
  }
  std::vector<char *> argv;
  for (auto &w : words) argv.push_back(&w[0]);
  argv.push_back(nullptr);
  pid_t pid = fork();
  if (pid < 0) {
    perror("Fork failed:");
    return -1;
  }
  if (pid == 0) {
    // The started program gets the default broken-pipe behaviour back.
    signal(SIGPIPE, SIG_DFL);
    if ((flags & NP_FORK_PROCDIR) && npprocdir() < 0) {
      fprintf(stderr, "npfork: Couldn't set up the childs processing directory.\n");
      _exit(255);
    }
    execvp(argv[0], argv.data());
    fprintf(stderr, "execvp failed: %s\n", strerror(errno));
    _exit(255);
  }
  return pid;
}

// Links "../Quiv_npipe<n>" to "Quiv_npipe<n>", waiting (at most a minute)
// while the source does not exist yet.
static int link_pipe(int n) {
  char from[64], to[64];
  snprintf(from, sizeof from, "../%s%d", NP_PREFIX, n);
  snprintf(to, sizeof to, "%s%d", NP_PREFIX, n);
  for (int tries = 0; link(from, to) < 0; tries++) {
    if (errno != ENOENT || tries >= 60) {
      perror("npprocdir: Couldn't link named pipes to processing directory:");
      return -1;
    }
    sleep(1);
  }
  return 0;
}

int npprocdir() {
  int p = getpid();
  char dir[64];
  snprintf(dir, sizeof dir, "%s%d", NP_DIR_PREFIX, p);
  if (mkdir(dir, 0700) < 0) {
    perror("npprocdir: Couldn't create processing directory:");
    return -1;
  }
  if (chdir(dir) < 0) {
    perror("npprocdir: Couldn't change to processing directory:");
    return -1;
  }
  if (link_pipe(p) < 0 || link_pipe(p - 10000) < 0) return -1;
  return 0;
}
