// The "frame:" lines and the frame logic they share with the panel: pending
// values and when they are applied, the refusals and the lines they fail,
// the match-file step against a double of the servers' check, and what the
// panel path records.  No display: errors go to standard error.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "client/cmd_play.h"
#include "client/command_dlog.h"
#include "client/screen.h"
#include "cmd_lines.h"
#include "harness.h"
#include "parts/attribute.h"
#include "parts/periodic.h"
#include "record_capture.h"
#include "test_parts.h"
#include "view/frame_cmdproc.h"
#include "view/frame_logic.h"
#include "view/frames.h"

namespace {

struct Frame_state {
  std::vector<float> attrs;
  std::string name;
};

Frame_state frame_state(int frame) {
  float a[FRAME_ATTR_WORDS];
  char name[FRAME_NAME_LEN] = "";
  frame_attributes(frame, a, name, 0);
  return {std::vector<float>(a, a + FRAME_ATTR_WORDS), name};
}

float slot_of(int frame, int s) { return frame_state(frame).attrs[s]; }

using qtest::run_lines;
int run(const std::vector<std::string> &lines, std::string *err = nullptr) {
  return run_lines(lines, err);
}

// The answers of the double of the servers' match file check.
struct Match_answer {
  int result, mismatch, type;
  float dx, dy, dz, angle;
};
Match_answer Answer;
std::string Checked_name;
int Checked_type = -1;

int match_double(const char *name, int *mismatch, int *type, float *dx, float *dy, float *dz,
                 float *angle) {
  Checked_name = name;
  Checked_type = *type;
  *mismatch = Answer.mismatch;
  *type = Answer.type;
  *dx = Answer.dx;
  *dy = Answer.dy;
  *dz = Answer.dz;
  *angle = Answer.angle;
  return Answer.result;
}
int available() { return 1; }

class FrameCommands : public testing::Test {
 protected:
  void SetUp() override {
    reset_part_attribute_state();
    for (int s = 0; s < FRAME_MOD_SLOTS; s++) {
      Frame_mod_attr[s] = 0;
      Frame_modchng_flags[s] = 0;
    }
    Frame_modchng_matchfile[0] = Frame_modchng_desc[0] = '\0';
    Frame_modify_pending = 0;
    Frame_wrking_framecnt = 0;
    // No match file named yet, for the default frame or any other.
    Matcher_default_name[0] = '\0';
    for (int k = 0; k < Matcher_file_count; k++) Matcher_file[k] = Matcher_file_rec{};
    Command_proc_err = 0;
    Recrdr = 0;
    cmd_select_reset();
    qtest::clear_parts();
    frames_table_reset();
    ASSERT_EQ(new_frame(frame_state(-1).attrs.data(), ""), 0);
    Frame0 = frame_state(0);
  }
  void TearDown() override {
    Frame_check_match_file = check_match_file;
    Frame_periodic_available = periodic_instances_available;
    Frame_wrking_framecnt = 0;
    part_selected_parts_windep = Keep_selection;
    cmd_select_reset();
    frames_table_reset();
    qtest::clear_parts();
  }
  int (*const Keep_selection)(int, int *, int **, int **) = part_selected_parts_windep;
  Frame_state Frame0;
};

const char *const Combination =
    "Illegal rotational symmetry combination, the\n(angle * instances) should be in range: [1, "
    "360] or [-1, -360].";

struct Line_case {
  const char *name;
  std::vector<std::string> lines;  // the last one is judged
  int result;
  const char *message;  // in the error output, "" for none
  int slot;             // default frame slot to check, -1 none
  float value;
};

TEST_F(FrameCommands, LinesCollectApplyOrFail) {
  const std::string long79(79, 'd'), long80(80, 'd');
  const Line_case cases[] = {
      {"len_x goes to the defaults", {"frame: select_default", "frame: len_x 5"}, 1, "", 14, 5},
      {"angle 360.4", {"frame: symmetry_angle 360.4"}, 1, "", 28, 360.4f},
      {"angle 360.5", {"frame: symmetry_angle 360.5"}, -1, "Illegal symmetry angle", 28, 30},
      {"angle 0", {"frame: symmetry_angle 0"}, -1, "Illegal symmetry angle", 28, 30},
      {"30 degrees, 12 instances", {"frame: symmetry_angle 30", "frame: symmetry_rinstances 12"},
       1, "", 29, 12},
      {"30 degrees, 13 instances", {"frame: symmetry_angle 30", "frame: symmetry_rinstances 13"},
       -1, Combination, 29, 1},
      {"instances 0", {"frame: symmetry_instances 0"}, -1, "the instance should be >= 1.", 29, 1},
      {"instances word", {"frame: symmetry_instances many"}, -1, "frame:  Bad instance parameter",
       29, 1},
      {"labels 26", {"frame: #_of_labels_y 26"}, -1, "Illegal # of y labels", 18, 3},
      {"length 0", {"frame: len_z 0"}, -1, "Illegal z axis length", 16, 1},
      {"copy", {"frame: copy"}, -1, "frame:  Bad command parameter", -1, 0},
      {"begin", {"frame: begin"}, -1, "frame:  Bad command parameter", -1, 0},
      {"origin short", {"frame: origin 1 2"}, -1, "frame:  Bad command parameter", 2, 0},
      {"type word", {"frame: type oval"}, -1, "frame: Bad command parameter", 1, 0},
      {"type cylindrical", {"frame: type cylindrical"}, 1, "", 1, 1},
      {"symmetry none typed", {"frame: symmetry_type none"}, 1, "", 27, 3},
      {"symmetry rotational", {"frame: symmetry_type rotational"}, 1, "", 27, 1},
      {"unknown keyword", {"frame: spin"}, -1, "Illegal frame command.", -1, 0},
      {"empty description", {"frame: description"}, -1, "frame: Bad description.", -1, 0},
      {"80 character description", {"frame: description " + long80}, -1,
       "frame: Bad description.", -1, 0},
      {"missing frame", {"frame: assign 77"}, -1, "frame assign: Bad parameter", -1, 0},
  };
  for (const Line_case &c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    std::string err;
    EXPECT_EQ(run(c.lines, &err) < 0 ? -1 : 1, c.result);
    if (c.message[0]) {
      EXPECT_NE(err.find(c.message), std::string::npos) << err;
    } else {
      EXPECT_EQ(err, "");
    }
    EXPECT_EQ(Command_proc_err, c.result < 0 ? 1 : 0);
    if (c.slot >= 0) {
      EXPECT_FLOAT_EQ(slot_of(-1, c.slot), c.value);
    }
    for (int s = 0; s < FRAME_MOD_SLOTS; s++) EXPECT_EQ(Frame_modchng_flags[s], 0) << s;
  }
  SetUp();
  EXPECT_EQ(run({"frame: select_begin", " 0", "frame: select_end", "frame: description " + long79}),
            12);
  EXPECT_EQ(frame_state(0).name, long79);
}

TEST_F(FrameCommands, ModifyBlockAppliesEverythingAtItsEnd) {
  ASSERT_EQ(run({"frame: modify_begin", "frame: len_x 7", "frame: rgb 0.1 0.2 0.3"}), 12);
  EXPECT_FLOAT_EQ(slot_of(-1, 14), 1);
  EXPECT_FLOAT_EQ(slot_of(-1, FRAME_RGB), 1);
  ASSERT_EQ(run({"frame: modify_end"}), 12);
  const Frame_state after = frame_state(-1);
  EXPECT_FLOAT_EQ(after.attrs[14], 7);
  EXPECT_FLOAT_EQ(after.attrs[21], 0.1f);
  EXPECT_FLOAT_EQ(after.attrs[22], 0.2f);
  EXPECT_FLOAT_EQ(after.attrs[23], 0.3f);
  EXPECT_EQ(Frame_modify_pending, 0);
}

// Frame 0 stays where it is, whichever way its location is named.
TEST_F(FrameCommands, FrameZeroKeepsItsLocationAndTheLineFails) {
  const struct {
    const char *line;
    const char *message;
  } cases[] = {
      {"frame: origin 4 5 6", "Can't change Frame 0 location."},
      {"frame: 1 4 5 6", "Can't change Frame 0 location."},
      {"frame: orientation_z 0 1 0", "Can't change Frame 0 orientation."},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.line);
    SetUp();
    std::string err;
    EXPECT_EQ(run({"frame: select_begin", " 0", "frame: select_end", c.line}, &err), -1);
    EXPECT_NE(err.find(c.message), std::string::npos) << err;
    EXPECT_EQ(Command_proc_err, 1);
    EXPECT_EQ(frame_state(0).attrs, Frame0.attrs);
  }
}

