// Channels and wire primitives. This module owns the channel table Sockt_tbl
// (one record per channel ever made, never removed, index = channel), the
// accept time-out and the two byte totals. Only ccstrt appends records and
// only ccend closes them; callers read a record's fields but do not change
// them. All reads and writes of values go through ReadData / SendData, which
// count the bytes, feed the trace and keep the time bounds; the handshake
// alone reads and writes directly. Whatever finds a channel unusable marks
// it broken through break_channel, which tells the hook once.
#include "client/ccp.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <libgen.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include "client/npipe.h"
#include "client/waits.h"

Channel_rec *Sockt_tbl = nullptr;
int Sockt_cnt = 0;
int Trace_level = -1;

static int Accept_timeout = 60;     // seconds; -1 no limit, 0 do not wait
static unsigned int Sent_total = 0; // bytes written by SendData
static unsigned int Recv_total = 0; // bytes read by ReadData
static int Stall_ms = CCP_STALL_DEFAULT * 1000;  // longest gap between two bytes of a reply
static void (*Broken_hook)(int ch) = nullptr;   // told once when a channel breaks

static const int SHAKE_INT = 0x12345678;
static const float SHAKE_FLOAT = 12345678.0f;
static const int DEFAULT_WAIT = 60;  // bound of waits that a time-out of 0 would skip

// ---- trace ---------------------------------------------------------------

int qtrace_on(int level) {
  if (Trace_level < 0) {
    const char *v = getenv("QUIVANE_TRACE");
    Trace_level = v ? atoi(v) : 0;
  }
  return Trace_level >= level;
}

void qtrace(int level, const char *tag, const char *fmt, ...) {
  if (!qtrace_on(level)) return;
  va_list ap;
  va_start(ap, fmt);
  fprintf(stderr, "[trace %s %d] ", tag, (int)getpid());
  vfprintf(stderr, fmt, ap);
  fputc('\n', stderr);
  va_end(ap);
}

void qtrace_hex(const char *tag, const char *what, int ch, const void *data, int n) {
  if (!qtrace_on(2) || n <= 0) return;
  const unsigned char *b = (const unsigned char *)data;
  const int shown = n > 256 ? 256 : n;
  fprintf(stderr, "[trace %s %d] ch %d %s %d bytes:", tag, (int)getpid(), ch, what, n);
  for (int i = 0; i < shown; i++) fprintf(stderr, "%s%02x", i % 16 ? " " : "\n  ", b[i]);
  fprintf(stderr, "%s\n", shown < n ? " ..." : "");
}

// ---- channel table ---------------------------------------------------------

// The record of an open channel, or null (reported, unless the channel is
// broken: its breaking was reported already).
static Channel_rec *chan(int ch) {
  if (ch >= 0 && ch < Sockt_cnt && Sockt_tbl[ch].broken) return nullptr;
  if (ch < 0 || ch >= Sockt_cnt || Sockt_tbl[ch].closed) {
    fprintf(stderr, "ccp: No open channel %d.\n", ch);
    return nullptr;
  }
  return &Sockt_tbl[ch];
}

// Marks a channel unusable for good and tells the hook (once).
static void break_channel(int ch) {
  if (ch < 0 || ch >= Sockt_cnt || Sockt_tbl[ch].broken) return;
  Sockt_tbl[ch].broken = 1;
  qtrace(1, "ccp", "ch %d broken", ch);
  if (Broken_hook) Broken_hook(ch);
}

static int read_fd(const Channel_rec *c) { return c->kind == 1 ? c->rfd : c->sockfd; }
static int write_fd(const Channel_rec *c) { return c->kind == 1 ? c->wfd : c->sockfd; }

// Appends a record with both raw flags set and nothing open; its index or -1.
static int add_channel(int kind) {
  Channel_rec *t = (Channel_rec *)realloc(Sockt_tbl, (Sockt_cnt + 1) * sizeof(Channel_rec));
  if (!t) {
    fprintf(stderr, "ccstrt: Couldn't allocate room for another channel.\n");
    perror("ccstrt");
    return -1;
  }
  Sockt_tbl = t;
  Channel_rec *c = &Sockt_tbl[Sockt_cnt];
  memset(c, 0, sizeof *c);
  c->kind = kind;
  c->sockfd = c->wfd = c->rfd = c->shake_fd = c->pipe_num = -1;
  c->ints_raw = c->floats_raw = 1;
  return Sockt_cnt++;
}

void ccsettimeout(int seconds) {
  if (seconds >= -1) Accept_timeout = seconds;
}
int ccgettimeout() { return Accept_timeout; }
void ccsetstall(int seconds) { Stall_ms = (seconds > 0 ? seconds : CCP_STALL_DEFAULT) * 1000; }
void ccsetstall_ms(int ms) { Stall_ms = ms > 0 ? ms : CCP_STALL_DEFAULT * 1000; }
int ccgetstall_ms() { return Stall_ms; }
void ccp_set_broken_hook(void (*hook)(int ch)) { Broken_hook = hook; }
int ccbroken(int ch) { return ch < 0 || ch >= Sockt_cnt || Sockt_tbl[ch].broken; }
void ccrdone(int ch) {
  if (ch >= 0 && ch < Sockt_cnt) Sockt_tbl[ch].reply_open = 0;
}
void cctimeout(int) {}
int ccsbyt() { return (int)Sent_total; }
int ccrbyt() { return (int)Recv_total; }

