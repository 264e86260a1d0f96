// Seeded hostile input: the same few hundred cases on every run,
// drawn from a fixed seed, each bounded in time.
//  - Server replies: the client (this process) is driven over its driver
//    link by a forked driver that sends "connect: connect" (a manual start);
//    a scripted server (a thread on raw sockets) connects, and answers the
//    handshake and then the client's requests, one value of them short,
//    over-long, of a negative or absurd length, truncated or stalled. Every
//    line is answered, a broken channel takes the case offline with the
//    message and is closed within the stall limit, and nothing is sent on a
//    channel after it broke.
//  - Driver lines: a forked driver sends good lines, lines hiding a NUL,
//    absurd, negative, short, stalled and truncated length prefixes, and
//    connects again whenever the link ends.
//  - Command files: good lines mixed with lines that hide a "shell:" line
//    behind a NUL or past the line limit; the hidden line never runs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "../command/command_fixture.h"
#include "client/cases.h"
#include "client/ccp.h"
#include "client/cmd_play.h"
#include "client/cmd_tables.h"
#include "client/command_dlog.h"
#include "client/conect.h"
#include "client/extdriver.h"
#include "client/file_select_comm.h"
#include "driver_client.h"
#include "forked.h"
#include "harness.h"
#include "peer.h"

using qtest::Bytes;
using qtest::be32;
using qtest::operator+;

namespace {

const uint32_t SEED = 15;
const int STALL_MS = 100;      // the stall limit of these runs
const int BOUND_MS = STALL_MS + 1500;  // how long the far end waits for the client to act on it

// A small deterministic generator (the same numbers on every platform).
struct Rng {
  uint64_t s;
  explicit Rng(uint64_t seed) : s(seed * 0x9E3779B97F4A7C15ull + 1) {}
  uint32_t next() {
    s ^= s << 13;
    s ^= s >> 7;
    s ^= s << 17;
    return (uint32_t)(s >> 16);
  }
  int pick(int n) { return (int)(next() % (uint32_t)n); }
};

std::string bytes_text(const Bytes &b) { return std::string(b.begin(), b.end()); }

// ---- server replies ----------------------------------------------------------------------

enum Kind { GOOD, SHORT, TRUNCATED, STALLED, OVERLONG, ABSURD, NEGATIVE, KIND_COUNT };
const char *const Kind_names[] = {"good",     "short",  "truncated", "stalled",
                                  "overlong", "absurd", "negative"};
// The values the scripted server sends, in order.
enum Step { SHAKE, VERSION, SECURITY, THREADS, HOST, CWD, SETCWD, LIST_PATH, LIST_DIRS, LIST_FILES,
            STEP_COUNT };
const char *const Step_names[] = {"handshake", "version",   "security",  "threads",  "host",
                                  "cwd",       "set_cwd",   "list path", "list dirs", "list files"};

struct ServerCase {
  Step step = SHAKE;
  Kind kind = GOOD;
  uint32_t number = 0;  // the absurd or negative length, the size of a short piece
  std::string name() const {
    return std::string(Step_names[step]) + " " + Kind_names[kind] + " " + std::to_string(number);
  }
  bool is_string() const {
    return step == VERSION || step == HOST || step == CWD || step >= LIST_PATH;
  }
  // The kind as the server plays it: length kinds need a string, and a
  // stall before a value only counts in the middle of a reply (the first
  // value of a reply may wait without limit).
  Kind played() const {
    if (kind == GOOD) return GOOD;
    if (step == SHAKE) return kind == TRUNCATED ? TRUNCATED : SHORT;
    if ((kind == OVERLONG || kind == ABSURD || kind == NEGATIVE) && !is_string()) return SHORT;
    if (kind == STALLED && step < LIST_PATH) return SHORT;
    return kind;
  }
  bool breaks() const {
    Kind k = played();
    return k != GOOD && k != OVERLONG;
  }
  bool handshake_fails() const { return step <= THREADS && played() != GOOD; }
};

ServerCase draw_server_case(Rng &rng) {
  ServerCase c;
  c.step = (Step)rng.pick(STEP_COUNT);
  c.kind = rng.pick(5) == 0 ? GOOD : (Kind)(1 + rng.pick(KIND_COUNT - 1));
  c.number = rng.next();
  return c;
}

// What the scripted server saw of the client after it broke the protocol.
struct PeerReport {
  std::string after_break;  // bytes the client sent after the break ("" = none)
  bool connected = false;
  bool held = false;        // the server held a broken reply open
  bool closed = false;      // ... and the client closed the link within BOUND_MS
};

class ScriptedServer {
 public:
  ScriptedServer(int port, ServerCase c) : port_(port), c_(c) {}
  PeerReport run() {
    PeerReport rep;
    int fd = -1;
    for (int tries = 0; (fd = qtest::connect_loopback(port_)) < 0 && tries < 2000; tries++)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (fd < 0) return rep;
    rep.connected = true;
    p_ = qtest::Peer(fd, fd);
    if (p_.recv(10).size() != 10) return rep;  // the client's handshake comes first
    if (!value(SHAKE, qtest::handshake_bytes(), &rep)) return rep;
    if (!value(VERSION, str("7.1.0", true), &rep)) return rep;
    if (!flush() || p_.recv(8).size() != 8) return rep;
    if (!value(SECURITY, be32(0), &rep)) return rep;
    if (!flush() || p_.recv(4).size() != 4) return rep;
    if (!value(THREADS, be32(1), &rep)) return rep;
    for (;;) {
      if (!flush()) return rep;
      std::string kw = p_.recv_str(5000);
      if (kw == std::string("ccp_get_host", 13)) {
        if (!value(HOST, str("peerhost", true), &rep)) return rep;
      } else if (kw == std::string("ccp_get_cwd", 12)) {
        if (!value(CWD, str("/peer/dir", true), &rep)) return rep;
      } else if (kw == std::string("ccp_set_cwd", 12)) {
        p_.recv_str(1000);
        if (!value(SETCWD, be32(1), &rep)) return rep;
      } else if (kw == "get file listing") {
        p_.recv_str(1000);
        std::string path = "/peer", dirs = "sub\n", files = "a.geo\nb.geo\n";
        put(be32((uint32_t)path.size()));
        if (!value(LIST_PATH, str(path, false), &rep)) return rep;
        put(be32(1) + be32((uint32_t)dirs.size()));
        if (!value(LIST_DIRS, str(dirs, false), &rep)) return rep;
        put(be32(2) + be32((uint32_t)files.size()));
        if (!value(LIST_FILES, str(files, false), &rep)) return rep;
      } else {
        return rep;  // "Exit", or the client closed the link
      }
    }
  }

