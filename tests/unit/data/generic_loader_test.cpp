// The generic part loader's command path against a scripted case server
// (the requests, and the build text each new part keeps), the formats the
// data section offers under reader preferences and server readers, and the
// refusals of the section's Okay and of "Data (Part Loader)...".
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "client/command_dlog.h"
#include "data/data_cmdproc.h"
#include "data/data_section.h"
#include "data/generic_loader.h"
#include "data/part_create.h"
#include "data/partbuild.h"
#include "data/reader_prefs.h"
#include "data/readcmds.h"
#include "data_fixture.h"
#include "state/partbuild_text.h"

using namespace qtest;

namespace {

Bytes no_parts_map() { return str("use part numbers") + ints(std::vector<int>(5000, -1)); }

std::string text_of(int number) {
  Part_rec *p = part_by_number(number);
  return p && p->build_text ? p->build_text : "";
}

}  // namespace

class GenericLoader : public ReadingTest {
 protected:
  void SetUp() override {
    ReadingTest::SetUp();
    partbld_vals_reset();
    cmd_select_reset();
    Data_format[0] = DATA_FORMAT_CASEFILE;
    Gexist[0] = 1;
  }
  void TearDown() override {
    Gexist[0] = 0;
    Data_format[0] = DATA_FORMAT_CASEFILE;
    partbld_vals_reset();
    ReadingTest::TearDown();
  }
  void run(const std::vector<std::string> &lines) { run_partbuild_lines(lines); }
};

TEST_F(GenericLoader, OneStructuredPartByCommandsKeepsItsElevenLines) {
  CaseLink &s = connect_case(0);
  offer_records({1, 1, 1});
  int dims[3] = {17, 9, 5};
  memcpy(Pbuild[0][2].dims, dims, sizeof dims);
  ScriptedCase server(
      &s.peer,
      std::vector<CaseStep>{{no_parts_map()},
                            {str("create quivane parts") + i32(1) + i32(1) + ints({3}) +
                                 ints({1, 17, 1, 1, 9, 1, 1, 5, 2}) + i32(1),
                             i32(1) + ints({1}) + ints({3}) + i32(0)}} +
          new_parts_load_steps({1}, 0) + std::vector<CaseStep>{{str("stop quivane parts")}});
  run({"begin", "data_type structured", "select_begin", "3", "select_end", "domain inside",
       "noderange_i 1 17", "noderange_j 1 9", "noderange_k 1 5", "nodestep 1 1 2", "create", "end"});
  EXPECT_EQ(server.finish(), "");
  ASSERT_EQ(Num_p_loaded, 1);
  EXPECT_EQ(text_of(1),
            "# data_partbuild: data_type structured\n"
            "# data_partbuild: select_begin\n"
            "#          3\n"
            "# data_partbuild: select_end\n"
            "# data_partbuild: domain inside\n"
            "# data_partbuild: noderange_i 1 17\n"
            "# data_partbuild: noderange_j 1 9\n"
            "# data_partbuild: noderange_k 1 5\n"
            "# data_partbuild: nodestep 1 1 2\n"
            "# data_partbuild: description \n"
            "# data_partbuild: create");
}