// Seconds the FIFO opens of a pipe channel's set-up may last.
static int wait_bound() { return Accept_timeout == 0 ? DEFAULT_WAIT : Accept_timeout; }

// Milliseconds of a time-out in seconds (-1 stays "no limit").
static int to_ms(int seconds) { return seconds < 0 ? -1 : seconds * 1000; }

int ccwait(int ch, int timeout, int pid) {
  int fd = ccpgfd(ch);
  if (fd < 0) return -1;
  return wait_readable(fd, to_ms(timeout), pid);
}

// ---- read and write loops --------------------------------------------------

// Reads n bytes. A byte that opens a reply (nothing has been read since this
// side last sent) waits as the caller asks: wait 1 without limit, wait 0 on
// a socket not at all (1 is returned). Every other byte must come within
// the stall limit; a stall, a read error or the peer's end breaks the channel.
static int ReadData(int ch, int wait, void *buf, int n) {
  Channel_rec *c = chan(ch);
  if (!c) return -1;
  if (n <= 0) return 0;
  int fd = read_fd(c);
  alarm(0);
  if (!wait && c->kind == 0 && !c->reply_open) {
    struct pollfd p = {fd, POLLIN, 0};
    int r;
    while ((r = poll(&p, 1, 0)) < 0 && errno == EINTR) {
    }
    if (r == 0) return 1;
  }
  char *b = (char *)buf;
  int got = 0;
  while (got < n) {
    if (Sockt_tbl[ch].reply_open) {
      int w = wait_readable(fd, Stall_ms, -1);
      if (w == 0) {
        fprintf(stderr,
                "ccp: Channel %d stalled: nothing came for %.1f seconds in the middle of a "
                "reply.\n",
                ch, Stall_ms / 1000.0);
        break;
      }
      if (w < 0) {
        perror("ReadData");
        break;
      }
    }
    ssize_t r = read(fd, b + got, n - got);
    if (r < 0 && errno == EINTR) continue;
    if (r == 0) {
      fprintf(stderr, "ccp: Connection broken.\n");
      break;
    }
    if (r < 0) {
      perror("ReadData");
      break;
    }
    got += (int)r;
    Recv_total += (unsigned)r;
    Sockt_tbl[ch].reply_open = 1;
  }
  qtrace_hex("ccp", "received", ch, b, got);
  if (got == n) return 0;
  break_channel(ch);
  return -1;
}

// Waits until fd takes more bytes, at most ms: 1 yes, 0 time-out, -1 error.
static int wait_writable(int fd, int ms) {
  const double deadline = now_seconds() + ms / 1000.0;
  for (;;) {
    int left = (int)((deadline - now_seconds()) * 1000 + 0.999);
    struct pollfd p = {fd, POLLOUT, 0};
    int r = poll(&p, 1, left < 0 ? 0 : left);
    if (r > 0) return 1;
    if (r < 0 && errno != EINTR) return -1;
    if (r == 0) return 0;
  }
}

// Writes n bytes. A peer that takes nothing for the stall limit, or that is
// gone, breaks the channel. Pieces of a pipe write stay within PIPE_BUF, so
// that a write the pipe has room for never blocks.
static int SendData(int ch, const void *buf, int n) {
  Channel_rec *c = chan(ch);
  if (!c) return -1;
  c->reply_open = 0;  // what is read next answers this
  if (n <= 0) return 0;
  int fd = write_fd(c);
  alarm(0);
  const char *b = (const char *)buf;
  int sent = 0;
  while (sent < n) {
    int w = wait_writable(fd, Stall_ms);
    if (w == 0) {
      fprintf(stderr, "ccp: Channel %d stalled: the peer took nothing for %.1f seconds.\n", ch,
              Stall_ms / 1000.0);
      break_channel(ch);
      return -1;
    }
    int piece = n - sent;
    if (c->kind == 1 && piece > PIPE_BUF) piece = PIPE_BUF;
    ssize_t r = w < 0 ? -1
                : c->kind == 0 ? send(fd, b + sent, piece, MSG_NOSIGNAL | MSG_DONTWAIT)
                               : write(fd, b + sent, piece);
    if (r < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) continue;
    if (r <= 0) {
      perror("SendData");
      break_channel(ch);
      return -1;
    }
    sent += (int)r;
    Sent_total += (unsigned)r;
  }
  qtrace_hex("ccp", "sent", ch, b, n);
  return 0;
}

// Reads and drops nbytes (at most CCP_DRAIN_MAX), so that an unwanted value
// does not leave the channel out of step with the peer.
static int drain(int ch, long long nbytes) {
  char sink[4096];
  while (nbytes > 0) {
    int k = nbytes > (long long)sizeof sink ? (int)sizeof sink : (int)nbytes;
    if (ReadData(ch, 1, sink, k) != 0) return -1;
    nbytes -= k;
  }
  return 0;
}

// ---- value encoding --------------------------------------------------------

static void put_be32(unsigned char *b, uint32_t v) {
  b[0] = (unsigned char)(v >> 24);
  b[1] = (unsigned char)(v >> 16);
  b[2] = (unsigned char)(v >> 8);
  b[3] = (unsigned char)v;
}

static uint32_t get_be32(const unsigned char *b) {
  return ((uint32_t)b[0] << 24) | ((uint32_t)b[1] << 16) | ((uint32_t)b[2] << 8) | b[3];
}

