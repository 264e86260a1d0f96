// The PLOT3D part loader's command path against the real stand-in server
// on the generated three-zone iblanked grid (C binary): the parts of the
// zones and of an iblank item, counted against the grid file itself, the
// build text each part keeps, and the refusals of pending values that do
// not fit the grid.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "client/command_dlog.h"
#include "data/data_read.h"
#include "data/partbuild.h"
#include "data/plot3d_loader.h"
#include "parts/attribute.h"
#include "plot3d_grid.h"
#include "standin_fixture.h"

using namespace qtest;

namespace {

const char *const Grid = "plot3d/zones3_c.xyz";

// The read and the representation lines of the build command file.
std::vector<std::string> read_lines() {
  std::vector<std::string> all = p3d_build_commands(test_data());
  auto end = std::find(all.begin(), all.end(), "part: modify_end");
  return std::vector<std::string>(all.begin(), end == all.end() ? end : end + 1);
}

std::string build_text(int i) {
  return i < Num_p_loaded && parts[i]->build_text ? parts[i]->build_text : "";
}

}  // namespace

class Plot3dLoader : public StandinTest {
 protected:
  void SetUp() override {
    StandinTest::SetUp();
    partbld_vals_reset();
    zones_ = p3d_read_cbin(test_data() + "/" + Grid);
    ASSERT_EQ(zones_.size(), 3u);
    run(read_lines());
    ASSERT_EQ(Gexist[0], 1);
    ASSERT_EQ(Plot3d_max_zones[0], 3);
  }
  void TearDown() override {
    Gexist[0] = Rexist[0] = 0;
    Data_format[0] = DATA_FORMAT_CASEFILE;
    partbld_vals_reset();
    Plot3d_read_settings_rec none = {0, 0, 0, 0};
    data_plot3d_readinfo(&none, 1);
    StandinTest::TearDown();
  }
  // Runs lines; a line of numbers goes in without its category. Returns
  // the last line's Command_proc_err.
  int run(const std::vector<std::string> &lines) {
    int err = 0;
    for (const std::string &l : lines) {
      SCOPED_TRACE(l);
      bool ids = l[0] >= '0' && l[0] <= '9';
      bool other = l.find(':') != std::string::npos;
      Command_proc_err = 0;
      cmd_process((ids || other ? l : "data_partbuild: " + l).c_str());
      err = Command_proc_err;
    }
    return err;
  }
  // The server's log once it holds text: a request without a reply (the
  // stop of the build) is logged when the server gets to it.
  std::string log_with(const std::string &text) {
    for (int k = 0; k < 500 && server_log().find(text) == std::string::npos; k++)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return server_log();
  }
  std::vector<P3d_zone> zones_;
};

TEST_F(Plot3dLoader, ThreeZonesInsideMakeOnePartEachOfTheUnblankedCells) {
  EXPECT_EQ(run({"plot3ddomain inside", "plot3dselect_zone_begin", "1 2 3", "plot3dselect_zone_end",
                 "plot3dstep 1 1 1", "create", "end"}),
            0);
  ASSERT_EQ(Num_p_loaded, 3) << server_log();
  auto unblanked = [](int v) { return v != 0; };
  for (int z = 0; z < 3; z++) {
    SCOPED_TRACE(z);
    const int *n = zones_[z].n;
    char name[PART_NAME_TEXT];
    snprintf(name, sizeof name, "zone %d (IN), Mins/Maxs=(I:1/%d,J:1/%d,K:1/%d)", z + 1, n[0], n[1], n[2]);
    EXPECT_EQ(std::string(parts[z]->name), std::string(name).substr(0, 49));
    // Full representation: every face of the kept cells once.
    EXPECT_EQ(parts[z]->element_count, p3d_cell_faces(zones_[z], false, unblanked));
    std::string t = build_text(z);
    char zone[64], ranges[256];
    snprintf(zone, sizeof zone, "# data_partbuild: plot3dselect_zone_begin\n#%11d\n", z + 1);
    snprintf(ranges, sizeof ranges,
             "# data_partbuild: plot3dnoderange_i %-12s\n# data_partbuild: plot3dnoderange_j %-12s\n"
             "# data_partbuild: plot3dnoderange_k %-12s\n# data_partbuild: plot3dstep 1 1 1\n",
             ("1 " + std::to_string(n[0])).c_str(), ("1 " + std::to_string(n[1])).c_str(),
             ("1 " + std::to_string(n[2])).c_str());
    EXPECT_EQ(t.rfind("# data_partbuild: plot3ddomain inside\n" + std::string(zone), 0), 0u) << t;
    EXPECT_NE(t.find(ranges), std::string::npos) << t;
    EXPECT_EQ(t.substr(t.size() - 25), "\n# data_partbuild: create") << t;
  }
  // The blanked corner of zone 2 leaves out cells, the others are whole.
  EXPECT_LT(p3d_cells(zones_[1], unblanked), p3d_cells(zones_[1], [](int) { return true; }));
  std::string log = log_with("stop plot3d parts");
  EXPECT_TRUE(in_order(log, {"use part numbers", "create plot3d part 1 range 1 5 1 1 4 1 1 3 1 zone 1 domain 1 -> 0",
                             "create plot3d part 2 range 1 4 1 1 4 1 1 4 1 zone 2 domain 1 -> 0",
                             "create plot3d part 3 range 1 6 1 1 3 1 1 2 1 zone 3 domain 1 -> 0",
                             "loadp_many", "stop plot3d parts"}))
      << log;
}

