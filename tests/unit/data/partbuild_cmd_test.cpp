// The "data_partbuild:" lines: pending values per builder, their refusals,
// the recorded data commands of a case, and the vector builder's records.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "client/cmd_play.h"
#include "client/command_dlog.h"
#include "data/partbuild.h"
#include "data/readcmds.h"
#include "data/vctbld.h"
#include "data_fixture.h"

using namespace qtest;


class PartbuildLines : public ReadingTest {
 protected:
  void SetUp() override {
    ReadingTest::SetUp();
    partbld_vals_reset();
    cmd_select_reset();
    saved_format_ = Cmd_file_format;
  }
  void TearDown() override {
    partbld_vals_reset();
    datavctbld_release();
    Dvctallocneeded = 1;
    Data_format[0] = DATA_FORMAT_CASEFILE;
    Cmd_file_format = saved_format_;
    ReadingTest::TearDown();
  }
  // Runs one line under a format; its result and what went to stderr.
  int line(int format, const std::string &text, std::string *err = nullptr) {
    Data_format[0] = format;
    Command_proc_err = 0;
    testing::internal::CaptureStderr();
    int r = cmd_process(text.c_str());
    std::string e = testing::internal::GetCapturedStderr();
    if (err) *err = e;
    return r;
  }
  struct Generic {
    int type = 0, nsel = 0, ijk[9] = {}, domain = 0;
    std::vector<int> sel;
    char desc[PBLD_DESC_LEN] = "";
  };
  Generic generic() {
    Generic g;
    int *list = nullptr;
    generic_partbld_vals(nullptr, &g.type, &g.nsel, &list, g.desc, g.ijk, &g.domain, 0);
    if (list) g.sel.assign(list, list + g.nsel);
    free(list);
    return g;
  }
  int saved_format_ = 0;
};

TEST_F(PartbuildLines, KeywordsSetTheBuilderOfTheCurrentFormat) {
  const std::string cat = "data_partbuild: ";
  EXPECT_GE(line(10, cat + "domain boundary"), 0);
  EXPECT_EQ(generic().domain, 4);
  EXPECT_GE(line(10, cat + "noderange_i 1.9 10.7"), 0);
  EXPECT_EQ(generic().ijk[0], 1);
  EXPECT_EQ(generic().ijk[1], 10);
  EXPECT_GE(line(10, cat + "nodestep 1 2 3"), 0);
  EXPECT_EQ(generic().ijk[5], 2);
  EXPECT_EQ(generic().ijk[8], 3);

  // Under PLOT3D the ESTET-prefixed range sets the PLOT3D record.
  EXPECT_GE(line(1, cat + "estetnoderange_i 2 7"), 0);
  int ijk[9] = {}, domain = 0, n = 0;
  int *sel = nullptr;
  char desc[PBLD_DESC_LEN];
  plot3d_partbld_vals(ijk, &domain, desc, &n, &sel, 0);
  EXPECT_EQ(ijk[0], 2);
  EXPECT_EQ(ijk[1], 7);
  EXPECT_EQ(generic().ijk[0], 1);

  std::string err;
  EXPECT_GE(line(10, cat + "description " + std::string(60, 'd'), &err), 0);
  EXPECT_EQ(std::string(generic().desc), std::string(49, 'd'));
  EXPECT_NE(err.find("Part description too long, truncating."), std::string::npos);
}

TEST_F(PartbuildLines, RefusalsKeepThePendingValues) {
  const std::string cat = "data_partbuild: ";
  struct {
    int format;
    std::string text;
    const char *message;
  } rows[] = {
      {4, "estetdomain symmetry", "old 'symmetry' part building command are not compatible."},
      {1, "plot3ddomain between_zones", "'internal_boundary' and 'between_zones'"},
      {10, "domain sideways", "data_partbuild: Bad Domain."},
      {10, "data_type blocks", "data_partbuild: Bad Part Type (Structure/Unstru...)."},
      {3, "n3scode friction condition", "data_partbuild: N3S boundary code not found."},
      {3, "n3scode 6", "data_partbuild: N3S boundary code not found."},
      {10, "iblank_type", "data_partbuild: Bad iblank type."},
      {10, "frobnicate", "data_partbuild: Bad command for this category."},
      {10, "select_all", "data_partbuild: select_all - No parts available for selection."},
  };
  for (auto &r : rows) {
    SCOPED_TRACE(r.text);
    std::string err;
    EXPECT_EQ(line(r.format, cat + r.text, &err), -1);
    EXPECT_EQ(Command_proc_err, 1);
    EXPECT_NE(err.find(r.message), std::string::npos) << err;
  }
  int ijk[9], domain = -7, n = 0;
  int *sel = nullptr;
  char desc[PBLD_DESC_LEN];
  estet_partbld_vals(ijk, &domain, desc, &n, &sel, 0);
  EXPECT_EQ(domain, 0);
  EXPECT_EQ(generic().domain, 0);
  EXPECT_EQ(generic().type, 0);
}

TEST_F(PartbuildLines, N3sCodesByNameOrNumber) {
  const std::string cat = "data_partbuild: ";
  EXPECT_GE(line(3, cat + "n3scode Friction Condition"), 0);
  EXPECT_GE(line(3, cat + "n3scode 4"), 0);  // the second "Friction Condition"
  EXPECT_GE(line(3, cat + "n3scode Free Node"), 0);
  int selector = 0, n = 0;
  int *codes = nullptr;
  char desc[PBLD_DESC_LEN];
  n3s_partbld_vals(&selector, &n, &codes, desc, 0);
  ASSERT_EQ(n, 3);
  EXPECT_EQ(std::vector<int>(codes, codes + 3), std::vector<int>({3, 4, 0}));
  free(codes);
  EXPECT_GE(line(3, cat + "n3sall_elements"), 0);
  codes = nullptr;
  n3s_partbld_vals(&selector, &n, &codes, desc, 0);
  EXPECT_EQ(selector, -1);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(codes, nullptr);
}