static uint32_t float_bits(float x) {
  uint32_t u;
  memcpy(&u, &x, 4);
  return u;
}

static float bits_float(uint32_t u) {
  float x;
  memcpy(&x, &u, 4);
  return x;
}

int ccfltcode(float x) {
  double d = x;
  if (!((d > 1e-20 && d < 1e20) || (d < -1e-20 && d > -1e20))) return 0;
  int e;
  double f = frexp(d, &e);
  int32_t m = (int32_t)(f * 8388607.0);
  return (int)(((uint32_t)e << 24) | ((uint32_t)m & 0xFFFFFFu));
}

float cccodeflt(int code) {
  if (code == 0) return 0.0f;
  int e = (int)(int8_t)((uint32_t)code >> 24);
  int32_t m = (int32_t)((uint32_t)code & 0xFFFFFFu);
  if (m & 0x800000) m -= 0x1000000;
  return (float)ldexp((double)m / 8388607.0, e);
}

// A float's word on this channel: raw bits or portable code.
static uint32_t float_word(const Channel_rec *c, float x) {
  return c->floats_raw ? float_bits(x) : (uint32_t)ccfltcode(x);
}

static float word_float(const Channel_rec *c, uint32_t w) {
  return c->floats_raw ? bits_float(w) : cccodeflt((int)w);
}

// ---- handshake -------------------------------------------------------------

// Reads up to n bytes of the peer's handshake: its first byte before the
// deadline (monotonic seconds; -1 none), each later one within the stall
// limit. Bytes read; *late is set when the time ran out.
static int read_within(int fd, unsigned char *buf, int n, double deadline, int *late,
                       int *started) {
  int got = 0;
  while (got < n) {
    int left = -1;
    if (*started) {
      left = Stall_ms;
    } else if (deadline >= 0) {
      left = (int)((deadline - now_seconds()) * 1000);
      if (left < 0) left = 0;
    }
    if (wait_readable(fd, left, -1) != 1) {
      *late = 1;
      return got;
    }
    ssize_t r = read(fd, buf + got, n - got);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) return got;
    got += (int)r;
    *started = 1;
  }
  return got;
}

int ccshake(int ch) {
  Channel_rec *c = chan(ch);
  if (!c) return -1;
  alarm(0);
  int fd = c->shake_fd;
  unsigned char out[10];
  out[0] = 4;
  put_be32(out + 1, (uint32_t)SHAKE_INT);
  out[5] = 4;
  put_be32(out + 6, float_bits(SHAKE_FLOAT));
  for (int sent = 0; sent < 10;) {
    ssize_t r = send(fd, out + sent, 10 - sent, MSG_NOSIGNAL);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) break;
    sent += (int)r;
  }
  qtrace_hex("ccp", "handshake sent", ch, out, 10);

  // A peer that has connected sends its handshake at once: even without an
  // accept time-out (-1) its first byte must come within the stall limit.
  int bound = Accept_timeout > 0 ? Accept_timeout : (Stall_ms + 999) / 1000;
  double deadline = now_seconds() + (Accept_timeout > 0 ? Accept_timeout : Stall_ms / 1000.0);
  int late = 0, started = 0;
  unsigned char len = 0, skip[255], val[4];
  if (read_within(fd, &len, 1, deadline, &late, &started) == 1)
    read_within(fd, skip, len, deadline, &late, &started);
  len = 0;
  if (!late && read_within(fd, &len, 1, deadline, &late, &started) == 1 && len == 4) {
    if (read_within(fd, val, 4, deadline, &late, &started) != 4 ||
        bits_float(get_be32(val)) != SHAKE_FLOAT)
      c->floats_raw = 0;
    qtrace_hex("ccp", "handshake float", ch, val, 4);
  } else {
    c->floats_raw = 0;
    if (!late) read_within(fd, skip, len, deadline, &late, &started);
  }
  c->ints_raw = 1;
  qtrace(1, "ccp", "ch %d handshake: floats %s", ch, c->floats_raw ? "raw" : "coded");
  if (late) {
    if (started)
      fprintf(stderr, "ccshake: The peer's handshake stalled for %.1f seconds.\n",
              Stall_ms / 1000.0);
    else
      fprintf(stderr, "ccshake: No handshake from the peer within %d seconds.\n", bound);
    return -1;
  }
  return 0;
}

// ---- set-up ----------------------------------------------------------------

static void set_nodelay(int fd, int report) {
  int on = 1;
  if (report) fprintf(stderr, "Invoking TCP_NODELAY\n");
  if (setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on) < 0 && report)
    perror("setsockopt(TCP_NODELAY)");
}

static int lookup_host(const char *host, struct in_addr *addr) {
  struct addrinfo hints, *res = nullptr;
  memset(&hints, 0, sizeof hints);
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  if (getaddrinfo(host, nullptr, &hints, &res) == 0 && res) {
    *addr = ((struct sockaddr_in *)res->ai_addr)->sin_addr;
    freeaddrinfo(res);
    return 0;
  }
  if (inet_aton(host, addr)) return 0;
  fprintf(stderr, "ccstrt: Host %s unknown.\n", host);
  return -1;
}

