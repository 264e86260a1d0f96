// The "part:" command lines through the command processor, the pipeline's
// value checks and the part selection recorder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "client/command_dlog.h"
#include "cmd_lines.h"
#include "parts/modatr.h"
#include "parts/part_apply.h"
#include "parts/part_record.h"
#include "parts/parts_cmdproc.h"
#include "parts_fixture.h"
#include "record_capture.h"
#include "view/view_cmdproc.h"
#include "view/viewports.h"

using namespace qtest;

namespace {

class PartCommand : public PartsTest {
 protected:
  void SetUp() override {
    PartsTest::SetUp();
    Modatr_calls = Modatr_hooks{};  // no builders: only what is stored counts here
    for (int v = 0; v < MAX_VIEWPORTS; v++) saved_in_use_[v] = Viewports[v].in_use;
    Recorded_selection_source = -1;
    Cmd_select_allmatchingparts = 1;
    Cmd_partname_mode = 0;
    Part_listbytype = 0;
    cmd_part_selection_set(0, nullptr);
    part_mod_clear();
    for (int n = 1; n <= 3; n++) {
      Part_rec *p = model_part(n, ("part" + std::to_string(n)).c_str());
      plain_solid_attributes(p->attributes);
      p->attributes[SLOT_LINE_WIDTH] = 1;
    }
  }
  void TearDown() override {
    Modatr_calls = Modatr_real_calls;
    for (int v = 0; v < MAX_VIEWPORTS; v++) Viewports[v].in_use = saved_in_use_[v];
    Cmd_select_allmatchingparts = 1;
    Cmd_partname_mode = 0;
    Part_listbytype = 0;
    int none = 0;
    viewport_vis_part_changed_pattern(&none, 1);
    PartsTest::TearDown();
  }
  // Runs the lines; the result of the last one and what went to stderr.
  int run(const std::vector<std::string> &lines, std::string *err = nullptr) {
    return qtest::run_lines(lines, err);
  }
  int run_block(const std::vector<std::string> &attrs, std::string *err = nullptr) {
    std::vector<std::string> lines = {"part: select_begin", " 1", "part: select_end",
                                      "part: modify_begin"};
    lines.insert(lines.end(), attrs.begin(), attrs.end());
    lines.push_back("part: modify_end");
    return run(lines, err);
  }
  float slot(int n, int s) { return part_by_number(n)->attributes[s]; }

