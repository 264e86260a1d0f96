// The stand-in server driven from a test as the client drives it: started
// in the background to connect back to a channel the test listens on, with
// the client's half of the application handshake.
#pragma once

#include <string>
#include <thread>
#include <vector>

#include "harness.h"

namespace qtest {

// The server run in the background with its output captured.
struct ServerRun {
  std::thread thread;
  RunResult result;
  void start(const std::vector<std::string> &args, const std::string &cwd);
  RunResult &finish();
  ~ServerRun() { finish(); }
};

// The client's half of the application handshake, with token as the client's
// security number (-1 none). 1 accepted, 0 refused, -1 link failure.
int client_handshake(int ch, int token);

// Listens on a free port and starts the server to connect back to it; the
// accepted channel, or -1.
int tcp_server(ServerRun *run, const std::string &cwd, std::vector<std::string> extra);

}  // namespace qtest
