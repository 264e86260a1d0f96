// Discovery, extents and geometry transfer against scripted case servers:
// the exact request bytes, replies split and blocked as a server may send
// them, several servers at once, and replies that break the rules.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "parts_fixture.h"
#include "variables/variables.h"

using namespace qtest;

namespace {

Bytes loadp_request(const std::vector<int> &numbers, const std::vector<int> &reps) {
  size_t m = numbers.size();
  return str("loadp_many") + i32((int)m) + ints(numbers) + ints(reps) +
         ints(std::vector<int>(m, -1)) + floats(std::vector<float>(m, 1.0f)) +
         floats(std::vector<float>(m, 10.0f));
}

// The six count arrays of a "loadp_many" reply.
Bytes loadp_counts(const std::vector<int> &status, const std::vector<int> &reps,
                   const std::vector<int> &n, const std::vector<int> &e,
                   const std::vector<int> &l, const std::vector<int> &structured) {
  return ints(status) + ints(reps) + ints(n) + ints(e) + ints(l) + ints(structured);
}

std::vector<float> ramp(int from, int count, float scale) {
  std::vector<float> v;
  for (int k = 0; k < count; k++) v.push_back((float)(from + k) * scale);
  return v;
}

Bytes minm_many_reply(const std::vector<int> &status, const std::vector<int> &nodes,
                      const std::vector<std::vector<float>> &six) {
  Bytes b = ints(status) + ints(nodes);
  for (const auto &v : six) b = b + floats(v);
  return b;
}

}  // namespace

class GeometryTransfer : public PartsTest {};

TEST_F(GeometryTransfer, DiscoveryMakesUniqueNamesThenOneMinmManyWithBoth) {
  CaseLink &s = connect_case(0);
  int suffix = part_unique_suffix_counter();
  ClientCall call(this, [] { create_all_parts(); });
  ASSERT_EQ(s.peer.recv(13), str("part info"));
  s.peer.send(i32(2) + i32(4) + str("Part") + i32(9) + str("Part"));
  ASSERT_EQ(s.peer.recv(4 + 9 + 4 + 12), str("minm_many") + i32(2) + ints({4, 9}));
  s.peer.send(minm_many_reply({0, 0}, {8, 27}, {{0, 1}, {1, 2}, {0, 2}, {1, 3}, {0, 3}, {1, 4}}));
  ASSERT_TRUE(call.finished_within(5000));
  EXPECT_TRUE(s.peer.quiet(100));

  ASSERT_EQ(Num_p_loaded, 2);
  EXPECT_STREQ(parts[0]->name, "Part");
  char expect[40];
  snprintf(expect, sizeof expect, "Part ->> %.4d", suffix);
  EXPECT_STREQ(parts[1]->name, expect);
  Part_rec *p9 = part_by_number(9);
  ASSERT_NE(p9, nullptr);
  EXPECT_EQ(p9->type, PART_MODEL);
  EXPECT_EQ(p9->node_count, 27);
  EXPECT_EQ(p9->parent_group, -1);
  EXPECT_EQ(p9->var_defined[0], 0);  // discovered parts wait for their values
  float got[6] = {p9->xmin, p9->xmax, p9->ymin, p9->ymax, p9->zmin, p9->zmax};
  float want[6] = {1, 2, 2, 3, 3, 4};
  for (int k = 0; k < 6; k++) EXPECT_EQ(got[k], want[k]) << k;
  EXPECT_EQ(Num_p_partlist, 2);
  EXPECT_EQ(Num_parts_cases[0], 2);
}

TEST_F(GeometryTransfer, MaxFileSizeIsAskedWithItsNulUntilTheAnswerIsNotZero) {
  CaseLink &s = connect_case(0);
  Bytes request = i32(14) + Bytes{'m', 'a', 'x', '_', 'f', 'i', 'l', 'e', '_', 's', 'i', 'z', 'e', 0};
  s.peer.send(f32(0.0f) + f32(512.5f));
  EXPECT_EQ(get_server_maxfilesize(), 0.0f);
  EXPECT_EQ(s.peer.recv(18), request);
  EXPECT_EQ(get_server_maxfilesize(), 512.5f);
  EXPECT_EQ(s.peer.recv(18), request);
  EXPECT_EQ(get_server_maxfilesize(), 512.5f);
  EXPECT_TRUE(s.peer.quiet(100));
}

