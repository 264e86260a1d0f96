// The part-build table and the reader queries against a scripted case
// server, and replies that overrun the client's tables: the head that fits
// is kept and the next request on the channel still works.
#include <gtest/gtest.h>

#include <unistd.h>

#include "client/cmd_tables.h"
#include "data_fixture.h"
#include "parts/delete_case_client.h"

using namespace qtest;

class PartBuildTable : public ReadingTest {
 protected:
  // Checks that the channel is still in step: a reader query succeeds.
  void next_request_works(CaseLink &s) {
    ScriptedCase server(&s.peer, {userd_reader_step()});
    char name[USERD_NAME_LEN];
    int two = -1;
    EXPECT_EQ(get_userd_reader_name(name, &two), 0);
    EXPECT_EQ(server.finish(), "");
    EXPECT_STREQ(name, "Custom VTK");
  }
  // Runs a "refresh pbuild" whose reply is given.
  void refresh(CaseLink &s, const Bytes &reply) {
    Geom_change[0] = 2;
    ScriptedCase server(&s.peer, {{str("refresh pbuild"), reply}});
    get_fresh_pbuild_info();
    EXPECT_EQ(server.finish(), "");
  }
};

TEST_F(PartBuildTable, ReaderNamesAreCutTo19AndNoReadersKeepTheCount) {
  CaseLink &s = connect_case(0);
  std::string long_name(25, 'r');
  long_name[5] = 'X';
  ScriptedCase server(&s.peer, {{str("get userd reader"),
                                 i32(1) + i32(2) + str("Short") + i32(1) + str(long_name) + i32(0)},
                                {str("get userd reader"), i32(0)}});
  char name[USERD_NAME_LEN];
  int two = -1;
  EXPECT_EQ(get_userd_reader_name(name, &two), 0);
  EXPECT_EQ(std::string(name), long_name.substr(0, 19));
  EXPECT_EQ(two, 0);
  ASSERT_EQ(Userdef_readercnt[0], 2);
  EXPECT_STREQ(Userdef_readers[0][0], "Short");
  EXPECT_EQ(Userdef_readertwofields[0][0], 1);
  EXPECT_EQ(get_userd_reader_name(name, &two), 0);
  EXPECT_STREQ(name, "No_Custom");
  EXPECT_EQ(two, 0);
  EXPECT_EQ(Userdef_readercnt[0], 2);
  EXPECT_EQ(server.finish(), "");
}

TEST_F(PartBuildTable, AtMostTwentyReadersAreKept) {
  CaseLink &s = connect_case(0);
  Bytes reply = i32(1) + i32(25);
  for (int k = 0; k < 25; k++) reply = reply + str("reader" + std::to_string(k)) + i32(k % 2);
  ScriptedCase server(&s.peer, {{str("get userd reader"), reply}});
  char name[USERD_NAME_LEN];
  int two = 0;
  EXPECT_EQ(get_userd_reader_name(name, &two), 0);
  EXPECT_EQ(server.finish(), "");
  ASSERT_EQ(Userdef_readercnt[0], 20);
  EXPECT_STREQ(Userdef_readers[0][19], "reader19");
  next_request_works(s);
}

TEST_F(PartBuildTable, Plot3dTestFailingMidReplyKeepsTheDefaults) {
  CaseLink &s = connect_case(0);
  CaseStep step(str("plot3d_test") + str("grid.xyz") + str("/data"), i32(4) + i32(1) + i32(1));
  step.close_after = true;
  ScriptedCase server(&s.peer, {step});
  Plot3d_read_settings_rec got = {9, 9, 9, 9};
  EXPECT_EQ(plot3d_test("grid.xyz", "/data", &got), -1);
  EXPECT_EQ(server.finish(), "");
  EXPECT_EQ(got.iblanked, 0);
  EXPECT_EQ(got.multizone, 0);
  EXPECT_EQ(got.read_as, 1);
  EXPECT_EQ(got.dimension, 2);
}

TEST_F(PartBuildTable, SharedIblankOptions) {
  struct {
    int format;
    std::vector<int> options;
    std::vector<int> ids;
    int expect;
  } cases[] = {
      {10, {1, 2, 2}, {0, 1, 2}, 1}, {10, {0, 1}, {0, 1}, 3}, {10, {2, 2}, {0, 1}, 2},
      {10, {0, 2}, {0, 1}, 0},       {1, {1, 2, 2}, {1, 2, 3}, 1}, {1, {0, 2}, {1, 2}, 0},
      {10, {2, 2}, {0, 2}, 3},  // position 2 is past the records
      {1, {2, 2}, {1, 3}, 3},   // zone 3 does not exist
      {1, {2, 2}, {0}, 3},      // nor zone 0
      {10, {1}, {}, 2},
  };
  for (auto &c : cases) {
    SCOPED_TRACE(testing::Message() << c.format << " " << c.expect);
    pbuild_release(0);
    data_read_release(0);
    Data_format[0] = c.format;
    int n = (int)c.options.size();
    if (c.format == 1) {
      Plot3d_d_flag[0] = static_cast<int *>(calloc(n, sizeof(int)));
      for (int k = 0; k < n; k++) Plot3d_d_flag[0][k] = c.options[k];
      Plot3d_max_zones[0] = n;
    } else {
      Pbuild[0] = static_cast<Pbuild_rec *>(calloc(n, sizeof(Pbuild_rec)));
      for (int k = 0; k < n; k++) Pbuild[0][k].iblank_option = c.options[k];
      Tot_num_quivane_parts[0] = n;
    }
    EXPECT_EQ(shared_iblank_options((int)c.ids.size(), c.ids.data()), c.expect);
  }
  Data_format[0] = 10;
}

