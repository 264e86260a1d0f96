// The ESTET part loader "readestetfile", the ESTET Vector Builder
// "estetvctbld" and the N3S part loader "readn3sfile" as the user drives
// them, in process against a scripted case server: the rows and fields an
// initialisation shows, the checks of the typed ranges, the modal builder
// closed by "Okay" or by the window manager, and the N3S criteria with the
// requests, lines and names each makes.
#include <gtest/gtest.h>

#include <Xm/List.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../../unit/data/data_fixture.h"
#include "client/command_dlog.h"
#include "data/data_section.h"
#include "data/estet_loader.h"
#include "data/estet_vctbld.h"
#include "data/n3s_loader.h"
#include "data/part_create.h"
#include "data/partbuild.h"
#include "data/ui/data_windep.h"
#include "data/ui/estet_dialog.h"
#include "data/ui/n3s_dialog.h"
#include "parts/attribute.h"
#include "record_capture.h"
#include "ui/general_windep.h"
#include "ui/menus.h"
#include "xm_lists.h"
#include "xt_shell.h"

using namespace qtest;

namespace {

Bytes no_parts_map() { return str("use part numbers") + ints(std::vector<int>(5000, -1)); }
CaseStep bnd_step() { return {str("get bnd list"), i32(2) + str("inside") + str("outside")}; }

Widget named(Widget dialog, const char *name) {
  return XtNameToWidget(dialog, (std::string("*") + name).c_str());
}

std::string shown_row(Widget optmen, Menu_item_rec *rows) {
  int r = XtarvOptionMenuCurrentState(optmen, rows);
  return r >= 0 ? rows[r].label : "";
}

std::string text_of(int number) {
  Part_rec *p = part_by_number(number);
  return p && p->build_text ? p->build_text : "";
}

// The error box's text, blanks and line breaks aside ("" none); taken down.
std::string squeezed(std::string s) {
  s.erase(std::remove_if(s.begin(), s.end(), [](char c) { return c == ' ' || c == '\n'; }), s.end());
  return s;
}
std::string error_shown() {
  if (!Err_dialog || !XtIsManaged(Err_dialog)) return "";
  std::string out = xm_label_text(Disperr_errlabel);
  XtUnmanageChild(Err_dialog);
  return squeezed(out);
}

int Results_from = -1;

}  // namespace

class EstetN3sDialogs : public ReadingTest {
 protected:
  void SetUp() override {
    ReadingTest::SetUp();
    ASSERT_TRUE(xt_ui_shell());
    partbld_vals_reset();
    Gexist[0] = Rexist[0] = 1;
    Data_format[0] = 4;
    Max_x_node[0] = 17, Max_y_node[0] = 9, Max_z_node[0] = 5;
    Bc_flag[0] = 2;
    link_ = &connect_case(0);
    Results_from = -1;
    Data_active_results_exist = [] { return 1; };
    Data_newpart_results = [](int from) { Results_from = from; };
  }
  void TearDown() override {
    for (Widget d : {File_estetdata_dialog, File_n3sdata_dialog})
      if (d) XtUnmanageChild(d);
    Data_active_results_exist = nullptr;
    Data_newpart_results = nullptr;
    Gexist[0] = Rexist[0] = 0;
    Data_format[0] = DATA_FORMAT_CASEFILE;
    xt_take_error();
    ReadingTest::TearDown();
  }
  // Opens the ESTET loader as the File menu's part-builder entry does.
  void open_estet() {
    ScriptedCase server(&link_->peer, {bnd_step()});
    data_pbuild_manageinit(4);
    EXPECT_EQ(server.finish(), "");
    ASSERT_TRUE(File_estetdata_dialog && XtIsManaged(File_estetdata_dialog));
  }
  void type_ranges(const std::vector<const char *> &v) {
    for (int k = 0; k < 9; k++) XmTextFieldSetString(File_estetftstp_text[k], const_cast<char *>(v[k]));
  }
  CaseLink *link_ = nullptr;
};

// ---- the ESTET part loader --------------------------------------------------------------

