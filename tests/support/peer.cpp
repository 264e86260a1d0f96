#include "peer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include <gtest/gtest.h>

#include "client/ccp.h"
#include "harness.h"

namespace qtest {

Bytes be32(uint32_t v) {
  return {(uint8_t)(v >> 24), (uint8_t)(v >> 16), (uint8_t)(v >> 8), (uint8_t)v};
}

Bytes handshake_bytes() { return {0x04, 0x12, 0x34, 0x56, 0x78, 0x04, 0x4B, 0x3C, 0x61, 0x4E}; }

Bytes operator+(Bytes a, const Bytes &b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

Peer::Peer(int rfd, int wfd) : rfd_(rfd), wfd_(wfd) {}
Peer::~Peer() { close_all(); }
Peer::Peer(Peer &&o) noexcept : rfd_(o.rfd_), wfd_(o.wfd_) { o.rfd_ = o.wfd_ = -1; }
Peer &Peer::operator=(Peer &&o) noexcept {
  if (this != &o) {
    close_all();
    rfd_ = o.rfd_;
    wfd_ = o.wfd_;
    o.rfd_ = o.wfd_ = -1;
  }
  return *this;
}

void Peer::close_all() {
  if (wfd_ >= 0 && wfd_ != rfd_) close(wfd_);
  if (rfd_ >= 0) close(rfd_);
  rfd_ = wfd_ = -1;
}

bool Peer::send(const Bytes &bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t r = ::send(wfd_, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
    if (r < 0 && errno == ENOTSOCK) r = write(wfd_, bytes.data() + done, bytes.size() - done);
    if (r <= 0) return false;
    done += (size_t)r;
  }
  return true;
}

bool Peer::send_str(const std::string &s) {
  return send_int((int32_t)s.size()) && send(Bytes(s.begin(), s.end()));
}

Bytes Peer::recv(size_t n, int timeout_ms) {
  Bytes out;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (out.size() < n) {
    int left = (int)std::chrono::duration_cast<std::chrono::milliseconds>(
                   deadline - std::chrono::steady_clock::now())
                   .count();
    struct pollfd p = {rfd_, POLLIN, 0};
    if (left <= 0 || poll(&p, 1, left) <= 0) break;
    uint8_t buf[4096];
    size_t want = n - out.size() < sizeof buf ? n - out.size() : sizeof buf;
    ssize_t r = read(rfd_, buf, want);
    if (r <= 0) break;
    out.insert(out.end(), buf, buf + r);
  }
  return out;
}

bool Peer::recv_int(int32_t *v, int timeout_ms) {
  Bytes b = recv(4, timeout_ms);
  if (b.size() != 4) return false;
  *v = (int32_t)(((uint32_t)b[0] << 24) | ((uint32_t)b[1] << 16) | ((uint32_t)b[2] << 8) | b[3]);
  return true;
}

std::string Peer::recv_str(int timeout_ms) {
  int32_t n;
  if (!recv_int(&n, timeout_ms) || n < 0) return "<fail>";
  Bytes b = recv((size_t)n, timeout_ms);
  if (b.size() != (size_t)n) return "<fail>";
  return std::string(b.begin(), b.end());
}

bool Peer::closed_within(int ms, Bytes *got) {
  got->clear();
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  for (;;) {
    int left = (int)std::chrono::duration_cast<std::chrono::milliseconds>(
                   deadline - std::chrono::steady_clock::now())
                   .count();
    struct pollfd p = {rfd_, POLLIN, 0};
    if (left <= 0 || poll(&p, 1, left) <= 0) return false;
    uint8_t buf[4096];
    ssize_t r = read(rfd_, buf, sizeof buf);
    if (r <= 0) return true;
    got->insert(got->end(), buf, buf + r);
  }
}

bool Peer::quiet(int ms) {
  struct pollfd p = {rfd_, POLLIN, 0};
  return poll(&p, 1, ms) == 0;
}

static sockaddr_in loopback(int port) {
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  a.sin_port = htons((uint16_t)port);
  return a;
}

int listen_loopback(int *port) {
  int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in a = loopback(0);
  socklen_t len = sizeof a;
  if (fd < 0 || bind(fd, (sockaddr *)&a, sizeof a) < 0 || listen(fd, 5) < 0 ||
      getsockname(fd, (sockaddr *)&a, &len) < 0) {
    if (fd >= 0) close(fd);
    return -1;
  }
  *port = ntohs(a.sin_port);
  return fd;
}

int accept_within(int lfd, int ms) {
  struct pollfd p = {lfd, POLLIN, 0};
  if (poll(&p, 1, ms) <= 0) return -1;
  return accept4(lfd, nullptr, nullptr, SOCK_CLOEXEC);
}

int connect_loopback(int port) {
  int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in a = loopback(port);
  if (fd < 0 || connect(fd, (sockaddr *)&a, sizeof a) < 0) {
    if (fd >= 0) close(fd);
    return -1;
  }
  return fd;
}

int ccp_socket_link(Peer *peer, const Bytes &shake, Bytes *module_shake) {
  int port = free_tcp_port();
  int lch = -1, ch = -1;
  if (ccstrt(0, nullptr, port, &lch, 0, nullptr, nullptr) != 0) return -1;
  int fd = connect_loopback(port);
  if (fd < 0) return -1;
  *peer = Peer(fd, fd);
  // The connection waits in the backlog and the peer's bytes in the socket,
  // so the module's accept and handshake need no second thread.
  peer->send(shake);
  if (ccacpt(lch, 1, &ch) != 0) return -1;
  Bytes got = peer->recv(10);
  if (module_shake) *module_shake = got;
  return ch;
}

// Opens a FIFO without waiting and then makes it blocking.
static int open_now(const std::string &path, int flags) {
  int fd = open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC);
  if (fd >= 0) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

int ccp_pipe_link(Peer *peer, const std::string &dir) {
  std::string p1 = dir + "/to_peer", p2 = dir + "/to_module";
  if (mkfifo(p1.c_str(), 0700) < 0 || mkfifo(p2.c_str(), 0700) < 0) return -1;
  int rfd = open_now(p1, O_RDONLY);  // a reader must be there before the module opens to write
  int ch = -1;
  if (rfd < 0 || ccstrt(1, nullptr, 0, &ch, 1, p1.c_str(), p2.c_str()) != 0) return -1;
  int wfd = open_now(p2, O_WRONLY);
  if (wfd < 0) return -1;
  *peer = Peer(rfd, wfd);
  return ch;
}

std::unique_ptr<Link> make_link(LinkKind kind) {
  auto l = std::make_unique<Link>();
  if (kind == SOCKET) {
    l->ch = ccp_socket_link(&l->peer, handshake_bytes());
  } else {
    l->dir = std::make_unique<TempDir>("wire");
    l->ch = ccp_pipe_link(&l->peer, l->dir->path());
  }
  return l;
}

TimedAccept ccp_accept_within(int ch, int timeout) {
  TimedAccept t;
  int saved = ccgettimeout();
  ccsettimeout(timeout);
  auto t0 = std::chrono::steady_clock::now();
  testing::internal::CaptureStderr();
  t.rc = ccacpt(ch, 1, &t.out);
  t.err = testing::internal::GetCapturedStderr();
  t.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  ccsettimeout(saved);
  return t;
}

}  // namespace qtest
