// "readplot3dfileDialog" as the user drives it: with the real stand-in on
// the generated grids (the read section preset from the server's judgement
// of the named grid, a read, the zones it offers and the lines a creation
// of all zones records), and with zone tables set by hand against a
// scripted server (the domain rows of mixed iblank flags, many zones, the
// range fields' checks and the server's refusals).
#include <gtest/gtest.h>

#include <Xm/List.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "../../unit/data/standin_fixture.h"
#include "client/command_dlog.h"
#include "data/data_section.h"
#include "data/partbuild.h"
#include "data/plot3d_loader.h"
#include "data/ui/data_windep.h"
#include "data/ui/plot3d_dialog.h"
#include "record_capture.h"
#include "ui/general_windep.h"
#include "ui/menus.h"
#include "xm_lists.h"
#include "xt_shell.h"

using namespace qtest;

namespace {

// What the File Selection dialog would hold: the grid named, PLOT3D chosen.
Data_fileselect_rec Fsel;

int fsel_get(Data_fileselect_rec *f) {
  *f = Fsel;
  data_plot3d_read_controls(&f->p3d);
  return 0;
}

Widget named(const char *name) {
  return XtNameToWidget(File_plot3ddata_dialog, (std::string("*") + name).c_str());
}

std::string shown_row(Widget optmen, Menu_item_rec *rows) {
  int r = XtarvOptionMenuCurrentState(optmen, rows);
  return r >= 0 ? rows[r].label : "";
}

std::string text(Widget w) {
  char *t = XmTextFieldGetString(w);
  std::string s = t ? t : "";
  XtFree(t);
  return s;
}

std::string no_blanks(std::string s) {
  s.erase(std::remove_if(s.begin(), s.end(), [](char c) { return c == ' ' || c == '\n'; }), s.end());
  return s;
}

// The error box's text without blanks, "" when none; the box is taken down.
std::string take_error() {
  if (!Err_dialog || !XtIsManaged(Err_dialog)) return "";
  std::string out = xm_label_text(Disperr_errlabel);
  XtUnmanageChild(Err_dialog);
  return no_blanks(out);
}

// Selects the positions of an extended-selection list as a user's
// Control-clicks would.
void select_positions(Widget list, const std::vector<int> &positions) {
  unsigned char policy = 0;
  XtVaGetValues(list, XmNselectionPolicy, &policy, nullptr);
  XtVaSetValues(list, XmNselectionPolicy, XmMULTIPLE_SELECT, nullptr);
  XmListDeselectAllItems(list);
  for (int p : positions) XmListSelectPos(list, p, False);
  XtVaSetValues(list, XmNselectionPolicy, policy, nullptr);
}

void select_zones(const std::vector<int> &zones) {
  select_positions(File_plot3dzones_list, zones);
  data_plot3d_zoneinit();
}

}  // namespace

class Plot3dDialog : public StandinTest {
 protected:
  void SetUp() override {
    StandinTest::SetUp();
    ASSERT_TRUE(xt_ui_shell());
    saved_get_ = Data_fileselect_get;
    Data_fileselect_get = fsel_get;
    partbld_vals_reset();
    Fsel = Data_fileselect_rec{};
    Fsel.native = 1;
    Fsel.format = 1;
    snprintf(Fsel.path, sizeof Fsel.path, "%s", test_data().c_str());
  }
  void TearDown() override {
    if (File_plot3ddata_dialog) XtUnmanageChild(File_plot3ddata_dialog);
    Data_fileselect_get = saved_get_;
    Gexist[0] = Rexist[0] = 0;
    Data_format[0] = DATA_FORMAT_CASEFILE;
    take_error();
    StandinTest::TearDown();
  }
  // The section's Okay with geometry (and result) named.
  void open(const char *geometry, const char *result) {
    snprintf(Fsel.geom, sizeof Fsel.geom, "%s", geometry);
    snprintf(Fsel.result, sizeof Fsel.result, "%s", result);
    Data_format[0] = 1;
    ASSERT_EQ(data_read_byformat(), 1);
    ASSERT_TRUE(File_plot3ddata_dialog && XtIsManaged(File_plot3ddata_dialog));
  }
  int (*saved_get_)(Data_fileselect_rec *) = nullptr;
};

