// The harness itself: a free port is bindable, a child's streams and status are captured.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "harness.h"

TEST(Harness, FreePortCanBeBound) {
  int port = qtest::free_tcp_port();
  ASSERT_GT(port, 0);
  int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  a.sin_port = htons(port);
  EXPECT_EQ(bind(fd, (sockaddr *)&a, sizeof a), 0);
  close(fd);
}

TEST(Harness, RunCapturesStreamsStatusAndEnvironment) {
  qtest::TempDir dir;
  qtest::RunOptions o;
  o.env["QTEST_WORD"] = "gamma";
  o.cwd = dir.path();
  auto r = qtest::run_program({"/bin/sh", "-c", "echo out $QTEST_WORD; echo err >&2; pwd; exit 3"}, o);
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(r.out, "out gamma\n" + dir.path() + "\n");
  EXPECT_EQ(r.err, "err\n");
}

TEST(Harness, RunStopsAProgramThatHangs) {
  qtest::RunOptions o;
  o.timeout = std::chrono::milliseconds(300);
  auto r = qtest::run_program({"/bin/sleep", "30"}, o);
  EXPECT_TRUE(r.timed_out);
}
