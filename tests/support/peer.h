// A scripted peer for wire tests: the far end of a link, written and read
// byte by byte from a test without the channel module, so that a test can
// state the exact bytes on the wire. Also the helpers that open a channel of
// the module against such a peer over loopback TCP or a FIFO pair.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "harness.h"

namespace qtest {

using Bytes = std::vector<uint8_t>;

// 4 big-endian bytes of v.
Bytes be32(uint32_t v);
// The 10 bytes of a channel handshake: 04, the test int, 04, the test float.
Bytes handshake_bytes();
Bytes operator+(Bytes a, const Bytes &b);

class Peer {
 public:
  Peer() = default;
  Peer(int rfd, int wfd);  // owns both; a socket passes the same descriptor twice
  ~Peer();
  Peer(Peer &&o) noexcept;
  Peer &operator=(Peer &&o) noexcept;
  Peer(const Peer &) = delete;
  Peer &operator=(const Peer &) = delete;

  bool ok() const { return rfd_ >= 0; }
  void close_all();
  bool send(const Bytes &bytes);
  bool send_int(int32_t v) { return send(be32((uint32_t)v)); }
  bool send_str(const std::string &s);  // int length, then the bytes as given
  // Up to n bytes; fewer when the link closed or timeout_ms passed.
  Bytes recv(size_t n, int timeout_ms = 5000);
  bool recv_int(int32_t *v, int timeout_ms = 5000);
  // An int length and that many bytes; "<fail>" when they did not come.
  std::string recv_str(int timeout_ms = 5000);
  // 1 when nothing arrives within ms (and the link is still open).
  bool quiet(int ms);
  // True when the other end closed the link within ms; what it sent before
  // goes to *got.
  bool closed_within(int ms, Bytes *got);

 private:
  int rfd_ = -1;
  int wfd_ = -1;
};

// A TCP listener on a free loopback port (port stored); its descriptor or -1.
int listen_loopback(int *port);
// Accepts one connection within ms; the descriptor or -1.
int accept_within(int lfd, int ms);
// A connected loopback socket to port, or -1.
int connect_loopback(int port);

// A socket channel of the channel module, made listening and accepted, with
// a peer on the other end that sent shake as its handshake. The peer has
// read the module's 10 handshake bytes into *module_shake (when given).
// The channel index, or -1.
int ccp_socket_link(Peer *peer, const Bytes &shake, Bytes *module_shake = nullptr);
// A pipe channel of the channel module opened on two FIFOs made in dir (the
// module's opening side: it reads path2 and writes path1); the peer holds the
// other ends. The channel index, or -1.
int ccp_pipe_link(Peer *peer, const std::string &dir);

// A channel of either kind with a scripted peer on its other end (ch -1
// when it could not be made); a pipe link keeps its FIFOs in dir.
enum LinkKind { SOCKET, PIPE };
struct Link {
  Peer peer;
  int ch = -1;
  std::unique_ptr<TempDir> dir;
};
std::unique_ptr<Link> make_link(LinkKind kind);

// ccacpt with the accept time-out set to timeout seconds for the call, its
// standard error captured and its duration measured.
struct TimedAccept {
  int rc = -2;
  int out = -2;
  std::string err;
  double seconds = 0;
};
TimedAccept ccp_accept_within(int ch, int timeout);

}  // namespace qtest