// Appends a socket channel for fd with TCP_NODELAY on: a listening one, or
// a connected one whose handshake runs on fd. Its index, or -1 (fd closed).
static int add_socket_channel(int fd, int listening) {
  set_nodelay(fd, 1);
  int idx = add_channel(0);
  if (idx < 0) {
    close(fd);
    return -1;
  }
  Sockt_tbl[idx].sockfd = fd;
  Sockt_tbl[idx].listening = listening;
  if (!listening) Sockt_tbl[idx].shake_fd = fd;
  return idx;
}

static int socket_connect(const char *host, int port, int *ch) {
  struct sockaddr_in a;
  memset(&a, 0, sizeof a);
  if (lookup_host(host, &a.sin_addr) < 0) return -1;
  a.sin_family = AF_INET;
  a.sin_port = htons((uint16_t)port);
  int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    perror("ccstrt");
    return -1;
  }
  int r;
  while ((r = connect(fd, (struct sockaddr *)&a, sizeof a)) < 0 && errno == EINTR) {
  }
  if (r < 0) {
    perror("ccstrt");
    close(fd);
    return -1;
  }
  int idx = add_socket_channel(fd, 0);
  if (idx < 0) return -1;
  *ch = idx;
  qtrace(1, "ccp", "ch %d connected to %s:%d", idx, host, port);
  if (ccshake(idx) < 0) {
    ccend(idx);
    return -1;
  }
  return 0;
}

static int socket_listen(int port, int *ch) {
  int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    perror("ccstrt");
    return -1;
  }
  int on = 1;
  if (setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) < 0) perror("setsockopt");
  struct sockaddr_in a;
  memset(&a, 0, sizeof a);
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_ANY);
  a.sin_port = htons((uint16_t)port);
  if (bind(fd, (struct sockaddr *)&a, sizeof a) < 0 || listen(fd, 5) < 0) {
    perror("ccstrt");
    close(fd);
    return -1;
  }
  int idx = add_socket_channel(fd, 1);
  if (idx < 0) return -1;
  *ch = idx;
  qtrace(1, "ccp", "ch %d listening on port %d", idx, port);
  return 0;
}

int ccstrt(int connect, const char *host, int port_or_pid, int *ch, int kind,
           const char *path1, const char *path2) {
  if (kind == 1) return pccstrt(connect, port_or_pid, ch, path1, path2);
  if (port_or_pid < 1024 || port_or_pid > 65535) {
    fprintf(stderr, "ccstrt: Port number out of range.\n");
    return -1;
  }
  return connect == 1 ? socket_connect(host, port_or_pid, ch) : socket_listen(port_or_pid, ch);
}

int ccacpt(int ch, int wait, int *out) {
  Channel_rec *c = chan(ch);
  if (!c) return -1;
  if (c->kind == 1) return pccacpt(ch, wait, out);
  if (!c->listening) {
    fprintf(stderr, "ccacpt: Channel %d is not listening.\n", ch);
    return -1;
  }
  int lfd = c->sockfd;
  int poll_mode = !wait || Accept_timeout == 0;
  if (!poll_mode) {
    int r = wait_readable(lfd, to_ms(Accept_timeout), -1);
    if (r != 1) {
      if (r == 0) errno = ETIMEDOUT;
      perror("ccacpt");
      ccend(ch);
      return -1;
    }
  } else {
    fcntl(lfd, F_SETFL, fcntl(lfd, F_GETFL) | O_NONBLOCK);
  }
  int fd;
  while ((fd = accept4(lfd, nullptr, nullptr, SOCK_CLOEXEC)) < 0 && errno == EINTR) {
  }
  int err = errno;
  if (poll_mode) fcntl(lfd, F_SETFL, fcntl(lfd, F_GETFL) & ~O_NONBLOCK);
  alarm(0);
  signal(SIGALRM, SIG_IGN);
  if (fd < 0) {
    if (poll_mode && (err == EAGAIN || err == EWOULDBLOCK)) {
      *out = -1;
      return 1;
    }
    errno = err;
    perror("ccacpt");
    ccend(ch);
    return -1;
  }
  c = &Sockt_tbl[ch];
  close(lfd);
  c->listening = 0;
  c->sockfd = c->shake_fd = fd;
  set_nodelay(fd, 0);
  qtrace(1, "ccp", "ch %d accepted a connection", ch);
  if (ccshake(ch) < 0) {
    ccend(ch);
    return -1;
  }
  *out = ch;
  return 0;
}

// Removes the FIFOs this side made, and their directory when it is one of
// ours ("Quiv_" prefix) and now empty.
static void remove_pipe_files(const char *path1, const char *path2) {
  if (*path1) unlink(path1);
  if (*path2) unlink(path2);
  char dir[CCP_PATH_LEN];
  snprintf(dir, sizeof dir, "%s", *path1 ? path1 : path2);
  if (!*dir) return;
  char *d = dirname(dir);
  char base[CCP_PATH_LEN];
  snprintf(base, sizeof base, "%s", d);
  if (!strncmp(basename(base), "Quiv_", 5)) rmdir(d);
}

// Ends a started server after a failed pipe set-up.
static void kill_server(int pid) {
  if (pid <= 0) return;
  if (kill(pid, SIGKILL) < 0 && errno != ESRCH) perror("pccstrt: Couldn't kill the server:");
  waitpid(pid, nullptr, 0);
}

