// The recorder's bytes, read back by a decoder of our own: record layout
// and operand encodings, elision, block rules, reuse of an object's blocks,
// failed allocations, text records and the stored form of the flipbook.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "client/alloc_gate.h"
#include "client/screen.h"
#include "render/display_list.h"
#include "recorded_stream.h"
#include "test_parts.h"

namespace {

using qtest::as_float;
using qtest::blocks_of;
using qtest::decode;
using qtest::Record;
using qtest::word_at;

class DisplayListRecorder : public testing::Test {
 protected:
  void SetUp() override {
    drain_pool();
    qtest::fill_parts({{1, 0, 0, "body", -1, {}, false}});
    Compile_Quivane_display_list = 1;
  }
  void TearDown() override {
    Compile_Quivane_display_list = 0;
    alloc_gate_fail_after(-1);
    qtest::clear_parts();
    drain_pool();
  }
  static void drain_pool() {
    while (free_display_list) {
      Display_list_block_rec *b = free_display_list;
      free_display_list = b->next;
      free(b);
    }
  }
  static void step(int op, int i1 = 0, int i2 = 0, float a = 0, float b = 0, float c = 0, float d = 0) {
    quivane_opengl(0, 1, 0, op, i1, i2, a, b, c, d);
  }
  static void vertices(int n) {
    for (int k = 0; k < n; k++) step(DL_VERTEX, 0, 0, (float)k, 1, 2);
  }
  static const Display_object_rec *solid() { return parts[0]->solid_object; }
};

TEST_F(DisplayListRecorder, RepeatedColourIsRecordedOncePerOpening) {
  for (int round = 0; round < 2; round++) {
    step(DL_OPEN);
    step(DL_COLOR3, 0, 0, 1, 0, 0);
    step(DL_COLOR3, 0, 0, 1, 0, 0);
    step(DL_CLOSE);
    auto recs = decode(solid());
    ASSERT_EQ(recs.size(), 1u) << "round " << round;
    EXPECT_EQ(recs[0].op, DL_COLOR3);
    const unsigned char expected[4] = {0xff, 0, 0, 0};
    EXPECT_EQ(memcmp(solid()->first->records + 4, expected, 4), 0);
    EXPECT_EQ(solid()->first->used, 8);
  }
}

TEST_F(DisplayListRecorder, ColourAndNormalWordsAreSharedAcrossTheirOpcodes) {
  step(DL_OPEN);
  step(DL_COLOR3, 0, 0, 0.5f, 0.5f, 0.5f);
  step(DL_COLOR4, 0, 0, 0.5f, 0.5f, 0.5f, 0.0f);  // the same word: elided
  step(DL_COLOR4, 0, 0, 0.5f, 0.5f, 0.5f, 1.0f);
  step(DL_NORMAL, 0, 0, 0, 0, 1);
  step(DL_VERTEX);
  step(DL_NORMAL, 0, 0, 0, 0, 1);
  step(DL_NORMAL, 0, 0, 0, 1, 0);
  step(DL_CLOSE);
  std::vector<int> ops;
  for (const Record &r : decode(solid())) ops.push_back(r.op);
  EXPECT_EQ(ops, std::vector<int>({DL_COLOR3, DL_COLOR4, DL_NORMAL, DL_VERTEX, DL_NORMAL}));
}

TEST_F(DisplayListRecorder, OperandEncodings) {
  struct Case {
    const char *what;
    int op;
    float f[4];
    uint32_t word;  // in the byte order the stream holds
  } cases[] = {
      {"normal (0, 0.5, -0.5)", DL_NORMAL, {0, 0.5f, -0.5f}, 0x00040300u},
      {"normal (-0.7, 0, 0): -358", DL_NORMAL, {-0.7f, 0, 0}, (uint32_t)(1024 - 358) << 20},
      {"normal +1 kept at 511", DL_NORMAL, {0, 0, 1}, 511u},
      {"normal components clamped", DL_NORMAL, {-2, 0, 7}, 512u << 20 | 511u},
      {"colour 1, 0.5, 0 truncated", DL_COLOR3, {1, 0.5f, 0}, display_list_color_word(1, 0.5f, 0, 0)},
      {"colour clamped", DL_COLOR4, {1.5f, -0.2f, 2, 0.5f}, display_list_color_word(1, 0, 1, 0.5f)},
  };
  for (const Case &c : cases) {
    step(DL_OPEN);
    step(c.op, 0, 0, c.f[0], c.f[1], c.f[2], c.f[3]);
    step(DL_CLOSE);
    auto recs = decode(solid());
    ASSERT_EQ(recs.size(), 1u) << c.what;
    EXPECT_EQ(recs[0].words[0], c.word) << c.what;
  }
  const unsigned char bytes[4] = {255, 127, 0, 0};
  EXPECT_EQ(display_list_color_word(1, 0.5f, 0, 0), word_at(bytes));
  const unsigned char clamped[4] = {255, 0, 255, 127};
  EXPECT_EQ(display_list_color_word(1.5f, -0.2f, 2, 0.5f), word_at(clamped));

  float n[3];
  display_list_unpack_normal(display_list_normal_word(0, 0.5f, -0.5f), n);
  EXPECT_EQ(n[0], 0.0f);
  EXPECT_EQ(n[1], 0.5f);
  EXPECT_EQ(n[2], -0.5f);
  display_list_unpack_normal(display_list_normal_word(-0.7f, 0, 1), n);
  EXPECT_EQ(n[0], -0.69921875f);
  EXPECT_EQ(n[2], 0.998046875f);  // +1 keeps its direction
}

TEST_F(DisplayListRecorder, StepsMoveToANewBlockBeforeTheRoomRunsOut) {
  step(DL_OPEN);
  vertices(300);
  step(DL_CLOSE);
  ASSERT_EQ(blocks_of(solid()), 2);
  EXPECT_EQ(solid()->first->used, 253 * 16);
  EXPECT_EQ(solid()->first->next->used, 47 * 16);
  auto recs = decode(solid());
  ASSERT_EQ(recs.size(), 300u);
  EXPECT_EQ(recs[252].block, 0);
  EXPECT_EQ(recs[253].block, 1);
  EXPECT_EQ(recs[253].offset, 0);
  EXPECT_EQ(as_float(recs[299].words[0]), 299.0f);
}

TEST_F(DisplayListRecorder, ATextLeavesTheFollowingRecordsUnaligned) {
  step(DL_OPEN);
  step(DL_RASTER_POS, 0, 0, 1, 2, 3);
  quivane_opengl_label(1, 0, DL_TEXT, "12");
  step(DL_VERTEX, 0, 0, 4, 5, 6);
  std::string long_text(200, 'x');
  quivane_opengl_label(1, 0, DL_TEXT, long_text.c_str());
  step(DL_END);
  step(DL_CLOSE);
  auto recs = decode(solid());
  ASSERT_EQ(recs.size(), 5u);
  EXPECT_EQ(recs[1].text, "12");
  EXPECT_EQ(recs[2].offset - recs[1].offset, 10);
  EXPECT_EQ(recs[2].op, DL_VERTEX);
  EXPECT_EQ(as_float(recs[2].words[2]), 6.0f);
  EXPECT_EQ(recs[3].text, std::string(DL_TEXT_MAX, 'x'));  // capped
  EXPECT_EQ(recs[4].op, DL_END);
  EXPECT_EQ(solid()->first->used, 16 + 10 + 16 + 8 + DL_TEXT_MAX + 4);
}

TEST_F(DisplayListRecorder, ReRecordingReusesBlocksAndReturnsTheSurplus) {
  step(DL_OPEN);
  vertices(600);
  step(DL_CLOSE);
  ASSERT_EQ(blocks_of(solid()), 3);
  Display_list_block_rec *first = solid()->first, *second = first->next, *third = second->next;
  ASSERT_EQ(free_display_list, nullptr);

  step(DL_OPEN);
  vertices(1);
  step(DL_CLOSE);
  EXPECT_EQ(solid()->first, first);
  EXPECT_EQ(blocks_of(solid()), 1);
  EXPECT_EQ(first->used, 16);
  // Pushed one at a time: the last pushed is taken first.
  EXPECT_EQ(free_display_list, third);
  EXPECT_EQ(third->next, second);
  Display_list_block_rec *b = nullptr;
  EXPECT_EQ(allocate_display_list_memory(&b), 1);
  EXPECT_EQ(b, third);
  EXPECT_EQ(free_display_list, second);
  free(b);
}

TEST_F(DisplayListRecorder, RecordingOffRecordsNothing) {
  Compile_Quivane_display_list = 0;
  for (int op : {DL_OPEN, DL_LOD_MARK, DL_VERTEX, DL_CLOSE}) step(op, 30);
  EXPECT_EQ(solid(), nullptr);
  EXPECT_EQ(parts[0]->line_object, nullptr);
}

TEST_F(DisplayListRecorder, OnlyKnownStepsAreRecorded) {
  step(DL_OPEN);
  step(DL_TEXT, 5);  // a text comes only through quivane_opengl_label
  step(27);
  step(-1);
  step(19);  // unused codes below 27: the opcode alone
  step(DL_LOD_MARK, 10);
  step(DL_CLOSE);
  auto recs = decode(solid());
  ASSERT_EQ(recs.size(), 2u);
  EXPECT_EQ(recs[0].op, 19);
  EXPECT_EQ(recs[1].op, DL_LOD_MARK);
  EXPECT_EQ(recs[1].words[0], 10u);
}

TEST_F(DisplayListRecorder, AFailedBlockAbandonsTheObjectAndReportsOnce) {
  step(DL_OPEN);  // the head
  alloc_gate_fail_after(1);  // the first block, then nothing
  testing::internal::CaptureStderr();
  step(DL_BEGIN, GL_QUADS);
  vertices(400);
  step(DL_END);
  step(DL_CLOSE);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(solid()->first, nullptr) << "no half object with an open begin";
  size_t at = err.find("Memory allocation failed.");
  EXPECT_NE(at, std::string::npos) << err;
  EXPECT_EQ(err.find("Memory allocation failed.", at + 1), std::string::npos) << err;
  ASSERT_NE(free_display_list, nullptr);  // the block taken went back
  EXPECT_EQ(free_display_list->next, nullptr);

  alloc_gate_fail_after(-1);
  step(DL_OPEN);
  vertices(2);
  step(DL_CLOSE);
  EXPECT_EQ(decode(solid()).size(), 2u);  // the next recording works again
}

TEST_F(DisplayListRecorder, StoredFormRoundTripsAndRefusesBadBlocks) {
  step(DL_OPEN);
  step(DL_RASTER_POS, 0, 0, 1, 2, 3);
  quivane_opengl_label(1, 0, DL_TEXT, "7.5");
  vertices(400);
  step(DL_CLOSE);
  std::vector<Record> before = decode(solid());

  FILE *f = tmpfile();
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(display_list_object_write(f, solid()), 2);
  EXPECT_EQ(ftell(f), 2 * DL_BLOCK_BYTES);
  unsigned char head[16];
  rewind(f);
  ASSERT_EQ(fread(head, 1, 16, f), 16u);
  const unsigned char zero[4] = {0, 0, 0, 0};
  EXPECT_EQ(memcmp(head, zero, 4), 0);  // the link as a 4-byte zero
  int used = solid()->first->used;
  const unsigned char used_be[4] = {0, 0, (unsigned char)(used >> 8), (unsigned char)used};
  EXPECT_EQ(memcmp(head + 8, used_be, 4), 0);

  Display_object_rec copy{};
  rewind(f);
  ASSERT_EQ(display_list_object_read(f, 2, &copy), 2);
  std::vector<Record> after = decode(&copy);
  ASSERT_EQ(after.size(), before.size());
  for (size_t k = 0; k < after.size(); k++) {
    EXPECT_EQ(after[k].op, before[k].op);
    EXPECT_EQ(after[k].words, before[k].words);
    EXPECT_EQ(after[k].text, before[k].text);
  }
  purge_display_list_memory(copy.first);

  // A short file, then a block claiming more than its record area.
  rewind(f);
  Display_object_rec bad{};
  EXPECT_EQ(display_list_object_read(f, 3, &bad), -1);
  EXPECT_EQ(bad.first, nullptr);
  const unsigned char big[4] = {0, 0, 0x10, 0x01};
  fseek(f, 8, SEEK_SET);
  fwrite(big, 1, 4, f);
  rewind(f);
  EXPECT_EQ(display_list_object_read(f, 1, &bad), -1);
  EXPECT_EQ(bad.first, nullptr);
  fclose(f);
}

// Texts a replay draws, through a screen that only keeps them (no GL
// context is current, so the other replayed calls do nothing).
std::vector<std::string> Drawn_texts;
int keep_text(const char *text) {
  Drawn_texts.push_back(text);
  return 1;
}

TEST_F(DisplayListRecorder, ReplayDrawsTextsFromItsBufferAndStopsAtABrokenRecord) {
  static Screen_ops texts{};
  texts.gl_text = keep_text;
  screen_install(&texts);
  Drawn_texts.clear();
  quivane_opengl(0, 0, 0, DL_OPEN, 0, 0, 0, 0, 0, 0);
  quivane_opengl(0, 0, 0, DL_RASTER_POS, 0, 0, 1, 2, 3, 0);
  quivane_opengl_label(0, 0, DL_TEXT, "12");
  quivane_opengl_label(0, 0, DL_TEXT, std::string(300, 'y').c_str());
  quivane_opengl_label(0, 0, DL_TEXT, "after");
  quivane_opengl(0, 0, 0, DL_CLOSE, 0, 0, 0, 0, 0, 0);
  draw_internal_display_list_object(0, 0);
  EXPECT_EQ(Drawn_texts, std::vector<std::string>({"12", std::string(DL_TEXT_MAX, 'y'), "after"}));

  // A count running past the block's records ends the replay of the block.
  Display_list_block_rec *b = parts[0]->line_object->first;
  const int32_t huge = 100000;
  memcpy(b->records + 16 + 4, &huge, 4);
  Drawn_texts.clear();
  draw_internal_display_list_object(0, 0);
  EXPECT_TRUE(Drawn_texts.empty());
  screen_install(nullptr);
}

}  // namespace