TEST_F(FrameCommands, OldCommandFileSymmetryTypeIsRefusedAndForgotten) {
  qtest::TempDir dir("qframe");
  const struct {
    const char *version;
    float type_after;
    bool refused;
  } cases[] = {{"6.2", 3, true}, {"7.1", 0, false}};
  Frame_periodic_available = available;
  for (const auto &c : cases) {
    SCOPED_TRACE(c.version);
    SetUp();
    Frame_periodic_available = available;
    const std::string path = dir.file(std::string("sym") + c.version + ".cmd");
    qtest::write_file(path, std::string("VERSION ") + c.version +
                                "\nframe: modify_begin\nframe: symmetry_type mirror\n");
    Cmd_play_delay_time = 0;
    testing::internal::CaptureStderr();
    cmdplay(path.c_str(), 0);
    const std::string err = testing::internal::GetCapturedStderr();
    Cmd_play_quit_flag = Cmd_play_step_flag = Cmd_play_skip_flag = Cmd_play_continue_flag = 0;
    EXPECT_EQ(err.find("Computational symmetry was changed in version 6.2.1.") != std::string::npos,
              c.refused)
        << err;
    EXPECT_EQ(Frame_modchng_flags[27], c.refused ? 0 : 1);
    // The next change applies only what is still pending.
    EXPECT_EQ(run({"frame: select_default", "frame: modify_end"}), 12);
    EXPECT_FLOAT_EQ(slot_of(-1, 27), c.type_after);
  }
}

