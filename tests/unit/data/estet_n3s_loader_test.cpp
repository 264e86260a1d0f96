// The ESTET and N3S part loaders and the ESTET Vector Builder against a
// scripted case server: the requests each path sends, the lines it records
// and the build text each new part keeps, and the refusals. The dialogs
// are stood in for by plain fields behind the loaders' windep hooks.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <map>

#include "client/command_dlog.h"
#include "data/data_section.h"
#include "data/estet_loader.h"
#include "data/estet_vctbld.h"
#include "data/generic_loader.h"
#include "data/n3s_loader.h"
#include "data/part_create.h"
#include "data/partbuild.h"
#include "data/readcmds.h"
#include "data/vctbld.h"
#include "data_fixture.h"
#include "parts/attribute.h"
#include "record_capture.h"

using namespace qtest;

namespace {

Bytes no_parts_map() { return str("use part numbers") + ints(std::vector<int>(5000, -1)); }

std::string text_of(int number) {
  Part_rec *p = part_by_number(number);
  return p && p->build_text ? p->build_text : "";
}

// ---- a stand-in for the dialogs ---------------------------------------------------------

struct Fake_dialog {
  bool shown = true, exists = true, hidden = false, destroyed = false, show_called = false;
  std::map<int, std::string> text;           // fields by number
  std::map<int, std::vector<int>> sel;       // list selections by list
  std::map<int, std::vector<std::string>> lists;
  int criterion = N3S_ALL, elemrep = 0, domain = 1, form_on = -1;
  int rows[3] = {-1, -1, -1};                // inside, outside, shown
  std::string components[3], name;
  std::vector<std::string> built;
};
Fake_dialog D;


void install_fakes() {
  D = Fake_dialog();
  Estet_loader_windep = Generic_loader_windep_rec{};
  Generic_loader_windep_rec &e = Estet_loader_windep;
  e.shown = [] { return D.shown ? 1 : 0; };
  e.selected = [](int list, std::vector<int> *out) { *out = D.sel[list]; };
  e.set_elemrep = [](int rep) { D.elemrep = rep; };
  e.elemrep = [] { return D.elemrep; };
  e.get_text = [](int f, std::string *out) { *out = D.text[f]; };
  e.set_text = [](int f, const char *t) { D.text[f] = t; };
  e.domain = [] { return D.domain; };
  e.domain_rows = [](int in, int out, int shown) { D.rows[0] = in, D.rows[1] = out, D.rows[2] = shown; };
  e.hide = [] { D.hidden = true; };
  Estet_loader_extras = Estet_loader_extras_rec{[] { return D.exists ? 1 : 0; },
                                                [](int on) { D.form_on = on; },
                                                [] { D.show_called = true; }};
  N3s_loader_windep = N3s_loader_windep_rec{
      [] { return D.shown ? 1 : 0; },
      [](int on) { D.form_on = on; },
      [] { return D.criterion; },
      [](int list, const std::vector<std::string> &items) { D.lists[list] = items; },
      [](int, int) {},
      [](int pos) {
        D.sel[N3S_LIST_CONDITIONS] = {pos};
        data_n3sboundcode_init(pos);
      },
      [](int list, std::vector<int> *out) { *out = D.sel[list]; },
      [](std::string *out) { *out = D.text[0]; },
      [](const char *t) { D.text[0] = t; },
      [] { D.hidden = true; },
      [] { D.show_called = true; }};
  Estet_vctbld_windep = Estet_vctbld_windep_rec{
      [] { return D.exists ? 1 : 0; },
      [](const std::vector<std::string> &names) { D.lists[0] = names; },
      [](std::vector<int> *out) { *out = D.sel[0]; },
      [](int axis, const char *t) { D.components[axis] = t; },
      [](std::string *out) { *out = D.name; },
      [](const char *t) { D.name = t; },
      [] { D.sel[0].clear(); },
      [](const char *n) { D.built.push_back(n); },
      nullptr,
      [] {
        D.destroyed = true;
        D.exists = false;
      },
      nullptr};
}

int Results_from = -1;

// Console messages are wrapped at the screen's width: the text unwrapped.
std::string flat(std::string s) {
  for (char &c : s)
    if (c == '\n') c = ' ';
  return s;
}

}  // namespace

