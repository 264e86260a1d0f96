// A decoder of recorded display objects of our own, byte by byte: what the
// recorder wrote, read back record by record for the tests to compare.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "render/display_list.h"

namespace qtest {

// One decoded record: its opcode, its operand words as they lie in the
// stream, and the text of a text record.
struct Record {
  int op;
  std::vector<uint32_t> words;
  std::string text;
  int block, offset;
};

inline int operand_words(int op) {
  switch (op) {
    case DL_DISABLE: case DL_ENABLE: case DL_BEGIN: case DL_CALL_LIST: case DL_LOD_MARK:
    case DL_COLOR3: case DL_COLOR4: case DL_NORMAL: case DL_TEXCOORD1: case DL_LINE_WIDTH:
      return 1;
    case DL_COLOR_MATERIAL: return 2;
    case DL_VERTEX: case DL_TRANSLATE: case DL_SCALE: case DL_RASTER_POS: return 3;
    default: return 0;
  }
}

inline uint32_t word_at(const unsigned char *p) {
  uint32_t w;
  memcpy(&w, p, 4);
  return w;
}

inline std::vector<Record> decode(const Display_object_rec *obj) {
  std::vector<Record> out;
  int block = 0;
  for (const Display_list_block_rec *b = obj ? obj->first : nullptr; b; b = b->next, block++) {
    int at = 0;
    while (at < b->used) {
      Record r{(int)word_at(b->records + at), {}, "", block, at};
      at += 4;
      if (r.op == DL_TEXT) {
        int n = (int)word_at(b->records + at);
        at += 4;
        r.text.assign(reinterpret_cast<const char *>(b->records + at), n);
        at += n;
      } else {
        for (int k = 0; k < operand_words(r.op); k++, at += 4) r.words.push_back(word_at(b->records + at));
      }
      out.push_back(r);
    }
  }
  return out;
}

inline int blocks_of(const Display_object_rec *obj) {
  int n = 0;
  for (const Display_list_block_rec *b = obj ? obj->first : nullptr; b; b = b->next) n++;
  return n;
}

inline float as_float(uint32_t w) {
  float f;
  memcpy(&f, &w, 4);
  return f;
}

// Bytes of records in the object.
inline int bytes_of(const Display_object_rec *obj) {
  int n = 0;
  for (const Display_list_block_rec *b = obj ? obj->first : nullptr; b; b = b->next) n += b->used;
  return n;
}

}  // namespace qtest