 private:
  int saved_in_use_[MAX_VIEWPORTS];
};

TEST_F(PartCommand, AttributeKeywordsApplyOnlyAtModifyEnd) {
  EXPECT_GE(run({"part: select_begin", " 1 2", "part: select_end", "part: modify_begin",
                 "part: visible OFF"}),
            0);
  EXPECT_EQ(slot(1, SLOT_VISIBLE), 1.0f);
  EXPECT_GE(run({"part: modify_end"}), 0);
  EXPECT_EQ(slot(1, SLOT_VISIBLE), 0.0f);
  EXPECT_EQ(slot(2, SLOT_VISIBLE), 0.0f);
  EXPECT_EQ(slot(3, SLOT_VISIBLE), 1.0f);
}

TEST_F(PartCommand, OptionKeywordsStoreTheirValues) {
  struct {
    const char *line;
    int slot;
    float value;
  } cases[] = {
      {"part: elt_representation feature_angle", SLOT_ELT_REP, 2},
      {"part: elt_feature_angle 30", SLOT_FEATURE_ANGLE, 30},
      {"part: bounding_rep element", SLOT_BOUNDING_REP, 0},
      {"part: bounding_rep points", SLOT_BOUNDING_REP, 2},
      {"part: surface_type smooth", SLOT_SHADING, 2},
      {"part: transparency 0.25", SLOT_OPAQUENESS, 0.25f},
      {"part: symmetry_-1_1_1 ON", SLOT_MIRROR_X, 1},
      {"part: entity_label_part ON", SLOT_LABEL_PART, 1},
  };
  for (auto &c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_GE(run_block({c.line}), 0);
    EXPECT_EQ(slot(1, c.slot), c.value);
  }
  EXPECT_GE(run_block({"part: colorby_rgb 0.1 0.2 0.3"}), 0);
  EXPECT_EQ(slot(1, SLOT_RGB_G), 0.2f);
  EXPECT_EQ(slot(1, SLOT_RGB_B), 0.3f);
}

TEST_F(PartCommand, BadValuesFailTheLineWithTheKeywordsMessage) {
  struct {
    std::vector<std::string> lines;
    const char *message;
  } cases[] = {
      {{"part: line_width x"}, "line width: Bad parameter"},
      {{"part: node_type cube"}, "node type: Bad parameter"},
      {{"part: displace_by nosuch"}, "displacement: The variable doesn't exist."},
      {{"part: node_variable nosuch"}, "node var: Bad parameter"},
      {{"part: colorby_palette"}, "colorby palette: illegal name specified."},
      {{"part: colorby_subpalette x"}, "Bad data passed to part_cmdproc()"},
      {{"part: updtparts 77"}, "update parts: Invalid part id specified."},
      {{"part: select_begin", " 1 5000", "part: select_end"}, "part: Invalid part id specified."},
      {{"part: select_begin", " 4", "part: select_end"}, "part: Invalid part id specified."},
      {{"part: copy"}, "No parts selected."},
  };
  for (auto &c : cases) {
    SCOPED_TRACE(c.lines.back());
    part_mod_clear();
    std::string err;
    EXPECT_EQ(run(c.lines, &err), -1);
    EXPECT_NE(err.find(c.message), std::string::npos) << err;
    for (int s = 0; s < PART_ATTR_SLOTS; s++) EXPECT_EQ(Part_modchng_flags[s], 0) << s;
  }
}

TEST_F(PartCommand, RefusedRangeFailsModifyEndAndStoresNothing) {
  std::string err;
  EXPECT_EQ(run_block({"part: line_width 25", "part: visible OFF"}, &err), -1);
  EXPECT_NE(err.find("Illegal line width, should be in range: [1, 20]."), std::string::npos);
  EXPECT_EQ(slot(1, SLOT_LINE_WIDTH), 1.0f);
  EXPECT_EQ(slot(1, SLOT_VISIBLE), 1.0f);
  EXPECT_EQ(Command_proc_err, 1);

  EXPECT_EQ(run({"part: select_default", "part: modify_begin", "part: modify_end"}), 0 + CMD_CAT_PART);
}

TEST_F(PartCommand, ModifyEndWithoutSelectionFails) {
  std::string err;
  EXPECT_EQ(run({"part: modify_begin", "part: visible OFF", "part: modify_end"}, &err), -1);
  EXPECT_NE(err.find("No parts selected to modify attributes."), std::string::npos);
}

TEST_F(PartCommand, ViewportVisOffChangesOnlyTheNamedViewports) {
  for (int v = 0; v < 4; v++) Viewports[v].in_use = 1;
  part_by_number(1)->attributes[SLOT_VIEWPORT_VIS] = 15;
  part_by_number(2)->attributes[SLOT_VIEWPORT_VIS] = 15;
  EXPECT_GE(run_block({"part: viewport_vis off 2 3"}), 0);
  EXPECT_EQ(slot(1, SLOT_VIEWPORT_VIS), 9.0f);
  EXPECT_EQ(slot(2, SLOT_VIEWPORT_VIS), 15.0f);
  EXPECT_GE(run_block({"part: viewport_vis on 3"}), 0);
  EXPECT_EQ(slot(1, SLOT_VIEWPORT_VIS), 13.0f);
}

TEST_F(PartCommand, DefaultsSelectionChangesTheDefaults) {
  EXPECT_GE(run({"part: select_default", "part: modify_begin", "part: line_width 4",
                 "part: modify_end"}),
            0);
  EXPECT_EQ(part_type_defaults(PART_MODEL)[SLOT_LINE_WIDTH], 4.0f);
  EXPECT_EQ(slot(1, SLOT_LINE_WIDTH), 1.0f);
}

TEST_F(PartCommand, LongDescriptionIsCutTo49Characters) {
  std::string name(60, 'd');
  EXPECT_GE(run_block({"part: description " + name}), 0);
  EXPECT_EQ(std::string(part_by_number(1)->name), name.substr(0, 49));
}

TEST_F(PartCommand, NameListSelectsByDescription) {
  EXPECT_GE(run({"part: select_partname_begin", "\"part2\" \"part3\"", "part: select_partname_end",
                 "part: modify_begin", "part: visible OFF", "part: modify_end"}),
            0);
  EXPECT_EQ(slot(1, SLOT_VISIBLE), 1.0f);
  EXPECT_EQ(slot(2, SLOT_VISIBLE), 0.0f);
  EXPECT_EQ(slot(3, SLOT_VISIBLE), 0.0f);
}

TEST_F(PartCommand, UnknownNameFailsOrIsSkippedByTheMatchingSwitch) {
  Cmd_select_allmatchingparts = 0;
  std::string err;
  EXPECT_GE(run({"part: select_partname_begin"}), 0);
  EXPECT_EQ(run({"\"nosuch\""}, &err), -1);
  EXPECT_NE(err.find("part: selection - Part doesn't exist."), std::string::npos);
  EXPECT_EQ(Cmd_partname_mode, 0);

  Cmd_select_allmatchingparts = 1;
  EXPECT_GE(run({"part: select_partname_begin", "\"nosuch\" \"part1\""}), 0);
  EXPECT_EQ(Cmd_partname_mode, 1);
  EXPECT_GE(run({"part: select_partname_end"}), 0);
  EXPECT_EQ(Cmd_part_wrking_cnt, 1);
  EXPECT_EQ(Cmd_part_wrking_extnumber[0], 1);

  EXPECT_EQ(run({"part: select_partname_begin", "\"part1"}, &err), -1);
  EXPECT_NE(err.find("part: missing \" in part selection name."), std::string::npos);
  EXPECT_EQ(Cmd_partname_mode, 0);
}

// A new feature angle shown as feature edges: the server forgets the part's
// old edges, then the part is refetched at representation 2 and 30 degrees.
TEST_F(PartCommand, FeatureAngleLinesDropEdgesThenRefetchThePart) {
  Modatr_calls = Modatr_real_calls;
  CaseLink &server = connect_case(0);
  const float factor = slot(1, SLOT_DISPLACE_FACTOR);
  int result = 0;
  ClientCall call(this, [&] {
    result = run_block({"part: elt_representation feature_angle", "part: elt_feature_angle 30"});
  });
  const Bytes asked = str("delete feature") + i32(1) + str("minm") + i32(1);
  EXPECT_EQ(server.peer.recv(asked.size()), asked);
  Bytes extents = i32(0) + i32(0);
  for (int k = 0; k < 6; k++) extents = extents + f32(0);
  server.peer.send(extents);
  const Bytes load = str("loadp_many") + i32(1) + ints({1}) + ints({2}) + ints({-1}) +
                     floats({factor}) + floats({30.0f});
  EXPECT_EQ(server.peer.recv(load.size()), load);
  server.peer.send(ints({1}) + ints({0}) + ints({0}) + ints({0}) + ints({0}) + ints({0}));
  ASSERT_TRUE(call.finished_within(5000));
  EXPECT_TRUE(server.peer.quiet(100));
  EXPECT_GE(result, 0);
  EXPECT_EQ(slot(1, SLOT_ELT_REP), 2.0f);
  EXPECT_EQ(slot(1, SLOT_FEATURE_ANGLE), 30.0f);
}

// ---- refusals and creation in the pipeline ---------------------------------------------

TEST_F(PartCommand, ApplyRefusesAWholeChangeWithTheGuardsMessage) {
  Part_rec *arrow = add_part({8, 0, PART_ARROW, "arrows", -1, {1}, false});
  plain_solid_attributes(arrow->attributes);
  Part_rec *elev = add_part({9, 0, PART_ELEVATED, "hills", -1, {1}, false});
  elev->attributes[99] = 1;
  elev->attributes[100] = 0;
  struct {
    const char *what;
    int type, deflt, slot;
    float value;
    std::vector<int> list;
    const char *message;
  } cases[] = {
      {"a list holding an arrow", 0, 0, SLOT_ELT_REP, 1, {1, 8},
       "Can not change element representation of\ntraces, contours, arrows or profiles."},
      {"contour defaults", PART_CONTOUR, 1, SLOT_ELT_REP, 1, {-1},
       "Can not change element representation of\ntraces, contours, arrows or profiles defaults."},
      {"sidewalls off with the surface off", PART_ELEVATED, 0, 99, 0, {9},
       "Must have either sidewalls or surface ON."},
  };
  for (auto &c : cases) {
    SCOPED_TRACE(c.what);
    float values[PART_ATTR_SLOTS] = {};
    int flags[PART_ATTR_SLOTS] = {};
    values[c.slot] = c.value;
    flags[c.slot] = 1;
    values[SLOT_LINE_WIDTH] = 7;
    flags[SLOT_LINE_WIDTH] = 1;
    Command_proc_err = 0;
    testing::internal::CaptureStderr();
    part_apply(PART_SRC_COMMAND, c.type, c.deflt, values, flags, "", 0, nullptr,
               (int)c.list.size(), c.list.data(), 0, 1);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(c.message), std::string::npos) << err;
    EXPECT_EQ(Command_proc_err, 1);
    EXPECT_EQ(slot(1, SLOT_LINE_WIDTH), 1.0f);
    EXPECT_EQ(flags[SLOT_LINE_WIDTH], 0);
  }
}

