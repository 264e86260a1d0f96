// Part deletion: the table kept dense, ownership of copies, the dependent
// cascade, the refusals of the list operation and the display switch.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "client/interf_settings.h"
#include "client/screen.h"
#include "parts/part_delete.h"
#include "parts/part_list_ops.h"
#include "parts_fixture.h"
#include "render/display.h"

using namespace qtest;

namespace {

std::vector<std::string> Errors, Messages, Calls;

int note_error(const char *shown, int) {
  Errors.push_back(shown);
  return 1;
}
int note_message(const char *text, int) {
  Messages.push_back(text);
  return 1;
}
void note_rebuild(int n, int count, const int *sources) {
  std::string s = "rebuild " + std::to_string(n) + ":";
  for (int k = 0; k < count; k++) s += " " + std::to_string(sources[k]);
  Calls.push_back(s);
}
void note_emitter(int id) { Calls.push_back("emitter " + std::to_string(id)); }
void note_curwin(int *code, int set, int *dpy) {
  if (set) Calls.push_back("window " + std::to_string(*code) + " on display " + std::to_string(*dpy));
}
void note_save(int count, const int *) { Calls.push_back("save " + std::to_string(count)); }
void note_restore() { Calls.push_back("restore"); }

}  // namespace

class PartDelete : public PartsTest {
 protected:
  void SetUp() override {
    PartsTest::SetUp();
    saved_delete_ = Part_delete_calls;
    saved_list_ = Part_list_calls;
    Part_delete_calls = {note_curwin, note_rebuild, note_emitter, nullptr, nullptr};
    Part_list_calls = {note_save, note_restore, nullptr, nullptr};
    screen_ = Screen_ops{};
    screen_.error = note_error;
    screen_.message = note_message;
    screen_install(&screen_);
    Errors.clear();
    Messages.clear();
    Calls.clear();
  }
  void TearDown() override {
    screen_install(nullptr);
    Part_delete_calls = saved_delete_;
    Part_list_calls = saved_list_;
    PartsTest::TearDown();
  }
  static std::vector<int> numbers() {
    std::vector<int> out;
    for (int k = 0; k < Num_p_loaded; k++) out.push_back(parts[k]->number);
    return out;
  }

 private:
  Part_delete_hooks saved_delete_;
  Part_list_hooks saved_list_;
  Screen_ops screen_;
};

// Freeing a record moves every later one down by one and rewrites its
// Part_cross entry; the last record moves nothing.
TEST_F(PartDelete, FreeingARecordClosesTheGap) {
  // Part numbers run from 1 to 4999, so a full table holds 4999 records.
  const int full = MAX_PART_NUMBER - 1;
  struct Row {
    int index, moved;
  } rows[] = {{0, full - 1}, {full - 1, 0}};
  for (const Row &r : rows) {
    clear_parts();
    for (int n = 1; n <= full; n++) ASSERT_TRUE(model_part(n, ("p" + std::to_string(n)).c_str())) << n;
    std::vector<Part_rec *> before(parts, parts + Num_p_loaded);
    const int at = r.index, gone = parts[at]->number;
    delete_part_stuff(at);
    EXPECT_EQ(Num_p_loaded, full - 1);
    EXPECT_EQ(Num_p_partlist, full - 1);
    EXPECT_EQ(Num_parts_cases[0], full - 1);
    EXPECT_EQ(Part_cross[gone], -1);
    EXPECT_EQ(parts[Num_p_loaded], nullptr);
    int moved = 0;
    for (int j = 0; j < Num_p_loaded; j++) {
      const Part_rec *was = before[j < at ? j : j + 1];
      ASSERT_EQ(parts[j], was) << j;
      EXPECT_EQ(Part_cross[was->number], j);
      if (j >= at) moved++;
    }
    EXPECT_EQ(moved, r.moved);
  }
}

