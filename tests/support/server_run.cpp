#include "server_run.h"

#include <gtest/gtest.h>

#include "client/ccp.h"

namespace qtest {

void ServerRun::start(const std::vector<std::string> &args, const std::string &cwd) {
  thread = std::thread([this, args, cwd] {
    RunOptions o;
    o.cwd = cwd;
    result = run_program(args, o);
  });
}

RunResult &ServerRun::finish() {
  if (thread.joinable()) thread.join();
  return result;
}

int client_handshake(int ch, int token) {
  char version[88];
  int len = 0;
  if (ccrstr(ch, 1, version, sizeof version, &len) != 0) return -1;
  EXPECT_EQ(std::string(version, len), std::string("7.1.0", 6));
  int flag, number = -1;
  if (ccsint(ch, 1) != 0 || ccsint(ch, 2) != 0 || ccrint(ch, 1, &flag) != 0) return -1;
  if (flag && ccrint(ch, 1, &number) != 0) return -1;
  int accept = flag ? (token != -1 && number == token) : token == -1;
  if (ccsint(ch, accept) != 0) return -1;
  if (!accept) return 0;
  int threads = 0;
  if (ccrint(ch, 1, &threads) != 0) return -1;
  EXPECT_GE(threads, 1);
  return 1;
}

int tcp_server(ServerRun *run, const std::string &cwd, std::vector<std::string> extra) {
  int port = free_tcp_port();
  int lch = -1, ch = -1;
  if (ccstrt(0, nullptr, port, &lch, 0, nullptr, nullptr) != 0) return -1;
  std::vector<std::string> args = {server_bin(), "-c", "127.0.0.1", "-ports",
                                   std::to_string(port)};
  args.insert(args.end(), extra.begin(), extra.end());
  run->start(args, cwd);
  if (ccacpt(lch, 1, &ch) != 0) return -1;
  return ch;
}

}  // namespace qtest