TEST_F(Plot3dDialog, OpeningPresetsTheReadControlsFromTheServersJudgement) {
  struct {
    const char *grid;
    bool iblanked, multi;
    const char *read_as, *dimension;
  } rows[] = {{"plot3d/zones3_c.xyz", true, true, "C Binary", "3D"},
              {"plot3d/zones3_fbe.xyz", true, true, "Fortran Binary", "3D"},
              {"plot3d/plane2d.xyz", false, false, "C Binary", "2D"},
              {"plot3d/line1d.xyz", false, false, "ASCII", "1D"}};
  for (auto &r : rows) {
    SCOPED_TRACE(r.grid);
    open(r.grid, "");
    EXPECT_EQ(XmToggleButtonGetState(File_plot3diblank_tggl), r.iblanked);
    EXPECT_EQ(XmToggleButtonGetState(File_plot3dmzone_tggl), r.multi);
    EXPECT_EQ(shown_row(File_plot3ascbin_optmen, File_plot3ascbin_menu), r.read_as);
    EXPECT_EQ(shown_row(File_plot3dim_optmen, File_plot3dim_menu), r.dimension);
    EXPECT_TRUE(XtIsSensitive(File_plot3dread_but));
    EXPECT_FALSE(XtIsSensitive(File_plot3dcreatby_form));
    EXPECT_EQ(text(File_plot3dread_geom), std::string(r.grid).substr(7));
  }
  EXPECT_EQ(count_of(server_log(), "plot3d_test"), 4) << server_log();
  EXPECT_EQ(server_log().find("read geom"), std::string::npos);
}

TEST_F(Plot3dDialog, AllThreeZonesRecordTheirNumbersAndNoRanges) {
  open("plot3d/zones3_c.xyz", "plot3d/zones3_c.q");
  xt_activate(File_plot3dread_but);
  ASSERT_EQ(Gexist[0], 1) << server_log();
  EXPECT_FALSE(XtIsSensitive(File_plot3dread_but));
  EXPECT_TRUE(XtIsSensitive(File_plot3dcreatby_form));
  EXPECT_EQ(xm_list_items(File_plot3dzones_list), std::vector<std::string>({"  1", "  2", "  3"}));
  // Zone 2 is the one with blanked nodes: it alone admits "Outside".
  select_zones({2});
  EXPECT_EQ(text(File_plot3dftstp_text[1]), "     4");
  EXPECT_TRUE(XtIsSensitive(File_plot3ddom_menu[1].widget));
  select_zones({1, 2, 3});
  EXPECT_FALSE(XtIsSensitive(File_plot3dftstp_text[0]));
  EXPECT_TRUE(XtIsSensitive(File_plot3dftstp_text[2]));
  EXPECT_FALSE(XtIsSensitive(File_plot3ddom_menu[1].widget));
  EXPECT_EQ(shown_row(File_plot3ddom_optmen, File_plot3ddom_menu), "Inside");
  std::string rec = recorded_lines([] { xt_activate(named("Plot3dCreate")); });
  EXPECT_EQ(take_error(), "");
  EXPECT_EQ(rec,
            "data_partbuild: plot3ddomain inside\n"
            "data_partbuild: plot3dselect_zone_begin\n"
            " 1  2  3 \n"
            "data_partbuild: plot3dselect_zone_end\n"
            "data_partbuild: plot3dstep 1 1 1\n"
            "data_partbuild: description \n"
            "data_partbuild: create\n");
  ASSERT_EQ(Num_p_loaded, 3);
  // The new parts are parents for iblank parts.
  EXPECT_EQ(xm_list_items(File_plot3diblankparent_list).size(), 3u);
  EXPECT_EQ(xm_list_items(File_plot3diblankvalues_list),
            std::vector<std::string>({"iblank -3", "iblank 0", "iblank 1"}));
  select_positions(File_plot3diblankparent_list, {1, 2});
  XmListSelectPos(File_plot3diblankvalues_list, 3, False);
  rec = recorded_lines([] { xt_activate(named("Plot3dIblankCreate")); });
  EXPECT_EQ(take_error(), "");
  EXPECT_EQ(rec,
            "data_partbuild: description \n"
            "data_partbuild: select_begin\n"
            " 1  2 \n"
            "data_partbuild: select_end\n"
            "data_partbuild: iblank_type iblank 1\n"
            "data_partbuild: create_iblank\n");
  EXPECT_EQ(Num_p_loaded, 4);
  xt_activate(named("Plot3dClose"));
  EXPECT_FALSE(XtIsManaged(File_plot3ddata_dialog));
  // The stop has no reply: the server logs it when it gets there.
  EXPECT_TRUE(xt_wait_for([this] { return server_log().find("stop plot3d parts") != std::string::npos; }));
}

