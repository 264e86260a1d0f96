// Typed primitives against a scripted peer, on a loopback socket and on a
// FIFO pair: exact framing, bounded receives that keep the channel in step,
// poll mode, broken peers, the module's own requests, byte totals and trace.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "client/ccp.h"
#include "harness.h"
#include "peer.h"

using qtest::Bytes;
using qtest::be32;
using qtest::operator+;

static Bytes fbytes(float f) {
  uint32_t u;
  memcpy(&u, &f, 4);
  return be32(u);
}

static Bytes text(const std::string &s) { return Bytes(s.begin(), s.end()); }

using Kind = qtest::LinkKind;
using qtest::make_link;
using qtest::PIPE;
using qtest::SOCKET;

// Reads the marker int the peer put after a value: the channel is in step.
static void expect_in_step(int ch, const char *what) {
  int v = 0;
  EXPECT_EQ(ccrint(ch, 1, &v), 0) << what;
  EXPECT_EQ(v, 77) << what;
}

TEST(Primitives, ScalarAndStringFraming) {
  auto l = make_link(SOCKET);
  ASSERT_GE(l->ch, 0);
  ASSERT_EQ(ccsint(l->ch, -2), 0);
  ASSERT_EQ(ccsstr(l->ch, "isosurf", 0), 0);
  ASSERT_EQ(ccsstr(l->ch, "", 0), 0);
  ASSERT_EQ(ccsstr(l->ch, "ab", 3), 0);  // with its NUL
  Bytes want = Bytes{0xFF, 0xFF, 0xFF, 0xFE} + be32(7) + text("isosurf") + be32(0) + be32(3) +
               Bytes{'a', 'b', 0};
  EXPECT_EQ(l->peer.recv(want.size()), want);
  l->peer.send(be32(3) + text("abc") + be32(0));
  char buf[8];
  memset(buf, '#', sizeof buf);
  int len = -1;
  ASSERT_EQ(ccrstr(l->ch, 1, buf, sizeof buf, &len), 0);
  EXPECT_EQ(len, 3);
  EXPECT_EQ(std::string(buf, 4), "abc#");  // no terminator added
  ASSERT_EQ(ccrstr(l->ch, 1, buf, sizeof buf, &len), 0);
  EXPECT_EQ(len, 0);
  ccend(l->ch);
}

TEST(Primitives, VectorFramingDiffersBetweenSocketAndPipe) {
  const float xyz[6] = {1, 2, 3, 4, 5, 6};  // points (1,2,3) and (4,5,6)
  struct {
    Kind kind;
    Bytes wire;
  } cases[] = {
      {SOCKET, be32(3) + be32(2) + fbytes(1) + fbytes(4) + fbytes(2) + fbytes(5) + fbytes(3) +
                   fbytes(6)},
      {PIPE, be32(2) + fbytes(1) + fbytes(2) + fbytes(3) + fbytes(4) + fbytes(5) + fbytes(6)},
  };
  for (const auto &c : cases) {
    auto l = make_link(c.kind);
    ASSERT_GE(l->ch, 0);
    ASSERT_EQ(ccsnvec(l->ch, xyz, 2), 0);
    EXPECT_EQ(l->peer.recv(c.wire.size()), c.wire) << c.kind;
    l->peer.send(c.wire);
    float got[6] = {};
    int n = -1;
    ASSERT_EQ(ccrnvec(l->ch, 1, got, 2, &n), 0) << c.kind;
    EXPECT_EQ(n, 2);
    for (int i = 0; i < 6; i++) EXPECT_EQ(got[i], xyz[i]) << c.kind << " value " << i;
    ccend(l->ch);
  }
}

TEST(Primitives, TwoDimensionalArrays) {
  auto l = make_link(SOCKET);
  ASSERT_GE(l->ch, 0);
  float r0[2] = {1, 2}, r1[2] = {3, 4};
  float *rows[2] = {r0, r1};
  ASSERT_EQ(ccsfl2(l->ch, rows, 2, 2), 0);
  const float pts[6] = {1, 2, 9, 3, 4, 9};  // two rows of two, 3 floats apart
  ASSERT_EQ(ccsfl2_s3(l->ch, pts, 2, 2), 0);
  Bytes body = be32(2) + be32(2) + fbytes(1) + fbytes(2) + fbytes(3) + fbytes(4);
  EXPECT_EQ(l->peer.recv(2 * body.size()), body + body);
  l->peer.send(body + body);
  float a0[2], a1[2];
  float *in[2] = {a0, a1};
  ASSERT_EQ(ccrfl2(l->ch, 1, in, 2, 2), 0);
  EXPECT_EQ(a1[0], 3);
  EXPECT_EQ(a1[1], 4);
  float flat[6] = {0, 0, -1, 0, 0, -1};
  ASSERT_EQ(ccrfl2_s3(l->ch, 1, flat, 2, 2), 0);
  EXPECT_EQ(flat[3], 3);
  EXPECT_EQ(flat[4], 4);
  EXPECT_EQ(flat[5], -1);  // the third slot of a row is left alone
  ccend(l->ch);
}

