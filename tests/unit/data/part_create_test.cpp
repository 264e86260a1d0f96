// Part creation requests against a scripted case server: the bytes the
// builders' lines send, the records made from the replies, and replies
// that do not fit what was asked.
#include <gtest/gtest.h>

#include "client/command_dlog.h"
#include "data/part_create.h"
#include "data/partbuild.h"
#include "data/data_cmdproc.h"
#include "data/readcmds.h"
#include "data/vctbld.h"
#include "data_fixture.h"

using namespace qtest;

namespace {

int Results_from = -1;  // where the last newpart_results began, -1 none
int results_exist() { return 1; }
void newpart_results(int from) { Results_from = from; }

Bytes no_parts_map() { return str("use part numbers") + ints(std::vector<int>(5000, -1)); }

// The client fetching the extents and geometry of one new part the server
// does not hold: the record stays, empty.
std::vector<CaseStep> load_steps(int number) {
  return {{str("minm") + i32(number), i32(1)},
          {str("loadp_many") + i32(1) + ints({number}) + ints({0}) + ints({-1}) +
               floats({1.0f}) + floats({10.0f}),
           ints({1}) + ints({0}) + ints({0}) + ints({0}) + ints({0}) + ints({0})}};
}

}  // namespace

class PartCreate : public ReadingTest {
 protected:
  void SetUp() override {
    ReadingTest::SetUp();
    partbld_vals_reset();
    cmd_select_reset();
    Data_format[0] = DATA_FORMAT_CASEFILE;
    Gexist[0] = 1;
    Results_from = -1;
    Data_active_results_exist = results_exist;
    Data_newpart_results = newpart_results;
  }
  void TearDown() override {
    Data_active_results_exist = nullptr;
    Data_newpart_results = nullptr;
    Gexist[0] = 0;
    partbld_vals_reset();
    datavctbld_release();
    Dvctallocneeded = 1;
    free(Data_readcmds[0]);
    Data_readcmds[0] = nullptr;
    Data_readcmds_len[0] = 0;
    ReadingTest::TearDown();
  }
  void run(const std::vector<std::string> &lines) { run_partbuild_lines(lines); }
  void next_request_works(CaseLink &s) {
    ScriptedCase server(&s.peer, {userd_reader_step()});
    char name[USERD_NAME_LEN];
    int two = 0;
    EXPECT_EQ(get_userd_reader_name(name, &two), 0);
    EXPECT_EQ(server.finish(), "");
  }
};

TEST_F(PartCreate, OneStructuredRecordByLines) {
  CaseLink &s = connect_case(0);
  offer_records({0, 1, 0, 2});
  int range[9] = {1, 10, 1, 1, 4, 1, 1, 3, 2};
  std::vector<int> r(range, range + 9);
  ScriptedCase server(
      &s.peer,
      std::vector<CaseStep>{
          {no_parts_map()},
          {str("create quivane parts") + i32(1) + i32(2) + ints({4}) + ints(r) + i32(1),
           i32(1) + ints({1}) + ints({4}) + i32(0)}} +
          load_steps(1) + std::vector<CaseStep>{{str("stop quivane parts")}});
  run({"begin", "data_type structured", "select_begin", "2", "select_end", "noderange_i 1 10",
       "noderange_j 1 4", "noderange_k 1 3", "nodestep 1 1 2", "domain inside", "create", "end"});
  EXPECT_EQ(server.finish(), "");
  ASSERT_EQ(Num_p_loaded, 1);
  EXPECT_STREQ(parts[0]->name, "block 4, (IN), Mins/Maxs=(I:1/10,J:1/4,K:1/3)");
  EXPECT_EQ(parts[0]->structured, 1);
  float want[12] = {1, 10, 1, 1, 4, 1, 1, 3, 2, 10, 7, 4};
  for (int k = 0; k < 12; k++) EXPECT_EQ(parts[0]->attributes[63 + k], want[k]) << 63 + k;
  // The refresh after each line left the build's start alone, so the
  // closing marker gives the new part its results.
  EXPECT_EQ(Results_from, 0);
}

TEST_F(PartCreate, SelectAllSendsWholeBlocksWithTheSteps) {
  CaseLink &s = connect_case(0);
  offer_records({0, 1, 0, 2});
  ScriptedCase server(
      &s.peer,
      {{no_parts_map()},
       {str("create quivane parts") + i32(2) + i32(1) + ints({2, 4}) +
            ints({1, 10, 1, 1, 7, 2, 1, 4, 3}) + i32(2) + ints({1, 10, 1, 1, 7, 2, 1, 4, 3}) +
            i32(2),
        i32(0) + i32(3)}});
  run({"data_type structured", "select_all", "nodestep 1 2 3", "domain all"});
  std::string err;
  testing::internal::CaptureStderr();
  EXPECT_EQ(cmd_process("data_partbuild: create"), -1);  // the server's 3 fails the line
  err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(server.finish(), "");
  EXPECT_EQ(err, "ERROR: Error reading Quivane file.\n");
  EXPECT_EQ(Num_p_loaded, 0);
  EXPECT_EQ(Command_proc_err, 1);
}

