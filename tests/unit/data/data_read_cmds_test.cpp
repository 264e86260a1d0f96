// Reading by "data:" commands against the real stand-in server: the lines a
// read records, the requests it makes, its refusals, and the time step it
// makes current.
#include <gtest/gtest.h>

#include <cstring>

#include "anim/animate.h"
#include "anim/soltime.h"
#include "anim/timeset.h"
#include "client/command_dlog.h"
#include "data/data_cmdproc.h"
#include "data/partbuild.h"
#include "data/readcmds.h"
#include "readers/readers.h"
#include "standin_fixture.h"

using namespace qtest;

class DataCommands : public StandinTest {
 protected:
  void SetUp() override {
    StandinTest::SetUp();
    reset_case(0);
    int zero[3] = {0, 0, 0};
    datachange_flags(&zero[0], &zero[1], &zero[2], 1);
    Plot3d_read_settings_rec none = {0, 0, 0, 0};
    data_plot3d_readinfo(&none, 1);
    Cmd_data_startstep = -1;
    partbld_vals_reset();
    float anim[ANIM_GLOBAL_WORDS] = {};
    set_global_animation_attributes(anim);
    clear_time_line();
  }
  static void clear_time_line() {
    free(Time_steps);
    Time_steps = nullptr;
    Time_tot_steps = 0;
  }
  void TearDown() override {
    reset_case(0);
    clear_time_line();
    Cmd_data_startstep = -1;
    partbld_vals_reset();
    StandinTest::TearDown();
  }
  static void reset_case(int c) {
    Gexist[c] = Rexist[c] = Mexist[c] = 0;
    Data_format[c] = DATA_FORMAT_CASEFILE;
    Swap_server_bytes[c] = 0;
    Data_geom_file[c][0] = Data_result_file[c][0] = Data_meas_file[c][0] = '\0';
    if (Data_readcmds[c]) Data_readcmds[c][0] = '\0';
  }
  // Runs one line: 1 applied, -1 refused, with what it reported in *err.
  int line(const std::string &text, std::string *err = nullptr) {
    Command_proc_err = 0;
    testing::internal::CaptureStderr();
    int r = cmd_process(text.c_str());
    std::string e = testing::internal::GetCapturedStderr();
    if (err) *err = e;
    return r < 0 ? -1 : 1;
  }
  int lines(const std::vector<std::string> &texts, std::string *err = nullptr) {
    for (const std::string &t : texts)
      if (line(t, err) < 0) return -1;
    return 1;
  }
  std::string text() { return Data_readcmds[0] ? Data_readcmds[0] : ""; }
  const std::string D = test_data();
};

TEST_F(DataCommands, CaseReadRecordsItsLinesAndAsksInOrder) {
  ASSERT_EQ(lines({"data: format case", "data: path " + D, "data: geometry vtk/mixed.vtk",
                   "data: read"}),
            1);
  EXPECT_EQ(Gexist[0], 1);
  EXPECT_EQ(Rexist[0], 1);
  EXPECT_EQ(text(), "# data: native_binary ON\n# data: format case\n# data: geometry vtk/mixed.vtk\n"
                    "# data: path " + D + "\n# data: read");
  std::string log = server_log();
  EXPECT_TRUE(in_order(log, {"set file path", "use part numbers", "set data type 10",
                             "read casefile", "read geom", "read result"}))
      << log;
  // The changed flags were cleared: a second read asks for nothing new.
  int flags[3] = {-1, -1, -1};
  datachange_flags(&flags[0], &flags[1], &flags[2], 0);
  EXPECT_EQ(flags[0] + flags[1] + flags[2], 0);

  std::string err;
  EXPECT_EQ(line("data: geometry x"), 1);
  EXPECT_EQ(line("data: read", &err), -1);
  EXPECT_NE(err.find("Geometry, Result, or Measured file exists for the current selected case."),
            std::string::npos)
      << err;
  EXPECT_EQ(Command_proc_err, 0);
  // The link is still in step.
  char name[USERD_NAME_LEN];
  int two = 0;
  EXPECT_EQ(get_userd_reader_name(name, &two), 0);
}