// Several parts in one creation: each keeps the text with its own
// selection number and, when structured, its own whole ranges.
TEST_F(GenericLoader, EachPartOfACreationSelectsItselfAlone) {
  struct {
    const char *what;
    std::vector<int> kinds;
    std::vector<std::string> lines;
    Bytes request;
    std::vector<std::string> selected;  // the selection line of part k
    std::vector<std::string> ranges;    // its noderange_i line ("" none)
  } rows[] = {
      {"three unstructured by select_all",
       {0, 1, 0, 0},
       {"data_type unstructured", "select_all", "create"},
       str("create quivane parts") + i32(3) + i32(0) + ints({1, 3, 4}),
       {"#          1", "#          2", "#          3"},
       {"", "", ""}},
      {"two structured, steps only",
       {1, 0, 1},
       {"data_type structured", "select_begin", "1 2", "select_end", "domain all", "nodestep 1 2 1",
        "create"},
       str("create quivane parts") + i32(2) + i32(1) + ints({1, 3}) + ints({1, 10, 1, 1, 7, 2, 1, 4, 1}) +
           i32(2) + ints({1, 10, 1, 1, 7, 2, 1, 4, 1}) + i32(2),
       {"#          1", "#          2"},
       {"# data_partbuild: noderange_i 1 10        ", "# data_partbuild: noderange_i 1 10        "}},
  };
  for (auto &r : rows) {
    SCOPED_TRACE(r.what);
    clear_parts();
    partbld_vals_reset();
    CaseLink &s = connect_case(0);
    offer_records(r.kinds);
    int m = (int)r.selected.size();
    std::vector<int> numbers, sources;
    for (int k = 1; k <= m; k++) numbers.push_back(k);
    for (int i = 0; i < (int)r.kinds.size(); i++)
      if ((r.kinds[i] != 0) == (r.kinds[0] != 0)) sources.push_back(i + 1);
    ScriptedCase server(&s.peer,
                        std::vector<CaseStep>{{no_parts_map()},
                                              {r.request, i32(m) + ints(numbers) + ints(sources) + i32(0)}} +
                            new_parts_load_steps(numbers, 0));
    run(r.lines);
    EXPECT_EQ(server.finish(), "");
    ASSERT_EQ(Num_p_loaded, m);
    for (int k = 0; k < m; k++) {
      std::string t = text_of(k + 1);
      EXPECT_NE(t.find("# data_partbuild: select_begin\n" + r.selected[k] + "\n# data_partbuild: select_end"),
                std::string::npos)
          << t;
      if (!r.ranges[k].empty()) {
        EXPECT_NE(t.find(r.ranges[k] + "\n"), std::string::npos) << t;
      }
      EXPECT_EQ(t.substr(t.size() - 24), "# data_partbuild: create");
    }
  }
}

// An iblanked part of several parents names them all in its text: one
// selection placeholder per parent, each filled with its parent's number.
TEST_F(GenericLoader, IblankTextHoldsAPlaceForEveryParent) {
  CaseLink &s = connect_case(0);
  Bytes names = i32(2) + str("inside") + str("outside");
  ScriptedCase server(&s.peer, {{str("get bnd list"), names}, {str("get bnd list"), names}});
  run({"data_type structured", "select_begin", "4 7", "select_end", "iblank_type OUTSIDE"});
  // Parts 4 and 7 have no records here: the server is asked for nothing
  // more, and nothing is made.
  EXPECT_GE(cmd_process("data_partbuild: create_iblank"), 0);
  EXPECT_EQ(server.finish(), "");
  EXPECT_EQ(Num_p_loaded, 0);
  // Each parent's placeholder is filled with its number once the part is asked for.
  EXPECT_STREQ(Data_pbuildcmds,
               "# data_partbuild: description \n"
               "# data_partbuild: data_type structured\n"
               "# data_partbuild: select_begin\n"
               "#          4\n#          7\n"
               "# data_partbuild: select_end\n"
               "# data_partbuild: iblank_type outside\n"
               "# data_partbuild: create_iblank");
  pbuildcmds_fill_selection(0, 4);
  pbuildcmds_fill_selection(1, 7);
  EXPECT_NE(std::string(Data_pbuildcmds).find("select_begin\n#          4\n#          7\n#"),
            std::string::npos)
      << Data_pbuildcmds;
}

TEST_F(GenericLoader, BuildTextGoesOnlyToARecordedPart) {
  EXPECT_EQ(save_model_part_build_instructions(7, "# x"), -1);
  model_part(7, "seven");
  std::string long_text(500, 'a');
  EXPECT_EQ(save_model_part_build_instructions(7, long_text.c_str()), 1);
  EXPECT_EQ(save_model_part_build_instructions(7, "# short"), 1);
  EXPECT_EQ(text_of(7), "# short");
  EXPECT_GE(part_by_number(7)->build_text_cap, 501);
}

// ---- the data section -------------------------------------------------------------------

