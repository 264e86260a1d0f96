// The PLOT3D build command file of the end-to-end test played in process
// against the real stand-in: the main part list shows one row per zone part,
// named from its zone, domain and whole range, and the iblank part; playing
// records the file's own lines and nothing the loader would add.
#include <gtest/gtest.h>

#include <Xm/List.h>

#include <string>
#include <vector>

#include "../../unit/data/standin_fixture.h"
#include "client/cmd_play.h"
#include "client/command_dlog.h"
#include "data/partbuild.h"
#include "data/plot3d_loader.h"
#include "harness.h"
#include "plot3d_grid.h"
#include "record_capture.h"
#include "ui/main_window.h"
#include "ui/part_list.h"
#include "xm_lists.h"
#include "xt_shell.h"

using namespace qtest;

class Plot3dCommandFile : public StandinTest {
 protected:
  void SetUp() override {
    StandinTest::SetUp();
    ASSERT_TRUE(xt_ui_shell());
    partbld_vals_reset();
    list_ = XmCreateScrolledList(xt_shell().form, const_cast<char *>("mainpartList"), nullptr, 0);
    XtManageChild(list_);
    saved_list_ = Main_part_list;
    Main_part_list = list_;
  }
  void TearDown() override {
    Main_part_list = saved_list_;
    XtDestroyWidget(XtParent(list_));
    Gexist[0] = Rexist[0] = 0;
    Data_format[0] = DATA_FORMAT_CASEFILE;
    partbld_vals_reset();
    Plot3d_read_settings_rec none = {0, 0, 0, 0};
    data_plot3d_readinfo(&none, 1);
    xt_take_error();
    StandinTest::TearDown();
  }
  Widget list_ = nullptr, saved_list_ = nullptr;
};

TEST_F(Plot3dCommandFile, MainListShowsEachZonePartAndTheIblankPart) {
  std::vector<P3d_zone> zones = p3d_read_cbin(test_data() + "/plot3d/zones3_c.xyz");
  ASSERT_EQ(zones.size(), 3u);
  TempDir files("qplot3dplay");
  std::vector<std::string> lines = p3d_build_commands(test_data());
  std::string text = "VERSION 7.1\n", played;
  for (const std::string &l : lines) played += l + "\n";
  write_file(files.file("build.cmd"), text + played);
  std::string rec = recorded_lines([&] { EXPECT_EQ(cmdplay(files.file("build.cmd").c_str(), 0), 1); });
  EXPECT_EQ(xt_take_error(), "");
  // The command path adds no line of its own to the record: the zone parts'
  // ranges ("plot3dnoderange_...") live only in their build texts.
  EXPECT_EQ(rec, played);
  ASSERT_EQ(Num_p_loaded, 4) << server_log();

  std::vector<std::string> want;
  for (int z = 0; z < 3; z++) {
    const int *n = zones[z].n;
    char name[128], row[160];
    snprintf(name, sizeof name, "zone %d (IN), Mins/Maxs=(I:1/%d,J:1/%d,K:1/%d)", z + 1, n[0], n[1], n[2]);
    snprintf(row, sizeof row, "%2d-(M/C1) %s", z + 1, std::string(name).substr(0, 49).c_str());
    want.push_back(row);
  }
  want.push_back(" 4-(M/C1) iblank 1");
  EXPECT_EQ(xm_list_items(Main_part_list), want);
  EXPECT_EQ(parts[3]->type, 13);
}
