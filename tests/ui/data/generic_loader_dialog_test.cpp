// "DataGenericDialog" as the user drives it, against a scripted case
// server: the range fields and domain rows that follow the list's
// selection, the lines a creation records and the build text each new part
// keeps, the refusals of bad ranges (which record nothing), and the
// element representation set for new parts and put back on Close.
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
#include "data/generic_loader.h"
#include "data/partbuild.h"
#include "data/ui/data_windep.h"
#include "record_capture.h"
#include "ui/general_windep.h"
#include "ui/menus.h"
#include "xm_lists.h"
#include "xt_shell.h"

using namespace qtest;

namespace {

Bytes parts_map() {
  std::vector<int> map(5000, -1);
  for (int i = 0; i < Num_p_loaded; i++) map[parts[i]->number] = i;
  return str("use part numbers") + ints(map);
}

CaseStep bnd_step() { return {str("get bnd list"), i32(0)}; }

std::vector<int> one_to(int n) {
  std::vector<int> v;
  for (int k = 1; k <= n; k++) v.push_back(k);
  return v;
}

Widget named(const char *name) {
  return XtNameToWidget(File_genericdata_dialog, (std::string("*") + name).c_str());
}

std::string no_blanks(std::string s) {
  s.erase(std::remove_if(s.begin(), s.end(), [](char c) { return c == ' ' || c == '\n'; }), s.end());
  return s;
}

// The whole text of the error box without its blanks (the box breaks long
// lines at one); "" when none is shown. The box is taken down.
std::string take_error() {
  if (!Err_dialog || !XtIsManaged(Err_dialog)) return "";
  std::string out = xm_label_text(Disperr_errlabel);
  XtUnmanageChild(Err_dialog);
  return no_blanks(out);
}

std::string text_of(int number) {
  Part_rec *p = part_by_number(number);
  return p && p->build_text ? p->build_text : "";
}

}  // namespace

class GenericDialog : public ReadingTest {
 protected:
  void SetUp() override {
    ReadingTest::SetUp();
    ASSERT_TRUE(xt_ui_shell());
    partbld_vals_reset();
    Data_format[0] = DATA_FORMAT_CASEFILE;
    Gexist[0] = 1;
    link_ = &connect_case(0);
    float d[PART_ATTR_SLOTS];
    part_attributes(-1, PART_MODEL, d, nullptr, nullptr, nullptr, 0);
    saved_rep_ = d[SLOT_ELT_REP];
  }
  void TearDown() override {
    if (File_genericdata_dialog) XtUnmanageChild(File_genericdata_dialog);
    float d[PART_ATTR_SLOTS];
    part_attributes(-1, PART_MODEL, d, nullptr, nullptr, nullptr, 0);
    d[SLOT_ELT_REP] = saved_rep_;
    part_attributes(-1, PART_MODEL, d, nullptr, nullptr, nullptr, 1);
    Gexist[0] = 0;
    Num_unstruct[0] = Num_struct[0] = 0;
    xt_take_error();
    ReadingTest::TearDown();
  }
  // Offers records of the kinds and opens the loader on them.
  void open(const std::vector<int> &kinds, bool structured) {
    offer_records(kinds);
    Num_unstruct[0] = Num_struct[0] = 0;
    for (int k : kinds) (k ? Num_struct[0] : Num_unstruct[0])++;
    // The loader starts from the unstructured section; a swap initialises again.
    if (Data_generic_unstruct_tggl) {
      XmToggleButtonSetState(Data_generic_unstruct_tggl, True, False);
      XmToggleButtonSetState(Data_generic_struct_tggl, False, False);
    }
    std::vector<CaseStep> steps = {bnd_step()};
    bool swap = structured && Num_unstruct[0] > 0;
    if (swap) steps.push_back(bnd_step());
    ScriptedCase server(&link_->peer, steps);
    data_pbuild_manageinit(DATA_FORMAT_CASEFILE);
    if (swap) XmToggleButtonSetState(Data_generic_struct_tggl, True, True);
    EXPECT_EQ(server.finish(), "");
    ASSERT_TRUE(XtIsManaged(File_genericdata_dialog));
  }
  void select(const std::vector<int> &positions) {
    XmListDeselectAllItems(Data_generic_part_list);
    for (int p : positions) XmListSelectPos(Data_generic_part_list, p, True);
  }
  void set(int field, const char *text) { XmTextFieldSetString(Data_generic_fields[field], (char *)text); }
  CaseLink *link_ = nullptr;
  float saved_rep_ = 0;
};