TEST(Primitives, EmptyArraysOnBothKinds) {
  for (Kind kind : {SOCKET, PIPE}) {
    auto l = make_link(kind);
    ASSERT_GE(l->ch, 0);
    Bytes vec0 = kind == SOCKET ? be32(3) + be32(0) : be32(0);
    l->peer.send(be32(0) + be32(0) + be32(0) + vec0 + be32(77));
    int ints[1] = {5}, n = -1;
    float fl[3] = {5, 5, 5};
    EXPECT_EQ(ccrinn(l->ch, 1, ints, 1, &n), 0);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(ccrfln(l->ch, 1, fl, 1, &n), 0);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(ccrnscl(l->ch, 1, fl, 1, &n), 0);
    EXPECT_EQ(ccrnvec(l->ch, 1, fl, 1, &n), 0);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(ints[0], 5);
    EXPECT_EQ(fl[0], 5);
    expect_in_step(l->ch, "after empty arrays");
    ccend(l->ch);
  }
}

TEST(Primitives, OverLongValuesAreDrainedAndFail) {
  struct Case {
    const char *name;
    Bytes wire;
    std::function<int(int)> receive;
  } cases[] = {
      {"string", be32(5) + text("hello"),
       [](int ch) { char b[4]; int n; return ccrstr(ch, 1, b, 4, &n); }},
      {"ints", be32(3) + be32(1) + be32(2) + be32(3),
       [](int ch) { int b[2]; int n; return ccrinn(ch, 1, b, 2, &n); }},
      {"floats", be32(2) + fbytes(1) + fbytes(2),
       [](int ch) { float b[1]; int n; return ccrfln(ch, 1, b, 1, &n); }},
      {"scalars", be32(2) + fbytes(1) + fbytes(2),
       [](int ch) { float b[1]; int n; return ccrnscl(ch, 1, b, 1, &n); }},
      {"vectors", be32(3) + be32(2) + Bytes(24, 0),
       [](int ch) { float b[3]; int n; return ccrnvec(ch, 1, b, 1, &n); }},
      {"2-D shape", be32(3) + be32(2) + Bytes(24, 0),
       [](int ch) { float a[2], b[2]; float *r[2] = {a, b}; return ccrfl2(ch, 1, r, 2, 2); }},
      {"2-D s3 shape", be32(1) + be32(4) + Bytes(16, 0),
       [](int ch) { float b[3]; return ccrfl2_s3(ch, 1, b, 1, 4); }},
  };
  auto l = make_link(SOCKET);
  ASSERT_GE(l->ch, 0);
  for (const auto &c : cases) {
    l->peer.send(c.wire + be32(77));
    testing::internal::CaptureStderr();
    int rc = c.receive(l->ch);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(rc, -1) << c.name;
    EXPECT_FALSE(err.empty()) << c.name;
    expect_in_step(l->ch, c.name);
  }
  l->peer.send(be32(3) + be32(2) + Bytes(24, 0));
  testing::internal::CaptureStderr();
  float a[2], b[2];
  float *r[2] = {a, b};
  ccrfl2(l->ch, 1, r, 2, 2);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "ccrfl2: Expected Rows and/or Columns doesn't match sender.\n");
  ccend(l->ch);
}

TEST(Primitives, PollModeNeverLeavesHalfAnInt) {
  auto l = make_link(SOCKET);
  ASSERT_GE(l->ch, 0);
  int v = 0;
  EXPECT_EQ(ccrint(l->ch, 0, &v), 1);  // nothing waiting
  l->peer.send(Bytes{0x00, 0x00});
  std::thread late([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    l->peer.send(Bytes{0x01, 0x02});
  });
  EXPECT_EQ(ccrint(l->ch, 0, &v), 0);
  late.join();
  EXPECT_EQ(v, 0x0102);
  ccend(l->ch);

  auto p = make_link(PIPE);  // on pipes poll mode waits
  ASSERT_GE(p->ch, 0);
  std::thread later([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    p->peer.send(be32(9));
  });
  EXPECT_EQ(ccrint(p->ch, 0, &v), 0);
  later.join();
  EXPECT_EQ(v, 9);
  ccend(p->ch);
}

TEST(Primitives, NegativeChannelSendsValuesOnly) {
  auto l = make_link(SOCKET);
  ASSERT_GE(l->ch, 0);
  if (l->ch == 0) l = make_link(SOCKET);  // -0 cannot say "values only"
  const int ints[2] = {1, 2};
  const float fl[1] = {0.5f};
  ASSERT_EQ(ccsinn(-l->ch, ints, 2), 0);
  ASSERT_EQ(ccsfln(-l->ch, fl, 1), 0);
  EXPECT_EQ(l->peer.recv(12), be32(1) + be32(2) + fbytes(0.5f));
  ccend(l->ch);
}