 private:
  static Bytes str(const std::string &s, bool nul) {
    Bytes b(s.begin(), s.end());
    if (nul) b.push_back(0);
    return be32((uint32_t)b.size()) + b;
  }
  // A reply goes out in one piece, so that a busy machine cannot open a
  // gap in the middle of a good reply.
  void put(const Bytes &b) { out_ = out_ + b; }
  bool flush() {
    bool ok = out_.empty() || p_.send(out_);
    out_.clear();
    return ok;
  }
  // After a break: the reply so far goes out, then whatever the client
  // still sends is noted until it closes the link.
  bool hold(PeerReport *rep) {
    flush();
    Bytes more;
    rep->held = true;
    rep->closed = p_.closed_within(BOUND_MS, &more);
    rep->after_break = bytes_text(more);
    return false;
  }
  // Puts the value of step (its wire bytes), or the case's misbehaviour when
  // step is the case's. false when the script ends here.
  bool value(Step step, const Bytes &wire, PeerReport *rep) {
    if (step != c_.step || c_.played() == GOOD) {
      put(wire);
      return true;
    }
    size_t piece = 1 + c_.number % (wire.size() - 1);  // 1 .. size - 1 bytes
    switch (c_.played()) {
      case SHORT:
        put(Bytes(wire.begin(), wire.begin() + (long)piece));
        return hold(rep);
      case TRUNCATED:
        put(Bytes(wire.begin(), wire.begin() + (long)piece));
        flush();
        p_.close_all();
        return false;
      case STALLED:
        return hold(rep);
      case OVERLONG: {
        // Longer than the client's room, short enough to be dropped.
        size_t n = 4096 + c_.number % 4096;
        put(be32((uint32_t)n) + Bytes(n, 'x'));
        return true;
      }
      case ABSURD:
        put(be32((uint32_t)(CCP_DRAIN_MAX + 1 + c_.number % (0x7fffffffu - CCP_DRAIN_MAX))));
        return hold(rep);
      case NEGATIVE:
        put(be32(0x80000000u | c_.number));
        return hold(rep);
      default:
        put(wire);
        return true;
    }
  }
  int port_;
  ServerCase c_;
  qtest::Peer p_;
  Bytes out_;
};

// A driver in a forked process: script's log goes to its standard output.
std::unique_ptr<qtest::ForkedChild> start_driver(const std::function<std::string()> &script) {
  return std::make_unique<qtest::ForkedChild>([script] {
    fputs(script().c_str(), stdout);
    return 0;
  });
}

// The driver's log once it has ended.
std::string finish(qtest::ForkedChild &driver) {
  driver.wait(120000);
  return driver.out();
}

class HostileInput : public cmdtest::RecordingTest {
 protected:
  void SetUp() override {
    RecordingTest::SetUp();
    Recrdr = 0;
    Cmd_play_delay_time = 0;
    saved_timeout_ = ccgettimeout();
    ccsetstall_ms(STALL_MS);
    Cmd_driver_port = qtest::free_tcp_port();
  }
  void TearDown() override {
    connect_extcmddriver_stop_listening();
    if (Cmd_driver_sock != CMD_DRIVER_NO_LINK) ccend(Cmd_driver_sock);
    Cmd_driver_sock = CMD_DRIVER_NO_LINK;
    Cmd_drive_extapp = -1;
    Cmd_driver_port = 1104;
    ccsetstall(0);
    ccsettimeout(saved_timeout_);
    RecordingTest::TearDown();
  }
  int saved_timeout_ = 60;
};

}  // namespace