TEST_F(EstetN3sDialogs, EstetDomainRowsAndRangesFollowTheCase) {
  struct {
    int bc_flag;
    bool inside, outside;
    const char *shown;
  } rows[] = {{0, false, true, "Outside"}, {2, true, true, "Inside"}, {3, false, false, "All"}};
  for (auto &r : rows) {
    SCOPED_TRACE(r.bc_flag);
    Bc_flag[0] = r.bc_flag;
    open_estet();
    EXPECT_EQ(XtIsSensitive(File_estetdom_menu[0].widget) != 0, r.inside);
    EXPECT_EQ(XtIsSensitive(File_estetdom_menu[1].widget) != 0, r.outside);
    EXPECT_TRUE(XtIsSensitive(File_estetdom_menu[2].widget));
    EXPECT_EQ(shown_row(File_estetdom_optmen, File_estetdom_menu), r.shown);
  }
  EXPECT_EQ(xt_field_text(File_estetftstp_text[1]), "    17");
  EXPECT_EQ(xt_field_text(File_estetftstp_text[2]), "     1");
  // Another case's mesh: the typed From/To stay, an emptied To is
  // refilled, Min and Max show the new extents.
  XmTextFieldSetString(File_estetftstp_text[1], const_cast<char *>("12"));
  XmTextFieldSetString(File_estetftstp_text[4], const_cast<char *>(""));
  Max_x_node[0] = 30, Max_y_node[0] = 20, Max_z_node[0] = 10;
  open_estet();
  EXPECT_EQ(xt_field_text(File_estetftstp_text[1]), "12");
  EXPECT_EQ(xt_field_text(File_estetftstp_text[4]), "    20");
  EXPECT_EQ(xt_field_text(File_estetminmax_text[1]), "    30");
  EXPECT_EQ(xt_field_text(File_estetminmax_text[5]), "    10");
  // The iblank values list is the shared one of the loaders.
  EXPECT_EQ(xm_list_items(File_estetiblankvalues_list), std::vector<std::string>({"inside", "outside"}));
}

TEST_F(EstetN3sDialogs, EstetRangeFieldsAreCheckedBeforeAnythingIsRecordedOrSent) {
  open_estet();
  struct {
    int field;
    const char *value;
    const char *error;  // null: accepted and sent
  } rows[] = {
      {0, "-1", "Minimum and Maximum values must be integers."},
      {4, "1.5", "Minimum and Maximum values must be integers."},
      {8, "x", "Minimum and Maximum values must be integers."},
      {1, "18", "Maximum value must be <= maximum data values of (MaxX = 17, MaxY = 9, MaxZ = 5)."},
      {5, "0", "Step values must be >= 1."},
      {1, "17", nullptr},
  };
  for (auto &r : rows) {
    SCOPED_TRACE(r.value);
    type_ranges({"1", "17", "1", "1", "9", "1", "1", "5", "2"});
    XmTextFieldSetString(File_estetftstp_text[r.field], const_cast<char *>(r.value));
    std::vector<CaseStep> steps;
    if (!r.error)
      steps = {{no_parts_map()},
               {str("create estet part") + i32(1) + ints({1, 17, 1, 1, 9, 1, 1, 5, 2}) + i32(1), i32(-1)}};
    ScriptedCase server(&link_->peer, steps);
    std::string rec = recorded_lines([] { xt_activate(named(File_estetdata_dialog, "estcreate")); });
    EXPECT_EQ(server.finish(), "");
    if (r.error) {
      EXPECT_EQ(rec, "");
      EXPECT_EQ(error_shown(), squeezed(std::string("ERROR: ") + r.error));
      EXPECT_EQ(xt_field_text(File_estetftstp_text[r.field]), r.value);  // nothing rewritten
    } else {
      EXPECT_NE(rec.find("data_partbuild: estetnoderange_i 1 17\n"), std::string::npos) << rec;
      EXPECT_EQ(error_shown(),
                squeezed("ERROR: Error creating ESTET part: No elements found for selection criteria chosen."));
      EXPECT_EQ(rec.find("data_partbuild: create"), std::string::npos) << rec;
    }
  }
  // The window manager's close acts as "Close".
  ScriptedCase server(&link_->peer, {{str("stop estet parts")}});
  xt_wm_close(File_estetdata_dialog);
  EXPECT_TRUE(xt_wait_for([] { return !XtIsManaged(File_estetdata_dialog); }));
  EXPECT_EQ(server.finish(), "");
}

// ---- the Vector Builder -------------------------------------------------------------------

namespace {
const Bytes Scalars = i32(3) + str("P") + str("U") + str("W") + i32(0);
}

