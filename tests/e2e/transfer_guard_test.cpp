// The geometry transfer and the display-object builds of the real client
// and stand-in, counted call by call (a preloaded call log, not a timing):
// every array of a "loadp_many" exchange goes out in one write in both
// directions, and a rebuild compiles each part's display object once.
#include <gtest/gtest.h>
#include <dirent.h>

#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "case_servers.h"
#include "client_proc.h"
#include "driver_client.h"
#include "harness.h"

namespace {

// One logged call: tag W, R or L, descriptor (list id for L), byte count
// (mode for L) and the first bytes in hex.
struct Call {
  char tag = 0;
  long a = 0, b = 0;
  std::string hex;
};

std::vector<Call> calls_in(const std::string &text) {
  std::vector<Call> calls;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    Call c;
    std::istringstream l(line);
    l >> c.tag >> c.a >> c.b >> c.hex;
    calls.push_back(c);
  }
  return calls;
}

std::string hex_of(const std::string &s) {
  std::string h;
  char b[3];
  for (unsigned char ch : s) snprintf(b, sizeof b, "%02x", ch), h += b;
  return h;
}

long leading_count(const std::string &hex) { return hex.size() >= 8 ? std::stol(hex.substr(0, 8), nullptr, 16) : -1; }

// The call logs of the processes of a run, by process id.
std::map<std::string, std::string> logs_in(const std::string &dir) {
  std::map<std::string, std::string> logs;
  DIR *d = opendir(dir.c_str());
  while (struct dirent *e = d ? readdir(d) : nullptr)
    if (std::string(e->d_name).rfind("calls.", 0) == 0) logs[e->d_name] = qtest::read_file(dir + "/" + e->d_name);
  if (d) closedir(d);
  return logs;
}

// The writes on fd from calls[from] on, up to the next read on any
// descriptor: on a pipe pair the answer comes on another one.
std::vector<Call> writes_until_read(const std::vector<Call> &calls, size_t from, long fd) {
  std::vector<Call> w;
  for (size_t k = from; k < calls.size() && calls[k].tag != 'R'; k++)
    if (calls[k].tag == 'W' && calls[k].a == fd) w.push_back(calls[k]);
  return w;
}

// Sets the preload for the programs started while it lives.
struct CallLogEnv {
  explicit CallLogEnv(const std::string &dir) {
    const char *asan = getenv("ASAN_OPTIONS");
    keep_asan = asan ? asan : "";
    had_asan = asan != nullptr;
    setenv("LD_PRELOAD", QUIVANE_CALL_LOG_LIB, 1);
    setenv("QUIVANE_CALL_LOG", dir.c_str(), 1);
    // A sanitized client loads the log library before the sanitizer runtime.
    setenv("ASAN_OPTIONS", (keep_asan + (had_asan ? ":" : "") + "verify_asan_link_order=0").c_str(), 1);
  }
  ~CallLogEnv() {
    unsetenv("LD_PRELOAD");
    unsetenv("QUIVANE_CALL_LOG");
    if (had_asan)
      setenv("ASAN_OPTIONS", keep_asan.c_str(), 1);
    else
      unsetenv("ASAN_OPTIONS");
  }
  std::string keep_asan;
  bool had_asan = false;
};

}  // namespace