TEST_F(DataCommands, Plot3dReadTestsTheGridAndRecordsThePendingSettings) {
  ASSERT_EQ(lines({"data: format plot3d", "data: path " + D, "data: geometry plot3d/zones3_c.xyz",
                   "data: result plot3d/zones3_c.q", "data: read"}),
            1);
  EXPECT_EQ(Gexist[0], 1);
  EXPECT_EQ(Rexist[0], 1);
  EXPECT_EQ(text(), "# data: native_binary ON\n# data: format plot3d\n"
                    "# data: geometry plot3d/zones3_c.xyz\n# data: result plot3d/zones3_c.q\n"
                    "# data: path " + D + "\n# data: plot3diblank OFF\n# data: plot3dmulti_zone OFF\n"
                    "# data: plot3dread_as ascii\n# data: plot3ddimension 1d\n# data: read");
  // The case keeps the server's judgement of the grid: a C binary 3-D multi-zone file.
  EXPECT_EQ(Data_plot3d_rflags[0][1], 1);
  EXPECT_EQ(Data_plot3d_rflags[0][2], 1);
  EXPECT_EQ(Data_plot3d_rflags[0][3], 2);
  std::string log = server_log();
  EXPECT_TRUE(in_order(log, {"plot3d_test", "set data type 1", "read geom", "read result",
                             "get free mach number"}))
      << log;
  EXPECT_EQ(log.find("read casefile"), std::string::npos);
}

TEST_F(DataCommands, KeywordTable) {
  std::string err;
  EXPECT_EQ(line("data: FORMAT Case"), 1);
  EXPECT_EQ(Data_format[0], 10);
  char reader[USERD_NAME_LEN];
  snprintf(reader, sizeof reader, "%s", Vtk_reader_name);
  for (char *p = reader; *p; p++) *p = *p == ' ' ? '-' : (char)toupper((unsigned char)*p);
  EXPECT_EQ(line(std::string("data: format ") + reader), 1);
  EXPECT_EQ(Data_format[0], 11);
  EXPECT_EQ(line("data: format nonsense", &err), -1);
  EXPECT_NE(err.find("data: Bad format."), std::string::npos);

  Data_format[0] = 10;
  EXPECT_EQ(line("data: result r.q", &err), -1);
  EXPECT_NE(err.find("Illegal command for this data format."), std::string::npos);
  Data_format[0] = 8;
  EXPECT_EQ(line("data: result r.q"), 1);
  EXPECT_STREQ(Data_result_file[0], "r.q");

  EXPECT_EQ(line("data: start_time 3.7"), 1);
  EXPECT_EQ(Cmd_data_startstep, 3);
  EXPECT_EQ(line("data: start_time x", &err), -1);
  EXPECT_NE(err.find("data_cmdproc: Bad start time value."), std::string::npos);

  EXPECT_EQ(line("data: plot3dread_as FORTRAN_binary"), 1);
  EXPECT_EQ(line("data: plot3ddimension 2d"), 1);
  EXPECT_EQ(line("data: plot3diblank ON"), 1);
  Plot3d_read_settings_rec p;
  data_plot3d_readinfo(&p, 0);
  EXPECT_EQ(p.iblanked, 1);
  EXPECT_EQ(p.multizone, 0);
  EXPECT_EQ(p.read_as, 2);
  EXPECT_EQ(p.dimension, 1);
  EXPECT_EQ(line("data: plot3ddimension 4d", &err), -1);
  EXPECT_NE(err.find("data: Bad format."), std::string::npos);

  int f = Data_format[0];
  for (const char *t : {"data: select_case_begin", "data: select_case_end", "data: multiple_case_read ON"})
    EXPECT_EQ(line(t), 1) << t;
  EXPECT_EQ(Data_format[0], f);
  EXPECT_EQ(line("data: reed", &err), -1);
  EXPECT_NE(err.find("data: Bad command for this category."), std::string::npos);
  EXPECT_EQ(line("data: geometry ", &err), -1);
  EXPECT_NE(err.find("data: No geometry file specified."), std::string::npos);
}