TEST_F(FrameCommands, MatchFileStepTakesTheServersAnswer) {
  Frame_check_match_file = match_double;
  Frame_periodic_available = available;
  ASSERT_EQ(run({"frame: symmetry_type rotational"}), 12);
  const Frame_state before = frame_state(-1);
  const struct {
    Match_answer answer;
    const char *message;
  } refusals[] = {
      {{2, 0, 1, 0, 0, 0, 0}, "Couldn't open periodic match file."},
      {{3, 0, 1, 0, 0, 0, 0}, "Couldn't read periodic match file."},
      {{5, 0, 1, 0, 0, 0, 0}, "Periodic match file header is incorrect."},
      {{0, 1, 2, 0, 0, 0, 0}, "Periodic match file is not of the selected symmetry type."},
  };
  for (const auto &c : refusals) {
    SCOPED_TRACE(c.message);
    Answer = c.answer;
    Command_proc_err = 0;
    std::string err;
    EXPECT_EQ(run({"frame: symmetry_file /data/blade.match"}, &err), -1);
    EXPECT_NE(err.find(c.message), std::string::npos) << err;
    EXPECT_EQ(Command_proc_err, 1);
    EXPECT_EQ(frame_state(-1).attrs, before.attrs);
  }
  EXPECT_EQ(Checked_name, "/data/blade.match");
  EXPECT_EQ(Checked_type, 1);

  Answer = {0, 0, 1, 0, 0, 0, 22.5f};
  Command_proc_err = 0;
  EXPECT_EQ(run({"frame: symmetry_file /data/blade.match"}), 12);
  EXPECT_FLOAT_EQ(slot_of(-1, 28), 22.5f);
  EXPECT_FLOAT_EQ(slot_of(-1, 38), 1);

  Answer = {0, 0, 2, 1.5f, 0, -2, 0};
  EXPECT_EQ(run({"frame: symmetry_type translational", "frame: symmetry_file /data/row.match"}),
            12);
  const Frame_state moved = frame_state(-1);
  EXPECT_FLOAT_EQ(moved.attrs[40], 1.5f);
  EXPECT_FLOAT_EQ(moved.attrs[42], -2);
  EXPECT_FLOAT_EQ(moved.attrs[28], 22.5f);
}

