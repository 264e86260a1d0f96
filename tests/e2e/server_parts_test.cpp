// The stand-in server's part requests, asked as the client asks them, with
// the answers compared with the model read from the same file here: the
// part list, extents of held and unknown parts, geometry in two
// representations, free space, the velocity offset and the log lines.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "client/ccp.h"
#include "compute/compute.h"
#include "harness.h"
#include "readers/readers.h"
#include "server_run.h"

namespace {

// An array of exactly n values through ccrinn or ccrfln.
template <typename T>
std::vector<T> recv_exact(int ch, int n, int (*recv)(int, int, T *, int, int *)) {
  std::vector<T> v(n > 0 ? n : 1);
  int got = -1;
  EXPECT_EQ(recv(ch, 1, v.data(), n, &got), 0);
  EXPECT_EQ(got, n);
  v.resize(n);
  return v;
}

std::vector<int> recv_ints(int ch, int n) { return recv_exact(ch, n, ccrinn); }
std::vector<float> recv_floats(int ch, int n) { return recv_exact(ch, n, ccrfln); }

// A server holding the mixed-element model, handshake done.
struct DataServer {
  qtest::TempDir work{"srvparts"};
  qtest::ServerRun run;
  int ch = -1;
  Ds_case_rec model;
  explicit DataServer(bool with_data) {
    std::string data = qtest::test_data() + "/vtk/mixed.vtk";
    std::vector<std::string> extra = {"-log", work.file("log")};
    if (with_data) {
      extra.push_back("-data");
      extra.push_back(data);
      std::string err;
      EXPECT_EQ(read_dataset(&model, data, "", &err), 0) << err;
    }
    ch = qtest::tcp_server(&run, work.path(), extra);
    EXPECT_GE(ch, 0);
    EXPECT_EQ(qtest::client_handshake(ch, -1), 1);
  }
  ~DataServer() {
    ccsstr(ch, "Exit", 4);
    run.finish();
    ccend(ch);
  }
  std::string log() { return qtest::read_file(work.file("log")); }
};

}  // namespace

TEST(ServerParts, PartListAndExtents) {
  DataServer s(true);
  ASSERT_EQ(ccsstr(s.ch, "part info", 9), 0);
  int n = 0;
  ASSERT_EQ(ccrint(s.ch, 1, &n), 0);
  ASSERT_EQ(n, 3);
  for (const Ds_part_rec &p : s.model.parts) {
    int number = 0, len = 0;
    char name[64] = {0};
    ASSERT_EQ(ccrint(s.ch, 1, &number), 0);
    ASSERT_EQ(ccrstr(s.ch, 1, name, 49, &len), 0);
    EXPECT_EQ(number, p.number);
    EXPECT_EQ(std::string(name, len), p.name);
  }

  // One part, then one the server does not hold: a status and nothing else.
  ASSERT_EQ(ccsstr(s.ch, "minm", 4), 0);
  ASSERT_EQ(ccsint(s.ch, 2), 0);
  int status = -1, nodes = -1;
  ASSERT_EQ(ccrint(s.ch, 1, &status), 0);
  EXPECT_EQ(status, 0);
  ASSERT_EQ(ccrint(s.ch, 1, &nodes), 0);
  EXPECT_EQ(nodes, ds_node_count(s.model.parts[1]));
  float e[6], want[6];
  ds_extents(s.model.parts[1], want);
  for (float &v : e) ASSERT_EQ(ccrflt(s.ch, 1, &v), 0);
  EXPECT_EQ(std::vector<float>(e, e + 6), std::vector<float>(want, want + 6));
  ASSERT_EQ(ccsstr(s.ch, "minm", 4), 0);
  ASSERT_EQ(ccsint(s.ch, 99), 0);
  ASSERT_EQ(ccrint(s.ch, 1, &status), 0);
  EXPECT_NE(status, 0);

  int asked[3] = {3, 99, 1};
  ASSERT_EQ(ccsstr(s.ch, "minm_many", 9), 0);
  ASSERT_EQ(ccsint(s.ch, 3), 0);
  ASSERT_EQ(ccsinn(s.ch, asked, 3), 0);
  std::vector<int> st = recv_ints(s.ch, 3), nn = recv_ints(s.ch, 3);
  std::vector<std::vector<float>> ext;
  for (int k = 0; k < 6; k++) ext.push_back(recv_floats(s.ch, 3));
  EXPECT_EQ(st[0], 0);
  EXPECT_NE(st[1], 0);
  EXPECT_EQ(st[2], 0);
  EXPECT_EQ(nn[0], ds_node_count(s.model.parts[2]));
  EXPECT_EQ(nn[2], ds_node_count(s.model.parts[0]));
  ds_extents(s.model.parts[0], want);
  for (int k = 0; k < 6; k++) EXPECT_EQ(ext[k][2], want[k]) << k;

  // Velocity offset: a thousandth of the model's box diagonal.
  float lo[3] = {1e30f, 1e30f, 1e30f}, hi[3] = {-1e30f, -1e30f, -1e30f};
  for (const Ds_part_rec &p : s.model.parts) {
    ds_extents(p, want);
    for (int d = 0; d < 3; d++) {
      lo[d] = std::fmin(lo[d], want[2 * d]);
      hi[d] = std::fmax(hi[d], want[2 * d + 1]);
    }
  }
  float diag = std::sqrt((hi[0] - lo[0]) * (hi[0] - lo[0]) + (hi[1] - lo[1]) * (hi[1] - lo[1]) +
                         (hi[2] - lo[2]) * (hi[2] - lo[2]));
  float offset = 0, mb = -1;
  ASSERT_EQ(ccsstr(s.ch, "velocity offset", 15), 0);
  ASSERT_EQ(ccrflt(s.ch, 1, &offset), 0);
  EXPECT_NEAR(offset, diag / 1000.0f, 1e-6);
  ASSERT_EQ(ccsstr(s.ch, "max_file_size", 14), 0);
  ASSERT_EQ(ccrflt(s.ch, 1, &mb), 0);
  EXPECT_GT(mb, 0.0f);

  std::string log = s.log();
  for (const char *line : {"part info -> 3 parts\n", "minm 2 -> held\n", "minm 99 -> not held\n",
                           "minm_many 3: 3 99 1\n", "velocity offset -> "})
    EXPECT_NE(log.find(line), std::string::npos) << line << "\n" << log;
}

