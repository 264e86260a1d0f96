// The geometry exchange against a scripted case server, one row per reader
// format: the exact request bytes, a successful reply, and a failed one
// after which the next request on the channel is answered normally.
#include <gtest/gtest.h>
#include <sys/socket.h>

#include <cstring>

#include "data_fixture.h"
#include "view/frames.h"
#include "parts/attribute.h"

using namespace qtest;

namespace {

struct Format_row {
  const char *title;
  int format;
  Bytes to_server;      // what the client sends after the ignored int
  Bytes ok_reply;       // a successful reply from the status on
  std::vector<CaseStep> after_ok;  // requests the client makes after a success
  Bytes fail_reply;     // a failed reply from the status on
  int fail_result;
  int fail_gstatus;
};

Bytes n3s_ok() {
  Bytes b = i32(0) + i32(0) + i32(0) + i32(0) + i32(1) + ints({4}) + i32(1) + ints({7}) + ints({2}) +
            ints({11, 12});
  for (int k = 0; k < 20; k++) b = b + str("v" + std::to_string(k));
  return b + flags(0);
}

std::vector<Format_row> rows() {
  Bytes single = i32(0) + one_part_block() + flags(0);
  std::vector<CaseStep> parts_asked = {{str("part info"), i32(0)}};
  return {
      {"native", 0, i32(0), i32(0) + single, {}, i32(3) + flags(3), 3, 0},
      {"plot3d", 1, ints({0, 0, 1, 2}), i32(0) + i32(1) + i32(5) + i32(6) + i32(7) + i32(1) + flags(0),
       {}, i32(2) + flags(2), 2, 0},
      {"fidap", 2, {}, flags(0), parts_asked, flags(2), 2, 1},
      {"n3s", 3, i32(0), n3s_ok(), {}, i32(2) + i32(0) + flags(2), 2, 0},
      {"estet", 4, {}, i32(0) + i32(10) + i32(11) + i32(12) + i32(0) + flags(0), {},
       i32(2) + flags(2), 2, 0},
      {"tarv4", 5, i32(0), flags(0), parts_asked, flags(2), 2, 1},
      {"movie", 6, {}, flags(0), parts_asked, flags(2), 2, 1},
      {"ansys", 7, {}, flags(0), parts_asked, flags(2), 2, 1},
      {"abaqus", 8, {}, flags(0), parts_asked, flags(2), 2, 1},
      {"fast", 9, i32(0), flags(0), parts_asked, flags(2), 2, 1},
      {"case", 10, {}, i32(0) + i32(0) + one_part_block() + i32(0) + flags(0), {},
       i32(3) + i32(0) + flags(3), 3, 0},
      {"userdef", 11, {}, i32(0) + single, {}, i32(3) + flags(3), 3, 0},
  };
}

// The steps of one exchange up to the ignored int.
std::vector<CaseStep> opening(int format) {
  std::vector<CaseStep> s;
  if (format == 10) {
    s.push_back({common_requests("./", {10}) + str("read casefile") + str("model.case"),
                 i32(0) + str("model.vtk") + str("")});
    s.push_back({str("read geom") + str("model.vtk") + i32(0), i32(0)});
  } else if (format >= 11) {
    s.push_back({common_requests("./", {11, 0}) + str("send userd files") + i32(9) + str("model.geo") +
                     i32(0),
                 i32(0)});
    s.push_back({str("read geom") + str("model.geo") + i32(0), i32(0)});
  } else {
    s.push_back({common_requests("./", {format}) + str("read geom") + str("model.geo") + i32(0), i32(0)});
  }
  return s;
}

}  // namespace

class GeometryExchange : public ReadingTest {};

TEST_F(GeometryExchange, EveryFormatSendsItsRequestsAndStaysInStepAfterAFailure) {
  CaseLink &s = connect_case(0);
  Plot3d_read_settings_rec p3d = {0, 0, 1, 2};
  for (const Format_row &row : rows()) {
    SCOPED_TRACE(row.title);
    for (int failing = 0; failing < 2; failing++) {
      std::vector<CaseStep> steps = opening(row.format);
      steps.push_back({row.to_server, failing ? row.fail_reply : row.ok_reply});
      if (!failing)
        steps.insert(steps.end(), row.after_ok.begin(), row.after_ok.end());
      else
        steps.push_back(userd_reader_step());
      ScriptedCase server(&s.peer, steps);
      char geometry[DATA_NAME_LEN];
      snprintf(geometry, sizeof geometry, "%s", row.format == 10 ? "model.case" : "model.geo");
      int gstatus = -5;
      int r = read_geometry(row.format, geometry, "", &gstatus, &p3d, -1);
      char name[USERD_NAME_LEN] = "";
      int two = -1;
      if (failing) {
        EXPECT_EQ(get_userd_reader_name(name, &two), 0);
      }
      ASSERT_EQ(server.finish(), "") << (failing ? "failing" : "succeeding");
      EXPECT_EQ(r, failing ? row.fail_result : 0) << failing;
      EXPECT_EQ(gstatus, failing ? row.fail_gstatus : 1) << failing;
      if (failing) {
        EXPECT_STREQ(name, "Custom VTK");
      }
    }
  }
  EXPECT_TRUE(s.peer.quiet(50));
}

