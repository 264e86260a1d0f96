// Part building against the real stand-in server after a geometry read of
// the generated datasets: the command lines make client parts out of the
// model's parts, with their names, node and element counts.
#include <gtest/gtest.h>

#include "client/command_dlog.h"
#include "compute/compute.h"
#include "data/part_create.h"
#include "data/partbuild.h"
#include "variables/orig_scalars.h"
#include "readers/readers.h"
#include "standin_fixture.h"

using namespace qtest;

class StandinBuild : public StandinTest {
 protected:
  void SetUp() override {
    StandinTest::SetUp();
    partbld_vals_reset();
  }
  void TearDown() override {
    Gexist[0] = 0;
    Data_format[0] = DATA_FORMAT_CASEFILE;
    Data_plot3d_rflags[0][0] = 0;
    partbld_vals_reset();
    StandinTest::TearDown();
  }
  void read(int format, const char *name, Plot3d_read_settings_rec *p3d = nullptr) {
    char geometry[DATA_NAME_LEN];
    snprintf(geometry, sizeof geometry, "%s", name);
    int gstatus = 0;
    ASSERT_EQ(read_geometry(format, geometry, "", &gstatus, p3d, -1), 0);
    Data_format[0] = format;
    if (p3d) Data_plot3d_rflags[0][0] = p3d->iblanked;  // as the data section keeps it
    Gexist[0] = 1;
  }
  void run(const std::vector<std::string> &lines) {
    for (const std::string &l : lines) {
      SCOPED_TRACE(l);
      // Lines of ids inside a selection come without the category.
      bool ids = l[0] >= '0' && l[0] <= '9';
      int r = cmd_process((ids ? l : "data_partbuild: " + l).c_str());
      EXPECT_GE(r, 0);
    }
  }
};

TEST_F(StandinBuild, SelectAllMakesEveryUnstructuredModelPart) {
  Ds_case_rec model;
  std::string err;
  ASSERT_EQ(vtk_read_case(&model, test_data() + "/vtk/mixed.vtk", &err), 0) << err;
  read(10, "vtk/mixed.vtk");
  run({"begin", "select_all", "create", "end"});
  std::vector<Ds_part_rec *> unstructured;
  for (Ds_part_rec &p : model.parts)
    if (!p.structured) unstructured.push_back(&p);
  ASSERT_FALSE(unstructured.empty());
  ASSERT_EQ(Num_p_loaded, (int)unstructured.size());
  for (int i = 0; i < Num_p_loaded; i++) {
    SCOPED_TRACE(i);
    EXPECT_EQ(parts[i]->name, unstructured[i]->name.substr(0, 49));
    EXPECT_EQ(parts[i]->node_count, ds_node_count(*unstructured[i]));
    // The client holds the elements of the part's representation.
    const Ds_rep_rec *rep = ds_rep(unstructured[i], (int)parts[i]->attributes[SLOT_ELT_REP],
                                   parts[i]->attributes[SLOT_ELT_REP + 1]);
    ASSERT_NE(rep, nullptr);
    EXPECT_EQ(parts[i]->element_count, rep->elements());
    EXPECT_EQ(parts[i]->number, i + 1);
  }
  std::string log = server_log();
  EXPECT_NE(log.find("create quivane parts"), std::string::npos) << log;
}

TEST_F(StandinBuild, ThreeZonesMakeThreePartsAndARangeUpdateShrinksOne) {
  Plot3d_read_settings_rec s;
  ASSERT_EQ(plot3d_test("plot3d/zones3_c.xyz", "./", &s), 1);
  read(1, "plot3d/zones3_c.xyz", &s);
  ASSERT_EQ(Plot3d_max_zones[0], 3);
  run({"plot3dselect_zone_begin", "1 2 3", "plot3dselect_zone_end", "plot3dstep 1 1 1",
       "plot3ddomain inside", "create", "end"});
  ASSERT_EQ(Num_p_loaded, 3) << server_log();
  for (int z = 0; z < 3; z++) {
    SCOPED_TRACE(z);
    char want[PART_NAME_TEXT];
    snprintf(want, sizeof want, "zone %d (IN), Mins/Maxs=(I:1/%d,J:1/%d,K:1/%d)", z + 1,
             Plot3d_max_x[0][z], Plot3d_max_y[0][z], Plot3d_max_z[0][z]);
    EXPECT_EQ(std::string(parts[z]->name), std::string(want).substr(0, 49));
    EXPECT_EQ(parts[z]->structured, 1);
    EXPECT_GT(parts[z]->node_count, 0);
  }
  Part_rec *p = parts[0];
  int before = p->node_count;
  ASSERT_GE(Plot3d_max_x[0][0], 3);
  p->attributes[64] = 2.0f;  // I max
  EXPECT_EQ(update_structured_parts(0), 1);
  EXPECT_LT(parts[0]->node_count, before);
  p->attributes[64] = 999.0f;  // beyond the block: the server keeps the part
  EXPECT_EQ(update_structured_parts(0), 0);
}

TEST_F(StandinBuild, BadRangesAndVectorsAreRefused) {
  Plot3d_read_settings_rec s;
  ASSERT_EQ(plot3d_test("plot3d/zones3_c.xyz", "./", &s), 1);
  read(1, "plot3d/zones3_c.xyz", &s);
  offer_records({1, 1, 1});  // the server's zones as offered records
  int id = 1, mx = Plot3d_max_x[0][0], my = Plot3d_max_y[0][0], mz = Plot3d_max_z[0][0];
  struct {
    const char *what;
    std::vector<int> range;
  } rows[] = {{"step 0", {1, mx, 0, 1, my, 1, 1, mz, 1}},
              {"beyond the block", {1, mx + 1, 1, 1, my, 1, 1, mz, 1}},
              {"minimum above maximum", {3, 2, 1, 1, my, 1, 1, mz, 1}}};
  for (auto &r : rows) {
    SCOPED_TRACE(r.what);
    int made[1] = {0};
    EXPECT_EQ(read_quivane_parts(1, &id, "", r.range.data(), 2, made), 5);
    EXPECT_EQ(Num_p_loaded, 0);
  }

  Ds_case_rec model;
  std::string err;
  ASSERT_EQ(vtk_read_case(&model, test_data() + "/vtk/mixed.vtk", &err), 0) << err;
  read(10, "vtk/mixed.vtk");
  char (*names)[ORIG_SCALAR_LEN] = nullptr;
  int n = 0;
  ASSERT_EQ(orig_avail_scalars(&n, &names), 1);
  std::vector<std::string> scalars;
  for (const Ds_var_rec &v : model.vars)
    if (v.kind == DS_SCALAR) scalars.push_back(v.name);
  ASSERT_EQ(n, (int)scalars.size());
  for (int k = 0; k < n; k++) EXPECT_EQ(names[k], scalars[k]);
  free(names);
  ASSERT_GT(n, 0);
  int one[3] = {0, -1, -1}, none[3] = {-1, -1, -1}, outside[3] = {n, -1, -1};
  EXPECT_EQ(combine_to_vector(one, "Grouped"), 1);
  EXPECT_EQ(combine_to_vector(one, "Grouped"), -1);  // the name exists now
  EXPECT_EQ(combine_to_vector(none, "Empty"), -1);
  EXPECT_EQ(combine_to_vector(outside, "Outside"), -1);
  EXPECT_EQ(finish_vector_combine(), 0);
  std::string log = server_log();
  EXPECT_NE(log.find("combine to vector Grouped -> 0"), std::string::npos) << log;
}