class DataSection : public ReadingTest {
 protected:
  void SetUp() override {
    ReadingTest::SetUp();
    Data_readerpref_loaded = 1;
    Data_readerpref_default_set = 0;
    Data_readerpref_default[0] = '\0';
    Data_format[0] = DATA_FORMAT_CASEFILE;
  }
  void TearDown() override {
    free(Data_readerpref_removed);
    Data_readerpref_removed = nullptr;
    Data_readerpref_removed_cnt = 0;
    Data_readerpref_default[0] = '\0';
    Data_readerpref_default_set = 1;
    Data_format[0] = DATA_FORMAT_CASEFILE;
    Gexist[0] = 0;
    ReadingTest::TearDown();
  }
  void removed(const std::vector<std::string> &names) {
    free(Data_readerpref_removed);
    Data_readerpref_removed = (char(*)[READER_PREF_NAME_MAX])calloc(names.size() + 1, READER_PREF_NAME_MAX);
    for (size_t k = 0; k < names.size(); k++)
      snprintf(Data_readerpref_removed[k], READER_PREF_NAME_MAX, "%s", names[k].c_str());
    Data_readerpref_removed_cnt = (int)names.size();
  }
  int formats(Data_section_rec *s, std::string *err) {
    testing::internal::CaptureStderr();
    int r = data_section_formats(s);
    *err = testing::internal::GetCapturedStderr();
    return r;
  }
};

TEST_F(DataSection, PreferencesDecideTheOfferedRowsAndTheCaseFormat) {
  const std::vector<std::string> fixed = {"Case", "Quivane 5", "ABAQUS", "ANSYS RESULTS", "ESTET",
                                          "FAST UNSTRUCTURED", "FIDAP NEUTRAL", "Movie", "TARV 4.1",
                                          "N3S", "PLOT3D"};
  struct {
    const char *what;
    std::vector<std::string> removed;
    const char *default_reader;
    int geometry;
    int result, format;  // result of the call, case format after it
    const char *err;     // in what went to stderr ("" nothing)
  } rows[] = {
      {"Case removed: the next offered row", {"case"}, "", 0, 1, 0, ""},
      {"everything removed", fixed, "", 0, -1, 10, "ERROR: No data formats available."},
      {"a default applied", {}, "fast unstructured", 0, 1, 9, ""},
      {"a removed default", {"Movie"}, "Movie", 0, 1, 10,
       "User specified default reader was also specified to be removed. Default ignored.\n"},
      {"a read case keeps its removed format", {"Case"}, "", 1, 1, 10, ""},
  };
  for (auto &r : rows) {
    SCOPED_TRACE(r.what);
    removed(r.removed);
    snprintf(Data_readerpref_default, READER_PREF_NAME_MAX, "%s", r.default_reader);
    Data_readerpref_default_set = 0;
    Data_format[0] = DATA_FORMAT_CASEFILE;
    Gexist[0] = r.geometry;
    Data_section_rec s;
    std::string err;
    EXPECT_EQ(formats(&s, &err), r.result);
    EXPECT_EQ(Data_format[0], r.format);
    if (r.err[0]) {
      EXPECT_NE(err.find(r.err), std::string::npos) << err;
    } else {
      EXPECT_EQ(err, "");
    }
    if (r.result == 1) {
      EXPECT_EQ(Data_format_rows[s.row].code, r.format);
      EXPECT_EQ(s.offered[s.row], 1);
      for (int k = DATA_FIXED_ROWS; k < DATA_FORMAT_ROWS; k++) EXPECT_EQ(s.offered[k], 0) << k;
    }
  }
  // The default is applied once per run: a later filling leaves the format.
  removed({});
  snprintf(Data_readerpref_default, READER_PREF_NAME_MAX, "%s", "Movie");
  Data_readerpref_default_set = 0;
  Data_section_rec s;
  std::string err;
  EXPECT_EQ(formats(&s, &err), 1);
  EXPECT_EQ(Data_format[0], 6);
  Data_format[0] = DATA_FORMAT_CASEFILE;
  EXPECT_EQ(formats(&s, &err), 1);
  EXPECT_EQ(Data_format[0], DATA_FORMAT_CASEFILE);
}

