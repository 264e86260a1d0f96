// The "data interface" archive section: its bytes, a save and restore, the
// reset (also through file_backup_reinitializeall), a body cut short and
// values that cannot be right.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "client/cases.h"
#include "data/data_bkup.h"
#include "data/data_dlog.h"
#include "data/data_format.h"
#include "data/data_read.h"
#include "data/pbuild.h"
#include "state/backup.h"

namespace {

int Refreshes = 0;

// One case's values as the section holds them.
struct CaseValues {
  int format, meshtype;
  std::vector<int> plot3d;
  std::string geom, result, meas;
};

CaseValues case_values(int c) {
  return {Data_format[c],
          Data_meshtype[c],
          std::vector<int>(Data_plot3d_rflags[c], Data_plot3d_rflags[c] + 4),
          Data_geom_file[c],
          Data_result_file[c],
          Data_meas_file[c]};
}

bool operator==(const CaseValues &a, const CaseValues &b) {
  return a.format == b.format && a.meshtype == b.meshtype && a.plot3d == b.plot3d &&
         a.geom == b.geom && a.result == b.result && a.meas == b.meas;
}

const CaseValues Defaults = {10, 0, {0, 0, 1, 2}, "", "", ""};

std::vector<unsigned char> bytes_of(FILE *fp) {
  std::vector<unsigned char> b;
  rewind(fp);
  for (int ch; (ch = getc(fp)) != EOF;) b.push_back((unsigned char)ch);
  return b;
}

FILE *file_of(const std::vector<unsigned char> &b) {
  FILE *fp = tmpfile();
  fwrite(b.data(), 1, b.size(), fp);
  rewind(fp);
  return fp;
}

void put_word(std::vector<unsigned char> &b, size_t at, uint32_t v) {
  for (int k = 0; k < 4; k++) b[at + k] = (unsigned char)(v >> (24 - 8 * k));
}

constexpr size_t Formats = 4, Meshtypes = 68, Plot3d = 132, Names = 388, Name = 255;

}  // namespace

class DataInterfBkup : public testing::Test {
 protected:
  void SetUp() override {
    data_interf_bkup(nullptr, 4);
    Refreshes = 0;
    saved_refresh_ = Data_interf_varlists_refresh;
    Data_interf_varlists_refresh = [] { Refreshes++; };
  }
  void TearDown() override {
    Data_interf_varlists_refresh = saved_refresh_;
    data_interf_bkup(nullptr, 4);
  }
  void (*saved_refresh_)() = nullptr;
};

TEST_F(DataInterfBkup, SaveWritesBigEndianWordsAndZeroFilledNames) {
  snprintf(Data_geom_file[0], 255, "%s", "model.case");
  Data_geom_file[0][40] = 'x';  // left over behind the end of the name
  FILE *fp = tmpfile();
  ASSERT_EQ(data_interf_bkup(fp, 0), 1);
  std::vector<unsigned char> b = bytes_of(fp);
  fclose(fp);
  ASSERT_EQ(b.size(), (size_t)DATA_INTERF_BKUP_BYTES);
  EXPECT_EQ(std::vector<unsigned char>(b.begin(), b.begin() + 8),
            (std::vector<unsigned char>{0x40, 0xE0, 0, 0, 0, 0, 0, 10}));
  EXPECT_EQ(std::vector<unsigned char>(b.begin() + Plot3d, b.begin() + Plot3d + 16),
            (std::vector<unsigned char>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 2}));
  std::vector<unsigned char> name0(Name, 0);
  memcpy(name0.data(), "model.case", 10);
  EXPECT_EQ(std::vector<unsigned char>(b.begin() + Names, b.begin() + Names + Name), name0);
  for (size_t k = Names + Name; k < b.size(); k++) ASSERT_EQ(b[k], 0) << "byte " << k;
  EXPECT_EQ(data_interf_bkup(nullptr, 0), -1);
}