class EstetN3s : public ReadingTest {
 protected:
  void SetUp() override {
    ReadingTest::SetUp();
    partbld_vals_reset();
    cmd_select_reset();
    install_fakes();
    Data_format[0] = 4;
    Gexist[0] = Rexist[0] = 1;
    Max_x_node[0] = 17, Max_y_node[0] = 9, Max_z_node[0] = 5;
    Bc_flag[0] = 2;
    Results_from = -1;
    Num_p_loaded_at_build = 0;
    Data_active_results_exist = [] { return 1; };
    Data_newpart_results = [](int from) { Results_from = from; };
  }
  void TearDown() override {
    Estet_loader_windep = {};
    Estet_loader_extras = {};
    N3s_loader_windep = {};
    Estet_vctbld_windep = {};
    Data_active_results_exist = nullptr;
    Data_newpart_results = nullptr;
    Gexist[0] = Rexist[0] = 0;
    Data_format[0] = DATA_FORMAT_CASEFILE;
    partbld_vals_reset();
    datavctbld_release();
    free(Data_readcmds[0]);
    Data_readcmds[0] = nullptr;
    Data_readcmds_len[0] = 0;
    ReadingTest::TearDown();
  }
  void run(const std::vector<std::string> &lines) { run_partbuild_lines(lines); }
  // Runs fn with recording on and stderr captured; the recorded lines.
  std::string quietly(const std::function<void()> &fn, std::string *err = nullptr) {
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    std::string rec = recorded_lines(fn);
    testing::internal::GetCapturedStdout();
    std::string e = testing::internal::GetCapturedStderr();
    if (err) *err = e;
    return rec;
  }
  // The server is still in step: one more request is answered in order.
  void next_request_works(CaseLink &s) {
    ScriptedCase server(&s.peer, {userd_reader_step()});
    char name[USERD_NAME_LEN];
    int two = 0;
    EXPECT_EQ(get_userd_reader_name(name, &two), 0);
    EXPECT_EQ(server.finish(), "");
  }
  // The typed range of the stand-in dialog, row by row.
  void type_ranges(const std::vector<std::string> &v) {
    for (int k = 0; k < 9; k++) D.text[GEN_RANGE + k] = v[k];
  }
};

// ---- ESTET, command path ------------------------------------------------------------------

TEST_F(EstetN3s, EstetCommandFileMakesTheNamedPartWithItsSevenLines) {
  D.shown = false;
  CaseLink &s = connect_case(0);
  ScriptedCase server(&s.peer,
                      std::vector<CaseStep>{{no_parts_map()},
                                            {str("create estet part") + i32(1) +
                                                 ints({1, 17, 1, 1, 9, 1, 1, 5, 2}) + i32(1),
                                             i32(0)}} +
                          new_parts_load_steps({1}) + std::vector<CaseStep>{{str("stop estet parts")}});
  run({"begin", "estetdomain inside", "estetnoderange_i 1 17", "estetnoderange_j 1 9",
       "estetnoderange_k 1 5", "estetstep 1 1 2", "create", "end"});
  EXPECT_EQ(server.finish(), "");
  ASSERT_EQ(Num_p_loaded, 1);
  EXPECT_STREQ(parts[0]->name, "Domain=(IN), Mins/Maxs=(I:1/17,J:1/9,K:1/5)");
  EXPECT_EQ(text_of(1),
            "# data_partbuild: estetdomain inside\n"
            "# data_partbuild: description \n"
            "# data_partbuild: estetnoderange_i 1 17\n"
            "# data_partbuild: estetnoderange_j 1 9\n"
            "# data_partbuild: estetnoderange_k 1 5\n"
            "# data_partbuild: estetstep 1 1 2\n"
            "# data_partbuild: create");
  EXPECT_EQ(Results_from, 0);
  EXPECT_FALSE(D.hidden);  // "end" from a command leaves the dialog as it is
}

