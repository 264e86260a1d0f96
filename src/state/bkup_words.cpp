// Archive section words (see bkup_words.h).
#include "state/bkup_words.h"

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