TEST_F(DataCommands, NativeBinaryCannotChangeOnceGeometryExists) {
  std::string err;
  EXPECT_EQ(line("data: native_binary OFF"), 1);
  EXPECT_EQ(Swap_server_bytes[0], 1);
  char name[USERD_NAME_LEN];
  int two = 0;
  ASSERT_EQ(get_userd_reader_name(name, &two), 0);  // the server has taken the request
  EXPECT_NE(server_log().find("swapbytes 1"), std::string::npos);
  Gexist[0] = 1;
  EXPECT_EQ(line("data: native_binary ON", &err), -1);
  EXPECT_NE(err.find("Geometry already exists. Can't change binary type."), std::string::npos);
  EXPECT_EQ(line("data: native_binary OFF"), 1);
  EXPECT_EQ(Swap_server_bytes[0], 1);
}

// The path and a name may add up to 254 characters; one more is refused
// before any request, and a single over-long value is refused as it comes.
TEST_F(DataCommands, PathAndNameLengths) {
  std::string dir = "/" + std::string(199, 'd');
  struct {
    int name_len;
    bool ok;
  } cases[] = {{254 - 200, true}, {255 - 200, false}};
  for (auto &c : cases) {
    reset_case(0);
    std::string err;
    ASSERT_EQ(lines({"data: format case", "data: path " + dir,
                     "data: geometry " + std::string(c.name_len, 'g')}),
              1);
    int r = line("data: read", &err);
    EXPECT_EQ(r, -1);  // the file does not exist either way
    EXPECT_EQ(err.find("Error reading file: path name is too long.") != std::string::npos, !c.ok)
        << c.name_len << err;
  }
  std::string err;
  EXPECT_EQ(line("data: geometry " + std::string(255, 'g'), &err), -1);
  EXPECT_NE(err.find("Error reading file: path name is too long."), std::string::npos);
  EXPECT_EQ(line("data: path /" + std::string(254, 'p'), &err), -1);
}

// The time line the reading exchange brings: 0..10 at times 0.5 + 2k.
static void deliver_steps(int n) {
  std::vector<float> v;
  for (int k = 0; k < n; k++) {
    v.push_back((float)k);
    v.push_back(0.5f + 2.0f * (float)k);
  }
  time_steps_deliver(reinterpret_cast<const float(*)[2]>(v.data()), n, 0);
}

TEST_F(DataCommands, StartTimeAfterTheRead) {
  struct {
    const char *title;
    int steps;
    const char *start;  // "data: start_time" value, or null
    float current;      // the time made current
    float increment;
  } cases[] = {
      {"start_time 3", 11, "3", 6.5f, 2.0f},
      {"no start_time: last step, silently", 11, nullptr, 20.5f, 2.0f},
      {"single step", 1, nullptr, 0.5f, 0.0f},
  };
  for (auto &c : cases) {
    SCOPED_TRACE(c.title);
    reset_case(0);
    clear_time_line();
    Cmd_data_startstep = -1;
    deliver_steps(c.steps);
    std::vector<std::string> l = {"data: format case", "data: path " + D,
                                  "data: geometry vtk/mixed.vtk"};
    if (c.start) l.push_back(std::string("data: start_time ") + c.start);
    ASSERT_EQ(lines(l), 1);
    std::string err;
    ASSERT_EQ(line("data: read", &err), 1) << err;
    EXPECT_EQ(err.find("out of the simulation"), std::string::npos) << err;
    EXPECT_FLOAT_EQ(Current_time, c.current);
    EXPECT_FLOAT_EQ(Soltime_curstep, (c.current - 0.5f) / 2.0f);  // the panel shows the step
    EXPECT_EQ(Soltime_endstep, c.steps - 1);
    EXPECT_EQ(Cmd_data_startstep, c.start ? atoi(c.start) : -1);
    float anim[ANIM_GLOBAL_WORDS];
    get_global_animation_attributes(anim);
    EXPECT_FLOAT_EQ(anim[ANIM_START_STEP], 0);
    EXPECT_FLOAT_EQ(anim[ANIM_END_STEP], (float)(c.steps - 1));
    EXPECT_FLOAT_EQ(anim[ANIM_START_TIME], 0.5f);
    EXPECT_FLOAT_EQ(anim[ANIM_TIME_INC], c.increment);
    // A second read with steps already on the time line keeps the time
    // that is current (snapped to the nearest step).
  }
}