TEST(ServerParts, GeometryInTheRepresentationsAsked) {
  DataServer s(true);
  Ds_part_rec &hex = s.model.parts[0];
  int numbers[3] = {1, 99, 1};
  int reps[3] = {3, 1, 5};
  int disps[3] = {-1, -1, 4};
  float factors[3] = {1, 1, 2}, angles[3] = {10, 10, 10};
  ASSERT_EQ(ccsstr(s.ch, "loadp_many", 10), 0);
  ASSERT_EQ(ccsint(s.ch, 3), 0);
  ASSERT_EQ(ccsinn(s.ch, numbers, 3), 0);
  ASSERT_EQ(ccsinn(s.ch, reps, 3), 0);
  ASSERT_EQ(ccsinn(s.ch, disps, 3), 0);
  ASSERT_EQ(ccsfln(s.ch, factors, 3), 0);
  ASSERT_EQ(ccsfln(s.ch, angles, 3), 0);
  std::vector<int> status = recv_ints(s.ch, 3), rep = recv_ints(s.ch, 3), n = recv_ints(s.ch, 3),
                   e = recv_ints(s.ch, 3), l = recv_ints(s.ch, 3), structured = recv_ints(s.ch, 3);
  EXPECT_EQ(status[0], 0);
  EXPECT_NE(status[1], 0);
  EXPECT_EQ(status[2], 0);
  EXPECT_EQ(rep, (std::vector<int>{3, 1, 5}));  // echoed, also for the part not held
  const Ds_rep_rec *full = ds_rep(&hex, 3, 10);
  EXPECT_EQ(n[0], ds_node_count(hex));
  EXPECT_EQ(e[0], full->elements());
  EXPECT_EQ(l[0], (int)full->conn.size());
  EXPECT_EQ(n[2], 8);   // the box has eight corners of its own
  EXPECT_EQ(e[2], 12);  // and twelve edges
  EXPECT_EQ(structured[0], 0);

  // Coordinates undisplaced, each component in one non-empty array.
  for (int part : {0, 2}) {
    std::vector<float> xyz[3];
    for (auto &c : xyz) c = recv_floats(s.ch, n[part]);
    if (part == 0) {
      EXPECT_EQ(xyz[0], std::vector<float>(hex.x.begin(), hex.x.end()));
      EXPECT_EQ(xyz[2], std::vector<float>(hex.z.begin(), hex.z.end()));
    } else {
      float box[6];
      ds_extents(hex, box);
      EXPECT_EQ(xyz[0][0], box[0]);
      EXPECT_EQ(xyz[2][7], box[5]);
    }
  }
  for (int part : {0, 2}) {
    int marker = 0;
    ASSERT_EQ(ccrint(s.ch, 1, &marker), 0);
    ASSERT_EQ(marker, 1);
    std::vector<int> starts = recv_ints(s.ch, e[part]), conn = recv_ints(s.ch, l[part]);
    if (part == 0) {
      EXPECT_EQ(starts, std::vector<int>(full->offsets.begin(), full->offsets.end() - 1));
      for (size_t k = 0; k < conn.size(); k++) EXPECT_EQ(conn[k], full->conn[k] + 1);
    } else {
      for (int v : conn) EXPECT_TRUE(v >= 1 && v <= 8) << v;
    }
    ASSERT_EQ(ccrint(s.ch, 1, &marker), 0);
    EXPECT_EQ(marker, 0);
  }
  EXPECT_NE(s.log().find("loadp_many 3: parts 1 99 1 reps 3 1 5 displace -1 -1 4 factors"),
            std::string::npos)
      << s.log();
}

