// The frame table without a display: creation, lookup, deletion, the
// definition of a frame from its attributes, assignment of parts, the
// selection and the drag conversions.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "client/matrix.h"
#include "client/screen.h"
#include "data/data_dlog.h"
#include "data/data_read.h"
#include "parts/attribute.h"
#include "test_parts.h"
#include "view/frames.h"
#include "viewport_test_screen.h"

namespace {

std::vector<std::string> Errors;

int keep_error(const char *shown, int) {
  Errors.push_back(shown);
  return 1;
}

std::vector<float> defaults() {
  std::vector<float> a(FRAME_ATTR_WORDS);
  frame_attributes(-1, a.data(), nullptr, 0);
  return a;
}

std::vector<int> order() { return std::vector<int>(Frame_order_list, Frame_order_list + Num_frames); }

int selected_count() {
  int single = 0;
  return get_current_frame_selected(&single);
}

void expect_vec(const float *got, std::vector<float> want, const std::string &what) {
  for (size_t c = 0; c < want.size(); c++) EXPECT_NEAR(got[c], want[c], 1e-5f) << what << " [" << c << "]";
}

class Frames : public testing::Test {
 protected:
  void SetUp() override {
    vptest::fresh_viewports();
    static Screen_ops ops;
    ops = Screen_ops{};
    ops.gl_window = vptest::count_window_reads;
    ops.error = keep_error;
    screen_install(&ops);
    Errors.clear();
    qtest::clear_parts();
    frames_table_reset();
    ASSERT_EQ(new_frame(defaults().data(), ""), 0);
  }
  void TearDown() override {
    frames_table_reset();
    qtest::clear_parts();
    screen_install(nullptr);
    Frame_calloc = calloc;
  }
  // A new frame with the default attributes changed by the (slot, value) pairs.
  int make(std::vector<std::pair<int, float>> changes = {}) {
    std::vector<float> a = defaults();
    for (auto &c : changes) a[(size_t)c.first] = c.second;
    return new_frame(a.data(), "");
  }
};

TEST_F(Frames, NumbersAreReusedAndListedInCreationOrder) {
  for (int n = 1; n <= 5; n++) ASSERT_EQ(make(), n);
  EXPECT_EQ(delete_local_ctm(3), -1);
  EXPECT_FALSE(does_frame_exist(3));
  EXPECT_EQ(order(), (std::vector<int>{0, 1, 2, 4, 5}));
  EXPECT_EQ(make(), 3);
  EXPECT_EQ(order(), (std::vector<int>{0, 1, 2, 4, 5, 3}));
  EXPECT_EQ(given_frame_number_return_list_position(3), 5);
  EXPECT_EQ(given_list_position_return_frame_number(5), 3);
  EXPECT_EQ(given_list_position_return_frame_number(6), -1);
  EXPECT_EQ(given_list_position_return_frame_number(-1), -1);
  int pos[3];
  const int nums[3] = {4, 9, 0};
  external_to_internal_frame(nums, 3, pos);
  EXPECT_EQ(std::vector<int>(pos, pos + 3), (std::vector<int>{3, -1, 0}));
  int number = -1;
  char name[FRAME_NAME_LEN];
  getframe(5, &number, name);
  EXPECT_EQ(number, 3);
  EXPECT_STREQ(name, "Coord. frame 3");
  // The newest frame is selected alone.
  int single = -1;
  EXPECT_EQ(get_current_frame_selected(&single), 1);
  EXPECT_EQ(single, 3);
}

TEST_F(Frames, FullTableRefusesAndLeavesNoneSelected) {
  for (int n = 1; n < MAX_FRAMES; n++) ASSERT_EQ(make(), n);
  EXPECT_EQ(Num_frames, MAX_FRAMES);
  EXPECT_EQ(make(), -1);
  EXPECT_EQ(Num_frames, MAX_FRAMES);
  EXPECT_EQ(selected_count(), 0);
}

TEST_F(Frames, FailedAllocationAddsNothing) {
  Frame_calloc = [](size_t, size_t) -> void * { return nullptr; };
  testing::internal::CaptureStderr();
  EXPECT_EQ(make(), -1);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("new_frame"), std::string::npos);
  EXPECT_EQ(Num_frames, 1);
  EXPECT_EQ(order(), (std::vector<int>{0}));
  EXPECT_EQ(Ctm_part[1], nullptr);
}