TEST_F(DataSection, ServerReadersNameTheFirstUserRows) {
  CaseLink &link = connect_case(0);
  ScriptedCase server(&link.peer, {{str("get userd reader"), i32(1) + i32(2) + str("Custom VTK") + i32(0) +
                                                                  str("Other Reader") + i32(1)}});
  removed({"other reader"});
  Data_section_rec s;
  std::string err;
  EXPECT_EQ(formats(&s, &err), 1);
  EXPECT_EQ(server.finish(), "");
  EXPECT_STREQ(s.labels[DATA_FIXED_ROWS], "Custom VTK");
  EXPECT_STREQ(s.labels[DATA_FIXED_ROWS + 1], "Other Reader");
  EXPECT_EQ(s.offered[DATA_FIXED_ROWS], 1);
  EXPECT_EQ(s.offered[DATA_FIXED_ROWS + 1], 0);  // removed by its name
  for (int k = DATA_FIXED_ROWS + 2; k < DATA_FORMAT_ROWS; k++) EXPECT_EQ(s.offered[k], 0) << k;
}

namespace {
int Shown_format = 10;
int section_fields(Data_fileselect_rec *f) {
  *f = Data_fileselect_rec{};
  f->format = Shown_format;
  return 0;
}
}  // namespace

TEST_F(DataSection, RefusalsOfOkayAndOfThePartLoaderEntry) {
  auto *saved = Data_fileselect_get;
  Data_fileselect_get = section_fields;
  struct {
    const char *what;
    int geometry, case_format, shown;
    bool okay;  // the section's Okay, else "Data (Part Loader)..."
    const char *message;
  } rows[] = {
      {"another format after a read", 1, 10, 1, true,
       "ERROR: The format for this case cannot be changed unless you replace the case.\n"},
      {"PLOT3D without names", 0, 1, 1, true, "ERROR: Must enter a geometry or a results file name.\n"},
      {"N3S without both names", 0, 3, 3, true, "ERROR: Must enter a both the geometry and results file name.\n"},
      {"ESTET without geometry", 0, 4, 4, true, "ERROR: Must enter the geometry file name.\n"},
      {"loader before a read", 0, 10, 10, false,
       "ERROR: Must have data read in before bring up the part builder.\n"},
      {"loader of FIDAP NEUTRAL", 1, 2, 2, false,
       "ERROR: The data format in use does not allow reentry for part building.\n"},
  };
  for (auto &r : rows) {
    SCOPED_TRACE(r.what);
    Gexist[0] = r.geometry;
    Data_format[0] = r.case_format;
    Shown_format = r.shown;
    testing::internal::CaptureStderr();
    if (r.okay)
      EXPECT_EQ(data_read_byformat(), -1);
    else
      data_pbuild_manageinit_menu();
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(r.message), std::string::npos) << err;
    EXPECT_EQ(Data_format[0], r.case_format);
  }
  Data_fileselect_get = saved;
}

namespace {
std::string Shown_title;
int Generic_shown = 0;
void fake_generic_show() { Generic_shown++; }
void fake_generic_mode(const char *title, int, int) { Shown_title = title; }
}  // namespace

// Every user-defined format opens the generic loader, titled with the name
// of that format's own reader.
TEST_F(DataSection, UserDefinedFormatsOpenTheGenericLoaderNamedForTheirReader) {
  CaseLink &link = connect_case(0);
  Bytes readers = i32(1) + i32(20);
  for (int k = 1; k <= 20; k++) readers = readers + str("Reader " + std::to_string(k)) + i32(0);
  Data_loader_windep_rec saved = Data_loader_windep;
  Data_loader_windep = Data_loader_windep_rec{fake_generic_show, fake_generic_mode, nullptr, nullptr, nullptr, nullptr};
  Gexist[0] = 1;
  struct {
    int format;
    const char *title;
  } rows[] = {{11, "Data Part Loader (Reader 1)"},
              {29, "Data Part Loader (Reader 19)"},
              {10, "Data Part Loader (Case)"},
              {0, "Data Part Loader (Quivane 5)"}};
  for (auto &r : rows) {
    SCOPED_TRACE(r.format);
    Data_format[0] = r.format;
    Generic_shown = 0;
    std::vector<CaseStep> steps;
    if (r.format >= 11) steps.push_back({str("get userd reader"), readers});
    ScriptedCase server(&link.peer, steps);
    data_pbuild_manageinit_menu();
    EXPECT_EQ(server.finish(), "");
    EXPECT_EQ(Generic_shown, 1);
    EXPECT_EQ(Shown_title, r.title);
  }
  Data_loader_windep = saved;
}