static int pipes_create(int pid, int *ch, const char *path1, const char *path2) {
  const char *made1 = "", *made2 = "";
  int wfd = -1, rfd = -1;
  const char *fail = nullptr;
  if (mkfifo(path2, 0700) < 0) {
    perror("(pccstrt) Couldn't create communication pipe file:");
  } else {
    made2 = path2;
    if (mkfifo(path1, 0700) < 0)
      perror("(pccstrt) Couldn't create communication pipe file:");
    else
      made1 = path1;
  }
  if (*made1) {
    wfd = npopen(path2, NP_MODE_WRITE, 1, wait_bound(), pid);
    if (wfd < 0) fail = "(pccstrt) Error opening send pipe.\n";
    if (wfd >= 0) {
      rfd = npopen(path1, NP_MODE_READ, 1, wait_bound(), pid);
      if (rfd < 0) fail = "(pccstrt) Error opening recv pipe.\n";
    }
  }
  alarm(0);
  int idx = (*made1 && !fail) ? add_channel(1) : -1;
  if (idx < 0) {
    if (fail) fputs(fail, stderr);
    if (wfd >= 0) close(wfd);
    if (rfd >= 0) close(rfd);
    remove_pipe_files(made1, made2);
    kill_server(pid);
    return -1;
  }
  Channel_rec *c = &Sockt_tbl[idx];
  c->wfd = wfd;
  c->rfd = rfd;
  c->pipe_num = pid;
  snprintf(c->path1, sizeof c->path1, "%s", path1);
  snprintf(c->path2, sizeof c->path2, "%s", path2);
  *ch = idx;
  qtrace(1, "ccp", "ch %d pipes %s (read) %s (write), server %d", idx, path1, path2, pid);
  return 0;
}

static int pipes_open(int *ch, const char *path1, const char *path2) {
  int wfd, rfd;
  if (npchopen(&wfd, &rfd, NP_MODE_WRITE, NP_MODE_READ, path1, path2, wait_bound()) < 0) {
    fprintf(stderr, "(pccstrt) Error opening the communication pipes.\n");
    return -1;
  }
  int idx = add_channel(1);
  if (idx < 0) {
    close(wfd);
    close(rfd);
    return -1;
  }
  Sockt_tbl[idx].wfd = wfd;
  Sockt_tbl[idx].rfd = rfd;
  *ch = idx;
  qtrace(1, "ccp", "ch %d pipes %s (read) %s (write)", idx, path2, path1);
  return 0;
}

int pccstrt(int connect, int pid, int *ch, const char *path1, const char *path2) {
  if (!path1 || !path2 || !*path1 || !*path2 || strlen(path1) >= CCP_PATH_LEN ||
      strlen(path2) >= CCP_PATH_LEN) {
    fprintf(stderr, "(pccstrt) Bad pipe names.\n");
    return -1;
  }
  return connect == 1 ? pipes_open(ch, path1, path2) : pipes_create(pid, ch, path1, path2);
}

int pccacpt(int ch, int wait, int *out) {
  Channel_rec *c = chan(ch);
  if (!c) return -1;
  *out = -1;
  int poll_mode = !wait || Accept_timeout == 0;
  int r = wait_readable(c->rfd, poll_mode ? 0 : to_ms(Accept_timeout), poll_mode ? -1 : c->pipe_num);
  if (r == 0 && poll_mode) return 1;
  char greeting[CCP_GREETING_LEN];
  int len = 0;
  int got = r == 1 ? ccrstr(ch, 1, greeting, sizeof greeting, &len) : -1;
  if (got == 0 && len > 0 && greeting[0] == 'q') {
    alarm(0);
    signal(SIGALRM, SIG_IGN);
    *out = ch;
    qtrace(1, "ccp", "ch %d greeted", ch);
    return 0;
  }
  if (r == 0)
    fprintf(stderr, "pccacpt: No greeting within %d seconds.\n", Accept_timeout);
  else if (r == -2)
    fprintf(stderr, "pccacpt: The server ended before it greeted.\n");
  else if (got == 0)
    fprintf(stderr, "pccacpt: Greeting refused: it does not begin with \"q\".\n");
  else
    perror("pccacpt");
  pccend(ch);
  return -1;
}

int pccend(int ch) {
  if (ch < 0 || ch >= Sockt_cnt) return 0;
  Channel_rec *c = &Sockt_tbl[ch];
  if (c->wfd >= 0) close(c->wfd);
  if (c->rfd >= 0) close(c->rfd);
  c->wfd = c->rfd = -1;
  remove_pipe_files(c->path1, c->path2);
  c->path1[0] = c->path2[0] = '\0';
  c->closed = 1;
  return 0;
}

int ccend(int ch) {
  if (ch < 0 || ch >= Sockt_cnt || Sockt_tbl[ch].closed) return 0;
  qtrace(1, "ccp", "ch %d closed", ch);
  if (Sockt_tbl[ch].kind == 1) return pccend(ch);
  Channel_rec *c = &Sockt_tbl[ch];
  if (c->sockfd >= 0) close(c->sockfd);
  c->sockfd = c->shake_fd = -1;
  c->closed = 1;
  return 0;
}

int ccpgfd(int ch) {
  if (ch < 0 || ch >= Sockt_cnt || Sockt_tbl[ch].closed || Sockt_tbl[ch].broken) return -1;
  return read_fd(&Sockt_tbl[ch]);
}

// ---- scalar primitives -----------------------------------------------------

