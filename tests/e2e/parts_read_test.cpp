// Parts from a real stand-in server, in this process: the main window is
// built, the connection code starts the server with a mixed-element model
// loaded at its start, and the parts are discovered and loaded as a read
// does.  The main list, the server's log and every record's geometry are
// checked against the file, which the test reads itself.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "case_servers.h"
#include "model_case.h"
#include "client/cases.h"
#include "client/conect.h"
#include "compute/compute.h"
#include "harness.h"
#include "inproc_main_window.h"
#include "parts/attribute.h"
#include "parts/read.h"
#include "readers/readers.h"
#include "state/backup.h"
#include "test_part_list.h"
#include "ui/main_window.h"
#include "ui/part_list.h"
#include "xm_lists.h"

namespace {

// The POINTS block of an ASCII legacy VTK file.
std::set<std::tuple<float, float, float>> file_points(const std::string &path) {
  std::ifstream in(path);
  std::string word;
  std::set<std::tuple<float, float, float>> pts;
  while (in >> word && word != "POINTS") {
  }
  int n = 0;
  in >> n >> word;
  for (int k = 0; k < n; k++) {
    float x, y, z;
    in >> x >> y >> z;
    pts.insert(std::make_tuple(x, y, z));
  }
  return pts;
}

}  // namespace

TEST(PartsRead, ModelPartsFromAServerStartedWithData) {
  ASSERT_TRUE(qtest::inproc_main_window());
  const std::string data = qtest::test_data() + "/vtk/mixed.vtk";
  qtest::clear_parts_and_list();
  auto model_case = std::make_unique<qtest::ModelCase>(data);
  ASSERT_TRUE(model_case->ok());
  const qtest::CaseServers &servers = model_case->servers();
  mainprt_list_refresh();

  // The model as the file gives it.
  Ds_case_rec model;
  std::string err;
  ASSERT_EQ(read_dataset(&model, data, "", &err), 0) << err;
  ASSERT_EQ(model.parts.size(), 3u);
  std::vector<std::string> rows;
  for (const Ds_part_rec &p : model.parts) {
    char row[80];
    snprintf(row, sizeof row, "%2d-(M/C1) %s", p.number, p.name.c_str());
    rows.push_back(row);
  }
  EXPECT_EQ(qtest::xm_list_items(Main_part_list), rows);

  ASSERT_EQ(servers.started().size(), 1u);
  std::string log = servers.log_of(servers.started()[0]);
  EXPECT_EQ(qtest::count_of(log, "part info"), 1) << log;
  EXPECT_EQ(qtest::count_of(log, "minm_many"), 1) << log;
  EXPECT_EQ(qtest::count_of(log, "minm_many 3: 1 2 3\n"), 1) << log;
  EXPECT_EQ(qtest::count_of(log, "loadp_many"), 1) << log;

  auto points = file_points(data);
  ASSERT_EQ(points.size(), 45u);
  for (Ds_part_rec &mp : model.parts) {
    SCOPED_TRACE(mp.name);
    const Part_rec *p = part_by_number(mp.number);
    ASSERT_NE(p, nullptr);
    EXPECT_STREQ(p->name, mp.name.c_str());
    ASSERT_EQ(p->node_count, ds_node_count(mp));
    float e[6];
    ds_extents(mp, e);
    EXPECT_EQ(std::vector<float>({p->xmin, p->xmax, p->ymin, p->ymax, p->zmin, p->zmax}),
              std::vector<float>(e, e + 6));
    for (int k = 1; k <= p->node_count; k++) {
      EXPECT_EQ(p->coords[k][0], mp.x[k - 1]);
      EXPECT_EQ(p->coords[k][1], mp.y[k - 1]);
      EXPECT_EQ(p->coords[k][2], mp.z[k - 1]);
      EXPECT_TRUE(points.count(std::make_tuple(p->coords[k][0], p->coords[k][1], p->coords[k][2])))
          << "node " << k;
    }
    const Ds_rep_rec *rep = ds_rep(&mp, ELT_REP_3D_BORDER_2D_FULL, 10.0f);
    ASSERT_NE(rep, nullptr);
    ASSERT_EQ(p->element_count, rep->elements());
    for (int k = 0; k <= p->element_count; k++) EXPECT_EQ(p->elem_offsets[k], rep->offsets[k]);
    for (size_t k = 0; k < rep->conn.size(); k++) EXPECT_EQ(p->connectivity[k], rep->conn[k] + 1);
  }

  model_case.reset();
  qtest::clear_parts_and_list();
  mainprt_list_refresh();
}