TEST_F(GeometryTransfer, CoordinatesInArraysOfAnyLengthFillNodesInOrder) {
  CaseLink &s = connect_case(0);
  model_part(5, "big");
  const int N = 10000;
  ClientCall call(this, [] { load_part(5); });
  ASSERT_EQ(s.peer.recv(loadp_request({5}, {0}).size()), loadp_request({5}, {0}));
  s.peer.send(loadp_counts({0}, {0}, {N}, {0}, {0}, {1}));
  s.peer.send(floats(ramp(1, 6000, 1.0f)) + floats(ramp(6001, 4000, 1.0f)));  // x
  s.peer.send(floats(ramp(1, N, 2.0f)) + floats(ramp(1, N, 3.0f)));           // y, z
  s.peer.send(i32(0));
  ASSERT_TRUE(call.finished_within(5000));
  Part_rec *p = part_by_number(5);
  ASSERT_EQ(p->node_count, N);
  EXPECT_EQ(p->structured, 1);
  for (int k : {1, 2, 5999, 6000, 6001, 6002, 9999, 10000}) {
    EXPECT_EQ(p->coords[k][0], (float)k) << k;
    EXPECT_EQ(p->coords[k][1], 2.0f * k) << k;
    EXPECT_EQ(p->coords[k][2], 3.0f * k) << k;
  }
  EXPECT_EQ(p->coords[0][0], 0.0f);  // row 0 is never written
}

TEST_F(GeometryTransfer, ConnectivityBlocksAreAppended) {
  CaseLink &s = connect_case(0);
  model_part(3, "quads");
  ClientCall call(this, [] { load_part(3); });
  ASSERT_EQ(s.peer.recv(loadp_request({3}, {0}).size()), loadp_request({3}, {0}));
  std::vector<int> first(12), second(8);
  for (int k = 0; k < 12; k++) first[k] = k + 1;
  for (int k = 0; k < 8; k++) second[k] = 13 + k;
  s.peer.send(loadp_counts({0}, {0}, {2}, {5}, {20}, {0}) + floats({0, 1}) + floats({0, 0}) +
              floats({0, 0}));
  s.peer.send(i32(1) + ints({0, 4, 8}) + ints(first) + i32(1) + ints({12, 16}) + ints(second) +
              i32(0));
  ASSERT_TRUE(call.finished_within(5000));
  Part_rec *p = part_by_number(3);
  EXPECT_EQ(p->element_count, 5);
  EXPECT_EQ(std::vector<int>(p->elem_offsets, p->elem_offsets + 6),
            (std::vector<int>{0, 4, 8, 12, 16, 20}));
  ASSERT_EQ(p->cap[PA_CONNECT], 20);
  for (int k = 0; k < 20; k++) EXPECT_EQ(p->connectivity[k], k + 1);
  EXPECT_EQ(p->structured, 0);
}

TEST_F(GeometryTransfer, NotLoadedPartsAreLeftOut) {
  CaseLink &s = connect_case(0);
  model_part(1, "kept");
  model_part(2, "skipped");
  part_by_number(2)->attributes[SLOT_ELT_REP] = 4.0f;
  ClientCall call(this, [] {
    int both[2] = {1, 2};
    load_many_parts(both, 2);
  });
  ASSERT_EQ(s.peer.recv(loadp_request({1}, {0}).size()), loadp_request({1}, {0}));
  s.peer.send(loadp_counts({1}, {0}, {0}, {0}, {0}, {0}));
  ASSERT_TRUE(call.finished_within(5000));

  part_by_number(1)->attributes[SLOT_ELT_REP] = 4.0f;
  int both[2] = {1, 2};
  load_many_parts(both, 2);
  EXPECT_TRUE(s.peer.quiet(200));  // nothing left to ask: nothing sent
  EXPECT_EQ(Online[1], 1);
}