TEST_F(GeometryExchange, SuccessfulRepliesFillTheCaseTables) {
  CaseLink &s = connect_case(0);
  Plot3d_read_settings_rec p3d = {0, 0, 1, 2};
  struct Check {
    int format;
    std::function<void()> check;
  } checks[] = {
      {1,
       [] {
         ASSERT_EQ(Plot3d_max_zones[0], 1);
         EXPECT_EQ(Plot3d_max_x[0][0], 5);
         EXPECT_EQ(Plot3d_max_z[0][0], 7);
         EXPECT_EQ(Plot3d_d_flag[0][0], 1);
         EXPECT_EQ(Struct_max_j[0], 6);
       }},
      {3,
       [] {
         ASSERT_EQ(N3snumbound[0], 1);
         EXPECT_EQ(N3sboundcon[0][0], 7);
         EXPECT_EQ(N3sbccodes[0][0][1], 12);
         EXPECT_STREQ(N3svarname[0][19], "v19");
       }},
      {4, [] { EXPECT_EQ(Struct_max_k[0], 12); }},
      {10,
       [] {
         EXPECT_EQ(Tot_num_quivane_parts[0], 1);
         ASSERT_NE(Pbuild[0], nullptr);
         EXPECT_STREQ(Pbuild[0][0].description, "wing");
         EXPECT_EQ(Node_labels[0], 1);
       }},
  };
  for (const Check &c : checks) {
    SCOPED_TRACE(c.format);
    for (const Format_row &row : rows()) {
      if (row.format != c.format) continue;
      std::vector<CaseStep> steps = opening(row.format);
      steps.push_back({row.to_server, row.ok_reply});
      ScriptedCase server(&s.peer, steps);
      char geometry[DATA_NAME_LEN];
      snprintf(geometry, sizeof geometry, "%s", row.format == 10 ? "model.case" : "model.geo");
      int gstatus = 0;
      EXPECT_EQ(read_geometry(row.format, geometry, "", &gstatus, &p3d, -1), 0);
      ASSERT_EQ(server.finish(), "");
      c.check();
      if (row.format == 10) {
        EXPECT_STREQ(geometry, "model.vtk");
      }
    }
  }
}

TEST_F(GeometryExchange, AnInvalidFormatReadsOnlyTheIgnoredInt) {
  CaseLink &s = connect_case(0);
  Plot3d_read_settings_rec p3d = {0, 0, 1, 2};
  ScriptedCase server(&s.peer, {{common_requests("./", {31}) + str("read geom") + str("g") + i32(0),
                                 i32(0)},
                                userd_reader_step()});
  char geometry[DATA_NAME_LEN] = "g";
  int gstatus = 1;
  testing::internal::CaptureStdout();
  EXPECT_EQ(read_geometry(31, geometry, "", &gstatus, &p3d, -1), -1);
  std::string out = testing::internal::GetCapturedStdout();
  char name[USERD_NAME_LEN];
  int two = 0;
  get_userd_reader_name(name, &two);
  EXPECT_EQ(server.finish(), "");
  EXPECT_EQ(gstatus, 0);
  EXPECT_EQ(out, "\n--------------------\nINVALID DATA FORMAT!\n--------------------\n\n");
}

TEST_F(GeometryExchange, CaseMapIsStoredZeroBasedAfterItsFirstEntry) {
  CaseLink &s = connect_case(0);
  Bytes block = i32(0) + i32(3) + i32(4) + ints({0, 1, 2, 3});
  for (int id = 1; id <= 3; id++)
    block = block + i32(id) + str("p" + std::to_string(id)) + i32(1) + ints({2, 3, 4}) + i32(2);
  std::vector<CaseStep> steps = opening(10);
  steps.push_back({Bytes(), i32(0) + i32(0) + block + i32(0) + flags(0)});
  ScriptedCase server(&s.peer, steps);
  char geometry[DATA_NAME_LEN] = "model.case";
  int gstatus = 0;
  EXPECT_EQ(read_geometry(10, geometry, "", &gstatus, nullptr, -1), 0);
  ASSERT_EQ(server.finish(), "");
  ASSERT_EQ(Num_extpn_to_filepn[0], 4);
  EXPECT_EQ(std::vector<int>(Extpn_to_filepn[0], Extpn_to_filepn[0] + 4), (std::vector<int>{0, 0, 1, 2}));
  EXPECT_EQ(Num_struct[0], 3);
  EXPECT_EQ(Pbuild[0][2].dims[2], 4);
  EXPECT_EQ(pbuild_record_of(0, 3), 2);
}