// Command ranges are checked against the mesh as the dialog's are, and the
// server's answers other than success make no part and keep no text.
TEST_F(EstetN3s, EstetCreationRefusalsAndFailedAnswers) {
  struct {
    const char *what;
    std::vector<std::string> lines;
    int answer;          // server's status; 99 = nothing sent
    const char *message;
  } rows[] = {
      {"step of 0", {"estetstep 1 0 1"}, 99, "Step values must be >= 1."},
      {"I To past the mesh", {"estetnoderange_i 1 18"}, 99,
       "Maximum value must be <= maximum data values of (MaxX = 17, MaxY = 9, MaxZ = 5)."},
      {"From 0", {"estetnoderange_k 0 5"}, 99, "Minimum value must be >= 1."},
      {"no elements", {}, -1, "Error creating ESTET part: No elements found for selection criteria chosen."},
      {"part map", {}, 2, "Error creating ESTET part: allocation or disk space problem with part map."},
      {"geometry not transferred", {}, 5, "Error creating ESTET part: the part could not be made (status 5)."},
  };
  for (auto &r : rows) {
    SCOPED_TRACE(r.what);
    partbld_vals_reset();
    CaseLink &s = connect_case(0);
    run({"estetdomain all", "estetnoderange_i 1 17", "estetnoderange_j 1 9", "estetnoderange_k 1 5",
         "estetstep 1 1 1"});
    run(r.lines);
    std::vector<CaseStep> steps;
    if (r.answer != 99)
      steps = {{no_parts_map()},
               {str("create estet part") + i32(1) + ints({1, 17, 1, 1, 9, 1, 1, 5, 1}) + i32(2),
                i32(r.answer)}};
    {
      ScriptedCase server(&s.peer, steps);
      std::string err;
      testing::internal::CaptureStderr();
      EXPECT_LT(cmd_process("data_partbuild: create"), 0);
      err = testing::internal::GetCapturedStderr();
      EXPECT_EQ(server.finish(), "");
      EXPECT_NE(flat(err).find(r.message), std::string::npos) << err;
    }
    EXPECT_EQ(Num_p_loaded, 0);
    EXPECT_EQ(std::string(Data_pbuildcmds ? Data_pbuildcmds : "").find("create"), std::string::npos);
    next_request_works(s);
  }
}

// A pending iblank value the server no longer names is refused; the text
// of an iblanked creation holds a place for every parent.
TEST_F(EstetN3s, EstetIblankTypeMustNameAValueAndEveryParentIsKept) {
  CaseLink &s = connect_case(0);
  Bytes two = i32(2) + str("inside") + str("outside");
  {
    ScriptedCase server(&s.peer, {{str("get bnd list"), two}, {str("get bnd list"), i32(1) + str("inside")}});
    run({"select_begin", "4 7", "select_end", "iblank_type outside"});
    std::string err;
    testing::internal::CaptureStderr();
    EXPECT_LT(cmd_process("data_partbuild: create_iblank"), 0);
    err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(server.finish(), "");
    EXPECT_NE(err.find("data_partbuild: Bad iblank type."), std::string::npos) << err;
  }
  {
    ScriptedCase server(&s.peer, {{str("get bnd list"), two}});
    // Parts 4 and 7 have no records: nothing more is asked, nothing made,
    // and each parent's place holds its number.
    cmd_process("data_partbuild: create_iblank");
    EXPECT_EQ(server.finish(), "");
  }
  EXPECT_STREQ(Data_pbuildcmds,
               "# data_partbuild: description \n"
               "# data_partbuild: select_begin\n"
               "#          4\n#          7\n"
               "# data_partbuild: select_end\n"
               "# data_partbuild: iblank_type outside\n"
               "# data_partbuild: create_iblank");
}

// ---- ESTET, dialog path -------------------------------------------------------------------

TEST_F(EstetN3s, EstetInitialisationSetsDomainRowsAndFillsOnlyEmptyRanges) {
  struct {
    int bc_flag;
    int inside, outside, shown;
  } rows[] = {{0, 0, 1, 0}, {1, 1, 0, 1}, {2, 1, 1, 1}, {3, 0, 0, 2}};
  CaseLink &s = connect_case(0);
  for (auto &r : rows) {
    SCOPED_TRACE(r.bc_flag);
    Bc_flag[0] = r.bc_flag;
    ScriptedCase server(&s.peer, {});
    data_estetpartc_init(0);
    EXPECT_EQ(server.finish(), "");
    EXPECT_EQ(D.rows[0], r.inside);
    EXPECT_EQ(D.rows[1], r.outside);
    EXPECT_EQ(D.rows[2], r.shown);
  }
  EXPECT_EQ(D.text[GEN_RANGE + 1], "    17");
  // A second case with other extents: typed From/To stay, Min/Max follow.
  D.text[GEN_RANGE + 1] = "12";
  D.text[GEN_RANGE + 4] = "";
  Max_x_node[0] = 30, Max_y_node[0] = 20, Max_z_node[0] = 10;
  data_estetpartc_init(0);
  EXPECT_EQ(D.text[GEN_RANGE + 1], "12");
  EXPECT_EQ(D.text[GEN_RANGE + 4], "    20");
  EXPECT_EQ(D.text[GEN_MINMAX + 1], "    30");
  EXPECT_EQ(D.text[GEN_MINMAX + 5], "    10");
  EXPECT_EQ(D.form_on, 1);
}

