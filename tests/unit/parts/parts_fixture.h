// Shared pieces of the part tests: an empty part table with fresh defaults,
// case servers played by scripted peers on loopback sockets, and the bytes
// of the values a server sends.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "client/cases.h"
#include "client/ccp.h"
#include "client/conect.h"
#include "parts/attribute.h"
#include "parts/read.h"
#include "peer.h"
#include "test_parts.h"

namespace qtest {

inline Bytes f32(float f) {
  uint32_t u;
  memcpy(&u, &f, 4);
  return be32(u);
}
inline Bytes i32(int v) { return be32((uint32_t)v); }
inline Bytes str(const std::string &s) {
  return i32((int)s.size()) + Bytes(s.begin(), s.end());
}
inline Bytes ints(const std::vector<int> &v) {
  Bytes b = i32((int)v.size());
  for (int x : v) b = b + i32(x);
  return b;
}
inline Bytes floats(const std::vector<float> &v) {
  Bytes b = i32((int)v.size());
  for (float x : v) b = b + f32(x);
  return b;
}

// A case slot whose server is a scripted peer.
struct CaseLink {
  Peer peer;
  int ch = -1;
};

// Fresh table, defaults and kept file sizes; no case connected.
class PartsTest : public testing::Test {
 public:
  // Closes every scripted server: a client blocked on one is released.
  void release_peers() {
    for (auto &l : links_) l->peer.close_all();
  }

 protected:
  void SetUp() override {
    clear_parts();
    reset_part_attribute_state();
    reset_server_maxfilesize();
    for (int c = 0; c < MAX_CASES; c++) {
      Case_info[c].active = 0;
      Online[c + 1] = 0;
    }
    Case_num = 0;
  }
  void TearDown() override {
    for (auto &l : links_)
      if (l && l->ch >= 0) ccend(l->ch);
    links_.clear();
    for (int c = 0; c < MAX_CASES; c++) {
      Case_info[c].active = 0;
      Online[c + 1] = 0;
    }
    clear_parts();
    Case_num = 0;
  }
  // Connects case slot c to a new scripted peer.
  CaseLink &connect_case(int c) {
    links_.push_back(std::make_unique<CaseLink>());
    CaseLink &l = *links_.back();
    l.ch = ccp_socket_link(&l.peer, handshake_bytes());
    EXPECT_GE(l.ch, 0);
    Isockt[c] = l.ch;
    Case_info[c].active = 1;
    Online[c + 1] = 1;
    return l;
  }
  // A model part of the current case made the way a loader makes it.
  Part_rec *model_part(int number, const char *name, int case_index = 0) {
    return add_part({number, case_index, 0, name, -1, {}, false});
  }

  std::vector<std::unique_ptr<CaseLink>> links_;
};

}  // namespace qtest