// Rotational periodicity of pi: 180 degrees, and frame 0 follows case slot 0 only.
TEST_F(GeometryExchange, RotationalPeriodicityIsStoredInDegreesAndSetsFrameZeroForSlotZero) {
  // Frame 0 is made by the first graphics initialisation, which these
  // tests do not run.
  if (!does_frame_exist(0)) {
    float defaults[FRAME_ATTR_WORDS];
    frame_attributes(-1, defaults, nullptr, 0);
    ASSERT_EQ(new_frame(defaults, ""), 0);
  }
  float before[FRAME_ATTR_WORDS];
  char fname[FRAME_NAME_LEN];
  ASSERT_EQ(frame_attributes(0, before, fname, 0), 1);
  for (int c : {1, 0}) {
    SCOPED_TRACE(c);
    CaseLink &s = connect_case(c);
    Case_num = c;
    float words[FRAME_ATTR_WORDS];
    memcpy(words, before, sizeof words);
    words[28] = -1;
    frame_attributes(0, words, fname, 1);
    std::vector<CaseStep> steps = opening(10);
    steps.push_back({Bytes(), i32(0) + i32(0) + i32(0) + i32(0) + i32(1) + i32(2) + f32((float)M_PI) + flags(0)});
    ScriptedCase server(&s.peer, steps);
    char geometry[DATA_NAME_LEN] = "model.case";
    int gstatus = 0;
    EXPECT_EQ(read_geometry(10, geometry, "", &gstatus, nullptr, -1), 0);
    ASSERT_EQ(server.finish(), "");
    EXPECT_EQ(Kperio[c], 2);
    EXPECT_NEAR(Pasper[0][c], 180.0f, 1e-3);
    frame_attributes(0, words, fname, 0);
    EXPECT_FLOAT_EQ(words[28], c == 0 ? Pasper[0][0] : -1.0f);
  }
  frame_attributes(0, before, fname, 1);
}

TEST_F(GeometryExchange, PathIsDotSlashOnlyForRelativeNamesWithNoPath) {
  struct {
    const char *path, *geometry, *second, *sent;
  } cases[] = {
      {"", "model.geo", "", "./"},
      {"", "/abs/model.geo", "", ""},
      {"", "model.geo", "/abs/r.res", ""},
      {"/data", "model.geo", "", "/data"},
  };
  CaseLink &s = connect_case(0);
  for (auto &c : cases) {
    SCOPED_TRACE(c.geometry);
    char path[PATH_TEXT];
    snprintf(path, sizeof path, "%s", c.path);
    which_path(0, path, 1);
    ScriptedCase server(&s.peer, {{common_requests(c.sent, {7}) + str("read geom") + str(c.geometry) + i32(0),
                                   i32(0) + flags(2)}});
    char geometry[DATA_NAME_LEN];
    snprintf(geometry, sizeof geometry, "%s", c.geometry);
    int gstatus = 0;
    EXPECT_EQ(read_geometry(7, geometry, c.second, &gstatus, nullptr, -1), 2);
    EXPECT_EQ(server.finish(), "");
  }
}

TEST_F(GeometryExchange, UnwritableReadGeomGivesTwo) {
  CaseLink &s = connect_case(0);
  int ch = s.ch;
  std::vector<CaseStep> steps = opening(10);
  steps.pop_back();
  // The link still delivers the last reply, but nothing more can be written.
  steps.back().on_match = [ch] { shutdown(ccpgfd(ch), SHUT_WR); };
  ScriptedCase server(&s.peer, steps);
  char geometry[DATA_NAME_LEN] = "model.case";
  int gstatus = 1;
  EXPECT_EQ(read_geometry(10, geometry, "", &gstatus, nullptr, -1), 2);
  EXPECT_EQ(gstatus, 0);
  EXPECT_EQ(server.finish(), "");
}

TEST_F(GeometryExchange, FailedTimeStepsEndTheReadBeforeReadGeom) {
  CaseLink &s = connect_case(0);
  time_steps_deliver(nullptr, 0, -1);
  std::vector<CaseStep> steps = opening(10);
  steps.pop_back();
  ScriptedCase server(&s.peer, steps);
  char geometry[DATA_NAME_LEN] = "model.case";
  int gstatus = 1;
  EXPECT_EQ(read_geometry(10, geometry, "", &gstatus, nullptr, -1), -1);
  EXPECT_EQ(gstatus, 0);
  EXPECT_EQ(server.finish(), "");
  EXPECT_TRUE(s.peer.quiet(50));  // "read geom" was not sent
}

TEST_F(GeometryExchange, StartStepChoosesTheTimeMadeCurrent) {
  static const float line[3][2] = {{0, 0.5f}, {1, 1.5f}, {2, 2.5f}};
  struct {
    int steps;
    int start;
    float current;
  } cases[] = {{3, 1, 1.5f}, {3, -1, 2.5f}, {3, 7, 2.5f}, {0, 1, 99.0f}};
  CaseLink &s = connect_case(0);
  for (auto &c : cases) {
    SCOPED_TRACE(c.start);
    time_steps_deliver(line, c.steps, 0);
    Current_time = 99.0f;
    std::vector<CaseStep> steps = opening(11);
    steps.push_back({Bytes(), i32(3) + flags(3)});
    ScriptedCase server(&s.peer, steps);
    char geometry[DATA_NAME_LEN] = "model.geo";
    int gstatus = 0;
    read_geometry(11, geometry, "", &gstatus, nullptr, c.start);
    EXPECT_EQ(server.finish(), "");
    EXPECT_EQ(Current_time, c.current);
  }
}