TEST_F(EstetN3s, EstetDialogFieldChecksRecordNothing) {
  struct {
    const char *what;
    int field;
    const char *value;
    const char *message;  // null: accepted
  } rows[] = {
      {"minus", 0, "-1", "Minimum and Maximum values must be integers."},
      {"decimal point", 4, "1.5", "Minimum and Maximum values must be integers."},
      {"letter in a step", 8, "x", "Minimum and Maximum values must be integers."},
      {"I To one past the mesh", 1, "18",
       "Maximum value must be <= maximum data values of (MaxX = 17, MaxY = 9, MaxZ = 5)."},
      {"empty step", 5, "", "Step values must be >= 1."},
      {"I To at the mesh, blanks around", 1, " 17 ", nullptr},
  };
  CaseLink &s = connect_case(0);
  for (auto &r : rows) {
    SCOPED_TRACE(r.what);
    type_ranges({"1", "17", "1", "1", "9", "1", "1", "5", "2"});
    D.text[GEN_RANGE + r.field] = r.value;
    D.domain = 1;
    std::vector<CaseStep> steps;
    if (!r.message)
      steps = std::vector<CaseStep>{{no_parts_map()},
                                    {str("create estet part") + i32(Num_p_loaded + 1) +
                                         ints({1, 17, 1, 1, 9, 1, 1, 5, 2}) + i32(1),
                                     i32(-1)}};
    ScriptedCase server(&s.peer, steps);
    std::string err;
    std::string rec = quietly([] { data_estet_creatpart(0); }, &err);
    EXPECT_EQ(server.finish(), "");
    if (r.message) {
      EXPECT_NE(flat(err).find(r.message), std::string::npos) << err;
      EXPECT_EQ(rec, "");
    } else {
      EXPECT_NE(rec.find("data_partbuild: estetnoderange_i 1 17\n"), std::string::npos) << rec;
    }
  }
}

TEST_F(EstetN3s, EstetDialogCreationRecordsAndKeepsItsLines) {
  CaseLink &s = connect_case(0);
  type_ranges({"1", "17", "1", "1", "9", "1", "1", "5", "2"});
  D.text[GEN_ST_DESC] = "hull";
  D.domain = 0;
  ScriptedCase server(&s.peer,
                      std::vector<CaseStep>{{no_parts_map()},
                                            {str("create estet part") + i32(1) +
                                                 ints({1, 17, 1, 1, 9, 1, 1, 5, 2}) + i32(0),
                                             i32(0)}} +
                          new_parts_load_steps({1}));
  std::string rec = quietly([] { data_estet_creatpart(0); });
  EXPECT_EQ(server.finish(), "");
  std::string lines =
      "data_partbuild: estetdomain outside\n"
      "data_partbuild: description hull\n"
      "data_partbuild: estetnoderange_i 1 17\n"
      "data_partbuild: estetnoderange_j 1 9\n"
      "data_partbuild: estetnoderange_k 1 5\n"
      "data_partbuild: estetstep 1 1 2\n"
      "data_partbuild: create\n";
  EXPECT_EQ(rec, lines);
  ASSERT_EQ(Num_p_loaded, 1);
  EXPECT_STREQ(parts[0]->name, "hull");
  EXPECT_EQ(D.text[GEN_ST_DESC], "");
  std::string kept;
  for (size_t at = 0, nl; at < lines.size(); at = nl + 1) {
    nl = lines.find('\n', at);
    kept += (at ? "\n# " : "# ") + lines.substr(at, nl - at);
  }
  EXPECT_EQ(text_of(1), kept);
}