TEST_F(GenericDialog, TwoStructuredPartsRecordStepsAndKeepTheirOwnRanges) {
  open({1, 0, 1, 1}, true);
  Pbuild[0][3].dims[0] = 12;
  select({1, 3});
  for (int k : {0, 1, 3, 4, 6, 7}) EXPECT_FALSE(XtIsSensitive(Data_generic_fields[GEN_RANGE + k])) << k;
  EXPECT_TRUE(XtIsSensitive(Data_generic_fields[GEN_RANGE + 2]));
  std::vector<CaseStep> steps = {
      {parts_map()},
      {str("create quivane parts") + i32(2) + i32(1) + ints({1, 4}) + ints({1, 10, 1, 1, 7, 1, 1, 4, 1}) +
           i32(0) + ints({1, 12, 1, 1, 7, 1, 1, 4, 1}) + i32(0),
       i32(2) + ints({1, 2}) + ints({1, 4}) + i32(0)}};
  for (const CaseStep &st : new_parts_load_steps({1, 2}, 0, 10.0f)) steps.push_back(st);
  ScriptedCase server(&link_->peer, steps);
  std::string rec = recorded_lines([&] { xt_activate(named("DataGenericStCreate")); });
  EXPECT_EQ(server.finish(), "");
  EXPECT_EQ(rec,
            "data_partbuild: data_type structured\n"
            "data_partbuild: select_begin\n"
            " 1  3 \n"
            "data_partbuild: select_end\n"
            "data_partbuild: domain outside\n"
            "data_partbuild: nodestep 1 1 1\n"
            "data_partbuild: description \n"
            "data_partbuild: create\n");
  ASSERT_EQ(Num_p_loaded, 2);
  EXPECT_NE(text_of(1).find("noderange_i 1 10 "), std::string::npos) << text_of(1);
  EXPECT_NE(text_of(2).find("noderange_i 1 12 "), std::string::npos) << text_of(2);
}

TEST_F(GenericDialog, LoadAllRecordsSelectAllAndSelectedNumbersSixteenToALine) {
  open(std::vector<int>(40, 0), false);
  std::vector<CaseStep> steps = {
      {parts_map()},
      {str("create quivane parts") + i32(40) + i32(0) + ints(one_to(40)),
       i32(40) + ints(one_to(40)) + ints(one_to(40)) + i32(0)}};
  for (const CaseStep &st : new_parts_load_steps(one_to(40), 0, 10.0f)) steps.push_back(st);
  {
    ScriptedCase server(&link_->peer, steps);
    std::string rec = recorded_lines([&] { xt_activate(named("DataGenericLoadAll")); });
    EXPECT_EQ(server.finish(), "");
    EXPECT_NE(rec.find("data_partbuild: select_all\n"), std::string::npos) << rec;
    EXPECT_EQ(rec.find("select_begin"), std::string::npos) << rec;
  }
  ASSERT_EQ(Num_p_loaded, 40);
  for (int k = 1; k <= 40; k++) {
    char sel[32];
    snprintf(sel, sizeof sel, "\n#%11d\n", k);
    EXPECT_NE(text_of(k).find(sel), std::string::npos) << k << text_of(k);
  }
  // Twenty selected: the numbers go on two lines, the server's failure is shown.
  select(one_to(20));
  ScriptedCase server(&link_->peer, {{parts_map()},
                                     {str("create quivane parts") + i32(20) + i32(0) + ints(one_to(20)),
                                      i32(0) + i32(3)}});
  std::string rec = recorded_lines([&] { xt_activate(named("DataGenericLoadSelected")); });
  EXPECT_EQ(server.finish(), "");
  EXPECT_EQ(rec,
            "data_partbuild: data_type unstructured\n"
            "data_partbuild: select_begin\n"
            " 1  2  3  4  5  6  7  8  9  10  11  12  13  14  15  16 \n"
            " 17  18  19  20 \n"
            "data_partbuild: select_end\n"
            "data_partbuild: description \n");
  EXPECT_EQ(xt_take_error(), "ERROR: Error reading Quivane file.");
}

// A refused range records nothing and asks nothing of the server.
TEST_F(GenericDialog, BadRangesAreRefusedBeforeAnythingIsRecorded) {
  open({1, 1}, true);
  struct {
    int field;
    const char *value;
    const char *error;
  } rows[] = {
      {GEN_RANGE + 1, "    11", "ERROR: Maximum value must be <= maximum data values of (MaxX = 10, MaxY = 7, MaxZ = 4)."},
      {GEN_RANGE + 0, "     0", "ERROR: Minimum value must be >= 1."},
      {GEN_RANGE + 8, "    1x", "ERROR: Minimum and Maximum values must be integers."},
  };
  for (auto &r : rows) {
    SCOPED_TRACE(r.value);
    select({1});
    EXPECT_EQ(std::string(XmTextFieldGetString(Data_generic_fields[GEN_RANGE + 4])), "     7");
    set(r.field, r.value);
    std::string rec = recorded_lines([&] { xt_activate(named("DataGenericStCreate")); });
    EXPECT_EQ(rec, "");
    EXPECT_EQ(take_error(), no_blanks(r.error));
    EXPECT_EQ(Num_p_loaded, 0);
  }
}