TEST_F(PartCreate, TooManyPartsStopsAfterTheMap) {
  CaseLink &s = connect_case(0);
  offer_records({0, 0});
  for (int k = 0; k < 4999; k++) model_part(k + 1, ("p" + std::to_string(k)).c_str());
  std::vector<int> map(5000, -1);
  for (int k = 1; k < 5000; k++) map[k] = k - 1;
  ScriptedCase server(&s.peer, {{str("use part numbers") + ints(map)}});
  int ids[1] = {1}, range[9] = {}, made[1] = {0};
  EXPECT_EQ(read_quivane_parts(1, ids, "", range, 0, made), 5);
  EXPECT_EQ(server.finish(), "");
  next_request_works(s);
}

TEST_F(PartCreate, RepliesThatDoNotFitMakeNoRecord) {
  CaseLink &s = connect_case(0);
  offer_records({0, 0, 0});
  model_part(1, "taken");
  std::vector<int> map(5000, -1);
  map[1] = 0;
  Bytes request = str("use part numbers") + ints(map) + str("create quivane parts") + i32(1) +
                  i32(0) + ints({2});
  struct {
    const char *what;
    Bytes reply;
  } rows[] = {
      {"more parts than asked", i32(2) + ints({2, 3}) + ints({2, 2}) + i32(0)},
      {"a count no table holds", i32(1 << 30) + ints({2, 3}) + ints({2, 2}) + i32(0)},
      {"arrays shorter than m", i32(1) + ints({}) + ints({2}) + i32(0)},
      {"number beyond 4999", i32(1) + ints({5000}) + ints({2}) + i32(0)},
      {"number in use", i32(1) + ints({1}) + ints({2}) + i32(0)},
      {"source not asked for", i32(1) + ints({2}) + ints({3}) + i32(0)},
  };
  for (auto &r : rows) {
    SCOPED_TRACE(r.what);
    ScriptedCase server(&s.peer, {{request, r.reply}});
    int ids[1] = {2}, range[9] = {}, made[2] = {0, 0};
    EXPECT_EQ(read_quivane_parts(1, ids, "", range, 0, made), 5);
    EXPECT_EQ(server.finish(), "");
    EXPECT_EQ(Num_p_loaded, 1);
    next_request_works(s);
  }
  // Refused before anything is sent: an id the map does not hold, a zone
  // the grid does not have.
  int ids[1] = {9}, range[9] = {}, made[1] = {0};
  EXPECT_EQ(read_quivane_parts(1, ids, "", range, 0, made), 5);
  int zones[1] = {1};
  EXPECT_EQ(read_plot3d_part(range, 1, "", 1, zones, made), -1);
  next_request_works(s);
}