TEST_F(DataCommands, OutOfRangeStartStepDefaultsToTheLastAndFails) {
  deliver_steps(11);
  std::string err;
  ASSERT_EQ(lines({"data: format case", "data: path " + D, "data: geometry vtk/mixed.vtk",
                   "data: start_time 12"}),
            1);
  EXPECT_EQ(line("data: read", &err), -1);
  EXPECT_NE(err.find("Data start time is out of the simulation time step range."), std::string::npos);
  EXPECT_FLOAT_EQ(Current_time, 20.5f);
  EXPECT_EQ(Cmd_data_startstep, 0);
}

// A read while another case's time line exists keeps the current time,
// moved onto the nearest step when it lies between two; an empty time line
// makes no time current.
TEST_F(DataCommands, LaterReadKeepsTheCurrentTime) {
  deliver_steps(11);
  ASSERT_EQ(lines({"data: format case", "data: path " + D, "data: geometry vtk/mixed.vtk",
                   "data: start_time 3", "data: read"}),
            1);
  reset_case(0);
  Current_time = 7.2f;  // between steps 3 (6.5) and 4 (8.5)
  ASSERT_EQ(lines({"data: format plot3d", "data: path " + D, "data: geometry plot3d/zones3_c.xyz",
                   "data: result plot3d/zones3_c.q", "data: read"}),
            1);
  EXPECT_FLOAT_EQ(Current_time, 6.5f);

  reset_case(0);
  clear_time_line();
  deliver_steps(0);
  Current_time = 4.0f;
  ASSERT_EQ(lines({"data: format case", "data: path " + D, "data: geometry vtk/mixed.vtk",
                   "data: read"}),
            1);
  EXPECT_FLOAT_EQ(Current_time, 4.0f);
}

// Results or measured data asked for before any geometry: the read fails
// and so does the "read" line, which keeps the pending flags.
TEST_F(DataCommands, DataBeforeGeometryFailsTheReadLine) {
  struct {
    std::vector<std::string> setup;
    const char *message;
  } cases[] = {
      {{"data: format plot3d", "data: result plot3d/zones3_c.q"},
       "The geometry file must be read before reading results."},
      {{"data: format case", "data: measured m.dat"},
       "The geometry file must be read before reading measured results."},
  };
  for (auto &c : cases) {
    SCOPED_TRACE(c.message);
    reset_case(0);
    ASSERT_EQ(lines(c.setup), 1);
    std::string err;
    EXPECT_EQ(line("data: read", &err), -1);
    EXPECT_NE(err.find(c.message), std::string::npos) << err;
    int flags[3] = {0, 0, 0};
    datachange_flags(&flags[0], &flags[1], &flags[2], 0);
    EXPECT_EQ(flags[1] + flags[2], 1);
    EXPECT_EQ(Command_proc_err, 0);
    int zero[3] = {0, 0, 0};
    datachange_flags(&zero[0], &zero[1], &zero[2], 1);
  }
}

// Single-file formats against a scripted server of five parts.
class SingleFileRead : public ReadingTest {
 protected:
  void SetUp() override {
    ReadingTest::SetUp();
    partbld_vals_reset();
    int zero[3] = {0, 0, 0};
    datachange_flags(&zero[0], &zero[1], &zero[2], 1);
    Gexist[0] = Rexist[0] = Mexist[0] = 0;
    Swap_server_bytes[0] = 0;
    Cmd_data_startstep = -1;
    Data_geom_file[0][0] = Data_result_file[0][0] = Data_meas_file[0][0] = '\0';
    if (Data_readcmds[0]) Data_readcmds[0][0] = '\0';
  }
  void TearDown() override {
    partbld_vals_reset();
    Gexist[0] = Rexist[0] = 0;
    Data_format[0] = DATA_FORMAT_CASEFILE;
    ReadingTest::TearDown();
  }
  // The exchange up to the final code of a geometry read of f.neu.
  static CaseStep geometry(int format, int code) {
    return {common_requests("./", {format}) + str("read geom") + str("f.neu") + i32(0),
            i32(0) + flags(code)};
  }
  static Bytes five_parts() {
    Bytes b = i32(5);
    for (int p = 1; p <= 5; p++) b = b + i32(p) + str("p" + std::to_string(p));
    return b;
  }
  // Discovery of the five parts during the geometry exchange.
  static std::vector<CaseStep> discovery() {
    std::vector<float> zero(5, 0.0f);
    Bytes extents = ints({0, 0, 0, 0, 0}) + ints({0, 0, 0, 0, 0});
    for (int k = 0; k < 6; k++) extents = extents + floats(zero);
    return {{str("part info"), five_parts()},
            {str("minm_many") + i32(5) + ints({1, 2, 3, 4, 5}), extents}};
  }
  static CaseStep transfer(const std::vector<int> &numbers) {
    size_t m = numbers.size();
    std::vector<int> zeros(m, 0);
    return {str("loadp_many") + i32((int)m) + ints(numbers) + ints(zeros) +
                ints(std::vector<int>(m, -1)) + floats(std::vector<float>(m, 1.0f)) +
                floats(std::vector<float>(m, 10.0f)),
            ints(zeros) + ints(zeros) + ints(zeros) + ints(zeros) + ints(zeros) + ints(zeros)};
  }
  int run(const std::vector<std::string> &texts, std::string *err) {
    int r = 1;
    testing::internal::CaptureStderr();
    for (const std::string &t : texts) {
      Command_proc_err = 0;
      if (cmd_process(t.c_str()) < 0) {
        r = -1;
        break;
      }
    }
    *err = testing::internal::GetCapturedStderr();
    return r;
  }
};