int ccsint(int ch, int value) {
  unsigned char b[4];
  put_be32(b, (uint32_t)value);
  return SendData(ch, b, 4);
}

int ccrint(int ch, int wait, int *value) {
  unsigned char b[4];
  int r = ReadData(ch, wait, b, 4);
  if (r == 0) *value = (int)get_be32(b);
  return r;
}

int ccsflt(int ch, float value) {
  Channel_rec *c = chan(ch);
  if (!c) return -1;
  unsigned char b[4];
  put_be32(b, float_word(c, value));
  return SendData(ch, b, 4);
}

int ccrflt(int ch, int wait, float *value) {
  unsigned char b[4];
  int r = ReadData(ch, wait, b, 4);
  if (r == 0) *value = word_float(&Sockt_tbl[ch], get_be32(b));
  return r;
}

int ccsstr(int ch, const char *text, int length) {
  if (length == 0) length = (int)strlen(text);
  int r = ccsint(ch, length);
  if (r != 0 || length <= 0) return r;
  return SendData(ch, text, length);
}

// A value of count x unit bytes (count > 0) that does not fit the room there
// is: dropped when it is small enough to be read (the channel stays in step
// with the peer), else the channel is broken. -1 either way.
static int refuse_value(int ch, const char *who, long long count, int unit, long long capacity) {
  long long bytes = count * unit;
  if (bytes <= CCP_DRAIN_MAX) {
    fprintf(stderr, "%s: %lld values do not fit in %lld; dropped.\n", who, count, capacity);
    drain(ch, bytes);
  } else {
    fprintf(stderr,
            "%s: %lld values do not fit in %lld and are too many to drop; channel %d broken.\n",
            who, count, capacity, ch);
    break_channel(ch);
  }
  return -1;
}

// A count no value can have: the channel is out of step for good.
static int bad_count(int ch, const char *who, int n) {
  fprintf(stderr, "%s: Bad count %d from the peer; channel %d broken.\n", who, n, ch);
  break_channel(ch);
  return -1;
}

// Reads a count and checks it against the room there is; a count that does
// not fit is announced in *count and refused (refuse_value), a negative one
// breaks the channel: -1.
static int read_count(int ch, int wait, const char *who, int capacity, int unit, int *count) {
  int n;
  int r = ccrint(ch, wait, &n);
  if (r != 0) return r;
  *count = n;
  if (n < 0) return bad_count(ch, who, n);
  if (n > capacity) return refuse_value(ch, who, n, unit, capacity);
  return 0;
}

int ccrstr(int ch, int wait, char *buf, int capacity, int *length) {
  int r = read_count(ch, wait, "ccrstr", capacity, 1, length);
  if (r != 0) return r;
  return ReadData(ch, 1, buf, *length);
}

int ccrbytes(int ch, void *buf, int n) {
  if (n < 0) return -1;
  Channel_rec *c = chan(ch);
  if (!c) return -1;
  c->reply_open = 1;
  return ReadData(ch, 1, buf, n);
}

// ---- arrays ----------------------------------------------------------------

// Sends n float values, value(k) giving value k, in words of this channel,
// through one buffer of CCP_CHUNK values.
template <typename F>
static int send_floats(int ch, int n, F value) {
  Channel_rec *c = chan(ch);
  if (!c) return -1;
  unsigned char buf[CCP_CHUNK * 4];
  for (int k = 0; k < n;) {
    int m = n - k < CCP_CHUNK ? n - k : CCP_CHUNK;
    for (int i = 0; i < m; i++) put_be32(buf + 4 * i, float_word(c, value(k + i)));
    if (SendData(ch, buf, 4 * m) != 0) return -1;
    k += m;
  }
  return 0;
}

// Receives n float values in chunks, store(k, v) placing value k.
template <typename F>
static int recv_floats(int ch, int n, F store) {
  unsigned char buf[CCP_CHUNK * 4];
  for (int k = 0; k < n;) {
    int m = n - k < CCP_CHUNK ? n - k : CCP_CHUNK;
    if (ReadData(ch, 1, buf, 4 * m) != 0) return -1;
    const Channel_rec *c = &Sockt_tbl[ch];
    for (int i = 0; i < m; i++) store(k + i, word_float(c, get_be32(buf + 4 * i)));
    k += m;
  }
  return 0;
}

// The leading counts of an array send; a negative channel sends none.
static int send_counts(int ch, int a, int b, int two) {
  if (ch < 0) return 0;
  if (ccsint(ch, a) != 0) return -1;
  return two ? ccsint(ch, b) : 0;
}

// An array goes out in one write: its count (unless ch is negative) and
// its n words, word(k) giving word k.
template <typename W>
static int send_words(int ch, int n, W word) {
  bool counted = ch >= 0;
  int out = counted ? ch : -ch;
  Channel_rec *c = chan(out);
  if (!c) return -1;
  if (n <= 0) return counted ? ccsint(out, n) : 0;
  size_t head = counted ? 4 : 0;
  std::vector<unsigned char> buf(head + (size_t)n * 4);
  if (counted) put_be32(buf.data(), (uint32_t)n);
  for (int i = 0; i < n; i++) put_be32(&buf[head + 4 * (size_t)i], word(c, i));
  return SendData(out, buf.data(), (int)buf.size());
}

int ccsinn(int ch, const int *values, int n) {
  return send_words(ch, n, [&](const Channel_rec *, int k) { return (uint32_t)values[k]; });
}