TEST_F(PartbuildLines, SelectAllCountsTheRecordsOfThePendingType) {
  offer_records({0, 1, 0, 2});
  const std::string cat = "data_partbuild: ";
  EXPECT_GE(line(10, cat + "data_type structured"), 0);
  EXPECT_GE(line(10, cat + "select_all"), 0);
  EXPECT_EQ(generic().sel, std::vector<int>({1, 2}));
  EXPECT_GE(line(10, cat + "data_type unstructured"), 0);
  EXPECT_GE(line(10, cat + "select_all"), 0);
  EXPECT_EQ(generic().sel, std::vector<int>({1, 2}));
  EXPECT_GE(line(10, cat + "select_begin"), 0);
  EXPECT_GE(line(10, "4 7"), 0);
  EXPECT_GE(line(10, cat + "select_end"), 0);
  EXPECT_EQ(generic().sel, std::vector<int>({4, 7}));
}

TEST_F(PartbuildLines, LoadChoiceAndFormatsWithoutABuilder) {
  const std::string cat = "data_partbuild: ";
  Cmd_file_format = 6;
  EXPECT_GE(line(0, cat + "tarvload no_parts"), 0);
  int load = -1;
  tarv_partbld_vals(&load, 0);
  EXPECT_EQ(load, 3);
  EXPECT_EQ(Cmd_file_format, 5);
  EXPECT_GE(line(8, cat + "tarvload part1_only"), 0);  // ABAQUS: nothing kept
  tarv_partbld_vals(&load, 0);
  EXPECT_EQ(load, 3);
  EXPECT_GE(line(2, cat + "tarvload all_but_part1"), 0);
  tarv_partbld_vals(&load, 0);
  EXPECT_EQ(load, 2);
  EXPECT_GE(line(2, cat + "create"), 0);  // FIDAP NEUTRAL: nothing to build
  EXPECT_EQ(Num_p_loaded, 0);
}

TEST_F(PartbuildLines, RecordedTextGrowsByWholeSteps) {
  struct {
    std::vector<size_t> lines;  // lengths appended in order
    int block;                  // bytes allocated after them
  } rows[] = {{{10}, 200}, {{300}, 400}, {{190, 4}, 200}, {{190, 5}, 300}, {{196}, 200}, {{197}, 300}};
  for (auto &r : rows) {
    char *text = nullptr;
    int len = 0;
    std::string want;
    for (size_t n : r.lines) {
      std::string l(n, 'a' + (char)want.size() % 26);
      ASSERT_EQ(data_append_cmdline(&text, &len, l.c_str(), "test:"), 0);
      want += (want.empty() ? "# " : "\n# ") + l;
    }
    EXPECT_EQ(std::string(text), want);
    EXPECT_EQ(len, r.block) << r.lines[0];
    free(text);
  }
}

TEST_F(PartbuildLines, FailedGrowthKeepsTheText) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "exhausts memory on purpose";
#endif
  pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    char *text = nullptr;
    int len = 0;
    if (data_append_cmdline(&text, &len, "kept", "test:") != 0) _exit(2);
    std::string big(64u << 20, 'x');  // the line exists; its block cannot be had
    struct rlimit lim;
    long pages = 0;
    FILE *f = fopen("/proc/self/statm", "r");
    if (!f || fscanf(f, "%ld", &pages) != 1) _exit(3);
    fclose(f);
    lim.rlim_cur = lim.rlim_max = (rlim_t)pages * sysconf(_SC_PAGESIZE) + (16u << 20);
    if (setrlimit(RLIMIT_AS, &lim) != 0) _exit(4);
    freopen("/dev/null", "w", stderr);
    int r = data_append_cmdline(&text, &len, big.c_str(), "test:");
    _exit(r == -1 && text && strcmp(text, "# kept") == 0 && len == 200 ? 0 : 1);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(PartbuildLines, VectorLinesCollectRecords) {
  const std::string cat = "data_partbuild: ";
  std::string err;
  EXPECT_GE(line(4, cat + "estetvector_x U"), 0);
  EXPECT_GE(line(4, cat + "estetvector_y V"), 0);
  EXPECT_GE(line(4, cat + "estetbuildvector"), 0);
  EXPECT_GE(line(4, cat + "estetvectordesc " + std::string(25, 'n'), &err), 0);
  EXPECT_NE(err.find("Variable description too long, truncating."), std::string::npos);
  EXPECT_GE(line(4, cat + "estetvector_z W"), 0);
  ASSERT_EQ(Destnewvct_cnt, 2);
  EXPECT_STREQ(Dnewest_vct[0].name, "Vector_0");
  EXPECT_STREQ(Dnewest_vct[0].x, "U");
  EXPECT_STREQ(Dnewest_vct[0].y, "V");
  EXPECT_STREQ(Dnewest_vct[0].z, "");
  EXPECT_EQ(std::string(Dnewest_vct[1].name), std::string(19, 'n'));
  EXPECT_STREQ(Dnewest_vct[1].z, "W");
  // After the read freed the records with the flag still clear, a line
  // opens a new record instead of writing nowhere.
  datavctbld_release();
  EXPECT_EQ(Dvctallocneeded, 0);
  EXPECT_GE(line(4, cat + "estetvector_x P"), 0);
  ASSERT_EQ(Destnewvct_cnt, 1);
  EXPECT_STREQ(Dnewest_vct[0].x, "P");
  EXPECT_STREQ(Dnewest_vct[0].name, "Vector_0");
}