TEST_F(Plot3dDialog, ASingleZoneIsChosenAtOnce) {
  open("plot3d/plane2d.xyz", "plot3d/plane2d.q");
  xt_activate(File_plot3dread_but);
  ASSERT_EQ(Gexist[0], 1) << server_log();
  std::vector<int> sel;
  int *pos = nullptr, n = 0;
  ASSERT_TRUE(XmListGetSelectedPos(File_plot3dzones_list, &pos, &n));
  EXPECT_EQ(n, 1);
  XtFree((char *)pos);
  EXPECT_FALSE(XtIsSensitive(File_plot3dzones_list));
  const char *want[6] = {"     1", "     6", "     1", "     5", "     1", "     1"};
  for (int a = 0; a < 3; a++)
    for (int k = 0; k < 2; k++) {
      EXPECT_EQ(text(File_plot3dftstp_text[a * 3 + k]), want[a * 2 + k]);
      EXPECT_EQ(text(File_plot3dminmax_text[a * 2 + k]), want[a * 2 + k]);
    }
  // The fields are checked before anything is recorded or asked for.
  struct {
    int field;
    const char *value;
    const char *error;
  } rows[] = {
      {0, "-3", "Minimum and Maximum values must be integers."},
      {1, "1.5", "Minimum and Maximum values must be integers."},
      {1, "     7", "Maximum value must be <= maximum data values of (MaxX = 6, MaxY = 5, MaxZ = 1)."},
      {3, "     0", "Minimum value must be >= 1."},
      {5, "", "Step values must be >= 1."},
      {8, "x", "Step values must be integers."},
  };
  for (auto &r : rows) {
    SCOPED_TRACE(r.value);
    select_zones({1});
    XmTextFieldSetString(File_plot3dftstp_text[r.field], const_cast<char *>(r.value));
    std::string rec = recorded_lines([] { xt_activate(named("Plot3dCreate")); });
    EXPECT_EQ(rec, "");
    EXPECT_EQ(take_error(), no_blanks(std::string("ERROR: ") + r.error));
    EXPECT_EQ(Num_p_loaded, 0);
    for (int s : {2, 5, 8}) XmTextFieldSetString(File_plot3dftstp_text[s], const_cast<char *>("1"));
  }
  // Blanks around a number are taken and the fields rewritten "%6d".
  select_zones({1});
  XmTextFieldSetString(File_plot3dftstp_text[1], const_cast<char *>("  5 "));
  std::string rec = recorded_lines([] { xt_activate(named("Plot3dCreate")); });
  EXPECT_EQ(take_error(), "");
  EXPECT_NE(rec.find("data_partbuild: plot3dnoderange_i 1 5\n"), std::string::npos) << rec;
  EXPECT_EQ(text(File_plot3dftstp_text[1]), "     5");
  EXPECT_EQ(text(File_plot3dftstp_text[2]), "     1");
  EXPECT_EQ(Num_p_loaded, 1);
}

// ---- zone tables set by hand, a scripted server ---------------------------------------