TEST_F(PartBuildTable, RefreshWithNoPartsKeepsTheTable) {
  CaseLink &s = connect_case(0);
  refresh(s, i32(1) + i32(0) + i32(2) + ints({0, 1}) + i32(1) + str("wing") + i32(0) + ints({}) + i32(1));
  ASSERT_NE(Pbuild[0], nullptr);
  Pbuild_rec *kept = Pbuild[0];
  refresh(s, i32(0) + i32(0));
  EXPECT_EQ(Pbuild[0], kept);
  EXPECT_STREQ(Pbuild[0][0].description, "wing");
  EXPECT_EQ(Num_extpn_to_filepn[0], 2);
  Geom_change[0] = 0;
  get_fresh_pbuild_info();  // asks nothing unless the table changes with time
  EXPECT_TRUE(s.peer.quiet(50));
}

TEST_F(PartBuildTable, DeletingTheCaseReleasesItsTable) {
  CaseLink &s = connect_case(0);
  refresh(s, i32(1) + i32(0) + i32(2) + ints({0, 1}) + i32(1) + str("wing") + i32(0) + ints({}) + i32(1));
  ASSERT_NE(Pbuild[0], nullptr);
  int keep_cnt = Case_cnt;
  EXPECT_EQ(delete_case_client(0), 1);
  Case_cnt = keep_cnt;
  EXPECT_EQ(Pbuild[0], nullptr);
  EXPECT_EQ(Extpn_to_filepn[0], nullptr);
  EXPECT_EQ(Tot_num_quivane_parts[0], 0);
}

TEST_F(PartBuildTable, OverlongValuesKeepTheirHeadAndTheLinkStaysInStep) {
  CaseLink &s = connect_case(0);
  std::string desc(81, 'd');
  desc[0] = 'H';
  std::vector<int> dims(20);
  for (int k = 0; k < 20; k++) dims[k] = k + 1;
  // map: 5 entries announced, 3 sent; entry 2 points past the records
  refresh(s, i32(2) + i32(0) + i32(5) + ints({0, 2, 9}) + i32(1) + str(desc) + i32(1) + ints(dims) +
                 i32(2) + i32(2) + str("b") + i32(0) + ints({}) + i32(0));
  ASSERT_NE(Pbuild[0], nullptr);
  EXPECT_EQ(std::string(Pbuild[0][0].description), desc.substr(0, 79));
  EXPECT_EQ(Pbuild[0][0].dims[14], 15);
  EXPECT_EQ(Pbuild[0][0].iblank_option, 2);
  EXPECT_STREQ(Pbuild[0][1].description, "b");
  EXPECT_EQ(pbuild_record_of(0, 1), 1);
  EXPECT_EQ(pbuild_record_of(0, 2), -1);  // pointed past the records
  EXPECT_EQ(pbuild_record_of(0, 3), -1);  // never sent
  EXPECT_EQ(pbuild_record_of(0, 5), -1);  // outside the map
  next_request_works(s);
}

TEST_F(PartBuildTable, BoundaryNamesAreBoundedTo16) {
  CaseLink &s = connect_case(0);
  ScriptedCase server(&s.peer, {{str("get bnd list"), i32(2) + str("inlet") + str(std::string(30, 'w'))},
                                {str("get bnd list"), i32(0)}});
  int count = 0;
  char **names = nullptr;
  EXPECT_EQ(get_bnd_list(&count, &names), 1);
  ASSERT_EQ(count, 2);
  EXPECT_STREQ(names[0], "inlet");
  EXPECT_EQ(std::string(names[1]), std::string(16, 'w'));
  free_bnd_list(names);
  EXPECT_EQ(get_bnd_list(&count, &names), 1);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(names, nullptr);
  EXPECT_EQ(server.finish(), "");
  next_request_works(s);
}

TEST_F(PartBuildTable, WhichCaseForPart) {
  model_part(7, "engine", 3);
  EXPECT_EQ(which_case_for_part(7), 3);
  for (int n : {8, 0, -1, 5000, 100000}) EXPECT_EQ(which_case_for_part(n), -1) << n;
}

TEST_F(PartBuildTable, PainfullReadGoesToEveryActiveCase) {
  CaseLink &a = connect_case(0);
  CaseLink &b = connect_case(2);
  EXPECT_EQ(send_painfull_read(1), 0);
  EXPECT_EQ(a.peer.recv(20), str("painfull n3s") + i32(1));
  EXPECT_EQ(b.peer.recv(20), str("painfull n3s") + i32(1));
}

TEST_F(PartBuildTable, PainfullReadLineAsksTheModeOnTheTerminal) {
  CaseLink &a = connect_case(1);
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  ASSERT_EQ(write(fds[1], "0\n", 2), 2);
  close(fds[1]);
  int keep_stdin = dup(0);
  dup2(fds[0], 0);
  close(fds[0]);
  testing::internal::CaptureStdout();
  int acted = placom("test:painfull_read");
  std::string out = testing::internal::GetCapturedStdout();
  dup2(keep_stdin, 0);
  close(keep_stdin);
  clearerr(stdin);
  EXPECT_EQ(acted, 1);
  EXPECT_EQ(out, "Enter 1 for slow read with comments allowed, 0 for fast read): ");
  EXPECT_EQ(a.peer.recv(20), str("painfull n3s") + i32(0));
}

TEST_F(PartBuildTable, Plot3dSettingsStartAtTheirDefaults) {
  for (auto &f : Data_plot3d_rflags) f[2] = 7;
  data_plot3d_read_init();
  for (auto &f : Data_plot3d_rflags) EXPECT_EQ(std::vector<int>(f, f + 4), (std::vector<int>{0, 0, 1, 2}));
}
