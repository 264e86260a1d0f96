// The parts two command-read cases build, as the main part list shows them:
// the real main window in this process, a real stand-in server per case,
// the model read as the Case format with all its parts built, and the
// 3-zone PLOT3D grid with its solution read into a second case, whose zone
// parts carry names made from the zones' sizes.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "case_servers.h"
#include "client/cases.h"
#include "client/command_dlog.h"
#include "harness.h"
#include "inproc_main_window.h"
#include "readers/readers.h"
#include "state/backup.h"
#include "test_part_list.h"
#include "ui/main_window.h"
#include "ui/part_list.h"
#include "xm_lists.h"

TEST(DataReadPartList, ModelPartsAndZonePartsOfTwoCases) {
  ASSERT_TRUE(qtest::inproc_main_window());
  qtest::clear_parts_and_list();
  qtest::CaseServers servers;
  ASSERT_EQ(qtest::connect_first_case(servers), 1);
  const std::string D = qtest::test_data();
  const std::vector<std::string> lines = {
      "data: format case", "data: path " + D, "data: geometry vtk/mixed.vtk", "data: read",
      "data_partbuild: begin", "data_partbuild: select_all", "data_partbuild: create",
      "data_partbuild: end", "case: add Case 2", "data: format plot3d", "data: path " + D,
      "data: geometry plot3d/zones3_c.xyz", "data: result plot3d/zones3_c.q", "data: read",
      "data_partbuild: plot3dselect_zone_begin", "1", "2", "3",
      "data_partbuild: plot3dselect_zone_end", "data_partbuild: plot3dstep 1 1 1",
      "data_partbuild: plot3ddomain inside", "data_partbuild: create", "data_partbuild: end"};
  for (const std::string &line : lines) {
    Command_proc_err = 0;
    EXPECT_GE(cmd_process_and_refresh(line.c_str()), 0) << line;
    EXPECT_EQ(Command_proc_err, 0) << line;
  }
  mainprt_list_refresh();

  // What the files hold, read here.
  Ds_case_rec model, grid;
  std::string err;
  ASSERT_EQ(read_dataset(&model, D + "/vtk/mixed.vtk", "", &err), 0) << err;
  ASSERT_EQ(read_dataset(&grid, D + "/plot3d/zones3_c.xyz", D + "/plot3d/zones3_c.q", &err), 0)
      << err;
  ASSERT_EQ(grid.parts.size(), 3u);
  std::vector<std::string> want;
  int number = 0;
  for (const Ds_part_rec &p : model.parts) {
    char row[96];
    snprintf(row, sizeof row, "%2d-(M/C1) %s", ++number, p.name.c_str());
    want.push_back(row);
  }
  for (size_t z = 0; z < grid.parts.size(); z++) {
    const Ds_part_rec &p = grid.parts[z];
    char name[128], row[160];
    snprintf(name, sizeof name, "zone %d (IN), Mins/Maxs=(I:1/%d,J:1/%d,K:1/%d)", (int)z + 1,
             p.ijk[0], p.ijk[1], p.ijk[2]);
    name[49] = '\0';  // a part name keeps 49 characters
    snprintf(row, sizeof row, "%2d-(M/C2) %s", ++number, name);
    want.push_back(row);
  }
  EXPECT_EQ(qtest::xm_list_items(Main_part_list), want);
  quit_server(1);
  quit_server(0);
}