namespace {

// The current case's zone table: every zone 3 x 3 x 3, with these iblank flags.
void set_zones(const std::vector<int> &flags) {
  data_read_release(0);
  int n = (int)flags.size();
  int **arrays[4] = {&Plot3d_max_x[0], &Plot3d_max_y[0], &Plot3d_max_z[0], &Plot3d_d_flag[0]};
  for (int a = 0; a < 4; a++) {
    *arrays[a] = (int *)calloc(n, sizeof(int));
    for (int z = 0; z < n; z++) (*arrays[a])[z] = a < 3 ? 3 : flags[z];
  }
  Plot3d_max_zones[0] = n;
}

Bytes no_parts_map() { return str("use part numbers") + ints(std::vector<int>(5000, -1)); }

// The two exchanges that make part number of a whole 3 x 3 x 3 zone, the
// second answered status.
std::vector<CaseStep> zone_steps(int number, int zone, int status) {
  return {{str("create plot3d part") + i32(number) + ints({1, 3, 1, 1, 3, 1, 1, 3, 1}) + i32(1), i32(0)},
          {ints({zone}) + i32(1), i32(status)}};
}

std::string text_of(int number) {
  Part_rec *p = part_by_number(number);
  return p && p->build_text ? p->build_text : "";
}

// The lines of a part text that select zone z and its whole 3 x 3 x 3 range.
std::string own_zone_text(int z) {
  char zone[64];
  snprintf(zone, sizeof zone, "plot3dselect_zone_begin\n#%11d\n", z);
  return std::string(zone) +
         "# data_partbuild: plot3dselect_zone_end\n"
         "# data_partbuild: plot3dnoderange_i 1 3         \n"
         "# data_partbuild: plot3dnoderange_j 1 3         \n"
         "# data_partbuild: plot3dnoderange_k 1 3         \n";
}

}  // namespace

class Plot3dDialogScripted : public ReadingTest {
 protected:
  void SetUp() override {
    ReadingTest::SetUp();
    ASSERT_TRUE(xt_ui_shell());
    partbld_vals_reset();
    link_ = &connect_case(0);
    Data_format[0] = 1;
    Gexist[0] = 1;
  }
  void TearDown() override {
    if (File_plot3ddata_dialog) XtUnmanageChild(File_plot3ddata_dialog);
    Gexist[0] = 0;
    Data_format[0] = DATA_FORMAT_CASEFILE;
    data_read_release(0);
    take_error();
    ReadingTest::TearDown();
  }
  // The part-builder entry on a read case with these zone flags.
  void open(const std::vector<int> &flags) {
    set_zones(flags);
    ScriptedCase server(&link_->peer, {{str("get bnd list"), i32(0)}});
    data_pbuild_manageinit(1);
    EXPECT_EQ(server.finish(), "");
    ASSERT_TRUE(File_plot3ddata_dialog && XtIsManaged(File_plot3ddata_dialog));
  }
  CaseLink *link_ = nullptr;
};

TEST_F(Plot3dDialogScripted, DomainRowsFollowTheSelectedZonesFlags) {
  struct {
    std::vector<int> flags;
    bool inside, outside;
    const char *shown;
  } rows[] = {{{1, 0}, false, false, "All"},
              {{2, 1}, true, false, "Inside"},
              {{2, 2}, true, true, "Inside"},
              {{0, 2}, false, true, "Outside"},
              {{0}, false, true, "Outside"}};
  for (auto &r : rows) {
    SCOPED_TRACE(r.flags.size() * 10 + r.flags[0]);
    open(r.flags);
    select_zones(r.flags.size() == 1 ? std::vector<int>{1} : std::vector<int>{1, 2});
    EXPECT_EQ(XtIsSensitive(File_plot3ddom_menu[0].widget), r.inside);
    EXPECT_EQ(XtIsSensitive(File_plot3ddom_menu[1].widget), r.outside);
    EXPECT_TRUE(XtIsSensitive(File_plot3ddom_menu[2].widget));
    EXPECT_EQ(shown_row(File_plot3ddom_optmen, File_plot3ddom_menu), r.shown);
  }
}