// The builder from the dialog read: Z alone, a second vector from an empty
// choice, then "Okay" (or the window manager's close): "finish vector
// combine" once, the builder destroyed, the ESTET loader opened.
TEST_F(EstetN3sDialogs, VectorBuilderBuildsFromZAloneAndClosesOnce) {
  for (bool by_wm : {false, true}) {
    SCOPED_TRACE(by_wm ? "window manager's close" : "Okay");
    Data_estvb_closed = 0;
    std::vector<CaseStep> steps = {{str("orig avail scalars"), Scalars}};
    if (!by_wm) steps.push_back({str("combine to vector") + ints({-1, -1, 2}) + str("vz"), i32(0)});
    steps.push_back({str("finish vector combine")});
    steps.push_back(bnd_step());
    ScriptedCase server(&link_->peer, steps);
    std::string built, err, second_error;
    std::string rec = recorded_lines([&] {
      xt_after(50, [&] {
        ASSERT_TRUE(File_estetvctbld_dialog && XtIsManaged(File_estetvctbld_dialog));
        EXPECT_EQ(xm_list_items(File_estvb_list), std::vector<std::string>({"P", "U", "W"}));
        if (by_wm) return xt_wm_close(File_estetvctbld_dialog);
        XmListSelectPos(File_estvb_list, 3, False);
        xt_activate(named(File_estetvctbld_dialog, "estvbsetz"));
        EXPECT_EQ(xt_field_text(File_estvb_zcomp), "W");
        XmTextFieldSetString(File_estvb_vctname, const_cast<char *>("vz"));
        xt_activate(named(File_estetvctbld_dialog, "estvbbuild"));
        built = xm_list_items(File_estnewvct_list).empty() ? "" : xm_list_items(File_estnewvct_list)[0];
        EXPECT_EQ(xt_field_text(File_estvb_zcomp), "");
        EXPECT_EQ(xt_field_text(File_estvb_vctname), "");
        // A second vector starts from an empty choice.
        XmTextFieldSetString(File_estvb_vctname, const_cast<char *>("next"));
        xt_activate(named(File_estetvctbld_dialog, "estvbbuild"));
        second_error = error_shown();
        xt_activate(named(File_estetvctbld_dialog, "estvbokay"));
      });
      Estet_vctbld_windep.run();
    });
    EXPECT_EQ(server.finish(), "");
    EXPECT_EQ(File_estetvctbld_dialog, nullptr);
    EXPECT_EQ(Data_estvb_closed, 1);
    ASSERT_TRUE(File_estetdata_dialog && XtIsManaged(File_estetdata_dialog));
    XtUnmanageChild(File_estetdata_dialog);
    if (by_wm) {
      EXPECT_EQ(rec, "data_partbuild: begin\n");
      continue;
    }
    EXPECT_EQ(built, "vz");
    EXPECT_EQ(second_error, squeezed("ERROR: To build a vector you must have at least 1 component specified."));
    EXPECT_EQ(rec,
              "data_partbuild: estetvectordesc vz\n"
              "data_partbuild: estetvector_z W\n"
              "data_partbuild: estetbuildvector\n"
              "data_partbuild: begin\n");
  }
}

// ---- the N3S part loader ------------------------------------------------------------------

class N3sDialog : public EstetN3sDialogs {
 protected:
  void SetUp() override {
    EstetN3sDialogs::SetUp();
    Data_format[0] = 3;
  }
  void open() {
    ScriptedCase none(&link_->peer, {});
    data_pbuild_manageinit(3);
    EXPECT_EQ(none.finish(), "");
    ASSERT_TRUE(File_n3sdata_dialog && XtIsManaged(File_n3sdata_dialog));
  }
  bool list_on(Widget list) { return XtIsSensitive(XtParent(list)) != 0; }
};

