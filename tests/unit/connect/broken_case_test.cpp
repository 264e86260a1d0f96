// An online case whose server stalls in the middle of a reply, breaks the
// framing or goes away mid-way: the case goes offline with the
// message, its server is stopped and reaped at once, the other cases go on,
// and nothing is ever sent on the broken channel again.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "client/cases.h"
#include "client/ccp.h"
#include "client/conect.h"
#include "client/file_select_comm.h"
#include "connect_fixture.h"
#include "harness.h"
#include "peer.h"

using contest::ConnectTest;
using qtest::Bytes;
using qtest::be32;
using qtest::operator+;

namespace {

// A stand-in for a case's server process: it waits until killed.
pid_t start_idle_child() {
  pid_t pid = fork();
  if (pid == 0) {
    for (;;) pause();
  }
  return pid;
}

bool reaped(pid_t pid) { return waitpid(pid, nullptr, WNOHANG) < 0 && errno == ECHILD; }

class BrokenCase : public ConnectTest {
 protected:
  void SetUp() override {
    ConnectTest::SetUp();
    ccsetstall_ms(300);
    ccp_set_broken_hook(connect_channel_broken);
    for (int c = 0; c < 2; c++) {
      ch_[c] = qtest::ccp_socket_link(&peer_[c], qtest::handshake_bytes());
      ASSERT_GE(ch_[c], 0);
      Isockt[c] = ch_[c];
      Online[c + 1] = 1;
      Case_info[c].active = 1;
      snprintf(Case_info[c].name, CASE_NAME_LEN, "%s", c == 0 ? "Wing" : "Tail");
      pid_[c] = start_idle_child();
      Server_pid[c] = pid_[c];
    }
    Case_num = 0;
    Case_cnt = 2;
  }
  void TearDown() override {
    for (int c = 0; c < 2; c++) {
      ccend(ch_[c]);
      if (!reaped(pid_[c])) {
        kill(pid_[c], SIGKILL);
        waitpid(pid_[c], nullptr, 0);
      }
      Isockt[c] = -1;
      Server_pid[c] = -1;
    }
    ccp_set_broken_hook(nullptr);
    ccsetstall(0);
    ConnectTest::TearDown();
  }
  qtest::Peer peer_[2];
  int ch_[2] = {-1, -1};
  pid_t pid_[2] = {-1, -1};
};

}  // namespace

TEST_F(BrokenCase, ServerThatBreaksItsReplyTakesOnlyItsCaseOffline) {
  struct Case {
    const char *name;
    Bytes reply;
    bool close_after;
  } cases[] = {
      {"stalls mid-value", be32(20) + Bytes{'/', 'd'}, false},
      {"negative length", be32((uint32_t)-3), false},
      {"length beyond any reply", be32(0x7fffffff), false},
      {"truncated", be32(20) + Bytes{'/', 'd'}, true},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    peer_[0].send(c.reply);
    if (c.close_after) peer_[0].close_all();
    char cwd[200];
    testing::internal::CaptureStderr();
    EXPECT_EQ(ccrcwd(ch_[0], cwd, sizeof cwd), -1);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("ERROR: Server for case 'Wing' stopped answering; the case is now offline."),
              std::string::npos)
        << err;
    EXPECT_EQ(Online[1], 0);
    EXPECT_EQ(Server_pid[0], -1);
    EXPECT_TRUE(reaped(pid_[0]));
    EXPECT_TRUE(Sockt_tbl[ch_[0]].closed);
    // Nothing is sent on the broken channel: no "Exit" when the case is
    // stopped, no request after it.
    EXPECT_EQ(connect_stop_server(0, 1), 0);
    EXPECT_EQ(our_gethostname(ch_[0], cwd, sizeof cwd), -1);
    if (!c.close_after) {
      EXPECT_EQ(peer_[0].recv_str(500), std::string("ccp_get_cwd", 12));  // the request itself
      EXPECT_TRUE(peer_[0].recv(1, 300).empty());
    }
    // The other case goes on.
    EXPECT_EQ(Online[2], 1);
    peer_[1].send(be32(5) + Bytes{'t', 'a', 'i', 'l', 0});
    EXPECT_EQ(ccrhst(ch_[1], cwd, sizeof cwd), 0);
    EXPECT_STREQ(cwd, "tail");
    peer_[1].recv_str(500);

    // The next round: case 0 back online on a fresh link.
    ch_[0] = qtest::ccp_socket_link(&peer_[0], qtest::handshake_bytes());
    ASSERT_GE(ch_[0], 0);
    Isockt[0] = ch_[0];
    Online[1] = 1;
    pid_[0] = start_idle_child();
    Server_pid[0] = pid_[0];
  }
}

// An over-long reply that can be dropped keeps the channel in step and the
// case online: the request fails, nothing more.
TEST_F(BrokenCase, OverLongReplyIsDroppedAndTheCaseStaysOnline) {
  peer_[0].send(be32(400) + Bytes(400, 'a') + be32(7));
  char cwd[200];
  testing::internal::CaptureStderr();
  EXPECT_EQ(ccrcwd(ch_[0], cwd, sizeof cwd), -1);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(err.find("stopped answering"), std::string::npos) << err;
  EXPECT_EQ(Online[1], 1);
  int v = 0;
  EXPECT_EQ(ccrint(ch_[0], 1, &v), 0);
  EXPECT_EQ(v, 7);
}