TEST_F(FrameCommands, NoMatchFileNamedIsRefused) {
  Frame_check_match_file = match_double;
  Frame_periodic_available = available;
  ASSERT_EQ(run({"frame: symmetry_type rotational"}), 12);
  std::string err;
  EXPECT_EQ(run({"frame: symmetry_use_file ON"}, &err), -1);
  EXPECT_NE(err.find("No symmetry file entered."), std::string::npos) << err;
  EXPECT_FLOAT_EQ(slot_of(-1, 37), 0);
}

// The interface path records each flagged slot as its keyword's line.
TEST_F(FrameCommands, PanelChangeRecordsEachFlaggedSlot) {
  Frame_check_match_file = match_double;
  Frame_periodic_available = available;
  Answer = {0, 0, 1, 0, 0, 0, 45};
  float values[FRAME_MOD_SLOTS] = {};
  int flags[FRAME_MOD_SLOTS] = {};
  auto set = [&](int s, float v) {
    values[s] = v;
    flags[s] = 1;
  };
  set(0, 1);
  set(1, 2);
  set(2, 1), set(3, 2), set(4, 3);
  set(14, 5);
  set(17, 4);
  set(27, 1);
  set(38, 1);
  const std::string lines = qtest::recorded_lines([&] {
    EXPECT_EQ(frame_attr_updt(FRAME_ALL_SLOTS, values, "p.match", flags, 3, 0), 1);
  });
  EXPECT_EQ(lines,
            "frame: visible ON\n"
            "frame: type spherical\n"
            "frame: origin 1.0000e+00 2.0000e+00 3.0000e+00\n"
            "frame: len_x 5.0000e+00\n"
            "frame: #_of_labels_x 4\n"
            "frame: symmetry_type rotational\n"
            "frame: symmetry_file p.match\n");
  EXPECT_FLOAT_EQ(slot_of(-1, 28), 45);
}

TEST_F(FrameCommands, SymmetryDialogDropsEveryPendingChangeOnARefusal) {
  const float angle = 30, none = 0;
  frame_csymattr_pending(FRAME_SYM_ANGLE, &angle, nullptr, 1);
  EXPECT_EQ(Frame_modchng_flags[FRAME_SYM_ANGLE], 1);
  testing::internal::CaptureStderr();
  frame_csymattr_pending(FRAME_SYM_RINST, &none, nullptr, 1);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("Illegal symmetry instance, the instance should be >= 1."), std::string::npos);
  for (int s = 0; s < FRAME_MOD_SLOTS; s++) EXPECT_EQ(Frame_modchng_flags[s], 0) << s;
}

TEST_F(FrameCommands, SelectionsAreRecordedTenNumbersALine) {
  const int three[3] = {2, 5, 7};
  const int twelve[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  const std::string lines = qtest::recorded_lines([&] {
    frame_rec_selitems(CMD_CAT_FRAME, FRAME_ROW_SELECT_BEGIN, FRAME_ROW_SELECT_END, 3, three);
    frame_rec_selitems(CMD_CAT_FRAME, FRAME_ROW_SELECT_BEGIN, FRAME_ROW_SELECT_END, 12, twelve);
    frame_rec_selitems(CMD_CAT_FRAME, FRAME_ROW_SELECT_BEGIN, FRAME_ROW_SELECT_END, 0, nullptr);
  });
  EXPECT_EQ(lines,
            "frame: select_begin\n 2 5 7\nframe: select_end\n"
            "frame: select_begin\n 1 2 3 4 5 6 7 8 9 10\n 11 12\nframe: select_end\n"
            "frame: select_default\n");
}

TEST_F(FrameCommands, DeletingFrameZeroDeletesNothing) {
  const int list[2] = {0, 3};
  std::string err;
  testing::internal::CaptureStderr();
  EXPECT_EQ(frame_delete(1, 2, list), -1);
  err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("Frame 0 cannot be deleted."), std::string::npos) << err;
  EXPECT_TRUE(does_frame_exist(0));
  testing::internal::CaptureStderr();
  EXPECT_EQ(frame_delete(1, 0, nullptr), -1);
  err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("No frame selected to delete."), std::string::npos);
}