TEST(ServerParts, NothingLoaded) {
  DataServer s(false);
  int n = -1;
  float offset = -1;
  ASSERT_EQ(ccsstr(s.ch, "part info", 9), 0);
  ASSERT_EQ(ccrint(s.ch, 1, &n), 0);
  EXPECT_EQ(n, 0);
  ASSERT_EQ(ccsstr(s.ch, "velocity offset", 15), 0);
  ASSERT_EQ(ccrflt(s.ch, 1, &offset), 0);
  EXPECT_EQ(offset, 0.0f);
}

namespace {

// Reads a label reply to its closing 0: positions and ids of every label.
void recv_labels(int ch, std::vector<std::vector<float>> *pos, std::vector<int> *ids) {
  for (;;) {
    int n = -1;
    ASSERT_EQ(ccrint(ch, 1, &n), 0);
    if (n == 0) return;
    ASSERT_GT(n, 0);
    ASSERT_LE(n, 1000);
    std::vector<float> flat(3 * n);
    std::vector<float *> rows(n);
    for (int i = 0; i < n; i++) rows[i] = &flat[3 * i];
    ASSERT_EQ(ccrfl2(ch, 1, rows.data(), n, 3), 0);
    std::vector<int> got = recv_ints(ch, n);
    for (int i = 0; i < n; i++) {
      pos->push_back({flat[3 * i], flat[3 * i + 1], flat[3 * i + 2]});
      ids->push_back(got[i]);
    }
  }
}

}  // namespace

// Node labels sit on the nodes, element labels on the element centroids,
// numbered from 1; a part the server does not hold is refused with two
// zeros and the link stays in step.
TEST(ServerParts, NodeAndElementLabels) {
  DataServer s(true);
  const Ds_part_rec &p = s.model.parts[0];
  int ok1 = -1, ok2 = -1;
  ASSERT_EQ(ccsstr(s.ch, "get node labels", 15), 0);
  ASSERT_EQ(ccsint(s.ch, p.number), 0);
  ASSERT_EQ(ccrint(s.ch, 1, &ok1), 0);
  ASSERT_EQ(ccrint(s.ch, 1, &ok2), 0);
  ASSERT_EQ(ok1, 1);
  ASSERT_EQ(ok2, 1);
  ASSERT_EQ(ccsint(s.ch, 3), 0);
  ASSERT_EQ(ccsint(s.ch, -1), 0);
  ASSERT_EQ(ccsflt(s.ch, 1.0f), 0);
  ASSERT_EQ(ccsflt(s.ch, 0.0f), 0);
  std::vector<std::vector<float>> pos;
  std::vector<int> ids;
  recv_labels(s.ch, &pos, &ids);
  ASSERT_EQ((int)ids.size(), ds_node_count(p));
  for (size_t i = 0; i < ids.size(); i++) {
    EXPECT_EQ(ids[i], (int)i + 1);
    EXPECT_EQ(pos[i], (std::vector<float>{p.x[i], p.y[i], p.z[i]}));
  }

  ASSERT_EQ(ccsstr(s.ch, "get elem labels", 15), 0);
  ASSERT_EQ(ccsint(s.ch, p.number), 0);
  ASSERT_EQ(ccrint(s.ch, 1, &ok1), 0);
  ASSERT_EQ(ccrint(s.ch, 1, &ok2), 0);
  ASSERT_EQ(ok1 + ok2, 2);
  ASSERT_EQ(ccsint(s.ch, -1), 0);
  ASSERT_EQ(ccsflt(s.ch, 1.0f), 0);
  pos.clear();
  ids.clear();
  recv_labels(s.ch, &pos, &ids);
  ASSERT_EQ((int)ids.size(), ds_elem_count(p));
  ASSERT_FALSE(p.structured);
  for (int e = 0; e < (int)ids.size(); e++) {
    float c[3] = {0, 0, 0};
    int corners = p.elem_off[e + 1] - p.elem_off[e];
    for (int k = p.elem_off[e]; k < p.elem_off[e + 1]; k++) {
      c[0] += p.x[p.elem_conn[k]];
      c[1] += p.y[p.elem_conn[k]];
      c[2] += p.z[p.elem_conn[k]];
    }
    for (int d = 0; d < 3; d++) EXPECT_NEAR(pos[e][d], c[d] / corners, 1e-5) << e;
  }

  ASSERT_EQ(ccsstr(s.ch, "get node labels", 15), 0);
  ASSERT_EQ(ccsint(s.ch, 99), 0);
  ASSERT_EQ(ccrint(s.ch, 1, &ok1), 0);
  ASSERT_EQ(ccrint(s.ch, 1, &ok2), 0);
  EXPECT_EQ(ok1, 0);
  EXPECT_EQ(ok2, 0);
  ASSERT_EQ(ccsstr(s.ch, "velocity offset", 15), 0);
  float offset = 0;
  EXPECT_EQ(ccrflt(s.ch, 1, &offset), 0);
  EXPECT_GT(offset, 0.0f);

  std::string log = s.log();
  EXPECT_NE(log.find("get node labels 1: representation 3 variable -1 factor 1 shrink 0 -> "),
            std::string::npos)
      << log;
  EXPECT_NE(log.find("get node labels 99 -> none\n"), std::string::npos) << log;
}
