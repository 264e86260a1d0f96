// The channel handshake against a scripted peer over loopback TCP, the port
// check, and the bound on waiting for the peer.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "client/ccp.h"
#include "harness.h"
#include "peer.h"

using qtest::Bytes;
using qtest::be32;
using qtest::operator+;

TEST(Handshake, ModuleSendsTheTenTestBytesAndKeepsRawFloats) {
  qtest::Peer peer;
  Bytes sent;
  int ch = qtest::ccp_socket_link(&peer, qtest::handshake_bytes(), &sent);
  ASSERT_GE(ch, 0);
  EXPECT_EQ(sent, (Bytes{0x04, 0x12, 0x34, 0x56, 0x78, 0x04, 0x4B, 0x3C, 0x61, 0x4E}));
  EXPECT_EQ(Sockt_tbl[ch].floats_raw, 1);
  EXPECT_EQ(Sockt_tbl[ch].ints_raw, 1);
  ASSERT_EQ(ccsflt(ch, 1.0f), 0);
  EXPECT_EQ(peer.recv(4), (Bytes{0x3F, 0x80, 0x00, 0x00}));
  ccend(ch);
}

struct ShakeCase {
  const char *name;
  Bytes peer_bytes;
  int floats_raw;
};

TEST(Handshake, PeerTestValuesDecideTheFloatForm) {
  const ShakeCase cases[] = {
      {"wrong test int is ignored", Bytes{4, 0, 0, 0, 1, 4, 0x4B, 0x3C, 0x61, 0x4E}, 1},
      {"swapped float", Bytes{4, 0x12, 0x34, 0x56, 0x78, 4, 0x4E, 0x61, 0x3C, 0x4B}, 0},
      {"8-byte test values",
       Bytes{8, 0, 0, 0, 0, 0x12, 0x34, 0x56, 0x78, 8, 0x41, 0x67, 0x8C, 0x29, 0xC0, 0, 0, 0}, 0},
  };
  for (const auto &c : cases) {
    qtest::Peer peer;
    // A marker int after the handshake shows that exactly the announced bytes were read.
    int ch = qtest::ccp_socket_link(&peer, c.peer_bytes + be32(77));
    ASSERT_GE(ch, 0) << c.name;
    EXPECT_EQ(Sockt_tbl[ch].floats_raw, c.floats_raw) << c.name;
    int v = 0;
    EXPECT_EQ(ccrint(ch, 1, &v), 0) << c.name;
    EXPECT_EQ(v, 77) << c.name;
    ccend(ch);
  }
}

TEST(Handshake, SwappedPeerGetsPortableCodes) {
  qtest::Peer peer;
  int ch = qtest::ccp_socket_link(&peer, Bytes{4, 0x12, 0x34, 0x56, 0x78, 4, 0x4E, 0x61, 0x3C, 0x4B});
  ASSERT_GE(ch, 0);
  ASSERT_EQ(ccsflt(ch, 1.0f), 0);
  EXPECT_EQ(peer.recv(4), (Bytes{0x01, 0x3F, 0xFF, 0xFF}));
  peer.send(be32(0x013FFFFF));
  float f = 0;
  ASSERT_EQ(ccrflt(ch, 1, &f), 0);
  EXPECT_EQ(f, 0.99999988f);
  // Arrays go by code as well.
  const float xs[2] = {1.0f, -1.0f};
  ASSERT_EQ(ccsfln(ch, xs, 2), 0);
  EXPECT_EQ(peer.recv(12), be32(2) + be32(0x013FFFFF) + be32(0x01C00001));
  ccend(ch);
}

TEST(Handshake, ConnectingSideRunsItToo) {
  int port = 0;
  int lfd = qtest::listen_loopback(&port);
  ASSERT_GE(lfd, 0);
  int ch = -1, rc = -2;
  std::thread client([&] { rc = ccstrt(1, "127.0.0.1", port, &ch, 0, nullptr, nullptr); });
  int fd = qtest::accept_within(lfd, 5000);
  ASSERT_GE(fd, 0);
  qtest::Peer peer(fd, fd);
  peer.send(qtest::handshake_bytes());
  EXPECT_EQ(peer.recv(10), qtest::handshake_bytes());
  client.join();
  close(lfd);
  ASSERT_EQ(rc, 0);
  EXPECT_EQ(Sockt_tbl[ch].floats_raw, 1);
  ASSERT_EQ(ccsint(ch, 0x01020304), 0);
  EXPECT_EQ(peer.recv(4), (Bytes{1, 2, 3, 4}));
  ccend(ch);
}

TEST(Handshake, SilentPeerTimesOut) {
  int port = qtest::free_tcp_port();
  int lch = -1;
  ASSERT_EQ(ccstrt(0, nullptr, port, &lch, 0, nullptr, nullptr), 0);
  int fd = qtest::connect_loopback(port);
  ASSERT_GE(fd, 0);
  qtest::Peer peer(fd, fd);  // connects but never sends its test values
  auto t = qtest::ccp_accept_within(lch, 1);
  EXPECT_EQ(t.rc, -1);
  EXPECT_LT(t.seconds, 4);
  EXPECT_NE(t.err.find("ccshake: No handshake from the peer within 1 seconds."), std::string::npos)
      << t.err;
  EXPECT_EQ(ccpgfd(lch), -1);  // the channel was closed
}

TEST(Handshake, AcceptTimesOutWhenNobodyConnects) {
  int lch = -1, ch = -1;
  ASSERT_EQ(ccstrt(0, nullptr, qtest::free_tcp_port(), &lch, 0, nullptr, nullptr), 0);
  EXPECT_EQ(ccacpt(lch, 0, &ch), 1);  // poll: nothing pending
  EXPECT_EQ(ch, -1);
  auto t = qtest::ccp_accept_within(lch, 1);
  EXPECT_EQ(t.rc, -1);
  EXPECT_NE(t.err.find("ccacpt: Connection timed out"), std::string::npos) << t.err;
}

TEST(Ports, BelowTenTwentyFourRefused) {
  int ch = -1;
  testing::internal::CaptureStderr();
  EXPECT_EQ(ccstrt(0, nullptr, 1023, &ch, 0, nullptr, nullptr), -1);
  EXPECT_EQ(ccstrt(1, "127.0.0.1", 1023, &ch, 0, nullptr, nullptr), -1);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(err, "ccstrt: Port number out of range.\nccstrt: Port number out of range.\n");
  testing::internal::CaptureStderr();
  int rc = ccstrt(0, nullptr, 1024, &ch, 0, nullptr, nullptr);
  err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(err.find("out of range"), std::string::npos);
  if (rc == 0) ccend(ch);
  else EXPECT_NE(err.find("Address already in use"), std::string::npos) << err;
}

TEST(ChannelTable, IndicesAreNeverReused) {
  int a = -1, b = -1, c = -1;
  ASSERT_EQ(ccstrt(0, nullptr, qtest::free_tcp_port(), &a, 0, nullptr, nullptr), 0);
  ASSERT_EQ(ccstrt(0, nullptr, qtest::free_tcp_port(), &b, 0, nullptr, nullptr), 0);
  EXPECT_EQ(b, a + 1);
  ccend(a);
  ASSERT_EQ(ccstrt(0, nullptr, qtest::free_tcp_port(), &c, 0, nullptr, nullptr), 0);
  EXPECT_EQ(c, b + 1);
  EXPECT_EQ(Sockt_cnt, c + 1);
  EXPECT_EQ(ccpgfd(a), -1);
  EXPECT_GE(ccpgfd(c), 0);
  ccend(b);
  ccend(c);
}
