// The geometry exchange against the real stand-in server, started locally
// in the generated datasets' directory: what the client stores is what the
// server's reader made of the files.
#include <gtest/gtest.h>

#include "readers/readers.h"
#include "standin_fixture.h"

using namespace qtest;

class StandinRead : public StandinTest {
 protected:
  int read(int format, const char *name, int *gstatus, Plot3d_read_settings_rec *p3d = nullptr) {
    char geometry[DATA_NAME_LEN];
    snprintf(geometry, sizeof geometry, "%s", name);
    return read_geometry(format, geometry, "", gstatus, p3d, -1);
  }
  void link_serves_next_request() {
    char name[USERD_NAME_LEN];
    int two = -1;
    EXPECT_EQ(get_userd_reader_name(name, &two), 0);
    EXPECT_STREQ(name, Vtk_reader_name);
    EXPECT_EQ(two, 0);
  }
};

TEST_F(StandinRead, VtkModelAsCaseAndAsUserReaderGivesTheModelsParts) {
  Ds_case_rec model;
  std::string err;
  ASSERT_EQ(vtk_read_case(&model, test_data() + "/vtk/mixed.vtk", &err), 0) << err;
  for (int format : {10, 11}) {
    SCOPED_TRACE(format);
    int gstatus = 0;
    ASSERT_EQ(read(format, "vtk/mixed.vtk", &gstatus), 0);
    EXPECT_EQ(gstatus, 1);
    ASSERT_EQ(Tot_num_quivane_parts[0], (int)model.parts.size());
    ASSERT_NE(Pbuild[0], nullptr);
    int structured = 0;
    for (size_t k = 0; k < model.parts.size(); k++) {
      const Ds_part_rec &p = model.parts[k];
      EXPECT_EQ(Pbuild[0][k].id, (int)k + 1);
      EXPECT_EQ(Pbuild[0][k].description, p.name.substr(0, 79));
      EXPECT_EQ(Pbuild[0][k].kind, p.structured ? (p.iblank.empty() ? 1 : 2) : 0);
      EXPECT_EQ(pbuild_record_of(0, (int)k + 1), (int)k);
      structured += p.structured;
    }
    EXPECT_EQ(Num_struct[0], structured);
  }
  link_serves_next_request();
  std::string log = read_file(log_dir_.file("server.log"));
  EXPECT_NE(log.find("set file path ./\n"), std::string::npos) << log;
  EXPECT_NE(log.find("read casefile ./vtk/mixed.vtk -> 0\n"), std::string::npos) << log;
  EXPECT_NE(log.find("set data type 11 reader 0\n"), std::string::npos) << log;
  EXPECT_NE(log.find("get userd reader -> " + std::string(Vtk_reader_name)), std::string::npos);
}

TEST_F(StandinRead, ThreeZoneGridIsJudgedAndReadZoneByZone) {
  struct {
    const char *file;
    int read_as;
  } grids[] = {{"plot3d/zones3_c.xyz", 1}, {"plot3d/zones3_ascii.xyz", 0}};
  for (auto &g : grids) {
    SCOPED_TRACE(g.file);
    Ds_case_rec model;
    std::string err;
    ASSERT_EQ(p3d_read_case(&model, test_data() + "/" + g.file, "", P3d_auto, &err), 0) << err;
    Plot3d_read_settings_rec s;
    ASSERT_EQ(plot3d_test(g.file, "./", &s), 1);
    EXPECT_EQ(s.iblanked, 1);
    EXPECT_EQ(s.multizone, 1);
    EXPECT_EQ(s.read_as, g.read_as);
    EXPECT_EQ(s.dimension, 2);
    int gstatus = 0;
    ASSERT_EQ(read(1, g.file, &gstatus, &s), 0);
    ASSERT_EQ(Plot3d_max_zones[0], 3);
    for (int z = 0; z < 3; z++) {
      EXPECT_EQ(Plot3d_max_x[0][z], model.parts[z].ijk[0]) << z;
      EXPECT_EQ(Plot3d_max_y[0][z], model.parts[z].ijk[1]) << z;
      EXPECT_EQ(Plot3d_max_z[0][z], model.parts[z].ijk[2]) << z;
      EXPECT_EQ(Plot3d_d_flag[0][z], z == 1 ? 2 : 1) << z;  // zone 2 has a blanked hole
    }
    EXPECT_EQ(Struct_max_i[0], model.parts[0].ijk[0]);
  }
}

TEST_F(StandinRead, MissingFilesFailAndTheLinkServesTheNextRequest) {
  Plot3d_read_settings_rec s = {0, 0, 1, 2};
  struct {
    int format;
    int result;
  } cases[] = {{10, -1}, {1, 2}, {11, -1}};
  for (auto &c : cases) {
    SCOPED_TRACE(c.format);
    int gstatus = 1;
    EXPECT_EQ(read(c.format, "no/such.file", &gstatus, &s), c.result);
    EXPECT_EQ(gstatus, 0);
    link_serves_next_request();
  }
}

TEST_F(StandinRead, FormatsThisServerDoesNotReadFailInTheirOwnLayout) {
  Plot3d_read_settings_rec s = {0, 0, 1, 2};
  struct {
    int format;
    int result;
    int gstatus;
  } cases[] = {{0, 2, 0}, {2, 2, 1}, {3, 2, 0}, {4, 2, 0}, {5, 2, 1},
               {6, 2, 1}, {7, 2, 1}, {8, 2, 1}, {9, 2, 1}, {31, -1, 0}};
  for (auto &c : cases) {
    SCOPED_TRACE(c.format);
    int gstatus = -5;
    testing::internal::CaptureStdout();
    EXPECT_EQ(read(c.format, "vtk/mixed.vtk", &gstatus, &s), c.result);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(gstatus, c.gstatus);
    link_serves_next_request();
  }
}

TEST_F(StandinRead, ResultsAndBoundariesOfAReadGrid) {
  Data_format[0] = 1;
  Plot3d_read_settings_rec s = {1, 1, 1, 2};
  int gstatus = 0, rstatus = 0;
  ASSERT_EQ(read(1, "plot3d/zones3_c.xyz", &gstatus, &s), 0);
  EXPECT_EQ(read_result("plot3d/zones3_c.q", &rstatus, 0), 1);
  EXPECT_EQ(rstatus, 1);
  EXPECT_EQ(read_result("plot3d/none.q", &rstatus, 0), -1);
  EXPECT_EQ(rstatus, 0);
  int count = 0;
  char **names = nullptr;
  ASSERT_EQ(get_bnd_list(&count, &names), 1);
  EXPECT_EQ(count, 3);  // iblank values -3, 0 and 1
  free_bnd_list(names);
  int mstatus = 1, part = 0;
  EXPECT_EQ(read_measure("points.mres", &mstatus, &part), 2);
  EXPECT_EQ(mstatus, 0);
  link_serves_next_request();
  Data_format[0] = 10;
}
