// No endless waits on a link: once a reply has begun arriving,
// each further byte must come within the stall limit; a stall, a framing
// error or a peer gone mid-way breaks the channel for good, the owner is
// told once, and nothing is sent on it again. The first byte of a reply
// still waits as its receive asks. Sends are bounded the same way.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "client/ccp.h"
#include "harness.h"
#include "peer.h"

using qtest::Bytes;
using qtest::be32;
using qtest::operator+;

namespace {

std::vector<int> Broken_seen;  // channels the hook was told about
void note_broken(int ch) { Broken_seen.push_back(ch); }

using Kind = qtest::LinkKind;
using qtest::make_link;
using qtest::PIPE;
using qtest::SOCKET;

class Stall : public ::testing::Test {
 protected:
  void SetUp() override {
    Broken_seen.clear();
    ccsetstall_ms(300);
    ccp_set_broken_hook(note_broken);
  }
  void TearDown() override {
    ccp_set_broken_hook(nullptr);
    ccsetstall(0);
  }
};

}  // namespace

TEST_F(Stall, ValueThatStopsHalfWayBreaksTheChannelWithinTheLimit) {
  for (Kind kind : {SOCKET, PIPE}) {
    auto l = make_link(kind);
    ASSERT_GE(l->ch, 0);
    ASSERT_EQ(ccsint(l->ch, 5), 0);  // a request
    l->peer.recv(4);
    l->peer.send(Bytes{0x00, 0x00});  // half an int, then nothing
    int v = 0;
    testing::internal::CaptureStderr();
    EXPECT_EQ(ccrint(l->ch, 1, &v), -1) << kind;
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("ccp: Channel " + std::to_string(l->ch) +
                       " stalled: nothing came for 0.3 seconds in the middle of a reply.\n"),
              std::string::npos)
        << err;
    EXPECT_TRUE(ccbroken(l->ch));
    EXPECT_EQ(Broken_seen, std::vector<int>{l->ch}) << kind;
    // Never used again: nothing is sent, nothing read, and quietly so.
    l->peer.send(Bytes{0x00, 0x07});
    testing::internal::CaptureStderr();
    EXPECT_EQ(ccsstr(l->ch, "Exit", 4), -1);
    EXPECT_EQ(ccrint(l->ch, 1, &v), -1);
    EXPECT_EQ(ccpgfd(l->ch), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(l->peer.quiet(200)) << kind;
    EXPECT_EQ(Broken_seen.size(), 1u) << "the hook is told once";
    ccend(l->ch);
    Broken_seen.clear();
  }
}

TEST_F(Stall, ReplyThatStopsBetweenItsValuesBreaksTheChannel) {
  auto l = make_link(SOCKET);
  ASSERT_GE(l->ch, 0);
  ASSERT_EQ(ccsint(l->ch, 5), 0);
  l->peer.send(be32(3));  // the first value of the reply, then nothing
  int a = 0, b = 0;
  EXPECT_EQ(ccrint(l->ch, 1, &a), 0);
  EXPECT_EQ(a, 3);
  testing::internal::CaptureStderr();
  EXPECT_EQ(ccrint(l->ch, 1, &b), -1);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("stalled"), std::string::npos);
  EXPECT_TRUE(ccbroken(l->ch));
  ccend(l->ch);
}

TEST_F(Stall, FirstByteOfAReplyWaitsAsTheReceiveAsks) {
  auto l = make_link(SOCKET);
  ASSERT_GE(l->ch, 0);
  ASSERT_EQ(ccsint(l->ch, 5), 0);
  std::thread late([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(800));  // longer than the stall limit
    l->peer.send(be32(41) + be32(42));
  });
  int a = 0, b = 0;
  EXPECT_EQ(ccrint(l->ch, 1, &a), 0);
  EXPECT_EQ(ccrint(l->ch, 1, &b), 0);
  late.join();
  EXPECT_EQ(a, 41);
  EXPECT_EQ(b, 42);
  // A reply that is complete without a send after it: ccrdone opens the next.
  ccrdone(l->ch);
  std::thread later([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    l->peer.send(be32(43));
  });
  EXPECT_EQ(ccrint(l->ch, 1, &a), 0);
  later.join();
  EXPECT_EQ(a, 43);
  EXPECT_FALSE(ccbroken(l->ch));
  ccend(l->ch);
}