namespace {
int Created = 0;
void made_one(int, int, int *, float *, float *, char *, char *, int *, int) { Created++; }
}  // namespace

TEST_F(PartCommand, CreateRecordsParentsAndItsLineOnlyFromDialogs) {
  Part_rout_rec keep = Part_rout[PART_ISOSURFACE];
  Part_rout[PART_ISOSURFACE].create = made_one;
  Created = 0;
  int parents[] = {2, 3};
  float base[PART_ATTR_SLOTS] = {}, values[PART_ATTR_SLOTS] = {};
  int flags[PART_ATTR_SLOTS] = {};
  EXPECT_EQ(recorded_lines([&] {
              part_create(PART_ISOSURFACE, 2, parents, 2, base, values, nullptr, nullptr, flags, 0,
                          0);
            }),
            "part: select_begin\n 2 3\npart: select_end\nisos: create\n");
  EXPECT_EQ(recorded_lines([&] {
              part_create(PART_ISOSURFACE, 2, parents, 2, base, values, nullptr, nullptr, flags, 0,
                          1);
            }),
            "");
  EXPECT_EQ(Created, 2);
  Part_rout[PART_ISOSURFACE] = keep;

  // A type whose feature is not built makes nothing, and its command line fails.
  Command_proc_err = 0;
  testing::internal::CaptureStderr();
  part_create(PART_CLIP, 2, parents, 2, base, values, nullptr, nullptr, flags, 0, 1);
  EXPECT_NE(testing::internal::GetCapturedStderr().find(
                "Clip parts are not available in this build."),
            std::string::npos);
  EXPECT_EQ(Part_create_error, 1);
  EXPECT_EQ(Command_proc_err, 1);
}