// Two servers: "minm_many" goes to both before either answers; "loadp_many"
// asks the second only once the first has answered, and sends it the parts'
// own representations whatever the first returned.
TEST_F(GeometryTransfer, TwoCasesPipelineExtentsAndLoadOneAfterTheOther) {
  CaseLink &s0 = connect_case(0);
  CaseLink &s1 = connect_case(1);
  model_part(1, "a", 0);
  model_part(2, "b", 1);
  part_by_number(2)->attributes[SLOT_ELT_REP] = 2.0f;
  part_by_number(2)->node_count = 7;
  {
    ClientCall call(this, [] {
      int both[2] = {1, 2};
      many_parts_minmax(2, both);
    });
    Bytes request = str("minm_many") + i32(2) + ints({1, 2});
    ASSERT_EQ(s0.peer.recv(request.size(), 3000), request);
    ASSERT_EQ(s1.peer.recv(request.size(), 3000), request);  // before any answer
    s1.peer.send(minm_many_reply({1, 0}, {0, 5}, {{0, 0}, {0, 1}, {0, 0}, {0, 1}, {0, 0}, {0, 1}}));
    s0.peer.send(minm_many_reply({0, 1}, {4, 0}, {{0, 0}, {2, 0}, {0, 0}, {2, 0}, {0, 0}, {2, 0}}));
    ASSERT_TRUE(call.finished_within(5000));
    EXPECT_EQ(part_by_number(1)->node_count, 4);
    EXPECT_EQ(part_by_number(1)->xmax, 2.0f);
    EXPECT_EQ(part_by_number(2)->node_count, 5);
  }
  ClientCall call(this, [] {
    int both[2] = {1, 2};
    load_many_parts(both, 2);
  });
  Bytes request = loadp_request({1, 2}, {0, 2});
  ASSERT_EQ(s0.peer.recv(request.size()), request);
  EXPECT_TRUE(s1.peer.quiet(300));  // the second server waits for the first's reply
  s0.peer.send(loadp_counts({0, 3}, {3, 3}, {1, 0}, {0, 0}, {0, 0}, {0, 0}) + floats({1}) +
               floats({1}) + floats({1}) + i32(0));
  ASSERT_EQ(s1.peer.recv(request.size()), request);
  EXPECT_EQ(part_by_number(2)->node_count, 5);  // case 0's refusal leaves case 1's part alone
  s1.peer.send(loadp_counts({2, 0}, {0, 2}, {0, 1}, {0, 0}, {0, 0}, {0, 0}) + floats({9}) +
               floats({9}) + floats({9}) + i32(0));
  ASSERT_TRUE(call.finished_within(5000));
  EXPECT_EQ(part_by_number(1)->node_count, 1);
  EXPECT_EQ(part_by_number(1)->coords[1][0], 1.0f);
  EXPECT_EQ(part_by_number(2)->node_count, 1);
  EXPECT_EQ(part_by_number(2)->coords[1][2], 9.0f);
}

TEST_F(GeometryTransfer, DisplacementVariablesTravelAsEachServersOwnId) {
  CaseLink &s0 = connect_case(0);
  CaseLink &s1 = connect_case(1);
  Variable_rec vars[1] = {};
  strcpy(vars[0].name, "disp");
  vars[0].type = 1;
  vars[0].id = 3;
  for (int &id : vars[0].server_id) id = -1;
  vars[0].server_id[0] = 11;
  vars[0].server_id[1] = 12;
  Variables = vars;
  Var_avail_cnt = 1;
  model_part(1, "moved");
  model_part(2, "still");
  part_by_number(1)->attributes[SLOT_DISPLACE_BY] = 3;
  ClientCall call(this, [] {
    int both[2] = {1, 2};
    load_many_parts(both, 2);
  });
  for (auto *s : {&s0, &s1}) {
    int id = s == &s0 ? 11 : 12;
    Bytes request = str("loadp_many") + i32(2) + ints({1, 2}) + ints({0, 0}) + ints({id, -1}) +
                    floats({1, 1}) + floats({10, 10});
    EXPECT_EQ(s->peer.recv(request.size()), request);
    s->peer.send(loadp_counts({1, 1}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}));
  }
  EXPECT_TRUE(call.finished_within(5000));
  Variables = nullptr;
  Var_avail_cnt = 0;
}

