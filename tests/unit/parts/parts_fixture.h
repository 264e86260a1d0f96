// Shared pieces of the part tests: an empty part table with fresh defaults,
// case servers played by scripted peers on loopback sockets, and the bytes
// of the values a server sends.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <functional>
#include <thread>
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
    memcpy(saved_cases_, Case_info, sizeof saved_cases_);
    memcpy(saved_online_, Online, sizeof saved_online_);
    saved_case_num_ = Case_num;
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
    clear_parts();
    memcpy(Case_info, saved_cases_, sizeof saved_cases_);
    memcpy(Online, saved_online_, sizeof saved_online_);
    Case_num = saved_case_num_;
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

 private:
  Case_rec saved_cases_[MAX_CASES];
  int saved_online_[CON_SLOTS];
  int saved_case_num_ = 0;
};

// The client side of an exchange run on its own thread, so that the test
// can play the servers; a client still blocked when the test gives up is
// released by closing the peers.
class ClientCall {
 public:
  ClientCall(PartsTest *servers, std::function<void()> fn) : servers_(servers) {
    thread_ = std::thread([this, fn] {
      fn();
      done_ = true;
    });
  }
  ~ClientCall() {
    if (!done_) servers_->release_peers();
    if (thread_.joinable()) thread_.join();
  }
  bool finished_within(int ms) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done_ && std::chrono::steady_clock::now() < end)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return done_;
  }

 private:
  PartsTest *servers_;
  std::atomic<bool> done_{false};
  std::thread thread_;
};

}  // namespace qtest