// A copy shares its source's geometry and values: deleting it leaves them
// whole (AddressSanitizer reports any use after free below).
TEST_F(PartDelete, DeletingACopyFreesNothingOfItsSource) {
  Part_rec *src = model_part(1, "src");
  set_mesh(0, {0, 0, 0, 1, 0, 0, 0, 1, 0}, {{1, 2, 3}});
  resize_part_array(0, PA_SCALARS_CPLX, 4, 0);
  resize_part_array(0, PA_TENSORS, 1, 0);
  src->scalars[0][1] = 5.0f;
  src->scalars_imag[0][1] = 6.0f;
  Part_rec *copy = model_part(2, "copy");
  copy->copy_of = 1;
  copy->coords = src->coords;
  copy->elem_offsets = src->elem_offsets;
  copy->connectivity = src->connectivity;
  copy->scalars[0] = src->scalars[0];
  copy->scalars_imag[0] = src->scalars_imag[0];
  copy->tensors = src->tensors;
  ASSERT_EQ(delete_part(2), 1);
  EXPECT_EQ(numbers(), std::vector<int>{1});
  EXPECT_EQ(src->coords[2][0], 1.0f);
  EXPECT_EQ(src->connectivity[2], 3);
  EXPECT_EQ(src->scalars[0][1], 5.0f);
  EXPECT_EQ(src->scalars_imag[0][1], 6.0f);
  src->tensors[8] = 1.0f;
}

// What goes with a deleted part.
TEST_F(PartDelete, DependentsFollowTheDeletedPart) {
  struct Row {
    const char *what;
    std::vector<TestPart> table;
    int deleted;
    std::vector<int> left;
    std::vector<std::string> calls;
    int emitter = -1;   // emitter group id held by part 2, a trace
    bool one_d = false; // part 3 is a "1d_part" clip of part 1
  };
  const Row rows[] = {
      {"only parent, recursively",
       {{1, 0, PART_MODEL, "m", -1, {}, false},
        {2, 0, PART_CLIP, "c", -1, {1}, false},
        {3, 0, PART_ISOSURFACE, "i", -1, {2}, false},
        {4, 0, PART_MODEL, "other", -1, {}, false}},
       1, {4}, {}},
      {"one of several parents rebuilds",
       {{1, 0, PART_MODEL, "a", -1, {}, false},
        {2, 0, PART_MODEL, "b", -1, {}, false},
        {3, 0, PART_CONTOUR, "c", -1, {1, 2}, false}},
       1, {2, 3}, {"rebuild 3: 2"}},
      {"the part of a 1d_part clip",
       {{1, 0, PART_MODEL, "a", -1, {}, false},
        {2, 0, PART_MODEL, "b", -1, {}, false},
        {3, 0, PART_CLIP, "c", -1, {2}, false}},
       1, {2}, {}, -1, true},
      {"a trace deletes its emitter group",
       {{1, 0, PART_MODEL, "a", -1, {}, false}, {2, 0, PART_TRACE, "t", -1, {}, false}},
       2, {1}, {"emitter 7"}, 7},
      {"a group deletes its members and dissolves",
       {{10, 0, PART_MODEL, "g", -1, {1, 2}, true},
        {1, 0, PART_MODEL, "a", 10, {}, false},
        {2, 0, PART_MODEL, "b", 10, {}, false},
        {3, 0, PART_MODEL, "c", -1, {}, false}},
       10, {3}, {}},
      {"an emptied group dissolves",
       {{10, 0, PART_MODEL, "g", -1, {1}, true}, {1, 0, PART_MODEL, "a", 10, {}, false}},
       1, {}, {}},
  };
  for (const Row &r : rows) {
    fill_parts(r.table);
    Calls.clear();
    if (r.one_d) {
      part_by_number(3)->attributes[SLOT_CLIP_TOOL] = CLIP_TOOL_1D_PART;
      part_by_number(3)->attributes[SLOT_CLIP_1D_PART] = 1;
    }
    if (r.emitter != -1) {
      resize_part_array(Part_cross[2], PA_EMITTERS, 1, 0);
      part_by_number(2)->emitter_group_ids[0] = r.emitter;
      part_by_number(2)->emitter_group_count = 1;
    }
    EXPECT_EQ(delete_part(r.deleted), 1) << r.what;
    EXPECT_EQ(numbers(), r.left) << r.what;
    EXPECT_EQ(Calls, r.calls) << r.what;
    EXPECT_EQ(Num_p_partlist, (int)r.left.size()) << r.what;
  }
}