// Closing the loader gives the model defaults back the representation the
// period began with.
TEST_F(EstetN3s, EstetCloseRestoresTheElementRepresentation) {
  CaseLink &s = connect_case(0);
  float attr[PART_ATTR_SLOTS];
  part_attributes(-1, PART_MODEL, attr, nullptr, nullptr, nullptr, 0);
  int start = (int)attr[SLOT_ELT_REP];
  ScriptedCase server(&s.peer, {{str("stop estet parts")}});
  data_estetpartc_init(0);
  D.elemrep = start == 3 ? 1 : 3;
  type_ranges({"x", "", "", "", "", "", "", "", ""});
  std::string rec = quietly([] { data_estet_creatpart(0); });
  EXPECT_NE(rec.find("part: select_default"), std::string::npos) << rec;
  part_attributes(-1, PART_MODEL, attr, nullptr, nullptr, nullptr, 0);
  EXPECT_EQ((int)attr[SLOT_ELT_REP], D.elemrep);
  quietly([] { data_estet_dismiss(0); });
  EXPECT_EQ(server.finish(), "");
  part_attributes(-1, PART_MODEL, attr, nullptr, nullptr, nullptr, 0);
  EXPECT_EQ((int)attr[SLOT_ELT_REP], start);
  EXPECT_TRUE(D.hidden);
}

// ---- N3S ------------------------------------------------------------------------------------


TEST_F(EstetN3s, N3sCommandLinesMakeABoundaryPart) {
  Data_format[0] = 3;
  n3s_tables({2}, {{0, 1, 3}});
  D.shown = false;
  CaseLink &s = connect_case(0);
  ScriptedCase server(&s.peer, std::vector<CaseStep>{{no_parts_map()}, {n3s_request(1, 2, {1, 3}), i32(0)}} +
                                   new_parts_load_steps({1}) +
                                   std::vector<CaseStep>{{str("stop n3s parts"), i32(0)}});
  run({"begin", "description walls", "n3sboundary", "n3scondition Wall", "n3scode Homogeneous Dirichlet",
       "n3scode Friction Condition", "create", "end"});
  EXPECT_EQ(server.finish(), "");
  ASSERT_EQ(Num_p_loaded, 1);
  EXPECT_STREQ(parts[0]->name, "walls");
  EXPECT_EQ(text_of(1),
            "# data_partbuild: description walls\n"
            "# data_partbuild: n3sboundary\n"
            "# data_partbuild: n3scondition Wall\n"
            "# data_partbuild: n3scode Homogeneous Dirichlet\n"
            "# data_partbuild: n3scode Friction Condition\n"
            "# data_partbuild: create");
}

TEST_F(EstetN3s, N3sDialogCreationsByCriterion) {
  Data_format[0] = 3;
  struct {
    const char *what;
    int criterion;
    std::vector<int> conditions;      // condition numbers of the case
    std::vector<int> condition_sel;   // list positions
    std::vector<int> code_sel;
    std::vector<int> color_sel;
    Bytes request;
    std::string name;
    std::vector<std::string> lines;  // recorded, create last
  } rows[] = {
      {"boundary, condition 2, codes 1 and 3", N3S_BOUNDARY, {2}, {1}, {2, 3}, {},
       n3s_request(1, 2, {1, 3}), "Part by Bound Cond Wall Code(s) 1 3",
       {"description Part by Bound Cond Wall Code(s) 1 3", "n3sboundary", "n3scondition Wall",
        "n3scode Homogeneous Dirichlet", "n3scode Friction Condition", "create"}},
      {"a long name drops codes from the description only", N3S_BOUNDARY, {6}, {1}, {1, 2, 3, 4}, {},
       n3s_request(1, 6, {0, 1, 3, 4}), "Part by Bound Cond A long cond name xyz Code(s)",
       {"description Part by Bound Cond A long cond name xyz Code(s)", "n3sboundary",
        "n3scondition A long cond name xyz", "n3scode Free Node", "n3scode Homogeneous Dirichlet",
        "n3scode Friction Condition", "n3scode Friction Condition", "create"}},
      {"colour 7", N3S_COLOR, {2}, {}, {}, {2}, n3s_request(1, 7, {}), "Part by Color # 7",
       {"description Part by Color # 7", "n3scolor_number 7", "create"}},
      {"all elements", N3S_ALL, {2}, {}, {}, {}, n3s_request(1, -1, {}), "Part by All Elements",
       {"description Part by All Elements", "n3sall_elements", "create"}},
  };
  for (auto &r : rows) {
    SCOPED_TRACE(r.what);
    clear_parts();
    install_fakes();
    std::vector<std::vector<int>> codes(r.conditions.size(), std::vector<int>{0, 1, 3, 4});
    n3s_tables(r.conditions, codes);
    CaseLink &s = connect_case(0);
    D.criterion = r.criterion;
    {
      ScriptedCase none(&s.peer, {});
      data_n3spartc_init(0);
      EXPECT_EQ(none.finish(), "");
    }
    D.sel[N3S_LIST_CONDITIONS] = r.condition_sel;
    D.sel[N3S_LIST_CODES] = r.code_sel;
    D.sel[N3S_LIST_COLORS] = r.color_sel;
    ScriptedCase server(&s.peer, std::vector<CaseStep>{{no_parts_map()}, {r.request, i32(0)}} +
                                     new_parts_load_steps({1}));
    std::string rec = quietly([] { data_n3s_creatpart(0); });
    EXPECT_EQ(server.finish(), "");
    ASSERT_EQ(Num_p_loaded, 1);
    EXPECT_EQ(parts[0]->name, r.name);
    std::string want, kept;
    pbuild_recorded_and_kept(r.lines, &want, &kept);
    EXPECT_EQ(rec, want);
    EXPECT_EQ(text_of(1), kept);
  }
}