TEST(TransferGuard, LoadpManyArraysGoInOneWriteAndPartsBuildOncePerRebuild) {
  const std::string D = qtest::test_data();
  qtest::TempDir files("qguard");
  std::string text = "VERSION 7.1\n";
  for (const char *l : {"data: format plot3d", "data: path @", "data: geometry plot3d/zones3_c.xyz",
                        "data: result plot3d/zones3_c.q", "data: plot3diblank ON", "data: plot3dmulti_zone ON",
                        "data: plot3dread_as c_binary", "data: plot3ddimension 3d", "data: read",
                        "data_partbuild: plot3ddomain inside", "data_partbuild: plot3dselect_zone_begin", "1 2 3",
                        "data_partbuild: plot3dselect_zone_end", "data_partbuild: plot3dstep 1 1 1",
                        "data_partbuild: create", "data_partbuild: end", "view: hidden_surface ON"}) {
    std::string line = l;
    if (line.back() == '@') line = line.substr(0, line.size() - 1) + D;
    text += line + "\n";
  }
  qtest::write_file(files.file("build.cmd"), text);
  qtest::TempDir logdir("qcalls");
  std::unique_ptr<qtest::DrivenClient> c;
  {
    CallLogEnv env(logdir.path());
    c.reset(new qtest::DrivenClient({"-c", "-p", files.file("build.cmd")}));
  }
  ASSERT_TRUE(c->xvfb.ok());
  ASSERT_TRUE(c->driver.connect(c->port, 30000)) << c->client->err();
  ASSERT_EQ(c->driver.greeting(), "Hello Command Driver");
  ASSERT_TRUE(c->servers.wait_started(1)) << c->client->err();
  ASSERT_EQ(c->driver.send("command: delay 0", 30000), "ok");

  // One rebuild of every part: a new representation, loaded and built.
  std::map<std::string, size_t> before;
  for (const auto &l : logs_in(logdir.path())) before[l.first] = l.second.size();
  for (const char *line : {"part: select_all", "part: modify_begin", "part: elt_representation border",
                           "part: modify_end", "command: delay 0"})
    ASSERT_EQ(c->driver.send(line, 30000), "ok") << line;
  EXPECT_TRUE(c->driver.send_only("quit"));
  EXPECT_EQ(c->client->wait_exit(std::chrono::seconds(30)), 0) << c->client->err();

  const std::string keyword = hex_of("loadp_many");
  int requests = 0, replies = 0, rebuild_lists = 0;
  for (const auto &l : logs_in(logdir.path())) {
    std::vector<Call> calls = calls_in(l.second);
    for (size_t k = 0; k < calls.size(); k++) {
      if (calls[k].hex != keyword) continue;
      const long fd = calls[k].a;
      if (calls[k].tag == 'W') {
        // The client's request: the count m, then five arrays of m values,
        // each with its count in one write.
        requests++;
        std::vector<Call> w = writes_until_read(calls, k + 1, fd);
        ASSERT_EQ(w.size(), 6u) << l.first;
        const long m = leading_count(w[0].hex);
        EXPECT_EQ(w[0].b, 4);
        for (size_t j = 1; j < w.size(); j++) {
          EXPECT_EQ(leading_count(w[j].hex), m);
          EXPECT_EQ(w[j].b, 4 + 4 * m);
        }
      } else {
        // The server's reply: after it read the request, six arrays of m
        // counts, then per part three coordinate arrays and its
        // connectivity; an array never in more than one write.
        size_t first = k;
        while (first < calls.size() && calls[first].tag != 'W') first++;
        ASSERT_LT(first, calls.size()) << l.first;
        replies++;
        std::vector<Call> w = writes_until_read(calls, first, calls[first].a);
        const long m = leading_count(w[0].hex);
        ASSERT_GT(m, 0);
        ASSERT_GE((long)w.size(), 6 + 4 * m) << l.first;
        EXPECT_LE((long)w.size(), 6 + 7 * m) << l.first;
        for (size_t j = 0; j < 6; j++) EXPECT_EQ(w[j].b, 4 + 4 * m) << "count array " << j;
        for (const Call &one : w)
          if (one.b != 4) {
            EXPECT_EQ(one.b, 4 + 4 * leading_count(one.hex)) << "an array split over writes";
          }
      }
    }
    // The client's lists compiled in the rebuild: each once.
    if (!before.count(l.first)) continue;
    std::map<long, int> compiled;
    for (const Call &call : calls_in(l.second.substr(before[l.first])))
      if (call.tag == 'L') compiled[call.a]++;
    for (const auto &lc : compiled) EXPECT_EQ(lc.second, 1) << "list " << lc.first << " in " << l.first;
    rebuild_lists += (int)compiled.size();
  }
  EXPECT_GE(requests, 2) << "the creation's and the rebuild's";
  EXPECT_EQ(replies, requests);
  EXPECT_GE(rebuild_lists, 3) << "one display object at least per zone part";
}