TEST_F(Frames, NamesAreBounded) {
  std::string longname(120, 'n');
  ASSERT_EQ(new_frame(defaults().data(), longname.c_str()), 1);
  EXPECT_EQ(std::string(Ctm_part[1]->name), longname.substr(0, FRAME_NAME_LEN - 1));
  char small[50];
  int number = 0;
  ASSERT_EQ(frame_get(1, &number, small), 1);
  EXPECT_EQ(std::string(small), longname.substr(0, 49));
  EXPECT_EQ(frame_get(2, &number, small), -1);
  // Defining the frame stores a bounded name as well.
  std::vector<float> a = defaults();
  std::string other(200, 'o');
  EXPECT_EQ(frames(1, 1, &other[0], a.data()), 1);
  EXPECT_EQ(std::string(Ctm_part[1]->name), other.substr(0, FRAME_NAME_LEN - 1));
  char out[FRAME_NAME_LEN];
  EXPECT_EQ(frames(1, 0, out, a.data()), 1);
  EXPECT_EQ(std::string(out), other.substr(0, FRAME_NAME_LEN - 1));
  EXPECT_EQ(frames(7, 0, out, a.data()), -1);
}

TEST_F(Frames, DeletionRefusalsAndAnswers) {
  qtest::fill_parts({{7, 0, 0, "engine", -1, {}, false}});
  ASSERT_EQ(make(), 1);
  // Frame 0 is refused even when no part refers to it.
  parts[0]->attributes[SLOT_FRAME] = 1;
  EXPECT_EQ(delete_local_ctm(0), FRAME_DELETE_REFUSED);
  EXPECT_TRUE(does_frame_exist(0));
  ASSERT_EQ(Errors.size(), 1u);
  EXPECT_NE(Errors[0].find("Frame 0 cannot be deleted."), std::string::npos);
  // A frame in use answers the part's index and stays.
  EXPECT_EQ(delete_local_ctm(1), 0);
  EXPECT_TRUE(does_frame_exist(1));
  // No such frame.
  EXPECT_EQ(delete_local_ctm(2), -2);
  EXPECT_EQ(delete_local_ctm(-4), -2);
  EXPECT_EQ(delete_local_ctm(MAX_FRAMES), -2);
  // Freed, it is deleted once; a second call finds nothing.
  parts[0]->attributes[SLOT_FRAME] = 0;
  EXPECT_EQ(delete_local_ctm(1), -1);
  EXPECT_EQ(delete_local_ctm(1), -2);
  EXPECT_EQ(Num_frames, 1);
}