TEST(Primitives, WriteToAGonePeerMarksTheChannelBroken) {
  for (Kind kind : {SOCKET, PIPE}) {
    // A socket write must not raise SIGPIPE even where it is not ignored;
    // for pipes ignoring it is the program's policy.
    signal(SIGPIPE, kind == SOCKET ? SIG_DFL : SIG_IGN);
    auto l = make_link(kind);
    ASSERT_GE(l->ch, 0);
    l->peer.close_all();
    testing::internal::CaptureStderr();
    int rc = 0;
    for (int i = 0; i < 100 && rc == 0; i++) {
      rc = ccsint(l->ch, i);
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(rc, -1) << kind;
    EXPECT_EQ(Sockt_tbl[l->ch].broken, 1) << kind;
    EXPECT_NE(err.find("SendData: Broken pipe"), std::string::npos) << err;
    EXPECT_EQ(ccsint(l->ch, 1), -1);
    ccend(l->ch);
  }
  signal(SIGPIPE, SIG_IGN);
}

TEST(Primitives, ReadFromAGonePeer) {
  auto l = make_link(PIPE);
  ASSERT_GE(l->ch, 0);
  l->peer.send(Bytes{0, 0});
  l->peer.close_all();
  int v;
  testing::internal::CaptureStderr();
  EXPECT_EQ(ccrint(l->ch, 1, &v), -1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "ccp: Connection broken.\n");
  ccend(l->ch);
}

TEST(ModuleRequests, AskingSide) {
  auto l = make_link(SOCKET);
  ASSERT_GE(l->ch, 0);
  char buf[64];
  l->peer.send(be32(6) + text(std::string("hostx", 6)));
  ASSERT_EQ(ccrhst(l->ch, buf, sizeof buf), 0);
  EXPECT_STREQ(buf, "hostx");
  EXPECT_EQ(l->peer.recv(17), be32(13) + text(std::string("ccp_get_host", 13)));

  // A reply longer than the buffer is dropped, the channel stays in step.
  l->peer.send(be32(200) + Bytes(200, 'a') + be32(77));
  testing::internal::CaptureStderr();
  EXPECT_EQ(ccrcwd(l->ch, buf, sizeof buf), -1);
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(l->peer.recv(16), be32(12) + text(std::string("ccp_get_cwd", 12)));
  expect_in_step(l->ch, "after a long reply");

  l->peer.send(be32(1) + Bytes{0});  // an empty reply
  EXPECT_EQ(ccrhst(l->ch, buf, sizeof buf), -1);
  l->peer.recv(17);

  for (int answer : {1, 0}) {
    l->peer.send(be32(answer));
    EXPECT_EQ(ccssetcwd(l->ch, "/tmp"), answer ? 0 : -1);
    EXPECT_EQ(l->peer.recv(25), be32(12) + text(std::string("ccp_set_cwd", 12)) + be32(5) +
                                    text(std::string("/tmp", 5)));
  }
  ccend(l->ch);
}

TEST(ModuleRequests, ExitFromASignalHandlerPath) {
  for (Kind kind : {SOCKET, PIPE}) {
    auto l = make_link(kind);
    ASSERT_GE(l->ch, 0);
    ASSERT_EQ(ccp_send_exit_sigsafe(l->ch), 0);
    EXPECT_EQ(l->peer.recv(8), be32(4) + text("Exit"));
    ccend(l->ch);
    EXPECT_EQ(ccp_send_exit_sigsafe(l->ch), -1);  // closed
  }
}

TEST(ByteTotals, CountValuesButNotTheHandshake) {
  int s0 = ccsbyt(), r0 = ccrbyt();
  auto l = make_link(SOCKET);
  ASSERT_GE(l->ch, 0);
  EXPECT_EQ(ccsbyt(), s0);
  EXPECT_EQ(ccrbyt(), r0);
  ccsint(l->ch, 1);
  ccsstr(l->ch, "abc", 0);
  l->peer.send(be32(5));
  int v;
  ccrint(l->ch, 1, &v);
  EXPECT_EQ(ccsbyt(), s0 + 11);
  EXPECT_EQ(ccrbyt(), r0 + 4);
  ccend(l->ch);
}

TEST(Trace, LevelTwoDumpsTheBytes) {
  auto l = make_link(SOCKET);
  ASSERT_GE(l->ch, 0);
  int saved = Trace_level;
  Trace_level = 2;
  testing::internal::CaptureStderr();
  ccsint(l->ch, 0x2a);
  Trace_level = 1;
  ccsint(l->ch, 0x2b);
  std::string err = testing::internal::GetCapturedStderr();
  Trace_level = saved;
  EXPECT_EQ(err, "[trace ccp " + std::to_string(getpid()) + "] ch " + std::to_string(l->ch) +
                     " sent 4 bytes:\n  00 00 00 2a\n");
  ccend(l->ch);
}