// Replies that break the rules: each is refused or cut the sound way, the
// client never waits for ever, and the stream either stays in step (the
// following exchange works) or the case's link is closed as broken.
TEST_F(GeometryTransfer, BadRepliesAreRefusedWithoutHangingOrWritingPastArrays) {
  struct Row {
    const char *what;
    bool discovery;
    Bytes reply;        // part info entries, or the loadp_many reply after its counts
    int online_after;   // 1 in step, 0 link closed as broken
    const char *name3;  // discovery: the name part 3 gets
  };
  std::string sixty(60, 'n');
  std::vector<Row> rows = {
      {"part number 0", true, i32(2) + i32(0) + str("Zero") + i32(3) + str("Three"), 1, "Three"},
      {"part number 5000", true, i32(2) + i32(5000) + str("Big") + i32(3) + str("Three"), 1, "Three"},
      {"duplicate number", true, i32(2) + i32(3) + str("A") + i32(3) + str("B"), 1, "A"},
      {"60-character name", true, i32(1) + i32(3) + str(sixty), 1,
       "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn"},
      {"coordinates longer than announced", false,
       floats({1, 2, 3, 4, 5, 6}) + floats({0, 0, 0, 0}) + floats({0, 0, 0, 0}), 0, nullptr},
      {"empty coordinate array", false, floats({}), 0, nullptr},
      {"connectivity block past L", false,
       floats({1, 2, 3, 4}) + floats({0, 0, 0, 0}) + floats({0, 0, 0, 0}) + i32(1) + ints({0}) +
           ints({1, 2, 3, 4, 1}),
       0, nullptr},
      {"element start past L", false,
       floats({1, 2, 3, 4}) + floats({0, 0, 0, 0}) + floats({0, 0, 0, 0}) + i32(1) + ints({9}) +
           ints({1, 2, 3, 4}),
       0, nullptr},
      {"minm_many array shorter than n", true, i32(1) + i32(3) + str("Three"), 0, "Three"},
  };
  for (const Row &row : rows) {
    SCOPED_TRACE(row.what);
    TearDown();
    SetUp();
    CaseLink &s = connect_case(0);
    if (row.discovery) {
      bool short_minm = std::string(row.what).rfind("minm_many", 0) == 0;
      ClientCall call(this, [] { create_all_parts(); });
      ASSERT_EQ(s.peer.recv(13), str("part info"));
      s.peer.send(row.reply);
      Bytes request = str("minm_many") + i32(1) + ints({3});
      ASSERT_EQ(s.peer.recv(request.size()), request);
      if (short_minm)
        s.peer.send(ints({}) + ints({}));
      else
        s.peer.send(minm_many_reply({0}, {8}, {{0}, {1}, {0}, {1}, {0}, {1}}));
      ASSERT_TRUE(call.finished_within(5000));
      ASSERT_EQ(Num_p_loaded, 1);
      EXPECT_STREQ(part_by_number(3)->name, row.name3);
      EXPECT_EQ(part_by_number(3)->node_count, short_minm ? 0 : 8);
    } else {
      model_part(3, "bad");
      ClientCall call(this, [] { load_part(3); });
      ASSERT_EQ(s.peer.recv(loadp_request({3}, {0}).size()), loadp_request({3}, {0}));
      s.peer.send(loadp_counts({0}, {0}, {4}, {1}, {4}, {0}) + row.reply);
      ASSERT_TRUE(call.finished_within(5000));  // no wait for data that never comes
      EXPECT_EQ(part_by_number(3)->node_count, 0);
      EXPECT_EQ(part_by_number(3)->element_count, 0);
    }
    EXPECT_EQ(Online[1], row.online_after);
  }
}