TEST_F(N3sDialog, EachCriterionMakesItsPartWithItsLines) {
  struct {
    const char *what;
    Widget *toggle;                   // null: "All Elements" as built
    std::vector<int> conditions;      // condition numbers of the case
    std::vector<int> color_sel, code_sel;
    const char *typed;                // description typed
    Bytes request;
    std::string name;
    std::vector<std::string> lines;   // recorded, create last
  } rows[] = {
      {"fresh dialog", nullptr, {2}, {}, {}, "", n3s_request(1, -1, {}), "Part by All Elements",
       {"description Part by All Elements", "n3sall_elements", "create"}},
      {"colour 7", &File_n3scolnum_tggl, {2}, {2}, {}, "", n3s_request(1, 7, {}), "Part by Color # 7",
       {"description Part by Color # 7", "n3scolor_number 7", "create"}},
      {"condition 2, codes 1 and 3", &File_n3sbndinf_tggl, {2}, {}, {2, 3}, "walls",
       n3s_request(1, 2, {1, 3}), "walls",
       {"description walls", "n3sboundary", "n3scondition Wall", "n3scode Homogeneous Dirichlet",
        "n3scode Friction Condition", "create"}},
      {"long name drops codes from the name only; code 4", &File_n3sbndinf_tggl, {6}, {}, {1, 2, 3, 4}, "",
       n3s_request(1, 6, {0, 1, 3, 4}), "Part by Bound Cond A long cond name xyz Code(s)",
       {"description Part by Bound Cond A long cond name xyz Code(s)", "n3sboundary",
        "n3scondition A long cond name xyz", "n3scode Free Node", "n3scode Homogeneous Dirichlet",
        "n3scode Friction Condition", "n3scode Friction Condition", "create"}},
  };
  for (auto &r : rows) {
    SCOPED_TRACE(r.what);
    clear_parts();
    n3s_tables(r.conditions, {{0, 1, 3, 4}});
    open();
    if (!r.toggle) {
      // Clicking the set toggle leaves it set; no list is offered.
      XmToggleButtonSetState(File_n3sallelm_tggl, False, True);
      EXPECT_TRUE(XmToggleButtonGetState(File_n3sallelm_tggl));
      EXPECT_FALSE(list_on(File_n3scol_list) || list_on(File_n3sbndcond_list) || list_on(File_n3sbndcode_list));
    } else {
      XmToggleButtonSetState(*r.toggle, True, True);
      EXPECT_FALSE(XmToggleButtonGetState(File_n3sallelm_tggl));
      bool colour = *r.toggle == File_n3scolnum_tggl;
      EXPECT_EQ(list_on(File_n3scol_list), colour);
      EXPECT_EQ(list_on(File_n3sbndcode_list), !colour);
    }
    for (int p : r.color_sel) XmListSelectPos(File_n3scol_list, p, False);
    for (int p : r.code_sel) XmListSelectPos(File_n3sbndcode_list, p, False);
    XmTextFieldSetString(File_ns3desc_text, const_cast<char *>(r.typed));
    ScriptedCase server(&link_->peer, std::vector<CaseStep>{{no_parts_map()}, {r.request, i32(0)}} +
                                          new_parts_load_steps({1}));
    std::string rec = recorded_lines([] { xt_activate(named(File_n3sdata_dialog, "n3screate")); });
    EXPECT_EQ(server.finish(), "");
    EXPECT_EQ(error_shown(), "");
    ASSERT_EQ(Num_p_loaded, 1);
    EXPECT_EQ(parts[0]->name, r.name);
    EXPECT_EQ(xt_field_text(File_ns3desc_text), "");
    std::string want, kept;
    pbuild_recorded_and_kept(r.lines, &want, &kept);
    EXPECT_EQ(rec, want);
    EXPECT_EQ(text_of(1), kept);
    XmToggleButtonSetState(File_n3sallelm_tggl, True, True);
  }
}

TEST_F(N3sDialog, NoCodeIsRefusedAndTheCloseReportsTheStopAndLoadsTheVariables) {
  n3s_tables({2, 6}, {{0, 1, 3}, {4}});
  open();
  XmToggleButtonSetState(File_n3sbndinf_tggl, True, True);
  EXPECT_EQ(xm_list_items(File_n3sbndcond_list), std::vector<std::string>({"Wall", "A long cond name xyz"}));
  EXPECT_EQ(xm_list_items(File_n3sbndcode_list),
            std::vector<std::string>({" 0 Free Node", " 1 Homogeneous Dirichlet", " 3 Friction Condition"}));
  // Selecting another condition shows its codes.
  XmListSelectPos(File_n3sbndcond_list, 2, True);
  EXPECT_EQ(xm_list_items(File_n3sbndcode_list), std::vector<std::string>({" 4 Friction Condition"}));
  {
    ScriptedCase none(&link_->peer, {});
    std::string rec = recorded_lines([] { xt_activate(named(File_n3sdata_dialog, "n3screate")); });
    EXPECT_EQ(none.finish(), "");
    EXPECT_EQ(rec, "");
    EXPECT_EQ(error_shown(), squeezed("ERROR: No boundary codes selected."));
  }
  XmToggleButtonSetState(File_n3sallelm_tggl, True, True);
  ScriptedCase server(&link_->peer, std::vector<CaseStep>{{no_parts_map()}, {n3s_request(1, -1, {}), i32(0)}} +
                                        new_parts_load_steps({1}) +
                                        std::vector<CaseStep>{{str("stop n3s parts"), i32(4)}});
  xt_activate(named(File_n3sdata_dialog, "n3screate"));
  std::string rec = recorded_lines([] { xt_activate(named(File_n3sdata_dialog, "n3sclose")); });
  EXPECT_EQ(server.finish(), "");
  EXPECT_EQ(error_shown(), squeezed("ERROR: Error writing tmp to disk, will not be able to create more parts."));
  EXPECT_EQ(rec, "data_partbuild: end\n");
  EXPECT_FALSE(XtIsManaged(File_n3sdata_dialog));
  EXPECT_EQ(Results_from, 0);
}