TEST_F(HostileInput, ServerRepliesFromAFixedSeed) {
  const int N = 300;
  Rng rng(SEED);
  std::vector<ServerCase> cases;
  int played[KIND_COUNT] = {0}, steps[STEP_COUNT] = {0};
  for (int i = 0; i < N; i++) {
    cases.push_back(draw_server_case(rng));
    played[cases.back().played()]++;
    steps[cases.back().step]++;
  }
  // The seed reaches every kind of reply and every value.
  for (int k = 0; k < KIND_COUNT; k++) EXPECT_GE(played[k], 10) << Kind_names[k];
  for (int st = 0; st < STEP_COUNT; st++) EXPECT_GE(steps[st], 10) << Step_names[st];

  int kept_port = Server_port, kept_mode = Con_mode[1], kept_prog = Con_prog,
      kept_once = Connected_server_once, kept_token = Security_token, kept_case = Case_num;
  Case_rec kept_case0 = Case_info[0];
  Server_port = qtest::free_tcp_port();
  Con_mode[1] = 1;  // manual: the scripted server connects by itself
  Con_prog = 1;
  Security_token = -1;
  Case_num = 0;
  Case_info[0].active = 1;
  snprintf(Case_info[0].name, CASE_NAME_LEN, "Hostile");

  auto driver = start_driver([&] {
    qtest::DriverClient d;
    std::string log;
    if (!d.connect(Cmd_driver_port) || d.greeting() != "Hello Command Driver") return log + "X";
    for (int i = 0; i < N; i++) {
      std::string a = d.send("connect: connect", 20000);
      log += a == "ok" ? "o" : a == "ERROR" ? "E" : "F";
    }
    d.send_only("Close Command Driver");
    d.closed_by_peer(5000);
    return log;
  });
  testing::internal::CaptureStdout();
  ASSERT_EQ(connect_to_extcmddriver(), 1);

  std::string expected_answers;
  for (int i = 0; i < N; i++) {
    const ServerCase &c = cases[i];
    SCOPED_TRACE("case " + std::to_string(i) + ": " + c.name());
    PeerReport rep;
    ScriptedServer server(Server_port, c);
    std::thread peer([&] { rep = server.run(); });
    testing::internal::CaptureStderr();
    int handled = connect_getmesgfrom_extsrc();
    bool online = Online[1] == 1;
    // The requests of an online case.
    if (online) {
      char buf[200];
      std::vector<std::function<void()>> requests = {
          [&] { ccrhst(Isockt[0], buf, sizeof buf); },
          [&] { ccrcwd(Isockt[0], buf, sizeof buf); },
          [&] { ccssetcwd(Isockt[0], "/tmp"); },
          [&] {
            char *path = nullptr, **dirs = nullptr, **files = nullptr;
            int nd = 0, nf = 0;
            if (remotefilelist("*", &path, &nd, &dirs, &nf, &files) == 1) {
              free(path);
              remotefilelist_free(dirs);
              remotefilelist_free(files);
            }
          },
      };
      for (auto &request : requests) request();
    }
    bool still_online = Online[1] == 1;
    std::string err = testing::internal::GetCapturedStderr();
    if (still_online) connect_stop_server(0, 1);
    peer.join();

    EXPECT_EQ(handled, 1) << "every line is answered";
    EXPECT_TRUE(rep.connected);
    EXPECT_EQ(rep.held, rep.closed) << "a broken reply is given up within the stall limit";
    EXPECT_EQ(online, !c.handshake_fails());
    expected_answers += c.handshake_fails() ? "E" : "o";
    if (!c.handshake_fails()) {
      EXPECT_EQ(still_online, !c.breaks());
    }
    bool told = err.find("Server for case 'Hostile' stopped answering; the case is now offline.") !=
                std::string::npos;
    if (c.step != SHAKE) {
      EXPECT_EQ(told, c.breaks()) << err;
    }
    EXPECT_EQ(rep.after_break, "") << "nothing is sent on a broken channel";
  }
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(connect_loopgetmesgfrom_extsrc(), 0);  // "Close Command Driver"
  EXPECT_EQ(finish(*driver), expected_answers);

  Server_port = kept_port;
  Con_mode[1] = kept_mode;
  Con_prog = kept_prog;
  Connected_server_once = kept_once;
  Security_token = kept_token;
  Case_num = kept_case;
  Case_info[0] = kept_case0;
}

