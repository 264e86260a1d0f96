// Receives that keep what fits: the head of an over-long string or int
// array is kept, the rest is drained, and the next value arrives intact.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "client/ccp.h"
#include "peer.h"

using qtest::Bytes;
using qtest::be32;
using qtest::operator+;

namespace {

Bytes ints_of(const std::vector<int> &v) {
  Bytes b = be32((uint32_t)v.size());
  for (int x : v) b = b + be32((uint32_t)x);
  return b;
}

struct KeepLink {
  qtest::Peer peer;
  int ch = -1;
  KeepLink() { ch = qtest::ccp_socket_link(&peer, qtest::handshake_bytes()); }
  ~KeepLink() {
    if (ch >= 0) ccend(ch);
  }
};

}  // namespace

TEST(KeepReceive, StringsKeepTheirHeadAndTheChannelStaysInStep) {
  struct {
    std::string sent;
    int capacity;
    std::string kept;
  } cases[] = {{"short", 8, "short"}, {"exactly8", 8, "exactly8"}, {"much too long", 4, "much"},
               {"", 4, ""},           {"gone", 0, ""}};
  KeepLink l;
  ASSERT_GE(l.ch, 0);
  for (auto &c : cases) {
    SCOPED_TRACE(c.sent);
    l.peer.send_str(c.sent);
    l.peer.send_int(77);
    char buf[16] = {};
    int length = -1, next = 0;
    ASSERT_EQ(ccrstr_keep(l.ch, 1, buf, c.capacity, &length), 0);
    EXPECT_EQ(length, (int)c.sent.size());
    EXPECT_EQ(std::string(buf, std::min(length, c.capacity)), c.kept);
    ASSERT_EQ(ccrint(l.ch, 1, &next), 0);
    EXPECT_EQ(next, 77);
  }
}

TEST(KeepReceive, IntArraysKeepTheirHeadAndTheChannelStaysInStep) {
  KeepLink l;
  ASSERT_GE(l.ch, 0);
  std::vector<int> sent(3000);
  for (int k = 0; k < 3000; k++) sent[k] = k * 3;
  l.peer.send(ints_of(sent) + be32(99));
  int values[2000], n = -1, next = 0;
  ASSERT_EQ(ccrinn_keep(l.ch, 1, values, 2000, &n), 0);
  EXPECT_EQ(n, 3000);
  EXPECT_EQ(values[0], 0);
  EXPECT_EQ(values[1999], 1999 * 3);
  ASSERT_EQ(ccrint(l.ch, 1, &next), 0);
  EXPECT_EQ(next, 99);
}

TEST(KeepReceive, NegativeCountsFail) {
  KeepLink l;
  ASSERT_GE(l.ch, 0);
  l.peer.send(be32((uint32_t)-5) + be32((uint32_t)-1));
  char buf[4];
  int values[4], n = 0;
  EXPECT_EQ(ccrstr_keep(l.ch, 1, buf, 4, &n), -1);
  EXPECT_EQ(ccrinn_keep(l.ch, 1, values, 4, &n), -1);
}