TEST_F(SingleFileRead, LoadChoiceDecidesWhatIsTransferredAndRecorded) {
  struct {
    const char *title;
    const char *format;
    int code;
    std::vector<int> loaded;
    const char *text_end;
  } cases[] = {
      {"fidap, part 1 only", "fidap", 2, {1},
       "# data: geometry f.neu\n# data: path \n# data_partbuild: tarvload part1_only\n# data: read"},
      {"abaqus loads all", "abaqus", 8, {1, 2, 3, 4, 5},
       "# data: geometry f.neu\n# data: path \n# data: read"},
  };
  for (auto &c : cases) {
    SCOPED_TRACE(c.title);
    PartsTest::TearDown();
    SetUp();
    CaseLink &s = connect_case(0);
    std::vector<CaseStep> steps = {geometry(c.code, 0)};
    for (const CaseStep &d : discovery()) steps.push_back(d);
    steps.push_back({str("part info"), five_parts()});
    steps.push_back(transfer(c.loaded));
    steps.push_back({str("read result") + i32(0), i32(0) + i32(0)});
    steps.push_back(userd_reader_step());
    std::string err;
    int r;
    {
      ScriptedCase server(&s.peer, steps);
      r = run({std::string("data: format ") + c.format, "data: geometry f.neu",
               "data_partbuild: tarvload part1_only", "data: read"},
              &err);
      char name[USERD_NAME_LEN];
      int two = 0;
      get_userd_reader_name(name, &two);
      ASSERT_EQ(server.finish(), "");
    }
    EXPECT_EQ(r, 1) << err;
    std::string text = Data_readcmds[0];
    EXPECT_EQ(text.substr(text.size() - strlen(c.text_end)), c.text_end) << text;
    for (int p = 1; p <= 5; p++) {
      bool loaded = std::find(c.loaded.begin(), c.loaded.end(), p) != c.loaded.end();
      ASSERT_NE(part_by_number(p), nullptr);
      EXPECT_EQ((int)part_by_number(p)->attributes[SLOT_ELT_REP] == ELT_REP_NOT_LOADED, !loaded) << p;
    }
  }
}

TEST_F(SingleFileRead, OpenFailureLeavesABlankPath) {
  CaseLink &s = connect_case(0);
  std::string err;
  {
    ScriptedCase server(&s.peer, {geometry(2, 2), userd_reader_step()});
    EXPECT_EQ(run({"data: format fidap", "data: geometry f.neu", "data: read"}, &err), -1);
    char name[USERD_NAME_LEN];
    int two = 0;
    get_userd_reader_name(name, &two);
    ASSERT_EQ(server.finish(), "");
  }
  EXPECT_NE(err.find("Error opening files."), std::string::npos) << err;
  char path[PATH_TEXT];
  which_path(0, path, 0);
  EXPECT_STREQ(path, " ");
  EXPECT_EQ(Gexist[0], 0);
}

