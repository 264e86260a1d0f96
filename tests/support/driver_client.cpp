#include "driver_client.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <vector>

#include "client/ccp.h"

namespace qtest {

static const int Recv_room = 65536;

DriverClient::~DriverClient() { close(); }

bool DriverClient::connect(int port, int timeout_ms, const std::string &host) {
  close();
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  int saved = ccgettimeout();
  ccsettimeout(timeout_ms / 1000 + 1);  // bounds the handshake
  for (;;) {
    int ch = -1;
    if (ccstrt(1, host.c_str(), port, &ch, 0, nullptr, nullptr) == 0) {
      ch_ = ch;
      break;
    }
    if (std::chrono::steady_clock::now() >= deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ccsettimeout(saved);
  return ch_ >= 0;
}

// Waits until the link is readable; 1 readable, 0 time-out, -1 no link.
static int wait_readable(int ch, int timeout_ms) {
  int fd = ccpgfd(ch);
  if (fd < 0) return -1;
  struct pollfd p = {fd, POLLIN, 0};
  int r = poll(&p, 1, timeout_ms);
  return r > 0 ? 1 : r == 0 ? 0 : -1;
}

std::string DriverClient::recv(int timeout_ms) {
  if (ch_ < 0 || wait_readable(ch_, timeout_ms) != 1) return "<fail>";
  std::vector<char> buf(Recv_room);
  int length = 0;
  if (ccrstr(ch_, 1, buf.data(), Recv_room, &length) != 0) return "<fail>";
  return std::string(buf.data(), (size_t)length);
}

std::string strip_nul(const std::string &s) {
  if (!s.empty() && s.back() == '\0') return s.substr(0, s.size() - 1);
  return s;
}

std::string DriverClient::greeting(int timeout_ms) { return strip_nul(recv(timeout_ms)); }

bool DriverClient::send_only(const std::string &line) {
  return ch_ >= 0 && ccsstr(ch_, line.c_str(), (int)line.size() + 1) == 0;
}

bool DriverClient::send_raw(const std::string &bytes) {
  int fd = ccpgfd(ch_);
  size_t done = 0;
  while (fd >= 0 && done < bytes.size()) {
    ssize_t r = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
    if (r <= 0) return false;
    done += (size_t)r;
  }
  return fd >= 0;
}

std::string DriverClient::send(const std::string &line, int timeout_ms) {
  if (!send_only(line)) return "<fail>";
  return strip_nul(recv(timeout_ms));
}

bool DriverClient::quiet(int ms) {
  return ch_ >= 0 && wait_readable(ch_, ms) == 0;
}

bool DriverClient::closed_by_peer(int ms) {
  if (ch_ < 0 || wait_readable(ch_, ms) != 1) return false;
  char c;
  return ::recv(ccpgfd(ch_), &c, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
}

void DriverClient::close() {
  if (ch_ >= 0) ccend(ch_);
  ch_ = -1;
}

}  // namespace qtest