TEST_F(Plot3dDialogScripted, SeventeenZonesRecordSixteenNumbersThenOne) {
  std::vector<int> all;
  for (int z = 1; z <= 17; z++) all.push_back(z);
  open(std::vector<int>(17, 2));
  select_zones(all);
  std::vector<CaseStep> steps = {{no_parts_map()}};
  for (int z = 1; z <= 17; z++) steps = steps + zone_steps(z, z, 0);
  steps = steps + new_parts_load_steps(all, 0, 10.0f);
  ScriptedCase server(&link_->peer, steps);
  std::string rec = recorded_lines([] { xt_activate(named("Plot3dCreate")); });
  EXPECT_EQ(server.finish(), "");
  EXPECT_EQ(take_error(), "");
  EXPECT_EQ(rec,
            "data_partbuild: plot3ddomain inside\n"
            "data_partbuild: plot3dselect_zone_begin\n"
            " 1  2  3  4  5  6  7  8  9  10  11  12  13  14  15  16 \n"
            " 17 \n"
            "data_partbuild: plot3dselect_zone_end\n"
            "data_partbuild: plot3dstep 1 1 1\n"
            "data_partbuild: description \n"
            "data_partbuild: create\n");
  ASSERT_EQ(Num_p_loaded, 17);
  for (int z : {1, 16, 17}) EXPECT_NE(text_of(z).find(own_zone_text(z)), std::string::npos) << text_of(z);
}

// Only 0 from the server is success: the zone it refused and those after
// it get no part, the parts made before keep their texts, the command fails
// and no "create" line is recorded.
TEST_F(Plot3dDialogScripted, ServerRefusalsAreReportedAndRecordNoCreate) {
  struct {
    int status;
    const char *error;
  } rows[] = {{-1, "Error creating PLOT3D part: No elements found for selection criteria chosen."},
              {2, "Error creating PLOT3D part: allocation or disk space problem with part map."},
              {1, "Error allocating memory"},
              {7, "Error creating PLOT3D part."}};
  open({2, 2, 2});
  for (auto &r : rows) {
    SCOPED_TRACE(r.status);
    clear_parts();
    select_zones({1, 2, 3});
    std::vector<CaseStep> steps = {{no_parts_map()}};
    steps = steps + zone_steps(1, 1, 0) + zone_steps(2, 2, r.status);
    steps.push_back(new_parts_load_steps({1}, 0, 10.0f)[1]);  // one part of several: no "minm"
    ScriptedCase server(&link_->peer, steps);
    Command_proc_err = 0;
    std::string rec = recorded_lines([] { xt_activate(named("Plot3dCreate")); });
    EXPECT_EQ(server.finish(), "");
    EXPECT_EQ(take_error(), no_blanks(std::string("ERROR: ") + r.error));
    EXPECT_EQ(Command_proc_err, 1);
    EXPECT_EQ(rec.find("data_partbuild: create\n"), std::string::npos) << rec;
    ASSERT_EQ(Num_p_loaded, 1);
    EXPECT_NE(text_of(1).find(own_zone_text(1)), std::string::npos) << text_of(1);
    EXPECT_EQ(part_by_number(2), nullptr);
  }
}

// A creation the dialog refuses records nothing, not even the lines that
// come before the failing check in the command's order.
TEST_F(Plot3dDialogScripted, RefusedCreationsRecordNothing) {
  open({2, 2});
  XmListDeselectAllItems(File_plot3dzones_list);
  data_plot3d_zoneinit();
  std::string rec = recorded_lines([] { xt_activate(named("Plot3dCreate")); });
  EXPECT_EQ(take_error(), no_blanks("ERROR: A zone must be selected to create a part."));
  EXPECT_EQ(rec, "");

  rec = recorded_lines([] { xt_activate(named("Plot3dIblankCreate")); });
  EXPECT_EQ(take_error(), no_blanks("ERROR: Please select from the Iblank values list before creating parts."));
  EXPECT_EQ(rec, "");

  XmString item = XmStringCreateLocalized(const_cast<char *>("iblank 1"));
  XmListAddItem(File_plot3diblankvalues_list, item, 0);
  XmStringFree(item);
  XmListSelectPos(File_plot3diblankvalues_list, 1, False);
  XmTextFieldSetString(File_plot3diblankdesc_text, const_cast<char *>("holes"));
  ScriptedCase server(&link_->peer, {{str("get bnd list"), i32(1) + str("iblank 1")}});
  rec = recorded_lines([] { xt_activate(named("Plot3dIblankCreate")); });
  EXPECT_EQ(server.finish(), "");
  EXPECT_EQ(take_error(), no_blanks("ERROR: Please select from the parent part list before creating parts."));
  EXPECT_EQ(rec, "");
  EXPECT_EQ(Num_p_loaded, 0);
}