// ---- driver lines ---------------------------------------------------------------------

namespace {

enum DriverKind { D_LINE, D_NUL, D_ABSURD, D_NEGATIVE, D_SHORT_PREFIX, D_STALLED, D_TRUNCATED,
                  D_KIND_COUNT };

std::string be32_text(uint32_t v) { return bytes_text(be32(v)); }

// Sends a line (NUL added) in one piece and returns the answer without its NUL.
std::string send_line(qtest::DriverClient &d, const std::string &line) {
  if (!d.send_raw(be32_text((uint32_t)line.size() + 1) + line + std::string(1, '\0')))
    return "<fail>";
  return qtest::strip_nul(d.recv(10000));
}

// A line no category takes (it begins with neither a letter nor '#'), or a
// harmless command line.
std::string random_line(Rng &rng) {
  static const char *const safe[] = {"command: delay 0", "command: frobnicate", "part: count 3",
                                     "part: visible ON", "nosuch: thing", "command:"};
  if (rng.pick(3) == 0) return safe[rng.pick(6)];
  std::string s(1, "0123456789%&*+=?@[]{}~"[rng.pick(22)]);
  int n = rng.pick(CMD_DRIVER_LINE - 2);
  for (int i = 0; i < n; i++) s += (char)(' ' + rng.pick(95));
  return s;
}

}  // namespace

TEST_F(HostileInput, DriverLinesFromAFixedSeed) {
  const int N = 300;
  cmdtest::CategoryOverride part(CMD_CAT_PART);
  ccsettimeout(3);  // the driven side waits this long for the next driver
  auto driver = start_driver([&] {
    Rng rng(SEED + 1);
    std::string log;
    qtest::DriverClient d;
    for (int i = 0; i < N; i++) {
      if (!d.connected()) {
        if (!d.connect(Cmd_driver_port, 10000) || d.greeting() != "Hello Command Driver")
          return log + "BAD " + std::to_string(i) + " no link\n";
      }
      DriverKind k = (DriverKind)rng.pick(D_KIND_COUNT);
      std::string line = random_line(rng);
      std::string bad;
      switch (k) {
        case D_LINE: {
          std::string a = send_line(d, line);
          if (a != "ok" && a != "ERROR") bad = "answer " + a;
          break;
        }
        case D_NUL: {
          std::string hidden = line.substr(0, 100) + '\0' + "shell: touch /nonexistent/q";
          if (send_line(d, hidden) != "ERROR") bad = "NUL line not refused";
          break;
        }
        case D_ABSURD:
        case D_NEGATIVE: {
          uint32_t n = k == D_ABSURD
                           ? CMD_DRIVER_LINE + 1 + rng.next() % (0x7fffffffu - CMD_DRIVER_LINE)
                           : 0x80000000u | rng.next();
          d.send_raw(be32_text(n));  // answered and closed within a second
          if (d.recv(1000) != std::string("ERROR", 6)) bad = "no ERROR";
          if (!d.closed_by_peer(1000)) bad += " not closed";
          d.close();
          break;
        }
        case D_SHORT_PREFIX:
        case D_STALLED: {
          std::string framed = be32_text((uint32_t)line.size() + 1) + line;
          size_t piece = k == D_SHORT_PREFIX ? 1 + rng.pick(3) : 4 + rng.pick((int)line.size());
          d.send_raw(framed.substr(0, piece));
          if (!d.closed_by_peer(BOUND_MS)) bad = "not closed within the stall limit";
          d.close();
          break;
        }
        case D_TRUNCATED: {
          std::string framed = be32_text((uint32_t)line.size() + 1) + line;
          d.send_raw(framed.substr(0, 1 + rng.pick((int)framed.size() - 1)));
          d.close();
          break;
        }
        default:
          break;
      }
      if (!bad.empty())
        log += "BAD " + std::to_string(i) + " kind " + std::to_string(k) + ": " + bad + "\n";
    }
    if (d.connected()) {
      d.send_only("Close Command Driver");
      d.closed_by_peer(5000);
    }
    return log + "done";
  });
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  int links = 0;
  while (connect_to_extcmddriver() == 1) {
    links++;
    connect_loopgetmesgfrom_extsrc();
  }
  std::string err = testing::internal::GetCapturedStderr();
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(finish(*driver), "done");
  EXPECT_GT(links, 1);
  EXPECT_EQ(err.find("touch"), std::string::npos) << "a hidden line ran";
}