int ccrinn(int ch, int wait, int *values, int capacity, int *n) {
  int r = read_count(ch, wait, "ccrinn", capacity, 4, n);
  if (r != 0) return r;
  unsigned char buf[CCP_CHUNK * 4];
  for (int k = 0; k < *n;) {
    int m = *n - k < CCP_CHUNK ? *n - k : CCP_CHUNK;
    if (ReadData(ch, 1, buf, 4 * m) != 0) return -1;
    for (int i = 0; i < m; i++) values[k + i] = (int)get_be32(buf + 4 * i);
    k += m;
  }
  return 0;
}

int ccsfln(int ch, const float *values, int n) {
  return send_words(ch, n, [&](const Channel_rec *c, int k) { return float_word(c, values[k]); });
}

int ccrfln(int ch, int wait, float *values, int capacity, int *n) {
  int r = read_count(ch, wait, "ccrfln", capacity, 4, n);
  if (r != 0) return r;
  return recv_floats(ch, *n, [&](int k, float v) { values[k] = v; });
}

int ccsnscl(int ch, const float *values, int n) { return ccsfln(ch, values, n); }

int ccrnscl(int ch, int wait, float *values, int capacity, int *n) {
  return ccrfln(ch, wait, values, capacity, n);
}

int ccsfl2(int ch, float *const *rows, int nrows, int ncols) {
  if (send_counts(ch, nrows, ncols, 1) != 0) return -1;
  if (nrows <= 0 || ncols <= 0) return 0;
  return send_floats(ch < 0 ? -ch : ch, nrows * ncols,
                     [&](int k) { return rows[k / ncols][k % ncols]; });
}

int ccsfl2_s3(int ch, const float *values, int nrows, int ncols) {
  if (ncols > 3) {
    fprintf(stderr, "ccsfl2_s3: %d columns do not fit rows of 3.\n", ncols);
    return -1;
  }
  if (send_counts(ch, nrows, ncols, 1) != 0) return -1;
  if (nrows <= 0 || ncols <= 0) return 0;
  return send_floats(ch < 0 ? -ch : ch, nrows * ncols,
                     [&](int k) { return values[(k / ncols) * 3 + k % ncols]; });
}

// Reads the two leading ints of a 2-D or vector array (the first may poll);
// a failure is reported under who.
static int read_pair(int ch, int wait, const char *who, int *a, int *b) {
  int st = ccrint(ch, wait, a);
  if (st == 1) return 1;
  if (st != 0 || ccrint(ch, 1, b) != 0) {
    perror(who);
    return -1;
  }
  return 0;
}

// Reads int rows and int columns and checks them against the shape
// expected; another shape has its values drained and fails.
static int read_shape(int ch, int wait, int nrows, int ncols) {
  int r, c;
  int st = read_pair(ch, wait, "ccrfl2", &r, &c);
  if (st != 0) return st;
  if (r < 0 || c < 0) return bad_count(ch, "ccrfl2", r < 0 ? r : c);
  if (r != nrows || c != ncols) {
    fprintf(stderr, "ccrfl2: Expected Rows and/or Columns doesn't match sender.\n");
    if (r > 0 && c > 0) {
      if ((long long)r * c * 4 <= CCP_DRAIN_MAX)
        drain(ch, (long long)r * c * 4);
      else
        break_channel(ch);
    }
    return -1;
  }
  return 0;
}

int ccrfl2(int ch, int wait, float **rows, int nrows, int ncols) {
  int st = read_shape(ch, wait, nrows, ncols);
  if (st != 0) return st;
  if (nrows <= 0 || ncols <= 0) return 0;
  return recv_floats(ch, nrows * ncols, [&](int k, float v) { rows[k / ncols][k % ncols] = v; });
}

int ccrfl2_s3(int ch, int wait, float *values, int nrows, int ncols) {
  int st = read_shape(ch, wait, nrows, ncols > 3 ? -1 : ncols);
  if (st != 0) return st;
  if (nrows <= 0 || ncols <= 0) return 0;
  return recv_floats(ch, nrows * ncols,
                     [&](int k, float v) { values[(k / ncols) * 3 + k % ncols] = v; });
}

int ccsnvec(int ch, const float *xyz, int n) {
  int c = ch < 0 ? -ch : ch;
  Channel_rec *rec = chan(c);
  if (!rec) return -1;
  if (rec->kind == 1) {
    if (send_counts(ch, n, 0, 0) != 0) return -1;
    return send_floats(c, 3 * n, [&](int k) { return xyz[k]; });
  }
  if (send_counts(ch, 3, n, 1) != 0) return -1;
  return send_floats(c, 3 * n, [&](int k) { return xyz[(k % n) * 3 + k / n]; });
}

int ccrnvec(int ch, int wait, float *xyz, int capacity, int *n) {
  Channel_rec *rec = chan(ch);
  if (!rec) return -1;
  if (rec->kind == 1) {
    int r = read_count(ch, wait, "ccrnvec", capacity, 12, n);
    if (r != 0) {
      *n = 0;
      return r;
    }
    if (recv_floats(ch, 3 * *n, [&](int k, float v) { xyz[k] = v; }) == 0) return 0;
    *n = 0;
    return -1;
  }
  int comps, count;
  int st = read_pair(ch, wait, "sccrnvec", &comps, &count);
  if (st != 0) return st;
  *n = count;
  if (comps != 3 || count < 0) return bad_count(ch, "ccrnvec", comps != 3 ? comps : count);
  if (count > capacity) return refuse_value(ch, "ccrnvec", count, 12, capacity);
  return recv_floats(ch, 3 * count, [&](int k, float v) { xyz[(k % count) * 3 + k / count] = v; });
}