TEST_F(DataInterfBkup, RestoreBringsEveryCaseBackWhateverTheVersion) {
  Data_format[2] = 13;
  Data_meshtype[2] = 1;
  const int p3d[4] = {1, 1, 2, 1};
  memcpy(Data_plot3d_rflags[5], p3d, sizeof p3d);
  Data_format[5] = 1;
  snprintf(Data_geom_file[5], 255, "grid.x");
  snprintf(Data_result_file[5], 255, "soln.q");
  snprintf(Data_meas_file[15], 255, "probe.mea");
  std::vector<CaseValues> before;
  for (int c = 0; c < MAX_CASES; c++) before.push_back(case_values(c));
  FILE *fp = tmpfile();
  ASSERT_EQ(data_interf_bkup(fp, 0), 1);
  std::vector<unsigned char> b = bytes_of(fp);
  fclose(fp);
  put_word(b, 0, 0xDEADBEEF);  // any version reads the same

  file_backup_reinitializeall();
  for (int c = 0; c < MAX_CASES; c++) ASSERT_TRUE(case_values(c) == Defaults) << "case " << c;
  Data_udformat[2] = 0;
  fp = file_of(b);
  EXPECT_EQ(data_interf_bkup(fp, 2), 1);
  fclose(fp);
  for (int c = 0; c < MAX_CASES; c++) EXPECT_TRUE(case_values(c) == before[c]) << "case " << c;
  EXPECT_EQ(Data_udformat[2], 2) << "format 13 is user-defined reader 2";
  EXPECT_EQ(Refreshes, 1);
  EXPECT_EQ(data_interf_bkup(nullptr, 5), 1) << "scenario modes do nothing";
  EXPECT_EQ(data_interf_bkup(nullptr, 6), 1);
  EXPECT_EQ(Data_format[2], 13);
}

TEST_F(DataInterfBkup, ABodyCutShortKeepsWhatCameAndRefreshesNothing) {
  Data_format[3] = 1;
  Data_meshtype[3] = 1;
  snprintf(Data_geom_file[3], 255, "probe");
  FILE *fp = tmpfile();
  ASSERT_EQ(data_interf_bkup(fp, 0), 1);
  const std::vector<unsigned char> b = bytes_of(fp);
  fclose(fp);
  struct Cut {
    const char *what;
    size_t length;
    int format3, meshtype3, meshtype7;
    const char *geom3;
  } cuts[] = {
      {"within the mesh types", Meshtypes + 32, 1, 0, 1, ""},
      {"within case 3's result name", Names + 3 * 3 * Name + Name + 100, 1, 1, 0, "probe"},
  };
  for (const Cut &c : cuts) {
    SCOPED_TRACE(c.what);
    data_interf_bkup(nullptr, 4);
    Data_meshtype[7] = 1;
    snprintf(Data_result_file[3], 255, "kept.res");
    fp = file_of(std::vector<unsigned char>(b.begin(), b.begin() + c.length));
    testing::internal::CaptureStderr();
    EXPECT_EQ(data_interf_bkup(fp, 2), -1);
    std::string err = testing::internal::GetCapturedStderr();
    fclose(fp);
    EXPECT_EQ(err.rfind("data_interf_bkup:", 0), 0u) << err;
    EXPECT_EQ(Data_format[3], c.format3);
    EXPECT_EQ(Data_meshtype[3], c.meshtype3);
    EXPECT_EQ(Data_meshtype[7], c.meshtype7);
    EXPECT_STREQ(Data_geom_file[3], c.geom3);
    EXPECT_STREQ(Data_result_file[3], "kept.res");
    EXPECT_EQ(Refreshes, 0);
  }
}

TEST_F(DataInterfBkup, ValuesOutOfRangeResetTheirCase) {
  snprintf(Data_geom_file[1], 255, "a.case");
  snprintf(Data_geom_file[2], 255, "b.case");
  snprintf(Data_geom_file[4], 255, "c.case");
  FILE *fp = tmpfile();
  ASSERT_EQ(data_interf_bkup(fp, 0), 1);
  std::vector<unsigned char> b = bytes_of(fp);
  fclose(fp);
  put_word(b, Formats + 4 * 1, 31);                  // case 1: no such format
  put_word(b, Formats + 4 * 2, 0xFFFFFFFF);          // case 2: -1
  put_word(b, Plot3d + 16 * 4 + 8, 3);               // case 4: read as 3
  memset(b.data() + Names + 3 * 5 * Name, 'n', Name);  // case 5: a name without its end
  fp = file_of(b);
  EXPECT_EQ(data_interf_bkup(fp, 2), 1);
  fclose(fp);
  EXPECT_TRUE(case_values(1) == Defaults);
  EXPECT_TRUE(case_values(2) == Defaults);
  EXPECT_TRUE(case_values(4) == Defaults);
  EXPECT_EQ(std::string(Data_geom_file[5]), std::string(254, 'n'));
  EXPECT_EQ(Data_format[0], 10);
}