// ---- recording -------------------------------------------------------------------------

class PartRecording : public PartCommand {
 protected:
  void SetUp() override {
    PartCommand::SetUp();
    keep_by_number_ = Cmd_record_parts_by_number;
    Cmd_record_parts_by_number = 1;
  }
  void TearDown() override {
    Cmd_record_parts_by_number = keep_by_number_;
    PartCommand::TearDown();
  }
  std::string record(int cat, std::vector<int> numbers, int source = 0) {
    return recorded_lines([&] {
      part_rec_selparts(cat, (int)numbers.size(), numbers.data(), source);
    });
  }
  int keep_by_number_ = 1;
};

TEST_F(PartRecording, SelectionFormsByWhatIsSelected) {
  clear_parts();
  for (int n = 1; n <= 25; n++) model_part(n, ("p" + std::to_string(n)).c_str());
  std::vector<int> all(25);
  for (int n = 0; n < 25; n++) all[n] = n + 1;
  std::vector<int> first23(all.begin(), all.begin() + 23);

  EXPECT_EQ(record(CMD_CAT_PART, first23),
            "part: select_begin\n 1 2 3 4 5 6 7 8 9 10\n 11 12 13 14 15 16 17 18 19 20\n"
            " 21 22 23\npart: select_end\n");
  EXPECT_EQ(record(CMD_CAT_PART, first23), "");  // the same source again
  Recorded_selection_source = -1;
  EXPECT_EQ(record(5, {}), "isos: select_default\n");
  Recorded_selection_source = -1;
  EXPECT_EQ(record(5, {-2}), "part: select_all_default\n");
  Recorded_selection_source = -1;
  EXPECT_EQ(record(CMD_CAT_PART, all), "part: select_all\n");
  Recorded_selection_source = -1;
  Part_listbytype = 1;
  EXPECT_EQ(record(CMD_CAT_PART, all), "part: select_all_case 1\n");
}