// ---- command files ---------------------------------------------------------------------

TEST_F(HostileInput, CommandFilesFromAFixedSeed) {
  const int N = 300;
  cmdtest::CategoryOverride part(CMD_CAT_PART);
  Rng rng(SEED + 2);
  std::string marker = dir.file("marker");
  std::string hidden = "shell: touch " + marker;
  int runs = 0, refusals = 0;
  for (int i = 0; i < N; i++) {
    std::string text = "VERSION 7.1\n";
    std::vector<std::string> expected;  // the counts that must run
    bool stopped = false;
    int lines = 1 + rng.pick(12);
    for (int l = 0; l < lines; l++) {
      std::string count = std::to_string(i * 100 + l);
      switch (rng.pick(9)) {
        case 0:  // a comment hiding a line behind a NUL, padded past the limit or not
        {
          std::string line = "# c" + std::string(1, '\0');
          line += std::string((size_t)rng.pick(400), ' ') + hidden;
          text += line + "\n";
          stopped = true;
          break;
        }
        case 1:  // a good line hiding another behind a NUL
          text += "part: count " + count + std::string(1, '\0') + hidden + "\n";
          stopped = true;
          break;
        case 2:  // past the line limit, the hidden line at its end
          text += "# " + std::string(326 + (size_t)rng.pick(300), 'x') + hidden + "\n";
          stopped = true;
          break;
        case 3:  // blank
          text += std::string((size_t)rng.pick(5), ' ') + "\n";
          break;
        case 4:  // a line ending in a carriage return
          text += "part: count " + count + "\r\n";
          if (!stopped) expected.push_back(count);
          break;
        case 5:  // a comment of printable characters, up to the limit
        {
          std::string c = "#";
          int n = rng.pick(327);
          for (int k = 0; k < n; k++) c += (char)(' ' + rng.pick(95));
          text += c + "\n";
          break;
        }
        default:
          text += "part: count " + count + "\n";
          if (!stopped) expected.push_back(count);
          break;
      }
    }
    runs += (int)expected.size();
    refusals += stopped;
    std::string path = dir.file("hostile.cmd");
    qtest::write_file(path, text);
    cmdtest::Calls.clear();
    testing::internal::CaptureStderr();
    cmdplay(path.c_str(), 0);
    std::string err = testing::internal::GetCapturedStderr();
    std::vector<std::string> ran;
    for (const cmdtest::Call &c : cmdtest::Calls)
      if (c.keyword == "count") ran.push_back(c.params);
    EXPECT_EQ(ran, expected) << "file " << i << ":\n" << text << err;
    EXPECT_EQ(Cmd_play_level, 0);
    EXPECT_NE(access(marker.c_str(), F_OK), 0) << "file " << i << " ran a hidden line";
    Cmd_play_quit_flag = Cmd_play_step_flag = Cmd_play_skip_flag = 0;
  }
  EXPECT_GT(runs, 300);
  EXPECT_GT(refusals, 100);
}