TEST_F(Plot3dLoader, AnIblankPartOfTwoParentsKeepsBoth) {
  ASSERT_EQ(run({"plot3ddomain all", "plot3dselect_zone_begin", "1 2", "plot3dselect_zone_end",
                 "plot3dstep 1 1 1", "create"}),
            0);
  ASSERT_EQ(Num_p_loaded, 2);
  std::vector<int> values = p3d_iblank_values(zones_);
  ASSERT_EQ(values, std::vector<int>({-3, 0, 1}));
  // The command file spells the name in its own case; the text keeps the server's.
  EXPECT_EQ(run({"select_begin", "1 2", "select_end", "iblank_type IBLANK 1", "create_iblank", "end"}), 0);
  ASSERT_EQ(Num_p_loaded, 3) << server_log();
  Part_rec *p = parts[2];
  EXPECT_EQ(p->type, 13);
  EXPECT_EQ(std::string(p->name), "iblank 1");
  auto ones = [](int v) { return v == 1; };
  EXPECT_EQ(p->element_count, p3d_cell_faces(zones_[0], true, ones) + p3d_cell_faces(zones_[1], true, ones));
  EXPECT_EQ(build_text(2),
            "# data_partbuild: description \n"
            "# data_partbuild: select_begin\n"
            "#          1\n"
            "#          2\n"
            "# data_partbuild: select_end\n"
            "# data_partbuild: iblank_type iblank 1\n"
            "# data_partbuild: create_iblank");
  std::string log = server_log();
  EXPECT_TRUE(in_order(log, {"get bnd list -> 3", "bnd part 3: parts 1 2 kind 2"})) << log;
}

// Pending values that cannot make a part are refused before the server is
// asked: nothing is made, no text is kept, and the command fails.
TEST_F(Plot3dLoader, PendingValuesOutsideTheZoneAreRefused) {
  struct {
    const char *what;
    std::vector<std::string> lines;
    const char *error;
  } rows[] = {
      {"no zone", {"create"}, "A zone must be selected to create a part."},
      {"zone 4 of 3", {"plot3dselect_zone_begin", "4", "plot3dselect_zone_end", "create"},
       "A zone must be selected to create a part."},
      {"step 0",
       {"plot3dselect_zone_begin", "1", "plot3dselect_zone_end", "plot3dnoderange_i 1 5",
        "plot3dnoderange_j 1 4", "plot3dnoderange_k 1 3", "plot3dstep 1 0 1", "create"},
       "Step values must be >= 1."},
      {"I beyond the zone",
       {"plot3dselect_zone_begin", "1", "plot3dselect_zone_end", "plot3dnoderange_i 1 6",
        "plot3dnoderange_j 1 4", "plot3dnoderange_k 1 3", "plot3dstep 1 1 1", "create"},
       "Maximum value must be <= maximum data values of (MaxX = 5, MaxY = 4, MaxZ = 3)."},
      {"from 0",
       {"plot3dselect_zone_begin", "1", "plot3dselect_zone_end", "plot3dnoderange_i 0 5", "create"},
       "Minimum value must be >= 1."},
      {"unknown iblank item", {"select_begin", "1", "select_end", "iblank_type iblank 7"},
       "data_partbuild: Bad iblank type."},
  };
  for (auto &r : rows) {
    SCOPED_TRACE(r.what);
    partbld_vals_reset();
    testing::internal::CaptureStderr();
    int err = run(r.lines);
    std::string shown = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, 1);
    EXPECT_NE(shown.find(r.error), std::string::npos) << shown;
    EXPECT_EQ(Num_p_loaded, 0);
  }
  EXPECT_EQ(server_log().find("create plot3d part"), std::string::npos);
}