TEST_F(PartRecording, ByNameLinesBreakAfterFiftyCharacters) {
  Cmd_record_parts_by_number = 0;
  clear_parts();
  std::string twenty(18, 'n');
  for (int n = 1; n <= 5; n++) model_part(n, (twenty + std::to_string(n) + "x").c_str());
  model_part(6, std::string(49, 'L').c_str());
  model_part(7, "not selected");
  std::string q = "\"" + twenty;
  EXPECT_EQ(record(CMD_CAT_PART, {1, 2, 3, 4, 6, 5}),
            "part: select_partname_begin\n" + q + "1x\" " + q + "2x\" " + q + "3x\"\n" + q +
                "4x\" \"" + std::string(49, 'L') + "\"\n" + q + "5x\"\npart: select_partname_end\n");
}

TEST_F(PartRecording, SecondApplyFromTheListRecordsNoSelection) {
  float values[PART_ATTR_SLOTS] = {};
  int flags[PART_ATTR_SLOTS] = {};
  const int selected[] = {1, 2};
  auto apply = [&] {
    values[SLOT_LINE_WIDTH] = 3;
    flags[SLOT_LINE_WIDTH] = 1;
    part_apply(PART_SRC_QEDIT, 0, 0, values, flags, "", 0, nullptr, 2, selected, 0, 0);
  };
  EXPECT_EQ(recorded_lines(apply),
            "part: select_begin\n 1 2\npart: select_end\npart: modify_begin\n"
            "part: line_width 3\npart: modify_end\n");
  EXPECT_EQ(slot(2, SLOT_LINE_WIDTH), 3.0f);
  values[SLOT_LINE_WIDTH] = 5;
  EXPECT_EQ(recorded_lines([&] {
              flags[SLOT_LINE_WIDTH] = 1;
              values[SLOT_LINE_WIDTH] = 5;
              part_apply(PART_SRC_QEDIT, 0, 0, values, flags, "", 0, nullptr, 2, selected, 0, 0);
            }),
            "part: modify_begin\npart: line_width 5\npart: modify_end\n");
  for (int s = 0; s < PART_ATTR_SLOTS; s++) EXPECT_EQ(flags[s], 0);
}

TEST_F(PartRecording, ViewportVisibilityIsRecordedPerViewport) {
  for (int v = 0; v < 4; v++) Viewports[v].in_use = 1;
  part_by_number(1)->attributes[SLOT_VIEWPORT_VIS] = 15;
  float values[PART_ATTR_SLOTS] = {};
  int flags[PART_ATTR_SLOTS] = {};
  values[SLOT_VIEWPORT_VIS] = 4;  // 3 on, 2 off
  flags[SLOT_VIEWPORT_VIS] = 1;
  int pattern = 6;
  viewport_vis_part_changed_pattern(&pattern, 1);
  const int selected[] = {1};
  Recorded_selection_source = 0;
  EXPECT_EQ(recorded_lines([&] {
              part_apply(PART_SRC_QEDIT, 0, 0, values, flags, "", 0, nullptr, 1, selected, 0, 0);
            }),
            "part: modify_begin\npart: viewport_vis on  3\npart: viewport_vis off  2\n"
            "part: modify_end\n");
  EXPECT_EQ(slot(1, SLOT_VIEWPORT_VIS), 13.0f);
}

