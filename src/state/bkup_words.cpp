// Archive section words (see bkup_words.h).
#include "state/bkup_words.h"

#include <cstring>
#include <vector>

bool bkup_put_word(FILE *fp, uint32_t v) {
  unsigned char b[4] = {(unsigned char)(v >> 24), (unsigned char)(v >> 16),
                        (unsigned char)(v >> 8), (unsigned char)v};
  return fwrite(b, 1, 4, fp) == 4;
}

bool bkup_get_word(FILE *fp, uint32_t *v) {
  unsigned char b[4];
  if (fread(b, 1, 4, fp) != 4) return false;
  *v = (uint32_t)b[0] << 24 | (uint32_t)b[1] << 16 | (uint32_t)b[2] << 8 | b[3];
  return true;
}

bool bkup_put_int(FILE *fp, int v) { return bkup_put_word(fp, (uint32_t)v); }

bool bkup_get_int(FILE *fp, int *v) {
  uint32_t w;
  if (!bkup_get_word(fp, &w)) return false;
  *v = (int)w;
  return true;
}

bool bkup_put_float(FILE *fp, float v) {
  uint32_t w;
  memcpy(&w, &v, 4);
  return bkup_put_word(fp, w);
}

bool bkup_get_float(FILE *fp, float *v) {
  uint32_t w;
  if (!bkup_get_word(fp, &w)) return false;
  memcpy(v, &w, 4);
  return true;
}

// Blocks go through one buffer so that a block is one write or one read.
bool bkup_put_ints(FILE *fp, const int *v, int n) {
  std::vector<unsigned char> b((size_t)n * 4);
  for (int i = 0; i < n; i++) {
    uint32_t w = (uint32_t)v[i];
    b[4 * i] = (unsigned char)(w >> 24), b[4 * i + 1] = (unsigned char)(w >> 16);
    b[4 * i + 2] = (unsigned char)(w >> 8), b[4 * i + 3] = (unsigned char)w;
  }
  return fwrite(b.data(), 1, b.size(), fp) == b.size();
}

bool bkup_get_ints(FILE *fp, int *v, int n) {
  std::vector<unsigned char> b((size_t)n * 4);
  if (fread(b.data(), 1, b.size(), fp) != b.size()) return false;
  for (size_t i = 0; i < b.size(); i += 4)
    v[i / 4] = (int)((uint32_t)b[i] << 24 | (uint32_t)b[i + 1] << 16 | (uint32_t)b[i + 2] << 8 |
                     b[i + 3]);
  return true;
}

bool bkup_put_floats(FILE *fp, const float *v, int n) {
  std::vector<int> w((size_t)n);
  if (n > 0) memcpy(w.data(), v, (size_t)n * 4);
  return bkup_put_ints(fp, w.data(), n);
}

bool bkup_get_floats(FILE *fp, float *v, int n) {
  std::vector<int> w((size_t)n);
  if (!bkup_get_ints(fp, w.data(), n)) return false;
  if (n > 0) memcpy(v, w.data(), (size_t)n * 4);
  return true;
}