TEST_F(EstetN3s, N3sListsAndRefusals) {
  Data_format[0] = 3;
  n3s_tables({2, 25}, {{0, 4, 9}, {1}});
  CaseLink &s = connect_case(0);
  data_n3spartc_init(0);
  EXPECT_EQ(D.lists[N3S_LIST_COLORS], (std::vector<std::string>{" 3", " 7"}));
  // An unknown condition number or code shows as "?".
  EXPECT_EQ(D.lists[N3S_LIST_CONDITIONS], (std::vector<std::string>{"Wall", "?"}));
  EXPECT_EQ(D.lists[N3S_LIST_CODES],
            (std::vector<std::string>{" 0 Free Node", " 4 Friction Condition", " 9 ?"}));
  struct {
    const char *what;
    int criterion;
    std::vector<int> condition_sel, code_sel, color_sel;
    const char *message;
  } rows[] = {
      {"no colour", N3S_COLOR, {}, {}, {}, "No color codes selected."},
      {"no condition", N3S_BOUNDARY, {}, {}, {}, "No boundary conditions selected."},
      {"no code", N3S_BOUNDARY, {1}, {}, {}, "No boundary codes selected."},
      {"unknown code", N3S_BOUNDARY, {1}, {3}, {}, "Unknown boundary condition or code"},
      {"unknown condition", N3S_BOUNDARY, {2}, {1}, {}, "Unknown boundary condition or code"},
  };
  for (auto &r : rows) {
    SCOPED_TRACE(r.what);
    D.criterion = r.criterion;
    D.sel[N3S_LIST_CONDITIONS] = r.condition_sel;
    D.sel[N3S_LIST_CODES] = r.code_sel;
    D.sel[N3S_LIST_COLORS] = r.color_sel;
    D.text[0] = "typed";
    ScriptedCase server(&s.peer, {});
    std::string err;
    EXPECT_EQ(quietly([] { data_n3s_creatpart(0); }, &err), "");
    EXPECT_EQ(server.finish(), "");
    EXPECT_NE(err.find(r.message), std::string::npos) << err;
  }
  next_request_works(s);
}

TEST_F(EstetN3s, N3sFailedAnswersAndTheClose) {
  Data_format[0] = 3;
  n3s_tables({2}, {{1}});
  CaseLink &s = connect_case(0);
  struct {
    int answer;
    const char *message;
  } rows[] = {{3, "Error reading N3s file."}, {4, "Error writing to disk."}, {7, "Error creating N3s part."}};
  for (auto &r : rows) {
    SCOPED_TRACE(r.answer);
    D.criterion = N3S_ALL;
    ScriptedCase server(&s.peer, {{no_parts_map()}, {n3s_request(1, -1, {}), i32(r.answer)}});
    std::string err;
    std::string rec = quietly([] { data_n3s_creatpart(0); }, &err);
    EXPECT_EQ(server.finish(), "");
    EXPECT_NE(err.find(r.message), std::string::npos) << err;
    EXPECT_EQ(rec.find("create"), std::string::npos) << rec;
    EXPECT_EQ(Num_p_loaded, 0);
  }
  // A part made in the period, then a close whose stop answers 4: the
  // message, the dialog hidden and the results loaded all the same.
  data_n3spartc_init(0);
  ScriptedCase server(&s.peer, std::vector<CaseStep>{{no_parts_map()}, {n3s_request(1, -1, {}), i32(0)}} +
                                   new_parts_load_steps({1}) +
                                   std::vector<CaseStep>{{str("stop n3s parts"), i32(4)}});
  quietly([] { data_n3s_creatpart(0); });
  std::string err;
  std::string rec = quietly([] { data_n3s_dismiss(0); }, &err);
  EXPECT_EQ(server.finish(), "");
  EXPECT_NE(err.find("Error writing tmp to disk, will not be able to create more parts."), std::string::npos)
      << err;
  EXPECT_EQ(rec, "data_partbuild: end\n");
  EXPECT_TRUE(D.hidden);
  EXPECT_EQ(Results_from, 0);
}