// A derived part that loses its only parent but has a copy cannot be
// deleted: it stays with no parent, the user is told, and the deletion ends.
TEST_F(PartDelete, AnOrphanWithACopyIsKeptWithoutParents) {
  fill_parts({{1, 0, PART_MODEL, "m", -1, {}, false},
              {2, 0, PART_CLIP, "c", -1, {1}, false},
              {3, 0, PART_CLIP, "copy", -1, {}, false}});
  part_by_number(3)->copy_of = 2;
  ASSERT_EQ(delete_part(1), 1);
  EXPECT_EQ(numbers(), (std::vector<int>{2, 3}));
  EXPECT_EQ(part_by_number(2)->children_count, 0);
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_NE(Messages[0].find("Part 2 has copies"), std::string::npos);
}

// Refusals of the list operation, with the dependency list restored on
// every way out, and the instance-first order of a periodic base.
TEST_F(PartDelete, ListDeletionRefusesAndRestoresTheDependencyList) {
  struct Row {
    const char *what;
    std::vector<int> listed;
    int result;
    std::vector<int> left;
    std::vector<std::string> errors, calls;
  };
  const Row rows[] = {
      {"a part with a copy", {1}, -1, {1, 2, 3, 4}, {"ERROR: There are copies of this part - can't delete!"},
       {"save 1", "restore"}},
      {"an instance alone", {4}, -1, {1, 2, 3, 4}, {"ERROR: Can not delete a periodic instance!"}, {}},
      {"a base with its instance", {3}, 1, {1, 2}, {}, {"save 2", "restore"}},
      {"stopped midway", {1, 3}, -1, {1, 2},
       {"ERROR: There are copies of this part - can't delete!"}, {"save 3", "restore"}},
  };
  for (const Row &r : rows) {
    fill_parts({{1, 0, PART_MODEL, "m", -1, {}, false},
                {2, 0, PART_MODEL, "copy", -1, {}, false},
                {3, 0, PART_MODEL, "base", -1, {}, false},
                {4, 0, PART_MODEL, "base_ins2", -1, {3}, false}});
    part_by_number(2)->copy_of = 1;
    Errors.clear();
    Calls.clear();
    EXPECT_EQ(part_delete((int)r.listed.size(), r.listed.data()), r.result) << r.what;
    EXPECT_EQ(numbers(), r.left) << r.what;
    EXPECT_EQ(Errors, r.errors) << r.what;
    EXPECT_EQ(Calls, r.calls) << r.what;
  }
}

// With two displays the GL lists go with display 1 current and display 0
// is current afterwards; one display switches nothing.
TEST_F(PartDelete, TwoDisplaysDeleteInDisplayOne) {
  const int saved_cnt = Dpy_cnt, saved_current = Dpy_current;
  struct Row {
    int displays, current;
    std::vector<std::string> calls;
  } rows[] = {
      {2, 0, {"window 0 on display 1", "window 0 on display 0"}},
      {2, 1, {"window 0 on display 0"}},
      {1, 0, {}},
  };
  for (const Row &r : rows) {
    fill_parts({{1, 0, PART_MODEL, "m", -1, {}, false}});
    Calls.clear();
    Dpy_cnt = r.displays;
    Dpy_current = r.current;
    delete_part_stuff(0);
    EXPECT_EQ(Calls, r.calls) << r.displays << " " << r.current;
    EXPECT_EQ(Dpy_current, 0);
    EXPECT_EQ(Num_p_loaded, 0);
  }
  Dpy_cnt = saved_cnt;
  Dpy_current = saved_current;
}
