// The 4-byte words of the binary archive sections: written and read one at a
// time in big-endian order, whatever the machine's own order.
#pragma once

#include <cstdint>
#include <cstdio>

// Writes v as four big-endian bytes; false when the write failed.
bool bkup_put_word(FILE *fp, uint32_t v);
// Reads four big-endian bytes into *v; false at the end of the file or on error.
bool bkup_get_word(FILE *fp, uint32_t *v);

// ---- typed words, one value or a block of n at a time -----------------------------
// Each answers false when a write or read fell short; a read that fell
// short leaves its destination unchanged.
bool bkup_put_int(FILE *fp, int v);
bool bkup_get_int(FILE *fp, int *v);
bool bkup_put_float(FILE *fp, float v);
bool bkup_get_float(FILE *fp, float *v);
bool bkup_put_ints(FILE *fp, const int *v, int n);
bool bkup_get_ints(FILE *fp, int *v, int n);
bool bkup_put_floats(FILE *fp, const float *v, int n);
bool bkup_get_floats(FILE *fp, float *v, int n);