// ---- the Vector Builder --------------------------------------------------------------------

namespace {
const Bytes Scalars = i32(3) + str("P") + str("U") + str("W") + i32(0);
}

TEST_F(EstetN3s, VectorFromZAloneThenAFreshChoiceAndTheClose) {
  CaseLink &s = connect_case(0);
  ScriptedCase server(&s.peer, {{str("orig avail scalars"), Scalars},
                                {str("combine to vector") + ints({-1, -1, 2}) + str("vz"), i32(0)},
                                {str("finish vector combine")}});
  data_estvb_listinit();
  EXPECT_EQ(D.lists[0], (std::vector<std::string>{"P", "U", "W"}));
  D.sel[0] = {3};
  data_estvb_setcomp(3);
  EXPECT_EQ(D.components[2], "W");
  D.name = "vz";
  std::string rec = quietly([] { data_estvb_build(); });
  EXPECT_EQ(rec,
            "data_partbuild: estetvectordesc vz\n"
            "data_partbuild: estetvector_z W\n"
            "data_partbuild: estetbuildvector\n");
  EXPECT_EQ(D.built, (std::vector<std::string>{"vz"}));
  EXPECT_EQ(D.name, "");
  EXPECT_EQ(D.components[2], "");
  EXPECT_TRUE(D.sel[0].empty());
  // A second vector starts from an empty choice.
  D.name = "next";
  std::string err;
  quietly([] { data_estvb_build(); }, &err);
  EXPECT_NE(err.find("To build a vector you must have at least 1 component specified."), std::string::npos);
  // Okay: "finish vector combine" once, the builder gone, the loader opened.
  Data_estvb_closed = 0;
  quietly([] { data_estvb_dismiss(); });
  EXPECT_EQ(server.finish(), "");
  EXPECT_TRUE(D.destroyed);
  EXPECT_TRUE(D.show_called);
  EXPECT_EQ(Data_estvb_closed, 1);
}

TEST_F(EstetN3s, VectorBuilderRefusals) {
  CaseLink &s = connect_case(0);
  {
    ScriptedCase server(&s.peer, {{str("orig avail scalars"), Scalars}});
    data_estvb_listinit();
    EXPECT_EQ(server.finish(), "");
  }
  struct {
    const char *what;
    std::vector<int> sel;  // selection when the component is set
    const char *name;
    int reply;  // server's answer to the build; 99 none asked
    const char *message;
  } rows[] = {
      {"no scalar selected", {}, "v", 99, "To set a component you must pick only one scalar."},
      {"two scalars selected", {1, 2}, "v", 99, "To set a component you must pick only one scalar."},
      {"empty name", {1}, "", 99, "Must specify the new vector's name."},
      {"reserved character", {1}, "a+b", 99, "reserved characters"},
      {"server refusal", {1}, "v", -1,
       "Error combining scalars to vectors, operation aborted. Possible errors are: 1) Duplicate Vector "
       "Name, 2) Read error, or 3) Allocation error."},
  };
  for (auto &r : rows) {
    SCOPED_TRACE(r.what);
    for (int &c : Dest_use_scalars) c = -1;
    Dest_use_sclcnt = 0;
    std::vector<CaseStep> steps;
    if (r.reply != 99) steps.push_back({str("combine to vector") + ints({0, -1, -1}) + str(r.name), i32(r.reply)});
    ScriptedCase server(&s.peer, steps);
    D.sel[0] = r.sel;
    D.name = r.name;
    std::string err1, err2;
    std::string rec = quietly([] { data_estvb_setcomp(1); }, &err1);
    rec += quietly([] { data_estvb_build(); }, &err2);
    EXPECT_EQ(server.finish(), "");
    EXPECT_NE(flat(err1 + err2).find(r.message), std::string::npos) << err1 << err2;
    EXPECT_EQ(rec, "");
    EXPECT_TRUE(D.built.empty());
  }
}