TEST_F(Stall, FramingErrorsBreakTheChannelAtOnce) {
  struct Case {
    const char *name;
    Bytes wire;
    int (*receive)(int ch);
  } cases[] = {
      {"negative string length", be32((uint32_t)-5),
       [](int ch) { char b[8]; int n; return ccrstr(ch, 1, b, 8, &n); }},
      {"string length 0x7fffffff", be32(0x7fffffff),
       [](int ch) { char b[8]; int n; return ccrstr(ch, 1, b, 8, &n); }},
      {"negative int count", be32((uint32_t)-1),
       [](int ch) { int b[2]; int n; return ccrinn(ch, 1, b, 2, &n); }},
      {"float count past what can be dropped", be32(1u << 30),
       [](int ch) { float b[2]; int n; return ccrfln(ch, 1, b, 2, &n); }},
      {"vector of 4 components", be32(4) + be32(1),
       [](int ch) { float b[3]; int n; return ccrnvec(ch, 1, b, 1, &n); }},
      {"negative rows", be32((uint32_t)-2) + be32(2),
       [](int ch) { float a[2], b[2]; float *r[2] = {a, b}; return ccrfl2(ch, 1, r, 2, 2); }},
  };
  for (const Case &c : cases) {
    auto l = make_link(SOCKET);
    ASSERT_GE(l->ch, 0);
    l->peer.send(c.wire);  // and nothing more: a drain would have to wait
    testing::internal::CaptureStderr();
    EXPECT_EQ(c.receive(l->ch), -1) << c.name;
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err.find("stalled"), std::string::npos) << c.name << ": nothing is waited for";
    EXPECT_NE(err.find("channel " + std::to_string(l->ch) + " broken"), std::string::npos)
        << c.name << ": " << err;
    EXPECT_TRUE(ccbroken(l->ch)) << c.name;
    ccend(l->ch);
  }
}

TEST_F(Stall, PeerGoneMidValueBreaksTheChannel) {
  auto l = make_link(PIPE);
  ASSERT_GE(l->ch, 0);
  l->peer.send(be32(10) + Bytes{'a', 'b'});
  l->peer.close_all();
  char buf[16];
  int n = 0;
  testing::internal::CaptureStderr();
  EXPECT_EQ(ccrstr(l->ch, 1, buf, sizeof buf, &n), -1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "ccp: Connection broken.\n");
  EXPECT_TRUE(ccbroken(l->ch));
  EXPECT_EQ(Broken_seen, std::vector<int>{l->ch});
  ccend(l->ch);
}

TEST_F(Stall, PeerThatTakesNothingBreaksTheChannelOnSend) {
  for (Kind kind : {SOCKET, PIPE}) {
    auto l = make_link(kind);
    ASSERT_GE(l->ch, 0);
    std::vector<int> big(4 << 20, 7);  // far more than any socket or pipe buffer holds
    testing::internal::CaptureStderr();
    EXPECT_EQ(ccsinn(l->ch, big.data(), (int)big.size()), -1) << kind;
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("stalled: the peer took nothing for 0.3 seconds"), std::string::npos) << err;
    EXPECT_TRUE(ccbroken(l->ch)) << kind;
    ccend(l->ch);
  }
}

// The handshake of a peer that has connected is bounded even when the
// accept time-out is -1 (a manual start): its first byte within the stall
// limit, and so each later byte.
TEST_F(Stall, HandshakeOfAConnectedPeerIsBounded) {
  for (const Bytes &sent : {Bytes{}, Bytes{0x04, 0x12}}) {
    int port = qtest::free_tcp_port();
    int lch = -1;
    ASSERT_EQ(ccstrt(0, nullptr, port, &lch, 0, nullptr, nullptr), 0);
    int fd = qtest::connect_loopback(port);
    ASSERT_GE(fd, 0);
    qtest::Peer peer(fd, fd);
    peer.send(sent);
    qtest::TimedAccept t = qtest::ccp_accept_within(lch, -1);
    EXPECT_EQ(t.rc, -1) << sent.size();
    EXPECT_NE(t.err.find(sent.empty() ? "ccshake: No handshake from the peer within 1 seconds."
                                      : "ccshake: The peer's handshake stalled for 0.3 seconds."),
              std::string::npos)
        << t.err;
  }
}
