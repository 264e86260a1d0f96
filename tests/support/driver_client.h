// A command driver for tests: the far end of a client's external command
// driver link, built on the real channel module (ccstrt, ccsstr, ccrstr), so
// the channel handshake and the string framing are the client's own. It
// connects to a driver port, reads the greeting, sends lines and reads the
// answers ("ok" / "ERROR"). Every read is bounded in time, so a silent
// client fails the test instead of hanging it.
//
// The channel module keeps its channels in one process-wide table, so a
// DriverClient must not run in a thread beside channel code under test; run
// it in its own process (fork) or against another program.
#pragma once

#include <string>

namespace qtest {

class DriverClient {
 public:
  DriverClient() = default;
  ~DriverClient();
  DriverClient(const DriverClient &) = delete;
  DriverClient &operator=(const DriverClient &) = delete;

  // Connects to host:port, retrying until the port listens or timeout_ms
  // passes; the channel handshake runs. false when no link came.
  bool connect(int port, int timeout_ms = 10000, const std::string &host = "127.0.0.1");
  bool connected() const { return ch_ >= 0; }
  // One string from the client, with the bytes as sent (the NUL included);
  // "<fail>" when nothing complete came within timeout_ms or the link broke.
  std::string recv(int timeout_ms = 10000);
  // The greeting, without its NUL; "<fail>" as recv.
  std::string greeting(int timeout_ms = 10000);
  // Sends line with its NUL; false when the send failed.
  bool send_only(const std::string &line);
  // Writes bytes as they are, no framing (a hostile driver); false on failure.
  bool send_raw(const std::string &bytes);
  // Sends line and returns the answer without its NUL ("ok", "ERROR"), or
  // "<fail>".
  std::string send(const std::string &line, int timeout_ms = 10000);
  // True when nothing arrives within ms (and the link is still open).
  bool quiet(int ms);
  // True when the client closed the link within ms.
  bool closed_by_peer(int ms);
  void close();

 private:
  int ch_ = -1;
};

// Without its trailing NUL, when it has one.
std::string strip_nul(const std::string &s);

}  // namespace qtest