// A part list longer than the part table, with an over-long name: the
// entries past 5000 and the name's tail are drained and the link stays in step.
TEST_F(SingleFileRead, OverlongPartListIsDrained) {
  CaseLink &s = connect_case(0);
  Bytes list = i32(5002) + i32(1) + str(std::string(60, 'n'));
  for (int p = 2; p <= 5002; p++) list = list + i32(p) + str("q");
  std::vector<CaseStep> steps = {geometry(2, 0)};
  for (const CaseStep &d : discovery()) steps.push_back(d);
  steps.push_back({str("part info"), list});
  steps.push_back(transfer({1}));
  steps.push_back({str("read result") + i32(0), i32(0) + i32(0)});
  steps.push_back(userd_reader_step());
  std::string err;
  {
    ScriptedCase server(&s.peer, steps);
    EXPECT_EQ(run({"data: format fidap", "data: geometry f.neu", "data_partbuild: tarvload part1_only",
                   "data: read"},
                  &err),
              1)
        << err;
    char name[USERD_NAME_LEN] = "";
    int two = 0;
    EXPECT_EQ(get_userd_reader_name(name, &two), 0);
    ASSERT_EQ(server.finish(), "");
    EXPECT_STREQ(name, "Custom VTK");
  }
  EXPECT_EQ((int)part_by_number(5)->attributes[SLOT_ELT_REP], ELT_REP_NOT_LOADED);
}

// The File Selection dialog as the source, through its two hooks.
static Data_fileselect_rec Dialog_fields;
static std::vector<std::pair<int, std::string>> Dialog_sets;
static int fake_get(Data_fileselect_rec *out) {
  *out = Dialog_fields;
  return 0;
}
static void fake_set(int field, const char *text) { Dialog_sets.push_back({field, text}); }

TEST_F(DataCommands, DialogReadStripsNamesKeepsThemAsTypedAndPicksTheLastStep) {
  Data_fileselect_get = fake_get;
  Data_fileselect_set = fake_set;
  Dialog_sets.clear();
  Dialog_fields = Data_fileselect_rec();
  Dialog_fields.native = 1;
  Dialog_fields.format = 10;
  snprintf(Dialog_fields.path, sizeof Dialog_fields.path, " %s ", D.c_str());
  snprintf(Dialog_fields.geom, sizeof Dialog_fields.geom, "  vtk/mixed.vtk");
  deliver_steps(11);
  testing::internal::CaptureStderr();
  int r = data_setup_apply(0);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(r, 1) << err;
  EXPECT_STREQ(Data_geom_file[0], "  vtk/mixed.vtk");
  EXPECT_EQ(text(), "# data: native_binary ON\n# data: format case\n# data: path  " + D +
                        " \n# data: geometry vtk/mixed.vtk\n# data: start_time 10\n# data: read");
  EXPECT_FLOAT_EQ(Current_time, 20.5f);
  // With the path changed every text is taken, the empty ones too.
  std::vector<std::pair<int, std::string>> sets = {{DATA_FIELD_PATH, D},
                                                   {DATA_FIELD_GEOMETRY, "vtk/mixed.vtk"},
                                                   {DATA_FIELD_RESULT, ""},
                                                   {DATA_FIELD_MEASURED, ""},
                                                   {DATA_FIELD_START_STEP, "        10"}};
  EXPECT_EQ(Dialog_sets, sets);

  // Nothing changed: nothing is asked and no "read" line is written.
  std::string before = text();
  snprintf(Dialog_fields.path, sizeof Dialog_fields.path, "%s", D.c_str());
  EXPECT_EQ(data_setup_apply(0), 1);
  EXPECT_EQ(text(), before + "\n# data: native_binary ON\n# data: format case");

  // A new path after the geometry is refused and set back.
  snprintf(Dialog_fields.path, sizeof Dialog_fields.path, "/elsewhere");
  testing::internal::CaptureStderr();
  EXPECT_EQ(data_setup_apply(0), -1);
  err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("Path can not be changed for a case after the geometry"), std::string::npos);
  EXPECT_EQ(Dialog_sets.back(), std::make_pair((int)DATA_FIELD_PATH, D));
  Data_fileselect_get = nullptr;
  Data_fileselect_set = nullptr;
}