TEST_F(GenericDialog, FeatureAngleForNewPartsIsRecordedFirstAndPutBackOnClose) {
  float d[PART_ATTR_SLOTS];
  part_attributes(-1, PART_MODEL, d, nullptr, nullptr, nullptr, 0);
  d[SLOT_ELT_REP] = 1.0f;  // Border
  part_attributes(-1, PART_MODEL, d, nullptr, nullptr, nullptr, 1);
  open({0}, false);
  EXPECT_FALSE(XtIsSensitive(Data_generic_fields[GEN_FANGLE]));
  XtarvOptionMenuSetState(Data_generic_elmrep_optmen, Data_generic_elmrep_menu, 2, 1);
  EXPECT_TRUE(XtIsSensitive(Data_generic_fields[GEN_FANGLE]));
  set(GEN_FANGLE, " 30.0");
  select({1});
  std::vector<CaseStep> steps = {{parts_map()},
                                 {str("create quivane parts") + i32(1) + i32(0) + ints({1}),
                                  i32(1) + ints({1}) + ints({1}) + i32(0)}};
  for (const CaseStep &st : new_parts_load_steps({1}, 2, 30.0f)) steps.push_back(st);
  std::string rec;
  {
    ScriptedCase server(&link_->peer, steps);
    rec = recorded_lines([&] { xt_activate(named("DataGenericLoadSelected")); });
    EXPECT_EQ(server.finish(), "");
  }
  // The changed defaults come first, as a "part:" block after select_default.
  EXPECT_EQ(rec.find("part: select_default\npart: modify_begin\n"), 0u) << rec;
  size_t end = rec.find("part: modify_end\n"), type = rec.find("data_partbuild: data_type unstructured");
  ASSERT_NE(end, std::string::npos) << rec;
  EXPECT_LT(end, type) << rec;
  ASSERT_EQ(Num_p_loaded, 1);
  EXPECT_EQ(parts[0]->attributes[SLOT_ELT_REP], 2.0f);
  EXPECT_EQ(parts[0]->attributes[SLOT_FEATURE_ANGLE], 30.0f);

  ScriptedCase server(&link_->peer, {{str("stop quivane parts")}});
  rec = recorded_lines([&] { xt_activate(named("DataGenericUnstClose")); });
  EXPECT_EQ(server.finish(), "");
  EXPECT_FALSE(XtIsManaged(File_genericdata_dialog));
  EXPECT_EQ(rec.find("data_partbuild: end\npart: select_default\npart: modify_begin\n"), 0u) << rec;
  part_attributes(-1, PART_MODEL, d, nullptr, nullptr, nullptr, 0);
  EXPECT_EQ(d[SLOT_ELT_REP], 1.0f);
}

TEST_F(GenericDialog, DomainRowsFollowTheSelectedPartsIblankCodes) {
  open({1, 1, 1}, true);
  struct {
    std::vector<int> codes;
    bool inside, outside;
    const char *shown;
  } rows[] = {{{0}, false, true, "Outside"}, {{1, 2}, true, false, "Inside"}, {{0, 1}, false, false, "All"}};
  for (auto &r : rows) {
    SCOPED_TRACE(r.shown);
    std::vector<int> positions;
    for (size_t k = 0; k < r.codes.size(); k++) {
      Pbuild[0][k].iblank_option = r.codes[k];
      positions.push_back((int)k + 1);
    }
    select(positions);
    EXPECT_EQ(XtIsSensitive(Data_generic_domain_menu[0].widget) == True, r.inside);
    EXPECT_EQ(XtIsSensitive(Data_generic_domain_menu[1].widget) == True, r.outside);
    EXPECT_TRUE(XtIsSensitive(Data_generic_domain_menu[2].widget));
    int row = XtarvOptionMenuCurrentState(Data_generic_domain_optmen, Data_generic_domain_menu);
    ASSERT_GE(row, 0);
    EXPECT_STREQ(Data_generic_domain_menu[row].label, r.shown);
  }
}

// An iblanked creation missing its iblank value is refused with nothing
// recorded: a replay of a half-recorded creation would act on it.
TEST_F(GenericDialog, IblankCreationWithoutAValueRecordsNothing) {
  model_part(1, "block A")->structured = 1;
  open({1}, true);
  int count = 0;
  XtVaGetValues(Data_generic_iblankparent_list, XmNitemCount, &count, nullptr);
  ASSERT_EQ(count, 1);
  XmListSelectPos(Data_generic_iblankparent_list, 1, False);
  ScriptedCase server(&link_->peer, {{str("get bnd list"), i32(2) + str("inside") + str("outside")}});
  std::string rec = recorded_lines([&] { xt_activate(named("DataGenericIblankCreate")); });
  EXPECT_EQ(server.finish(), "");
  EXPECT_EQ(rec, "");
  EXPECT_EQ(xt_take_error(), "ERROR: Please select from the Iblank values list before creating parts.");
}