TEST_F(PartCreate, Plot3dRangesAndNames) {
  CaseLink &s = connect_case(0);
  Plot3d_max_zones[0] = 3;
  int mx[3] = {5, 4, 6}, my[3] = {4, 4, 3}, mz[3] = {3, 4, 2};
  Plot3d_max_x[0] = (int *)malloc(sizeof mx);
  Plot3d_max_y[0] = (int *)malloc(sizeof my);
  Plot3d_max_z[0] = (int *)malloc(sizeof mz);
  Plot3d_d_flag[0] = (int *)calloc(3, sizeof(int));
  memcpy(Plot3d_max_x[0], mx, sizeof mx);
  memcpy(Plot3d_max_y[0], my, sizeof my);
  memcpy(Plot3d_max_z[0], mz, sizeof mz);
  int range[9] = {2, 3, 1, 1, 2, 2, 1, 1, 3};
  std::vector<CaseStep> steps = {{no_parts_map()}};
  for (int z = 1; z <= 3; z++) {
    std::vector<int> r = {1, mx[z - 1], 1, 1, my[z - 1], 2, 1, mz[z - 1], 3};
    steps.push_back({str("create plot3d part") + i32(z) + ints(r) + i32(1), i32(0)});
    steps.push_back({ints({z}) + i32(1), i32(0)});
  }
  steps.push_back({str("minm_many") + i32(3) + ints({1, 2, 3}),
                   ints({1, 1, 1}) + ints({0, 0, 0}) + floats({0, 0, 0}) + floats({0, 0, 0}) +
                       floats({0, 0, 0}) + floats({0, 0, 0}) + floats({0, 0, 0}) +
                       floats({0, 0, 0})});
  steps.push_back({str("loadp_many") + i32(3) + ints({1, 2, 3}) + ints({0, 0, 0}) +
                       ints({-1, -1, -1}) + floats({1, 1, 1}) + floats({10, 10, 10}),
                   ints({1, 1, 1}) + ints({0, 0, 0}) + ints({0, 0, 0}) + ints({0, 0, 0}) +
                       ints({0, 0, 0}) + ints({0, 0, 0})});
  ScriptedCase server(&s.peer, steps);
  int zones[3] = {1, 2, 3}, made[3] = {0, 0, 0};
  testing::internal::CaptureStdout();
  EXPECT_EQ(read_plot3d_part(range, 1, "", 3, zones, made), 0);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(server.finish(), "");
  ASSERT_EQ(Num_p_loaded, 3);
  // Without iblanking the zone text keeps its blank before the comma.
  EXPECT_STREQ(parts[1]->name, "zone 2 , Mins/Maxs=(I:1/4,J:1/4,K:1/4)");
  EXPECT_EQ(std::vector<int>(made, made + 3), std::vector<int>({1, 2, 3}));

  // One zone: the builder's own range.
  std::vector<int> map(5000, -1);
  for (int k = 1; k <= 3; k++) map[k] = k - 1;
  ScriptedCase one(&s.peer,
                   std::vector<CaseStep>{
                       {str("use part numbers") + ints(map)},
                       {str("create plot3d part") + i32(4) +
                            ints(std::vector<int>(range, range + 9)) + i32(1),
                        i32(0)},
                       {ints({2}) + i32(0), i32(0)}} +
                       load_steps(4));
  testing::internal::CaptureStdout();
  EXPECT_EQ(read_plot3d_part(range, 0, "", 1, zones + 1, made), 0);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(one.finish(), "");
  EXPECT_STREQ(parts[3]->name, "zone 2 , Mins/Maxs=(I:2/3,J:1/2,K:1/1)");
}

TEST_F(PartCreate, PendingVectorsAreSentAndRecorded) {
  CaseLink &s = connect_case(0);
  Data_format[0] = 4;
  Bytes listed = str("orig avail scalars");
  Bytes names = i32(3) + str("P") + str("u") + str("V") + i32(0);
  ScriptedCase server(&s.peer, {{listed, names},
                                {str("combine to vector") + ints({1, 2, -1}) + str("Vector_0"),
                                 i32(0)},
                                {str("finish vector combine")}});
  run({"estetvector_x U", "estetvector_y V", "estetbuildvector"});
  EXPECT_EQ(datavctbld_proccmds(), 1);
  EXPECT_EQ(server.finish(), "");
  ASSERT_NE(Data_readcmds[0], nullptr);
  EXPECT_STREQ(Data_readcmds[0],
               "# data_partbuild: estetvectordesc Vector_0\n"
               "# data_partbuild: estetvector_x u\n"
               "# data_partbuild: estetvector_y V\n"
               "# data_partbuild: estetbuildvector");
  EXPECT_EQ(Dnewest_vct[0].components[2], -1);

  datavctbld_release();
  run({"estetvectordesc W", "estetvector_z w", "estetbuildvector"});
  ScriptedCase again(&s.peer, {{listed, names}});
  testing::internal::CaptureStderr();
  EXPECT_EQ(datavctbld_proccmds(), -1);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(again.finish(), "");
  EXPECT_NE(err.find("data_partbuild: Could not find component for vector build."),
            std::string::npos)
      << err;
}

TEST_F(PartCreate, UserDefinedPartsTakeTheirRecordsNames) {
  CaseLink &s = connect_case(0);
  offer_records({0, 1, 0});
  ScriptedCase server(
      &s.peer,
      std::vector<CaseStep>{
          {no_parts_map()},
          {str("create userd parts") + i32(1) + i32(0) + ints({3}), i32(1) + ints({1}) + i32(0)}} +
          load_steps(1) + std::vector<CaseStep>{{str("stop userd parts")}});
  Data_format[0] = 11;
  run({"begin", "select_begin", "2", "select_end", "create", "end"});
  EXPECT_EQ(server.finish(), "");
  ASSERT_EQ(Num_p_loaded, 1);
  EXPECT_STREQ(parts[0]->name, "block 3");
  EXPECT_EQ(parts[0]->structured, 0);
  EXPECT_EQ(Results_from, 0);
}