TEST_F(Frames, OrientationRepair) {
  struct Case {
    const char *what;
    std::vector<float> x, y, z, want_x, want_y, want_z;
  } cases[] = {
      {"lengths dropped from x and y, z kept", {2, 0, 0}, {0, 5, 0}, {0, 0, 3}, {1, 0, 0}, {0, 1, 0}, {0, 0, 3}},
      {"zero z", {1, 0, 0}, {0, 1, 0}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
      {"zero x", {0, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
      {"zero x with z along x", {0, 0, 0}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 0, 0}},
      {"zero x with z along -x", {0, 0, 0}, {0, 0, 0}, {-2, 0, 0}, {0, 1, 0}, {0, 0, -1}, {-2, 0, 0}},
      {"x parallel to z", {0, 0, 4}, {0, 1, 0}, {0, 0, 2}, {1, 0, 0}, {0, 1, 0}, {0, 0, 2}},
      {"y is ignored, x made square to z", {1, 0, 1}, {5, 5, 5}, {0, 0, 1}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
  };
  for (const Case &c : cases) {
    std::vector<float> a = defaults();
    for (int k = 0; k < 3; k++) {
      a[(size_t)(5 + k)] = c.x[(size_t)k];
      a[(size_t)(8 + k)] = c.y[(size_t)k];
      a[(size_t)(11 + k)] = c.z[(size_t)k];
    }
    modify_frame_orientation(a.data());
    expect_vec(a.data() + 5, c.want_x, std::string(c.what) + " x");
    expect_vec(a.data() + 8, c.want_y, std::string(c.what) + " y");
    expect_vec(a.data() + 11, c.want_z, std::string(c.what) + " z");
  }
}

TEST_F(Frames, DefinitionBuildsPointsAndRigidMatrices) {
  ASSERT_EQ(make(), 1);
  std::vector<float> a = defaults();
  const float o[3] = {1, 2, 3};
  for (int c = 0; c < 3; c++) a[(size_t)(2 + c)] = o[c];
  // Axes turned: x along global y, z given with length 3.
  const float x[3] = {0, 2, 0}, z[3] = {0, 0, 3};
  for (int c = 0; c < 3; c++) {
    a[(size_t)(5 + c)] = x[c];
    a[(size_t)(11 + c)] = z[c];
    a[(size_t)(FRAME_LEN_X + c)] = 1.0f;
  }
  a[0] = 1.0f;
  Rebuild_part_list = 0;
  ASSERT_EQ(frames(1, 1, nullptr, a.data()), 1);
  EXPECT_EQ(Rebuild_part_list, 1);
  const Frame_rec *f = Ctm_part[1];
  const float *p = f->attributes + FRAME_POINTS;
  expect_vec(p, {1, 2, 3}, "point 0");
  expect_vec(p + 3, {1, 3.2f, 3}, "point 1");
  expect_vec(p + 9, {-0.2f, 2, 3}, "point 3");
  expect_vec(p + 6, {1, 2, 3}, "point 2");
  expect_vec(p + 12, {1, 2, 3 + 1.2f * 3}, "point 4 along the stored z");
  // Frame x = global y, frame y = global -x: rows of the frame-to-global.
  expect_vec(f->to_global, {0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 1, 2, 3, 1}, "to_global");
  float id[16];
  mul4x4(f->to_global, f->to_frame, id);
  expect_vec(id, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, "to_global x to_frame");
  // Visible: drawn once, however often defined.
  ASSERT_EQ(frames(1, 1, nullptr, a.data()), 1);
  EXPECT_EQ(std::vector<int>(Frame_drawn_list, Frame_drawn_list + Frame_drawn_count), (std::vector<int>{1}));
  a[0] = 0.0f;
  ASSERT_EQ(frames(1, 1, nullptr, a.data()), 1);
  EXPECT_EQ(Frame_drawn_count, 0);
}

TEST_F(Frames, PlacementAtThePartsCentre) {
  qtest::fill_parts({{7, 0, 0, "a", -1, {}, false},
                     {20, 0, 0, "g", -1, {21}, true},
                     {21, 0, 0, "b", 20, {}, false}});
  const float boxes[2][6] = {{0, 2, 0, 2, 0, 2}, {4, 6, -2, 0, 1, 9}};
  const int idx[2] = {Part_cross[7], Part_cross[21]};
  for (int k = 0; k < 2; k++) {
    Part_rec *p = parts[idx[k]];
    p->xmin = boxes[k][0], p->xmax = boxes[k][1], p->ymin = boxes[k][2];
    p->ymax = boxes[k][3], p->zmin = boxes[k][4], p->zmax = boxes[k][5];
  }
  // A turned frame: the placement ignores its orientation.
  ASSERT_EQ(make({{5, 0}, {6, 1}, {8, -1}, {9, 0}, {14, 1}, {15, 1}, {16, 1}}), 1);
  const int frame1 = 1;
  local_trnvew(1, &frame1, 1, 0, 0);
  const int list[2] = {7, 20};
  local_ctm_init(2, list, 1);
  const Frame_rec *f = Ctm_part[1];
  expect_vec(f->attributes + 2, {3, 0, 4.5f}, "origin");
  expect_vec(f->attributes + FRAME_POINTS + 3, {4.2f, 0, 4.5f}, "point 1 along global x");
  expect_vec(f->to_global + 12, {3, 0, 4.5f}, "translation");
  expect_vec(f->translation[0], {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, "local reset");
  // No parts: the global origin.
  local_ctm_init(0, nullptr, 1);
  expect_vec(f->attributes + 2, {0, 0, 0}, "empty origin");
  expect_vec(f->attributes + FRAME_POINTS + 9, {0, 1.2f, 0}, "empty point 3");
}

TEST_F(Frames, PartsOfFrames) {
  qtest::fill_parts({{7, 0, 0, "a", -1, {}, false},
                     {8, 0, 0, "b", -1, {}, false},
                     {20, 0, 0, "g", -1, {}, true},
                     {9, 0, 0, "c", -1, {}, false}});
  ASSERT_EQ(make(), 1);
  for (int n : {7, 9, 20}) part_by_number(n)->attributes[SLOT_FRAME] = 1;
  struct Case {
    std::vector<int> frames, want;
  } cases[] = {{{1}, {7, 9}}, {{1, 1}, {7, 7, 9, 9}}, {{0, 1}, {7, 8, 9}}, {{5}, {}}};
  for (const Case &c : cases) {
    int count = -1, *list = nullptr;
    EXPECT_EQ(given_frames_return_parts((int)c.frames.size(), c.frames.data(), &count, &list), 1);
    EXPECT_EQ(std::vector<int>(list, list + count), c.want);
    if (c.want.empty()) {
      EXPECT_EQ(list, nullptr);
    }
    free(list);
  }
}

TEST_F(Frames, AssignmentRefusesMovingAPeriodicInstance) {
  // 8 is a periodic instance of 7.
  qtest::fill_parts({{7, 0, 0, "base", -1, {}, false}, {8, 0, 0, "inst", -1, {7}, false},
                     {9, 0, 0, "other", -1, {}, false}});
  ASSERT_EQ(make(), 1);
  ASSERT_EQ(make(), 2);
  part_by_number(8)->attributes[SLOT_FRAME] = 1;
  const int both[2] = {9, 8};
  EXPECT_EQ(assign_frame(2, both, 2), -1);
  EXPECT_EQ(part_by_number(9)->attributes[SLOT_FRAME], 0.0f);
  EXPECT_EQ(part_by_number(8)->attributes[SLOT_FRAME], 1.0f);
  // To the frame it has already: accepted, with the others.
  EXPECT_EQ(assign_frame(2, both, 1), 1);
  EXPECT_EQ(part_by_number(9)->attributes[SLOT_FRAME], 1.0f);
  // A missing frame is refused.
  const int one = 7;
  EXPECT_EQ(assign_frame(1, &one, 3), -1);
  EXPECT_EQ(part_by_number(7)->attributes[SLOT_FRAME], 0.0f);
}

TEST_F(Frames, AssignmentCopiesTheCasePeriodicity) {
  qtest::fill_parts({{7, 0, 0, "a", -1, {}, false}});
  ASSERT_EQ(make(), 1);
  struct Case {
    int kperio;
    float pasper[3];
    std::vector<float> want28_40_41_42;
  } cases[] = {{1, {1, 2, 3}, {30, 1, 2, 3}}, {2, {45, 0, 0}, {45, 0, 0, 0}}, {0, {9, 9, 9}, {30, 0, 0, 0}}};
  const int keep_format = Data_format[0], keep_k = Kperio[0];
  Data_format[0] = 3;
  for (const Case &c : cases) {
    std::vector<float> a = defaults();
    ASSERT_EQ(frames(1, 1, nullptr, a.data()), 1);
    Kperio[0] = c.kperio;
    for (int k = 0; k < 3; k++) Pasper[k][0] = c.pasper[k];
    const int one = 7;
    EXPECT_EQ(assign_frame(1, &one, 1), 1);
    const float *s = Ctm_part[1]->attributes;
    const float got[4] = {s[28], s[40], s[41], s[42]};
    expect_vec(got, c.want28_40_41_42, "Kperio " + std::to_string(c.kperio));
  }
  Data_format[0] = keep_format;
  Kperio[0] = keep_k;
}

TEST_F(Frames, Selection) {
  for (int n = 1; n <= 3; n++) ASSERT_EQ(make(), n);
  int list[MAX_FRAMES], count = 3;
  int want[3] = {3, 9, 1};
  current_selected_frames(&count, want, 1);
  current_selected_frames(&count, list, 0);
  EXPECT_EQ(std::vector<int>(list, list + count), (std::vector<int>{1, 3}));
  int single = -1;
  EXPECT_EQ(get_current_frame_selected(&single), 2);
  EXPECT_EQ(single, 0);
  select_all_frames();
  current_selected_frames(&count, list, 0);
  EXPECT_EQ(std::vector<int>(list, list + count), (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(Frames, DragConversions) {
  struct Case {
    const char *what;
    int action, kind, to_z, planar;
    float drag[3];
    std::vector<float> angles, x_axis, y_axis;
  } cases[] = {
      {"drag twice the x extent along x turns 180 about y", 0, 1, 0, 0, {2, 0, 0}, {0, 180, 0}, {-1, 0, 0}, {0, 1, 0}},
      {"kind 2 along y turns about x", 0, 2, 0, 0, {0, 1, 0}, {-90, 0, 0}, {1, 0, 0}, {0, 0, -1}},
      {"to_z folds into z", 0, 1, 1, 0, {1, 0, 0}, {0, 0, 90}, {0, 1, 0}, {-1, 0, 0}},
      {"planar keeps x and y angles at 0", 0, 0, 0, 1, {1, 1, 0}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}},
  };
  for (const Case &c : cases) {
    float o[3] = {5, 5, 5}, x[3] = {1, 0, 0}, y[3] = {0, 1, 0}, z[3], ang[3] = {7, 7, 7};
    modify_frame_coordinates(c.action, c.kind, c.to_z, c.drag[0], c.drag[1], c.drag[2], o, x, y, z, 1, 1, 0,
                             &ang[0], &ang[1], &ang[2], 0, c.planar);
    expect_vec(ang, c.angles, std::string(c.what) + " angles");
    expect_vec(x, c.x_axis, std::string(c.what) + " x");
    expect_vec(y, c.y_axis, std::string(c.what) + " y");
    expect_vec(o, {5, 5, 5}, std::string(c.what) + " origin");
  }
  // A planar move drops z; a replay takes the stored deltas.
  float o[3] = {0, 0, 0}, x[3] = {1, 0, 0}, y[3] = {0, 1, 0}, z[3], ang[3];
  modify_frame_coordinates(1, 0, 0, 1, 2, 3, o, x, y, z, 1, 1, 0, &ang[0], &ang[1], &ang[2], 0, 1);
  expect_vec(o, {1, 2, 0}, "planar move");
  ang[0] = 10, ang[1] = 0, ang[2] = 0;
  modify_frame_coordinates(1, 0, 0, 1, 2, 3, o, x, y, z, 1, 1, 0, &ang[0], &ang[1], &ang[2], 1, 0);
  expect_vec(o, {11, 2, 0}, "replayed move");
  // The local form gives angles and leaves the axes alone.
  modify_local_transform(3, 1, 0, 0, o, x, y, 0, 1, 1, 0, &ang[0], &ang[1], &ang[2], 0);
  expect_vec(ang, {0, 0, 90}, "local kind 3");
  expect_vec(x, {1, 0, 0}, "local axes kept");
}

}  // namespace