// ---- the module's own requests ------------------------------------------------

// Sends a request keyword with its NUL and reads one string reply into buf
// (size bytes, terminated here); -1 when anything failed or the reply is empty.
static int ask_string(int ch, const char *keyword, char *buf, int size) {
  if (size < 2) return -1;
  buf[0] = '\0';
  if (ccsstr(ch, keyword, (int)strlen(keyword) + 1) != 0) return -1;
  int len = 0;
  if (ccrstr(ch, 1, buf, size - 1, &len) != 0) {
    buf[0] = '\0';
    return -1;
  }
  buf[len] = '\0';
  return buf[0] ? 0 : -1;
}

int ccrhst(int ch, char *buf, int size) { return ask_string(ch, "ccp_get_host", buf, size); }
int ccrcwd(int ch, char *buf, int size) { return ask_string(ch, "ccp_get_cwd", buf, size); }

int ccssetcwd(int ch, const char *path) {
  static const char kw[] = "ccp_set_cwd";
  if (ccsstr(ch, kw, sizeof kw) != 0 || ccsstr(ch, path, (int)strlen(path) + 1) != 0) return -1;
  int ok;
  if (ccrint(ch, 1, &ok) != 0) return -1;
  return ok ? 0 : -1;
}

// Sends a reply text of at most CCP_REPLY_LEN bytes, its NUL included.
static int send_reply(int ch, const char *text) {
  char buf[CCP_REPLY_LEN];
  snprintf(buf, sizeof buf, "%s", text);
  return ccsstr(ch, buf, (int)strlen(buf) + 1);
}

int ccshst(int ch) {
  char name[CCP_REPLY_LEN + 1] = "";
  if (gethostname(name, sizeof name - 1) < 0) name[0] = '\0';
  name[CCP_REPLY_LEN] = '\0';
  return send_reply(ch, name);
}

int ccscwd(int ch) {
  char dir[4096];
  if (!getcwd(dir, sizeof dir) || strlen(dir) >= CCP_REPLY_LEN) dir[0] = '\0';
  return send_reply(ch, dir);
}

int ccrsetcwd(int ch, char *path_out, int size) {
  char path[1024];
  int len = 0;
  int ok = 0;
  path[0] = '\0';
  if (ccrstr(ch, 1, path, sizeof path - 1, &len) != 0) {
    if (len <= (int)sizeof path - 1) return -1;  // the link failed, not just a long path
  } else {
    path[len] = '\0';
    ok = chdir(path) == 0;
  }
  if (path_out && size > 0) snprintf(path_out, size, "%s", path);
  return ccsint(ch, ok ? 1 : 0);
}

int ccp_send_exit_sigsafe(int ch) {
  if (ch < 0 || ch >= Sockt_cnt || Sockt_tbl[ch].closed || Sockt_tbl[ch].broken) return -1;
  const Channel_rec *c = &Sockt_tbl[ch];
  static const char msg[8] = {0, 0, 0, 4, 'E', 'x', 'i', 't'};
  int fd = c->kind == 1 ? c->wfd : c->sockfd;
  int sent = 0;
  while (sent < 8) {
    ssize_t r = c->kind == 1 ? write(fd, msg + sent, 8 - sent)
                             : send(fd, msg + sent, 8 - sent, MSG_NOSIGNAL);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) return -1;
    sent += (int)r;
  }
  return 0;
}

// ---- receives that keep what fits --------------------------------------------
// For replies whose values go into fixed tables: the head that fits is kept,
// the rest is read and dropped, so an over-long value costs its tail and not
// the channel.

int ccrstr_keep(int ch, int wait, char *buf, int capacity, int *length) {
  int n;
  int r = ccrint(ch, wait, &n);
  if (r != 0) return r;
  *length = n;
  if (n < 0) {
    fprintf(stderr, "ccrstr_keep: Bad count %d from the peer.\n", n);
    return -1;
  }
  int kept = n < capacity ? n : (capacity > 0 ? capacity : 0);
  if (kept > 0 && ReadData(ch, 1, buf, kept) != 0) return -1;
  return drain(ch, (long long)n - kept);
}

int ccrinn_keep(int ch, int wait, int *values, int capacity, int *n) {
  int count;
  int r = ccrint(ch, wait, &count);
  if (r != 0) return r;
  *n = count;
  if (count < 0) {
    fprintf(stderr, "ccrinn_keep: Bad count %d from the peer.\n", count);
    return -1;
  }
  int kept = count < capacity ? count : (capacity > 0 ? capacity : 0);
  unsigned char buf[CCP_CHUNK * 4];
  for (int k = 0; k < kept;) {
    int m = kept - k < CCP_CHUNK ? kept - k : CCP_CHUNK;
    if (ReadData(ch, 1, buf, 4 * m) != 0) return -1;
    for (int i = 0; i < m; i++) values[k + i] = (int)get_be32(buf + 4 * i);
    k += m;
  }
  return drain(ch, ((long long)count - kept) * 4);
}