// ---- range checks ------------------------------------------------------------------------

TEST(PartCheckValues, EachBoundIsInclusiveAndAFailureClearsOnlyItsFlag) {
  struct {
    int slot;
    float below, low, high, above;
    const char *message;
  } cases[] = {
      {12, 1.5f, 2.0f, 10.0f, 10.5f, "Illegal detail level, should be in range: [2, 10]."},
      {24, 0.5f, 1.0f, 20.0f, 21.0f, "Illegal line width, should be in range: [1, 20]."},
      {30, -0.1f, 0.0f, 1.0f, 1.1f, "Illegal Diff float, should be in range: [0.0, 1.0]."},
      {31, 0.5f, 1.0f, 100.0f, 101.0f, "Illegal Shin float, should be in range: [1.0, 100.0]."},
      {32, -0.1f, 0.0f, 1.0f, 1.1f, "Illegal H Int float, should be in range: [0.0, 1.0]."},
      {34, -1.0f, 0.0f, 180.0f, 181.0f, "Illegal feature angle, should be in range: [0, 180]."},
      {35, -0.1f, 0.0f, 1.0f, 1.1f, "Illegal shrink factor, should be in range: [0.0, 1.0]."},
      {41, -0.1f, 0.0f, 1.0f, 1.1f, "Illegal red component, should be in range: [0.0, 1.0]."},
      {42, -0.1f, 0.0f, 1.0f, 1.1f, "Illegal green component, should be in range: [0.0, 1.0]."},
      {43, -0.1f, 0.0f, 1.0f, 1.1f, "Illegal blue component, should be in range: [0.0, 1.0]."},
      {44, -0.1f, 0.0f, 1.0f, 1.1f,
       "Illegal transparency value, should be in range: [0.0, 1.0]."},
  };
  for (auto &c : cases) {
    SCOPED_TRACE(c.slot);
    float values[PART_ATTR_SLOTS] = {};
    values[SLOT_LINE_WIDTH] = 1;  // a second flagged slot that passes
    values[12] = 2;
    values[31] = 1;
    for (float bad : {c.below, c.above}) {
      int flags[PART_ATTR_SLOTS] = {};
      flags[c.slot] = 1;
      flags[SLOT_FRAME] = 1;
      values[c.slot] = bad;
      testing::internal::CaptureStderr();
      EXPECT_EQ(part_check_values(108, flags, values), 0);
      std::string err = testing::internal::GetCapturedStderr();
      EXPECT_NE(err.find(c.message), std::string::npos) << err;
      EXPECT_EQ(flags[c.slot], 0);
      EXPECT_EQ(flags[SLOT_FRAME], 1);
    }
    for (float good : {c.low, c.high}) {
      int flags[PART_ATTR_SLOTS] = {};
      flags[c.slot] = 1;
      values[c.slot] = good;
      EXPECT_EQ(part_check_values(108, flags, values), 1);
      EXPECT_EQ(part_check_values(c.slot, flags, values), 1);
    }
  }
  float values[PART_ATTR_SLOTS] = {};
  int flags[PART_ATTR_SLOTS] = {};
  values[SLOT_FRAME] = 3;  // no such frame
  flags[SLOT_FRAME] = 1;
  testing::internal::CaptureStderr();
  EXPECT_EQ(part_check_values(108, flags, values), 0);
  EXPECT_NE(testing::internal::GetCapturedStderr().find(
                "Bad frame number entered in Ref. Frame field."),
            std::string::npos);
}

}  // namespace