TEST_F(FrameCommands, NewFramesTakeTheDefaultsTheLinesSet) {
  ASSERT_EQ(run({"frame: select_default", "frame: len_x 5", "frame: create"}), 12);
  EXPECT_FLOAT_EQ(slot_of(1, 14), 5);
  EXPECT_FLOAT_EQ(slot_of(0, 14), Frame0.attrs[14]);
}

TEST_F(FrameCommands, FrameZeroAmongOthersMovesNone) {
  ASSERT_EQ(run({"frame: create", "frame: create", "frame: create"}), 12);
  const Frame_state three = frame_state(3);
  std::string err;
  EXPECT_EQ(run({"frame: select_begin", " 0 3", "frame: select_end", "frame: origin 1 2 3"}, &err),
            -1);
  EXPECT_NE(err.find("Can't change Frame 0 location."), std::string::npos) << err;
  EXPECT_EQ(frame_state(3).attrs, three.attrs);
  EXPECT_EQ(frame_state(0).attrs, Frame0.attrs);
  EXPECT_EQ(run({"frame: select_begin", " 3", "frame: select_end", "frame: origin 1 2 3"}), 12);
  EXPECT_FLOAT_EQ(slot_of(3, 2), 1);
  EXPECT_FLOAT_EQ(slot_of(3, 4), 3);
}

// Deleting frames 2, 5 and 7 while a part uses 5 deletes none of them.
TEST_F(FrameCommands, FrameInUseKeepsEveryListedFrame) {
  qtest::fill_parts({{11, 0, 0, "wing", -1, {}, false}});
  for (int n = 1; n <= 7; n++) ASSERT_EQ(new_frame(frame_state(-1).attrs.data(), ""), n);
  const int eleven = 11;
  ASSERT_EQ(assign_frame(1, &eleven, 5), 1);
  const int list[3] = {2, 5, 7};
  testing::internal::CaptureStderr();
  EXPECT_EQ(frame_delete(1, 3, list), -1);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("Frame 5 being used by a part, cannot be deleted."), std::string::npos);
  for (int n : list) EXPECT_TRUE(does_frame_exist(n)) << n;
  EXPECT_EQ(Command_proc_err, 1);
  const int free_two[2] = {2, 7};
  EXPECT_EQ(frame_delete(1, 2, free_two), 1);
  EXPECT_FALSE(does_frame_exist(2));
  EXPECT_FALSE(does_frame_exist(7));
}

// The main list's selection for frame_assignparts.
std::vector<int> Main_selection;
int main_selection(int, int *count, int **internal, int **numbers) {
  *count = (int)Main_selection.size();
  *internal = nullptr;
  *numbers = static_cast<int *>(malloc(sizeof(int) * (Main_selection.size() + 1)));
  for (size_t k = 0; k < Main_selection.size(); k++) (*numbers)[k] = Main_selection[k];
  return *count;
}

TEST_F(FrameCommands, AssignmentIsReportedTwelvePartsALine) {
  std::vector<qtest::TestPart> table;
  for (int n = 1; n <= 25; n++) table.push_back({n, 0, 0, "p", -1, {}, false});
  qtest::fill_parts(table);
  ASSERT_EQ(new_frame(frame_state(-1).attrs.data(), ""), 1);
  part_selected_parts_windep = main_selection;
  Frame_wrking_framecnt = 1;
  Frame_wrking_frameids[0] = 1;
  const struct {
    std::vector<int> parts;
    std::string lines;
  } cases[] = {
      {{4}, "Part 4 has been assigned to frame 1.\n"},
      {{4, 9}, "Parts 4, and 9 have been assigned to frame 1.\n"},
      {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25},
       "Parts 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12,\n"
       "13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24,\n"
       "and 25 have been assigned to frame 1.\n"},
  };
  for (const auto &c : cases) {
    Main_selection = c.parts;
    testing::internal::CaptureStdout();
    EXPECT_EQ(frame_assignparts(), 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.lines);
    EXPECT_EQ(part_by_number(c.parts.back())->attributes[SLOT_FRAME], 1.0f);
  }
}

}  // namespace
